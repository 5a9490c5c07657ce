#pragma once
// URL routines of the viewer: the base and protocol of a URL, whether a
// reference is absolute, the combination of a base with a relative
// reference, and the file name a URL stands for. All on 8-bit text.
#include <string>
#include <string_view>

namespace htmlview {

// The URL up to and including its last "/" (after the host when there is
// one), its query part left out; "/" is appended when there is none.
std::string BaseOfUrl(std::string_view url);
// "://" before the first "/", or "mailto:" anywhere (any case).
bool IsAbsoluteUrl(std::string_view url);
// The lower-case protocol: the text before "://"; "http" for a reference
// starting with "/" or "http:"; "mailto"; else empty.
std::string ProtocolOfUrl(std::string_view url);
// The absolute reference for `relative` under `base`, with "/./" and then
// "/../" segments removed (never above the root of the base).
std::string CombineUrl(std::string_view base, std::string_view relative);

// "%" and two hexadecimal digits, from the second character on, become the
// byte they name, in one pass from the left; "%00" and a "%" without two
// hexadecimal digits stay as they are.
std::string DecodeEscapes(std::string_view s);

// The file name of a URL: escapes decoded; with a "/" in it a "file://"
// prefix goes (and the next "/" before a drive letter), "|" becomes ":" and
// "/" "\"; trimmed. A name that is not empty, is not rooted (a leading "\")
// and holds no ":" is put under `base`.
// (Backslashes are turned into slashes where the file is opened.)
std::string UrlToFileName(std::string_view url, std::string_view base);

} // namespace htmlview
