// SPDX-License-Identifier: MIT
// The engine's arithmetic on its own: exact numbers, polynomials in a solid's
// quantities, resultants, and the positive roots of an equation in one unknown.
// Expected values that are not plain to see were worked out once with SymPy
// (the determinant of sylvester(), real_roots(), continued-fraction
// convergents of pi) and pasted.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/expression.h"
#include "engine/polynomial.h"
#include "engine/roots.h"

namespace solver::testing {
namespace {

Exact whole(long long n) { return Exact(n); }
Exact fraction(long long num, long long den) { return Exact(Rational(num, den)); }
Exact sqrtOf(long long m) { return *Exact::squareRoot(m); }
Exact pi(int power = 1) { return Exact::pi(power); }

// A number as a student types it, for the rows below ("8√3+96", "5π/2").
Exact typed(std::string_view text) {
    const TypedValue value = readValue(text);
    EXPECT_TRUE(value.read) << text << ": " << value.error;
    return value.value;
}

std::string asciiOf(const std::optional<Exact>& x) { return x ? x->ascii() : "none"; }

// ---------------------------------------------------------------- exact numbers

// Sums, products and quotients, written as the key writes them.
TEST(ExactNumbers, ArithmeticGivesTheKeysForm) {
    const Exact one = whole(1), root2 = sqrtOf(2), root3 = sqrtOf(3), root5 = sqrtOf(5);
    const struct {
        std::optional<Exact> result;
        std::string ascii;
    } rows[] = {
        {root2 * root2, "2"},
        {sqrtOf(6) * sqrtOf(10), "2*sqrt(15)"},
        {sqrtOf(12), "2*sqrt(3)"},
        {sqrtOf(72), "6*sqrt(2)"},
        {(one + root2) * (one - root2), "-1"},
        {(one + root2) * (one + root2), "3+2*sqrt(2)"},
        {pi() * pi(-1), "1"},
        {fraction(2, 3) * pi() + fraction(1, 3) * pi(), "pi"},
        {root3 * fraction(1, 2) + root3 * fraction(1, 2), "sqrt(3)"},
        {whole(180) + whole(18) * root3 - whole(180), "18*sqrt(3)"},
        {root2 - root2, "0"},
        {-(pi() - whole(3)), "3-pi"},
        {(pi() + whole(1)) * (pi() - whole(1)), "pi^2-1"},
        {one.dividedBy(root2), "sqrt(2)/2"},
        {whole(6).dividedBy(root3), "2*sqrt(3)"},
        {one.dividedBy(one + root2), "sqrt(2)-1"},
        {(whole(3) + root5).dividedBy(whole(3) - root5), "(7+3*sqrt(5))/2"},
        {one.dividedBy(root2 + root3), "sqrt(3)-sqrt(2)"},
        {(pi() + pi() * root2).dividedBy(one + root2), "pi"},
        {one.dividedBy(pi() + pi() * root3), "(sqrt(3)-1)/(2*pi)"},
        {whole(36).dividedBy(whole(4) * pi()), "9/pi"},
        {(whole(15) * pi()).dividedBy(fraction(3, 2) * pi(2)), "10/pi"},
        // No form here: a divisor of three terms, or of √ and π mixed, or zero.
        {one.dividedBy(one + root2 + root3), "none"},
        {one.dividedBy(pi() + one), "none"},
        {one.dividedBy(Exact()), "none"},
    };
    for (const auto& row : rows) EXPECT_EQ(asciiOf(row.result), row.ascii);
}

TEST(ExactNumbers, PowersAndRoots) {
    const Exact root2 = sqrtOf(2), root3 = sqrtOf(3);
    const struct {
        std::optional<Exact> result;
        std::string ascii;
    } rows[] = {
        {root2.power(3), "2*sqrt(2)"},
        {root2.power(-2), "1/2"},
        {(whole(1) + root2).power(-1), "sqrt(2)-1"},
        {(whole(2) * pi()).power(-1), "1/(2*pi)"},
        {(whole(2) * pi()).power(0), "1"},
        {(whole(1) + root2).power(4), "17+12*sqrt(2)"},
        {(whole(1) + root2 + root3).power(-1), "none"},
        // Square roots of sums: √(A + B√m) = √((A + C)/2) ± √((A − C)/2), C² = A² − B²m.
        {(whole(4) + whole(2) * root3).root(2), "1+sqrt(3)"},
        {(whole(4) - whole(2) * root3).root(2), "sqrt(3)-1"},
        {(whole(5) + whole(2) * sqrtOf(6)).root(2), "sqrt(2)+sqrt(3)"},
        {(whole(7) - whole(4) * root3).root(2), "2-sqrt(3)"},
        {(whole(2) + root3).root(2), "(sqrt(2)+sqrt(6))/2"},
        {((whole(3) + whole(2) * root2) * pi(2)).root(2), "(1+sqrt(2))*pi"},
        {(whole(1) + root2).root(2), "none"},  // C² = 1 − 2 < 0
        {(whole(3) + root2).root(2), "none"},  // C² = 7, no square
        {(whole(1) - whole(2) * root2).root(2), "none"},  // negative
        {(whole(9) * pi(2)).root(2), "3*pi"},
        {(fraction(1, 4) * pi(4)).root(2), "pi^2/2"},
        {fraction(8, 3).root(2), "2*sqrt(6)/3"},
        {pi().root(2), "none"},
        {root2.root(2), "none"},
        {Exact().root(2), "0"},
        {whole(-4).root(2), "none"},
        {fraction(27, 8).root(3), "3/2"},
        {(whole(8) * pi(3)).root(3), "2*pi"},
        {(whole(1000000000000) * whole(1000000000000) * whole(1000000)).root(3), "10000000000"},
        {whole(2).root(3), "none"},
        {whole(-8).root(3), "none"},
        {(whole(5) * root2).root(1), "5*sqrt(2)"},
    };
    for (const auto& row : rows) EXPECT_EQ(asciiOf(row.result), row.ascii);
}

// √m takes its square factors out, also where m is past 64 bits; a radicand
// too large to factor gives no form, never a wrong one.
TEST(ExactNumbers, SquareRootsOfLargeNumbers) {
    const struct {
        std::string m;
        std::string ascii;
    } rows[] = {
        {"0", "0"},
        {"1", "1"},
        {"1000000014000000049", "1000000007"},  // 1000000007²
        {"2000000028000000098", "1000000007*sqrt(2)"},
        {"55340232221128654848", "4294967296*sqrt(3)"},  // 2⁶⁴·3
        {"340282366920938463463374607431768211456", "18446744073709551616"},  // 2¹²⁸
        {"1099511627689", "sqrt(1099511627689)"},  // the largest prime below 2⁴⁰
        {"1099511627791", "none"},                 // the smallest prime above 2⁴⁰
        {"-4", "none"},
    };
    for (const auto& row : rows) EXPECT_EQ(asciiOf(Exact::squareRoot(Integer(row.m))), row.ascii) << row.m;
}

TEST(ExactNumbers, SquareRootOfManySmallPrimesIsRightOrNone) {
    // 2·3·5·…·53 (past 2⁶⁴) times the square of the prime 3037000453: the
    // square-free part alone does not fit 64 bits.
    const Integer m("300581923704395064734823571270948998570");
    const auto root = Exact::squareRoot(m);
    if (root) {
        EXPECT_TRUE(*root * *root == Exact(Rational(m))) << root->ascii();
    }
}

// One number, one form: equal numbers reached in different ways have equal
// terms, and different numbers different ones.
TEST(ExactNumbers, EqualNumbersHaveEqualTerms) {
    const Exact root2 = sqrtOf(2), root3 = sqrtOf(3);
    const struct {
        Exact a, b;
        bool equal;
    } rows[] = {
        {sqrtOf(8), whole(2) * root2, true},
        {root2 * root3, sqrtOf(6), true},
        {(whole(1) + root2) * (whole(1) + root2), whole(3) + whole(2) * root2, true},
        {fraction(1, 2) + fraction(1, 3), fraction(5, 6), true},
        {(root2 + root3) - root3, root2, true},
        {root2 * pi(), pi() * root2, true},
        {root2 - root2, Exact(), true},
        {pi() * pi(-1), whole(1), true},
        {*whole(1).dividedBy(root3), root3 * fraction(1, 3), true},
        {root2, fraction(141421356237, 100000000000), false},
        {pi(), fraction(355, 113), false},
        {whole(2) * root3, whole(3) * root2, false},
        {pi(2), pi() * whole(2), false},
        {root2 + root3, sqrtOf(5), false},
    };
    for (const auto& row : rows) EXPECT_EQ(row.a == row.b, row.equal) << row.a.ascii() << " vs " << row.b.ascii();
}

// The sign of the true value, also where the terms nearly cancel.
TEST(ExactNumbers, SignNearCancellation) {
    const Exact root2 = sqrtOf(2);
    const struct {
        Exact number;
        int sign;
    } rows[] = {
        {sqrtOf(221844605002) - whole(333050) * root2, 1},  // 2,1·10⁻⁶
        {fraction(355, 113) - pi(), 1},
        {pi() - fraction(355, 113), -1},
        {fraction(21053343141, 6701487259) - pi(), -1},  // −1,7·10⁻¹²
        {*(whole(1) - root2).power(41), -1},  // −2,0·10⁻¹⁶, terms near 10¹⁵
        {*(whole(1) - root2).power(60), 1},
        {*(whole(1) - root2).power(89), -1},  // −8,6·10⁻³⁵, terms near 10³³
        {Exact(), 0},
        {whole(-3) + root2, -1},
    };
    for (const auto& row : rows) EXPECT_EQ(row.number.sign(), row.sign) << row.number.ascii();
}

TEST(ExactNumbers, SignOfLongManageableNumbers) {
    const Exact root2 = sqrtOf(2);
    const Exact tenTo400(Rational(boost::multiprecision::pow(Integer(10), 400)));
    const struct {
        Exact number;
        int sign;
    } rows[] = {
        // p − q·π for a convergent p/q of π with 33 digits: −3,5·10⁻³².
        {Exact(Rational(Integer("397982065092389582058319745527393"))) -
             Exact(Rational(Integer("126681625842748498335889192663895"))) * pi(),
         -1},
        {*(whole(1) - root2).power(121), -1},  // −4,8·10⁻⁴⁷, terms near 10⁴⁶
        {tenTo400 * (root2 - whole(1)), 1},    // each term past a double's range
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.number.manageable());
        EXPECT_EQ(row.number.sign(), row.sign) << row.number.text().substr(0, 60);
    }
}

// The texts for people, for formulas and for typing.
TEST(ExactNumbers, Texts) {
    const Exact root3 = sqrtOf(3), root13 = sqrtOf(13);
    const struct {
        Exact number;
        TextStyle style;
        std::string text, ascii;
    } rows[] = {
        {whole(15) * pi(), {}, "15π", "15*pi"},
        {fraction(25, 3) * pi(), {}, "25π/3", "25*pi/3"},
        {whole(2) * root13 * pi(), {}, "2√13·π", "2*sqrt(13)*pi"},
        {(whole(4) + whole(2) * root13) * pi(), {}, "(4 + 2√13)π", "(4+2*sqrt(13))*pi"},
        {whole(180) + whole(18) * root3, {}, "180 + 18√3", "180+18*sqrt(3)"},
        {(sqrtOf(57) - whole(3)) * fraction(1, 2), {}, "(√57 − 3)/2", "(sqrt(57)-3)/2"},
        {fraction(1872, 1000), {}, "1,872", "234/125"},
        {fraction(1872, 1000), {".", false}, "1.872", "234/125"},
        {fraction(-1, 2), {}, "−0,5", "-1/2"},
        {fraction(1, 3), {}, "1/3", "1/3"},
        {whole(5) * pi(-1), {}, "5/π", "5/pi"},
        {fraction(3, 2) * pi(-1), {}, "3/(2π)", "3/(2*pi)"},
        {pi(2), {}, "π²", "pi^2"},
        {root3 * fraction(1, 2), {}, "√3/2", "sqrt(3)/2"},
        {(whole(1) + root3) * pi() * fraction(1, 2), {}, "(1 + √3)π/2", "(1+sqrt(3))*pi/2"},
        {fraction(5, 2) * pi(), {",", true}, "2,5π", "5*pi/2"},
        {fraction(5, 2) * pi(), {}, "5π/2", "5*pi/2"},
        {whole(3) - pi(), {}, "3 − π", "3-pi"},
        {pi() - whole(3), {}, "π − 3", "pi-3"},
        {Exact(), {}, "0", "0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.number.text(row.style), row.text);
        EXPECT_EQ(row.number.ascii(), row.ascii);
    }
}

// Whatever a number is written as, the value reader reads it back as itself.
TEST(ExactNumbers, TextsReadBack) {
    const Exact root2 = sqrtOf(2), root3 = sqrtOf(3);
    const Exact numbers[] = {
        whole(7), fraction(-5, 4), fraction(1872, 1000), fraction(1, 3), whole(15) * pi(), fraction(25, 3) * pi(),
        whole(2) * sqrtOf(13) * pi(), (whole(4) + whole(2) * sqrtOf(13)) * pi(), whole(180) + whole(18) * root3,
        (sqrtOf(57) - whole(3)) * fraction(1, 2), whole(5) * pi(-1), fraction(3, 2) * pi(-1), pi(2), pi(-2) * whole(7),
        (whole(1) + root3) * pi() * fraction(1, 2), (root3 - root2) * pi(-1), sqrtOf(11929) * fraction(1, 5),
        whole(3) - pi(), fraction(5, 2) * pi() + fraction(7, 3) * root2, fraction(123456789, 1000),
    };
    for (const Exact& x : numbers) {
        for (const std::string& text : {x.ascii(), x.input(), x.text(), x.text({",", true})}) {
            const TypedValue back = readValue(text);
            EXPECT_TRUE(back.read && back.value == x) << text << " read as " << back.value.ascii() << " " << back.error;
        }
    }
}

TEST(ExactNumbers, InputOfPowersReadsBack) {
    const Exact numbers[] = {pi(4), pi(-5), fraction(1, 100000000) * fraction(1, 1000000000000),
                             whole(6) * Exact(Rational(boost::multiprecision::pow(Integer(10), 30)))};
    for (const Exact& x : numbers) {
        const TypedValue back = readValue(x.input());
        EXPECT_TRUE(back.read && back.value == x) << x.input() << ": " << back.error;
    }
}

// Past its bounds a number is given up, and a value goes on with its decimal.
TEST(ExactNumbers, GivenUpPastTheBounds) {
    EXPECT_TRUE(pi(24).manageable());
    EXPECT_FALSE(pi(25).manageable());
    EXPECT_FALSE(whole(2).power(2100));
    EXPECT_TRUE(whole(2).power(2000));

    // √2 + √3 + … + √37: twelve terms; one more is too many.
    Exact twelve;
    for (long long prime : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) twelve = twelve + sqrtOf(prime);
    const Exact thirteen = twelve + sqrtOf(41);
    EXPECT_TRUE(twelve.manageable());
    EXPECT_FALSE(thirteen.manageable());

    // √p·√q with p·q past 2⁴⁰: the value keeps the right decimal without a form.
    const Value p(sqrtOf(1048573), truePi), q(sqrtOf(1048583), truePi);  // primes near 2²⁰
    const Value product = p * q;
    EXPECT_FALSE(product.exact);
    EXPECT_NEAR(product.number, std::sqrt(1048573.0 * 1048583.0), 1e-6);
    const Value sum = Value(twelve, truePi) + Value(sqrtOf(41), truePi);
    EXPECT_FALSE(sum.exact);
    EXPECT_NEAR(sum.number, thirteen.value(), 1e-12);
    const Value huge = power(Value::whole(3), 1400);
    EXPECT_FALSE(huge.exact);
    EXPECT_TRUE(std::isinf(huge.number));
}

// ---------------------------------------------------------------- polynomials

// The letters of the rows below, as variables 0, 1, 2, …
constexpr std::string_view letters[] = {"x", "y", "z", "V", "r", "h", "S", "S1",
                                        "l", "a", "b", "k", "R", "n", "d", "B"};

int letterIndex(std::string_view key) {
    for (int i = 0; i < int(std::size(letters)); ++i)
        if (letters[i] == key) return i;
    return -1;
}

// A polynomial as text ("x^2*y - 2*sqrt(3)*x + pi", SymPy's way with ^ for
// **), built here with the polynomials' own +, − and ×; numbers and roots of
// numbers are coefficients.
Polynomial built(const Node& node) {
    using Kind = Node::Kind;
    auto child = [&](int i) { return built(node.children[std::size_t(i)]); };
    switch (node.kind) {
    case Kind::Quantity: return Polynomial::variable(node.index);
    case Kind::Add: return child(0) + child(1);
    case Kind::Subtract: return child(0) - child(1);
    case Kind::Multiply: return child(0) * child(1);
    case Kind::Negate: return Polynomial() - child(0);
    case Kind::Power: {
        Polynomial result = Polynomial::constant(Value::whole(1));
        for (int i = 0; i < node.index; ++i) result = result * child(0);
        return result;
    }
    case Kind::Divide: {
        const Value divisor = evaluate(node.children[1], Substitution{});
        return child(0) * Polynomial::constant(Value::whole(1) / divisor);
    }
    default: return Polynomial::constant(evaluate(node, Substitution{}));
    }
}

Polynomial poly(std::string_view text) { return built(readFormula(text, letterIndex)); }

// Equal where every coefficient of the difference cancels exactly.
::testing::AssertionResult samePolynomial(const Polynomial& actual, std::string_view expected) {
    const Polynomial difference = actual - poly(expected);
    if (difference.isZero()) return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "differs from " << expected << " by";
    for (const auto& [monomial, coefficient] : difference.terms()) {
        failure << " " << (coefficient.exact ? coefficient.exact->ascii() : std::to_string(coefficient.number));
        for (std::size_t i = 0; i < std::size_t(maxVariables); ++i)
            if (monomial.exponents[i] > 0) failure << "*" << letters[i] << "^" << int(monomial.exponents[i]);
    }
    return failure;
}

TEST(Polynomials, SumsAndProducts) {
    EXPECT_TRUE(samePolynomial(poly("x + 1") * poly("x - 1"), "x^2 - 1"));
    EXPECT_TRUE(samePolynomial(poly("x + y") * poly("x + y") - poly("x^2 + y^2"), "2*x*y"));
    EXPECT_TRUE(samePolynomial(poly("sqrt(2)*x + 1") * poly("sqrt(2)*x - 1"), "2*x^2 - 1"));
    EXPECT_TRUE(samePolynomial(poly("pi*x + sqrt(3)") * poly("pi*x - sqrt(3)"), "pi^2*x^2 - 3"));
    EXPECT_TRUE((poly("x^3*y - z") - poly("x^3*y - z")).isZero());
    // Decimals that cancel to within rounding are zero: 0,1 + 0,2 − 0,3.
    const Polynomial decimals = Polynomial::constant(Value::decimal(0.1)) + Polynomial::constant(Value::decimal(0.2)) -
                                Polynomial::constant(Value::decimal(0.3));
    EXPECT_TRUE(decimals.isZero());
    // A small decimal is no rounding: 1 + 10⁻⁹ − 1 is kept.
    const Polynomial small = Polynomial::constant(Value::whole(1)) + Polynomial::constant(Value::decimal(1e-9)) -
                             Polynomial::constant(Value::whole(1));
    ASSERT_FALSE(small.isZero());
    EXPECT_NEAR(small.terms().front().coefficient.number, 1e-9, 1e-15);
    // The last of the variables works as the first.
    const Polynomial last = Polynomial::variable(maxVariables - 1) * Polynomial::variable(0);
    EXPECT_EQ(last.degree(maxVariables - 1), 1);
    EXPECT_EQ(last.variables(), (std::vector<int>{0, maxVariables - 1}));
}

TEST(Polynomials, CoefficientsDegreesAndSubstitution) {
    const Polynomial p = poly("3*x^2*y + 2*x^2 - x*y + 5");
    EXPECT_EQ(p.degree(0), 2);
    EXPECT_EQ(p.degree(1), 1);
    EXPECT_EQ(p.degree(2), 0);
    EXPECT_TRUE(p.involves(1));
    EXPECT_FALSE(p.involves(2));
    EXPECT_EQ(p.variables(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(p.exact());
    EXPECT_FALSE(p.isConstant());
    EXPECT_TRUE(poly("7 + pi").isConstant());
    EXPECT_TRUE(Polynomial().isConstant());

    EXPECT_TRUE(samePolynomial(p.coefficient(0, 2), "3*y + 2"));
    EXPECT_TRUE(samePolynomial(p.coefficient(0, 1), "-y"));
    EXPECT_TRUE(samePolynomial(p.coefficient(0, 0), "5"));
    EXPECT_TRUE(p.coefficient(0, 3).isZero());
    EXPECT_TRUE(samePolynomial(p.coefficient(1, 1), "3*x^2 - x"));

    EXPECT_TRUE(samePolynomial(p.substituted(0, Value::whole(2)), "10*y + 13"));
    EXPECT_TRUE(samePolynomial(p.substituted(0, Value(sqrtOf(3), truePi)), "9*y - sqrt(3)*y + 11"));
    EXPECT_TRUE(samePolynomial(p.substituted(1, Value(pi(), truePi)), "3*pi*x^2 + 2*x^2 - pi*x + 5"));
    EXPECT_TRUE(samePolynomial(p.substituted(2, Value::whole(9)), "3*x^2*y + 2*x^2 - x*y + 5"));
    // A decimal goes in as a decimal.
    const Polynomial decimal = p.substituted(0, Value::decimal(0.5));
    EXPECT_FALSE(decimal.exact());
    const Polynomial both = decimal.substituted(1, Value::decimal(2));
    EXPECT_NEAR(both.terms().front().coefficient.number, 3 * 0.25 * 2 + 0.5 - 1 + 5, 1e-15);

    // x replaced by y + 1, and by a polynomial in z with roots and π.
    EXPECT_TRUE(samePolynomial(p.substituted(0, poly("y + 1")), "3*y^3 + 6*y^2 + 3*y + 2*y^2 + 4*y + 2 - y^2 - y + 5"));
    EXPECT_TRUE(samePolynomial(poly("x^2 - 3").substituted(0, poly("sqrt(3)*z")), "3*z^2 - 3"));
    EXPECT_TRUE(samePolynomial(poly("x*y").substituted(0, poly("pi*y")), "pi*y^2"));

    const std::vector<Value> c = poly("x^3 - 21*x + 36").univariate(0);
    ASSERT_EQ(c.size(), 4u);
    const char* expected[] = {"36", "-21", "0", "1"};
    for (std::size_t i = 0; i < c.size(); ++i) EXPECT_EQ(asciiOf(c[i].exact), expected[i]) << i;
    EXPECT_EQ(poly("4").univariate(0).size(), 1u);
}

// Against the determinant of SymPy's Sylvester matrix of the same pairs.
// (SymPy's resultant() itself has the other sign where p has the lower degree
// and both degrees are odd: x − 2 and x³.)
TEST(Resultants, AgreeWithSymPy) {
    const struct {
        std::string_view p, q, variable, expected;
    } rows[] = {
        {"x^2 + y^2 - 25", "x - y - 1", "x", "2*y^2 + 2*y - 24"},
        {"x^3 - 2*x + y", "3*x^2 - 2", "x", "27*y^2 - 32"},
        {"y^2 + 1", "x^2 + x*y + 3", "x", "y^4 + 2*y^2 + 1"},  // p without x
        {"x*y - 2", "x^2 + z", "y", "x^2 + z"},                // q without y
        {"7", "x^3 + y", "x", "343"},
        {"x^2 - 2*sqrt(3)*x*y + pi*y^2", "pi*x - sqrt(2)*y + 1", "x",
         "-2*sqrt(6)*pi*y^2 + 2*y^2 + pi^3*y^2 - 2*sqrt(2)*y + 2*sqrt(3)*pi*y + 1"},
        {"l^2 - r^2 - h^2", "pi*r*l - S", "l", "S^2 - pi^2*h^2*r^2 - pi^2*r^4"},
        {"x^2/2 - y/3", "2*x/5 + y", "x", "y^2/2 - 4*y/75"},
        {"x^2 - x*y - x + y", "x^2 + x*y - 2*x - 2*y", "x", "-2*y^3 + 2*y^2 + 4*y"},
        {"x^2*y + z", "-x*z + y^3 + 2", "y", "-x^7*z + 2*x^6 - z^3"},
        {"x - 2", "x^3", "x", "8"},
        {"x + y", "z", "x", "z"},
        {"y", "z", "x", "1"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(samePolynomial(resultant(poly(row.p), poly(row.q), letterIndex(row.variable)), row.expected))
            << "resultant(" << row.p << ", " << row.q << ", " << row.variable << ")";
    }
}

// A resultant vanishes where the two have a common root: tried on the cone's
// l² = r² + h² and S = π·r·l at r = 3, h = 4 (l = 5, S = 15π).
TEST(Resultants, VanishAtACommonRoot) {
    const Polynomial eliminated = resultant(poly("l^2 - r^2 - h^2"), poly("pi*r*l - S"), letterIndex("l"));
    const Polynomial atSolid = eliminated.substituted(letterIndex("r"), Value::whole(3))
                                   .substituted(letterIndex("h"), Value::whole(4))
                                   .substituted(letterIndex("S"), Value(whole(15) * pi(), truePi));
    EXPECT_TRUE(atSolid.isZero());
    const Polynomial elsewhere = eliminated.substituted(letterIndex("r"), Value::whole(3))
                                     .substituted(letterIndex("h"), Value::whole(4))
                                     .substituted(letterIndex("S"), Value(whole(16) * pi(), truePi));
    EXPECT_FALSE(elsewhere.isZero());
}

// π, roots of numbers, and the angles of n where n is known, as coefficients.
Substitution withSides(int n) {
    Substitution constants;
    constants.quantity = [n, value = Value::whole(n)](int i) { return n && i == letterIndex("n") ? &value : nullptr; };
    return constants;
}

// A relation of the tables as a polynomial, multiplied out of its denominators.
TEST(Polynomials, OfRelations) {
    const struct {
        std::string_view equation;
        int sides;  // n, for the angles; 0 where it is not known
        std::string_view expected;
    } rows[] = {
        {"V = π·r²·h : 3", 0, "3*V - pi*r^2*h"},
        {"V = 4π·r³ : 3", 0, "3*V - 4*pi*r^3"},
        {"S1 = π·r·(r + l)", 0, "S1 - pi*r^2 - pi*r*l"},
        {"h = S1 : (2π·r) − r", 0, "2*pi*r*h - S1 + 2*pi*r^2"},
        {"r² = 3V : (π·h)", 0, "pi*h*r^2 - 3*V"},
        {"R² = r² + (a : 2)²", 0, "4*R^2 - 4*r^2 - a^2"},
        {"d = a√3", 0, "d - sqrt(3)*a"},
        {"r = a : (2·tg(180° : n))", 3, "2*sqrt(3)*r - a"},
        {"r = a : (2·tg(180° : n))", 12, "(4 - 2*sqrt(3))*r - a"},
        {"r = a : (2·tg(180° : n))", 8, "(2*sqrt(2) - 2)*r - a"},
        {"R = a : (2·sin(180° : n))", 12, "(sqrt(6) - sqrt(2))/2*R - a"},
        {"R = a : (2·sin(180° : n))", 6, "R - a"},
        {"B = n·a² : (4·tg(180° : n))", 4, "4*B - n*a^2"},
        {"B = n·a² : (4·tg(180° : n))", 6, "4*sqrt(3)/3*B - n*a^2"},
        {"a² = 4B·tg(180° : n) : n", 3, "n*a^2 - 4*sqrt(3)*B"},
    };
    for (const auto& row : rows) {
        const Substitution constants = withSides(row.sides);
        const auto equals = row.equation.find(" = ");
        const Polynomial p = relationPolynomial(readFormula(row.equation.substr(0, equals), letterIndex),
                                                readFormula(row.equation.substr(equals + 3), letterIndex), constants);
        EXPECT_TRUE(samePolynomial(p, row.expected)) << row.equation << " with n = " << row.sides;
    }
}

TEST(Polynomials, OfRelationsWithDecimalAnglesAndRootsOfLetters) {
    const Substitution pentagon = withSides(5);
    const Polynomial p = relationPolynomial(readFormula("r", letterIndex),
                                            readFormula("a : (2·tg(180° : n))", letterIndex), pentagon);
    ASSERT_EQ(p.terms().size(), 2u);
    EXPECT_FALSE(p.exact());
    const double twiceTangent = p.coefficient(letterIndex("r"), 1).terms().front().coefficient.number;
    EXPECT_NEAR(twiceTangent, 1.4530850560107216, 1e-15);  // 2·tg 36°
    // A root of a letter is no polynomial.
    try {
        relationPolynomial(readFormula("a", letterIndex), readFormula("2√(b² − k²)", letterIndex), pentagon);
        ADD_FAILURE() << "a root of letters was taken for a polynomial";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.what, "корен от буква в уравнение");
    }
    // A root of letters that are known is a number: V = h·(B1 + √(B1·B2) + B2) : 3 of a pyramid frustum.
    const Value b = Value::whole(5), k = Value::whole(4);
    Substitution known = pentagon;
    known.quantity = [&](int q) -> const Value* {
        return q == letterIndex("b") ? &b : q == letterIndex("k") ? &k : nullptr;
    };
    const Polynomial rooted =
        relationPolynomial(readFormula("a", letterIndex), readFormula("2√(b² − k²)", letterIndex), known);
    ASSERT_EQ(rooted.terms().size(), 2u);
    EXPECT_EQ(rooted.coefficient(letterIndex("a"), 0).terms().front().coefficient.exact->ascii(), "-6");
}

// ---------------------------------------------------------------- roots

// A coefficient: an exact form as typed, or "~" and a decimal.
Value coefficientOf(std::string_view text, double piValue = truePi) {
    if (text.starts_with("~")) return Value::decimal(std::stod(std::string(text.substr(1))));
    return Value(typed(text), piValue);
}

// Every positive root, ascending: exact where the key writes it so, else the
// decimal ("~1.2599210498948732"). Reference roots from SymPy's real_roots().
TEST(PositiveRoots, OfEquations) {
    const struct {
        std::vector<std::string_view> coefficients;  // of x⁰, x¹, …
        std::vector<std::string> roots;
    } rows[] = {
        {{"-6", "2"}, {"3"}},
        {{"5", "1"}, {}},
        {{"-15π", "2"}, {"15*pi/2"}},
        {{"6", "-5", "1"}, {"2", "3"}},
        {{"-1", "-2", "1"}, {"1+sqrt(2)"}},
        {{"1", "0", "1"}, {}},
        {{"9", "-6", "1"}, {"3"}},                          // double root
        {{"6", "5", "1"}, {}},                              // both negative
        {{"-6", "5", "-1"}, {"2", "3"}},
        {{"0", "-3", "1"}, {"3"}},                          // x = 0 is no solid
        {{"-80π", "6π", "2π"}, {"5"}},                      // S1 = 2π·r·(r + 3) = 80π
        {{"-2π²", "π", "1"}, {"pi"}},
        {{"1e-120", "0", "-1"}, {"1/1" + std::string(60, '0')}},
        {{"36", "-21", "0", "1"}, {"(sqrt(57)-3)/2", "3"}},  // r³ − 21r + 36 = 0
        {{"-8", "12", "-6", "1"}, {"2"}},                   // (x − 2)³
        {{"-20", "24", "-9", "1"}, {"2", "5"}},             // (x − 2)²(x − 5)
        {{"-2", "0", "0", "1"}, {"~1.2599210498948732"}},
        {{"-1", "-3", "0", "1"}, {"~1.8793852415718168"}},
        {{"-36π", "0", "0", "4π/3"}, {"3"}},                // 4π·r³ : 3 = 36π
        {{"6π²", "-2π² - 3π", "π - 3", "1"}, {"3", "pi"}},  // (x − π)(x + 2π)(x − 3)
        {{"1296", "0", "-225", "0", "0", "0", "1"}, {"~2.8837485358429394", "3"}},
        {{"-24", "38", "-13", "-2", "1"}, {"1", "2", "3"}},
        {{"1", "0", "-10", "0", "1"}, {"sqrt(3)-sqrt(2)", "sqrt(2)+sqrt(3)"}},
        {{"-1", "4", "2", "-4", "1"}, {"~0.23463313526982046", "~1.7653668647301795", "~2.8477590650225735"}},
        {{"20/7", "-412/21", "775/21", "-244/21", "1"}, {"2/7", "1/3", "5", "6"}},
        {{"-1", "-1", "0", "0", "0", "1"}, {"~1.1673039782614187"}},
        {{"~-1.1", "~1"}, {"~1.1"}},
        {{"~2", "~-3", "~1"}, {"~1", "~2"}},
        // Close together: (x − 1)(x − 1,001)(x − 3) exactly, and 10⁻⁶ apart with a root π.
        {{"-3,003", "7,004", "-5,001", "1"}, {"1", "1001/1000", "3"}},
        {{"~-3.003", "~7.004", "~-5.001", "~1"}, {"~1", "~1.001", "~3"}},
        {{"-1000001/1000000*π", "1000001/1000000 + 2000001/1000000*π", "-2000001/1000000 - π", "1"},
         {"1", "1000001/1000000", "pi"}},
    };
    for (const auto& row : rows) {
        std::vector<Value> c;
        std::string equation;
        for (std::string_view text : row.coefficients) {
            c.push_back(coefficientOf(text));
            equation += std::string(text) + " ";
        }
        const PositiveRoots found = positiveRoots(c, truePi);
        EXPECT_FALSE(found.identicallyZero) << equation;
        ASSERT_EQ(found.roots.size(), row.roots.size()) << equation;
        for (std::size_t i = 0; i < row.roots.size(); ++i) {
            const Value& root = found.roots[i];
            if (row.roots[i].starts_with("~")) {
                const double expected = std::stod(std::string(row.roots[i].substr(1)));
                EXPECT_FALSE(root.exact) << equation << asciiOf(root.exact);
                EXPECT_NEAR(root.number, expected, 1e-12 * expected) << equation;
            } else {
                EXPECT_EQ(asciiOf(root.exact), row.roots[i]) << equation;
                if (root.exact) {
                    EXPECT_NEAR(root.number, root.exact->value(), 1e-9 * root.number) << equation;
                }
            }
        }
    }
}

TEST(PositiveRoots, IdenticallyZeroOrNone) {
    const Value zero = Value::whole(0);
    for (const std::vector<Value>& c : {std::vector<Value>{}, {zero}, {zero, zero, zero}}) {
        const PositiveRoots found = positiveRoots(c, truePi);
        EXPECT_TRUE(found.identicallyZero);
        EXPECT_TRUE(found.roots.empty());
    }
    const PositiveRoots constant = positiveRoots({Value::whole(5), Value::whole(0)}, truePi);
    EXPECT_FALSE(constant.identicallyZero);
    EXPECT_TRUE(constant.roots.empty());
}

// xⁿ = c is solved for xⁿ first; its root keeps its exact form for every n.
TEST(PositiveRoots, ExactRootsOfPowers) {
    const struct {
        std::vector<std::string_view> coefficients;
        std::string root;
    } rows[] = {
        {{"-81", "0", "0", "0", "1"}, "3"},
        {{"-64", "0", "0", "0", "0", "0", "1"}, "2"},
        {{"-16π^4", "0", "0", "0", "1"}, "2*pi"},
        {{"-4", "0", "0", "0", "1"}, "sqrt(2)"},
    };
    for (const auto& row : rows) {
        std::vector<Value> c;
        for (std::string_view text : row.coefficients) c.push_back(coefficientOf(text));
        const PositiveRoots found = positiveRoots(c, truePi);
        ASSERT_EQ(found.roots.size(), 1u) << row.root;
        EXPECT_EQ(asciiOf(found.roots[0].exact), row.root);
    }
}

// The decimals follow π as the task takes it; the exact forms do not change.
TEST(PositiveRoots, DecimalsAtTheTasksPi) {
    auto at314 = [](std::string_view text) { return coefficientOf(text, 3.14); };
    const PositiveRoots found = positiveRoots({at314("-2π²"), at314("π"), at314("1")}, 3.14);
    ASSERT_EQ(found.roots.size(), 1u);
    EXPECT_EQ(asciiOf(found.roots[0].exact), "pi");
    EXPECT_DOUBLE_EQ(found.roots[0].number, 3.14);
    const PositiveRoots cubic = positiveRoots({at314("-π"), at314("0"), at314("0"), at314("1"), at314("1")}, 3.14);
    ASSERT_EQ(cubic.roots.size(), 1u);
    EXPECT_NEAR(std::pow(cubic.roots[0].number, 4) + std::pow(cubic.roots[0].number, 3), 3.14, 1e-12);
}

// A double root with decimal coefficients is one root, not two: (x − tg 36°)²
// and (x − 1,1)², whose discriminants come out a little above zero.
TEST(PositiveRoots, DecimalDoubleRoot) {
    for (const double t : {std::tan(truePi / 5), 1.1, std::sqrt(2.0)}) {
        const PositiveRoots twice =
            positiveRoots({Value::decimal(t * t), Value::decimal(-2 * t), Value::decimal(1)}, truePi);
        ASSERT_EQ(twice.roots.size(), 1u) << t;
        EXPECT_NEAR(twice.roots[0].number, t, 1e-7 * t);
    }
}

// Two roots 10⁻⁶ apart with decimal coefficients: (x − 1)(x − 1,000001)(x − 2).
TEST(PositiveRoots, DecimalRootsCloseTogether) {
    const PositiveRoots apart = positiveRoots({Value::decimal(-2.000002), Value::decimal(5.000003),
                                               Value::decimal(-4.000001), Value::decimal(1)}, truePi);
    ASSERT_EQ(apart.roots.size(), 3u);
    EXPECT_NEAR(apart.roots[0].number, 1, 1e-9);
    EXPECT_NEAR(apart.roots[1].number, 1.000001, 1e-9);
    EXPECT_NEAR(apart.roots[2].number, 2, 1e-9);
}

// An exact root's decimal is its exact form's value, also where the two roots
// of a quadratic lie so close that its decimal discriminant cancels.
TEST(PositiveRoots, DecimalsOfCloseExactRoots) {
    const struct {
        std::vector<std::string_view> coefficients;
        std::vector<std::string_view> roots;
    } rows[] = {
        {{"1,00000001", "-2,00000001", "1"}, {"1", "100000001/100000000"}},
        {{"1,000001", "-2,000001", "1"}, {"1", "1000001/1000000"}},
        {{"-1000001/1000000*π", "1000001/1000000 + 2000001/1000000*π", "-2000001/1000000 - π", "1"},
         {"1", "1000001/1000000", "pi"}},
    };
    for (const auto& row : rows) {
        std::vector<Value> c;
        for (std::string_view text : row.coefficients) c.push_back(coefficientOf(text));
        const PositiveRoots found = positiveRoots(c, truePi);
        ASSERT_EQ(found.roots.size(), row.roots.size());
        for (std::size_t i = 0; i < row.roots.size(); ++i) {
            EXPECT_EQ(asciiOf(found.roots[i].exact), row.roots[i]);
            if (found.roots[i].exact) {
                EXPECT_NEAR(found.roots[i].number, found.roots[i].exact->value(), 1e-12) << row.roots[i];
            }
        }
    }
}

TEST(PositiveRoots, EquationTexts) {
    const struct {
        std::vector<std::string_view> coefficients;
        std::string text;
    } rows[] = {
        {{"36", "-21", "0", "1"}, "r³ − 21r + 36 = 0"},
        {{"-7200", "1200√3", "0", "-18"}, "3r³ − 200√3·r + 1200 = 0"},
        {{"-80π", "6π", "2π"}, "r² + 3r − 40 = 0"},
        {{"-1/2", "0", "1/3"}, "2r² − 3 = 0"},
        {{"0", "-3", "1"}, "r − 3 = 0"},
    };
    for (const auto& row : rows) {
        std::vector<Value> c;
        for (std::string_view text : row.coefficients) c.push_back(coefficientOf(text));
        EXPECT_EQ(equationText(c, "r", {}, 2), row.text);
    }
}

}  // namespace
}  // namespace solver::testing
