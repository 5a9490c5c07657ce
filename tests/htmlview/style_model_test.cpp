// The style model: default sheet, cascade over scripted element stacks,
// link fonts, re-derivation after misnested end tags, box conversions and
// the value readers.
#include "htmlview/style_model.h"

#include <gtest/gtest.h>

#include "htmlview/attributes.h"
#include "htmlview/css_parser.h"
#include "htmlview/style_dump.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace htmlview;

struct Element {
    const char* tag;
    const char* cls = "";
    const char* id = "";
    const char* pseudo = "";
    const char* style = nullptr;
};

// A document's sheet (defaults and `sheet`) and its stack of open elements.
class Page {
  public:
    explicit Page(std::string_view sheet = "", DefaultSheetSettings settings = {}) {
        styles.BuildDefaultSheet(settings);
        ParseStyleText(styles, sheet, "");
        auto base = std::make_unique<TProperties>();
        base->CopyDefault(*styles.DefaultProps);
        stack.Add(std::move(base));
    }
    TProperties& push(const Element& e) {
        std::shared_ptr<TProperties> style;
        if (e.style) {
            style = std::make_shared<TProperties>();
            ParseStyleAttribute(e.style, *style);
        }
        return stack.PushElement(styles, e.tag, e.cls, e.id, e.pseudo, "", style);
    }
    TProperties& open(std::initializer_list<Element> elements) {
        for (const Element& e : elements) push(e);
        return stack.Last();
    }
    TStyleList styles;
    TPropStack stack;
};

// Links look their fonts up in the font list, which needs the application.
using Cascade = testsupport::QtFixture;

std::string value(const TProperties& p, int index) {
    return testsupport::dump_value(index, p.Props[static_cast<size_t>(index)]);
}

TEST(DefaultSheet, HoldsTheBuiltInRules) {
    DefaultSheetSettings s;
    s.PointSize = 10;
    Page page("", s);
    const TStyleList& st = page.styles;
    ASSERT_NE(st.DefaultProps, nullptr);
    EXPECT_EQ(st.DefaultProps->ElemTag, "default");
    EXPECT_EQ(value(*st.Find("h1"), FontSize), "20"); // 24 pt at a default of 12
    EXPECT_DOUBLE_EQ(AsNumber(st.Find("h6")->Props[FontSize]), 8 * 10 / 12.0);
    EXPECT_DOUBLE_EQ(AsNumber(st.Find("pre")->Props[FontSize]), 10 * 10 / 12.0);
    EXPECT_EQ(value(*st.Find("p"), MarginTop), "ParagraphDefault");
    EXPECT_EQ(value(*st.Find("p 11pre"), MarginTop), "0");
    EXPECT_EQ(value(*st.Find("ul"), ListStyleType), "\"blank\"");
    EXPECT_EQ(value(*st.Find("dl"), MarginLeft), "0");
    EXPECT_EQ(value(*st.Find("dd"), MarginLeft), "40");
    EXPECT_EQ(value(*st.Find("blockquote"), MarginBottom), "14");
    EXPECT_EQ(value(*st.Find("kbd"), FontSize), "\"0.833em\"");
    EXPECT_EQ(value(*st.Find("th"), FontWeight), "\"bold\"");
    EXPECT_EQ(value(*st.Find("address"), FontStyle), "\"italic\"");
    EXPECT_EQ(value(*st.Find("strike"), TextDecoration), "\"line-through\"");
    EXPECT_EQ(value(*st.Find("caption"), TextAlign), "\"center\"");
    EXPECT_EQ(value(*st.Find("textarea"), FontFamily), "\"Arial Unicode MS, Arial\"");
    EXPECT_EQ(value(*st.Find("::link"), Color), "0x02FF0000");
    EXPECT_EQ(value(*st.Find("::link"), TextDecoration), "\"underline\"");
    EXPECT_NE(st.Find("null"), nullptr);
    EXPECT_DOUBLE_EQ(DefaultPointSize(), 10);
    SetDefaultPointSize(12);
}

