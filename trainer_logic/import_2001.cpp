#include "trainer_logic/import_2001.h"

#include "core/errors.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"
#include "platform/os/registry.h"
#include "trainer_logic/generator.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// Own words take IDs above 40000 and below the sentences' 60000.
bool id_slowa_usera(int id) {
    return id > 40000 && id < 60000;
}

} // namespace

std::string klucz_rejestru_2001(int jezyk) {
    switch (jezyk) {
    case 2:
        return "HKEY_LOCAL_MACHINE\\Software\\Ostrel Multimedia\\tb2001\\Settings";
    case 3:
        return "HKEY_LOCAL_MACHINE\\Software\\";
    default:
        return "HKEY_LOCAL_MACHINE\\Software\\Ostrel Multimedia\\ta2001\\Settings";
    }
}

std::string folder_z_rejestru_2001(int jezyk) {
    return Trim(os::registry_read_string(klucz_rejestru_2001(jezyk), "app_kat").value_or(""));
}

std::string folder_2001(const std::string& tekst) {
    const std::string t = Trim(tekst);
    if (t.empty()) return {};
    return os::disc_root_from(t);
}

std::vector<Uzytkownik2001> wczytaj_userow_2001(const std::string& folder) {
    std::vector<Uzytkownik2001> lista;
    std::vector<std::string> linie;
    if (folder.empty() || os::read_lines(folder + "usr.t", linie) != os::ReadStatus::ok)
        return lista;
    for (const std::string& surowa : linie) {
        if (static_cast<int>(lista.size()) >= MAX_USEROW_2001) break;
        const std::string s = Trim(surowa);
        const size_t eq = s.find('=');
        if (eq == std::string::npos) continue;
        const int numer = StrToIntDef(Trim(s.substr(0, eq)), -1);
        // A user folder is named by its number: anything else names no folder.
        if (numer < 0) continue;
        lista.push_back({numer, Trim(s.substr(eq + 1))});
    }
    return lista;
}

int import_slowek_2001(const std::string& plik, MapaId2001& mapa) {
    const int bylo = baza.ile_slow;
    const int max_id = baza.max_id;
    auto cofnij = [&] {
        for (int i = bylo + 1; i <= baza.ile_slow; ++i)
            baza.wyczysc_pozycje(i);
        baza.ile_slow = bylo;
        baza.max_id = max_id;
        przebuduj_indeks();
    };
    std::string bytes;
    if (os::read_whole_file(plik, bytes) == os::ReadStatus::failed) {
        core::show_info(core::blad_odczytu(plik).what());
        return -1;
    }
    // The word editor's rule over the store as it is: the new words take the
    // numbers from there on, below the built-in words' 50000.
    int nastepne = generator::nastepne_id();
    try {
        wczytaj_slowka(plik);
    } catch (const core::RunTimeError&) {
        cofnij();
        core::show_info(os::pl("Plik ") + os::path_text(plik) + os::pl(" jest uszkodzony. Słówka nie zostały "
                                                        "zaimportowane."));
        return -1;
    }
    // The reader counted the earlier IDs as seen; they are replaced.
    baza.max_id = max_id;

    std::map<std::pair<std::string, std::string>, int> obecne;
    for (int i = 1; i <= bylo; ++i)
        if (baza.slowo_usera[i] == 1 && baza.id_slowa[i] > 0)
            obecne.emplace(std::make_pair(baza.slowo_obce[i], baza.tlumaczenie[i]), baza.id_slowa[i]);

    int dodane = 0;
    int miejsce = bylo;
    for (int i = bylo + 1; i <= baza.ile_slow; ++i) {
        const int stare = baza.id_slowa[i];
        const auto klucz = std::make_pair(baza.slowo_obce[i], baza.tlumaczenie[i]);
        auto it = obecne.find(klucz);
        if (it == obecne.end()) {
            // No number left for an own word: the word stays out, and its
            // records are rejected.
            if (nastepne < 1 || nastepne >= 50000) continue;
            ++miejsce;
            baza.przenies_pozycje(i, miejsce);
            baza.id_slowa[miejsce] = nastepne;
            baza.slowo_usera[miejsce] = 1;
            baza.max_id = std::max(baza.max_id, nastepne);
            it = obecne.emplace(klucz, nastepne++).first;
            ++dodane;
        }
        mapa[stare] = it->second;
    }
    for (int i = miejsce + 1; i <= baza.ile_slow; ++i)
        baza.wyczysc_pozycje(i);
    baza.ile_slow = miejsce;
    przebuduj_indeks();
    return dodane;
}

