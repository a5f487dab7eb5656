// SPDX-License-Identifier: MIT
// Each solid's registration row (engine/registration.h): every letter it
// names is its table's, every drawer it names is known, its sheets' measures
// are the table's base measures; and a solid without a row, or with drawers
// nobody knows, says so instead of being drawn as another solid or throwing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <string_view>

#include "drawing.h"
#include "net_shape.h"
#include "outlines.h"
#include "solid_tasks.h"
#include "task_text.h"

namespace solver::testing {
namespace {

using worksheet::Numbers;

bool isQuantity(const SolidRow& solid, std::string_view key) { return quantityIndex(solid, key) >= 0; }

template <std::size_t N>
void expectQuantities(const SolidRow& solid, const std::array<std::string_view, N>& keys, const char* what) {
    for (std::string_view key : keys)
        if (!key.empty()) {
            EXPECT_TRUE(isQuantity(solid, key)) << solid.key << ": " << what << " names " << key;
        }
}

// A solved solid of the kind: its base measures 3, 4, 5, … and n = 6.
Outcome solvedFromBase(const SolidRow& solid) {
    std::vector<Given> givens;
    int value = 3;
    for (std::string_view key : solid.base) givens.push_back({std::string(key), std::to_string(value++)});
    if (wholeQuantity(solid) >= 0) givens.push_back({"n", "6"});
    return solve(solid.key, givens);
}

TEST(Registration, EveryLetterOfARowIsItsTables) {
    for (const SolidRow& solid : allSolids()) {
        ASSERT_NE(solid.registration, nullptr) << solid.key;
        const Registration& row = *solid.registration;
        expectQuantities(solid, row.drawing.proportions, "the figure's proportions");
        expectQuantities(solid, row.drawing.netDrawnFrom, "the net's measures");
        expectQuantities(solid, row.drawing.netShown, "the net's sheet");
        for (const auto* patterns : {&row.worksheet.direct, &row.worksheet.inverse})
            for (const TaskPattern& pattern : *patterns) {
                // A pattern may name a quantity of use: the sphere about the solid.
                expectQuantities(withUses(solid), pattern.givens, "a pattern's givens");
                expectQuantities(withUses(solid), pattern.sought, "a pattern's sought");
                expectQuantities(withUses(solid), pattern.more, "a pattern's asked");
            }
        expectQuantities(solid, row.drawing.sphereAxis, "the axis of the sphere about it");
        for (const RootsAtSides& roots : row.worksheet.rootsForDecimals) {
            expectQuantities(withUses(solid), roots.keys, "the roots of decimal bases");
            EXPECT_NE(std::find(row.worksheet.sides.begin(), row.worksheet.sides.end(), roots.sides),
                      row.worksheet.sides.end())
                << solid.key << ": roots for " << roots.sides << " sides, which no sheet offers";
        }
        // n only where the table counts sides.
        EXPECT_EQ(!row.worksheet.sides.empty(), wholeQuantity(solid) >= 0) << solid.key;
    }
}

TEST(Registration, EveryDrawerARowNamesIsKnownAndDraws) {
    for (const SolidRow& solid : allSolids()) {
        const DrawingRow& row = solid.registration->drawing;
        EXPECT_TRUE(drawing::figureDrawerKnown(row.figure)) << solid.key << ": " << row.figure;
        // A net's drawer, or the reason there is none; never both.
        EXPECT_NE(row.net.empty(), row.withoutNet.empty()) << solid.key;
        if (!row.net.empty()) {
            EXPECT_NE(drawing::netDrawer(row.net), nullptr) << solid.key << ": " << row.net;
        }
        const Outcome outcome = solvedFromBase(solid);
        ASSERT_EQ(outcome.status, Status::Solved) << solid.key;
        const std::string figure = drawing::figureSvg(solid, outcome.solutions.front());
        EXPECT_TRUE(figure.starts_with("<svg")) << solid.key;
        EXPECT_NE(figure.find("Чертеж: " + std::string(solid.name)), std::string::npos) << solid.key;
        const drawing::NetSvg net = drawing::netSvg(solid, outcome.solutions.front());
        if (row.net.empty()) {
            EXPECT_EQ(net.svg, "") << solid.key;
            EXPECT_EQ(net.message, row.withoutNet) << solid.key;
        } else {
            EXPECT_TRUE(net.svg.starts_with("<svg")) << solid.key << ": " << net.message;
        }
    }
}

// Every base of another shape names an outline drawer that is known, and
// every prism and pyramid on it drawers of its figure and net that are, with
// the base's letters and h on its net's sheet; each draws both from its
// base's own measures.
// A sheet's tasks on a solid on such a base: patterns of its own letters, each
// naming every measure its wording says of the base ("{a}"), and nice measures
// of its letters that determine it.
void expectSheetTasksOnBase(const SolidRow& solid) {
    const WorksheetRow* tasks = worksheet::solidTasks(solid);
    ASSERT_NE(tasks, nullptr);
    EXPECT_FALSE(tasks->direct.empty());
    EXPECT_FALSE(tasks->inverse.empty());
    EXPECT_FALSE(tasks->onBase.opening.empty());
    for (std::span<const TaskPattern> patterns : {tasks->direct, tasks->inverse})
        for (const TaskPattern& pattern : patterns) {
            std::size_t said = 0;
            for (std::string_view key : pattern.givens) {
                if (key.empty()) continue;
                EXPECT_GE(quantityIndex(solid, key), 0) << key;
                said += tasks->onBase.base.find("{" + std::string(key) + "}") != std::string_view::npos;
            }
            EXPECT_EQ(said, std::size_t(std::count(tasks->onBase.base.begin(), tasks->onBase.base.end(), '{')));
            for (std::string_view key : pattern.sought) {
                if (!key.empty()) { EXPECT_GE(quantityIndex(solid, key), 0) << key; }
            }
            for (std::string_view key : pattern.more) {
                if (!key.empty()) { EXPECT_GE(quantityIndex(solid, key), 0) << key; }
            }
        }
    for (Numbers numbers : {Numbers::Whole, Numbers::Decimal})
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            worksheet::Random random(seed);
            std::vector<Given> givens;
            for (const auto& [key, value] : worksheet::niceMeasures(solid, 0, numbers, random)) {
                EXPECT_GE(quantityIndex(solid, key), 0) << key;
                EXPECT_GT(value.value(), 0) << key;
                givens.push_back({std::string(key), value.input()});
            }
            Settings exact;
            exact.steps = false;
            EXPECT_EQ(solve(solid.key, givens, exact).status, Status::Solved) << "seed " << seed;
        }
}

TEST(Registration, SolidsOnBasesOfOtherShapesAreDrawnOnTheirBasesOutline) {
    for (const SolidRow* shape : baseShapes()) {
        ASSERT_NE(shape->registration, nullptr) << shape->key;
        EXPECT_TRUE(drawing::outlineDrawerKnown(shape->registration->drawing.outline)) << shape->key;
        EXPECT_TRUE(drawing::figureDrawerKnown(shape->registration->drawing.figure)) << shape->key;
    }
    for (const SolidRow* solid : solidsOnBases()) {
        SCOPED_TRACE(solid->key);
        ASSERT_NE(solid->registration, nullptr);
        const DrawingRow& row = solid->registration->drawing;
        EXPECT_EQ(row.outline, solid->parts.front().table().registration->drawing.outline);
        EXPECT_TRUE(drawing::figureDrawerKnown(row.figure)) << row.figure;
        EXPECT_NE(drawing::netDrawer(row.net), nullptr) << row.net;
        expectQuantities(*solid, row.proportions, "the figure's proportions");
        expectQuantities(*solid, row.netDrawnFrom, "the net's measures");
        expectQuantities(*solid, row.netShown, "the net's sheet");
        EXPECT_NE(std::find(row.netShown.begin(), row.netShown.end(), "h"), row.netShown.end());
        for (std::string_view key : solid->parts.front().table().base)
            EXPECT_NE(std::find(row.netShown.begin(), row.netShown.end(), key), row.netShown.end()) << key;
        expectSheetTasksOnBase(*solid);
    }
}

TEST(Registration, ASheetDrawsATablesBaseMeasures) {
    for (const SolidRow& solid : allSolids()) {
        const WorksheetRow* tasks = worksheet::solidTasks(solid);
        ASSERT_NE(tasks, nullptr) << solid.key;
        EXPECT_FALSE(tasks->direct.empty()) << solid.key;
        EXPECT_FALSE(tasks->inverse.empty()) << solid.key;
        const std::set<std::string_view> base(solid.base.begin(), solid.base.end());
        std::vector<int> sides(tasks->sides.begin(), tasks->sides.end());
        if (sides.empty()) sides.push_back(0);
        for (int n : sides)
            for (Numbers numbers : {Numbers::Whole, Numbers::Decimal})
                for (std::uint64_t seed = 1; seed <= 40; ++seed) {
                    worksheet::Random random(seed);
                    std::set<std::string_view> drawn;
                    for (const auto& [key, value] : worksheet::niceMeasures(solid, n, numbers, random)) {
                        EXPECT_TRUE(drawn.insert(key).second) << solid.key << ": " << key << " drawn twice";
                        EXPECT_GT(value.value(), 0) << solid.key << " " << key;
                    }
                    EXPECT_EQ(drawn, base) << solid.key << " n=" << n << " seed " << seed;
                }
    }
}

// A box's two base edges differ (a square base is another task), and a
// sphere's radius on a decimal sheet is often a half.
TEST(Registration, MeasureChoicesKeepTheirRules) {
    const SolidRow& box = *solidByKey("правоъгълен паралелепипед");
    const SolidRow& ball = *solidByKey("кълбо");
    int halves = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        worksheet::Random random(seed);
        const auto edges = worksheet::niceMeasures(box, 0, seed % 2 ? Numbers::Whole : Numbers::Decimal, random);
        ASSERT_EQ(edges.size(), 3u);
        EXPECT_FALSE(edges[0].second == edges[1].second) << "seed " << seed;
        worksheet::Random again(seed);
        const auto radius = worksheet::niceMeasures(ball, 0, Numbers::Decimal, again);
        ASSERT_EQ(radius.size(), 1u);
        if (std::fmod(2 * radius[0].second.value(), 2.0) == 1.0) ++halves;
    }
    // Two in three, as the row says (all but one in three), and a few of the tenths.
    EXPECT_GT(halves, 150);
    EXPECT_LT(halves, 250);
}

