// SPDX-License-Identifier: MIT
#pragma once
// The description of Form1: the window itself and one row per control, in
// twips (1440 to the inch, 15 to a pixel at 96 dots per inch). The window is
// built from these rows alone; nothing else places, sizes, captions or colours
// a control. No toolkit here: every front end builds its window from it.

#include <optional>
#include <span>
#include <string_view>

#include "system_colours.h"

namespace geometry::layout {

enum class ControlKind { Panel, Label, TextField, Button, Picture };

enum class FontKind {
    Standard,     // the window's font: MS Sans Serif 8.25 pt
    LargeBold,    // MS Sans Serif 12 pt bold (the two window buttons)
    CreditItalic, // MS Sans Serif 9.75 pt bold italic (the credit line)
};

enum class CaptionAlign { TopLeft, TopCentre };

inline constexpr int noTabIndex = -1;
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / twipsPerPixel; }

struct ControlRow {
    ControlKind kind;
    std::string_view name;       // "Text30"; an array member is "Label13_2" for Label13(2)
    std::string_view caption;    // UTF-8; empty for text fields and pictures
    std::string_view container;  // "Form1" or "FrameN"
    int left, top, width, height;  // twips, relative to the container's top-left corner
    int tabIndex;                  // noTabIndex for pictures
    std::string_view names = {};   // labels: the text field the label names, if any
    FontKind font = FontKind::Standard;
    std::optional<SystemColour> background = std::nullopt;  // panels only
    CaptionAlign align = CaptionAlign::TopLeft;
};

struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientLeft, clientTop;       // twips from the screen's top-left corner
    int clientWidth, clientHeight;   // twips
    Rgb background;
};

const WindowDescription& form1Window();

// Every control of Form1: the panels top to bottom, then each panel's controls
// row by row (pictures last), then the controls directly on the window.
std::span<const ControlRow> form1Controls();

const ControlRow* findControl(std::string_view name);

// The text fields and buttons in focus order: by ascending tab index.
std::span<const ControlRow* const> form1TabStops();

// The label that names a text field on screen; nullptr for a name that is no field.
const ControlRow* labelNaming(std::string_view field);

// The figure a picture shows, in a few Bulgarian words: "правоъгълен паралелепипед".
std::string_view pictureFigure(std::string_view picture);

}  // namespace geometry::layout
