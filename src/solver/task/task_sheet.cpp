// SPDX-License-Identifier: MIT
#include "task/task_sheet.h"

#include <algorithm>

namespace solver {
namespace {

bool keyListed(const std::vector<std::string>& keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// The field the message stands beside: the first in the solid's order that it
// is about, else the first that one more given could be, else the first field.
std::string_view messageField(const Outcome& outcome, const SolidRow& solid) {
    for (const std::vector<std::string>* keys : {&outcome.concerned, &outcome.suggestions})
        for (const QuantityRow& quantity : solid.quantities)
            if (keyListed(*keys, quantity.key)) return quantity.key;
    return solid.quantities.empty() ? std::string_view() : solid.quantities.front().key;
}

std::string solutionCount(std::size_t count) {
    return (count == 2 ? std::string("Две") : std::to_string(count)) + " решения.";
}

}  // namespace

std::vector<PiChoice> piChoices(std::string_view separator) {
    const std::string point(separator);
    return {{PiSetting::Exact, "точно"},
            {PiSetting::School, "3" + point + "14"},
            {PiSetting::Calculator, "3" + point + "141592"}};
}

std::vector<UnitChoice> unitChoices() {
    std::vector<UnitChoice> choices{{std::nullopt, "като в данните"}};
    for (Unit unit : {Unit::Millimetre, Unit::Centimetre, Unit::Decimetre, Unit::Metre})
        choices.push_back({unit, std::string(unitSymbol(unit))});
    return choices;
}

std::vector<GradeChoice> gradeChoices() {
    std::vector<GradeChoice> choices{{0, "всички"}};
    for (int grade = 6; grade <= 12; ++grade) choices.push_back({grade, std::to_string(grade)});
    return choices;
}

std::optional<int> gradeByText(std::string_view text) {
    if (text.empty() || text == "0") return 0;
    for (const GradeChoice& choice : gradeChoices())
        if (choice.grade > 0 && text == choice.label) return choice.grade;
    return std::nullopt;
}

std::string gradeProblem(std::string_view text) {
    return "Класът е от 6 до 12 (или празно – за всички класове), а не „" + std::string(text) + "“.";
}

std::string givensHint(std::string_view separator) {
    const std::string point(separator);
    return "Напишете дадените в полетата им: 3, 2" + point + "5, 3/4, 70π, 4√3, с мерна единица или без (12 cm, "
           "104 mm). π се пише и pi, а √ и sqrt. Enter решава задачата.";
}

std::string quantityLine(const QuantityResult& quantity) {
    if (!quantity.determined) return quantity.key + ": " + quantity.text;
    return quantity.key + (quantity.text.starts_with("≈") ? " " : " = ") + quantity.text;
}

Beside besideField(const Outcome& outcome, const SolidRow& solid, std::string_view key) {
    Beside beside;
    if (outcome.status == Status::Solved) {
        const std::size_t count = outcome.solutions.size();
        for (std::size_t i = 0; i < count; ++i) {
            const QuantityResult* quantity = outcome.solutions[i].find(key);
            if (!quantity) continue;
            if (quantity->given) {
                beside.given = true;
                beside.results = {quantity->text + " (дадено)"};
                break;
            }
            beside.results.push_back((count > 1 ? std::to_string(i + 1) + ") " : std::string()) + quantity->text);
        }
        return beside;
    }
    beside.concerned = keyListed(outcome.concerned, key);
    beside.suggested = keyListed(outcome.suggestions, key);
    beside.message = !outcome.message.empty() && messageField(outcome, solid) == key;
    return beside;
}

std::string givenProblem(const Outcome& outcome, const std::vector<Given>& givens, std::string_view key,
                         const Settings& settings) {
    if (!outcome.solid) return outcome.message;
    for (const Given& given : givens) {
        if (given.key != key) continue;
        const Outcome alone = solve(outcome.solid->key, {given}, settings);
        if (alone.status == Status::Invalid) return alone.message;
    }
    return outcome.message;
}

std::string solutionHeading(std::size_t index, std::size_t count) {
    return count > 1 ? "Решение " + std::to_string(index + 1) : std::string("Решение");
}

std::vector<std::string> foundKeys(const Solution& solution) {
    std::vector<std::string> keys;
    for (const QuantityResult& q : solution.quantities)
        if (q.determined && !q.given) keys.push_back(q.key);
    return keys;
}

std::string announcement(const Outcome& outcome) {
    if (outcome.status != Status::Solved) return outcome.message;
    const std::size_t count = outcome.solutions.size();
    std::string said = count > 1 ? solutionCount(count) : std::string();
    for (std::size_t i = 0; i < count; ++i) {
        std::string found;
        for (const QuantityResult& quantity : outcome.solutions[i].quantities) {
            if (quantity.given) continue;
            found += (found.empty() ? "" : ", ") + quantityLine(quantity);
        }
        if (count > 1) said += " " + solutionHeading(i, count) + ": ";
        said += found + (count > 1 ? "." : "");
    }
    return said;
}

}  // namespace solver
