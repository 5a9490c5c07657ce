#include "htmlview/document.h"

#include <QWidget>
#include <algorithm>
#include <exception>

#include "htmlview/ascii.h"
#include "htmlview/font_runs.h"
#include "htmlview/form.h"
#include "htmlview/text_section.h"

namespace htmlview {

// --------------------------------------------------------------- TInlineList

void TInlineList::Convert() {
    PendingConvert = false;
    for (InlineRec& r : items_) {
        r.RunFrom = Doc ? Doc->SourceToDocPos(r.DocStart, false) : r.DocStart;
        r.RunTo = Doc ? Doc->SourceToDocPos(r.DocEnd, false) : r.DocEnd;
        if (r.RunFrom == r.RunTo) --r.RunFrom;
    }
}

int TInlineList::RunStart(int i) {
    if (PendingConvert) Convert();
    return i >= 0 && i < Count() ? items_[static_cast<size_t>(i)].RunFrom : 99999999;
}

int TInlineList::RunEnd(int i) {
    if (PendingConvert) Convert();
    return i >= 0 && i < Count() ? items_[static_cast<size_t>(i)].RunTo : 99999999;
}

int TInlineList::LastOf(int ident) const {
    for (int i = Count() - 1; i >= 0; --i)
        if (items_[static_cast<size_t>(i)].Ident == ident) return i;
    return -1;
}

// -------------------------------------------------------------- the document

bool TSectionList::IdDocument::YOfSourcePosition(int pos, int& y) {
    const int p = doc_->SourceToDocPos(pos, false);
    if (p < 0) return false;
    int x = 0;
    return doc_->TCellBasic::CursorToXY(nullptr, p, x, y);
}

TSectionList::TSectionList(TViewerHost* viewer)
    : TCell(this), id_document_(this), Viewer(viewer), Styles(this), IDNameList(&id_document_),
      BitmapList(std::make_shared<TStringBitmapList>()), InlineList(std::make_shared<TInlineList>(this)) {
    Surface = viewer ? viewer->Surface() : nullptr;
    HostTag = "default";
    ApplyFonts(FontSettings);
}

TSectionList::TSectionList(const TSectionList& source, bool print_copy)
    : TCell(this), id_document_(this), Viewer(source.Viewer), Styles(this), IDNameList(&id_document_) {
    (void)print_copy;
    IsCopy = true;
    PrintBackgrounds = source.PrintBackgrounds;
    PrintMonoBlack = source.PrintMonoBlack;
    ImagesShown = source.ImagesShown;
    PrintingNow = source.PrintingNow;
    ScrollY = source.ScrollY;
    FixedFontName = source.FixedFontName;
    FontSettings = source.FontSettings;
    HoverLinks = source.HoverLinks;
    Surface = source.Surface;
    OnBitmapRequest = source.OnBitmapRequest;
    OnImageRequest = source.OnImageRequest;
    OnImageNameExpand = source.OnImageNameExpand;
    OnPanelPrint = source.OnPanelPrint;
    PageColor = source.PageColor;
    PageImageName = source.PageImageName;
    PageImagePos = source.PageImagePos;
    BitmapList = source.BitmapList;
    InlineList = source.InlineList;
    HostTag = source.HostTag;
    for (const auto& s : source) AddSection(s->Clone(this));
}

TSectionList::~TSectionList() {
    ClearDocument();
}

void TSectionList::ReleasePageImage() {
    if (!PageImageKey.empty() && BitmapList) BitmapList->DecUsage(PageImageKey);
    PageImageKey.clear();
    PageImageOwned.reset();
    PageImage = nullptr;
    PageImageMask = nullptr;
}

void TSectionList::ClearDocument() {
    // A control that goes may pass the focus to another: none of them is
    // told while the page is taken down.
    if (!IsCopy)
        for (TFormControlObj* c : AllControls) c->Detach();
    if (!IsCopy) {
        IDNameList.Clear();
        PositionList.clear();
        InlineList->Clear();
    }
    ReleasePageImage();
    PageImageName.clear();
    PageImageAsked = false;
    FixedTiles = false;
    AnimList.clear();
    delete AnimTimer;
    AnimTimer = nullptr;
    ImageMaps.clear();
    MissingImages.clear();
    Links.clear();
    HoverLink = nullptr;
    HoverImage = nullptr;
    LinkControlList.clear();
    if (!IsCopy) {
        Styles.Clear();
        ApplyFonts(FontSettings);
    }
    TabKeys.clear();
    ++ClearSerial;
    Clear(); // the sections, their runs and tab stops
    PanelList.clear();
    FormList.clear();
    AllControls.clear();
    SectionCount = 0;
    SelB = SelE = 0;
    CaretPos = -1;
    StopTab = false;
    FirstLineTarget = nullptr;
}

void TSectionList::SetScrollY(int y) {
    ScrollY = y;
    ScrollChanged = true;
    for (TFormControlObj* c : AllControls) c->ShownThisPaint = false;
    for (TPanelObj* p : PanelList) p->ShownThisPaint = false;
    for (TFontObj* run : LinkControlList) run->TabShown = false;
}

void TSectionList::ApplyFonts(const TFontSettings& s) {
    FontSettings = s;
    DefaultSheetSettings d;
    d.FontName = s.FontName;
    d.PreFontName = s.PreFontName;
    d.PointSize = s.FontSize;
    d.TextColor = s.FontColor;
    d.LinkColor = s.HotSpotColor;
    d.VisitedColor = s.VisitedColor;
    d.HoverColor = s.OverColor;
    d.LinkUnderline = s.UnderlineLinks;
    d.Charset = s.Charset;
    d.MarginWidth = s.MarginWidth;
    d.MarginHeight = s.MarginHeight;
    Styles.BuildDefaultSheet(d);
    SetFontSizeTables(s.FontSize);
    FixedFontName = s.PreFontName.substr(0, 32);
    HoverLinks = s.OverLinksActive;
    SetPageColor(s.Background);
}

void TSectionList::SetPageColor(ColorRef color) {
    if (PageColor == color) return;
    PageColor = color;
    if (OnPageColorChange) OnPageColorChange();
    if (Viewer && !IsCopy) Viewer->BackgroundChanged(color);
}

void TSectionList::SetPageImage(const std::string& name, const PositionRecArray& pos) {
    ReleasePageImage();
    PageImageName = name;
    PageImagePos = pos;
    PageImageAsked = false;
}

const TBitmap* TSectionList::PageBackgroundBitmap() {
    if (ImagesShown && !PageImageName.empty() && !PageImage && !PageImageAsked) {
        std::string name = PageImageName;
        if (!OnBitmapRequest && !OnImageRequest) {
            if (Viewer) name = Viewer->ExpandDocumentPath(name);
        } else if (OnImageNameExpand) {
            OnImageNameExpand(PageImageName, name);
        }
        Transparency t = itrNone;
        bool waiting = false, from_cache = false;
        const TBitmap* mask = nullptr;
        if (TImage* img = FetchBitmap(name, t, waiting, from_cache, mask)) {
            PageImageKey = UpperCase(TrimView(name));
            if (img->bitmap) {
                PageImage = img->bitmap.get();
                PageImageMask = mask;
            } else if (img->gif) {
                PageImage = &img->gif->GetMergedBitmap();
                PageImageMask = img->gif->MergedMask();
            }
        }
    }
    PageImageAsked = true;
    return PageImage;
}

std::unique_ptr<TBitmap> TSectionList::ReadImageFile(const std::string& name, Transparency& transparent,
                                                     std::unique_ptr<TBitmap>& mask) {
    mask.reset();
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && SameText(std::string_view(name).substr(dot), ".gif")) {
        bool single = false;
        std::unique_ptr<TGIFImage> gif;
        try {
            gif = GifImageFromFile(name, single);
        } catch (const std::exception&) {
            return nullptr;
        }
        if (!gif) return nullptr;
        auto bitmap = std::make_unique<TBitmap>(gif->GetMergedBitmap());
        if (gif->IsTransparent && gif->MergedMask()) {
            mask = std::make_unique<TBitmap>(*gif->MergedMask());
            transparent = itrIntrinsic;
        } else if (transparent == itrLLCorner) {
            mask = GetImageMask(*bitmap, false, 0);
        }
        return bitmap;
    }
    return LoadImageFromFile(name, transparent, mask);
}

