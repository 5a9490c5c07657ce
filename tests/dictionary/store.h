#pragma once
// A few items put straight into the item store for the dictionary's tests;
// every global of the data routines is reset around each use.
#include <string>

#include "core/items.h"
#include "core/startup.h"
#include "core/state.h"

namespace testsupport {

class DictionaryStore {
  public:
    explicit DictionaryStore(int jezyk = 1) {
        core::wyczysc_stan();
        jezyk_edycji = jezyk;
        sciezka_cd = "/disc/bsslow3/";
    }
    ~DictionaryStore() { core::wyczysc_stan(); }
    DictionaryStore(const DictionaryStore&) = delete;
    DictionaryStore& operator=(const DictionaryStore&) = delete;

    // A word (before any sentence); its index.
    int word(int id, const std::string& obce, const std::string& polski, int grupa = 1,
             int rodzaj = 1) {
        const int i = add(id, obce, polski, grupa, rodzaj);
        baza.ile_slowek = i;
        return i;
    }
    // A sentence with the dictionary's search text; its index.
    int sentence(int id, const std::string& obce, const std::string& polski = "",
                 const std::string& wymowa = "", const std::string& drugie = "") {
        const int i = add(id, obce, polski, 1, 5);
        baza.wymowa[i] = wymowa;
        baza.tlumaczenie_zdania[i] = drugie;
        baza.tekst_szukania[i] = tekst_szukania_slownika(obce);
        return i;
    }
    void link(int slowo, int zdanie) {
        ++ile_powiazan;
        powiazanie_slowo[ile_powiazan] = slowo;
        powiazanie_zdanie[ile_powiazan] = zdanie;
    }
    void group(int numer, const std::string& nazwa) {
        grupy[++ile_grup].numer = numer;
        grupy[ile_grup].nazwa = nazwa;
    }

  private:
    int add(int id, const std::string& obce, const std::string& polski, int grupa, int rodzaj) {
        const int i = ++baza.ile_slow;
        baza.id_slowa[i] = id;
        baza.slowo_obce[i] = obce;
        baza.tlumaczenie[i] = polski;
        baza.grupa[i] = grupa;
        baza.rodzaj[i] = rodzaj;
        przebuduj_indeks();
        return i;
    }
};

} // namespace testsupport