// What a student may type for a solid, each name in its own table's row.
TEST(Registration, ASolidIsFoundByEveryName) {
    const std::pair<const char*, const char*> names[] = {
        {"куб", "cube"},           {"кутия", "box"},          {"cuboid", "box"},        {"паралелепипед", "box"},
        {"правоъгълен паралелепипед", "box"}, {"призма", "prism"}, {"права призма", "prism"},
        {"пирамида", "pyramid"},   {"правилна пирамида", "pyramid"}, {"многоъгълник", "polygon"},
        {"цилиндър", "cylinder"},  {"конус", "cone"},         {"сфера", "sphere"},      {"кълбо", "sphere"},
        {"сфера и кълбо", "sphere"}, {"ball", "sphere"},      {"sphere", "sphere"},     {"cone", "cone"},
    };
    for (const auto& [name, key] : names) {
        const SolidRow* solid = solidByKey(name);
        ASSERT_NE(solid, nullptr) << name;
        EXPECT_EQ(solid->key, key) << name;
    }
    for (const char* none : {"", "Куб", "frustum", "hexahedron", "right cone", "конуси"})
        EXPECT_EQ(solidByKey(none), nullptr) << none;
}

// The frustums, found by their keys before the window and the page offer
// them: every letter their rows name is theirs, their drawers are known and
// draw them from the measures that fix them (3, 4, 5 in turn, the smaller base first).
TEST(Registration, FrustumsAreFoundByKeyAndDrawn) {
    const std::pair<const char*, const char*> names[] = {
        {"cone-frustum", "cone-frustum"}, {"пресечен конус", "cone-frustum"}, {"pyramid-frustum", "pyramid-frustum"},
        {"пресечена пирамида", "pyramid-frustum"}, {"правилна пресечена пирамида", "pyramid-frustum"}};
    for (const auto& [name, key] : names) {
        const SolidRow* solid = solidByKey(name);
        ASSERT_NE(solid, nullptr) << name;
        EXPECT_EQ(solid->key, key) << name;
    }
    ASSERT_EQ(frustums().size(), 2u);
    for (const SolidRow* frustum : frustums()) {
        const SolidRow& solid = *frustum;
        EXPECT_TRUE(std::none_of(allSolids().begin(), allSolids().end(), [&](const SolidRow& s) { return &s == frustum; }));
        ASSERT_NE(solid.registration, nullptr) << solid.key;
        const DrawingRow& row = solid.registration->drawing;
        expectQuantities(solid, row.proportions, "the figure's proportions");
        expectQuantities(solid, row.netDrawnFrom, "the net's measures");
        expectQuantities(solid, row.netShown, "the net's sheet");
        EXPECT_TRUE(drawing::figureDrawerKnown(row.figure)) << solid.key;
        EXPECT_NE(drawing::netDrawer(row.net), nullptr) << solid.key;
        const Outcome outcome = solvedFromBase(solid);
        ASSERT_EQ(outcome.status, Status::Solved) << solid.key << ": " << outcome.message;
        const std::string figure = drawing::figureSvg(solid, outcome.solutions.front());
        EXPECT_NE(figure.find("Чертеж: " + std::string(solid.name)), std::string::npos) << solid.key;
        EXPECT_TRUE(drawing::netSvg(solid, outcome.solutions.front()).svg.starts_with("<svg")) << solid.key;
    }
}

