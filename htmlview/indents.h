#pragma once
// Float bookkeeping of one cell: the records that floating objects leave on
// the left and right, and the free edges they leave at a given height.
#include <memory>
#include <vector>

namespace htmlview {

struct IndentRec {
    int X = 0; // relative to the left edge
    int StartY = 0;
    int EndY = 9999999;
    const void* Owner = nullptr; // the object current when it was made, or none
};

class IndentManagerBasic {
  public:
    virtual ~IndentManagerBasic() = default;

    void Clear();
    void Reset(int lf, int rt);

    int AddLeft(int x, int y);
    int AddRight(int x, int y);
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

    int Width = 0; // set by the owning cell
    std::vector<std::unique_ptr<IndentRec>> L, R;
    const void* CurrentID = nullptr;
    int LfEdge = 0;
    int RtEdge = 0;

  private:
    int add(std::vector<std::unique_ptr<IndentRec>>& side, int x, int y);
    bool seen_at(const IndentRec& r, int y) const;
};

} // namespace htmlview
