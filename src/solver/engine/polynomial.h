// SPDX-License-Identifier: MIT
#pragma once
// Polynomials in a solid's quantities, with values as coefficients: what a
// relation becomes once the knowns are put in, and what the elimination of
// unknowns works on (by resultants, which need only sums and products, so
// exact coefficients stay exact).

#include <array>
#include <cstdint>
#include <vector>

#include "engine/expression.h"
#include "engine/value.h"

namespace solver {

inline constexpr int maxVariables = 24;

struct Monomial {
    std::array<std::uint8_t, maxVariables> exponents{};
    friend bool operator==(const Monomial& a, const Monomial& b) { return a.exponents == b.exponents; }
    friend bool operator<(const Monomial& a, const Monomial& b) { return a.exponents < b.exponents; }
};

class Polynomial {
public:
    struct Term {
        Monomial monomial;
        Value coefficient;
    };

    Polynomial() = default;
    static Polynomial constant(const Value& value);
    static Polynomial variable(int index);

    const std::vector<Term>& terms() const { return terms_; }
    bool isZero() const { return terms_.empty(); }
    bool isConstant() const;
    int degree(int variable) const;
    bool involves(int variable) const { return degree(variable) > 0; }
    std::vector<int> variables() const;
    // Whether every coefficient has an exact form.
    bool exact() const;

    // The coefficient of variableᵈ, a polynomial in the others.
    Polynomial coefficient(int variable, int d) const;
    Polynomial substituted(int variable, const Value& value) const;
    // The variable replaced by a polynomial in the others.
    Polynomial substituted(int variable, const Polynomial& replacement) const;
    // The coefficients by power of the only variable left (index 0: the constant).
    std::vector<Value> univariate(int variable) const;

    friend Polynomial operator+(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator-(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator*(const Polynomial& a, const Polynomial& b);

private:
    void add(const Monomial& monomial, const Value& coefficient);
    std::vector<Term> terms_;  // sorted by monomial, no zero coefficients
};

// The resultant of p and q with respect to a variable: a polynomial in the
// others that vanishes wherever p and q have a common root in that variable.
Polynomial resultant(const Polynomial& p, const Polynomial& q, int variable);

// A relation "left = right" as left − right = 0, multiplied out of its
// denominators; π, roots of numbers and tg(180° : n) become coefficients.
// Throws ReadError for a formula that is no polynomial (a root of a letter).
Polynomial relationPolynomial(const Node& left, const Node& right, const Substitution& constants);

}  // namespace solver
