// SPDX-License-Identifier: MIT
#include "layout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace geometry::layout {
namespace {

using enum ControlKind;

// The credit line under the panels; it fits its box at its font.
constexpr std::string_view credit = "© 2026 калкулатор";

const WindowDescription window{
    "Form1", "лица на повърхнини и обеми",
    5205, 2115,  // the client area's top-left corner on the screen
    7620, 9750,
    Rgb{255, 192, 128},  // light orange
};

// clang-format off
const ControlRow controls[] = {
    // Panels, top to bottom. Background: a system colour role.
    // Kind  Name      Caption                                      Container Left  Top Width Height Tab Names
    {Panel, "Frame1", "права призма",                              "Form1", 120,  120, 7455, 2535,  0, {}, FontKind::Standard, SystemColour::ScrollBar},
    {Panel, "Frame2", "правилна пирамида",                         "Form1", 120, 2640, 7455, 1335,  1, {}, FontKind::Standard, SystemColour::InfoBackground},
    {Panel, "Frame6", "периметър и лице на правилен многоъгълник", "Form1", 120, 4080, 7455, 1095, 87, {}, FontKind::Standard, SystemColour::ButtonFace},
    {Panel, "Frame3", "цилиндър",                                  "Form1", 120, 5280, 7455, 1215,  2, {}, FontKind::Standard, SystemColour::GrayText},
    {Panel, "Frame4", "конус",                                     "Form1", 120, 6480, 7455, 1215, 59, {}, FontKind::Standard, SystemColour::InactiveCaption},
    {Panel, "Frame5", "сфера и кълбо",                             "Form1", 120, 7800, 7455, 1335,  3, {}, FontKind::Standard, SystemColour::ActiveBorder},

    // Frame1, right prism: box row, cube row, two rows of the other prism, result row; pictures last.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label1",    "1 правоъгълен паралелепипед", "Frame1",  120,  240, 2415,  255, 4},
    {Label,     "Label2_0",  "ръб=",                        "Frame1", 2640,  240,  375,  255, 5, "Text1"},
    {TextField, "Text1",     "",                            "Frame1", 3000,  240,  615,  285, 6},
    {Label,     "Label3",    "ръб=",                        "Frame1", 3720,  240,  375,  255, 7, "Text2"},
    {TextField, "Text2",     "",                            "Frame1", 4080,  240,  615,  285, 8},
    {Label,     "Label4",    "ръб=",                        "Frame1", 4800,  240,  375,  255, 9, "Text3"},
    {TextField, "Text3",     "",                            "Frame1", 5160,  240,  615,  285, 10},
    {Label,     "Label5",    "2 куб",                       "Frame1", 2640,  720,  495,  255, 11},
    {Label,     "Label2_1",  "ръб=",                        "Frame1", 3120,  720,  375,  255, 12, "Text7"},
    {TextField, "Text7",     "",                            "Frame1", 3480,  720,  615,  285, 20},
    {Label,     "Label7_0",  "периметър на основата=",      "Frame1", 1560, 1080, 1935,  255, 14, "Text4"},
    {TextField, "Text4",     "",                            "Frame1", 3480, 1080,  615,  285, 15},
    {Label,     "Label6",    "3 друга права призма",        "Frame1",  120, 1200, 1335,  495, 13, {}, FontKind::Standard, std::nullopt, CaptionAlign::TopCentre},
    {Label,     "Label8_0",  "лице на основата=",           "Frame1", 2040, 1440, 1455,  255, 16, "Text5"},
    {TextField, "Text5",     "",                            "Frame1", 3480, 1440,  615,  285, 17},
    {Label,     "Label9_0",  "височина=",                   "Frame1", 4200, 1440,  855,  255, 18, "Text6"},
    {TextField, "Text6",     "",                            "Frame1", 5040, 1440,  615,  285, 19},
    {Label,     "Label10",   "1 или 2 или 3",               "Frame1",  240, 1920, 1095,  255, 21, "Text8"},
    {TextField, "Text8",     "",                            "Frame1", 1320, 1920,  255,  285, 22},
    {Button,    "Command1",  "пресметни",                   "Frame1", 1680, 1920,  975,  255, 23},
    {Label,     "Label11_0", "S=",                          "Frame1", 2880, 1920,  255,  255, 24, "Text9"},
    {TextField, "Text9",     "",                            "Frame1", 3120, 1920,  615,  285, 25},
    {Label,     "Label12_0", "S1=",                         "Frame1", 3960, 1920,  375,  255, 26, "Text10"},
    {TextField, "Text10",    "",                            "Frame1", 4320, 1920,  615,  285, 27},
    {Label,     "Label13_0", "V=",                          "Frame1", 5160, 1920,  255,  255, 28, "Text11"},
    {TextField, "Text11",    "",                            "Frame1", 5400, 1920,  615,  285, 29},
    {Button,    "Command2",  "изчисти",                     "Frame1", 6240, 1920, 1095,  255, 30},
    {Picture,   "Image8",    "",                            "Frame1", 5880,  120,  915,  480, noTabIndex},
    {Picture,   "Image7",    "",                            "Frame1", 4440,  600,  555,  480, noTabIndex},
    {Picture,   "Image1",    "",                            "Frame1", 6600,  600,  735, 1170, noTabIndex},

    // Frame2, regular pyramid.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label7_1",  "периметър на основата=",      "Frame2",  240,  240, 1935,  255, 31, "Text12"},
    {TextField, "Text12",    "",                            "Frame2", 2160,  240,  615,  285, 35},
    {Label,     "Label14",   "апотема на пирамидата=",      "Frame2", 3000,  240, 1935,  255, 34, "Text14"},
    {TextField, "Text14",    "",                            "Frame2", 4920,  240,  615,  285, 37},
    {Label,     "Label8_1",  "лице на основата=",           "Frame2",  720,  600, 1455,  255, 32, "Text13"},
    {TextField, "Text13",    "",                            "Frame2", 2160,  600,  615,  285, 36},
    {Label,     "Label9_1",  "височина на пирамидата=",     "Frame2", 2880,  600, 2055,  255, 33, "Text15"},
    {TextField, "Text15",    "",                            "Frame2", 4920,  600,  615,  285, 38},
    {Button,    "Command3",  "пресметни",                   "Frame2",  240,  960,  975,  255, 45},
    {Label,     "Label11_1", "S=",                          "Frame2", 1320,  960,  255,  255, 39, "Text16"},
    {TextField, "Text16",    "",                            "Frame2", 1560,  960,  615,  285, 42},
    {Label,     "Label12_1", "S1=",                         "Frame2", 2400,  960,  375,  255, 40, "Text17"},
    {TextField, "Text17",    "",                            "Frame2", 2760,  960,  615,  285, 43},
    {Label,     "Label13_1", "V=",                          "Frame2", 3600,  960,  255,  255, 41, "Text18"},
    {TextField, "Text18",    "",                            "Frame2", 3840,  960,  615,  285, 44},
    {Button,    "Command4",  "изчисти",                     "Frame2", 4920,  960,  975,  255, 46},
    {Picture,   "Image4",    "",                            "Frame2", 6360,  120,  795,  900, noTabIndex},

    // Frame6, regular polygon.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label20",   "брой страни=",                "Frame6",  120,  240, 1095,  255, 88, "Text33"},
    {TextField, "Text33",    "",                            "Frame6", 1200,  240,  615,  285, 89},
    {Label,     "Label21",   "страна=",                     "Frame6", 2040,  240,  615,  255, 90, "Text34"},
    {TextField, "Text34",    "",                            "Frame6", 2640,  240,  615,  285, 91},
    {Button,    "Command13", "пресметни",                   "Frame6",  240,  720,  975,  255, 92},
    {Label,     "Label23",   "P=",                          "Frame6", 1560,  720,  255,  255, 93, "Text36"},
    {TextField, "Text36",    "",                            "Frame6", 1800,  720,  735,  285, 94},
    {Label,     "Label24",   "B=",                          "Frame6", 3120,  720,  255,  255, 95, "Text37"},
    {TextField, "Text37",    "",                            "Frame6", 3360,  720,  735,  285, 96},
    {Button,    "Command14", "изчисти",                     "Frame6", 4440,  720,  975,  255, 97},
    {Picture,   "Image6",    "",                            "Frame6", 6360,  240,  750,  660, noTabIndex},

    // Frame3, cylinder.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label15_0", "радиус=",                     "Frame3",  960,  360,  615,  255, 47, "Text19"},
    {TextField, "Text19",    "",                            "Frame3", 1560,  360,  615,  285, 48},
    {Label,     "Label9_2",  "височина=",                   "Frame3", 2760,  360,  855,  255, 49, "Text20"},
    {TextField, "Text20",    "",                            "Frame3", 3480,  360,  735,  285, 50},
    {Button,    "Command5",  "пресметни",                   "Frame3",  240,  840,  975,  255, 51},
    {Label,     "Label11_2", "S=",                          "Frame3", 1320,  840,  255,  255, 52, "Text21"},
    {TextField, "Text21",    "",                            "Frame3", 1560,  840,  615,  285, 55},
    {Label,     "Label12_2", "S1=",                         "Frame3", 2400,  840,  375,  255, 53, "Text22"},
    {TextField, "Text22",    "",                            "Frame3", 2760,  840,  615,  285, 56},
    {Label,     "Label13_2", "V=",                          "Frame3", 3600,  840,  255,  255, 54, "Text23"},
    {TextField, "Text23",    "",                            "Frame3", 3840,  840,  615,  285, 57},
    {Button,    "Command6",  "изчисти",                     "Frame3", 4920,  840,  975,  255, 58},
    {Picture,   "Image2",    "",                            "Frame3", 6360,  120,  675, 1020, noTabIndex},

    // Frame4, cone.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label15_1", "радиус=",                     "Frame4",  360,  240,  615,  255, 60, "Text24"},
    {TextField, "Text24",    "",                            "Frame4",  960,  240,  615,  285, 63},
    {Label,     "Label9_3",  "височина=",                   "Frame4", 2160,  240,  855,  255, 61, "Text25"},
    {TextField, "Text25",    "",                            "Frame4", 3000,  240,  615,  285, 64},
    {Label,     "Label16",   "образуваща=",                 "Frame4", 3840,  240, 1095,  255, 62, "Text26"},
    {TextField, "Text26",    "",                            "Frame4", 4920,  240,  615,  285, 65},
    {Button,    "Command7",  "пресметни",                   "Frame4",  240,  720,  975,  255, 66},
    {Label,     "Label11_3", "S=",                          "Frame4", 1320,  720,  255,  255, 67, "Text27"},
    {TextField, "Text27",    "",                            "Frame4", 1560,  720,  615,  285, 70},
    {Label,     "Label12_3", "S1=",                         "Frame4", 2400,  720,  375,  255, 68, "Text28"},
    {TextField, "Text28",    "",                            "Frame4", 2760,  720,  615,  285, 71},
    {Label,     "Label13_3", "V=",                          "Frame4", 3600,  720,  255,  255, 69, "Text29"},
    {TextField, "Text29",    "",                            "Frame4", 3840,  720,  615,  285, 72},
    {Button,    "Command8",  "изчисти",                     "Frame4", 4800,  720,  975,  255, 73},
    {Picture,   "Image3",    "",                            "Frame4", 6240,  120,  990,  990, noTabIndex},

    // Frame5, sphere and ball.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Label,     "Label15_2", "радиус=",                     "Frame5",  720,  240,  615,  255, 74, "Text30"},
    {TextField, "Text30",    "",                            "Frame5", 1320,  240,  735,  285, 75},
    {Label,     "Label17",   "лице на сфера",               "Frame5",  360,  600, 1215,  255, 76},
    {Label,     "Label11_4", "S=",                          "Frame5", 2280,  600,  255,  255, 77, "Text31"},
    {TextField, "Text31",    "",                            "Frame5", 2520,  600,  735,  285, 80},
    {Button,    "Command9",  "пресметни",                   "Frame5", 3960,  600, 1215,  255, 82},
    {Label,     "Label18",   "обем на кълбо",               "Frame5",  360,  960, 1215,  255, 78},
    {Label,     "Label13_4", "V=",                          "Frame5", 2280,  960,  255,  255, 79, "Text32"},
    {TextField, "Text32",    "",                            "Frame5", 2520,  960,  735,  285, 81},
    {Button,    "Command10", "изчисти",                     "Frame5", 3960,  960, 1215,  255, 83},
    {Picture,   "Image5",    "",                            "Frame5", 6240,  120,  990,  975, noTabIndex},

    // Directly on the window, under the panels.
    // Kind     Name         Caption                        Container Left   Top Width Height Tab Names
    {Button,    "Command11", "инструкция",                  "Form1",   360, 9240, 2175,  375, 84, {}, FontKind::LargeBold},
    {Button,    "Command12", "затвори",                     "Form1",  2760, 9240, 1815,  375, 85, {}, FontKind::LargeBold},
    {Label,     "Label19",   credit,                        "Form1",  5160, 9360, 2295,  255, 86, {}, FontKind::CreditItalic},
};
// clang-format on

// clang-format off
struct PictureFigure {
    std::string_view picture;
    std::string_view figure;
};

const PictureFigure pictureFigures[] = {
    {"Image8", "правоъгълен паралелепипед"},
    {"Image7", "куб"},
    {"Image1", "шестоъгълна права призма"},
    {"Image4", "правилна четириъгълна пирамида"},
    {"Image6", "правилен шестоъгълник"},
    {"Image2", "цилиндър"},
    {"Image3", "конус"},
    {"Image5", "сфера"},
};
// clang-format on

}  // namespace

