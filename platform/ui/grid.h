#pragma once
// A grid of text cells, by default two columns, whose rows the learner
// selects as a range (click, Shift+click, Shift+arrows). The cells' text comes
// from the window on demand, so a list of many thousand rows is not copied.
// No header row or column.
#include <QTableView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/controls.h"

namespace ui {

class GridModel;

class Grid : public Control<QTableView> {
  public:
    explicit Grid(QWidget* parent);
    ~Grid() override;

    int RowCount() const;
    void SetRowCount(int n); // the selection is cleared
    int ColCount() const;
    void SetColCount(int n); // at least 1
    void SetColWidth(int col, int width);
    void SetDefaultRowHeight(int height);
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    // A column whose text is in another character set than the font's (the
    // Polish column beside French words).
    void SetColCharset(int col, int charset);
    int ColCharset(int col) const;
    // The window's data changed: cells are asked for again.
    void Refresh();

    // The selected rows, top <= bottom; {-1, -1} when none.
    struct Range {
        int top = -1, bottom = -1;
    };
    Range Selection() const;
    void SetSelection(int top, int bottom); // clamped; an empty grid selects nothing
    // The row that has the cursor, -1 for none.
    int Row() const;

    // The 8-bit text of a cell (font's character set).
    std::function<std::string(int col, int row)> OnGetText;
    // Paints what goes in front of a cell's text (marks, icons) and returns
    // the width it took; the text follows.
    std::function<int(Canvas&, int col, int row, const QRect& rect)> OnDrawMarks;
    NotifyEvent OnClick;    // the learner clicked a cell or moved the selection with the keys
    NotifyEvent OnDblClick; // on a cell
    KeyEvent OnKeyDown;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    friend class GridDelegate;
    friend class GridModel;
    std::unique_ptr<GridModel> model_;
    Font font_;
    std::vector<int> col_charsets_; // -1: the font's
};

} // namespace ui
