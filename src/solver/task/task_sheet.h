// SPDX-License-Identifier: MIT
#pragma once
// A task as a window shows it beside a solid's fields (the desktop's „Задачи
// по стереометрия“): the choices of its settings, what stands beside each
// field (its results, one line per solution, the givens marked; or the
// message, beside the first field it is about), the heading over each
// solution's steps, and the line a screen reader says after a solve. The
// values, messages and steps are the solver's own; this only places them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver {

inline constexpr std::string_view problemsTitle = "Задачи по стереометрия";

// The captions of such a window, and of the calculator's way into it.
namespace caption {
inline constexpr std::string_view solid = "Тяло";
inline constexpr std::string_view solve = "Реши";
inline constexpr std::string_view clear = "Изчисти";
inline constexpr std::string_view unit = "Мерна единица на резултатите";
inline constexpr std::string_view digits = "Цифри след десетичния знак";
inline constexpr std::string_view grade = "Клас";
inline constexpr std::string_view steps = "Решение по стъпки";
inline constexpr std::string_view insert = "вмъкни";  // "вмъкни π": a button that types π
inline constexpr std::string_view solveAsTask = "Реши като задача";
inline constexpr std::string_view figure = "Чертеж";
inline constexpr std::string_view net = "Развивка";
inline constexpr std::string_view printNet = "Печат на развивката";
// The group of fields under a solid's own: the liquid, a mass, a cost, the sums of edges.
inline constexpr std::string_view moreQuantities = "Още величини";
}  // namespace caption

// The settings a student may choose, with what the choice says.
struct PiChoice {
    PiSetting setting;
    std::string label;  // "точно", "3,14", "3,141592"
};
std::vector<PiChoice> piChoices(std::string_view separator);

struct UnitChoice {
    std::optional<Unit> unit;  // none: the unit of the first given that has one
    std::string label;         // "като в данните", "mm", "cm", "dm", "m"
};
std::vector<UnitChoice> unitChoices();

// The student's grade: "всички" (0, every tool), then 6 to 12.
struct GradeChoice {
    int grade;
    std::string label;
};
std::vector<GradeChoice> gradeChoices();
// A grade as typed in an address or a sheet's settings: "" or "0" for none,
// "6" to "12"; none where it is no grade.
std::optional<int> gradeByText(std::string_view text);
// Why such a text is no grade, and what to type: „Класът е от 6 до 12 …“.
std::string gradeProblem(std::string_view text);

inline constexpr int largestDigits = 12;  // after the decimal separator

// How to type a given: "3, 2,5, 3/4, 70π, 4√3, 12 cm …", with the separator in use.
std::string givensHint(std::string_view separator);

// "S = 15π ≈ 47,12 cm²", "r ≈ 2,88 cm", "n: не се определя от тези данни".
std::string quantityLine(const QuantityResult& quantity);

// What stands beside a quantity's field once the task is solved or not.
struct Beside {
    // One line per solution: "15π ≈ 47,12 cm²"; with several, "1) 3 cm",
    // "2) ≈ 2,88 cm"; a given once, marked: "3 cm (дадено)". None unless solved.
    std::vector<std::string> results;
    bool given = false;
    bool concerned = false;  // the message is about what was typed here
    bool suggested = false;  // one more given here would decide the task
    bool message = false;    // the message stands beside this field
};
// `solid` is the one whose fields are shown.
Beside besideField(const Outcome& outcome, const SolidRow& solid, std::string_view key);

// Where givens cannot be used (an invalid outcome), the sentence that stands
// beside the field of the one with `key`: what the solver says of that given
// alone, so that each field has its own; the outcome's whole message where
// that given alone is not wrong.
std::string givenProblem(const Outcome& outcome, const std::vector<Given>& givens, std::string_view key,
                         const Settings& settings);

// "Решение", or "Решение 1", "Решение 2" over the steps where there are several.
std::string solutionHeading(std::size_t index, std::size_t count);

// The keys a solution found rather than was given: its figure draws them in
// as a task that asks for them would (solver::drawing::FigureOptions::asked).
std::vector<std::string> foundKeys(const Solution& solution);

// What a screen reader says after a solve: every quantity found (the givens
// left out), each solution in turn where there are several, or the message.
std::string announcement(const Outcome& outcome);

}  // namespace solver
