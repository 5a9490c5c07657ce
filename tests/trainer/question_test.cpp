// The set-up of one question of each exercise type on a small store.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/random.h"
#include "trainer/form4_places.h"
#include "trainer/small_store.h"
#include "trainer_logic/question.h"

namespace {

using testsupport::Pozycja;
using testsupport::SmallStore;
using testsupport::StalyMiernik;

std::string u8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

class Question : public ::testing::Test {
  protected:
    explicit Question(int jezyk = 1) : store(jezyk) {}

    SmallStore store;
    StalyMiernik m;
    Ekran e;
    Pytanie p;

    void setup(int typ, int i) { Przygotuj_pytanie(typ, i, m, e, p); }
    int add(Pozycja poz) {
        poz.polski = os::pl(poz.polski);
        poz.tlumaczenie_zdania = os::pl(poz.tlumaczenie_zdania);
        return store.add(poz);
    }
};

class EnglishQuestion : public Question {
  protected:
    void SetUp() override {
        house = add({1, 1, "house", "dom", 1, "houses", "", "a note", "1001"});
        go = add({2, 3, "go", "iść", 1, "", "leave", "", "1002", "not 'no'"});
        for (const char* w : {"hat", "hen", "hill", "horse", "hand", "head"})
            add({++id, 1, w, std::string("p-") + w, 1, "", "", "", "1003"});
        keys = add({60001, 5, "I can't find my <keys>.", "klucze", 1, "", "keys", "", "2001", "",
                    "Nie mogę znaleźć kluczy.", "walls/weather/hungry/keys", "my comment"});
        two = add({60002, 5, "We need <potatoes> and <tomatoes>.", "ziemniaki, pomidory", 1, "",
                   "potatoes#tomatoes", "", "2002", "", "", "potato...tomato/a...b/c...d/x...y"});
        plain = add(
            {60003, 5, "Good morning, Anna.", "", 1, "", "", "", "2003", "", "Dzień dobry, Anno."});
        four = add({60004, 5, "<A> <b> <c> <d>.", "cztery", 1, "", "", "", "", ""});
        no_gap = add({60005, 5, "No gap here.", "bez luki", 1, "", "", "", "", "", "", "a/b/c/d"});
    }
    int id = 100;
    int house = 0, go = 0, keys = 0, two = 0, plain = 0, four = 0, no_gap = 0;
};

TEST_F(EnglishQuestion, OneQuestionOfEachType) {
    struct Case {
        int typ;
        int* item;
        const char* polecenie;
        const char* oczekiwana;
        Forma forma;
        const char* slowko; // "" when L_Slowko is hidden
        bool ramka;
        int wybory;
        bool dzwiek_pytania, gra_od_razu;
        bool uklad_ze_slowem;
    } cases[] = {
        {1, &house, "Co usłyszałeś?", "house", Forma::wybor, "", false, 4, true, true, false},
        {2, &house, "Co oznacza?", "dom", Forma::wybor, "house", false, 4, true, true, true},
        {3, &go, "Co oznacza?", "iść", Forma::samoocena, "", false, 0, true, true, false},
        {4, &house, "Wybierz tłumaczenie:", "house", Forma::wybor, "dom", false, 4, false, false,
         true},
        {5, &go, "Wpisz usłyszane słowa:", "go", Forma::wpisywanie, "", false, 0, true, true,
         false},
        {6, &go, "Wpisz tłumaczenie:", "go", Forma::wpisywanie, "iść", false, 0, false, false,
         true},
        {8, &house, "Wpisz liczbę mnogą rzeczownika:", "houses", Forma::wpisywanie, "house", false,
         0, true, false, true},
        {9, &house, "Nagraj usłyszane słowo.", "house", Forma::wymowa, "house", false, 0, true,
         true, true},
        {9, &keys, "Nagraj usłyszane zdanie.", "I can't find my keys.", Forma::wymowa,
         "I can't find my keys.", false, 0, true, true, true},
        {10, &keys, "Wybierz:", "keys", Forma::wybor, "", true, 4, false, false, true},
        {11, &keys, "Co oznacza wyróżnione słowo?", "klucze", Forma::samoocena, "", true, 0, true,
         true, true},
        {12, &keys, "Uzupełnij zdanie:", "I can't find my <keys>.", Forma::luki, "", false, 0,
         false, false, false},
        {13, &plain, "Przetłumacz...", "Dzień dobry, Anno.", Forma::samoocena, "", true, 0, true,
         true, true},
        {14, &plain, "Przetłumacz...", "Good morning, Anna.", Forma::samoocena, "", true, 0, false,
         false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.typ);
        setup(c.typ, *c.item);
        ASSERT_TRUE(p.da_sie);
        EXPECT_EQ(u8(e.polecenie), c.polecenie);
        EXPECT_TRUE(e.polecenie_widoczne);
        EXPECT_EQ(u8(p.oczekiwana), c.oczekiwana);
        EXPECT_EQ(p.forma, c.forma);
        EXPECT_EQ(e.slowko.widoczny ? u8(e.slowko.tekst) : "", c.slowko);
        EXPECT_EQ(e.ramka_widoczna, c.ramka);
        int wybory = 0;
        for (bool v : e.odp_widoczna)
            wybory += v;
        EXPECT_EQ(wybory, c.wybory);
        if (c.wybory > 0) {
            EXPECT_EQ(e.odp[p.poprawny_wybor - 1], p.oczekiwana);
        }
        EXPECT_EQ(!p.dzwiek_pytania.empty(), c.dzwiek_pytania);
        EXPECT_EQ(e.graj, c.dzwiek_pytania);
        EXPECT_EQ(p.graj_pytanie, c.gra_od_razu);
        EXPECT_EQ(p.uklad_ze_slowem, c.uklad_ze_slowem);
        const PolozeniaEkranu top = polozenia(e, p);
        EXPECT_EQ(top.polecenie, c.uklad_ze_slowem ? 139 : 123);
        EXPECT_EQ(top.odp[3] - top.polecenie, c.uklad_ze_slowem ? 162 : 166);
        EXPECT_EQ(e.ok, c.forma == Forma::wpisywanie || c.forma == Forma::luki);
        EXPECT_EQ(e.sprawdz, c.forma == Forma::samoocena);
        EXPECT_EQ(e.umiesz && e.nie_umiesz && e.tlo_umiesz, c.forma == Forma::wymowa);
        EXPECT_EQ(e.wpisana_widoczna, c.forma == Forma::wpisywanie);
        EXPECT_EQ(e.fokus, c.forma == Forma::wpisywanie ? Fokus::wpisana
                           : c.forma == Forma::luki     ? Fokus::wpis1
                                                        : Fokus::brak);
        EXPECT_EQ(e.pokaz_id, "Id: " + std::to_string(baza.id_slowa[*c.item]));
        EXPECT_NE(e.podpis.find("Tavolent 4.0 - "), std::string::npos);
    }
}

TEST_F(EnglishQuestion, HintsAndCommentLines) {
    setup(3, go);
    EXPECT_EQ(u8(e.poprawna2.tekst), "Podpowiedź: not 'no'");
    EXPECT_TRUE(e.poprawna2.widoczny);
    EXPECT_EQ(polozenia(e, p).poprawna2, 123 + 26);
    setup(5, go);
    EXPECT_TRUE(e.poprawna2.widoczny);
    setup(6, go); // only in the German edition
    EXPECT_FALSE(e.poprawna2.widoczny);

    setup(8, house);
    EXPECT_EQ(e.kom.tekst, "dom\n\ra note");
    EXPECT_TRUE(e.kom.widoczny);
    setup(9, house);
    EXPECT_EQ(e.kom.tekst, "dom\n\ra note\n\r");
    EXPECT_TRUE(e.kom.widoczny);
    setup(9, keys); // a sentence: kept for later, not shown
    EXPECT_EQ(e.kom.tekst, "\n\rmy comment");
    EXPECT_FALSE(e.kom.widoczny);
    setup(12, keys);
    EXPECT_FALSE(e.kom.widoczny);
}

TEST_F(EnglishQuestion, TypedTranslationOfAVerbAcceptsTheToForms) {
    setup(6, go);
    EXPECT_EQ(p.alternatywy, (std::vector<std::string>{"leave", "go", "to leave", "to go"}));
}

TEST_F(EnglishQuestion, ChoiceSentenceWithTwoGaps) {
    setup(10, two);
    ASSERT_TRUE(p.da_sie);
    EXPECT_EQ(p.oczekiwana, "potatoes ... tomatoes");
    std::string pokazane;
    for (const Slowo& s : e.ramka.slowa)
        pokazane += s.tekst + " ";
    EXPECT_EQ(pokazane, "We need ... and ... . ");
    EXPECT_EQ(e.odp[p.poprawny_wybor - 1], "potatoes ... tomatoes");
    for (const std::string& o : e.odp) {
        if (!o.empty()) {
            EXPECT_NE(o.find(" ... "), std::string::npos) << o;
        }
    }
}

TEST_F(EnglishQuestion, RepeatedOptionsShowOnce) {
    const int zdanie = add({60010, 5, "A <b> c.", "b", 1, "", "b", "", "", "", "", "x/x/b/b"});
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        os::set_rand_seed(seed);
        setup(10, zdanie);
        std::vector<std::string> pokazane;
        for (int k = 0; k < 4; ++k)
            if (e.odp_widoczna[k]) pokazane.push_back(e.odp[k]);
        std::sort(pokazane.begin(), pokazane.end());
        EXPECT_EQ(pokazane, (std::vector<std::string>{"b", "x"}));
        EXPECT_EQ(e.odp[p.poprawny_wybor - 1], "b");
    }
}

