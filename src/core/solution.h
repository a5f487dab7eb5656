// SPDX-License-Identifier: MIT
#pragma once
// How each result of a completed press was found, as a student writes it down
// for homework: one line per result the press wrote, in the results' order,
//
//     S = π·r·l = 3,141592·3·5 = 47,12388
//
// the result's symbol, its formula in letters, the same with the numbers put
// in, and the result exactly as its field shows it. The numbers put in are the
// inputs as the press read them, written as the calculator writes numbers into
// fields, and π, 2π and 4π as the calculation uses them (3,141592, 6,283184,
// 12,566368, digit for digit); a negative number stands in parentheses, and so
// does one in exponent form that is raised to a power: (1E+13)³.

#include <string>
#include <string_view>
#include <vector>

#include "panel_table.h"

namespace geometry {

class Press;

// The lines of a press of the panel's calculate button that completed;
// `decimalSeparator` is the one the press read and wrote its numbers with.
std::vector<std::string> solutionLines(const PanelRow& panel, const Press& press,
                                       std::string_view decimalSeparator);

// Where a line may wrap on a narrow screen: after a space or after the "·" of a
// product, never inside a number ("1,234567E-05") or between a sign and its
// number. The line's pieces in order, each ending where it may wrap; together
// they are the line.
std::vector<std::string_view> wrapPieces(std::string_view line);

}  // namespace geometry
