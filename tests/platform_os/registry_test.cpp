#include "platform/os/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.h"

#include <filesystem>

namespace {

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { setenv("VOKARIN_REGISTRY", dir.file("registry.ini").c_str(), 1); }
    void TearDown() override { unsetenv("VOKARIN_REGISTRY"); }
    testsupport::TempDir dir;
};

TEST_F(Registry, ReadsAValueOfItsKeyOnly) {
    dir.write("registry.ini",
              "; written by hand\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Maker\\one\\Settings]\r\n"
              "app_kat=/opt/one/\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Maker\\two\\Settings]\n"
              "  APP_KAT = c:\\two \n");
    struct Case {
        const char* key;
        const char* name;
        std::optional<std::string> expected;
    } cases[] = {
        {"HKEY_LOCAL_MACHINE\\Software\\Maker\\one\\Settings", "app_kat", "/opt/one/"},
        // Keys and names without regard to case or a trailing backslash.
        {"hkey_local_machine\\software\\maker\\TWO\\settings\\", "app_kat", " c:\\two"},
        {"HKEY_LOCAL_MACHINE\\Software\\Maker\\one\\Settings", "other", std::nullopt},
        // A key is not its parent's: nothing is read from a shorter one.
        {"HKEY_LOCAL_MACHINE\\Software\\", "app_kat", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(os::registry_read_string(c.key, c.name), c.expected);
    }
}

TEST_F(Registry, AMissingFileHasNoValues) {
    EXPECT_EQ(os::registry_read_string("HKEY_LOCAL_MACHINE\\Software\\", "app_kat"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(dir.file("registry.ini")));
}

} // namespace
