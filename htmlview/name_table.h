#pragma once
// Lookup of a name in a fixed table: sorted by name, with the start of each
// first character's run kept, so a search compares against only the few names
// that share the first character.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace htmlview {

template <typename Entry, std::size_t N>
class NameTable {
  public:
    // `entries` must be sorted by their `name` member.
    explicit NameTable(const std::array<Entry, N>& entries) : entries_(entries) {
        std::size_t i = 0;
        for (int c = 0; c < 256; ++c) {
            first_[c] = i;
            while (i < N && static_cast<unsigned char>(entries_[i].name[0]) == c) ++i;
        }
        first_[256] = N;
    }

    const Entry* Find(std::string_view name) const {
        if (name.empty()) return nullptr;
        const unsigned char c = static_cast<unsigned char>(name[0]);
        for (std::size_t i = first_[c]; i < first_[c + 1]; ++i)
            if (same(entries_[i].name, name)) return &entries_[i];
        return nullptr;
    }

  private:
    // Names are short: a plain loop beats a call to compare memory.
    static bool same(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 1; i < a.size(); ++i)
            if (a[i] != b[i]) return false;
        return true;
    }

    std::array<Entry, N> entries_;
    std::array<std::size_t, 257> first_{};
};

} // namespace htmlview
