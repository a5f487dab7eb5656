// SPDX-License-Identifier: MIT
// Worksheets: every task of many sheets solved again by solve() from its givens
// as the sheet writes them, with one solution equal to the key; the wording of
// each solid; the answer checker's table; the hints; one sheet number giving
// the same sheet natively and in WebAssembly.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <sstream>

#include "alike_tasks.h"
#include "answer_cases.h"
#include "answer_help.h"
#include "parsed_task.h"
#include "reader/reader.h"
#include "school_tasks.h"
#include "solid_tasks.h"
#include "task_text.h"
#include "worksheet.h"

namespace solver::testing {
namespace {

using namespace solver::worksheet;

// "cone r=3 h=4 ? S1 V"
std::string compact(const Task& task) {
    std::string text(task.solid->key);
    for (const Given& given : task.givens) text += " " + given.key + "=" + given.text;
    text += " ?";
    for (const std::string& key : task.asked) text += " " + key;
    return text;
}

std::string commas(std::string text) {
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

bool near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); }

// The faults of many tasks, each named by its task and sheet, the first few in full.
struct Faults {
    std::vector<std::string> found;
    void add(const Sheet& sheet, const Task& task, const std::string& what) {
        found.push_back(sheetQuery(sheet.settings) + ": " + compact(task) + ": " + what);
    }
    std::string report() const {
        std::string text = std::to_string(found.size()) + " faults";
        for (std::size_t i = 0; i < found.size() && i < 25; ++i) text += "\n  " + found[i];
        return text;
    }
};

void checkSolvedAsKeyed(const Sheet& sheet, const Task& task, Faults& faults) {
    Settings settings;
    settings.pi = sheet.settings.pi;
    settings.asked = task.asked;  // as a student solves it: what it asks, of the sphere about the solid too
    const Outcome outcome = solve(task.solid->key, task.givens, settings);
    if (outcome.status != Status::Solved || outcome.solutions.size() != 1)
        return faults.add(sheet, task,
                          std::string(statusKey(outcome.status)) + ", " + std::to_string(outcome.solutions.size()) +
                              " solutions " + outcome.message);
    const bool exactSheet = sheet.settings.pi == PiSetting::Exact;
    for (const Answer& answer : task.answers) {
        const QuantityResult* q = outcome.solutions.front().find(answer.key);
        if (!q || !q->determined) return faults.add(sheet, task, answer.key + " not determined");
        if (exactSheet && answer.exact && !(q->exact && *q->exact == *answer.exact))
            faults.add(
                sheet, task,
                answer.key + " = " + (q->exact ? q->exact->ascii() : "?") + ", the key " + answer.exact->ascii());
        if (!near(q->value, answer.value))
            faults.add(sheet, task, answer.key + " ≈ " + std::to_string(q->value) + ", the key " + answer.text);
        if (sheet.settings.numbers == Numbers::Whole && !answer.exact)
            faults.add(sheet, task, answer.key + " has no exact form");
    }
}

// A body's words for the task's givens (its row's WordedGivens), or none.
// A row for two equal givens (a square's sides) is for them alone.
const WordedGivens* bodyWords(const Task& task) {
    const auto valueOf = [&](std::string_view key) {
        for (const Given& given : task.givens)
            if (given.key == key) return given.text;
        return std::string();
    };
    for (const WordedGivens& row : task.solid->registration->worksheet.worded) {
        const bool equal = row.equal[0].empty() ||
                           (!valueOf(row.equal[0]).empty() && valueOf(row.equal[0]) == valueOf(row.equal[1]));
        if (equal && std::all_of(task.givens.begin(), task.givens.end(), [&](const Given& given) {
                return quantityIndex(*task.solid, given.text) >= 0 ||  // a relation the words imply
                       std::find(row.givens.begin(), row.givens.end(), given.key) != row.givens.end();
            }))
            return &row;
    }
    return nullptr;
}

// A whole length, or for a sphere about the solid or a ball in it, a whole times √2 or √3 (7√3).
bool wholeOrRooted(const Exact& value, bool rooted) {
    if (!value.isMonomial()) return false;
    const Term& term = value.terms().front();
    const bool root = term.m == 1 || (rooted && (term.m == 2 || term.m == 3));
    return term.k == 0 && root && boost::multiprecision::denominator(term.q) == 1;
}

void checkNumbers(const Sheet& sheet, const Task& task, Faults& faults) {
    const WordedGivens* words = bodyWords(task);
    for (const Given& given : task.givens) {
        if (quantityIndex(*task.solid, given.text) >= 0) continue;  // a relation the words imply: a rhombus's l2=l1
        const ReadNumber read = readNumber(given.text);
        const QuantityRow& row = task.solid->quantities[std::size_t(quantityIndex(*task.solid, given.key))];
        const Dimension dimension = row.dimension;
        if (!read.read) {
            faults.add(sheet, task, given.key + " unreadable");
        } else if (sheet.settings.numbers == Numbers::Whole && dimension == Dimension::Length &&
                   task.solid->key != "polygon") {
            if (!wholeOrRooted(read.value, row.ofUse)) faults.add(sheet, task, given.key + " is no whole number");
        } else if (read.decimals > (dimension == Dimension::Length ? 2 : 3)) {
            faults.add(sheet, task, given.key + " has " + std::to_string(read.decimals) + " decimals");
        }
        // What the words imply is not written: the right angle of a triangle turned about its hypotenuse.
        const bool implied = words && words->text.find("{" + given.key + "}") == std::string_view::npos;
        if (task.text.find(commas(given.text)) == std::string::npos && given.key != "n" && !implied)
            faults.add(sheet, task, "the text does not give " + given.key);
    }
    const bool piNote = task.text.find("при π ≈ 3,14") != std::string::npos;
    // A solid on a base of its own shape: „Права призма с височина 10 cm има основа …“.
    // A body as its row words it: „Тяло е съставено от …“, „Кух цилиндър има …“.
    const std::string_view opening = words ? words->text.substr(0, words->text.find('{'))
                                           : task.solid->registration->worksheet.onBase.opening;
    if (!task.text.starts_with(opening.empty() ? "Дад" : opening) || !task.text.ends_with(".") ||
        piNote != (sheet.settings.pi == PiSetting::School && usesPi(*task.solid)))
        faults.add(sheet, task, "worded " + task.text);
}

// The checker takes the key's own exact form and its decimals, and not a value 1 % off.
void checkKeyMarked(const Sheet& sheet, const Task& task, Faults& faults) {
    for (const Answer& answer : task.answers) {
        const std::string decimal = roundedAnswer({answer.exact, answer.value, sheet.settings.pi}, 2);
        const std::string offByOnePercent = roundedAnswer({std::nullopt, answer.value * 1.01, sheet.settings.pi}, 4);
        if (answer.exact &&
            checkTaskAnswer(sheet, task, answer.key, answer.exact->input(), 0).verdict != Verdict::Right)
            faults.add(sheet, task, answer.key + " = " + answer.exact->input() + " marked wrong");
        if (checkTaskAnswer(sheet, task, answer.key, decimal, 0).verdict != Verdict::Right)
            faults.add(sheet, task, answer.key + " = " + decimal + " marked wrong");
        if (checkTaskAnswer(sheet, task, answer.key, offByOnePercent, 0).verdict != Verdict::Wrong)
            faults.add(sheet, task, answer.key + " = " + offByOnePercent + " marked right");
    }
}

// The key writes each answer as the last step to it ends: no "314,00" where
// the step says 314, no litres the task did not ask for.
void checkKeyAsSteps(const Sheet& sheet, const Task& task, Faults& faults) {
    for (const Answer& answer : task.answers) {
        const bool endsAStep = std::any_of(answer.steps.begin(), answer.steps.end(),
                                           [&](const std::string& step) { return step.ends_with(answer.text); });
        if (!endsAStep) faults.add(sheet, task, answer.key + " written " + answer.text + ", which ends no step");
        // The last number before the unit: "75,4" in "24π ≈ 75,4 cm²".
        const std::string value = answer.text.substr(0, answer.text.rfind(' '));
        const std::string number = value.substr(value.rfind(' ') == std::string::npos ? 0 : value.rfind(' ') + 1);
        if (number.ends_with("0") && number.find(',') != std::string::npos)
            faults.add(sheet, task, answer.key + " written with a trailing zero: " + answer.text);
    }
}

// Variant B: the same solids and kinds of task, asking the same, with other numbers.
void checkParallel(const Sheet& a, const Sheet& b, Faults& faults, int& nearlyAlike) {
    for (std::size_t i = 0; i < a.tasks.size() && i < b.tasks.size(); ++i) {
        const Task &x = a.tasks[i], &y = b.tasks[i];
        if (x.solid != y.solid || x.sides != y.sides || x.inverse != y.inverse || x.asked != y.asked)
            faults.add(b, y, "not like variant A's " + compact(x));
        if (compact(x) == compact(y)) faults.add(b, y, "the same as variant A's");
        const std::string shapeA = taskShape(x, a.settings.numbers), shapeB = taskShape(y, b.settings.numbers);
        const int distance = shapeDistance(shapeA, shapeB);
        if (distance < 0 || distance > 1)
            faults.add(b, y, "shaped " + shapeB + ", variant A's " + compact(x) + " " + shapeA);
        nearlyAlike += distance == 1;
    }
}

#ifdef __EMSCRIPTEN__
constexpr int sheetNumbers = 2;  // the same tasks as natively, fewer of them
#else
constexpr int sheetNumbers = 8;
#endif

TEST(Worksheet, EveryTaskHasOneSolutionEqualToItsKey) {
    Faults faults;
    int tasks = 0, nearlyAlike = 0;
    for (int number = 1; number <= sheetNumbers; ++number)
        for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse, TaskKind::Mixed})
            for (Numbers numbers : {Numbers::Whole, Numbers::Decimal})
                for (PiSetting pi : {PiSetting::Exact, PiSetting::School}) {
                    SheetSettings settings;
                    settings.number = std::uint64_t(number) * 7919;
                    settings.count = largestCount;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.pi = pi;
                    const auto [a, b] = makeVariants(settings);
                    ASSERT_EQ(a.tasks.size(), std::size_t(largestCount)) << sheetQuery(a.settings);
                    ASSERT_EQ(b.tasks.size(), std::size_t(largestCount)) << sheetQuery(b.settings);
                    checkParallel(a, b, faults, nearlyAlike);
                    for (const Sheet* sheet : {&a, &b})
                        for (const Task& task : sheet->tasks) {
                            checkSolvedAsKeyed(*sheet, task, faults);
                            checkNumbers(*sheet, task, faults);
                            checkKeyMarked(*sheet, task, faults);
                            checkKeyAsSteps(*sheet, task, faults);
                            ++tasks;
                        }
                }
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    EXPECT_GE(tasks, sheetNumbers * 720);
    // Variant B's numbers as many digits long as variant A's in all but a few
    // tasks, where the solid has no other task of that shape.
    EXPECT_LE(nearlyAlike, tasks / 2 / 20) << nearlyAlike << " of " << tasks / 2;
}

