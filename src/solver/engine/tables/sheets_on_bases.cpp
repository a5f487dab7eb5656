// SPDX-License-Identifier: MIT
// The worksheet's tasks on the right prisms and pyramids of on_bases.cpp: per
// base, the givens a task names it by, how it says them, and its measures
// drawn so that a student finds nice numbers by hand — Pythagorean triples
// for a right triangle, an isosceles triangle whose height is whole, Heron
// triangles, rhombi whose side is whole, trapezoids whose legs are whole —
// and with each pyramid heights whose lateral edge l or face height k comes
// out whole or a fraction, or a whole l or k given. The patterns are those of
// the regular prism and pyramid (prism.cpp, pyramid.cpp).
#include <array>
#include <deque>
#include <vector>

#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using Rows = std::span<const std::array<int, 4>>;

// clang-format off
// The bases' nice measures, in the order of their givens below; each base
// once, not again with its interchangeable sides swapped.
constexpr std::array<int, 4> rightTriangles[] = {
    {3, 4}, {6, 8}, {5, 12}, {8, 15}, {9, 12}, {12, 16}, {7, 24}, {18, 24}, {20, 21}, {10, 24},
};
// Base a and legs b whose height to the base is whole: 6 and 5 (4), 10 and 13 (12).
constexpr std::array<int, 4> isoscelesTriangles[] = {
    {6, 5}, {8, 5}, {10, 13}, {16, 10}, {24, 13}, {12, 10}, {16, 17}, {30, 17}, {18, 15}, {14, 25}, {20, 26}, {24, 15},
    {24, 20}, {30, 25}, {40, 25}, {32, 20},
};
// Heron triangles: whole sides, whole area (13, 14, 15: 84), none right or isosceles.
constexpr std::array<int, 4> heronTriangles[] = {
    {4, 13, 15}, {7, 15, 20}, {9, 10, 17}, {10, 17, 21}, {11, 13, 20}, {13, 14, 15}, {13, 20, 21}, {12, 17, 25},
    {17, 25, 28}, {8, 26, 30},
};
// Sides a shorter than b, half of them with a whole diagonal.
constexpr std::array<int, 4> rectangles[] = {
    {3, 4}, {6, 8}, {5, 12}, {9, 12}, {8, 15}, {12, 16}, {4, 7}, {5, 9}, {3, 10}, {6, 11}, {2, 9}, {7, 10}, {5, 8},
    {6, 10}, {4, 6}, {2, 7},
};
// By the diagonals, the side whole: 6 and 8 (5).
constexpr std::array<int, 4> rhombi[] = {
    {6, 8}, {10, 24}, {12, 16}, {18, 24}, {16, 30}, {30, 40}, {24, 32}, {14, 48}, {20, 48},
};
// The shorter side a, the longer b and the height ha to a, shorter than b.
constexpr std::array<int, 4> parallelograms[] = {
    {5, 8, 6}, {4, 7, 5}, {6, 9, 4}, {5, 12, 10}, {7, 10, 6}, {6, 8, 7}, {3, 5, 4}, {8, 11, 10}, {4, 9, 8}, {6, 10, 9},
    {9, 12, 10}, {5, 7, 6}, {4, 6, 5}, {10, 13, 12},
};
// Bases a and b and height h1 whose leg is whole: (a − b) : 2 and h1 legs of a Pythagorean triple.
constexpr std::array<int, 4> isoscelesTrapezoids[] = {
    {10, 4, 4}, {12, 6, 4}, {14, 8, 4}, {11, 5, 4}, {16, 10, 4}, {10, 2, 3}, {12, 4, 3}, {20, 4, 6}, {16, 4, 8},
    {18, 8, 12}, {22, 12, 12}, {15, 5, 12}, {14, 4, 12}, {9, 3, 4}, {13, 7, 4},
};
// Trapezoids in a circle of a whole radius R (5, 10: chords at whole distances
// from its centre), with a height h (ByH) or a lateral edge l (ByL) of the
// pyramid such that l² = h² + R² leaves the other whole or a clean root.
constexpr std::array<int, 4> isoscelesTrapezoidEdgesByH[] = {
    {8, 6, 7, 12}, {10, 6, 4, 12}, {10, 8, 3, 12}, {16, 12, 14, 24}, {20, 16, 6, 24}, {20, 12, 8, 24},
    {8, 6, 7, 5}, {10, 6, 4, 5}, {20, 16, 6, 10}, {10, 8, 3, 5},
};
constexpr std::array<int, 4> isoscelesTrapezoidEdgesByL[] = {
    {8, 6, 7, 13}, {10, 6, 4, 13}, {10, 8, 3, 13}, {20, 16, 6, 26}, {20, 12, 8, 26}, {16, 12, 14, 26},
    {8, 6, 7, 10}, {10, 6, 4, 7},
};
// a − b and h1 legs of a Pythagorean triple.
constexpr std::array<int, 4> rightTrapezoids[] = {
    {7, 4, 4}, {9, 5, 3}, {10, 4, 8}, {12, 7, 12}, {8, 5, 4}, {11, 5, 8}, {15, 10, 12}, {14, 6, 6}, {13, 5, 15},
    {20, 12, 15}, {6, 3, 4}, {10, 6, 3},
};

