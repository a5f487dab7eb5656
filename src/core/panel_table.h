// SPDX-License-Identifier: MIT
#pragma once
// What each panel of the window is: its caption, its inputs in the order its
// calculation reads them, its results left to right, the order in which its
// clear button empties its fields, and its two buttons. Messages, accessible
// names, the button dispatch, the clear handlers and the tests read the panels
// from here; only the calculations are written out, one file per panel.
//
// In code a field or button is named by what it holds or does; its window name
// ("Text24", "Command7") stays with it in the table, for the window and for
// everything that finds controls by name.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace geometry {

enum class Panel { RightPrism, RegularPyramid, Cylinder, Cone, SphereAndBall, RegularPolygon };

inline constexpr std::size_t panelCount = 6;

// The window's text fields, in the order of their window names (Text1 first).
enum class Field {
    // Right prism.
    BoxEdgeA, BoxEdgeB, BoxEdgeC, PrismBasePerimeter, PrismBaseArea, PrismHeight, CubeEdge,
    PrismKind, PrismSurface, PrismFullSurface, PrismVolume,
    // Regular pyramid.
    PyramidBasePerimeter, PyramidBaseArea, PyramidApothem, PyramidHeight,
    PyramidLateralSurface, PyramidFullSurface, PyramidVolume,
    // Cylinder.
    CylinderRadius, CylinderHeight, CylinderLateralSurface, CylinderFullSurface, CylinderVolume,
    // Cone.
    ConeRadius, ConeHeight, ConeSlantHeight, ConeLateralSurface, ConeFullSurface, ConeVolume,
    // Sphere and ball.
    SphereRadius, SphereSurface, BallVolume,
    // Regular polygon.
    PolygonSides, PolygonSide, PolygonPerimeter, PolygonArea,
};

inline constexpr std::size_t fieldCount = 36;

// The window's buttons, in the order of their window names (Command1 first).
enum class Button {
    CalculateRightPrism, ClearRightPrism, CalculateRegularPyramid, ClearRegularPyramid,
    CalculateCylinder, ClearCylinder, CalculateCone, ClearCone, CalculateSphereAndBall,
    ClearSphereAndBall, ShowInstruction, CloseWindow, CalculateRegularPolygon, ClearRegularPolygon,
};

inline constexpr std::size_t buttonCount = 14;

// What a result field holds.
enum class Quantity { LateralSurface, FullSurface, Volume, Perimeter, Area };

struct InputRow {
    Field field;
    std::string_view name;   // the window name: "Text24"
    std::string_view label;  // the caption beside it: "радиус="
    std::string_view letter = {};  // what formulas call it, as the textbooks do: "r"
    std::string_view kind = {};  // the right prism reads it only for this kind: "1", "2" or "3"
    // Names the field by its place and letter where its panel repeats its label
    // (the box's three "ръб="): "първият ръб (a)", in messages and for screen readers.
    std::string_view distinction = {};
    std::string_view description = {};  // for screen readers: what to type, where the label is terse
};

struct ResultRow {
    Field field;
    std::string_view name;   // "Text27"
    std::string_view label;  // "S="
    Quantity quantity;
    // How it is found, as a Bulgarian textbook writes it, in the letters of the
    // inputs and of the results before it, in the order the calculation
    // computes it: "π·r²·h : 3". The right prism's depend on its kind (below).
    std::string_view formula;
    std::string_view description = {};  // for screen readers, where the quantity alone says too little
};

struct ButtonRow {
    Button button;
    std::string_view name;  // "Command7"
};

// The right prism's formula for a result, by its kind. The box and the cube
// hold their full surface under "S=", and their solution says so.
struct KindFormula {
    std::string_view kind;     // "1", "2" or "3"
    Field field;
    std::string_view symbol;   // how the solution names the result: "S (пълна повърхнина)"
    std::string_view formula;  // "6·a²"
};

// The right prism's kinds as the task solver names their solids.
struct KindSolid {
    std::string_view kind;   // "1"
    std::string_view solid;  // "box"
};

class Press;
using CalculateHandler = void (*)(Press&);

struct PanelRow {
    Panel panel;
    std::string_view frame;    // the window name of its frame: "Frame4"
    std::string_view caption;  // "конус"
    std::span<const InputRow> inputs;    // read as numbers, in the order a press reads them
    std::span<const ResultRow> results;  // left to right, the order a press writes them
    std::span<const Field> clearing;     // the order its clear button empties its fields
    ButtonRow calculate, clear;
    CalculateHandler calculation;  // the statement list behind its calculate button
    // The right prism's "1 или 2 или 3": read as text, never as a number, before
    // any input; it picks the kind of prism.
    const InputRow* kindField = nullptr;
    std::span<const KindFormula> kindFormulas = {};  // in place of the results' own formulas
    // The solid the task solver makes of its inputs ("cone"), each input's
    // letter its quantity; the right prism's by its kind.
    std::string_view solid = {};
    std::span<const KindSolid> kindSolids = {};
};

// The six panels, Frame1 first.
std::span<const PanelRow> allPanels();
const PanelRow& panelRow(Panel panel);

// The two buttons directly on the window.
std::span<const ButtonRow> windowButtons();

// A field as the window and its messages know it.
struct FieldInfo {
    Field field;
    std::string_view name;          // "Text30"
    std::string_view label;         // "радиус="
    std::string_view panelCaption;  // "сфера и кълбо"
    Panel panel;
    const InputRow* input;    // exactly one of these two is set
    const ResultRow* result;
};

// Every field, Text1 first.
std::span<const FieldInfo> allFields();
const FieldInfo& fieldInfo(Field field);
std::optional<Field> fieldByName(std::string_view name);

std::string_view buttonName(Button button);  // "Command9"
std::optional<Button> buttonByName(std::string_view name);
// The panel a button belongs to; none for the window's own buttons.
const PanelRow* panelOf(Button button);

// "околна повърхнина", "пълна повърхнина", "обем", "периметър", "лице".
std::string_view quantityName(Quantity quantity);

// What names a field in a message and for a screen reader: its distinction
// ("първият ръб (a)") where it has one, else its label ("радиус=").
std::string_view fieldWords(Field field);

// What a screen reader says of a field besides its name: for a result what it
// holds, for an input what to type where its label is terse; may be empty.
std::string_view fieldDescription(Field field);

}  // namespace geometry
