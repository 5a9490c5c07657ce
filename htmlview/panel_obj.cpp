#include "htmlview/panel_obj.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "htmlview/ascii.h"
#include "htmlview/document.h"
#include "htmlview/image_obj.h"
#include "htmlview/images.h"
#include "htmlview/text_measure.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

// A panel side beyond this is taken as this, as for pictures.
constexpr int kMaxSide = 20000;

int clamp_side(long long v) {
    return static_cast<int>(std::clamp<long long>(v, 0, kMaxSide));
}

} // namespace

ThvPanel::ThvPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    // Its own font, not the surface's.
    setFont(font());
}

TPanelObj::TPanelObj(TSectionList* doc, const TAttributeList& attrs, TCellBasic* cell, int pos) : doc_(doc) {
    (void)cell;
    (void)pos;
    Placement = ABottom;
    HSpaceL = HSpaceR = 3;
    BoxWidth = 30;
    BoxHeight = 20;
    for (const auto& a : attrs) {
        switch (a->Symbol) {
        case Sym::Height:
            BoxHeight = clamp_side(a->ValueNumber);
            break;
        case Sym::HSpace:
            HSpaceL = HSpaceR = ObjectSpace(*a);
            break;
        case Sym::VSpace:
            VSpaceT = VSpaceB = ObjectSpace(*a);
            break;
        case Sym::Ratio: {
            char* end = nullptr;
            const std::string v = Trim(a->ValueText);
            const double r = std::strtod(v.c_str(), &end);
            // Not a number, or a ratio no panel could follow: not given.
            Ratio = end != v.c_str() && std::isfinite(r) && r > 0 ? r : 0;
            break;
        }
        case Sym::Align:
            Placement = ObjectPlacement(a->ValueText, Placement);
            break;
        case Sym::Width:
            if (a->ValueText.find('%') == std::string::npos) {
                GivenWidth = clamp_side(a->ValueNumber);
                BoxWidth = GivenWidth;
                WidthIsPercent = false;
            } else {
                GivenWidth = std::clamp(a->ValueNumber, 1, 100);
                WidthIsPercent = true;
            }
            break;
        case Sym::Alt:
            AltText = a->ValueText;
            break;
        case Sym::Name:
            Name = a->ValueText;
            break;
        case Sym::Src:
            Source = a->ValueText;
            break;
        case Sym::Type:
            Type = a->ValueText;
            break;
        default:
            break;
        }
    }
    if (!doc_) return;
    OnPanelPrint = doc_->OnPanelPrint;
    if (!doc_->Surface) return;
    panel_ = new ThvPanel(doc_->Surface);
    owns_panel_ = true;
    panel_->hide();
    panel_->setObjectName(QString::fromStdString(Name));
    panel_->setGeometry(-4000, -4000, BoxWidth, BoxHeight);
    if (doc_->OnPanelCreate) {
        try {
            doc_->OnPanelCreate(doc_->Viewer, Name, Type, Source, panel_);
        } catch (const std::exception& e) {
            if (doc_->Viewer) doc_->Viewer->ShowError(e.what());
        }
    }
    if (!panel_) return; // the handler deleted it
    BoxWidth = panel_->width();
    BoxHeight = panel_->height();
    doc_->PanelList.push_back(this);
}

TPanelObj::TPanelObj(TSectionList* doc, const TPanelObj& source)
    : Ratio(source.Ratio), Name(source.Name), Type(source.Type), Source(source.Source),
      OnPanelPrint(source.OnPanelPrint), doc_(doc), panel_(source.panel_) {
    CopyLayoutFields(source);
}

TPanelObj::~TPanelObj() {
    if (!owns_panel_ || !panel_) return;
    if (doc_) {
        auto& list = doc_->PanelList;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        if (doc_->OnPanelDestroy) {
            try {
                doc_->OnPanelDestroy(doc_->Viewer, panel_);
            } catch (const std::exception& e) {
                if (doc_->Viewer) doc_->Viewer->ShowError(e.what());
            }
        }
    }
    delete panel_.data();
}

std::unique_ptr<TFloatingObj> TPanelObj::Copy(TSectionList& doc) const {
    return std::unique_ptr<TFloatingObj>(new TPanelObj(&doc, *this));
}

void TPanelObj::LayoutObject(TSectionList& doc, ui::HtmlCanvas& canvas, int available_width, TFontObj* run) {
    (void)doc;
    (void)canvas;
    (void)run;
    if (WidthIsPercent) BoxWidth = clamp_side(static_cast<long long>(std::max(0, available_width)) * GivenWidth / 100);
    if (Ratio != 0) BoxHeight = clamp_side(os::round_even(BoxWidth * Ratio));
    if (panel_ && owns_panel_) panel_->resize(BoxWidth, BoxHeight);
}

void TPanelObj::Draw(ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) {
    (void)run;
    if ((doc_ && doc_->PrintingNow) || canvas.IsPrinter()) {
        Print(canvas, x, y);
        return;
    }
    if (!panel_ || !owns_panel_) return;
    ShownThisPaint = true;
    if (!panel_->FVisible) {
        panel_->hide();
        return;
    }
    panel_->move(x, y);
    if (panel_->isHidden()) panel_->show();
}

void TPanelObj::HideIfNotShown() {
    if (panel_ && owns_panel_ && !ShownThisPaint) panel_->move(-4000, panel_->y());
}

void TPanelObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    if (BoxWidth <= 0 || BoxHeight <= 0) return;
    if (OnPanelPrint && panel_) {
        QImage image(BoxWidth, BoxHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        OnPanelPrint(doc_ ? doc_->Viewer : nullptr, panel_, image);
        if (image.isNull()) return;
        const TBitmap bitmap = TBitmap::FromImage(image);
        PrintBitmap(canvas, x, y, BoxWidth, BoxHeight, bitmap);
        return;
    }
    // No one prints the panel: its frame with the ALT text.
    canvas.FrameRect({x, y, x + BoxWidth, y + BoxHeight}, 0);
    if (AltText.empty()) return;
    canvas.SaveDC();
    canvas.SelectFont(AltTextFont());
    canvas.SetTextColor(0);
    WrapText(canvas, x + 5, y + 2, x + BoxWidth - 5, y + BoxHeight - 2, Utf8ToWide(AltText));
    canvas.RestoreDC();
}

} // namespace htmlview