// A pyramid's base with a height h whose lateral edge l (the ByH rows of the
// edges) or face height k (of the faces) is whole, a fraction or a clean root
// (5√2, √13 : 2), and with a whole l or k whose height h is such (ByL, ByK).
constexpr std::array<int, 4> rightTriangleEdgesByH[] = {
    {3, 4, 1}, {3, 4, 5}, {3, 4, 6}, {3, 4, 10}, {6, 8, 1}, {6, 8, 2}, {6, 8, 5}, {6, 8, 10}, {6, 8, 12}, {6, 8, 15},
    {6, 8, 20}, {5, 12, 8}, {5, 12, 13}, {8, 15, 3}, {8, 15, 17}, {9, 12, 3}, {9, 12, 4}, {9, 12, 5}, {9, 12, 10},
    {9, 12, 15}, {9, 12, 18}, {12, 16, 2}, {12, 16, 4}, {12, 16, 5}, {12, 16, 10}, {12, 16, 15}, {12, 16, 20},
    {7, 24, 5}, {18, 24, 3}, {18, 24, 5}, {18, 24, 6}, {18, 24, 8}, {18, 24, 10}, {18, 24, 15}, {18, 24, 20},
    {20, 21, 1}, {10, 24, 9}, {10, 24, 13}, {10, 24, 16},
};
constexpr std::array<int, 4> rightTriangleEdgesByL[] = {
    {3, 4, 3}, {3, 4, 5}, {3, 4, 7}, {3, 4, 10}, {3, 4, 25}, {6, 8, 6}, {6, 8, 7}, {6, 8, 10}, {6, 8, 11}, {6, 8, 13},
    {6, 8, 15}, {6, 8, 19}, {6, 8, 20}, {6, 8, 23}, {6, 8, 25}, {5, 12, 7}, {5, 12, 18}, {8, 15, 16}, {8, 15, 17},
    {9, 12, 10}, {9, 12, 15}, {9, 12, 17}, {12, 16, 11}, {12, 16, 12}, {12, 16, 14}, {12, 16, 17}, {12, 16, 18},
    {12, 16, 19}, {12, 16, 22}, {12, 16, 25}, {7, 24, 15}, {18, 24, 17}, {18, 24, 18}, {18, 24, 20}, {18, 24, 23},
    {18, 24, 25}, {10, 24, 14}, {10, 24, 17}, {10, 24, 19}, {10, 24, 21},
};
constexpr std::array<int, 4> rightTriangleFacesByH[] = {
    {3, 4, 1}, {3, 4, 3}, {3, 4, 5}, {3, 4, 18}, {6, 8, 3}, {6, 8, 5}, {6, 8, 8}, {6, 8, 11}, {5, 12, 2}, {5, 12, 4},
    {5, 12, 6}, {5, 12, 11}, {8, 15, 1}, {8, 15, 3}, {8, 15, 6}, {8, 15, 15}, {9, 12, 2}, {9, 12, 4}, {9, 12, 9},
    {12, 16, 1}, {12, 16, 3}, {12, 16, 6}, {12, 16, 12}, {12, 16, 20}, {7, 24, 2}, {7, 24, 4}, {7, 24, 12},
    {18, 24, 2}, {18, 24, 4}, {18, 24, 8}, {18, 24, 15}, {18, 24, 18}, {20, 21, 3}, {20, 21, 8}, {20, 21, 12},
    {20, 21, 17}, {10, 24, 1}, {10, 24, 4}, {10, 24, 8}, {10, 24, 12},
};
constexpr std::array<int, 4> rightTriangleFacesByK[] = {
    {3, 4, 2}, {3, 4, 4}, {3, 4, 7}, {3, 4, 9}, {3, 4, 11}, {6, 8, 3}, {6, 8, 5}, {6, 8, 7}, {6, 8, 10}, {6, 8, 14},
    {5, 12, 4}, {5, 12, 6}, {5, 12, 8}, {5, 12, 11}, {8, 15, 5}, {8, 15, 7}, {8, 15, 11}, {8, 15, 13}, {9, 12, 4},
    {9, 12, 6}, {9, 12, 9}, {9, 12, 12}, {9, 12, 15}, {12, 16, 6}, {12, 16, 10}, {12, 16, 13}, {7, 24, 4}, {7, 24, 7},
    {7, 24, 11}, {7, 24, 13}, {18, 24, 7}, {18, 24, 9}, {18, 24, 12}, {18, 24, 15}, {20, 21, 8}, {20, 21, 10},
    {20, 21, 14}, {10, 24, 5}, {10, 24, 8}, {10, 24, 12},
};
constexpr std::array<int, 4> isoscelesEdgesByH[] = {
    {8, 5, 10}, {16, 10, 20}, {12, 10, 15}, {18, 15, 5}, {24, 15, 5}, {24, 20, 5},
};
constexpr std::array<int, 4> isoscelesEdgesByL[] = {
    {6, 5, 25}, {8, 5, 5}, {16, 10, 9}, {16, 10, 10}, {16, 10, 11}, {16, 10, 13}, {16, 10, 15}, {16, 10, 25},
    {12, 10, 25}, {20, 26, 16}, {24, 15, 15}, {24, 15, 25}, {24, 20, 15}, {24, 20, 25}, {40, 25, 25}, {32, 20, 18},
    {32, 20, 20}, {32, 20, 22}, {32, 20, 25},
};
constexpr std::array<int, 4> isoscelesFacesByH[] = {
    {6, 5, 1}, {6, 5, 3}, {8, 5, 1}, {8, 5, 4}, {10, 13, 8}, {16, 10, 2}, {16, 10, 5}, {24, 13, 1}, {24, 13, 7},
    {12, 10, 1}, {12, 10, 3}, {12, 10, 6}, {12, 10, 12}, {16, 17, 2}, {16, 17, 12}, {30, 17, 2}, {30, 17, 9},
    {18, 15, 3}, {18, 15, 9}, {18, 15, 20}, {14, 25, 18}, {20, 26, 7}, {20, 26, 16}, {24, 15, 1}, {24, 15, 3},
    {24, 15, 6}, {24, 15, 10}, {24, 15, 16}, {24, 20, 2}, {24, 20, 4}, {24, 20, 8}, {24, 20, 12}, {24, 20, 17},
    {30, 25, 3}, {30, 25, 5}, {30, 25, 15}, {40, 25, 5}, {40, 25, 10}, {40, 25, 20}, {32, 20, 8},
};
constexpr std::array<int, 4> isoscelesFacesByK[] = {
    {6, 5, 2}, {6, 5, 3}, {6, 5, 11}, {6, 5, 15}, {8, 5, 4}, {8, 5, 12}, {10, 13, 4}, {10, 13, 6}, {10, 13, 13},
    {16, 10, 3}, {16, 10, 8}, {16, 10, 14}, {24, 13, 4}, {24, 13, 12}, {12, 10, 5}, {12, 10, 7}, {12, 10, 9},
    {12, 10, 12}, {12, 10, 15}, {16, 17, 6}, {16, 17, 12}, {30, 17, 5}, {18, 15, 5}, {18, 15, 8}, {14, 25, 6},
    {14, 25, 12}, {20, 26, 8}, {20, 26, 12}, {24, 15, 6}, {24, 15, 10}, {24, 15, 13}, {24, 15, 14}, {24, 20, 8},
    {24, 20, 10}, {24, 20, 14}, {30, 25, 9}, {30, 25, 10}, {40, 25, 8}, {40, 25, 12}, {32, 20, 8},
};
constexpr std::array<int, 4> heronEdgesByH[] = {
    {4, 13, 15, 9}, {4, 13, 15, 10}, {7, 15, 20, 5}, {11, 13, 20, 12}, {13, 14, 15, 9}, {13, 14, 15, 10},
    {13, 20, 21, 12}, {12, 17, 25, 5}, {17, 25, 28, 5}, {8, 26, 30, 18}, {8, 26, 30, 20},
};
constexpr std::array<int, 4> heronEdgesByL[] = {
    {7, 15, 20, 15}, {7, 15, 20, 25}, {9, 10, 17, 20}, {10, 17, 21, 20}, {11, 13, 20, 13}, {13, 20, 21, 13},
    {12, 17, 25, 17}, {17, 25, 28, 17},
};
constexpr std::array<int, 4> heronFacesByH[] = {
    {4, 13, 15, 1}, {4, 13, 15, 2}, {4, 13, 15, 6}, {7, 15, 20, 2}, {7, 15, 20, 4}, {7, 15, 20, 5}, {7, 15, 20, 8},
    {7, 15, 20, 11}, {9, 10, 17, 1}, {9, 10, 17, 2}, {9, 10, 17, 4}, {9, 10, 17, 6}, {9, 10, 17, 10}, {9, 10, 17, 11},
    {10, 17, 21, 7}, {10, 17, 21, 13}, {11, 13, 20, 1}, {11, 13, 20, 2}, {11, 13, 20, 4}, {11, 13, 20, 9},
    {11, 13, 20, 15}, {13, 14, 15, 1}, {13, 14, 15, 3}, {13, 14, 15, 6}, {13, 14, 15, 10}, {13, 14, 15, 12},
    {13, 14, 15, 20}, {13, 20, 21, 14}, {12, 17, 25, 5}, {12, 17, 25, 8}, {17, 25, 28, 2}, {17, 25, 28, 4},
    {17, 25, 28, 8}, {17, 25, 28, 9}, {17, 25, 28, 15}, {17, 25, 28, 18}, {8, 26, 30, 2}, {8, 26, 30, 3},
    {8, 26, 30, 6}, {8, 26, 30, 12},
};
constexpr std::array<int, 4> heronFacesByK[] = {
    {4, 13, 15, 2}, {4, 13, 15, 3}, {4, 13, 15, 11}, {4, 13, 15, 15}, {7, 15, 20, 4}, {7, 15, 20, 6}, {7, 15, 20, 7},
    {7, 15, 20, 10}, {7, 15, 20, 14}, {9, 10, 17, 4}, {9, 10, 17, 6}, {9, 10, 17, 8}, {9, 10, 17, 10},
    {9, 10, 17, 14}, {10, 17, 21, 7}, {10, 17, 21, 9}, {11, 13, 20, 4}, {11, 13, 20, 6}, {11, 13, 20, 7},
    {11, 13, 20, 11}, {11, 13, 20, 13}, {13, 14, 15, 5}, {13, 14, 15, 8}, {13, 14, 15, 10}, {13, 14, 15, 13},
    {13, 20, 21, 5}, {13, 20, 21, 7}, {13, 20, 21, 12}, {12, 17, 25, 4}, {12, 17, 25, 5}, {12, 17, 25, 10},
    {12, 17, 25, 14}, {17, 25, 28, 8}, {17, 25, 28, 10}, {17, 25, 28, 14}, {17, 25, 28, 15}, {8, 26, 30, 5},
    {8, 26, 30, 7}, {8, 26, 30, 11}, {8, 26, 30, 13},
};
constexpr std::array<int, 4> rectangleEdgesByH[] = {
    {3, 4, 1}, {3, 4, 5}, {3, 4, 6}, {3, 4, 10}, {6, 8, 2}, {6, 8, 5}, {6, 8, 10}, {6, 8, 12}, {6, 8, 20}, {5, 12, 8},
    {5, 12, 13}, {9, 12, 4}, {9, 12, 5}, {9, 12, 10}, {9, 12, 15}, {8, 15, 3}, {8, 15, 17}, {12, 16, 2}, {12, 16, 4},
    {12, 16, 10}, {12, 16, 15}, {12, 16, 20}, {4, 7, 7}, {4, 7, 16}, {5, 9, 6}, {3, 10, 2}, {2, 9, 3}, {7, 10, 1},
    {7, 10, 8}, {7, 10, 12}, {5, 8, 3}, {5, 8, 4}, {5, 8, 5}, {6, 10, 8}, {4, 6, 1}, {4, 6, 2}, {4, 6, 3}, {4, 6, 6},
    {2, 7, 4}, {2, 7, 5},
};
constexpr std::array<int, 4> rectangleEdgesByL[] = {
    {3, 4, 3}, {3, 4, 5}, {3, 4, 10}, {3, 4, 25}, {6, 8, 6}, {6, 8, 9}, {6, 8, 11}, {6, 8, 14}, {6, 8, 15},
    {6, 8, 20}, {6, 8, 23}, {6, 8, 25}, {5, 12, 13}, {9, 12, 9}, {9, 12, 15}, {9, 12, 17}, {8, 15, 16}, {12, 16, 11},
    {12, 16, 14}, {12, 16, 15}, {12, 16, 18}, {12, 16, 20}, {12, 16, 22}, {5, 9, 7}, {5, 9, 10}, {3, 10, 11},
    {3, 10, 13}, {6, 11, 8}, {6, 11, 16}, {2, 9, 8}, {7, 10, 9}, {6, 10, 6}, {6, 10, 8}, {6, 10, 13}, {6, 10, 22},
    {4, 6, 5}, {4, 6, 7}, {4, 6, 9}, {4, 6, 16}, {2, 7, 4},
};
constexpr std::array<int, 4> rhombusFacesByH[] = {
    {6, 8, 1}, {6, 8, 6}, {6, 8, 7}, {6, 8, 12}, {12, 16, 2}, {12, 16, 9}, {12, 16, 12}, {12, 16, 14}, {18, 24, 3},
    {18, 24, 18}, {30, 40, 3}, {30, 40, 4}, {30, 40, 5}, {30, 40, 6}, {30, 40, 8}, {30, 40, 9}, {30, 40, 12},
    {30, 40, 16}, {30, 40, 18}, {24, 32, 4}, {24, 32, 11}, {24, 32, 18},
};
constexpr std::array<int, 4> rhombusFacesByK[] = {
    {6, 8, 3}, {6, 8, 4}, {6, 8, 6}, {6, 8, 12}, {12, 16, 5}, {12, 16, 6}, {12, 16, 8}, {12, 16, 12}, {18, 24, 8},
    {18, 24, 9}, {18, 24, 12}, {18, 24, 17}, {18, 24, 18}, {30, 40, 13}, {30, 40, 14}, {30, 40, 15}, {30, 40, 16},
    {30, 40, 18}, {30, 40, 20}, {24, 32, 10}, {24, 32, 12}, {24, 32, 16},
};

