// SPDX-License-Identifier: MIT
#pragma once
// Solving a school task from what it gives: from any of a solid's quantities,
// every quantity they determine, for every solid that fits them, exactly where
// an answer key writes it exactly, with the steps as a textbook writes them.
//
//   solve("cone", {{"r", "3"}, {"h", "4"}}, {})
//     l = 5, S = 15π ≈ 47,12, S1 = 24π, V = 12π, Q = 12, d = 6, and the steps
//     "l² = r² + h² ⇒ l = √(3² + 4²) = 5", "S = π·r·l = π·3·5 = 15π ≈ 47,12", …
//
// The solver fills in what each relation of the solid's table determines once
// all its other letters are known (exactly, by the formula a textbook uses);
// where no relation has a single unknown left, it reduces the relations to one
// equation in one unknown and solves that for all its positive roots, each
// root a solid of its own. It records every step as it takes it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/exact.h"
#include "engine/solids.h"
#include "engine/settings.h"
#include "engine/step.h"

namespace solver {

// A given as a student copies it from a task: the quantity's key and its
// value with an optional unit ("70π", "2,5 cm", "4√3", "3/4", "104mm").
struct Given {
    std::string key;
    std::string text;
};

enum class Status { Solved, None, Underdetermined, Invalid };
std::string_view statusKey(Status status);  // "solved", "none", "underdetermined", "invalid"

struct QuantityResult {
    std::string key;
    bool given = false;
    // False for what the givens leave open by the solid's nature: the base
    // edge of a prism given by the perimeter and area of any base.
    bool determined = false;
    std::optional<Exact> exact;
    double value = 0;          // in the results' unit, with π as set; NaN where not determined
    std::string exactText;     // "15π"; empty where there is no exact form
    std::string text;          // "15π ≈ 47,12 cm²", "5 cm", "≈ 2,88 cm"
    std::string unit;          // of `value`: "cm", "cm²", "cm³"; "" for a count or where the task has no unit
};

struct Solution {
    std::vector<QuantityResult> quantities;  // in the order of the solid's table
    std::vector<std::string> steps;          // from the givens to the last quantity found
    std::vector<Step> records;               // the same steps as data, one for each
    // Under the steps: the givens taken as rounded, with their exact values
    // ("r е закръглено: точно r = 5√3 ≈ 8,66").
    std::vector<std::string> notes;
    // The table the solution comes from where the task gave relations of its
    // own (h = 2a : 3): its steps' relations are that table's. None otherwise.
    std::shared_ptr<const struct CompiledSolid> model;
    int sides = 0;                           // n, where the base is regular
    const QuantityResult* find(std::string_view key) const;
};

// The plane figure a body of rotation is turned from, where a task turns one:
// half of the body's axial section, on one side of the axis (a right triangle
// about a leg), or all of it (an isosceles triangle about its height).
enum class TurnedFigure : std::uint8_t { None, HalfSection, AxialSection };

struct Outcome {
    Status status = Status::Invalid;
    const SolidRow* solid = nullptr;
    std::string message;                 // why there is no single answer, in Bulgarian; empty when solved
    std::vector<std::string> concerned;  // the keys of the givens the message is about
    std::vector<std::string> suggestions;  // underdetermined: what one more given could be
    std::optional<Unit> unit;            // of the results
    std::vector<Solution> solutions;
    TurnedFigure turned = TurnedFigure::None;  // set where a task's text turns a figure
};

Outcome solve(std::string_view solid, const std::vector<Given>& givens, const Settings& settings = {});

// The message of an `invalid` outcome whose equations grow past what the solver solves.
inline constexpr std::string_view tooComplex =
    "Задачата е твърде сложна за програмата: уравненията, до които водят тези данни, са по-големи от тези, "
    "които тя решава. Проверете данните или дайте други величини.";

// How the message of an `invalid` outcome begins where the solver itself failed.
inline constexpr std::string_view internalFault = "Задачата не можа да се реши поради грешка в програмата: ";

// What the student typed as a value, read as the solver reads givens (for
// answers to check): an exact number, and whether it was written as a decimal.
struct ReadNumber {
    bool read = false;
    Exact value;
    bool decimal = false;
    int decimals = 0;  // digits after the separator, for rounding checks
    std::string error;
};
ReadNumber readNumber(std::string_view text);

// A unit as typed ("cm", "см"), for settings; none for anything else.
std::optional<Unit> unitByName(std::string_view name);

}  // namespace solver
