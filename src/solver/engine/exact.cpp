// SPDX-License-Identifier: MIT
#include "engine/exact.h"

#include <boost/multiprecision/integer.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/superscript.h"

namespace solver {
namespace {

// Limits past which a number is given up: far beyond any school task, small
// enough that every operation stays fast.
constexpr std::size_t maxTerms = 12;
constexpr unsigned maxBits = 2048;
constexpr std::uint64_t maxRadicand = std::uint64_t(1) << 40;
constexpr int maxPiPower = 24;

// A whole number's value, also where it has more bits than a double holds.
double toDouble(const Integer& n) {
    if (n == 0) return 0;
    const Integer magnitude = boost::multiprecision::abs(n);
    const unsigned bits = boost::multiprecision::msb(magnitude) + 1;
    double value;
    if (bits <= 64) {
        value = static_cast<double>(static_cast<std::uint64_t>(magnitude));
    } else {
        const Integer top = magnitude >> (bits - 64);
        value = std::ldexp(static_cast<double>(static_cast<std::uint64_t>(top)), int(bits - 64));
    }
    return n < 0 ? -value : value;
}

double toDouble(const Rational& q) {
    const Integer num = boost::multiprecision::abs(boost::multiprecision::numerator(q));
    const Integer& den = boost::multiprecision::denominator(q);
    if (num == 0) return 0;
    const int numBits = int(boost::multiprecision::msb(num));
    const int denBits = int(boost::multiprecision::msb(den));
    // Both scaled to about 2⁶⁴ first (magnitudes only: Boost shifts no negative
    // number), so neither overflows on its own.
    const int numShift = std::max(0, numBits - 64), denShift = std::max(0, denBits - 64);
    const double ratio = toDouble(Integer(num >> numShift)) / toDouble(Integer(den >> denShift));
    const double magnitude = std::ldexp(ratio, numShift - denShift);
    return q < 0 ? -magnitude : magnitude;
}

// π to 60 decimals, as a fraction.
const Rational& sixtyDigitPi() {
    static const Rational pi(Integer("3141592653589793238462643383279502884197169399375105820974944"),
                             boost::multiprecision::pow(Integer(10), 60));
    return pi;
}

// A sum of terms worked out in whole numbers of 2⁻²⁵⁶, with π to 60 decimals
// where `piValue` is π, else the decimal it stands for (3,14 or 3,141592),
// which has fewer than 15 digits: each term is off by less than 2⁻²⁵⁶ and π's
// part of it by 10⁻⁶⁰ of it.
double preciseValue(const std::vector<Term>& terms, double piValue) {
    constexpr unsigned bits = 256;
    const Rational pi = piValue == truePi ? sixtyDigitPi()
                                          : Rational(std::llround(piValue * 1e14), boost::multiprecision::pow(Integer(10), 14));
    Integer sum = 0;
    for (const Term& t : terms) {
        const unsigned power = unsigned(std::abs(t.k));
        const Integer top = boost::multiprecision::pow(boost::multiprecision::numerator(pi), power);
        const Integer bottom = boost::multiprecision::pow(boost::multiprecision::denominator(pi), power);
        const Rational factor = t.k < 0 ? t.q * Rational(bottom, top) : t.q * Rational(top, bottom);
        const Integer root = boost::multiprecision::sqrt(Integer(t.m) << (2 * bits));  // ⌊√m · 2²⁵⁶⌋
        sum += boost::multiprecision::numerator(factor) * root / boost::multiprecision::denominator(factor);
    }
    return toDouble(Rational(sum, Integer(1) << bits));
}

// atan(1/x)·2ᵇ in whole numbers, each term cut (off by less than one unit per term).
Integer arctangentOfInverse(unsigned x, unsigned bits) {
    const Integer square = Integer(x) * x;
    Integer power = (Integer(1) << bits) / x;  // 2ᵇ / x²ᵏ⁺¹
    Integer sum = power;
    for (unsigned k = 1; power != 0; ++k) {
        power /= square;
        const Integer term = power / (2 * k + 1);
        if (k % 2) sum -= term;
        else sum += term;
    }
    return sum;
}

// π·2ᵇ, cut to a whole number, by Machin's formula π = 16·atan(1/5) − 4·atan(1/239)
// (worked out with 32 bits more than asked; rarely needed, so not kept).
Integer scaledPi(unsigned bits) {
    const unsigned guard = 32;
    return (16 * arctangentOfInverse(5, bits + guard) - 4 * arctangentOfInverse(239, bits + guard)) >> guard;
}

// The sign of a sum of terms whose decimals cancel, worked out in whole
// numbers of 2⁻ᵇ with more bits each time until the sum is farther from zero
// than it may be off. A sum of distinct terms is never zero.
int preciseSign(const std::vector<Term>& terms) {
    for (unsigned bits : {256u, 1024u, 4096u, 16384u}) {
        const Integer pi = scaledPi(bits);
        const Integer one = Integer(1) << bits;
        Integer sum = 0, error = 0;
        for (const Term& t : terms) {
            // q·√m·πᵏ·2ᵇ: √m and π each cut by less than one unit of 2⁻ᵇ.
            Integer numerator = boost::multiprecision::numerator(t.q) * boost::multiprecision::sqrt(Integer(t.m) << (2 * bits));
            Integer denominator = boost::multiprecision::denominator(t.q);
            for (int i = 0; i < std::abs(t.k); ++i) {
                if (t.k > 0) {
                    numerator *= pi;
                    denominator *= one;
                } else {
                    numerator *= one;
                    denominator *= pi;
                }
            }
            const Integer term = numerator / denominator;
            sum += term;
            // Each factor off by a unit in 2ᵇ of its size: (|k| + 2) parts in 2ᵇ of the term, and one more unit.
            error += (boost::multiprecision::abs(term) * (std::abs(t.k) + 2)) / one + 2;
        }
        if (boost::multiprecision::abs(sum) > error) return sum > 0 ? 1 : -1;
    }
    return 0;
}

bool small(const Rational& q) {
    const Integer& num = boost::multiprecision::numerator(q);
    const Integer& den = boost::multiprecision::denominator(q);
    return (num == 0 || boost::multiprecision::msb(boost::multiprecision::abs(num)) < maxBits) &&
           boost::multiprecision::msb(den) < maxBits;
}

// n = s²·f with f square-free; none when n is too large to factor here.
struct SquareSplit {
    Integer square;  // s
    std::uint64_t free = 1;  // f
};

std::optional<SquareSplit> splitSquare(Integer n) {
    SquareSplit split{1, 1};
    if (n == 0) return SquareSplit{0, 1};
    // Small primes first, in big arithmetic, until what is left fits 64 bits.
    std::uint64_t p = 2;
    for (; p < 1000 && boost::multiprecision::msb(n) >= 63; p += (p == 2 ? 1 : 2)) {
        unsigned count = 0;
        while (n % p == 0) {
            n /= p;
            ++count;
        }
        if (count / 2) split.square *= boost::multiprecision::pow(Integer(p), count / 2);
        if (count % 2) {
            if (split.free > maxRadicand / p) return std::nullopt;
            split.free *= p;
        }
    }
    if (boost::multiprecision::msb(n) >= 63) return std::nullopt;
    std::uint64_t rest = static_cast<std::uint64_t>(n);
    // Trial division while p³ ≤ rest; what then remains has at most two prime
    // factors, both larger than p: a square of one, or square-free.
    for (; p * p * p <= rest; p += (p == 2 ? 1 : 2)) {
        unsigned count = 0;
        while (rest % p == 0) {
            rest /= p;
            ++count;
        }
        if (count / 2) split.square *= boost::multiprecision::pow(Integer(p), count / 2);
        if (count % 2) {
            if (split.free > maxRadicand / p) return std::nullopt;
            split.free *= p;
        }
    }
    const auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(rest)) + 0.5);
    if (rest > 1 && root * root == rest) {
        split.square *= root;
    } else if (rest > 1) {
        if (split.free > maxRadicand / rest) return std::nullopt;
        split.free *= rest;
    }
    return split;
}

