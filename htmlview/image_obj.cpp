#include "htmlview/image_obj.h"

#include <algorithm>
#include <cstdlib>

#include "htmlview/ascii.h"
#include "htmlview/document.h"
#include "htmlview/font_runs.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

// Sides beyond this are taken as this: a page cannot ask for a picture
// whose drawing would exhaust memory or overflow the layout's sums.
constexpr int kMaxSide = 20000;
// The broken sign and the ALT text need this much room to show.
constexpr int kAltBoxMin = 24;

int clamp_side(long long v) {
    return static_cast<int>(std::clamp<long long>(v, 0, kMaxSide));
}

// a * b / c rounded, 0 for a zero divisor, kept within the side limit.
int scale(int a, int b, int c) {
    if (c <= 0) return 0;
    const long long num = static_cast<long long>(a) * b;
    return clamp_side((num + c / 2) / c);
}

} // namespace

ui::LogFont AltTextFont() {
    ui::LogFont lf;
    lf.face = "Arial";
    lf.height = -os::MulDiv(8, 96, 72);
    return lf;
}

int ObjectPlacement(std::string_view align, int placement) {
    const std::string v = UpperCase(TrimView(align));
    if (v == "TOP") return ATop;
    if (v == "MIDDLE" || v == "ABSMIDDLE") return AMiddle;
    if (v == "LEFT") return ALeft;
    if (v == "RIGHT") return ARight;
    return placement;
}

int ObjectSpace(const TAttribute& a) {
    return std::min(40, std::abs(std::clamp(a.ValueNumber, -1000, 1000)));
}

TImageObj::TImageObj(TSectionList* doc, int pos, const TAttributeList& attrs) : doc_(doc) {
    (void)pos;
    bool hspace_given = false;
    for (const auto& a : attrs) {
        switch (a->Symbol) {
        case Sym::Name:
            if (doc && !a->ValueText.empty()) {
                doc->IDNameList.AddObject(UpperCase(TrimView(a->ValueText)), this);
                named_ = true;
            }
            break;
        case Sym::Src:
            ImageSource = Trim(a->ValueText);
            break;
        case Sym::Alt:
            AltText = a->ValueText;
            if (Title.empty()) Title = AltText;
            break;
        case Sym::Title:
            Title = a->ValueText;
            break;
        case Sym::Align:
            Placement = ObjectPlacement(a->ValueText, Placement);
            break;
        case Sym::Border:
            Borderless = a->ValueNumber == 0;
            break;
        case Sym::Width:
            if (a->ValueText.find('%') == std::string::npos) {
                GivenWidth = clamp_side(a->ValueNumber);
                WidthIsPercent = false;
            } else if (a->ValueNumber >= 1 && a->ValueNumber <= 100) {
                GivenWidth = a->ValueNumber;
                WidthIsPercent = true;
            }
            break;
        case Sym::Height:
            GivenHeight = std::max(1, clamp_side(a->ValueNumber));
            break;
        case Sym::HSpace:
            HSpaceL = HSpaceR = ObjectSpace(*a);
            hspace_given = true;
            break;
        case Sym::VSpace:
            VSpaceT = VSpaceB = ObjectSpace(*a);
            break;
        case Sym::Transp:
            KeepTransparent = true;
            break;
        case Sym::IsMap:
            IsServerMap = true;
            break;
        case Sym::Active:
            Active = true;
            break;
        case Sym::UseMap: {
            ClientMap = true;
            std::string n = UpperCase(TrimView(a->ValueText));
            if (n.size() > 1 && n[0] == '#') n.erase(0, 1);
            MapName = n;
            break;
        }
        default:
            break;
        }
    }
    if (!hspace_given && Floats()) HSpaceL = HSpaceR = 3;
}

TImageObj::TImageObj(TSectionList* doc, const std::string& source) : ImageSource(source), doc_(doc) {
    Borderless = true;
}

TImageObj::TImageObj(TSectionList* doc, const TImageObj& source)
    : ImageSource(source.ImageSource), GivenHeight(source.GivenHeight), ObjWidth(source.ObjWidth),
      ObjHeight(source.ObjHeight), SizeSettled(source.SizeSettled), Borderless(source.Borderless),
      KeepTransparent(source.KeepTransparent), IsServerMap(source.IsServerMap), LinkBorder(source.LinkBorder),
      doc_(doc) {
    CopyLayoutFields(source);
    print_copy_ = true;
    fetched_ = source.fetched_;
    missing_ = source.missing_;
    placeholder_ = source.placeholder_;
    bitmap_ = source.bitmap_;
    image_ = source.image_;
    mask_ = source.mask_;
    if (source.gif_) {
        own_gif_ = TGIFImage::CreateCopy(*source.gif_);
        gif_ = own_gif_.get();
        if (gif_->Animated) {
            gif_->SetAnimate(false);
            gif_->SetCurrentFrame(1);
        }
    }
    // The print copy shares the cache entry; it is released by the original.
}

