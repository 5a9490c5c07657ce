#include "core/exercises.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/settings.h"
#include "core/course_fixture.h"
#include "platform/os/atomic_file.h"

using testsupport::crlf;

namespace {

// The demo course loaded, messages of the info box collected, and every run
// global cleared before and after.
class ExercisesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        course.lay_out();
        course.start();
        core::ui().info = [this](const std::string& t) { info.push_back(t); };
        clear_run();
    }
    void TearDown() override {
        os::set_atomic_fail_hook({});
        clear_run();
    }
    static void clear_run() {
        ustawienia = TUstawienia{};
        lista_id.fill(0);
        lista_cwiczenia.fill(0);
        ile_w_liscie = 0;
        wybrany_typ = 0;
        tryb_lekcji = 0;
        lista_gotowa = 0;
    }
    static void set_list(const std::vector<int>& ids) {
        ile_w_liscie = static_cast<int>(ids.size());
        for (size_t k = 0; k < ids.size(); ++k)
            lista_id[k + 1] = ids[k];
    }
    static std::vector<int> ids() {
        return {lista_id.begin() + 1, lista_id.begin() + 1 + ile_w_liscie};
    }
    static std::vector<int> run() {
        return {lista_cwiczenia.begin() + 1, lista_cwiczenia.begin() + 1 + ile_w_liscie};
    }

    testsupport::CourseFixture course;
    std::vector<std::string> info;
};

// ---- czytaj_liste_id ----

TEST_F(ExercisesTest, ListFileSkipsHeaderNonPositiveAndRepeatedIds) {
    std::vector<std::string> lines(10, "header");
    lines.insert(lines.end(), {"5", "7", "5", "0", "-3", " 9 "});
    course.write_program("slow.txt", crlf(lines));
    wybrany_typ = 6;
    czytaj_liste_id(course.program() + "slow.txt");
    EXPECT_EQ(ids(), (std::vector<int>{5, 7, 9}));
    EXPECT_EQ(wybrany_typ, 0);
}

TEST_F(ExercisesTest, ListFileStopsAt300AndSkipsABadLineWithAMessage) {
    std::vector<std::string> lines(10, "");
    lines.push_back("abc");
    for (int id = 1; id <= 320; ++id)
        lines.push_back(std::to_string(id));
    course.write_program("slow.txt", crlf(lines));
    czytaj_liste_id(course.program() + "slow.txt");
    ASSERT_EQ(ile_w_liscie, 300);
    EXPECT_EQ(lista_id[1], 1);
    EXPECT_EQ(lista_id[300], 300);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info[0].find("slow.txt jest uszkodzony (wiersz 11:"), std::string::npos) << info[0];
}

TEST_F(ExercisesTest, ListFileMissingOrOnlyHeaderGivesEmptyList) {
    ile_w_liscie = 4;
    czytaj_liste_id(course.program() + "none.txt");
    EXPECT_EQ(ile_w_liscie, 0);
    course.write_program("slow.txt", crlf(std::vector<std::string>(10, "5")));
    czytaj_liste_id(course.program() + "slow.txt");
    EXPECT_EQ(ile_w_liscie, 0);
}

// ---- czytaj_cwiczenie ----