// √q for a rational q ≥ 0 as a term q'·√f.
std::optional<Term> squareRootOf(const Rational& q) {
    const Integer& num = boost::multiprecision::numerator(q);
    const Integer& den = boost::multiprecision::denominator(q);
    const auto split = splitSquare(num * den);
    if (!split) return std::nullopt;
    return Term{Rational(split->square, den), split->free, 0};
}

// The whole cube root of n, if n is a cube.
std::optional<Integer> cubeRoot(const Integer& n) {
    const bool negative = n < 0;
    const Integer magnitude = boost::multiprecision::abs(n);
    Integer root = Integer(std::llround(std::cbrt(toDouble(magnitude))));
    // Corrected to the exact root near the estimate (the estimate is off by a few
    // units at most for numbers of this size, or many where they are huge).
    for (int step = 0; step < 4 && root * root * root > magnitude; ++step) --root;
    for (int step = 0; step < 4 && (root + 1) * (root + 1) * (root + 1) <= magnitude; ++step) ++root;
    if (root * root * root != magnitude) return std::nullopt;
    return negative ? Integer(-root) : root;
}

// The whole n-th root of a positive whole number, if it is an n-th power
// (n from 4 on; the estimate from doubles is corrected by bisection where the
// number is too large for them).
std::optional<Integer> wholeRoot(const Integer& number, int n) {
    Integer low = 0, high = Integer(1) << (boost::multiprecision::msb(number) / unsigned(n) + 1);
    while (low < high) {
        const Integer middle = (low + high + 1) / 2;
        if (boost::multiprecision::pow(middle, unsigned(n)) <= number) low = middle;
        else high = middle - 1;
    }
    if (boost::multiprecision::pow(low, unsigned(n)) != number) return std::nullopt;
    return low;
}

