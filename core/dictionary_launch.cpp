#include "core/dictionary_launch.h"

#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/os/process.h"
#include "platform/os/window_signal.h"

#include <cerrno>
#include <cstring>

const char* const nazwa_slownika = "lexarin";

namespace {

std::string powod(int err) {
    switch (err) {
    case ENOENT:
        return os::pl("Nie ma takiego pliku.");
    case EACCES:
        return os::pl("Brak uprawnień do uruchomienia pliku.");
    default:
        return os::pl("Błąd systemu: ") + std::strerror(err) + ".";
    }
}

} // namespace

std::string podpis_slownika(const std::string& word) {
    std::string text = Trim(word);
    if (text.empty()) return text;
    const char last = text.back();
    if (last == '.' || last == '!' || last == ',' || last == '?') text.pop_back();
    return "xxx" + text;
}

void odpal_slownik(const std::string& word) {
    const std::string text = podpis_slownika(word);
    if (!os::is_program_running(nazwa_slownika)) {
        // By absolute path from the program folder, whatever the current folder is.
        const std::string path = os::resolve(sciezka_programu + nazwa_slownika);
        if (int err = os::start_program(path); err != 0)
            os::show_message(os::pl("Nie można uruchomić słownika: ") + os::path_text(path) + "\n" +
                             powod(err));
    }
    os::signal_window(tytul_slownika, text);
}