TEST_F(ExercisesTest, ReadsExerciseCellsByNameFromTheRightFile) {
    course.write_program("cwa_s.txt", crlf({"7=010-1-a=Title=00101=00102",
                                            "7= 010-1-B =Blank cells=00103 00102 00101 ",
                                            "7=010-1-b=Second with that name=00101"}));
    course.write_program("cwa_su.txt", crlf({"9=203-2-0001=Own=00103=60001"}));
    struct Case {
        std::string name;
        std::vector<int> want;
    } cases[] = {
        {"010-1-a", {101, 102}},
        {" 010-1-b", {103, 102, 101}}, // the first line with the key
        {"203-2-0001", {103, 60001}},  // own exercises come from cw?_su.txt
        {"010-1-z", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        wybrany_typ = 4;
        czytaj_cwiczenie(c.name);
        EXPECT_EQ(ids(), c.want) << c.name;
        EXPECT_EQ(wybrany_typ, 0);
    }
    EXPECT_TRUE(info.empty());
}

TEST_F(ExercisesTest, ExerciseStopsAt300ItemsAndSkipsABadCell) {
    std::string line = "7=010-1-a=Big=0abc1";
    for (int id = 1; id <= 305; ++id)
        line += "=" + liczba_z_zerami(5, id);
    course.write_program("cwa_s.txt", crlf({line}));
    czytaj_cwiczenie("010-1-a");
    ASSERT_EQ(ile_w_liscie, 300);
    EXPECT_EQ(lista_id[1], 1);
    EXPECT_EQ(lista_id[300], 300);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info[0].find("cwa_s.txt jest uszkodzony (wiersz 1:"), std::string::npos) << info[0];
}

TEST_F(ExercisesTest, LeftoverTemporaryFileIsTheOwnListWhenTheListIsMissing) {
    course.write_program("cw_tmp.txt", crlf({"9=203-2-0003=Own=00102"}));
    czytaj_cwiczenie("203-2-0003");
    EXPECT_EQ(ids(), (std::vector<int>{102}));

    course.write_program("cwa_su.txt", crlf({"9=203-2-0001=Other=00101"}));
    czytaj_cwiczenie("203-2-0003");
    EXPECT_EQ(ile_w_liscie, 0); // a present list wins over the leftover
}

// ---- zapisz_cwiczenie_usera ----

TEST_F(ExercisesTest, FirstOwnExerciseCreatesTheListWithKey0001) {
    set_list({101, 60002});
    EXPECT_TRUE(zapisz_cwiczenie_usera("203-2", "Moje", 1));
    EXPECT_EQ(course.read_program("cwa_su.txt"), "9=203-2-0001=Moje=00101=60002\r\n");
}

TEST_F(ExercisesTest, SavingAndDeletingOwnExercises) {
    const std::string base = crlf({"9=201-1-0001=A=00101", "9=203-2-0004=B=00102",
                                   "9=203-2-abcd=Not a number=00103", "9=x=C=00101"});
    struct Case {
        const char* what;
        std::string name;
        int mode;
        std::vector<std::string> want;
    } cases[] = {
        {"new key after the highest",
         "203-2",
         1,
         {"9=201-1-0001=A=00101", "9=203-2-0004=B=00102", "9=203-2-abcd=Not a number=00103",
          "9=x=C=00101", "9=203-2-0005=Nowy=00103"}},
        {"replace by key, case and blanks ignored",
         " 203-2-0004 ",
         1,
         {"9=201-1-0001=A=00101", os::pl("9= 203-2-0004 = Ćwiczenie usera [Nowy]=00103"),
          "9=203-2-abcd=Not a number=00103", "9=x=C=00101"}},
        {"delete",
         "203-2-0004",
         0,
         {"9=201-1-0001=A=00101", "9=203-2-abcd=Not a number=00103", "9=x=C=00101"}},
        {"delete of an unknown key keeps the file", "203-2-0009", 0, {}},
    };
    for (const Case& c : cases) {
        course.write_program("cwa_su.txt", base);
        set_list({103});
        EXPECT_TRUE(zapisz_cwiczenie_usera(c.name, "Nowy", c.mode)) << c.what;
        EXPECT_EQ(course.read_program("cwa_su.txt"), c.want.empty() ? base : crlf(c.want))
            << c.what;
    }
    EXPECT_FALSE(course.dir.exists("program/cw_tmp.txt"));
}

