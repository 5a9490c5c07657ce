// The dictionary program's start-up and store: it runs on without the disc,
// checks the edition only against a disc it found, reads ss.t, and loads the
// store without correction files, with the sentences' own search text.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

#include "course_fixture.h"

namespace {

using testsupport::CourseFixture;
using testsupport::crlf;
using testsupport::Halted;

const std::string kBezPlyty =
    os::pl("Nie znaleziono płyty programu \"Tavolent 4.0 - Zovarozeda (CD2)\", odsłuchiwanie "
           "nagrań dźwiękowych nie będzie możliwe.");

class DictionaryStartup : public ::testing::Test {
  protected:
    CourseFixture f;
};

TEST_F(DictionaryStartup, WithoutAUsableDiscWarnsOnceAndRunsOn) {
    struct Case {
        const char* what;
        std::function<void(CourseFixture&)> spoil;
    } cases[] = {
        {"no disc folder", [](CourseFixture& c) {
             c.write_program("ts40.ini", "x=" + c.dir.path() + "nowhere/\r\n");
         }},
        {"p.txt of no language", [](CourseFixture& c) { c.write_disc("p.txt", "PX\r\n"); }},
        {"no probe file", [](CourseFixture& c) {
             std::filesystem::remove(c.disc() + "bsslow3/z2/10/1001.jpg");
         }},
    };
    for (const auto& c : cases) {
        testsupport::reset_course_globals();
        f.messages.clear();
        f.lay_out();
        c.spoil(f);
        ASSERT_NO_THROW(start_slownika()) << c.what;
        EXPECT_EQ(f.messages, std::vector<std::string>{kBezPlyty}) << c.what;
        EXPECT_EQ(jezyk_cd, -1) << c.what;
        EXPECT_FALSE(plyta_znaleziona()) << c.what;
        // No edition message about the disc, and the rest of the start-up ran.
        EXPECT_FALSE(os::terminate_requested()) << c.what;
        EXPECT_EQ(jezyk_edycji, 1) << c.what;
        EXPECT_EQ(ile_grup, 2) << c.what;
    }
}

TEST_F(DictionaryStartup, EndsLikeTheTrainerWithoutTs40IniOrWithADiscOfAnotherLanguage) {
    f.lay_out();
    f.write_disc("p.txt", "PK\r\n"); // German disc ...
    f.write_disc("bsslow3/z1/40/4005.jpg", "jpg");
    start_slownika(); // ... for an English edition
    EXPECT_EQ(jezyk_cd, 2);
    EXPECT_TRUE(os::terminate_requested());

    testsupport::reset_course_globals();
    std::filesystem::remove(f.program() + "ts40.ini");
    EXPECT_THROW(start_slownika(), Halted);
}

TEST_F(DictionaryStartup, AnswerVariantsComeFromSsT) {
    f.lay_out();
    f.write_program("ss_sk.t", "trener=1\r\n");
    f.write_program("ss.t", "slownik=2\r\nb=c\r\n");
    start_slownika();
    ASSERT_EQ(ile_ss, 2);
    EXPECT_EQ(ss_klucze[1], "slownik");
    testsupport::reset_course_globals();
    start_programu();
    ASSERT_EQ(ile_ss, 1);
    EXPECT_EQ(ss_klucze[1], "trener");
}

TEST_F(DictionaryStartup, StoreLoadsWithoutCorrectionsAndWithTheDictionarysSearchText) {
    f.lay_out();
    f.write_program("korekta_panel.cfg", "");
    f.write_program("korekta_dane.txt", "101 = poprawka = 1000 = x =\r\n");
    f.write_program("sbusr.txt", crlf({testsupport::item_line(1, true, 40001, 1, 1, "attic",
                                                              {"strych"})}));
    f.write_program("kom_user.txt", "101 = moja uwaga\r\n");
    start_slownika();
    wczytaj_dane_slownika();
    przygotuj_zdania_slownika();
    EXPECT_EQ(baza.ile_slowek, 4);
    EXPECT_EQ(baza.ile_slow, 6);
    EXPECT_EQ(baza.slowo_obce[4], "attic");
    EXPECT_FALSE(tryb_korekty);
    EXPECT_EQ(baza.ma_korekte[1], 0);
    EXPECT_EQ(baza.komentarz[1], "moja uwaga");
    EXPECT_EQ(ile_powiazan, 3);
    EXPECT_EQ(baza.tekst_szukania[1], "");
    EXPECT_EQ(baza.tekst_szukania[5], " i go home ");
}

TEST(DictionarySearchText, EveryWordStandsBetweenBlanksOrBeforeAComma) {
    struct Case {
        const char* obce;
        const char* tekst;
    } cases[] = {
        {"Das ist mein <Haus>.", " das ist mein haus "},
        {"Is it <yours>?", " is it yours "},
        {"Yes,  I <do>!", " yes, i do!"},
        {"Stop", " stop"},
        {"", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tekst_szukania_slownika(c.obce), c.tekst) << c.obce;
}

} // namespace

namespace {

// A write of the user list, the own words or an own list cut short by a crash
// leaves its temporary file in the program folder: either program's start
// takes it away; a temporary file a live writer holds stays.
TEST(StartupCleaning, BothStartsRemoveStaleTemporariesOfTheProgramFolder) {
    for (void (*start)() : {start_programu, start_slownika}) {
        testsupport::reset_course_globals();
        testsupport::CourseFixture f;
        f.lay_out();
        const std::vector<std::string> stale = {"usr.t.tmp-a1B2c3", "sbusr.txt.tmp-000000",
                                                "kom_user.txt.tmp-zzzzzz", "cwa_su.txt.tmp-Q9q9Q9"};
        for (const auto& name : stale)
            f.write_program(name, "half a write");
        f.write_program("usr.t.tmp-held00", "being written");
        const int held = ::open((f.program() + "usr.t.tmp-held00").c_str(), O_RDONLY);
        ASSERT_GE(held, 0);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        start();
        for (const auto& name : stale)
            EXPECT_FALSE(f.dir.exists("program/" + name)) << name;
        EXPECT_TRUE(f.dir.exists("program/usr.t.tmp-held00"));
        ::close(held);
    }
    testsupport::reset_course_globals();
}

} // namespace
