// Reading pages into documents: blocks and sections made for the elements,
// the property stack with misnested tags, fonts, head elements, and pages
// the reader must survive.
#include <gtest/gtest.h>

#include <fstream>

#include "flow_support.h"
#include "../support/temp_dir.h"

namespace {

class Builder : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

// The tags of the blocks with the text of each, "p:text|div:...".
std::string outline(const Page& page) {
    std::string out;
    std::function<void(const TCellBasic&)> walk = [&](const TCellBasic& cell) {
        for (const auto& s : cell) {
            if (auto* b = dynamic_cast<TBlock*>(s.get())) {
                if (!dynamic_cast<TBodyBlock*>(b)) out += "[" + b->BodyCell->HostTag + " ";
                walk(*b->BodyCell);
                if (!dynamic_cast<TBodyBlock*>(b)) out += "]";
            } else if (auto* t = dynamic_cast<TSection*>(s.get())) {
                std::string text;
                for (char16_t c : t->Text) text += c == kBreakChar ? '|' : static_cast<char>(c);
                out += "'" + text + "'";
            }
        }
    };
    walk(page.doc);
    return out;
}

TEST_F(Builder, ElementsBecomeBlocksAndSections) {
    struct Case {
        const char* html;
        const char* outline;
    } cases[] = {
        {"text", "'text'"},
        {"<p>one<p><p></p><p>two", "[p 'one'][p 'two']"},             // P P: one paragraph each
        {"<div>  <p>x</p></div>", "[div [p 'x']]"},                      // white space at a block's start
        {"a<br>b<br><br>c", "'a''b''|''c'"},                             // a break ends the section
        {"<h2>Title</h2>after", "[h2 'Title']'after'"},
        {"<h3><center>C</center></h3>", "[h3 'C']"},
        {"<h7>seven</h7>", "'seven'"},                                   // not a heading
        {"<center>mid</center>end", "'mid''end'"},                       // no block of its own
        {"<frameset><noframes>shown</noframes></frameset>", "'shown'"},
        {"a<b>b</b>c", "'abc'"},
        {"<body>x<body bgcolor=red>y", "'xy'"},                         // a later BODY is ignored
        {"<script>document.write('<p>no')</script>yes", "'yes'"},
        {"<p>in<h1>head</h1>out", "[p 'in'][h1 'head']'out'"},
        // A paragraph inside a heading is read; a stray end of one ends the heading.
        {"<h1>a<p>b</p>c</h1>", "[h1 'a'[p 'b']'c']"},
        {"<h1>a</p>b</h1>c", "[h1 'a']'bc'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        Page page(c.html);
        EXPECT_EQ(outline(page), c.outline);
    }
}

TEST_F(Builder, FontSizesAndMisnestedStyles) {
    auto run_font = [](Page& page, const char16_t* text) -> const TFontObj* {
        for (TSection* s : page.Sections())
            if (const size_t p = s->Text.find(text); p != WideString::npos)
                return s->Fonts.GetFontObjAt(static_cast<int>(p));
        return nullptr;
    };
    struct Case {
        const char* html;
        double points;
    } cases[] = {
        {"<font size=+2>x</font>", 18}, {"<font size=+9>x</font>", 36}, {"<font size=0>x</font>", 8},
        {"<font size=-1>x</font>", 10}, {"<basefont size=5><font size=+1>x</font>", 24},
        {"<font size=4>x</font>", 14},
        // Sizes far past the int range are within the sizes before they are added.
        {"<font size=\"+99999999999\">x</font>", 36}, {"<font size=\"-99999999999\">x</font>", 8},
        {"<basefont size=\"+99999999999\"><font size=-1>x</font>", 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        Page page(c.html);
        const TFontObj* f = run_font(page, u"x");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->TheFont.Font.height, -static_cast<int>(c.points * 96 / 72 + 0.5));
    }
    // Text after the end of a B that closed while an I inside it was still
    // open keeps italic and loses bold.
    Page page("<b>bold<i>both</b>italic</i>plain");
    const TFontObj* italic = run_font(page, u"italic");
    ASSERT_NE(italic, nullptr);
    EXPECT_TRUE(italic->TheFont.Font.italic);
    EXPECT_EQ(italic->TheFont.Font.weight, 400);
    const TFontObj* plain = run_font(page, u"plain");
    EXPECT_FALSE(plain->TheFont.Font.italic);
}

TEST_F(Builder, HeadElements) {
    testsupport::TempDir dir;
    {
        std::ofstream(dir.file("sheet.css")) << "p.linked { color: #00ff00 }";
    }
    htmlshot::ShotSurface surface;
    std::vector<std::string> metas;
    surface.LoadText("<html><head><title>The  title</title><base href=\"http://x/\" target=\"main\">"
                     "<meta name=author content=\"me\"><link rel=stylesheet href=sheet.css>"
                     "<style><!-- p.styled { color: #0000ff } --> <!-- p.commented { color: #ff0000 } --></style></head>"
                     "<p class=linked>a<p class=styled>b<p class=commented>c",
                     dir.path(), 600);
    EXPECT_EQ(surface.Result().Title, "The title");
    EXPECT_EQ(surface.Result().Base, "http://x/");
    EXPECT_EQ(surface.Result().BaseTarget, "main");
    std::vector<ColorRef> colors;
    for (TSection* s : flow::sections(surface.Doc())) colors.push_back(s->Fonts[0]->TheFont.Color & 0xFFFFFF);
    EXPECT_EQ(colors, (std::vector<ColorRef>{ui::rgb_ref(0, 255, 0), ui::rgb_ref(0, 0, 255), ui::rgb_ref(255, 0, 0)}));
}

TEST_F(Builder, BodyAttributesSetMarginsAndColours) {
    Page page("<body marginwidth=30 topmargin=400 bgcolor=\"#102030\" text=\"#ffffff\" link=\"#00ff00\">"
              "<a href=x>link</a> text");
    EXPECT_EQ(page.doc.PageColor & 0xFFFFFF, ui::rgb_ref(0x10, 0x20, 0x30));
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->Lines.at(0)->DrawX, 30);
    EXPECT_EQ(s[0]->SectionTop, 200); // clamped
    EXPECT_EQ(s[0]->Fonts[0]->TheFont.Color & 0xFFFFFF, ui::rgb_ref(0, 255, 0));
    EXPECT_EQ(s[0]->Fonts.Last()->TheFont.Color & 0xFFFFFF, ui::rgb_ref(255, 255, 255));
}

TEST_F(Builder, DeepNestingIsBounded) {
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "<div>";
    deep += "bottom";
    for (int i = 0; i < 20000; ++i) deep += "</div>";
    deep += "after";
    Page page(deep);
    EXPECT_LE(flow::blocks(page.doc).size(), 101u);
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"bottom", "after"}));
}

