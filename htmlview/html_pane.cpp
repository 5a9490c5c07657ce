#include "htmlview/html_pane.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <exception>
#include <stdexcept>

#include "htmlview/ascii.h"
#include "htmlview/display.h"
#include "htmlview/font_runs.h"
#include "htmlview/images.h"
#include "htmlview/scratch_canvas.h"
#include "htmlview/tiles.h"
#include "htmlview/url.h"
#include "htmlview/wide_string.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

namespace {

constexpr int kSmallChange = 16;
constexpr int kHorzSmallChange = 15;
constexpr int kMaxHorz = 6000;
constexpr int kThreePassLimit = 10000;


// The file part and the "#name" part of a reference.
void split_destination(const std::string& ref, std::string& name, std::string& dest) {
    const size_t hash = ref.find('#');
    name = ref.substr(0, hash);
    dest = hash == std::string::npos ? std::string() : ref.substr(hash);
}

std::string to_slashes(std::string s) {
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

// The name a file is shown under (CurrentFile).
std::string full_name(const std::string& name) {
    const std::string path = os::resolve(to_slashes(name));
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace

void THtmlPane::Guard(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        ShowError(e.what());
    } catch (...) {
        ShowError("Unexpected error");
    }
}

// ------------------------------------------------------------ drawing surface

TPaintPanel::TPaintPanel(THtmlPane* viewer) : QWidget(viewer), viewer_(viewer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TPaintPanel::paintEvent(QPaintEvent* event) {
    viewer_->Guard([&] { viewer_->PaintDocument(event); });
}

void TPaintPanel::mousePressEvent(QMouseEvent* e) {
    viewer_->Guard([&] {
        viewer_->PanelMouseDown(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    });
}

void TPaintPanel::mouseMoveEvent(QMouseEvent* e) {
    viewer_->Guard([&] {
        viewer_->PanelMouseMove(e->buttons(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    });
}

void TPaintPanel::mouseReleaseEvent(QMouseEvent* e) {
    viewer_->Guard([&] {
        viewer_->PanelMouseUp(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    });
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    viewer_->Guard([&] {
        viewer_->PanelDoubleClick(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    });
}

void TPaintPanel::wheelEvent(QWheelEvent* e) {
    bool used = false;
    viewer_->Guard([&] {
        used = viewer_->MouseWheel(e->angleDelta().y(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    });
    e->setAccepted(used);
}

void TPaintPanel::dragEnterEvent(QDragEnterEvent* e) { viewer_->RelayDrag(e, TDragState::dsDragEnter, false); }
void TPaintPanel::dragMoveEvent(QDragMoveEvent* e) { viewer_->RelayDrag(e, TDragState::dsDragMove, false); }
void TPaintPanel::dropEvent(QDropEvent* e) { viewer_->RelayDrag(e, TDragState::dsDragMove, true); }

void TPaintPanel::dragLeaveEvent(QDragLeaveEvent*) {
    const QPoint at = mapFromGlobal(QCursor::pos());
    viewer_->Guard([&] { viewer_->DragOver(nullptr, nullptr, at.x(), at.y(), TDragState::dsDragLeave); });
}

// ------------------------------------------------------------------ viewer

THtmlPane::THtmlPane(QWidget* parent) : QWidget(parent) {
    InitDisplay();
    resize(150, 150);
    setFocusPolicy(Qt::ClickFocus);
    surface_ = std::make_unique<TPaintPanel>(this);
    surface_->move(1, 1);
    vbar_ = new QScrollBar(Qt::Vertical, this);
    vbar_->setSingleStep(kSmallChange);
    vbar_->setFocusPolicy(Qt::NoFocus);
    vbar_->hide();
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    hbar_->setSingleStep(kHorzSmallChange);
    hbar_->setFocusPolicy(Qt::NoFocus);
    hbar_->hide();
    doc_ = std::make_unique<TSectionList>(this);
    settings_.Background = ui::kSysColorFlag | ui::kColorBtnFace;
    doc_->ApplyFonts(settings_);
    doc_->BitmapList->SetCacheCount(image_cache_count_);
    QObject::connect(vbar_, &QScrollBar::valueChanged, this, [this](int v) { Guard([&] { VScrolled(v); }); });
    QObject::connect(hbar_, &QScrollBar::valueChanged, this, [this](int) { surface_->update(); });
    hot_spot_timer_.setInterval(200);
    QObject::connect(&hot_spot_timer_, &QTimer::timeout, this, [this] { Guard([&] { HotSpotTimer(); }); });
    auto_scroll_timer_.setInterval(100);
    QObject::connect(&auto_scroll_timer_, &QTimer::timeout, this, [this] { Guard([&] { AutoScrollTimer(); }); });
    focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget* old, QWidget* now) { Guard([&] { FocusChanged(old, now); }); });
    UpdateScrollBars();
}

THtmlPane::~THtmlPane() {
    // The focus leaves the controls while the window goes; nothing is told.
    QObject::disconnect(focus_watch_);
    hot_spot_timer_.stop();
    auto_scroll_timer_.stop();
    doc_.reset(); // its tab stops and controls live on the surface
    surface_.reset();
}

QWidget* THtmlPane::Surface() { return surface_.get(); }
QWidget* THtmlPane::PaintPanel() const { return surface_.get(); }

void THtmlPane::SetProcessing(bool on) {
    if (processing_ == on) return;
    processing_ = on;
    if (OnProcessing) OnProcessing(on);
}

// ------------------------------------------------------------------ loading

void THtmlPane::LoadFromFile(const std::string& file_name) { LoadAndRecord(file_name, dkHtml); }
void THtmlPane::LoadImageFile(const std::string& file_name) { LoadAndRecord(file_name, dkImage); }

void THtmlPane::LoadTextFile(const std::string& file_name) {
    if (processing_ || file_name.empty()) return;
    LoadDocument(file_name, dkText);
}

void THtmlPane::LoadAndRecord(const std::string& file_name, TDocumentKind kind) {
    if (processing_ || file_name.empty()) return;
    THistoryEntry old;
    old.File = current_file_;
    old.Title = title_;
    old.Position.Pos = Position();
    old.Position.FileType = kind_;
    old.Position.FormData = doc_->CollectFormData();
    // A failing load drops `old` (and its form data) on the way out.
    LoadDocument(file_name, kind);
    if (old.File != current_file_ || old.Position.FileType != kind_) PushHistory(std::move(old));
}

void THtmlPane::LoadFromHistory(const std::string& file_name, TViewPosition pos) {
    if (processing_ || file_name.empty()) return;
    std::string name, dest;
    split_destination(file_name, name, dest);
    // The page on show keeps what was typed into it; only the view moves.
    if (kind_ != dkHtml || current_file_.empty() || full_name(name) != current_file_) {
        LoadAndRecord(name, dkHtml);
        RestoreFormsFromHistory();
    }
    SetPosition(pos);
}

void THtmlPane::RestoreFormsFromHistory() {
    // The newest entry of this page after the one just written for it holds
    // the values it had when it was last left.
    for (int i = 1; i < history_.Count(); ++i) {
        const THistoryEntry& e = history_.Entry(i);
        if (e.File != current_file_ || e.Position.FileType != kind_) continue;
        if (e.Position.FormData) doc_->RestoreFormData(*e.Position.FormData);
        break;
    }
    surface_->update();
}

// A META element: handed on, and a refresh delay and address kept for
// when the page is shown.
void THtmlPane::MetaTagRead(const std::string& http_equiv, const std::string& meta_name, const std::string& content) {
    if (OnMeta) OnMeta(http_equiv, meta_name, content);
    if (!OnMetaRefresh || !SameText(http_equiv, "refresh")) return;
    const std::string delay = Trim(content.substr(0, content.find(';')));
    int d = -1;
    try {
        size_t used = 0;
        d = std::stoi(delay, &used);
        if (used != delay.size()) d = -1;
    } catch (const std::exception&) {
        d = -1;
    }
    if (d < 0) return;
    refresh_delay_ = std::max(1, d);
    const size_t u = LowerCase(content).find("url=");
    refresh_url_ = u == std::string::npos ? std::string() : Trim(content.substr(u + 4));
}

// Reads the file into the document as a page, a plain text or a picture.
void THtmlPane::ReadDocumentFile(const std::string& path, const std::string& name, TDocumentKind kind,
                                 TReadResult& result) {
    std::string text;
    if (kind != dkImage && !os::read_file(path, text)) throw std::runtime_error("Can't read file: " + name);
    if (OnParseBegin) OnParseBegin(text);
    source_length_ = text.size();
    TReadHandlers h;
    if (kind == dkHtml) {
        if (OnSoundRequest) OnSoundRequest("", 0, true);
        h.OnLink = OnLink;
        h.OnSoundRequest = OnSoundRequest;
        h.OnInclude = OnInclude;
        h.OnScript = OnScript;
        h.OnStreamRequest = OnhtStreamRequest;
        h.OnMeta = [this](const std::string& http_equiv, const std::string& meta_name, const std::string& content) {
            MetaTagRead(http_equiv, meta_name, content);
        };
        ReadHtmlDocument(text, *doc_, h, result);
    } else if (kind == dkText) {
        ReadTextDocument(text, *doc_);
    } else {
        ReadHtmlDocument("<img src=\"" + name + "\">", *doc_, h, result);
    }
}

// A new page starts with the old one's state gone and the pane's options
// applied to the document.
void THtmlPane::ResetForNewPage() {
    // It ends whatever the mouse was doing on the old one.
    auto_scroll_timer_.stop();
    hot_spot_timer_.stop();
    left_down_ = selecting_ = false;
    url_.clear();
    target_.clear();
    ClearDocument();
    doc_->BitmapList->BumpAndCheck();
    TFontSettings s = settings_;
    s.OverLinksActive = (options_ & htOverLinksActive) != 0;
    s.UnderlineLinks = (options_ & htNoLinkUnderline) == 0;
    doc_->ApplyFonts(s);
    doc_->PrintBackgrounds = (options_ & htPrintTableBackground) != 0;
    doc_->PrintMonoBlack = (options_ & htPrintMonochromeBlack) != 0;
    doc_->ShowDummyCaret = (options_ & htShowDummyCaret) != 0;
    sel_anchor_ = 0;
    doc_->CaretPos = -1;
    page_image_.reset();
}

void THtmlPane::LoadDocument(const std::string& file_name, TDocumentKind kind) {
    std::string name, dest;
    split_destination(file_name, name, dest);
    refresh_delay_ = 0;
    refresh_url_.clear();
    SetProcessing(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Finish {
        THtmlPane* pane;
        ~Finish() {
            QApplication::restoreOverrideCursor();
            if (pane->OnProgress) pane->OnProgress(TProgressStage::psEnding, 100);
            pane->SetProcessing(false);
        }
    } finish{this};

    const std::string path = os::resolve(to_slashes(name));
    if (!os::file_exists(path)) throw std::runtime_error("Can't locate file: " + name);

    if (OnProgress) OnProgress(TProgressStage::psStarting, 0);
    laying_out_ = true;
    ResetForNewPage();

    const std::string previous = current_file_;
    current_file_ = full_name(path);
    kind_ = kind;

    std::exception_ptr failure;
    TReadResult result;
    try {
        ReadDocumentFile(path, name, kind, result);
    } catch (...) {
        failure = std::current_exception();
    }
    title_ = result.Title;
    if (!result.Base.empty()) base_ = result.Base;
    base_target_ = result.BaseTarget;
    if (OnParseEnd) OnParseEnd();
    FormatDocument();
    CheckVisitedLinks();
    if (dest.empty() || !ScrollToAnchor(dest)) {
        if (current_file_ != previous) {
            ScrollTo(0);
            hbar_->setValue(0);
        } else {
            ScrollTo(VScrollPos());
        }
    }
    laying_out_ = false;
    surface_->update();
    if (failure) std::rethrow_exception(failure);
    if (refresh_delay_ > 0 && OnMetaRefresh) OnMetaRefresh(refresh_delay_, refresh_url_);
}

void THtmlPane::ClearDocument() {
    doc_->OnPanelCreate = OnPanelCreate;
    doc_->OnPanelDestroy = OnPanelDestroy;
    doc_->OnPanelPrint = OnPanelPrint;
    doc_->ClearDocument();
}

void THtmlPane::Clear() {
    if (processing_) return;
    hot_spot_timer_.stop();
    auto_scroll_timer_.stop();
    ClearDocument();
    doc_->BitmapList->Clear();
    doc_->ApplyFonts(settings_);
    page_image_.reset();
    base_.clear();
    base_target_.clear();
    title_.clear();
    max_vertical_ = 0;
    max_horz_ = 0;
    vbar_->setRange(0, 0);
    vbar_->hide();
    hbar_->hide();
    UpdateScrollBars();
    sel_anchor_ = 0;
    doc_->CaretPos = -1;
    if (OnSoundRequest) OnSoundRequest("", 0, true);
    surface_->update();
}

int THtmlPane::Print(int from, int to, PrintOutcome* outcome) {
    PrintedPage = 0;
    if (outcome) *outcome = {};
    // A load in progress blocks printing.
    if (processing_) {
        bool stop = false;
        if (OnPrintProgress) OnPrintProgress(0, stop);
        return 0;
    }
    // The page events may process messages: no load, layout or second print
    // may start inside the job.
    SetProcessing(true);
    struct Done {
        THtmlPane* pane;
        ~Done() { pane->SetProcessing(false); }
    } done{this};
    TPrintOptions options;
    options.OnPrintHeader = OnPrintHeader;
    options.OnPrintFooter = OnPrintFooter;
    options.OnPrintProgress = [this](int page, bool& stop) {
        PrintedPage = page;
        if (OnPrintProgress) OnPrintProgress(page, stop);
    };
    options.MarginLeft = PrintMarginLeft;
    options.MarginRight = PrintMarginRight;
    options.MarginTop = PrintMarginTop;
    options.MarginBottom = PrintMarginBottom;
    options.Scale = print_scale_;
    options.Title = title_;
    PrintedPage = PrintDocument(*doc_, from, to, options, outcome);
    return PrintedPage;
}

// ------------------------------------------------------------------- layout

void THtmlPane::FormatDocument() {
    const bool was = laying_out_;
    laying_out_ = true;
    const int e = border_style_ == THTMLBorderStyle::htNone ? 0 : 2;
    const int W = width() - e;
    const int H = height() - e;
    const int s = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    LayoutWidths.clear();
    auto pass = [&](int w) {
        ScratchCanvas c;
        max_horz_ = 0;
        LayoutWidths.push_back(w);
        max_vertical_ = doc_->DoLayout(c.canvas, std::max(1, w), H, max_horz_);
    };
    const bool horz_allowed = scroll_bars_ == TScrollStyle::ssHorizontal || scroll_bars_ == TScrollStyle::ssBoth;
    // Does the page want the vertical bar at this width?
    auto needs_vbar = [&](int width_used) {
        if (H <= max_vertical_) return true;
        return horz_allowed && H - s <= max_vertical_ && width_used < max_horz_;
    };
    if (scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth) {
        if (!(options_ & htShowVScroll) && source_length_ < kThreePassLimit) {
            pass(W);
            if (needs_vbar(W - s)) {
                pass(W - s);
                if (!needs_vbar(W)) pass(W);
            }
        } else {
            pass(W - s);
        }
    } else {
        pass(W);
    }
    UpdateScrollBars();
    laying_out_ = was;
}

void THtmlPane::Reformat() {
    SetProcessing(true);
    const TViewPosition pos = Position();
    FormatDocument();
    SetPosition(pos);
    if (OnProgress) {
        OnProgress(TProgressStage::psStarting, 0);
        OnProgress(TProgressStage::psEnding, 100);
    }
    SetProcessing(false);
}

void THtmlPane::UpdateScrollBars() {
    max_horz_ = std::min(max_horz_, kMaxHorz);
    const int b = border_style_ == THTMLBorderStyle::htNone ? 0 : 1;
    const int room_w = std::max(0, width() - 2 * b);
    const int room_h = std::max(0, height() - 2 * b);
    const int s = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool show_v_always = (options_ & htShowVScroll) != 0;
    const bool horz_allowed = scroll_bars_ == TScrollStyle::ssHorizontal || scroll_bars_ == TScrollStyle::ssBoth;
    bool v_needed = false, h_needed = false;
    if (scroll_bars_ == TScrollStyle::ssNone ||
        (!show_v_always && max_vertical_ < room_h && max_horz_ <= room_w)) {
        // no bar
    } else if (scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth) {
        v_needed = !(max_vertical_ < room_h &&
                     (!horz_allowed || max_vertical_ < room_h - s || max_horz_ <= room_w - s));
        h_needed = horz_allowed && (max_horz_ > room_w || (max_horz_ > room_w - s && (v_needed || show_v_always)));
    } else {
        h_needed = max_horz_ > room_w;
    }
    const bool v_vertical_kind = scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth;
    const bool v_shown = v_needed || (show_v_always && v_vertical_kind);
    vbar_needed_ = v_needed;
    const int sw = std::max(0, room_w - (v_shown ? s : 0));
    const int sh = std::max(0, room_h - (h_needed ? s : 0));
    surface_->setGeometry(b, b, sw, sh);
    ++scroll_handling_;
    if (v_shown) {
        vbar_->setGeometry(b + sw, b, s, sh);
        vbar_->setEnabled(v_needed);
        vbar_->show();
    } else {
        vbar_->hide();
    }
    vbar_->setPageStep(std::max(1, sh - kSmallChange));
    vbar_->setRange(0, std::max(0, max_vertical_ - sh));
    if (h_needed) {
        hbar_->setGeometry(b, b + sh, sw, s);
        hbar_->setPageStep(std::max(1, sw - 20));
        hbar_->setRange(0, std::max(0, std::max(max_horz_, sw) - sw));
        hbar_->show();
    } else {
        hbar_->setValue(0);
        hbar_->hide();
    }
    --scroll_handling_;
    // A range that shrank moved the bar; the document follows it.
    if (doc_->ScrollY != vbar_->value()) doc_->SetScrollY(vbar_->value());
    update();
}

void THtmlPane::resizeEvent(QResizeEvent*) {
    Guard([&] {
        if (processing_)
            UpdateScrollBars();
        else
            Reformat();
        if (surface_->height() <= max_vertical_)
            ScrollTo(VScrollPos());
        else
            SetPosition(0);
        if (hbar_->isVisible()) hbar_->setValue(std::min(hbar_->value(), hbar_->maximum()));
    });
}

// ---------------------------------------------------------------- scrolling

int THtmlPane::VScrollPos() const { return vbar_->value(); }
int THtmlPane::HScrollPos() const { return hbar_->isVisible() ? hbar_->value() : 0; }

void THtmlPane::ScrollTo(int y) {
    y = std::max(0, std::min(y, max_vertical_ - surface_->height()));
    vbar_->setValue(y);
    if (doc_->ScrollY != y) doc_->SetScrollY(y);
    surface_->update();
}

void THtmlPane::VScrolled(int value) {
    const int old = doc_->ScrollY;
    if (old == value) return;
    doc_->SetScrollY(value);
    if (scroll_handling_ || fixed_background_ || doc_->FixedTiles || std::abs(old - value) >= surface_->height() || !surface_->isVisible())
        surface_->update();
    else
        surface_->scroll(0, old - value);
}

TViewPosition THtmlPane::Position() const {
    const int y = vbar_->value();
    int section_y = 0, index = -1;
    if (doc_->SectionAtY(y, section_y, index) && index >= 0) return MakeViewPosition(index, y - section_y);
    return y;
}

void THtmlPane::SetPosition(TViewPosition pos) {
    const int section = ViewSection(pos);
    if (section == -1) {
        ScrollTo(ViewOffset(pos));
    } else if (section >= 0 && section < static_cast<int>(doc_->PositionList.size())) {
        ScrollTo(doc_->PositionList[static_cast<size_t>(section)]->GetYPosition() + ViewOffset(pos));
    }
}

// ---------------------------------------------------------------- painting

void THtmlPane::PaintDocument(QPaintEvent* event) {
    if (laying_out_ || painting_) return;
    painting_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{painting_};
    const QRect clip = event->rect();
    if (clip.isEmpty()) return;
    QImage buffer(clip.size(), QImage::Format_RGB32);
    if (buffer.isNull()) throw std::runtime_error("Out of Resources");
    {
        QPainter p(&buffer);
        p.translate(-clip.x(), -clip.y());
        ui::HtmlCanvas canvas(p);
        canvas.SetAntialias(Antialias);
        const ui::Rect r{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1};
        PaintBackground(canvas, r);
        doc_->Draw(canvas, r, surface_->width(), -HScrollPos());
    }
    QPainter out(surface_.get());
    out.drawImage(clip.topLeft(), buffer);
}

void THtmlPane::PaintBackground(ui::HtmlCanvas& canvas, const ui::Rect& clip) {
    const ColorRef colour = doc_->PageColor == NoColour ? settings_.Background : doc_->PageColor;
    canvas.FillRect(clip, colour);
    fixed_background_ = false;
    if (!doc_->ImagesShown) return;
    const TBitmap* image = doc_->PageBackgroundBitmap();
    // An empty picture has nothing to tile (stepping back by 0 would never end).
    if (!image || image->Empty()) return;
    const PositionRecArray& pos = doc_->PageImagePos;
    fixed_background_ = pos[0].Fixed || pos[1].Fixed;
    const int area_w = fixed_background_ ? surface_->width() : std::max(max_horz_, surface_->width());
    const int area_h = fixed_background_ ? surface_->height() : std::max(max_vertical_, surface_->height());
    const int off_x = fixed_background_ ? 0 : HScrollPos();
    const int off_y = fixed_background_ ? 0 : doc_->ScrollY;
    // A one-pixel line is widened to a small tile, not stretched over the page.
    if (!page_image_ || page_image_source_ != image) {
        page_image_source_ = image;
        page_image_.reset();
        page_mask_.reset();
        const TBitmap* mask = doc_->PageImageMask;
        // Only along a repeating axis: drawn once, the line keeps its size.
        const int wide_w = pos[0].RepeatD ? area_w : 1, wide_h = pos[1].RepeatD ? area_h : 1;
        if ((image->Width() == 1 && pos[0].RepeatD) || (image->Height() == 1 && pos[1].RepeatD)) {
            page_tile_ = EnlargeImage(*image, wide_w, wide_h);
            page_image_ = std::make_unique<QImage>(page_tile_->ToImage().convertToFormat(QImage::Format_RGB32));
            if (mask) page_mask_tile_ = EnlargeImage(*mask, wide_w, wide_h);
        } else {
            page_tile_.reset();
            page_mask_tile_.reset();
            page_image_ = std::make_unique<QImage>(image->ToImage().convertToFormat(QImage::Format_RGB32));
        }
        if (mask) page_mask_ = std::make_unique<QImage>();
    }
    const QImage& tile = *page_image_;
    const int iw = tile.width(), ih = tile.height();
    if (iw <= 0 || ih <= 0) return;
    const TileGrid g = PlanTilesFrom(TileStart(pos[0], area_w, iw, off_x), TileStart(pos[1], area_h, ih, off_y),
                                     pos[0].RepeatD, pos[1].RepeatD, iw, ih, iw, ih, clip);
    if (g.Empty()) return;
    const TBitmap* mask = page_mask_ ? (page_mask_tile_ ? page_mask_tile_.get() : doc_->PageImageMask) : nullptr;
    const TBitmap* source = page_tile_ ? page_tile_.get() : image;
    for (int y = g.Y0; y < g.Y1; y += g.StepY)
        for (int x = g.X0; x < g.X1; x += g.StepX) {
            if (mask)
                DrawTransparent(canvas, *source, *mask, x, y, iw, ih);
            else
                canvas.BitBlt(x, y, iw, ih, tile, 0, 0, ui::Rop::SrcCopy);
        }
}

void THtmlPane::paintEvent(QPaintEvent*) {
    const bool border = border_style_ == THTMLBorderStyle::htSingle ||
                        (border_style_ == THTMLBorderStyle::htFocused && hasFocus());
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (border && border_style_ != THTMLBorderStyle::htNone) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void THtmlPane::focusInEvent(QFocusEvent*) { update(); }
void THtmlPane::focusOutEvent(QFocusEvent*) { update(); }

// ------------------------------------------------------------ properties

void THtmlPane::SetViewImages(bool on) {
    if (processing_ || on == doc_->ImagesShown) return;
    SetProcessing(true);
    struct Done {
        THtmlPane* pane;
        ~Done() { pane->SetProcessing(false); }
    } done{this};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    doc_->ImagesShown = on;
    if (doc_->Count() > 0) {
        const TViewPosition pos = Position();
        FormatDocument();
        SetPosition(pos);
    }
    surface_->update();
}

void THtmlPane::SetDefBackground(ColorRef color) {
    if (processing_) return;
    settings_.Background = color;
    doc_->FontSettings.Background = color;
    doc_->SetPageColor(color);
    surface_->update();
}

void THtmlPane::SetBorderStyle(THTMLBorderStyle style) {
    border_style_ = style;
    UpdateScrollBars();
}

void THtmlPane::SetHistoryMaxCount(int n) {
    if (n < 0) return;
    if (n < history_max_) ClearHistory();
    history_max_ = n;
}

void THtmlPane::SetVisitedMaxCount(int n) {
    n = std::max(0, n);
    visited_max_ = n;
    if (n > 0) {
        visited_.Trim(n);
        return;
    }
    visited_.Clear();
    for (TFontObj* run : doc_->Links) run->SetVisited(false);
    surface_->update();
}

void THtmlPane::SetImageCacheCount(int n) {
    image_cache_count_ = std::clamp(n, 0, 20);
    doc_->BitmapList->SetCacheCount(image_cache_count_);
}

void THtmlPane::SetNoSelect(bool on) {
    no_select_ = on;
    if (on) {
        doc_->SelB = doc_->SelE = -1;
        surface_->update();
    }
}

void THtmlPane::SetScrollBars(TScrollStyle style) {
    if (style == scroll_bars_) return;
    scroll_bars_ = style;
    if (!processing_) Reformat();
}

void THtmlPane::SetOnBitmapRequest(decltype(TSectionList::OnBitmapRequest) handler) {
    doc_->OnBitmapRequest = std::move(handler);
}

void THtmlPane::SetOnImageRequest(decltype(TSectionList::OnImageRequest) handler) {
    doc_->OnImageRequest = std::move(handler);
}

void THtmlPane::SetOnFileBrowse(decltype(TSectionList::OnFileBrowse) handler) { doc_->OnFileBrowse = std::move(handler); }
void THtmlPane::SetOnObjectClick(decltype(TSectionList::OnObjectClick) handler) { doc_->OnObjectClick = std::move(handler); }
void THtmlPane::SetOnObjectFocus(decltype(TSectionList::OnObjectFocus) handler) { doc_->OnObjectFocus = std::move(handler); }
void THtmlPane::SetOnObjectBlur(decltype(TSectionList::OnObjectBlur) handler) { doc_->OnObjectBlur = std::move(handler); }
void THtmlPane::SetOnObjectChange(decltype(TSectionList::OnObjectChange) handler) {
    doc_->OnObjectChange = std::move(handler);
}

void THtmlPane::SetOnDragOver(TDragOverEvent handler) {
    on_drag_over_ = std::move(handler);
    UpdateDropTargets();
}

void THtmlPane::SetOnDragDrop(TDragDropEvent handler) {
    on_drag_drop_ = std::move(handler);
    UpdateDropTargets();
}

void THtmlPane::UpdateDropTargets() {
    const bool on = on_drag_over_ || on_drag_drop_;
    setAcceptDrops(on);
    surface_->setAcceptDrops(on);
}

bool THtmlPane::DragOver(QObject* source, const QMimeData* data, int x, int y, TDragState state) {
    bool accept = false;
    if (on_drag_over_) on_drag_over_(source, data, x, y, state, accept);
    return accept;
}

void THtmlPane::DragDrop(QObject* source, const QMimeData* data, int x, int y) {
    if (on_drag_drop_) on_drag_drop_(source, data, x, y);
}

void THtmlPane::RelayDrag(QDropEvent* e, TDragState state, bool drop) {
    bool accept = false;
    Guard([&] {
        const int x = int(e->position().x()), y = int(e->position().y());
        if (drop)
            DragDrop(e->source(), e->mimeData(), x, y);
        else
            accept = DragOver(e->source(), e->mimeData(), x, y, state);
    });
    if (drop)
        e->acceptProposedAction();
    else
        e->setAccepted(accept);
}

void THtmlPane::dragEnterEvent(QDragEnterEvent* e) { RelayDrag(e, TDragState::dsDragEnter, false); }
void THtmlPane::dragMoveEvent(QDragMoveEvent* e) { RelayDrag(e, TDragState::dsDragMove, false); }
void THtmlPane::dropEvent(QDropEvent* e) { RelayDrag(e, TDragState::dsDragMove, true); }

void THtmlPane::dragLeaveEvent(QDragLeaveEvent*) {
    const QPoint at = mapFromGlobal(QCursor::pos());
    Guard([&] { DragOver(nullptr, nullptr, at.x(), at.y(), TDragState::dsDragLeave); });
}

void THtmlPane::FocusChanged(QWidget* old, QWidget* now) {
    const bool inside = now && (now == this || isAncestorOf(now));
    const bool was = old && (old == this || isAncestorOf(old));
    if (inside && !was && OnEnter)
        OnEnter();
    else if (was && !inside && OnExit)
        OnExit();
}

void THtmlPane::SetServerRoot(const std::string& root) {
    server_root_ = Trim(root);
    if (!server_root_.empty() && (server_root_.back() == '\\' || server_root_.back() == '/')) server_root_.pop_back();
}

void THtmlPane::SetPrintScale(double scale) { print_scale_ = std::clamp(scale, 0.25, 4.0); }

void THtmlPane::SetOptions(unsigned options) {
    const bool bar_changed = ((options ^ options_) & htShowVScroll) != 0;
    options_ = options;
    doc_->HoverLinks = (options & htOverLinksActive) != 0;
    doc_->PrintBackgrounds = (options & htPrintTableBackground) != 0;
    doc_->PrintMonoBlack = (options & htPrintMonochromeBlack) != 0;
    doc_->ShowDummyCaret = (options & htShowDummyCaret) != 0;
    if (bar_changed) UpdateScrollBars();
}

void THtmlPane::SetDefPreFontName(const std::string& name) {
    if (SameText(name, settings_.PreFontName)) return;
    settings_.PreFontName = name;
    doc_->FixedFontName = name.substr(0, 32);
}

// ------------------------------------------------------------ host calls

void THtmlPane::Progress(int percent) {
    if (OnProgress) OnProgress(TProgressStage::psRunning, percent);
}

void THtmlPane::ShowError(const std::string& message) {
    if (OnError)
        OnError(message);
    else
        os::show_message(message);
}

void THtmlPane::BackgroundChanged(ColorRef) { surface_->update(); }
void THtmlPane::Invalidate() { surface_->update(); }

void THtmlPane::ForwardKey(QKeyEvent* event) { Guard([&] { KeyDown(event->key(), event->modifiers()); }); }

void THtmlPane::SubmitForm(const std::string& action, const std::string& target, const std::string& enc_type,
                           const std::string& method, const std::vector<std::string>& results) {
    if (!OnFormSubmit) return;
    // Told once the control's event is over: the handler may load another
    // page, which frees the control that submitted.
    QTimer::singleShot(0, this, [this, action, target, enc_type, method, results] {
        Guard([&] {
            if (OnFormSubmit) OnFormSubmit(action, target, enc_type, method, results);
        });
    });
}

void THtmlPane::ScrollToObject(int y, bool link) {
    const int top = VScrollPos();
    const int h = surface_->height();
    if (!link) {
        if (y >= top && y <= top + h - 20) return;
        ScrollTo(y - h / 2);
    } else if (!focus_by_mouse_) {
        if (y < top)
            ScrollTo(y);
        else if (y > top + h - 30)
            ScrollTo(y - h / 2);
    }
    surface_->update();
}

} // namespace htmlview
