#include "htmlview/indents.h"

#include <algorithm>
#include <climits>

namespace htmlview {

void IndentManagerBasic::Clear() {
    L.clear();
    R.clear();
    CurrentID = nullptr;
}

void IndentManagerBasic::Reset(int lf, int rt) {
    LfEdge = lf;
    RtEdge = rt;
    CurrentID = nullptr;
}

int IndentManagerBasic::add(std::vector<std::unique_ptr<IndentRec>>& side, int x, int y) {
    auto r = std::make_unique<IndentRec>();
    r->X = x;
    r->StartY = y;
    r->Owner = CurrentID;
    side.push_back(std::move(r));
    return static_cast<int>(side.size()) - 1;
}

int IndentManagerBasic::AddLeft(int x, int y) {
    return add(L, x, y);
}

int IndentManagerBasic::AddRight(int x, int y) {
    return add(R, x, y);
}

void IndentManagerBasic::DeleteLeft(int i) {
    if (i >= 0 && i < static_cast<int>(L.size())) L.erase(L.begin() + i);
}

void IndentManagerBasic::DeleteRight(int i) {
    if (i >= 0 && i < static_cast<int>(R.size())) R.erase(R.begin() + i);
}

bool IndentManagerBasic::seen_at(const IndentRec& r, int y) const {
    return r.StartY <= y && y < r.EndY && (!r.Owner || r.Owner == CurrentID);
}

int IndentManagerBasic::LeftIndent(int y) const {
    int x = 0;
    bool any = false;
    for (const auto& r : L)
        if (seen_at(*r, y)) {
            x = any ? std::max(x, r->X) : r->X;
            any = true;
        }
    return x + LfEdge;
}

int IndentManagerBasic::RightSide(int y) const {
    int x = 0;
    bool any = false;
    for (const auto& r : R)
        if (seen_at(*r, y)) {
            x = any ? std::min(x, r->X) : r->X;
            any = true;
        }
    return any ? x + LfEdge : RtEdge;
}

namespace {

// Largest EndY among the records that belong to no owner; -1 when none.
int lowest_free(const std::vector<std::unique_ptr<IndentRec>>& side) {
    int y = -1;
    for (const auto& r : side)
        if (!r->Owner) y = std::max(y, r->EndY);
    return y;
}

// Smallest EndY below y among the records that belong to no owner.
int next_end(const std::vector<std::unique_ptr<IndentRec>>& side, int y) {
    int best = INT_MAX;
    for (const auto& r : side)
        if (!r->Owner && r->EndY > y) best = std::min(best, r->EndY);
    return best;
}

} // namespace

int IndentManagerBasic::ImageBottom() const {
    return std::max({0, lowest_free(L), lowest_free(R)});
}

void IndentManagerBasic::GetClearY(int& cl, int& cr) const {
    const int l = lowest_free(L);
    const int r = lowest_free(R);
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
    const int next = std::min(next_end(L, y), next_end(R, y));
    return next == INT_MAX ? y : next;
}

} // namespace htmlview