// Whole numbers with long runs of zeros in powers of ten: "6·10³⁰", "10⁻²⁰"
// (a negative power for the denominators of decimals).
std::string powerOfTenText(const Integer& mantissa, int exponent) {
    const std::string digits = mantissa.str();
    std::string text = digits == "1" ? "" : digits.substr(0, 1) + (digits.size() > 1 ? "," + digits.substr(1) : "");
    exponent += int(digits.size()) - 1;
    return text + (text.empty() ? "" : "·") + "10" + superscript(exponent);
}

std::string wholeText(const Integer& n) {
    std::string digits = n.str();
    if (digits.size() <= 12) return digits;
    std::size_t zeros = 0;
    while (zeros < digits.size() && digits[digits.size() - 1 - zeros] == '0') ++zeros;
    if (digits.size() - zeros > 10) return digits;
    return powerOfTenText(Integer(digits.substr(0, digits.size() - zeros)), int(zeros));
}

// A positive decimal too long to write out, in a power of ten: "10⁻³⁰",
// "1,25·10⁻⁴⁶"; none where it is short enough, or its digits too many.
std::optional<std::string> tenPowerText(const Rational& q) {
    if (!Exact::endsInDecimals(q, 60) || decimalText(q, ",").size() <= 14) return std::nullopt;
    Integer num = boost::multiprecision::numerator(q), den = boost::multiprecision::denominator(q);
    int exponent = 0;
    while (den % 10 == 0) den /= 10, --exponent;
    while (den != 1) num *= (den % 2 == 0 ? 5 : 2), den /= (den % 2 == 0 ? 2 : 5), --exponent;
    while (num % 10 == 0) num /= 10, ++exponent;
    if (num.str().size() > 10) return std::nullopt;
    return powerOfTenText(num, exponent);
}

// "q" for people: a whole number, a decimal where it ends (if asked), or "a/b".
struct Coefficient {
    std::string numerator;    // "" for 1 where a factor follows
    std::string denominator;  // "" for 1
};

Coefficient coefficientText(const Rational& q, const TextStyle& style, bool factorFollows, bool radical = false) {
    const Integer num = boost::multiprecision::abs(boost::multiprecision::numerator(q));
    const Integer& den = boost::multiprecision::denominator(q);
    // "2,5π" where the task wrote decimals; a root keeps its fraction: "√11929/5".
    if (den != 1 && style.decimalCoefficients && !radical && Exact::endsInDecimals(q, 6))
        return {decimalText(boost::multiprecision::abs(q), style.separator), ""};
    Coefficient c{wholeText(num), den == 1 ? "" : wholeText(den)};
    if (c.denominator.find("·") != std::string::npos) c.denominator = "(" + c.denominator + ")";
    if (num == 1 && factorFollows) c.numerator.clear();
    return c;
}