TEST_F(Cascade, RulesApplyByTagClassIdPseudoAndStyleInOrder) {
    Page page(".c { color: green; margin-left: 1px } p { color: red; margin-left: 2px } "
              "p.c { margin-left: 3px } #i { margin-left: 4px } p#i { margin-right: 5px } "
              ".c#i { padding-top: 6px } p.c#i { padding-top: 7px } :focus { width: 8px } "
              "p:focus { width: 9px } .c:focus { height: 1px } p.c:focus { height: 2px } "
              "#i:focus { top: 3px } p#i:focus { top: 4px } .c#i:focus { left: 5px } "
              "p.c#i:focus { left: 6px }");
    struct Case {
        Element e;
        int index;
        const char* want;
    };
    const Case cases[] = {
        {{"p"}, Color, "0x000000FF"},
        {{"p", "c"}, Color, "0x00008000"},              // the class comes after the tag
        {{"p", "c"}, MarginLeft, "\"3px\""},            // tag and class after class alone
        {{"p", "c", "i"}, MarginLeft, "\"4px\""},       // the id after both
        {{"p", "c", "i", "", "margin-left: 9px"}, MarginLeft, "\"9px\""}, // the style attribute last
        {{"p", "", "i"}, MarginRight, "\"5px\""},
        {{"p", "c", "i"}, PaddingTop, "\"7px\""},
        {{"div", "c", "i"}, PaddingTop, "\"6px\""},
        {{"p", "", "", "focus"}, piWidth, "\"9px\""},
        {{"p", "c", "", "focus"}, piHeight, "\"2px\""},
        {{"p", "", "i", "focus"}, piTop, "\"4px\""},
        {{"p", "c", "i", "focus"}, piLeft, "\"6px\""},
        {{"span", "c", "i", "focus"}, piLeft, "\"5px\""},
    };
    for (const Case& k : cases) {
        TProperties& set = page.push(k.e);
        EXPECT_EQ(value(set, k.index), k.want) << k.e.tag << "." << k.e.cls << "#" << k.e.id << ":" << k.e.pseudo
                                               << " " << PropWords[static_cast<size_t>(k.index)];
        EXPECT_TRUE(set.SetHere[static_cast<size_t>(k.index)]);
        page.stack.PopTop();
    }
}

TEST_F(Cascade, HoverAndVisitedSkipTagAndClassRules) {
    Page page("a { margin-left: 1px } .x { margin-right: 2px } a:hover { margin-top: 3px }");
    const TProperties& link = page.push({"a", "x", "", "link"});
    EXPECT_EQ(value(link, MarginLeft), "\"1px\"");
    EXPECT_EQ(value(link, MarginRight), "\"2px\"");
    page.stack.PopTop();
    for (const char* pseudo : {"hover", "visited"}) {
        const TProperties& set = page.push({"a", "x", "", pseudo});
        EXPECT_EQ(value(set, MarginLeft), "NoValue") << pseudo;
        EXPECT_EQ(value(set, MarginRight), "NoValue") << pseudo;
        page.stack.PopTop();
    }
    EXPECT_EQ(value(page.push({"a", "x", "", "hover"}), MarginTop), "\"3px\"");
}

TEST_F(Cascade, ContextualRulesMatchTheOpenElements) {
    struct Case {
        std::vector<Element> path;
        const char* color; // of the last element
    };
    const Case cases[] = {
        {{{"div"}, {"p"}, {"b"}}, "0x000000FF"},
        {{{"div"}, {"span"}, {"p"}, {"i"}, {"b"}}, "0x000000FF"}, // descendants, not children
        {{{"p"}, {"div"}, {"b"}}, "0x00000000"},                  // order counts
        {{{"div"}, {"b"}}, "0x00000000"},
        {{{"b"}}, "0x00000000"},
        {{{"td", "", "cell"}, {"span", "s"}}, "0x00800000"},
        {{{"td"}, {"span", "s"}}, "0x00000000"},
        {{{"div", "box"}, {"em"}}, "0x00008000"},
        {{{"ul"}, {"li", "", "", "x"}}, "0x00FF0000"},
        {{{"ul"}, {"li"}}, "0x00000000"},
    };
    for (const Case& k : cases) {
        Page p("div p b { color: red } .box em { color: green } ul li:x { color: blue } "
               "td#cell span.s { color: navy }");
        for (const Element& e : k.path) p.push(e);
        std::string path;
        for (const Element& e : k.path) path += std::string(e.tag) + " ";
        EXPECT_EQ(value(p.stack.Last(), Color), k.color) << path;
    }

    // The default sheet's "p 11pre": a paragraph inside PRE has no top margin.
    Page pre;
    EXPECT_EQ(value(pre.open({{"pre"}, {"p"}}), MarginTop), "0");
    Page alone;
    EXPECT_EQ(value(alone.open({{"p"}}), MarginTop), "ParagraphDefault");
}

