#include "core/errors.h"

#include "platform/os/codepage.h"

namespace core {

std::string cytat(std::string_view text) {
    constexpr size_t najwyzej = 40;
    if (text.size() <= najwyzej) return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, najwyzej)) + "...'";
}

void rethrow_in_file(const std::string& file, int line) {
    try {
        throw;
    } catch (const ConversionError& e) {
        throw ConversionError(file + ", line " + std::to_string(line) + ": " + e.what());
    }
}

FileError blad_odczytu(const std::string& path) {
    return FileError(os::pl("Nie można odczytać pliku ") + path + ".");
}


} // namespace core