// A sheet of one solid alone, of either kind, still has as many tasks as asked, all different.
TEST(Worksheet, OneSolidFillsASheet) {
    for (const SolidRow& solid : allSolids())
        for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse}) {
            SheetSettings settings;
            settings.solids = {std::string(solid.key)};
            settings.kind = kind;
            settings.count = 12;
            const Sheet sheet = makeSheet(settings);
            ASSERT_EQ(sheet.tasks.size(), 12u) << sheetQuery(settings);
            for (std::size_t i = 0; i < sheet.tasks.size(); ++i) {
                EXPECT_EQ(sheet.tasks[i].solid, &solid);
                EXPECT_EQ(sheet.tasks[i].inverse, kind == TaskKind::Inverse);
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_NE(compact(sheet.tasks[i]), compact(sheet.tasks[j])) << sheetQuery(settings);
            }
        }
}

// The reader reads the task's words back to its solid, its givens and what it
// asks, and the solver finds the key's answers from what it read.
void checkReadBack(const Sheet& sheet, const Task& task, Faults& faults) {
    const reader::ReadTask read = reader::readTask(task.text);
    if (read.solid != task.solid->key) return faults.add(sheet, task, "read as „" + read.solid + "“: " + read.message);
    for (const reader::Piece& piece : read.unread) faults.add(sheet, task, "„" + piece.words + "“ not read");
    // In any order: the text says the base's measures after the solid's own.
    std::vector<Given> givens;
    std::set<std::string> readGivens, keyGivens, readAsked(task.asked.begin(), task.asked.end()), keyAsked;
    for (const reader::ReadGiven& given : read.givens) {
        givens.push_back({given.key, given.value});
        std::string value = given.value.substr(0, given.value.find(' '));
        if (value.ends_with("°")) value.resize(value.size() - std::string_view("°").size());
        readGivens.insert(given.key + "=" + value);
    }
    for (const Given& given : task.givens) keyGivens.insert(given.key + "=" + commas(given.text));
    for (const reader::ReadAsked& asked : read.asked) keyAsked.insert(asked.key);
    if (readGivens != keyGivens || read.givens.size() != task.givens.size())
        faults.add(sheet, task, "givens read otherwise: " + task.text);
    if (readAsked != keyAsked || read.asked.size() != task.asked.size())
        faults.add(sheet, task, "asked read otherwise: " + task.text);
    if (read.turned != task.turned) faults.add(sheet, task, "the figure turned read otherwise: " + task.text);
    Settings settings;
    settings.pi = sheet.settings.pi;
    const Outcome outcome = solve(read.solid, givens, settings);
    if (outcome.status != Status::Solved || outcome.solutions.size() != 1)
        return faults.add(sheet, task, "not solved as read: " + outcome.message);
    for (const Answer& answer : task.answers) {
        const QuantityResult* found = outcome.solutions.front().find(answer.key);
        if (!found || !near(found->value, answer.value)) faults.add(sheet, task, answer.key + " otherwise as read");
    }
}

// The right prisms and pyramids on bases of other shapes: chosen by their
// keys, each gives sheets of either kind and either numbers full of tasks
// with nice numbers, its variants alike and other, its key exact, and every
// task worded so that the reader reads it back to the same givens and answers.
#ifdef __EMSCRIPTEN__
constexpr std::uint64_t sheetsOnBases[] = {3};  // the same tasks as natively, fewer of them
#else
constexpr std::uint64_t sheetsOnBases[] = {3, 11, 424};
#endif