TEST_F(Cascade, InheritanceAndFontSizes) {
    Page page("div { margin-left: 7px; background-color: red; border-style: solid; font-size: 20pt } "
              "span { margin-left: 8px; background-color: blue; border-style: dashed } .em2 { font-size: 2em } "
              ".pc { font-size: 50% } .big { font-size: larger } .kw { font-size: x-large } "
              ".px { font-size: 32px }");
    TProperties& div = page.push({"div"});
    EXPECT_EQ(value(div, FontSize), "20");
    // A child of DIV inherits the font but neither margins nor background.
    TProperties& b = page.push({"b"});
    EXPECT_EQ(value(b, MarginLeft), "NoValue");
    EXPECT_EQ(value(b, BackgroundColor), "(empty)");
    EXPECT_EQ(value(b, BorderStyle), "(empty)");
    EXPECT_EQ(value(b, FontSize), "20");
    EXPECT_EQ(value(b, FontWeight), "\"bold\"");
    page.stack.PopTop();
    // A child of SPAN takes all of its values.
    page.push({"span"});
    TProperties& i = page.push({"i"});
    EXPECT_EQ(value(i, MarginLeft), "\"8px\"");
    EXPECT_EQ(value(i, BackgroundColor), "0x00FF0000");
    EXPECT_EQ(value(i, BorderStyle), "\"dashed\"");
    page.stack.PopTop();
    page.stack.PopTop();

    const std::pair<const char*, const char*> sizes[] = {
        {"em2", "40"}, {"pc", "10"}, {"big", "25"}, {"kw", "24"}, {"px", "24"},
    };
    for (const auto& [cls, points] : sizes) {
        EXPECT_EQ(value(page.push({"u", cls}), FontSize), points) << cls;
        page.stack.PopTop();
    }
    EXPECT_EQ(value(page.push({"big"}), FontSize), "25");
}

// Link fonts need the font list, so these run with the application.
class LinkFonts : public testsupport::QtFixture {};

TEST_F(LinkFonts, EachStateHasItsColourAndDecoration) {
    Page page("a:visited { color: green } a:hover { color: red; text-decoration: none } "
              "a { font-family: Courier New; font-weight: bold }");
    page.push({"p"});
    TProperties& a = page.push({"a", "", "", "link"});
    ASSERT_TRUE(a.LinkFontsSet);
    TFontInfoArray f;
    a.GetLinkFonts(f);
    EXPECT_EQ(f.Ar[0].FontColor, 0x02FF0000u);
    EXPECT_EQ(f.Ar[1].FontColor, 0x00008000u);
    EXPECT_EQ(f.Ar[2].FontColor, 0x000000FFu);
    EXPECT_EQ(f.Ar[3].FontColor, 0x000000FFu); // hovered visited: hover wins
    EXPECT_TRUE(f.Ar[0].StyleBits & fsUnderline);
    EXPECT_TRUE(f.Ar[1].StyleBits & fsUnderline);
    EXPECT_FALSE(f.Ar[2].StyleBits & fsUnderline);
    for (const ThtFontInfo& info : f.Ar) {
        EXPECT_EQ(info.Face, "courier new"); // values are read in lower case
        EXPECT_TRUE(info.StyleBits & fsBold);
        EXPECT_DOUBLE_EQ(info.Points, 12);
    }
    // Text inside the link carries the link fonts; a rule there updates them.
    Page inner("a { color: teal } .big { font-size: 20pt; color: maroon }");
    inner.push({"a", "", "", "link"});
    TProperties& span = inner.push({"span", "big"});
    ASSERT_TRUE(span.LinkFontsSet);
    span.GetLinkFonts(f);
    for (const ThtFontInfo& info : f.Ar) {
        EXPECT_DOUBLE_EQ(info.Points, 20);
        EXPECT_EQ(info.FontColor, 0x00000080u);
    }
}