TImageObj::~TImageObj() {
    if (named_ && doc_) doc_->IDNameList.RemoveObject(this);
    Release();
}

void TImageObj::Release() {
    if (doc_) {
        SetAnimation(false);
        auto& missing = doc_->MissingImages;
        missing.erase(std::remove_if(missing.begin(), missing.end(), [&](const auto& e) { return e.second == this; }),
                      missing.end());
        if (doc_->HoverImage == this) doc_->HoverImage = nullptr;
        if (!doc_->IsCopy && !cache_key_.empty() && doc_->BitmapList) doc_->BitmapList->DecUsage(cache_key_);
    }
    cache_key_.clear();
    own_gif_.reset();
    gif_ = nullptr;
    bitmap_ = mask_ = nullptr;
    image_ = nullptr;
    image_cache_ = QImage();
    mask_cache_ = QImage();
}

QImage TImageObj::shown_image() const {
    if (!image_ || image_->bitmap.get() != bitmap_) return bitmap_->ToImage();
    if (image_->shown_from != bitmap_ || image_->shown.isNull()) {
        image_->shown = bitmap_->ToImage();
        image_->shown_from = bitmap_;
    }
    return image_->shown;
}

void TImageObj::Reload() {
    Release();
    fetched_ = missing_ = placeholder_ = SizeSettled = false;
}

// Joins or leaves the document's animations.
void TImageObj::SetAnimation(bool on) {
    if (!doc_ || !gif_) return;
    auto& list = doc_->AnimList;
    const auto it = std::find(list.begin(), list.end(), gif_);
    if (on && it == list.end()) list.push_back(gif_);
    if (!on && it != list.end()) list.erase(it);
    gif_->SetAnimate(on);
    animating_ = on;
}

void TImageObj::ApplyStyle(TProperties& props) {
    int align = 0;
    if (props.GetVertAlign(align) && (align == ATop || align == AMiddle || align == ABottom || align == ABaseline))
        Placement = align;
    if (props.GetFloat(align) && (align == ALeft || align == ARight)) {
        Placement = align;
        if (HSpaceL == 0 && HSpaceR == 0) HSpaceL = HSpaceR = 3;
    }
    if (Title.empty()) Title = props.ElemTitle;
    TMarginArray values;
    props.GetMarginValues(values);
    TIntMarginArray m{};
    ConvertInlineMargins(values, 0, props.EmSize, props.ExSize, m);
    auto space = [&](int i, int& target) {
        const int v = m[static_cast<size_t>(i)];
        if (v != NoValue && v != AutoValue && v != ParagraphDefault) target = std::clamp(v, 0, kMaxSide);
    };
    space(MarginTop, VSpaceT);
    space(MarginBottom, VSpaceB);
    space(MarginLeft, HSpaceL);
    space(MarginRight, HSpaceR);
    if (const int w = m[piWidth]; w != NoValue) {
        GivenWidth = w == AutoValue ? 0 : clamp_side(w);
        WidthIsPercent = false;
    }
    if (const int h = m[piHeight]; h != NoValue) GivenHeight = h == AutoValue ? 0 : clamp_side(h);
}

void TImageObj::Fetch(TSectionList& doc) {
    fetched_ = true;
    for (const auto& e : doc.MissingImages)
        if (e.first == ImageSource) {
            missing_ = true;
            doc.MissingImages.emplace_back(ImageSource, this);
            return;
        }
    std::string name = ImageSource;
    if (!doc.OnBitmapRequest && !doc.OnImageRequest) {
        if (doc.Viewer) name = doc.Viewer->ExpandDocumentPath(ImageSource);
    } else if (doc.OnImageNameExpand) {
        doc.OnImageNameExpand(ImageSource, name);
    }
    Transparency transp = KeepTransparent ? itrLLCorner : itrNone;
    bool waiting = false, from_cache = false;
    const TBitmap* mask = nullptr;
    TImage* img = ImageSource.empty() ? nullptr : doc.FetchBitmap(name, transp, waiting, from_cache, mask);
    if (img) {
        cache_key_ = UpperCase(TrimView(name));
        if (img->gif) {
            if (from_cache) {
                own_gif_ = TGIFImage::CreateCopy(*img->gif);
                gif_ = own_gif_.get();
            } else {
                gif_ = img->gif.get();
            }
            if (gif_->Animated) {
                if (doc.PrintingNow) {
                    gif_->SetAnimate(false);
                    gif_->SetCurrentFrame(1);
                } else if (!Active && !Still) {
                    SetAnimation(true);
                }
            }
            if (gif_->IsTransparent) mask_ = gif_->MergedMask();
        } else {
            bitmap_ = img->bitmap.get();
            image_ = img;
            mask_ = mask;
        }
        return;
    }
    if (waiting) {
        placeholder_ = true;
        return;
    }
    missing_ = true;
    doc.MissingImages.emplace_back(ImageSource, this);
}