WynikImportu wczytaj_powtorki_2001(const std::string& folder_usera, const MapaId2001& mapa) {
    WynikImportu w;
    std::string bytes;
    if (os::read_whole_file(folder_usera + "p.b", bytes) != os::ReadStatus::ok) return w;

    struct Magazyn {
        std::vector<TPowtorka> tab = std::vector<TPowtorka>(MAX_POWTOREK + 1);
        std::vector<std::array<bool, TYPOW_POWTORKI + 1>> flagi =
            std::vector<std::array<bool, TYPOW_POWTORKI + 1>>(MAX_POWTOREK + 1);
    };
    auto m = std::make_unique<Magazyn>();
    int ile = 0;
    const int rekordy = static_cast<int>(bytes.size() / ROZMIAR_POWTORKI);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (int n = 1; n <= rekordy; ++n, p += ROZMIAR_POWTORKI) {
        if (n % 500 == 0)
            core::progress_position(static_cast<int>(std::lround(100.0 * n / rekordy)));
        TPowtorka r;
        r.decode(p);
        int id = r.id;
        if (id_slowa_usera(id)) {
            // The earlier edition's own words are this store's only under
            // their new IDs.
            auto it = mapa.find(id);
            id = it == mapa.end() ? 0 : it->second;
        }
        const int i = id > 0 ? znajdz_slowko(id) : -1;
        if (i < 1 || i > MAX_POWTOREK) {
            ++w.odrzucone;
            w.lista_odrzuconych += " - " + IntToStr(r.id);
            continue;
        }
        ile = std::max(ile, i);
        r.id = id;
        if (r.interwal > 0) ++w.zaimportowane;
        for (int t = 1; t <= TYPOW_POWTORKI; ++t) {
            m->flagi[i][t] = r.typy[t] >= 100;
            if (m->flagi[i][t]) r.typy[t] -= 100;
        }
        m->tab[i] = r;
    }

    std::copy(m->tab.begin(), m->tab.end(), tab_powtorek.begin());
    std::copy(m->flagi.begin(), m->flagi.end(), flagi_powtorek.begin());
    ile_powtorek = ile;
    stan_powtorek.bez_pozycji.clear();
    zezwol_na_zapis_powtorek();
    w.wczytany = true;
    return w;
}

bool import_powtorek(const std::string& folder_usera, const MapaId2001& mapa) {
    core::progress_show(os::pl("Importuję powtórki..."), 15);
    const std::string plik = folder_usera + "p.b";
    const WynikImportu w = wczytaj_powtorki_2001(folder_usera, mapa);
    if (!w.wczytany) {
        core::progress_hide();
        core::show_info(os::entry_exists(plik)
                            ? os::pl("Nie można odczytać pliku z powtórkami [") + os::path_text(plik) + "]."
                            : os::pl("Brak pliku z powtórkami [") + os::path_text(plik) + "].");
        return false;
    }
    const std::string ile = os::pl("Zaimportowano powtórki: ") + IntToStr(w.zaimportowane) +
                            os::pl(" słówek i zdań.");
    if (w.odrzucone == 0) {
        core::show_info(ile);
    } else {
        const std::string odrzucone = sciezka_usera + PLIK_ODRZUCONYCH;
        const bool zapisany = os::write_lines(
            odrzucone, {os::pl("Kody słówek i zdań odrzuconych w procesie importu powtórek."),
                        w.lista_odrzuconych});
        core::show_info(ile + os::pl(" Indeksy odrzuconych słówek (") + IntToStr(w.odrzucone) +
                        os::pl(") znajdują się w pliku, w katalogu: ") + os::path_text(sciezka_usera) + ".");
        if (!zapisany) core::show_info(os::pl("Nie można zapisać pliku ") + os::path_text(odrzucone) + ".");
    }
    core::progress_hide();
    return true;
}
