#include "core/hand_off.h"

#include "core/errors.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/file_lock.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"

namespace {

constexpr int czekanie_na_blokade_ms = 10000;

std::string plik_blokady(const std::string& folder) {
    return folder + "slow.lock";
}

// Under the lock: the private file back into slow.txt. Its IDs come first
// (they were sent earlier), then those of a slow.txt made meanwhile.
bool scal(const std::string& folder) {
    const std::string przejety = plik_slow_przejety(folder);
    const std::string slow = plik_slow(folder);
    if (!os::file_exists(przejety)) return true;
    if (!os::file_exists(slow)) return os::move_file(przejety, slow);

    std::vector<std::string> stare, nowe;
    if (os::read_lines(przejety, stare) != os::ReadStatus::ok ||
        os::read_lines(slow, nowe) != os::ReadStatus::ok)
        return false;
    // The private file's header (a standard one when it has none), its IDs,
    // then the IDs of the new file.
    std::vector<std::string> razem = stare.size() >= NAGLOWEK_SLOW
                                         ? std::vector<std::string>(stare.begin(), stare.begin() + NAGLOWEK_SLOW)
                                         : naglowek_slow();
    for (const auto* plik : {&stare, &nowe})
        for (size_t n = NAGLOWEK_SLOW; n < plik->size(); ++n)
            razem.push_back((*plik)[n]);
    if (!os::write_lines(slow, razem)) return false;
    os::remove_file(przejety);
    return true;
}

} // namespace

std::string plik_slow(const std::string& folder) {
    return folder + "slow.txt";
}

std::string plik_slow_przejety(const std::string& folder) {
    return folder + "slow_przejete.txt";
}

bool zglos_nieczytelne_slowa(const std::string& folder, const std::string& skutek) {
    const std::string slow = plik_slow(folder);
    if (!os::entry_exists(slow) || os::file_exists(slow)) return false;
    core::show_info(core::blad_odczytu(slow).what() + skutek);
    return true;
}

std::vector<std::string> naglowek_slow() {
    std::vector<std::string> lines(NAGLOWEK_SLOW);
    lines[0] = "Tavolent 2001 S";
    lines[1] = os::pl("Słówka ze słownika...");
    return lines;
}

bool dopisz_slowo(const std::string& folder, int id) {
    os::FileLock blokada(plik_blokady(folder), czekanie_na_blokade_ms);
    if (!blokada.held()) return false;
    const std::string slow = plik_slow(folder);
    std::vector<std::string> lines;
    if (os::file_size(slow) <= 0) lines = naglowek_slow();
    if (id >= 1) lines.push_back(IntToStr(id));
    return os::append_lines(slow, lines);
}

bool odzyskaj_slowa(const std::string& folder) {
    if (!os::file_exists(plik_slow_przejety(folder))) return true;
    os::FileLock blokada(plik_blokady(folder), czekanie_na_blokade_ms);
    return blokada.held() && scal(folder);
}

std::string przejmij_slowa(const std::string& folder) {
    os::FileLock blokada(plik_blokady(folder), czekanie_na_blokade_ms);
    if (!blokada.held() || !scal(folder)) return {};
    if (!os::file_exists(plik_slow(folder))) return {};
    if (!os::move_file(plik_slow(folder), plik_slow_przejety(folder))) return {};
    return plik_slow_przejety(folder);
}

bool oddaj_slowa(const std::string& folder) {
    os::FileLock blokada(plik_blokady(folder), czekanie_na_blokade_ms);
    return blokada.held() && scal(folder);
}

void usun_przejete_slowa(const std::string& folder) {
    os::remove_file(plik_slow_przejety(folder));
}
