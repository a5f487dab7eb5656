#pragma once
// The description of Form1: the window itself and one row per control, in
// twips (1440 to the inch, 15 to a pixel at 96 dots per inch). The window is
// built from these rows alone; nothing else places, sizes, captions or colours
// a control.

#include <optional>
#include <span>
#include <string_view>

#include "system_colours.h"

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
    FontKind font = FontKind::Standard;
    std::optional<SystemColour> background = std::nullopt;  // panels only
    CaptionAlign align = CaptionAlign::TopLeft;
};

struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientLeft, clientTop;       // twips from the screen's top-left corner
    int clientWidth, clientHeight;   // twips
    QColor background;
};

const WindowDescription& form1Window();

// Every control of Form1: the panels top to bottom, then each panel's controls
// row by row (pictures last), then the controls directly on the window.
std::span<const ControlRow> form1Controls();

const ControlRow* findControl(std::string_view name);

// The text fields and buttons in focus order: by ascending tab index.
std::span<const ControlRow* const> form1TabStops();

// Where a picture's artwork lives: ":/pictures/Image5.svg".
QString pictureResource(const ControlRow& row);

// What a screen reader is told beyond the captions on screen.
struct FieldNaming {
    std::string_view field;        // "Text1"
    std::string_view label;        // the label that names it on screen: "Label2_0"
    std::string_view rowCaption;   // the label captioning its row, if any: "Label1"
    std::string_view distinction;  // tells apart fields of one panel with the same label
};

// The naming of every text field, Text1 first.
std::span<const FieldNaming> form1FieldNamings();
// The naming of one field; nullptr for a name that is no field.
const FieldNaming* fieldNaming(std::string_view field);

// The figure a picture shows, in a few Bulgarian words: "правоъгълен паралелепипед".
std::string_view pictureFigure(std::string_view picture);
