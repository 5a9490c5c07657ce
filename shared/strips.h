#pragma once
// The button strips by name: the file of each and the size of its frames (two
// frames side by side: normal, highlighted). Each program's holder window
// loads its own list in its own order; a button names its strip and finds it
// in whichever list was loaded, never by a bare index.
#include <array>
#include <cstddef>

#include "shared/look.h"

enum class Pasek {
    glosnik2,
    mikrof2,
    ok2,
    anuluj2,
    umiem,
    nie_umiem,
    sprawdz,
    ok_duzy,
    nauka,
    podr_back2,
    podr_druk2,
    nowy_user,
    glos_maly,
    op_gora,
    op_dol,
    m_slow_powt,
    m_slow_cwicz,
    m_slow_wyniki,
    m_slow_gener,
    m_slow_serwisy,
    m_slow_pomoc,
    m_slow_ustawienia,
    podr_spis2,
    // The dictionary window's own action buttons.
    sl_szukaj,
    sl_zdania,
    sl_do_nauki,
    sl_wszystkie,
    // The run's closing and the repetition windows.
    do_cwiczenia,
    do_kosza,
    przywroc,
    do_schowka,
    zamknij,
    statystyka,
    zeruj,
    kasuj_pow,
};

struct OpisPaska {
    Pasek nazwa;
    const char* plik; // under the program folder
    look::Size klatka;
};

// Every strip, in the order of Pasek.
constexpr std::array<OpisPaska, 35> opisy_paskow = {{
    {Pasek::glosnik2, "but_s\\glosnik2.bmp", {48, 48}},
    {Pasek::mikrof2, "but_s\\mikrof2.bmp", {48, 48}},
    {Pasek::ok2, "but_s\\ok2.bmp", {64, 32}},
    {Pasek::anuluj2, "but_s\\anuluj2.bmp", {64, 32}},
    {Pasek::umiem, "but_s\\umiem.bmp", {120, 36}},
    {Pasek::nie_umiem, "but_s\\nie_umiem.bmp", {120, 36}},
    {Pasek::sprawdz, "but_s\\sprawdz.bmp", {120, 36}},
    {Pasek::ok_duzy, "but_s\\ok_duzy.bmp", {120, 36}},
    {Pasek::nauka, "but_s\\nauka.bmp", {120, 36}},
    {Pasek::podr_back2, "but_s\\podr_back2.bmp", {90, 30}},
    {Pasek::podr_druk2, "but_s\\podr_druk2.bmp", {90, 30}},
    {Pasek::nowy_user, "but_s\\nowy_user.bmp", {150, 32}},
    {Pasek::glos_maly, "but_s\\glos_maly.bmp", {28, 28}},
    {Pasek::op_gora, "but_s\\op_gora.bmp", {28, 20}},
    {Pasek::op_dol, "but_s\\op_dol.bmp", {28, 20}},
    {Pasek::m_slow_powt, "but_s\\m_slow_powt.bmp", {260, 52}},
    {Pasek::m_slow_cwicz, "but_s\\m_slow_cwicz.bmp", {260, 52}},
    {Pasek::m_slow_wyniki, "but_s\\m_slow_wyniki.bmp", {260, 52}},
    {Pasek::m_slow_gener, "but_s\\m_slow_gener.bmp", {260, 52}},
    {Pasek::m_slow_serwisy, "but_s\\m_slow_serwisy.bmp", {260, 52}},
    {Pasek::m_slow_pomoc, "but_s\\m_slow_pomoc.bmp", {260, 52}},
    {Pasek::m_slow_ustawienia, "but_s\\m_slow_ustawienia.bmp", {260, 52}},
    {Pasek::podr_spis2, "but_s\\podr_spis2.bmp", {90, 30}},
    {Pasek::sl_szukaj, "but_s\\sl_szukaj.bmp", {104, 30}},
    {Pasek::sl_zdania, "but_s\\sl_zdania.bmp", {104, 30}},
    {Pasek::sl_do_nauki, "but_s\\sl_do_nauki.bmp", {104, 30}},
    {Pasek::sl_wszystkie, "but_s\\sl_wszystkie.bmp", {104, 30}},
    {Pasek::do_cwiczenia, "but_s\\do_cwiczenia.bmp", {150, 32}},
    {Pasek::do_kosza, "but_s\\do_kosza.bmp", {104, 30}},
    {Pasek::przywroc, "but_s\\przywroc.bmp", {104, 30}},
    {Pasek::do_schowka, "but_s\\do_schowka.bmp", {104, 30}},
    {Pasek::zamknij, "but_s\\zamknij.bmp", {90, 30}},
    {Pasek::statystyka, "but_s\\statystyka.bmp", {150, 36}},
    {Pasek::zeruj, "but_s\\zeruj.bmp", {104, 30}},
    {Pasek::kasuj_pow, "but_s\\kasuj_pow.bmp", {150, 30}},
}};

constexpr const OpisPaska& opis_paska(Pasek p) {
    return opisy_paskow[static_cast<std::size_t>(p)];
}

// The trainer's holder loads these 32, in this order.
constexpr std::array<Pasek, 32> paski_trenera = {
    Pasek::glosnik2,      Pasek::mikrof2,        Pasek::ok2,
    Pasek::anuluj2,       Pasek::umiem,          Pasek::nie_umiem,
    Pasek::sprawdz,       Pasek::ok_duzy,        Pasek::nauka,
    Pasek::podr_back2,    Pasek::podr_druk2,     Pasek::nowy_user,
    Pasek::glos_maly,     Pasek::op_gora,        Pasek::op_dol,
    Pasek::m_slow_powt,   Pasek::m_slow_cwicz,   Pasek::m_slow_wyniki,
    Pasek::m_slow_gener,  Pasek::m_slow_serwisy, Pasek::m_slow_pomoc,
    Pasek::m_slow_ustawienia, Pasek::podr_spis2,     Pasek::sl_do_nauki,
    Pasek::do_cwiczenia,  Pasek::do_kosza,       Pasek::przywroc,
    Pasek::do_schowka,    Pasek::zamknij,        Pasek::statystyka,
    Pasek::zeruj,         Pasek::kasuj_pow,
};

// The dictionary program's holder loads these six, in this order.
constexpr std::array<Pasek, 6> paski_slownika = {
    Pasek::ok2, Pasek::ok2, Pasek::anuluj2, Pasek::op_gora, Pasek::op_dol, Pasek::nowy_user,
};

// Checked at compile time: the table is in the order of the names.
constexpr bool opisy_w_kolejnosci() {
    for (std::size_t i = 0; i < opisy_paskow.size(); ++i)
        if (static_cast<std::size_t>(opisy_paskow[i].nazwa) != i) return false;
    return true;
}
static_assert(opisy_w_kolejnosci());