namespace {

// A transparent GIF's merged mask goes with it.
void TakeGifMask(const TImage& image, std::unique_ptr<TBitmap>& m, Transparency& kind) {
    if (image.gif && image.gif->IsTransparent && image.gif->MergedMask()) {
        m = std::make_unique<TBitmap>(*image.gif->MergedMask());
        kind = itrIntrinsic;
    }
}

// A picture read from its file. An animated GIF keeps its frames, so that it
// moves as one handed over in a stream does; a still one is read as a picture.
void ImageFromFile(const std::string& url, TImage& image, Transparency& kind,
                   std::unique_ptr<TBitmap>& m) {
    const size_t dot = url.rfind('.');
    if (dot != std::string::npos && SameText(std::string_view(url).substr(dot), ".gif")) {
        bool single = true;
        try {
            image.gif = GifImageFromFile(url, single);
        } catch (const std::exception&) {
            image.gif.reset();
        }
        if (image.gif && single) image.gif.reset();
        TakeGifMask(image, m, kind);
    }
    if (!image.gif) image.bitmap = TSectionList::ReadImageFile(url, kind, m);
}

// A picture in a stream the host handed over, known by its first bytes.
void ImageFromStream(TStream& stream, TImage& image, Transparency& kind,
                     std::unique_ptr<TBitmap>& m) {
    char head[8] = {};
    stream.SetPosition(0);
    const int64_t got = stream.Read(head, sizeof head);
    stream.SetPosition(0);
    const int k = KindOfImage(std::string_view(head, static_cast<size_t>(std::max<int64_t>(0, got))));
    if (k == ikGif87 || k == ikGif89) {
        try {
            bool single = false;
            image.gif = GifImageFromStream(stream, single);
        } catch (const std::exception&) {
            image.gif.reset();
        }
        TakeGifMask(image, m, kind);
    } else {
        image.bitmap = LoadImageFromStream(&stream, kind, m);
    }
}

} // namespace

