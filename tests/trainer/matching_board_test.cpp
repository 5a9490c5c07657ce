// The matching game's board without a window: pairing by clicks, the check
// and its score.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "trainer_logic/matching_board.h"

namespace {

// Words a..j with Polish A..J; the right column starts reversed (J..A).
TSlowaKojarzenia slowa() {
    TSlowaKojarzenia s;
    for (int i = 1; i <= SLOW_KOJARZENIA; ++i) {
        s.obce[i] = std::string(1, char('a' + i - 1));
        s.polskie[i] = std::string(1, char('A' + i - 1));
        s.polskie_wymieszane[SLOW_KOJARZENIA + 1 - i] = s.polskie[i];
        s.nagrania[i] = "rec" + std::to_string(i);
    }
    return s;
}

std::string prawe(const TPlanszaKojarzenia& p) {
    std::string s;
    for (int i = 1; i <= SLOW_KOJARZENIA; ++i)
        s += p.prawy(i);
    return s;
}

TEST(MatchingBoard, ClicksPairInEitherOrderAndSwapRightTexts) {
    // A click list: "L3" left row 3, "R5" right row 5.
    const struct {
        const char* nazwa;
        std::vector<const char*> kliki;
        const char* prawe;
        int wybrany_lewy, wybrany_prawy, mignij; // after the last click
    } table[] = {
        {"a left word alone is picked", {"L3"}, "JIHGFEDCBA", 3, 0, 0},
        {"a second left word replaces it", {"L3", "L4"}, "JIHGFEDCBA", 4, 0, 0},
        {"left then right moves the text into the word's row",
         {"L1", "R10"},
         "AIHGFEDCBJ",
         0,
         0,
         1},
        {"right then left does the same", {"R10", "L1"}, "AIHGFEDCBJ", 0, 0, 1},
        {"a right text alone is picked", {"R2"}, "JIHGFEDCBA", 0, 2, 0},
        {"two right texts swap", {"R2", "R5"}, "JFHGIEDCBA", 0, 0, 0},
        {"the same right text twice drops it", {"R2", "R2"}, "JIHGFEDCBA", 0, 0, 0},
        {"rows outside the board do nothing", {"L0", "R11", "L11"}, "JIHGFEDCBA", 0, 0, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nazwa);
        TPlanszaKojarzenia p;
        p.nowa(slowa());
        TPlanszaKojarzenia::Skutek sk;
        for (const char* k : row.kliki) {
            const int w = std::stoi(k + 1);
            sk = k[0] == 'L' ? p.klik_lewy(w) : p.klik_prawy(w);
            EXPECT_EQ(sk.graj, 0);
        }
        EXPECT_EQ(prawe(p), row.prawe);
        EXPECT_EQ(p.wybrany_lewy(), row.wybrany_lewy);
        EXPECT_EQ(p.wybrany_prawy(), row.wybrany_prawy);
        EXPECT_EQ(sk.mignij, row.mignij);
    }
}

// Clicks as "L3 R5 ...".
void klikaj(TPlanszaKojarzenia& p, const std::string& kliki) {
    size_t i = 0;
    while (i < kliki.size()) {
        size_t e = kliki.find(' ', i);
        if (e == std::string::npos) e = kliki.size();
        const int w = std::stoi(kliki.substr(i + 1, e - i - 1));
        kliki[i] == 'L' ? p.klik_lewy(w) : p.klik_prawy(w);
        i = e + 1;
    }
}

TEST(MatchingBoard, TheCheckScoresTenPerRowAndEndsTheGameAtTen) {
    TPlanszaKojarzenia p;
    p.nowa(slowa());
    EXPECT_EQ(p.wynik(), "0 %");
    EXPECT_EQ(p.sprawdz(), 0);
    EXPECT_EQ(p.wynik(), "0 %");
    EXPECT_FALSE(p.koniec());

    // Seven right, rows 8-10 in a ring.
    klikaj(p, "L1 R10 L2 R9 L3 R8 L4 R7 R5 R6 R8 R9 R9 R10");
    EXPECT_EQ(prawe(p), "ABCDEFGIJH");
    EXPECT_EQ(p.sprawdz(), 7);
    EXPECT_EQ(p.wynik(), "70 %");
    EXPECT_FALSE(p.koniec());
    for (int w = 1; w <= SLOW_KOJARZENIA; ++w)
        EXPECT_EQ(p.dobrze(w), w <= 7) << w;

    // Pairing goes on after a check that was not all right.
    klikaj(p, "R8 R10 L9 R10");
    EXPECT_EQ(prawe(p), "ABCDEFGHIJ");
    EXPECT_EQ(p.wynik(), "70 %"); // until the next check
    EXPECT_EQ(p.sprawdz(), 10);
    EXPECT_EQ(p.wynik(), "100 %");
    EXPECT_TRUE(p.koniec());

    // Over: a left word plays its recording; nothing pairs any more.
    EXPECT_EQ(p.klik_lewy(4).graj, 4);
    EXPECT_EQ(p.nagranie(4), "rec4");
    klikaj(p, "R5 R6 L1 R2");
    EXPECT_EQ(prawe(p), "ABCDEFGHIJ");
    EXPECT_EQ(p.wybrany_lewy(), 0);
    EXPECT_EQ(p.wybrany_prawy(), 0);

    // A new game starts unchecked.
    p.nowa(slowa());
    EXPECT_FALSE(p.koniec());
    EXPECT_EQ(p.wynik(), "0 %");
    EXPECT_EQ(p.klik_lewy(4).graj, 0);
}

} // namespace
