#include "platform/os/date_serial.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class DateSerialTest : public ::testing::Test {
  protected:
    void TearDown() override { os::set_clock({}); }
};

TEST_F(DateSerialTest, GoldenSerials) {
    struct Case {
        int y, m, d;
        double serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},     {1900, 3, 1, 61},     {2000, 1, 1, 36526},
        {2024, 2, 29, 45351}, {2026, 12, 10, 46366}, {1800, 1, 1, -36522},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os::date_serial(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.y, c.m, c.d);
        EXPECT_EQ(os::format_date(c.serial), text);
    }
    EXPECT_DOUBLE_EQ(os::time_fraction(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(os::time_fraction(6, 30, 0), 6.5 / 24);
}

TEST_F(DateSerialTest, FormatDateTimeShowsTimeOnlyWhenNotMidnight) {
    const double day = os::date_serial(2026, 12, 10);
    EXPECT_EQ(os::format_date_time(day), "2026-12-10");
    EXPECT_EQ(os::format_date_time(day + os::time_fraction(9, 5, 7)), "2026-12-10 09:05:07");
    EXPECT_EQ(os::format_date_time(day + os::time_fraction(23, 59, 59)), "2026-12-10 23:59:59");
    EXPECT_EQ(os::format_date(day + os::time_fraction(23, 59, 59)), "2026-12-10");
    // Floating error just below midnight is the next day, not 23:59:59.
    EXPECT_EQ(os::format_date_time(day + 1 - 1e-10), "2026-12-11");
    EXPECT_EQ(os::format_date_time(day + 0.5 + 0.9 / 86400), "2026-12-10 12:00:00");
}

TEST_F(DateSerialTest, ParseDateTime) {
    struct Case {
        std::string text;
        bool ok;
        double serial;
    };
    const double day = os::date_serial(2026, 12, 10);
    const Case cases[] = {
        {"2026-12-10", true, day},
        {"2026-12-10 12:00", true, day + 0.5},
        {"2026-12-10 09:05:07", true, day + os::time_fraction(9, 5, 7)},
        {" 2026-1-5 ", true, os::date_serial(2026, 1, 5)},
        {"2024-02-29", true, os::date_serial(2024, 2, 29)},
        {"2023-02-29", false, 0},
        {"2026-13-01", false, 0},
        {"2026-12-10 24:00", false, 0},
        {"2026-12-10 12:60", false, 0},
        {"2026-12-1012:00", false, 0},
        {"2026-12-10 12", false, 0},
        {"2026-12-10x", false, 0},
        {"10.12.2026", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        double serial = -1;
        EXPECT_EQ(os::parse_date_time(c.text, serial), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(serial, c.serial) << c.text;
        }
    }
    double back = 0;
    const double t = day + os::time_fraction(17, 42, 3);
    ASSERT_TRUE(os::parse_date_time(os::format_date_time(t), back));
    EXPECT_DOUBLE_EQ(back, t);
}

TEST_F(DateSerialTest, ClockOverrideAndSystemClock) {
    const double fixed = os::date_serial(2026, 12, 10) + 0.75;
    os::set_clock([fixed] { return fixed; });
    EXPECT_EQ(os::now(), fixed);
    EXPECT_EQ(os::today(), os::date_serial(2026, 12, 10));

    os::set_clock({});
    const double real = os::now();
    EXPECT_GT(real, os::date_serial(2020, 1, 1));
    EXPECT_LT(real, os::date_serial(2200, 1, 1));

    const int64_t a = os::ticks_ms();
    EXPECT_GE(os::ticks_ms(), a);
}

TEST_F(DateSerialTest, ADamagedDateFromAFileStillFormats) {
    // Dates come from 8-byte fields of the learner's files; garbage there must
    // give some text, never overflow.
    const double bad[] = {1e300, -1e300, -106751991168.0, std::nan(""), INFINITY};
    for (double d : bad) {
        SCOPED_TRACE(d);
        EXPECT_FALSE(os::format_date_time(d).empty());
        EXPECT_FALSE(os::format_date(d).empty());
    }
}

} // namespace
