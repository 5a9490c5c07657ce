#pragma once
// A small stand-in for the system registry: string values under keys, kept in
// a text file of sections, one per key, with "name=value" lines:
//
//     [HKEY_LOCAL_MACHINE\Software\Maker\Product\Settings]
//     app_kat=/opt/product/
//
// Keys and names match without regard to case. The file is
// $VOKARIN_REGISTRY when set, else vokarin/registry.ini under the user's
// configuration folder ($XDG_CONFIG_HOME, or ~/.config). Values are 8-bit
// text as the file holds it.
#include <optional>
#include <string>

namespace os {

std::string registry_file();

// The value `name` of `key` ("HKEY_LOCAL_MACHINE\Software\..."); nothing when
// the file, the key or the value is absent. Opening never creates anything.
std::optional<std::string> registry_read_string(const std::string& key, const std::string& name);

} // namespace os