TEST_F(ExercisesTest, LongOwnNamesMatchByTheirFirst24Characters) {
    // The statistics row holds the name cut to 24 characters.
    const std::string key = "203-2-very-long-name-of-an-exercise-0002";
    course.write_program("cwa_su.txt", crlf({"9=" + key + "=Long=00101", "9=201-1-0001=A=00102"}));
    czytaj_cwiczenie(key.substr(0, 24));
    EXPECT_EQ(ids(), (std::vector<int>{101}));
    EXPECT_TRUE(zapisz_cwiczenie_usera(key.substr(0, 24), "", 0));
    EXPECT_EQ(course.read_program("cwa_su.txt"), crlf({"9=201-1-0001=A=00102"}));
}

TEST_F(ExercisesTest, FailedOwnListWriteKeepsTheOldFile) {
    const std::string old = crlf({"9=203-2-0001=A=00101"});
    course.write_program("cwa_su.txt", old);
    for (const char* step : {"open", "write", "flush", "rename"}) {
        info.clear();
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        set_list({102});
        EXPECT_FALSE(zapisz_cwiczenie_usera("203-2", "B", 1)) << step;
        EXPECT_EQ(course.read_program("cwa_su.txt"), old) << step;
        EXPECT_EQ(info.size(), 1u) << step;
    }
}

TEST_F(ExercisesTest, AnEqualsSignInTheTitleKeepsTheCellsInPlace) {
    set_list({101, 102});
    EXPECT_TRUE(zapisz_cwiczenie_usera("203-2", "a=b", 1));
    EXPECT_TRUE(zapisz_cwiczenie_usera("203-2-0001", "c=d", 1));
    EXPECT_TRUE(zapisz_cwiczenie_usera("203-2", "e=f", 1));
    EXPECT_EQ(course.read_program("cwa_su.txt"),
              crlf({os::pl("9=203-2-0001= Ćwiczenie usera [c#d]=00101=00102"),
                    "9=203-2-0002=e#f=00101=00102"}));
    czytaj_cwiczenie("203-2-0002");
    EXPECT_EQ(ids(), (std::vector<int>{101, 102}));
    EXPECT_TRUE(info.empty());
}

TEST_F(ExercisesTest, AnUnreadableOwnListIsNotWrittenOver) {
    const std::string old = crlf({"9=203-2-0001=A=00101"});
    course.write_program("cwa_su.txt", old);
    if (!testsupport::make_unreadable(course.program() + "cwa_su.txt"))
        GTEST_SKIP() << "this process reads every file";
    set_list({102});
    EXPECT_FALSE(zapisz_cwiczenie_usera("203-2", "B", 1));
    EXPECT_FALSE(zapisz_cwiczenie_usera("203-2-0001", "", 0));
    czytaj_cwiczenie("203-2-0001");
    EXPECT_EQ(ile_w_liscie, 0);
    EXPECT_EQ(info.size(), 3u);
    ::chmod((course.program() + "cwa_su.txt").c_str(), 0600);
    EXPECT_EQ(course.read_program("cwa_su.txt"), old);
}

TEST_F(ExercisesTest, ADamagedOwnListIsNeitherRewrittenNorDeletedFrom) {
    // Cut short in its second line, without line ends of the program's own.
    const std::string old = "9=203-2-0001=A=00101\n9=203-2";
    course.write_program("cwa_su.txt", old);
    set_list({102});
    EXPECT_FALSE(zapisz_cwiczenie_usera("203-2", "B", 1));
    EXPECT_FALSE(zapisz_cwiczenie_usera("203-2-0001", "", 0));
    ASSERT_EQ(info.size(), 2u);
    EXPECT_NE(info[0].find(course.program() + "cwa_su.txt"), std::string::npos) << info[0];
    EXPECT_EQ(course.read_program("cwa_su.txt"), old);
    czytaj_cwiczenie("203-2-0001"); // still read
    EXPECT_EQ(ids(), (std::vector<int>{101}));
}

TEST_F(ExercisesTest, EmptyListIsNotSaved) {
    EXPECT_FALSE(zapisz_cwiczenie_usera("203-2", "A", 1));
    EXPECT_EQ(info, (std::vector<std::string>{os::pl("Brak słówek do zapisu ćwiczenia!")}));
    EXPECT_FALSE(course.dir.exists("program/cwa_su.txt"));
}

