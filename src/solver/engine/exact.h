// SPDX-License-Identifier: MIT
#pragma once
// Exact numbers as an answer key writes them: sums of terms q·√m·πᵏ, with q a
// fraction, m a square-free whole number and k a whole number (negative for π
// in a denominator). Distinct √m and powers of π are independent over the
// fractions, so the sorted sum of non-zero terms is one number's only form:
// two numbers are equal exactly when their terms are.
//
// The fractions are Boost.Multiprecision's rationals. A number that grows too
// large (more terms, longer fractions, larger radicands than any school task
// needs) is given up rather than carried: the operations return no value, and
// the caller goes on with decimals alone.

#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solver {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

// π as mathematics knows it, for exact forms and for the angles of polygons.
inline constexpr double truePi = 3.141592653589793;

struct Term {
    Rational q;
    std::uint64_t m = 1;  // square-free
    int k = 0;            // the power of π
    bool sameRadical(const Term& other) const { return m == other.m && k == other.k; }
};

// How a number is written for people (numbers with the decimal separator given).
struct TextStyle {
    std::string_view separator = ",";
    // Coefficients of roots and π as decimals where they end ("2,5π" rather
    // than "5π/2"): for tasks whose givens were decimals.
    bool decimalCoefficients = false;
};

class Exact {
public:
    Exact() = default;  // zero
    Exact(long long whole) : Exact(Rational(whole)) {}
    explicit Exact(const Rational& q);
    static Exact pi(int power = 1);
    // √m for any whole m ≥ 0 (its square factors taken out); none when m is too
    // large to factor.
    static std::optional<Exact> squareRoot(const Integer& m);

    const std::vector<Term>& terms() const { return terms_; }
    bool isZero() const { return terms_.empty(); }
    bool isRational() const;  // no √ and no π
    Rational rational() const;  // the rational term (0 when none)
    bool isMonomial() const { return terms_.size() == 1; }

    // The value with π taken as `piValue`.
    double value(double piValue = truePi) const;
    int sign() const;  // of the true value

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);
    Exact operator-() const;
    friend bool operator==(const Exact& a, const Exact& b);

    // None where the result has no form here or grows too large.
    std::optional<Exact> dividedBy(const Exact& divisor) const;
    std::optional<Exact> power(int exponent) const;
    std::optional<Exact> root(int degree) const;  // the positive root of a positive number
    // Whether it is small enough to carry on with.
    bool manageable() const;

    // "15π", "25π/3", "2√13·π", "(4 + 2√13)π", "180 + 18√3", "(√57 − 3)/2", "1,872".
    std::string text(const TextStyle& style = {}) const;
    // "15*pi", "25*pi/3", "2*sqrt(13)*pi", "(sqrt(57)-3)/2", "5/pi".
    std::string ascii() const;
    // A text the value reader reads back as this number: "4√3", "70π", "3/4".
    std::string input() const { return text({".", false}); }
    // A rational whose decimal expansion ends, in at most `maxDecimals` places.
    static bool endsInDecimals(const Rational& q, int maxDecimals = 9);

private:
    void add(const Term& term);
    std::vector<Term> terms_;  // sorted by (k, m), no zero coefficients
};

// Decimal text of a terminating rational: "1,872", "-0,5".
std::string decimalText(const Rational& q, std::string_view separator);

}  // namespace solver
