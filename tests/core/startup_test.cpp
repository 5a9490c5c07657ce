#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/errors.h"
#include "course_fixture.h"

namespace {

using testsupport::CourseFixture;
using testsupport::crlf;
using testsupport::Halted;

const std::string kBrakPlyty =
    os::pl("Proszę włożyć płytę CD nr 2 programu Tavolent 4.0 do napędu CD-ROM i uruchomić program "
           "ponownie.");

class Startup : public ::testing::Test {
  protected:
    CourseFixture f;

    // Runs the start-up expecting the halt hook; returns the last message.
    std::string start_expecting_halt() {
        EXPECT_THROW(start_programu(), Halted);
        return f.messages.empty() ? "" : f.messages.back();
    }
};

TEST_F(Startup, EnglishEdition) {
    f.lay_out();
    f.write_program("ss_sk.t", "ee=e\r\n");
    f.start();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_FALSE(os::terminate_requested());
    EXPECT_EQ(sciezka_programu, f.program());
    EXPECT_EQ(dysk_cd, f.disc());
    EXPECT_EQ(sciezka_cd, f.disc() + "bsslow3/");
    EXPECT_EQ(jezyk_cd, 1);
    EXPECT_EQ(jezyk_edycji, 1);
    EXPECT_EQ(tytul_edycji, "Tavolent English");
    EXPECT_TRUE(flaga_l_mnogiej);
    EXPECT_EQ(dopisek_tytulu, "- angielski");
    EXPECT_FALSE(flaga_6);
    EXPECT_EQ(tytul_slownika, os::pl("Tavolent - Słownik"));
    EXPECT_EQ(kod_zestawu, "tas_40");
    EXPECT_EQ(czcionka, "Arial");
    EXPECT_EQ(czcionka_charset, 238);
    EXPECT_EQ(ile_grup, 2);
    EXPECT_EQ(ile_ss, 1);
    EXPECT_EQ(baza.ile_slow, 5);
}

TEST_F(Startup, Ts40IniLaterOfTheFirstTwoLinesGivesTheRoot) {
    f.lay_out();
    const std::string good = "x=" + f.disc();
    const std::string bad = "x=" + f.dir.path() + "nowhere/";
    struct Case {
        std::vector<std::string> lines;
    } cases[] = {{{good}}, {{bad, good}}, {{bad, good, bad}}, {{"  " + good + "  "}}};
    for (const auto& c : cases) {
        testsupport::reset_course_globals();
        f.write_program("ts40.ini", crlf(c.lines));
        EXPECT_NO_THROW(start_programu()) << c.lines.size();
        EXPECT_EQ(dysk_cd, f.disc()) << c.lines.size();
    }
}

TEST_F(Startup, Ts40IniWithoutAUsableRootHalts) {
    f.lay_out();
    ::unsetenv("VOKARIN_DRIVE_Q");
    // No root at all is a damaged file, named; a root that is not there is
    // a missing disc.
    const std::string damaged = os::pl("Plik ") + f.program() +
                                os::pl("ts40.ini jest uszkodzony, proszę powtórzyć instalację "
                                       "programu!");
    // A folder that is not there names the file and the line as well.
    const std::string no_folder = os::pl("Plik ") + f.program() +
                                  os::pl("ts40.ini (wiersz 2) wskazuje folder płyty '/nowhere/', "
                                         "którego nie ma. ") +
                                  kBrakPlyty;
    struct Case {
        const char* ini;
        const std::string& message;
    } cases[] = {{"", damaged},    {"x", damaged},          {"x=", damaged},
                 {"x=   ", damaged}, {"=", damaged},        {"Q:\\", damaged},
                 {"x=Q:\\", kBrakPlyty}, {"a=b\r\nx=/nowhere/", no_folder}};
    for (const Case& c : cases) {
        f.messages.clear();
        f.write_program("ts40.ini", std::string(c.ini) + "\r\n");
        EXPECT_EQ(start_expecting_halt(), c.message) << "'" << c.ini << "'";
    }
}

TEST_F(Startup, AnUnreadableSystemFileHaltsNamingIt) {
    f.lay_out();
    for (const std::string& path : {f.program() + "ts40.ini", f.disc() + "p.txt"}) {
        testsupport::reset_course_globals();
        f.messages.clear();
        f.lay_out();
        std::filesystem::remove(path);
        std::filesystem::create_directory(path); // a folder in its place
        EXPECT_EQ(start_expecting_halt(), os::pl("Nie można odczytać pliku ") + path +
                                              os::pl(", proszę powtórzyć instalację programu!"));
        std::filesystem::remove(path);
    }
}

TEST_F(Startup, AnEmptyOrUnreadableEditionFileEndsLikeAMissingOne) {
    const std::string plik = f.program() + "tavo_sk.txt";
    struct Case {
        const char* what;
        std::string bytes; // empty: a folder in its place
        std::string message;
    } cases[] = {
        {"empty", "\r\n  \r\n", os::pl("Plik ") + plik + os::pl(" jest pusty.")},
        {"a folder", "", os::pl("Nie można odczytać pliku ") + plik},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::reset_course_globals();
        f.messages.clear();
        f.lay_out();
        std::filesystem::remove(plik);
        if (c.bytes.empty())
            std::filesystem::create_directory(plik);
        else
            f.write_program("tavo_sk.txt", c.bytes);
        start_programu();
        EXPECT_TRUE(os::terminate_requested());
        EXPECT_TRUE(tytul_edycji.empty());
        ASSERT_EQ(f.messages.size(), 1u);
        EXPECT_EQ(f.messages[0].rfind(c.message, 0), 0u) << f.messages[0];
        std::filesystem::remove(plik);
    }
}

TEST_F(Startup, Ts40IniDriveFormGoesThroughTheDriveTable) {
    f.lay_out();
    ::setenv("VOKARIN_DRIVE_Q", f.disc().c_str(), 1);
    f.write_program("ts40.ini", "xx=Q:\\\r\n");
    start_programu();
    ::unsetenv("VOKARIN_DRIVE_Q");
    EXPECT_EQ(dysk_cd, f.disc());
    EXPECT_EQ(jezyk_cd, 1);
}

TEST_F(Startup, MissingTs40IniHalts) {
    f.lay_out();
    std::remove(f.dir.file("program/ts40.ini").c_str());
    EXPECT_EQ(start_expecting_halt(),
              os::pl("Brak plików systemowych, proszę powtórzyć instalację programu!"));
}

TEST_F(Startup, DiscLanguageFromTheSecondLetterOfPTxt) {
    f.lay_out();
    f.write_disc("bsslow3/z1/40/4005.jpg", "jpg");
    f.write_disc("bsslow3/tst.txt", "t");
    struct Case {
        const char* ptxt;
        int jezyk; // 0: the disc message and halt
    } cases[] = {
        {"PH\r\n", 1}, {"  ph  \r\nxx\r\n", 1}, {"xk", 2}, {"?F", 3}, {"h", 0}, {"hx", 0}, {"", 0},
        {"P", 0},
    };
    for (const auto& c : cases) {
        testsupport::reset_course_globals();
        f.messages.clear();
        f.write_disc("p.txt", c.ptxt);
        if (c.jezyk == 0) {
            EXPECT_EQ(start_expecting_halt(), kBrakPlyty) << "'" << c.ptxt << "'";
        } else {
            sciezka_programu = f.program();
            EXPECT_NO_THROW(szukaj_plyty()) << "'" << c.ptxt << "'";
            EXPECT_EQ(jezyk_cd, c.jezyk) << "'" << c.ptxt << "'";
        }
    }
}

TEST_F(Startup, MissingPTxtOrProbeHalts) {
    f.lay_out();
    std::remove((f.disc() + "bsslow3/z2/10/1001.jpg").c_str());
    EXPECT_EQ(start_expecting_halt(),
              os::pl("Proszę włożyć płytę nr 2 programu \"Tavolent Arlen 4.0\" do napędu CD-ROM "
                     "i uruchomić program ponownie."));
    f.write_disc("p.txt", "PK");
    EXPECT_NE(start_expecting_halt().find("Tavolent Bodri 4.0"), std::string::npos);
    std::remove((f.disc() + "p.txt").c_str());
    EXPECT_EQ(start_expecting_halt(), kBrakPlyty);
}

TEST_F(Startup, DiscOfAnotherLanguageStopsAtTheEditionCheck) {
    f.lay_out();
    f.write_disc("p.txt", "PK");
    f.write_disc("bsslow3/z1/40/4005.jpg", "jpg");
    start_programu();
    EXPECT_EQ(jezyk_cd, 2);
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0], os::pl("Proszę włożyć płytę CD-ROM nr. 2 programu Tavolent Arlen 2001 "
                                    "do napędu CD-ROM i uruchomić program ponownie."));
    EXPECT_TRUE(os::terminate_requested());
    // Reading goes on after the request.
    EXPECT_EQ(kod_zestawu, "tas_40");
    EXPECT_EQ(ile_grup, 2);
}

