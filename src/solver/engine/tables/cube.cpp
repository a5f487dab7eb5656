// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"a",  "ръб",                 Length, "ръба"},
    {"d",  "диагонал",            Length, "диагонала"},
    {"d1", "диагонал на стена",   Length, "диагонала на стената"},
    {"S",  "околна повърхнина",   Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",    Area,   "пълната повърхнина"},
    {"V",  "обем",                Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = a√3",  {"a = d : √3"}, {}, Pythagoras},
    {"d1 = a√2", {"a = d1 : √2"}, {}, Pythagoras},
    {"S = 4a²",  {"a² = S : 4"}},
    {"S1 = 6a²", {"a² = S1 : 6"}},
    {"V = a³",   {"a³ = V"}},
};
// clang-format on
constexpr std::string_view base[] = {"a"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the cube.
constexpr TaskPattern direct[] = {
    {{"a"}, {}, {"d", "S", "S1", "V"}},
    // The sphere about it and the ball in it, from grade 10.
    {{"a"}, {"Rc"}, {"Sc", "Vc"}, 10},
    {{"a"}, {"ri"}, {"Si", "Vi"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"S1"}, {"a"}, {"V", "d"}},
    {{"V"},  {"a"}, {"S1", "d"}},
    {{"S"},  {"a"}, {"V"}},
    {{"Rc"}, {"a"}, {"V"}, 10},
    {{"ri"}, {"a"}, {"V", "S1"}, 10},
};
constexpr MeasureDrawn anyEdge[] = {{{"a"}, Drawn::Length, 1, 20}};
// An even edge: the sphere about the cube has a radius like 3√3, the ball in it a whole one.
constexpr MeasureDrawn evenEdge[] = {{{"a"}, Drawn::EvenLength, 2, 20}};
constexpr MeasureChoice measures[] = {{.forGiven = "Rc", .numbers = SheetNumbers::Whole, .measures = evenEdge},
                                      {.forGiven = "ri", .numbers = SheetNumbers::Whole, .measures = evenEdge},
                                      {.measures = anyEdge}};
// clang-format on
constexpr Registration registration{
    .picture = "Image7",
    .drawing = {.figure = "hexahedron",
                .net = "cuboid",
                .netDrawnFrom = {"a", "a", "a"},
                .netShown = {"a"},
                .sphereAxis = {"a"}},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"куб"};

}  // namespace

const SolidRow& cube() {
    static constexpr SolidRow table{.key = "cube", .name = "куб", .genitive = "на куба", .single = "куб",
                                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration, .uses = cubeUses};
    return table;
}

}  // namespace solver::tables
