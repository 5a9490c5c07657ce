// The exercise engine over a hand-made run plan: the shuffle, the walk over
// the positions, the verdicts of every answer form, acceptance and counters.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/exercises.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/random.h"
#include "trainer/form4_places.h"
#include "trainer_logic/exercise_engine.h"
#include "trainer_logic/run_plan.h"
#include "trainer/small_store.h"

namespace {

using testsupport::Pozycja;
using testsupport::SmallStore;
using testsupport::StalyMiernik;

std::string u8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

struct Uslugi : UslugiCwiczenia {
    std::vector<std::string> dzwieki; // "path" or "path (wait)"
    std::vector<std::string> informacje;
    int zamkniecia = 0, przerywniki = 0;
    void graj(const std::string& plik, bool czekaj) override {
        dzwieki.push_back(plik + (czekaj ? " (wait)" : ""));
    }
    void informacja(const std::string& t) override { informacje.push_back(u8(t)); }
    void zamknij() override { ++zamkniecia; }
    void przerywnik() override { ++przerywniki; }
};

// A plan over the given item indexes with `wymagane` answers in slot `typ`.
TPlan plan_dla(const std::vector<int>& pozycje, int typ, int wymagane = 1) {
    TPlan p;
    p.ile_w_planie = static_cast<int>(pozycje.size());
    for (int k = 1; k <= p.ile_w_planie; ++k) {
        p.pozycje_planu[k] = pozycje[k - 1];
        p.plan_cwiczenia[k].typ[typ] = {wymagane, 0, 0};
    }
    return p;
}

class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        tryb_lekcji = 1;
        sciezka_programu = "/program/";
        house = store.add({1, 1, "house", os::pl("dom"), 1, "houses", "", "a note", "1001"});
        flat = store.add({2, 1, "flat", "mieszkanie", 1, "flats", "apartment", "", "1002", "", "",
                          "", "my comment"});
        go = store.add({3, 3, "go", os::pl("iść"), 1, "", "leave", "", ""});
        for (const char* w : {"hat", "hen", "hill", "horse", "fan", "fog", "fig"})
            store.add({++id, 1, w, std::string("p-") + w, 1, "", "", "", "1"});
        two = store.add({60001, 5, "We need <potatoes> and <tomatoes>.", "ziemniaki", 1, "",
                         "potatoes#tomatoes/tomatos", "", "", "", "", ""});
        keys = store.add({60002, 5, "I can't find my <keys>.", "klucze", 1, "", "keys", "", "2002",
                          "", "", "walls/weather/hungry/keys"});
        ile_ss = 1;
        ss_klucze[1] = "can't";
        ss_wartosci[1] = "cannot";
    }
    void TearDown() override { tryb_lekcji = 0; }
    void start(const std::vector<int>& pozycje, int typ, int wymagane = 1) {
        plan = plan_dla(pozycje, typ, wymagane);
        silnik.start(typ);
    }
    const Ekran& e() const { return silnik.ekran(); }
    TSlotPlanu& slot(int k) { return plan.plan_cwiczenia[k].typ[silnik.typ()]; }

    SmallStore store;
    StalyMiernik m;
    Uslugi u;
    TPlan plan;
    SilnikCwiczenia silnik{plan, u, m};
    int id = 100;
    int house = 0, flat = 0, go = 0, two = 0, keys = 0;
};

TEST(RunShuffle, SwapCounts) {
    struct Case {
        int n, k;
    } cases[] = {{0, 0}, {4, 0}, {5, 5}, {6, 5}, {9, 5}, {10, 6}, {20, 12}, {300, 180}};
    for (const Case& c : cases)
        EXPECT_EQ(ile_zamian(c.n), c.k) << c.n;
}