TImage* TSectionList::FetchBitmap(const std::string& url, Transparency& transparent, bool& waiting, bool& from_cache,
                                  const TBitmap*& mask) {
    waiting = false;
    from_cache = false;
    mask = nullptr;
    if (!BitmapList) return nullptr;
    const std::string key = UpperCase(TrimView(url));
    if (const int i = BitmapList->IndexOf(key); i >= 0) {
        TBitmapItem& item = BitmapList->Item(i);
        TImage* img = BitmapList->GetImage(i);
        from_cache = true;
        if (img->bitmap) {
            if (item.Transp == itrIntrinsic || item.Transp == itrColor) {
                transparent = item.Transp;
            } else if (transparent == itrLLCorner && !item.Mask) {
                item.Mask = GetImageMask(*img->bitmap, false, 0);
                item.Transp = itrLLCorner;
            }
        }
        mask = item.Mask.get();
        return img;
    }

    TImage image;
    std::unique_ptr<TBitmap> m;
    Transparency kind = transparent;
    if (!OnBitmapRequest && !OnImageRequest) {
        ImageFromFile(url, image, kind, m);
    } else {
        if (OnBitmapRequest) {
            std::unique_ptr<TBitmap> b;
            ColorRef color = static_cast<ColorRef>(-1);
            if (OnBitmapRequest(url, b, color) && b) {
                if (color != static_cast<ColorRef>(-1)) {
                    m = GetImageMask(*b, true, ui::to_qrgb(color));
                    kind = itrIntrinsic;
                } else if (kind == itrLLCorner) {
                    m = GetImageMask(*b, false, 0);
                }
                image.bitmap = std::move(b);
            }
        }
        if (!image && OnImageRequest) {
            std::unique_ptr<TStream> stream;
            bool wait = false;
            OnImageRequest(url, stream, wait);
            if (wait) {
                waiting = true;
                return nullptr;
            }
            if (!stream) {
                const std::string name = Viewer ? Viewer->ExpandDocumentPath(url) : url;
                image.bitmap = ReadImageFile(name, kind, m);
            } else if (stream->Size() > 0) {
                ImageFromStream(*stream, image, kind, m);
            }
        }
    }
    if (!image) return nullptr;
    auto item = std::make_unique<TBitmapItem>();
    item->MImage = std::move(image);
    item->Mask = std::move(m);
    item->Transp = kind;
    transparent = kind;
    const int i = BitmapList->AddObject(key, std::move(item));
    TBitmapItem& stored = BitmapList->Item(i);
    mask = stored.Mask.get();
    return &stored.MImage;
}

