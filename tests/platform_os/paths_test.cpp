#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tmp.write("Gfx_S/Menu_Slow.BMP", "bmp");
        tmp.write("exact/a.txt", "lower");
        tmp.write("exact/A.TXT", "upper");
        tmp.write("Łódź/plik.txt", "utf8 folder");
    }
    void TearDown() override {
        os::set_program_folder("");
        unsetenv("VOKARIN_DRIVE_D");
        unsetenv("VOKARIN_DRIVE_E");
    }
    testsupport::TempDir tmp;
};

TEST_F(PathsTest, ResolveMatchesEachComponentWithoutCase) {
    struct Case {
        std::string query, expected;
    };
    const Case cases[] = {
        {"gfx_s\\menu_slow.bmp", "Gfx_S/Menu_Slow.BMP"},
        {"GFX_S/MENU_SLOW.bmp", "Gfx_S/Menu_Slow.BMP"},
        {"gfx_s\\", "Gfx_S/"},
        // Missing components keep the spelling given, below the matched part.
        {"gfx_s\\Nowy\\plik.txt", "Gfx_S/Nowy/plik.txt"},
        {"brak\\gfx_s", "brak/gfx_s"},
        // An exact name wins over one that differs only in case.
        {"exact\\A.TXT", "exact/A.TXT"},
        {"exact\\a.txt", "exact/a.txt"},
        // Windows-1250 names are converted and compared without Polish case.
        {os::pl("ŁÓDŹ\\PLIK.TXT"), "Łódź/plik.txt"},
        {"łódź/plik.txt", "Łódź/plik.txt"},
        {os::pl("Łódź\\Żółw.txt"), "Łódź/Żółw.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::resolve(tmp.path() + c.query), tmp.path() + c.expected) << c.query;
}

TEST_F(PathsTest, RelativePathsAreTakenAgainstTheProgramFolder) {
    os::set_program_folder(tmp.path());
    EXPECT_EQ(os::program_folder(), tmp.path());
    EXPECT_EQ(os::resolve("gfx_s\\menu_slow.bmp"), tmp.path() + "Gfx_S/Menu_Slow.BMP");
    EXPECT_TRUE(os::file_exists("GFX_S\\menu_slow.bmp"));
    EXPECT_EQ(os::file_size("gfx_s\\menu_slow.bmp"), 3);

    os::set_program_folder("");
    const std::string exe_folder = os::program_folder();
    ASSERT_FALSE(exe_folder.empty());
    EXPECT_EQ(exe_folder.back(), '/');
    EXPECT_TRUE(os::file_exists(exe_folder + "platform_os_tests"));
}

TEST_F(PathsTest, FileQueriesAndFolders) {
    EXPECT_TRUE(os::folder_exists(tmp.path() + "gfx_s"));
    EXPECT_FALSE(os::file_exists(tmp.path() + "gfx_s"));
    EXPECT_EQ(os::file_size(tmp.path() + "missing.txt"), -1);

    ASSERT_TRUE(os::make_folder(tmp.path() + "GFX_S\\x\\y"));
    EXPECT_TRUE(tmp.exists("Gfx_S/x/y"));
    EXPECT_TRUE(os::make_folder(tmp.path() + "gfx_s")); // already there

    ASSERT_TRUE(os::move_file(tmp.path() + "gfx_s\\menu_slow.bmp", tmp.path() + "moved.bmp"));
    EXPECT_EQ(tmp.read("moved.bmp"), "bmp");
    EXPECT_TRUE(os::remove_file(tmp.path() + "MOVED.BMP"));
    EXPECT_FALSE(os::remove_file(tmp.path() + "moved.bmp"));
}

TEST_F(PathsTest, ListFilesMatchesPatternWithoutCase) {
    tmp.write("tla/A1.BMP", "");
    tmp.write("tla/b2.bmp", "");
    tmp.write("tla/c3.txt", "");
    tmp.write("tla/dir.bmp/inner.bmp", ""); // a folder is not listed

    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const std::string dir = tmp.path() + "tla/";
    EXPECT_EQ(sorted(os::list_files(tmp.path() + "TLA", "*.bmp")),
              (std::vector<std::string>{dir + "A1.BMP", dir + "b2.bmp"}));
    EXPECT_EQ(os::list_files(tmp.path() + "tla\\", "?2.*"),
              std::vector<std::string>{dir + "b2.bmp"});
    EXPECT_TRUE(os::list_files(tmp.path() + "none", "*").empty());
}

TEST_F(PathsTest, DiscRootFromInstallationText) {
    os::set_program_folder(tmp.path());
    setenv("VOKARIN_DRIVE_D", "/media/disc", 1);
    setenv("VOKARIN_DRIVE_E", "/media/e/", 1);
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"D:\\", "/media/disc/"},
        {"d:", "/media/disc/"},
        {"D:/", "/media/disc/"},
        {"  E:\\  ", "/media/e/"},
        {"D:\\bsslow\\", "/media/disc/bsslow/"},
        {"F:\\", ""}, // no entry for that drive
        {"disc", tmp.path() + "disc/"},
        {"..\\disc\\", tmp.path() + "../disc/"},
        {"/mnt/cd", "/mnt/cd/"},
        {"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::disc_root_from(c.text), c.expected) << c.text;

    unsetenv("VOKARIN_DRIVE_D");
    EXPECT_EQ(os::disc_root_from("D:\\"), "");
}

TEST(WithSlash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(os::with_slash("/a"), "/a/");
    EXPECT_EQ(os::with_slash("/a/"), "/a/");
    EXPECT_EQ(os::with_slash("a\\"), "a\\");
    EXPECT_EQ(os::with_slash(""), "");
}

} // namespace
