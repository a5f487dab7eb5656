// SPDX-License-Identifier: MIT
#include "task/solver.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/compiled.h"
#include "engine/expression.h"
#include "engine/limits.h"
#include "task/givens.h"
#include "engine/search.h"
#include "engine/superscript.h"
#include "wording/steps.h"
#include "wording/wording.h"

namespace solver {
namespace {

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
    // Solved as far as the grade's tools go: what they do not reach is not found.
    bool limitedByGrade = false;
};

// Steps taken before the search: givens brought to the results' unit, n found by trying.
struct Leading {
    std::vector<std::string> texts;
    std::vector<Step> records;
    void add(std::string text, Step record) {
        texts.push_back(std::move(text));
        records.push_back(std::move(record));
    }
};

State startingState(const Task& task, const std::vector<std::pair<int, Value>>& values) {
    State state;
    state.known.resize(task.solid.row->quantities.size());
    state.checked.assign(task.solid.relations.size(), false);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& [quantity, value] = values[i];
        state.known[std::size_t(quantity)] = Known{value, GivenSet(1) << i, true};
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
Leading conversionSteps(const Task& task) {
    Leading steps;
    if (!task.reading.unit) return steps;
    for (const ReadGiven& given : task.reading.givens) {
        const Dimension dimension = task.solid.row->quantities[std::size_t(given.quantity)].dimension;
        if (given.useConverted) {
            // "m = 2,5 kg = 2500 g", "cS = 12 лв./m² = 3/25 лв./dm²"
            const Value value(given.value, task.wording.pi());
            Step record{.kind = Step::Kind::Conversion, .target = given.quantity};
            record.value = value;
            steps.add(given.key + " = " + given.typedValue.text(task.wording.style()) + " " + given.useUnit + " " +
                          task.wording.equals(value) + task.wording.unitText(dimension),
                      std::move(record));
            continue;
        }
        if (!given.unit || (given.unit == task.reading.unit && !given.litres && !given.millilitres)) continue;
        const std::string typedUnit = given.litres ? " l" : given.millilitres ? " ml" : [&] {
            const std::string symbol(unitSymbol(*given.unit));
            return " " + symbol + (dimension == Dimension::Area ? "²" : dimension == Dimension::Volume ? "³" : "");
        }();
        const Value value(given.value, task.wording.pi());
        Step record{.kind = Step::Kind::Conversion, .target = given.quantity};
        record.value = value;
        steps.add(given.key + " = " + given.typedValue.text(task.wording.style()) + typedUnit + " " +
                      task.wording.equals(value) + task.wording.unitText(dimension),
                  std::move(record));
    }
    return steps;
}

// How far a given may be from what a relation makes it: a number a task may
// have rounded (a whole number, a decimal) by 1 %, or by half its last digit
// where that is more (up to 5 %); one written exactly (3/4, 5√3, 70π) not at all.
double toleranceOf(const ReadGiven& given) {
    const Exact& typed = given.typedValue;
    if (!given.plain) return 0;
    double tolerance = 0.01;
    if (given.decimal) {
        const double halfDigit = 0.5 * std::pow(10.0, -given.decimals);
        tolerance = std::max(tolerance, halfDigit / std::fabs(typed.value()));
    }
    // A number of one or two digits is rounded by 5 % at most (1,2 for 2√3/3).
    return std::min(tolerance, 0.05);
}

// The search from these values: the task's givens (and n where it is tried),
// or measures of a reference solid, taken as exact.
Search searched(const Task& task, const std::vector<std::pair<int, Value>>& values, bool exact, bool steps,
                bool givens = true) {
    SearchOptions options{exact, steps, task.regular, task.wording.pi()};
    options.piFraction = piFraction(task.settings.pi);
    options.grade = task.settings.grade;
    if (givens)
        for (const ReadGiven& given : task.reading.givens) {
            options.givenTolerance.push_back(toleranceOf(given));
            options.givenDecimal.push_back(given.decimal);
        }
    Search search(task.solid, options);
    search.run(startingState(task, values));
    return search;
}

// The givens a contradiction follows from, as the task wrote them: "r = 5 cm и l = 3 cm".
std::string givensText(const Task& task, GivenSet from, std::vector<std::string>& keys) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < task.reading.givens.size(); ++i) {
        if (!(from & (GivenSet(1) << i))) continue;
        const ReadGiven& given = task.reading.givens[i];
        const Dimension dimension = task.solid.row->quantities[std::size_t(given.quantity)].dimension;
        parts.push_back(given.key + " = " + task.wording.number(Value(given.value, task.wording.pi())) +
                        task.wording.unitText(dimension));
        keys.push_back(given.key);
    }
    // The relations a task gave, in the bits after its quantities'.
    for (std::size_t i = 0; i < task.reading.relations.size(); ++i) {
        if (!(from & (GivenSet(1) << (task.reading.givens.size() + i)))) continue;
        parts.push_back(task.reading.relations[i].text);
        keys.push_back(task.reading.relations[i].key);
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
    if (task.regular && task.solid.wholeIndex >= 0) {
        int sides = referenceSides;
        for (const ReadGiven& g : task.reading.givens)
            if (g.quantity == task.solid.wholeIndex) sides = int(g.value.rational().convert_to<long long>());
        measures.emplace_back(task.solid.wholeIndex, Value::whole(sides));
    }
    // Built with every tool: a grade's tools need not reach all of it.
    Settings everyTool = task.settings;
    everyTool.grade = 0;
    const Search whole = searched(Task{task.solid, task.reading, everyTool, task.wording, task.regular}, measures, false,
                                  false, false);
    if (whole.solutions().empty()) return std::nullopt;
    return whole.solutions().front();
}

// Whether these quantities of the reference solid, given, lead with the
// These quantities' values in the reference solid; a given the reference
// does not fix (a density, a fill: quantities of use) with its own value.
// None where a quantity has neither.
std::optional<std::vector<std::pair<int, Value>>> referenceValues(const Task& task, const State& solid,
                                                                  const std::vector<int>& quantities) {
    std::vector<std::pair<int, Value>> trial;
    for (int q : quantities) {
        if (const auto& known = solid.known[std::size_t(q)]) {
            trial.emplace_back(q, known->value);
            continue;
        }
        const auto given = std::find_if(task.reading.givens.begin(), task.reading.givens.end(),
                                        [q](const ReadGiven& g) { return g.quantity == q; });
        if (given == task.reading.givens.end()) return std::nullopt;
        trial.emplace_back(q, Value(given->value, task.wording.pi()));
    }
    return trial;
}

// grade's tools to every quantity the task asks for.
bool reachesAsked(const Task& task, const State& solid, const std::vector<int>& quantities) {
    const auto values = referenceValues(task, solid, quantities);
    if (!values) return false;
    const std::vector<std::pair<int, Value>>& trial = *values;
    const Search search = searched(task, trial, false, false, false);
    std::vector<State> reached = search.solutions();
    reached.insert(reached.end(), search.stuck().begin(), search.stuck().end());
    if (reached.empty()) return false;
    for (const std::string& key : task.settings.asked) {
        const int q = quantityIndex(*task.solid.row, key);
        if (q >= 0 && std::any_of(reached.begin(), reached.end(), [q](const State& s) { return !s.known[std::size_t(q)]; }))
            return false;
    }
    return true;
}

// Whether these quantities of the reference solid, given, decide it.
bool decides(const Task& task, const State& solid, const std::vector<int>& quantities) {
    const auto trial = referenceValues(task, solid, quantities);
    return trial && !searched(task, *trial, false, false, false).solutions().empty();
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
    if (task.regular && task.solid.wholeIndex >= 0) candidates.push_back(task.solid.wholeIndex);
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

// "cm²" for an area in centimetres, "°" for an angle; "" for a count or a ratio, or where the task has no unit.
std::string unitOf(std::optional<Unit> unit, Dimension dimension) {
    if (dimension == Dimension::Angle) return "°";
    if (isUseDimension(dimension)) return useUnitSymbol(unit, dimension);
    if (!unit || dimension == Dimension::Count || dimension == Dimension::Ratio) return "";
    const std::string symbol(unitSymbol(*unit));
    return symbol + (dimension == Dimension::Area ? "²" : dimension == Dimension::Volume ? "³" : "");
}

// Whether the task is solved as far as its grade's tools go, and no further.
bool beyondGrade(const Task& task) { return task.limitedByGrade; }

// The exact values of the decimal givens a solution found rounded apart from
// the relations that hold them (ha = 5,2 for a side of 6, checked through B):
// each found from the other givens alone, where they fix it.
std::vector<Rounding> roundedApart(const Task& task, const State& state) {
    std::vector<Rounding> found;
    for (std::size_t i = 0; i < task.reading.givens.size(); ++i) {
        if (!(state.roundedApart & (GivenSet(1) << i))) continue;
        GivenReading others = task.reading;
        others.givens.erase(others.givens.begin() + std::ptrdiff_t(i));
        const Task without{task.solid, others, task.settings, task.wording, task.regular};
        const Search search = searched(without, givenValues(without, true), true, false);
        const int quantity = task.reading.givens[i].quantity;
        std::optional<Value> exact;
        bool single = !search.solutions().empty();
        for (const State& s : search.solutions()) {
            const auto& known = s.known[std::size_t(quantity)];
            if (!known || !known->value.exact || (exact && !sameValue(*exact, known->value))) single = false;
            else exact = known->value;
        }
        if (single && exact && !sameValue(*exact, state.known[std::size_t(quantity)]->value))
            found.push_back({quantity, *exact});
    }
    return found;
}

// "само при n = 4": a quantity of some bases alone, on another base.
std::string basesHaving(const Task& task, const State& state, int quantity) {
    const CompiledSolid& solid = task.solid;
    if (solid.wholeIndex < 0 || !state.known[std::size_t(solid.wholeIndex)]) return {};
    const std::optional<double> count = state.known[std::size_t(solid.wholeIndex)]->value.number;
    if (solid.hasFor(quantity, count)) return {};
    std::string text = "само при";
    const std::string_view letter = solid.row->quantities[std::size_t(solid.wholeIndex)].key;
    const std::vector<int>& counts = solid.ofBasesOnly[std::size_t(quantity)];
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (std::find(counts.begin(), counts.begin() + std::ptrdiff_t(i), counts[i]) == counts.begin() + std::ptrdiff_t(i))
            text += std::string(i == 0 ? " " : " или ") + std::string(letter) + " = " + std::to_string(counts[i]);
    return text;
}

Solution solutionOf(const Task& task, const State& state, const Leading& leading, std::size_t shown = 0) {
    Solution solution;
    if (task.solid.wholeIndex >= 0 && state.known[std::size_t(task.solid.wholeIndex)])
        solution.sides = int(std::lround(state.known[std::size_t(task.solid.wholeIndex)]->value.number));
    solution.steps = leading.texts;
    solution.records = leading.records;
    StepWriter writer(task.solid, task.wording);
    const auto& swapped = task.solid.row->interchangeable;
    if (shown > 0) writer.countSolids(shown, std::string(swapped[0]) + " и " + std::string(swapped[1]));
    for (const Step& step : state.steps) {
        solution.steps.push_back(writer.step(step));
        solution.records.push_back(step);
    }
    std::vector<Rounding> roundings = state.roundings;
    for (const Rounding& apart : roundedApart(task, state)) roundings.push_back(apart);
    for (const Rounding& rounding : roundings) {
        const QuantityRow& row = task.solid.row->quantities[std::size_t(rounding.quantity)];
        const std::string note = std::string(row.key) + " е закръглено: точно " + std::string(row.key) + " " +
                                 task.wording.equals(rounding.derived) + task.wording.unitText(row.dimension);
        if (std::find(solution.notes.begin(), solution.notes.end(), note) == solution.notes.end())
            solution.notes.push_back(note);
    }
    const SolidRow& row = *task.solid.row;
    for (std::size_t q = 0; q < row.quantities.size(); ++q) {
        QuantityResult result;
        result.key = std::string(row.quantities[q].key);
        result.unit = unitOf(task.reading.unit, row.quantities[q].dimension);
        if (state.known[q]) {
            Value value = state.known[q]->value;
            if (value.exact) value.exact = task.wording.keyForm(*value.exact);
            if (value.exact) value.number = value.exact->value(task.wording.pi());
            result.given = state.known[q]->given;
            result.determined = true;
            result.exact = value.exact;
            result.value = inUnits(value);
            if (value.exact) result.exactText = value.exact->text(task.wording.style());
            result.text = task.wording.quantity(value, row.quantities[q].dimension);
            // An angle with no exact value, as the key writes it: "arctg 4/3 ≈ 53,13°".
            if (row.quantities[q].dimension == Dimension::Angle && !value.exact)
                for (const Step& step : state.steps)
                    if (step.target == int(q))
                        if (const auto form = StepWriter(task.solid, task.wording).inverseForm(step))
                            result.text = *form + " " + result.text;
        } else {
            result.value = NAN;
            result.text = beyondGrade(task) ? "не се намира с наученото до " + std::to_string(task.settings.grade) + ". клас"
                                            : "не се определя от тези данни";
            if (const std::string bases = basesHaving(task, state, int(q)); !bases.empty()) result.text = bases;
        }
        solution.quantities.push_back(std::move(result));
    }
    return solution;
}

bool sameSolid(const Task& task, const State& a, const State& b) {
    const SolidRow& row = *task.solid.row;
    std::vector<std::size_t> counterpart(a.known.size());
    for (std::size_t q = 0; q < counterpart.size(); ++q) counterpart[q] = q;
    auto equalWith = [&]() {
        for (std::size_t q = 0; q < a.known.size(); ++q) {
            const std::size_t other = counterpart[q];
            if (a.known[q].has_value() != b.known[other].has_value()) return false;
            if (a.known[q] && !sameValue(a.known[q]->value, b.known[other]->value)) return false;
        }
        return true;
    };
    if (equalWith()) return true;
    if (row.interchangeable[0].empty()) return false;
    auto swap = [&](std::string_view first, std::string_view second) {
        const int i = quantityIndex(row, first), j = quantityIndex(row, second);
        if (i < 0 || j < 0) return;
        counterpart[std::size_t(i)] = std::size_t(j);
        counterpart[std::size_t(j)] = std::size_t(i);
    };
    swap(row.interchangeable[0], row.interchangeable[1]);
    for (const auto& [first, second] : row.swappedAlong) swap(first, second);
    return equalWith();
}

std::vector<State> distinct(const Task& task, const std::vector<State>& states) {
    std::vector<State> kept;
    for (const State& state : states)
        if (std::none_of(kept.begin(), kept.end(), [&](const State& k) { return sameSolid(task, k, state); }))
            kept.push_back(state);
    return kept;
}

// n found by trying every n the givens might have: "n = 6". An n fits where
// the givens with it are not contradicted, whether they then fix a solid or
// not; three or more fitting values are as many as every value.
std::vector<int> fittingSides(const Task& task) {
    std::vector<int> fitting;
    const auto values = givenValues(task, false);
    const Domain& domain = task.solid.row->quantities[std::size_t(task.solid.wholeIndex)].domain;
    for (int n = domain.least; n <= domain.triedUpTo; ++n) {
        auto trial = values;
        trial.emplace_back(task.solid.wholeIndex, Value::whole(n));
        const Search search = searched(task, trial, false, false);
        if (!search.solutions().empty() || !search.stuck().empty()) fitting.push_back(n);
        if (fitting.size() > 2) break;
    }
    return fitting;
}

void describeNone(const Task& task, const Search& search, Outcome& outcome) {
    const Contradiction& first = search.contradictions().front();
    const std::string givens = givensText(task, first.from, outcome.concerned);
    outcome.status = Status::None;
    const StepWriter writer(task.solid, task.wording, [&task](GivenSet from) {
        std::vector<std::string> keys;
        return givensText(task, from, keys);
    });
    outcome.message = "Няма " + std::string(task.solid.row->single) + (givens.empty() ? "" : " с " + givens) + ": " +
                      writer.contradiction(first) + ".";
}

// The subject of a condition with the values of its letters: "основа с
// периметър P = 10 и лице B = 100".
std::string subjectText(const Task& task, const State& state, std::string_view subject) {
    std::string text;
    for (std::size_t at = 0; at < subject.size();) {
        std::size_t end = at;
        while (end < subject.size() && std::isalnum(static_cast<unsigned char>(subject[end]))) ++end;
        if (end == at) {
            text += subject[at++];
            continue;
        }
        const std::string_view word = subject.substr(at, end - at);
        text += word;
        const int q = quantityIndex(*task.solid.row, word);
        if (q >= 0 && state.known[std::size_t(q)]) text += " " + task.wording.equals(state.known[std::size_t(q)]->value);
        at = end;
    }
    return text;
}

// Why a solid found fails a condition of its table (a base of perimeter P is a
// polygon only if B < P² : (4π)), or none where it meets them all. The
// conditions are facts of geometry: π in them is π itself.
std::optional<std::string> failedCondition(const Task& task, const State& state) {
    Substitution with;
    with.quantity = [&state](int q) -> const Value* {
        const auto& known = state.known[std::size_t(q)];
        return known ? &known->value : nullptr;
    };
    for (const Condition& condition : task.solid.conditions) {
        if (!std::all_of(condition.members.begin(), condition.members.end(),
                         [&](int q) { return state.known[std::size_t(q)].has_value(); }))
            continue;
        const double smaller = evaluate(condition.smaller, with).number;
        const double larger = evaluate(condition.larger, with).number;
        if (smaller < larger || (condition.orEqual && smaller <= larger * (1 + 1e-12))) continue;
        return "Няма " + std::string(task.solid.row->single) + " с " + subjectText(task, state, condition.row->subject) +
               ": " + std::string(condition.row->reason) + ", тук " +
               roundedText(larger, task.settings.digits, task.settings.separator) + ".";
    }
    return std::nullopt;
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
        std::vector<std::string> regular{std::string(row.quantities[std::size_t(task.solid.wholeIndex)].key)};
        regular.insert(regular.end(), row.base.begin(), row.base.end());
        outcome.message = "Не е дадена нито една величина. Дайте например " + listed(regular) +
                          " (за правилна основа) или " +
                          listed(std::vector<std::string>(row.baseWithoutSides.begin(), row.baseWithoutSides.end())) + ".";
        return;
    }
    const std::vector<std::string> missing = missingMeasures(task, solid);
    if (task.reading.givens.empty() && !missing.empty()) {
        outcome.message = "Не е дадена нито една величина. Дайте " + quantitiesWord(missing.size()) + ", например " +
                          listed(missing) + ".";
        return;
    }
    // Only a relation given (h = 2r): one measure more.
    if (task.reading.givens.empty() && !outcome.suggestions.empty()) {
        outcome.message = "Не е дадена нито една величина, само връзка между тях. Дайте още една величина, например " +
                          listedWith(outcome.suggestions, " или ") + ".";
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

// A task the grade's tools take only part of the way (a pyramid's apothem
// from its height needs Pythagoras): where the givens do fix the solid, it is
// solved as far as the tools go, what they do not reach marked so; but where
// the task asks for a quantity they do not reach, one more given is asked for,
// as a task of that grade would give it.
bool gradeLimited(const Task& task, const Search& search, const Leading& conversions, Outcome& outcome) {
    Settings everyTool = task.settings;
    everyTool.grade = 0;
    const Task unlimited{task.solid, task.reading, everyTool, task.wording, task.regular};
    if (searched(unlimited, givenValues(task, false), false, false).solutions().empty()) return false;
    const Task limited{task.solid, task.reading, task.settings, task.wording, task.regular, true};
    const std::vector<State> reached = distinct(task, search.stuck());
    std::vector<std::string> notReached;
    for (const std::string& key : task.settings.asked) {
        const int q = quantityIndex(*task.solid.row, key);
        if (q >= 0 && std::any_of(reached.begin(), reached.end(),
                                  [q](const State& s) { return !s.known[std::size_t(q)]; }))
            notReached.push_back(key);
    }
    if (!notReached.empty()) {
        // What one more given would lead there, with these tools.
        outcome.status = Status::Underdetermined;
        const std::optional<State> solid = referenceSolid(task);
        const std::vector<int> given = givenQuantities(task);
        if (solid)
            for (std::size_t q = 0; q < solid->known.size(); ++q) {
                if (std::find(given.begin(), given.end(), int(q)) != given.end() || !solid->known[q]) continue;
                std::vector<int> trial = given;
                trial.push_back(int(q));
                if (reachesAsked(task, *solid, trial)) outcome.suggestions.emplace_back(task.solid.row->quantities[q].key);
            }
        outcome.message = "С наученото до " + std::to_string(task.settings.grade) + ". клас от тези данни не се " +
                          (notReached.size() == 1 ? "намира " : "намират ") + listed(notReached) + ". " +
                          (outcome.suggestions.empty() ? "Дайте още величини."
                                                       : "Дайте още една величина, например " +
                                                             listedWith(outcome.suggestions, " или ") + ".");
        return true;
    }
    outcome.status = Status::Solved;
    for (const State& state : reached) {
        Solution solution = solutionOf(limited, state, conversions);
        std::vector<std::string> missing;
        // Not those this base has not (γ „само при n = 4“): no grade finds them.
        for (const QuantityResult& q : solution.quantities) {
            const int index = quantityIndex(*task.solid.row, q.key);
            if (!q.determined && (task.regular || !task.solid.row->quantities[std::size_t(index)].regularOnly) &&
                basesHaving(limited, state, index).empty())
                missing.push_back(q.key);
        }
        if (!missing.empty())
            solution.notes.push_back("С наученото до " + std::to_string(task.settings.grade) + ". клас не се " +
                                     (missing.size() == 1 ? "намира " : "намират ") + listed(missing));
        outcome.solutions.push_back(std::move(solution));
    }
    return true;
}

// A task that asks only what its givens reach, though they do not fix the
// solid („триъгълник със страна 4 cm и височина към нея 3,5 cm“ gives the
// base's area, not its other sides): solved as far as they go, the rest
// marked not determined. Only where they lead to one solid so far.
bool askedReached(const Task& task, const Search& search, const Leading& conversions, Outcome& outcome) {
    if (task.settings.asked.empty() || search.stuck().empty() || !search.contradictions().empty() ||
        search.tooComplex())
        return false;
    const std::vector<State> reached = distinct(task, search.stuck());
    if (reached.size() != 1) return false;
    for (const std::string& key : task.settings.asked) {
        const int q = quantityIndex(*task.solid.row, key);
        if (q < 0 || !reached.front().known[std::size_t(q)]) return false;
    }
    outcome.status = Status::Solved;
    outcome.solutions.push_back(solutionOf(task, reached.front(), conversions));
    return true;
}

// Givens that no solid fits, though the grade's tools do not show it (a
// cube's diagonal beside its edge, before Pythagoras): said as with every tool.
bool contradictedBeyondGrade(const Task& task, Outcome& outcome) {
    Settings everyTool = task.settings;
    everyTool.grade = 0;
    const Task unlimited{task.solid, task.reading, everyTool, task.wording, task.regular};
    const Search search = searched(unlimited, givenValues(unlimited, true), true, everyTool.steps);
    if (!search.solutions().empty() || !search.stuck().empty() || search.contradictions().empty()) return false;
    describeNone(unlimited, search, outcome);
    return true;
}

// A whole number that no relation gives (n of a regular base), tried at each
// value: where one alone fits, the task is solved with it; where none does,
// no solid fits. False where that does not decide the task.
bool wholeTried(const Task& task, const Leading& conversions, Outcome& outcome) {
    const int whole = task.solid.wholeIndex;
    const Domain& domain = task.solid.row->quantities[std::size_t(whole)].domain;
    const std::string letter(task.solid.row->quantities[std::size_t(whole)].key);
    const std::vector<int> fitting = fittingSides(task);
    if (fitting.empty()) {
        std::vector<std::string> keys;
        const std::string givensList = givensText(task, ~GivenSet(0), keys);
        outcome.status = Status::None;
        outcome.concerned = keys;
        outcome.message = "Няма " + std::string(task.solid.row->single) + " с " + givensList + ": " +
                          std::string(domain.noneFitting) + ".";
        return true;
    }
    if (fitting.size() > 1) return false;
    auto values = givenValues(task, true);
    values.emplace_back(whole, Value::whole(fitting.front()));
    Leading steps = conversions;
    Step trial{.kind = Step::Kind::Trial, .target = whole};
    trial.value = Value::whole(fitting.front());
    steps.add(letter + " = " + std::to_string(fitting.front()) + ": " + std::string(domain.onlyFitting),
              std::move(trial));
    const Search withWhole = searched(task, values, true, task.settings.steps);
    for (const State& s : withWhole.solutions()) {
        Solution solution = solutionOf(task, s, steps);
        solution.quantities[std::size_t(whole)].given = false;
        outcome.solutions.push_back(std::move(solution));
    }
    if (!outcome.solutions.empty()) {
        outcome.status = Status::Solved;
        return true;
    }
    // n is found, but the givens do not fix the solid: what more to give, with n known.
    GivenReading reading = task.reading;
    ReadGiven found;
    found.quantity = whole;
    found.key = letter;
    found.value = found.typedValue = Exact(fitting.front());
    reading.givens.push_back(found);
    std::vector<std::string> keys;
    const std::string givensList = givensText(task, ~GivenSet(0), keys);
    describeUnderdetermined(Task{task.solid, reading, task.settings, task.wording, task.regular}, outcome);
    outcome.message = "От " + givensList + " следва " + letter + " = " + std::to_string(fitting.front()) + ". " +
                      outcome.message;
    return true;
}

// The task solved on the solid's table (with the relations it gave): the
// outcome's status, message and solutions.
void solvedWith(const CompiledSolid& solid, const GivenReading& reading, const Settings& settings, Outcome& outcome) {
    const Wording wording(settings, reading.unit, reading.decimals);
    bool regular = outcome.solid->baseWithoutSides.empty();
    for (const ReadGiven& given : reading.givens)
        if (outcome.solid->quantities[std::size_t(given.quantity)].regularOnly) regular = true;
    const Task task{solid, reading, settings, wording, regular};

    const Leading conversions = conversionSteps(task);
    // Givens that break a condition of the table by themselves (r2 ≥ r1 of a
    // frustum) are told so before anything is found from them.
    if (const auto why = failedCondition(task, startingState(task, givenValues(task, true)))) {
        outcome.status = Status::None;
        outcome.message = *why;
        for (const ReadGiven& g : reading.givens) outcome.concerned.push_back(g.key);
        return;
    }
    Search search = searched(task, givenValues(task, true), true, settings.steps);
    if (search.solutions().empty() && search.contradictions().empty() && regular && solid.wholeIndex >= 0 &&
        std::all_of(search.stuck().begin(), search.stuck().end(),
                    [&](const State& s) { return !s.known[std::size_t(solid.wholeIndex)]; })) {
        if (wholeTried(task, conversions, outcome)) return;
    }
    if (!search.solutions().empty()) {
        // The solids that meet the table's conditions (of two roots, the frustum whose larger base is the first).
        std::vector<State> fitting;
        for (const State& state : search.solutions())
            if (!failedCondition(task, state)) fitting.push_back(state);
        if (fitting.empty()) {
            outcome.status = Status::None;
            outcome.message = *failedCondition(task, search.solutions().front());
            for (const ReadGiven& g : reading.givens) outcome.concerned.push_back(g.key);
            return;
        }
        outcome.status = Status::Solved;
        const std::vector<State> kept = distinct(task, fitting);
        // Where swapped measures gave one solid twice, the steps count the solids shown.
        const std::size_t shown = kept.size() < fitting.size() ? kept.size() : 0;
        for (const State& state : kept) outcome.solutions.push_back(solutionOf(task, state, conversions, shown));
        return;
    }
    if (search.stuck().empty() && !search.contradictions().empty()) {
        describeNone(task, search, outcome);
        return;
    }
    if (task.settings.grade > 0 &&
        (gradeLimited(task, search, conversions, outcome) || contradictedBeyondGrade(task, outcome)))
        return;
    if (search.tooComplex()) {
        outcome.message = std::string(tooComplex);
        return;
    }
    if (askedReached(task, search, conversions, outcome)) return;
    describeUnderdetermined(task, outcome);
}

Outcome solved(std::string_view solidKey, const std::vector<Given>& givens, const Settings& settings) {
    Outcome outcome;
    outcome.solid = solidByKey(solidKey);
    if (!outcome.solid) {
        std::vector<std::string> known;
        for (const SolidRow& s : allSolids()) known.push_back(std::string(s.key) + " (" + std::string(s.name) + ")");
        outcome.message = "Няма тяло „" + std::string(solidKey) + "“. Телата са: " + listed(known) + ".";
        return outcome;
    }
    // A quantity of use named (the mass, the liquid, a cost): the solid with them.
    std::vector<std::string> named = settings.asked;
    named.insert(named.end(), settings.named.begin(), settings.named.end());
    for (const Given& given : givens) named.push_back(given.key);
    outcome.solid = &withUses(*outcome.solid, named);
    const GivenReading reading = readGivens(*outcome.solid, givens, settings.unit);
    outcome.unit = reading.unit;
    if (!reading.problems.empty()) {
        outcome.message = listedWith(reading.problems, " ");
        outcome.concerned = reading.concerned;
        return outcome;
    }
    // A quantity asked that the solid has not (the lateral edges of a pyramid whose edges differ).
    std::vector<std::string> strange;
    for (const std::string& key : settings.asked)
        if (quantityIndex(*outcome.solid, key) < 0) strange.push_back(key);
    if (!strange.empty()) {
        outcome.message = noQuantities(*outcome.solid, strange);
        outcome.concerned = strange;
        return outcome;
    }
    // Relations the task gave (h = 2a : 3) join the table's in a copy of its own.
    std::shared_ptr<const TaskModel> model;
    if (!reading.relations.empty()) {
        std::vector<TaskRelation> relations;
        for (std::size_t i = 0; i < reading.relations.size(); ++i)
            for (const std::string& equation : reading.relations[i].equations)
                relations.push_back({equation, GivenSet(1) << (reading.givens.size() + i)});
        if (reading.givens.size() + reading.relations.size() > maxGivens) {
            outcome.message = std::string(tooComplex);
            return outcome;
        }
        try {
            model = withRelations(*outcome.solid, relations);
        } catch (const ReadError&) {
            outcome.message = std::string(tooComplex);
            return outcome;
        }
    }
    const CompiledSolid* read = model ? &model->compiled : nullptr;
    try {
        if (!read) read = &compiled(*outcome.solid);
    } catch (const ReadError&) {
        // A solid with many quantities of use at once (a prism on a triangle with all of them).
        outcome.message = std::string(tooComplex);
        return outcome;
    }
    const CompiledSolid& solid = *read;
    solvedWith(solid, reading, settings, outcome);
    if (model)
        for (Solution& solution : outcome.solutions) solution.model = std::shared_ptr<const CompiledSolid>(model, &model->compiled);
    return outcome;
}

}  // namespace
}  // namespace solver
