#include "htmlview/history.h"

#include <algorithm>

#include "htmlview/ascii.h"

namespace htmlview {

bool THistory::Push(THistoryEntry old, THistoryEntry current, int max_count) {
    // The form data travels inside `old` and is freed with it whatever happens.
    if (max_count < 1 || current.File.empty()) return false;
    if (old.File == current.File && old.Position.FileType == current.Position.FileType &&
        old.Position.Pos == current.Position.Pos)
        return false;
    if (!entries_.empty() && !old.File.empty()) {
        THistoryEntry& left = entries_.front();
        left.File = old.File;
        left.Title = old.Title;
        left.Position.Pos = old.Position.Pos;
        left.Position.FileType = old.Position.FileType;
        left.Position.FormData = old.File != current.File ? std::move(old.Position.FormData) : nullptr;
    }
    current.Position.FormData.reset();
    entries_.push_front(std::move(current));
    while (static_cast<int>(entries_.size()) > max_count) entries_.pop_back();
    return true;
}

bool THistory::Clear() {
    const bool had = !entries_.empty();
    entries_.clear();
    return had;
}

bool TVisitedList::Contains(const std::string& url) const {
    return std::any_of(urls_.begin(), urls_.end(), [&](const std::string& s) { return SameText(s, url); });
}

TVisitedList::AddResult TVisitedList::Add(const std::string& url, int max_count) {
    if (max_count <= 0) return AddResult::Ignored;
    // File names are compared without regard to case, as links are written by hand.
    if (!urls_.empty() && SameText(urls_.front(), url)) return AddResult::Ignored;
    const auto at = std::find_if(urls_.begin(), urls_.end(), [&](const std::string& s) { return SameText(s, url); });
    if (at != urls_.end()) {
        urls_.erase(at);
        urls_.push_front(url);
        return AddResult::Moved;
    }
    urls_.push_front(url);
    Trim(max_count);
    return AddResult::Added;
}

void TVisitedList::Trim(int max_count) {
    while (static_cast<int>(urls_.size()) > std::max(0, max_count)) urls_.pop_back();
}

} // namespace htmlview