// A base's givens, how a task says them, and its nice measures; empty rows
// where no pyramid of that kind stands on it.
struct SheetBase {
    const SolidRow& (*table)();
    std::array<std::string_view, 3> givens;
    std::string_view said;
    Rows shapes;
    Rows edgesByH = {}, edgesByL = {}, facesByH = {}, facesByK = {};
};

const SheetBase sheetBases[] = {
    {&rightTriangle, {"a", "b"}, "с катети {a} и {b}", rightTriangles,
     rightTriangleEdgesByH, rightTriangleEdgesByL, rightTriangleFacesByH, rightTriangleFacesByK},
    {&isoscelesTriangle, {"a", "b"}, "с основа {a} и бедро {b}", isoscelesTriangles,
     isoscelesEdgesByH, isoscelesEdgesByL, isoscelesFacesByH, isoscelesFacesByK},
    {&anyTriangle, {"a", "b", "c"}, "със страни {a}, {b} и {c}", heronTriangles,
     heronEdgesByH, heronEdgesByL, heronFacesByH, heronFacesByK},
    {&rectangle, {"a", "b"}, "със страни {a} и {b}", rectangles, rectangleEdgesByH, rectangleEdgesByL},
    {&rhombus, {"d1", "d2"}, "с диагонали {d1} и {d2}", rhombi, {}, {}, rhombusFacesByH, rhombusFacesByK},
    {&parallelogram, {"a", "b", "ha"}, "със страни {a} и {b} и височина към по-късата страна {ha}", parallelograms},
    {&isoscelesTrapezoid, {"a", "b", "h1"}, "с основи {a} и {b} и височина {h1}", isoscelesTrapezoids,
     isoscelesTrapezoidEdgesByH, isoscelesTrapezoidEdgesByL},
    {&rightTrapezoid, {"a", "b", "h1"}, "с основи {a} и {b} и височина {h1}", rightTrapezoids},
};

