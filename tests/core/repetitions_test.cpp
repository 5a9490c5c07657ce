#include "core/repetitions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/items.h"
#include "core/settings.h"
#include "core/ui_hooks.h"
#include "course_fixture.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/paths.h"

namespace {

using testsupport::crlf;

const std::string kSaved = "2024-03-05 14:30:00"; // the fixed clock as p.i shows it

TPowtorka record(int id, double last = 45000, int interval = 10) {
    TPowtorka r;
    r.id = id;
    r.data_pierwsza = last - 30;
    r.data_ostatnia = last;
    r.ile_powtorzen = 3;
    r.interwal = interval;
    r.poprzedni_interwal = 4;
    r.wspolczynnik = 1.5;
    return r;
}

std::string bytes_of(const TPowtorka& r) {
    unsigned char b[ROZMIAR_POWTORKI];
    r.encode(b);
    return std::string(reinterpret_cast<const char*>(b), ROZMIAR_POWTORKI);
}

std::string file_of(const std::vector<TPowtorka>& records) {
    std::string s;
    for (const auto& r : records)
        s += bytes_of(r);
    return s;
}

// The whole store (slots 1..5 of the small course and their flags) as bytes.
std::string snapshot() {
    std::string s = std::to_string(ile_powtorek) + ":";
    for (int i = 1; i <= 5; ++i) {
        s += bytes_of(tab_powtorek[i]);
        for (int t = 1; t <= TYPOW_POWTORKI; ++t)
            s += flagi_powtorek[i][t] ? '1' : '0';
    }
    return s;
}

class Repetitions : public ::testing::Test {
  protected:
    void SetUp() override {
        course.lay_out();
        course.start();
        ASSERT_EQ(baza.ile_slow, 5); // 101, 102, 103, 60001, 60002
        sciezka_usera = course.dir.path() + "user/";
        ASSERT_TRUE(os::make_folder(sciezka_usera));
        ustawienia.domyslne();
        wyczysc_powtorki();
        os::set_clock([] { return os::date_serial(2024, 3, 5) + os::time_fraction(14, 30, 0); });
        ASSERT_TRUE(wczytaj_powtorki()); // a new user: empty store, writes allowed
        core::ui().info = [this](const std::string& t) { messages.push_back(t); };
    }
    void TearDown() override {
        os::set_atomic_fail_hook({});
        os::set_clock({});
        core::reset_ui();
        sciezka_usera.clear();
        ustawienia.domyslne();
        wyczysc_powtorki();
    }
    void write(const std::string& name, const std::string& bytes) const {
        course.dir.write("user/" + name, bytes);
    }
    std::string read(const std::string& name) const { return course.dir.read("user/" + name); }
    bool exists(const std::string& name) const { return course.dir.exists("user/" + name); }

    testsupport::CourseFixture course;
    std::vector<std::string> messages;
};

TEST_F(Repetitions, RecordBytesAreTheFileLayout) {
    TPowtorka r;
    r.id = 101;
    r.data_pierwsza = 45000; // 0x40E5F90000000000
    r.data_ostatnia = 45010; // 0x40E5FA4000000000
    r.ile_powtorzen = 3;
    r.interwal = 300;
    r.poprzedni_interwal = -2;
    r.wspolczynnik = 1.5; // 0x3FF8000000000000
    r.typy[1] = 2;
    r.typy[6] = 1;
    r.typy[15] = 7;
    r.juz_umiem = 1;
    r.kosz = 1;
    r.wolne[2] = 9;
    const unsigned char expected[ROZMIAR_POWTORKI] = {
        0x65, 0x00, 0x00, 0x00,                         // 0 ID
        0x00, 0x00, 0x00, 0x00, 0x00, 0xf9, 0xe5, 0x40, // 4 first date
        0x00, 0x00, 0x00, 0x00, 0x40, 0xfa, 0xe5, 0x40, // 12 last date
        0x03, 0x00, 0x00, 0x00,                         // 20 count
        0x2c, 0x01, 0x00, 0x00,                         // 24 interval
        0xfe, 0xff, 0xff, 0xff,                         // 28 previous interval
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf8, 0x3f, // 32 factor
        2,    0,    0,    0,    0,    1,    0,    0,    // 40 types 1..8
        0,    0,    0,    0,    0,    0,    7,          // 48 types 9..15
        1,    1,    0,    0,    9,                      // 55 "Już umiem!", bin, unused
    };
    unsigned char out[ROZMIAR_POWTORKI];
    r.encode(out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), ROZMIAR_POWTORKI),
              std::string(reinterpret_cast<const char*>(expected), ROZMIAR_POWTORKI));

    TPowtorka back;
    back.decode(expected);
    EXPECT_EQ(back.id, 101);
    EXPECT_EQ(back.data_pierwsza, 45000);
    EXPECT_EQ(back.data_ostatnia, 45010);
    EXPECT_EQ(back.ile_powtorzen, 3);
    EXPECT_EQ(back.interwal, 300);
    EXPECT_EQ(back.poprzedni_interwal, -2);
    EXPECT_EQ(back.wspolczynnik, 1.5);
    EXPECT_EQ(back.typy, r.typy);
    EXPECT_EQ(back.juz_umiem, 1);
    EXPECT_EQ(back.kosz, 1);
    EXPECT_EQ(back.wolne, r.wolne);
}