TEST(RunShuffle, WholeRowsMoveAndRunsOfFourStay) {
    for (int n : {4, 5, 20}) {
        SCOPED_TRACE(n);
        TPlan p;
        p.ile_w_planie = n;
        for (int k = 1; k <= n; ++k) {
            p.pozycje_planu[k] = 100 + k;
            p.plan_cwiczenia[k].typ[3] = {k, 10 * k, 0};
        }
        os::set_rand_seed(7);
        tasuj_plan(p);
        std::vector<int> pozycje;
        for (int k = 1; k <= n; ++k) {
            const int pierwotna = p.pozycje_planu[k] - 100;
            pozycje.push_back(pierwotna);
            EXPECT_EQ(p.plan_cwiczenia[k].typ[3].pozostalo, pierwotna);
            EXPECT_EQ(p.plan_cwiczenia[k].typ[3].proby, 10 * pierwotna);
        }
        std::vector<int> posortowane = pozycje;
        std::sort(posortowane.begin(), posortowane.end());
        for (int k = 1; k <= n; ++k)
            EXPECT_EQ(posortowane[k - 1], k);
        if (n == 4) {
            EXPECT_EQ(pozycje, (std::vector<int>{1, 2, 3, 4}));
        } else {
            EXPECT_NE(pozycje, posortowane);
        }
    }
}

TEST_F(Engine, WalksThePositionsWithWorkAndWraps) {
    plan = plan_dla({house, flat, go, 0}, 6);
    plan.plan_cwiczenia[2].typ[6] = {};        // no work for flat
    plan.plan_cwiczenia[4].typ[6] = {1, 0, 0}; // work for an item not in the store
    silnik.start(6);
    ASSERT_EQ(silnik.kursor(), 1);
    EXPECT_EQ(silnik.biezace_slowko(), house);
    EXPECT_EQ(silnik.ilosc(), 3);
    silnik.Sprawdz_wpisane("hause"); // wrong: house stays to do
    silnik.I_OKClick("", {});
    EXPECT_EQ(silnik.kursor(), 3);
    silnik.Sprawdz_wpisane("go");
    silnik.I_OKClick("", {});
    // Position 4 is skipped, the walk wraps to house again.
    EXPECT_EQ(silnik.kursor(), 1);
    EXPECT_EQ(u.zamkniecia, 0);
    silnik.Sprawdz_wpisane("house");
    silnik.I_OKClick("", {});
    EXPECT_EQ(u.zamkniecia, 1);
    EXPECT_EQ(silnik.kursor(), 1);
}

TEST_F(Engine, ARunWithNoWorkClosesAtOnce) {
    start({house, flat}, 6, 0);
    EXPECT_EQ(u.zamkniecia, 1);
    EXPECT_EQ(silnik.ilosc(), 0);
}

TEST_F(Engine, ChoiceVerdictsAndTheFourthChoice) {
    start({house}, 4);
    ASSERT_EQ(e().odp_widoczna, (std::array<bool, 4>{true, true, true, true}));
    // Pick a wrong choice, then make sure the right one sits on every place
    // for some seed, choice 4 included.
    const int zla = silnik.pytanie().poprawny_wybor == 1 ? 2 : 1;
    silnik.Sprawdz_wybor(zla);
    EXPECT_FALSE(silnik.werdykt());
    EXPECT_EQ(silnik.odpowiedz(), e().odp[zla - 1]);
    EXPECT_EQ(e().odp_widoczna, (std::array<bool, 4>{}));
    EXPECT_EQ(e().polecenie, "Poprawnie:");
    EXPECT_TRUE(e().polecenie_czerwone);
    EXPECT_EQ(e().poprawna.tekst, "house");
    EXPECT_EQ(u.dzwieki.back(), "/disc/bsslow3/D_01\\dd_010\\01001.wav");
    EXPECT_EQ(u.dzwieki.end()[-2], "/program/zla.wav (wait)");
    EXPECT_EQ(slot(1).proby, 1);
    EXPECT_EQ(slot(1).pozostalo, 1);
    silnik.Sprawdz_wybor(silnik.pytanie().poprawny_wybor); // answered: ignored
    EXPECT_EQ(slot(1).proby, 1);

    bool czwarta = false;
    for (uint32_t seed = 1; seed < 40 && !czwarta; ++seed) {
        os::set_rand_seed(seed);
        start({house}, 4);
        if (silnik.pytanie().poprawny_wybor != 4) continue;
        czwarta = true;
        silnik.Sprawdz_wybor(4);
        EXPECT_TRUE(silnik.werdykt());
        EXPECT_EQ(silnik.odpowiedz(), "");
        EXPECT_EQ(e().polecenie, "Bardzo dobrze!");
        EXPECT_EQ(slot(1).pozostalo, 0);
        EXPECT_EQ(slot(1).zrobione, 1);
    }
    EXPECT_TRUE(czwarta);
}