TEST_F(LinkFonts, MisnestedEndTagsDeriveOpenElementsAgain) {
    // <div><b><a style=...><i> ... </b>: B ends while A and I are open.
    Page page("div { margin-left: 30px } a:hover { color: red }");
    TAttributeList attrs;
    page.push({"div"});
    page.push({"b"});
    attrs.Add(std::make_unique<TAttribute>(Sym::Style, "STYLE", 0, "color: green; background-color: yellow"));
    page.stack.PushElement(page.styles, "a", "", "", "link", "", attrs.TheStyle());
    // The attribute list moves on to the next tag and makes a new style set.
    attrs.Clear();
    attrs.Add(std::make_unique<TAttribute>(Sym::Style, "STYLE", 0, "color: blue"));
    page.stack.PushElement(page.styles, "i", "", "", "", "", attrs.TheStyle());

    const int b = page.stack.FindTag("b");
    ASSERT_EQ(b, 2);
    page.stack.RemoveAndUpdate(b, page.styles);
    ASSERT_EQ(page.stack.Count(), 4);
    TProperties& a = *page.stack.Items(2);
    TProperties& i = *page.stack.Items(3);
    EXPECT_EQ(a.ElemTag, "a");
    EXPECT_EQ(value(a, FontWeight), "\"normal\""); // bold went with B
    EXPECT_EQ(value(i, FontStyle), "\"italic\"");
    EXPECT_EQ(value(i, FontWeight), "\"normal\"");
    EXPECT_EQ(value(i, MarginLeft), "NoValue");    // DIV's margin is not inherited
    // The link's fonts were made again from its own style set.
    TFontInfoArray f;
    a.GetLinkFonts(f);
    EXPECT_EQ(f.Ar[0].FontColor, 0x00008000u);
    EXPECT_EQ(f.Ar[0].BackColor, 0x0000FFFFu);
    EXPECT_EQ(f.Ar[2].FontColor, 0x00008000u); // the style attribute beats a:hover
    EXPECT_EQ(f.Ar[0].StyleBits & fsBold, 0u);
    EXPECT_EQ(page.stack.FindTag("b"), -1);
    page.stack.RemoveAndUpdate(0, page.styles); // the base set stays
    EXPECT_EQ(page.stack.Count(), 4);
}

TEST(BoxValues, ConversionsToPixels) {
    TProperties p;
    p.AssignByName("margin-left", "auto");
    p.AssignByName("margin-right", "10%");
    p.AssignByName("padding-top", "1em");
    p.AssignByName("padding-bottom", "3px");
    p.AssignByName("border-top-width", "thick");
    p.AssignByName("border-bottom-width", "2px");
    p.AssignByName("border-right-width", "9px"); // no style on that side
    p.AssignByName("border-left-width", "bogus");
    p.AssignByName("border-top-style", "solid");
    p.AssignByName("border-bottom-style", "dotted");
    p.AssignByName("border-left-style", "double");
    p.AssignByName("height", "50%");
    p.AssignByName("width", "auto");
    p.AssignByName("top", "5mm");
    TMarginArray v;
    p.GetMarginValues(v);
    EXPECT_EQ(AsInt(v[BorderTopStyle]), bssSolid);
    EXPECT_EQ(AsInt(v[BorderRightStyle]), bssNone);

    TIntMarginArray m{};
    int autos = 0;
    ConvertMargins(v, 400, 200, 16, 8, autos, m);
    EXPECT_EQ(m[MarginLeft], AutoValue);
    EXPECT_EQ(m[MarginRight], 40);
    EXPECT_EQ(m[PaddingTop], 16);
    EXPECT_EQ(m[PaddingBottom], 3);
    EXPECT_EQ(m[PaddingLeft], 0);
    EXPECT_EQ(m[BorderTopWidth], 6);
    EXPECT_EQ(m[BorderBottomWidth], 2);
    EXPECT_EQ(m[BorderRightWidth], 0);
    EXPECT_EQ(m[BorderLeftWidth], 4);
    EXPECT_EQ(m[piHeight], 100 - 6 - 2 - 16 - 3); // a percentage loses borders and paddings
    EXPECT_EQ(m[piWidth], AutoValue);
    EXPECT_EQ(m[piTop], 19);
    EXPECT_EQ(m[piLeft], AutoValue);
    EXPECT_EQ(static_cast<ColorRef>(m[BackgroundColor]), NoColour);
    EXPECT_EQ(autos, 2); // the side margin and the width

    TProperties q;
    q.Props[MarginTop] = ParagraphDefault;
    q.AssignByName("margin-bottom", "2em");
    q.AssignByName("padding-left", "10%");
    TMarginArray w;
    q.GetMarginValues(w);
    bool top_auto = false, bottom_auto = true;
    ConvertVertMargins(w, 300, 10, 5, top_auto, bottom_auto, m);
    EXPECT_EQ(m[MarginTop], 14);
    EXPECT_TRUE(top_auto);
    EXPECT_EQ(m[MarginBottom], 20);
    EXPECT_FALSE(bottom_auto);
    ConvertPaddings(w, 10, 5, m);
    EXPECT_EQ(m[PaddingLeft], -10); // a percentage comes out negative
    EXPECT_EQ(m[PaddingTop], -1);
    m.fill(7);
    ConvertInlineMargins(w, 300, 10, 5, m);
    EXPECT_EQ(m[MarginBottom], 20);
    EXPECT_EQ(m[MarginLeft], NoValue);
    EXPECT_EQ(m[piWidth], NoValue);
    EXPECT_EQ(m[PaddingLeft], 7); // untouched
}

