#include "core/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/startup.h"
#include "core/state.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "course_fixture.h"
#include "support/temp_dir.h"

namespace {

// The 54 default lines as the file holds them.
const std::vector<std::string> kDefaults = {
    "6",                                                                                // 1
    "0", "0",  "0", "0", "0", "0", "0",    "0",    "0", "0", "0", "0", "0",   "0", "0", // 2-16
    "1", "0",                                                                           // 17, 18
    "1", "0",  "1", "0", "1", "0", "1",    "0",    "1", "0", "1", "0", "1",   "0",      // 19-32
    "0", "12", "1", "0", "2", "2", "1.20", "1.20",                                      // 33-40
    "1", "1",  "0", "1", "0", "0", "0",    "1",    "6", "0", "1", "0", "100", "1"};     // 41-54

std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        core::wyczysc_stan();
        sciezka_usera = dir.path();
        kod_zestawu = "tas_40";
        tryb_korekty = false;
        tryb_lekcji = 1;
        core::ui().info = [this](const std::string& t) { messages.push_back(t); };
    }
    void TearDown() override {
        os::set_atomic_fail_hook({});
        core::reset_ui();
        core::wyczysc_stan();
    }
    void write_file(const std::vector<std::string>& lines) const {
        dir.write("ustaw_tas_40.txt", crlf(lines));
    }
    std::string file() const { return dir.read("ustaw_tas_40.txt"); }
    // The defaults with line n (1-based) replaced.
    static std::vector<std::string> with_line(int n, const std::string& text) {
        auto lines = kDefaults;
        lines[n - 1] = text;
        return lines;
    }

    testsupport::TempDir dir;
    std::vector<std::string> messages;
};

TEST_F(Settings, FirstLoginGivesDefaultsAndOneAnswer) {
    ustawienia.linia[18] = 2;
    ustawienia.odliczanie_przerywnikow[3] = 5;
    czytaj_ustawienia();
    EXPECT_EQ(ustawienia.linia[18], 0);
    EXPECT_EQ(ustawienia.odliczanie_przerywnikow[3], 0);
    EXPECT_EQ(wymagane_odpowiedzi(), 1);
    ASSERT_TRUE(zapisz_ustawienia());
    EXPECT_EQ(file(), crlf(kDefaults));
}

TEST_F(Settings, OutOfRangeValuesTakeTheirReplacement) {
    struct Case {
        int line;
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {1, "7", 6},      {1, "0", 6},     {1, "3", 3},        {2, "5", 0},   {16, "-1", 0},
        {15, "4", 4},     {18, "3", 0},    {18, "2", 2},       {19, "2", 0},  {20, "301", 0},
        {32, "300", 300}, {33, "101", 1},  {33, "100", 100},   {34, "9", 10}, {34, "15", 10},
        {34, "14", 14},   {38, "1001", 1}, {38, "1000", 1000}, {45, "7", 0},  {49, "3", 6},
        {49, "201", 200}, {49, "4", 4},    {51, "7", 8},       {51, "-3", 1}, {52, "20000", 15000},
        {52, "-1", 0},    {53, "2", 100},  {53, "401", 100},   {53, "3", 3},  {54, "", 0},
        {1, "  5 ", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + " = '" + c.text.substr(0, 20) + "'");
        write_file(with_line(c.line, c.text));
        czytaj_ustawienia();
        EXPECT_EQ(ustawienia.linia[c.line], c.expected);
    }
}

TEST_F(Settings, ValuesAreCarriedAndTheRunCounterGoesUp) {
    // Every line off its default; LF line ends are read, CR LF is written.
    const std::vector<std::string> in = {
        "3", "1", "2", "3",   "4",  "0",  "1",   "2", "3", "4",   "0",    "1",    "2", "3",
        "4", "2", "0", "2",   "0",  "17", "1",   "0", "0", "5",   "1",    "299",  "0", "0",
        "1", "1", "0", "300", "55", "13", "0",   "1", "9", "9",   "2.50", "2.50", "0", "0",
        "1", "0", "1", "1",   "1",  "0",  "150", "1", "7", "321", "400",  "0"};
    std::string lf;
    for (const auto& l : in)
        lf += l + "\n";
    dir.write("ustaw_tas_40.txt", lf);

    czytaj_ustawienia();
    EXPECT_EQ(ustawienia.linia[51], 8);
    EXPECT_DOUBLE_EQ(ustawienia.mnoznik, 2.5);
    EXPECT_FALSE(ustawienia.przerywnik_wlaczony(1));
    EXPECT_EQ(ustawienia.wiersz_przerywnika(1), 17);
    EXPECT_EQ(ustawienia.wiersz_przerywnika(7), 300);
    ASSERT_TRUE(zapisz_ustawienia());

    auto out = in;
    out[50] = "8";
    EXPECT_EQ(file(), crlf(out));
}

