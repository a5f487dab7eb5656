// SPDX-License-Identifier: MIT
#include "panel_table.h"

#include <algorithm>
#include <array>

#include "statements.h"

namespace geometry {

// The statement lists, one file per panel in panels/.
template <> void Calculation<Panel::RightPrism>::run();
template <> void Calculation<Panel::RegularPyramid>::run();
template <> void Calculation<Panel::Cylinder>::run();
template <> void Calculation<Panel::Cone>::run();
template <> void Calculation<Panel::SphereAndBall>::run();
template <> void Calculation<Panel::RegularPolygon>::run();

namespace {

using enum Field;
using enum Quantity;

// clang-format off

// Right prism: the kind field picks a box ("1"), a cube ("2") or any other
// right prism ("3"); each kind reads only its own fields.
constexpr InputRow rightPrismKind{PrismKind, "Text8", "1 или 2 или 3", "", "", "",
                                   "1 за правоъгълен паралелепипед, 2 за куб или 3 за друга права призма"};
constexpr InputRow rightPrismInputs[] = {
    {BoxEdgeA,           "Text1", "ръб=", "a", "1", "първият ръб (a)", "дължината на ръба, за 1 правоъгълен паралелепипед"},
    {BoxEdgeB,           "Text2", "ръб=", "b", "1", "вторият ръб (b)", "дължината на ръба, за 1 правоъгълен паралелепипед"},
    {BoxEdgeC,           "Text3", "ръб=", "c", "1", "третият ръб (c)", "дължината на ръба, за 1 правоъгълен паралелепипед"},
    {CubeEdge,           "Text7", "ръб=", "a", "2", "ръбът на куба (a)", "дължината на ръба, за 2 куб"},
    {PrismBasePerimeter, "Text4", "периметър на основата=", "P", "3", "", "за 3 друга права призма"},
    {PrismHeight,        "Text6", "височина=", "h", "3", "", "височината на призмата, за 3 друга права призма"},
    {PrismBaseArea,      "Text5", "лице на основата=", "B", "3", "", "за 3 друга права призма"},
};
// For the box and the cube "S=" holds the full surface and "S1=" is emptied.
constexpr ResultRow rightPrismResults[] = {
    {PrismSurface,     "Text9",  "S=",  LateralSurface, "", "околна повърхнина; за паралелепипед и куб пълна повърхнина"},
    {PrismFullSurface, "Text10", "S1=", FullSurface,    "", "пълна повърхнина, само за друга права призма"},
    {PrismVolume,      "Text11", "V=",  Volume,         ""},
};
constexpr KindFormula rightPrismFormulas[] = {
    {"1", PrismSurface,     "S (пълна повърхнина)", "2·(a·b + a·c + b·c)"},
    {"1", PrismVolume,      "V",                    "a·b·c"},
    {"2", PrismSurface,     "S (пълна повърхнина)", "6·a²"},
    {"2", PrismVolume,      "V",                    "a³"},
    {"3", PrismSurface,     "S",                    "P·h"},
    {"3", PrismFullSurface, "S1",                   "2·B + S"},
    {"3", PrismVolume,      "V",                    "B·h"},
};
constexpr KindSolid rightPrismSolids[] = {{"1", "box"}, {"2", "cube"}, {"3", "prism"}};
constexpr Field rightPrismClearing[] = {
    BoxEdgeA, BoxEdgeB, BoxEdgeC, PrismBasePerimeter, PrismBaseArea, PrismHeight, CubeEdge,
    PrismKind, PrismSurface, PrismFullSurface, PrismVolume,
};

// Regular pyramid: base area, apothem and height are read before the perimeter.
constexpr InputRow regularPyramidInputs[] = {
    {PyramidBaseArea,      "Text13", "лице на основата=",       "B"},
    {PyramidApothem,       "Text14", "апотема на пирамидата=",  "k"},
    {PyramidHeight,        "Text15", "височина на пирамидата=", "h"},
    {PyramidBasePerimeter, "Text12", "периметър на основата=",  "P"},
};
constexpr ResultRow regularPyramidResults[] = {
    {PyramidLateralSurface, "Text16", "S=",  LateralSurface, "P·k : 2"},
    {PyramidFullSurface,    "Text17", "S1=", FullSurface,    "S + B"},
    {PyramidVolume,         "Text18", "V=",  Volume,         "B·h : 3"},
};
constexpr Field regularPyramidClearing[] = {
    PyramidBasePerimeter, PyramidBaseArea, PyramidApothem, PyramidHeight,
    PyramidLateralSurface, PyramidFullSurface, PyramidVolume,
};

constexpr InputRow cylinderInputs[] = {
    {CylinderRadius, "Text19", "радиус=",   "r", "", "", "радиусът на основата на цилиндъра"},
    {CylinderHeight, "Text20", "височина=", "h", "", "", "височината на цилиндъра"},
};
constexpr ResultRow cylinderResults[] = {
    {CylinderLateralSurface, "Text21", "S=",  LateralSurface, "2π·r·h"},
    {CylinderFullSurface,    "Text22", "S1=", FullSurface,    "2π·r² + S"},
    {CylinderVolume,         "Text23", "V=",  Volume,         "π·r²·h"},
};
constexpr Field cylinderClearing[] = {
    CylinderRadius, CylinderHeight, CylinderLateralSurface, CylinderFullSurface, CylinderVolume,
};

constexpr InputRow coneInputs[] = {
    {ConeRadius,      "Text24", "радиус=",     "r", "", "", "радиусът на основата на конуса"},
    {ConeHeight,      "Text25", "височина=",   "h", "", "", "височината на конуса"},
    {ConeSlantHeight, "Text26", "образуваща=", "l", "", "", "дължината на образуващата на конуса"},
};
constexpr ResultRow coneResults[] = {
    {ConeLateralSurface, "Text27", "S=",  LateralSurface, "π·r·l"},
    {ConeFullSurface,    "Text28", "S1=", FullSurface,    "π·r² + S"},
    {ConeVolume,         "Text29", "V=",  Volume,         "π·r²·h : 3"},
};
constexpr Field coneClearing[] = {
    ConeRadius, ConeHeight, ConeSlantHeight, ConeLateralSurface, ConeFullSurface, ConeVolume,
};

constexpr InputRow sphereAndBallInputs[] = {
    {SphereRadius, "Text30", "радиус=", "r", "", "", "радиусът на сферата и кълбото"},
};
constexpr ResultRow sphereAndBallResults[] = {
    {SphereSurface, "Text31", "S=", FullSurface, "4π·r²",     "лице на сфера"},
    {BallVolume,    "Text32", "V=", Volume,      "4/3·π·r³", "обем на кълбо"},
};
constexpr Field sphereAndBallClearing[] = {SphereRadius, SphereSurface, BallVolume};

constexpr InputRow regularPolygonInputs[] = {
    {PolygonSides, "Text33", "брой страни=", "n", "", "", "колко страни има многоъгълникът, например 6"},
    {PolygonSide,  "Text34", "страна=",      "a", "", "", "дължината на една страна"},
};
constexpr ResultRow regularPolygonResults[] = {
    {PolygonPerimeter, "Text36", "P=", Perimeter, "n·a"},
    {PolygonArea,      "Text37", "B=", Area,      "n·a² : 4·cotg(π : n)"},
};
constexpr Field regularPolygonClearing[] = {PolygonSides, PolygonSide, PolygonPerimeter, PolygonArea};

using enum Button;

constexpr PanelRow panels[] = {
    {Panel::RightPrism, "Frame1", "права призма",
     rightPrismInputs, rightPrismResults, rightPrismClearing,
     {CalculateRightPrism, "Command1"}, {ClearRightPrism, "Command2"}, calculate<Panel::RightPrism>, &rightPrismKind,
     rightPrismFormulas, "", rightPrismSolids},
    {Panel::RegularPyramid, "Frame2", "правилна пирамида",
     regularPyramidInputs, regularPyramidResults, regularPyramidClearing,
     {CalculateRegularPyramid, "Command3"}, {ClearRegularPyramid, "Command4"}, calculate<Panel::RegularPyramid>,
     nullptr, {}, "pyramid"},
    {Panel::Cylinder, "Frame3", "цилиндър",
     cylinderInputs, cylinderResults, cylinderClearing,
     {CalculateCylinder, "Command5"}, {ClearCylinder, "Command6"}, calculate<Panel::Cylinder>, nullptr, {}, "cylinder"},
    {Panel::Cone, "Frame4", "конус",
     coneInputs, coneResults, coneClearing,
     {CalculateCone, "Command7"}, {ClearCone, "Command8"}, calculate<Panel::Cone>, nullptr, {}, "cone"},
    {Panel::SphereAndBall, "Frame5", "сфера и кълбо",
     sphereAndBallInputs, sphereAndBallResults, sphereAndBallClearing,
     {CalculateSphereAndBall, "Command9"}, {ClearSphereAndBall, "Command10"}, calculate<Panel::SphereAndBall>,
     nullptr, {}, "sphere"},
    {Panel::RegularPolygon, "Frame6", "периметър и лице на правилен многоъгълник",
     regularPolygonInputs, regularPolygonResults, regularPolygonClearing,
     {CalculateRegularPolygon, "Command13"}, {ClearRegularPolygon, "Command14"}, calculate<Panel::RegularPolygon>,
     nullptr, {}, "polygon"},
};

static_assert(std::size(panels) == panelCount);

constexpr ButtonRow buttonsOnTheWindow[] = {
    {ShowInstruction, "Command11"},
    {CloseWindow,     "Command12"},
};

// clang-format on

constexpr std::size_t index(auto enumerator) { return static_cast<std::size_t>(enumerator); }

// Every field and button found in the rows above, by its enumerator.
struct Index {
    std::array<FieldInfo, fieldCount> fields{};
    std::array<ButtonRow, buttonCount> buttons{};
    std::array<const PanelRow*, buttonCount> buttonPanels{};

