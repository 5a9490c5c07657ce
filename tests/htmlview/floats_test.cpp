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

} // namespace
