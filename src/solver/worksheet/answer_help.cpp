// SPDX-License-Identifier: MIT
#include "answer_help.h"

#include <algorithm>

#include "engine/compiled.h"
#include "task_text.h"

namespace solver::worksheet {
namespace {

constexpr std::string_view implies = " ⇒ ";

enum class FormulaKind { Formula, Equation };

// What one step of a solution did: which quantity it found, from which
// relations of the table, by which formula.
struct StepReading {
    int found = -1;
    std::vector<std::size_t> relations;
    FormulaKind kind = FormulaKind::Formula;
    std::string formula;  // "h = 3V : (π·r²)"; for an equation, its relations: "l² = r² + h² и S = π·r·l"
};

bool isKeyCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// The quantity a step ends with: "r" in "… ⇒ r⁴ + 16r² − 225 = 0 ⇒ r = 3".
int foundQuantity(const SolidRow& solid, std::string_view step) {
    const auto last = step.rfind(implies);
    if (last != std::string_view::npos) step.remove_prefix(last + implies.size());
    std::size_t length = 0;
    while (length < step.size() && isKeyCharacter(step[length])) ++length;
    return quantityIndex(solid, step.substr(0, length));
}

std::vector<std::string> equationsOf(const SolidRow& solid, const std::vector<std::size_t>& relations) {
    std::vector<std::string> equations;
    const auto rows = relationsOf(solid);
    for (std::size_t r : relations) equations.emplace_back(rows[r]->equation);
    return equations;
}

StepReading readStep(const SolidRow& solid, std::string_view step) {
    StepReading reading;
    const auto rows = relationsOf(solid);
    reading.found = foundQuantity(solid, step);
    if (step.starts_with("От ")) {
        const std::string_view sources = step.substr(0, step.find(implies));
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (sources.find(rows[r]->equation) != std::string_view::npos) reading.relations.push_back(r);
        reading.kind = FormulaKind::Equation;
        reading.formula = listed(equationsOf(solid, reading.relations));
        return reading;
    }
    std::size_t best = rows.size();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string_view equation = rows[r]->equation;
        if (step.starts_with(equation) && step.substr(equation.size()).starts_with(" ") &&
            (best == rows.size() || equation.size() > rows[best]->equation.size()))
            best = r;
    }
    if (best == rows.size()) return reading;  // a unit brought to the results' unit, or n tried
    reading.relations = {best};
    const RelationRow& relation = *rows[best];
    const std::string_view rest = step.substr(relation.equation.size());
    reading.formula = std::string(relation.equation);
    if (!rest.starts_with(implies)) return reading;
    for (std::string_view form : relation.forms) {
        if (!form.empty() && rest.substr(implies.size()).starts_with(form) &&
            rest.substr(implies.size() + form.size()).starts_with(" ")) {
            reading.formula = std::string(form);
            return reading;
        }
    }
    reading.kind = FormulaKind::Equation;  // the relation as an equation in the quantity
    return reading;
}

// The indices of the steps that lead to `quantity`, in order: the step that
// found it, and those before it that found what that step used.
std::vector<std::size_t> pathTo(const SolidRow& solid, const Solution& solution,
                                const std::vector<StepReading>& readings, int quantity) {
    const CompiledSolid& compiledSolid = compiled(solid);
    std::vector<bool> needed(readings.size(), false);
    std::vector<std::pair<int, std::size_t>> pending = {
        {quantity, readings.size()}};  // a quantity, found before a step
    while (!pending.empty()) {
        const auto [q, before] = pending.back();
        pending.pop_back();
        if (q < 0 || solution.quantities[std::size_t(q)].given) continue;
        for (std::size_t i = before; i-- > 0;) {
            if (readings[i].found != q || readings[i].relations.empty()) continue;
            if (!needed[i]) {
                needed[i] = true;
                for (std::size_t r : readings[i].relations)
                    for (int member : compiledSolid.relations[r].members)
                        if (member != q) pending.emplace_back(member, i);
            }
            break;
        }
    }
    std::vector<std::size_t> path;
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (needed[i]) path.push_back(i);
    return path;
}

std::string letter(const SolidRow& solid, int quantity) {
    return std::string(solid.quantities[std::size_t(quantity)].key);
}

std::string hintText(const SolidRow& solid, const std::vector<StepReading>& readings,
                     const std::vector<std::size_t>& path) {
    if (path.empty()) return "";
    if (path.size() == 1) {
        const StepReading& step = readings[path.front()];
        if (step.kind == FormulaKind::Equation)
            return "Съставете уравнение за " + letter(solid, step.found) + " от " + step.formula + ".";
        return "Използвайте формулата " + step.formula + ".";
    }
    std::vector<std::string> pieces;
    for (std::size_t i : path) {
        const StepReading& step = readings[i];
        pieces.push_back(step.kind == FormulaKind::Equation
                             ? letter(solid, step.found) + " от уравнението, което дават " + step.formula
                             : step.formula);
    }
    // Pieces that hold an "и" of their own are set apart by semicolons.
    const bool apart = std::any_of(pieces.begin(), pieces.end(),
                                   [](const std::string& p) { return p.find(" и ") != std::string::npos; });
    if (!apart) return "Намерете последователно " + listed(pieces) + ".";
    std::string text = "Намерете последователно ";
    for (std::size_t i = 0; i < pieces.size(); ++i) text += (i == 0 ? "" : "; ") + pieces[i];
    return text + ".";
}

std::vector<StepReading> readSteps(const SolidRow& solid, const Solution& solution) {
    std::vector<StepReading> readings;
    for (const std::string& step : solution.steps) readings.push_back(readStep(solid, step));
    return readings;
}

}  // namespace

AnswerHelp answerHelp(const SolidRow& solid, const Solution& solution, std::string_view key) {
    const int quantity = quantityIndex(solid, key);
    if (quantity < 0) return {};
    const std::vector<StepReading> readings = readSteps(solid, solution);
    const std::vector<std::size_t> path = pathTo(solid, solution, readings, quantity);
    AnswerHelp help;
    help.hint = hintText(solid, readings, path);
    for (std::size_t i : path) help.steps.push_back(solution.steps[i]);
    return help;
}

std::vector<std::string> stepsFor(const SolidRow& solid, const Solution& solution,
                                  const std::vector<std::string>& keys) {
    const std::vector<StepReading> readings = readSteps(solid, solution);
    std::vector<bool> needed(readings.size(), false);
    for (const std::string& key : keys)
        for (std::size_t i : pathTo(solid, solution, readings, quantityIndex(solid, key))) needed[i] = true;
    std::vector<std::string> steps;
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (needed[i]) steps.push_back(solution.steps[i]);
    return steps;
}

}  // namespace solver::worksheet