TEST(Worksheet, SolidsOnBasesGiveSheetsTheReaderReadsBack) {
    Faults faults;
    int solids = 0;
    std::set<std::string> texts;
    std::size_t tasks = 0;
    for (const SolidRow* solid : sheetSolids()) {
        if (solid->family.empty()) continue;  // on a base of its own shape only
        ++solids;
        for (std::uint64_t number : sheetsOnBases)
            for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse})
                for (Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                    SheetSettings settings;
                    settings.solids = {std::string(solid->key)};
                    settings.number = number;
                    settings.count = 6;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.unit = number == 11 ? Unit::Millimetre : number == 424 ? Unit::Metre : Unit::Centimetre;
                    const auto [a, b] = makeVariants(settings);
                    ASSERT_EQ(a.tasks.size(), 6u) << sheetQuery(a.settings);
                    ASSERT_EQ(b.tasks.size(), 6u) << sheetQuery(b.settings);
                    int nearlyAlike = 0;
                    checkParallel(a, b, faults, nearlyAlike);
                    for (const Sheet* sheet : {&a, &b})
                        for (const Task& task : sheet->tasks) {
                            EXPECT_EQ(task.solid, solid);
                            checkSolvedAsKeyed(*sheet, task, faults);
                            checkNumbers(*sheet, task, faults);
                            checkKeyMarked(*sheet, task, faults);
                            checkKeyAsSteps(*sheet, task, faults);
                            checkReadBack(*sheet, task, faults);
                            texts.insert(task.text);
                            ++tasks;
                        }
                }
    }
    EXPECT_EQ(solids, 17);  // 8 right prisms, 5 pyramids with equal edges, 4 with faces at equal angles
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    // Other numbers from sheet to sheet: hardly a task twice.
    EXPECT_GE(texts.size(), tasks * 9 / 10) << texts.size() << " different of " << tasks;
}

// What a grade-6 key may not write: a trigonometric function, or Pythagoras'
// theorem (a square as the sum or difference of two squares, or the root of one).
std::string beyondGrade6(const std::string& step) {
    for (const char* word : {"tg", "sin", "cos"})
        if (step.find(word) != std::string::npos) return word;
    static const std::regex pythagoras("(\\w|\\))² = [^=⇒]*² (\\+|−) [^=⇒]*²|√\\([^()]*² (\\+|−)");
    if (std::regex_search(step, pythagoras)) return "Pythagoras";
    return {};
}

// The bodies of two solids and the triangles turned about a side: sheets that
// name them, the composite bodies on any sheet and at grade 6 with π ≈ 3,14
// (whose key takes no root, tg or Pythagoras), the two cones and the
// trapezoid's bodies from grade 10;
// every task read back by the reader to the same body, givens and answers.
TEST(Worksheet, BodiesGiveSheetsTheReaderReadsBack) {
    Faults faults;
    int bodies = 0, grade6Tasks = 0, squares = 0, rhombi = 0;
    std::set<std::string> texts;
    std::size_t tasks = 0;
    for (const SolidRow* solid : composedBodies()) {
        if (!solidTasks(*solid)) continue;
        ++bodies;
        const std::vector<int> grades = firstGrade(*solid) > 0 ? std::vector{firstGrade(*solid)} : std::vector{0, 6};
        for (int grade : grades)
            for (std::uint64_t number : sheetsOnBases)
                for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse})
                    for (Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                        SheetSettings settings;
                        settings.solids = {std::string(solid->key)};
                        settings.number = number;
                        settings.count = 6;
                        settings.kind = kind;
                        settings.numbers = numbers;
                        settings.grade = grade;
                        settings.pi = grade == 6 ? PiSetting::School : PiSetting::Exact;
                        const auto [a, b] = makeVariants(settings);
                        ASSERT_EQ(a.tasks.size(), 6u) << sheetQuery(a.settings);
                        ASSERT_EQ(b.tasks.size(), 6u) << sheetQuery(b.settings);
                        int nearlyAlike = 0;
                        checkParallel(a, b, faults, nearlyAlike);
                        for (const Sheet* sheet : {&a, &b})
                            for (const Task& task : sheet->tasks) {
                                EXPECT_EQ(task.solid, solid);
                                checkSolvedAsKeyed(*sheet, task, faults);
                                checkNumbers(*sheet, task, faults);
                                checkKeyMarked(*sheet, task, faults);
                                checkKeyAsSteps(*sheet, task, faults);
                                checkReadBack(*sheet, task, faults);
                                for (const std::string& step : task.steps)
                                    if (grade == 6 && !beyondGrade6(step).empty())
                                        faults.add(*sheet, task, "the key's step " + step + ": " + beyondGrade6(step));
                                grade6Tasks += grade == 6;
                                // A square or a rhombus about its diagonal turns the body's whole axial section.
                                if (task.text.starts_with("Квадрат") || task.text.starts_with("Ромб")) {
                                    ++(task.text.starts_with("Ромб") ? rhombi : squares);
                                    if (task.turned != TurnedFigure::AxialSection) faults.add(*sheet, task, "not its whole section");
                                }
                                texts.insert(task.text);
                                ++tasks;
                            }
                    }
    }
    // cylinder with cone, hemisphere or a cone cut out, hollow cylinder, prism with pyramid, two cones,
    // the isosceles trapezoid turned about either base, and a cone with a half ball
    EXPECT_EQ(bodies, 10);
    EXPECT_GT(grade6Tasks, 0);
    EXPECT_GT(squares, 0);
    EXPECT_GT(rhombi, 0);
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    EXPECT_GE(texts.size(), tasks * 8 / 10) << texts.size() << " different of " << tasks;
}

// Two tasks' numbers compared as a student meets them: given as written, and
// what their answers take.
struct AlikeCase {
    std::string_view a, b;  // "V=6859 ? a=19": the givens as written, then the answers exactly
    Numbers numbers;
    int distance;  // -1: not alike at all
};

// clang-format off
const AlikeCase alikeCases[] = {
    {"V=6859 ? a=19", "V=125 ? a=5", Numbers::Whole, 1},        // the cube of a sheet's variants A and B
    {"V=6859 ? a=19", "V=2744 ? a=14", Numbers::Whole, 0},
    {"r=3 h=4 ? l=5", "r=5 h=12 ? l=13", Numbers::Whole, 1},
    {"r=3 h=4 ? l=5", "r=6 h=8 ? l=10", Numbers::Whole, 1},
    {"r=3 h=4 ? l=5", "r=4 h=3 ? l=5", Numbers::Whole, 0},
    {"r=3 h=4 ? l=5", "r=2 h=3 ? l=√13", Numbers::Whole, -1},    // whole against a root
    {"S=36π ? r=3", "S=64π ? r=4", Numbers::Whole, 0},
    {"S=36π ? V=36π", "S=16π ? V=32π/3", Numbers::Whole, -1},   // a fraction against a whole number
    {"a=6 h=4 ? S1=96", "a=2 h=3 ? S1=4+4√10", Numbers::Whole, -1},
    {"r=2.5 h=4 ? V=25π", "r=3.5 h=2 ? V=24.5π", Numbers::Decimal, 0},
    {"r=2.5 h=4 ? V=25π", "r=12.5 h=4 ? V=625π", Numbers::Decimal, 2},
};
// clang-format on

std::vector<Given> givensOf(std::string_view text) {
    std::istringstream words{std::string(text)};
    std::vector<Given> givens;
    for (std::string word; words >> word && word != "?";)
        givens.push_back({word.substr(0, word.find('=')), word.substr(word.find('=') + 1)});
    return givens;
}

std::vector<AskedValue> answersOf(std::string_view text) {
    std::vector<AskedValue> answers;
    for (const Given& given : givensOf(text.substr(text.find('?') + 1))) {
        const ReadNumber read = readNumber(given.text);
        answers.push_back({given.key, read.value, read.value.value()});
    }
    return answers;
}

