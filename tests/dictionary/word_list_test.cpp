// The dictionary list's ten rows under the scroll bar, and the selection.
#include <gtest/gtest.h>

#include <numeric>

#include "dictionary/word_list.h"

namespace {

TListaSlownika lista(int ile) {
    std::vector<int> p(static_cast<size_t>(ile));
    std::iota(p.begin(), p.end(), 101); // item 101 at position 1
    TListaSlownika l;
    l.ustaw(p);
    return l;
}

TEST(DictionaryRows, TheScrollBarShowsOnlyForMoreThanTenWords) {
    struct Case {
        int ile, max;
        bool widoczny;
    } cases[] = {{0, 1, false}, {9, 1, false}, {10, 1, false}, {11, 2, true}, {25, 16, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(lista(c.ile).max_suwaka(), c.max) << c.ile;
        EXPECT_EQ(lista(c.ile).suwak_widoczny(), c.widoczny) << c.ile;
    }
}

TEST(DictionaryRows, RowToPosition) {
    struct Case {
        int ile, suwak, wiersz, pozycja;
    } cases[] = {
        {25, 1, 1, 1}, {25, 5, 3, 7}, {25, 16, 10, 25}, {4, 1, 4, 4},
        {4, 1, 5, 0},  {0, 1, 1, 0},  {25, 1, 0, 0},    {25, 1, 11, 0},
    };
    for (const auto& c : cases) {
        const TListaSlownika l = lista(c.ile);
        EXPECT_EQ(l.pozycja_wiersza(c.wiersz, c.suwak), c.pozycja)
            << c.ile << " " << c.suwak << " " << c.wiersz;
        EXPECT_EQ(l.element_wiersza(c.wiersz, c.suwak), c.pozycja ? 100 + c.pozycja : 0);
    }
}

TEST(DictionaryRows, AClickSelectsWhatTheRowShows) {
    TListaSlownika l = lista(25);
    ASSERT_TRUE(l.kliknij(3, 5));
    EXPECT_EQ(l.wybrany_wiersz(), 8);
    EXPECT_EQ(l.wybrany(), 107);
    EXPECT_TRUE(l.zaznaczony(3, 5));
    EXPECT_FALSE(l.zaznaczony(4, 5));
    EXPECT_TRUE(l.zaznaczony(1, 7)); // scrolled: the same word, another row

    // Below a short list a row shows nothing, and a click on it selects
    // nothing instead of a position past the list.
    TListaSlownika krotka = lista(4);
    ASSERT_TRUE(krotka.kliknij(2, 1));
    EXPECT_FALSE(krotka.kliknij(7, 1));
    EXPECT_EQ(krotka.wybrany_wiersz(), -1);
    EXPECT_EQ(krotka.wybrany(), 0);
    for (int w = 1; w <= WIERSZY_SLOWNIKA; ++w)
        EXPECT_FALSE(krotka.zaznaczony(w, 1)) << w;

    // A new list selects nothing.
    l.ustaw({1, 2});
    EXPECT_EQ(l.wybrany(), 0);
}

} // namespace
