#include <gtest/gtest.h>

#include <filesystem>

#include "core/errors.h"
#include "course_fixture.h"
#include "platform/os/atomic_file.h"
#include "platform/os/line_file.h"

namespace {

using testsupport::CourseFixture;
using testsupport::crlf;
using testsupport::item_line;

class Items : public ::testing::Test {
  protected:
    CourseFixture f;
    void SetUp() override { f.lay_out(); }
    ~Items() override { os::set_atomic_fail_hook({}); }

    // Loads the course with the given built-in word file.
    void load_words(const std::vector<std::string>& lines) {
        f.write_program("sba_slow.txt", crlf(lines));
        f.start();
    }
};

TEST_F(Items, FixtureCourse) {
    f.start();
    ASSERT_EQ(baza.ile_slow, 5);
    EXPECT_EQ(baza.ile_slowek, 3);
    EXPECT_EQ(baza.max_id, 40000);
    EXPECT_EQ(baza.slowo_obce[1], "house");
    EXPECT_EQ(baza.tlumaczenie[1], "dom");
    EXPECT_EQ(baza.l_mnoga[1], "houses");
    EXPECT_EQ(baza.tlumaczenie[2], os::pl("iść"));
    EXPECT_EQ(baza.poziom[2], 2);
    EXPECT_EQ(baza.rodzaj[2], 3);
    EXPECT_EQ(baza.grupa[3], 2);
    EXPECT_EQ(baza.slowo_obce[4], "I <go> home.");
    EXPECT_EQ(baza.synonimy[4], "go");
    EXPECT_EQ(baza.id_slowa[5], 60002);
    EXPECT_EQ(znajdz_slowko(60002), 5);
    EXPECT_EQ(znajdz_slowko(7), -1);
    EXPECT_EQ(ile_powiazan, 3);
    EXPECT_EQ(powiazanie_slowo[3], 101);
    EXPECT_EQ(powiazanie_zdanie[3], 60002);
    EXPECT_EQ(nazwa_grupy(2), "Cechy");
    EXPECT_EQ(nazwa_grupy(9), "");
    EXPECT_EQ(grupy[2].flaga, 1);
    EXPECT_EQ(opis_slowa(1), "Dom");
    EXPECT_EQ(opis_slowa(6), "");
    EXPECT_EQ(opis_slowa(0), "");
    EXPECT_FALSE(tryb_korekty);
}

TEST_F(Items, ItemLineColumnsAndShortLines) {
    load_words({
        "01  0001",                      // 8 characters: parsed
        "01  001",                       // 7: skipped
        "   ",                           // blank: skipped
        "03  00005 11 cat = kot",        // one field
        "04  00006 12 dog",              // no "=" at all
        "05 100007 21 mine = moje =a=b", // own item, fields run out early
        "06  00000 11 zero = nic",       // ID 0 is taken back
        "07  00008 34 last = ostatni",
    });
    ASSERT_EQ(baza.ile_slowek, 5);
    EXPECT_EQ(baza.id_slowa[1], 1);
    EXPECT_EQ(baza.poziom[1], 0);
    EXPECT_EQ(baza.slowo_obce[1], "");
    EXPECT_EQ(baza.slowo_obce[2], "cat");
    EXPECT_EQ(baza.tlumaczenie[2], "kot");
    for (int i = 2; i <= 3; ++i) {
        EXPECT_EQ(baza.l_mnoga[i], "");
        EXPECT_EQ(baza.wymowa[i], "");
        EXPECT_EQ(baza.znacznik_s[i], 0);
    }
    EXPECT_EQ(baza.slowo_obce[3], "dog");
    EXPECT_EQ(baza.tlumaczenie[3], "");
    EXPECT_EQ(baza.slowo_usera[4], 1);
    EXPECT_EQ(baza.l_mnoga[4], "a");
    EXPECT_EQ(baza.synonimy[4], "b");
    EXPECT_EQ(baza.uwagi[4], "");
    EXPECT_EQ(baza.id_slowa[5], 8);
    EXPECT_EQ(baza.slowo_obce[5], "last");
    EXPECT_EQ(baza.poziom[5], 3);
    EXPECT_EQ(baza.rodzaj[5], 4);
    EXPECT_EQ(baza.grupa[5], 7);
}

TEST_F(Items, RecordingsAndMarker) {
    load_words({
        item_line(1, false, 11, 1, 1, "a", {"", "", "", "", "0"}),
        item_line(1, false, 12, 1, 1, "b", {"", "", "", "", ""}),
        item_line(1, false, 13, 1, 1, "c", {"", "", "", "", "abc"}),
        item_line(1, false, 14, 1, 1, "d", {"", "", "", "", "00123", "p6", "p7", "s"}),
        item_line(1, true, 40001, 1, 1, "e", {"", "", "", "", "moje nagranie.wav"}),
    });
    EXPECT_EQ(baza.wymowa[1], "");
    EXPECT_EQ(baza.wymowa[2], "");
    EXPECT_EQ(baza.wymowa[3], "");
    EXPECT_EQ(baza.wymowa[4], "00123");
    EXPECT_EQ(baza.pole_6[4], "p6");
    EXPECT_EQ(baza.pole_7[4], "p7");
    EXPECT_EQ(baza.znacznik_s[4], 1);
    EXPECT_EQ(baza.wymowa[5], "moje nagranie.wav");
    EXPECT_EQ(baza.max_id, 40001);
    // Sentences: a recording that is not a positive number is dropped too.
    EXPECT_EQ(baza.wymowa[baza.ile_slowek + 1], "60001");
    EXPECT_EQ(baza.wymowa[baza.ile_slowek + 2], "");
}

TEST_F(Items, DuplicateIdsFindTheLowerIndexAndIndexFollowsChanges) {
    load_words({item_line(1, false, 50, 1, 1, "first"), item_line(1, false, 51, 1, 1, "x"),
                item_line(1, false, 50, 1, 1, "second")});
    EXPECT_EQ(znajdz_slowko(50), 1);
    EXPECT_EQ(znajdz_slowko(51), 2);
    // A writer of the ID column rebuilds the index; a stale entry is caught too.
    baza.id_slowa[1] = 77;
    przebuduj_indeks();
    EXPECT_EQ(znajdz_slowko(77), 1);
    EXPECT_EQ(znajdz_slowko(50), 3);
    baza.id_slowa[3] = 78;
    EXPECT_EQ(znajdz_slowko(50), -1);
    EXPECT_EQ(znajdz_slowko(78), 3);
}

TEST_F(Items, MalformedNumberNamesFileAndLine) {
    const std::string good = item_line(1, false, 60100, 1, 1, "ok");
    struct Case {
        const char* file;
        std::string first;
        std::string bad_line;
        const char* where;
    } cases[] = {
        {"sba_slow.txt", good, "01  0x012 11 bad = zly", "sba_slow.txt jest uszkodzony (wiersz 2:"},
        {"sba_slow.txt", good, "xx  00012 11 bad = zly", "sba_slow.txt jest uszkodzony (wiersz 2:"},
        {"sba_slow.txt", good, "01  00012 a1 bad = zly", "sba_slow.txt jest uszkodzony (wiersz 2:"},
        {"zda.txt", good, "01  60012 1? bad = zly", "zda.txt jest uszkodzony (wiersz 2:"},
        {"coneca.txt", "", "abc = 60001 =", "coneca.txt jest uszkodzony (wiersz 2:"},
        {"gta_s.txt", "", "x = 0 = a = b = c =", "gta_s.txt jest uszkodzony (wiersz 2:"},
    };
    for (const auto& c : cases) {
        testsupport::reset_course_globals();
        f.lay_out();
        f.write_program(c.file, crlf({c.first, c.bad_line, "tail"}));
        try {
            f.start();
            FAIL() << c.bad_line;
        } catch (const core::ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
        }
        // The store stays consistent: nothing half-read is counted.
        for (int i = 1; i <= baza.ile_slow; ++i)
            EXPECT_GT(baza.id_slowa[i], 0);
    }
}

TEST_F(Items, MissingFilesAddNothing) {
    for (const char* name : {"sba_slow.txt", "zda.txt", "coneca.txt"})
        std::remove(f.dir.file(std::string("program/") + name).c_str());
    f.start();
    EXPECT_EQ(baza.ile_slow, 0);
    EXPECT_EQ(ile_powiazan, 0);
    EXPECT_EQ(ile_grup, 2);
    // A missing group file leaves the table as it was.
    std::remove(f.dir.file("program/gta_s.txt").c_str());
    wczytaj_grupy();
    EXPECT_EQ(ile_grup, 2);
    EXPECT_TRUE(f.messages.empty());
}

TEST_F(Items, LinkAndGroupLimits) {
    std::vector<std::string> links = {"1=2=", "1 = 2"}; // 7 characters or fewer: skipped
    for (int i = 0; i < MAX_POWIAZAN + 5; ++i)
        links.push_back(std::to_string(1000 + i) + " = 60001 =");
    f.write_program("coneca.txt", crlf(links));
    std::vector<std::string> groups;
    for (int i = 1; i <= MAX_GRUP + 3; ++i)
        groups.push_back(std::to_string(i) + " = 0 = t = G" + std::to_string(i) + " = u =");
    f.write_program("gta_s.txt", crlf(groups));
    f.start();
    EXPECT_EQ(ile_powiazan, MAX_POWIAZAN);
    EXPECT_EQ(powiazanie_slowo[1], 1000);
    EXPECT_EQ(ile_grup, MAX_GRUP);
    EXPECT_EQ(grupy[MAX_GRUP].nazwa, "G100");
    EXPECT_EQ(grupy[MAX_GRUP].tekst3, "u");
}

TEST_F(Items, OwnWordsRoundTripWithEscapesAndPolishLetters) {
    f.start();
    const std::string zolw = os::pl("żółw");
    const int i = ++baza.ile_slow;
    baza.wyczysc_pozycje(i);
    baza.grupa[i] = 5;
    baza.slowo_usera[i] = 1;
    baza.id_slowa[i] = 40001;
    baza.poziom[i] = 2;
    baza.rodzaj[i] = 1;
    baza.slowo_obce[i] = "a=b";
    baza.tlumaczenie[i] = zolw;
    baza.l_mnoga[i] = "pl#x";
    baza.synonimy[i] = "s1#s2";
    baza.uwagi[i] = "note=";
    baza.wymowa[i] = "moje.wav";
    baza.pole_6[i] = "lost";
    // Not written: a built-in item, an own item without foreign text or ID.
    const int j = ++baza.ile_slow;
    baza.wyczysc_pozycje(j);
    baza.slowo_usera[j] = 1;
    baza.id_slowa[j] = 40002;

    std::vector<std::pair<std::string, int>> progress;
    core::ui().progress_show = [&](const std::string& c, int p) { progress.push_back({c, p}); };
    core::ui().progress_hide = [&] { progress.push_back({"hide", -1}); };
    ASSERT_TRUE(zapisz_slowka_usera());
    ASSERT_EQ(progress.size(), 2u);
    EXPECT_EQ(progress[0].first, "Zapisuje...");
    EXPECT_EQ(progress[1].first, "hide");

    const std::string expected =
        "05 140001 21 a#b = " + zolw + " =pl#x= s1#s2= note# =moje.wav= = = =\r\n";
    EXPECT_EQ(f.read_program("sbusr.txt"), expected);

    wczytaj_dane();
    const int k = znajdz_slowko(40001);
    ASSERT_EQ(k, 4); // after the built-in words
    EXPECT_EQ(baza.ile_slowek, 4);
    EXPECT_EQ(baza.grupa[k], 5);
    EXPECT_EQ(baza.slowo_usera[k], 1);
    EXPECT_EQ(baza.poziom[k], 2);
    EXPECT_EQ(baza.rodzaj[k], 1);
    EXPECT_EQ(baza.slowo_obce[k], "a#b");
    EXPECT_EQ(baza.tlumaczenie[k], zolw);
    EXPECT_EQ(baza.l_mnoga[k], "pl#x");
    EXPECT_EQ(baza.synonimy[k], "s1#s2");
    EXPECT_EQ(baza.uwagi[k], "note#");
    EXPECT_EQ(baza.wymowa[k], "moje.wav");
    EXPECT_EQ(baza.pole_6[k], "");
    EXPECT_EQ(baza.pole_7[k], "");
    EXPECT_EQ(baza.znacznik_s[k], 0);
    EXPECT_EQ(baza.max_id, 40001);
    EXPECT_EQ(znajdz_slowko(40002), -1);
}

TEST_F(Items, FrenchForeignTextRoundTripsByteForByte) {
    // Windows-1252: "été", "cœur", "naïve" with bytes that differ from Windows-1250.
    const std::string fr = "\xE9t\xE9 c\x9C"
                           "ur na\xEF"
                           "ve \x80";
    f.write_program("sbusr.txt",
                    crlf({item_line(3, true, 40010, 1, 4, fr, {"lato", "", "", "", "x.wav"})}));
    f.start();
    const int k = znajdz_slowko(40010);
    ASSERT_GT(k, 0);
    EXPECT_EQ(baza.slowo_obce[k], fr);
    ASSERT_TRUE(zapisz_slowka_usera());
    EXPECT_NE(f.read_program("sbusr.txt").find(fr), std::string::npos);
    wczytaj_dane();
    EXPECT_EQ(baza.slowo_obce[znajdz_slowko(40010)], fr);
}

TEST_F(Items, OwnWordsBeyondTheCapAreKeptOnRewrite) {
    std::vector<std::string> words;
    for (int id = 1; id < MAX_SLOW; ++id)
        words.push_back(item_line(1, false, id, 1, 1, "w" + std::to_string(id)));
    f.write_program("sba_slow.txt", crlf(words));
    const std::string own1 = item_line(2, true, 40001, 1, 1, "loaded", {"ok"});
    const std::string own2 = item_line(2, true, 40002, 1, 1, "kept one", {"a"});
    const std::string own3 = "  " + item_line(2, true, 40007, 1, 1, "kept two", {"b"});
    f.write_program("sbusr.txt", crlf({own1, own2, "short", own3}));
    f.start();
    ASSERT_EQ(baza.ile_slow, MAX_SLOW);
    EXPECT_EQ(baza.ile_slowek, MAX_SLOW);
    EXPECT_EQ(baza.slowo_obce[MAX_SLOW], "loaded");
    EXPECT_EQ(znajdz_slowko(40002), -1);
    EXPECT_EQ(baza.max_id, 40007); // the kept IDs still count as taken

    baza.tlumaczenie[MAX_SLOW] = "changed";
    ASSERT_TRUE(zapisz_slowka_usera());
    // A line too short for an item is no item, and is kept as it was read too.
    const auto lines = os::read_lines(f.program() + "sbusr.txt");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("loaded = changed"), std::string::npos);
    EXPECT_EQ(lines[1], own2);
    EXPECT_EQ(lines[2], "short");
    EXPECT_EQ(lines[3], own3);
}

