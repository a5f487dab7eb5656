// SPDX-License-Identifier: MIT
#pragma once
// The positive roots of an equation in one unknown. Linear and quadratic
// equations are solved by their formulas, exactly where the coefficients are
// exact; higher ones by finding every positive real root to full precision,
// then trying each as an exact form (a fraction, a root of one, times a power
// of π) that the equation must satisfy exactly. A root so confirmed is
// divided out, and what is left of degree two is solved by the formula again:
// r³ − 21r + 36 = 0 gives 3 and (√57 − 3)/2, both exact.

#include <string>
#include <vector>

#include "engine/exact.h"
#include "engine/value.h"

namespace solver {

struct PositiveRoots {
    bool identicallyZero = false;  // every number is a root: the equation says nothing
    std::vector<Value> roots;      // ascending
};

// `coefficients[i]` belongs to xⁱ; π in them is `piValue` for the decimals.
PositiveRoots positiveRoots(std::vector<Value> coefficients, double piValue);

// The equation as a textbook writes it, its coefficients made whole where
// they can be: "r³ − 21r + 36 = 0".
std::string equationText(const std::vector<Value>& coefficients, std::string_view letter,
                         const TextStyle& style, int digits);

}  // namespace solver