TEST(Readers, BackgroundPositions) {
    struct Case {
        const char* position;
        const char* repeat;
        int h_kind, h_value, v_kind, v_value;
        bool h_repeat, v_repeat;
    };
    const Case cases[] = {
        {"top left", "", bpLeft, 0, bpTop, 0, true, true},
        {"left top", "no-repeat", bpLeft, 0, bpTop, 0, false, false},
        {"center left", "repeat-x", bpLeft, 0, bpCenter, 0, true, false},
        {"right", "repeat-y", bpRight, 0, bpCenter, 0, false, true},
        {"bottom", "", bpCenter, 0, bpBottom, 0, true, true},
        {"top 10px", "", bpDim, 10, bpTop, 0, true, true},
        {"50% 20%", "", bpPercent, 50, bpPercent, 20, true, true},
        {"1em  2px", "", bpDim, 16, bpDim, 2, true, true},
        {"", "", bpDim, 0, bpDim, 0, true, true}, // not set
    };
    for (const Case& k : cases) {
        TProperties p;
        if (*k.position) p.AssignByName("background-position", k.position);
        if (*k.repeat) p.AssignByName("background-repeat", k.repeat);
        PositionRecArray pos;
        p.GetBackgroundPos(16, 8, pos);
        SCOPED_TRACE(k.position);
        EXPECT_EQ(pos[0].PosType, k.h_kind);
        EXPECT_EQ(pos[0].Value, k.h_value);
        EXPECT_EQ(pos[1].PosType, k.v_kind);
        EXPECT_EQ(pos[1].Value, k.v_value);
        EXPECT_EQ(pos[0].RepeatD, k.h_repeat);
        EXPECT_EQ(pos[1].RepeatD, k.v_repeat);
        EXPECT_FALSE(pos[0].Fixed);
    }
    TProperties fixed;
    fixed.AssignByName("background-attachment", "fixed");
    PositionRecArray pos;
    fixed.GetBackgroundPos(16, 8, pos);
    EXPECT_TRUE(pos[0].Fixed && pos[1].Fixed);
}

