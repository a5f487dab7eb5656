// SPDX-License-Identifier: MIT
// The handlers track calculation faults themselves. Here every statement is
// recomputed on the processor, in volatile doubles, and the processor's own
// exception flags (overflow, division by zero, invalid) decide whether each
// check fires; a press must fail exactly when that recomputation does, and
// otherwise show the same numbers.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fakes.h"
#include "numeric.h"

namespace geometry::testing {
namespace {

using enum Field;
using enum Button;

float fromBits(std::uint32_t bits) { return std::bit_cast<float>(bits); }
constexpr std::uint32_t largestFiniteBits = 0x7f7fffff;

struct Outcome {
    int failedCheck = 0;  // which check fired, counting from 1; 0 when none did
    int flags = 0;        // the raised conditions it saw
    std::vector<float> results;
};

// One press's statements: the last field read has cleared the conditions, and
// each check looks at everything raised since.
class Statements {
public:
    Statements() { std::feclearexcept(FE_ALL_EXCEPT); }
    bool fault() {
        ++checks_;
        flags_ = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
        return flags_ != 0;
    }
    Outcome failed() const { return {checks_, flags_, {}}; }
    static Outcome done(std::vector<float> results) { return {0, 0, std::move(results)}; }

private:
    int checks_ = 0;
    int flags_ = 0;
};

Outcome boxStatements(const std::vector<float>& in) {  // a, b, c
    Statements s;
    volatile double a = in[0], b = in[1], c = in[2];
    volatile float S = float(2 * (((b * a) + (a * c)) + (b * c)));
    if (s.fault()) return s.failed();
    volatile float V = float((b * a) * c);
    if (s.fault()) return s.failed();
    return Statements::done({S, V});
}

Outcome cubeStatements(const std::vector<float>& in) {  // a
    Statements s;
    volatile double a = in[0];
    volatile float S = float(std::pow(a, 2.0) * 6);
    if (s.fault()) return s.failed();
    volatile float V = float(std::pow(a, 3.0));  // no check follows
    return Statements::done({S, V});
}

Outcome otherPrismStatements(const std::vector<float>& in) {  // P, B, h
    Statements s;
    volatile double P = in[0], B = in[1], h = in[2];
    volatile double lateral = P * h;
    if (s.fault()) return s.failed();
    volatile float S = float(lateral);
    volatile float S1 = float((B + B) + double(S));
    if (s.fault()) return s.failed();
    volatile float V = float(B * h);
    if (s.fault()) return s.failed();
    return Statements::done({S, S1, V});
}

Outcome pyramidStatements(const std::vector<float>& in) {  // P, B, k, h
    Statements s;
    volatile double P = in[0], B = in[1], k = in[2], h = in[3];
    volatile double half = (P * k) / 2;
    if (s.fault()) return s.failed();
    volatile float S = float(half);
    volatile float S1 = float(double(S) + B);
    if (s.fault()) return s.failed();
    volatile float V = float((h * B) / 3);
    if (s.fault()) return s.failed();
    return Statements::done({S, S1, V});
}

Outcome polygonStatements(const std::vector<float>& in) {  // n, a
    Statements s;
    volatile double n = in[0], a = in[1];
    volatile float P = float(a * n);
    if (s.fault()) return s.failed();
    volatile double x = 3.141592 / n;
    if (s.fault()) return s.failed();
    volatile double C = std::cos(x);
    x = 3.141592 / n;
    if (s.fault()) return s.failed();
    volatile double D = std::sin(x);
    volatile double q = ((a * n) * a) / 4;
    if (s.fault()) return s.failed();
    volatile float B = float(q * (C / D));
    if (s.fault()) return s.failed();
    return Statements::done({P, B});
}

Outcome cylinderStatements(const std::vector<float>& in) {  // r, h
    Statements s;
    volatile double r = in[0], h = in[1];
    volatile float S = float((r * 6.283184) * h);
    if (s.fault()) return s.failed();
    volatile float S1 = float(((r * 6.283184) * r) + double(S));
    if (s.fault()) return s.failed();
    volatile float V = float(((r * 3.141592) * r) * h);
    if (s.fault()) return s.failed();
    return Statements::done({S, S1, V});
}

Outcome coneStatements(const std::vector<float>& in) {  // r, h, l
    Statements s;
    volatile double r = in[0], h = in[1], l = in[2];
    volatile float S = float((r * 3.141592) * l);
    if (s.fault()) return s.failed();
    volatile float S1 = float(((r * 3.141592) * r) + double(S));
    if (s.fault()) return s.failed();
    volatile float V = float((((r * 3.141592) * r) * h) / 3.0);
    if (s.fault()) return s.failed();
    return Statements::done({S, S1, V});
}

Outcome sphereStatements(const std::vector<float>& in) {  // r
    Statements s;
    volatile double r = in[0];
    volatile float S = float((r * 12.566368) * r);
    if (s.fault()) return s.failed();
    volatile float V = float(((((4.0 / 3.0) * 3.141592) * r) * r) * r);
    if (s.fault()) return s.failed();
    return Statements::done({S, V});
}

struct Machine {
    const char* name;
    Button calculate;
    std::string choice;          // the right prism's kind, or empty
    std::vector<Field> inputs;   // in the order the statements take them
    std::vector<Field> results;  // in the order the statements give them
    int checks;
    Outcome (*statements)(const std::vector<float>&);
};

const Machine box{"box", CalculateRightPrism, "1", {BoxEdgeA, BoxEdgeB, BoxEdgeC}, {PrismSurface, PrismVolume}, 2, boxStatements};
const Machine cube{"cube", CalculateRightPrism, "2", {CubeEdge}, {PrismSurface, PrismVolume}, 1, cubeStatements};
const Machine otherPrism{"otherPrism", CalculateRightPrism, "3", {PrismBasePerimeter, PrismBaseArea, PrismHeight}, {PrismSurface, PrismFullSurface, PrismVolume},
                         3, otherPrismStatements};
const Machine pyramid{"pyramid", CalculateRegularPyramid, "", {PyramidBasePerimeter, PyramidBaseArea, PyramidApothem, PyramidHeight}, {PyramidLateralSurface, PyramidFullSurface, PyramidVolume},
                      3, pyramidStatements};
const Machine polygon{"polygon", CalculateRegularPolygon, "", {PolygonSides, PolygonSide}, {PolygonPerimeter, PolygonArea}, 5, polygonStatements};
const Machine cylinder{"cylinder", CalculateCylinder, "", {CylinderRadius, CylinderHeight}, {CylinderLateralSurface, CylinderFullSurface, CylinderVolume}, 3,
                       cylinderStatements};
const Machine cone{"cone", CalculateCone, "", {ConeRadius, ConeHeight, ConeSlantHeight}, {ConeLateralSurface, ConeFullSurface, ConeVolume}, 3,
                   coneStatements};
const Machine sphere{"sphere", CalculateSphereAndBall, "", {SphereRadius}, {SphereSurface, BallVolume}, 2, sphereStatements};

std::string typed(float value, const std::string& separator) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (const size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

StopReason reasonFor(int flags) {
    if (flags & FE_INVALID) return StopReason::InvalidOperation;
    if (flags & FE_DIVBYZERO) return StopReason::DivisionByZero;
    return StopReason::ResultOverflow;
}

// Empty when the press agrees with the recomputed statements, else what differs.
std::string disagreement(const Machine& machine, const std::vector<float>& in, const std::string& separator) {
    const Outcome expected = machine.statements(in);
    Bench bench(separator);
    auto& texts = bench.fields.texts;
    if (!machine.choice.empty()) texts[PrismKind] = machine.choice;
    for (size_t i = 0; i < in.size(); ++i) texts[machine.inputs[i]] = typed(in[i], separator);
    for (Field field : machine.results) texts[field] = "old";
    bench.handlers.press(machine.calculate);

    std::ostringstream out;
    out << machine.name << '(';
    for (size_t i = 0; i < in.size(); ++i) out << (i ? " " : "") << typed(in[i], ".");
    out << "): ";
    const auto& stops = bench.window.stops;
    if (expected.failedCheck != 0) {
        if (stops.size() != 1) return out.str() + "check " + std::to_string(expected.failedCheck) + " fires, the press did not fail";
        if (stops.front().reason() != reasonFor(expected.flags)) return out.str() + "wrong reason";
        for (Field field : machine.results)
            if (texts[field] != "old") return out.str() + "a result field changed";
        return {};
    }
    if (!stops.empty()) return out.str() + "the press failed, no check fires";
    for (size_t i = 0; i < machine.results.size(); ++i) {
        const std::string shown = numberToText(expected.results[i], separator);
        if (texts[machine.results[i]] != shown)
            return out.str() + ::testing::PrintToString(machine.results[i]) + " shows " + texts[machine.results[i]] +
                   ", not " + shown;
    }
    return {};
}

// Whether a recomputed press has failed at or before the given check (or, for
// check 0, shows an infinity or fails at all).
bool stopsBy(const Outcome& outcome, int check) {
    if (check == 0) {
        if (outcome.failedCheck != 0) return true;
        for (float value : outcome.results)
            if (!std::isfinite(value)) return true;
        return false;
    }
    return outcome.failedCheck != 0 && outcome.failedCheck <= check;
}

// The smallest magnitude of input `index` at which the predicate starts to hold,
// with the other inputs as given; none when it never changes from false to true.
std::optional<std::uint32_t> threshold(const Machine& machine, std::vector<float> in, size_t index, int check) {
    auto holds = [&](std::uint32_t bits) {
        in[index] = fromBits(bits);
        return stopsBy(machine.statements(in), check);
    };
    std::uint32_t low = 0;
    if (holds(low)) low = 1;  // a zero input may fail by itself (a polygon without sides)
    std::uint32_t high = largestFiniteBits;
    if (holds(low) || !holds(high)) return std::nullopt;
    while (high - low > 1) {
        const std::uint32_t middle = low + (high - low) / 2;
        (holds(middle) ? high : low) = middle;
    }
    return high;
}

std::vector<std::vector<float>> casesFor(const Machine& machine) {
    const size_t count = machine.inputs.size();
    std::mt19937 random(static_cast<unsigned>(machine.inputs.front()) * 7919u + 17u);
    std::uniform_int_distribution<std::uint32_t> anyBits(0, largestFiniteBits);
    std::uniform_real_distribution<double> exponent(-6, 6);
    std::bernoulli_distribution coin;
    auto anyFinite = [&] { return (coin(random) ? -1 : 1) * fromBits(anyBits(random)); };
    auto moderate = [&] { return float((coin(random) ? -1 : 1) * std::pow(10.0, exponent(random))); };

    std::vector<std::vector<float>> cases;
    // Every combination of a few chosen values.
    const float chosen[] = {0.0f, -0.0f, 1.0f, -2.5f, FLT_MIN, FLT_MAX, -FLT_MAX, 1e-20f};
    std::vector<size_t> digits(count, 0);
    for (bool more = true; more;) {
        std::vector<float> in;
        for (size_t d : digits) in.push_back(chosen[d]);
        cases.push_back(in);
        more = false;
        for (size_t i = 0; i < count && !more; ++i) {
            if (++digits[i] < std::size(chosen)) more = true;
            else digits[i] = 0;
        }
    }
    // Random inputs over the whole range and over ordinary sizes.
    for (int i = 0; i < 1500; ++i) {
        std::vector<float> in;
        for (size_t j = 0; j < count; ++j) in.push_back(i % 3 == 0 ? moderate() : anyFinite());
        cases.push_back(in);
    }
    // Around every threshold: for each input and each check, with the other
    // inputs fixed, the magnitude where the check starts to fire, ± 24 ulps.
    for (size_t index = 0; index < count; ++index) {
        for (int check = 0; check <= machine.checks; ++check) {
            for (int context = 0; context < 4; ++context) {
                std::vector<float> in(count, 1.0f);
                for (size_t j = 0; j < count && context > 0; ++j) in[j] = context == 3 ? anyFinite() : moderate();
                const auto edge = threshold(machine, in, index, check);
                if (!edge) continue;
                for (std::uint32_t bits = *edge - std::min<std::uint32_t>(*edge, 24);
                     bits <= std::min(*edge + 24, largestFiniteBits); ++bits) {
                    in[index] = fromBits(bits);
                    cases.push_back(in);
                    in[index] = -in[index];
                    cases.push_back(in);
                }
            }
        }
    }
    return cases;
}

void PrintTo(const Machine* machine, std::ostream* out) { *out << machine->name; }

class HardwareFlags : public ::testing::TestWithParam<const Machine*> {};

TEST_P(HardwareFlags, APressFailsExactlyWhenTheProcessorRaisesAFault) {
    const Machine& machine = *GetParam();
    const auto cases = casesFor(machine);
    int failures = 0, stops = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string separator = i % 2 ? "," : ".";
        const std::string difference = disagreement(machine, cases[i], separator);
        if (!difference.empty() && ++failures <= 5) ADD_FAILURE() << difference;
        stops += machine.statements(cases[i]).failedCheck != 0;
    }
    RecordProperty("cases", int(cases.size()));
    RecordProperty("failing", stops);
    EXPECT_EQ(failures, 0) << "of " << cases.size() << " cases";
    // Both outcomes were really exercised.
    EXPECT_GT(stops, int(cases.size() / 10));
    EXPECT_LT(stops, int(cases.size() * 9 / 10));
    EXPECT_GT(cases.size(), 2000u);
}

INSTANTIATE_TEST_SUITE_P(AllPanels, HardwareFlags,
                         ::testing::Values(&box, &cube, &otherPrism, &pyramid, &polygon, &cylinder, &cone, &sphere),
                         [](const auto& info) { return std::string(info.param->name); });

// Where the recomputed statements start to fail, against the sizes the panels
// are known to reach.
struct Edge {
    const Machine* machine;
    size_t input;
    std::vector<float> others;  // all inputs; the one at `input` is replaced
    int check;                  // 0: an infinity shows (or the press fails)
    double above, below;        // the edge lies strictly between; both 0 when there is none
};

const Edge edges[] = {
    {&cube, 0, {0}, 1, 7.525e18, 7.535e18},          // S = 6a² overflows
    {&cube, 0, {0}, 0, 6.975e12, 6.985e12},          // V = a³ shows infinity
    {&sphere, 0, {0}, 1, 5.15e18, 5.25e18},          // S overflows
    {&sphere, 0, {0}, 2, 4.325e12, 4.335e12},        // V overflows first
    {&cylinder, 0, {0, 1}, 1, 1e19, 1e38},           // r 10^19, h 1: S fits ...
    {&cylinder, 0, {0, 1}, 2, 1e18, 1e19},           // ... S1 does not
    {&cone, 1, {1e10f, 0, 1}, 2, 0, 0},              // the height never fails S or S1 ...
    {&cone, 1, {1e10f, 0, 1}, 3, 1e18, 1e20},        // ... but V with r 10^10 before h 10^20
    {&pyramid, 0, {0, 1, 1e19f, 1}, 1, 0, 0},        // the half product is no fault as a double
    {&pyramid, 0, {0, 1, 1e19f, 1}, 2, 1e19, 1e20},  // but S rounds beyond the range before P 10^20
    {&pyramid, 3, {1, 1e20f, 1, 0}, 3, 1e19, 1e20},  // h 10^19 with B 10^20 still fits
    {&polygon, 1, {4, 0}, 5, 1e19, 2e19},            // the square's area a² overflows
};

void PrintTo(const Edge& edge, std::ostream* out) {
    *out << edge.machine->name << ", input " << edge.input << ", check " << edge.check;
}

class FaultEdges : public ::testing::TestWithParam<Edge> {};

TEST_P(FaultEdges, LieWhereThePanelsOverflow) {
    const Edge& edge = GetParam();
    const auto bits = threshold(*edge.machine, edge.others, edge.input, edge.check);
    if (edge.above == 0) {
        EXPECT_FALSE(bits.has_value()) << fromBits(*bits);
        return;
    }
    ASSERT_TRUE(bits.has_value());
    EXPECT_GT(fromBits(*bits), edge.above);
    EXPECT_LT(fromBits(*bits), edge.below);
    // The press agrees on both sides of the edge.
    std::vector<float> in = edge.others;
    for (const std::uint32_t side : {*bits - 1, *bits}) {
        in[edge.input] = fromBits(side);
        EXPECT_EQ(disagreement(*edge.machine, in, ","), "");
    }
}

INSTANTIATE_TEST_SUITE_P(KnownSizes, FaultEdges, ::testing::ValuesIn(edges));

}  // namespace
}  // namespace geometry::testing
