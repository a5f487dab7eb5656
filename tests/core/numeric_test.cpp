// SPDX-License-Identifier: MIT
// Field text to 32-bit float and back, under both decimal separators.
#include "numeric.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "fakes.h"
#include "shown_text.h"

#if !defined(__cpp_lib_to_chars)
#define FMT_HEADER_ONLY  // as numeric.cpp has it
#define FMT_STATIC_THOUSANDS_SEPARATOR ','
#include <fmt/format.h>
#endif

namespace geometry::testing {
namespace {

const auto bothSeparators = ::testing::Values(std::string("."), std::string(","));
std::string nameOf(const ::testing::TestParamInfo<std::string>& info) { return separatorName(info.param); }

// Each table below runs once per separator, row by row.
class TextToNumber : public ::testing::TestWithParam<std::string> {};
class NumberToText : public ::testing::TestWithParam<std::string> {};
INSTANTIATE_TEST_SUITE_P(BothSeparators, TextToNumber, bothSeparators, nameOf);
INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberToText, bothSeparators, nameOf);

// By memcpy: the WebAssembly build's libc++ 13 has no std::bit_cast.
std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
float fromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The shortest text that reads back to the value: std::to_chars where the C++
// library writes floats, {fmt}'s shortest form (the same digits) in the
// WebAssembly build, whose libc++ 13 does not.
std::string shortestText(float value) {
#if defined(__cpp_lib_to_chars)
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
#else
    return fmt::format("{}", value);
#endif
}

// Same float, bit for bit (so -0 differs from 0).
::testing::AssertionResult sameFloat(float expected, float actual) {
    if (bitsOf(expected) == bitsOf(actual)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << std::hexfloat << expected << ", got "
                                         << actual << std::defaultfloat;
}

std::string swapPointFor(std::string text, const std::string& separator) {
    for (size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + separator.size()))
        text.replace(at, 1, separator);
    return text;
}

// ---------------------------------------------------------------------------
// Text to number: the grammar
// ---------------------------------------------------------------------------

struct Accepted {
    const char* text;  // '.' is the locale's separator
    float value;
};

const Accepted acceptedTexts[] = {
    {"2", 2.0f},
    {"-2", -2.0f},
    {"+2", 2.0f},
    {" 2 ", 2.0f},
    {"\t2\t", 2.0f},
    {" \t -2.5\t ", -2.5f},
    {"2\xC2\xA0", 2.0f},                             // a no-break space after it, as pasted
    {"\xE2\x80\xAF\xC2\xA0-2.5\xE2\x80\xAF \t", -2.5f},  // narrow no-break spaces too
    {"2.5", 2.5f},
    {".5", 0.5f},
    {"5.", 5.0f},
    {"-.5", -0.5f},
    {"+.5", 0.5f},
    {"007", 7.0f},
    {"0", 0.0f},
    {"0.0", 0.0f},
    {"1.1", 1.1f},
    {"0.1", 0.1f},
    {"3.141592", 3.141592f},
    {"1e3", 1000.0f},
    {"1E3", 1000.0f},
    {"1e+3", 1000.0f},
    {"1e-3", 0.001f},
    {"2.5e-1", 0.25f},
    {".5e1", 5.0f},
    {"5.e1", 50.0f},
    {"-3.25E+02", -325.0f},
    {"1e0000000000000000000000001", 10.0f},
    {"6000000000000", 6e12f},
    {"123456789012345678901234567890", 123456789012345678901234567890.0f},
    // Digits grouped by three before the separator, as documents write them.
    {"1 000", 1000.0f},
    {"1\xC2\xA0" "000.5", 1000.5f},
    {" -12\xE2\x80\xAF" "345\xE2\x80\xAF" "678 ", -12345678.0f},
    {"999 999 999.25e-3", 999999.99925f},
    {"0 001", 1.0f},
    {"+1 000.", 1000.0f},
};

TEST_P(TextToNumber, AcceptsTheGrammarAndReadsTheNearestFloat) {
    const std::string& separator = GetParam();
    for (const Accepted& row : acceptedTexts) {
        const std::string text = localized(row.text, separator);
        const Conversion conversion = textToNumber(text, separator);
        EXPECT_EQ(conversion.status, ConversionStatus::Ok) << '"' << text << '"';
        EXPECT_TRUE(sameFloat(row.value, conversion.value)) << '"' << text << '"';
    }
}

TEST(TextToNumberSign, NegativeZeroKeepsItsSign) {
    for (const char* text : {"-0", "-0.0", "-0e5", "-1e-50"}) {
        const Conversion conversion = textToNumber(localized(text, ","), ",");
        ASSERT_EQ(conversion.status, ConversionStatus::Ok) << text;
        EXPECT_TRUE(sameFloat(-0.0f, conversion.value)) << text;
    }
}

const char* const rejectedTexts[] = {
    "", " ", "   ", "\t", " \t ",       // nothing or blanks only
    "abc", "x1", "1x", "1 x", "2 5",     // letters, embedded blanks
    "-", "+", ".", "-.", "+.", "e", "E",  // no digit
    "1e", "1E", "1e+", "1e-", "e5", ".e5", "-e5", "1e 5", "1 e5", "1e5.5", "1e5e5",
    "1.2.3", "1..2", "..5", "1.5.",    // two separators
    "1~5", "~5", "1~000", "1~000~000",  // the other separator
    "1 .5", "1. 5", "- 1", "+ 1",       // embedded blanks
    "+-1", "-+1", "--1", "++1", "1-", "1+", "1e--5", "1e+-5",
    "inf", "-inf", "Inf", "infinity", "INFINITY", "nan", "NaN", "-nan",
    "0x10", "0X1p3", "1d5", "1D5", "1f", "$1", "1%", "1лв",
    "\xC2\xA0", "\xE2\x80\xAF \xC2\xA0",                       // no-break spaces only
    "1\n", "\n1", "1\r", "\v1", "1\f",                            // no other blanks
    "1\xE2\x80\x89", "\xE3\x80\x80" "1", "1\xE2\x80\x87", "\xEF\xBB\xBF" "1",  // thin, ideographic, figure space, BOM
    "-\xC2\xA0" "1", "1e\xC2\xA0" "5", "1.\xC2\xA0" "5",      // no-break spaces inside, not between groups
    "1\xC2", "1\xA0", "\xA0" "1", "1\xE2\x80", "1\xC2\xC2\xA0",          // pieces of them
    "\xD9\xA1\xD9\xA2",                                            // Arabic-Indic digits 12
    "\xEF\xBC\x91",                                                // fullwidth 1
    "\xE2\x88\x92" "1",                                            // minus sign U+2212
    "\xE2\x80\x93" "1",                                            // en dash
    "1\xE2\x80\x89" "000",                                         // thin space as thousands separator
    "10 00", "1 0000", "1234 567", "1 00 000", "1 000 00",       // groups not of three,
    "1  000", "1\t000", "1 000 .5",                               // two blanks, a tab, a blank before the separator,
    "0.123 456", "1.5 000", "1 000e3 000",                        // groups after the separator or the exponent,
    "1~000 000", "1 000~5",                                       // the other separator
};

TEST_P(TextToNumber, RejectsEverythingElseAsNotANumber) {
    const std::string& separator = GetParam();
    for (const char* row : rejectedTexts) {
        const std::string text = localized(row, separator);
        EXPECT_EQ(textToNumber(text, separator).status, ConversionStatus::NotANumber) << '"' << text << '"';
    }
}

TEST(TextToNumberNul, EmbeddedNulIsNotANumber) {
    EXPECT_EQ(textToNumber(std::string("1\0", 2), ".").status, ConversionStatus::NotANumber);
    EXPECT_EQ(textToNumber(std::string("\0" "1", 2), ".").status, ConversionStatus::NotANumber);
}

// ---------------------------------------------------------------------------
// Text to number: rounding to nearest, ties to even
// ---------------------------------------------------------------------------

// The exact decimal value of a double, as "d.ddd…e±X" with no trailing zeros.
std::string exactScientific(double value) {
    char buffer[1200];
    const int length = std::snprintf(buffer, sizeof buffer, "%.900e", value);
    std::string text(buffer, static_cast<size_t>(length));
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const std::string exponent = text.substr(e);
    // Many zeros must remain to strip, or the printed digits were not exact;
    // such a text would then fail every test that reads it.
    const size_t lastDigit = mantissa.find_last_not_of('0');
    if (lastDigit + 100 > mantissa.size()) return "inexact";
    mantissa.erase(lastDigit + 1);
    if (mantissa.back() == '.') mantissa.pop_back();
    return mantissa + exponent;
}

// The same text nudged by a unit far beyond the last digit: a hair above or below.
std::string justAbove(const std::string& exact) {
    const size_t e = exact.find('e');
    std::string mantissa = exact.substr(0, e);
    if (mantissa.find('.') == std::string::npos) mantissa += '.';
    return mantissa + "0000000001" + exact.substr(e);
}
std::string justBelow(const std::string& exact) {
    const size_t e = exact.find('e');
    std::string mantissa = exact.substr(0, e);
    if (mantissa.find('.') == std::string::npos) mantissa += ".0";
    size_t last = mantissa.size() - 1;
    // Borrow from the last non-zero digit: …d000 becomes …(d-1)999 and then 9s.
    while (mantissa[last] == '0' || mantissa[last] == '.') {
        if (mantissa[last] == '0') mantissa[last] = '9';
        --last;
    }
    --mantissa[last];
    return mantissa + "9999999999" + exact.substr(e);
}

struct Neighbours {
    float lower, upper;
};

// Positive finite floats whose next float up is finite: random normals and
// subnormals, and a few chosen ones.
std::vector<Neighbours> neighbourPairs() {
    std::vector<float> lowers = {fromBits(0), fromBits(1), fromBits(2), FLT_MIN,
                                 std::nextafter(FLT_MIN, 0.0f), 1.0f, 0.1f, 3.141592f,
                                 std::nextafter(FLT_MAX, 0.0f), 16777216.0f, 8388608.0f};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::uint32_t> normal(bitsOf(FLT_MIN), bitsOf(FLT_MAX) - 1);
    std::uniform_int_distribution<std::uint32_t> subnormal(1, bitsOf(FLT_MIN) - 1);
    for (int i = 0; i < 1500; ++i) lowers.push_back(fromBits(normal(random)));
    for (int i = 0; i < 300; ++i) lowers.push_back(fromBits(subnormal(random)));
    std::vector<Neighbours> pairs;
    for (float lower : lowers) pairs.push_back({lower, std::nextafter(lower, FLT_MAX)});
    return pairs;
}

TEST_P(TextToNumber, MidpointsTieToEvenAndAHairDecides) {
    const std::string& separator = GetParam();
    for (const Neighbours& pair : neighbourPairs()) {
        // Float neighbours are 24-bit numbers; their midpoint is exact in double.
        const double midpoint = (double(pair.lower) + double(pair.upper)) / 2;
        const std::string exact = exactScientific(midpoint);
        const float even = bitsOf(pair.lower) % 2 == 0 ? pair.lower : pair.upper;
        const struct {
            std::string text;
            float expected;
        } cases[] = {{exact, even}, {justBelow(exact), pair.lower}, {justAbove(exact), pair.upper}};
        for (const auto& c : cases) {
            for (const bool negative : {false, true}) {
                const std::string text = (negative ? "-" : "") + swapPointFor(c.text, separator);
                const Conversion conversion = textToNumber(text, separator);
                ASSERT_EQ(conversion.status, ConversionStatus::Ok) << text;
                ASSERT_TRUE(sameFloat(negative ? -c.expected : c.expected, conversion.value)) << text;
            }
        }
    }
}

TEST_P(TextToNumber, ShortestAndNineDigitTextsReadBackToTheSameFloat) {
    const std::string& separator = GetParam();
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    for (int i = 0; i < 100000; ++i) {
        const float value = fromBits(anyBits(random));
        if (!std::isfinite(value)) continue;
        char nineDigits[64];
        std::snprintf(nineDigits, sizeof nineDigits, "%.9g", double(value));
        for (const std::string& text : {shortestText(value), std::string(nineDigits)}) {
            const std::string typed = swapPointFor(text, separator);
            const Conversion conversion = textToNumber(typed, separator);
            ASSERT_EQ(conversion.status, ConversionStatus::Ok) << typed;
            ASSERT_TRUE(sameFloat(value, conversion.value)) << typed;
        }
    }
}


// ---------------------------------------------------------------------------
// Text to number: overflow, underflow, extreme exponents, long texts
// ---------------------------------------------------------------------------

struct Extreme {
    std::function<std::string()> text;  // built when the test runs; '.' is the locale's separator
    ConversionStatus status;
    float value;  // when Ok
};

std::function<std::string()> literal(const char* text) {
    return [text] { return std::string(text); };
}

// Halfway between the largest float and 2^128, exactly: from there on a number
// rounds to infinity.
std::string overflowMidpoint() { return exactScientific(std::ldexp(1.0, 128) - std::ldexp(1.0, 103)); }
std::string underflowMidpoint() { return exactScientific(std::ldexp(1.0, -150)); }
std::string megabyteOf(char c) { return std::string(1 << 20, c); }
const std::string oneToNextMidpoint = "1.000000059604644775390625";
const float smallestSubnormal = std::numeric_limits<float>::denorm_min();
using enum ConversionStatus;

const Extreme extremeTexts[] = {
    {literal("3.4028235e38"), Ok, FLT_MAX},
    {literal("-3.4028235e38"), Ok, -FLT_MAX},
    {literal("340282346638528859811704183484516925440"), Ok, FLT_MAX},
    {literal("1e39"), TooLarge, 0},
    {literal("-1e39"), TooLarge, 0},
    {literal("3.5e38"), TooLarge, 0},
    {overflowMidpoint, TooLarge, 0},
    {[] { return "-" + overflowMidpoint(); }, TooLarge, 0},
    {[] { return justBelow(overflowMidpoint()); }, Ok, FLT_MAX},
    {[] { return "-" + justBelow(overflowMidpoint()); }, Ok, -FLT_MAX},
    {[] { return justAbove(overflowMidpoint()); }, TooLarge, 0},
    {literal("1e99999999999999999999"), TooLarge, 0},
    {literal("-1e99999999999999999999"), TooLarge, 0},
    {literal("1e9223372036854775808"), TooLarge, 0},  // exponents past 64 bits do not wrap
    {literal("1e18446744073709551617"), TooLarge, 0},
    {literal("1e4294967297"), TooLarge, 0},
    {literal("1e-50"), Ok, 0.0f},
    {literal("-1e-50"), Ok, -0.0f},
    {literal("1e-45"), Ok, smallestSubnormal},
    {literal("-1e-45"), Ok, -smallestSubnormal},
    {literal("7e-46"), Ok, 0.0f},
    {literal("7.1e-46"), Ok, smallestSubnormal},
    {literal("-7.1e-46"), Ok, -smallestSubnormal},
    {underflowMidpoint, Ok, 0.0f},
    {[] { return justAbove(underflowMidpoint()); }, Ok, smallestSubnormal},
    {literal("1.1754942e-38"), Ok, std::nextafter(FLT_MIN, 0.0f)},
    {literal("1.17549435e-38"), Ok, FLT_MIN},
    {literal("1e-99999999999999999999"), Ok, 0.0f},
    {literal("-1e-99999999999999999999"), Ok, -0.0f},
    {literal("1e-9223372036854775809"), Ok, 0.0f},
    {literal("1e-18446744073709551617"), Ok, 0.0f},
    {literal("0e999999"), Ok, 0.0f},
    {literal("0e99999999999999999999"), Ok, 0.0f},
    {literal("0.000e-99999999999999999999"), Ok, 0.0f},
    {literal("0.00001e39"), Ok, 1e34f},
    {literal("100000e-50"), Ok, 1e-45f},
    // A megabyte of digits (2^20 = 1048576 of them).
    {[] { return "1" + megabyteOf('0') + "e-1048576"; }, Ok, 1.0f},
    {[] { return "0." + megabyteOf('0') + "15e1048578"; }, Ok, 15.0f},
    {[] { return megabyteOf('0') + "2.5"; }, Ok, 2.5f},
    {[] { return "2.5" + megabyteOf('0'); }, Ok, 2.5f},
    {[] { return "0." + megabyteOf('0') + "1"; }, Ok, 0.0f},
    {[] { return "1e" + megabyteOf('0') + "5"; }, Ok, 1e5f},
    {[] { return megabyteOf('9'); }, TooLarge, 0},
    {[] { return megabyteOf(' ') + "-2" + megabyteOf('\t'); }, Ok, -2.0f},
    // The midpoint between 1 and the next float ties to 1; a digit a megabyte
    // further on breaks the tie.
    {literal("1.000000059604644775390625"), Ok, 1.0f},
    {[] { return oneToNextMidpoint + megabyteOf('0'); }, Ok, 1.0f},
    {[] { return oneToNextMidpoint + megabyteOf('0') + "1"; }, Ok, std::nextafter(1.0f, 2.0f)},
    {[] { return "1.000000059604644775390624" + megabyteOf('9'); }, Ok, 1.0f},
};

TEST_P(TextToNumber, OverflowUnderflowHugeExponentsAndLongTexts) {
    const std::string& separator = GetParam();
    for (const Extreme& row : extremeTexts) {
        const std::string text = swapPointFor(row.text(), separator);
        const std::string shown = text.size() > 80 ? text.substr(0, 40) + "…" : text;
        const Conversion conversion = textToNumber(text, separator);
        EXPECT_EQ(conversion.status, row.status) << shown;
        if (row.status == ConversionStatus::Ok) {
            EXPECT_TRUE(sameFloat(row.value, conversion.value)) << shown;
        }
    }
}

// ---------------------------------------------------------------------------
// Number to text
// ---------------------------------------------------------------------------

struct Shown {
    float value;
    const char* text;  // '.' is the locale's separator
};

const Shown shownNumbers[] = {
    {2.0f, "2"},
    {50.265472f, "50.26547"},
    {0.5f, "0.5"},
    {1.0f / 3.0f, "0.3333333"},
    {12345678.0f, "1.234568E+07"},
    {0.0000001633974f, "1.633974E-07"},
    {0.0f, "0"},
    {-0.0f, "0"},
    {1.0f, "1"},
    {100.0f, "100"},
    {1382.3f, "1382.3"},
    {37.6991f, "37.6991"},
    {-2.5f, "-2.5"},
    {-0.5f, "-0.5"},
    {-33.51031f, "-33.51031"},
    {-12345678.0f, "-1.234568E+07"},
    {9999999.0f, "9999999"},
    {1000000.0f, "1000000"},
    {9999999.5f, "1E+07"},  // not a float: it is 10^7 itself
    {10000000.0f, "1E+07"},
    {99999992.0f, "9.999999E+07"},
    {999999.94f, "999999.9"},
    {1234567.5f, "1234568"},  // an exact tie goes to the even digit
    {1234568.5f, "1234568"},
    {123456.7f, "123456.7"},
    {0.001f, "0.001"},
    {0.0001f, "0.0001"},  // the float is just below 10^-4 and rounds up to it
    {0.000099999996f, "0.0001"},
    {0.00009999999f, "9.999999E-05"},
    {0.00001f, "1E-05"},
    {0.00012345678f, "0.0001234568"},
    {-0.0001f, "-0.0001"},
    {9.999999503e-33f, "1E-32"},
    {2.16e26f, "2.16E+26"},
    {6e26f, "6E+26"},
    {1e20f, "1E+20"},
    {FLT_MAX, "3.402823E+38"},
    {-FLT_MAX, "-3.402823E+38"},
    {FLT_MIN, "1.175494E-38"},
    {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
    {-std::numeric_limits<float>::denorm_min(), "-1.401298E-45"},
    {std::numeric_limits<float>::infinity(), "∞"},
    {-std::numeric_limits<float>::infinity(), "-∞"},
};

TEST_P(NumberToText, WritesSevenSignificantDigits) {
    const std::string& separator = GetParam();
    for (const Shown& row : shownNumbers)
        EXPECT_EQ(numberToText(row.value, separator), localized(row.text, separator))
            << std::hexfloat << row.value;
}

// Fewer digits, as a result field too narrow for its number shows it: rounded
// from the float's exact value, exponent form once the rounded exponent reaches
// the number of digits, so no digit before the separator becomes a zero.
struct ShownShorter {
    float value;
    int digits;
    NumberForm form;
    const char* text;
};

const ShownShorter shorterNumbers[] = {
    {6.283184f, 5, NumberForm::Usual, "6.2832"},
    {37.69911f, 5, NumberForm::Usual, "37.699"},
    {130107.2f, 6, NumberForm::Usual, "130107"},
    {130107.2f, 5, NumberForm::Usual, "1.3011E+05"},
    {9361213.0f, 2, NumberForm::Usual, "9.4E+06"},
    {1.248162e7f, 2, NumberForm::Usual, "1.2E+07"},
    {1.000045f, 6, NumberForm::Usual, "1.00004"},  // the float is 1.0000449…: its text "1.000045" would round up
    {9.5f, 1, NumberForm::Usual, "1E+01"},           // an exact tie goes to the even digit, and carries
    {-2.5f, 1, NumberForm::Usual, "-2"},
    {0.00012345678f, 3, NumberForm::Usual, "0.000123"},
    {0.00012345678f, 3, NumberForm::Exponent, "1.23E-04"},
    {123.456f, 3, NumberForm::Exponent, "1.23E+02"},
    {100000.0f, 6, NumberForm::Exponent, "1E+05"},
    {-382502.9f, 4, NumberForm::Usual, "-3.825E+05"},
    {std::numeric_limits<float>::infinity(), 2, NumberForm::Exponent, "∞"},
};

TEST_P(NumberToText, WritesFewerDigitsWhenAsked) {
    const std::string& separator = GetParam();
    for (const ShownShorter& row : shorterNumbers)
        EXPECT_EQ(numberToText(row.value, separator, row.digits, row.form), localized(row.text, separator))
            << row.value << " to " << row.digits << " digits";
}

// What a result field shows, with a field that holds `room` characters.
struct ShownInField {
    const char* what;
    const char* text;            // the field's text; '.' is the locale's separator
    std::optional<float> value;  // the float the calculator wrote there, if it did
    size_t room;
    const char* shown;
};

const ShownInField shownInFields[] = {
    {"a text that fits shows whole", "52", 52.0f, 6, "52"},
    {"rounded, not cut", "6.283184", 6.283184f, 6, "6.2832"},
    {"the last whole digit kept", "9361213", 9361213.0f, 7, "9361213"},
    {"whole digits go only with the exponent form", "9361213", 9361213.0f, 6, "9E+06"},
    {"the exponent never goes", "1.248162E+07", 1.248162e7f, 7, "1.2E+07"},
    {"one digit and the exponent", "1.248162E+07", 1.248162e7f, 5, "1E+07"},
    {"a negative number", "-382502.9", -382502.9f, 7, "-382503"},
    {"rounded from the float, not from its text", "1.000045", 1.000045f, 7, "1.00004"},
    {"wider than the field", "-1.248162E+07", -1.248162e7f, 5, "###"},
    {"a number typed into a result field", "0.333333333333", std::nullopt, 6, "0.3333"},
    {"a text that is no number shows as it is", "сто и двадесет", std::nullopt, 6, "сто и двадесет"},
    {"an infinity", "∞", std::numeric_limits<float>::infinity(), 6, "∞"},
};

TEST_P(NumberToText, AResultFieldShowsTheRoundedNumberThatFits) {
    const std::string& separator = GetParam();
    for (const ShownInField& row : shownInFields) {
        // Characters, not bytes: "∞" is one.
        const TextFits fits = [&](std::string_view text) {
            size_t characters = 0;
            for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
            return characters <= row.room;
        };
        EXPECT_EQ(shownText(localized(row.text, separator), row.value, separator, fits),
                  localized(row.shown, separator))
            << row.what;
    }
}

TEST(NumberToTextReference, WrittenTextReadsBackToTheFloatRoundedToSevenDigits) {
    std::mt19937 random(99);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    for (int i = 0; i < 100000; ++i) {
        const float value = fromBits(anyBits(random));
        if (!std::isfinite(value)) continue;
        const Conversion back = textToNumber(numberToText(value, ","), ",");
        ASSERT_EQ(back.status, ConversionStatus::Ok);
        char seven[64];
        std::snprintf(seven, sizeof seven, "%.6e", double(value));
        EXPECT_EQ(back.value, std::strtof(seven, nullptr)) << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace geometry::testing
