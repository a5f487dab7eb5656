// SPDX-License-Identifier: MIT
#pragma once
// A quantity's value as the solver carries it: the exact form where there is
// one, and always the decimal, with π as the task takes it. Arithmetic keeps
// both side by side; an operation whose exact result has no form here (or
// grows too large) goes on with the decimal alone.

#include <optional>

#include "engine/exact.h"

namespace solver {

struct Value {
    std::optional<Exact> exact;
    double number = 0;

    Value() = default;
    Value(const Exact& x, double piValue) : exact(x), number(x.value(piValue)) {}
    static Value decimal(double number) {
        Value v;
        v.number = number;
        return v;
    }
    static Value whole(long long n) { return Value(Exact(n), truePi); }

    bool isZero() const;  // exactly zero, or a decimal too small to tell from it
    bool positive() const { return exact ? exact->sign() > 0 : number > 0; }
};

Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value operator/(const Value& a, const Value& b);
Value operator-(const Value& a);
Value power(const Value& a, int exponent);
// The positive root; a decimal NaN for a negative number.
Value root(const Value& a, int degree);

// A number, and greater than zero.
bool finitePositive(const Value& v);

// Whether two values are the same number: exactly where both have forms,
// else to 1e-9 of the larger.
bool sameValue(const Value& a, const Value& b);

}  // namespace solver