TEST_F(Startup, FrenchEditionUsesCharsetZero) {
    f.lay_out();
    f.write_disc("p.txt", "PF");
    f.write_disc("bsslow3/tst.txt", "t");
    f.write_program("tavo_sk.txt", crlf({"Tavolent French", "3", "0", "x", "", "1", "", "Dico"}));
    start_programu();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_EQ(jezyk_edycji, 3);
    EXPECT_EQ(czcionka, "Arial");
    EXPECT_EQ(czcionka_charset, 0);
    EXPECT_EQ(kod_zestawu, "tcs_40");
    EXPECT_FALSE(flaga_l_mnogiej);
    EXPECT_TRUE(flaga_6);
    EXPECT_EQ(litera_jezyka(), 'f');
    EXPECT_EQ(plik_edycji("sb?_slow.txt"), "sbf_slow.txt");
}

TEST_F(Startup, EditionFileProblemsStopReadingAndRequestTermination) {
    const std::string brak = os::pl("Brak plików systemowych programu!");
    struct Case {
        const char* tavo; // nullptr: no file
    } cases[] = {{nullptr}, {"T\r\n7\r\n"}, {"T\r\n-1\r\n"}, {"T\r\n4\r\n"}};
    for (const auto& c : cases) {
        testsupport::reset_course_globals();
        f.messages.clear();
        f.lay_out();
        if (c.tavo)
            f.write_program("tavo_sk.txt", c.tavo);
        else
            std::remove(f.dir.file("program/tavo_sk.txt").c_str());
        EXPECT_NO_THROW(f.start());
        // A file that is there but names no edition is named.
        ASSERT_EQ(f.messages.size(), 1u) << (c.tavo ? c.tavo : "missing");
        if (c.tavo)
            EXPECT_EQ(f.messages[0].find(os::pl("Plik ") + f.program() + "tavo_sk.txt jest uszkodzony (wiersz 2"),
                      0u)
                << f.messages[0];
        else
            EXPECT_EQ(f.messages[0], brak);
        EXPECT_EQ(f.messages[0].substr(f.messages[0].size() - brak.size()), brak);
        EXPECT_TRUE(os::terminate_requested());
        // Nothing further is read: no groups, no course file without a letter.
        EXPECT_EQ(ile_grup, 0);
        EXPECT_EQ(baza.ile_slow, 0);
        EXPECT_EQ(litera_jezyka(), '\0');
        EXPECT_EQ(plik_edycji("zd?.txt"), "");
    }
}

