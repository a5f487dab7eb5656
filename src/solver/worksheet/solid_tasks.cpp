// SPDX-License-Identifier: MIT
#include "solid_tasks.h"

#include <algorithm>
#include <iterator>

namespace solver::worksheet {
namespace {

// clang-format off
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

// What a decimal sheet multiplies whole measures by: 0,3 to 2,5.
Exact decimalScale(Random& random) {
    static constexpr int scales[] = {3, 5, 7, 12, 15, 25};
    return tenths(scales[random.below(std::size(scales))]);
}

// A right triangle's legs, whole or as a whole triangle times a decimal.
std::pair<Exact, Exact> nicelegs(Random& random, Numbers numbers) {
    const auto& triangle = rightTriangles[random.below(std::size(rightTriangles))];
    if (numbers == Numbers::Whole) return {Exact(triangle[0]), Exact(triangle[1])};
    const Exact scale = decimalScale(random);
    return {Exact(triangle[0]) * scale, Exact(triangle[1]) * scale};
}

// Whether a choice of measures holds for the sheet and the base; a chance is
// drawn only where the rest holds.
bool holds(const MeasureChoice& choice, int sides, Numbers numbers, Random& random) {
    if (choice.numbers == SheetNumbers::Whole && numbers != Numbers::Whole) return false;
    if (choice.numbers == SheetNumbers::Decimal && numbers != Numbers::Decimal) return false;
    if (choice.sides != 0 && choice.sides != sides) return false;
    return choice.oneIn == 0 || random.oneIn(choice.oneIn) != choice.unlessOne;
}

template <std::size_t N>
bool names(const std::array<std::string_view, N>& keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

using Drawing = std::vector<std::pair<std::string_view, Exact>>;

void draw(const MeasureDrawn& measure, Numbers numbers, Random& random, Drawing& drawn) {
    const std::string_view letter = measure.letters[0];
    switch (measure.way) {
    case Drawn::Length: drawn.emplace_back(letter, length(random, numbers, measure.low, measure.high)); return;
    case Drawn::EvenLength: drawn.emplace_back(letter, evenLength(random, numbers, measure.low, measure.high)); return;
    case Drawn::Multiple: drawn.emplace_back(letter, Exact(measure.times * random.between(measure.low, measure.high))); return;
    case Drawn::OtherLength: {
        Exact value = length(random, numbers, measure.low, measure.high);
        if (!drawn.empty() && value == drawn.back().second) value = value + Exact(1);
        drawn.emplace_back(letter, value);
        return;
    }
    case Drawn::OddHalf:
        drawn.emplace_back(letter, Exact(Rational(2 * random.between(measure.low, measure.high) + 1, 2)));
        return;
    case Drawn::RightLegs: {
        const auto [first, second] = nicelegs(random, numbers);
        drawn.emplace_back(letter, measure.times == 1 ? first : Exact(measure.times) * first);
        drawn.emplace_back(measure.letters[1], second);
        return;
    }
    case Drawn::WholeDiagonal: {
        auto edges = wholeDiagonalBoxes[random.below(std::size(wholeDiagonalBoxes))];
        const std::size_t height = random.below(3);
        std::swap(edges[height], edges[2]);
        if (random.oneIn(2)) std::swap(edges[0], edges[1]);
        for (std::size_t i = 0; i < 3; ++i) drawn.emplace_back(measure.letters[i], Exact(edges[i]));
        return;
    }
    case Drawn::TableAngle: {
        static constexpr int angles[] = {30, 45, 60};
        drawn.emplace_back(letter, Exact(angles[random.below(std::size(angles))]));
        return;
    }
    case Drawn::AbovePrevious: {
        const Exact below = drawn.empty() ? Exact(0) : drawn.back().second;
        if (measure.letters[1].empty()) {
            const Exact above = length(random, numbers, measure.low, measure.high);
            drawn.emplace_back(letter, below + (measure.times == 1 ? above : Exact(measure.times) * above));
            return;
        }
        const auto [first, second] = nicelegs(random, numbers);
        drawn.emplace_back(letter, below + (measure.times == 1 ? first : Exact(measure.times) * first));
        drawn.emplace_back(measure.letters[1], second);
        return;
    }
    case Drawn::Listed: {
        if (measure.listed.empty()) return;
        const auto& row = measure.listed[random.below(measure.listed.size())];
        const Exact scale = numbers == Numbers::Whole ? Exact(1) : decimalScale(random);
        for (std::size_t i = 0; i < row.size(); ++i)
            if (!measure.letters[i].empty()) drawn.emplace_back(measure.letters[i], Exact(row[i]) * scale);
        return;
    }
    }
}

}  // namespace

const WorksheetRow* solidTasks(const SolidRow& solid) {
    if (!solid.registration) return nullptr;
    const WorksheetRow& row = solid.registration->worksheet;
    return row.direct.empty() && row.inverse.empty() ? nullptr : &row;
}

std::vector<const SolidRow*> sheetSolids() {
    std::vector<const SolidRow*> solids;
    for (const SolidRow& offered : allSolids())
        for (const SolidRow* solid : variantsOf(offered))
            if (solidTasks(*solid)) solids.push_back(solid);
    for (std::span<const SolidRow* const> later : {frustums(), composedBodies()})
        for (const SolidRow* solid : later)
            if (solidTasks(*solid)) solids.push_back(solid);
    return solids;
}

int firstGrade(const SolidRow& solid) {
    const WorksheetRow* tasks = solidTasks(solid);
    if (!tasks) return 0;
    int first = 0;
    bool any = false;
    for (std::span<const TaskPattern> patterns : {tasks->direct, tasks->inverse})
        for (const TaskPattern& pattern : patterns) {
            first = any ? std::min(first, pattern.fromGrade) : pattern.fromGrade;
            any = true;
        }
    return first;
}

bool setAtGrade(const SolidRow& solid, int grade) {
    const int first = firstGrade(solid);
    return solidTasks(solid) && (first == 0 || grade >= first);
}

std::vector<const SolidRow*> defaultSolids(int grade) {
    std::vector<const SolidRow*> solids;
    for (const SolidRow& solid : allSolids()) solids.push_back(&solid);
    for (const SolidRow* solid : frustums())
        if (setAtGrade(*solid, grade)) solids.push_back(solid);
    return solids;
}

bool patternFits(const SolidRow& solid, int sides, const TaskPattern& pattern, Numbers numbers) {
    const WorksheetRow* tasks = solidTasks(solid);
    if (numbers == Numbers::Whole || !tasks) return true;
    for (const RootsAtSides& roots : tasks->rootsForDecimals) {
        if (roots.sides != sides) continue;
        for (std::string_view given : pattern.givens)
            if (!given.empty() && std::find(roots.keys.begin(), roots.keys.end(), given) != roots.keys.end())
                return false;
    }
    return true;
}

std::vector<std::pair<std::string_view, Exact>> niceMeasures(const SolidRow& solid, int sides, Numbers numbers,
                                                             Random& random, const TaskPattern* pattern) {
    const WorksheetRow* tasks = solidTasks(solid);
    if (!tasks) return {};
    for (const MeasureChoice& choice : tasks->measures) {
        if (!choice.forGiven.empty() && !(pattern && names(pattern->givens, choice.forGiven))) continue;
        if (!choice.forSought.empty() && !(pattern && names(pattern->sought, choice.forSought))) continue;
        if (!holds(choice, sides, numbers, random)) continue;
        Drawing drawn;
        for (const MeasureDrawn& measure : choice.measures) draw(measure, numbers, random, drawn);
        return drawn;
    }
    return {};
}

}  // namespace solver::worksheet
