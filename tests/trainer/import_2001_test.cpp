#include "trainer_logic/import_2001.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "small_store.h"
#include "support/temp_dir.h"

namespace {

TPowtorka record(int id, int interval) {
    TPowtorka r;
    r.id = id;
    r.data_ostatnia = 45000;
    r.interwal = interval;
    r.ile_powtorzen = 2;
    r.wspolczynnik = 1.5;
    return r;
}

std::string file_of(const std::vector<TPowtorka>& records) {
    std::string s;
    unsigned char b[ROZMIAR_POWTORKI];
    for (const TPowtorka& r : records) {
        r.encode(b);
        s.append(reinterpret_cast<const char*>(b), ROZMIAR_POWTORKI);
    }
    return s;
}

// An own-word line of an item file.
std::string word_line(int id, const std::string& obce, const std::string& polski) {
    return "01 1" + liczba_z_zerami(5, id) + " 11 " + obce + " = " + polski + " == = = == = = =";
}

TEST(Import2001, FolderIsTrimmedAndEndsInASlash) {
    EXPECT_EQ(folder_2001("  /opt/old "), "/opt/old/");
    EXPECT_EQ(folder_2001("/opt/old/"), "/opt/old/");
    EXPECT_EQ(folder_2001("   "), "");
}

TEST(Import2001, UsersOfTheEarlierEdition) {
    testsupport::TempDir dir;
    std::string usr = "1=Anna\r\n 2 = Bob Smith \r\nno sign here\r\nx=Not a number\r\n\r\n";
    for (int n = 3; n <= 60; ++n)
        usr += std::to_string(n) + "=User" + std::to_string(n) + "\r\n";
    dir.write("usr.t", usr);
    const auto users = wczytaj_userow_2001(dir.path());
    ASSERT_EQ(users.size(), 50u);
    EXPECT_EQ(users[0].numer, 1);
    EXPECT_EQ(users[0].nazwa, "Anna");
    EXPECT_EQ(users[1].numer, 2);
    EXPECT_EQ(users[1].nazwa, "Bob Smith");
    EXPECT_EQ(users[49].nazwa, "User50"); // the 50th user; the rest are left out
    EXPECT_TRUE(wczytaj_userow_2001(dir.path() + "none/").empty());
}

// The current learner: built-in words 101-103, an own word 40001 and a
// sentence; the earlier edition's folder with user 7.
class Import : public ::testing::Test {
  protected:
    void SetUp() override {
        store.add({101, 1, "dog", "pies"});
        store.add({102, 1, "house", "dom"});
        store.add({103, 1, "tree", "drzewo"});
        store.add({60001, 5, "A <dog>.", "Pies."});
        const int own = store.add({40001, 1, "cat", "kot"});
        baza.slowo_usera[own] = 1;
        baza.max_id = 40001;
        sciezka_usera = dir.path() + "user/";
        os::make_folder(sciezka_usera);
        old = dir.path() + "old/";
        core::ui().info = [this](const std::string& t) { messages.push_back(t); };
        core::ui().progress_position = [this](int p) { positions.push_back(p); };
        // The earlier edition's own words: 40001 "bird", 40002 the learner's
        // "cat" again, 40003 "fish".
        dir.write("old/sbusr.txt", word_line(40001, "bird", "ptak") + "\r\n" +
                                       word_line(40002, "cat", "kot") + "\r\n" +
                                       word_line(40003, "fish", "ryba") + "\r\n");
    }
    void TearDown() override {
        core::reset_ui();
        sciezka_usera.clear();
    }
    int index_of(int id) const { return znajdz_slowko(id); }

