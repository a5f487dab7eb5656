// SPDX-License-Identifier: MIT
#include "engine/roots.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/superscript.h"

namespace solver {
namespace {

using Coefficients = std::vector<Value>;
using Numbers = std::vector<double>;

void trimLeadingZeros(Coefficients& c) {
    while (!c.empty() && c.back().isZero()) c.pop_back();
}

bool allExact(const Coefficients& c) {
    return std::all_of(c.begin(), c.end(), [](const Value& v) { return v.exact.has_value(); });
}

double evaluateNumbers(const Numbers& c, double x) {
    double sum = 0;
    for (std::size_t i = c.size(); i-- > 0;) sum = sum * x + c[i];
    return sum;
}

double magnitudeAt(const Numbers& c, double x) {
    double sum = 0;
    for (std::size_t i = c.size(); i-- > 0;) sum = sum * std::fabs(x) + std::fabs(c[i]);
    return sum;
}

Numbers derivative(const Numbers& c) {
    Numbers d;
    for (std::size_t i = 1; i < c.size(); ++i) d.push_back(c[i] * static_cast<double>(i));
    return d;
}

// The root in [low, high] where the polynomial changes sign, to the last bit:
// halving the ratio while the ends are far apart (roots may lie anywhere from
// 10⁻¹²⁰ to 10¹²⁰), then the difference.
double bisect(const Numbers& c, double low, double high) {
    double atLow = evaluateNumbers(c, low);
    for (int i = 0; i < 2000; ++i) {
        const double middle = low > 0 && high > 4 * low ? std::sqrt(low) * std::sqrt(high) : low + (high - low) / 2;
        if (middle <= low || middle >= high) break;
        const double atMiddle = evaluateNumbers(c, middle);
        if (atMiddle == 0) return middle;
        if ((atMiddle < 0) == (atLow < 0)) {
            low = middle;
            atLow = atMiddle;
        } else {
            high = middle;
        }
    }
    return low + (high - low) / 2;
}

// Every real root in (low, high): between two neighbouring turning points the
// polynomial is monotonic, so each sign change there holds one root; a turning
// point where it touches zero is a double root.
Numbers realRoots(Numbers c, double low, double high) {
    while (!c.empty() && c.back() == 0) c.pop_back();
    if (c.size() < 2) return {};
    if (c.size() == 2) {
        const double x = -c[0] / c[1];
        return x > low && x < high ? Numbers{x} : Numbers{};
    }
    Numbers points{low};
    for (double turning : realRoots(derivative(c), low, high)) points.push_back(turning);
    points.push_back(high);
    std::vector<char> touches(points.size(), false);
    Numbers found;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        // Within rounding of zero: a double root (two roots 10⁻⁶ apart still change sign).
        touches[i] = std::fabs(evaluateNumbers(c, points[i])) <= 1e-14 * magnitudeAt(c, points[i]);
        if (touches[i]) found.push_back(points[i]);
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (touches[i] || touches[i + 1]) continue;
        const double fa = evaluateNumbers(c, points[i]), fb = evaluateNumbers(c, points[i + 1]);
        if (fa != 0 && fb != 0 && (fa < 0) != (fb < 0)) found.push_back(bisect(c, points[i], points[i + 1]));
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Every positive root lies between Cauchy's bounds: below 1 + max|cᵢ/cₙ|, and
// (the same for the reversed polynomial) above 1 / (1 + max|cᵢ/c₀|).
Numbers positiveNumericRoots(const Numbers& c) {
    if (c.size() < 2 || c.front() == 0) return {};
    double upper = 0, lower = 0;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) upper = std::max(upper, std::fabs(c[i] / c.back()));
    for (std::size_t i = 1; i < c.size(); ++i) lower = std::max(lower, std::fabs(c[i] / c.front()));
    return realRoots(c, 0.5 / (1 + lower), 2 * (1 + upper));  // with room: a root may lie at a bound
}

Numbers numbersAt(const Coefficients& c, double piValue, bool fromExact) {
    Numbers n;
    for (const Value& v : c) n.push_back(fromExact && v.exact ? v.exact->value(piValue) : v.number);
    return n;
}

Exact evaluateExact(const Coefficients& c, const Exact& x) {
    Exact sum;
    for (std::size_t i = c.size(); i-- > 0;) sum = sum * x + *c[i].exact;
    return sum;
}

// The closest fraction with a denominator up to a million, if it is the number
// to within what a root found in doubles may be off (each candidate is then
// tried on the equation exactly).
std::optional<Rational> fractionNear(double x) {
    if (!(std::fabs(x) < 1e15) || x <= 0) return std::nullopt;
    double rest = x;
    Integer p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    for (int step = 0; step < 40; ++step) {
        const double whole = std::floor(rest);
        if (!(whole < 1e15)) break;
        const Integer a = Integer(static_cast<long long>(whole));
        const Integer p2 = a * p1 + p0, q2 = a * q1 + q0;
        if (q2 > 1000000) break;
        p0 = p1, q0 = q1, p1 = p2, q1 = q2;
        const double approx = static_cast<double>(static_cast<long long>(p1)) /
                                   static_cast<double>(static_cast<long long>(q1));
        if (std::fabs(approx - x) <= 1e-12 * x) return Rational(p1, q1);
        if (rest - whole < 1e-18) break;
        rest = 1 / (rest - whole);
    }
    return std::nullopt;
}

// The exact form a root has among q·πᵏ and √q·πᵏ for small k and small
// fractions q (each tried on the equation exactly); none where none fits.
std::optional<Exact> exactRoot(const Coefficients& c, double x) {
    auto fits = [&c](const Exact& candidate) { return evaluateExact(c, candidate).isZero(); };
    for (int k : {0, 1, -1, 2, -2, 3, -3}) {
        const double y = x / std::pow(truePi, k);
        if (const auto q = fractionNear(y)) {
            const Exact candidate = Exact(*q) * Exact::pi(k);
            if (fits(candidate)) return candidate;
        }
        // √q only for fractions small enough to come from a school task.
        const auto q = fractionNear(y * y);
        if (!q || boost::multiprecision::numerator(*q) * boost::multiprecision::denominator(*q) > 1000000000) continue;
        if (const auto r = Exact(*q).root(2)) {
            const Exact candidate = *r * Exact::pi(k);
            if (fits(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

// c divided by (x − root), exactly; the remainder is zero.
Coefficients deflated(const Coefficients& c, const Exact& root, double piValue) {
    Coefficients quotient(c.size() - 1);
    Exact carry;
    for (std::size_t i = c.size() - 1; i-- > 0;) {
        carry = carry * root + *c[i + 1].exact;
        quotient[i] = Value(carry, piValue);
    }
    return quotient;
}

void keepPositive(std::vector<Value>& roots, const Value& root) {
    if (!root.positive() || !std::isfinite(root.number)) return;
    for (const Value& known : roots)
        if (sameValue(known, root)) return;
    roots.push_back(root);
}

void solveLinear(const Coefficients& c, std::vector<Value>& roots) { keepPositive(roots, -c[0] / c[1]); }

void solveQuadratic(const Coefficients& c, std::vector<Value>& roots, double piValue) {
    Value discriminant = c[1] * c[1] - Value::whole(4) * c[2] * c[0];
    // A decimal discriminant within rounding of zero is a double root: an
    // equation squared on the way (an angle given in decimals) keeps its root.
    const double scale = std::fabs(c[1].number * c[1].number) + std::fabs(4 * c[2].number * c[0].number);
    if (!discriminant.exact && std::fabs(discriminant.number) <= 1e-9 * scale)
        discriminant = Value::decimal(0);
    if (discriminant.exact ? discriminant.exact->sign() < 0 : discriminant.number < 0) return;
    const Value rootOfDiscriminant = root(discriminant, 2);
    Value first = (-c[1] + rootOfDiscriminant) / (Value::whole(2) * c[2]);
    Value second = (-c[1] - rootOfDiscriminant) / (Value::whole(2) * c[2]);
    // The decimals without cancellation: q = −(b + sign(b)·√D)/2, roots q/a and c/q.
    const double b = c[1].number, d = std::sqrt(std::max(0.0, discriminant.number));
    const double q = -(b + (b < 0 ? -d : d)) / 2;
    if (q != 0) {
        const double one = q / c[2].number, other = c[0].number / q;
        const bool firstIsLarger = first.number >= second.number;
        first.number = firstIsLarger ? std::max(one, other) : std::min(one, other);
        second.number = firstIsLarger ? std::min(one, other) : std::max(one, other);
    }
    // An exact root's decimal is its exact form's, whatever the decimal coefficients lost.
    for (Value* root : {&first, &second})
        if (root->exact) root->number = root->exact->value(piValue);
    keepPositive(roots, first);
    keepPositive(roots, second);
}

// xⁿ = c: one positive root, exact where c has an exact n-th root.
bool solveBinomial(const Coefficients& c, std::vector<Value>& roots) {
    const int n = int(c.size()) - 1;
    for (int i = 1; i < n; ++i)
        if (!c[std::size_t(i)].isZero()) return false;
    const Value power = -c[0] / c[std::size_t(n)];
    if (power.positive()) keepPositive(roots, root(power, n));
    return true;
}

void solveHigher(Coefficients c, double piValue, std::vector<Value>& roots) {
    if (solveBinomial(c, roots)) return;
    if (allExact(c)) {
        // Roots with an exact form are found at the true π and divided out.
        for (bool dividedOut = true; dividedOut && c.size() > 3;) {
            dividedOut = false;
            for (double x : positiveNumericRoots(numbersAt(c, truePi, true))) {
                const auto exact = exactRoot(c, x);
                if (!exact) continue;
                keepPositive(roots, Value(*exact, piValue));
                c = deflated(c, *exact, piValue);
                dividedOut = true;
                break;
            }
        }
        if (c.size() == 3) return solveQuadratic(c, roots, piValue);
        if (c.size() == 2) return solveLinear(c, roots);
    }
    for (double x : positiveNumericRoots(numbersAt(c, piValue, true))) keepPositive(roots, Value::decimal(x));
}

// The largest g such that only powers xᵍ, x²ᵍ, … appear.
int powerStep(const Coefficients& c) {
    int step = 0;
    for (std::size_t i = 1; i < c.size(); ++i)
        if (!c[i].isZero()) step = std::gcd(step, int(i));
    return std::max(step, 1);
}

}  // namespace

PositiveRoots positiveRoots(Coefficients c, double piValue) {
    PositiveRoots result;
    trimLeadingZeros(c);
    if (c.empty()) {
        result.identicallyZero = true;
        return result;
    }
    // x = 0 is no root a solid can have.
    while (c.size() > 1 && c.front().isZero()) c.erase(c.begin());
    if (c.size() < 2) return result;
    // An equation in xᵍ alone is solved for xᵍ first: r⁶ − 225r² + 1296 = 0 is a cubic in r².
    const int step = powerStep(c);
    Coefficients reduced;
    for (std::size_t i = 0; i < c.size(); i += std::size_t(step)) reduced.push_back(c[i]);
    std::vector<Value> found;
    if (reduced.size() == 2) solveLinear(reduced, found);
    else if (reduced.size() == 3) solveQuadratic(reduced, found, piValue);
    else solveHigher(reduced, piValue, found);
    for (const Value& y : found) keepPositive(result.roots, step == 1 ? y : root(y, step));
    std::sort(result.roots.begin(), result.roots.end(),
              [](const Value& a, const Value& b) { return a.number < b.number; });
    return result;
}

namespace {

// Exact coefficients without what they all share: the greatest common
// fraction of their terms, the lowest power of π, and the leading one's sign:
// −18a³ + 1200√3·a − 7200 = 0 is written 3a³ − 200√3·a + 1200 = 0.
Coefficients withoutContent(const Coefficients& c) {
    Integer numerators = 0, denominators = 1;
    int lowestPi = 1000;
    for (const Value& v : c) {
        for (const Term& t : v.exact->terms()) {
            numerators = boost::multiprecision::gcd(numerators, boost::multiprecision::abs(boost::multiprecision::numerator(t.q)));
            const Integer& den = boost::multiprecision::denominator(t.q);
            denominators = denominators / boost::multiprecision::gcd(denominators, den) * den;
            lowestPi = std::min(lowestPi, t.k);
        }
    }
    if (numerators == 0) return c;
    Exact content = Exact(Rational(boost::multiprecision::abs(numerators), denominators)) * Exact::pi(std::max(lowestPi, 0));
    if (c.back().exact->sign() < 0) content = -content;
    Coefficients tidy;
    for (const Value& v : c) {
        const auto q = v.exact->dividedBy(content);
        if (!q) return c;
        tidy.push_back(Value(*q, truePi));
    }
    return tidy;
}

// Exact coefficients made whole where that is possible: divided by the
// leading one, then by the fractions' common denominator.
Coefficients tidied(const Coefficients& c) {
    if (c.empty() || !allExact(c)) return c;
    if (!c.back().exact->isMonomial()) return withoutContent(c);
    Coefficients monic;
    for (const Value& v : c) {
        const auto q = v.exact->dividedBy(*c.back().exact);
        if (!q || !q->isRational()) return withoutContent(c);
        monic.push_back(Value(*q, truePi));
    }
    Integer common = 1;
    for (const Value& v : monic) {
        const Integer& den = boost::multiprecision::denominator(v.exact->rational());
        common = common / boost::multiprecision::gcd(common, den) * den;
    }
    for (Value& v : monic) v = Value(*v.exact * Exact(Rational(common)), truePi);
    return monic;
}

std::string coefficientText(const Value& v, const TextStyle& style, int digits) {
    if (!v.exact) return roundedText(std::fabs(v.number), digits, style.separator);
    return (v.exact->sign() < 0 ? -*v.exact : *v.exact).text(style);
}

}  // namespace

std::string equationText(const Coefficients& coefficients, std::string_view letter, const TextStyle& style,
                         int digits) {
    // x = 0 is no root a solid can have: xᵏ is divided out.
    Coefficients nonzero = coefficients;
    while (nonzero.size() > 1 && nonzero.front().isZero()) nonzero.erase(nonzero.begin());
    const Coefficients c = tidied(nonzero);
    std::string text;
    for (std::size_t i = c.size(); i-- > 0;) {
        const Value& v = c[i];
        if (v.isZero()) continue;
        const bool negative = v.exact ? v.exact->sign() < 0 : v.number < 0;
        if (text.empty()) text += negative ? "−" : "";
        else text += negative ? " − " : " + ";
        std::string number = coefficientText(v, style, digits);
        const std::string unknown = i == 0 ? "" : std::string(letter) + (i == 1 ? "" : superscript(static_cast<long long>(i)));
        if (i > 0 && number == "1") number.clear();
        const bool sum = number.find(' ') != std::string::npos && number.front() != '(';
        const bool fraction = number.find('/') != std::string::npos;
        if (i > 0 && (sum || fraction)) number = "(" + number + ")·";
        else if (i > 0 && number.find("√") != std::string::npos) number += "·";
        text += number + unknown;
    }
    return (text.empty() ? "0" : text) + " = 0";
}

}  // namespace solver
