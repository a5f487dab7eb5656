#include "numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace geometry {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view takeDigits(std::string_view& s) {
    size_t n = 0;
    while (n < s.size() && isDigit(s[n])) ++n;
    std::string_view digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

// The pieces of a text that matches the grammar.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
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
    parts.integerDigits = takeDigits(s);
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

// Decimal exponent of the first non-zero digit (value = d.ddd × 10^m), saturated;
// only its sign matters, to tell an overflow from an underflow.
long long leadingDigitExponent(const NumberParts& p) {
    constexpr long long limit = 1'000'000'000'000LL;
    long long exponent = 0;
    for (char c : p.exponentDigits) exponent = std::min(limit, exponent * 10 + (c - '0'));
    if (p.exponentNegative) exponent = -exponent;
    size_t firstNonZero = p.integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return exponent + static_cast<long long>(p.integerDigits.size() - firstNonZero) - 1;
    size_t leadingZeros = p.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(leadingZeros) - 1;
}

}  // namespace

std::string_view otherDecimalSeparator(std::string_view decimalSeparator) {
    if (decimalSeparator == ",") return ".";
    if (decimalSeparator == ".") return ",";
    return {};
}

Conversion textToNumber(std::string_view text, std::string_view decimalSeparator) {
    NumberParts parts;
    if (!splitNumber(text, decimalSeparator, parts)) return {ConversionStatus::NotANumber, 0.0f};

    // Rebuilt in the one form std::from_chars reads regardless of locale.
    std::string plain;
    plain.reserve(parts.integerDigits.size() + parts.fractionDigits.size() +
                  parts.exponentDigits.size() + 5);
    if (parts.negative) plain += '-';
    plain += parts.integerDigits.empty() ? std::string_view("0") : parts.integerDigits;
    plain += '.';
    plain += parts.fractionDigits;
    if (!parts.exponentDigits.empty()) {
        plain += parts.exponentNegative ? "e-" : "e+";
        plain += parts.exponentDigits;
    }

    float value = 0.0f;
    auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitExponent(parts) >= 0) return {ConversionStatus::TooLarge, 0.0f};
        return {ConversionStatus::Ok, parts.negative ? -0.0f : 0.0f};
    }
    if (error != std::errc() || end != plain.data() + plain.size())
        return {ConversionStatus::NotANumber, 0.0f};
    return {ConversionStatus::Ok, value};
}

std::string numberToText(float value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "∞" : "-∞";
    if (value == 0.0f) return "0";

    // Seven significant digits, correctly rounded from the float's exact value:
    // "-d.dddddde±XX".
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, 6);
    (void)error;  // 32 characters always suffice for a float
    std::string_view scientific(buffer, static_cast<size_t>(end - buffer));

    const bool negative = scientific.front() == '-';
    if (negative) scientific.remove_prefix(1);
    const size_t e = scientific.find('e');
    std::string digits;  // the seven digits, without the point
    digits += scientific[0];
    digits += scientific.substr(2, e - 2);
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

    if (exponent > 6 || exponent < -4) {
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
