// SPDX-License-Identifier: MIT
// Angles as quantities: a right triangle's acute angle α found from its legs
// (exactly where the table of angles has it, else arctg of a fraction), and
// its legs from α; inverse functions exact at the table's angles; an angle
// given in degrees or in radians.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/angles.h"
#include "engine/compiled.h"
#include "engine/search.h"
#include "task/solver.h"

namespace solver::testing {
namespace {

// A right triangle with legs a (against α) and b, hypotenuse c.
const CompiledSolid& rightTriangle() {
    static constexpr QuantityRow quantities[] = {
        {"a", "катет", Dimension::Length, "катета a"},
        {"b", "катет", Dimension::Length, "катета b"},
        {"c", "хипотенуза", Dimension::Length, "хипотенузата"},
        {"α", "ъгъл", Dimension::Angle, "ъгъла α", false, acuteAngle},
    };
    static constexpr RelationRow relations[] = {
        {"c² = a² + b²", {"c = √(a² + b²)", "a = √(c² − b²)", "b = √(c² − a²)"}, {}, Pythagoras},
        {"tg α = a : b", {"α = arctg(a : b)", "a = b·tg α", "b = a : tg α"}},
        {"sin α = a : c", {"α = arcsin(a : c)", "a = c·sin α", "c = a : sin α"}},
    };
    static constexpr std::string_view base[] = {"a", "b"};
    static const SolidRow triangle{"triangle", "правоъгълен триъгълник", "на триъгълника", "правоъгълен триъгълник",
                                   Gender::Masculine, quantities, relations, base};
    return compiled(triangle);
}

State searched(std::initializer_list<std::pair<int, Value>> givens) {
    const CompiledSolid& solid = rightTriangle();
    Search search(solid, SearchOptions{});
    State start;
    start.known.resize(solid.row->quantities.size());
    start.checked.assign(solid.relations.size(), false);
    GivenSet bit = 1;
    for (const auto& [q, value] : givens) {
        start.known[std::size_t(q)] = Known{value, bit, true};
        bit <<= 1;
    }
    search.run(start);
    EXPECT_EQ(search.solutions().size(), 1u);
    return search.solutions().empty() ? start : search.solutions().front();
}

std::string exactOf(const State& state, int q) {
    const auto& known = state.known[std::size_t(q)];
    if (!known) return "?";
    return known->value.exact ? known->value.exact->ascii() : "~" + std::to_string(known->value.number);
}

Value exact(const std::string& text) { return Value(readValue(text).value, truePi); }

TEST(Angles, AreFoundFromTheSidesExactlyWhereTheTableHasThem) {
    EXPECT_EQ(exactOf(searched({{0, exact("√3")}, {1, exact("1")}}), 3), "60");
    EXPECT_EQ(exactOf(searched({{0, exact("1")}, {1, exact("1")}}), 3), "45");
    EXPECT_EQ(exactOf(searched({{0, exact("1")}, {2, exact("2")}}), 3), "30");
    const State inexact = searched({{0, exact("4")}, {1, exact("3")}});
    EXPECT_FALSE(inexact.known[3]->value.exact);
    EXPECT_NEAR(inexact.known[3]->value.number, 53.13010235415598, 1e-12);
}

TEST(Angles, GiveTheSidesExactly) {
    const State fromAngle = searched({{2, exact("2")}, {3, exact("30")}});
    EXPECT_EQ(exactOf(fromAngle, 0), "1");
    EXPECT_EQ(exactOf(fromAngle, 1), "sqrt(3)");
    const State fromLeg = searched({{1, exact("6")}, {3, exact("60")}});
    EXPECT_EQ(exactOf(fromLeg, 0), "6*sqrt(3)");
    EXPECT_EQ(exactOf(fromLeg, 2), "12");
}

TEST(Angles, InverseFunctionsAreExactAtTheTablesAngles) {
    const struct {
        Trigonometric function;
        std::string value;
        std::string degrees;
    } rows[] = {
        {Trigonometric::Sine, "1/2", "30"},        {Trigonometric::Sine, "√2/2", "45"},
        {Trigonometric::Sine, "1", "90"},          {Trigonometric::Cosine, "-1/2", "120"},
        {Trigonometric::Cosine, "-√3/2", "150"},   {Trigonometric::Cosine, "0", "90"},
        {Trigonometric::Tangent, "√3/3", "30"},    {Trigonometric::Tangent, "2-√3", "15"},
        {Trigonometric::Tangent, "√2-1", "45/2"},  {Trigonometric::Tangent, "√2+1", "135/2"},
        {Trigonometric::Cosine, "(√6+√2)/4", "15"},
    };
    for (const auto& row : rows) {
        const Value angle = inverseTrigonometric(row.function, exact(row.value));
        ASSERT_TRUE(angle.exact) << row.value;
        EXPECT_EQ(angle.exact->ascii(), row.degrees) << row.value;
        // And back: the function at the angle is the value.
        EXPECT_TRUE(trigonometric(row.function, angle).exact == exact(row.value).exact) << row.value;
    }
    EXPECT_TRUE(std::isnan(inverseTrigonometric(Trigonometric::Sine, exact("3/2")).number));
    EXPECT_NEAR(inverseTrigonometric(Trigonometric::Tangent, exact("4/3")).number, 53.13010235415598, 1e-12);
}

TEST(Angles, AreReadInDegreesOrRadians) {
    const TypedValue degrees = readValue("60°", true);
    ASSERT_TRUE(degrees.read);
    EXPECT_TRUE(degrees.degrees);
    EXPECT_EQ(degrees.value.ascii(), "60");
    // Without the angle's leave, a degree sign is no number.
    EXPECT_FALSE(readValue("60°").read);
}

}  // namespace
}  // namespace solver::testing
