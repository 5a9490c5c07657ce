#include "core/errors.h"

#include "platform/os/codepage.h"

namespace core {

std::string cytat(std::string_view text) {
    constexpr size_t najwyzej = 40;
    if (text.size() <= najwyzej) return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, najwyzej)) + "...'";
}

std::string blad_w_pliku(const std::string& file, int line, const ConversionError& e) {
    // The conversion's own text, "'x' is not a valid ... value", said in Polish.
    std::string what = e.what();
    static const std::pair<std::string_view, std::string_view> po_polsku[] = {
        {" is not a valid integer value", " nie jest liczbą całkowitą"},
        {" is not a valid floating point value", " nie jest liczbą"},
    };
    for (const auto& [en, pl] : po_polsku)
        if (what.size() >= en.size() && what.compare(what.size() - en.size(), en.size(), en) == 0) {
            what.replace(what.size() - en.size(), en.size(), os::pl(std::string(pl)));
            break;
        }
    return os::pl("Plik ") + file + os::pl(" jest uszkodzony (wiersz ") + std::to_string(line) + ": " +
           what + ").";
}

void rethrow_in_file(const std::string& file, int line) {
    try {
        throw;
    } catch (const ConversionError& e) {
        throw ConversionError(blad_w_pliku(file, line, e));
    }
}

FileError blad_odczytu(const std::string& path) {
    return FileError(os::pl("Nie można odczytać pliku ") + path + ".");
}


} // namespace core
