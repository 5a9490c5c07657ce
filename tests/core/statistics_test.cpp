#include "core/statistics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <vector>

#include "core/course_fixture.h"
#include "core/errors.h"
#include "core/exercises.h"
#include "core/settings.h"
#include "platform/os/atomic_file.h"
#include "platform/os/date_serial.h"

using testsupport::crlf;

namespace {

const double kNow = 45356.0 + 14.5 / 24; // 2024-03-05 14:30

TCwInfo row(const std::string& name, int kind, int runs = 0) {
    TCwInfo r;
    r.nazwa = name;
    r.tytul = "Title " + name;
    r.rodzaj = static_cast<uint8_t>(kind);
    r.kategoria = static_cast<uint8_t>(name.size() >= 5 ? name[4] - '0' : 0);
    r.dzial = name.substr(1, 2);
    r.uruchomienia = runs;
    return r;
}

// The demo course, a user folder, a fixed clock and collected messages.
class StatisticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        course.lay_out();
        course.start();
        sciezka_usera = course.program() + "1/";
        os::make_folder(sciezka_usera);
        core::ui().info = [this](const std::string& t) { info.push_back(t); };
        os::set_clock([] { return kNow; });
        ASSERT_TRUE(czytaj_statystyki()); // a new user's login: no file yet
    }
    void TearDown() override {
        os::set_atomic_fail_hook({});
        os::set_clock({});
    }
    static void set_table(const std::vector<TCwInfo>& rows) {
        ile_cw_info = 0;
        for (const TCwInfo& r : rows)
            tab_cw_info[++ile_cw_info] = r;
    }
    // Name and kind of every row, "" for a hole.
    static std::vector<std::string> names() {
        std::vector<std::string> out;
        for (int i = 1; i <= ile_cw_info; ++i)
            out.push_back(tab_cw_info[i].nazwa.empty()
                              ? ""
                              : tab_cw_info[i].nazwa + "/" + std::to_string(tab_cw_info[i].rodzaj));
        return out;
    }
    std::string stats_file() const { return course.dir.read("program/1/tas_40"); }

    testsupport::CourseFixture course;
    std::vector<std::string> info;
};

// ---- The 128-byte row ----

TEST_F(StatisticsTest, RowEncodesFieldByField) {
    TCwInfo r;
    r.nazwa = "010-1-a";
    r.tytul = "Dom";
    r.rodzaj = 6;
    r.kierunek = 2;
    r.kategoria = 1;
    r.data = 45356.5;
    r.wynik = 80;
    r.uruchomienia = 0x01020304;
    r.ukonczone = 1;
    r.dzial = "10";

    std::string want(128, '\0');
    want.replace(0, 8,
                 "\x07"
                 "010-1-a");
    want.replace(26, 4,
                 "\x03"
                 "Dom");
    want[92] = 6;
    want[93] = 2;
    want[94] = 1;
    want.replace(96, 8, std::string("\x00\x00\x00\x00\x90\x25\xe6\x40", 8)); // 45356.5
    want[104] = 80;
    want.replace(108, 4, "\x04\x03\x02\x01");
    want[112] = 1;
    want.replace(113, 3,
                 "\x02"
                 "10");

    unsigned char buf[128];
    r.encode(buf);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 128), want);

    TCwInfo back = TCwInfo::decode(buf);
    EXPECT_EQ(back.nazwa, r.nazwa);
    EXPECT_EQ(back.tytul, r.tytul);
    EXPECT_EQ(back.data, r.data);
    EXPECT_EQ(back.uruchomienia, r.uruchomienia);
    EXPECT_EQ(back.dzial, r.dzial);
}

