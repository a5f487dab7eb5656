// SPDX-License-Identifier: MIT
#include "engine/angles.h"

#include <cmath>
#include <optional>

namespace solver {
namespace {

struct ExactAngle {
    Rational degrees;
    // sin and cos as (√m₁·q₁ + √m₂·q₂), enough for every angle here.
    Exact sine, cosine;
};

Exact root(int m) { return *Exact::squareRoot(m); }
Exact fraction(long long p, long long q) { return Exact(Rational(p, q)); }

// The angles whose sine and cosine have exact forms a key writes: the
// multiples of 15° and 22,5° up to 180°, but for the sines and cosines of
// 22,5° and 67,5° (roots of roots), which only their tangents have.
const std::vector<ExactAngle>& exactAngles() {
    static const std::vector<ExactAngle> angles = [] {
        const Exact r2 = root(2), r3 = root(3), r6 = root(6);
        const Exact sin15 = *(r6 - r2).dividedBy(4), cos15 = *(r6 + r2).dividedBy(4);
        // sin 0°, 15°, …, 90°; the rest of the half turn by sin(180° − x) = sin x, cos x = sin(90° − x).
        const Exact rising[] = {Exact(0), sin15, fraction(1, 2), *r2.dividedBy(2), *r3.dividedBy(2), cos15, Exact(1)};
        std::vector<ExactAngle> every;
        for (int step = 0; step <= 12; ++step)
            every.push_back({Rational(15 * step), rising[step <= 6 ? step : 12 - step],
                             step <= 6 ? rising[6 - step] : -rising[step - 6]});
        return every;
    }();
    return angles;
}

// tg 22,5° = √2 − 1 and tg 67,5° = √2 + 1: their sines are roots of roots.
std::optional<Exact> halfRightTangent(const Rational& degrees) {
    if (degrees == Rational(45, 2)) return root(2) - Exact(1);
    if (degrees == Rational(135, 2)) return root(2) + Exact(1);
    if (degrees == Rational(225, 2)) return -(root(2) + Exact(1));
    if (degrees == Rational(315, 2)) return -(root(2) - Exact(1));
    return std::nullopt;
}

std::optional<Exact> exactValue(Trigonometric function, const Rational& degrees) {
    if (function == Trigonometric::Tangent || function == Trigonometric::Cotangent) {
        if (const auto t = halfRightTangent(degrees))
            return function == Trigonometric::Tangent ? t : Exact(1).dividedBy(*t);
    }
    for (const ExactAngle& angle : exactAngles()) {
        if (angle.degrees != degrees) continue;
        switch (function) {
        case Trigonometric::Sine: return angle.sine;
        case Trigonometric::Cosine: return angle.cosine;
        case Trigonometric::Tangent:
            return angle.cosine.isZero() ? std::nullopt : angle.sine.dividedBy(angle.cosine);
        case Trigonometric::Cotangent:
            return angle.sine.isZero() ? std::nullopt : angle.cosine.dividedBy(angle.sine);
        }
    }
    return std::nullopt;
}

// The angle in radians with the true π: 180° : n as π : n to the last bit.
double radians(const Value& degrees) {
    if (degrees.exact && degrees.exact->isRational()) {
        const Rational turn = degrees.exact->rational() / 180;
        return truePi * boost::multiprecision::numerator(turn).convert_to<double>() /
               boost::multiprecision::denominator(turn).convert_to<double>();
    }
    return degrees.number * truePi / 180;
}

double decimalValue(Trigonometric function, double x) {
    switch (function) {
    case Trigonometric::Sine: return std::sin(x);
    case Trigonometric::Cosine: return std::cos(x);
    case Trigonometric::Tangent: return std::tan(x);
    case Trigonometric::Cotangent: return 1 / std::tan(x);
    }
    return NAN;
}

}  // namespace

Value inverseTrigonometric(Trigonometric function, const Value& value) {
    if (!std::isfinite(value.number)) return Value::decimal(NAN);
    const double x = value.number;
    if ((function == Trigonometric::Sine || function == Trigonometric::Cosine) && std::fabs(x) > 1 + 1e-12)
        return Value::decimal(NAN);
    if (value.exact) {
        // The angles of the table, each tried on the value exactly.
        std::vector<Rational> candidates;
        for (const ExactAngle& angle : exactAngles()) candidates.push_back(angle.degrees);
        for (const Rational& half : {Rational(45, 2), Rational(135, 2)}) candidates.push_back(half);
        for (const Rational& degrees : candidates) {
            const bool inRange = function == Trigonometric::Cosine ? degrees <= 180 : degrees <= 90;
            if (!inRange) continue;
            const auto exact = exactValue(function, degrees);
            if (exact && *exact == *value.exact) return Value(Exact(degrees), truePi);
            if (function != Trigonometric::Cosine && degrees > 0 && degrees < 90 && exact && *exact == -*value.exact)
                return Value(Exact(-degrees), truePi);
        }
    }
    const double clamped = std::max(-1.0, std::min(1.0, x));
    const double radians = function == Trigonometric::Sine     ? std::asin(clamped)
                           : function == Trigonometric::Cosine ? std::acos(clamped)
                           : function == Trigonometric::Tangent ? std::atan(x)
                                                                : std::atan(1 / x);
    return Value::decimal(radians * 180 / truePi);
}

Value trigonometric(Trigonometric function, const Value& degrees) {
    if (!std::isfinite(degrees.number)) return Value::decimal(NAN);
    if (degrees.exact && degrees.exact->isRational())
        if (const auto exact = exactValue(function, degrees.exact->rational())) return Value(*exact, truePi);
    return Value::decimal(decimalValue(function, radians(degrees)));
}

}  // namespace solver
