// SPDX-License-Identifier: MIT
#include "engine/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/exact.h"

namespace solver {
namespace {

// |value| = whole · 2^power exactly.
struct Binary {
    std::uint64_t whole = 0;
    int power = 0;
};

Binary binaryOf(double value) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    return {static_cast<std::uint64_t>(std::ldexp(fraction, 53)), exponent - 53};
}

Rational rationalOf(Binary b) {
    return b.power >= 0 ? Rational(Integer(b.whole) << b.power) : Rational(Integer(b.whole), Integer(1) << -b.power);
}

Integer tenTo(int n) { return boost::multiprecision::pow(Integer(10), unsigned(n)); }

// numerator / denominator rounded to a whole number, half to even.
Integer roundedQuotient(const Integer& numerator, const Integer& denominator) {
    Integer quotient, remainder;
    boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);
    const Integer twice = remainder * 2;
    if (twice > denominator || (twice == denominator && boost::multiprecision::bit_test(quotient, 0))) ++quotient;
    return quotient;
}

// |value| · 10^shift rounded to a whole number, half to even.
Integer scaledWhole(Binary b, int shift) {
    Integer numerator = b.whole, denominator = 1;
    if (b.power >= 0) numerator <<= b.power;
    else denominator <<= -b.power;
    if (shift >= 0) numerator *= tenTo(shift);
    else denominator *= tenTo(-shift);
    return roundedQuotient(numerator, denominator);
}

// The same where whole · 10^shift and 2^-power fit 128 bits, as for every
// coordinate of a drawing.
bool fitsSmall(Binary b, int shift) { return b.power < 0 && b.power > -127 && shift >= 0 && shift <= 19; }

std::string smallScaledDigits(Binary b, int shift) {
    unsigned __int128 ten = 1;
    for (int i = 0; i < shift; ++i) ten *= 10;
    const unsigned __int128 numerator = static_cast<unsigned __int128>(b.whole) * ten;
    const int bits = -b.power;
    unsigned __int128 quotient = numerator >> bits;
    const unsigned __int128 remainder = numerator - (quotient << bits);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (bits - 1);
    if (remainder > half || (remainder == half && (quotient & 1))) ++quotient;
    std::string digits;
    do {
        digits += char('0' + int(quotient % 10));
        quotient /= 10;
    } while (quotient != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// Rounded to `significant` digits: the digits and the power of ten of the first.
struct Significant {
    std::string digits;
    int exponent = 0;
};

Significant significantDigits(double value, int significant) {
    if (value == 0) return {std::string(std::size_t(significant), '0'), 0};
    const Binary b = binaryOf(value);
    int exponent = int(std::floor(std::log10(std::fabs(value))));
    for (;;) {
        const int shift = significant - 1 - exponent;
        const std::string digits = fitsSmall(b, shift) ? smallScaledDigits(b, shift) : scaledWhole(b, shift).str();
        if (int(digits.size()) > significant) ++exponent;       // rounded up to the next power of ten,
        else if (int(digits.size()) < significant) --exponent;  // or log10 was one too high
        else return {digits, exponent};
    }
}

std::string withSign(double value, std::string text) { return std::signbit(value) ? "-" + text : text; }

std::string nonFiniteText(double value) { return std::isnan(value) ? "nan" : withSign(value, "inf"); }

std::string exponentText(int exponent) {
    const std::string digits = std::to_string(std::abs(exponent));
    return (exponent < 0 ? "e-" : "e+") + (digits.size() < 2 ? "0" + digits : digits);
}

// Whether the decimal digits·10^(exponent − count + 1) reads back as `value`:
// it lies nearer to it than to either neighbour (a tie goes to the even one).
bool readsBack(double value, const Significant& s) {
    const int shift = s.exponent - int(s.digits.size()) + 1;
    // Where the digits and the power of ten are both doubles exactly, one
    // multiplication or division rounds the decimal as reading it would.
    static constexpr double exactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::uint64_t whole = std::stoull(s.digits);
    if (whole <= (std::uint64_t(1) << 53) && std::abs(shift) <= 22) {
        const double digits = double(whole);
        return (shift >= 0 ? digits * exactTens[shift] : digits / exactTens[-shift]) == std::fabs(value);
    }
    const Rational decimal = shift >= 0 ? Rational(Integer(s.digits) * tenTo(shift)) : Rational(Integer(s.digits), tenTo(-shift));
    const double magnitude = std::fabs(value);
    const Rational exact = rationalOf(binaryOf(magnitude));
    const double below = std::nextafter(magnitude, 0.0), above = std::nextafter(magnitude, INFINITY);
    const Rational low = (exact + rationalOf(binaryOf(below))) / 2;
    const Rational high = std::isfinite(above) ? (exact + rationalOf(binaryOf(above))) / 2 : exact + (exact - low);
    if (decimal > low && decimal < high) return true;
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    return (decimal == low || decimal == high) && bits % 2 == 0;  // the last bit of its significand
}

}  // namespace

std::string fixedText(double value, int decimals) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const Binary b = binaryOf(value);
    std::string digits = b.whole == 0 ? "0" : fitsSmall(b, decimals) ? smallScaledDigits(b, decimals) : scaledWhole(b, decimals).str();
    if (int(digits.size()) <= decimals) digits.insert(0, std::size_t(decimals + 1) - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    return withSign(value, digits);
}

std::string scientificText(double value, int decimals) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const Significant s = significantDigits(value, decimals + 1);
    const std::string mantissa = decimals > 0 ? s.digits.substr(0, 1) + "." + s.digits.substr(1) : s.digits;
    return withSign(value, mantissa + exponentText(s.exponent));
}

std::string shortestText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    Significant s;
    for (int count = 15; count <= 17; ++count) {
        s = significantDigits(value, count);
        if (value == 0 || readsBack(value, s)) break;
    }
    // As %g writes it: without the zeros that end it, and with a power of ten
    // outside 10⁻⁴ … 10^count.
    const int count = int(s.digits.size());
    std::string digits = s.digits;
    std::string text;
    if (s.exponent >= -4 && s.exponent < count) {
        if (s.exponent < 0) text = "0." + std::string(std::size_t(-s.exponent - 1), '0') + digits;
        else text = digits.substr(0, std::size_t(s.exponent + 1)) + "." + digits.substr(std::size_t(s.exponent + 1));
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    } else {
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        text = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + exponentText(s.exponent);
    }
    return withSign(value, text);
}

}  // namespace solver