TEST(Worksheet, VariantsAreAlikeInTheirNumbers) {
    for (const AlikeCase& c : alikeCases) {
        const std::string a = shapeOf(givensOf(c.a), answersOf(c.a), c.numbers);
        const std::string b = shapeOf(givensOf(c.b), answersOf(c.b), c.numbers);
        EXPECT_EQ(shapeDistance(a, b), c.distance) << c.a << " (" << a << ") against " << c.b << " (" << b << ")";
        EXPECT_EQ(shapeDistance(b, a), c.distance);
        EXPECT_EQ(shapeDistance(a, a), 0);
    }
}

// The frustums from grade 10 on: chosen by their keys, or among all solids,
// sheets of either kind and either numbers full of tasks, the larger base
// first, a whole generator or apothem where no angle is given on a sheet of
// whole numbers, the textbook's words read back by the reader, the key exact
// and found by the solver with the grade's tools; before grade 10, none.
#ifdef __EMSCRIPTEN__
constexpr std::uint64_t frustumSheets[] = {5};
#else
constexpr std::uint64_t frustumSheets[] = {5, 61, 2026};
#endif

// The two bases' measures, the larger's first, and the generator or the apothem.
struct FrustumMeasures {
    double larger = 0, smaller = 0, slant = 0;
};
FrustumMeasures frustumMeasures(const Task& task, PiSetting pi) {
    Settings settings;
    settings.pi = pi;
    settings.asked = task.asked;  // a ball asked for is in the frustum, which sets its height
    const Outcome outcome = solve(task.solid->key, task.givens, settings);
    if (outcome.status != Status::Solved || outcome.solutions.size() != 1) return {};
    const Solution& solution = outcome.solutions.front();
    const bool cone = quantityIndex(*task.solid, "r1") >= 0 && quantityIndex(*task.solid, "a1") < 0;
    const QuantityResult* larger = solution.find(cone ? "r1" : "a1");
    const QuantityResult* smaller = solution.find(cone ? "r2" : "a2");
    const QuantityResult* slant = solution.find(cone ? "l" : "k");
    if (!larger || !smaller || !slant) return {};
    return {larger->value, smaller->value, slant->value};
}

// The reader reads the task's words back to its solid and its givens, an
// angle with its degree sign.
void checkGivensReadBack(const Sheet& sheet, const Task& task, Faults& faults) {
    const reader::ReadTask read = reader::readTask(task.text);
    if (read.solid != task.solid->key) return faults.add(sheet, task, "read as „" + read.solid + "“: " + read.message);
    for (const reader::Piece& piece : read.unread) faults.add(sheet, task, "„" + piece.words + "“ not read");
    std::set<std::string> readGivens, keyGivens;
    for (const reader::ReadGiven& given : read.givens) {
        std::string value = given.value.substr(0, given.value.find(' '));
        if (value.ends_with("°")) value.resize(value.size() - std::string_view("°").size());
        readGivens.insert(given.key + "=" + value);
    }
    for (const Given& given : task.givens) keyGivens.insert(given.key + "=" + commas(given.text));
    if (readGivens != keyGivens || read.givens.size() != task.givens.size())
        faults.add(sheet, task, "givens read otherwise: " + task.text);
}

TEST(Worksheet, FrustumsFromGrade10) {
    Faults faults;
    std::set<std::string> solids;
    int tasks = 0, wholeSlants = 0, angles = 0;
    for (std::uint64_t number : frustumSheets)
        for (int grade : {10, 11, 12})
            for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse})
                for (Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                    SheetSettings settings;
                    settings.number = number;
                    settings.count = 12;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.pi = number % 2 ? PiSetting::Exact : PiSetting::School;
                    settings.grade = grade;
                    settings.solids = {"cone-frustum", "pyramid-frustum"};
                    EXPECT_EQ(solidsBeyondGrade(settings), "");
                    const auto [a, b] = makeVariants(settings);
                    ASSERT_EQ(a.tasks.size(), 12u) << sheetQuery(a.settings);
                    ASSERT_EQ(b.tasks.size(), 12u) << sheetQuery(b.settings);
                    int nearlyAlike = 0;
                    checkParallel(a, b, faults, nearlyAlike);
                    for (const Sheet* sheet : {&a, &b})
                        for (const Task& task : sheet->tasks) {
                            ++tasks;
                            solids.insert(std::string(task.solid->key));
                            checkSolvedAsKeyed(*sheet, task, faults);
                            checkNumbers(*sheet, task, faults);
                            checkKeyMarked(*sheet, task, faults);
                            checkKeyAsSteps(*sheet, task, faults);
                            checkGivensReadBack(*sheet, task, faults);
                            const FrustumMeasures m = frustumMeasures(task, settings.pi);
                            if (!(m.larger > m.smaller && m.smaller > 0))
                                faults.add(*sheet, task, "the larger base not first");
                            const bool angle = std::any_of(task.givens.begin(), task.givens.end(), [](const Given& g) {
                                return g.key == "α" || g.key == "φ";
                            });
                            angles += angle;
                            if (!angle && numbers == Numbers::Whole) {
                                if (std::fabs(m.slant - std::round(m.slant)) > 1e-9)
                                    faults.add(*sheet, task, "no whole slant: " + std::to_string(m.slant));
                                ++wholeSlants;
                            }
                            // Both bases' measures together, or the larger one's with the ball in it.
                            const bool worded =
                                task.text.starts_with("Даден е пресечен конус с радиуси на основите ") ||
                                task.text.starts_with(
                                    "Дадена е правилна четириъгълна пресечена пирамида с основни ръбове ") ||
                                std::regex_search(task.text, std::regex("^(Даден|Дадена) е (пресечен конус с радиус|правилна "
                                                                        "четириъгълна пресечена пирамида с основен "
                                                                        "ръб) на голямата основа [0-9,]+ cm и радиус "
                                                                        "на вписаното кълбо [0-9,]+ cm\\."));
                            if (!worded) faults.add(*sheet, task, "worded " + task.text);
                            // The grade's tools find every answer as the key has it.
                            Settings limited;
                            limited.pi = settings.pi;
                            limited.grade = grade;
                            limited.asked = task.asked;
                            const Outcome outcome = solve(task.solid->key, task.givens, limited);
                            if (outcome.status != Status::Solved || outcome.solutions.size() != 1) {
                                faults.add(*sheet, task, "not solved with grade " + std::to_string(grade));
                                continue;
                            }
                            for (const Answer& answer : task.answers) {
                                const QuantityResult* q = outcome.solutions.front().find(answer.key);
                                if (!q || !q->determined || !near(q->value, answer.value))
                                    faults.add(*sheet, task, answer.key + " otherwise at grade " + std::to_string(grade));
                            }
                        }
                }
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    EXPECT_EQ(solids, (std::set<std::string>{"cone-frustum", "pyramid-frustum"}));
    EXPECT_GT(wholeSlants, tasks / 4);
    EXPECT_GT(angles, 0);

    // All solids from grade 10 take the frustums in; before it, a sheet that
    // names them is made of the eight solids, and the settings say why.
    std::set<std::string> everySolid;
    for (std::uint64_t number : frustumSheets) {
        SheetSettings settings;
        settings.number = number;
        settings.count = largestCount;
        settings.grade = 11;
        for (const Task& task : makeSheet(settings).tasks) everySolid.insert(std::string(task.solid->key));
    }
    EXPECT_TRUE(everySolid.contains("cone-frustum") && everySolid.contains("pyramid-frustum"));
    for (int grade : {0, 6, 9}) {
        SheetSettings settings;
        settings.grade = grade;
        settings.count = largestCount;
        for (const Task& task : makeSheet(settings).tasks) EXPECT_EQ(firstGrade(*task.solid), 0) << compact(task);
        settings.solids = {"cone-frustum"};
        EXPECT_NE(solidsBeyondGrade(settings).find("от 10. клас"), std::string::npos) << grade;
        for (const Task& task : makeSheet(settings).tasks) EXPECT_EQ(firstGrade(*task.solid), 0) << compact(task);
    }
}

