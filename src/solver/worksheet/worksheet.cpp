// SPDX-License-Identifier: MIT
#include "worksheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>

#include "alike_tasks.h"
#include "answer_help.h"
#include "nice_numbers.h"
#include "random.h"
#include "solid_tasks.h"
#include "task_text.h"

namespace solver::worksheet {
namespace {

constexpr int attemptsPerLayout = 60;
constexpr int layoutsPerTask = 40;

// What a task is about, before its numbers: the same in both variants.
struct Layout {
    const SolidRow* solid = nullptr;
    int sides = 0;
    bool inverse = false;
    const TaskPattern* pattern = nullptr;
    std::vector<std::string> asked;
};

template <typename T>
void shuffleInPlace(std::vector<T>& items, Random& random) {
    for (std::size_t i = items.size(); i > 1; --i) {
        const std::size_t j = random.below(i);
        const T item = items[i - 1];
        items[i - 1] = items[j];
        items[j] = item;
    }
}

// The solids chosen that a sheet of its grade sets tasks on, or with none
// such, the eight solids (from grade 10 on, the frustums too).
std::vector<const SolidRow*> chosenSolids(const SheetSettings& settings) {
    std::vector<const SolidRow*> solids;
    for (const SolidRow* solid : sheetSolids())
        if (std::find(settings.solids.begin(), settings.solids.end(), solid->key) != settings.solids.end() &&
            setAtGrade(*solid, settings.grade))
            solids.push_back(solid);
    return solids.empty() ? defaultSolids(settings.grade) : solids;
}

template <std::size_t N>
std::vector<std::string_view> present(const std::array<std::string_view, N>& keys) {
    std::vector<std::string_view> items;
    for (std::string_view key : keys)
        if (!key.empty()) items.push_back(key);
    return items;
}

bool contains(const std::vector<std::string_view>& keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Every letter a pattern names: its givens, those it always asks and those it may.
std::vector<std::string> patternKeys(const TaskPattern& pattern) {
    std::vector<std::string> keys;
    for (std::string_view key : pattern.givens) if (!key.empty()) keys.emplace_back(key);
    for (std::string_view key : pattern.sought) if (!key.empty()) keys.emplace_back(key);
    for (std::string_view key : pattern.more) if (!key.empty()) keys.emplace_back(key);
    return keys;
}

// A solid's n and pattern, among those its numbers and its grade can give.
std::optional<Layout> drawLayout(Random& random, const SolidRow* solid, bool inverse, Numbers numbers, int grade) {
    const WorksheetRow* tasks = solidTasks(*solid);
    if (!tasks) return std::nullopt;
    std::vector<std::pair<int, const TaskPattern*>> fitting;
    for (const TaskPattern& pattern : inverse ? tasks->inverse : tasks->direct) {
        if (pattern.fromGrade > 0 && grade < pattern.fromGrade) continue;
        if (tasks->sides.empty()) fitting.emplace_back(0, &pattern);
        for (int sides : tasks->sides)
            if (patternFits(*solid, sides, pattern, numbers)) fitting.emplace_back(sides, &pattern);
    }
    if (fitting.empty()) return std::nullopt;
    Layout layout{solid, 0, inverse, nullptr, {}};
    std::tie(layout.sides, layout.pattern) = fitting[random.below(fitting.size())];
    std::vector<std::string_view> asked = present(layout.pattern->sought);
    std::vector<std::string_view> more = present(layout.pattern->more);
    static constexpr int directCounts[] = {1, 2, 2, 3};
    const int wanted = inverse ? (random.oneIn(3) ? 0 : 1) : directCounts[random.below(std::size(directCounts))];
    shuffleInPlace(more, random);
    for (std::size_t i = 0; i < more.size() && int(i) < wanted; ++i) asked.push_back(more[i]);
    // A pattern that names a quantity of use (the sphere about the solid) is set on the solid with it.
    layout.solid = &withUses(*solid, patternKeys(*layout.pattern));
    for (const QuantityRow& row : layout.solid->quantities)
        if (contains(asked, row.key)) layout.asked.emplace_back(row.key);
    return layout;
}

bool sameNumbers(const Task& a, const Task& b) {
    if (a.givens.size() != b.givens.size()) return false;
    for (std::size_t i = 0; i < a.givens.size(); ++i)
        if (a.givens[i].key != b.givens[i].key || a.givens[i].text != b.givens[i].text) return false;
    return true;
}

// With a grade, the task as that grade's students solve it: its steps with
// the grade's tools, and where those do not reach what it asks, no solution.
Settings solverSettings(const SheetSettings& settings, const std::vector<std::string>& asked) {
    Settings s;
    s.pi = settings.pi;
    s.unit = settings.unit;
    s.digits = 2;
    s.grade = settings.grade;
    s.asked = asked;
    return s;
}

// The nice solids solved so far while a sheet is made, by solid and measures:
// both variants draw from small ranges, and draw the same solid again and
// again.
using SolvedSolids = std::map<std::string, std::optional<Solution>>;

// The solid with nice measures, solved exactly: every quantity a task may give or ask.
std::optional<Solution> niceSolid(const Layout& layout, Numbers numbers, Random& random, SolvedSolids& solved) {
    std::vector<Given> base;
    if (layout.sides > 0) base.push_back({"n", std::to_string(layout.sides)});
    for (const auto& [key, value] : niceMeasures(*layout.solid, layout.sides, numbers, random, layout.pattern))
        base.push_back({std::string(key), value.input()});
    Settings exact;
    exact.steps = false;
    // The quantities of use the pattern names, found besides the solid's own.
    const SolidRow& own = *solidByKey(layout.solid->key);
    for (const std::string& key : patternKeys(*layout.pattern))
        if (quantityIndex(own, key) < 0) exact.asked.push_back(key);
    std::string name(layout.solid->key);
    for (const Given& given : base) name += " " + given.key + "=" + given.text;
    for (const std::string& key : exact.asked) name += " " + key + "=?";
    if (const auto known = solved.find(name); known != solved.end()) return known->second;
    Outcome outcome = solve(layout.solid->key, base, exact);
    std::optional<Solution> solid;
    if (outcome.status == Status::Solved && outcome.solutions.size() == 1) solid = std::move(outcome.solutions.front());
    return solved.emplace(std::move(name), std::move(solid)).first->second;
}

// The givens the layout names, written as the sheet writes them.
bool writeGivens(const Layout& layout, const Solution& solid, const SheetSettings& settings, Task& task,
                 std::vector<GivenText>& words) {
    const std::vector<std::string_view> named = present(layout.pattern->givens);
    for (const QuantityRow& row : layout.solid->quantities) {
        const bool sides = row.key == "n" && layout.sides > 0;
        if (!sides && !contains(named, row.key)) continue;
        const QuantityResult* value = solid.find(row.key);
        if (!value || !value->exact) return false;
        const std::optional<GivenNumber> number = givenNumber(*value->exact, *layout.solid, row, settings);
        if (!number) return false;
        task.givens.push_back({std::string(row.key), number->input});
        words.push_back({row.key, number->text});
    }
    // „Ромб … се завърта“: its equal sides, given to the solver, said by the words alone.
    if (const std::string_view relation = layout.pattern->relation; !relation.empty()) {
        const std::size_t equals = relation.find('=');
        task.givens.push_back({std::string(relation.substr(0, equals)), std::string(relation.substr(equals + 1))});
    }
    return true;
}

bool sameAnswer(const Answer& expected, const QuantityResult& found, PiSetting pi) {
    if (!found.determined) return false;
    if (pi == PiSetting::Exact && expected.exact) return found.exact && *found.exact == *expected.exact;
    return std::fabs(found.value - expected.value) <=
           1e-9 * std::max(1.0, std::fabs(expected.value));
}

// Whether a task's answers are written: or not with these numbers, or not
// at all where the sheet's grade's tools do not reach what it asks.
enum class Written { Yes, No, BeyondGrade };

// The key from the nice solid, checked against the solver's one solution of
// the task: every asked quantity found, with the sheet's grade's tools where
// it has one, or the task is not kept.
Written writeAnswers(const Layout& layout, const Solution& solid, const SheetSettings& settings, Task& task) {
    const Outcome check = solve(layout.solid->key, task.givens, solverSettings(settings, layout.asked));
    if (settings.grade > 0 && check.status == Status::Underdetermined) return Written::BeyondGrade;
    if (check.status != Status::Solved || check.solutions.size() != 1) return Written::No;
    const Solution& solution = check.solutions.front();
    for (const std::string& key : layout.asked) {
        const QuantityResult* nice = solid.find(key);
        const QuantityResult* found = solution.find(key);
        if (!nice || !found) return Written::No;
        Answer answer;
        answer.key = key;
        answer.exact = nice->exact;
        answer.value = nice->exact ? nice->exact->value(piValue(settings.pi)) : static_cast<double>(found->value);
        if (!niceAnswer(answer.exact, answer.value, settings.numbers) || !sameAnswer(answer, *found, settings.pi))
            return Written::No;
        answer.text = answerText(*found, answer.exact, settings.numbers);
        AnswerHelp help = answerHelp(*layout.solid, solution, key);
        answer.hint = std::move(help.hint);
        answer.steps = std::move(help.steps);
        task.answers.push_back(std::move(answer));
    }
    task.steps = stepsFor(*layout.solid, solution, layout.asked);
    return Written::Yes;
}

// The shape of a task's numbers as drawn from its nice solid.
std::string shapeOfDrawn(const Task& task, const Solution& solid, const SheetSettings& settings) {
    std::vector<AskedValue> asked;
    for (const std::string& key : task.asked) {
        const QuantityResult* nice = solid.find(key);
        if (!nice) return {};
        asked.push_back({key, nice->exact, nice->exact ? nice->exact->value(piValue(settings.pi)) : nice->value});
    }
    return shapeOf(task.givens, asked, settings.numbers);
}

// A task drawn for a layout, its answers not yet written.
struct Drawn {
    Task task;
    Solution solid;
    std::vector<GivenText> words;
    std::string shape;  // alike_tasks.h
};

// The layout with numbers from `random`, unlike the sheet's earlier tasks;
// none where this draw does not give one.
std::optional<Drawn> draw(const Layout& layout, const SheetSettings& settings, Random& random,
                          const std::vector<Task>& earlier, bool repeatsAllowed, SolvedSolids& solved) {
    std::optional<Solution> solid = niceSolid(layout, settings.numbers, random, solved);
    if (!solid) return std::nullopt;
    Drawn drawn{{}, std::move(*solid), {}, {}};
    Task& task = drawn.task;
    task.solid = layout.solid;
    task.sides = layout.sides;
    task.inverse = layout.inverse;
    task.asked = layout.asked;
    if (!writeGivens(layout, drawn.solid, settings, task, drawn.words)) return std::nullopt;
    if (!repeatsAllowed && std::any_of(earlier.begin(), earlier.end(), [&](const Task& t) {
            return t.solid == task.solid && sameNumbers(t, task);
        }))
        return std::nullopt;
    drawn.shape = shapeOfDrawn(task, drawn.solid, settings);
    return drawn;
}

// Its answers and text written; not where the solver does not find them as the nice solid has them.
// Written once: a draw tried with several of the other variant's keeps its answers.
Written complete(const Layout& layout, const SheetSettings& settings, Drawn& drawn) {
    if (!drawn.task.text.empty()) return Written::Yes;
    drawn.task.answers.clear();
    const Written written = writeAnswers(layout, drawn.solid, settings, drawn.task);
    if (written != Written::Yes) return written;
    const TaskWords words{layout.solid, layout.sides, drawn.words, layout.asked, settings.pi, settings.unit};
    drawn.task.text = taskText(words);
    drawn.task.turned = turnedFigure(words);
    return Written::Yes;
}

// Both variants' tasks for the layout: each from its own numbers, unlike each
// other and alike in shape (alike_tasks.h): their numbers as many digits long,
// or where the draws find no such pair, a digit longer or shorter. The draws
// of both variants are searched together for a pair of one shape, which finds
// one far sooner than draws for variant A's one task. `beyondGrade` is set
// where the sheet's grade's tools do not reach what the layout asks: then no
// other numbers are tried.
std::optional<std::pair<Task, Task>> fillBoth(const Layout& layout, const SheetSettings& settings, Random& randomA,
                                              Random& randomB, const std::vector<Task>& earlierA,
                                              const std::vector<Task>& earlierB, bool repeatsAllowed,
                                              SolvedSolids& solved, bool& beyondGrade) {
    std::vector<Drawn> drawnA, drawnB;
    const auto paired = [&](Drawn& a, Drawn& b) -> std::optional<std::pair<Task, Task>> {
        if (sameNumbers(a.task, b.task)) return std::nullopt;
        for (Drawn* drawn : {&a, &b}) {
            const Written written = complete(layout, settings, *drawn);
            beyondGrade = beyondGrade || written == Written::BeyondGrade;
            if (written != Written::Yes) return std::nullopt;
        }
        return std::pair{std::move(a.task), std::move(b.task)};
    };
    // A pair of candidates at this distance, the first drawn first.
    const auto pairAt = [&](int wanted, Drawn& last, bool lastIsA) -> std::optional<std::pair<Task, Task>> {
        for (Drawn& other : lastIsA ? drawnB : drawnA) {
            if (shapeDistance(last.shape, other.shape) != wanted) continue;
            if (auto pair = lastIsA ? paired(last, other) : paired(other, last)) return pair;
        }
        return std::nullopt;
    };
    for (int attempt = 0; attempt < attemptsPerLayout; ++attempt) {
        for (const bool variantA : {true, false}) {
            std::optional<Drawn> next = draw(layout, settings, variantA ? randomA : randomB,
                                             variantA ? earlierA : earlierB, repeatsAllowed, solved);
            if (!next || next->shape.empty()) continue;
            if (auto pair = pairAt(0, *next, variantA)) return pair;
            if (beyondGrade) return std::nullopt;
            (variantA ? drawnA : drawnB).push_back(std::move(*next));
        }
    }
    for (Drawn& a : drawnA)
        if (auto pair = pairAt(1, a, true)) return pair;
        else if (beyondGrade) break;
    return std::nullopt;
}

// Which tasks are inverse: all, none, or half of them (one more by chance
// where the count is odd) in random places.
std::vector<char> inverseTasks(TaskKind kind, int count, Random& random) {
    std::vector<char> inverse(std::size_t(count), kind == TaskKind::Inverse);
    if (kind != TaskKind::Mixed) return inverse;
    const int inverseCount = count / 2 + (count % 2 == 1 && random.oneIn(2) ? 1 : 0);
    for (int i = 0; i < inverseCount; ++i) inverse[std::size_t(i)] = true;
    shuffleInPlace(inverse, random);
    return inverse;
}

// A layout as one key: its solid, n, pattern and what it asks.
std::string layoutKey(const Layout& layout) {
    std::string key = std::string(layout.solid->key) + " " + std::to_string(layout.sides) + " " +
                      std::to_string(reinterpret_cast<std::uintptr_t>(layout.pattern));
    for (const std::string& asked : layout.asked) key += " " + asked;
    return key;
}

SheetSettings withinRange(SheetSettings settings) {
    settings.count = std::clamp(settings.count, 1, largestCount);
    settings.number = std::clamp<std::uint64_t>(settings.number, 1, largestNumber);
    if (settings.pi == PiSetting::Calculator) settings.pi = PiSetting::Exact;
    if (settings.grade < 6 || settings.grade > 12) settings.grade = 0;
    return settings;
}

}  // namespace

const Answer* Task::answer(std::string_view key) const {
    for (const Answer& a : answers)
        if (a.key == key) return &a;
    return nullptr;
}

std::array<Sheet, 2> makeVariants(const SheetSettings& requested) {
    std::array<Sheet, 2> sheets;
    for (Variant variant : {Variant::A, Variant::B}) {
        Sheet& sheet = sheets[variant == Variant::A ? 0 : 1];
        sheet.settings = withinRange(requested);
        sheet.settings.variant = variant;
        sheet.title =
            "Лист № " + std::to_string(sheet.settings.number) + ", вариант " + std::string(variantLetter(variant));
    }
    const SheetSettings& settings = sheets[0].settings;
    Random layouts(3 * settings.number), numbersA(3 * settings.number + 1), numbersB(3 * settings.number + 2);
    const std::vector<const SolidRow*> solids = chosenSolids(settings);
    const std::vector<char> inverse = inverseTasks(settings.kind, settings.count, layouts);
    std::vector<const SolidRow*> order;
    std::vector<Task>&variantA = sheets[0].tasks, &variantB = sheets[1].tasks;
    SolvedSolids solved;
    std::set<std::string> beyondGrade;  // layouts whose asked quantities the grade's tools do not reach
    for (int i = 0; i < settings.count; ++i) {
        if (order.empty()) {
            order = solids;
            shuffleInPlace(order, layouts);
        }
        const SolidRow* solid = order.back();
        order.pop_back();
        for (int tries = 0; tries < layoutsPerTask; ++tries) {
            // Late tries may take another solid, and at last a task the sheet already has.
            if (tries >= layoutsPerTask / 2) solid = solids[layouts.below(solids.size())];
            const bool repeatsAllowed = tries >= 3 * layoutsPerTask / 4;
            const std::optional<Layout> layout = drawLayout(layouts, solid, inverse[std::size_t(i)], settings.numbers, settings.grade);
            if (!layout || beyondGrade.contains(layoutKey(*layout))) continue;
            bool beyond = false;
            std::optional<std::pair<Task, Task>> tasks =
                fillBoth(*layout, settings, numbersA, numbersB, variantA, variantB, repeatsAllowed, solved, beyond);
            if (beyond) beyondGrade.insert(layoutKey(*layout));
            if (!tasks) continue;
            variantA.push_back(std::move(tasks->first));
            variantB.push_back(std::move(tasks->second));
            break;
        }
    }
    return sheets;
}

Sheet makeSheet(const SheetSettings& settings) {
    std::array<Sheet, 2> sheets = makeVariants(settings);
    return std::move(sheets[settings.variant == Variant::A ? 0 : 1]);
}

AnswerFeedback checkTaskAnswer(const Sheet& sheet, const Task& task, std::string_view key, std::string_view typed,
                               int wrongBefore) {
    const Answer* answer = task.answer(key);
    if (!answer) return {Verdict::Unreadable, "Задачата не пита за „" + std::string(key) + "“.", "", "", {}};
    const Dimension dimension = task.solid->quantities[std::size_t(quantityIndex(*task.solid, key))].dimension;
    const Truth truth{answer->exact, answer->value, sheet.settings.pi};
    const AnswerCheck check = checkAnswer(truth, typed, AnswerUnit{sheet.settings.unit, dimension});
    return answerFeedback(check, answer->hint, answer->steps, wrongBefore);
}

}  // namespace solver::worksheet
