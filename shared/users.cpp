#include "shared/users.h"

#include <algorithm>
#include <filesystem>

#include "core/errors.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/file_lock.h"
#include "platform/os/paths.h"

StanUserow stan_userow;

int& ile_userow = stan_userow.ile_userow;
IdUserow& id_userow = stan_userow.id_userow;
NazwyUserow& nazwy_userow = stan_userow.nazwy_userow;

namespace {

std::string plik_userow() {
    return sciezka_programu + "usr.t";
}

// The ID of a line "ID=name" whose "=" stands at p; false when it is not a number.
bool id_linii(const std::string& linia, int p, int& id) {
    try {
        id = StrToInt(Trim(Copy(linia, 1, p - 1)));
        return true;
    } catch (const core::ConversionError&) {
        return false;
    }
}

// Reads usr.t into `stan` through its learner file; false when unreadable.
// A line that is no "ID=name" is kept aside as it was read, and the damaged
// file is copied beside it before a rewrite; `zglos` names both in a message.
bool czytaj(StanUserow& stan, bool zglos) {
    std::vector<std::string> lines;
    if (!stan.plik.wczytaj_linie(plik_userow(), lines)) return false;
    bool uszkodzony = false;
    for (const std::string& linia : lines) {
        if (Trim(linia).empty()) continue;
        const int p = Pos("=", linia);
        int id = 0;
        const bool zrozumiala = p >= 1 && id_linii(linia, p, id);
        if (!zrozumiala || stan.ile_userow >= MAX_USEROW) {
            uszkodzony = uszkodzony || !zrozumiala;
            stan.nadmiar.push_back(linia);
            continue;
        }
        ++stan.ile_userow;
        stan.id_userow[stan.ile_userow] = id;
        stan.nazwy_userow[stan.ile_userow] = Trim(Copy(linia, p + 1, static_cast<int>(linia.size())));
    }
    if (uszkodzony) {
        if (zglos)
            stan.plik.niezrozumiale_wiersze();
        else
            stan.plik.zachowaj_uszkodzony();
    }
    return true;
}

// The highest ID in use: in the list, in its lines kept aside, and among the
// numbered folders of the program folder.
int najwyzsze_id(const StanUserow& stan) {
    int najwyzsze = 0;
    for (int i = 1; i <= stan.ile_userow; ++i)
        najwyzsze = std::max(najwyzsze, stan.id_userow[i]);
    for (const std::string& linia : stan.nadmiar) {
        int id = 0;
        if (id_linii(linia, Pos("=", linia), id)) najwyzsze = std::max(najwyzsze, id);
    }
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(os::resolve(sciezka_programu), ec)) {
        const std::string name = e.path().filename().string();
        std::error_code ec2;
        if (name.empty() || name.size() > 9 || !e.is_directory(ec2) ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        najwyzsze = std::max(najwyzsze, std::stoi(name));
    }
    return najwyzsze;
}

} // namespace

void wyczysc_userow() {
    stan_userow = {};
}

const std::vector<std::string>& nadmiarowi_userzy() {
    return stan_userow.nadmiar;
}

void wczytaj_userow() {
    stan_userow = {};
    czytaj(stan_userow, true);
}

WynikDodania dodaj_usera(const std::string& nazwa, int* nowe_id) {
    const std::string n = Trim(nazwa);
    os::FileLock blokada(plik_userow() + ".lock");
    if (!blokada.held()) return WynikDodania::blad_zapisu;

    StanUserow plik;
    if (!czytaj(plik, false)) return WynikDodania::blad_odczytu;
    const std::string klucz = LowerCase(n);
    for (int i = 1; i <= plik.ile_userow; ++i)
        if (LowerCase(plik.nazwy_userow[i]) == klucz) return WynikDodania::istnieje;
    if (plik.ile_userow >= MAX_USEROW) return WynikDodania::pelna_lista;

    const int id = najwyzsze_id(plik) + 1;
    std::vector<std::string> linie;
    for (int i = 1; i <= plik.ile_userow; ++i)
        linie.push_back(IntToStr(plik.id_userow[i]) + "=" + plik.nazwy_userow[i]);
    linie.push_back(IntToStr(id) + "=" + n);
    linie.insert(linie.end(), plik.nadmiar.begin(), plik.nadmiar.end());
    if (!plik.plik.zapisz_linie(linie)) return WynikDodania::blad_zapisu;

    ++plik.ile_userow;
    plik.id_userow[plik.ile_userow] = id;
    plik.nazwy_userow[plik.ile_userow] = n;
    stan_userow = std::move(plik);
    if (nowe_id) *nowe_id = id;
    return WynikDodania::dodany;
}

std::string folder_usera(int id) {
    return sciezka_programu + Trim(IntToStr(id)) + "/";
}