TEST_F(Repetitions, FlaggedTypeBytesSplitOnLoadAndJoinOnSave) {
    TPowtorka r = record(102);
    r.typy[3] = 102;
    r.typy[5] = 1;
    r.typy[15] = 100;
    write("p.b", bytes_of(r));
    ASSERT_TRUE(wczytaj_powtorki());
    const int i = znajdz_slowko(102);
    EXPECT_EQ(tab_powtorek[i].typy[3], 2);
    EXPECT_TRUE(flagi_powtorek[i][3]);
    EXPECT_EQ(tab_powtorek[i].typy[5], 1);
    EXPECT_FALSE(flagi_powtorek[i][5]);
    EXPECT_EQ(tab_powtorek[i].typy[15], 0);
    EXPECT_TRUE(flagi_powtorek[i][15]);

    flagi_powtorek[i][5] = true;
    ASSERT_TRUE(zapisz_powtorki());
    r.typy[5] = 101;
    EXPECT_EQ(read("p.b"), bytes_of(r));
}

TEST_F(Repetitions, SaveWritesTheRecordsInUseInIndexOrder) {
    // 999 is no item of the course: dropped at load, gone after the save.
    write("p.b", file_of({record(60002), record(999), record(101)}));
    ASSERT_TRUE(wczytaj_powtorki());
    EXPECT_EQ(ile_powtorek, 5);
    EXPECT_EQ(tab_powtorek[1].id, 101);
    EXPECT_EQ(tab_powtorek[5].id, 60002);
    EXPECT_EQ(ustawienia.linia[52], 3);

    ASSERT_TRUE(zapisz_powtorki());
    EXPECT_EQ(read("p.b"), file_of({record(101), record(60002)}));
    EXPECT_EQ(ustawienia.linia[52], 2);
    EXPECT_EQ(read("p.i"), crlf({"p.b=" + kSaved + "=2= "}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Repetitions, LoadingClearsEverySlotWhole) {
    for (int i : {2, 3}) {
        TPowtorka full = record(baza.id_slowa[i]);
        full.typy.fill(2);
        full.juz_umiem = full.kosz = 1;
        full.wolne.fill(5);
        tab_powtorek[i] = full;
        flagi_powtorek[i].fill(true);
    }
    ile_powtorek = 3;
    write("p.b", bytes_of(record(101)));
    ASSERT_TRUE(wczytaj_powtorki());
    EXPECT_EQ(ile_powtorek, 1);
    for (int i : {2, 3}) {
        EXPECT_EQ(bytes_of(tab_powtorek[i]), std::string(ROZMIAR_POWTORKI, '\0'));
        for (int t = 0; t <= TYPOW_POWTORKI; ++t)
            EXPECT_FALSE(flagi_powtorek[i][t]);
    }
}

TEST_F(Repetitions, TheLastSlotIsKept) {
    for (int i = 1; i <= MAX_SLOW; ++i)
        baza.id_slowa[i] = 100000 + i;
    baza.ile_slow = MAX_SLOW;
    przebuduj_indeks();
    write("p.b", file_of({record(100000 + MAX_SLOW), record(100000 + 14999)}));
    ASSERT_TRUE(wczytaj_powtorki());
    EXPECT_EQ(ile_powtorek, MAX_POWTOREK);
    EXPECT_EQ(tab_powtorek[MAX_POWTOREK].id, 100000 + MAX_SLOW);
    ASSERT_TRUE(zapisz_powtorki());
    EXPECT_EQ(read("p.b"), file_of({record(100000 + 14999), record(100000 + MAX_SLOW)}));
}

TEST_F(Repetitions, AShrunkenStoreWarnsAndKeepsTheBackupsUntilARestore) {
    const std::string backup = file_of({record(101), record(102), record(103), record(60001)});
    write("p_kopia.b", backup);
    write("p.b", file_of({record(101), record(102)}));
    ustawienia.linia[52] = 5;
    EXPECT_FALSE(wczytaj_powtorki());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], os::pl("Wczytano informacje o 2 powtórkach. Uszkodzone pliki mozna "
                                  "odtworzyć funkcją Ustawienia/Wczytaj powtórki z kopii."));
    EXPECT_EQ(ustawienia.linia[52], 5);
    EXPECT_EQ(ile_powtorek, 2);

    EXPECT_FALSE(kopia_powtorek());
    EXPECT_EQ(read("p_kopia.b"), backup);
    EXPECT_TRUE(zapisz_powtorki()); // p.b itself may still be saved

    messages.clear();
    ASSERT_TRUE(wczytaj_powtorki_z_kopii("p_kopia.b"));
    EXPECT_EQ(messages, std::vector<std::string>{os::pl("Wczytano informacje o 4 powtórkach.")});
    EXPECT_EQ(ustawienia.linia[52], 4);
    EXPECT_EQ(ile_powtorek, 4);
    EXPECT_EQ(tab_powtorek[4].id, 60001);
    ASSERT_TRUE(zapisz_powtorki());
    EXPECT_EQ(read("p.b"), backup);
    EXPECT_TRUE(kopia_powtorek());
}

