#include "core/errors.h"

namespace core {

void rethrow_in_file(const std::string& file, int line) {
    try {
        throw;
    } catch (const ConversionError& e) {
        throw ConversionError(file + ", line " + std::to_string(line) + ": " + e.what());
    }
}

}  // namespace core
