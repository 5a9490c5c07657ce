// The feature pages rendered by htmlshot at two widths equal their golden
// pictures (looked at by a person; no antialiasing, Liberation fonts).
#include <gtest/gtest.h>

#include "flow_support.h"

namespace {

class FeaturePages : public testsupport::QtFixture {};

TEST_F(FeaturePages, RenderLikeTheirGoldenPictures) {
    flow::expect_pages_like_goldens({"text", "headings", "inline", "links", "css"});
}

} // namespace