TEST_F(StatisticsTest, RowTextsAreCutToTheirFields) {
    TCwInfo r;
    r.nazwa = std::string(30, 'n');
    r.tytul = std::string(70, 't');
    r.dzial = std::string(20, 'd');
    unsigned char buf[128];
    r.encode(buf);
    EXPECT_EQ(buf[0], 24);
    EXPECT_EQ(buf[26], 64);
    EXPECT_EQ(buf[113], 11);

    // Length bytes above the field's size read as the size.
    buf[0] = 200;
    buf[26] = 255;
    buf[113] = 50;
    TCwInfo back = TCwInfo::decode(buf);
    EXPECT_EQ(back.nazwa, std::string(24, 'n'));
    EXPECT_EQ(back.tytul, std::string(64, 't'));
    EXPECT_EQ(back.dzial, std::string(11, 'd'));
}

// ---- zapisz_wynik ----

TEST_F(StatisticsTest, RecordingRunsMovesRowsAndWritingDropsHoles) {
    set_table({row("010-1-a", CW_SLOWKA), row("110-2-b", CW_ZDANIA), row("203-1-0001", CW_USERA)});
    struct Step {
        int result;
        std::string name;
        int kind;
        bool finished;
        std::vector<std::string> want;
    } steps[] = {
        // The seed row moves to the end and becomes the type-6 row.
        {75, "010-1-A", 6, true, {"", "110-2-b/81", "203-1-0001/82", "010-1-a/6"}},
        // A second type appends a row after it.
        {-5, "010-1-a", 4, false, {"", "110-2-b/81", "203-1-0001/82", "010-1-a/6", "010-1-a/4"}},
        // The same type again counts up in place.
        {90, "010-1-a", 6, true, {"", "110-2-b/81", "203-1-0001/82", "010-1-a/6", "010-1-a/4"}},
        {50,
         "110-2-b",
         12,
         true,
         {"", "", "203-1-0001/82", "010-1-a/6", "010-1-a/4", "110-2-b/12"}},
        // Both rows of an exercise in the middle move, then the new type is added.
        {60,
         "010-1-a",
         5,
         true,
         {"", "", "203-1-0001/82", "", "", "110-2-b/12", "010-1-a/6", "010-1-a/4", "010-1-a/5"}},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(zapisz_wynik(s.result, s.name, s.kind, 0, s.finished)) << s.name;
        EXPECT_EQ(names(), s.want) << s.name << " " << s.kind;
    }
    const TCwInfo& a6 = tab_cw_info[7];
    EXPECT_EQ(a6.uruchomienia, 2);
    EXPECT_EQ(a6.wynik, 90);
    EXPECT_EQ(a6.tytul, "Title 010-1-a");
    const TCwInfo& a4 = tab_cw_info[8];
    EXPECT_EQ(a4.wynik, 0); // a negative result is stored as 0
    EXPECT_EQ(a4.ukonczone, 0);
    EXPECT_EQ(a4.uruchomienia, 1);
    EXPECT_EQ(a4.dzial, "10");
    EXPECT_EQ(a4.kategoria, 1);
    EXPECT_EQ(a4.data, kNow);

    EXPECT_FALSE(zapisz_wynik(50, "no-such", 6, 0, true));
    EXPECT_FALSE(zapisz_wynik(50, "", 6, 0, true));
    EXPECT_EQ(ile_cw_info, 9);

    // Holes are gone after writing and reading back; own exercises come last.
    ASSERT_TRUE(zapisz_statystyki());
    czytaj_statystyki();
    EXPECT_EQ(names(), (std::vector<std::string>{"110-2-b/12", "010-1-a/6", "010-1-a/4",
                                                 "010-1-a/5", "203-1-0001/82"}));
    EXPECT_EQ(tab_cw_info[2].uruchomienia, 2);
}

TEST_F(StatisticsTest, FullTableRefusesRunsThatNeedNewRows) {
    std::vector<TCwInfo> rows;
    rows.push_back(row("010-1-a", 6, 1));
    for (int i = 2; i < max_cw_info; ++i)
        rows.push_back(row("0" + liczba_z_zerami(5, i), CW_SLOWKA));
    rows.push_back(row("010-2-z", CW_SLOWKA));
    set_table(rows);

    EXPECT_FALSE(zapisz_wynik(70, "010-1-a", 4, 0, true));
    EXPECT_EQ(info, (std::vector<std::string>{os::pl("Błąd [max_cw_info] !")}));
    EXPECT_EQ(ile_cw_info, max_cw_info);
    EXPECT_EQ(tab_cw_info[1].nazwa, "010-1-a"); // nothing moved

    // Runs that need no new row are still recorded.
    EXPECT_TRUE(zapisz_wynik(70, "010-1-a", 6, 0, true));
    EXPECT_EQ(tab_cw_info[1].uruchomienia, 2);
    EXPECT_TRUE(zapisz_wynik(70, "010-2-z", 4, 0, true));
    EXPECT_EQ(tab_cw_info[max_cw_info].rodzaj, 4);
}

