// SPDX-License-Identifier: MIT
#include "task/solver.h"

#include <algorithm>
#include <cmath>

#include "engine/compiled.h"
#include "engine/expression.h"
#include "task/givens.h"
#include "engine/search.h"
#include "engine/superscript.h"
#include "wording/wording.h"

namespace solver {
namespace {

constexpr int largestSidesTried = 100;

// Measures of a solid with nothing special about them, for trying which
// further given would decide a task.
constexpr double referenceMeasures[] = {1.3, 2.9, 2.3};
constexpr int referenceSides = 5;

std::string listedWith(const std::vector<std::string>& items, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? std::string(last) : ", ") + items[i];
    return text;
}

std::string listed(const std::vector<std::string>& items) { return listedWith(items, " и "); }

struct Task {
    const CompiledSolid& solid;
    const GivenReading& reading;
    const Settings& settings;
    const Wording& wording;
    bool regular;
};

State startingState(const Task& task, const std::vector<std::pair<int, Value>>& values) {
    State state;
    state.known.resize(task.solid.row->quantities.size());
    state.checked.assign(task.solid.relations.size(), false);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& [quantity, value] = values[i];
        state.known[std::size_t(quantity)] = Known{value, 1u << i, true};
        if (quantity == task.solid.sidesIndex) state.sides = int(std::lround(static_cast<double>(value.number)));
    }
    return state;
}

std::vector<std::pair<int, Value>> givenValues(const Task& task, bool exact) {
    std::vector<std::pair<int, Value>> values;
    for (const ReadGiven& given : task.reading.givens) {
        Value value(given.value, task.wording.pi());
        if (!exact) value.exact.reset();
        values.emplace_back(given.quantity, value);
    }
    return values;
}

// The steps that bring givens in other units to the results' unit: "b = 104 mm = 10,4 cm".
std::vector<std::string> conversionSteps(const Task& task) {
    std::vector<std::string> steps;
    if (!task.reading.unit) return steps;
    for (const ReadGiven& given : task.reading.givens) {
        if (!given.unit || (given.unit == task.reading.unit && !given.litres && !given.millilitres)) continue;
        const Dimension dimension = task.solid.row->quantities[std::size_t(given.quantity)].dimension;
        const std::string typedUnit = given.litres ? " l" : given.millilitres ? " ml" : [&] {
            const std::string symbol(unitSymbol(*given.unit));
            return " " + symbol + (dimension == Dimension::Area ? "²" : dimension == Dimension::Volume ? "³" : "");
        }();
        steps.push_back(given.key + " = " + given.typedValue.text(task.wording.style()) + typedUnit + " " +
                        task.wording.equals(Value(given.value, task.wording.pi())) +
                        task.wording.unitText(dimension));
    }
    return steps;
}

Search searched(const Task& task, const std::vector<std::pair<int, Value>>& values, bool exact, bool steps,
                std::vector<std::string> firstSteps = {}) {
    Search search(task.solid, task.wording, SearchOptions{exact, steps, task.regular});
    State start = startingState(task, values);
    start.steps = std::move(firstSteps);
    search.run(std::move(start));
    return search;
}

// The givens a contradiction follows from, as the task wrote them: "r = 5 cm и l = 3 cm".
std::string givensText(const Task& task, std::uint32_t from, std::vector<std::string>& keys) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < task.reading.givens.size(); ++i) {
        if (!(from & (1u << i))) continue;
        const ReadGiven& given = task.reading.givens[i];
        const Dimension dimension = task.solid.row->quantities[std::size_t(given.quantity)].dimension;
        parts.push_back(given.key + " = " + task.wording.number(Value(given.value, task.wording.pi())) +
                        task.wording.unitText(dimension));
        keys.push_back(given.key);
    }
    return listed(parts);
}