// ------------------------------------------------------------------ layout

int TSectionList::Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width, int& curs) {
    ++LayoutCount;
    TableNestLevel = 0;
    InLogic2 = false;
    if (AnimTimer) AnimTimer->stop();
    for (const auto& form : FormList) form->SizeControls(canvas);
    canvas.SetTextJustification(0, 0);

    if (!TabKeys.empty() && Surface) {
        // Objects with a tab index come first in the tab order, by index.
        std::vector<QWidget*> order;
        for (const auto& [key, entry] : TabKeys) {
            QWidget* w = entry.link ? entry.link->TabControl.data() : entry.control ? entry.control->Control() : nullptr;
            if (w) order.push_back(w);
        }
        for (QWidget* w = Surface->nextInFocusChain(); w && w != Surface; w = w->nextInFocusChain())
            if (Surface->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                std::find(order.begin(), order.end(), w) == order.end())
                order.push_back(w);
        for (size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    }
    TabKeys.clear();

    const int h = TCell::Layout(canvas, y, awidth, aheight, max_width, curs);

    for (TGIFImage* gif : AnimList) {
        gif->SetAnimate(false);
        gif->SetCurrentFrame(1);
        if (!IsCopy) gif->SetAnimate(true);
    }
    if (!IsCopy) {
        if (!AnimTimer) {
            AnimTimer = new QTimer(Surface);
            AnimTimer->setInterval(50);
            QObject::connect(AnimTimer, &QTimer::timeout, [this] { AnimationTick(); });
        }
        if (AnimList.empty())
            AnimTimer->stop();
        else
            AnimTimer->start();
    }
    ShowFormControls();
    if (PositionList.empty() && !IsCopy) RegisterPositions();
    return h;
}

int TSectionList::DoLayout(ui::HtmlCanvas& canvas, int width, int page_height, int& max_width) {
    int curs = 0;
    return Layout(canvas, 0, width, page_height, max_width, curs);
}

void TSectionList::AnimationTick() {
    if (IsCopy) return;
    try {
        for (TGIFImage* gif : AnimList)
            if (gif->Visible) gif->CheckTime(Surface);
        if (AnimTimer) AnimTimer->setInterval(40);
    } catch (const std::exception& e) {
        if (Viewer) Viewer->ShowError(e.what());
    }
}

void TSectionList::ShowFormControls() {
    if (IsCopy) return;
    for (TFormControlObj* c : AllControls) {
        QWidget* w = c->Control();
        if (!w || c->ShownThisPaint) continue;
        w->move(-4000, w->y());
        w->show();
    }
    for (TPanelObj* p : PanelList) p->HideIfNotShown();
}

// ------------------------------------------------------------------- paint

int TSectionList::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int w, int x, int y, int xref, int yref) {
    PageEndY = ScrollY + arect.Bottom;
    PageShortened = false;
    PageEmpty = true;
    if (AnimTimer) AnimTimer->stop();
    for (TGIFImage* gif : AnimList) gif->Visible = false;
    DeferredImages.Clear();
    const int result = TCell::Paint(canvas, arect, w, x, y, xref, yref);
    DeferredImages.FlushImages();
    if (ScrollChanged && !IsCopy) {
        ShowFormControls();
        for (TFontObj* run : LinkControlList)
            if (run->TabControl && !run->TabShown && run->TabControl->isVisible()) run->TabControl->hide();
        ScrollChanged = false;
    }
    if (AnimTimer && !AnimList.empty()) AnimTimer->start();
    return result;
}

