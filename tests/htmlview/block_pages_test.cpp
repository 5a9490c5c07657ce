// The block pages (pictures, floats, lists, rules, preformatted text,
// positioning, backgrounds, maps) rendered by htmlshot at two widths equal
// their golden pictures, which a person has looked at.
#include <gtest/gtest.h>

#include "flow_support.h"

namespace {

class BlockPages : public testsupport::QtFixture {};

TEST_F(BlockPages, RenderLikeTheirGoldenPictures) {
    flow::expect_pages_like_goldens({"images", "lists", "floats", "table_floats"});
}

} // namespace
