#include "core/sound.h"

#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

namespace core {

namespace {
RecorderDevice* g_device = nullptr;
constexpr int no_device_code = -1;
constexpr size_t max_error_text = 200;
} // namespace

void set_recorder(RecorderDevice* device) {
    g_device = device;
}
RecorderDevice* recorder() {
    return g_device;
}

} // namespace core

StanDzwieku stan_dzwieku;
bool& nagrywanie = stan_dzwieku.nagrywanie;

void wyczysc_dzwiek() {
    stan_dzwieku = {};
}

namespace {

void close_player() {
    if (core::ui().close_player) core::ui().close_player();
}

} // namespace

void graj_wav(const std::string& file, bool wait) {
    if (file.empty() || !os::file_exists(file)) return;
    if (core::ui().play_wav) core::ui().play_wav(os::resolve(file), wait);
}

std::string sciezka_nagrania(int i) {
    if (i < 1 || i > baza.ile_slow || i >= static_cast<int>(baza.wymowa.size())) return "";
    const std::string& wymowa = baza.wymowa[i];
    if (baza.slowo_usera[i] == 1)
        return Trim(wymowa).empty() ? "" : sciezka_programu + "Nagrania\\" + wymowa;
    const int n = StrToIntDef(Trim(wymowa), 0);
    if (n <= 0) return "";
    const std::string s = liczba_z_zerami(5, n);
    return sciezka_cd + "D_" + Copy(s, 1, 2) + "\\dd_" + Copy(s, 1, 3) + "\\" + s + ".wav";
}

std::string plik_nagrania() {
    return sciezka_programu + "tmp1.wav";
}

bool sprawdz_mci(int result, const std::string& step) {
    if (result == 0) return true;
    std::string text = core::g_device && result != core::no_device_code
                           ? core::g_device->error_text(result)
                           : os::pl("Brak urządzenia do nagrywania dźwięku.");
    if (text.size() > core::max_error_text) text.resize(core::max_error_text);
    os::show_message(text + " - " + step);
    return false;
}

void nagrywaj() {
    if (nagrywanie) return;
    // A failed attempt must not leave the earlier recording to be played as new.
    close_player();
    if (os::file_exists(plik_nagrania())) os::remove_file(plik_nagrania());

    core::RecorderDevice* dev = core::g_device;
    nagrywanie = true;
    if (!sprawdz_mci(dev ? dev->open() : core::no_device_code, "Open")) {
        nagrywanie = false;
        return;
    }
    if (!sprawdz_mci(dev->set_wave_params(1, 22050, 8), "SetWaveParams") ||
        !sprawdz_mci(dev->record(), "Record")) {
        dev->close();
        nagrywanie = false;
    }
}

void zatrzymaj_nagrywanie() {
    if (nagrywanie && core::g_device) {
        close_player();
        core::RecorderDevice* dev = core::g_device;
        if (!sprawdz_mci(dev->save(os::resolve(plik_nagrania())), "Save") &&
            os::file_exists(plik_nagrania()))
            os::remove_file(plik_nagrania());
        sprawdz_mci(dev->close(), "Close");
    }
    nagrywanie = false;
}