TEST_F(Engine, TypedVerdicts) {
    struct Case {
        int typ;
        int* item;
        std::string wpisane;
        bool dobrze;
        const char* polecenie;
        const char* poprawna;
        const char* kom; // L_Kom
    } cases[] = {
        {6, &go, "to leave", true,
         "Odpowiedź zaakceptowana! Nagranie odtworzysz po kliknięciu na ikonkę.", "to leave",
         "go\n\r"},
        {6, &flat, "flat ", true, "Bardzo dobrze!", "flat", "my comment"},
        {6, &flat, "Flat", false, "Poprawnie:", "flat", "my comment"},
        {5, &flat, "apartment", false, "Poprawnie:", "flat", "my comment"},
        {6, &flat, "apartment", true,
         "Odpowiedź zaakceptowana! Nagranie odtworzysz po kliknięciu na ikonkę.", "apartment",
         "flat\n\r\n\rmy comment"},
        {8, &house, "houses\\", true, "Bardzo dobrze!", "houses", "dom\n\ra note"},
        {8, &house, "", false, "Poprawnie:", "houses", "dom\n\ra note"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typ << " " << c.wpisane);
        start({*c.item}, c.typ);
        silnik.I_OKClick(c.wpisane, {});
        EXPECT_TRUE(silnik.odpowiedziano());
        EXPECT_EQ(silnik.werdykt(), c.dobrze);
        EXPECT_EQ(u8(e().polecenie), c.polecenie);
        EXPECT_EQ(e().poprawna.tekst, c.poprawna);
        EXPECT_EQ(e().zaakceptuj, !c.dobrze);
        EXPECT_FALSE(e().wpisana_widoczna);
        EXPECT_TRUE(e().ok);
        EXPECT_EQ(u8(e().kom.tekst), c.kom);
        // The play button's hint is the plain one after every verdict, an
        // answer accepted through an alternative included.
        EXPECT_EQ(u8(e().graj_podpowiedz), "Odtwórz");
    }
}

TEST_F(Engine, SoundsAfterTheAnswer) {
    // A question without its own sound plays the answer's; dictation has one.
    start({flat}, 6);
    silnik.I_OKClick("flat", {});
    EXPECT_EQ(u.dzwieki, (std::vector<std::string>{"/disc/bsslow3/D_01\\dd_010\\01002.wav"}));
    EXPECT_TRUE(e().graj);
    EXPECT_EQ(u8(e().graj_podpowiedz), "Odtwórz");
    u.dzwieki.clear();
    start({flat}, 5); // the question's sound plays at once
    EXPECT_EQ(u.dzwieki.size(), 1u);
    silnik.I_OKClick("flat", {});
    EXPECT_EQ(u.dzwieki.size(), 1u);
    EXPECT_EQ(silnik.dzwiek_do_grania(), silnik.pytanie().dzwiek_odpowiedzi);
    // Accepted through an alternative: no sound.
    u.dzwieki.clear();
    start({flat}, 6);
    silnik.I_OKClick("apartment", {});
    EXPECT_TRUE(u.dzwieki.empty());
}

