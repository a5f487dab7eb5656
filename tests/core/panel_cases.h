// SPDX-License-Identifier: MIT
#pragma once
// The six panels' cases: one table per panel, one row per press of its
// calculate button, with the texts typed and what the press shows or where it
// stops, and for a few rows how each result was found. panels_test.cpp runs
// every row under both separators; the window test checks the rows' solutions
// in its tooltips and copies, and the web edition's browser test gets rows of
// them through tests/web/export_cases.cpp.
//
// Each program that uses the tables includes this header in one file only.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "error_stop.h"
#include "panel_table.h"

namespace geometry::testing {
namespace {

using enum Field;
using enum StopReason;

using Texts = std::vector<std::pair<Field, std::string>>;

// A panel as the panel table gives it.
struct PanelUnderTest {
    PanelUnderTest(const char* testName, Panel panel) : name(testName) {
        const PanelRow& row = panelRow(panel);
        calculate = row.calculate.button;
        for (const ResultRow& result : row.results) {
            results.push_back(result.field);
            labels.emplace_back(result.label);
        }
        caption = row.caption;
        which = panel;
    }
    const char* name;
    Button calculate;
    std::vector<Field> results;  // in the order a press writes them
    std::vector<std::string> labels;  // "S=", ... of the results
    std::string caption;
    Panel which;
};

// Texts in a row: '.' stands for the locale's separator, '~' for the other one.
struct Row {
    const char* what = "";
    Texts typed = {};
    Texts shown = {};                      // after the press; empty when it fails
    std::vector<std::string> solution = {};  // how each result was found (given for a few rows)
    std::optional<StopReason> stop = {};   // a failed press
    std::optional<Field> stopField = {};   // the input to fix, for input errors
    std::vector<Field> reads = {};         // every field read, in order (checked when given)
};

struct PanelTable {
    PanelUnderTest panel;
    std::vector<Row> rows;
};

// ---------------------------------------------------------------------------
// Right prism: the choice field picks the kind
// ---------------------------------------------------------------------------

const std::vector<Field> boxReads = {PrismKind, BoxEdgeA, BoxEdgeB, BoxEdgeC, PrismKind, PrismKind};
const std::vector<Field> cubeReads = {PrismKind, PrismKind, CubeEdge, PrismKind};
const std::vector<Field> otherPrismReads = {PrismKind, PrismKind, PrismKind, PrismBasePerimeter, PrismHeight, PrismBaseArea};
const std::vector<Field> noKindReads = {PrismKind, PrismKind, PrismKind};

// Such a press once did nothing at all, and looked as if it had worked.
Row choiceMatchingNothing(const char* choice) {
    return {.what = "a choice that matches no kind asks for one and changes nothing",
            .typed = {{PrismKind, choice}},
            .stop = NotAKind, .stopField = PrismKind, .reads = noKindReads};
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
         .shown = {{PrismSurface, "35.5"}, {PrismFullSurface, ""}, {PrismVolume, "13.125"}},
         .solution = {"S (пълна повърхнина) = 2·(a·b + a·c + b·c) = 2·(1.5·2.5 + 1.5·3.5 + 2.5·3.5) = 35.5",
                      "V = a·b·c = 1.5·2.5·3.5 = 13.125"}},
        {.what = "the box's products stay in double precision",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1.1"}, {BoxEdgeB, "1.1"}, {BoxEdgeC, "1.3"}},
         .shown = {{PrismSurface, "8.14"}, {PrismFullSurface, ""}, {PrismVolume, "1.573"}}},
        {.what = "32-bit inputs show in the seventh digit",
         .typed = {{PrismKind, "1"}, {BoxEdgeA, "1.1"}, {BoxEdgeB, "3.3"}, {BoxEdgeC, "0.3"}},
         .shown = {{PrismSurface, "9.900001"}, {PrismFullSurface, ""}, {PrismVolume, "1.089"}}},
        {.what = "the ordinary cube",
         .typed = {{PrismKind, "2"}, {CubeEdge, "3"}},
         .shown = {{PrismSurface, "54"}, {PrismFullSurface, ""}, {PrismVolume, "27"}},
         .solution = {"S (пълна повърхнина) = 6·a² = 6·3² = 54", "V = a³ = 3³ = 27"},
         .reads = cubeReads},
        {.what = "the cube's power and factor 6 stay in double precision",
         .typed = {{PrismKind, "2"}, {CubeEdge, "3.9"}},
         .shown = {{PrismSurface, "91.26"}, {PrismFullSurface, ""}, {PrismVolume, "59.319"}}},
        {.what = "the cube's edge is a 32-bit float before it is raised",
         .typed = {{PrismKind, "2"}, {CubeEdge, "9.9"}},
         .shown = {{PrismSurface, "588.0599"}, {PrismFullSurface, ""}, {PrismVolume, "970.2989"}}},
        {.what = "a negative edge gives a negative volume",
         .typed = {{PrismKind, "2"}, {CubeEdge, "-2"}},
         .shown = {{PrismSurface, "24"}, {PrismFullSurface, ""}, {PrismVolume, "-8"}},
         .solution = {"S (пълна повърхнина) = 6·a² = 6·(-2)² = 24", "V = a³ = (-2)³ = -8"}},
        {.what = "a volume near the top of the range still fits",
         .typed = {{PrismKind, "2"}, {CubeEdge, "6000000000000"}},
         .shown = {{PrismSurface, "2.16E+26"}, {PrismFullSurface, ""}, {PrismVolume, "2.16E+38"}},
         .solution = {"S (пълна повърхнина) = 6·a² = 6·(6E+12)² = 2.16E+26", "V = a³ = (6E+12)³ = 2.16E+38"}},
        {.what = "the cube's volume is not checked: it shows infinity",
         .typed = {{PrismKind, "2"}, {CubeEdge, "10000000000000"}},
         .shown = {{PrismSurface, "6E+26"}, {PrismFullSurface, ""}, {PrismVolume, "∞"}},
         .solution = {"S (пълна повърхнина) = 6·a² = 6·(1E+13)² = 6E+26", "V = a³ = (1E+13)³ = ∞"},
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
         .solution = {"S = P·h = 12·5 = 60", "S1 = 2·B + S = 2·9 + 60 = 78", "V = B·h = 9·5 = 45"},
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
         .stop = NotAKind, .stopField = PrismKind, .reads = noKindReads},
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
         .shown = {{PyramidLateralSurface, "1.815"}, {PyramidFullSurface, "9.065001"}, {PyramidVolume, "2.416667"}},
         .solution = {"S = P·k : 2 = 1.1·3.3 : 2 = 1.815", "S1 = S + B = 1.815 + 7.25 = 9.065001",
                      "V = B·h : 3 = 7.25·1 : 3 = 2.416667"}},
        {.what = "(h × B) ÷ 3 in double precision",
         .typed = pyramidInputs("1.1", "7.7", "1", "1.1"),
         .shown = {{PyramidLateralSurface, "0.55"}, {PyramidFullSurface, "8.25"}, {PyramidVolume, "2.823333"}}},
        {.what = "a product beyond the 32-bit range whose third fits is no fault",
         .typed = pyramidInputs("1", "1e20", "1", "1e19"),
         .shown = {{PyramidLateralSurface, "0.5"}, {PyramidFullSurface, "1E+20"}, {PyramidVolume, "3.333333E+38"}},
         .solution = {"S = P·k : 2 = 1·1 : 2 = 0.5", "S1 = S + B = 0.5 + 1E+20 = 1E+20",
                      "V = B·h : 3 = 1E+20·1E+19 : 3 = 3.333333E+38"}},
        {.what = "zeros",
         .typed = pyramidInputs("0", "0", "0", "0"),
         .shown = {{PyramidLateralSurface, "0"}, {PyramidFullSurface, "0"}, {PyramidVolume, "0"}}},
        {.what = "negative inputs follow the formulas",
         .typed = pyramidInputs("-10", "7", "3", "1"),
         .shown = {{PyramidLateralSurface, "-15"}, {PyramidFullSurface, "-8"}, {PyramidVolume, "2.333333"}},
         .solution = {"S = P·k : 2 = (-10)·3 : 2 = -15", "S1 = S + B = (-15) + 7 = -8", "V = B·h : 3 = 7·1 : 3 = 2.333333"}},
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
         .shown = {{PolygonPerimeter, "2.5"}, {PolygonArea, "0.203075"}},
         .solution = {"P = n·a = 2.5·1 = 2.5", "B = n·a² : 4·cotg(π : n) = 2.5·1² : 4·cotg(3.141592 : 2.5) = 0.203075"}},
        {.what = "the cosine of 3.141592 ÷ 2 is not zero", .typed = polygonInputs("2", "1"),
         .shown = {{PolygonPerimeter, "2"}, {PolygonArea, "1.633974E-07"}},
         .solution = {"P = n·a = 2·1 = 2", "B = n·a² : 4·cotg(π : n) = 2·1² : 4·cotg(3.141592 : 2) = 1.633974E-07"}},
        {.what = "a one-sided polygon", .typed = polygonInputs("1", "1"),
         .shown = {{PolygonPerimeter, "1"}, {PolygonArea, "-382502.9"}}},
        {.what = "a negative number of sides", .typed = polygonInputs("-4", "2"),
         .shown = {{PolygonPerimeter, "-8"}, {PolygonArea, "4.000001"}},
         .solution = {"P = n·a = (-4)·2 = -8", "B = n·a² : 4·cotg(π : n) = (-4)·2² : 4·cotg(3.141592 : (-4)) = 4.000001"}},
        {.what = "a zero side", .typed = polygonInputs("5", "0"),
         .shown = {{PolygonPerimeter, "0"}, {PolygonArea, "0"}}},
        {.what = "no sides: a division by zero", .typed = polygonInputs("0", "1"),
         .stop = DivisionByZero, .stopField = PolygonSides, .reads = polygonReads},
        {.what = "minus zero sides", .typed = polygonInputs("-0", "2.5"),
         .stop = DivisionByZero, .stopField = PolygonSides, .reads = polygonReads},
        {.what = "no sides and no side length", .typed = polygonInputs("0", "0"),
         .stop = DivisionByZero, .stopField = PolygonSides, .reads = polygonReads},
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
         .solution = {"S = 2π·r·h = 6.283184·1·1 = 6.283184", "S1 = 2π·r² + S = 6.283184·1² + 6.283184 = 12.56637",
                      "V = π·r²·h = 3.141592·1²·1 = 3.141592"},
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
         .shown = {{CylinderLateralSurface, "-12.56637"}, {CylinderFullSurface, "-6.283184"}, {CylinderVolume, "6.283184"}},
         .solution = {"S = 2π·r·h = 6.283184·(-1)·2 = -12.56637",
                      "S1 = 2π·r² + S = 6.283184·(-1)² + (-12.56637) = -6.283184",
                      "V = π·r²·h = 3.141592·(-1)²·2 = 6.283184"}},
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
         .solution = {"S = π·r·l = 3.141592·3·5 = 47.12388", "S1 = π·r² + S = 3.141592·3² + 47.12388 = 75.39821",
                      "V = π·r²·h : 3 = 3.141592·3²·4 : 3 = 37.6991"},
         .reads = coneReads},
        {.what = "the slant height is used as typed", .typed = coneInputs("3", "4", "10"),
         .shown = {{ConeLateralSurface, "94.24776"}, {ConeFullSurface, "122.5221"}, {ConeVolume, "37.6991"}}},
        {.what = "the height enters only V", .typed = coneInputs("3", "0", "5"),
         .shown = {{ConeLateralSurface, "47.12388"}, {ConeFullSurface, "75.39821"}, {ConeVolume, "0"}}},
        {.what = "a zero slant height leaves the base", .typed = coneInputs("3", "4", "0"),
         .shown = {{ConeLateralSurface, "0"}, {ConeFullSurface, "28.27433"}, {ConeVolume, "37.6991"}}},
        {.what = "S1 adds the 32-bit S", .typed = coneInputs("1", "4", "13"),
         .shown = {{ConeLateralSurface, "40.84069"}, {ConeFullSurface, "43.98228"}, {ConeVolume, "4.188789"}},
         .solution = {"S = π·r·l = 3.141592·1·13 = 40.84069", "S1 = π·r² + S = 3.141592·1² + 40.84069 = 43.98228",
                      "V = π·r²·h : 3 = 3.141592·1²·4 : 3 = 4.188789"}},
        {.what = "a long solution: small negative numbers, one in exponent form",
         .typed = coneInputs("-0.0001234567", "387.9", "-1.234567E-05"),
         .shown = {{ConeLateralSurface, "4.788276E-09"}, {ConeFullSurface, "5.267103E-08"}, {ConeVolume, "6.19124E-06"}},
         .solution = {"S = π·r·l = 3.141592·(-0.0001234567)·(-1.234567E-05) = 4.788276E-09",
                      "S1 = π·r² + S = 3.141592·(-0.0001234567)² + 4.788276E-09 = 5.267103E-08",
                      "V = π·r²·h : 3 = 3.141592·(-0.0001234567)²·387.9 : 3 = 6.19124E-06"}},
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