// A solid of the task's kind with measures that are nothing special (n as
// given), to try on it what more givens would decide the task.
std::optional<State> referenceSolid(const Task& task) {
    const SolidRow& row = *task.solid.row;
    const std::span<const std::string_view> base = task.regular ? row.base : row.baseWithoutSides;
    std::vector<std::pair<int, Value>> measures;
    for (std::size_t i = 0; i < base.size(); ++i)
        measures.emplace_back(quantityIndex(row, base[i]), Value::decimal(referenceMeasures[i % 3]));
    if (task.regular && task.solid.sidesIndex >= 0) {
        int sides = referenceSides;
        for (const ReadGiven& g : task.reading.givens)
            if (g.quantity == task.solid.sidesIndex) sides = int(g.value.rational().convert_to<long long>());
        measures.emplace_back(task.solid.sidesIndex, Value::whole(sides));
    }
    const Search whole = searched(task, measures, false, false);
    if (whole.solutions().empty()) return std::nullopt;
    return whole.solutions().front();
}

// Whether these quantities of the reference solid, given, decide it.
bool decides(const Task& task, const State& solid, const std::vector<int>& quantities) {
    std::vector<std::pair<int, Value>> trial;
    for (int q : quantities) trial.emplace_back(q, solid.known[std::size_t(q)]->value);
    return !searched(task, trial, false, false).solutions().empty();
}

std::vector<int> givenQuantities(const Task& task) {
    std::vector<int> given;
    for (const ReadGiven& g : task.reading.givens) given.push_back(g.quantity);
    return given;
}

// Which one more given would decide the task.
std::vector<std::string> suggestions(const Task& task, const std::optional<State>& solid) {
    if (!solid) return {};
    const std::vector<int> given = givenQuantities(task);
    std::vector<std::string> found;
    for (std::size_t q = 0; q < solid->known.size(); ++q) {
        if (std::find(given.begin(), given.end(), int(q)) != given.end() || !solid->known[q]) continue;
        std::vector<int> trial = given;
        trial.push_back(int(q));
        if (decides(task, *solid, trial)) found.emplace_back(task.solid.row->quantities[q].key);
    }
    return found;
}

// Where one more given does not decide it: n and the measures that fix such a
// solid, taken in turn until they do ("b и c" for a box with a given).
std::vector<std::string> missingMeasures(const Task& task, const std::optional<State>& solid) {
    if (!solid) return {};
    const SolidRow& row = *task.solid.row;
    std::vector<int> candidates;
    if (task.regular && task.solid.sidesIndex >= 0) candidates.push_back(task.solid.sidesIndex);
    for (std::string_view key : task.regular ? row.base : row.baseWithoutSides) candidates.push_back(quantityIndex(row, key));
    std::vector<int> trial = givenQuantities(task);
    std::vector<std::string> missing;
    for (int q : candidates) {
        if (std::find(trial.begin(), trial.end(), q) != trial.end()) continue;
        trial.push_back(q);
        missing.emplace_back(row.quantities[std::size_t(q)].key);
        if (decides(task, *solid, trial)) return missing;
    }
    return missing;
}

double inUnits(const Value& value) { return static_cast<double>(value.number); }

// "cm²" for an area in centimetres; "" for a count, or where the task has no unit.
std::string unitOf(std::optional<Unit> unit, Dimension dimension) {
    if (!unit || dimension == Dimension::Count) return "";
    const std::string symbol(unitSymbol(*unit));
    return symbol + (dimension == Dimension::Area ? "²" : dimension == Dimension::Volume ? "³" : "");
}

