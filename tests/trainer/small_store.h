#pragma once
// A few items put straight into the item store, for the exercise engine's
// tests, and a text measurer with fixed metrics. Every global of the start-up,
// the item store and the repetition store is reset around each use.
#include <string>
#include <utility>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/random.h"
#include "trainer_logic/sentence_layout.h"

namespace testsupport {

struct Pozycja {
    Pozycja() = default;
    Pozycja(int id, int rodzaj, std::string obce, std::string polski, int grupa = 1,
            std::string l_mnoga = "", std::string synonimy = "", std::string uwagi = "",
            std::string wymowa = "", std::string podpowiedz = "",
            std::string tlumaczenie_zdania = "", std::string opcje = "", std::string komentarz = "")
        : id(id), rodzaj(rodzaj), obce(std::move(obce)), polski(std::move(polski)), grupa(grupa),
          l_mnoga(std::move(l_mnoga)), synonimy(std::move(synonimy)), uwagi(std::move(uwagi)),
          wymowa(std::move(wymowa)), podpowiedz(std::move(podpowiedz)),
          tlumaczenie_zdania(std::move(tlumaczenie_zdania)), opcje(std::move(opcje)),
          komentarz(std::move(komentarz)) {}

    int id = 0;
    int rodzaj = 1; // 1 noun, 2 adjective, 3 verb, 4 other, 5 sentence
    std::string obce;
    std::string polski;
    int grupa = 1;
    std::string l_mnoga;
    std::string synonimy;
    std::string uwagi;
    std::string wymowa;     // recording number
    std::string podpowiedz; // word field 7
    std::string tlumaczenie_zdania;
    std::string opcje;
    std::string komentarz;
};

class SmallStore {
  public:
    explicit SmallStore(int jezyk = 1) {
        reset();
        jezyk_edycji = jezyk;
        czcionka = "Arial";
        czcionka_charset = jezyk == 3 ? 0 : 238;
        sciezka_cd = "/disc/bsslow3/";
        os::set_rand_seed(12345);
    }
    ~SmallStore() { reset(); }
    SmallStore(const SmallStore&) = delete;
    SmallStore& operator=(const SmallStore&) = delete;

    // Appends an item; returns its index. Words must come before sentences.
    int add(const Pozycja& p) {
        const int i = ++baza.ile_slow;
        baza.id_slowa[i] = p.id;
        baza.rodzaj[i] = p.rodzaj;
        baza.grupa[i] = p.grupa;
        baza.poziom[i] = 1;
        baza.slowo_obce[i] = p.obce;
        baza.tlumaczenie[i] = p.polski;
        baza.l_mnoga[i] = p.l_mnoga;
        baza.synonimy[i] = p.synonimy;
        baza.uwagi[i] = p.uwagi;
        baza.wymowa[i] = p.wymowa;
        baza.pole_7[i] = p.podpowiedz;
        baza.tlumaczenie_zdania[i] = p.tlumaczenie_zdania;
        baza.opcje_wyboru[i] = p.opcje;
        baza.komentarz[i] = p.komentarz;
        if (p.rodzaj < 5) baza.ile_slowek = i;
        przebuduj_indeks();
        return i;
    }

  private:
    static void reset() {
        wyczysc_start();
        wyczysc_baze();
        wyczysc_powtorki();
        ustawienia.domyslne();
    }
};

// Every character 10 pixels wide, lines 20 pixels high.
class StalyMiernik : public MiernikTekstu {
  public:
    int szerokosc(const std::string& tekst, int) const override {
        return 10 * static_cast<int>(tekst.size());
    }
    int wysokosc(int) const override { return 20; }
    RozmiaryRamek rozmiary() const override { return {610, 610, 26}; } // the window's
};

} // namespace testsupport
