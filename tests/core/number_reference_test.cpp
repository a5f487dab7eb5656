// SPDX-License-Identifier: MIT
// numberToText against the C library's "%.7G" over some ten million floats:
// random bit patterns in every binary exponent, the powers of ten and their
// neighbours, the floats around the decimal midpoints d.dddddd5×10^e where
// seven-digit rounding turns, and floats that lie exactly on such a midpoint.
// scripts/number_to_text_all.sh runs the same comparison over all 2^32 patterns.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "number_text_comparison.h"

namespace {

using Bits = std::vector<std::uint32_t>;

#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned scale = 10;  // sanitized builds are several times slower
#else
constexpr unsigned scale = 1;
#endif

constexpr int lowestDecade = -46;  // below the smallest subnormal, 1.4E-45
constexpr int highestDecade = 38;  // the largest float is 3.4E+38

std::uint32_t bitsOf(float value) { return std::bit_cast<std::uint32_t>(value); }

// The float nearest to the decimal text, as the C++ library reads it; overflow
// and underflow give the largest float and zero (their neighbours are added too).
float nearestFloat(const std::string& decimal) {
    float value = 0.0f;
    const auto [end, error] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (error == std::errc::result_out_of_range)
        return decimal.find("e-") != std::string::npos ? 0.0f : std::numeric_limits<float>::max();
    return value;
}

// `value` and `steps` floats on either side of it, with both signs.
void addNeighbourhood(Bits& bits, float value, int steps) {
    float below = value, above = value;
    for (int i = 0; i < steps; ++i) {
        below = std::nextafter(below, -std::numeric_limits<float>::infinity());
        above = std::nextafter(above, std::numeric_limits<float>::infinity());
        for (float v : {below, above}) {
            bits.push_back(bitsOf(v));
            bits.push_back(bitsOf(-v));
        }
    }
    bits.push_back(bitsOf(value));
    bits.push_back(bitsOf(-value));
}

Bits randomInEveryExponent() {
    Bits bits;
    const unsigned perExponent = 16384 / scale;
    for (std::uint32_t signAndExponent = 0; signAndExponent < 512; ++signAndExponent) {
        std::mt19937 random(signAndExponent);
        for (unsigned i = 0; i < perExponent; ++i)
            bits.push_back((signAndExponent << 23) | (random() & 0x7fffff));
    }
    return bits;
}

Bits powersOfTen() {
    Bits bits;
    for (int e = lowestDecade; e <= highestDecade + 1; ++e)
        addNeighbourhood(bits, nearestFloat("1e" + std::to_string(e)), 16);
    return bits;
}

// For sampled mantissas of `digits` digits in every decade: the float nearest to
// the midpoint d.dd…d5×10^e and the floats on either side of it.
Bits midpointsInEveryDecade(int digits, unsigned perDecade) {
    Bits bits;
    std::mt19937 random(2024 + digits);
    const int lowest = static_cast<int>(std::pow(10, digits - 1));
    std::uniform_int_distribution<int> mantissa(lowest, 10 * lowest - 1);
    for (int e = lowestDecade; e <= highestDecade; ++e) {
        for (unsigned i = 0; i < perDecade; ++i) {
            const std::string m = std::to_string(mantissa(random));
            const float near = nearestFloat(m.substr(0, 1) + "." + m.substr(1) + "5e" + std::to_string(e));
            addNeighbourhood(bits, near, 1);
        }
    }
    return bits;
}

Bits midpointsInEveryDecade() { return midpointsInEveryDecade(7, 12000 / scale); }

// The midpoints where rounding carries into the next decade (9.9999995×10^e),
// among them the switch to exponent form at 1E+07 and below 1E-04.
Bits carryingMidpoints() {
    Bits bits;
    for (int e = lowestDecade; e <= highestDecade; ++e)
        addNeighbourhood(bits, nearestFloat("9.9999995e" + std::to_string(e)), 64);
    return bits;
}

// Floats exactly on a midpoint, where the rounding must go to the even digit:
// whole numbers ending in 5 from 10^7 to 2^24, and halves and quarters below.
Bits exactTies() {
    Bits bits;
    for (std::uint32_t n = 10000005; n <= (1u << 24); n += 10 * scale) bits.push_back(bitsOf(static_cast<float>(n)));
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> halves(1000000, (1u << 23) - 1);
    std::uniform_int_distribution<std::uint32_t> quarters(100000, (1u << 21) - 1);
    for (unsigned i = 0; i < 300000 / scale; ++i) {
        bits.push_back(bitsOf(static_cast<float>(halves(random)) + 0.5f));
        bits.push_back(bitsOf(static_cast<float>(quarters(random)) + 0.25f));
        bits.push_back(bitsOf(static_cast<float>(quarters(random)) + 0.75f));
    }
    return bits;
}

Bits specialValues() {
    using limits = std::numeric_limits<float>;
    Bits bits{0x00000000, 0x80000000, 0x7f800000, 0xff800000, 0x7fc00000, 0xffc00000, 0x7f800001, 0xffffffff};
    for (float v : {limits::max(), limits::min(), limits::denorm_min(), 1.0f / 3.0f, 0.5f, 2.0f, 50.265472f})
        addNeighbourhood(bits, v, 4);
    return bits;
}

struct Source {
    const char* name;
    Bits (*make)();
    std::size_t minimum;  // how many floats the source must give at least
};

void PrintTo(const Source& source, std::ostream* out) { *out << source.name; }

const Source sources[] = {
    {"RandomInEveryExponent", randomInEveryExponent, 8'000'000 / scale},
    {"PowersOfTen", powersOfTen, 5'000},
    {"MidpointsInEveryDecade", midpointsInEveryDecade, 3'000'000 / scale},
    {"CarryingMidpoints", carryingMidpoints, 20'000},
    {"ExactTies", exactTies, 1'000'000 / scale},
    {"SpecialValues", specialValues, 50},
};

class NumberToTextAgainstPrintf : public ::testing::TestWithParam<Source> {};

TEST_P(NumberToTextAgainstPrintf, ShowsWhatPrintfShows) {
    const Bits bits = GetParam().make();
    ASSERT_GE(bits.size(), GetParam().minimum);
    const auto result = geometry::reference::compareInParallel(
        bits.size(), [&](std::uint64_t i) { return bits[i]; }, 2, ",");
    EXPECT_EQ(result.compared, bits.size());
    EXPECT_EQ(result.mismatches, 0u);
    for (const auto& mismatch : result.examples) {
        char pattern[16];
        std::snprintf(pattern, sizeof pattern, "%08X", mismatch.bits);
        ADD_FAILURE() << "bits " << pattern << " (" << std::bit_cast<float>(mismatch.bits) << "): shown \""
                      << mismatch.shown << "\", printf \"" << mismatch.expected << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Floats, NumberToTextAgainstPrintf, ::testing::ValuesIn(sources),
                         [](const auto& info) { return std::string(info.param.name); });

// The shorter forms a narrow result field shows against "%.1G" to "%.6G": the
// midpoints of that many digits in every decade, exact ties among the whole
// numbers and halves, the powers of ten and the special values.
class FewerDigitsAgainstPrintf : public ::testing::TestWithParam<int> {};

TEST_P(FewerDigitsAgainstPrintf, ShowWhatPrintfShows) {
    const int digits = GetParam();
    Bits bits = midpointsInEveryDecade(digits, 500 / scale);
    for (const Bits& more : {powersOfTen(), specialValues()}) bits.insert(bits.end(), more.begin(), more.end());
    for (std::uint32_t n = 0; n < 50000 / scale; ++n) {
        bits.push_back(bitsOf(static_cast<float>(10 * n + 5)));
        bits.push_back(bitsOf(static_cast<float>(n) + 0.5f));
    }
    const auto result = geometry::reference::compareInParallel(
        bits.size(), [&](std::uint64_t i) { return bits[i]; }, 2, ",", nullptr, digits);
    EXPECT_EQ(result.mismatches, 0u);
    for (const auto& mismatch : result.examples)
        ADD_FAILURE() << std::bit_cast<float>(mismatch.bits) << ": shown \"" << mismatch.shown << "\", printf \""
                      << mismatch.expected << "\"";
}

INSTANTIATE_TEST_SUITE_P(Digits, FewerDigitsAgainstPrintf, ::testing::Range(1, 7),
                         [](const auto& info) { return std::to_string(info.param); });

// The reference itself must be in the expected shape, or the comparison proves nothing.
struct ReferenceRow {
    const char* name;
    float value;
    const char* separator;
    const char* expected;
};

void PrintTo(const ReferenceRow& row, std::ostream* out) { *out << row.name; }

class PrintfReference : public ::testing::TestWithParam<ReferenceRow> {};

TEST_P(PrintfReference, HasTheCalculatorsShape) {
    EXPECT_EQ(geometry::reference::numberText(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, PrintfReference, ::testing::Values(
    ReferenceRow{"ExponentFormLarge", 12345678.0f, ",", "1,234568E+07"},
    ReferenceRow{"ExponentFormSmall", 0.0000001633974f, ".", "1.633974E-07"},
    ReferenceRow{"NegativeZero", -0.0f, ",", "0"},
    ReferenceRow{"Infinity", std::numeric_limits<float>::infinity(), ",", "∞"},
    ReferenceRow{"MinusInfinity", -std::numeric_limits<float>::infinity(), ".", "-∞"},
    ReferenceRow{"NotANumber", std::numeric_limits<float>::quiet_NaN(), ",", "NaN"},
    ReferenceRow{"LargestWithoutExponent", 9999999.0f, ",", "9999999"},
    ReferenceRow{"SmallestWithoutExponent", 0.0001f, ",", "0,0001"},
    ReferenceRow{"BareMantissa", 1e20f, ",", "1E+20"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