TEST_F(ExercisesTest, SavingOverALeftoverTemporaryFileKeepsItsExercises) {
    course.write_program("cw_tmp.txt", crlf({"9=203-2-0002=A=00101"}));
    set_list({102});
    EXPECT_TRUE(zapisz_cwiczenie_usera("203-2", "B", 1));
    EXPECT_EQ(course.read_program("cwa_su.txt"),
              crlf({"9=203-2-0002=A=00101", "9=203-2-0003=B=00102"}));
}

// ---- wybierz_do_cwiczenia ----

TEST_F(ExercisesTest, RunBuildingAddsLinkedSentencesOnlyWhenAsked) {
    // Links of the course: 102 -> 60001, 103 -> 60002, 101 -> 60002.
    struct Case {
        int setting;
        std::vector<int> want_ids;
    } cases[] = {
        {0, {101, 102, 103}}, {1, {101, 102, 103, 60002, 60001}}, // the shared sentence once
    };
    for (const Case& c : cases) {
        ustawienia.linia[36] = c.setting;
        set_list({101, 102, 103});
        wybierz_do_cwiczenia();
        EXPECT_EQ(ids(), c.want_ids);
        std::vector<int> want_run;
        for (int id : c.want_ids)
            want_run.push_back(znajdz_slowko(id));
        EXPECT_EQ(run(), want_run);
        EXPECT_EQ(tryb_lekcji, 1);
        EXPECT_EQ(lista_gotowa, 1);
    }
}

TEST_F(ExercisesTest, RunBuildingDropsUnknownIdsKeepingTheOrder) {
    set_list({101, 99999, 102, 77777, 103});
    wybierz_do_cwiczenia();
    EXPECT_EQ(ids(), (std::vector<int>{101, 102, 103}));
    EXPECT_EQ(run(),
              (std::vector<int>{znajdz_slowko(101), znajdz_slowko(102), znajdz_slowko(103)}));
    EXPECT_EQ(lista_cwiczenia[4], 0);

    set_list({99999});
    wybierz_do_cwiczenia();
    EXPECT_EQ(ile_w_liscie, 0);
}

TEST_F(ExercisesTest, FullRunListIsNotOverwrittenByLinkedSentences) {
    ustawienia.linia[36] = 1;
    std::vector<int> full(MAX_LISTA, 102);
    full.front() = 101;
    full.back() = 103;
    set_list(full);
    wybierz_do_cwiczenia();
    ASSERT_EQ(ile_w_liscie, MAX_LISTA);
    EXPECT_EQ(lista_id[MAX_LISTA], 103);
    EXPECT_EQ(lista_cwiczenia[MAX_LISTA], znajdz_slowko(103));
}

// ---- Interlude sets ----

