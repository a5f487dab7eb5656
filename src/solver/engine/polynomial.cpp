// SPDX-License-Identifier: MIT
#include "engine/polynomial.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace solver {
namespace {

// A decimal sum that cancels to within rounding is zero.
bool vanishes(const Value& sum, const Value& a, const Value& b) {
    if (sum.exact) return sum.exact->isZero();
    return std::fabs(sum.number) <= 1e-13 * (std::fabs(a.number) + std::fabs(b.number));
}

Monomial times(const Monomial& a, const Monomial& b) {
    Monomial m;
    for (int i = 0; i < maxVariables; ++i) m.exponents[i] = std::uint8_t(a.exponents[i] + b.exponents[i]);
    return m;
}

struct Fraction {
    Polynomial numerator, denominator;
};

bool hasQuantity(const Node& node) {
    if (node.kind == Node::Kind::Quantity) return true;
    return std::any_of(node.children.begin(), node.children.end(), hasQuantity);
}

bool isOne(const Polynomial& p) {
    return p.isConstant() && !p.isZero() && p.terms().front().coefficient.exact &&
           *p.terms().front().coefficient.exact == Exact(1);
}

Fraction fractionOf(const Node& node, const Substitution& constants) {
    using Kind = Node::Kind;
    const Polynomial one = Polynomial::constant(Value::whole(1));
    if (!hasQuantity(node) || isTrigonometric(node) || isInverseTrigonometric(node))
        return {Polynomial::constant(evaluate(node, constants)), one};
    // A root of known letters (√(B1·B2)) is a number too: a relation with one is used once they are known.
    if (node.kind == Kind::Root) {
        const Value value = evaluate(node, constants);
        if (std::isnan(value.number)) throw ReadError{"корен от буква в уравнение"};
        return {Polynomial::constant(value), one};
    }
    switch (node.kind) {
    case Kind::Quantity: return {Polynomial::variable(node.index), one};
    case Kind::Add:
    case Kind::Subtract: {
        const Fraction a = fractionOf(node.children[0], constants), b = fractionOf(node.children[1], constants);
        const bool plus = node.kind == Kind::Add;
        if (isOne(a.denominator) && isOne(b.denominator))
            return {plus ? a.numerator + b.numerator : a.numerator - b.numerator, one};
        const Polynomial left = a.numerator * b.denominator, right = b.numerator * a.denominator;
        return {plus ? left + right : left - right, a.denominator * b.denominator};
    }
    case Kind::Multiply: {
        const Fraction a = fractionOf(node.children[0], constants), b = fractionOf(node.children[1], constants);
        return {a.numerator * b.numerator, a.denominator * b.denominator};
    }
    case Kind::Divide: {
        const Fraction a = fractionOf(node.children[0], constants), b = fractionOf(node.children[1], constants);
        return {a.numerator * b.denominator, a.denominator * b.numerator};
    }
    case Kind::Power: {
        const Fraction base = fractionOf(node.children[0], constants);
        Fraction result{one, one};
        for (int i = 0; i < std::abs(node.index); ++i) {
            result.numerator = result.numerator * base.numerator;
            result.denominator = result.denominator * base.denominator;
        }
        if (node.index < 0) std::swap(result.numerator, result.denominator);
        return result;
    }
    case Kind::Negate: {
        const Fraction a = fractionOf(node.children[0], constants);
        return {Polynomial() - a.numerator, a.denominator};
    }
    default: throw ReadError{"корен от буква в уравнение"};
    }
}

}  // namespace

Polynomial Polynomial::constant(const Value& value) {
    Polynomial p;
    p.add(Monomial{}, value);
    return p;
}

Polynomial Polynomial::variable(int index) {
    Polynomial p;
    Monomial m;
    m.exponents[index] = 1;
    p.add(m, Value::whole(1));
    return p;
}

bool Polynomial::isConstant() const {
    return terms_.empty() || (terms_.size() == 1 && terms_.front().monomial == Monomial{});
}

int Polynomial::degree(int variable) const {
    int d = 0;
    for (const Term& t : terms_) d = std::max(d, int(t.monomial.exponents[variable]));
    return d;
}

std::vector<int> Polynomial::variables() const {
    std::vector<int> found;
    for (int i = 0; i < maxVariables; ++i)
        if (involves(i)) found.push_back(i);
    return found;
}

bool Polynomial::exact() const {
    return std::all_of(terms_.begin(), terms_.end(), [](const Term& t) { return t.coefficient.exact.has_value(); });
}

