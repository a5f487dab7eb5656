// SPDX-License-Identifier: MIT
#pragma once
// Small pieces of written mathematics shared by the exact forms, the steps and
// the decimals.

#include <string>
#include <string_view>

namespace solver {

// "²", "³", "⁻¹²": a whole number as a superscript.
std::string superscript(long long number);

// A decimal rounded to `digits` places after the separator, trailing zeros
// dropped: "47,12", "3", "0,5". Large and very small numbers in powers of ten
// with `digits` places in the mantissa (at least two): "5,64·10¹⁴", "4,5·10⁻⁷".
std::string roundedText(double value, int digits, std::string_view separator);

// Whether that rounding changes the number by more than the precision it was
// computed with: what decides between "=" and "≈".
bool roundingChanges(double value, int digits);

}  // namespace solver