Solution solutionOf(const Task& task, const State& state) {
    Solution solution;
    solution.sides = state.sides;
    solution.steps = state.steps;
    const SolidRow& row = *task.solid.row;
    for (std::size_t q = 0; q < row.quantities.size(); ++q) {
        QuantityResult result;
        result.key = std::string(row.quantities[q].key);
        result.unit = unitOf(task.reading.unit, row.quantities[q].dimension);
        if (state.known[q]) {
            Value value = state.known[q]->value;
            if (value.exact) value.number = value.exact->value(task.wording.pi());
            result.given = state.known[q]->given;
            result.determined = true;
            result.exact = value.exact;
            result.value = inUnits(value);
            if (value.exact) result.exactText = value.exact->text(task.wording.style());
            result.text = task.wording.quantity(value, row.quantities[q].dimension);
        } else {
            result.value = NAN;
            result.text = "не се определя от тези данни";
        }
        solution.quantities.push_back(std::move(result));
    }
    return solution;
}

bool sameSolid(const Task& task, const State& a, const State& b) {
    const SolidRow& row = *task.solid.row;
    auto equalWith = [&](int swapFirst, int swapSecond) {
        for (std::size_t q = 0; q < a.known.size(); ++q) {
            std::size_t other = q;
            if (int(q) == swapFirst) other = std::size_t(swapSecond);
            else if (int(q) == swapSecond) other = std::size_t(swapFirst);
            if (a.known[q].has_value() != b.known[other].has_value()) return false;
            if (a.known[q] && !sameValue(a.known[q]->value, b.known[other]->value)) return false;
        }
        return true;
    };
    if (equalWith(-1, -1)) return true;
    if (row.interchangeable[0].empty()) return false;
    return equalWith(quantityIndex(row, row.interchangeable[0]), quantityIndex(row, row.interchangeable[1]));
}

std::vector<State> distinct(const Task& task, const std::vector<State>& states) {
    std::vector<State> kept;
    for (const State& state : states)
        if (std::none_of(kept.begin(), kept.end(), [&](const State& k) { return sameSolid(task, k, state); }))
            kept.push_back(state);
    return kept;
}

// n found by trying every n the givens might have: "n = 6". None where the
// givens do not fix a solid even with n known (tried with one n).
std::optional<std::vector<int>> fittingSides(const Task& task) {
    std::vector<int> fitting;
    const auto values = givenValues(task, false);
    auto withSides = values;
    withSides.emplace_back(task.solid.sidesIndex, Value::whole(referenceSides));
    const Search sample = searched(task, withSides, false, false);
    if (sample.solutions().empty() && !sample.stuck().empty()) return std::nullopt;
    for (int n = 3; n <= largestSidesTried; ++n) {
        auto trial = values;
        trial.emplace_back(task.solid.sidesIndex, Value::whole(n));
        if (!searched(task, trial, false, false).solutions().empty()) fitting.push_back(n);
        if (fitting.size() > 2) break;
    }
    return fitting;
}

void describeNone(const Task& task, const Search& search, Outcome& outcome) {
    const Contradiction& first = search.contradictions().front();
    const std::string givens = givensText(task, first.from, outcome.concerned);
    outcome.status = Status::None;
    outcome.message = "Няма " + std::string(task.solid.row->single) + (givens.empty() ? "" : " с " + givens) + ": " +
                      first.why + ".";
}

// A base of any shape, known by its perimeter and area, is a polygon only if
// B < P² : (4π), the area of a circle with P round it: why not, where it is not.
std::optional<std::string> noBaseFits(const Task& task, const State& state) {
    const SolidRow& row = *task.solid.row;
    if (task.regular || row.baseWithoutSides.empty()) return std::nullopt;
    const auto& perimeter = state.known[std::size_t(quantityIndex(row, "P"))];
    const auto& area = state.known[std::size_t(quantityIndex(row, "B"))];
    if (!perimeter || !area) return std::nullopt;
    const double largest = perimeter->value.number * perimeter->value.number / (4 * truePi);
    if (area->value.number < largest) return std::nullopt;
    return "Няма " + std::string(row.single) + " с основа с периметър P " + task.wording.equals(perimeter->value) +
           " и лице B " + task.wording.equals(area->value) +
           ": многоъгълник с периметър P има лице, по-малко от P² : (4π) (лицето на кръг с обиколка P), тук " +
           roundedText(largest, task.settings.digits, task.settings.separator) + ".";
}

