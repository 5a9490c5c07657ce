#pragma once
// Preformatted text, one section per line of a PRE element or of a
// plain-text document: never wrapped, spaces kept. And the PAGE element's
// section, which ends the printed page where it stands.
#include <memory>

#include "htmlview/text_section.h"

namespace htmlview {

class TPreFormated : public TSection {
  public:
    TPreFormated(TSectionList* doc, TProperties& props, const TUrlTarget* link, TCellBasic* cell);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    // Both widths are the width of the whole line; the least is capped so
    // that one long line cannot widen a table without bound.
    void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) override;
    // Closes the line for layout with every space kept.
    void Finish() override;

    static constexpr int kMaxMinWidth = 2000;

  private:
    TPreFormated(TSectionList* doc, const TPreFormated& source);
    // Both widths of the line with its pictures at their present sizes.
    void MeasureLine(int& min, int& max);
};

class TPage : public TSectionBase {
  public:
    using TSectionBase::TSectionBase;

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    // Nothing on screen; on a printed page it pulls the page's end up to
    // itself.
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;

    // A break this close below the page's top would leave the page empty.
    static constexpr int kMinPageContent = 5;
};

} // namespace htmlview