void Polynomial::add(const Monomial& monomial, const Value& coefficient) {
    if (coefficient.isZero()) return;
    auto place = std::lower_bound(terms_.begin(), terms_.end(), monomial,
                                  [](const Term& t, const Monomial& m) { return t.monomial < m; });
    if (place != terms_.end() && place->monomial == monomial) {
        const Value sum = place->coefficient + coefficient;
        if (vanishes(sum, place->coefficient, coefficient)) terms_.erase(place);
        else place->coefficient = sum;
    } else {
        terms_.insert(place, Term{monomial, coefficient});
    }
}

Polynomial Polynomial::coefficient(int variable, int d) const {
    Polynomial p;
    for (const Term& t : terms_) {
        if (t.monomial.exponents[variable] != d) continue;
        Monomial m = t.monomial;
        m.exponents[variable] = 0;
        p.add(m, t.coefficient);
    }
    return p;
}

Polynomial Polynomial::substituted(int variable, const Value& value) const {
    Polynomial p;
    for (const Term& t : terms_) {
        Monomial m = t.monomial;
        const int e = m.exponents[variable];
        m.exponents[variable] = 0;
        p.add(m, e == 0 ? t.coefficient : t.coefficient * power(value, e));
    }
    return p;
}

Polynomial Polynomial::substituted(int variable, const Polynomial& replacement) const {
    Polynomial result;
    std::vector<Polynomial> powers{Polynomial::constant(Value::whole(1))};
    for (const Term& t : terms_) {
        const int e = t.monomial.exponents[variable];
        while (int(powers.size()) <= e) powers.push_back(powers.back() * replacement);
        Monomial m = t.monomial;
        m.exponents[variable] = 0;
        Polynomial term;
        term.add(m, t.coefficient);
        result = result + term * powers[std::size_t(e)];
    }
    return result;
}

std::vector<Value> Polynomial::univariate(int variable) const {
    std::vector<Value> coefficients(std::size_t(degree(variable) + 1), Value::whole(0));
    for (const Term& t : terms_) coefficients[t.monomial.exponents[variable]] = t.coefficient;
    return coefficients;
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    Polynomial sum = a;
    for (const Polynomial::Term& t : b.terms_) sum.add(t.monomial, t.coefficient);
    return sum;
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) {
    Polynomial difference = a;
    for (const Polynomial::Term& t : b.terms_) difference.add(t.monomial, -t.coefficient);
    return difference;
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    Polynomial product;
    for (const Polynomial::Term& x : a.terms_)
        for (const Polynomial::Term& y : b.terms_) product.add(times(x.monomial, y.monomial), x.coefficient * y.coefficient);
    return product;
}

Polynomial resultant(const Polynomial& p, const Polynomial& q, int variable) {
    const int m = p.degree(variable), n = q.degree(variable);
    const int size = m + n;
    if (size == 0) return Polynomial::constant(Value::whole(1));
    // The Sylvester matrix: n rows of p's coefficients, m rows of q's, each
    // shifted one column further; its determinant by minors, remembered by the
    // columns still free.
    std::vector<std::vector<Polynomial>> matrix(static_cast<std::size_t>(size),
                                              std::vector<Polynomial>(static_cast<std::size_t>(size)));
    for (int row = 0; row < n; ++row)
        for (int d = 0; d <= m; ++d) matrix[row][row + (m - d)] = p.coefficient(variable, d);
    for (int row = 0; row < m; ++row)
        for (int d = 0; d <= n; ++d) matrix[n + row][row + (n - d)] = q.coefficient(variable, d);
    std::map<unsigned, Polynomial> minors;
    auto determinant = [&](auto&& self, int row, unsigned freeColumns) -> Polynomial {
        if (row == size) return Polynomial::constant(Value::whole(1));
        if (const auto known = minors.find(freeColumns); known != minors.end()) return known->second;
        Polynomial sum;
        int sign = 1;
        for (int column = 0; column < size; ++column) {
            if (!(freeColumns & (1u << column))) continue;
            if (!matrix[row][column].isZero()) {
                const Polynomial minor = self(self, row + 1, freeColumns & ~(1u << column));
                const Polynomial term = matrix[row][column] * minor;
                sum = sign > 0 ? sum + term : sum - term;
            }
            sign = -sign;
        }
        minors.emplace(freeColumns, sum);
        return sum;
    };
    return determinant(determinant, 0, (1u << size) - 1);
}

Polynomial relationPolynomial(const Node& left, const Node& right, const Substitution& constants) {
    const Fraction a = fractionOf(left, constants), b = fractionOf(right, constants);
    return a.numerator * b.denominator - b.numerator * a.denominator;
}

}  // namespace solver
