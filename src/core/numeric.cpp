// SPDX-License-Identifier: MIT
#include "numeric.h"

// The two conversions rest on libraries that every toolchain the calculator is
// built with has, so that the desktop and the WebAssembly build show the same
// digits: fast_float reads the nearest float (the algorithm libstdc++'s
// std::from_chars uses), {fmt} writes a float's exact value correctly rounded
// to any number of digits. {fmt} is used header-only (nothing to link), with its
// one format compiled in and without the locale's thousands separator, which
// these digits never use: that keeps the WebAssembly module small (the runtime
// format parser and the C++ locale would triple it).
#define FMT_HEADER_ONLY
#define FMT_STATIC_THOUSANDS_SEPARATOR ','
#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace geometry {
namespace {

// The blanks that may stand around a number, in UTF-8: the space, the tab, and
// the no-break spaces (U+00A0 and the narrow U+202F) that word processors and
// web pages put after a number, so that a number copied from them reads.
constexpr std::string_view blanks[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};

size_t leadingBlankSize(std::string_view s) {
    for (std::string_view blank : blanks)
        if (s.starts_with(blank)) return blank.size();
    return 0;
}

size_t trailingBlankSize(std::string_view s) {
    for (std::string_view blank : blanks)
        if (s.ends_with(blank)) return blank.size();
    return 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks that may stand between groups of three digits of a number's
// whole part, as documents write thousands ("1 000,5", "12 345 678"): the
// space and the two no-break spaces, one of them between two groups; never
// the tab.
constexpr std::string_view groupBlanks[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};

size_t groupBlankSize(std::string_view s) {
    for (std::string_view blank : groupBlanks)
        if (s.starts_with(blank)) return blank.size();
    return 0;
}

std::string_view trimBlanks(std::string_view s) {
    while (const size_t size = leadingBlankSize(s)) s.remove_prefix(size);
    while (const size_t size = trailingBlankSize(s)) s.remove_suffix(size);
    return s;
}

std::string_view takeDigits(std::string_view& s) {
    size_t n = 0;
    while (n < s.size() && isDigit(s[n])) ++n;
    std::string_view digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

// The digits of a whole part, without the blanks between its groups: a first
// group of one to three digits, then groups of exactly three, each after one
// group blank. A blank that does not start such a group is left in `s`.
std::string takeWholeDigits(std::string_view& s) {
    std::string digits(takeDigits(s));
    if (digits.empty() || digits.size() > 3) return digits;
    while (const size_t blank = groupBlankSize(s)) {
        std::string_view rest = s.substr(blank);
        const std::string_view group = takeDigits(rest);
        if (group.size() != 3) break;
        digits += group;
        s = rest;
    }
    return digits;
}

// The pieces of a text that matches the grammar.
struct NumberParts {
    bool negative = false;
    std::string integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

bool splitNumber(std::string_view s, std::string_view separator, NumberParts& parts) {
    s = trimBlanks(s);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        parts.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    parts.integerDigits = takeWholeDigits(s);
    if (!separator.empty() && s.substr(0, separator.size()) == separator) {
        s.remove_prefix(separator.size());
        parts.fractionDigits = takeDigits(s);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return false;
    if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
        s.remove_prefix(1);
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            parts.exponentNegative = s.front() == '-';
            s.remove_prefix(1);
        }
        parts.exponentDigits = takeDigits(s);
        if (parts.exponentDigits.empty()) return false;
    }
    return s.empty();
}

}  // namespace

bool blankOnly(std::string_view text) { return trimBlanks(text).empty(); }

std::string_view otherDecimalSeparator(std::string_view decimalSeparator) {
    if (decimalSeparator == ",") return ".";
    if (decimalSeparator == ".") return ",";
    return {};
}

Conversion textToNumber(std::string_view text, std::string_view decimalSeparator) {
    NumberParts parts;
    if (!splitNumber(text, decimalSeparator, parts)) return {ConversionStatus::NotANumber, 0.0f};

    // Rebuilt in the one plain form "-ddd.ddde+ddd": fast_float never sees a text
    // outside the grammar above, so its own extras (inf, nan) cannot slip in.
    std::string plain;
    plain.reserve(parts.integerDigits.size() + parts.fractionDigits.size() +
                  parts.exponentDigits.size() + 5);
    if (parts.negative) plain += '-';
    plain += parts.integerDigits.empty() ? std::string_view("0") : std::string_view(parts.integerDigits);
    plain += '.';
    plain += parts.fractionDigits;
    if (!parts.exponentDigits.empty()) {
        plain += parts.exponentNegative ? "e-" : "e+";
        plain += parts.exponentDigits;
    }

    // Rounds to nearest, ties to even, from all the digits however many there
    // are; beyond the largest float it gives an infinity, below the smallest
    // subnormal a zero of the text's sign.
    float value = 0.0f;
    auto [end, error] = fast_float::from_chars(plain.data(), plain.data() + plain.size(), value,
                                               fast_float::chars_format::general);
    if (error != std::errc() || end != plain.data() + plain.size())
        return {ConversionStatus::NotANumber, 0.0f};
    if (std::isinf(value)) return {ConversionStatus::TooLarge, 0.0f};
    return {ConversionStatus::Ok, value};
}

std::string numberToText(float value, std::string_view decimalSeparator) {
    return numberToText(value, decimalSeparator, 7);
}

std::string numberToText(float value, std::string_view decimalSeparator, int significantDigits,
                         NumberForm form) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "∞" : "-∞";
    if (value == 0.0f) return "0";
    significantDigits = std::clamp(significantDigits, 1, 9);

    // The significant digits, correctly rounded from the float's exact value:
    // "-d.dddddde±XX" ("-de±XX" for one digit).
    char buffer[32];
    const auto written =
        fmt::format_to_n(buffer, sizeof buffer, FMT_COMPILE("{:.{}e}"), value, significantDigits - 1);
    std::string_view scientific(buffer, std::min(written.size, sizeof buffer));  // 15 at most

    const bool negative = scientific.front() == '-';
    if (negative) scientific.remove_prefix(1);
    const size_t e = scientific.find('e');
    std::string digits;  // the significant digits, without the point
    digits += scientific[0];
    if (e > 2) digits += scientific.substr(2, e - 2);
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());

    std::string text = negative ? "-" : "";
    auto appendWithoutTrailingZeros = [&](std::string_view whole, std::string_view fraction) {
        text += whole;
        while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
        if (!fraction.empty()) {
            text += decimalSeparator;
            text += fraction;
        }
    };

    if (form == NumberForm::Exponent || exponent >= significantDigits || exponent < -4) {
        appendWithoutTrailingZeros(std::string_view(digits).substr(0, 1),
                                   std::string_view(digits).substr(1));
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += exponentText;
    } else if (exponent >= 0) {
        const auto wholeDigits = static_cast<size_t>(exponent) + 1;
        appendWithoutTrailingZeros(std::string_view(digits).substr(0, wholeDigits),
                                   std::string_view(digits).substr(wholeDigits));
    } else {
        const std::string fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        appendWithoutTrailingZeros("0", fraction);
    }
    return text;
}

}  // namespace geometry