TEST_F(Startup, EditionFileEdgeLines) {
    f.lay_out();
    // Language 0 becomes English; missing lines read as empty, not repeated.
    f.write_program("tavo_sk.txt", "Title\r\n0\r\n1\r\n");
    start_programu();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_EQ(jezyk_edycji, 1);
    EXPECT_TRUE(flaga_l_mnogiej);
    EXPECT_EQ(dopisek_tytulu, "");
    EXPECT_FALSE(flaga_6);
    EXPECT_EQ(tytul_slownika, "");

    testsupport::reset_course_globals();
    f.write_program("tavo_sk.txt", "Title\r\n1\r\nyes\r\n");
    try {
        start_programu();
        FAIL() << "no conversion error";
    } catch (const core::ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("tavo_sk.txt jest uszkodzony (wiersz 3:"), std::string::npos) << e.what();
    }
}

TEST_F(Startup, AnswerVariantTable) {
    f.lay_out();
    std::vector<std::string> lines = {"=skipped", "no pair", "a b = c ", "k=", "x=y=z"};
    for (int i = 0; i < 40; ++i)
        lines.push_back("k" + std::to_string(i) + "=v");
    f.write_program("ss_sk.t", crlf(lines));
    start_programu();
    EXPECT_EQ(ile_ss, MAX_SS);
    EXPECT_EQ(ss_klucze[1], "a b ");
    EXPECT_EQ(ss_wartosci[1], " c ");
    EXPECT_EQ(ss_klucze[2], "k");
    EXPECT_EQ(ss_wartosci[2], "");
    EXPECT_EQ(ss_klucze[3], "x");
    EXPECT_EQ(ss_wartosci[3], "y=z");
    EXPECT_EQ(ss_klucze[MAX_SS], "k26");

    // A missing file leaves the table empty.
    std::remove(f.dir.file("program/ss_sk.t").c_str());
    czytaj_ss();
    EXPECT_EQ(ile_ss, 0);
}

} // namespace
