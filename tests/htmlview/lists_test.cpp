// List items: the marker each kind of list gives, numbering with START and
// VALUE, and the marker's line after a layout at another width.
#include <gtest/gtest.h>

#include "flow_support.h"
#include "htmlview/list_block.h"

namespace {

class Lists : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

std::vector<TBlockLI*> items(const TSectionList& doc) {
    std::vector<TBlockLI*> out;
    for (TBlock* b : flow::blocks(doc))
        if (auto* li = dynamic_cast<TBlockLI*>(b)) out.push_back(li);
    return out;
}

TEST(ListNumbers, TextInEachStyle) {
    struct Case {
        int style, number;
        const char16_t* text;
    } cases[] = {
        {lbDecimal, 7, u"7."},          {lbDecimal, 123456789, u"1234567."},
        {lbLowerAlpha, 1, u"a."},       {lbLowerAlpha, 27, u"z."},
        {lbUpperAlpha, 2, u"B."},       {lbLowerRoman, 4, u"iv."},
        {lbUpperRoman, 21, u"XX."},     {lbUpperRoman, 19, u"XIX."},
        {lbLowerAlpha, 0, u"0."},       {lbUpperRoman, -3, u"-3."}, // below 1: decimal, no table read
    };
    for (const Case& c : cases) EXPECT_EQ(ListNumberText(c.style, c.number), c.text) << c.style << " " << c.number;
}

TEST_F(Lists, KindStyleAndNumberFromTheList) {
    Page page("<ul><li>a<ul><li>b<ul><li>c<ul><li>d</ul></ul></ul></ul>"
              "<ol start=5 type=I><li>e<li value=10>f<li>g</ol>"
              "<ul type=plain><li>h</ul><ul style=\"list-style-type: upper-alpha\"><li>i</ul>"
              "<dl><dt>j<dd>k</dl><li>l");
    struct Expect {
        int kind, style, number;
    } expect[] = {{2, lbDisc, 1},  {2, lbCircle, 1}, {2, lbSquare, 1}, {2, lbDisc, 1},
                  {1, lbUpperRoman, 5}, {1, lbUpperRoman, 10}, {1, lbUpperRoman, 11},
                  {2, lbNone, 1}, {2, lbUpperAlpha, 1}, {3, lbNone, 1}, {3, lbNone, 2}, {4, lbDisc, 1}};
    const auto li = items(page.doc);
    ASSERT_EQ(li.size(), std::size(expect));
    for (size_t i = 0; i < li.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(li[i]->ListKind, expect[i].kind);
        EXPECT_EQ(li[i]->BulletStyle, expect[i].style);
        EXPECT_EQ(li[i]->ItemNumber, expect[i].number);
    }
    // A lone item gets room for its bullet.
    EXPECT_EQ(li.back()->BoxValues[MarginLeft], 16);
}

TEST_F(Lists, MarkerFollowsTheFirstLineAfterARelayout) {
    // The paragraph above wraps into more lines when narrow, moving the item down.
    Page page("<p>" + std::string(40, 'w').append(" words words words words words words words") +
              "</p><ul><li>item text</ul><ul><li><ol><li>nested at once</ol></ul>");
    auto first_baseline = [&](TBlockLI* li) {
        std::vector<TSection*> s;
        flow::collect_sections(*li->BodyCell, s);
        const LineRec& l = *s.at(0)->Lines.at(0);
        return l.DrawY + l.SpaceBefore + l.LineHt - l.Descent;
    };
    for (int width : {800, 200, 800}) {
        SCOPED_TRACE(width);
        page.Layout(width);
        const auto li = items(page.doc);
        ASSERT_EQ(li.size(), 3u);
        EXPECT_EQ(li[0]->FirstLineY, first_baseline(li[0]));
        // The outer item of a list nested at once shares the inner item's line.
        EXPECT_GT(li[2]->FirstLineY, 0);
        EXPECT_EQ(li[1]->FirstLineY, li[2]->FirstLineY);
    }
}

} // namespace
