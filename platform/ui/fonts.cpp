#include "platform/ui/fonts.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <string_view>

namespace ui {

namespace {

constexpr const char* kFamilies[] = {"Liberation Sans", "Liberation Serif", "Liberation Mono"};

std::string xml_text(std::string_view s) {
    std::string r;
    for (char c : s) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        default: r += c;
        }
    }
    return r;
}

// Accepting a font by its file wins over rejecting it by its family, so the
// families keep exactly the pinned files and lose every other copy.
std::string selection_rules(const std::string& dir) {
    std::string x = "<?xml version=\"1.0\"?>\n<fontconfig>\n<selectfont>\n<acceptfont>\n";
    for (const std::string& name : pinned_font_names())
        x += "<pattern><patelt name=\"file\"><string>" + xml_text(dir + "/" + name) +
             "</string></patelt></pattern>\n";
    x += "</acceptfont>\n<rejectfont>\n";
    for (const char* family : kFamilies)
        x += std::string("<pattern><patelt name=\"family\"><string>") + family +
             "</string></patelt></pattern>\n";
    x += "</rejectfont>\n</selectfont>\n</fontconfig>\n";
    return x;
}

std::vector<std::string> pin(const std::string& dir) {
    std::vector<std::string> missing = missing_font_files(dir);
    if (!missing.empty()) return missing;
    FcConfig* config = FcInitLoadConfig();
    if (!config) return {dir};
    const std::string rules = selection_rules(dir);
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.c_str()),
                                        FcTrue) ||
        !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return {dir};
    }
    return {}; // the configuration stays current for the life of the process
}

} // namespace

const std::vector<std::string>& pinned_font_names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const char* family : {"Sans", "Serif", "Mono"})
            for (const char* face : {"Regular", "Bold", "Italic", "BoldItalic"})
                n.push_back(std::string("Liberation") + family + "-" + face + ".ttf");
        return n;
    }();
    return names;
}

std::vector<std::string> missing_font_files(const std::string& dir) {
    std::vector<std::string> missing;
    for (const std::string& name : pinned_font_names()) {
        const std::string path = dir + "/" + name;
        if (::access(path.c_str(), R_OK) != 0) missing.push_back(path);
    }
    return missing;
}

const std::vector<std::string>& pin_fonts() {
    static const std::vector<std::string> missing = pin(kPinnedFontDir);
    return missing;
}

std::string missing_fonts_message(const std::vector<std::string>& missing) {
    std::string text = "Brak plików czcionek programu (pakiet fonts-liberation2):";
    for (const std::string& path : missing) text += "\n" + path;
    text += "\nNapisy zostaną pokazane inną czcionką i mogą się nie mieścić.";
    return text;
}

void pin_fonts_or_exit() {
    const std::vector<std::string>& missing = pin_fonts();
    if (missing.empty()) return;
    std::fprintf(stderr, "%s\n", missing_fonts_message(missing).c_str());
    std::exit(1);
}

} // namespace ui
