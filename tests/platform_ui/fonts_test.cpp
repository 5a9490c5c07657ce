#include "platform/ui/fonts.h"

#include <gtest/gtest.h>
#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <set>

#include "platform_ui/qt_app.h"
#include "support/temp_dir.h"

namespace {

const char* const kFamilies[] = {"Liberation Sans", "Liberation Serif", "Liberation Mono"};

TEST(PinnedFonts, MissingFilesAreNamedWithTheirFolder) {
    testsupport::TempDir dir;
    const std::string folder = dir.path().substr(0, dir.path().size() - 1);
    const std::vector<std::string>& names = ui::pinned_font_names();
    ASSERT_EQ(names.size(), 12u);
    for (size_t i = 0; i < names.size(); i += 2) dir.write(names[i], "x");

    const std::vector<std::string> missing = ui::missing_font_files(folder);
    ASSERT_EQ(missing.size(), 6u);
    for (size_t i = 0; i < missing.size(); ++i)
        EXPECT_EQ(missing[i], folder + "/" + names[2 * i + 1]);
    const std::string message = ui::missing_fonts_message(missing);
    for (const std::string& path : missing) EXPECT_NE(message.find(path), std::string::npos);

    EXPECT_TRUE(ui::missing_font_files().empty()) << "setup installs fonts-liberation2";
}

// Whatever else is installed under these names, the process's configuration
// lists exactly the pinned files for the three families, and Qt draws with them.
TEST(PinnedFonts, FamiliesResolveToThePinnedFilesOnly) {
    testsupport::qt_app();
    ASSERT_TRUE(ui::pin_fonts().empty());
    for (const char* family : kFamilies) {
        FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, nullptr);
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
        FcFontSet* set = FcFontList(nullptr, pattern, objects);
        std::set<std::string> files;
        for (int i = 0; set && i < set->nfont; ++i) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                files.insert(reinterpret_cast<const char*>(file));
        }
        if (set) FcFontSetDestroy(set);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);

        ASSERT_EQ(files.size(), 4u) << family;
        for (const std::string& file : files)
            EXPECT_EQ(file.rfind(std::string(ui::kPinnedFontDir) + "/", 0), 0u) << file;

        QFont font(QString::fromLatin1(family));
        font.setPixelSize(13);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(family));
        EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(QChar(0x0105))) << family; // ą
    }
}

} // namespace