const WindowDescription& form1Window() { return window; }

std::span<const ControlRow> form1Controls() { return controls; }

const ControlRow* findControl(std::string_view name) {
    const auto* row = std::find_if(std::begin(controls), std::end(controls),
                                   [name](const ControlRow& r) { return r.name == name; });
    return row == std::end(controls) ? nullptr : row;
}

std::span<const ControlRow* const> form1TabStops() {
    static const std::vector<const ControlRow*> stops = [] {
        std::vector<const ControlRow*> takesFocus;
        for (const ControlRow& row : controls)
            if (row.kind == TextField || row.kind == Button) takesFocus.push_back(&row);
        // Plain std:: algorithms here: the WebAssembly build's libc++ 13 has no std::ranges ones.
        std::sort(takesFocus.begin(), takesFocus.end(),
                  [](const ControlRow* x, const ControlRow* y) { return x->tabIndex < y->tabIndex; });
        return takesFocus;
    }();
    return stops;
}

const ControlRow* labelNaming(std::string_view field) {
    const auto* row = std::find_if(std::begin(controls), std::end(controls),
                                   [field](const ControlRow& r) { return r.names == field; });
    return field.empty() || row == std::end(controls) ? nullptr : row;
}

std::string_view pictureFigure(std::string_view picture) {
    const auto* entry = std::find_if(std::begin(pictureFigures), std::end(pictureFigures),
                                     [picture](const PictureFigure& p) { return p.picture == picture; });
    return entry == std::end(pictureFigures) ? std::string_view() : entry->figure;
}

}  // namespace geometry::layout