    Index() {
        for (const PanelRow& panel : panels) {
            if (const InputRow* kind = panel.kindField)
                fields[index(kind->field)] = {kind->field, kind->name, kind->label, panel.caption,
                                              panel.panel, kind, nullptr};
            for (const InputRow& input : panel.inputs)
                fields[index(input.field)] = {input.field, input.name, input.label, panel.caption,
                                              panel.panel, &input, nullptr};
            for (const ResultRow& result : panel.results)
                fields[index(result.field)] = {result.field, result.name, result.label, panel.caption,
                                               panel.panel, nullptr, &result};
            for (const ButtonRow& button : {panel.calculate, panel.clear}) {
                buttons[index(button.button)] = button;
                buttonPanels[index(button.button)] = &panel;
            }
        }
        for (const ButtonRow& button : buttonsOnTheWindow) buttons[index(button.button)] = button;
    }
};

const Index& theIndex() {
    static const Index built;
    return built;
}

}  // namespace

std::span<const PanelRow> allPanels() { return panels; }

const PanelRow& panelRow(Panel panel) {
    // Not std::ranges::find: the WebAssembly build's libc++ 13 lacks it.
    return *std::find_if(std::begin(panels), std::end(panels),
                         [panel](const PanelRow& row) { return row.panel == panel; });
}

std::span<const ButtonRow> windowButtons() { return buttonsOnTheWindow; }

std::span<const FieldInfo> allFields() { return theIndex().fields; }

const FieldInfo& fieldInfo(Field field) { return theIndex().fields[index(field)]; }

std::optional<Field> fieldByName(std::string_view name) {
    for (const FieldInfo& info : allFields())
        if (info.name == name) return info.field;
    return std::nullopt;
}

std::string_view buttonName(Button button) { return theIndex().buttons[index(button)].name; }

std::optional<Button> buttonByName(std::string_view name) {
    for (const ButtonRow& row : theIndex().buttons)
        if (row.name == name) return row.button;
    return std::nullopt;
}

const PanelRow* panelOf(Button button) { return theIndex().buttonPanels[index(button)]; }

std::string_view fieldWords(Field field) {
    const FieldInfo& info = fieldInfo(field);
    return info.input && !info.input->distinction.empty() ? info.input->distinction : info.label;
}

std::string_view fieldDescription(Field field) {
    const FieldInfo& info = fieldInfo(field);
    if (info.input) return info.input->description;
    return info.result->description.empty() ? quantityName(info.result->quantity) : info.result->description;
}

std::string_view quantityName(Quantity quantity) {
    switch (quantity) {
    case Quantity::LateralSurface: return "околна повърхнина";
    case Quantity::FullSurface: return "пълна повърхнина";
    case Quantity::Volume: return "обем";
    case Quantity::Perimeter: return "периметър";
    case Quantity::Area: return "лице";
    }
    return {};
}

}  // namespace geometry