TEST_F(StatisticsTest, ARunCountAtItsTopDoesNotWrap) {
    set_table({row("010-1-a", 6, std::numeric_limits<int32_t>::max())});
    EXPECT_TRUE(zapisz_wynik(70, "010-1-a", 6, 0, true));
    EXPECT_EQ(tab_cw_info[1].uruchomienia, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(tab_cw_info[1].wynik, 70);
}

// ---- Reading and writing the file ----

std::string rows_file(int n) {
    std::string bytes;
    unsigned char buf[128];
    for (int i = 1; i <= n; ++i) {
        row("0" + liczba_z_zerami(5, i), CW_SLOWKA).encode(buf);
        bytes.append(reinterpret_cast<char*>(buf), 128);
    }
    return bytes;
}

std::string with_byte(std::string bytes, size_t at, int value) {
    bytes[at] = static_cast<char>(value);
    return bytes;
}

std::string random_row() {
    std::string junk(128, '\0');
    uint32_t x = 20240305;
    for (char& ch : junk) {
        x = x * 1103515245u + 12345u;
        ch = static_cast<char>(x >> 23);
    }
    return junk;
}

std::string nan_date_row() {
    TCwInfo r = row("000003", CW_SLOWKA);
    r.data = std::numeric_limits<double>::quiet_NaN();
    unsigned char buf[128];
    r.encode(buf);
    return std::string(reinterpret_cast<char*>(buf), 128);
}

TEST_F(StatisticsTest, AFileTooLongWithAPartRowOrARowNoWriterMakesIsReportedAndKept) {
    // Written back, the rows beyond the limit or the part row would be lost.
    struct Case {
        const char* what;
        std::string bytes;
        int rows;
        const char* message;
    };
    const Case cases[] = {
        {"10001 rows", rows_file(max_cw_info + 1), max_cw_info, "Błąd [max_cw_info] !"},
        {"a byte short", rows_file(3).substr(0, 3 * 128 - 1), 2, "uszkodzony"},
        {"a byte over", rows_file(2) + "x", 2, "uszkodzony"},
        // Whole rows that no writer makes: random bytes, one field out of range.
        {"a row of random bytes", rows_file(2) + random_row(), 2, "uszkodzony"},
        {"a result of 101 %", with_byte(rows_file(3), 2 * 128 + 104, 101), 2, "uszkodzony"},
        {"kind 0", with_byte(rows_file(3), 2 * 128 + 92, 0), 2, "uszkodzony"},
        {"finished 2", with_byte(rows_file(3), 2 * 128 + 112, 2), 2, "uszkodzony"},
        {"a name of 25", with_byte(rows_file(3), 2 * 128, 25), 2, "uszkodzony"},
        {"a date of NaN", rows_file(2) + nan_date_row(), 2, "uszkodzony"},
    };
    const std::string path = course.program() + "1/tas_40";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        course.dir.write("program/1/tas_40", c.bytes);
        info.clear();
        EXPECT_FALSE(czytaj_statystyki());
        EXPECT_EQ(ile_cw_info, c.rows);
        EXPECT_EQ(tab_cw_info[c.rows].nazwa, "0" + liczba_z_zerami(5, c.rows));
        ASSERT_EQ(info.size(), 1u);
        EXPECT_NE(os::cp1250_to_utf8(info[0]).find(c.message), std::string::npos) << info[0];
        EXPECT_NE(info[0].find(path), std::string::npos);

        // Neither a run nor the own exercises write it; no further message.
        EXPECT_TRUE(zapisz_wynik(50, tab_cw_info[c.rows].nazwa, 6, 0, true));
        EXPECT_FALSE(zapisz_statystyki());
        EXPECT_FALSE(dodaj_cwiczenia_usera());
        EXPECT_EQ(info.size(), 1u);
        EXPECT_EQ(stats_file(), c.bytes);
    }
}