TEST_F(Repetitions, AnUnusableBackupChangesNothingAndBlocksSaving) {
    struct Case {
        const char* what;
        bool present;
        std::string bytes;
    };
    const std::string two = file_of({record(101), record(102)});
    const Case cases[] = {
        {"missing", false, ""},
        {"empty", true, ""},
        {"truncated", true, two + std::string(25, '\x01')},
    };
    const std::string pb = file_of({record(103), record(60002)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        os::remove_file(sciezka_usera + "p_kopia_5.b");
        if (c.present) write("p_kopia_5.b", c.bytes);
        write("p.b", pb);
        ASSERT_TRUE(wczytaj_powtorki());
        tab_powtorek[5].interwal = 99; // a change made in this session
        const std::string before = snapshot();
        messages.clear();

        EXPECT_FALSE(wczytaj_powtorki_z_kopii("p_kopia_5.b"));
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(zapis_powtorek_zablokowany());
        EXPECT_FALSE(zapisz_powtorki());
        EXPECT_EQ(read("p.b"), pb);
        EXPECT_FALSE(kopia_powtorek());
        EXPECT_FALSE(exists("p_kopia.b"));
        EXPECT_EQ(exists("p_kopia_5.b"), c.present);
        if (c.present) {
            EXPECT_EQ(read("p_kopia_5.b"), c.bytes);
        }
    }
}

TEST_F(Repetitions, ADamagedStoreAtLoginKeepsWholeRecordsAndIsNotOverwritten) {
    const std::string damaged = file_of({record(101), record(102)}) + std::string(17, '\x07');
    write("p.b", damaged);
    write("p_kopia.b", bytes_of(record(103)));
    EXPECT_FALSE(wczytaj_powtorki());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(tab_powtorek[1].id, 101);
    EXPECT_EQ(tab_powtorek[2].id, 102);
    EXPECT_EQ(ile_powtorek, 2);

    EXPECT_FALSE(zapisz_powtorki());
    EXPECT_FALSE(kopia_powtorek());
    EXPECT_EQ(read("p.b"), damaged);
    EXPECT_EQ(read("p_kopia.b"), bytes_of(record(103)));

    ASSERT_TRUE(wczytaj_powtorki_z_kopii("p_kopia.b"));
    ASSERT_TRUE(zapisz_powtorki());
    EXPECT_EQ(read("p.b"), bytes_of(record(103)));
}

TEST_F(Repetitions, AnIncompleteItemStoreBlocksWritesEvenAfterARestore) {
    const std::string pb = file_of({record(101), record(102)});
    write("p.b", pb);
    write("p_kopia.b", bytes_of(record(103)));
    ASSERT_TRUE(wczytaj_powtorki());
    zablokuj_zapis_powtorek();
    ASSERT_TRUE(wczytaj_powtorki_z_kopii("p_kopia.b"));
    zezwol_na_zapis_powtorek();
    EXPECT_TRUE(zapis_powtorek_zablokowany());
    EXPECT_FALSE(zapisz_powtorki());
    EXPECT_FALSE(kopia_powtorek());
    EXPECT_EQ(read("p.b"), pb);
    EXPECT_EQ(read("p_kopia.b"), bytes_of(record(103)));

    // The next login's load starts afresh.
    ASSERT_TRUE(wczytaj_powtorki());
    EXPECT_TRUE(zapisz_powtorki());
}

TEST_F(Repetitions, TheRunCounterChoosesTheBackup) {
    for (int n = 1; n <= 25; ++n) {
        const char* expected = n == 10 || n == 20             ? "p_kopia_10.b"
                               : n == 5 || n == 15 || n == 25 ? "p_kopia_5.b"
                                                              : "p_kopia.b";
        EXPECT_EQ(plik_kopii_powtorek(n), expected) << "counter " << n;
    }
    write("p.b", file_of({record(101), record(103)}));
    ASSERT_TRUE(wczytaj_powtorki());
    ustawienia.linia[51] = 20;
    ASSERT_TRUE(kopia_powtorek());
    EXPECT_EQ(read("p_kopia_10.b"), read("p.b"));
    EXPECT_FALSE(exists("p_kopia.b"));
    EXPECT_EQ(read("p.i"), crlf({"p_kopia_10.b=" + kSaved + "=2= "}));
}

TEST_F(Repetitions, TheInfoTableReplacesAppendsAndKeepsTheNewestTen) {
    write("p.i", crlf({"p.b=2024-01-01 10:00:00=5= ", " p_kopia.b = 2024-01-02 = 3 = "}));
    ASSERT_TRUE(zapisz_info_powtorek("p_kopia.b", 7));
    ASSERT_TRUE(zapisz_info_powtorek("p_kopia_5.b", 1));
    EXPECT_EQ(read("p.i"), crlf({"p.b=2024-01-01 10:00:00=5= ", "p_kopia.b=" + kSaved + "=7= ",
                                 "p_kopia_5.b=" + kSaved + "=1= "}));

    // Ten lines; f3 is the oldest and goes when an eleventh name comes.
    std::vector<std::string> ten;
    for (int k = 0; k < 10; ++k)
        ten.push_back("f" + std::to_string(k) + ".b=2024-02-" +
                      (k == 3 ? "01" : "1" + std::to_string(k)) + "=" + std::to_string(k) + "= ");
    write("p.i", crlf(ten));
    ASSERT_TRUE(zapisz_info_powtorek("p.b", 4));
    auto expected = ten;
    expected.erase(expected.begin() + 3);
    expected.push_back("p.b=" + kSaved + "=4= ");
    EXPECT_EQ(read("p.i"), crlf(expected));

    // A longer table written elsewhere is cut back to ten on the next write.
    ten.push_back("g.b=2023-12-31=1= ");
    ten.push_back("h.b=2024-02-05=1= ");
    write("p.i", crlf(ten));
    ASSERT_TRUE(zapisz_info_powtorek("f9.b", 9));
    expected = ten;
    expected[9] = "f9.b=" + kSaved + "=9= ";
    expected.erase(expected.begin() + 10); // g.b, the oldest
    expected.erase(expected.begin() + 3);  // f3.b
    EXPECT_EQ(read("p.i"), crlf(expected));

    // A damaged table that repeats the written name: the older repeats go, the
    // line just written stays.
    std::vector<std::string> same(12, "p.b=2024-01-01=1= ");
    write("p.i", crlf(same));
    ASSERT_TRUE(zapisz_info_powtorek("p.b", 3));
    std::vector<std::string> kept(9, "p.b=2024-01-01=1= ");
    kept.insert(kept.begin(), "p.b=" + kSaved + "=3= ");
    EXPECT_EQ(read("p.i"), crlf(kept));
}

TEST_F(Repetitions, AnUnreadableInfoTableIsNotRewritten) {
    const std::string pi = crlf({"p_kopia.b=2024-01-01=2= "});
    write("p.i", pi);
    if (!testsupport::make_unreadable(sciezka_usera + "p.i"))
        GTEST_SKIP() << "this process reads every file";
    write("p.b", file_of({record(101)}));
    ASSERT_TRUE(wczytaj_powtorki());
    EXPECT_FALSE(zapisz_powtorki()); // p.b written, p.i left as it was
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(read("p.b"), file_of({record(101)}));
    ::chmod((sciezka_usera + "p.i").c_str(), 0600);
    EXPECT_EQ(read("p.i"), pi);
}

TEST_F(Repetitions, AFailedWriteKeepsTheOldFilesAtEveryStep) {
    const std::string pb = file_of({record(101), record(102)});
    const std::string pi = crlf({"p.b=2024-01-01=2= "});
    for (const char* step : {"open", "write", "flush", "rename"}) {
        SCOPED_TRACE(step);
        write("p.b", pb);
        write("p.i", pi);
        ASSERT_TRUE(wczytaj_powtorki());
        tab_powtorek[3] = record(103);
        messages.clear();
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(zapisz_powtorki());
        os::set_atomic_fail_hook({});
        EXPECT_EQ(read("p.b"), pb);
        EXPECT_EQ(read("p.i"), pi);
        EXPECT_EQ(ustawienia.linia[52], 2);
        EXPECT_EQ(messages.size(), 1u);
    }

    // The store written, its line in p.i not: reported as well.
    int renames = 0;
    os::set_atomic_fail_hook([&](const std::string& s) { return s == "rename" && ++renames == 2; });
    messages.clear();
    EXPECT_FALSE(zapisz_powtorki());
    os::set_atomic_fail_hook({});
    EXPECT_EQ(read("p.b"), file_of({record(101), record(102), record(103)}));
    EXPECT_EQ(read("p.i"), pi);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Repetitions, DueRecords) {
    struct Case {
        int slot, id;
        double last;
        int interval;
        uint8_t bin;
        bool due;
    };
    const double today = 45000;
    const Case cases[] = {
        {1, 101, 44990, 10, 0, true},    // last + interval = today
        {2, 102, 44991, 10, 0, false},   // tomorrow
        {3, 103, 44000, 1, 1, false},    // in the bin
        {4, 0, 44000, 1, 0, false},      // free slot
        {5, 60002, 44999.5, 0, 0, true}, // long overdue, no interval yet
    };
    for (const Case& c : cases) {
        tab_powtorek[c.slot] = record(c.id, c.last, c.interval);
        tab_powtorek[c.slot].kosz = c.bin;
    }
    ile_powtorek = 5;
    for (const Case& c : cases)
        EXPECT_EQ(powtorka_na_dzis(c.slot, today), c.due) << c.slot;
    EXPECT_FALSE(powtorka_na_dzis(0, today));
    EXPECT_FALSE(powtorka_na_dzis(MAX_POWTOREK + 1, today));

    os::set_clock([&] { return today + 0.75; });
    EXPECT_EQ(ile_na_dzis(), 2);
    ile_powtorek = 4; // slot 5 is beyond the store
    EXPECT_EQ(ile_na_dzis(), 1);
}

} // namespace
