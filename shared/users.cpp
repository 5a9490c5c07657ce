#include "shared/users.h"

#include <algorithm>

#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"

int ile_userow = 0;
std::array<int, MAX_USEROW + 1> id_userow{};
std::array<std::string, MAX_USEROW + 1> nazwy_userow{};

namespace {
std::vector<std::string> g_nadmiar;
bool g_blad_odczytu = false;

std::string plik_userow() {
    return sciezka_programu + "usr.t";
}
} // namespace

const std::vector<std::string>& nadmiarowi_userzy() {
    return g_nadmiar;
}

void wczytaj_userow() {
    ile_userow = 0;
    g_nadmiar.clear();
    os::LineReader f;
    g_blad_odczytu = !f.open(plik_userow()) && os::file_exists(plik_userow());
    while (!f.eof()) {
        std::string linia = f.read_line();
        int p = Pos("=", linia);
        if (p < 1) continue;
        int id = 0;
        try {
            id = StrToInt(Trim(Copy(linia, 1, p - 1)));
        } catch (...) {
            g_nadmiar.push_back(linia); // an ID that is not a number: kept, not used
            continue;
        }
        if (ile_userow >= MAX_USEROW) {
            g_nadmiar.push_back(linia);
            continue;
        }
        ++ile_userow;
        id_userow[ile_userow] = id;
        nazwy_userow[ile_userow] = Trim(Copy(linia, p + 1, static_cast<int>(linia.size())));
    }
}

WynikDodania dodaj_usera(const std::string& nazwa, int* nowe_id) {
    if (g_blad_odczytu) return WynikDodania::blad_odczytu;
    std::string n = Trim(nazwa);
    std::string klucz = LowerCase(n);
    for (int i = 1; i <= ile_userow; ++i)
        if (LowerCase(nazwy_userow[i]) == klucz) return WynikDodania::istnieje;
    if (ile_userow >= MAX_USEROW) return WynikDodania::pelna_lista;

    int najwyzsze = 0;
    for (int i = 1; i <= ile_userow; ++i)
        najwyzsze = std::max(najwyzsze, id_userow[i]);
    std::vector<std::string> linie;
    for (int i = 1; i <= ile_userow; ++i)
        linie.push_back(IntToStr(id_userow[i]) + "=" + nazwy_userow[i]);
    linie.push_back(IntToStr(najwyzsze + 1) + "=" + n);
    linie.insert(linie.end(), g_nadmiar.begin(), g_nadmiar.end());
    if (!os::write_lines(plik_userow(), linie)) return WynikDodania::blad_zapisu;

    ++ile_userow;
    id_userow[ile_userow] = najwyzsze + 1;
    nazwy_userow[ile_userow] = n;
    if (nowe_id) *nowe_id = najwyzsze + 1;
    return WynikDodania::dodany;
}

std::string folder_usera(int id) {
    return sciezka_programu + Trim(IntToStr(id)) + "/";
}