void TImageObj::LayoutObject(TSectionList& doc, ui::HtmlCanvas& canvas, int available_width, TFontObj* run) {
    (void)canvas;
    doc_ = &doc;
    // A picture sized from WIDTH and HEIGHT while pictures were off is
    // fetched once they are on again.
    if (!print_copy_ && doc.ImagesShown && !fetched_) SizeSettled = false;
    if (!SizeSettled) {
        const bool shown = doc.ImagesShown;
        if (shown && !fetched_) Fetch(doc);
        const bool sign = !shown || missing_ || placeholder_ || (!gif_ && !bitmap_);
        if (sign) {
            const TBitmap& b = placeholder_ && shown ? PlaceholderBitmap() : BrokenImageBitmap();
            if (GivenWidth > 0 && GivenHeight > 0 && !WidthIsPercent) {
                ObjWidth = GivenWidth;
                ObjHeight = GivenHeight;
                SizeSettled = true;
            } else {
                ObjWidth = b.Width();
                ObjHeight = b.Height();
                // Room for the sign and the ALT text.
                auto face = ui::font_face(AltTextFont());
                const std::u16string alt = Utf8ToWide(AltText);
                ObjWidth = std::max(ObjWidth, clamp_side(static_cast<long long>(face->text_width(alt)) + 2 + kAltBoxMin));
                ObjHeight = std::max({ObjHeight, kAltBoxMin, face->metrics().height});
            }
        } else {
            const int iw = gif_ ? gif_->Width : bitmap_->Width();
            const int ih = gif_ ? gif_->Height : bitmap_->Height();
            if (WidthIsPercent) {
                ObjWidth = scale(std::max(0, available_width), GivenWidth, 100);
                ObjHeight = GivenHeight > 0 ? GivenHeight : scale(ObjWidth, ih, iw);
            } else {
                if (GivenWidth > 0 && GivenHeight > 0) {
                    ObjWidth = GivenWidth;
                    ObjHeight = GivenHeight;
                } else if (GivenHeight > 0) {
                    ObjHeight = GivenHeight;
                    ObjWidth = scale(GivenHeight, iw, ih);
                } else if (GivenWidth > 0) {
                    ObjWidth = GivenWidth;
                    ObjHeight = scale(GivenWidth, ih, iw);
                } else {
                    ObjWidth = clamp_side(iw);
                    ObjHeight = clamp_side(ih);
                }
                SizeSettled = true;
            }
        }
    }
    // A print copy's runs are no longer links; the picture keeps the border
    // it had on the page, so the copy lays out to the same size.
    if (!print_copy_) LinkBorder = !Borderless && run && run->IsLink();
    BoxWidth = ObjWidth + (LinkBorder ? 2 : 0);
    BoxHeight = ObjHeight + (LinkBorder ? 2 : 0);
}

const TBitmap* TImageObj::Bitmap() {
    if (placeholder_) return nullptr;
    if (gif_) return &gif_->GetMergedBitmap();
    return bitmap_;
}

