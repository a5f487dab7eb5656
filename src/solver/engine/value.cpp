// SPDX-License-Identifier: MIT
#include "engine/value.h"

#include <cmath>

namespace solver {
namespace {

std::optional<Exact> kept(std::optional<Exact> x) {
    if (x && !x->manageable()) return std::nullopt;
    return x;
}

Value combined(std::optional<Exact> exact, double number) {
    Value v;
    v.exact = kept(std::move(exact));
    v.number = number;
    return v;
}

}  // namespace

bool Value::isZero() const { return exact ? exact->isZero() : number == 0; }

Value operator+(const Value& a, const Value& b) {
    return combined(a.exact && b.exact ? std::optional(*a.exact + *b.exact) : std::nullopt, a.number + b.number);
}

Value operator-(const Value& a, const Value& b) {
    return combined(a.exact && b.exact ? std::optional(*a.exact - *b.exact) : std::nullopt, a.number - b.number);
}

Value operator*(const Value& a, const Value& b) {
    return combined(a.exact && b.exact ? std::optional(*a.exact * *b.exact) : std::nullopt, a.number * b.number);
}

Value operator/(const Value& a, const Value& b) {
    return combined(a.exact && b.exact ? a.exact->dividedBy(*b.exact) : std::nullopt, a.number / b.number);
}

Value operator-(const Value& a) { return combined(a.exact ? std::optional(-*a.exact) : std::nullopt, -a.number); }

Value power(const Value& a, int exponent) {
    return combined(a.exact ? a.exact->power(exponent) : std::nullopt, std::pow(a.number, exponent));
}

Value root(const Value& a, int degree) {
    const double number = a.number < 0 ? NAN
                               : degree == 2 ? std::sqrt(a.number)
                               : degree == 3 ? std::cbrt(a.number)
                                             : std::pow(a.number, 1.0 / degree);
    return combined(a.exact ? a.exact->root(degree) : std::nullopt, number);
}

bool finitePositive(const Value& v) { return std::isfinite(v.number) && v.positive(); }

bool sameValue(const Value& a, const Value& b) {
    if (a.exact && b.exact) return *a.exact == *b.exact;
    const double scale = std::max(std::fabs(a.number), std::fabs(b.number));
    return std::fabs(a.number - b.number) <= 1e-9 * scale;
}

}  // namespace solver