TEST(Readers, ValuesForLayout) {
    TProperties p;
    p.EmSize = 20;
    p.ExSize = 10;
    std::string url;
    EXPECT_FALSE(p.GetBackgroundImage(url));
    p.AssignByName("background-image", "none");
    EXPECT_TRUE(p.GetBackgroundImage(url));
    EXPECT_EQ(url, "");
    p.AssignByName("background-image", "url(\"a b.gif\")");
    EXPECT_TRUE(p.GetBackgroundImage(url));
    EXPECT_EQ(url, "a b.gif");

    const std::pair<const char*, int> lines[] = {{"1.5", 30}, {"2.5", 50}, {"18px", 18}, {"150%", 30},
                                                 {"2em", 40}, {"normal", -1}};
    for (const auto& [text, px] : lines) {
        p.AssignByName("line-height", text);
        EXPECT_EQ(p.GetLineHeight(20), px) << text;
    }
    bool percent = false;
    p.AssignByName("text-indent", "2ex");
    EXPECT_EQ(p.GetTextIndent(percent), 20); // an ex is half an em
    EXPECT_FALSE(percent);
    p.AssignByName("text-indent", "10%");
    EXPECT_EQ(p.GetTextIndent(percent), 10);
    EXPECT_TRUE(percent);

    int n = -1;
    p.AssignByName("vertical-align", "text-top");
    EXPECT_TRUE(p.GetVertAlign(n));
    EXPECT_EQ(n, ATop);
    p.AssignByName("vertical-align", "super");
    EXPECT_TRUE(p.GetVertAlign(n));
    EXPECT_EQ(n, ASuper);
    p.AssignByName("vertical-align", "10px");
    EXPECT_FALSE(p.GetVertAlign(n));
    p.AssignByName("float", "right");
    EXPECT_TRUE(p.GetFloat(n));
    EXPECT_EQ(n, ARight);
    p.AssignByName("clear", "both");
    EXPECT_TRUE(p.GetClear(n));
    EXPECT_EQ(n, 3);
    p.AssignByName("list-style-type", "upper-roman");
    EXPECT_EQ(p.GetListStyleType(), lbUpperRoman);
    p.AssignByName("list-style-type", "klingon");
    EXPECT_EQ(p.GetListStyleType(), lbBlank);
    p.AssignByName("position", "relative");
    EXPECT_EQ(p.GetPosition(), 2);
    p.AssignByName("z-index", "7");
    EXPECT_EQ(p.GetZIndex(), 7);
    p.AssignByName("visibility", "hidden");
    EXPECT_EQ(p.GetVisibility(), 1);
    p.AssignByName("display", "none");
    EXPECT_TRUE(p.DisplayNone());
    p.AssignByName("text-transform", "uppercase");
    EXPECT_EQ(p.GetTextTransform(), 1);
    EXPECT_EQ(p.GetFontVariant(), "normal");
    p.AssignByName("border-style", "ridge");
    EXPECT_EQ(p.GetBorderStyle(), bssRidge);
    bool before, after, inside;
    p.AssignByName("page-break-before", "always");
    p.AssignByName("page-break-inside", "avoid");
    p.GetPageBreaks(before, after, inside);
    EXPECT_TRUE(before);
    EXPECT_FALSE(after);
    EXPECT_TRUE(inside);

    // Own colours count only where the element's rules gave them.
    Page page(".c { color: red; background-color: blue }");
    TProperties& c = page.push({"span", "c"});
    EXPECT_EQ(c.GetOwnColor(), 0x000000FFu);
    EXPECT_EQ(c.GetBackgroundColor(), 0x00FF0000u);
    EXPECT_EQ(c.TakeInlineBackground(), 0x00FF0000u);
    TProperties& child = page.push({"b"});
    EXPECT_EQ(child.GetOwnColor(), NoColour);
    EXPECT_EQ(child.GetBackgroundColor(), NoColour);
    EXPECT_EQ(child.TakeInlineBackground(), 0x00FF0000u); // inherited
}

TEST(Readers, SmallTables) {
    const std::pair<const char*, const char*> urls[] = {
        {"url(a.gif)", "a.gif"},       {"url('a.gif')", "a.gif"}, {"url(\"a.gif\")", "a.gif"},
        {"url('a.gif)", "'a.gif"},     // no matching quote: nothing is cut off
        {"url(\"a.gif')", "\"a.gif'"}, {"url('')", ""},           {"url(a.gif", "a.gif"},
        {"none", ""},                  {"x url( b ) y", " b "},
    };
    for (const auto& [text, want] : urls) EXPECT_EQ(ExtractUrl(text), want) << text;

    const std::pair<const char*, int> aligns[] = {{"TOP", ATop},       {"absmiddle", AMiddle},
                                                  {"center", AMiddle}, {"Right", ARight},
                                                  {"justify", AJustify}, {"nowhere", ANone}};
    for (const auto& [text, want] : aligns) EXPECT_EQ(AlignmentFromString(text), want) << text;
    EXPECT_EQ(BorderStyleFromString("double"), bssDouble);
    EXPECT_EQ(BorderStyleFromString("Double"), bssNone);

    const struct {
        int asked, charset, code_page;
    } sets[] = {{31, 238, 28592}, {238, 238, 1250}, {0, 0, 1252}, {1, 1, 0}, {128, 128, 932}, {99, 99, 777}};
    for (const auto& k : sets) {
        TProperties p;
        p.CodePage = 777;
        p.SetCharset(k.asked);
        EXPECT_EQ(p.Charset, k.charset) << k.asked;
        EXPECT_EQ(p.CodePage, k.code_page) << k.asked;
    }
    TProperties u;
    u.SetUTF8();
    EXPECT_EQ(u.CodePage, 65001);
    EXPECT_EQ(u.Charset, 0);
}

} // namespace