TEST_F(ExercisesTest, InterludeSets) {
    auto bfile = [&](int k, const std::string& kind, const std::string& data,
                     const std::string& period) {
        course.write_program(
            "b" + std::to_string(k) + ".txt",
            crlf({" Title " + std::to_string(k) + " ", " " + kind + " ", data, period}));
    };
    std::vector<std::string> pictures = {"short", "no equals sign here",
                                         " z2103001 =a=b=Caption=tail", "z2103002=a=b==Tail text;",
                                         "z2103003=a=b=c"};
    for (int n = 0; n < 400; ++n)
        pictures.push_back("z2" + liczba_z_zerami(6, n) + "=x=y=Row=");
    std::vector<std::string> sayings = {" Saying = s1.wav = Przysłowie = Opis ", ""};
    for (int n = 0; n < 250; ++n)
        sayings.push_back("s=r=t=d");
    course.write_program("zd1.txt", crlf(pictures));
    course.write_program("sent.txt", os::pl(crlf(sayings)));
    bfile(1, "zd1", "zd1.txt", "0");
    // b2.txt is missing.
    bfile(3, "sent1", "sent.txt", "4");
    bfile(4, "koj", "", "2");
    bfile(5, "zd2", "absent.txt", "");
    bfile(6, "zd1", "zd1.txt", "x");
    bfile(7, "ZD1", "zd1.txt", "1");
    wczytaj_przerywniki();

    struct Case {
        bool jest;
        int rodzaj;
        int okres;
        int ile;
    } want[] = {{},
                {true, PRZ_OBRAZKI_1, 1, MAX_OBRAZKOW},
                {false, PRZ_BRAK, 1, 0},
                {true, PRZ_SENTENCJE, 4, MAX_SENTENCJI},
                {true, PRZ_KOJARZENIE, 2, 0},
                {true, PRZ_OBRAZKI_2, 1, 0},
                {false, PRZ_BRAK, 1, 0}, // a period that is not a number
                {true, PRZ_BRAK, 1, 0}}; // keywords are compared exactly
    for (int k = 1; k <= MAX_PRZERYWNIKOW; ++k) {
        const TPrzerywnik& s = przerywniki[k];
        EXPECT_EQ(s.jest, want[k].jest) << k;
        EXPECT_EQ(s.rodzaj, want[k].rodzaj) << k;
        EXPECT_EQ(s.okres, want[k].okres) << k;
        EXPECT_EQ(s.ile, want[k].ile) << k;
    }
    EXPECT_EQ(przerywniki[1].tytul, "Title 1");
    EXPECT_EQ(info.size(), 1u); // b6.txt's period

    const TPrzerywnik& p = przerywniki[1];
    EXPECT_EQ(p.kod[1], "z2103001");
    EXPECT_EQ(p.opis[1], "Caption");
    EXPECT_EQ(p.kod[2], "z2103002");
    EXPECT_EQ(p.opis[2], "Tail text"); // after the fourth "=", last character dropped
    EXPECT_EQ(p.opis[3], "");          // no fourth "="

    const TPrzerywnik& s = przerywniki[3];
    EXPECT_EQ(s.sentencja[1], "Saying");
    EXPECT_EQ(s.nagranie[1], "s1.wav");
    EXPECT_EQ(s.tlumaczenie[1], os::pl("Przysłowie"));
    EXPECT_EQ(s.opis[1], "Opis");
    EXPECT_EQ(s.sentencja[2], "s"); // the blank line is skipped
}

// ---- Backgrounds ----

TEST_F(ExercisesTest, NoBackgroundsGiveNone) {
    tla_cwiczen[1] = "stale";
    ile_tel = 1;
    czytaj_tla();
    EXPECT_EQ(ile_tel, 0);
    EXPECT_EQ(biezace_tlo, 0);
    EXPECT_EQ(tla_cwiczen[1], "");
}

TEST_F(ExercisesTest, BackgroundsFromBothFoldersCappedAt200) {
    course.write_program("cw_tla_s/a.bmp", "b");
    course.write_program("cw_tla_s/readme.txt", "x");
    for (int n = 0; n < 205; ++n)
        course.write_disc("cw_tla_s/d" + std::to_string(n) + ".BMP", "b");
    czytaj_tla();
    ASSERT_EQ(ile_tel, MAX_TEL);
    EXPECT_EQ(tla_cwiczen[1], course.program() + "cw_tla_s/a.bmp");
    EXPECT_GE(biezace_tlo, 1);
    EXPECT_LE(biezace_tlo, MAX_TEL);
}

TEST_F(ExercisesTest, SentenceTypeNamesFollowTheEditionLanguage) {
    jezyk_edycji = 2;
    EXPECT_EQ(nazwa_cwiczenia(13), os::pl("Zdania - tłumaczenie (n->p)"));
    EXPECT_EQ(nazwa_cwiczenia(14), os::pl("Zdania - tłumaczenie (p->n)"));
    EXPECT_EQ(nazwa_cwiczenia(15), "");
}

} // namespace