TEST_F(Builder, ManyMisnestedEndTagsKeepTheStylesRight) {
    // Each </b> repairs every <i> above it.
    std::string html;
    for (int i = 0; i < 100; ++i) html += "<b>";
    for (int i = 0; i < 100; ++i) html += "<i>";
    for (int i = 0; i < 100; ++i) html += "</b>";
    html += "text";
    Page page(html);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    const TFontObj* f = s[0]->Fonts.Last();
    EXPECT_TRUE(f->TheFont.Font.italic);
    EXPECT_EQ(f->TheFont.Font.weight, 400);
}

TEST_F(Builder, AnchorsAndIdsNamePlaces) {
    Page page("<p>top</p><p id=Para>para</p><a name=\"#Mark\"></a><p>end</p>", 600);
    for (const char* name : {"mark", "MARK", "para"}) {
        SCOPED_TRACE(name);
        TIDObject* place = page.doc.IDNameList.Find(name);
        ASSERT_NE(place, nullptr);
        EXPECT_GT(place->GetYPosition(), 0);
    }
    EXPECT_LT(page.doc.IDNameList.Find("para")->GetYPosition(), page.doc.IDNameList.Find("mark")->GetYPosition());
}

TEST_F(Builder, AnEmptyElementWithAnIdLeavesNoDanglingName) {
    // The section made for the id holds nothing and is dropped.
    Page page("<p id=gone></p><body id=body2>text");
    if (TIDObject* place = page.doc.IDNameList.Find("gone")) { EXPECT_GE(place->GetYPosition(), 0); }
}

} // namespace
