// SPDX-License-Identifier: MIT
#include "solid_tasks.h"

#include <algorithm>
#include <stdexcept>

namespace solver::worksheet {
namespace {

// clang-format off
constexpr int regularSides[] = {3, 4, 6};

constexpr TaskPattern cubeDirect[] = {{{"a"}, {}, {"d", "S", "S1", "V"}}};
constexpr TaskPattern cubeInverse[] = {
    {{"S1"}, {"a"}, {"V", "d"}},
    {{"V"},  {"a"}, {"S1", "d"}},
    {{"S"},  {"a"}, {"V"}},
};
constexpr TaskPattern boxDirect[] = {{{"a", "b", "c"}, {}, {"d", "S", "S1", "V"}}};
constexpr TaskPattern boxInverse[] = {
    {{"a", "b", "V"},  {"c"}, {"d", "S", "S1"}},
    {{"a", "b", "S"},  {"c"}, {"V", "S1"}},
    {{"a", "b", "S1"}, {"c"}, {"V", "d"}},
};
constexpr TaskPattern prismDirect[] = {{{"a", "h"}, {}, {"B", "S", "S1", "V"}}};
constexpr TaskPattern prismInverse[] = {
    {{"a", "V"},  {"h"}, {"S", "S1"}},
    {{"a", "S"},  {"h"}, {"V", "S1"}},
    {{"h", "S"},  {"a"}, {"B", "V"}},
    {{"a", "S1"}, {"h"}, {"V"}},
    {{"h", "V"},  {"a"}, {"S", "S1"}},
};
constexpr TaskPattern pyramidDirect[] = {
    {{"a", "h"}, {}, {"k", "S", "S1", "V"}},
    {{"a", "k"}, {}, {"h", "S", "S1", "V"}},
};
constexpr TaskPattern pyramidInverse[] = {
    {{"a", "V"},  {"h"}, {"k", "S1"}},
    {{"a", "S"},  {"k"}, {"h", "V"}},
    {{"h", "V"},  {"a"}, {"k", "S1"}},
    {{"a", "S1"}, {"k"}, {"h", "V"}},
};
constexpr TaskPattern polygonDirect[] = {{{"a"}, {}, {"P", "B", "r", "R"}}};
constexpr TaskPattern polygonInverse[] = {
    {{"P"}, {"a"}, {"B"}},
    {{"B"}, {"a"}, {"P", "r"}},
    {{"R"}, {"a"}, {"B", "P"}},
    {{"r"}, {"a"}, {"B", "R"}},
};
constexpr TaskPattern cylinderDirect[] = {
    {{"r", "h"}, {}, {"S", "S1", "V", "Q"}},
    {{"d", "h"}, {}, {"S", "S1", "V"}},
};
constexpr TaskPattern cylinderInverse[] = {
    {{"r", "V"},  {"h"}, {"S", "S1"}},
    {{"h", "V"},  {"r"}, {"S", "S1"}},
    {{"r", "S"},  {"h"}, {"V", "S1"}},
    {{"h", "S"},  {"r"}, {"V"}},
    {{"r", "S1"}, {"h"}, {"V"}},
    {{"h", "S1"}, {"r"}, {"V"}},
    {{"r", "Q"},  {"h"}, {"V", "S"}},
};
constexpr TaskPattern coneDirect[] = {
    {{"r", "h"}, {}, {"l", "S", "S1", "V"}},
    {{"r", "l"}, {}, {"h", "S", "S1", "V"}},
    {{"d", "h"}, {}, {"l", "S1", "V"}},
};
constexpr TaskPattern coneInverse[] = {
    {{"r", "V"},  {"h"}, {"l", "S1"}},
    {{"h", "V"},  {"r"}, {"l", "S"}},
    {{"r", "S"},  {"l"}, {"h", "V"}},
    {{"l", "S"},  {"r"}, {"h", "V"}},
    {{"r", "S1"}, {"l"}, {"h", "V"}},
    {{"h", "S"},  {"r"}, {"l", "V"}},
    {{"r", "Q"},  {"h"}, {"l", "V"}},
};
constexpr TaskPattern sphereDirect[] = {
    {{"r"}, {}, {"S", "V"}},
    {{"d"}, {}, {"S", "V"}},
};
constexpr TaskPattern sphereInverse[] = {
    {{"S"}, {"r"}, {"V"}},
    {{"V"}, {"r"}, {"S"}},
};

constexpr SolidTasks tasks[] = {
    {"cube",     {},            cubeDirect,     cubeInverse},
    {"box",      {},            boxDirect,      boxInverse},
    {"prism",    regularSides,  prismDirect,    prismInverse},
    {"pyramid",  regularSides,  pyramidDirect,  pyramidInverse},
    {"polygon",  regularSides,  polygonDirect,  polygonInverse},
    {"cylinder", {},            cylinderDirect, cylinderInverse},
    {"cone",     {},            coneDirect,     coneInverse},
    {"sphere",   {},            sphereDirect,   sphereInverse},
};

// What holds a root for every base of n sides with decimal measures.
struct RootsOf {
    std::string_view solid;
    int sides;
    std::array<std::string_view, 6> keys;
};
constexpr RootsOf rootsForDecimals[] = {
    {"prism",   3, {"B", "V", "S1"}},
    {"prism",   6, {"B", "V", "S1"}},
    {"pyramid", 3, {"B", "V", "S1", "r", "k", "S"}},
    {"pyramid", 6, {"B", "V", "S1", "r", "k", "S"}},
    {"polygon", 3, {"B", "r", "R"}},
    {"polygon", 4, {"R"}},
    {"polygon", 6, {"B", "r"}},
};

// Right triangles with whole sides: legs and hypotenuse.
constexpr std::array<int, 3> rightTriangles[] = {
    {3, 4, 5}, {6, 8, 10}, {5, 12, 13}, {9, 12, 15}, {8, 15, 17}, {12, 16, 20}, {7, 24, 25}, {4, 3, 5}, {8, 6, 10},
    {12, 5, 13}, {12, 9, 15},
};
// Boxes whose diagonal is whole: 2² + 3² + 6² = 7², and so on; three different edges.
constexpr std::array<int, 3> wholeDiagonalBoxes[] = {
    {2, 3, 6}, {1, 4, 8}, {2, 6, 9}, {3, 4, 12}, {2, 10, 11}, {2, 5, 14}, {8, 9, 12}, {6, 10, 15}, {4, 5, 20},
};
// clang-format on

Exact tenths(int n) { return Exact(Rational(n, 10)); }

// A length from `low` to `high`: whole, or with one decimal that is not 0.
Exact length(Random& random, Numbers numbers, int low, int high) {
    if (numbers == Numbers::Whole) return Exact(random.between(low, high));
    int n = random.between(low * 10, high * 10);
    if (n % 10 == 0) n += random.between(1, 9);
    return tenths(n);
}

// An even whole length, or one with one decimal.
Exact evenLength(Random& random, Numbers numbers, int low, int high) {
    if (numbers == Numbers::Whole) return Exact(2 * random.between((low + 1) / 2, high / 2));
    return length(random, numbers, low, high);
}

// A right triangle's legs, whole or as a whole triangle times a decimal.
std::pair<Exact, Exact> nicelegs(Random& random, Numbers numbers) {
    const auto& triangle = rightTriangles[random.below(std::size(rightTriangles))];
    if (numbers == Numbers::Whole) return {Exact(triangle[0]), Exact(triangle[1])};
    static constexpr int scales[] = {3, 5, 7, 12, 15, 25};
    const Exact scale = tenths(scales[random.below(std::size(scales))]);
    return {Exact(triangle[0]) * scale, Exact(triangle[1]) * scale};
}

}  // namespace

bool patternFits(const SolidRow& solid, int sides, const TaskPattern& pattern, Numbers numbers) {
    if (numbers == Numbers::Whole) return true;
    for (const RootsOf& roots : rootsForDecimals) {
        if (roots.solid != solid.key || roots.sides != sides) continue;
        for (std::string_view given : pattern.givens)
            if (!given.empty() && std::find(roots.keys.begin(), roots.keys.end(), given) != roots.keys.end())
                return false;
    }
    return true;
}

const SolidTasks& solidTasks(const SolidRow& solid) {
    for (const SolidTasks& t : tasks)
        if (t.solid == solid.key) return t;
    throw std::logic_error("no tasks for the solid " + std::string(solid.key));
}

std::vector<std::pair<std::string_view, Exact>> niceMeasures(const SolidRow& solid, int sides, Numbers numbers,
                                                             Random& random) {
    const std::string_view key = solid.key;
    const bool whole = numbers == Numbers::Whole;
    if (key == "cube") return {{"a", length(random, numbers, 1, 20)}};
    if (key == "box") {
        if (whole && random.oneIn(3)) {
            auto edges = wholeDiagonalBoxes[random.below(std::size(wholeDiagonalBoxes))];
            const std::size_t height = random.below(3);
            std::swap(edges[height], edges[2]);
            if (random.oneIn(2)) std::swap(edges[0], edges[1]);
            return {{"a", Exact(edges[0])}, {"b", Exact(edges[1])}, {"c", Exact(edges[2])}};
        }
        // Two different base edges: a square base makes "основни ръбове 4 cm и 4 cm".
        const Exact a = length(random, numbers, 1, 12);
        Exact b = length(random, numbers, 1, 12);
        if (b == a) b = b + Exact(1);
        return {{"a", a}, {"b", b}, {"c", length(random, numbers, 1, 15)}};
    }
    if (key == "prism")
        return {{"a", sides == 4 ? length(random, numbers, 1, 12) : evenLength(random, numbers, 2, 12)},
                {"h", length(random, numbers, 1, 15)}};
    if (key == "pyramid") {
        if (sides == 4 && random.oneIn(2)) {
            const auto [halfEdge, height] = nicelegs(random, numbers);
            return {{"a", Exact(2) * halfEdge}, {"h", height}};
        }
        if (sides == 3 && whole) return {{"a", Exact(6 * random.between(1, 3))}, {"h", length(random, numbers, 1, 12)}};
        return {{"a", evenLength(random, numbers, 2, 12)}, {"h", length(random, numbers, 1, 12)}};
    }
    if (key == "polygon") {
        if (sides == 3 && whole && random.oneIn(2)) return {{"a", Exact(6 * random.between(1, 3))}};
        return {{"a", sides == 4 ? length(random, numbers, 1, 15) : evenLength(random, numbers, 2, 16)}};
    }
    if (key == "cylinder") return {{"r", length(random, numbers, 1, 10)}, {"h", length(random, numbers, 1, 15)}};
    if (key == "cone") {
        if (random.oneIn(2)) {
            const auto [radius, height] = nicelegs(random, numbers);
            return {{"r", radius}, {"h", height}};
        }
        return {{"r", length(random, numbers, 1, 10)}, {"h", length(random, numbers, 1, 12)}};
    }
    if (key == "sphere") {
        // Halves on decimal sheets: their surfaces are 4π·r² with a whole 4r², even with π ≈ 3,14.
        if (!whole && !random.oneIn(3)) return {{"r", Exact(Rational(2 * random.between(0, 9) + 1, 2))}};
        return {{"r", length(random, numbers, 1, 15)}};
    }
    throw std::logic_error("no measures for the solid " + std::string(key));
}

}  // namespace solver::worksheet
