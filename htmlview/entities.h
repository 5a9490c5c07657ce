#pragma once
// The named character references a page may use (the 252 names of HTML 4),
// told apart by case: "Auml" and "auml" are different characters.
#include <string_view>

namespace htmlview {

constexpr int kEntityCount = 252;

// The code point a reference name stands for, or -1.
long EntityValue(std::string_view name);

} // namespace htmlview
