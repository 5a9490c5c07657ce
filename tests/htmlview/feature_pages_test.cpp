// The feature pages rendered by htmlshot at two widths equal their golden
// pictures (looked at by a person; no antialiasing, Liberation fonts).
#include <gtest/gtest.h>

#include <QDir>

#include "flow_support.h"

namespace {

class FeaturePages : public testsupport::QtFixture {};

TEST_F(FeaturePages, RenderLikeTheirGoldenPictures) {
    testsupport::qt_app();
    const std::string pages = std::string(FIXTURES_DIR) + "/pages/";
    const std::string out = testsupport::output_path("htmlview/pages");
    QDir().mkpath(QString::fromStdString(out));
    for (const char* name : {"text", "headings", "inline", "links", "css"})
        for (int width : {320, 800}) {
            const std::string shot_name = std::string(name) + "_" + std::to_string(width) + ".png";
            SCOPED_TRACE(shot_name);
            std::string error;
            const QImage shot = htmlshot::RenderPage(pages + name + ".html", width, &error);
            ASSERT_FALSE(shot.isNull()) << error;
            EXPECT_EQ(error, "");
            shot.save(QString::fromStdString(out + "/" + shot_name));
            const QImage golden(QString::fromStdString(pages + shot_name));
            if (golden.isNull()) {
                ADD_FAILURE() << "golden picture missing";
                continue;
            }
            EXPECT_EQ(shot, golden.convertToFormat(QImage::Format_RGB32));
        }
}

} // namespace