TEST_F(Engine, NothingOfThePreviousQuestionStaysOnTheNext) {
    tryb_lekcji = 0; // a repetition run: L_Powtorki only tells of a record
    tab_powtorek[flat].ile_powtorzen = 3;
    start({flat, house}, 6);
    ASSERT_EQ(silnik.biezace_slowko(), flat);
    EXPECT_EQ(u8(e().powtorki), "Powtórka: 3\n\r");
    silnik.I_OKClick("apartment", {}); // accepted through an alternative
    ASSERT_FALSE(e().kom.tekst.empty());
    silnik.I_OKClick("", {});
    ASSERT_EQ(silnik.biezace_slowko(), house);
    EXPECT_EQ(e().powtorki, "") << "house has no record";
    EXPECT_FALSE(e().kom.widoczny);
}

// The French edition: what the verdict shows of the foreign text (the plural,
// the word in front of the comment, the typed gaps) is in the edition's set.
TEST(FrenchVerdict, ForeignPiecesKeepTheEditionsSet) {
    SmallStore store(3);
    StalyMiernik m;
    Uslugi u;
    TPlan plan;
    SilnikCwiczenia silnik{plan, u, m};
    const std::string fenetre = os::utf8_to_cp1252("la fenêtre");
    const std::string fenetres = os::utf8_to_cp1252("les fenêtres");
    const int okno = store.add({1, 1, fenetre, "okno", 1, fenetres, "la baie", "", ""});
    const int zdanie = store.add({60001, 5, os::utf8_to_cp1252("J'ouvre <la fenêtre>."),
                                  os::pl("Otwieram okno."), 1, "", fenetre, "", ""});
    struct Case {
        int typ, item;
        std::string wpisane;
        std::string kom;              // L_Kom's bytes
        size_t obce_od, obce_dlugosc; // its foreign piece
    } cases[] = {
        {8, okno, fenetres, "okno\n\r", 0, 0},
        {6, okno, "la baie", fenetre + "\n\r", 0, fenetre.size()},
        {12, zdanie, fenetre, "Wpisano: " + fenetre + "\n\r", 9, fenetre.size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        plan = plan_dla({c.item}, c.typ);
        silnik.start(c.typ);
        ASSERT_TRUE(silnik.pytanie().da_sie);
        silnik.I_OKClick(c.wpisane, {c.wpisane, "", ""});
        ASSERT_TRUE(silnik.werdykt());
        if (c.typ == 8) {
            EXPECT_EQ(silnik.ekran().poprawna.tekst, fenetres);
            EXPECT_EQ(silnik.ekran().poprawna.charset, 0);
        }
        const TekstEkranu& kom = silnik.ekran().kom;
        const Wstawka& obce = silnik.ekran().kom_obce;
        EXPECT_EQ(kom.tekst, c.kom);
        EXPECT_EQ(kom.charset, 238);
        EXPECT_EQ(obce.od, c.obce_od);
        EXPECT_EQ(obce.dlugosc, c.obce_dlugosc);
        if (c.obce_dlugosc > 0) {
            EXPECT_EQ(obce.charset, 0);
        }
    }
}

TEST_F(Engine, TheF5HintShowsOncePerLearner) {
    start({flat, house}, 6);
    silnik.I_OKClick("x", {});
    silnik.I_OKClick("", {});
    silnik.I_OKClick("y", {});
    EXPECT_EQ(u.informacje, (std::vector<std::string>{"Klawisz F5 wyświetli Twoją odpowiedź."}));
    EXPECT_EQ(ustawienia.linia[47], 1);
}

TEST_F(Engine, AcceptanceTurnsTheLastWrongVerdictRight) {
    ustawienia.linia[18] = 1; // two correct answers per item
    start({flat, house}, 6, 2);
    silnik.I_OKClick("flatt", {});
    ASSERT_TRUE(e().zaakceptuj);
    EXPECT_EQ(e().stat2, "Niepoprawnie: 1");
    EXPECT_EQ(e().stat3, "Wynik: 0 %");
    silnik.Zaakceptuj_odp();
    EXPECT_EQ(e().stat1, "Poprawnie: 1");
    EXPECT_EQ(e().stat2, "Niepoprawnie: 0");
    EXPECT_EQ(e().stat3, "Wynik: 25 %"); // 1 of 2 items x 2 answers
    EXPECT_EQ(u8(e().polecenie), "Odpowiedź zaakceptowano! ");
    EXPECT_FALSE(e().polecenie_czerwone);
    EXPECT_FALSE(e().zaakceptuj);
    EXPECT_EQ(slot(1).pozostalo, 1);
    EXPECT_EQ(slot(1).proby, 1);
    silnik.Zaakceptuj_odp(); // once only
    EXPECT_EQ(silnik.poprawne(), 1);
    EXPECT_EQ(u8(e().powtorki), "Przykładów: 2");
}

TEST_F(Engine, GapsAreJudgedOneByOne) {
    struct Case {
        std::array<std::string, 3> pola;
        bool dobrze;
        const char* odpowiedz;
    } cases[] = {
        {{"potatoes", "tomatoes", ""}, true, "potatoes; tomatoes"},
        {{"potatoes", "tomatos", ""}, true, "potatoes; tomatos"}, // an alternative of gap 2
        {{" potatoes ", "tomato", ""}, false, "potatoes; tomato"},
        {{"", "tomatoes", ""}, false, "; tomatoes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.odpowiedz);
        start({two}, 12);
        ASSERT_EQ(e().wpis_widoczny, (std::array<bool, 3>{true, true, false}));
        silnik.I_OKClick("", c.pola);
        EXPECT_EQ(silnik.werdykt(), c.dobrze);
        EXPECT_EQ(silnik.odpowiedz(), c.odpowiedz);
        EXPECT_EQ(e().polecenie == "Poprawnie:", !c.dobrze);
        EXPECT_EQ(e().wpis_widoczny, (std::array<bool, 3>{}));
        EXPECT_FALSE(e().ramka2_widoczna);
        // The sentence with its Polish text, gaps in blue, at 198.
        EXPECT_TRUE(e().ramka_widoczna);
        EXPECT_EQ(polozenia(e(), silnik.pytanie()).ramka, 198);
        EXPECT_TRUE(e().poprawna.tekst.empty());
        EXPECT_EQ(e().kom.tekst, std::string("Wpisano: ") + c.odpowiedz + "\n\r");
    }
}

// The plan and the engine agree on a gap sentence whose gap lies far into a
// long text: within the first 70 tokens it is asked and the run ends after
// it; past them the plan gives it no typing and the engine never asks it.
TEST_F(Engine, AGapSentenceIsTypedOnlyWhenItsGapIsLaidOut) {
    struct Case {
        int slow; // words before the gap
        bool pytane;
    } cases[] = {{0, true}, {69, true}, {70, false}, {200, false}};
    int id = 60100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slow);
        std::string tekst;
        for (int k = 0; k < c.slow; ++k)
            tekst += "w ";
        const int i = store.add({++id, 5, tekst + "<go> home.", "ide", 1, "", "go"});
        TWarunkiPlanu w;
        w.wymagane = 1;
        plan = zbuduj_plan(std::vector<int>{i}, w, baza, tab_powtorek, flagi_powtorek);
        EXPECT_EQ(plan.do_zrobienia(12), c.pytane ? 1 : 0);
        // Even with work handed to it, the engine asks only a gap it lays out.
        plan.plan_cwiczenia[1].typ[12] = {1, 0, 0};
        u.zamkniecia = 0;
        silnik.start(12);
        EXPECT_EQ(u.zamkniecia, c.pytane ? 0 : 1);
        if (!c.pytane) continue;
        EXPECT_EQ(silnik.biezace_slowko(), i);
        EXPECT_TRUE(e().wpis_widoczny[0]);
        silnik.I_OKClick("", {"go", "", ""});
        EXPECT_TRUE(silnik.werdykt());
        silnik.I_OKClick("", {});
        EXPECT_EQ(u.zamkniecia, 1) << "the run ends";
    }
}

