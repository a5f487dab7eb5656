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

struct Panel {
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
    Panel panel;
    std::vector<Row> rows;
};

const std::string old = "old";  // what the result fields show before a press

// Presses the panel's calculate button with the row's texts typed.
Bench& pressRow(Bench& bench, const Panel& panel, const Row& row) {
    for (Field field : panel.results) bench.fields.texts[field] = old;
    for (const auto& [field, text] : row.typed)
        bench.fields.texts[field] = localized(text, bench.handlers.decimalSeparator());
    bench.handlers.press(panel.calculate);
    return bench;
}

void expectRow(const Panel& panel, const Row& row, const std::string& separator) {
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

const std::vector<Field> boxReads = {Text8, Text1, Text2, Text3, Text8, Text8};
const std::vector<Field> cubeReads = {Text8, Text8, Text7, Text8};
const std::vector<Field> otherPrismReads = {Text8, Text8, Text8, Text4, Text6, Text5};
const std::vector<Field> noKindReads = {Text8, Text8, Text8};

Row choiceMatchingNothing(const char* choice) {
    return {.what = "a choice that matches no kind does nothing",
            .typed = {{Text8, choice}},
            .reads = noKindReads};
}

const PanelTable rightPrism{
    {"RightPrism", Command1, {Text9, Text10, Text11}, "права призма"},
    {
        {.what = "the ordinary box",
         .typed = {{Text8, "1"}, {Text1, "2"}, {Text2, "3"}, {Text3, "4"}},
         .shown = {{Text9, "52"}, {Text10, ""}, {Text11, "24"}},
         .reads = boxReads},
        {.what = "halves and eighths are exact",
         .typed = {{Text8, "1"}, {Text1, "1.5"}, {Text2, "2.5"}, {Text3, "3.5"}},
         .shown = {{Text9, "35.5"}, {Text10, ""}, {Text11, "13.125"}}},
        {.what = "the box's products stay in double precision",
         .typed = {{Text8, "1"}, {Text1, "1.1"}, {Text2, "1.1"}, {Text3, "1.3"}},
         .shown = {{Text9, "8.14"}, {Text10, ""}, {Text11, "1.573"}}},
        {.what = "32-bit inputs show in the seventh digit",
         .typed = {{Text8, "1"}, {Text1, "1.1"}, {Text2, "3.3"}, {Text3, "0.3"}},
         .shown = {{Text9, "9.900001"}, {Text10, ""}, {Text11, "1.089"}}},
        {.what = "the ordinary cube",
         .typed = {{Text8, "2"}, {Text7, "3"}},
         .shown = {{Text9, "54"}, {Text10, ""}, {Text11, "27"}},
         .reads = cubeReads},
        {.what = "the cube's power and factor 6 stay in double precision",
         .typed = {{Text8, "2"}, {Text7, "3.9"}},
         .shown = {{Text9, "91.26"}, {Text10, ""}, {Text11, "59.319"}}},
        {.what = "the cube's edge is a 32-bit float before it is raised",
         .typed = {{Text8, "2"}, {Text7, "9.9"}},
         .shown = {{Text9, "588.0599"}, {Text10, ""}, {Text11, "970.2989"}}},
        {.what = "a negative edge gives a negative volume",
         .typed = {{Text8, "2"}, {Text7, "-2"}},
         .shown = {{Text9, "24"}, {Text10, ""}, {Text11, "-8"}}},
        {.what = "a volume near the top of the range still fits",
         .typed = {{Text8, "2"}, {Text7, "6000000000000"}},
         .shown = {{Text9, "2.16E+26"}, {Text10, ""}, {Text11, "2.16E+38"}}},
        {.what = "the cube's volume is not checked: it shows infinity",
         .typed = {{Text8, "2"}, {Text7, "10000000000000"}},
         .shown = {{Text9, "6E+26"}, {Text10, ""}, {Text11, "∞"}},
         .reads = cubeReads},
        {.what = "an unchecked volume takes the edge's sign",
         .typed = {{Text8, "2"}, {Text7, "-1e13"}},
         .shown = {{Text9, "6E+26"}, {Text10, ""}, {Text11, "-∞"}}},
        {.what = "the cube reads only its edge",
         .typed = {{Text8, "2"}, {Text1, "abc"}, {Text2, ""}, {Text3, "x"}, {Text4, "1e39"},
                   {Text5, "-"}, {Text6, "2~5"}, {Text7, "3"}},
         .shown = {{Text9, "54"}, {Text10, ""}, {Text11, "27"}},
         .reads = cubeReads},
        {.what = "the ordinary prism",
         .typed = {{Text8, "3"}, {Text4, "12"}, {Text6, "5"}, {Text5, "9"}},
         .shown = {{Text9, "60"}, {Text10, "78"}, {Text11, "45"}},
         .reads = otherPrismReads},
        {.what = "S1 adds the 32-bit S",
         .typed = {{Text8, "3"}, {Text4, "1.1"}, {Text6, "3.3"}, {Text5, "2.2"}},
         .shown = {{Text9, "3.63"}, {Text10, "8.030001"}, {Text11, "7.26"}}},
        {.what = "another prism",
         .typed = {{Text8, "3"}, {Text4, "10"}, {Text6, "2.5"}, {Text5, "6"}},
         .shown = {{Text9, "25"}, {Text10, "37"}, {Text11, "15"}}},
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
         .typed = {{Text8, "0"}, {Text1, "2"}, {Text2, "3"}, {Text3, "4"}, {Text7, "3"}},
         .reads = noKindReads},
        {.what = "an empty box edge stops at its read",
         .typed = {{Text8, "1"}, {Text1, "2"}, {Text2, ""}, {Text3, "4"}},
         .stop = EmptyField, .stopField = Text2, .reads = {Text8, Text1, Text2}},
        {.what = "an empty box stops at the first edge",
         .typed = {{Text8, "1"}},
         .stop = EmptyField, .stopField = Text1, .reads = {Text8, Text1}},
        {.what = "a letter in a box edge",
         .typed = {{Text8, "1"}, {Text1, "2"}, {Text2, "3"}, {Text3, "abc"}},
         .stop = NotANumber, .stopField = Text3, .reads = {Text8, Text1, Text2, Text3}},
        {.what = "the box's volume overflows",
         .typed = {{Text8, "1"}, {Text1, "1e13"}, {Text2, "1e13"}, {Text3, "1e13"}},
         .stop = ResultOverflow, .reads = {Text8, Text1, Text2, Text3}},
        {.what = "the box's surface overflows",
         .typed = {{Text8, "1"}, {Text1, "1e20"}, {Text2, "1e20"}, {Text3, "1e-30"}},
         .stop = ResultOverflow, .reads = {Text8, Text1, Text2, Text3}},
        {.what = "the cube's surface overflows",
         .typed = {{Text8, "2"}, {Text7, "1e19"}},
         .stop = ResultOverflow, .reads = {Text8, Text8, Text7}},
        {.what = "a negative edge overflows the surface too",
         .typed = {{Text8, "2"}, {Text7, "-1e19"}},
         .stop = ResultOverflow, .reads = {Text8, Text8, Text7}},
        {.what = "a cube edge beyond the 32-bit range",
         .typed = {{Text8, "2"}, {Text7, "1e39"}},
         .stop = NumberTooLarge, .stopField = Text7, .reads = {Text8, Text8, Text7}},
        {.what = "a cube edge with the wrong separator",
         .typed = {{Text8, "2"}, {Text7, "2~5"}},
         .stop = WrongSeparator, .stopField = Text7, .reads = {Text8, Text8, Text7}},
        {.what = "the height is read before the base area",
         .typed = {{Text8, "3"}, {Text4, "1"}, {Text6, ""}, {Text5, "1e39"}},
         .stop = EmptyField, .stopField = Text6, .reads = {Text8, Text8, Text8, Text4, Text6}},
        {.what = "a perimeter of blanks only",
         .typed = {{Text8, "3"}, {Text4, " \t "}, {Text6, "1"}, {Text5, "1"}},
         .stop = EmptyField, .stopField = Text4, .reads = {Text8, Text8, Text8, Text4}},
        {.what = "the prism's S overflows",
         .typed = {{Text8, "3"}, {Text4, "1e20"}, {Text6, "1e19"}, {Text5, "1"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
        {.what = "the prism's S1 overflows",
         .typed = {{Text8, "3"}, {Text4, "1"}, {Text6, "1"}, {Text5, "3e38"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
        {.what = "the prism's V overflows",
         .typed = {{Text8, "3"}, {Text4, "0"}, {Text6, "1e10"}, {Text5, "1e30"}},
         .stop = ResultOverflow, .reads = otherPrismReads},
    }};
PANEL_TABLE(RightPrism, rightPrism);

TEST(RightPrism, AKindOneAfterAKindThreeEmptiesS1) {
    for (const std::string separator : {".", ","}) {
        Bench bench(separator);
        auto& texts = bench.fields.texts;
        texts = {{Text8, "3"}, {Text4, "12"}, {Text6, "5"}, {Text5, "9"},
                 {Text1, "2"}, {Text2, "3"}, {Text3, "4"}};
        bench.handlers.press(Command1);
        ASSERT_EQ(texts[Text10], "78");
        texts[Text8] = "1";
        bench.handlers.press(Command1);
        EXPECT_EQ(texts[Text9], "52");
        EXPECT_EQ(texts[Text10], "");
        EXPECT_EQ(texts[Text11], "24");
        EXPECT_TRUE(bench.window.stops.empty());
    }
}

TEST(RightPrism, AfterClearThePressDoesNothingUntilAKindIsTyped) {
    Bench bench(",");
    auto& texts = bench.fields.texts;
    texts = {{Text8, "2"}, {Text7, "3"}};
    bench.handlers.press(Command1);
    bench.handlers.press(Command2);
    texts[Text7] = "3";
    bench.fields.reads.clear();
    bench.fields.writes.clear();
    bench.handlers.press(Command1);
    EXPECT_EQ(bench.fields.reads, noKindReads);
    EXPECT_TRUE(bench.fields.writes.empty());
    EXPECT_TRUE(bench.window.stops.empty());
    texts[Text8] = "2";
    bench.handlers.press(Command1);
    EXPECT_EQ(texts[Text9], "54");
}

// ---------------------------------------------------------------------------
// Regular pyramid: reads base area, apothem, height, then perimeter
// ---------------------------------------------------------------------------

const std::vector<Field> pyramidReads = {Text13, Text14, Text15, Text12};

Texts pyramidInputs(const char* P, const char* B, const char* k, const char* h) {
    return {{Text12, P}, {Text13, B}, {Text14, k}, {Text15, h}};
}

const PanelTable regularPyramid{
    {"RegularPyramid", Command3, {Text16, Text17, Text18}, "правилна пирамида"},
    {
        {.what = "a square pyramid with base edge 6",
         .typed = pyramidInputs("24", "36", "5", "4"),
         .shown = {{Text16, "60"}, {Text17, "96"}, {Text18, "48"}},
         .reads = pyramidReads},
        {.what = "the volume is a third",
         .typed = pyramidInputs("10", "7", "3", "1"),
         .shown = {{Text16, "15"}, {Text17, "22"}, {Text18, "2.333333"}}},
        {.what = "S1 adds the 32-bit S",
         .typed = pyramidInputs("1.1", "7.25", "3.3", "1"),
         .shown = {{Text16, "1.815"}, {Text17, "9.065001"}, {Text18, "2.416667"}}},
        {.what = "(h × B) ÷ 3 in double precision",
         .typed = pyramidInputs("1.1", "7.7", "1", "1.1"),
         .shown = {{Text16, "0.55"}, {Text17, "8.25"}, {Text18, "2.823333"}}},
        {.what = "a product beyond the 32-bit range whose third fits is no fault",
         .typed = pyramidInputs("1", "1e20", "1", "1e19"),
         .shown = {{Text16, "0.5"}, {Text17, "1E+20"}, {Text18, "3.333333E+38"}}},
        {.what = "zeros",
         .typed = pyramidInputs("0", "0", "0", "0"),
         .shown = {{Text16, "0"}, {Text17, "0"}, {Text18, "0"}}},
        {.what = "negative inputs follow the formulas",
         .typed = pyramidInputs("-10", "7", "3", "1"),
         .shown = {{Text16, "-15"}, {Text17, "-8"}, {Text18, "2.333333"}}},
        {.what = "the base area is read first: its overflow is reported",
         .typed = {{Text13, "1e39"}, {Text12, ""}},
         .stop = NumberTooLarge, .stopField = Text13, .reads = {Text13}},
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
         .stop = EmptyField, .stopField = Text13, .reads = {Text13}},
        {.what = "an apothem with the wrong separator",
         .typed = pyramidInputs("1", "1", "2~5", "1"),
         .stop = WrongSeparator, .stopField = Text14, .reads = {Text13, Text14}},
        {.what = "a height that is not a number",
         .typed = pyramidInputs("1", "1", "1", "abc"),
         .stop = NotANumber, .stopField = Text15, .reads = {Text13, Text14, Text15}},
        {.what = "the perimeter is read last",
         .typed = pyramidInputs("-", "1", "1", "1"),
         .stop = NotANumber, .stopField = Text12, .reads = pyramidReads},
    }};
PANEL_TABLE(RegularPyramid, regularPyramid);

// ---------------------------------------------------------------------------
// Regular polygon
// ---------------------------------------------------------------------------

Texts polygonInputs(const char* n, const char* a) { return {{Text33, n}, {Text34, a}}; }
const std::vector<Field> polygonReads = {Text33, Text34};

const PanelTable regularPolygon{
    {"RegularPolygon", Command13, {Text36, Text37}, "периметър и лице на правилен многоъгълник"},
    {
        {.what = "the unit square", .typed = polygonInputs("4", "1"),
         .shown = {{Text36, "4"}, {Text37, "1"}}, .reads = polygonReads},
        {.what = "cot(π/4) with π as 3.141592 is above 1", .typed = polygonInputs("4", "2"),
         .shown = {{Text36, "8"}, {Text37, "4.000001"}}},
        {.what = "triangle", .typed = polygonInputs("3", "2"),
         .shown = {{Text36, "6"}, {Text37, "1.732052"}}},
        {.what = "hexagon", .typed = polygonInputs("6", "1"),
         .shown = {{Text36, "6"}, {Text37, "2.598077"}}},
        {.what = "octagon", .typed = polygonInputs("8", "1"),
         .shown = {{Text36, "8"}, {Text37, "4.828428"}}},
        {.what = "dodecagon", .typed = polygonInputs("12", "3"),
         .shown = {{Text36, "36"}, {Text37, "100.7654"}}},
        {.what = "sine and cosine stay in double precision", .typed = polygonInputs("100", "1"),
         .shown = {{Text36, "100"}, {Text37, "795.5131"}}},
        {.what = "a fractional number of sides", .typed = polygonInputs("2.5", "1"),
         .shown = {{Text36, "2.5"}, {Text37, "0.203075"}}},
        {.what = "the cosine of 3.141592 ÷ 2 is not zero", .typed = polygonInputs("2", "1"),
         .shown = {{Text36, "2"}, {Text37, "1.633974E-07"}}},
        {.what = "a one-sided polygon", .typed = polygonInputs("1", "1"),
         .shown = {{Text36, "1"}, {Text37, "-382502.9"}}},
        {.what = "a negative number of sides", .typed = polygonInputs("-4", "2"),
         .shown = {{Text36, "-8"}, {Text37, "4.000001"}}},
        {.what = "a zero side", .typed = polygonInputs("5", "0"),
         .shown = {{Text36, "0"}, {Text37, "0"}}},
        {.what = "no sides: a division by zero", .typed = polygonInputs("0", "1"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "minus zero sides", .typed = polygonInputs("-0", "2.5"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "no sides and no side length", .typed = polygonInputs("0", "0"),
         .stop = DivisionByZero, .reads = polygonReads},
        {.what = "an empty side", .typed = polygonInputs("4", ""),
         .stop = EmptyField, .stopField = Text34, .reads = polygonReads},
        {.what = "the side is read even when n is zero", .typed = polygonInputs("0", "abc"),
         .stop = NotANumber, .stopField = Text34, .reads = polygonReads},
        {.what = "an empty number of sides", .typed = polygonInputs("", "1"),
         .stop = EmptyField, .stopField = Text33, .reads = {Text33}},
        {.what = "the perimeter overflows", .typed = polygonInputs("1e20", "1e20"),
         .stop = ResultOverflow, .reads = polygonReads},
        {.what = "the area overflows while the perimeter fits", .typed = polygonInputs("4", "2e19"),
         .stop = ResultOverflow, .reads = polygonReads},
    }};
PANEL_TABLE(RegularPolygon, regularPolygon);

// ---------------------------------------------------------------------------
// Cylinder
// ---------------------------------------------------------------------------

Texts cylinderInputs(const char* r, const char* h) { return {{Text19, r}, {Text20, h}}; }
const std::vector<Field> cylinderReads = {Text19, Text20};

const PanelTable cylinder{
    {"Cylinder", Command5, {Text21, Text22, Text23}, "цилиндър"},
    {
        {.what = "unit radius and height", .typed = cylinderInputs("1", "1"),
         .shown = {{Text21, "6.283184"}, {Text22, "12.56637"}, {Text23, "3.141592"}},
         .reads = cylinderReads},
        {.what = "the ordinary case", .typed = cylinderInputs("2", "5"),
         .shown = {{Text21, "62.83184"}, {Text22, "87.96458"}, {Text23, "62.83184"}}},
        {.what = "S1 adds the 32-bit S", .typed = cylinderInputs("1", "11"),
         .shown = {{Text21, "69.11502"}, {Text22, "75.3982"}, {Text23, "34.55751"}}},
        {.what = "trailing zeros are dropped", .typed = cylinderInputs("10", "12"),
         .shown = {{Text21, "753.9821"}, {Text22, "1382.3"}, {Text23, "3769.91"}}},
        {.what = "radius 3, height 10", .typed = cylinderInputs("3", "10"),
         .shown = {{Text21, "188.4955"}, {Text22, "245.0442"}, {Text23, "282.7433"}}},
        {.what = "a zero height still gives the bases", .typed = cylinderInputs("1", "0"),
         .shown = {{Text21, "0"}, {Text22, "6.283184"}, {Text23, "0"}}},
        {.what = "a zero radius", .typed = cylinderInputs("0", "5"),
         .shown = {{Text21, "0"}, {Text22, "0"}, {Text23, "0"}}},
        {.what = "negative inputs follow the formulas", .typed = cylinderInputs("-1", "2"),
         .shown = {{Text21, "-12.56637"}, {Text22, "-6.283184"}, {Text23, "6.283184"}}},
        {.what = "an empty radius", .typed = cylinderInputs("", "1"),
         .stop = EmptyField, .stopField = Text19, .reads = {Text19}},
        {.what = "an empty height", .typed = cylinderInputs("1", ""),
         .stop = EmptyField, .stopField = Text20, .reads = cylinderReads},
        {.what = "S1 overflows though S and V would fit", .typed = cylinderInputs("1e19", "1"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "S overflows", .typed = cylinderInputs("1e20", "1e20"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "only V overflows", .typed = cylinderInputs("1e15", "1e10"),
         .stop = ResultOverflow, .reads = cylinderReads},
        {.what = "a radius beyond the 32-bit range", .typed = cylinderInputs("-1e39", "1"),
         .stop = NumberTooLarge, .stopField = Text19, .reads = {Text19}},
    }};
PANEL_TABLE(Cylinder, cylinder);

// ---------------------------------------------------------------------------
// Cone
// ---------------------------------------------------------------------------

Texts coneInputs(const char* r, const char* h, const char* l) {
    return {{Text24, r}, {Text25, h}, {Text26, l}};
}
const std::vector<Field> coneReads = {Text24, Text25, Text26};

const PanelTable cone{
    {"Cone", Command7, {Text27, Text28, Text29}, "конус"},
    {
        {.what = "the ordinary case", .typed = coneInputs("3", "4", "5"),
         .shown = {{Text27, "47.12388"}, {Text28, "75.39821"}, {Text29, "37.6991"}},
         .reads = coneReads},
        {.what = "the slant height is used as typed", .typed = coneInputs("3", "4", "10"),
         .shown = {{Text27, "94.24776"}, {Text28, "122.5221"}, {Text29, "37.6991"}}},
        {.what = "the height enters only V", .typed = coneInputs("3", "0", "5"),
         .shown = {{Text27, "47.12388"}, {Text28, "75.39821"}, {Text29, "0"}}},
        {.what = "a zero slant height leaves the base", .typed = coneInputs("3", "4", "0"),
         .shown = {{Text27, "0"}, {Text28, "28.27433"}, {Text29, "37.6991"}}},
        {.what = "S1 adds the 32-bit S", .typed = coneInputs("1", "4", "13"),
         .shown = {{Text27, "40.84069"}, {Text28, "43.98228"}, {Text29, "4.188789"}}},
        {.what = "V stays in double precision", .typed = coneInputs("6", "10", "10"),
         .shown = {{Text27, "188.4955"}, {Text28, "301.5928"}, {Text29, "376.991"}}},
        {.what = "a zero radius", .typed = coneInputs("0", "4", "5"),
         .shown = {{Text27, "0"}, {Text28, "0"}, {Text29, "0"}}},
        {.what = "an empty radius", .typed = coneInputs("", "4", "5"),
         .stop = EmptyField, .stopField = Text24, .reads = {Text24}},
        {.what = "an empty height", .typed = coneInputs("3", "", "5"),
         .stop = EmptyField, .stopField = Text25, .reads = {Text24, Text25}},
        {.what = "an empty slant height", .typed = coneInputs("3", "4", ""),
         .stop = EmptyField, .stopField = Text26, .reads = coneReads},
        {.what = "a height that is not a number stops the press", .typed = coneInputs("3", "abc", "5"),
         .stop = NotANumber, .stopField = Text25, .reads = {Text24, Text25}},
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

Texts radius(const char* r) { return {{Text30, r}}; }

const PanelTable sphereAndBall{
    {"SphereAndBall", Command9, {Text31, Text32}, "сфера и кълбо"},
    {
        {.what = "the ordinary case", .typed = radius("2"),
         .shown = {{Text31, "50.26547"}, {Text32, "33.51031"}}, .reads = {Text30}},
        {.what = "the constants rounded to 32-bit", .typed = radius("1"),
         .shown = {{Text31, "12.56637"}, {Text32, "4.188789"}}},
        {.what = "V is rounded to 32-bit before display", .typed = radius("10"),
         .shown = {{Text31, "1256.637"}, {Text32, "4188.79"}}},
        {.what = "r × 12.566368 stays in double precision", .typed = radius("21"),
         .shown = {{Text31, "5541.768"}, {Text32, "38792.38"}}},
        {.what = "4.0 ÷ 3.0 stays in double precision", .typed = radius("25"),
         .shown = {{Text31, "7853.98"}, {Text32, "65449.83"}}},
        {.what = "area and volume coincide", .typed = radius("3"),
         .shown = {{Text31, "113.0973"}, {Text32, "113.0973"}}},
        {.what = "a zero radius", .typed = radius("0"),
         .shown = {{Text31, "0"}, {Text32, "0"}}},
        {.what = "a negative radius", .typed = radius("-2"),
         .shown = {{Text31, "50.26547"}, {Text32, "-33.51031"}}},
        {.what = "an empty radius", .typed = radius(""),
         .stop = EmptyField, .stopField = Text30, .reads = {Text30}},
        {.what = "blanks only", .typed = radius("  \t"),
         .stop = EmptyField, .stopField = Text30, .reads = {Text30}},
        {.what = "V overflows while S fits", .typed = radius("10000000000000"),
         .stop = ResultOverflow, .reads = {Text30}},
        {.what = "a negative radius overflows too", .typed = radius("-1e13"),
         .stop = ResultOverflow, .reads = {Text30}},
        {.what = "S overflows", .typed = radius("1e19"),
         .stop = ResultOverflow, .reads = {Text30}},
        {.what = "letters", .typed = radius("abc"),
         .stop = NotANumber, .stopField = Text30, .reads = {Text30}},
        {.what = "the other separator", .typed = radius("2~5"),
         .stop = WrongSeparator, .stopField = Text30, .reads = {Text30}},
        {.what = "beyond the 32-bit range", .typed = radius("-1e39"),
         .stop = NumberTooLarge, .stopField = Text30, .reads = {Text30}},
    }};
PANEL_TABLE(SphereAndBall, sphereAndBall);

// ---------------------------------------------------------------------------
// Every input of every panel, with each kind of bad text
// ---------------------------------------------------------------------------

struct PanelInputs {
    const Panel* panel;
    Texts valid;                // the choice, if any, and a valid text for every input
    std::vector<Field> reads;   // of a press with valid texts, each input once
};

const PanelInputs panelInputs[] = {
    {&rightPrism.panel, {{Text8, "1"}, {Text1, "2"}, {Text2, "3"}, {Text3, "4"}}, boxReads},
    {&rightPrism.panel, {{Text8, "2"}, {Text7, "3"}}, cubeReads},
    {&rightPrism.panel, {{Text8, "3"}, {Text4, "12"}, {Text5, "9"}, {Text6, "5"}}, otherPrismReads},
    {&regularPyramid.panel, pyramidInputs("24", "36", "5", "4"), pyramidReads},
    {&regularPolygon.panel, polygonInputs("4", "1"), polygonReads},
    {&cylinder.panel, cylinderInputs("2", "5"), cylinderReads},
    {&cone.panel, coneInputs("3", "4", "5"), coneReads},
    {&sphereAndBall.panel, radius("2"), {Text30}},
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

class EveryInput : public ::testing::TestWithParam<std::tuple<PanelInputs, std::string>> {};

TEST_P(EveryInput, ABadTextStopsAtItsReadAndChangesNoResult) {
    const auto& [inputs, separator] = GetParam();
    for (const auto& [badField, unused] : inputs.valid) {
        if (badField == Text8) continue;  // the choice is text, never a number
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
            if (field == Text8) bench.fields.texts[field] = text;  // the kind, but no input
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
    const Button everyButton[] = {Command9, Command5, Command7, Command1, Command3, Command13,
                                  Command10, Command6, Command14};
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

const Clearing clearings[] = {
    {Command2, {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11}},
    {Command4, {Text12, Text13, Text14, Text15, Text16, Text17, Text18}},
    {Command6, {Text19, Text20, Text21, Text22, Text23}},
    {Command8, {Text24, Text25, Text26, Text27, Text28, Text29}},
    {Command10, {Text30, Text31, Text32}},
    {Command14, {Text33, Text34, Text36, Text37}},
};

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

INSTANTIATE_TEST_SUITE_P(AllPanels, ClearHandlers, ::testing::ValuesIn(clearings));

// ---------------------------------------------------------------------------
// Instruction and close
// ---------------------------------------------------------------------------

TEST(Instruction, ShowsFourMessagesInOrderAndTouchesNoField) {
    Bench bench(".");
    bench.fields.texts[Text30] = "2";
    bench.handlers.press(Command11);
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
    bench.fields.texts[Text30] = "2";
    bench.handlers.press(Command12);
    EXPECT_EQ(bench.window.unloads, 1);
    EXPECT_TRUE(bench.window.messages.empty());
    EXPECT_TRUE(bench.fields.reads.empty());
    EXPECT_TRUE(bench.fields.writes.empty());
    EXPECT_EQ(bench.fields.texts[Text30], "2");
}

// ---------------------------------------------------------------------------
// Error messages
// ---------------------------------------------------------------------------

struct InputLabel {
    Field field;
    const char* label;  // as the panel shows it, without the "="
    const char* panel;
};

const InputLabel inputLabels[] = {
    {Text1, "ръб", "права призма"},
    {Text2, "ръб", "права призма"},
    {Text3, "ръб", "права призма"},
    {Text7, "ръб", "права призма"},
    {Text4, "периметър на основата", "права призма"},
    {Text5, "лице на основата", "права призма"},
    {Text6, "височина", "права призма"},
    {Text12, "периметър на основата", "правилна пирамида"},
    {Text13, "лице на основата", "правилна пирамида"},
    {Text14, "апотема на пирамидата", "правилна пирамида"},
    {Text15, "височина на пирамидата", "правилна пирамида"},
    {Text19, "радиус", "цилиндър"},
    {Text20, "височина", "цилиндър"},
    {Text24, "радиус", "конус"},
    {Text25, "височина", "конус"},
    {Text26, "образуваща", "конус"},
    {Text30, "радиус", "сфера и кълбо"},
    {Text33, "брой страни", "периметър и лице на правилен многоъгълник"},
    {Text34, "страна", "периметър и лице на правилен многоъгълник"},
};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool hasCyrillic(const std::string& text) {
    for (unsigned char c : text)
        if (c == 0xD0 || c == 0xD1) return true;
    return false;
}

class InputErrorMessages : public ::testing::TestWithParam<std::string> {};

TEST_P(InputErrorMessages, NameTheFieldsLabelAndPanel) {
    const std::string& separator = GetParam();
    for (const InputLabel& input : inputLabels) {
        for (StopReason reason : {EmptyField, NotANumber, WrongSeparator, NumberTooLarge}) {
            const std::string message = errorMessage(ErrorStop(reason, input.field, "x"), separator);
            EXPECT_TRUE(hasCyrillic(message)) << message;
            // The label as the student reads it, quoted and without its "=".
            EXPECT_TRUE(contains(message, "„" + std::string(input.label) + "“")) << message;
            EXPECT_FALSE(contains(message, std::string(input.label) + "=")) << message;
            EXPECT_TRUE(contains(message, input.panel)) << message;
            if (reason != NumberTooLarge) {
                EXPECT_TRUE(contains(message, "2" + separator + "5")) << message;
                EXPECT_FALSE(contains(message, "2" + otherSeparator(separator) + "5")) << message;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, InputErrorMessages, bothSeparators,
                         [](const auto& info) { return separatorName(info.param); });

TEST(ErrorMessages, EachInputErrorSaysSomethingDifferent) {
    std::vector<std::string> messages;
    for (StopReason reason : {EmptyField, NotANumber, WrongSeparator, NumberTooLarge})
        messages.push_back(errorMessage(ErrorStop(reason, Text30, ""), ","));
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
        bench.fields.texts[Text30] = localized("2~5", separator);
        bench.handlers.press(Command9);
        ASSERT_EQ(bench.window.stops.size(), 1u);
        const std::string message = errorMessage(bench.window.stops.front(), separator);
        EXPECT_TRUE(contains(message, "2" + separator + "5")) << message;
        EXPECT_TRUE(contains(message, "радиус")) << message;
        EXPECT_EQ(bench.window.stops.front().typedText(), localized("2~5", separator));
    }
}

}  // namespace
}  // namespace geometry::testing
