#pragma once
// The viewer control: one document shown on a drawing surface with a
// vertical and a horizontal scroll bar. It loads pages, plain text and single
// pictures, lays them out for its width (deciding whether the vertical bar is
// needed), paints through an off-screen picture of the area to repaint,
// remembers the documents shown and the links visited, and turns mouse and
// keys into link following, selection and scrolling.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/builder.h"
#include "htmlview/document.h"
#include "htmlview/history.h"
#include "htmlview/host.h"
#include "htmlview/print.h"

class QMimeData;
class QScrollBar;

namespace htmlview {

class THtmlPane;

enum class THTMLBorderStyle { htFocused, htNone, htSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TProgressStage { psStarting, psRunning, psEnding };
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// htOptions flags.
enum THtmlPaneOption : unsigned {
    htOverLinksActive = 1,
    htNoLinkUnderline = 2,
    htPrintTableBackground = 4,
    htPrintMonochromeBlack = 8,
    htShowDummyCaret = 16,
    htShowVScroll = 32,
};

// What lies under the mouse when the right button is released.
struct TRightClickParameters {
    std::string URL;
    std::string Target;
    TFloatingObj* Image = nullptr;
    int ImageX = 0, ImageY = 0;
    std::string ClickWord;
};

// The surface the document is painted on; its input goes to the viewer.
class TPaintPanel : public QWidget {
  public:
    explicit TPaintPanel(THtmlPane* viewer);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    THtmlPane* viewer_;
};

class THtmlPane : public QWidget, public TViewerHost {
  public:
    static constexpr int kWheelLine = 16; // pixels a wheel line scrolls

    explicit THtmlPane(QWidget* parent = nullptr);
    ~THtmlPane() override;

    // ---- loading
    // A page, "#name" after the file name scrolling to that place. Does
    // nothing while another load runs or for an empty name. A missing file
    // or a page the reader cannot finish raises (the part read is shown).
    void LoadFromFile(const std::string& file_name);
    void LoadImageFile(const std::string& file_name);
    // Goes back (or forward) to a page shown before: loads it unless it is
    // on show, gives its forms the values they had when it was left, and
    // sets the view to `pos`. Raises as LoadFromFile does.
    void LoadFromHistory(const std::string& file_name, TViewPosition pos);
    void LoadTextFile(const std::string& file_name);
    void Clear();

    // Prints pages `from` to `to` of the shown document with the print
    // margins and scale; the last page printed (0 for none). Throws EPrinter
    // when the printer cannot serve.
    int Print(int from, int to, PrintOutcome* outcome = nullptr);
    // Each printed page's header and footer, and the page call-back.
    TPagePrinted OnPrintHeader, OnPrintFooter;
    TPrintProgress OnPrintProgress;
    // The page being printed; after printing, the last page handled.
    int PrintedPage = 0;

    // ---- where the view stands
    TViewPosition Position() const;
    void SetPosition(TViewPosition pos);
    // Scrolls so that document y is the view's top (clamped).
    void ScrollTo(int y);
    int VScrollPos() const;
    int HScrollPos() const;
    int MaxVertical() const { return max_vertical_; }
    int MaxHorz() const { return max_horz_; }

    // ---- links and history
    bool ScrollToAnchor(const std::string& dest);
    // Follows the current link (after a click or Enter on its tab stop)
    // unless OnHotSpotClick handled it.
    void FollowLink();
    // Follows `url` as a link of the shown page would be followed.
    void FollowUrl(const std::string& url);
    void ClearHistory();
    const THistory& History() const { return history_; }
    const TVisitedList& Visited() const { return visited_; }

    // ---- state
    const std::string& CurrentFile() const { return current_file_; }
    const std::string& DocumentTitle() const { return title_; }
    TDocumentKind DocumentKind() const { return kind_; }
    bool Processing() const { return processing_; }
    const std::string& LinkUnderMouse() const { return url_; }
    TSectionList& Document() { return *doc_; }
    QWidget* PaintPanel() const;
    QScrollBar* VScrollBar() const { return vbar_; }
    QScrollBar* HScrollBar() const { return hbar_; }
    int SelStart() const { return doc_->SelB; }
    int SelEnd() const { return doc_->SelE; }
    // The selected text, UTF-8.
    std::string SelText();