// ---------------------------------------------------------------------------
// Sphere and ball
// ---------------------------------------------------------------------------

Texts radius(const char* r) { return {{SphereRadius, r}}; }

const PanelTable sphereAndBall{
    {"SphereAndBall", Panel::SphereAndBall},
    {
        {.what = "the ordinary case", .typed = radius("2"),
         .shown = {{SphereSurface, "50.26547"}, {BallVolume, "33.51031"}},
         .solution = {"S = 4π·r² = 12.566368·2² = 50.26547", "V = 4/3·π·r³ = 4/3·3.141592·2³ = 33.51031"},
         .reads = {SphereRadius}},
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
         .shown = {{SphereSurface, "50.26547"}, {BallVolume, "-33.51031"}},
         .solution = {"S = 4π·r² = 12.566368·(-2)² = 50.26547", "V = 4/3·π·r³ = 4/3·3.141592·(-2)³ = -33.51031"}},
        {.what = "the solution puts in the radius as read, not as typed", .typed = radius(" 1e1 "),
         .shown = {{SphereSurface, "1256.637"}, {BallVolume, "4188.79"}},
         .solution = {"S = 4π·r² = 12.566368·10² = 1256.637", "V = 4/3·π·r³ = 4/3·3.141592·10³ = 4188.79"}},
        {.what = "digits grouped by three, as a word processor writes them", .typed = radius("1\xC2\xA0" "000.5"),
         .shown = {{SphereSurface, "1.257894E+07"}, {BallVolume, "4.195076E+09"}},
         .solution = {"S = 4π·r² = 12.566368·1000.5² = 1.257894E+07",
                      "V = 4/3·π·r³ = 4/3·3.141592·1000.5³ = 4.195076E+09"}},
        {.what = "an empty radius", .typed = radius(""),
         .stop = EmptyField, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "blanks only", .typed = radius("  \t"),
         .stop = EmptyField, .stopField = SphereRadius, .reads = {SphereRadius}},
        {.what = "no-break spaces only, as a paste may bring", .typed = radius("\xC2\xA0 \xE2\x80\xAF"),
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

// Every table, the panels in the window's order.
const PanelTable* const panelTables[] = {&rightPrism, &regularPyramid, &regularPolygon,
                                         &cylinder,   &cone,           &sphereAndBall};

}  // namespace
}  // namespace geometry::testing