// A solid the tables gain before its drawings and tasks: no figure, the
// reason it has no net, no tasks, and no measures; never another solid's.
TEST(Registration, ASolidWithoutARowSaysSo) {
    const SolidRow& cone = *solidByKey("cone");
    SolidRow bare = cone;
    bare.registration = nullptr;
    Registration unknown = *cone.registration;
    unknown.drawing.figure = "frustum";
    unknown.drawing.net = "frustum";
    SolidRow strange = cone;
    strange.registration = &unknown;
    const Outcome outcome = solve("cone", {{"r", "3"}, {"h", "4"}});
    ASSERT_EQ(outcome.status, Status::Solved);
    const Solution& solution = outcome.solutions.front();
    for (const SolidRow* solid : {&bare, &strange}) {
        EXPECT_EQ(drawing::figureSvg(*solid, solution), "");
        const drawing::NetSvg net = drawing::netSvg(*solid, solution);
        EXPECT_EQ(net.svg, "");
        EXPECT_EQ(net.message, "Развивката на конуса още не може да се начертае.");
    }
    EXPECT_EQ(drawing::withoutFigure(bare), "Чертеж на конуса още не може да се начертае.");
    EXPECT_EQ(worksheet::solidTasks(bare), nullptr);
    worksheet::Random random(7);
    EXPECT_TRUE(worksheet::niceMeasures(bare, 0, Numbers::Whole, random).empty());
    EXPECT_FALSE(isPlaneFigure("frustum"));
    EXPECT_TRUE(isPlaneFigure("polygon"));
    EXPECT_FALSE(isPlaneFigure("cone"));
}

}  // namespace
}  // namespace solver::testing
