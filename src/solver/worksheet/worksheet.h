// SPDX-License-Identifier: MIT
#pragma once
// Worksheets: tasks on the solids of the solver's tables, each with exactly one
// solution that solve() found before the task was kept, worded as a Bulgarian
// textbook words them, with numbers a student works with by hand, and an
// answer key with hints and steps.
//
//   Sheet sheet = makeSheet(readSheetQuery("number=4711&variant=B&count=12").settings);
//   sheet.tasks[0].text     "Даден е конус с радиус 3 cm и височина 4 cm. Намерете …"
//   sheet.tasks[0].answers  S1 = 24π ≈ 75,4 cm², V = 12π ≈ 37,7 cm³
//
// One sheet number makes both variants: its tasks are laid out (solid, n,
// direct or inverse, what is given and asked) by a random sequence seeded
// with 3·number; variant A's numbers come from one seeded with 3·number + 1,
// variant B's from 3·number + 2. A layout is kept when both variants fill it;
// variant B's numbers differ from variant A's in every task.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "answer_check.h"
#include "engine/exact.h"
#include "sheet_settings.h"
#include "engine/solids.h"
#include "task/solver.h"

namespace solver::worksheet {

struct Answer {
    std::string key;                 // "S1"
    std::optional<Exact> exact;      // 24π
    double value = 0;           // with the sheet's π: 75,398… or, with π ≈ 3,14, 75,36
    std::string text;                // the key's: "24π ≈ 75,4 cm²"
    std::string hint;                // the formulas that lead to it
    std::vector<std::string> steps;  // the solver's steps that lead to it
};

struct Task {
    const SolidRow* solid = nullptr;
    int sides = 0;  // n, for a prism, a pyramid or a polygon
    bool inverse = false;
    std::vector<Given> givens;       // as the solver reads them: {"r", "3"}, {"V", "36π"}, {"V", "113.04"}
    std::vector<std::string> asked;  // keys, in the solid table's order
    std::string text;                // the task in Bulgarian
    std::vector<Answer> answers;     // one per asked key, in the same order
    std::vector<std::string> steps;  // the steps to every asked quantity, for the key
    // The plane figure the text turns to make the body, shaded in the task's figure.
    TurnedFigure turned = TurnedFigure::None;
    const Answer* answer(std::string_view key) const;
};

struct Sheet {
    SheetSettings settings;
    std::string title;  // "Лист № 4711, вариант А"
    std::vector<Task> tasks;
};

// The sheet the settings describe; the same settings make the same sheet on
// every machine. Settings out of range are brought within it.
Sheet makeSheet(const SheetSettings& settings);
// Both variants of the settings' number at once (both are made either way):
// variant A first. The settings' own variant does not matter.
std::array<Sheet, 2> makeVariants(const SheetSettings& settings);

// A student's answer to one asked quantity of a task: the verdict, and after
// wrong answers the hint and the steps (see answerFeedback). `wrongBefore`
// counts this quantity's earlier answers that were found wrong.
AnswerFeedback checkTaskAnswer(const Sheet& sheet, const Task& task, std::string_view key, std::string_view typed,
                               int wrongBefore);

}  // namespace solver::worksheet