// The sphere described about a solid and the ball inscribed in it, from grade
// 10 on: asked, worded round the solid („на описаната около цилиндъра сфера“,
// after the solid's own quantities „…, както и радиуса на вписаното в
// пресечения конус кълбо“), or given („куб с радиус на описаната сфера 7√3
// cm“) for the solid; the key exact and as the solver finds it, the words
// read back; before grade 10, none. Every solid that has such spheres gets
// them on its sheets, and the cube, the prism, the cone and the cylinder
// from them.
TEST(Worksheet, SpheresAboutAndInSolidsFromGrade10) {
    static const std::set<std::string> sphereKeys{"Rc", "Sc", "Vc", "ri", "Si", "Vi"};
    static const std::regex asked("Намерете [^.]* на (описаната около [^.]+ сфера|вписаното в [^.]+ кълбо)[.]");
    static const std::regex given(" (с|и) радиус на (описаната сфера|вписаното кълбо) [0-9,√]+ cm");
    const auto ofSphere = [](const auto& items) {
        return std::any_of(items.begin(), items.end(), [](const auto& item) { return sphereKeys.contains(item.key); });
    };
    Faults faults;
    std::set<std::string> asking, giving;
    for (std::uint64_t number : frustumSheets)
        for (int grade : {9, 10, 12})
            for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse})
                for (Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                    SheetSettings settings;
                    settings.number = number;
                    settings.count = largestCount;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.grade = grade;
                    settings.solids = {"cube", "box", "cylinder", "cone", "pyramid", "prism", "cone-frustum",
                                       "pyramid-frustum"};
                    const Sheet sheet = makeSheet(settings);
                    for (const Task& task : sheet.tasks) {
                        const bool sphereAsked = ofSphere(task.answers), sphereGiven = ofSphere(task.givens);
                        if (!sphereAsked && !sphereGiven) continue;
                        if (grade < 10) faults.add(sheet, task, "a sphere before grade 10");
                        (sphereAsked ? asking : giving).insert(std::string(task.solid->key));
                        if (!std::regex_search(task.text, sphereAsked ? asked : given))
                            faults.add(sheet, task, "worded " + task.text);
                        // A ball's surface by the textbook's words, not „лицето на … кълбо“.
                        static const std::regex ballSurface("лицето на повърхнината( и обема)? на вписаното в ");
                        if (task.answer("Si") && !std::regex_search(task.text, ballSurface))
                            faults.add(sheet, task, "the ball's surface worded " + task.text);
                        checkSolvedAsKeyed(sheet, task, faults);
                        checkNumbers(sheet, task, faults);
                        checkKeyAsSteps(sheet, task, faults);
                        checkGivensReadBack(sheet, task, faults);
                    }
                }
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    EXPECT_EQ(asking, (std::set<std::string>{"box", "cone", "cone-frustum", "cube", "cylinder", "prism", "pyramid",
                                             "pyramid-frustum"}));
#ifdef __EMSCRIPTEN__
    EXPECT_GE(giving.size(), 3u);  // of one sheet's number
#else
    EXPECT_EQ(giving, (std::set<std::string>{"cone", "cone-frustum", "cube", "cylinder", "prism", "pyramid-frustum"}));
#endif
}

// A grade's sheet: each task's every answer found by the solver with that
// grade's tools alone, as the key has it, and the key's steps with no tool
// the grade has not learnt; of the same sheets without a grade, some tasks
// need more, so that the grade does choose.
TEST(Worksheet, AGradeSheetHoldsOnlyTasksItsToolsSolve) {
    Faults faults;
    int tasks = 0, beyondTools = 0, squareBases = 0;
    for (int grade : {6, 7})
        for (int number = 1; number <= sheetNumbers / 2; ++number)
            for (TaskKind kind : {TaskKind::Direct, TaskKind::Inverse})
                for (Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                    SheetSettings settings;
                    settings.number = std::uint64_t(number) * 104729;
                    settings.count = 16;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.pi = number % 2 ? PiSetting::School : PiSetting::Exact;
                    settings.grade = grade;
                    const Sheet sheet = makeSheet(settings);
                    EXPECT_GE(sheet.tasks.size(), 8u) << sheetQuery(sheet.settings);
                    EXPECT_NE(sheetQuery(sheet.settings).find("&grade=" + std::to_string(grade)), std::string::npos);
                    for (const Task& task : sheet.tasks) {
                        ++tasks;
                        Settings limited;
                        limited.pi = settings.pi;
                        limited.grade = grade;
                        limited.asked = task.asked;
                        const Outcome outcome = solve(task.solid->key, task.givens, limited);
                        if (outcome.status != Status::Solved || outcome.solutions.size() != 1) {
                            faults.add(sheet, task, "with grade " + std::to_string(grade) + ": " +
                                                        std::string(statusKey(outcome.status)) + " " + outcome.message);
                            continue;
                        }
                        for (const Answer& answer : task.answers) {
                            const QuantityResult* q = outcome.solutions.front().find(answer.key);
                            if (!q || !q->determined || !near(q->value, answer.value))
                                faults.add(sheet, task, answer.key + " not found as the key has it with grade " +
                                                            std::to_string(grade));
                            for (const std::string& step : answer.steps)
                                if (grade == 6 && !beyondGrade6(step).empty())
                                    faults.add(sheet, task, "the key's step " + step + ": " + beyondGrade6(step));
                        }
                        for (const std::string& step : task.steps) {
                            if (grade == 6 && !beyondGrade6(step).empty())
                                faults.add(sheet, task, "the key's step " + step + ": " + beyondGrade6(step));
                            if (grade >= 7 && step.find("tg") != std::string::npos)
                                faults.add(sheet, task, "the key's step " + step + " in grade 7");
                            squareBases += step.starts_with("B = a² = ");
                        }
                    }
                    // The same sheet for every grade: some of its tasks ask
                    // for more than this grade's tools give.
                    SheetSettings everyGrade = settings;
                    everyGrade.grade = 0;
                    for (const Task& task : makeSheet(everyGrade).tasks) {
                        Settings limited;
                        limited.pi = settings.pi;
                        limited.grade = grade;
                        limited.asked = task.asked;
                        beyondTools += solve(task.solid->key, task.givens, limited).status != Status::Solved;
                    }
                }
    EXPECT_TRUE(faults.found.empty()) << faults.report();
    EXPECT_GE(tasks, sheetNumbers * 40);
    EXPECT_GT(beyondTools, 0);
    EXPECT_GT(squareBases, 0);  // a square's area as grade 6 writes it
}

