#pragma once
// The attributes of one tag with typed access to its class, id, title and
// style; a link's address; and client-side image maps with their hit test.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "htmlview/free_list.h"
#include "htmlview/symbols.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

class TProperties;

struct TAttribute {
    Sym Symbol = Sym::UnknownAttr;
    std::string AttrName;  // the name as read (upper case)
    int ValueNumber = 0;   // the value read as a number
    std::string ValueText; // the value as written

    TAttribute() = default;
    TAttribute(Sym symbol, std::string name, int number, std::string text)
        : Symbol(symbol), AttrName(std::move(name)), ValueNumber(number), ValueText(std::move(text)) {}
};

class TAttributeList : public TFreeList<TAttribute> {
  public:
    // The first attribute with the symbol, in list order.
    bool Find(Sym symbol, const TAttribute*& attr) const;
    const TAttribute* Find(Sym symbol) const;
    std::string TheClass() const; // lower case
    std::string TheID();          // lower case, kept after the first request
    std::string TheTitle() const; // as written
    // A new property set read from the STYLE attribute, or none. The list
    // keeps it too (until the next request or Clear); the caller may hold it
    // as long as it likes.
    std::shared_ptr<TProperties> TheStyle();
    // One line per attribute: name "=" value, in list order.
    std::vector<std::string> CreateStringList() const;
    void Clear() override;

    std::shared_ptr<TProperties> StyleProps;
    std::string CachedID;
};

// A link's address and target, with a number from a counter that grows by
// one for every address given.
struct TUrlTarget {
    std::string Url;
    std::string Target;
    int ID = 0;
    int TabIndex = 0;

    void Assign(std::string url, std::string target);
    void Copy(const TUrlTarget& source) { *this = source; }
    void Clear() { *this = TUrlTarget(); }
};

// A client-side image map: areas in document order, each a region of the
// image with its address, target and title.
class TMapItem {
  public:
    struct Area {
        std::string Href;
        ui::Region Region;
        // A circle keeps its box and is tested pixel by pixel: its region
        // could hold millions of rows however small the picture.
        bool Circle = false;
        ui::Rect CircleBox;
        std::string Target;
        std::string Title;
    };

    std::string MapName;

    // Adds the area an AREA tag describes; an area with too few coordinates
    // for its shape is left out.
    void AddArea(const TAttributeList& attrs);
    // The address of the first area holding the point (false when that area
    // has none, or none holds it).
    bool GetURL(int x, int y, std::unique_ptr<TUrlTarget>& url_target, std::string& title) const;
    const std::vector<Area>& Areas() const { return areas_; }

  private:
    std::vector<Area> areas_;
};

// The numbers of a COORDS value (at most 301): each ends at a comma or
// blank, is read from at most 20 characters, and is 0 when not a number.
std::vector<int> ReadCoords(std::string_view text);

} // namespace htmlview
