// SPDX-License-Identifier: MIT
#include "engine/superscript.h"

#include <algorithm>
#include <cmath>

#include "engine/decimal_text.h"

namespace solver {

std::string superscript(long long number) {
    static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = number < 0 ? "⁻" : "";
    for (char c : std::to_string(number < 0 ? -number : number)) text += digits[c - '0'];
    return text;
}

namespace {

std::string withSeparator(std::string text, std::string_view separator) {
    if (const auto point = text.find('.'); point != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        else text.replace(point, 1, separator);
    }
    return text;
}

}  // namespace

namespace {

bool scientific(double magnitude, int digits) {
    return magnitude != 0 && (magnitude >= 1e9 || magnitude < 0.5 * std::pow(10.0, -digits));
}

// The rounded number as C's printf writes it, with a point: "47.12", "5.64e+14".
std::string roundedDigits(double magnitude, int digits) {
    if (scientific(magnitude, digits)) return scientificText(magnitude, std::max(digits, 2));
    return fixedText(magnitude, digits);
}

}  // namespace

std::string roundedText(double x, int digits, std::string_view separator) {
    if (!std::isfinite(x)) return x > 0 ? "∞" : x < 0 ? "−∞" : "?";
    const double magnitude = std::fabs(x);
    const std::string sign = x < 0 ? "−" : "";
    const std::string rounded = roundedDigits(magnitude, digits);
    if (const auto e = rounded.find('e'); e != std::string::npos) {
        const int exponent = std::stoi(rounded.substr(e + 1));
        return sign + withSeparator(rounded.substr(0, e), separator) + "·10" + superscript(exponent);
    }
    const std::string text = withSeparator(rounded, separator);
    return text == "0" ? "0" : sign + text;
}

namespace {

// A rounded number's value, near enough to compare to within 10⁻⁹ of it.
double valueOf(const std::string& rounded) {
    double digits = 0;
    int exponent = 0;
    bool afterPoint = false;
    for (std::size_t i = 0; i < rounded.size(); ++i) {
        const char c = rounded[i];
        if (c == 'e') {
            exponent += std::stoi(rounded.substr(i + 1));
            break;
        }
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        digits = digits * 10 + (c - '0');
        if (afterPoint) --exponent;
    }
    return digits * std::pow(10.0, exponent);
}

}  // namespace

bool roundingChanges(double x, int digits) {
    if (!std::isfinite(x) || x == 0) return false;
    const double rounded = valueOf(roundedDigits(std::fabs(x), std::clamp(digits, 0, 17)));
    return std::fabs(rounded - std::fabs(x)) > 1e-9 * std::fabs(x);
}

}  // namespace solver
