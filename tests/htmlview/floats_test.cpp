// Floated, cleared and positioned blocks, and rules.
#include <gtest/gtest.h>

#include "flow_support.h"

namespace {

class FloatedBlocks : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

TEST_F(FloatedBlocks, ClearingBlockStartsAtTheFloatsBottomAndPlacedBlocksTakeNoRoom) {
    Page page("<div style=\"float: left; width: 50px; height: 40px\">F</div>"
              "<div style=\"clear: left\">C</div>"
              "<div style=\"position: absolute; top: 5px; height: 30px\">A</div><div>after</div>", 400);
    const std::vector<TBlock*> b = flow::blocks(page.doc);
    ASSERT_EQ(b.size(), 5u); // body, float, clear, absolute, after
    EXPECT_EQ(b[1]->FlowHeight, 0);
    EXPECT_EQ(b[2]->ContentTop, b[1]->PaintBottom);
    EXPECT_EQ(b[3]->FlowHeight, 0);
    EXPECT_EQ(b[4]->SectionTop, b[2]->FlowBottom);
}

TEST_F(FloatedBlocks, RuleWidthsAndThickness) {
    struct Case {
        const char* attrs;
        int width, thickness;
    } cases[] = {{"", 380, 2}, {"size=0", 380, 2}, {"size=21", 380, 2}, {"size=7", 380, 7},
                 {"width=\"50%\"", 190, 2}, {"width=\"150%\"", 380, 2}, {"width=100", 100, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs);
        Page page(std::string("<hr ") + c.attrs + ">", 400);
        const std::vector<TBlock*> b = flow::blocks(page.doc);
        ASSERT_EQ(b.size(), 2u);
        EXPECT_EQ(b[1]->ChosenWidth, c.width);
        EXPECT_EQ(b[1]->FlowHeight - b[1]->MarginTop() - b[1]->MarginBottom(), c.thickness);
    }
}

// Where the text "after" starts: the first line of the section holding it.
struct Spot {
    int x = -1, y = -1;
};

Spot after_spot(const Page& page) {
    for (const TSection* s : page.Sections()) {
        if (WideToUtf8(s->Text).find("after") == std::string::npos) continue;
        for (const auto& line : s->Lines)
            if (line->Ln > 0) return {line->DrawX, line->DrawY};
    }
    return {};
}

// Bottom of the first floating picture of the page.
int float_bottom(const Page& page) {
    for (const TSection* s : page.Sections())
        for (const auto& obj : s->Images)
            if (obj->Placement == ALeft || obj->Placement == ARight)
                return obj->PlacedY + obj->VSpaceT + obj->BoxHeight + obj->VSpaceB;
    return -1;
}

std::string without(std::string html, const std::string& part) {
    const size_t at = html.find(part);
    if (at != std::string::npos) html.erase(at, part.size());
    return html;
}

// What follows a clear starts below the float at the edge it would have
// without the float; what clears only the other side stays beside it.
TEST_F(FloatedBlocks, ClearMovesWhatFollowsBelowTheFloat) {
    const std::string left_img = "<img src=x.bmp width=90 height=80 align=left>";
    const std::string right_img = "<img src=x.bmp width=90 height=80 align=right>";
    const std::string table = "<table border=1><tr><td>after</td></tr></table>";
    struct Case {
        const char* name;
        std::string html;
        std::string img;   // the float
        std::string clear; // what does the clearing
        bool moves;
    } cases[] = {
        {"br at the end of a p, before a table", "<p>" + left_img + "Text.<br clear=all></p>" + table, left_img,
         "<br clear=all>", true},
        {"br at the end of a p, before a p", "<p>" + left_img + "Text.<br clear=all></p><p>after</p>", left_img,
         "<br clear=all>", true},
        {"br mid-text", "<p>" + left_img + "Text.<br clear=all>after</p>", left_img, "<br clear=all>", true},
        {"clear both on a table",
         "<p>" + left_img + "Text.</p><table border=1 style=\"clear: both\"><tr><td>after</td></tr></table>",
         left_img, " style=\"clear: both\"", true},
        {"clear left on a table beside a right float",
         "<p>" + right_img + "Text.</p><table border=1 style=\"clear: left\"><tr><td>after</td></tr></table>",
         right_img, " style=\"clear: left\"", false},
        {"clear right on a table beside a left float",
         "<p>" + left_img + "Text.</p><table border=1 style=\"clear: right\"><tr><td>after</td></tr></table>",
         left_img, " style=\"clear: right\"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page(c.html, 400);
        const Spot at = after_spot(page);
        const int bottom = float_bottom(page);
        ASSERT_GT(bottom, 0);
        if (c.moves) {
            const Spot free = after_spot(Page(without(c.html, c.img), 400));
            EXPECT_GE(at.y, bottom);
            EXPECT_EQ(at.x, free.x);
        } else {
            const Spot beside = after_spot(Page(without(c.html, c.clear), 400));
            EXPECT_LT(at.y, bottom);
            EXPECT_EQ(at.x, beside.x);
            EXPECT_EQ(at.y, beside.y);
        }
    }
}

// A clearing break between paragraphs with no float above moves nothing:
// the paragraphs' margins still collapse.
TEST_F(FloatedBlocks, ClearingBreakWithNothingToClearKeepsTheSpacing) {
    const std::string html = "<p>Text.</p><br clear=all><p>after</p>";
    const Spot at = after_spot(Page(html, 400));
    const Spot plain = after_spot(Page(without(html, "<br clear=all>"), 400));
    EXPECT_EQ(at.y, plain.y);
    EXPECT_EQ(at.x, plain.x);
}

} // namespace