// "една величина", "две величини", "три величини".
std::string quantitiesWord(std::size_t count) {
    static constexpr std::string_view words[] = {"", "една величина", "две величини", "три величини"};
    return count < std::size(words) ? std::string(words[count]) : std::to_string(count) + " величини";
}

void describeUnderdetermined(const Task& task, Outcome& outcome) {
    outcome.status = Status::Underdetermined;
    const SolidRow& row = *task.solid.row;
    const std::optional<State> solid = referenceSolid(task);
    outcome.suggestions = suggestions(task, solid);
    if (task.reading.givens.empty() && !row.baseWithoutSides.empty()) {
        std::vector<std::string> regular{"n"};
        regular.insert(regular.end(), row.base.begin(), row.base.end());
        outcome.message = "Не е дадена нито една величина. Дайте например " + listed(regular) +
                          " (за правилна основа) или " +
                          listed(std::vector<std::string>(row.baseWithoutSides.begin(), row.baseWithoutSides.end())) + ".";
        return;
    }
    const std::vector<std::string> missing = missingMeasures(task, solid);
    if (task.reading.givens.empty()) {
        outcome.message = "Не е дадена нито една величина. Дайте " + quantitiesWord(missing.size()) + ", например " +
                          listed(missing) + ".";
        return;
    }
    outcome.message = "Данните не стигат, за да се намери " + std::string(row.single) + ".";
    if (!outcome.suggestions.empty())
        outcome.message += " Дайте още една величина, например " + listedWith(outcome.suggestions, " или ") + ".";
    else if (!missing.empty())
        outcome.message += " Дайте още " + quantitiesWord(missing.size()) + ", например " + listed(missing) + ".";
    else
        outcome.message += " Дайте още величини.";
}

}  // namespace

double piValue(PiSetting setting) {
    switch (setting) {
    case PiSetting::School: return 3.14;
    case PiSetting::Calculator: return 3.141592;
    case PiSetting::Exact: break;
    }
    return truePi;
}

std::optional<Rational> piFraction(PiSetting setting) {
    switch (setting) {
    case PiSetting::School: return Rational(157, 50);
    case PiSetting::Calculator: return Rational(392699, 125000);
    case PiSetting::Exact: break;
    }
    return std::nullopt;
}

std::string_view statusKey(Status status) {
    switch (status) {
    case Status::Solved: return "solved";
    case Status::None: return "none";
    case Status::Underdetermined: return "underdetermined";
    case Status::Invalid: return "invalid";
    }
    return "";
}

const QuantityResult* Solution::find(std::string_view key) const {
    for (const QuantityResult& q : quantities)
        if (q.key == key) return &q;
    return nullptr;
}

std::optional<Unit> unitByName(std::string_view name) {
    for (Unit unit : {Unit::Millimetre, Unit::Centimetre, Unit::Decimetre, Unit::Metre})
        if (unitSymbol(unit) == name) return unit;
    if (name == "мм") return Unit::Millimetre;
    if (name == "см") return Unit::Centimetre;
    if (name == "дм") return Unit::Decimetre;
    if (name == "м") return Unit::Metre;
    return std::nullopt;
}

ReadNumber readNumber(std::string_view text) {
    const TypedValue typed = readValue(text);
    return {typed.read, typed.value, typed.decimal, typed.decimals, typed.error};
}

namespace {

Outcome solved(std::string_view solidKey, const std::vector<Given>& givens, const Settings& settings);

}  // namespace

// Whatever the givens, an answer: a fault of the solver's own (none is known)
// is said as such rather than ending the program or the page.
Outcome solve(std::string_view solidKey, const std::vector<Given>& givens, const Settings& settings) {
    try {
        return solved(solidKey, givens, settings);
    } catch (const std::exception& fault) {
        Outcome outcome;
        outcome.solid = solidByKey(solidKey);
        outcome.message = std::string(internalFault) + fault.what();
        return outcome;
    }
}

