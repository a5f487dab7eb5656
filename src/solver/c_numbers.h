// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace solver {

// Decimals written and read with a point whatever locale the program runs in
// (the desktop takes the user's, and a Bulgarian one writes a comma), each
// rounded exactly as the C library rounds.
std::string fixedText(double value, int decimals);        // 47.12
std::string scientificText(double value, int decimals);   // 5.64e+14
std::string shortestText(double value);                    // the fewest digits that read back as `value`
double readDecimal(const std::string& text);               // 0 where nothing is read

}  // namespace solver
