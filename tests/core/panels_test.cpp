// SPDX-License-Identifier: MIT
// The six panels pressed through Form1Handlers against a memory field store:
// one table per panel, one row per case, every row run under both separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "error_stop.h"
#include "fakes.h"
#include "panel_cases.h"
#include "panel_task.h"
#include "solution.h"

namespace geometry::testing {
namespace {

using enum Field;
using enum Button;
using enum StopReason;

const auto bothSeparators = ::testing::Values(std::string("."), std::string(","));

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
    // A completed press reads its results out once, by their labels; the
    // results it empties are left out. A failed press announces nothing.
    std::string announcement;
    for (size_t i = 0; i < panel.results.size(); ++i) {
        const std::string& text = texts.at(panel.results[i]);
        if (row.shown.empty() || text.empty()) continue;
        announcement += (announcement.empty() ? "" : ", ") + panel.labels[i] + " " + text;
    }
    const std::vector<std::pair<Panel, std::string>> announced = {{panel.which, announcement}};
    EXPECT_EQ(bench.window.announcements, row.stop ? decltype(announced){} : announced);
    // A completed press shows how each result it wrote was found, a line each,
    // ending in the result's text; a failed press leaves the solution as it was.
    if (row.stop) {
        EXPECT_TRUE(bench.window.solutions.empty());
    } else {
        ASSERT_EQ(bench.window.solutions.size(), 1u);
        const auto& [shownFor, lines] = bench.window.solutions.front();
        EXPECT_EQ(shownFor, panel.which);
        auto line = lines.begin();
        for (Field field : panel.results) {
            if (texts.at(field).empty()) continue;
            ASSERT_NE(line, lines.end());
            EXPECT_TRUE(line++->ends_with(" = " + texts.at(field))) << *std::prev(line);
        }
        EXPECT_EQ(line, lines.end());
        std::vector<std::string> expected;
        for (const std::string& written : row.solution) expected.push_back(localized(written, separator));
        if (!expected.empty()) {
            EXPECT_EQ(lines, expected);
        }
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

// The tables of panel_cases.h, every row under both separators.
PANEL_TABLE(RightPrism, rightPrism);
PANEL_TABLE(RegularPyramid, regularPyramid);
PANEL_TABLE(RegularPolygon, regularPolygon);
PANEL_TABLE(Cylinder, cylinder);
PANEL_TABLE(Cone, cone);
PANEL_TABLE(SphereAndBall, sphereAndBall);

// ---------------------------------------------------------------------------
// Right prism: a kind after another, and after a clear
// ---------------------------------------------------------------------------

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

TEST(RightPrism, AfterClearThePressAsksForAKindUntilOneIsTyped) {
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
    ASSERT_EQ(bench.window.stops.size(), 1u);
    EXPECT_EQ(bench.window.stops.front().reason(), NotAKind);
    texts[PrismKind] = "2";
    bench.handlers.press(CalculateRightPrism);
    EXPECT_EQ(texts[PrismSurface], "54");
}

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
    const std::vector<std::pair<Panel, std::vector<std::string>>> noSolution = {{panelOf(clearing.clear)->panel, {}}};
    EXPECT_EQ(bench.window.solutions, noSolution);
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
        // The label, or the place where the panel repeats the label ("първият ръб (a)").
        const std::string_view name = fieldWords(input.field);
        const std::string label(name.substr(0, name.find('=')));
        for (StopReason reason : {EmptyField, NotANumber, WrongSeparator, NumberTooLarge}) {
            const std::string message = errorMessage(ErrorStop(reason, input.field, "x"), separator);
            EXPECT_TRUE(hasCyrillic(message)) << message;
            // The label as the student reads it, quoted and without its "=".
            EXPECT_TRUE(contains(message, "„" + label + "“")) << message;
            EXPECT_FALSE(contains(message, "=")) << message;
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
    for (const PanelTable* table : panelTables) {
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

// The kind field's message names it, says what is wrong (empty, blanks around
// a kind, anything else) and which digit is which kind; the polygon's division
// by zero names the field that holds the zero.
TEST(ErrorMessages, NameTheKindFieldAndTheZeroNumberOfSides) {
    const struct {
        const char* choice;
        const char* what;
    } choices[] = {
        {"", " е празно. Въведете 1"},
        {"4", " приема само 1, 2 или 3: 1"},
        {" 1", " съдържа интервал. Напишете само цифрата"},
        {"3\xC2\xA0", " съдържа интервал."},
        {"01", " приема само 1, 2 или 3"},
        {"1,0", " приема само 1, 2 или 3"},
        {"1 2", " приема само 1, 2 или 3"},
        {"куб", " приема само 1, 2 или 3"},
    };
    for (const auto& [choice, what] : choices) {
        Bench bench(",");
        bench.fields.texts[PrismKind] = choice;
        bench.handlers.press(CalculateRightPrism);
        ASSERT_EQ(bench.window.stops.size(), 1u);
        const std::string message = errorMessage(bench.window.stops.front(), ",");
        for (const char* part : {"Полето „1 или 2 или 3“ в „права призма“", what, "1 за правоъгълен паралелепипед",
                                 "2 за куб", "3 за друга права призма."})
            EXPECT_TRUE(contains(message, part)) << '"' << choice << "\": " << message;
        EXPECT_EQ(contains(message, "цифра"), contains(what, "интервал")) << message;
    }
    Bench bench(".");
    bench.fields.texts = {{PolygonSides, "0"}, {PolygonSide, "1"}};
    bench.handlers.press(CalculateRegularPolygon);
    ASSERT_EQ(bench.window.stops.size(), 1u);
    const std::string message = errorMessage(bench.window.stops.front(), ".");
    EXPECT_TRUE(contains(message, "„брой страни“")) << message;
    EXPECT_TRUE(contains(message, "нула")) << message;
}

// The prism repeats "ръб=" four times: a message names the edge by its place and letter.
TEST(ErrorMessages, TellThePrismsEdgesApart) {
    const struct {
        const char* kind;
        Field empty;
        const char* message;
    } edges[] = {
        {"1", BoxEdgeA, "Полето „първият ръб (a)“ в „права призма“ е празно. Въведете число, например 2,5."},
        {"1", BoxEdgeB, "Полето „вторият ръб (b)“ в „права призма“ е празно. Въведете число, например 2,5."},
        {"1", BoxEdgeC, "Полето „третият ръб (c)“ в „права призма“ е празно. Въведете число, например 2,5."},
        {"2", CubeEdge, "Полето „ръбът на куба (a)“ в „права призма“ е празно. Въведете число, например 2,5."},
    };
    for (const auto& [kind, empty, expected] : edges) {
        Bench bench(",");
        bench.fields.texts = {{PrismKind, kind}, {BoxEdgeA, "2"}, {BoxEdgeB, "3"}, {BoxEdgeC, "4"}, {CubeEdge, "5"}};
        bench.fields.texts[empty] = "";
        bench.handlers.press(CalculateRightPrism);
        ASSERT_EQ(bench.window.stops.size(), 1u);
        EXPECT_EQ(errorMessage(bench.window.stops.front(), ","), expected);
        EXPECT_EQ(bench.window.stops.front().field(), empty);
    }
}

// A long line wraps after a space or a "·", never inside a number.
TEST(Solution, WrapsOnlyBetweenTerms) {
    const std::vector<std::string_view> pieces = {"V ", "= ", "π·", "r²·", "h ", ": ", "3 ", "= ", "3,141592·",
                                                  "(-1,234567E-05)²·", "4 ", ": ", "3 ", "= ", "-6,384E-10"};
    EXPECT_EQ(wrapPieces("V = π·r²·h : 3 = 3,141592·(-1,234567E-05)²·4 : 3 = -6,384E-10"), pieces);
    EXPECT_EQ(wrapPieces("S1"), std::vector<std::string_view>{"S1"});
}

// The announcement as a screen reader user hears it.
TEST(Announcement, SaysTheResultsByTheirLabels) {
    Bench bench(",");
    bench.fields.texts[SphereRadius] = "2,5";
    bench.handlers.press(CalculateSphereAndBall);
    ASSERT_EQ(bench.window.announcements.size(), 1u);
    EXPECT_EQ(bench.window.announcements.front().second, "S= 78,5398, V= 65,44984");
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

// „Реши като задача“: each panel's inputs as the solver's givens, by letter.
TEST(PanelTask, EveryPanelGivesItsSolidAndItsNonEmptyInputsByLetter) {
    struct Case {
        Panel panel;
        std::map<Field, std::string> typed;
        std::optional<std::string> solid;  // none: no task
        std::vector<std::pair<std::string, std::string>> givens;
    };
    const Case cases[] = {
        {Panel::Cone, {{ConeRadius, " 3 "}, {ConeHeight, "4"}, {ConeSlantHeight, "6"}}, "cone",
         {{"r", "3"}, {"h", "4"}, {"l", "6"}}},
        {Panel::RightPrism, {{PrismKind, "1"}, {BoxEdgeA, "2,5"}, {BoxEdgeC, "4"}, {CubeEdge, "9"}}, "box",
         {{"a", "2,5"}, {"c", "4"}}},
        {Panel::RightPrism, {{PrismKind, "2"}, {CubeEdge, "\xC2\xA0" "9"}}, "cube", {{"a", "9"}}},
        {Panel::RightPrism, {{PrismKind, "3"}, {PrismBasePerimeter, "24"}, {PrismBaseArea, "36"}, {PrismHeight, "5"}},
         "prism", {{"P", "24"}, {"h", "5"}, {"B", "36"}}},
        {Panel::RightPrism, {{PrismKind, "4"}, {CubeEdge, "9"}}, std::nullopt, {}},
        {Panel::RegularPyramid, {{PyramidBasePerimeter, "24"}, {PyramidApothem, "5"}}, "pyramid",
         {{"k", "5"}, {"P", "24"}}},
        {Panel::RegularPolygon, {{PolygonSides, "6"}, {PolygonSide, "2"}}, "polygon", {{"n", "6"}, {"a", "2"}}},
        {Panel::SphereAndBall, {}, "sphere", {}},
    };
    for (const Case& c : cases) {
        MemoryFieldStore fields;
        fields.texts = c.typed;
        const auto task = panelTask(c.panel, fields);
        ASSERT_EQ(task.has_value(), c.solid.has_value()) << panelRow(c.panel).caption;
        if (!task) continue;
        EXPECT_EQ(task->solid, *c.solid);
        EXPECT_EQ(task->givens, c.givens) << task->solid;
    }
}

}  // namespace
}  // namespace geometry::testing
