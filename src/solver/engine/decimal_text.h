// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace solver {

// Decimals written from a double's exact binary value, rounded half to even
// as the C library rounds, always with a point (whatever the desktop's
// locale), in whole-number arithmetic: the same digits in both editions.
std::string fixedText(double value, int decimals);       // "%.*f": 47.12
std::string scientificText(double value, int decimals);  // "%.*e": 5.64e+14
std::string shortestText(double value);                  // "%.*g", 15 to 17 digits, the fewest that read back as `value`

}  // namespace solver