TEST_F(EnglishQuestion, QuestionsWithoutARightAnswerAreNotAsked) {
    setup(10, no_gap);
    EXPECT_FALSE(p.da_sie);
    const int bez_polskiego = add({7, 1, "hut", "", 1});
    setup(2, bez_polskiego); // the right choice would be an empty text
    EXPECT_FALSE(p.da_sie);
    setup(4, bez_polskiego);
    EXPECT_TRUE(p.da_sie);
    setup(10, 0);
    EXPECT_FALSE(p.da_sie);
    setup(1, baza.ile_slow + 1);
    EXPECT_FALSE(p.da_sie);
}

TEST_F(EnglishQuestion, GapSentenceWithFourGapsUsesThreeBoxes) {
    setup(12, four);
    EXPECT_EQ(e.luki.luki.size(), 3u);
    EXPECT_EQ(e.wpis_widoczny, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(p.luki, (std::array<std::string, 3>{"A", "b", "c"}));
    EXPECT_TRUE(e.ramka2_widoczna);
    setup(12, keys);
    EXPECT_EQ(e.wpis_widoczny, (std::array<bool, 3>{true, false, false}));
    // The Polish text follows the sentence outside the French edition.
    EXPECT_EQ(e.luki.slowa.back().tekst, "(klucze)");
}

TEST_F(EnglishQuestion, TheFrameIsPlacedByItsLines) {
    struct Case {
        int slowa;
        int top;
    } cases[] = {{1, 93}, {20, 85}, {30, 68}, {60, 55}};
    for (const Case& c : cases) {
        std::string zdanie;
        for (int n = 0; n < c.slowa; ++n)
            zdanie += "word ";
        const int i = add({70000 + c.slowa, 5, zdanie + "<x>", "x", 1});
        setup(11, i);
        SCOPED_TRACE(testing::Message() << e.ramka.linie << " lines");
        EXPECT_EQ(polozenia(e, p).ramka, c.top);
    }
    // A long word goes into the frame as well; in the layout without the word
    // the frame would sit at 145.
    const int dlugie = add({500, 4, std::string(51, 'a'), "długie", 1, "", "", "", "1"});
    setup(2, dlugie);
    EXPECT_FALSE(e.slowko.widoczny);
    EXPECT_TRUE(e.ramka_widoczna);
    setup(3, dlugie);
    Pokaz_tekst(e, p, baza.slowo_obce[dlugie], false, 238, m);
    EXPECT_EQ(polozenia(e, p).ramka, 145);
}

TEST_F(EnglishQuestion, RepetitionLine) {
    EXPECT_EQ(opis_powtorki(house), "");
    tab_powtorek[house].ile_powtorzen = 3;
    EXPECT_EQ(u8(opis_powtorki(house)), "Powtórka: 3\n\r");
    tab_powtorek[house].data_ostatnia = os::date_serial(2024, 5, 17);
    EXPECT_EQ(u8(opis_powtorki(house)), "Powtórka: 3\n\rOstatnio: 2024-05-17\n\r");
}

class GermanQuestion : public Question {
  protected:
    GermanQuestion() : Question(2) {}
};

TEST_F(GermanQuestion, ArticlesAndPluralAlternatives) {
    struct Case {
        const char* obce;
        int poprawny;
        const char* pokazane;
    } cases[] = {{"der Hund", 1, "Hund"}, {"die Frau", 2, "Frau"}, {"das Haus", 3, "Haus"}};
    int id = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.obce);
        const int i = add({++id, 1, c.obce, "pies", 1, "Hunde", "", "Notiz", "1"});
        setup(7, i);
        EXPECT_EQ(p.poprawny_wybor, c.poprawny);
        EXPECT_EQ(e.slowko.tekst, c.pokazane);
        EXPECT_EQ(e.odp, (std::array<std::string, 4>{"der", "die", "das", ""}));
        EXPECT_EQ(e.odp_widoczna, (std::array<bool, 4>{true, true, true, false}));
        EXPECT_EQ(e.kom.tekst, "pies\n\rNotiz");
        EXPECT_TRUE(e.kom.widoczny);
    }
    setup(8, 1);
    EXPECT_EQ(p.alternatywy, (std::vector<std::string>{"die Hunde"}));
}

