#pragma once
// What the viewer remembers of where the user has been: the documents shown
// (newest first, the first one always the page on show) and the links
// visited (most recent first).
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace htmlview {

// What a document on show was read as: a page, plain text, or a picture.
enum TDocumentKind : uint8_t { dkHtml, dkText, dkImage };

// The form-control values of a page, kept with its history entry: for each
// form of the page, its controls' "name=value" pairs.
using TFormData = std::vector<std::vector<std::string>>;

// A view of a document: a section and the distance of the view's top below
// it, or a plain y when the section is 0. 64 bits, so neither long pages nor
// documents of many sections overflow it.
using TViewPosition = int64_t;

constexpr TViewPosition MakeViewPosition(int section_index, int offset) {
    return (static_cast<TViewPosition>(section_index + 1) << 32) + static_cast<uint32_t>(offset);
}
// The section index (-1 for a plain y) and the offset of a position.
constexpr int ViewSection(TViewPosition p) { return static_cast<int>(p >> 32) - 1; }
constexpr int ViewOffset(TViewPosition p) { return static_cast<int>(static_cast<uint32_t>(p & 0xFFFFFFFF)); }

struct PositionObj {
    TViewPosition Pos = 0;
    TDocumentKind FileType = dkHtml;
    std::unique_ptr<TFormData> FormData;
};

struct THistoryEntry {
    std::string File;
    std::string Title;
    PositionObj Position;
};

class THistory {
  public:
    int Count() const { return static_cast<int>(entries_.size()); }
    const THistoryEntry& Entry(int i) const { return entries_.at(static_cast<size_t>(i)); }

    // A new page came on show (`current`); the page left is described by
    // `old` (its file empty when there was none). `max_count` bounds the
    // list. False when nothing was recorded.
    bool Push(THistoryEntry old, THistoryEntry current, int max_count);
    // Empties the list; true when it held entries.
    bool Clear();

  private:
    std::deque<THistoryEntry> entries_;
};

// Links visited, full targets, most recent first; compared without case.
class TVisitedList {
  public:
    int Count() const { return static_cast<int>(urls_.size()); }
    const std::string& Url(int i) const { return urls_.at(static_cast<size_t>(i)); }
    bool Contains(const std::string& url) const;

    enum class AddResult { Ignored, Moved, Added };
    // Puts the URL first; `max_count` 0 records nothing.
    AddResult Add(const std::string& url, int max_count);
    // Cuts the list from the end.
    void Trim(int max_count);
    void Clear() { urls_.clear(); }

  private:
    std::deque<std::string> urls_;
};

} // namespace htmlview
