#pragma once
// Generated strips of a program's list under a test's program folder.
#include <span>
#include <string>
#include <vector>

#include "platform_ui/pictures.h"
#include "shared/strips.h"

namespace testsupport {

inline void write_strips(const std::string& folder, std::span<const Pasek> paski) {
    std::vector<std::string> names;
    std::vector<look::Size> sizes;
    for (Pasek p : paski) {
        names.push_back(opis_paska(p).plik);
        sizes.push_back(opis_paska(p).klatka);
    }
    write_strips(folder, names, sizes);
}

} // namespace testsupport
