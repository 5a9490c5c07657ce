#include "core/errors.h"

#include "platform/os/codepage.h"

namespace core {

std::string cytat(std::string_view text) {
    constexpr size_t najwyzej = 40;
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "'";
    for (const char c : text.substr(0, najwyzej)) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            // A control byte, a NUL above all, would cut or garble the message.
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 15];
        } else {
            out += c;
        }
    }
    return out + (text.size() > najwyzej ? "...'" : "'");
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
    return os::pl("Plik ") + os::path_text(file) + os::pl(" jest uszkodzony (wiersz ") + std::to_string(line) + ": " +
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
    return FileError(os::pl("Nie można odczytać pliku ") + os::path_text(path) + ".");
}


} // namespace core