    // ---- properties
    void SetViewImages(bool on);
    bool ViewImages() const { return doc_->ImagesShown; }
    void SetDefBackground(ColorRef color);
    ColorRef DefBackground() const { return settings_.Background; }
    void SetBorderStyle(THTMLBorderStyle style);
    THTMLBorderStyle BorderStyle() const { return border_style_; }
    void SetHistoryMaxCount(int n);
    int HistoryMaxCount() const { return history_max_; }
    void SetVisitedMaxCount(int n);
    int VisitedMaxCount() const { return visited_max_; }
    void SetImageCacheCount(int n);
    int ImageCacheCount() const { return image_cache_count_; }
    void SetNoSelect(bool on);
    bool NoSelect() const { return no_select_; }
    void SetScrollBars(TScrollStyle style);
    TScrollStyle ScrollBars() const { return scroll_bars_; }
    void SetServerRoot(const std::string& root);
    const std::string& ServerRoot() const { return server_root_; }
    void SetPrintScale(double scale);
    double PrintScale() const { return print_scale_; }
    void SetOptions(unsigned options);
    unsigned Options() const { return options_; }
    void SetDefPreFontName(const std::string& name);

    // Stored settings handed to each page at load.
    std::string& DefFontName() { return settings_.FontName; }
    double& DefFontSize() { return settings_.FontSize; }
    ColorRef& DefFontColor() { return settings_.FontColor; }
    ColorRef& DefHotSpotColor() { return settings_.HotSpotColor; }
    ColorRef& DefVisitedLinkColor() { return settings_.VisitedColor; }
    ColorRef& DefOverLinkColor() { return settings_.OverColor; }
    int& CharSet() { return settings_.Charset; }
    int& MarginHeight() { return settings_.MarginHeight; }
    int& MarginWidth() { return settings_.MarginWidth; }
    double PrintMarginLeft = 2.0, PrintMarginRight = 2.0, PrintMarginTop = 2.0, PrintMarginBottom = 2.0;
    // Paints text smoothed (off for pictures compared pixel by pixel).
    bool Antialias = true;
    // The widths of the passes of the last layout.
    std::vector<int> LayoutWidths;