int TSectionList::Draw(ui::HtmlCanvas& canvas, const ui::Rect& arect, int clip_width, int x) {
    return Paint(canvas, arect, clip_width, x, 0, 0, 0);
}

// --------------------------------------------------------------- hit tests

int TSectionList::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                             std::string& title) {
    TFontObj* old_link = HoverLink;
    TFloatingObj* old_image = HoverImage;
    HoverLink = nullptr;
    HoverImage = nullptr;
    const int result = TCell::UrlAtPoint(canvas, x, y, url, control, title);
    if ((HoverLinks || Styles.HoverColorsUsed) && HoverLink != old_link) {
        TFontObj* now = HoverLink;
        if (old_link) SetHoverLink(old_link, false);
        if (now) SetHoverLink(now, true);
        HoverLink = now;
        if (Viewer) Viewer->Invalidate();
    }
    if (HoverImage != old_image) {
        if (old_image) old_image->SetHover(0);
        if (HoverImage) HoverImage->SetHover(ImagePressed ? 2 : 1);
    }
    return result;
}

void TSectionList::SetHoverLink(TFontObj* link, bool on) {
    const auto it = std::find(Links.begin(), Links.end(), link);
    if (it == Links.end()) {
        link->SetHover(on);
        return;
    }
    const int id = link->UrlTarget.ID;
    for (auto k = it; k != Links.end() && (*k)->UrlTarget.ID == id; ++k) (*k)->SetHover(on);
    for (auto k = it; k != Links.begin() && (*std::prev(k))->UrlTarget.ID == id;) (*--k)->SetHover(on);
}

void TSectionList::SetImagePressed(bool pressed) {
    ImagePressed = pressed;
    if (HoverImage) {
        HoverImage->SetHover(pressed ? 2 : 1);
        if (Viewer) Viewer->Invalidate();
    }
}

void TSectionList::ClearHover() {
    if (!HoverLink && !HoverImage) return;
    if (HoverLink) SetHoverLink(HoverLink, false);
    if (HoverImage) HoverImage->SetHover(0);
    HoverLink = nullptr;
    HoverImage = nullptr;
    if (Viewer) Viewer->Invalidate();
}

TSectionBase* TSectionList::SectionAtY(int y, int& section_y, int& index) {
    for (int i = static_cast<int>(PositionList.size()) - 1; i >= 0; --i) {
        TSectionBase* s = PositionList[static_cast<size_t>(i)];
        if (s->GetYPosition() <= y) {
            section_y = s->GetYPosition();
            index = i;
            return s;
        }
    }
    index = -1;
    return nullptr;
}

std::unique_ptr<TFormData> TSectionList::CollectFormData() const {
    if (FormList.empty()) return nullptr;
    auto data = std::make_unique<TFormData>();
    for (const auto& form : FormList) data->push_back(form->CollectPairs());
    return data;
}

void TSectionList::RestoreFormData(const TFormData& data) {
    const size_t n = std::min(data.size(), FormList.size());
    for (size_t i = 0; i < n; ++i) FormList[i]->RestorePairs(data[i]);
}