TEST_F(Engine, ChoiceSentenceVerdictShowsTheSentenceAndMovesThePrompt) {
    start({keys}, 10);
    const int zla = silnik.pytanie().poprawny_wybor == 1 ? 2 : 1;
    silnik.Sprawdz_wybor(zla);
    EXPECT_TRUE(e().ramka_widoczna);
    const PolozeniaEkranu top = polozenia(e(), silnik.pytanie());
    EXPECT_EQ(top.polecenie, top.ramka - 24);
    std::string niebieskie;
    for (const Slowo& s : e().ramka.slowa)
        if (s.niebieskie) niebieskie += s.tekst;
    EXPECT_EQ(niebieskie, "keys");
}

TEST_F(Engine, SelfAssessment) {
    start({go, flat}, 3);
    EXPECT_TRUE(e().sprawdz);
    silnik.Ocen_sam(true); // not before the answer is shown
    EXPECT_EQ(silnik.kursor(), 1);
    silnik.Pokaz_rozwiazanie();
    EXPECT_TRUE(e().umiesz && e().nie_umiesz && e().tlo_umiesz);
    EXPECT_FALSE(e().sprawdz);
    EXPECT_EQ(u8(e().poprawna.tekst), "iść");
    EXPECT_EQ(e().slowko.tekst, "go");
    EXPECT_TRUE(e().slowko.widoczny);
    silnik.Ocen_sam(false);
    EXPECT_EQ(silnik.kursor(), 2); // the next question at once
    EXPECT_EQ(slot(1).proby, 1);
    EXPECT_EQ(slot(1).pozostalo, 1);
    EXPECT_EQ(silnik.bledne(), 1);
    EXPECT_FALSE(e().umiesz);
}

