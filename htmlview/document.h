#pragma once
// The document: the top cell of the section tree with everything that
// belongs to one loaded page — the page background, the style sheet, forms,
// links and their tab stops, named places, the positions index, the image
// cache connection, animated pictures and their timer, deferred picture
// paints and the runs of inline elements with borders. A print copy shares
// the image cache and the inline runs with the document it copies.
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/attributes.h"
#include "htmlview/gif_image.h"
#include "htmlview/history.h"
#include "htmlview/host.h"
#include "htmlview/images.h"
#include "htmlview/inline_objects.h"
#include "htmlview/panel_obj.h"
#include "htmlview/sections.h"
#include "htmlview/style_model.h"

namespace htmlview {

class TFontObj;
class TSection;

// A run of an inline element with a border or background, in document
// positions (source positions until converted).
struct InlineRec {
    int DocStart = 0;
    int DocEnd = 999999;
    int Ident = 0; // the property set's serial number
    TIntMarginArray Box{};
    int RunFrom = 0;
    int RunTo = 0;
};

class TInlineList {
  public:
    explicit TInlineList(TSectionList* doc) : Doc(doc) {}
    void Clear() {
        items_.clear();
        PendingConvert = true;
    }
    int Count() const { return static_cast<int>(items_.size()); }
    InlineRec& Items(int i) { return items_.at(static_cast<size_t>(i)); }
    void Add(const InlineRec& r) { items_.push_back(r); }
    // Converted document positions; 99999999 for an index out of range.
    int RunStart(int i);
    int RunEnd(int i);
    // The last run of that identity, or -1.
    int LastOf(int ident) const;

    TSectionList* Doc;
    bool PendingConvert = true;

  private:
    void Convert();
    std::vector<InlineRec> items_;
};

// The viewer's font and colour settings for a page.
struct TFontSettings {
    std::string FontName = "Times New Roman";
    std::string PreFontName = "Courier New";
    double FontSize = 12;
    ColorRef FontColor = ui::kSysColorFlag | ui::kColorBtnText;
    ColorRef HotSpotColor = ui::rgb_ref(0, 0, 255);
    ColorRef VisitedColor = ui::rgb_ref(128, 0, 128);
    ColorRef OverColor = ui::rgb_ref(0, 0, 255);
    ColorRef Background = ui::kSysColorFlag | ui::kColorBtnFace;
    bool OverLinksActive = false;
    bool UnderlineLinks = true;
    int Charset = 1;
    int MarginHeight = 5;
    int MarginWidth = 10;
};

class TSectionList : public TCell {
    // Element ids name source positions; the document finds their y.
    class IdDocument : public TChPosDocument {
      public:
        explicit IdDocument(TSectionList* doc) : doc_(doc) {}
        bool YOfSourcePosition(int pos, int& y) override;

      private:
        TSectionList* doc_;
    };
    IdDocument id_document_;

  public:
    explicit TSectionList(TViewerHost* viewer);
    // A print copy of `source`.
    TSectionList(const TSectionList& source, bool print_copy);
    ~TSectionList() override;

    // Empties the document for a new page.
    void ClearDocument();
    void SetScrollY(int y);
    // The viewer's settings: the default sheet, the page colour, margins.
    void ApplyFonts(const TFontSettings& settings);
    void SetPageColor(ColorRef color);
    void SetPageImage(const std::string& name, const PositionRecArray& pos);
    // The page background picture, fetched on first use (none when not shown).
    const TBitmap* PageBackgroundBitmap();

    // A picture by URL through the image cache (the key is the URL in upper
    // case, trimmed). `transparent` asks for (and returns) the kind of
    // transparency; `waiting` is set when it will be delivered later.
    TImage* FetchBitmap(const std::string& url, Transparency& transparent, bool& waiting,
                        bool& from_cache, const TBitmap*& mask);
    // A picture file: a GIF's first frame, or the general loader.
    static std::unique_ptr<TBitmap> ReadImageFile(const std::string& name, Transparency& transparent,
                                                  std::unique_ptr<TBitmap>& mask);