// What each kind asks, besides the base's givens: {its own given, the sought, some of these besides}.
struct PatternOnBase {
    std::string_view given;
    std::array<std::string_view, 2> sought;
    std::array<std::string_view, 4> more;
};
constexpr PatternOnBase prismDirect[] = {{"h", {}, {"B", "S", "S1", "V"}}};
constexpr PatternOnBase prismInverse[] = {
    {"V", {"h"}, {"S", "S1"}},
    {"S", {"h"}, {"V", "S1"}},
    {"S1", {"h"}, {"V"}},
};
constexpr PatternOnBase edgesDirect[] = {{"h", {}, {"l", "V"}}, {"l", {"h"}, {"V"}}};
constexpr PatternOnBase edgesInverse[] = {{"V", {"h"}, {"l"}}};
constexpr PatternOnBase facesDirect[] = {{"h", {}, {"k", "S", "S1", "V"}}, {"k", {"h"}, {"S", "S1", "V"}}};
constexpr PatternOnBase facesInverse[] = {
    {"V", {"h"}, {"k", "S"}},
    {"S", {"k"}, {"h", "V"}},
};
// clang-format on

struct Kind {
    std::span<const PatternOnBase> direct, inverse;
    WordedOnBase words;
    std::string_view apexLength;  // l or k: drawn whole where a task gives it
};
const Kind& kindOf(OnBase kind) {
    static const Kind prism{prismDirect, prismInverse, {"Права призма", {}, {}}, {}};
    static const Kind edges{edgesDirect, edgesInverse, {"Пирамида", {}, " и равни околни ръбове"}, "l"};
    static const Kind faces{facesDirect, facesInverse,
                            {"Пирамида", {}, ", а околните стени сключват равни ъгли с основата"}, "k"};
    return kind == OnBase::Prism ? prism : kind == OnBase::EqualEdges ? edges : faces;
}