TEST_F(StatisticsTest, FailedWriteKeepsTheOldFileAtEveryStep) {
    set_table({row("010-1-a", CW_SLOWKA)});
    ASSERT_TRUE(zapisz_statystyki());
    const std::string old = stats_file();
    for (const char* step : {"open", "write", "flush", "rename"}) {
        SCOPED_TRACE(step);
        info.clear();
        set_table({row("010-1-b", CW_SLOWKA)});
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(zapisz_statystyki());
        os::set_atomic_fail_hook({});
        EXPECT_EQ(stats_file(), old);
        EXPECT_EQ(info.size(), 1u);
    }
}

TEST_F(StatisticsTest, AnUnreadableFileIsNotReplacedByASeededOne) {
    set_table({row("010-1-a", 6, 3)});
    ASSERT_TRUE(zapisz_statystyki());
    const std::string old = stats_file();
    const std::string path = course.program() + "1/tas_40";
    if (!testsupport::make_unreadable(path)) GTEST_SKIP() << "this process reads every file";
    EXPECT_FALSE(czytaj_statystyki());
    zaloz_statystyki();
    EXPECT_FALSE(zapisz_statystyki());
    EXPECT_FALSE(dodaj_cwiczenia_usera());
    ASSERT_EQ(info.size(), 1u); // the read, naming the file; the refusals are quiet
    EXPECT_NE(info[0].find(path), std::string::npos);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(stats_file(), old);

    czytaj_statystyki(); // a good read lifts the refusal
    EXPECT_TRUE(zapisz_statystyki());
}

// ---- Seeding and own exercises ----

TEST_F(StatisticsTest, SeedingFromTheBuiltInList) {
    course.write_program("cwa_s.txt",
                         crlf({"7= 010-1-A = Dom =00101", "1=110-2-b=Zdania=60001",
                               "7=01=Short=00101", "7=010-x-c=Bad=00101", "7=only=two"}));
    set_table({row("stale", 6)});
    zaloz_statystyki();
    ASSERT_EQ(names(), (std::vector<std::string>{"010-1-a/80", "110-2-b/81", "01/80"}));
    const TCwInfo& a = tab_cw_info[1];
    EXPECT_EQ(a.tytul, "Dom");
    EXPECT_EQ(a.kategoria, 1);
    EXPECT_EQ(a.dzial, "10");
    EXPECT_EQ(a.data, kNow);
    EXPECT_EQ(a.uruchomienia, 0);
    EXPECT_EQ(tab_cw_info[2].kategoria, 2);
    EXPECT_EQ(tab_cw_info[3].kategoria, 0); // a name shorter than 5 characters
    ASSERT_EQ(info.size(), 1u);             // the non-digit category of 010-x-c
    EXPECT_NE(info[0].find("010-x-c"), std::string::npos);
}

TEST_F(StatisticsTest, BuiltInExercisesWithoutARowAreToppedUp) {
    // A first login that could not read the built-in list seeded none of them.
    course.write_program("cwa_s.txt", crlf({"7=010-1-a=Dom=00101", "1=110-2-b=Zdania=60001"}));
    const std::string list = course.program() + "cwa_s.txt";
    if (!testsupport::make_unreadable(list)) GTEST_SKIP() << "this process reads every file";
    EXPECT_THROW(zaloz_statystyki(), core::FileError);
    set_table({row("203-1-0001", CW_USERA), row("110-2-b", 12, 1)});
    EXPECT_EQ(uzupelnij_statystyki(), 0);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info[0].find(list), std::string::npos);

    // Once the list reads, the missing ones come in; an exercise with run
    // rows keeps them and gets no seed row.
    ::chmod(list.c_str(), 0600);
    os::set_read_fail_hook({});
    EXPECT_EQ(uzupelnij_statystyki(), 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"203-1-0001/82", "110-2-b/12", "010-1-a/80"}));
    EXPECT_EQ(uzupelnij_statystyki(), 0);
}

