#pragma once
// Float bookkeeping of one cell: the records that floating objects leave on
// the left and right, and the free edges they leave at a given height.
#include <map>
#include <memory>
#include <vector>

namespace htmlview {

struct IndentRec {
    int X = 0; // relative to the left edge
    int StartY = 0;
    int EndY = 9999999; // not included
    const void* Owner = nullptr; // the object current when it was made, or none
};

class IndentManagerBasic {
  public:
    virtual ~IndentManagerBasic() = default;

    void Clear();
    void Reset(int lf, int rt);

    // A record from y down to `end` (not included); the result is its index
    // on its side, for the Delete of the same side.
    int AddLeft(int x, int y, int end = kOpenEnd);
    int AddRight(int x, int y, int end = kOpenEnd);
    void DeleteLeft(int i);
    void DeleteRight(int i);

    // Left edge at y: the widest left float seen by the current owner.
    int LeftIndent(int y) const;
    // Right edge at y: the narrowest right float, else the right edge.
    int RightSide(int y) const;
    // Bottom of the lowest float that belongs to no owner, 0 when none.
    int ImageBottom() const;
    // One below the lowest ownerless float of each side, 0 when none.
    void GetClearY(int& cl, int& cr) const;
    // How far below `y` something that clears `kind` (1 left, 2 right,
    // 3 both, 0 none) starts.
    int ClearDrop(int kind, int y) const;
    // The nearest y below `y` where an ownerless float ends; `y` when none.
    int GetNextWiderY(int y) const;

    static constexpr int kOpenEnd = 9999999;
    int Width = 0; // set by the owning cell
    const void* CurrentID = nullptr;
    int LfEdge = 0;
    int RtEdge = 0;

  private:
    // One side's records in the order they were added (the indices callers
    // hold), and the same records by bottom, so a question about a height
    // passes over the floats that ended above it without looking at them:
    // a page of many floats is laid out in time that grows with their
    // number, not with its square.
    struct Side {
        std::vector<std::unique_ptr<IndentRec>> added;
        std::multimap<int, const IndentRec*> by_end;
    };
    static int add(Side& side, const IndentRec& r);
    static void remove(Side& side, int i);
    bool seen_at(const IndentRec& r, int y) const;
    // The x of the records seen at y, `better` choosing between two.
    template <class Better>
    bool edge_at(const Side& side, int y, Better better, int& x) const;

    Side L, R;
};

} // namespace htmlview