// The step-by-step keys of one grade-6 task: the square pyramid's base as a²,
// no tangent; without the grade, the general formula.
TEST(Worksheet, AGradeSheetsKeyUsesItsFormulas) {
    // What the check above finds, and what it lets through.
    EXPECT_EQ(beyondGrade6("l² = r² + h² ⇒ l = √(r² + h²) = √(3² + 4²) = 5"), "Pythagoras");
    EXPECT_EQ(beyondGrade6("h² = l² − r² ⇒ h = √(l² − r²) = √(5² − 3²) = 4"), "Pythagoras");
    EXPECT_EQ(beyondGrade6("b = √(4² + (3√2)²) = √34 ≈ 5,83"), "Pythagoras");
    EXPECT_EQ(beyondGrade6("r = a : (2·tg(180° : n)) = 6 : (2·tg 45°) = 3"), "tg");
    EXPECT_EQ(beyondGrade6("S1 = S + 2π·r² = 220π + 2π·10² = 420π ≈ 1319,47 cm²"), "");
    EXPECT_EQ(beyondGrade6("V = 4π·r³ : 3 ⇒ r³ = 3V : (4π) = 1331 ⇒ r = 11 cm"), "");
    EXPECT_EQ(beyondGrade6("B = 6·a²√3 : 4 = 6·6²·√3 : 4 = 54√3 ≈ 93,53 cm²"), "");
    SheetSettings settings;
    settings.solids = {"pyramid"};
    settings.kind = TaskKind::Direct;
    settings.count = 12;
    settings.grade = 6;
    bool square = false;
    for (const Task& task : makeSheet(settings).tasks) {
        for (const std::string& step : task.steps) EXPECT_EQ(beyondGrade6(step), "") << compact(task) << ": " << step;
        if (task.sides == 4)
            for (const std::string& step : task.steps) square = square || step.starts_with("B = a² = ");
    }
    EXPECT_TRUE(square);
    // Every school task solved as grade 6 learns it: what it finds, it finds by grade 6's formulas.
    int steps = 0;
    for (const SchoolTask& task : schoolTasks()) {
        ParsedTask parsed = parseTask(task.task);
        parsed.settings.grade = 6;
        for (const Solution& solution : solve(parsed.solid, parsed.givens, parsed.settings).solutions)
            for (const std::string& step : solution.steps) {
                ++steps;
                EXPECT_EQ(beyondGrade6(step), "") << task.task << ": " << step;
            }
    }
    EXPECT_GT(steps, 500);
}

// The same number and settings make the same sheet, here and in WebAssembly.
struct KnownSheet {
    std::string_view query;
    std::vector<std::string_view> tasks;
};

// clang-format off
const KnownSheet knownSheets[] = {
    {"number=4711&count=6",
     {"pyramid n=4 a=16 h=6 ? k S V", "prism n=4 a=8 h=7 ? S1", "box a=4 b=5 V=200 ? c d", "cube S1=1944 ? a",
      "polygon n=4 a=13 ? B R", "sphere S=484π ? r V"}},
    {"number=4711&variant=B&count=6",
     {"pyramid n=4 a=12 h=8 ? k S V", "prism n=4 a=5 h=6 ? S1", "box a=9 b=8 V=936 ? c d", "cube S1=2166 ? a",
      "polygon n=4 a=11 ? B R", "sphere S=400π ? r V"}},
    {"number=99&count=5&kind=inverse&numbers=decimal&pi=3.14&solids=cone,cylinder,sphere,box",
     {"cylinder r=8.9 S1=726.596 ? h", "cone r=20 S1=3925 ? l", "sphere S=907.46 ? r V", "box a=8.6 b=8.1 S1=182.74 ? c",
      "cylinder r=6.7 Q=99.16 ? h S"}},
};
// clang-format on

TEST(Worksheet, ANumberMakesTheSameSheetEverywhere) {
    for (const KnownSheet& known : knownSheets) {
        const QueryReading reading = readSheetQuery(known.query);
        ASSERT_TRUE(reading.problems.empty());
        const Sheet sheet = makeSheet(reading.settings);
        std::vector<std::string> tasks;
        for (const Task& task : sheet.tasks) tasks.push_back(compact(task));
        EXPECT_EQ(tasks, std::vector<std::string>(known.tasks.begin(), known.tasks.end())) << known.query;
        EXPECT_EQ(sheetQuery(makeSheet(reading.settings).settings), sheetQuery(sheet.settings));
    }
}

// Each solid as a textbook words a task on it.
struct Worded {
    std::string_view solid;
    int sides;
    std::string_view givens;  // "a=6 V=48", the values as the sheet writes them
    std::string_view asked;   // "h k"
    PiSetting pi;
    Unit unit;
    std::string_view text;
};