TEST_F(Items, FailedWriteKeepsTheOldFileAndReports) {
    f.write_program("sbusr.txt", crlf({item_line(2, true, 40001, 1, 1, "old")}));
    f.write_program("kom_user.txt", "101 = old\r\n");
    f.start();
    const std::string old_words = f.read_program("sbusr.txt");
    baza.slowo_obce[znajdz_slowko(40001)] = "new";
    baza.komentarz[1] = "new";
    int hides = 0;
    core::ui().progress_hide = [&] { ++hides; };
    os::set_atomic_fail_hook([](const std::string& step) { return step == "rename"; });
    EXPECT_FALSE(zapisz_slowka_usera());
    EXPECT_FALSE(zapisz_komentarze());
    os::set_atomic_fail_hook({});
    EXPECT_EQ(hides, 1);
    EXPECT_EQ(f.messages.size(), 2u);
    EXPECT_EQ(f.read_program("sbusr.txt"), old_words);
    EXPECT_EQ(f.read_program("kom_user.txt"), "101 = old\r\n");
}

// Own words whose fixed columns are not numbers: the later lines still load,
// the file and its copy are named, and the rewrite keeps the line as it was
// read beside what the learner changed; its ID stays taken.
TEST_F(Items, OwnWordLinesOfBadColumnsAreKeptAndTheRestLoads) {
    const std::string bad_group = "zz 140007 11 bad = x";
    const std::string bad_id = "02 14x008 11 worse = y";
    const std::string own = crlf({item_line(2, true, 40001, 1, 1, "a"), bad_group, bad_id,
                                  item_line(2, true, 40002, 1, 1, "b")});
    f.write_program("sbusr.txt", own);
    f.start();
    EXPECT_GE(znajdz_slowko(40001), 1);
    EXPECT_GE(znajdz_slowko(40002), 1);
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_NE(f.messages[0].find(f.program() + "sbusr.txt "), std::string::npos) << f.messages[0];
    EXPECT_NE(f.messages[0].find(f.program() + "sbusr.txt.uszkodzony"), std::string::npos);
    EXPECT_EQ(f.read_program("sbusr.txt.uszkodzony"), own);
    EXPECT_EQ(id_zachowanych_slowek_usera(), std::vector<int32_t>{40007});
    EXPECT_FALSE(baza_niepelna());

    baza.tlumaczenie[znajdz_slowko(40002)] = "zmienione";
    ASSERT_TRUE(zapisz_slowka_usera());
    const auto lines = os::split_lines(f.read_program("sbusr.txt"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[1].find("zmienione"), std::string::npos);
    EXPECT_EQ(lines[2], bad_group);
    EXPECT_EQ(lines[3], bad_id);
}

TEST_F(Items, UnreadableLearnerFilesAreNeverWrittenOver) {
    struct Case {
        const char* file;
        std::string bytes;
        bool (*save)();
    } cases[] = {
        {"sbusr.txt", crlf({item_line(2, true, 40001, 1, 1, "a")}), zapisz_slowka_usera},
        {"kom_user.txt", "101 = keep\r\n", zapisz_komentarze},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testsupport::reset_course_globals();
        f.lay_out();
        f.write_program(c.file, c.bytes);
        if (!testsupport::make_unreadable(f.program() + c.file))
            GTEST_SKIP() << "this process reads every file";
        f.messages.clear();
        f.start(); // the course loads; the learner file is reported
        EXPECT_GT(znajdz_slowko(60002), 0);
        ASSERT_EQ(f.messages.size(), 1u);
        EXPECT_NE(f.messages[0].find(f.program() + c.file), std::string::npos);
        EXPECT_FALSE(c.save());
        EXPECT_EQ(f.messages.size(), 1u); // the refusal is not shown again
        ::chmod((f.program() + c.file).c_str(), 0600);
        EXPECT_EQ(f.read_program(c.file), c.bytes);
    }
}

TEST_F(Items, CommentsReadAndWrite) {
    f.write_program("kom_user.txt", crlf({"101 = nice = really", "abc", "99999 = orphan",
                                          "60001=  s  ", "1=", "102 = two"}));
    f.start();
    EXPECT_EQ(baza.komentarz[1], "nice = really");
    EXPECT_EQ(baza.komentarz[4], "s");
    EXPECT_EQ(baza.komentarz[3], "");
    // At most ile_slow lines are applied: the sixth is beyond the five items.
    EXPECT_EQ(baza.komentarz[2], "");
    baza.komentarz[1] = "changed";
    baza.komentarz[3] = os::pl("żółty");
    komentarze_zmienione = true;
    ASSERT_TRUE(zapisz_komentarze());
    EXPECT_FALSE(komentarze_zmienione);
    // Lines the store did not take are kept after its own: those for items it
    // does not hold, those it does not understand, and those beyond the limit
    // that no new comment replaces.
    EXPECT_EQ(f.read_program("kom_user.txt"),
              crlf({"101 = changed", "103 = " + os::pl("żółty"), "60001 = s", "abc", "99999 = orphan",
                    "1=", "102 = two"}));
    baza.komentarz[2] = "new";
    ASSERT_TRUE(zapisz_komentarze());
    EXPECT_EQ(f.read_program("kom_user.txt"),
              crlf({"101 = changed", "102 = new", "103 = " + os::pl("żółty"), "60001 = s", "abc",
                    "99999 = orphan", "1="}));
}

// A line without "=" (a 10 MB line among them) or whose ID is not a number
// (a NUL in it) is no comment: the later lines still load, the file is named,
// its damaged original kept beside it, and the line written back.
TEST_F(Items, LinesOfNoIdAreNamedKeptBesideAndWrittenBack) {
    const std::string big(10 << 20, 'k');
    for (const std::string& bad : {big, std::string("1a2 = not a number"), std::string("6\0) = x", 7)})
        for (const char* name : {"kom_user.txt", "korekta_dane.txt"}) {
            SCOPED_TRACE(name + (" " + bad.substr(0, 20)));
            testsupport::reset_course_globals();
            f.lay_out();
            f.write_program("korekta_panel.cfg", "");
            const std::string damaged = crlf({"101 = a = 1000 =b=", bad, "103 = c = 0100 =d="});
            f.write_program(name, damaged);
            f.messages.clear();
            f.start();
            EXPECT_TRUE(std::string(name) == "kom_user.txt" ? !baza.komentarz[3].empty()
                                                            : baza.ma_korekte[3] == 1);
            ASSERT_EQ(f.messages.size(), 1u);
            EXPECT_NE(f.messages[0].find(f.program() + name + " "), std::string::npos);
            EXPECT_NE(f.messages[0].find(f.program() + name + ".uszkodzony"), std::string::npos);
            EXPECT_LT(f.messages[0].size(), 2 * f.program().size() + 300);
            EXPECT_EQ(f.read_program(std::string(name) + ".uszkodzony"), damaged);
            baza.komentarz[2] = "c";
            baza.ma_korekte[2] = 1;
            ASSERT_TRUE(zapisz_komentarze());
            ASSERT_TRUE(zapisz_korekte());
            const auto lines = os::split_lines(f.read_program(name));
            EXPECT_EQ(lines.back(), bad);
            EXPECT_EQ(lines.size(), 4u);
            for (const char* kopia : {".uszkodzony", ""})
                std::filesystem::remove(f.program() + name + kopia);
        }
}

TEST_F(Items, CorrectionDataOnlyInCorrectionMode) {
    f.write_program("korekta_dane.txt",
                    crlf({"101 = fix it = 1010 =other=", "5 = none = 1111 ==", "60002 = t = 01"}));
    f.start();
    EXPECT_FALSE(tryb_korekty);
    EXPECT_EQ(baza.ma_korekte[1], 0);
    EXPECT_TRUE(zapisz_korekte()); // nothing to do outside correction mode

    f.write_program("korekta_panel.cfg", "");
    wczytaj_dane();
    ASSERT_TRUE(tryb_korekty);
    EXPECT_EQ(baza.ma_korekte[1], 1);
    EXPECT_EQ(baza.korekta_tekst1[1], "fix it");
    EXPECT_EQ(baza.korekta_tekst2[1], "other");
    EXPECT_EQ(baza.korekta_flagi[1], (std::array<bool, 4>{true, false, true, false}));
    EXPECT_EQ(baza.korekta_flagi[5], (std::array<bool, 4>{false, true, false, false}));
    baza.ma_korekte[2] = 1;
    baza.korekta_flagi[2] = {false, false, false, true};
    baza.korekta_tekst1[2] = "x=y";
    baza.korekta_tekst2[2] = "=";
    ASSERT_TRUE(zapisz_korekte());
    // An "=" inside a text is written as "#", so the fields stay in place.
    EXPECT_EQ(f.read_program("korekta_dane.txt"),
              crlf({"101 = fix it = 1010 =other=", "102 = x#y = 0001 =#=", "60002 = t = 0100 ==",
                    "5 = none = 1111 =="}));
    czytaj_korekte();
    EXPECT_EQ(baza.korekta_tekst1[2], "x#y");
    EXPECT_EQ(baza.korekta_flagi[2], (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(baza.korekta_tekst2[2], "#");
}

TEST_F(Items, SentenceSearchText) {
    f.write_program("zda.txt", os::pl(crlf({item_line(1, false, 60001, 1, 5, "I <GO>  Żółw.")})));
    f.start();
    przygotuj_zdania();
    EXPECT_EQ(baza.tekst_szukania[baza.ile_slowek + 1], os::pl("i go żółw."));
    EXPECT_EQ(baza.tekst_szukania[1], "");
}

} // namespace
