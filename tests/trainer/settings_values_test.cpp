#include "trainer_logic/settings_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/repetitions.h"
#include "core/settings.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"
#include "small_store.h"
#include "support/temp_dir.h"

namespace {

TEST(SettingsValues, ControlsShowTheSettingsAndConfirmPutsThemBack) {
    TUstawienia u;
    u.linia[1] = 3;
    u.linia[34] = 14;
    u.linia[18] = 2;
    u.linia[35] = 0;
    u.linia[36] = 1;
    u.linia[48] = 0;
    u.linia[50] = 1;
    u.linia[49] = 17;
    u.linia[53] = 250;
    u.mnoznik = 1.7;
    u.wlacz_przerywnik(2, false);
    u.wlacz_przerywnik(5, true);

    const WartosciUstawien w = wartosci_z_ustawien(u, {2, 5});
    EXPECT_EQ(w.cw_wyznacz, 2);
    EXPECT_EQ(w.cw_wyznacz_zd, 4);
    EXPECT_EQ(w.tryb_nauki, 2);
    EXPECT_FALSE(w.statystyka);
    EXPECT_TRUE(w.zdania);
    EXPECT_FALSE(w.intens_1);
    EXPECT_TRUE(w.bonus_koniec);
    EXPECT_EQ(w.powt_inter_umiesz, "17");
    EXPECT_EQ(w.powt_juz_umiem, "250");
    EXPECT_EQ(w.czestosc, 7);
    const std::vector<std::pair<int, bool>> sets = {{2, false}, {5, true}};
    EXPECT_EQ(w.przerywniki, sets);

    // Back into a default settings: every line the window owns comes back.
    TUstawienia back;
    EXPECT_EQ(zapisz_wartosci(w, back), "");
    for (int n : {1, 34, 18, 35, 36, 48, 50, 49, 53, 21, 27}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(back.linia[n], u.linia[n]);
    }
    EXPECT_DOUBLE_EQ(back.mnoznik, 1.7);
}

TEST(SettingsValues, OnlyTheListedInterludeSetsAreWritten) {
    TUstawienia u;
    u.wlacz_przerywnik(3, false);
    WartosciUstawien w = wartosci_z_ustawien(u, {1, 7});
    w.przerywniki[1].second = false; // set 7 cleared in the list
    ASSERT_EQ(zapisz_wartosci(w, u), "");
    EXPECT_TRUE(u.przerywnik_wlaczony(1));
    EXPECT_FALSE(u.przerywnik_wlaczony(7));
    EXPECT_FALSE(u.przerywnik_wlaczony(3)); // not present: kept as it was
    EXPECT_TRUE(u.przerywnik_wlaczony(4));
}

TEST(SettingsValues, TheTwoIntervalBoxesTakeDigitsInTheirRangesOnly) {
    const std::string umiesz = os::pl("W pole \"słówko umiesz gdy interwał...\" należy wpisać "
                                      "wartość od 4 do 200.");
    const std::string juz = os::pl("W pole \"Przycisk Już umiem! zmienia interwał...\" należy "
                                   "wpisać wartość od 3 do 400.");
    struct Case {
        const char* box49;
        const char* box53;
        std::string message;
        int line49, line53;
    } cases[] = {
        {"200", "3", "", 200, 3},
        {" 4 ", "400", "", 4, 400},
        {"abc", "100", umiesz, 6, 100},
        {"", "100", umiesz, 6, 100},
        {"3", "100", umiesz, 6, 100},
        {"201", "100", umiesz, 6, 100},
        {"-5", "100", umiesz, 6, 100},
        {"1e2", "100", umiesz, 6, 100},
        {"99999999999", "100", umiesz, 6, 100},
        {"50", "2", juz, 50, 100},
        {"50", "401", juz, 50, 100},
        {"50", "4 0", juz, 50, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box49) + " / " + c.box53);
        TUstawienia u;
        WartosciUstawien w = wartosci_z_ustawien(u, {});
        w.powt_inter_umiesz = c.box49;
        w.powt_juz_umiem = c.box53;
        w.tryb_nauki = 1;
        w.czestosc = 9;
        EXPECT_EQ(zapisz_wartosci(w, u), c.message);
        EXPECT_EQ(u.linia[49], c.line49);
        EXPECT_EQ(u.linia[53], c.line53);
        // The drop-downs before the boxes are stored even when a box refuses;
        // the multiplier after them only when both pass.
        EXPECT_EQ(u.linia[18], 1);
        EXPECT_DOUBLE_EQ(u.mnoznik, c.message.empty() ? 1.9 : 1.2);
    }
}

TEST(SettingsValues, MultiplierMapsToItsEntryAndBack) {
    const std::pair<double, int> to_entry[] = {
        {0.5, 0}, {1.0, 0}, {1.2, 2}, {1.25, 2}, {1.26, 3}, {2.9, 19}, {3.0, 19}, {4.0, 19}};
    for (auto [m, entry] : to_entry) {
        SCOPED_TRACE(m);
        EXPECT_EQ(pozycja_mnoznika(m), entry);
    }
    EXPECT_DOUBLE_EQ(mnoznik_pozycji(0), 1.0);
    EXPECT_DOUBLE_EQ(mnoznik_pozycji(19), 2.9);
    // A multiplier of 3.0 in the file is stored as 2.9 on confirming.
    TUstawienia u;
    u.mnoznik = 3.0;
    ASSERT_EQ(zapisz_wartosci(wartosci_z_ustawien(u, {}), u), "");
    EXPECT_DOUBLE_EQ(u.mnoznik, 2.9);
}

