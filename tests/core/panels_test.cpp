// The six panels pressed through Form1Handlers against a memory field store:
// one table per panel, one row per case, every row run under both separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "error_stop.h"
#include "fakes.h"

namespace geometry::testing {
namespace {

using enum Field;
using enum Button;
using enum StopReason;

using Texts = std::vector<std::pair<Field, std::string>>;
const auto bothSeparators = ::testing::Values(std::string("."), std::string(","));

// A panel as the panel table gives it.
struct PanelUnderTest {
    PanelUnderTest(const char* testName, Panel panel) : name(testName) {
        const PanelRow& row = panelRow(panel);
        calculate = row.calculate.button;
        for (const ResultRow& result : row.results) results.push_back(result.field);
        caption = row.caption;
    }
    const char* name;
    Button calculate;
    std::vector<Field> results;  // in the order a press writes them
    std::string caption;
};

// Texts in a row: '.' stands for the locale's separator, '~' for the other one.
struct Row {
    const char* what = "";
    Texts typed = {};
    Texts shown = {};                      // after the press; empty when it fails or does nothing
    std::optional<StopReason> stop = {};   // a failed press
    std::optional<Field> stopField = {};   // the input to fix, for input errors
    std::vector<Field> reads = {};         // every field read, in order (checked when given)
};

struct PanelTable {
    PanelUnderTest panel;
    std::vector<Row> rows;
};

const std::string old = "old";  // what the result fields show before a press

// Presses the panel's calculate button with the row's texts typed.
Bench& pressRow(Bench& bench, const PanelUnderTest& panel, const Row& row) {
    for (Field field : panel.results) bench.fields.texts[field] = old;
    for (const auto& [field, text] : row.typed)
        bench.fields.texts[field] = localized(text, bench.handlers.decimalSeparator());
    bench.handlers.press(panel.calculate);
    return bench;
}

void expectRow(const PanelUnderTest& panel, const Row& row, const std::string& separator) {
    Bench bench(separator);
    pressRow(bench, panel, row);
    const auto& texts = bench.fields.texts;
    if (!row.reads.empty()) {
        EXPECT_EQ(bench.fields.reads, row.reads);
    }
    for (const auto& [field, text] : row.typed)
        EXPECT_EQ(texts.at(field), localized(text, separator)) << "an input changed";

    if (row.stop) {
        ASSERT_EQ(bench.window.stops.size(), 1u) << "expected an error stop";
        const ErrorStop& stop = bench.window.stops.front();
        EXPECT_EQ(stop.reason(), *row.stop);
        EXPECT_EQ(stop.field(), row.stopField);
        EXPECT_EQ(stop.panelCaption(), panel.caption);
    } else {
        EXPECT_TRUE(bench.window.stops.empty()) << "unexpected error stop";
    }
    if (row.shown.empty()) {
        EXPECT_TRUE(bench.fields.writes.empty());
        for (Field field : panel.results) EXPECT_EQ(texts.at(field), old) << ::testing::PrintToString(field);
        return;
    }
    EXPECT_EQ(bench.fields.writes, panel.results);
    for (const auto& [field, text] : row.shown)
        EXPECT_EQ(texts.at(field), localized(text, separator)) << ::testing::PrintToString(field);

    // A second press shows the same texts: nothing depends on the fields' old texts.
    const auto afterFirst = texts;
    bench.handlers.press(panel.calculate);
    EXPECT_EQ(bench.fields.texts, afterFirst);
    EXPECT_TRUE(bench.window.stops.empty());
}

// Stable names in the test list, not addresses.
void PrintTo(const PanelTable* table, std::ostream* out) { *out << table->panel.name; }

class PanelTables : public ::testing::TestWithParam<std::tuple<const PanelTable*, size_t, std::string>> {};

TEST_P(PanelTables, PressGivesTheRowsResult) {
    const auto& [table, index, separator] = GetParam();
    const Row& row = table->rows[index];
    SCOPED_TRACE(row.what);
    expectRow(table->panel, row, separator);
}

std::string rowName(const ::testing::TestParamInfo<PanelTables::ParamType>& info) {
    return "row" + std::to_string(std::get<1>(info.param)) + "_" + separatorName(std::get<2>(info.param));
}

#define PANEL_TABLE(Name, table)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Name, PanelTables,                                                  \
                             ::testing::Combine(::testing::Values(&table),                       \
                                                ::testing::Range<size_t>(0, table.rows.size()),  \
                                                bothSeparators),                                 \
                             rowName)

// ---------------------------------------------------------------------------
// Right prism: the choice field picks the kind
// ---------------------------------------------------------------------------

const std::vector<Field> boxReads = {PrismKind, BoxEdgeA, BoxEdgeB, BoxEdgeC, PrismKind, PrismKind};
const std::vector<Field> cubeReads = {PrismKind, PrismKind, CubeEdge, PrismKind};
const std::vector<Field> otherPrismReads = {PrismKind, PrismKind, PrismKind, PrismBasePerimeter, PrismHeight, PrismBaseArea};
const std::vector<Field> noKindReads = {PrismKind, PrismKind, PrismKind};

Row choiceMatchingNothing(const char* choice) {
    return {.what = "a choice that matches no kind does nothing",
            .typed = {{PrismKind, choice}},
            .reads = noKindReads};
}

const PanelTable rightPrism{
    {"RightPrism", Panel::RightPrism},
    {
        {.what = "the ordinary box",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "4"}},
         .shown = {{PrismSurface, "52"}, {PrismFullSurface, ""}, {PrismVolume, "24"}},
         .reads = boxReads},
        {.what = "halves and eighths are exact",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1.5"}, {BoxEdgeB, "2.5"}, {BoxEdgeC, "3.5"}},
         .shown = {{PrismSurface, "35.5"}, {PrismFullSurface, ""}, {PrismVolume, "13.125"}}},
        {.what = "the box's products stay in double precision",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1.1"}, {BoxEdgeB, "1.1"}, {BoxEdgeC, "1.3"}},
         .shown = {{PrismSurface, "8.14"}, {PrismFullSurface, ""}, {PrismVolume, "1.573"}}},
        {.what = "32-bit inputs show in the seventh digit",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1.1"}, {BoxEdgeB, "3.3"}, {BoxEdgeC, "0.3"}},
         .shown = {{PrismSurface, "9.900001"}, {PrismFullSurface, ""}, {PrismVolume, "1.089"}}},
        {.what = "the ordinary cube",
         .typed = {{PrismKind, "2"}, {CubeEdge, "3"}},
         .shown = {{PrismSurface, "54"}, {PrismFullSurface, ""}, {PrismVolume, "27"}},
         .reads = cubeReads},
        {.what = "the cube's power and factor 6 stay in double precision",
         .typed = {{PrismKind, "2"}, {CubeEdge, "3.9"}},
         .shown = {{PrismSurface, "91.26"}, {PrismFullSurface, ""}, {PrismVolume, "59.319"}}},
        {.what = "the cube's edge is a 32-bit float before it is raised",
         .typed = {{PrismKind, "2"}, {CubeEdge, "9.9"}},
         .shown = {{PrismSurface, "588.0599"}, {PrismFullSurface, ""}, {PrismVolume, "970.2989"}}},
        {.what = "a negative edge gives a negative volume",
         .typed = {{PrismKind, "2"}, {CubeEdge, "-2"}},
         .shown = {{PrismSurface, "24"}, {PrismFullSurface, ""}, {PrismVolume, "-8"}}},
        {.what = "a volume near the top of the range still fits",
         .typed = {{PrismKind, "2"}, {CubeEdge, "6000000000000"}},
         .shown = {{PrismSurface, "2.16E+26"}, {PrismFullSurface, ""}, {PrismVolume, "2.16E+38"}}},
        {.what = "the cube's volume is not checked: it shows infinity",
         .typed = {{PrismKind, "2"}, {CubeEdge, "10000000000000"}},
         .shown = {{PrismSurface, "6E+26"}, {PrismFullSurface, ""}, {PrismVolume, "∞"}},
         .reads = cubeReads},
        {.what = "an unchecked volume takes the edge's sign",
         .typed = {{PrismKind, "2"}, {CubeEdge, "-1e13"}},
         .shown = {{PrismSurface, "6E+26"}, {PrismFullSurface, ""}, {PrismVolume, "-∞"}}},
        {.what = "the cube reads only its edge",
         .typed = {{PrismKind, "2"}, {BoxEdgeA, "abc"}, {BoxEdgeB, ""}, {BoxEdgeC, "x"}, {PrismBasePerimeter, "1e39"},
                   {PrismBaseArea, "-"}, {PrismHeight, "2~5"}, {CubeEdge, "3"}},
         .shown = {{PrismSurface, "54"}, {PrismFullSurface, ""}, {PrismVolume, "27"}},
         .reads = cubeReads},
        {.what = "the ordinary prism",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "12"}, {PrismHeight, "5"}, {PrismBaseArea, "9"}},
         .shown = {{PrismSurface, "60"}, {PrismFullSurface, "78"}, {PrismVolume, "45"}},
         .reads = otherPrismReads},
        {.what = "S1 adds the 32-bit S",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "1.1"}, {PrismHeight, "3.3"}, {PrismBaseArea, "2.2"}},
         .shown = {{PrismSurface, "3.63"}, {PrismFullSurface, "8.030001"}, {PrismVolume, "7.26"}}},
        {.what = "another prism",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "10"}, {PrismHeight, "2.5"}, {PrismBaseArea, "6"}},
         .shown = {{PrismSurface, "25"}, {PrismFullSurface, "37"}, {PrismVolume, "15"}}},
        choiceMatchingNothing("4"),
        choiceMatchingNothing(""),
        choiceMatchingNothing(" 1"),
        choiceMatchingNothing("1 "),
        choiceMatchingNothing("01"),
        choiceMatchingNothing("1.0"),
        choiceMatchingNothing(" "),
        choiceMatchingNothing("\t2"),
        choiceMatchingNothing("3 "),
        choiceMatchingNothing("12"),
        choiceMatchingNothing("\xEF\xBC\x91"),  // fullwidth 1
        {.what = "a choice matching nothing reads nothing else, even beside filled fields",
         .typed = {{PrismKind, "0"}, {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "4"}, {CubeEdge, "3"}},
         .reads = noKindReads},
        {.what = "an empty box edge stops at its read",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "2"}, {BoxEdgeB, ""}, {BoxEdgeC, "4"}},
         .stop = EmptyField, .stopField = BoxEdgeB, .reads = {PrismKind, BoxEdgeA, BoxEdgeB}},
        {.what = "an empty box stops at the first edge",
         .typed = {{PrismKind, "1"}},
         .stop = EmptyField, .stopField = BoxEdgeA, .reads = {PrismKind, BoxEdgeA}},
        {.what = "a letter in a box edge",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "abc"}},
         .stop = NotANumber, .stopField = BoxEdgeC, .reads = {PrismKind, BoxEdgeA, BoxEdgeB, BoxEdgeC}},
        {.what = "the box's volume overflows",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1e13"}, {BoxEdgeB, "1e13"}, {BoxEdgeC, "1e13"}},
         .stop = ResultOverflow, .reads = {PrismKind, BoxEdgeA, BoxEdgeB, BoxEdgeC}},
        {.what = "the box's surface overflows",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1e20"}, {BoxEdgeB, "1e20"}, {BoxEdgeC, "1e-30"}},
         .stop = ResultOverflow, .reads = {PrismKind, BoxEdgeA, BoxEdgeB, BoxEdgeC}},
        {.what = "the cube's surface overflows",
         .typed = {{PrismKind, "2"}, {CubeEdge, "1e19"}},
         .stop = ResultOverflow, .reads = {PrismKind, PrismKind, CubeEdge}},
        {.what = "a negative edge overflows the surface too",
         .typed = {{PrismKind, "2"}, {CubeEdge, "-1e19"}},
         .stop = ResultOverflow, .reads = {PrismKind, PrismKind, CubeEdge}},
        {.what = "a cube edge beyond the 32-bit range",
         .typed = {{PrismKind, "2"}, {CubeEdge, "1e39"}},
         .stop = NumberTooLarge, .stopField = CubeEdge, .reads = {PrismKind, PrismKind, CubeEdge}},
        {.what = "a cube edge with the wrong separator",
         .typed = {{PrismKind, "2"}, {CubeEdge, "2~5"}},
         .stop = WrongSeparator, .stopField = CubeEdge, .reads = {PrismKind, PrismKind, CubeEdge}},
        {.what = "the height is read before the base area",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "1"}, {PrismHeight, ""}, {PrismBaseArea, "1e39"}},
         .stop = EmptyField, .stopField = PrismHeight, .reads = {PrismKind, PrismKind, PrismKind, PrismBasePerimeter, PrismHeight}},
        {.what = "a perimeter of blanks only",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, " \t "}, {PrismHeight, "1"}, {PrismBaseArea, "1"}},
         .stop = EmptyField, .stopField = PrismBasePerimeter, .reads = {PrismKind, PrismKind, PrismKind, PrismBasePerimeter}},
        {.what = "the prism's S overflows",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "1e20"}, {PrismHeight, "1e19"}, {PrismBaseArea, "1"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
        {.what = "the prism's S1 overflows",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "1"}, {PrismHeight, "1"}, {PrismBaseArea, "3e38"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
        {.what = "the prism's V overflows",
         .typed = {{PrismKind, "3"}, {PrismBasePerimeter, "0"}, {PrismHeight, "1e10"}, {PrismBaseArea, "1e30"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
    }};
PANEL_TABLE(RightPrism, rightPrism);

TEST(RightPrism, AKindOneAfterAKindThreeEmptiesS1) {
    for (const std::string separator : {".", ","}) {
        Bench bench(separator);
        auto& texts = bench.fields.texts;
        texts = {{PrismKind, "3"}, {PrismBasePerimeter, "12"}, {PrismHeight, "5"}, {PrismBaseArea, "9"},
                 {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "4"}};
        bench.handlers.press(CalculateRightPrism);
        ASSERT_EQ(texts[PrismFullSurface], "78");
        texts[PrismKind] = "1";
        bench.handlers.press(CalculateRightPrism);
        EXPECT_EQ(texts[PrismSurface], "52");
        EXPECT_EQ(texts[PrismFullSurface], "");
        EXPECT_EQ(texts[PrismVolume], "24");
        EXPECT_TRUE(bench.window.stops.empty());
    }
}

TEST(RightPrism, AfterClearThePressDoesNothingUntilAKindIsTyped) {
    Bench bench(",");
    auto& texts = bench.fields.texts;
    texts = {{PrismKind, "2"}, {CubeEdge, "3"}};
    bench.handlers.press(CalculateRightPrism);
    bench.handlers.press(ClearRightPrism);
    texts[CubeEdge] = "3";
    bench.fields.reads.clear();
    bench.fields.writes.clear();
    bench.handlers.press(CalculateRightPrism);
    EXPECT_EQ(bench.fields.reads, noKindReads);
    EXPECT_TRUE(bench.fields.writes.empty());
    EXPECT_TRUE(bench.window.stops.empty());
    texts[PrismKind] = "2";
    bench.handlers.press(CalculateRightPrism);
    EXPECT_EQ(texts[PrismSurface], "54");
}

// ---------------------------------------------------------------------------
// Regular pyramid: reads base area, apothem, height, then perimeter
// ---------------------------------------------------------------------------

const std::vector<Field> pyramidReads = {PyramidBaseArea, PyramidApothem, PyramidHeight, PyramidBasePerimeter};

Texts pyramidInputs(const char* P, const char* B, const char* k, const char* h) {
    return {{PyramidBasePerimeter, P}, {PyramidBaseArea, B}, {PyramidApothem, k}, {PyramidHeight, h}};
}

const PanelTable regularPyramid{
    {"RegularPyramid", Panel::RegularPyramid},
    {
        {.what = "a square pyramid with base edge 6",
         .typed = pyramidInputs("24", "36", "5", "4"),
         .shown = {{PyramidLateralSurface, "60"}, {PyramidFullSurface, "96"}, {PyramidVolume, "48"}},
         .reads = pyramidReads},
        {.what = "the volume is a third",
         .typed = pyramidInputs("10", "7", "3", "1"),
         .shown = {{PyramidLateralSurface, "15"}, {PyramidFullSurface, "22"}, {PyramidVolume, "2.333333"}}},
        {.what = "S1 adds the 32-bit S",
         .typed = pyramidInputs("1.1", "7.25", "3.3", "1"),
         .shown = {{PyramidLateralSurface, "1.815"}, {PyramidFullSurface, "9.065001"}, {PyramidVolume, "2.416667"}}},
        {.what = "(h × B) ÷ 3 in double precision",
         .typed = pyramidInputs("1.1", "7.7", "1", "1.1"),
         .shown = {{PyramidLateralSurface, "0.55"}, {PyramidFullSurface, "8.25"}, {PyramidVolume, "2.823333"}}},
        {.what = "a product beyond the 32-bit range whose third fits is no fault",
         .typed = pyramidInputs("1", "1e20", "1", "1e19"),
         .shown = {{PyramidLateralSurface, "0.5"}, {PyramidFullSurface, "1E+20"}, {PyramidVolume, "3.333333E+38"}}},
        {.what = "zeros",
         .typed = pyramidInputs("0", "0", "0", "0"),
         .shown = {{PyramidLateralSurface, "0"}, {PyramidFullSurface, "0"}, {PyramidVolume, "0"}}},
        {.what = "negative inputs follow the formulas",
         .typed = pyramidInputs("-10", "7", "3", "1"),
         .shown = {{PyramidLateralSurface, "-15"}, {PyramidFullSurface, "-8"}, {PyramidVolume, "2.333333"}}},
        {.what = "the base area is read first: its overflow is reported",
         .typed = {{PyramidBaseArea, "1e39"}, {PyramidBasePerimeter, ""}},
         .stop = NumberTooLarge, .stopField = PyramidBaseArea, .reads = {PyramidBaseArea}},
        {.what = "the half product overflows S",
         .typed = pyramidInputs("1e20", "1", "1e19", "1"),
         .stop = ResultOverflow, .reads = pyramidReads},
        {.what = "S1 overflows",
         .typed = pyramidInputs("2", "3e38", "3e38", "1"),
         .stop = ResultOverflow, .reads = pyramidReads},
        {.what = "V overflows",
         .typed = pyramidInputs("1", "1e30", "1", "1e10"),
         .stop = ResultOverflow, .reads = pyramidReads},
        {.what = "an empty panel stops at the base area",
         .typed = {},
         .stop = EmptyField, .stopField = PyramidBaseArea, .reads = {PyramidBaseArea}},
        {.what = "an apothem with the wrong separator",
         .typed = pyramidInputs("1", "1", "2~5", "1"),
         .stop = WrongSeparator, .stopField = PyramidApothem, .reads = {PyramidBaseArea, PyramidApothem}},
        {.what = "a height that is not a number",
         .typed = pyramidInputs("1", "1", "1", "abc"),
         .stop = NotANumber, .stopField = PyramidHeight, .reads = {PyramidBaseArea, PyramidApothem, PyramidHeight}},
        {.what = "the perimeter is read last",
         .typed = pyramidInputs("-", "1", "1", "1"),
         .stop = NotANumber, .stopField = PyramidBasePerimeter, .reads = pyramidReads},
    }};
PANEL_TABLE(RegularPyramid, regularPyramid);

// ---------------------------------------------------------------------------
// Regular polygon
// ---------------------------------------------------------------------------

Texts polygonInputs(const char* n, const char* a) { return {{PolygonSides, n}, {PolygonSide, a}}; }
const std::vector<Field> polygonReads = {PolygonSides, PolygonSide};

const PanelTable regularPolygon{
    {"RegularPolygon", Panel::RegularPolygon},
    {
        {.what = "the unit square", .typed = polygonInputs("4", "1"),
         .shown = {{PolygonPerimeter, "4"}, {PolygonArea, "1"}}, .reads = polygonReads},
        {.what = "cot(π/4) with π as 3.141592 is above 1", .typed = polygonInputs("4", "2"),
         .shown = {{PolygonPerimeter, "8"}, {PolygonArea, "4.000001"}}},
        {.what = "triangle", .typed = polygonInputs("3", "2"),
         .shown = {{PolygonPerimeter, "6"}, {PolygonArea, "1.732052"}}},
        {.what = "hexagon", .typed = polygonInputs("6", "1"),
         .shown = {{PolygonPerimeter, "6"}, {PolygonArea, "2.598077"}}},
        {.what = "octagon", .typed = polygonInputs("8", "1"),
         .shown = {{PolygonPerimeter, "8"}, {PolygonArea, "4.828428"}}},
        {.what = "dodecagon", .typed = polygonInputs("12", "3"),
         .shown = {{PolygonPerimeter, "36"}, {PolygonArea, "100.7654"}}},
        {.what = "sine and cosine stay in double precision", .typed = polygonInputs("100", "1"),
         .shown = {{PolygonPerimeter, "100"}, {PolygonArea, "795.5131"}}},
        {.what = "a fractional number of sides", .typed = polygonInputs("2.5", "1"),
         .shown = {{PolygonPerimeter, "2.5"}, {PolygonArea, "0.203075"}}},
        {.what = "the cosine of 3.141592 ÷ 2 is not zero", .typed = polygonInputs("2", "1"),
         .shown = {{PolygonPerimeter, "2"}, {PolygonArea, "1.633974E-07"}}},
        {.what = "a one-sided polygon", .typed = polygonInputs("1", "1"),
         .shown = {{PolygonPerimeter, "1"}, {PolygonArea, "-382502.9"}}},
        {.what = "a negative number of sides", .typed = polygonInputs("-4", "2"),
         .shown = {{PolygonPerimeter, "-8"}, {PolygonArea, "4.000001"}}},
        {.what = "a zero side", .typed = polygonInputs("5", "0"),
         .shown = {{PolygonPerimeter, "0"}, {PolygonArea, "0"}}},
        {.what = "no sides: a division by zero", .typed = polygonInputs("0", "1"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "minus zero sides", .typed = polygonInputs("-0", "2.5"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "no sides and no side length", .typed = polygonInputs("0", "0"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "an empty side", .typed = polygonInputs("4", ""),
         .stop = EmptyField, .stopField = PolygonSide, .reads = polygonReads},
        {.what = "the side is read even when n is zero", .typed = polygonInputs("0", "abc"),
         .stop = NotANumber, .stopField = PolygonSide, .reads = polygonReads},
        {.what = "an empty number of sides", .typed = polygonInputs("", "1"),
         .stop = EmptyField, .stopField = PolygonSides, .reads = {PolygonSides}},
        {.what = "the perimeter overflows", .typed = polygonInputs("1e20", "1e20"),
         .stop = ResultOverflow, .reads = polygonReads},
        {.what = "the area overflows while the perimeter fits", .typed = polygonInputs("4", "2e19"),
         .stop = ResultOverflow, .reads = polygonReads},
    }};
PANEL_TABLE(RegularPolygon, regularPolygon);

// ---------------------------------------------------------------------------
// Cylinder
// ---------------------------------------------------------------------------

Texts cylinderInputs(const char* r, const char* h) { return {{CylinderRadius, r}, {CylinderHeight, h}}; }
const std::vector<Field> cylinderReads = {CylinderRadius, CylinderHeight};

const PanelTable cylinder{
    {"Cylinder", Panel::Cylinder},
    {
        {.what = "unit radius and height", .typed = cylinderInputs("1", "1"),
         .shown = {{CylinderLateralSurface, "6.283184"}, {CylinderFullSurface, "12.56637"}, {CylinderVolume, "3.141592"}},
         .reads = cylinderReads},
        {.what = "the ordinary case", .typed = cylinderInputs("2", "5"),
         .shown = {{CylinderLateralSurface, "62.83184"}, {CylinderFullSurface, "87.96458"}, {CylinderVolume, "62.83184"}}},
        {.what = "S1 adds the 32-bit S", .typed = cylinderInputs("1", "11"),
         .shown = {{CylinderLateralSurface, "69.11502"}, {CylinderFullSurface, "75.3982"}, {CylinderVolume, "34.55751"}}},
        {.what = "trailing zeros are dropped", .typed = cylinderInputs("10", "12"),
         .shown = {{CylinderLateralSurface, "753.9821"}, {CylinderFullSurface, "1382.3"}, {CylinderVolume, "3769.91"}}},
        {.what = "radius 3, height 10", .typed = cylinderInputs("3", "10"),
         .shown = {{CylinderLateralSurface, "188.4955"}, {CylinderFullSurface, "245.0442"}, {CylinderVolume, "282.7433"}}},
        {.what = "a zero height still gives the bases", .typed = cylinderInputs("1", "0"),
         .shown = {{CylinderLateralSurface, "0"}, {CylinderFullSurface, "6.283184"}, {CylinderVolume, "0"}}},
        {.what = "a zero radius", .typed = cylinderInputs("0", "5"),
         .shown = {{CylinderLateralSurface, "0"}, {CylinderFullSurface, "0"}, {CylinderVolume, "0"}}},
        {.what = "negative inputs follow the formulas", .typed = cylinderInputs("-1", "2"),
         .shown = {{CylinderLateralSurface, "-12.56637"}, {CylinderFullSurface, "-6.283184"}, {CylinderVolume, "6.283184"}}},
        {.what = "an empty radius", .typed = cylinderInputs("", "1"),
         .stop = EmptyField, .stopField = CylinderRadius, .reads = {CylinderRadius}},
        {.what = "an empty height", .typed = cylinderInputs("1", ""),
         .stop = EmptyField, .stopField = CylinderHeight, .reads = cylinderReads},
        {.what = "S1 overflows though S and V would fit", .typed = cylinderInputs("1e19", "1"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "S overflows", .typed = cylinderInputs("1e20", "1e20"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "only V overflows", .typed = cylinderInputs("1e15", "1e10"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "a radius beyond the 32-bit range", .typed = cylinderInputs("-1e39", "1"),
         .stop = NumberTooLarge, .stopField = CylinderRadius, .reads = {CylinderRadius}},
    }};
PANEL_TABLE(Cylinder, cylinder);

// ---------------------------------------------------------------------------
// Cone
// ---------------------------------------------------------------------------

Texts coneInputs(const char* r, const char* h, const char* l) {
    return {{ConeRadius, r}, {ConeHeight, h}, {ConeSlantHeight, l}};
}
const std::vector<Field> coneReads = {ConeRadius, ConeHeight, ConeSlantHeight};

const PanelTable cone{
    {"Cone", Panel::Cone},
    {
        {.what = "the ordinary case", .typed = coneInputs("3", "4", "5"),
         .shown = {{ConeLateralSurface, "47.12388"}, {ConeFullSurface, "75.39821"}, {ConeVolume, "37.6991"}},
         .reads = coneReads},
        {.what = "the slant height is used as typed", .typed = coneInputs("3", "4", "10"),
         .shown = {{ConeLateralSurface, "94.24776"}, {ConeFullSurface, "122.5221"}, {ConeVolume, "37.6991"}}},
        {.what = "the height enters only V", .typed = coneInputs("3", "0", "5"),
         .shown = {{ConeLateralSurface, "47.12388"}, {ConeFullSurface, "75.39821"}, {ConeVolume, "0"}}},
        {.what = "a zero slant height leaves the base", .typed = coneInputs("3", "4", "0"),
         .shown = {{ConeLateralSurface, "0"}, {ConeFullSurface, "28.27433"}, {ConeVolume, "37.6991"}}},
        {.what = "S1 adds the 32-bit S", .typed = coneInputs("1", "4", "13"),
         .shown = {{ConeLateralSurface, "40.84069"}, {ConeFullSurface, "43.98228"}, {ConeVolume, "4.188789"}}},
        {.what = "V stays in double precision", .typed = coneInputs("6", "10", "10"),
         .shown = {{ConeLateralSurface, "188.4955"}, {ConeFullSurface, "301.5928"}, {ConeVolume, "376.991"}}},
        {.what = "a zero radius", .typed = coneInputs("0", "4", "5"),
         .shown = {{ConeLateralSurface, "0"}, {ConeFullSurface, "0"}, {ConeVolume, "0"}}},
        {.what = "an empty radius", .typed = coneInputs("", "4", "5"),
         .stop = EmptyField, .stopField = ConeRadius, .reads = {ConeRadius}},
        {.what = "an empty height", .typed = coneInputs("3", "", "5"),
         .stop = EmptyField, .stopField = ConeHeight, .reads = {ConeRadius, ConeHeight}},
        {.what = "an empty slant height", .typed = coneInputs("3", "4", ""),
         .stop = EmptyField, .stopField = ConeSlantHeight, .reads = coneReads},
        {.what = "a height that is not a number stops the press", .typed = coneInputs("3", "abc", "5"),
         .stop = NotANumber, .stopField = ConeHeight, .reads = {ConeRadius, ConeHeight}},
        {.what = "only V overflows", .typed = coneInputs("1e10", "1e20", "1"),
         .stop = ResultOverflow, .reads = coneReads},
        {.what = "S overflows", .typed = coneInputs("1e20", "1", "1e20"),
         .stop = ResultOverflow, .reads = coneReads},
        {.what = "S1 overflows", .typed = coneInputs("2e19", "1", "1"),
         .stop = ResultOverflow, .reads = coneReads},
    }};
PANEL_TABLE(Cone, cone);

// ---------------------------------------------------------------------------
// Sphere and ball
// ---------------------------------------------------------------------------

Texts radius(const char* r) { return {{SphereRadius, r}}; }

const PanelTable sphereAndBall{
    {"SphereAndBall", Panel::SphereAndBall},
    {
        {.what = "the ordinary case", .typed = radius("2"),
         .shown = {{SphereSurface, "50.26547"}, {BallVolume, "33.51031"}}, .reads = {SphereRadius}},
        {.what = "the constants rounded to 32-bit", .typed = radius("1"),
         .shown = {{SphereSurface, "12.56637"}, {BallVolume, "4.188789"}}},
        {.what = "V is rounded to 32-bit before display", .typed = radius("10"),
         .shown = {{SphereSurface, "1256.637"}, {BallVolume, "4188.79"}}},
        {.what = "r × 12.566368 stays in double precision", .typed = radius("21"),
         .shown = {{SphereSurface, "5541.768"}, {BallVolume, "38792.38"}}},
        {.what = "4.0 ÷ 3.0 stays in double precision", .typed = radius("25"),
         .shown = {{SphereSurface, "7853.98"}, {BallVolume, "65449.83"}}},
        {.what = "area and volume coincide", .typed = radius("3"),
         .shown = {{SphereSurface, "113.0973"}, {BallVolume, "113.0973"}}},
        {.what = "a zero radius", .typed = radius("0"),
         .shown = {{SphereSurface, "0"}, {BallVolume, "0"}}},
        {.what = "a negative radius", .typed = radius("-2"),
         .shown = {{SphereSurface, "50.26547"}, {BallVolume, "-33.51031"}}},
        {.what = "an empty radius", .typed = radius(""),
         .stop = EmptyField, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "blanks only", .typed = radius("  \t"),
         .stop = EmptyField, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "V overflows while S fits", .typed = radius("10000000000000"),
         .stop = ResultOverflow, .reads = {SphereRadius}},
        {.what = "a negative radius overflows too", .typed = radius("-1e13"),
         .stop = ResultOverflow, .reads = {SphereRadius}},
        {.what = "S overflows", .typed = radius("1e19"),
         .stop = ResultOverflow, .reads = {SphereRadius}},
        {.what = "letters", .typed = radius("abc"),
         .stop = NotANumber, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "the other separator", .typed = radius("2~5"),
         .stop = WrongSeparator, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "beyond the 32-bit range", .typed = radius("-1e39"),
         .stop = NumberTooLarge, .stopField = SphereRadius, .reads = {SphereRadius}},
    }};
PANEL_TABLE(SphereAndBall, sphereAndBall);

// ---------------------------------------------------------------------------
// Every input of every panel, with each kind of bad text
// ---------------------------------------------------------------------------

struct PanelInputs {
    const PanelUnderTest* panel;
    Texts valid;                // the choice, if any, and a valid text for every input
    std::vector<Field> reads;   // of a press with valid texts, each input once
};

const PanelInputs panelInputs[] = {
    {&rightPrism.panel, {{PrismKind, "1"}, {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "4"}}, boxReads},
    {&rightPrism.panel, {{PrismKind, "2"}, {CubeEdge, "3"}}, cubeReads},
    {&rightPrism.panel, {{PrismKind, "3"}, {PrismBasePerimeter, "12"}, {PrismBaseArea, "9"}, {PrismHeight, "5"}}, otherPrismReads},
    {&regularPyramid.panel, pyramidInputs("24", "36", "5", "4"), pyramidReads},
    {&regularPolygon.panel, polygonInputs("4", "1"), polygonReads},
    {&cylinder.panel, cylinderInputs("2", "5"), cylinderReads},
    {&cone.panel, coneInputs("3", "4", "5"), coneReads},
    {&sphereAndBall.panel, radius("2"), {SphereRadius}},
};

struct BadText {
    const char* text;
    StopReason reason;
};

const BadText badTexts[] = {
    {"", EmptyField},           {" \t ", EmptyField},        {"abc", NotANumber},
    {"1e", NotANumber},         {"1.2.3", NotANumber},       {"2~5", WrongSeparator},
    {" -2~5e1 ", WrongSeparator}, {"1e39", NumberTooLarge},  {"-3.5e38", NumberTooLarge},
};

void PrintTo(const PanelInputs& inputs, std::ostream* out) {
    *out << inputs.panel->name << " reading " << ::testing::PrintToString(inputs.reads);
}

class EveryInput : public ::testing::TestWithParam<std::tuple<PanelInputs, std::string>> {};

TEST_P(EveryInput, ABadTextStopsAtItsReadAndChangesNoResult) {
    const auto& [inputs, separator] = GetParam();
    for (const auto& [badField, unused] : inputs.valid) {
        if (badField == PrismKind) continue;  // the choice is text, never a number
        const auto at = std::find(inputs.reads.begin(), inputs.reads.end(), badField);
        ASSERT_NE(at, inputs.reads.end());
        for (const BadText& bad : badTexts) {
            SCOPED_TRACE(::testing::PrintToString(badField) + " holding \"" + bad.text + '"');
            Row row{.typed = inputs.valid, .stop = bad.reason, .stopField = badField};
            for (auto& [field, text] : row.typed)
                if (field == badField) text = bad.text;
            row.reads.assign(inputs.reads.begin(), at + 1);
            expectRow(*inputs.panel, row, separator);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPanels, EveryInput,
                         ::testing::Combine(::testing::ValuesIn(panelInputs), bothSeparators),
                         [](const auto& info) {
                             const PanelInputs& inputs = std::get<0>(info.param);
                             return inputs.panel->name + std::to_string(info.index / 2) + "_" +
                                    separatorName(std::get<1>(info.param));
                         });

TEST(EveryPanel, AFailedPressLeavesTheProgramGoingOn) {
    for (const PanelInputs& inputs : panelInputs) {
        Bench bench(",");
        for (const auto& [field, text] : inputs.valid)
            if (field == PrismKind) bench.fields.texts[field] = text;  // the kind, but no input
        bench.handlers.press(inputs.panel->calculate);
        ASSERT_EQ(bench.window.stops.size(), 1u) << inputs.panel->name;
        for (const auto& [field, text] : inputs.valid) bench.fields.texts[field] = text;
        bench.handlers.press(inputs.panel->calculate);
        EXPECT_EQ(bench.window.stops.size(), 1u) << inputs.panel->name;
        EXPECT_EQ(bench.fields.writes, inputs.panel->results) << inputs.panel->name;
    }
}

TEST(EveryPanel, PressesOfOtherPanelsBetweenDoNotChangeAResult) {
    Bench shared(".");
    for (const PanelInputs& inputs : panelInputs)
        for (const auto& [field, text] : inputs.valid) shared.fields.texts[field] = text;
    const Button everyButton[] = {CalculateSphereAndBall, CalculateCylinder, CalculateCone, CalculateRightPrism, CalculateRegularPyramid, CalculateRegularPolygon,
                                  ClearSphereAndBall, ClearCylinder, ClearRegularPolygon};
    for (const PanelInputs& inputs : panelInputs) {
        Bench fresh(".");
        for (const auto& [field, text] : inputs.valid) fresh.fields.texts[field] = text;
        fresh.handlers.press(inputs.panel->calculate);
        for (Button button : everyButton) {
            if (button == inputs.panel->calculate) continue;
            shared.handlers.press(button);
        }
        for (const auto& [field, text] : inputs.valid) shared.fields.texts[field] = text;
        shared.handlers.press(inputs.panel->calculate);
        for (Field field : inputs.panel->results)
            EXPECT_EQ(shared.fields.texts[field], fresh.fields.texts[field])
                << inputs.panel->name << ' ' << ::testing::PrintToString(field);
    }
}

// ---------------------------------------------------------------------------
// Clear handlers
// ---------------------------------------------------------------------------

struct Clearing {
    Button clear;
    std::vector<Field> writes;  // in order
};

std::vector<Clearing> clearings() {
    std::vector<Clearing> all;
    for (const PanelRow& panel : allPanels())
        all.push_back({panel.clear.button, {panel.clearing.begin(), panel.clearing.end()}});
    return all;
}

void PrintTo(const Clearing& clearing, std::ostream* out) { *out << buttonName(clearing.clear); }

class ClearHandlers : public ::testing::TestWithParam<Clearing> {};

TEST_P(ClearHandlers, EmptyThePanelsFieldsInOrderAndReadNothing) {
    const Clearing& clearing = GetParam();
    Bench bench(".");
    for (const FieldInfo& info : allFields()) bench.fields.texts[info.field] = "x" + std::string(info.name);
    bench.handlers.press(clearing.clear);
    EXPECT_TRUE(bench.fields.reads.empty());
    EXPECT_EQ(bench.fields.writes, clearing.writes);
    for (const FieldInfo& info : allFields()) {
        const bool cleared =
            std::find(clearing.writes.begin(), clearing.writes.end(), info.field) != clearing.writes.end();
        EXPECT_EQ(bench.fields.texts[info.field], cleared ? "" : "x" + std::string(info.name)) << info.name;
    }
    EXPECT_TRUE(bench.window.stops.empty());
    EXPECT_TRUE(bench.window.messages.empty());
    EXPECT_EQ(bench.window.unloads, 0);
}

TEST_P(ClearHandlers, OnAnEmptyPanelChangeNothingAndDoNotFail) {
    Bench bench(",");
    bench.handlers.press(GetParam().clear);
    bench.handlers.press(GetParam().clear);
    EXPECT_TRUE(bench.window.stops.empty());
    for (const auto& [field, text] : bench.fields.texts) EXPECT_EQ(text, "");
}

INSTANTIATE_TEST_SUITE_P(AllPanels, ClearHandlers, ::testing::ValuesIn(clearings()),
                         [](const auto& info) { return std::string(buttonName(info.param.clear)); });

// ---------------------------------------------------------------------------
// Instruction and close
// ---------------------------------------------------------------------------

TEST(Instruction, ShowsFourMessagesInOrderAndTouchesNoField) {
    Bench bench(".");
    bench.fields.texts[SphereRadius] = "2";
    bench.handlers.press(ShowInstruction);
    const std::vector<std::string> expected = {
        "Елементите на фигурата въведете на съответното място!",
        "Ако има няколко варианта въведете 1 или 2 или 3 на съответното място!",
        "След всяко пресмятане натискайте <изчисти>!",
        "ПРИЯТНА РАБОТА!!!",
    };
    ASSERT_EQ(bench.window.messages.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bench.window.messages[i].prompt, expected[i]);
        EXPECT_EQ(bench.window.messages[i].title, "ИНСТРУКЦИЯ:");
    }
    EXPECT_TRUE(bench.fields.reads.empty());
    EXPECT_TRUE(bench.fields.writes.empty());
    EXPECT_EQ(bench.window.unloads, 0);
    EXPECT_TRUE(bench.window.stops.empty());
}

TEST(Close, UnloadsTheWindowAsItIs) {
    Bench bench(".");
    bench.fields.texts[SphereRadius] = "2";
    bench.handlers.press(CloseWindow);
    EXPECT_EQ(bench.window.unloads, 1);
    EXPECT_TRUE(bench.window.messages.empty());
    EXPECT_TRUE(bench.fields.reads.empty());
    EXPECT_TRUE(bench.fields.writes.empty());
    EXPECT_EQ(bench.fields.texts[SphereRadius], "2");
}

// ---------------------------------------------------------------------------
// Error messages
// ---------------------------------------------------------------------------

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool hasCyrillic(const std::string& text) {
    for (unsigned char c : text)
        if (c == 0xD0 || c == 0xD1) return true;
    return false;
}

class InputErrorMessages : public ::testing::TestWithParam<std::string> {};

TEST_P(InputErrorMessages, NameTheFieldsLabelAndPanel) {
    const std::string& separator = GetParam();
    for (const FieldInfo& input : allFields()) {
        if (!input.input || input.field == PrismKind) continue;  // the kind is never read as a number
        const std::string label(input.label.substr(0, input.label.find('=')));
        for (StopReason reason : {EmptyField, NotANumber, WrongSeparator, NumberTooLarge}) {
            const std::string message = errorMessage(ErrorStop(reason, input.field, "x"), separator);
            EXPECT_TRUE(hasCyrillic(message)) << message;
            // The label as the student reads it, quoted and without its "=".
            EXPECT_TRUE(contains(message, "„" + label + "“")) << message;
            EXPECT_FALSE(contains(message, label + "=")) << message;
            EXPECT_TRUE(contains(message, std::string(input.panelCaption))) << message;
            if (reason != NumberTooLarge) {
                EXPECT_TRUE(contains(message, "2" + separator + "5")) << message;
                EXPECT_FALSE(contains(message, "2" + std::string(otherDecimalSeparator(separator)) + "5")) << message;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, InputErrorMessages, bothSeparators,
                         [](const auto& info) { return separatorName(info.param); });

TEST(ErrorMessages, EachInputErrorSaysSomethingDifferent) {
    std::vector<std::string> messages;
    for (StopReason reason : {EmptyField, NotANumber, WrongSeparator, NumberTooLarge})
        messages.push_back(errorMessage(ErrorStop(reason, SphereRadius, ""), ","));
    for (size_t i = 0; i < messages.size(); ++i)
        for (size_t j = i + 1; j < messages.size(); ++j) EXPECT_NE(messages[i], messages[j]);
}

TEST(ErrorMessages, CalculationFaultsNameThePanel) {
    const PanelTable* tables[] = {&rightPrism, &regularPyramid, &regularPolygon,
                                  &cylinder,   &cone,           &sphereAndBall};
    for (const PanelTable* table : tables) {
        std::vector<std::string> messages;
        for (StopReason reason : {ResultOverflow, DivisionByZero, InvalidOperation}) {
            const ErrorStop stop(reason, table->panel.caption);
            EXPECT_FALSE(stop.field().has_value());
            messages.push_back(errorMessage(stop, "."));
            EXPECT_TRUE(contains(messages.back(), table->panel.caption)) << messages.back();
            EXPECT_TRUE(hasCyrillic(messages.back()));
        }
        EXPECT_NE(messages[0], messages[1]);
        EXPECT_NE(messages[1], messages[2]);
        EXPECT_NE(messages[0], messages[2]);
    }
}

TEST(ErrorMessages, AWrongSeparatorPressShowsTheLocalesForm) {
    for (const std::string separator : {".", ","}) {
        Bench bench(separator);
        bench.fields.texts[SphereRadius] = localized("2~5", separator);
        bench.handlers.press(CalculateSphereAndBall);
        ASSERT_EQ(bench.window.stops.size(), 1u);
        const std::string message = errorMessage(bench.window.stops.front(), separator);
        EXPECT_TRUE(contains(message, "2" + separator + "5")) << message;
        EXPECT_TRUE(contains(message, "радиус")) << message;
        EXPECT_EQ(bench.window.stops.front().typedText(), localized("2~5", separator));
    }
}

}  // namespace
}  // namespace geometry::testing