void TImageObj::Draw(ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) {
    TSectionList* doc = doc_;
    const bool printing = (doc && doc->PrintingNow) || canvas.IsPrinter();
    const ColorRef color = run ? run->TheFont.Color : 0;
    const ui::Rect box{x, y, x + BoxWidth, y + BoxHeight};
    const int ix = x + (LinkBorder ? 1 : 0);
    const int iy = y + (LinkBorder ? 1 : 0);
    const bool shown = !doc || doc->ImagesShown;
    const bool sign = !shown || missing_ || placeholder_ || (!gif_ && !bitmap_);

    if (sign) {
        const bool room = ObjWidth >= kAltBoxMin && ObjHeight >= kAltBoxMin;
        if (room) {
            const TBitmap& b = placeholder_ && shown ? PlaceholderBitmap() : BrokenImageBitmap();
            if (&b == &BrokenImageBitmap())
                DrawTransparent(canvas, b, BrokenImageMask(), ix + 4, iy + 4, b.Width(), b.Height());
            else
                canvas.BitBlt(ix + 4, iy + 4, b.Width(), b.Height(), b.ToImage(), 0, 0, ui::Rop::SrcCopy);
        }
        if (!AltText.empty()) {
            canvas.SaveDC();
            const ui::Rect clip{ix, iy, ix + ObjWidth, iy + ObjHeight};
            canvas.IntersectClipRect(clip);
            canvas.SelectFont(AltTextFont());
            canvas.SetBkMode(ui::BkMode::Transparent);
            canvas.SetTextColor(color);
            canvas.SetTextAlign(ui::TextAlign::Top);
            canvas.TextOut(ix + kAltBoxMin, iy + 4, Utf8ToWide(AltText));
            canvas.RestoreDC();
        }
        if (!LinkBorder) {
            // A sunken frame: dark above and left, light below and right.
            const ColorRef dark = ui::kSysColorFlag | ui::kColorBtnShadow;
            const ColorRef light = ui::kSysColorFlag | ui::kColorBtnHighlight;
            canvas.FillRect({x, y, x + BoxWidth, y + 1}, dark);
            canvas.FillRect({x, y, x + 1, y + BoxHeight}, dark);
            canvas.FillRect({x, y + BoxHeight - 1, x + BoxWidth, y + BoxHeight}, light);
            canvas.FillRect({x + BoxWidth - 1, y, x + BoxWidth, y + BoxHeight}, light);
        }
    } else if (gif_) {
        // Shown on this paint: the page's animation timer advances it.
        gif_->Visible = true;
        gif_->Draw(canvas, ix, iy, ObjWidth, ObjHeight);
    } else if (bitmap_) {
        if (printing) {
            if (mask_)
                PrintTransparentBitmap(canvas, ix, iy, ObjWidth, ObjHeight, *bitmap_, *mask_, 0, bitmap_->Height());
            else
                PrintBitmap(canvas, ix, iy, ObjWidth, ObjHeight, *bitmap_);
        } else {
            if (image_cache_.isNull()) image_cache_ = shown_image();
            if (mask_) {
                if (mask_cache_.isNull())
                    mask_cache_ = mask_->ToImage().convertToFormat(QImage::Format_RGB32);
                canvas.DrawMasked({ix, iy, ix + ObjWidth, iy + ObjHeight}, image_cache_,
                                  QRect(0, 0, bitmap_->Width(), bitmap_->Height()), mask_cache_);
            } else {
                canvas.StretchBlt(ix, iy, ObjWidth, ObjHeight, image_cache_, 0, 0, bitmap_->Width(),
                                  bitmap_->Height(), ui::Rop::SrcCopy);
            }
        }
    }
    if (LinkBorder) canvas.FrameRect(box, color);
    if (printing) return;
    const TFontObj* owner = run && run->IsLink() ? run->TabOwner() : nullptr;
    if ((owner && owner->Focused) || (Control && Control->Focused)) {
        canvas.SetTextColor(0);
        canvas.SetBkColor(ui::rgb_ref(255, 255, 255));
        canvas.DrawFocusRect(box);
    }
}

bool TImageObj::Holds(int x, int y, int& ix, int& iy) const {
    const int b = LinkBorder ? 1 : 0;
    if (x < PlacedX + b || x >= PlacedX + BoxWidth - b || y < PlacedY + b || y >= PlacedY + BoxHeight - b)
        return false;
    ix = x - PlacedX - b;
    iy = y - PlacedY - b;
    return true;
}

void TImageObj::SetHover(int state) {
    if (!Active || !gif_ || state == hover_) return;
    hover_ = state;
    const int frames = gif_->NumFrames;
    if (state != 0) {
        if (frames == 2)
            gif_->SetCurrentFrame(2);
        else if (frames == 3)
            gif_->SetCurrentFrame(state == 2 ? 3 : 2);
        else if (frames >= 4 && !animating_)
            SetAnimation(true);
    } else {
        if (animating_) SetAnimation(false);
        if (frames < 4) gif_->SetCurrentFrame(1);
    }
    if (doc_ && doc_->Viewer) doc_->Viewer->Invalidate();
}

std::unique_ptr<TFloatingObj> TImageObj::Copy(TSectionList& doc) const {
    return std::unique_ptr<TFloatingObj>(new TImageObj(&doc, *this));
}

} // namespace htmlview
