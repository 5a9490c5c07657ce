#pragma once
// Panels in the text (PANEL): a plain child window of the viewer's surface
// that the host program fills through the viewer's panel events. The panel
// stands in the line like a picture (or floats), is moved to its place on
// every paint, and is printed through the print event, or as a frame with
// its ALT text when no one prints it.
#include <QFrame>
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "htmlview/attributes.h"
#include "htmlview/inline_objects.h"

namespace htmlview {

class TViewerHost;
class TSectionList;
class TCellBasic;

class ThvPanel : public QFrame {
  public:
    explicit ThvPanel(QWidget* parent);
    // Cleared by the host: the panel is hidden at the next paint.
    bool FVisible = true;
};

// The viewer's panel events. A create handler may size, fill or hide the
// panel; a print handler paints the panel's picture into `image` (already
// of the panel's size, white).
using TPanelCreateEvent = std::function<void(TViewerHost* sender, const std::string& name, const std::string& type,
                                             const std::string& src, ThvPanel* panel)>;
using TPanelDestroyEvent = std::function<void(TViewerHost* sender, ThvPanel* panel)>;
using TPanelPrintEvent = std::function<void(TViewerHost* sender, ThvPanel* panel, QImage& image)>;

class TPanelObj : public TFloatingObj {
  public:
    // A PANEL element of `doc` at its position. The panel window is made
    // only when the document has a surface.
    TPanelObj(TSectionList* doc, const TAttributeList& attrs, TCellBasic* cell, int pos);
    ~TPanelObj() override;

    bool IsPanel() const override { return true; }
    void LayoutObject(TSectionList& doc, ui::HtmlCanvas& canvas, int available_width, TFontObj* run) override;
    // On screen the panel moves to (x, y) and shows (or hides when the host
    // cleared its flag); on a printer it is printed there.
    void Draw(ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) override;
    std::unique_ptr<TFloatingObj> Copy(TSectionList& doc) const override;

    ThvPanel* Panel() const { return panel_; }
    // Moves the panel out of sight when no paint placed it since the flag
    // was cleared (the page scrolled it away).
    void HideIfNotShown();

    double Ratio = 0; // height over width, 0 when not given
    std::string Name, Type, Source;
    bool ShownThisPaint = false;
    TPanelPrintEvent OnPanelPrint;

  private:
    TPanelObj(TSectionList* doc, const TPanelObj& source);
    void Print(ui::HtmlCanvas& canvas, int x, int y);

    TSectionList* doc_ = nullptr;
    QPointer<ThvPanel> panel_; // owned unless this is a print copy; gone with the surface
    bool owns_panel_ = false;
};

} // namespace htmlview
