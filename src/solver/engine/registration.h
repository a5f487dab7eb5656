// SPDX-License-Identifier: MIT
#pragma once
// What the layers above the solver need of a solid, as plain data in its
// table file: its picture, the drawers of its figure and net (by their names
// in the drawings' registries, drawing/figure.cpp and drawing/net_faces.cpp)
// and the measures they are drawn from, the worksheet's task patterns and how
// its nice measures are drawn, and the name its tasks give a regular one. The
// drawings, the worksheets, the window and the pages read this row and never
// the solid's key; the functions the names stand for live in those layers.

#include <array>
#include <span>
#include <string_view>

namespace solver {

enum class Gender;

// --- Drawings ---

struct DrawingRow {
    // The figure's drawer: "cuboid", "right cone"; empty where the solid has none.
    std::string_view figure = {};
    // The measures that give the figure's proportions, in the drawer's order
    // (a cuboid's length, width and height); empty where the drawer knows its own.
    std::array<std::string_view, 3> proportions = {};
    // The net's drawer: "cuboid", "right cone"; empty where the solid has no net.
    std::string_view net = {};
    // The lengths the net is drawn from, in the drawer's order ({"a", "a", "a"}
    // for a cube's cuboid, {"r", "l"} for a cone).
    std::array<std::string_view, 3> netDrawnFrom = {};
    // The measures listed on the net's sheet (a trapezoid's a, b and h1, h and l).
    std::array<std::string_view, 5> netShown = {};
    // Why there is no net, where `net` is empty.
    std::string_view withoutNet = {};
    // The drawer of the base's outline (drawing/outlines.cpp): "rhombus by its
    // diagonals" turns a rhombus's measures into its corners; empty where the drawers need none.
    std::string_view outline = {};
    // Where the sphere described about it and the ball inscribed in it are
    // drawn: the letter of its height, then those of the radii of the circles
    // round its lower and upper bases, the upper empty at an apex; both empty
    // where the centre is halfway up (a prism, a cylinder).
    std::array<std::string_view, 3> sphereAxis = {};
};

// --- Worksheets ---

struct TaskPattern {
    std::array<std::string_view, 4> givens;  // besides n, which a prism, a pyramid or a polygon is given by
    std::array<std::string_view, 2> sought;  // always asked: the dimensions an inverse task finds
    std::array<std::string_view, 4> more;    // some of these asked besides
    int fromGrade = 0;  // offered only on a sheet of this grade or later (an angle: 10); 0: on every sheet
    // A relation the task's words imply and the solver is given besides: "l2=l1"
    // (a rhombus's sides); empty where none.
    std::string_view relation = {};
};

// What holds a root for every base of n sides with decimal measures (the area
// of a triangle or a hexagon holds √3): no decimal sheet gives it.
struct RootsAtSides {
    int sides;
    std::array<std::string_view, 6> keys;
};

// How one measure of a sheet's solid is drawn (worksheet/solid_tasks.cpp).
enum class Drawn {
    Length,        // whole from `low` to `high`, or with one decimal that is not 0
    EvenLength,    // even and whole from `low` to `high`; on a decimal sheet as Length
    Multiple,      // `times` times a whole number from `low` to `high`
    OtherLength,   // as Length, but one more where it equals the measure drawn just before
    OddHalf,       // (2k + 1) : 2 for a whole k from `low` to `high`
    RightLegs,     // letters[0] and letters[1]: the legs of a right triangle with whole
                   // sides (on a decimal sheet times a decimal), the first `times` times
    WholeDiagonal, // letters[0..2]: the edges of a box whose diagonal is whole, in any order
    Listed,        // letters[i]: the i-th number of one of the `listed` rows (a triangle's sides
                   // whose area is whole), on a decimal sheet all times one decimal
    TableAngle,    // letters[0]: an angle of the table, 30°, 45° or 60°, on any sheet
    AbovePrevious, // letters[0]: the measure drawn just before plus `times` times a Length from
                   // `low` to `high` (a frustum's larger radius above its smaller); with
                   // letters[1], plus `times` times the first of RightLegs instead, and
                   // letters[1] their second (r1 − r2 and h legs of a whole generator)
};

struct MeasureDrawn {
    std::array<std::string_view, 4> letters;
    Drawn way;
    int low = 0, high = 0, times = 1;
    std::span<const std::array<int, 4>> listed = {};
};

enum class SheetNumbers { Any, Whole, Decimal };

// One way of drawing a solid's nice measures, taken where its conditions hold:
// the sheet's numbers, the base's n, and a chance of one in `oneIn` (or, with
// `unlessOne`, all but that one). The first that holds is taken.
struct MeasureChoice {
    // Taken for the patterns that give this quantity (an angle), and for no
    // other; empty: for any pattern where the rest holds.
    std::string_view forGiven = {};
    // Taken for the patterns that always ask this quantity (a ball inscribed
    // in a prism, which sets its height), and for no other; empty: any.
    std::string_view forSought = {};
    SheetNumbers numbers = SheetNumbers::Any;
    int sides = 0;  // 0: any
    int oneIn = 0;  // 0: always
    bool unlessOne = false;
    std::span<const MeasureDrawn> measures = {};
};

// A regular solid's name by its base: "{}" stands for the count's stem
// ("шест" in „правилна шестоъгълна призма“); an empty genitive is the solid's.
struct NamedSides {
    int sides;
    std::string_view name, genitive;
};
struct SidedName {
    std::string_view name = {};  // "правилна {}ъгълна призма"; empty: the solid's own name
    std::string_view genitive = {};
    Gender gender = {};
    std::span<const NamedSides> named = {};  // {3, "равностранен триъгълник", "на триъгълника"}
};

// How a task words a solid on a base of its own shape (worksheet/task_text.cpp):
// „Права призма с височина 10 cm има основа правоъгълен триъгълник с катети
// 6 cm и 8 cm.“ — `opening`, the solid's own givens after „с“, „има основа“
// and the base's name, then `base` with each "{a}" the given's value and unit,
// then `apex`.
struct WordedOnBase {
    std::string_view opening = {};  // "Права призма"; empty: the task says „Дадена е …“
    std::string_view base = {};     // "с катети {a} и {b}"
    std::string_view apex = {};     // " и равни околни ръбове"
};

// How a task words a body by the givens it names (worksheet/task_text.cpp):
// „Тяло е съставено от цилиндър и конус с обща основа с радиус {r}.
// Височината на цилиндъра е {h1}, а на конуса – {h2}.“, each "{r}" the
// given's value and unit; a given the words imply is not written („се
// завърта около хипотенузата си“: the right angle). What is asked follows,
// each part's quantity by its whole name, the body's own after them.
struct WordedGivens {
    std::array<std::string_view, 4> givens;  // the pattern's givens, in any order
    std::string_view text;
    std::string_view owner = {};  // whose the body's own quantities are: "на полученото тяло"; empty: the solid's genitive
    bool turns = false;           // the text turns a plane figure, half the body's axial section, about a line
    bool wholeSection = false;    // … the whole axial section (a square about its diagonal)
    // Taken only where these two givens are equal (a square's sides); else where the givens are named.
    std::array<std::string_view, 2> equal = {};
};

struct WorksheetRow {
    std::span<const int> sides = {};  // the n a task may have; empty where the solid has none
    std::span<const TaskPattern> direct = {};
    std::span<const TaskPattern> inverse = {};
    std::span<const RootsAtSides> rootsForDecimals = {};
    std::span<const MeasureChoice> measures = {};
    SidedName sidedName = {};
    WordedOnBase onBase = {};
    std::span<const WordedGivens> worded = {};  // a body's words; empty: „Даден е …“
};

// The size a picture is shown at, in pixels.
struct PictureSize {
    int width = 0, height = 0;
};

struct Registration {
    // The solid's picture (resources/pictures/NAME.svg): one of the calculator's
    // ("Image7"), shown at the size its window gives it, or one of its own
    // ("cone-frustum"), shown at `pictureSize`.
    std::string_view picture;
    PictureSize pictureSize = {};
    // A picture that offers the bodies of two solids, this one first: the name
    // under it, and the caption of the list of the bodies under the pictures.
    std::string_view offeredName = {};
    std::string_view listCaption = {};
    bool plane = false;        // a plane figure: its lengths may be given as 3√3
    DrawingRow drawing = {};
    WorksheetRow worksheet = {};
};

}  // namespace solver