TEST_F(Settings, TheMultiplierIsClampedAndWrittenOnBothLines) {
    struct Case {
        std::string line39, line40;
        double expected;
        std::string written;
    };
    const Case cases[] = {
        {"1.20", "0.50", 1.0, "1.00"}, {"1.20", "4.5", 4.0, "4.00"}, {"3", "1.5", 1.5, "1.50"},
        {"1.20", "", 1.0, "1.00"},     {"2.9", "2.9", 2.9, "2.90"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line39 + " / " + c.line40);
        auto lines = kDefaults;
        lines[38] = c.line39;
        lines[39] = c.line40;
        write_file(lines);
        czytaj_ustawienia();
        EXPECT_DOUBLE_EQ(ustawienia.mnoznik, c.expected);
        ASSERT_TRUE(zapisz_ustawienia());
        auto out = kDefaults;
        out[38] = out[39] = c.written;
        out[50] = "2";
        EXPECT_EQ(file(), crlf(out));
    }
}

TEST_F(Settings, TheMultiplierIsWrittenWithAPointWhateverTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    const char* candidates[] = {"pl_PL.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    bool comma_locale = false;
    for (const char* name : candidates)
        if (std::setlocale(LC_NUMERIC, name)) {
            comma_locale = true;
            break;
        }
    if (!comma_locale) GTEST_SKIP() << "no locale with a decimal comma is installed";
    write_file(with_line(40, "1.75"));
    czytaj_ustawienia();
    const bool written = zapisz_ustawienia();
    const std::string text = file();
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(written);
    EXPECT_NE(text.find("\r\n1.75\r\n1.75\r\n"), std::string::npos);
}

TEST_F(Settings, MissingLinesTakeTheirDefaults) {
    // 36 lines, the last one "1": the lines after it are defaults, not "1".
    auto lines = with_line(1, "2");
    lines[35] = "1";
    lines.resize(36);
    write_file(lines);
    czytaj_ustawienia();
    EXPECT_EQ(ustawienia.linia[1], 2);
    EXPECT_EQ(ustawienia.linia[36], 1);
    EXPECT_EQ(ustawienia.linia[37], 2);
    EXPECT_EQ(ustawienia.linia[38], 2);
    EXPECT_DOUBLE_EQ(ustawienia.mnoznik, 1.2);
    EXPECT_EQ(ustawienia.linia[43], 0);
    EXPECT_EQ(ustawienia.linia[49], 6);
    EXPECT_EQ(ustawienia.linia[51], 1);
    EXPECT_EQ(ustawienia.linia[53], 100);

    // A file that stops after the first of a doubled line keeps that value.
    lines = kDefaults;
    lines[36] = "9";
    lines.resize(37);
    write_file(lines);
    czytaj_ustawienia();
    EXPECT_EQ(ustawienia.linia[38], 9);
    EXPECT_DOUBLE_EQ(ustawienia.mnoznik, 1.2);

    lines = kDefaults;
    lines[38] = "2.25";
    lines.resize(39);
    write_file(lines);
    czytaj_ustawienia();
    EXPECT_DOUBLE_EQ(ustawienia.mnoznik, 2.25);
}

// The copy a message says the damaged file was kept as; empty when none.
std::string kept_copy(const std::string& message) {
    const std::string mark = os::pl("zachowano jako ");
    const size_t at = message.find(mark);
    if (at == std::string::npos) return {};
    const size_t from = at + mark.size();
    return message.substr(from, message.find(". ", from) == std::string::npos
                                    ? message.size() - 1 - from
                                    : message.find(". ", from) - from);
}

TEST_F(Settings, ANonNumericLineIsNamedTheDamagedFileKeptBesideAndTheRestRead) {
    struct Case {
        int line;
        std::string text;
        const char* copy;            // the name the damaged original is kept under
        const char* quote = nullptr; // how the message quotes the line
    };
    // A damaged file may hold a line of megabytes: the message quotes its start.
    // Each damaged file differs from the last, so none overwrites an earlier copy;
    // the same damage again uses its copy again.
    const Case cases[] = {{5, "abc", ".uszkodzony"},
                          {39, "1,5", ".uszkodzony.2"},
                          {40, "nan", ".uszkodzony.3"},
                          {52, "12x", ".uszkodzony.4"},
                          {17, std::string(4 << 20, 'x'), ".uszkodzony.5"},
                          {39, std::string(4 << 20, '7') + ".", ".uszkodzony.6"},
                          // Control bytes are shown, a NUL cuts nothing.
                          {7, std::string("6\0). x\x7F", 7), ".uszkodzony.7", "'6\\x00). x\\x7F'"},
                          {5, "abc", ".uszkodzony"}};
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + " = '" + c.text.substr(0, 20) + "'");
        auto lines = with_line(c.line, c.text);
        lines[0] = "3";
        lines[53] = "0";
        write_file(lines);
        const std::string damaged = file();
        wyczysc_ustawienia();
        sciezka_usera = dir.path();
        std::string what;
        try {
            czytaj_ustawienia();
            ADD_FAILURE() << "no conversion error";
        } catch (const core::ConversionError& e) {
            what = e.what();
        }
        EXPECT_LT(what.size(), 2 * dir.path().size() + 300);
        EXPECT_NE(what.find(dir.file("ustaw_tas_40.txt")), std::string::npos) << what;
        EXPECT_NE(what.find("wiersz " + std::to_string(c.line) + ":"), std::string::npos) << what;
        EXPECT_EQ(kept_copy(what), dir.file(std::string("ustaw_tas_40.txt") + c.copy)) << what;
        if (c.quote) EXPECT_NE(what.find(c.quote), std::string::npos) << what;
        EXPECT_EQ(ustawienia.linia[1], 3);  // read before the bad line
        EXPECT_EQ(ustawienia.linia[54], 0); // read after it
        EXPECT_EQ(ustawienia.linia[51], 2); // the run counter is never lost
        if (c.line == 5) {
            EXPECT_EQ(ustawienia.linia[5], 0); // the bad line's default
        }
        if (c.line >= 39 && c.line <= 40) {
            EXPECT_DOUBLE_EQ(ustawienia.mnoznik, 1.2);
        }
        // The close rewrites the file; its damaged original stays beside it.
        EXPECT_TRUE(zapisz_ustawienia());
        EXPECT_EQ(os::split_lines(file()).size(), 54u);
        EXPECT_EQ(dir.read(std::string("ustaw_tas_40.txt") + c.copy), damaged);
    }
}

