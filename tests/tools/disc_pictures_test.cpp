// The demo disc's pictures: each row of the German and the French picture
// sets gets its scene, found whatever the case of the course's word, and is
// lettered with the word as the course writes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform_ui/qt_app.h"
#include "tools/artwork/paint.h"
#include "tools/disc_pictures/scenes.h"

namespace {

// The source tree's data folder (tests/tools/fixtures is three levels down).
const std::string DATA =
    std::filesystem::path(FIXTURES_DIR).parent_path().parent_path().parent_path().string() +
    "/data/";

TEST(DiscPictures, EachPictureOfASetHasItsSceneAndTheCoursesWord) {
    testsupport::qt_app();
    ASSERT_TRUE(artwork::load_fonts());
    struct Case {
        const char* set;
        int charset;
        std::vector<std::string> lettering;
    } cases[] = {
        {"de/program/obrazki1.txt", 238,
         {"Haus", "Fenster", "Bus", "Zug", "Flugzeug", "Apfel", "Koffer", "Sonne"}},
        {"fr/program/obrazki1.txt", 0,
         {"maison", "bus", "train", "pomme", "soleil", "pluie", "neige", "fleur"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        std::vector<std::string> seen;
        for (const std::string& line : os::read_lines(DATA + c.set)) {
            const auto row = scenes::picture_row(line, c.charset);
            if (!row) continue;
            const scenes::Picture p = scenes::draw(row->word);
            seen.push_back(p.lettering.toStdString());
            EXPECT_TRUE(p.known) << row->word.toStdString();
            EXPECT_EQ(p.image.size(), scenes::size_for(row->word.toLower()));
        }
        EXPECT_EQ(seen, c.lettering);
    }
}

TEST(DiscPictures, AWordWithoutASceneIsACardWithTheWordAsWritten) {
    testsupport::qt_app();
    ASSERT_TRUE(artwork::load_fonts());
    const auto row = scenes::picture_row(os::from_utf8("z29901=Straßenbahn=tramwaj=", 238), 238);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->code, "z29901");
    const scenes::Picture p = scenes::draw(row->word);
    EXPECT_FALSE(p.known);
    EXPECT_EQ(p.lettering.toStdString(), "Straßenbahn");
    EXPECT_FALSE(scenes::picture_row("x=", 238)) << "a line too short";
    EXPECT_FALSE(scenes::picture_row("z21101 Haus", 238)) << "no fields";
}

} // namespace