    // ---- events
    std::function<void(const std::string& src)> OnHotSpotCovered;
    std::function<void(const std::string& src, bool& handled)> OnHotSpotClick;
    std::function<void()> OnHistoryChange;
    std::function<void(TProgressStage stage, int percent)> OnProgress;
    std::function<void(bool on)> OnProcessing;
    std::function<void(const std::string& http_equiv, const std::string& name, const std::string& content)> OnMeta;
    std::function<void(int delay, const std::string& url)> OnMetaRefresh;
    std::function<void(const std::string& rel, const std::string& rev, const std::string& href)> OnLink;
    std::function<void(const std::string& src, int loop, bool terminate)> OnSoundRequest;
    std::function<void(std::string& source)> OnParseBegin;
    std::function<void()> OnParseEnd;
    // Server-side include commands of a page, its scripts, and its linked
    // style sheets (text handed over; false reads the file), passed to the reader.
    IncludeHandler OnInclude;
    std::function<void(const std::string& name, const std::string& language, const std::string& script)> OnScript;
    std::function<bool(const std::string& src, std::string& text)> OnhtStreamRequest;
    std::function<void(TFloatingObj* obj, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> OnImageClick;
    std::function<void(TFloatingObj* obj, Qt::KeyboardModifiers shift, int x, int y)> OnImageOver;
    std::function<void(const TRightClickParameters& params)> OnRightClick;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> OnMouseDouble;
    // Where the page's pictures come from instead of files: a bitmap (with
    // a colour to leave transparent, -1 for none) or a stream of a picture
    // file; a request left unanswered falls back to the file. Handed to the
    // document, which asks them.
    void SetOnBitmapRequest(decltype(TSectionList::OnBitmapRequest) handler);
    void SetOnImageRequest(decltype(TSectionList::OnImageRequest) handler);
    // Panels of a page: made (the handler may size and fill the panel),
    // destroyed with the page, printed. Handed to the document at each load.
    TPanelCreateEvent OnPanelCreate;
    TPanelDestroyEvent OnPanelDestroy;
    TPanelPrintEvent OnPanelPrint;
    // A failure inside an event of the viewer; without a handler it is shown
    // in a message box.
    std::function<void(const std::string& message)> OnError;

    // A form of the page was submitted: its ACTION, TARGET, ENCTYPE and
    // METHOD and the name=value pairs (in the controls' code pages). Told
    // once the control's own event is over; without a handler a submission
    // does nothing.
    std::function<void(const std::string& action, const std::string& target, const std::string& enc_type,
                       const std::string& method, const std::vector<std::string>& results)>
        OnFormSubmit;
    // Form controls: a file field's browse button (the handler may replace
    // the name in the field), and a control clicked, focused, left, or left
    // changed, with the page's script text for it. Handed to the document.
    void SetOnFileBrowse(decltype(TSectionList::OnFileBrowse) handler);
    void SetOnObjectClick(decltype(TSectionList::OnObjectClick) handler);
    void SetOnObjectFocus(decltype(TSectionList::OnObjectFocus) handler);
    void SetOnObjectBlur(decltype(TSectionList::OnObjectBlur) handler);
    void SetOnObjectChange(decltype(TSectionList::OnObjectChange) handler);

    // The control's own mouse, wheel, key and focus events, before the
    // viewer acts on them. Mouse points are in the drawing surface's
    // coordinates. A key handler may set the key to 0 to keep it from the
    // viewer; a wheel handler sets `handled` to do the same.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> OnMouseDown, OnMouseUp;
    std::function<void(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y)> OnMouseMove;
    std::function<void(Qt::KeyboardModifiers shift, int delta, int x, int y, bool& handled)> OnMouseWheel;
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown, OnKeyUp;
    std::function<void(char16_t& key)> OnKeyPress;
    // The keyboard focus came into the viewer (or one of its page's
    // controls) from outside, or left it.
    std::function<void()> OnEnter, OnExit;
    // Dragging over the viewer and dropping on it; the surface relays its
    // drags with its own coordinates. `data` is none when the drag leaves.
    using TDragOverEvent = std::function<void(QObject* source, const QMimeData* data, int x, int y,
                                              TDragState state, bool& accept)>;
    using TDragDropEvent = std::function<void(QObject* source, const QMimeData* data, int x, int y)>;
    void SetOnDragOver(TDragOverEvent handler);
    void SetOnDragDrop(TDragDropEvent handler);

    // ---- TViewerHost
    QWidget* Surface() override;
    std::string ExpandDocumentPath(const std::string& url) override;
    void FollowLink(const std::string& url, const std::string& target) override;
    void ForwardKey(QKeyEvent* event) override;
    void Progress(int percent) override;
    void ScrollToObject(int y, bool link) override;
    void SubmitForm(const std::string& action, const std::string& target, const std::string& enc_type,
                    const std::string& method, const std::vector<std::string>& results) override;
    void ShowError(const std::string& message) override;
    void BackgroundChanged(ColorRef color) override;
    void Invalidate() override;

    // ---- input of the drawing surface (window coordinates of the surface)
    void PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PanelDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Wheel: `delta` in eighths of a degree (120 a notch), at (x, y) of the
    // surface; true when used.
    bool MouseWheel(int delta, Qt::KeyboardModifiers shift = Qt::NoModifier, int x = 0, int y = 0);
    void KeyDown(int key, Qt::KeyboardModifiers shift);
    // Drags over the surface or the viewer, in the coordinates of either.
    bool DragOver(QObject* source, const QMimeData* data, int x, int y, TDragState state);
    void DragDrop(QObject* source, const QMimeData* data, int x, int y);
    void ExtendSelection(int x, int y);
    void PaintDocument(QPaintEvent* event);

    // ---- auto-scroll (left button dragged past an edge, or middle button)
    bool MiddleScrolling() const { return middle_scrolling_; }
    bool AutoScrollPending() const { return auto_scroll_timer_.isActive(); }
    // One round of the auto-scroll; false when it ended.
    bool AutoScrollStep();
    // The button state and pointer the auto-scroll reads (tests replace it).
    std::function<Qt::MouseButtons()> ReadButtons;
    std::function<QPoint()> ReadPointer; // in surface coordinates

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    friend class TPaintPanel;

    void LoadDocument(const std::string& file_name, TDocumentKind kind);
    // Steps of LoadDocument.
    void ResetForNewPage();
    void ReadDocumentFile(const std::string& path, const std::string& name, TDocumentKind kind, TReadResult& result);
    void MetaTagRead(const std::string& http_equiv, const std::string& meta_name, const std::string& content);
    // Empties the document, its panels leaving through the current events.
    void ClearDocument();
    void LoadAndRecord(const std::string& file_name, TDocumentKind kind);
    void RestoreFormsFromHistory();
    void FormatDocument();
    void Reformat();
    void UpdateScrollBars();
    void PaintBackground(ui::HtmlCanvas& canvas, const ui::Rect& clip);
    void SetProcessing(bool on);
    void PushHistory(THistoryEntry old);
    void AddVisited(const std::string& url);
    void CheckVisitedLinks();
    std::string ResolveLinkTarget(const std::string& target);
    void VScrolled(int value);
    void HotSpotTimer();
    void AutoScrollTimer();
    int DocPosAt(int x, int y, bool* in_text = nullptr);
    void FocusChanged(QWidget* old, QWidget* now);
    // A drag event of the surface or the viewer (in its coordinates) to the handlers.
    void RelayDrag(QDropEvent* e, TDragState state, bool drop);
    void UpdateDropTargets();
    std::string WordAt(int pos, int* start = nullptr, int* end = nullptr);
    // Runs `fn`, showing a failure instead of letting it unwind further.
    void Guard(const std::function<void()>& fn);

    TFontSettings settings_;
    std::unique_ptr<TPaintPanel> surface_;
    QScrollBar* vbar_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    std::unique_ptr<TSectionList> doc_;
    THistory history_;
    TVisitedList visited_;
    QTimer hot_spot_timer_;
    QTimer auto_scroll_timer_;

    std::string current_file_;
    std::string title_;
    std::string base_;
    std::string base_target_;
    TDocumentKind kind_ = dkHtml;
    int max_vertical_ = 0;
    int max_horz_ = 0;
    int refresh_delay_ = 0;
    std::string refresh_url_;
    std::string url_, target_;
    bool processing_ = false;
    bool laying_out_ = false;
    bool left_down_ = false;
    bool selecting_ = false;
    bool middle_scrolling_ = false;
    int middle_y_ = 0;
    bool fixed_background_ = false;
    bool focus_by_mouse_ = false;
    bool link_clicked_ = false;
    bool painting_ = false;
    bool vbar_needed_ = false;
    int scroll_handling_ = 0;
    int sel_anchor_ = 0;
    size_t source_length_ = 0;
    // The page background as drawn: a one-pixel line widened into a tile.
    const TBitmap* page_image_source_ = nullptr;
    std::unique_ptr<QImage> page_image_;
    std::unique_ptr<QImage> page_mask_;
    std::unique_ptr<TBitmap> page_tile_;
    std::unique_ptr<TBitmap> page_mask_tile_;

    THTMLBorderStyle border_style_ = THTMLBorderStyle::htFocused;
    TScrollStyle scroll_bars_ = TScrollStyle::ssBoth;
    TDragOverEvent on_drag_over_;
    TDragDropEvent on_drag_drop_;
    QMetaObject::Connection focus_watch_;
    unsigned options_ = htPrintTableBackground | htPrintMonochromeBlack;
    int history_max_ = 0;
    int visited_max_ = 50;
    int image_cache_count_ = 5;
    bool no_select_ = false;
    std::string server_root_;
    double print_scale_ = 1.0;
};

} // namespace htmlview