std::string piText(int power) { return power == 1 ? "π" : "π" + superscript(power); }

// One term, sign left out: "2√13·π", "25π/3", "√3/2", "5/π", "3/(2π)", and
// with a long decimal coefficient "5√3·10⁻¹⁶".
std::string termText(const Term& t, const TextStyle& style) {
    const bool radical = t.m > 1, piUp = t.k > 0;
    if (const auto powered = tenPowerText(boost::multiprecision::abs(t.q)); powered && t.k >= 0) {
        const auto dot = powered->rfind("10");
        std::string mantissa = dot == 0 ? "" : powered->substr(0, dot - std::string("·").size());
        std::string text = mantissa;
        if (radical) text += "√" + std::to_string(t.m);
        if (piUp) text += (radical ? "·" : "") + piText(t.k);
        return text + "·" + powered->substr(dot);
    }
    const Coefficient c = coefficientText(t.q, style, radical || piUp, radical);
    std::string text = c.numerator;
    if (radical) text += "√" + std::to_string(t.m);
    if (piUp) text += (radical ? "·" : "") + piText(t.k);
    if (text.empty()) text = "1";
    std::string below = c.denominator;
    if (t.k < 0) below += piText(-t.k);
    if (!below.empty()) text += "/" + (c.denominator.empty() || t.k >= 0 ? below : "(" + below + ")");
    return text;
}

std::string asciiWhole(const Integer& n) { return n.str(); }

std::string asciiTerm(const Term& t) {
    const Integer num = boost::multiprecision::abs(boost::multiprecision::numerator(t.q));
    const Integer& den = boost::multiprecision::denominator(t.q);
    std::vector<std::string> above, below;
    if (num != 1) above.push_back(asciiWhole(num));
    if (t.m > 1) above.push_back("sqrt(" + std::to_string(t.m) + ")");
    if (t.k > 0) above.push_back(t.k == 1 ? "pi" : "pi^" + std::to_string(t.k));
    if (above.empty()) above.push_back("1");
    if (den != 1) below.push_back(asciiWhole(den));
    if (t.k < 0) below.push_back(t.k == -1 ? "pi" : "pi^" + std::to_string(-t.k));
    auto join = [](const std::vector<std::string>& parts) {
        std::string text;
        for (const std::string& part : parts) text += (text.empty() ? "" : "*") + part;
        return text;
    };
    std::string text = join(above);
    if (!below.empty()) text += "/" + (below.size() == 1 ? below[0] : "(" + join(below) + ")");
    return text;
}

// Terms in the order an answer key writes them: the whole part first, then
// the roots by radicand, then the powers of π; a positive term leads.
std::vector<Term> writingOrder(std::vector<Term> terms) {
    std::stable_sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) {
        return std::tie(a.k, a.m) < std::tie(b.k, b.m);
    });
    if (terms.front().q < 0) {
        const auto positive = std::find_if(terms.begin(), terms.end(), [](const Term& t) { return t.q > 0; });
        if (positive != terms.end()) std::rotate(terms.begin(), positive, positive + 1);
    }
    return terms;
}

template <typename TermWriter>
std::string sumText(const std::vector<Term>& terms, std::string_view plus, std::string_view minus,
                    std::string_view leadingMinus, TermWriter write) {
    std::string text;
    bool first = true;
    for (const Term& t : writingOrder(terms)) {
        if (first) text += t.q < 0 ? std::string(leadingMinus) : "";
        else text += t.q < 0 ? minus : plus;
        text += write(t);
        first = false;
    }
    return text;
}

// What all terms share and a sum writes once: a power of π and a denominator.
struct CommonFactor {
    int k = 0;
    Integer denominator = 1;
};

