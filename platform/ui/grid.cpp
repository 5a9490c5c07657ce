#include "platform/ui/grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace ui {

// The cells as Qt asks for them; the text comes from the grid's window.
class GridModel : public QAbstractTableModel {
  public:
    explicit GridModel(Grid& grid) : grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : cols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !grid_.OnGetText) return {};
        return to_qt(grid_.OnGetText(index.column(), index.row()), grid_.ColCharset(index.column()));
    }
    void reset(int r, int c) {
        beginResetModel();
        rows = std::max(0, r);
        cols = std::max(1, c);
        endResetModel();
    }
    void changed() {
        if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    }

    int rows = 0;
    int cols = 2;

  private:
    Grid& grid_;
};

// Draws a cell: the selection's ground, the window's marks, then the text.
class GridDelegate : public QStyledItemDelegate {
  public:
    GridDelegate(Grid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        Canvas c(*p, r);
        c.FillRect(r, selected ? 0xFF2E6F8Eu : 0xFFFFFFFFu);
        int x = r.left() + 2;
        if (grid_.OnDrawMarks) x += grid_.OnDrawMarks(c, index.column(), index.row(), r);
        Font f = grid_.font_;
        f.charset = grid_.ColCharset(index.column());
        if (selected) f.color = 0xFFFFFFFFu;
        c.SetFont(f);
        const std::string text =
            grid_.OnGetText ? grid_.OnGetText(index.column(), index.row()) : std::string();
        c.DrawText(QRect(x, r.top(), r.right() - x, r.height()), text,
                   Qt::AlignLeft | Qt::AlignVCenter, false);
        p->restore();
    }

  private:
    Grid& grid_;
};

Grid::Grid(QWidget* parent) : Control<QTableView>(parent), model_(new GridModel(*this)) {
    setModel(model_.get());
    setItemDelegate(new GridDelegate(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
}

Grid::~Grid() {
    // The view lets go of the model before the model goes.
    setModel(nullptr);
}

int Grid::RowCount() const {
    return model_->rows;
}

void Grid::SetRowCount(int n) {
    model_->reset(n, model_->cols);
}

int Grid::ColCount() const {
    return model_->cols;
}

void Grid::SetColCount(int n) {
    model_->reset(model_->rows, n);
}

void Grid::SetColWidth(int col, int width) {
    setColumnWidth(col, width);
}

void Grid::SetDefaultRowHeight(int height) {
    // Below the style's minimum as well: the rows are as high as asked.
    verticalHeader()->setMinimumSectionSize(std::max(1, height));
    verticalHeader()->setDefaultSectionSize(std::max(1, height));
}

void Grid::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
    viewport()->update();
}

void Grid::SetColCharset(int col, int charset) {
    if (col < 0) return;
    if (static_cast<size_t>(col) >= col_charsets_.size()) col_charsets_.resize(col + 1, -1);
    col_charsets_[static_cast<size_t>(col)] = charset;
    viewport()->update();
}

int Grid::ColCharset(int col) const {
    if (col >= 0 && static_cast<size_t>(col) < col_charsets_.size() && col_charsets_[col] >= 0)
        return col_charsets_[static_cast<size_t>(col)];
    return font_.charset;
}

void Grid::Refresh() {
    model_->changed();
    viewport()->update();
}

Grid::Range Grid::Selection() const {
    Range r;
    for (const QModelIndex& i : selectionModel()->selectedRows()) {
        r.top = r.top < 0 ? i.row() : std::min(r.top, i.row());
        r.bottom = std::max(r.bottom, i.row());
    }
    return r;
}

void Grid::SetSelection(int top, int bottom) {
    clearSelection();
    if (model_->rows == 0) return;
    top = std::clamp(top, 0, model_->rows - 1);
    bottom = std::clamp(bottom, top, model_->rows - 1);
    const QItemSelection sel(model_->index(top, 0), model_->index(bottom, model_->cols - 1));
    selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(model_->index(top, 0), QItemSelectionModel::NoUpdate);
    scrollTo(model_->index(top, 0));
}

int Grid::Row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Grid::keyPressEvent(QKeyEvent* e) {
    if (OnKeyDown) {
        int key = e->key();
        OnKeyDown(key, e->modifiers());
        if (key == 0) {
            e->accept();
            return;
        }
    }
    const Range before = Selection();
    QTableView::keyPressEvent(e);
    const Range after = Selection();
    if ((after.top != before.top || after.bottom != before.bottom) && OnClick) OnClick();
}

void Grid::mouseReleaseEvent(QMouseEvent* e) {
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid() && OnClick)
        OnClick();
}

void Grid::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid() && OnDblClick)
        OnDblClick();
}

} // namespace ui
