// SPDX-License-Identifier: MIT
#include "answer_help.h"

#include <algorithm>

#include "engine/compiled.h"
#include "task_text.h"

namespace solver::worksheet {
namespace {

enum class FormulaKind { Formula, Equation };

// What one step of a solution did: which quantity it found, from which
// relations of the table, by which formula.
struct StepReading {
    int found = -1;
    std::vector<std::size_t> relations;
    FormulaKind kind = FormulaKind::Formula;
    std::string formula;  // "h = 3V : (π·r²)"; for an equation, its relations: "l² = r² + h² и S = π·r·l"
};

// The table a solution's steps come from.
const CompiledSolid& modelOf(const SolidRow& solid, const Solution& solution) {
    return solution.model ? *solution.model : compiled(solid);
}

StepReading readStep(const CompiledSolid& model, const Step& step) {
    const std::vector<Relation>& rows = model.relations;
    StepReading reading;
    reading.found = step.target;
    switch (step.kind) {
    case Step::Kind::Form:
        reading.relations = {std::size_t(step.relation)};
        reading.formula = step.form->text;
        break;
    case Step::Kind::Equation:
        reading.relations = {std::size_t(step.relation)};
        reading.kind = FormulaKind::Equation;
        reading.formula = rows[std::size_t(step.relation)].equation;
        break;
    case Step::Kind::Elimination: {
        std::vector<std::string> equations;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!(step.relations & (RelationSet{1} << r))) continue;
            reading.relations.push_back(r);
            equations.push_back(rows[r].equation);
        }
        reading.kind = FormulaKind::Equation;
        reading.formula = listed(equations);
        break;
    }
    case Step::Kind::Conversion:
    case Step::Kind::Trial: break;  // a unit brought to the results' unit, or n tried: no formula
    }
    return reading;
}

// The indices of the steps that lead to `quantity`, in order: the step that
// found it, and those before it that found what that step used.
std::vector<std::size_t> pathTo(const SolidRow& solid, const Solution& solution,
                                const std::vector<StepReading>& readings, int quantity) {
    const CompiledSolid& compiledSolid = modelOf(solid, solution);
    std::vector<char> needed(readings.size(), false);
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
    for (const Step& step : solution.records) readings.push_back(readStep(modelOf(solid, solution), step));
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
    std::vector<char> needed(readings.size(), false);
    for (const std::string& key : keys)
        for (std::size_t i : pathTo(solid, solution, readings, quantityIndex(solid, key))) needed[i] = true;
    std::vector<std::string> steps;
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (needed[i]) steps.push_back(solution.steps[i]);
    return steps;
}

}  // namespace solver::worksheet