// One solid's row and the storage its spans look into.
struct StoredSheet {
    std::vector<TaskPattern> direct, inverse;
    std::deque<std::vector<MeasureDrawn>> drawn;
    std::vector<MeasureChoice> measures;
    WorksheetRow row;
};

std::vector<TaskPattern> patterns(const SheetBase& base, std::span<const PatternOnBase> own) {
    std::vector<TaskPattern> all;
    for (const PatternOnBase& p : own) {
        TaskPattern pattern{{}, p.sought, p.more};
        std::size_t at = 0;
        for (std::string_view given : base.givens)
            if (!given.empty()) pattern.givens[at++] = given;
        pattern.givens[at] = p.given;
        all.push_back(pattern);
    }
    return all;
}

// The base's givens with one more letter after them.
std::array<std::string_view, 4> lettersWith(const SheetBase& base, std::string_view last) {
    std::array<std::string_view, 4> letters{};
    std::size_t at = 0;
    for (std::string_view given : base.givens)
        if (!given.empty()) letters[at++] = given;
    letters[at] = last;
    return letters;
}

// A prism: a nice base and any height. A pyramid: a third of the time a whole
// l or k, else a whole height, each with a nice base and the rest nice.
void drawnMeasures(StoredSheet& sheet, const SheetBase& base, OnBase kind) {
    const auto add = [&](int oneIn, std::vector<MeasureDrawn> measures) {
        const std::vector<MeasureDrawn>& kept = sheet.drawn.emplace_back(std::move(measures));
        sheet.measures.push_back({.oneIn = oneIn, .measures = kept});
    };
    if (kind == OnBase::Prism) {
        add(0, {{lettersWith(base, {}), Drawn::Listed, 0, 0, 1, base.shapes}, {{"h"}, Drawn::Length, 1, 15}});
        return;
    }
    const bool edges = kind == OnBase::EqualEdges;
    const std::string_view apex = kindOf(kind).apexLength;
    add(3, {{lettersWith(base, apex), Drawn::Listed, 0, 0, 1, edges ? base.edgesByL : base.facesByK}});
    add(0, {{lettersWith(base, "h"), Drawn::Listed, 0, 0, 1, edges ? base.edgesByH : base.facesByH}});
}

}  // namespace

WorksheetRow sheetTasksOn(const SolidRow& (*table)(), OnBase kind) {
    static std::deque<StoredSheet> sheets;
    for (const SheetBase& base : sheetBases) {
        if (base.table != table) continue;
        const Kind& worded = kindOf(kind);
        StoredSheet& sheet = sheets.emplace_back();
        sheet.direct = patterns(base, worded.direct);
        sheet.inverse = patterns(base, worded.inverse);
        drawnMeasures(sheet, base, kind);
        sheet.row = {.direct = sheet.direct, .inverse = sheet.inverse, .measures = sheet.measures, .onBase = worded.words};
        sheet.row.onBase.base = base.said;
        return sheet.row;
    }
    return {};
}

}  // namespace solver::tables