CommonFactor commonFactor(const std::vector<Term>& terms, bool factorDenominator) {
    CommonFactor common;
    if (terms.size() < 2) return common;
    const int k = terms.front().k;
    if (std::all_of(terms.begin(), terms.end(), [k](const Term& t) { return t.k == k; })) common.k = k;
    if (factorDenominator) {
        Integer lcm = 1;
        for (const Term& t : terms) {
            const Integer& den = boost::multiprecision::denominator(t.q);
            lcm = lcm / boost::multiprecision::gcd(lcm, den) * den;
        }
        common.denominator = lcm;
    }
    return common;
}

std::vector<Term> withoutCommon(std::vector<Term> terms, const CommonFactor& common) {
    for (Term& t : terms) {
        t.k -= common.k;
        t.q *= common.denominator;
    }
    return terms;
}

}  // namespace

Exact::Exact(const Rational& q) {
    if (q != 0) terms_.push_back({q, 1, 0});
}

Exact Exact::pi(int power) {
    Exact x;
    x.terms_.push_back({1, 1, power});
    return x;
}

std::optional<Exact> Exact::squareRoot(const Integer& m) {
    if (m < 0) return std::nullopt;
    const auto split = splitSquare(m);
    if (!split) return std::nullopt;
    Exact x;
    x.add({Rational(split->square), split->free, 0});
    return x;
}

bool Exact::isRational() const {
    return std::all_of(terms_.begin(), terms_.end(), [](const Term& t) { return t.m == 1 && t.k == 0; });
}

Rational Exact::rational() const {
    for (const Term& t : terms_)
        if (t.m == 1 && t.k == 0) return t.q;
    return 0;
}

double Exact::value(double piValue) const {
    double sum = 0, largest = 0;
    for (const Term& t : terms_) {
        const double term = toDouble(t.q) * std::sqrt(static_cast<double>(t.m)) * std::pow(piValue, t.k);
        sum += term;
        largest = std::max(largest, std::fabs(term));
    }
    // Terms that nearly cancel (√221844605002 − 333050√2 is 2·10⁻⁶) take their
    // digits with them: such a sum is worked out again in whole numbers.
    if (std::fabs(sum) < 1e-4 * largest) return preciseValue(terms_, piValue);
    return sum;
}

int Exact::sign() const {
    if (terms_.empty()) return 0;
    if (terms_.size() == 1) return terms_.front().q > 0 ? 1 : -1;
    double sum = 0, largest = 0;
    for (const Term& t : terms_) {
        const double term = toDouble(t.q) * std::sqrt(static_cast<double>(t.m)) * std::pow(truePi, t.k);
        sum += term;
        largest = std::max(largest, std::fabs(term));
    }
    // Clear in doubles unless the terms nearly cancel (or are too large for them).
    if (std::isfinite(sum) && std::fabs(sum) > 1e-6 * largest) return sum > 0 ? 1 : -1;
    if (const int sign = preciseSign(terms_)) return sign;
    return sum > 0 ? 1 : sum < 0 ? -1 : 0;
}

void Exact::add(const Term& term) {
    if (term.q == 0) return;
    auto place = std::lower_bound(terms_.begin(), terms_.end(), term, [](const Term& a, const Term& b) {
        return std::tie(a.k, a.m) < std::tie(b.k, b.m);
    });
    if (place != terms_.end() && place->sameRadical(term)) {
        place->q += term.q;
        if (place->q == 0) terms_.erase(place);
    } else {
        terms_.insert(place, term);
    }
}

Exact operator+(const Exact& a, const Exact& b) {
    Exact sum = a;
    for (const Term& t : b.terms_) sum.add(t);
    return sum;
}

Exact Exact::operator-() const {
    Exact negated = *this;
    for (Term& t : negated.terms_) t.q = -t.q;
    return negated;
}

Exact operator-(const Exact& a, const Exact& b) { return a + (-b); }

Exact operator*(const Exact& a, const Exact& b) {
    Exact product;
    for (const Term& x : a.terms_) {
        for (const Term& y : b.terms_) {
            const std::uint64_t g = std::gcd(x.m, y.m);
            const std::uint64_t mx = x.m / g, my = y.m / g;
            Term t{x.q * y.q * g, 1, x.k + y.k};
            if (mx != 0 && my > maxRadicand / mx) {
                t.m = maxRadicand + 1;  // marks the product as unmanageable
            } else {
                t.m = mx * my;
            }
            product.add(t);
        }
    }
    return product;
}

