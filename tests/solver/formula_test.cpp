// SPDX-License-Identifier: MIT
// The formula reader on what students type and on the formulas of the solid
// tables; formulas evaluated and written with numbers; and every form of every
// relation of the tables checked against its relation on solids of every kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/expression.h"
#include "engine/superscript.h"
#include "task/solver.h"

namespace solver::testing {
namespace {

// ---------------------------------------------------------------- typed values

TEST(TypedValues, AsStudentsTypeThem) {
    const struct {
        std::string text;
        std::string ascii;
        bool decimal = false;
        int decimals = 0;
    } rows[] = {
        {"7", "7"},
        {"2,5", "5/2", true, 1},
        {"2.5", "5/2", true, 1},
        {"2,50", "5/2", true, 2},
        {",5", "1/2", true, 1},
        {"1 000,5", "2001/2", true, 1},
        {"12 345", "12345"},
        {"1 000 000", "1000000"},
        {"1\u00A0000", "1000"},  // no-break space
        {"1\u202F000", "1000"},  // narrow no-break space
        {"3/4", "3/4"},
        {"3 : 4", "3/4"},
        {"3÷4", "3/4"},
        {"70π", "70*pi"},
        {"70pi", "70*pi"},
        {"70 π", "70*pi"},
        {"70PI", "70*pi"},
        {"4√3", "4*sqrt(3)"},
        {"4sqrt3", "4*sqrt(3)"},
        {"sqrt(3)", "sqrt(3)"},
        {"√12", "2*sqrt(3)"},
        {"√13π", "sqrt(13)*pi"},
        {"8√3+96", "96+8*sqrt(3)"},
        {"(4+2√13)π", "(4+2*sqrt(13))*pi"},
        {"15*pi", "15*pi"},
        {"25π/3", "25*pi/3"},
        {"5/π", "5/pi"},
        {"3/(2π)", "3/(2*pi)"},
        {"2e-3", "1/500", true, 0},
        {"1E5", "100000", true, 0},
        {"2,5e3", "2500", true, 1},
        {"075", "75"},
        {"0,075", "3/40", true, 3},
        {"−5", "-5"},
        {"– 5 + 8", "3"},
        {"2·3", "6"},
        {"2×3", "6"},
        {"2⋅3", "6"},
        {"2 * 3", "6"},
        {"3²", "9"},
        {"2³", "8"},
        {"2^10", "1024"},
        {"2^(-2)", "1/4"},
        {"2^-2", "1/4"},
        {"(√3)²", "3"},
        {"√(4+2√3)", "1+sqrt(3)"},
        {"∛27", "3"},
        {"∛(8π³)", "2*pi"},
        {"1/(1+√2)", "sqrt(2)-1"},
        {"0,1+0,2", "3/10", true, 1},
        {"((2))", "2"},
        {" 2,5 ", "5/2", true, 1},
        {"2√3·π", "2*sqrt(3)*pi"},
        {"3/4π", "3*pi/4"},  // a product read left to right: (3/4)·π
    };
    for (const auto& row : rows) {
        const TypedValue typed = readValue(row.text);
        ASSERT_TRUE(typed.read) << "„" << row.text << "“: " << typed.error;
        EXPECT_EQ(typed.value.ascii(), row.ascii) << row.text;
        EXPECT_EQ(typed.decimal, row.decimal) << row.text;
        EXPECT_EQ(typed.decimals, row.decimals) << row.text;
    }
}

TEST(TypedValues, SquareBracketsAsStudentsTypeThem) {
    const TypedValue typed = readValue("[2 + 3]·4");
    ASSERT_TRUE(typed.read) << typed.error;
    EXPECT_EQ(typed.value.ascii(), "20");
}

// What cannot be read says why, in Bulgarian, and reads nothing.
TEST(TypedValues, Errors) {
    const struct {
        std::string text;
        std::string error;
    } rows[] = {
        {"", "изразът свършва преждевременно"},
        {"2+", "изразът свършва преждевременно"},
        {"2*", "изразът свършва преждевременно"},
        {"(2", "липсва затваряща скоба"},
        {"2)", "неочакван знак „)“"},
        {"abc", "неочакван знак „a“"},
        {"2a", "неочакван знак „a“"},
        {"5,", "неочакван знак „,“"},
        {"2,5,3", "неочакван знак „,“"},
        {"2 5", "неочакван знак „5“"},
        {"12°", "неочакван знак „°“"},
        {"2e", "неочакван знак „e“"},
        {"€5", "неочакван знак „€“"},
        {".", "след десетичния знак трябват цифри"},
        {"2^13", "степента трябва да е цяло число до 12"},
        {"2^x", "степента трябва да е цяло число до 12"},
        {"2^0,5", "неочакван знак „,“"},
        {"1/0", "деление на нула"},
        {"1/(1−1)", "деление на нула"},
        {"√(√2)", "няма точен вид"},
        {"(1+√2+√3)^-1", "няма точен вид"},
        {"1" + std::string(60, '0'), "твърде много цифри"},
        {std::string(41, '(') + "1" + std::string(41, ')'), "твърде много скоби"},
        {std::string(5000, '('), "твърде много скоби"},
    };
    for (const auto& row : rows) {
        const TypedValue typed = readValue(row.text);
        EXPECT_FALSE(typed.read) << "„" << row.text << "“ read as " << typed.value.ascii();
        EXPECT_NE(typed.error.find(row.error), std::string::npos) << "„" << row.text << "“: " << typed.error;
    }
    // Just inside the limits.
    EXPECT_TRUE(readValue(std::string(59, '9')).read);
    EXPECT_TRUE(readValue(std::string(10, '(') + "1" + std::string(10, ')')).read);
    EXPECT_TRUE(readValue("2^12").read);
}

// ---------------------------------------------------------------- table formulas

constexpr std::string_view letters[] = {"a", "b", "c", "d", "h", "k", "l", "n",
                                        "r", "R", "P", "B", "S", "S1", "V", "Q"};

int letterIndex(std::string_view key) {
    const auto found = std::find(std::begin(letters), std::end(letters), key);
    return found == std::end(letters) ? -1 : int(found - std::begin(letters));
}

// The letters' values: "r=3 h=4", each as a student types it.
std::vector<std::optional<Value>> valuesOf(std::string_view givens) {
    std::vector<std::optional<Value>> values(std::size(letters));
    std::size_t start = 0;
    while (start < givens.size()) {
        const std::size_t end = std::min(givens.find(' ', start), givens.size());
        const std::string_view given = givens.substr(start, end - start);
        const std::size_t equals = given.find('=');
        const TypedValue typed = readValue(given.substr(equals + 1));
        EXPECT_TRUE(typed.read) << given;
        values[std::size_t(letterIndex(given.substr(0, equals)))] = Value(typed.value, truePi);
        start = end + 1;
    }
    return values;
}

Substitution substitution(const std::vector<std::optional<Value>>& values, std::string_view separator = ",") {
    Substitution with;
    with.quantity = [&values](int i) { return values[std::size_t(i)] ? &*values[std::size_t(i)] : nullptr; };
    with.separator = separator;
    with.valueText = [separator](const Value& v) {
        return v.exact ? v.exact->text({separator, false}) : roundedText(v.number, 2, separator);
    };
    return with;
}

// Formulas as the tables write them, their value and the step a textbook writes.
TEST(TableFormulas, EvaluatedAndWrittenWithNumbers) {
    const struct {
        std::string formula, givens;
        std::string value;  // exact, or "~" and the decimal
        std::string written;
    } rows[] = {
        {"π·r²·h : 3", "r=3 h=4", "12*pi", "π·3²·4 : 3"},
        {"π·r·l", "r=3 l=5", "15*pi", "π·3·5"},
        {"√(r² + h²)", "r=3 h=4", "5", "√(3² + 4²)"},
        {"√(l² − r²)", "l=5 r=3", "4", "√(5² − 3²)"},
        {"S : (4π)", "S=36π", "9", "36π : (4π)"},
        {"3V : (π·r²)", "V=12π r=3", "4", "3·12π : (π·3²)"},
        {"3V : (π·h)", "V=25π/3 h=2", "25/2", "3·(25π/3) : (2π)"},
        {"S1 : (π·r) − r", "S1=24π r=3", "5", "24π : (3π) − 3"},
        {"4π·r³ : 3", "r=3", "36*pi", "4π·3³ : 3"},
        {"2(a + b)·c", "a=2 b=3 c=4", "40", "2·(2 + 3)·4"},
        {"S : (2c) − b", "S=40 c=4 b=3", "2", "40 : (2·4) − 3"},
        {"(S1 − S) : (2b)", "S1=64 S=40 b=3", "4", "(64 − 40) : (2·3)"},
        {"2√(b² − k²)", "b=5 k=4", "6", "2√(5² − 4²)"},
        {"(a : 2)²", "a=5", "25/4", "(5 : 2)²"},
        {"a√3", "a=2,5", "5*sqrt(3)/2", "2,5·√3"},
        {"2π·r·h", "r=3 h=4", "24*pi", "2π·3·4"},
        {"π·r²", "r=2√3", "12*pi", "π·(2√3)²"},
        {"π·r²·h", "r=1+√3 h=2", "(8+4*sqrt(3))*pi", "π·(1 + √3)²·2"},
        {"S1 − 2a·b", "S1=10+4√2 a=√2 b=1", "10+2*sqrt(2)", "10 + 4√2 − 2·√2·1"},
        {"a : (2·tg(180° : n))", "a=6 n=4", "3", "6 : (2·tg 45°)"},
        {"a : (2·tg(180° : n))", "a=2√3 n=3", "1", "2√3 : (2·tg 60°)"},
        {"a : (2·tg(180° : n))", "a=2 n=5", "~1.3763819204711736", "2 : (2·tg 36°)"},
        {"a : (2·tg(180° : n))", "a=2 n=7", "~2.0765213965723340", "2 : (2·tg(180° : 7))"},
        {"2r·tg(180° : n)", "r=1 n=8", "2*sqrt(2)-2", "2·1·tg 22,5°"},
        {"2R·sin(180° : n)", "R=4 n=6", "4", "2·4·sin 30°"},
        {"2R·sin(180° : n)", "R=2 n=12", "sqrt(6)-sqrt(2)", "2·2·sin 15°"},
        {"4B·tg(180° : n) : n", "B=9√3 n=3", "36", "4·9√3·tg 60° : 3"},
        {"n·a² : (4·tg(180° : n))", "n=6 a=2", "6*sqrt(3)", "6·2² : (4·tg 30°)"},
        {"a : (2·cotg(180° : n))", "a=6 n=3", "3*sqrt(3)", "6 : (2·cotg 60°)"},
        {"2R·cos(180° : n)", "R=4 n=3", "4", "2·4·cos 60°"},
        {"sin(60°)", "", "sqrt(3)/2", "sin 60°"},
        {"tg(22,5°)", "", "sqrt(2)-1", "tg 22,5°"},
        {"P·k : 2", "P=12,5 k=0,4", "5/2", "12,5·0,4 : 2"},
    };
    for (const auto& row : rows) {
        const Node formula = readFormula(row.formula, letterIndex);
        const auto values = valuesOf(row.givens);
        const Substitution with = substitution(values);
        const Value value = evaluate(formula, with);
        if (row.value.starts_with("~")) {
            EXPECT_FALSE(value.exact) << row.formula;
            EXPECT_NEAR(value.number, std::stod(row.value.substr(1)), 1e-13) << row.formula;
        } else {
            ASSERT_TRUE(value.exact) << row.formula;
            EXPECT_EQ(value.exact->ascii(), row.value) << row.formula;
            EXPECT_NEAR(value.number, value.exact->value(), 1e-12 * value.number) << row.formula;
        }
        EXPECT_EQ(writeWithNumbers(formula, with), row.written) << row.formula;
    }
}

TEST(TableFormulas, WrittenWithTheDesktopsSeparatorOrAsLetters) {
    const Node formula = readFormula("2r·tg(180° : n) + a", letterIndex);
    const auto values = valuesOf("r=1,5 a=2,25 n=8");
    EXPECT_EQ(writeWithNumbers(formula, substitution(values, ".")), "2·1.5·tg 22.5° + 2.25");
    EXPECT_EQ(writeWithNumbers(formula, substitution(values, ",")), "2·1,5·tg 22,5° + 2,25");

    Substitution asLetters;
    asLetters.letter = [](int i) { return std::string(letters[std::size_t(i)]); };
    EXPECT_EQ(writeWithNumbers(readFormula("√(l² − r²)", letterIndex), asLetters), "√(l² − r²)");
    EXPECT_EQ(writeWithNumbers(readFormula("(S1 − S) : (2b)", letterIndex), asLetters), "(S1 − S) : (2b)");
}

// A letter not known, or n not known: no value, and a question mark in the text.
TEST(TableFormulas, WhatIsNotKnown) {
    const auto values = valuesOf("r=3");
    const Substitution with = substitution(values);
    EXPECT_TRUE(std::isnan(evaluate(readFormula("π·r²·h", letterIndex), with).number));
    EXPECT_FALSE(evaluate(readFormula("π·r²·h", letterIndex), with).exact);
    EXPECT_EQ(writeWithNumbers(readFormula("π·r²·h", letterIndex), with), "π·3²·?");
    EXPECT_TRUE(std::isnan(evaluate(readFormula("2r·tg(180° : n)", letterIndex), with).number));
    EXPECT_EQ(writeWithNumbers(readFormula("2r·tg(180° : n)", letterIndex), with), "2·3·tg(180° : ?)");
}

TEST(TableFormulas, Errors) {
    const struct {
        std::string formula, error;
    } rows[] = {
        {"π·q", "непозната буква „q“"},
        {"tg", "изразът свършва преждевременно"},
        {"arcsin(", "изразът свършва преждевременно"},
        {"tg(", "изразът свършва преждевременно"},
        {"cotg()", "неочакван знак „)“"},
        {"tg(180° : n", "липсва затваряща скоба"},
        {"(a + b", "липсва затваряща скоба"},
        {"a·", "изразът свършва преждевременно"},
        {"a^b", "степента трябва да е цяло число до 12"},
        {"a ! b", "неочакван знак „!“"},
    };
    for (const auto& row : rows) {
        try {
            readFormula(row.formula, letterIndex);
            ADD_FAILURE() << row.formula << " was read";
        } catch (const ReadError& error) {
            EXPECT_EQ(error.what, row.error) << row.formula;
        }
    }
}

// ---------------------------------------------------------------- forms of relations

// A solid's quantities as solve() found them, in the order of its table.
struct Point {
    std::string task;
    std::vector<std::optional<Value>> values;
};

Value valueOf(const QuantityResult& q) { return q.exact ? Value(*q.exact, truePi) : Value::decimal(q.value); }

// A measure as a task gives it: a whole number, a decimal or a multiple of a root.
std::string randomMeasure(std::mt19937& random) {
    const unsigned whole = 1 + random() % 40;
    switch (random() % 3) {
    case 0: return std::to_string(whole);
    case 1: return std::to_string(whole) + "," + std::to_string(1 + random() % 9);
    default: return std::to_string(whole) + "√" + std::to_string(2 + random() % 5);
    }
}

// A table's condition between two of its base measures (r2 < r1 of a
// frustum): the two measures drawn swapped into its order; false where they are equal.
bool inConditionsOrder(const SolidRow& solid, std::vector<Given>& givens) {
    for (const ConditionRow& condition : solid.conditions) {
        const std::string_view text = condition.inequality;
        const bool orEqual = text.find(" ≤ ") != std::string_view::npos;
        const std::string_view sign = orEqual ? " ≤ " : " < ";
        const auto at = text.find(sign);
        auto given = [&](std::string_view key) {
            return std::find_if(givens.begin(), givens.end(), [&](const Given& g) { return g.key == key; });
        };
        const auto smaller = given(text.substr(0, at)), larger = given(text.substr(at + sign.size()));
        if (smaller == givens.end() || larger == givens.end()) continue;
        const double a = readValue(smaller->text).value.value(truePi), b = readValue(larger->text).value.value(truePi);
        if (a == b && !orEqual) return false;
        if (a > b) std::swap(smaller->text, larger->text);
    }
    return true;
}

// Solids of the kind built from random measures of its base; for prisms,
// pyramids and polygons with several n, and from any base (P, B and h).
std::vector<Point> randomSolids(const SolidRow& solid) {
    std::mt19937 random(20270115);
    std::vector<std::vector<Given>> tasks;
    const int count = wholeQuantity(solid);
    const std::vector<int> sides = count >= 0 ? std::vector<int>{3, 4, 5, 6, 7, 8, 12, 20} : std::vector<int>{0};
    for (int n : sides) {
        // The square, the triangle and the hexagon have formulas of their own: as many as the rest.
        const bool ownFormulas = n == 3 || n == 4 || n == 6;
        for (int i = 0; i < (n && !ownFormulas ? 3 : 8); ++i) {
            std::vector<Given> givens;
            if (n) givens.push_back({std::string(solid.quantities[std::size_t(count)].key), std::to_string(n)});
            for (std::string_view key : solid.base) givens.push_back({std::string(key), randomMeasure(random)});
            if (inConditionsOrder(solid, givens)) tasks.push_back(givens);
        }
    }
    for (int i = 0; i < 4 && !solid.baseWithoutSides.empty(); ++i) {
        // Any base's area B is below P² : (4π).
        const unsigned perimeter = 10 + random() % 40;
        const unsigned area = 1 + random() % unsigned(perimeter * perimeter / (4 * truePi) - 1);
        std::vector<Given> givens;
        for (std::string_view key : solid.baseWithoutSides) {
            const std::string text = key == "P" ? std::to_string(perimeter)
                                   : key == "B" ? std::to_string(area)
                                                : randomMeasure(random);
            givens.push_back({std::string(key), text});
        }
        tasks.push_back(givens);
    }
    // A relation of one angle ("c² = l1² + l2²" where γ = 90°): solids with that
    // angle, from the letters its first form takes.
    const LetterIndex letters = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    for (const RelationRow& relation : solid.relations) {
        const auto at = relation.only.find(" = ");
        if (at == std::string_view::npos || relation.only.back() != '\xb0' || relation.forms[0].empty()) continue;
        std::vector<int> members;
        collectQuantities(readFormula(relation.forms[0].substr(relation.forms[0].find(" = ") + 3), letters), members);
        for (int i = 0; i < 8; ++i) {
            std::vector<Given> givens{{std::string(relation.only.substr(0, at)), std::string(relation.only.substr(at + 3))}};
            for (int member : members)
                givens.push_back({std::string(solid.quantities[std::size_t(member)].key), randomMeasure(random)});
            tasks.push_back(givens);
        }
        break;  // one right triangle serves the angle's every relation
    }
    std::vector<Point> points;
    for (const std::vector<Given>& givens : tasks) {
        std::string task(solid.key);
        for (const Given& g : givens) task += " " + g.key + "=" + g.text;
        const Outcome outcome = solve(solid.key, givens);
        EXPECT_EQ(outcome.status, Status::Solved) << task << ": " << outcome.message;
        for (const Solution& solution : outcome.solutions) {
            Point point{task, {}};
            for (const QuantityRow& row : solid.quantities) {
                const QuantityResult* q = solution.find(row.key);
                point.values.push_back(q && q->determined ? std::optional(valueOf(*q)) : std::nullopt);
            }
            points.push_back(point);
        }
    }
    return points;
}

const std::vector<Point>& pointsOf(const SolidRow& solid) {
    static std::map<std::string_view, std::vector<Point>> made;
    if (!made.contains(solid.key)) made[solid.key] = randomSolids(solid);
    return made[solid.key];
}

// "r² = V : (π·h)" as its two sides, in the solid's letters.
struct TwoSides {
    Node left, right;
};

TwoSides sidesOf(std::string_view text, const SolidRow& solid) {
    const LetterIndex index = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    const std::size_t equals = text.find(" = ");
    return {readFormula(text.substr(0, equals), index), readFormula(text.substr(equals + 3), index)};
}

// Whether two values are one number: exactly where both have exact forms,
// else to 1e-9 of the larger.
bool agree(const Value& a, const Value& b) {
    if (a.exact && b.exact) return *a.exact == *b.exact;
    return std::fabs(a.number - b.number) <= 1e-9 * std::max(std::fabs(a.number), std::fabs(b.number));
}

std::string shown(const Value& v) { return v.exact ? v.exact->ascii() : std::to_string(v.number); }

// A relation's equation and each of its forms at every point where their
// letters are known: the equation holds, and each form gives its letter's
// value. Returns what disagrees; counts the checks made of each text.
std::vector<std::string> disagreements(const SolidRow& solid, const RelationRow& relation,
                                       std::map<std::string, int>& checks) {
    std::vector<std::string_view> texts{relation.equation};
    for (std::string_view form : relation.forms)
        if (!form.empty()) texts.push_back(form);
    std::vector<std::string> found;
    // A formula of one base alone ("B = a²" where n = 4) is checked on that base.
    const auto only = relation.only.find(" = ");
    const int onlyQuantity = relation.only.empty() ? -1 : quantityIndex(solid, relation.only.substr(0, only));
    const double onlyValue = relation.only.empty() ? 0 : std::stod(std::string(relation.only.substr(only + 3)));  // "90°": 90
    for (const Point& point : pointsOf(solid)) {
        if (onlyQuantity >= 0) {
            const std::optional<Value>& count = point.values[std::size_t(onlyQuantity)];
            if (!count || count->number != onlyValue) continue;
        }
        Substitution with;
        with.quantity = [&point](int i) {
            const std::optional<Value>& value = point.values[std::size_t(i)];
            return value ? &*value : nullptr;
        };
        for (std::string_view text : texts) {
            const TwoSides sides = sidesOf(text, solid);
            const Value left = evaluate(sides.left, with), right = evaluate(sides.right, with);
            if (std::isnan(left.number) || std::isnan(right.number)) continue;  // a letter not determined here
            ++checks[std::string(text)];
            if (!agree(left, right))
                found.push_back(std::string(text) + " at " + point.task + ": " + shown(left) + " ≠ " + shown(right));
        }
    }
    return found;
}

// Every form a table gives of every relation agrees with it on solids of the
// kind, and each is tried on several of them.
TEST(FormsOfRelations, AgreeWithTheirRelations) {
    for (const SolidRow& solid : allSolids()) {
        std::map<std::string, int> checks;
        for (const RelationRow* relation : relationsOf(solid)) {
            for (const std::string& wrong : disagreements(solid, *relation, checks)) ADD_FAILURE() << wrong;
            for (std::string_view text : relation->forms) {
                if (!text.empty()) {
                    EXPECT_GE(checks[std::string(text)], 8) << solid.key << ": " << text;
                }
            }
            EXPECT_GE(checks[std::string(relation->equation)], 8) << solid.key << ": " << relation->equation;
        }
    }
}

// The frustums' own relations (their bases' are the polygon's, checked above)
// on frustums built from random measures, the larger base's the larger; the
// two cones on one base likewise.
TEST(FormsOfRelations, AgreeWithTheirRelationsOnFrustums) {
    std::vector<const SolidRow*> solids(frustums().begin(), frustums().end());
    solids.insert(solids.end(), composedBodies().begin(), composedBodies().end());
    for (const SolidRow* frustum : solids) {
        std::map<std::string, int> checks;
        for (const RelationRow& relation : frustum->relations) {
            for (const std::string& wrong : disagreements(*frustum, relation, checks)) ADD_FAILURE() << wrong;
            for (std::string_view text : relation.forms)
                if (!text.empty()) {
                    EXPECT_GE(checks[std::string(text)], 8) << frustum->key << ": " << text;
                }
            EXPECT_GE(checks[std::string(relation.equation)], 8) << frustum->key << ": " << relation.equation;
        }
    }
}

// The check above finds a slip in a form: each row here is a table's
// relation with one of its forms miswritten.
TEST(FormsOfRelations, AWrongFormIsFound) {
    const struct {
        std::string_view solid, equation, wrongForm;
    } rows[] = {
        {"cone", "l² = r² + h²", "h = √(l² + r²)"},
        {"cone", "V = π·r²·h : 3", "r² = V : (π·h)"},
        {"cone", "S1 = π·r·(r + l)", "l = S1 : (π·r) + r"},
        {"cylinder", "S1 = S + 2π·r²", "r² = (S1 − S) : π"},
        {"box", "S = 2(a + b)·c", "a = S : (2c) + b"},
        {"box", "d² = a² + b² + c²", "c = √(d² − a² + b²)"},
        {"prism", "S1 = S + 2B", "B = S1 − S"},
        {"pyramid", "R = a : (2·sin(180° : n))", "a = 2R·tg(180° : n)"},
        {"pyramid", "b² = k² + (a : 2)²", "a = √(b² − k²)"},
        {"polygon", "R² = r² + (a : 2)²", "r = √(R² − a²)"},
        {"sphere", "V = 4π·r³ : 3", "r³ = 3V : (4π²)"},
        {"cube", "d = a√3", "a = d : √2"},
    };
    for (const auto& row : rows) {
        const SolidRow& solid = *solidByKey(row.solid);
        const auto relations = relationsOf(solid);
        const auto original = std::find_if(relations.begin(), relations.end(),
                                           [&](const RelationRow* r) { return r->equation == row.equation; });
        ASSERT_NE(original, relations.end()) << row.equation;
        RelationRow miswritten = **original;
        miswritten.forms = {row.wrongForm};
        std::map<std::string, int> checks;
        const std::vector<std::string> found = disagreements(solid, miswritten, checks);
        EXPECT_GE(checks[std::string(row.wrongForm)], 8) << row.wrongForm;
        const bool foundOut = std::any_of(found.begin(), found.end(),
                                          [&](const std::string& f) { return f.starts_with(row.wrongForm); });
        EXPECT_TRUE(foundOut) << row.solid << ": " << row.wrongForm << " was not found out";
    }
}

}  // namespace
}  // namespace solver::testing
