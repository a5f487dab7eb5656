// SPDX-License-Identifier: MIT
#pragma once
// Conversions between field text and the 32-bit floats the calculator stores.
//
// Text to number accepts exactly: blanks, an optional sign, digits with at most
// one decimal separator (the locale's), an optional exponent (E or e, optional
// sign, digits), blanks. Blanks are the space, the tab and the no-break spaces
// U+00A0 and U+202F, and only around the number, but for one: the digits before
// the separator may be grouped by three as documents write them, one space or
// no-break space (U+00A0, U+202F) between groups ("1 000,5", "12 345 678"; not
// "10 00", "1  000" or "1,000 5"). Nothing else: no "inf", "nan", hexadecimal,
// other thousands separators or currency. The value is the nearest float (ties to even); a
// number too large for a float is an overflow, a number too small becomes zero
// or a subnormal without error.
//
// Number to text writes at most 7 significant digits, rounded to nearest, with
// no trailing zeros, switching to exponent form (1.234568E+07) when the decimal
// exponent after rounding is above 6 or below -4. With fewer digits the same
// rules hold for that many: exponent form once the rounded exponent reaches the
// number of digits, so no digit before the separator is ever replaced by a zero
// (9361213 to two digits is 9.4E+06, never 9400000).

#include <string>
#include <string_view>

namespace geometry {

enum class ConversionStatus {
    Ok,
    NotANumber,  // empty, blanks only, or outside the grammar
    TooLarge,    // rounds beyond the largest float
};

struct Conversion {
    ConversionStatus status = ConversionStatus::NotANumber;
    float value = 0.0f;
};

// `decimalSeparator` is the locale's separator as UTF-8 (usually "." or ",").
Conversion textToNumber(std::string_view text, std::string_view decimalSeparator);

// True when the text holds nothing but blanks (or nothing at all).
bool blankOnly(std::string_view text);

// The other of the two common decimal separators, "." for "," and "," for ".",
// the one a student may type by mistake; empty for any other separator.
std::string_view otherDecimalSeparator(std::string_view decimalSeparator);

// Infinities are written as "∞" and "-∞", a NaN as "NaN"; negative zero as "0".
std::string numberToText(float value, std::string_view decimalSeparator);

// How a shortened number is written: by the rules above, or always in exponent form.
enum class NumberForm { Usual, Exponent };

// The same conversion with `significantDigits` (1 to 9) in place of 7, rounded
// to nearest from the float's exact value.
std::string numberToText(float value, std::string_view decimalSeparator, int significantDigits,
                         NumberForm form = NumberForm::Usual);

}  // namespace geometry
