#include "shared/login.h"

#include "core/errors.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/statistics.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "shared/users.h"

#include <exception>

bool dane_wczytane = false;

namespace {

// Runs one load; its run-time error is shown and the login goes on.
bool krok(void (*zaladuj)()) {
    try {
        zaladuj();
        return true;
    } catch (const std::exception& e) {
        core::progress_hide();
        os::show_message(e.what());
        return false;
    }
}

} // namespace

bool ustaw_usera(int id, const std::string& nazwa) {
    // The user becomes current only once the folder is there.
    const std::string folder = folder_usera(id);
    if (!os::folder_exists(folder) && !os::make_folder(folder)) {
        os::show_message(os::pl("Nie można utworzyć folderu użytkownika ") + os::path_text(folder));
        return false;
    }
    nazwa_usera = Trim(nazwa);
    sciezka_usera = folder;
    return true;
}

void wczytaj_profil() {
    core::progress_show(os::pl("Czytam..."), 5);
    // What a write cut short by a crash left behind, and a p.i that a crash
    // left apart from the backups.
    os::remove_stale_temp_files(sciezka_usera);
    krok([] { uzgodnij_info_powtorek(); });
    core::progress_position(7);

    krok([] {
        if (!czytaj_statystyki()) return; // reported; the file stays as it is
        if (ile_cw_info == 0) {
            core::progress_show(os::pl("Tworzę profil użytkownika ..."), 9);
            zaloz_statystyki();
            core::progress_position(11);
            zapisz_statystyki();
        } else if (uzupelnij_statystyki() > 0) {
            zapisz_statystyki();
        }
    });

    core::progress_position(15);
    krok([] { dodaj_cwiczenia_usera(); });

    if (!dane_wczytane) {
        // An item store that did not load whole keeps the repetition store
        // from being written (its load sees to that).
        krok([] {
            wczytaj_dane();
            przygotuj_zdania();
        });
        krok(czytaj_ustawienia);
        krok(wczytaj_przerywniki);
        krok([] { wczytaj_powtorki(); });
    }
}

bool zaloguj(int id, const std::string& nazwa) {
    if (!ustaw_usera(id, nazwa)) return false;
    wczytaj_profil();
    return true;
}