TEST(SettingsValues, TypeLineNamesTheTypeAndItsMode) {
    testsupport::SmallStore store;
    EXPECT_EQ(linia_typu(1, 0), os::pl("Rozpoznawanie ze słuchu - nie zaakceptowane"));
    EXPECT_EQ(linia_typu(12, 4), os::pl("Zdania - wpisywanie - oznaczone lub nie zaakceptowane"));
    EXPECT_EQ(linia_typu(5, 9), "Dyktando - "); // a mode out of range names none
}

TEST(SettingsValues, BackupListFromPiLines) {
    std::vector<std::string> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve.push_back("p" + std::to_string(n) + ".b=2024-01-" + std::to_string(10 + n) +
                         " 10:00:00=" + std::to_string(n) + "= ");
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::pair<std::string, std::string>> expected;
    } cases[] = {
        {"whole lines",
         {"p.b=2024-03-05 14:30:00=120= ", " p_kopia.b = 2024-03-01 09:00:00 = 118 = "},
         {{"p.b", "2024-03-05 14:30:00  (120)"}, {"p_kopia.b", "2024-03-01 09:00:00  (118)"}}},
        {"short lines",
         {"p_kopia_5.b", "p_kopia_10.b=2024-03-01", "", "=no name="},
         {{"p_kopia_5.b", "  ()"}, {"p_kopia_10.b", "2024-03-01  ()"}}},
        {"names outside the user folder", {"../p.b=x=1=", "/etc/passwd=x=1=", "a\\b.b=x=1="}, {}},
        {"twelve lines",
         twelve,
         {{"p1.b", "2024-01-11 10:00:00  (1)"},
          {"p2.b", "2024-01-12 10:00:00  (2)"},
          {"p3.b", "2024-01-13 10:00:00  (3)"},
          {"p4.b", "2024-01-14 10:00:00  (4)"},
          {"p5.b", "2024-01-15 10:00:00  (5)"},
          {"p6.b", "2024-01-16 10:00:00  (6)"},
          {"p7.b", "2024-01-17 10:00:00  (7)"},
          {"p8.b", "2024-01-18 10:00:00  (8)"},
          {"p9.b", "2024-01-19 10:00:00  (9)"},
          {"p12.b", "2024-01-22 10:00:00  (12)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<std::string, std::string>> got;
        for (const KopiaPowtorek& k : lista_kopii(c.lines))
            got.emplace_back(k.plik, k.opis);
        EXPECT_EQ(got, c.expected);
    }
}

// A learner with records for two of the small course's items.
class Restore : public ::testing::Test {
  protected:
    void SetUp() override {
        store.add({101, 1, "dog", "pies"});
        store.add({102, 1, "cat", "kot"});
        store.add({60001, 5, "A <dog>.", "Pies."});
        sciezka_usera = dir.path();
        core::ui().info = [this](const std::string& t) { messages.push_back(t); };
        dir.write("p.b", records({101}));
        ASSERT_TRUE(wczytaj_powtorki());
    }
    void TearDown() override {
        core::reset_ui();
        sciezka_usera.clear();
    }
    static std::string records(const std::vector<int>& ids) {
        std::string s;
        unsigned char b[ROZMIAR_POWTORKI];
        for (int id : ids) {
            TPowtorka r;
            r.id = id;
            r.interwal = 5;
            r.data_ostatnia = 45000;
            r.encode(b);
            s.append(reinterpret_cast<const char*>(b), ROZMIAR_POWTORKI);
        }
        return s;
    }
    std::string read(const std::string& name) const {
        std::string bytes;
        os::read_file(dir.file(name), bytes);
        return bytes;
    }

    testsupport::SmallStore store;
    testsupport::TempDir dir;
    std::vector<std::string> messages;
};

TEST_F(Restore, AGoodBackupReplacesTheStoreAndIsWrittenAsPb) {
    const std::string backup = records({102, 60001});
    dir.write("p_kopia.b", backup);
    messages.clear();
    EXPECT_TRUE(przywroc_kopie("p_kopia.b"));
    EXPECT_EQ(tab_powtorek[1].id, 0);
    EXPECT_EQ(tab_powtorek[2].id, 102);
    EXPECT_EQ(tab_powtorek[3].id, 60001);
    EXPECT_EQ(read("p.b"), backup);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), os::pl("Wczytano informacje o 2 powtórkach."));
}

TEST_F(Restore, AnUnusableBackupLeavesTheStoreAndPbAsTheyWere) {
    const std::string pb = read("p.b");
    struct Case {
        const char* what;
        bool present;
        std::string bytes;
    } cases[] = {
        {"missing", false, ""},
        {"truncated", true, records({102, 60001}).substr(0, 90)},
        {"empty", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        os::remove_file(dir.file("p_kopia_5.b"));
        if (c.present) dir.write("p_kopia_5.b", c.bytes);
        messages.clear();
        EXPECT_FALSE(przywroc_kopie("p_kopia_5.b"));
        EXPECT_EQ(tab_powtorek[1].id, 101);
        EXPECT_EQ(tab_powtorek[2].id, 0);
        EXPECT_EQ(read("p.b"), pb);
        EXPECT_EQ(messages.size(), 1u); // why nothing was restored
    }
}

} // namespace
