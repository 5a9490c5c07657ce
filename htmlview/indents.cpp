#include "htmlview/indents.h"

#include <algorithm>
#include <climits>

namespace htmlview {

void IndentManagerBasic::Clear() {
    L = {};
    R = {};
    CurrentID = nullptr;
}

void IndentManagerBasic::Reset(int lf, int rt) {
    LfEdge = lf;
    RtEdge = rt;
    CurrentID = nullptr;
}

int IndentManagerBasic::add(Side& side, const IndentRec& r) {
    side.added.push_back(std::make_unique<IndentRec>(r));
    side.by_end.emplace(r.EndY, side.added.back().get());
    return static_cast<int>(side.added.size()) - 1;
}

void IndentManagerBasic::remove(Side& side, int i) {
    if (i < 0 || i >= static_cast<int>(side.added.size())) return;
    const auto at = side.added.begin() + i;
    auto [first, last] = side.by_end.equal_range((*at)->EndY);
    for (auto it = first; it != last; ++it)
        if (it->second == at->get()) {
            side.by_end.erase(it);
            break;
        }
    side.added.erase(at);
}

int IndentManagerBasic::AddLeft(int x, int y, int end) {
    return add(L, {x, y, end, CurrentID});
}

int IndentManagerBasic::AddRight(int x, int y, int end) {
    return add(R, {x, y, end, CurrentID});
}

void IndentManagerBasic::DeleteLeft(int i) {
    remove(L, i);
}

void IndentManagerBasic::DeleteRight(int i) {
    remove(R, i);
}

bool IndentManagerBasic::seen_at(const IndentRec& r, int y) const {
    return r.StartY <= y && y < r.EndY && (!r.Owner || r.Owner == CurrentID);
}

template <class Better>
bool IndentManagerBasic::edge_at(const Side& side, int y, Better better, int& x) const {
    bool any = false;
    for (auto it = side.by_end.upper_bound(y); it != side.by_end.end(); ++it)
        if (seen_at(*it->second, y)) {
            x = any ? better(x, it->second->X) : it->second->X;
            any = true;
        }
    return any;
}

int IndentManagerBasic::LeftIndent(int y) const {
    int x = 0;
    edge_at(L, y, [](int a, int b) { return std::max(a, b); }, x);
    return x + LfEdge;
}

int IndentManagerBasic::RightSide(int y) const {
    int x = 0;
    return edge_at(R, y, [](int a, int b) { return std::min(a, b); }, x) ? x + LfEdge : RtEdge;
}

namespace {

using ByEnd = std::multimap<int, const IndentRec*>;

// Largest EndY among the records that belong to no owner; -1 when none.
int lowest_free(const ByEnd& side) {
    for (auto it = side.rbegin(); it != side.rend(); ++it)
        if (!it->second->Owner) return std::max(-1, it->first);
    return -1;
}

// Smallest EndY below y among the records that belong to no owner.
int next_end(const ByEnd& side, int y) {
    for (auto it = side.upper_bound(y); it != side.end(); ++it)
        if (!it->second->Owner) return it->first;
    return INT_MAX;
}

} // namespace

int IndentManagerBasic::ImageBottom() const {
    return std::max({0, lowest_free(L.by_end), lowest_free(R.by_end)});
}

void IndentManagerBasic::GetClearY(int& cl, int& cr) const {
    const int l = lowest_free(L.by_end);
    const int r = lowest_free(R.by_end);
    cl = l < 0 ? 0 : l + 1;
    cr = r < 0 ? 0 : r + 1;
}

int IndentManagerBasic::ClearDrop(int kind, int y) const {
    if (kind == 0) return 0;
    int cl = 0, cr = 0;
    GetClearY(cl, cr);
    const int left = std::max(0, cl - y - 1);
    const int right = std::max(0, cr - y - 1);
    return kind == 1 ? left : kind == 2 ? right : std::max(left, right);
}

int IndentManagerBasic::GetNextWiderY(int y) const {
    const int next = std::min(next_end(L.by_end, y), next_end(R.by_end, y));
    return next == INT_MAX ? y : next;
}

} // namespace htmlview