TEST_F(StatisticsTest, OwnExercisesAreAddedAndVanishedOnesRemoved) {
    const std::string long_name = "203-1-a-rather-long-own-exercise-name";
    course.write_program("cwa_su.txt",
                         crlf({"9=203-1-0001=Seen=00101", "9=205-3-0003= New one =00102",
                               "9=" + long_name + "=Long=00101"}));
    set_table({row("010-1-a", CW_SLOWKA), row("203-1-0001", 6, 1), row("203-1-0001", 4, 1),
               row("203-2-0002", CW_USERA), row("203-2-0002", 6, 3)});
    EXPECT_TRUE(dodaj_cwiczenia_usera());
    EXPECT_EQ(names(),
              (std::vector<std::string>{"010-1-a/80", "203-1-0001/6", "203-1-0001/4", "", "",
                                        "205-3-0003/82", long_name.substr(0, 24) + "/82"}));
    const TCwInfo& n = tab_cw_info[6];
    EXPECT_EQ(n.tytul, "New one");
    EXPECT_EQ(n.kategoria, 3);
    EXPECT_EQ(n.dzial, "05");
    EXPECT_TRUE(tab_cw_info[4].dzial.empty());

    // The next login reads the written file and finds nothing new.
    czytaj_statystyki();
    EXPECT_TRUE(dodaj_cwiczenia_usera());
    EXPECT_EQ(names(),
              (std::vector<std::string>{"010-1-a/80", "203-1-0001/6", "203-1-0001/4",
                                        "205-3-0003/82", long_name.substr(0, 24) + "/82"}));
    EXPECT_TRUE(info.empty());
}

TEST_F(StatisticsTest, OwnListNamesThatAreNoOwnExerciseAreSkipped) {
    // Such a row would be added again at every login.
    course.write_program("cwa_su.txt", crlf({"9=x-0001=X=00101", "9=203-1-0001=Own=00101"}));
    set_table({row("010-1-a", CW_SLOWKA)});
    for (int login = 1; login <= 2; ++login) {
        EXPECT_TRUE(dodaj_cwiczenia_usera());
        czytaj_statystyki();
        EXPECT_EQ(names(), (std::vector<std::string>{"010-1-a/80", "203-1-0001/82"})) << login;
    }
}

TEST_F(StatisticsTest, AnUnreadableOwnListKeepsTheOwnRows) {
    course.write_program("cwa_su.txt", crlf({"9=205-3-0003=New=00102"}));
    const std::string path = course.program() + "cwa_su.txt";
    if (!testsupport::make_unreadable(path)) GTEST_SKIP() << "this process reads every file";
    set_table({row("203-2-0002", CW_USERA), row("203-2-0002", 6, 3)});
    EXPECT_FALSE(dodaj_cwiczenia_usera());
    EXPECT_EQ(names(), (std::vector<std::string>{"203-2-0002/82", "203-2-0002/6"}));
    EXPECT_EQ(info.size(), 1u);
}

TEST_F(StatisticsTest, ADamagedOwnListKeepsTheRowsOfTheExercisesItLacks) {
    // Cut short in the middle of its second line.
    course.write_program("cwa_su.txt", crlf({"9=205-3-0003=New=00102", "9=203-2"}));
    set_table({row("203-2-0002", CW_USERA), row("203-2-0002", 6, 3)});
    EXPECT_TRUE(dodaj_cwiczenia_usera());
    EXPECT_EQ(names(), (std::vector<std::string>{"203-2-0002/82", "203-2-0002/6", "205-3-0003/82"}));
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info[0].find(course.program() + "cwa_su.txt"), std::string::npos);
}