TEST_F(Engine, PronunciationIsAssessedAtOnce) {
    start({house, flat}, 9);
    EXPECT_TRUE(e().umiesz && e().nie_umiesz);
    silnik.Ocen_sam(true);
    EXPECT_EQ(silnik.kursor(), 2);
    EXPECT_TRUE(e().umiesz && e().nie_umiesz);
    EXPECT_EQ(slot(1).zrobione, 1);
}

TEST_F(Engine, InterludesEveryTwentyOneQuestionsUnlessOnlyAtTheEnd) {
    licznik_przerywnika = 0;
    start({house, flat}, 9, 100);
    for (int n = 0; n < 40; ++n)
        silnik.Ocen_sam(true);
    EXPECT_EQ(u.przerywniki, 1);
    EXPECT_EQ(licznik_przerywnika, 20);
    ustawienia.linia[50] = 1;
    for (int n = 0; n < 40; ++n)
        silnik.Ocen_sam(true);
    EXPECT_EQ(u.przerywniki, 1);
    EXPECT_EQ(licznik_przerywnika, 60);
}

TEST_F(Engine, BackgroundsAreDrawnUntilAllWereUsed) {
    tla_uzyte.fill(false);
    EXPECT_EQ(Losuj_tlo(), 0); // none at all
    ile_tel = 3;
    const int pierwsze = Losuj_tlo();
    ASSERT_GE(pierwsze, 1);
    EXPECT_TRUE(tla_uzyte[pierwsze]);
    // All used: the flags start again with the one drawn.
    tla_uzyte[1] = tla_uzyte[2] = tla_uzyte[3] = true;
    const int nowe = Losuj_tlo();
    EXPECT_EQ(std::count(tla_uzyte.begin() + 1, tla_uzyte.begin() + 4, true), 1);
    EXPECT_TRUE(tla_uzyte[nowe]);
    EXPECT_EQ(biezace_tlo, nowe);
    ile_tel = 0;
    biezace_tlo = 0;
    tla_uzyte.fill(false);
}

} // namespace
