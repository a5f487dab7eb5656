// SPDX-License-Identifier: MIT
// The engine's bounds: every table of the program within them, a table past
// them refused when it is read, and a task whose equations grow past them
// told so rather than asked for more givens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/compiled.h"
#include "engine/limits.h"
#include "engine/search.h"
#include "task/solver.h"

namespace solver::testing {
namespace {

TEST(EveryTable, IsReadWithinTheEnginesBounds) {
    for (const SolidRow& solid : allSolids()) {
        SCOPED_TRACE(std::string(solid.key));
        const CompiledSolid* read = nullptr;
        ASSERT_NO_THROW(read = &compiled(solid));
        EXPECT_LE(solid.quantities.size(), maxQuantities);
        EXPECT_LE(read->relations.size(), maxRelations);
        // Every form gives a letter of its relation, and every letter is the table's.
        for (const Relation& relation : read->relations)
            for (const Form& form : relation.forms)
                EXPECT_NE(std::find(relation.members.begin(), relation.members.end(), form.target),
                          relation.members.end())
                    << form.text;
    }
}

// A table of more quantities than a polynomial keeps exponents for.
std::vector<QuantityRow> manyQuantities() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (std::size_t i = 0; i <= maxQuantities; ++i) k.push_back("x" + std::to_string(i));
        return k;
    }();
    std::vector<QuantityRow> rows;
    for (const std::string& key : keys) rows.push_back({key, "дължина", Dimension::Length, "дължината"});
    return rows;
}

TEST(ATablePastTheBounds, IsRefusedWhenRead) {
    static const std::vector<QuantityRow> quantities = manyQuantities();
    static constexpr RelationRow relations[] = {{"x0 = 2x1"}};
    static constexpr std::string_view base[] = {"x1"};
    static const SolidRow wide{"wide", "тяло", "на тялото", "тяло", Gender::Neuter, quantities, relations, base};
    EXPECT_THROW(compiled(wide), ReadError);
}

// Two relations whose elimination leaves an equation of degree 25 in x.
TEST(ATaskPastTheBounds, IsToldItIsTooComplex) {
    static constexpr QuantityRow quantities[] = {
        {"x", "дължина", Dimension::Length, "дължината"}, {"y", "дължина", Dimension::Length, "дължината"},
        {"u", "обем", Dimension::Volume, "обема"},        {"v", "обем", Dimension::Volume, "обема"}};
    static constexpr RelationRow relations[] = {{"u = x^5 + y^5"}, {"v = x^5·y^5 + x + y"}};
    static constexpr std::string_view base[] = {"x", "y"};
    static const SolidRow steep{"steep", "тяло", "на тялото", "тяло", Gender::Neuter, quantities, relations, base};
    const CompiledSolid& solid = compiled(steep);
    Search search(solid, SearchOptions{});
    State start;
    start.known.resize(4);
    start.checked.assign(solid.relations.size(), false);
    start.known[2] = Known{Value::whole(33), 1, true};
    start.known[3] = Known{Value::whole(35), 2, true};
    search.run(start);
    EXPECT_TRUE(search.solutions().empty());
    EXPECT_TRUE(search.tooComplex());
}

}  // namespace
}  // namespace solver::testing
