#pragma once
// Text dumps of property sets and style sheets, for golden comparisons.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "htmlview/style_model.h"

namespace testsupport {

inline bool is_color_prop(int i) {
    using namespace htmlview;
    return i == Color || i == BackgroundColor || i == BorderColor ||
           (i >= BorderTopColor && i <= BorderLeftColor);
}

inline std::string dump_value(int index, const htmlview::PropValue& v) {
    using namespace htmlview;
    char buf[64];
    if (IsInt(v)) {
        const int n = AsInt(v);
        if (n == NoValue) return "NoValue";
        if (n == AutoValue) return "AutoValue";
        if (n == ParagraphDefault) return "ParagraphDefault";
        if (is_color_prop(index)) {
            std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(n));
            return buf;
        }
        return std::to_string(n);
    }
    if (std::holds_alternative<double>(v)) {
        std::snprintf(buf, sizeof buf, "%g", std::get<double>(v));
        return buf;
    }
    if (IsString(v)) return "\"" + AsString(v) + "\"";
    return "(empty)";
}

// The values that differ from a fresh set, one a line.
inline std::string dump_props(const htmlview::TProperties& p, const char* indent = "  ") {
    using namespace htmlview;
    static const TProperties fresh;
    std::string out;
    for (int i = 0; i < PropCount; ++i) {
        const PropValue& v = p.Props[static_cast<size_t>(i)];
        if (v == fresh.Props[static_cast<size_t>(i)]) continue;
        out += std::string(indent) + PropWords[static_cast<size_t>(i)] + ": " + dump_value(i, v) + "\n";
    }
    return out;
}

inline std::string dump_sheet(const htmlview::TStyleList& s) {
    std::string out;
    for (int i = 0; i < s.Count(); ++i) {
        out += "[" + s.Items(i).Key + "]\n";
        out += dump_props(*s.Items(i).Props);
    }
    if (s.HoverColorsUsed) out += "(hover colours used)\n";
    return out;
}

inline std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Compares with a golden file; VOKARIN_UPDATE_GOLDEN=1 rewrites it instead
// (to be looked at before it is committed).
inline void expect_golden(const std::string& path, const std::string& actual) {
    if (const char* u = std::getenv("VOKARIN_UPDATE_GOLDEN"); u && std::string(u) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    const std::string want = read_text(path);
    EXPECT_FALSE(want.empty()) << "missing golden file " << path;
    EXPECT_EQ(actual, want) << "differs from " << path;
}

} // namespace testsupport