    // Lays the document out from y at a width; the result is its height.
    int Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width, int& curs) override;
    // Lays the whole document out from the top; `max_width` is its widest line.
    int DoLayout(ui::HtmlCanvas& canvas, int width, int page_height, int& max_width);
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int w, int x, int y, int xref,
              int yref) override;
    // Paints the window rectangle at horizontal offset `x` (the scroll is in ScrollY).
    int Draw(ui::HtmlCanvas& canvas, const ui::Rect& arect, int clip_width, int x);
    int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                   std::string& title) override;

    TSectionBase* SectionAtY(int y, int& section_y, int& index);
    // The values of every form's controls, for the history; none when the
    // page has no forms.
    std::unique_ptr<TFormData> CollectFormData() const;
    // Puts back what CollectFormData took from this page, form by form.
    void RestoreFormData(const TFormData& data);
    int SourceToDocPos(int source_pos, bool prev);
    bool CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y);

    // Inline elements with borders or backgrounds.
    void OpenCloseInline(int pos, const TProperties& props, bool start);

    // The link under the mouse (hover look) and the picture under it.
    void SetImagePressed(bool pressed);
    void ClearHover();
    // Hover on or off for every run of the link.
    void SetHoverLink(TFontObj* link, bool on);

    // A font run joins or leaves the link list.
    void AddLink(TFontObj* run);
    void LinkGone(TFontObj* run);
    // The link's tab stop took or lost the focus.
    void LinkFocus(TFontObj* owner, bool on);
    // An object with a positive tab index; tab order follows the index and
    // then the order of entry.
    void AddTabKey(int tab_index, TFontObj* link, TFormControlObj* control);

    // Settings and state (see the fields of the page below).
    bool ImagesShown = true;
    bool PrintingNow = false;
    int ScrollY = 0;
    bool ScrollChanged = false;
    std::string FixedFontName = "Courier New";
    TFontSettings FontSettings;
    bool PrintBackgrounds = true;
    bool PrintMonoBlack = true;
    bool ShowDummyCaret = false;
    bool HoverLinks = false;
    bool StopTab = false; // too many links for tab stops

    TViewerHost* Viewer;
    QWidget* Surface = nullptr;

    // The viewer's picture events; none means pictures are read from files.
    std::function<bool(const std::string& src, std::unique_ptr<TBitmap>& bitmap, ColorRef& color)> OnBitmapRequest;
    std::function<bool(const std::string& src, std::unique_ptr<TStream>& stream, bool& waiting)> OnImageRequest;
    std::function<void(const std::string& src, std::string& expanded)> OnImageNameExpand;
    std::function<void()> OnPageColorChange;
    // The viewer's form control events (none: nothing is told). Texts are
    // in the control's code page; a browse handler may replace the name.
    std::function<void(TFormControlObj* obj, std::string& file_name)> OnFileBrowse;
    std::function<void(TFormControlObj* obj, const std::string& script)> OnObjectClick, OnObjectFocus,
        OnObjectBlur, OnObjectChange;
    // The viewer's panel events (none: panels stay empty).
    TPanelCreateEvent OnPanelCreate;
    TPanelDestroyEvent OnPanelDestroy;
    TPanelPrintEvent OnPanelPrint;

    ColorRef PageColor = NoColour;
    std::unique_ptr<TBitmap> PageImageOwned; // a first frame kept
    const TBitmap* PageImage = nullptr;
    const TBitmap* PageImageMask = nullptr;
    PositionRecArray PageImagePos{};
    std::string PageImageName;
    bool PageImageAsked = false;
    bool FixedTiles = false; // a block or cell background stays put while the page scrolls
    std::string PageImageKey; // its cache entry, released with it

    std::vector<std::unique_ptr<ThtmlForm>> FormList;
    std::vector<TGIFImage*> AnimList;
    WideString ClipText;
    int PageEndY = 0;
    bool PageShortened = false;
    std::vector<std::unique_ptr<TMapItem>> ImageMaps;
    std::vector<TPanelObj*> PanelList; // the page's panels (their sections own them)
    QTimer* AnimTimer = nullptr;
    std::vector<TFormControlObj*> AllControls;
    std::vector<TFontObj*> LinkControlList; // runs that hold a link's tab stop
    std::vector<std::pair<std::string, TFloatingObj*>> MissingImages;
    std::vector<TFontObj*> Links;
    TFontObj* HoverLink = nullptr;
    TFloatingObj* HoverImage = nullptr;
    bool ImagePressed = false;
    TStyleList Styles;
    TDrawList DeferredImages;
    int* FirstLineTarget = nullptr;
    TIDNameList IDNameList;
    std::vector<TSectionBase*> PositionList;
    std::shared_ptr<TStringBitmapList> BitmapList;
    int LayoutCount = 0;
    int TableNestLevel = 0;
    bool InLogic2 = false;
    bool IsCopy = false;
    struct TabEntry {
        TFontObj* link;
        TFormControlObj* control;
    };
    std::multimap<std::pair<int, int>, TabEntry> TabKeys; // (tab index, count)
    bool PageEmpty = true;
    std::shared_ptr<TInlineList> InlineList;

    int SectionCount = 0; // text sections numbered so far
    // Counts the clearings: an event handler that loaded another page has
    // freed the control that called it.
    int ClearSerial = 0;
    int SelB = 0, SelE = 0; // the selection, document positions
    int CaretPos = -1;
    int ProgressStart = 75;
    bool Processing = false;

  private:
    void AnimationTick();
    void ShowFormControls();
    void ReleasePageImage();

    bool progress_reported_ = false;

    friend class TSection;
};

} // namespace htmlview