bool operator==(const Exact& a, const Exact& b) {
    if (a.terms_.size() != b.terms_.size()) return false;
    for (std::size_t i = 0; i < a.terms_.size(); ++i)
        if (!a.terms_[i].sameRadical(b.terms_[i]) || a.terms_[i].q != b.terms_[i].q) return false;
    return true;
}

std::optional<Exact> Exact::dividedBy(const Exact& divisor) const {
    if (divisor.isZero()) return std::nullopt;
    if (divisor.isMonomial()) {
        const Term& d = divisor.terms_.front();
        Exact inverse;
        inverse.terms_.push_back({1 / (d.q * d.m), d.m, -d.k});
        Exact quotient = *this * inverse;
        return quotient.manageable() ? std::optional(quotient) : std::nullopt;
    }
    // (x + y)⁻¹ = (x − y) : (x² − y²), where x² − y² is one term.
    if (divisor.terms_.size() == 2 && divisor.terms_[0].k == divisor.terms_[1].k) {
        Exact conjugate = divisor;
        conjugate.terms_[1].q = -conjugate.terms_[1].q;
        const Exact denominator = divisor * conjugate;
        if (!denominator.isMonomial()) return std::nullopt;
        return (*this * conjugate).dividedBy(denominator);
    }
    return std::nullopt;
}

std::optional<Exact> Exact::power(int exponent) const {
    if (exponent < 0) {
        const auto positive = power(-exponent);
        if (!positive) return std::nullopt;
        return Exact(1).dividedBy(*positive);
    }
    Exact result(1);
    for (int i = 0; i < exponent; ++i) {
        result = result * *this;
        if (!result.manageable()) return std::nullopt;
    }
    return result;
}

std::optional<Exact> Exact::root(int degree) const {
    if (degree == 1) return *this;
    if (isZero()) return Exact();
    if (sign() < 0) return std::nullopt;
    if (isMonomial()) {
        const Term& t = terms_.front();
        if (t.m != 1 || t.k % degree != 0) return std::nullopt;
        Term rooted{0, 1, t.k / degree};
        if (degree == 2) {
            const auto r = squareRootOf(t.q);
            if (!r) return std::nullopt;
            rooted.q = r->q;
            rooted.m = r->m;
        } else if (degree == 3) {
            const auto num = cubeRoot(boost::multiprecision::numerator(t.q));
            const auto den = cubeRoot(boost::multiprecision::denominator(t.q));
            if (!num || !den) return std::nullopt;
            rooted.q = Rational(*num, *den);
        } else if (degree % 2 == 0 || degree % 3 == 0) {
            // ⁴√81 = √√81 = 3, ⁶√64 = √∛64 = 2.
            const int first = degree % 2 == 0 ? 2 : 3;
            const auto part = root(first);
            return part ? part->root(degree / first) : std::nullopt;
        } else {
            if (boost::multiprecision::msb(boost::multiprecision::numerator(t.q)) > 4096) return std::nullopt;
            const auto num = wholeRoot(boost::multiprecision::numerator(t.q), degree);
            const auto den = wholeRoot(boost::multiprecision::denominator(t.q), degree);
            if (!num || !den) return std::nullopt;
            rooted.q = Rational(*num, *den);
        }
        Exact x;
        x.add(rooted);
        return x;
    }
    // √(A + B√m) = √((A + C)/2) ± √((A − C)/2) where C² = A² − B²m, both
    // halves under one even power of π.
    if (degree != 2 || terms_.size() != 2) return std::nullopt;
    const Term &a = terms_[0], &b = terms_[1];
    if (a.k != b.k || a.k % 2 != 0 || a.m != 1 || a.q <= 0) return std::nullopt;
    const Rational c2 = a.q * a.q - b.q * b.q * b.m;
    if (c2 < 0) return std::nullopt;
    const auto c = squareRootOf(c2);
    if (!c || c->m != 1) return std::nullopt;
    const auto first = squareRootOf((a.q + c->q) / 2), second = squareRootOf((a.q - c->q) / 2);
    if (!first || !second) return std::nullopt;
    Exact x;
    x.add({first->q, first->m, a.k / 2});
    x.add({b.q > 0 ? second->q : Rational(-second->q), second->m, a.k / 2});
    if (!(x * x == *this)) return std::nullopt;
    return x;
}

