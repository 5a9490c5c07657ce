#include "htmlview/cell_manager.h"

#include <algorithm>

#include "htmlview/table.h"

namespace htmlview {

void TCellManager::EnsureRows(long long count) {
    // Spans are bounded, so is the grid.
    count = std::min<long long>(count, RowCount() + static_cast<long long>(kMaxSpan));
    while (RowCount() < count) rows_.emplace_back(static_cast<size_t>(columns_), 'o');
}

void TCellManager::Widen(int columns) {
    if (columns <= columns_) return;
    columns_ = columns;
    for (std::string& r : rows_) r.resize(static_cast<size_t>(columns_), 'o');
}

int TCellManager::FindColNum(int row) {
    if (row < 0 || row > RowCount()) return -1;
    if (row == RowCount()) EnsureRows(row + 1LL);
    const size_t c = rows_[static_cast<size_t>(row)].find('o');
    return c == std::string::npos ? -1 : static_cast<int>(c);
}

void TCellManager::AddCell(int row, TCellObj& cell) {
    if (row < 0 || row > RowCount()) return;
    EnsureRows(static_cast<long long>(row) + std::max(1, cell.SpanRows));
    const int col = FindColNum(row);
    if (col < 0) return;
    // Every row the cell covers may cut its span; later rows take the cut span.
    int span = cell.SpanCols;
    for (int r = row; r < std::min(RowCount(), row + std::max(1, cell.SpanRows)); ++r) {
        std::string& line = rows_[static_cast<size_t>(r)];
        int n = 0;
        for (int c = col; n < span; ++c, ++n) {
            // Columns past the settings are not tracked and count as free.
            if (c >= columns_) {
                n = span;
                break;
            }
            if (line[static_cast<size_t>(c)] != 'o') break;
            line[static_cast<size_t>(c)] = 'x';
        }
        span = std::min(span, n);
    }
    if (span < cell.SpanCols) cell.SpanCols = std::max(1, span);
}

} // namespace htmlview