// A list missing, emptied or naming no own exercise is no word of the
// learner's: the own rows and their results stay, and a message names the
// list once. Deleting an exercise removes its rows by name.
TEST_F(StatisticsTest, AnOwnListThatNamesNoExerciseKeepsTheOwnRows) {
    const char* const lists[] = {nullptr, "", "\r\n  \r\n", "9=x-0001=X=00101\r\n"};
    for (const char* list : lists) {
        SCOPED_TRACE(list ? list : "(none)");
        std::filesystem::remove(course.program() + "cwa_su.txt");
        if (list) course.write_program("cwa_su.txt", list);
        set_table({row("010-1-a", CW_SLOWKA), row("203-2-0002", CW_USERA), row("203-2-0002", 6, 3)});
        info.clear();
        EXPECT_TRUE(dodaj_cwiczenia_usera());
        czytaj_statystyki();
        EXPECT_EQ(names(), (std::vector<std::string>{"010-1-a/80", "203-2-0002/82", "203-2-0002/6"}));
        ASSERT_EQ(info.size(), 1u);
        EXPECT_NE(info[0].find(course.program() + "cwa_su.txt "), std::string::npos) << info[0];
    }
    EXPECT_TRUE(usun_statystyki_cwiczenia(" 203-2-0002 "));
    czytaj_statystyki();
    EXPECT_EQ(names(), (std::vector<std::string>{"010-1-a/80"}));
    // Without own rows there is nothing to keep, and nothing to say.
    info.clear();
    EXPECT_TRUE(dodaj_cwiczenia_usera());
    EXPECT_TRUE(info.empty());
}

TEST_F(StatisticsTest, OwnExercisesFromALeftoverTemporaryFile) {
    course.write_program("cw_tmp.txt", crlf({"9=203-1-0001=From tmp=00101"}));
    set_table({row("010-1-a", CW_SLOWKA)});
    EXPECT_TRUE(dodaj_cwiczenia_usera());
    EXPECT_EQ(names(), (std::vector<std::string>{"010-1-a/80", "203-1-0001/82"}));
}

TEST_F(StatisticsTest, FullTableRefusesNewOwnExercisesButStillRemovesVanishedOnes) {
    course.write_program("cwa_su.txt", crlf({"9=205-3-0003=New=00102"}));
    std::vector<TCwInfo> rows(max_cw_info - 1, row("010-1-a", CW_SLOWKA));
    rows.push_back(row("203-2-0002", CW_USERA));
    set_table(rows);
    EXPECT_FALSE(dodaj_cwiczenia_usera());
    EXPECT_EQ(info, (std::vector<std::string>{os::pl("Błąd [max_cw_info] !")}));
    EXPECT_EQ(ile_cw_info, max_cw_info);
    EXPECT_TRUE(tab_cw_info[max_cw_info].nazwa.empty());
    czytaj_statystyki();
    EXPECT_EQ(ile_cw_info, max_cw_info - 1);
}

// ---- opis_statystyki ----

TEST_F(StatisticsTest, SummaryMarksOnlyTheInterruptedLine) {
    TCwInfo t5 = row("203-1-0001", 5, 2);
    t5.data = os::date_serial(2024, 3, 5) + os::time_fraction(14, 30, 0);
    t5.wynik = 40;
    t5.ukonczone = 0;
    TCwInfo t6 = row("203-1-0001", 6, 1);
    t6.data = os::date_serial(2024, 3, 6) + os::time_fraction(9, 5, 7);
    t6.wynik = 100;
    t6.ukonczone = 1;
    set_table({row("203-1-0001", CW_USERA), t5, row("010-1-a", 6, 4), t6});
    EXPECT_EQ(opis_statystyki("203-1-0001 "),
              os::pl("- Ćwiczenie użytkownika\r"
                     "- Dyktando, ostatnio: 2024-03-05 14:30:00, uruchomienia: 2, wynik: 40 %, "
                     "(przerwano!)\r"
                     "- Wpisywanie tłumaczenia, ostatnio: 2024-03-06 09:05:07, uruchomienia: 1, "
                     "wynik: 100 %\r"));
    EXPECT_EQ(opis_statystyki("no-such"), "");
}

} // namespace
