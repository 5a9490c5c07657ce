#pragma once
// The builder's occupancy grid of a table with COL settings: one text per
// row, one character per column, 'o' free and 'x' taken, so that the grid
// column of the next cell (and with it its column settings) is known while
// the rows are read.
#include <string>
#include <vector>

namespace htmlview {

class TCellObj;

class TCellManager {
  public:
    // `columns` is the number of columns the table's settings give.
    explicit TCellManager(int columns) : columns_(columns < 0 ? 0 : columns) {}

    // The first free column of `row` (a new row is made when `row` is the
    // row count); -1 when the row is full or out of range.
    int FindColNum(int row);
    // Marks the places `cell` takes from the first free column of `row`,
    // cutting its column span to what was free.
    void AddCell(int row, TCellObj& cell);

    // Columns added later widen every row.
    void Widen(int columns);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& Row(int i) const { return rows_.at(static_cast<size_t>(i)); }

  private:
    void EnsureRows(long long count);

    int columns_;
    std::vector<std::string> rows_;
};

} // namespace htmlview