TEST_F(Settings, ADamagedFileThatCannotBeKeptBesideIsNotRewritten) {
    auto lines = with_line(5, "abc");
    write_file(lines);
    const std::string damaged = file();
    os::set_atomic_fail_hook([](const std::string& step) { return step == "write"; });
    std::string what;
    try {
        czytaj_ustawienia();
    } catch (const core::ConversionError& e) {
        what = e.what();
    }
    os::set_atomic_fail_hook({});
    EXPECT_NE(what.find(os::pl("pozostanie bez zmian")), std::string::npos) << what;
    EXPECT_FALSE(zapisz_ustawienia());
    EXPECT_EQ(file(), damaged);
}

TEST_F(Settings, AnUnreadableFileIsNeverReplacedByTheDefaults) {
    const std::string old = crlf(with_line(18, "2"));
    dir.write("ustaw_tas_40.txt", old);
    if (!testsupport::make_unreadable(dir.file("ustaw_tas_40.txt")))
        GTEST_SKIP() << "this process reads every file";
    czytaj_ustawienia();
    ASSERT_EQ(messages.size(), 1u); // the file named, kept as it is
    EXPECT_NE(messages[0].find(dir.file("ustaw_tas_40.txt")), std::string::npos);
    EXPECT_EQ(ustawienia.linia[18], 0);
    EXPECT_FALSE(zapisz_ustawienia());
    EXPECT_EQ(messages.size(), 1u);
    ::chmod(dir.file("ustaw_tas_40.txt").c_str(), 0600);
    EXPECT_EQ(file(), old);

    // A good read lifts the refusal.
    czytaj_ustawienia();
    EXPECT_TRUE(zapisz_ustawienia());
}

TEST_F(Settings, RequiredAnswers) {
    struct Case {
        int intensity, lesson, always_one, expected;
    };
    const Case cases[] = {
        {0, 1, 0, 1}, {1, 1, 0, 2}, {2, 1, 0, 4}, {0, 1, 1, 1}, {1, 1, 1, 2}, {2, 1, 1, 4},
        {0, 0, 0, 1}, {1, 0, 0, 2}, {2, 0, 0, 4}, {0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.intensity << " " << c.lesson << " " << c.always_one);
        ustawienia.linia[18] = c.intensity;
        tryb_lekcji = c.lesson;
        ustawienia.linia[48] = c.always_one;
        EXPECT_EQ(wymagane_odpowiedzi(), c.expected);
    }
}

TEST_F(Settings, AFailedWriteKeepsTheOldFileAtEveryStep) {
    const std::string old = crlf(with_line(18, "2"));
    for (const char* step : {"open", "write", "flush", "rename"}) {
        SCOPED_TRACE(step);
        dir.write("ustaw_tas_40.txt", old);
        czytaj_ustawienia();
        messages.clear();
        ustawienia.linia[18] = 1;
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(zapisz_ustawienia());
        os::set_atomic_fail_hook({});
        EXPECT_EQ(file(), old);
        EXPECT_EQ(messages.size(), 1u);
    }
}

TEST_F(Settings, CorrectionModeWritesTheCorrectionFileToo) {
    testsupport::CourseFixture course;
    course.lay_out();
    course.write_program("korekta_panel.cfg", "");
    course.write_program("korekta_dane.txt", "101=a=1010=b=\r\n");
    course.start();
    ASSERT_TRUE(tryb_korekty);
    sciezka_usera = dir.path();
    czytaj_ustawienia();
    baza.korekta_tekst2[1] = "c";
    ASSERT_TRUE(zapisz_ustawienia());
    EXPECT_EQ(course.read_program("korekta_dane.txt"), "101 = a = 1010 =c=\r\n");
    EXPECT_EQ(file(), crlf(kDefaults));
}

} // namespace