// clang-format off
const Worded wordedTasks[] = {
    {"cone", 0, "r=3 h=4", "S1 V", PiSetting::Exact, Unit::Centimetre,
     "Даден е конус с радиус 3 cm и височина 4 cm. Намерете пълната повърхнина и обема на конуса."},
    {"pyramid", 4, "a=6 V=48", "h k", PiSetting::Exact, Unit::Centimetre,
     "Дадена е правилна четириъгълна пирамида с основен ръб 6 cm и обем 48 cm³. Намерете височината и апотемата на пирамидата."},
    {"pyramid", 4, "a=6 k=5", "h V", PiSetting::Exact, Unit::Centimetre,
     "Дадена е правилна четириъгълна пирамида с основен ръб 6 cm и апотема 5 cm. Намерете височината и обема на пирамидата."},
    {"pyramid", 6, "h=4 k1=3", "k", PiSetting::Exact, Unit::Centimetre,
     "Дадена е правилна шестоъгълна пирамида с височина 4 cm и апотема на основата 3 cm. Намерете апотемата на пирамидата."},
    {"prism", 3, "a=4 h=10", "S S1", PiSetting::School, Unit::Centimetre,
     "Дадена е правилна триъгълна призма с основен ръб 4 cm и височина 10 cm. Намерете околната и пълната повърхнина на призмата."},
    {"prism", 6, "h=5 S=60", "a", PiSetting::Exact, Unit::Centimetre,
     "Дадена е правилна шестоъгълна призма с височина 5 cm и околна повърхнина 60 cm². Намерете основния ръб на призмата."},
    {"sphere", 0, "S=113,04", "r V", PiSetting::School, Unit::Centimetre,
     "Дадено е кълбо с лице на повърхнината 113,04 cm². Намерете радиуса и обема на кълбото при π ≈ 3,14."},
    {"box", 0, "a=3 b=4 c=12", "d S1", PiSetting::Exact, Unit::Centimetre,
     "Даден е правоъгълен паралелепипед с основни ръбове 3 cm и 4 cm и височина 12 cm. Намерете диагонала и пълната повърхнина на паралелепипеда."},
    {"box", 0, "a=3 b=4 V=60", "c", PiSetting::Exact, Unit::Metre,
     "Даден е правоъгълен паралелепипед с основни ръбове 3 m и 4 m и обем 60 m³. Намерете височината на паралелепипеда."},
    {"polygon", 6, "a=2", "P B", PiSetting::Exact, Unit::Centimetre,
     "Даден е правилен шестоъгълник със страна 2 cm. Намерете периметъра и лицето на шестоъгълника."},
    {"polygon", 3, "B=9√3", "a", PiSetting::Exact, Unit::Centimetre,
     "Даден е равностранен триъгълник с лице 9√3 cm². Намерете страната на триъгълника."},
    {"polygon", 4, "R=3√2", "a", PiSetting::Exact, Unit::Centimetre,
     "Даден е квадрат с радиус на описаната окръжност 3√2 cm. Намерете страната на квадрата."},
    {"cube", 0, "V=27", "a S1", PiSetting::Exact, Unit::Decimetre,
     "Даден е куб с обем 27 dm³. Намерете ръба и пълната повърхнина на куба."},
    {"cylinder", 0, "d=2,5 h=4", "V", PiSetting::School, Unit::Centimetre,
     "Даден е цилиндър с диаметър 2,5 cm и височина 4 cm. Намерете обема на цилиндъра при π ≈ 3,14."},
    {"cone-frustum", 0, "r1=6 r2=3 h=4", "l V", PiSetting::Exact, Unit::Centimetre,
     "Даден е пресечен конус с радиуси на основите 6 cm и 3 cm и височина 4 cm. Намерете образуващата и обема на пресечения конус."},
    {"cone-frustum", 0, "r1=5 r2=2 α=60", "h S", PiSetting::School, Unit::Centimetre,
     "Даден е пресечен конус с радиуси на основите 5 cm и 2 cm и ъгъл между образуващата и голямата основа 60°. Намерете височината и околната повърхнина на пресечения конус при π ≈ 3,14."},
    {"pyramid-frustum", 4, "a1=8 a2=2 h=4", "k V", PiSetting::Exact, Unit::Centimetre,
     "Дадена е правилна четириъгълна пресечена пирамида с основни ръбове 8 cm и 2 cm и височина 4 cm. Намерете апотемата и обема на пресечената пирамида."},
    {"pyramid-frustum", 4, "a1=10 a2=4 S=280", "k", PiSetting::School, Unit::Centimetre,
     "Дадена е правилна четириъгълна пресечена пирамида с основни ръбове 10 cm и 4 cm и околна повърхнина 280 cm². Намерете апотемата на пресечената пирамида."},
    // A body: its row's words for the givens; a part's quantities with their owner once, the body's own last.
    {"cylinder-cone", 0, "r=3 h1=5 h2=4", "h1 l S V", PiSetting::Exact, Unit::Centimetre,
     "Тяло е съставено от цилиндър и конус с обща основа с радиус 3 cm. Височината на цилиндъра е 5 cm, а на конуса – 4 cm. Намерете височината на цилиндъра, образуващата на конуса, лицето на повърхнината и обема на тялото."},
    {"cylinder-cone", 0, "r=3 h1=5 V=57π", "h2 l", PiSetting::Exact, Unit::Decimetre,
     "Тяло е съставено от цилиндър и конус с обща основа с радиус 3 dm. Височината на цилиндъра е 5 dm, а обемът на тялото е 57π dm³. Намерете височината и образуващата на конуса."},
    {"cylinder-hemisphere", 0, "r=3 h=5", "V2 S", PiSetting::School, Unit::Centimetre,
     "Върху основата на цилиндър с радиус 3 cm и височина 5 cm е поставено полукълбо. Намерете обема на полукълбото и лицето на повърхнината на тялото при π ≈ 3,14."},
    {"cone-hemisphere", 0, "r=3 l=5", "h S V", PiSetting::Exact, Unit::Centimetre,
     "Тяло е съставено от конус и полукълбо с обща основа. Радиусът на основата е 3 cm, а образуващата на конуса е 5 cm. Намерете височината на конуса, лицето на повърхнината и обема на тялото."},
    {"hollow-cylinder", 0, "R=5 t=1 h=10", "r S V", PiSetting::Exact, Unit::Centimetre,
     "Кух цилиндър има външен радиус 5 cm, дебелина на стената 1 cm и височина 10 cm. Намерете вътрешния радиус, лицето на повърхнината и обема на кухия цилиндър."},
    {"cylinder-without-cone", 0, "r=9 h1=14 h2=12", "l V2 V", PiSetting::Exact, Unit::Centimetre,
     "От цилиндър с радиус 9 cm и височина 14 cm е изрязан конус с височина 12 cm, чиято основа е горната основа на цилиндъра. Намерете образуващата и обема на конуса, както и обема на полученото тяло."},
    {"double-cone", 0, "l1=6 l2=8 γ=90", "S V", PiSetting::Exact, Unit::Centimetre,
     "Правоъгълен триъгълник с катети 6 cm и 8 cm се завърта около хипотенузата си. Намерете лицето на повърхнината и обема на полученото тяло."},
};
// clang-format on

TEST(Worksheet, TasksAreWordedAsATextbookWordsThem) {
    for (const Worded& worded : wordedTasks) {
        TaskWords words;
        words.solid = solidByKey(worded.solid);
        words.sides = worded.sides;
        words.pi = worded.pi;
        words.unit = worded.unit;
        std::istringstream givens{std::string(worded.givens)}, asked{std::string(worded.asked)};
        std::vector<std::string> keys;
        for (std::string given; givens >> given;) keys.push_back(given);
        for (const std::string& given : keys)
            words.givens.push_back(
                {std::string_view(given).substr(0, given.find('=')), given.substr(given.find('=') + 1)});
        for (std::string key; asked >> key;) words.asked.push_back(key);
        EXPECT_EQ(taskText(words), worded.text);
    }
}

// The hint names the formulas that lead to the quantity, and no numbers.
struct Hinted {
    std::string_view task;
    std::string_view key;
    std::string_view hint;
    std::size_t steps;
};

// clang-format off
const Hinted hintedTasks[] = {
    {"cone r=3 h=4", "V", "Използвайте формулата V = π·r²·h : 3.", 1},
    {"cone r=3 h=4", "S1", "Намерете последователно l = √(r² + h²), S = π·r·l и S1 = S + π·r².", 3},
    {"cone V=12π r=3", "h", "Използвайте формулата h = 3V : (π·r²).", 1},
    {"cylinder h=4 S1=42π", "r", "Съставете уравнение за r от S1 = 2π·r·(r + h).", 1},
    {"cone S=15π h=4", "V",
     "Намерете последователно r от уравнението, което дават l² = r² + h² и S = π·r·l; V = π·r²·h : 3.", 2},
    {"prism n=3 a=4 V=40√3", "S1",
     "Намерете последователно P = n·a, B = n·a² : (4·tg(180° : n)), h = V : B, S = P·h и S1 = S + 2B.", 5},
    {"sphere V=36π", "r", "Използвайте формулата r³ = 3V : (4π).", 1},
};
// clang-format on

TEST(Worksheet, HintsNameTheFormulasToUse) {
    for (const Hinted& hinted : hintedTasks) {
        std::istringstream words{std::string(hinted.task)};
        std::string solid;
        words >> solid;
        std::vector<Given> givens;
        for (std::string given; words >> given;)
            givens.push_back({given.substr(0, given.find('=')), given.substr(given.find('=') + 1)});
        const Outcome outcome = solve(solid, givens);
        ASSERT_EQ(outcome.solutions.size(), 1u) << hinted.task;
        const AnswerHelp help = answerHelp(*outcome.solid, outcome.solutions.front(), hinted.key);
        EXPECT_EQ(help.hint, hinted.hint) << hinted.task;
        EXPECT_EQ(help.steps.size(), hinted.steps) << hinted.task;
    }
}

// The hint after the first wrong answer, the steps after the second; nothing after a right one.
TEST(Worksheet, WrongAnswersBringTheHintThenTheSteps) {
    SheetSettings settings;
    settings.number = 24;
    settings.count = 1;
    const Sheet sheet = makeSheet(settings);
    ASSERT_EQ(sheet.tasks.size(), 1u);
    const Task& task = sheet.tasks.front();
    const Answer& answer = task.answers.front();
    const AnswerFeedback first = checkTaskAnswer(sheet, task, answer.key, "0,001", 0);
    EXPECT_EQ(first.message, "невярно");
    EXPECT_EQ(first.hint, answer.hint);
    EXPECT_FALSE(first.hint.empty());
    EXPECT_TRUE(first.steps.empty());
    const AnswerFeedback second = checkTaskAnswer(sheet, task, answer.key, "0,001", 1);
    EXPECT_EQ(second.steps, answer.steps);
    EXPECT_FALSE(second.steps.empty());
    const AnswerFeedback right = checkTaskAnswer(sheet, task, answer.key, answer.exact->input(), 2);
    EXPECT_EQ(right.message, "вярно");
    EXPECT_TRUE(right.hint.empty() && right.steps.empty());
    const AnswerFeedback unreadable = checkTaskAnswer(sheet, task, answer.key, "abc", 1);
    EXPECT_EQ(unreadable.verdict, Verdict::Unreadable);
    EXPECT_TRUE(unreadable.hint.empty() && unreadable.steps.empty());
}

class AnswerCaseTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerCaseTest, IsMarkedAsATeacherMarksIt) {
    const AnswerCase& c = GetParam();
    const ReadNumber exact = readNumber(c.exact);
    ASSERT_TRUE(exact.read);
    const PiSetting pi = c.pi == "3.14" ? PiSetting::School : PiSetting::Exact;
    const AnswerCheck check = checkAnswer(exact.value, pi, c.typed, AnswerUnit{Unit::Centimetre, Dimension::Area});
    const Verdict expected = c.marked == Marked::Right   ? Verdict::Right
                             : c.marked == Marked::Wrong ? Verdict::Wrong
                                                         : Verdict::Unreadable;
    EXPECT_EQ(int(check.verdict), int(expected)) << check.message;
    EXPECT_EQ(check.message == "вярно", c.marked == Marked::Right);
    if (c.note.empty()) EXPECT_EQ(check.note, "");
    else EXPECT_NE(check.note.find(c.note), std::string::npos) << check.note;
}

INSTANTIATE_TEST_SUITE_P(Table, AnswerCaseTest, ::testing::ValuesIn(answerCases()),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::to_string(info.index); });

// A mass in any of its units and a sum in лв., as a student writes them; a unit of another kind is
// not read.
TEST(AnswerUnits, TakeAMassInAnyOfItsUnitsAndASumInLeva) {
    struct Row {
        std::string_view exact;
        Unit unit;
        Dimension dimension;
        std::string_view typed;
        Verdict verdict;
    };
    const Row rows[] = {
        {"1425", Unit::Centimetre, Dimension::Mass, "1425 g", Verdict::Right},
        {"1425", Unit::Centimetre, Dimension::Mass, "1,425kg", Verdict::Right},
        {"1425", Unit::Centimetre, Dimension::Mass, "1,425 кг", Verdict::Right},
        {"1425", Unit::Centimetre, Dimension::Mass, "2kg", Verdict::Wrong},
        {"27/10", Unit::Decimetre, Dimension::Mass, "2700г", Verdict::Right},
        {"2400", Unit::Metre, Dimension::Mass, "2,4t", Verdict::Right},
        {"1425", Unit::Centimetre, Dimension::Mass, "1425cm", Verdict::Unreadable},
        {"576", Unit::Metre, Dimension::Money, "576лв.", Verdict::Right},
        {"576", Unit::Metre, Dimension::Money, "576 лв", Verdict::Right},
        {"576", Unit::Metre, Dimension::Money, "576 m²", Verdict::Unreadable},
        {"54", Unit::Metre, Dimension::Area, "54кг", Verdict::Unreadable},
        {"54", Unit::Metre, Dimension::Area, "54 m²", Verdict::Right},
    };
    for (const Row& row : rows) {
        const ReadNumber exact = readNumber(row.exact);
        ASSERT_TRUE(exact.read);
        const AnswerCheck check = checkAnswer(exact.value, PiSetting::Exact, row.typed, AnswerUnit{row.unit, row.dimension});
        EXPECT_EQ(int(check.verdict), int(row.verdict)) << row.typed << ": " << check.message;
    }
}

// The address's settings: read back as written, and a sentence for each that cannot be used.
struct QueryCase {
    std::string_view query;
    std::string_view settings;  // as sheetQuery() writes them back
    std::string_view problem;   // part of the one problem
};

// clang-format off
const QueryCase queryCases[] = {
    {"", "number=1&variant=A&count=10&solids=cube,box,prism,pyramid,polygon,cylinder,cone,sphere&kind=mixed&numbers=whole&pi=exact&unit=cm", ""},
    {"?number=4711&variant=B&count=12&solids=cone%2Ccube&kind=inverse&numbers=decimal&pi=3.14&unit=dm&page=2",
     "number=4711&variant=B&count=12&solids=cube,cone&kind=inverse&numbers=decimal&pi=3.14&unit=dm", ""},
    {"variant=Б&solids=конус,кълбо,cone", "number=1&variant=B&count=10&solids=cone,sphere&kind=mixed&numbers=whole&pi=exact&unit=cm", ""},
    {"count=31", "", "от 1 до 30"},
    {"number=0", "", "от 1 до 999999"},
    {"number=12x", "", "от 1 до 999999"},
    {"solids=cone,kub", "", "Няма тяло „kub“"},
    {"solids=cone,pyramid-rectangle-edges,prism-rhombus", "number=1&variant=A&count=10&solids=prism-rhombus,pyramid-rectangle-edges,cone&kind=mixed&numbers=whole&pi=exact&unit=cm", ""},
    {"solids=rhombus", "", "Няма тяло „rhombus“"},
    {"solids=pyramid-parallelogram-edges", "", "pyramid-rhombus-faces"},
    {"pi=3.141592", "", "exact (точно) или 3.14"},
    {"kind=both", "", "direct (преки)"},
    {"grade=6&pi=3.14", "number=1&variant=A&count=10&solids=cube,box,prism,pyramid,polygon,cylinder,cone,sphere&kind=mixed&numbers=whole&pi=3.14&unit=cm&grade=6", ""},
    {"grade=12", "number=1&variant=A&count=10&solids=cube,box,prism,pyramid,polygon,cylinder,cone,sphere,cone-frustum,pyramid-frustum&kind=mixed&numbers=whole&pi=exact&unit=cm&grade=12", ""},
    {"grade=9", "number=1&variant=A&count=10&solids=cube,box,prism,pyramid,polygon,cylinder,cone,sphere&kind=mixed&numbers=whole&pi=exact&unit=cm&grade=9", ""},
    {"solids=pyramid-frustum,cone,пресечен+конус&grade=10", "number=1&variant=A&count=10&solids=cone,cone-frustum,pyramid-frustum&kind=mixed&numbers=whole&pi=exact&unit=cm&grade=10", ""},
    {"solids=cone-frustum", "", "от 10. клас"},
    {"solids=cone,pyramid-frustum&grade=9", "", "pyramid-frustum"},
    {"grade=", "number=1&variant=A&count=10&solids=cube,box,prism,pyramid,polygon,cylinder,cone,sphere&kind=mixed&numbers=whole&pi=exact&unit=cm", ""},
    {"grade=5", "", "Класът е от 6 до 12"},
    {"grade=13", "", "а не „13“"},
    {"grade=6.", "", "от 6 до 12"},
};
// clang-format on

TEST(Worksheet, AddressesCarryTheSettings) {
    for (const QueryCase& c : queryCases) {
        const QueryReading reading = readSheetQuery(c.query);
        if (c.problem.empty()) {
            EXPECT_TRUE(reading.problems.empty()) << c.query;
            EXPECT_EQ(sheetQuery(reading.settings), c.settings) << c.query;
            EXPECT_EQ(sheetQuery(readSheetQuery(sheetQuery(reading.settings)).settings), c.settings);
        } else {
            ASSERT_EQ(reading.problems.size(), 1u) << c.query;
            EXPECT_NE(reading.problems.front().find(c.problem), std::string::npos) << reading.problems.front();
        }
    }
}

}  // namespace
}  // namespace solver::testing
