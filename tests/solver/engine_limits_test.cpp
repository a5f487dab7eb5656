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

// Every table, and each with all the quantities of use it takes in.
std::vector<const SolidRow*> everyTable() {
    std::vector<const SolidRow*> tables;
    for (const SolidRow& solid : allSolids()) tables.push_back(&solid);
    for (std::span<const SolidRow* const> list : {baseShapes(), solidsOnBases(), frustums(), bodiesOfRotation()})
        tables.insert(tables.end(), list.begin(), list.end());
    // With each quantity of use a task may name (and those its letters need).
    for (std::size_t i = 0, n = tables.size(); i < n; ++i)
        for (const PartRow& use : tables[i]->uses)
            for (const QuantityRow& q : use.table().quantities)
                if (q.ofUse) tables.push_back(&withUses(*tables[i], {std::string(q.key)}));
    return tables;
}

// A prism on a triangle with every quantity of use at once is past the bounds:
// the task is told so, as any task too complex for the solver.
TEST(EveryTable, WithEveryUseAtOnceIsReadOrRefused) {
    const Outcome outcome = solve("prism-triangle", {{"a", "3"}, {"b", "4"}, {"c", "5"}, {"h", "2"}, {"f", "1/2"},
                                                     {"ρ", "2"}, {"Sd", "1"}, {"cS", "1"}, {"cV", "1"}, {"So", "9"}});
    EXPECT_EQ(outcome.status, Status::Invalid);
    EXPECT_EQ(outcome.message, tooComplex);
    const Outcome cube = solve("cube", {{"a", "3"}, {"f", "1/2"}, {"ρ", "2"}, {"Sd", "1"}, {"cS", "1"}, {"cV", "1"}});
    EXPECT_EQ(cube.status, Status::Solved);
}

TEST(EveryTable, IsReadWithinTheEnginesBounds) {
    for (const SolidRow* table : everyTable()) {
        const SolidRow& solid = *table;
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
