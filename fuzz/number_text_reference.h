// SPDX-License-Identifier: MIT
#pragma once
// The text a float should be shown as, made independently of numberToText: the
// C library's "%.7G" (seven significant digits, rounded to nearest from the
// float's exact value, trailing zeros and a bare point dropped, exponent form
// below 1E-04 and from 1E+07 on, at least two exponent digits) in the C locale,
// with the point swapped for the separator and the calculator's own words for
// the values printf has no digits for.

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace geometry::reference {

inline locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Switches this thread to the C locale for as long as it lives.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// True when `text` ends in an exponent written as E, a sign and two or three digits.
inline bool hasWellFormedExponent(std::string_view text) {
    const size_t e = text.find('E');
    if (e == std::string_view::npos) return true;
    const std::string_view exponent = text.substr(e + 1);
    if (exponent.size() < 3 || exponent.size() > 4) return false;
    if (exponent[0] != '+' && exponent[0] != '-') return false;
    return exponent.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

// Empty when printf's text is not in the expected form (then nothing can match).
// `digits` other than 7: "%.<digits>G", the shortened forms of a narrow field.
inline std::string numberText(float value, std::string_view separator, int digits = 7) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "∞" : "-∞";

    char buffer[48];
    {
        CLocaleScope c;
        std::snprintf(buffer, sizeof buffer, "%.*G", digits, static_cast<double>(value));
    }
    std::string printed(buffer);
    if (printed == "-0") printed = "0";
    if (!hasWellFormedExponent(printed)) return {};

    std::string text;
    for (char ch : printed) {
        if (ch == '.') text += separator;
        else text += ch;
    }
    return text;
}

}  // namespace geometry::reference