    testsupport::SmallStore store;
    testsupport::TempDir dir;
    std::string old;
    std::vector<std::string> messages;
    std::vector<int> positions;
};

TEST_F(Import, OwnWordsTakeNewIdsAndAWordPresentIsNotAddedAgain) {
    MapaId2001 mapa;
    EXPECT_EQ(import_slowek_2001(old + "sbusr.txt", mapa), 2);
    EXPECT_EQ(baza.ile_slow, 7);
    const MapaId2001 expected = {{40001, 40002}, {40002, 40001}, {40003, 40003}};
    EXPECT_EQ(mapa, expected);
    for (auto [id, obce] : {std::pair{40002, "bird"}, {40003, "fish"}, {40001, "cat"}}) {
        SCOPED_TRACE(obce);
        const int i = index_of(id);
        ASSERT_GE(i, 1);
        EXPECT_EQ(baza.slowo_obce[i], obce);
        EXPECT_EQ(baza.slowo_usera[i], 1);
    }
    EXPECT_EQ(baza.max_id, 40003);

    // A second import adds nothing and maps onto the same words.
    MapaId2001 again;
    EXPECT_EQ(import_slowek_2001(old + "sbusr.txt", again), 0);
    EXPECT_EQ(baza.ile_slow, 7);
    EXPECT_EQ(again, expected);
}

TEST_F(Import, NewIdsFollowTheLargestBelow50000) {
    const int far = store.add({50010, 1, "far", "daleko"});
    baza.slowo_usera[far] = 1;
    store.add({40005, 1, "five", "pięć"});
    MapaId2001 mapa;
    ASSERT_EQ(import_slowek_2001(old + "sbusr.txt", mapa), 2);
    EXPECT_EQ(mapa[40001], 40006);
    EXPECT_EQ(mapa[40003], 40007);
}

TEST_F(Import, ADamagedWordFileLeavesTheStoreAsItWas) {
    dir.write("old/sbusr.txt", word_line(40001, "bird", "ptak") + "\r\nxx 1abcde 11 bad = zle =\r\n");
    MapaId2001 mapa;
    EXPECT_EQ(import_slowek_2001(old + "sbusr.txt", mapa), -1);
    EXPECT_EQ(baza.ile_slow, 5);
    EXPECT_EQ(baza.max_id, 40001);
    EXPECT_EQ(index_of(40001), 5);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Import, RecordsMapThroughTheStoreAndTheRejectedGoToAFile) {
    MapaId2001 mapa;
    ASSERT_EQ(import_slowek_2001(old + "sbusr.txt", mapa), 2);
    TPowtorka flagged = record(101, 10);
    flagged.typy[2] = 102;
    flagged.typy[3] = 2;
    dir.write("old/7/p.b", file_of({flagged, record(102, 0), record(99999, 4),
                                    record(40001, 8), record(40009, 3), record(60001, 2),
                                    record(40002, 6)}));
    tab_powtorek[3] = record(103, 1); // the learner's own, replaced by the import
    ile_powtorek = 3;

    ASSERT_TRUE(import_powtorek(old + "7/", mapa));
    EXPECT_EQ(tab_powtorek[index_of(103)].id, 0);
    const TPowtorka& r = tab_powtorek[index_of(101)];
    EXPECT_EQ(r.id, 101);
    EXPECT_EQ(r.typy[2], 2);
    EXPECT_TRUE(flagi_powtorek[index_of(101)][2]);
    EXPECT_EQ(r.typy[3], 2);
    EXPECT_FALSE(flagi_powtorek[index_of(101)][3]);
    EXPECT_EQ(tab_powtorek[index_of(102)].id, 102); // copied though not counted
    // The earlier "bird" (40001) is the learner's 40002 now; the earlier "cat"
    // (40002) is the learner's own 40001.
    EXPECT_EQ(tab_powtorek[index_of(40002)].interwal, 8);
    EXPECT_EQ(tab_powtorek[index_of(40002)].id, 40002);
    EXPECT_EQ(tab_powtorek[index_of(40001)].interwal, 6);
    EXPECT_EQ(ile_powtorek, index_of(40002));

    const std::string user = sciezka_usera;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], os::pl("Zaimportowano powtórki: 4 słówek i zdań. Indeksy odrzuconych "
                                  "słówek (2) znajdują się w pliku, w katalogu: ") +
                               user + ".");
    std::vector<std::string> lines;
    ASSERT_EQ(os::read_lines(user + PLIK_ODRZUCONYCH, lines), os::ReadStatus::ok);
    const std::vector<std::string> expected = {
        os::pl("Kody słówek i zdań odrzuconych w procesie importu powtórek."),
        " - 99999 - 40009"};
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(zapis_powtorek_zablokowany());
}

TEST_F(Import, WithoutTheWordsTheEarlierOwnWordsAreRejected) {
    dir.write("old/7/p.b", file_of({record(101, 3), record(40001, 8)}));
    ASSERT_TRUE(import_powtorek(old + "7/", {}));
    EXPECT_EQ(tab_powtorek[index_of(40001)].id, 0); // not the learner's own "cat"
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("(1)"), std::string::npos);
}

TEST_F(Import, AllRecordsAcceptedNeedNoFile) {
    dir.write("old/7/p.b", file_of({record(101, 3), record(60001, 0)}));
    ASSERT_TRUE(import_powtorek(old + "7/", {}));
    EXPECT_EQ(messages, std::vector<std::string>{
                            os::pl("Zaimportowano powtórki: 1 słówek i zdań.")});
    EXPECT_FALSE(os::file_exists(sciezka_usera + PLIK_ODRZUCONYCH));
}

TEST_F(Import, AMissingPbLeavesTheStoreWhole) {
    tab_powtorek[2] = record(102, 9);
    ile_powtorek = 2;
    EXPECT_FALSE(import_powtorek(old + "7/", {}));
    EXPECT_EQ(tab_powtorek[2].id, 102);
    EXPECT_EQ(tab_powtorek[2].interwal, 9);
    EXPECT_EQ(ile_powtorek, 2);
    EXPECT_EQ(messages, std::vector<std::string>{os::pl("Brak pliku z powtórkami [") + old +
                                                 "7/p.b]."});
}

TEST_F(Import, AFullCourseTakesIndex15000AndProgressStaysWithin100) {
    for (int i = 1; i <= MAX_SLOW; ++i)
        baza.id_slowa[i] = i;
    baza.ile_slow = MAX_SLOW;
    przebuduj_indeks();
    std::vector<TPowtorka> all;
    for (int i = 1; i <= MAX_POWTOREK; ++i)
        all.push_back(record(i, 1));
    dir.write("old/7/p.b", file_of(all));
    ASSERT_TRUE(import_powtorek(old + "7/", {}));
    EXPECT_EQ(tab_powtorek[MAX_POWTOREK].id, MAX_POWTOREK);
    EXPECT_EQ(ile_powtorek, MAX_POWTOREK);
    ASSERT_FALSE(positions.empty());
    EXPECT_LE(*std::max_element(positions.begin(), positions.end()), 100);
    EXPECT_EQ(positions.back(), 100);
}

} // namespace
