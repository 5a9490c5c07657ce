#pragma once
// Pictures in the text (IMG). A picture
// is sized on every layout until its size is settled: given sizes win, a
// percentage follows the available width, a missing side keeps the
// picture's proportions. A picture that cannot be had shows the broken
// sign with its ALT text in a frame.
#include <QImage>
#include <memory>
#include <string>
#include <string_view>

#include "htmlview/attributes.h"
#include "htmlview/images.h"
#include "htmlview/inline_objects.h"

namespace htmlview {

// The placement an ALIGN value gives a picture or panel; other values keep
// `placement`.
int ObjectPlacement(std::string_view align, int placement);
// An HSPACE or VSPACE value: its size, at most 40.
int ObjectSpace(const TAttribute& a);
// The font of the ALT text of pictures and panels ("Arial", 8 points).
ui::LogFont AltTextFont();

class TImageObj : public TFloatingObj {
  public:
    // An IMG element at document position `pos` with its attributes.
    TImageObj(TSectionList* doc, int pos, const TAttributeList& attrs);
    // A lone picture shown as a document: bottom-aligned, no border.
    TImageObj(TSectionList* doc, const std::string& source);
    ~TImageObj() override;

    // Vertical alignment, float, title, margins and sizes from the style.
    void ApplyStyle(TProperties& props);

    void LayoutObject(TSectionList& doc, ui::HtmlCanvas& canvas, int available_width, TFontObj* run) override;
    void Draw(ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) override;
    std::unique_ptr<TFloatingObj> Copy(TSectionList& doc) const override;
    bool ServerMap() const override { return IsServerMap; }
    std::string ClientMapName() const override { return ClientMap ? MapName : std::string(); }
    TFormControlObj* ImageControl() const override { return Control; }
    // The picture is hit inside its link border, the point taken from its corner.
    bool Holds(int x, int y, int& ix, int& iy) const override;
    void SetHover(int state) override;

    // The picture as drawn: none for the placeholder, the current frame of
    // an animation, else the bitmap.
    const TBitmap* Bitmap();
    // Its mask, none when it has none or is not there yet.
    const TBitmap* Mask() const { return placeholder_ ? nullptr : mask_; }
    // The image is asked for again at the next layout (a late delivery).
    void Reload();

    bool Missing() const { return missing_; }
    bool Placeholder() const { return placeholder_; }
    int ImageWidth() const { return ObjWidth; }
    int ImageHeight() const { return ObjHeight; }

    std::string ImageSource;
    int GivenHeight = 0;
    int ObjWidth = 0, ObjHeight = 0; // without the link border
    bool SizeSettled = false;
    bool Borderless = false;
    bool KeepTransparent = false;
    bool IsServerMap = false;
    bool ClientMap = false;
    bool LinkBorder = false;
    bool Active = false;
    bool Still = false; // an animation shows its first frame only (backgrounds)
    std::string MapName;
    TFormControlObj* Control = nullptr; // an image form control it stands for

  private:
    // The bitmap as the canvas draws it: the cache entry's, shared, when it comes from the cache.
    QImage shown_image() const;
    TImageObj(TSectionList* doc, const TImageObj& source);
    void Fetch(TSectionList& doc);
    void Release();
    void SetAnimation(bool on);

    TSectionList* doc_ = nullptr;
    bool named_ = false; // in the document's name list
    bool print_copy_ = false; // keeps the link border of the page it was copied from
    bool fetched_ = false;
    bool missing_ = false;
    bool placeholder_ = false;
    const TBitmap* bitmap_ = nullptr; // in the cache, or the viewer's own
    TImage* image_ = nullptr;         // the cache entry holding bitmap_, if any
    const TBitmap* mask_ = nullptr;
    TGIFImage* gif_ = nullptr;
    std::unique_ptr<TGIFImage> own_gif_; // a copy of a cached animation
    std::string cache_key_;              // the cache entry in use, if any
    int hover_ = 0;
    bool animating_ = false;
    QImage image_cache_; // the bitmap as the canvas draws it
    QImage mask_cache_;
};

} // namespace htmlview
