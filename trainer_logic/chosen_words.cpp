#include "trainer_logic/chosen_words.h"

#include "core/exercises.h"
#include "core/hand_off.h"
#include "core/items.h"

void TWybraneSlowa::wczytaj(const std::string& folder) {
    if (przejety_) zamknij(true); // still holding the last one: it goes back first
    folder_ = folder;
    pozycje_.clear();
    ile_w_liscie = 0;
    const std::string plik = przejmij_slowa(folder);
    if (plik.empty()) return;
    // Not read whole: it goes back under its own name, never to be deleted.
    if (!czytaj_liste_id(plik, plik_slow(folder))) {
        oddaj_slowa(folder);
        return;
    }
    przejety_ = true;
    for (int k = 1; k <= ile_w_liscie; ++k)
        if (const int i = znajdz_slowko(lista_id[k]); i >= 1) pozycje_.push_back(i);
}

bool TWybraneSlowa::usun(int k) {
    if (k < 0 || k >= ile()) return false;
    pozycje_.erase(pozycje_.begin() + k);
    return true;
}

void TWybraneSlowa::do_nauki() const {
    ile_w_liscie = 0;
    for (int i : pozycje_) {
        if (ile_w_liscie >= MAX_LISTA) break;
        ++ile_w_liscie;
        lista_cwiczenia[ile_w_liscie] = i;
        lista_id[ile_w_liscie] = baza.id_slowa[i];
    }
    wybierz_do_cwiczenia();
}

void TWybraneSlowa::zamknij(bool zachowaj) {
    if (!przejety_) return;
    przejety_ = false;
    if (zachowaj)
        oddaj_slowa(folder_);
    else
        usun_przejete_slowa(folder_);
}