bool Exact::manageable() const {
    if (terms_.size() > maxTerms) return false;
    return std::all_of(terms_.begin(), terms_.end(), [](const Term& t) {
        return t.m <= maxRadicand && std::abs(t.k) <= maxPiPower && small(t.q);
    });
}

bool Exact::endsInDecimals(const Rational& q, int maxDecimals) {
    Integer den = boost::multiprecision::denominator(q);
    int twos = 0, fives = 0;
    while (den % 2 == 0) {
        den /= 2;
        ++twos;
    }
    while (den % 5 == 0) {
        den /= 5;
        ++fives;
    }
    return den == 1 && std::max(twos, fives) <= maxDecimals;
}

std::string decimalText(const Rational& q, std::string_view separator) {
    Integer num = boost::multiprecision::numerator(q), den = boost::multiprecision::denominator(q);
    const bool negative = num < 0;
    num = boost::multiprecision::abs(num);
    int places = 0;
    while (num % den != 0) {
        num *= 10;
        ++places;
    }
    std::string digits = wholeText(num / den);
    if (places > 0) {
        if (int(digits.size()) <= places) digits.insert(0, std::size_t(places + 1 - int(digits.size())), '0');
        digits.insert(digits.size() - std::size_t(places), separator);
    }
    return (negative ? "-" : "") + digits;
}

std::string Exact::text(const TextStyle& style) const {
    if (terms_.empty()) return "0";
    if (isRational()) {
        const Rational q = terms_.front().q;
        const std::string sign = q < 0 ? "−" : "";
        if (endsInDecimals(q, 60)) {
            if (const auto powered = tenPowerText(boost::multiprecision::abs(q))) return sign + *powered;
            return sign + decimalText(boost::multiprecision::abs(q), style.separator);
        }
        const Coefficient c = coefficientText(q, {style.separator, false}, false);
        return sign + c.numerator + "/" + c.denominator;
    }
    const bool radicals = std::any_of(terms_.begin(), terms_.end(), [](const Term& t) { return t.m > 1; });
    const CommonFactor common = commonFactor(terms_, !style.decimalCoefficients || radicals);
    if (common.k == 0 && common.denominator == 1)
        return sumText(terms_, " + ", " − ", "−", [&](const Term& t) { return termText(t, style); });
    // "(4 + 2√13)π", "(√57 − 3)/2", "(1 + √3)π/2": the shared factors written once.
    Exact inner;
    for (const Term& t : withoutCommon(terms_, common)) inner.add(t);
    std::string text = "(" + inner.text(style) + ")";
    if (common.k > 0) text += piText(common.k);
    std::string below = common.denominator == 1 ? "" : wholeText(common.denominator);
    if (common.k < 0) below += piText(-common.k);
    if (!below.empty()) text += "/" + (common.denominator != 1 && common.k < 0 ? "(" + below + ")" : below);
    return text;
}

std::string Exact::ascii() const {
    if (terms_.empty()) return "0";
    const CommonFactor common = commonFactor(terms_, true);
    if (common.k == 0 && common.denominator == 1) return sumText(terms_, "+", "-", "-", asciiTerm);
    const std::string inner = sumText(withoutCommon(terms_, common), "+", "-", "-", asciiTerm);
    std::string text = "(" + inner + ")";
    if (common.k > 0) text += common.k == 1 ? "*pi" : "*pi^" + std::to_string(common.k);
    std::vector<std::string> below;
    if (common.denominator != 1) below.push_back(common.denominator.str());
    if (common.k < 0) below.push_back(common.k == -1 ? "pi" : "pi^" + std::to_string(-common.k));
    if (below.size() == 1) text += "/" + below[0];
    if (below.size() == 2) text += "/(" + below[0] + "*" + below[1] + ")";
    return text;
}

}  // namespace solver