int TSectionList::SourceToDocPos(int source_pos, bool prev) {
    const int p = TCellBasic::SourceToDocPos(source_pos, prev);
    return p >= 0 ? p : PosCount;
}

bool TSectionList::CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) {
    if (pos >= PosCount && PosCount > 0) {
        if (!TCellBasic::CursorToXY(canvas, PosCount - 1, x, y)) return false;
        y += 15;
        return true;
    }
    return TCellBasic::CursorToXY(canvas, pos, x, y);
}

// ------------------------------------------------------------------- links

void TSectionList::AddLink(TFontObj* run) {
    if (!Links.empty() && Links.back() == run) return;
    Links.push_back(run);
}

void TSectionList::LinkGone(TFontObj* run) {
    if (HoverLink == run) HoverLink = nullptr;
    const auto at = std::find(Links.begin(), Links.end(), run);
    if (run->TabControl) {
        // The link's tab stop passes to its next run, if one is left.
        TFontObj* heir = nullptr;
        if (at != Links.end())
            for (auto k = std::next(at); k != Links.end(); ++k)
                if ((*k)->UrlTarget.ID == run->UrlTarget.ID && *k != run) {
                    heir = *k;
                    break;
                }
        if (heir && !heir->TabControl) {
            heir->TabControl = run->TabControl;
            heir->TabControl->Owner = heir;
            heir->Focused = run->Focused;
            run->TabControl = nullptr;
            std::replace(LinkControlList.begin(), LinkControlList.end(), run, heir);
            for (auto& [key, entry] : TabKeys)
                if (entry.link == run) entry.link = heir;
        }
    }
    if (at != Links.end()) Links.erase(std::remove(Links.begin(), Links.end(), run), Links.end());
    LinkControlList.erase(std::remove(LinkControlList.begin(), LinkControlList.end(), run), LinkControlList.end());
    for (auto it = TabKeys.begin(); it != TabKeys.end();)
        it = it->second.link == run ? TabKeys.erase(it) : std::next(it);
}

void TSectionList::LinkFocus(TFontObj* owner, bool on) {
    const auto it = std::find(Links.begin(), Links.end(), owner);
    if (it == Links.end()) {
        owner->Focused = on;
    } else {
        for (auto k = it; k != Links.end() && (*k)->UrlTarget.ID == owner->UrlTarget.ID; ++k) (*k)->Focused = on;
    }
    if (Viewer) {
        if (on) Viewer->ScrollToObject(owner->YValue, true);
        Viewer->Invalidate();
    }
}

void TSectionList::AddTabKey(int tab_index, TFontObj* link, TFormControlObj* control) {
    const int count = static_cast<int>(TabKeys.size());
    TabKeys.insert({{tab_index, count}, TabEntry{link, control}});
}

// ------------------------------------------------------------- inline runs

void TSectionList::OpenCloseInline(int pos, const TProperties& props, bool start) {
    if (start) {
        InlineRec r;
        r.DocStart = pos;
        r.Ident = props.Serial;
        TMarginArray values;
        props.GetMarginValues(values);
        int auto_count = 0;
        ConvertMargins(values, 0, 0, props.EmSize, props.ExSize, auto_count, r.Box);
        r.Box[BackgroundColor] = static_cast<int>(props.GetBackgroundColor());
        // A side colour not given takes the element's text colour.
        for (int i = BorderTopColor; i <= BorderLeftColor; ++i) {
            const PropValue& v = values[static_cast<size_t>(i)];
            if (!IsInt(v) || AsInt(v) == NoValue) r.Box[static_cast<size_t>(i)] = AsInt(props.Props[Color]);
        }
        InlineList->Add(r);
        InlineList->PendingConvert = true;
    } else if (const int i = InlineList->LastOf(props.Serial); i >= 0) {
        InlineList->Items(i).DocEnd = pos;
        InlineList->PendingConvert = true;
    }
}

} // namespace htmlview