class FrenchQuestion : public Question {
  protected:
    FrenchQuestion() : Question(3) {}
};

TEST_F(FrenchQuestion, ForeignTextTakesTheWesternCharacterSet) {
    const int chat = add({1, 1, "chat", "kot", 1, "chats", "", "", "1"});
    for (const char* w : {"chien", "chaise", "cheval", "chose"})
        add({static_cast<int>(baza.ile_slow) + 1, 1, w, "x", 1});
    const int phrase = add({60001, 5, "Je suis <ici>.", "tutaj", 1, "", "ici", "", "2", "",
                            "Jestem tutaj.", "la/ou/y/ici"});
    struct Case {
        int typ, item;
        int odp_charset, poprawna_charset;
    } cases[] = {{1, chat, 0, 0},        {2, chat, 238, 238}, {4, chat, 0, 0},
                 {6, chat, 238, 0},      {10, phrase, 0, 0},  {11, phrase, 238, 238},
                 {13, phrase, 238, 238}, {14, phrase, 238, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.typ);
        setup(c.typ, c.item);
        if (p.forma == Forma::wybor) {
            EXPECT_EQ(e.odp_charset, c.odp_charset);
        }
        EXPECT_EQ(e.poprawna.charset, c.poprawna_charset);
    }
    setup(2, chat);
    EXPECT_EQ(e.slowko.charset, 0);
    setup(4, chat);
    EXPECT_EQ(e.slowko.charset, 238);
    setup(12, phrase); // the Polish text goes to the comment panel
    EXPECT_EQ(e.kom.tekst, "tutaj");
    EXPECT_TRUE(e.kom.widoczny);
}

} // namespace