namespace {

Outcome solved(std::string_view solidKey, const std::vector<Given>& givens, const Settings& settings) {
    Outcome outcome;
    outcome.solid = solidByKey(solidKey);
    if (!outcome.solid) {
        std::vector<std::string> known;
        for (const SolidRow& s : allSolids()) known.push_back(std::string(s.key) + " (" + std::string(s.name) + ")");
        outcome.message = "Няма тяло „" + std::string(solidKey) + "“. Телата са: " + listed(known) + ".";
        return outcome;
    }
    const CompiledSolid& solid = compiled(*outcome.solid);
    const GivenReading reading = readGivens(*outcome.solid, givens, settings.unit);
    outcome.unit = reading.unit;
    if (!reading.problems.empty()) {
        outcome.message = listedWith(reading.problems, " ");
        outcome.concerned = reading.concerned;
        return outcome;
    }
    const Wording wording(settings, reading.unit, reading.decimals);
    bool regular = outcome.solid->baseWithoutSides.empty();
    for (const ReadGiven& given : reading.givens)
        if (outcome.solid->quantities[std::size_t(given.quantity)].regularOnly) regular = true;
    const Task task{solid, reading, settings, wording, regular};

    Search search = searched(task, givenValues(task, true), true, settings.steps, conversionSteps(task));
    if (search.solutions().empty() && search.contradictions().empty() && regular && solid.sidesIndex >= 0 &&
        std::all_of(search.stuck().begin(), search.stuck().end(),
                    [&](const State& s) { return !s.known[std::size_t(solid.sidesIndex)]; })) {
        // n is not given and no relation gives it: every n is tried.
        // (None found as "many": the task needs n, or more givens.)
        const std::vector<int> sides = fittingSides(task).value_or(std::vector<int>(3));
        if (sides.size() == 1) {
            auto values = givenValues(task, true);
            values.emplace_back(solid.sidesIndex, Value::whole(sides.front()));
            std::vector<std::string> steps = conversionSteps(task);
            steps.push_back("n = " + std::to_string(sides.front()) + ": само при този брой страни (от 3 до " +
                            std::to_string(largestSidesTried) + ") дадените величини си съответстват");
            Search withSides = searched(task, values, true, settings.steps, steps);
            for (const State& s : withSides.solutions()) {
                Solution solution = solutionOf(task, s);
                solution.quantities[std::size_t(solid.sidesIndex)].given = false;
                outcome.solutions.push_back(std::move(solution));
            }
            if (!outcome.solutions.empty()) {
                outcome.status = Status::Solved;
                return outcome;
            }
        } else if (sides.empty()) {
            std::vector<std::string> keys;
            const std::string givensList = givensText(task, ~0u, keys);
            outcome.status = Status::None;
            outcome.concerned = keys;
            outcome.message = "Няма " + std::string(outcome.solid->single) + " с " + givensList +
                              ": при никой брой страни n от 3 до " + std::to_string(largestSidesTried) +
                              " тези величини не си съответстват.";
            return outcome;
        }
    }
    if (!search.solutions().empty()) {
        if (const auto why = noBaseFits(task, search.solutions().front())) {
            outcome.status = Status::None;
            outcome.message = *why;
            for (const ReadGiven& g : reading.givens) outcome.concerned.push_back(g.key);
            return outcome;
        }
        outcome.status = Status::Solved;
        for (const State& state : distinct(task, search.solutions())) outcome.solutions.push_back(solutionOf(task, state));
        return outcome;
    }
    if (search.stuck().empty() && !search.contradictions().empty()) {
        describeNone(task, search, outcome);
        return outcome;
    }
    describeUnderdetermined(task, outcome);
    return outcome;
}

}  // namespace
}  // namespace solver
