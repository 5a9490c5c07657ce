#pragma once
// Exercise lists, the run's items, interlude sets, backgrounds and type names.
#include <array>
#include <string>

constexpr int MAX_LISTA = 300;

// The chosen item IDs and the run as item indexes, 1-based.
extern std::array<int, MAX_LISTA + 1> lista_id;
extern int ile_w_liscie;
extern std::array<int, MAX_LISTA + 1> lista_cwiczenia;
extern int wybrany_typ;
extern int tryb_lekcji;   // 1 lesson run, 0 repetition run
extern int lista_gotowa;
