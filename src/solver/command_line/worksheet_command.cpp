// SPDX-License-Identifier: MIT
#include "worksheet_command.h"

#include <algorithm>
#include <iostream>
#include <random>

#include "answer_help.h"
#include "task/json.h"
#include "sheet_json.h"
#include "worksheet.h"

namespace solver {

const std::string_view worksheetUsage =
    "       stereometry-solve --worksheet [--seed=N] [--variant=A|B] [--count=K]\n"
    "                            [--solids=cone,cylinder,...] [--kind=direct|inverse|mixed]\n"
    "                            [--numbers=whole|decimal] [--pi=exact|3.14] [--unit=cm] [--grade=6..12]\n"
    "                            [--json]\n"
    "       stereometry-solve [--json] ТЯЛО ВЕЛИЧИНА=СТОЙНОСТ... --answer=ВЕЛИЧИНА=ОТГОВОР...\n"
    "\n"
    "  --worksheet     лист със задачи и отговорите им; един и същ номер (--seed)\n"
    "                  и същите настройки дават един и същ лист\n"
    "  --seed=N        номер на листа, от 1 до 999999 (без него – случаен)\n"
    "  --variant=B     вариант Б за съседа по чин: същите задачи с други числа\n"
    "  --count=K       брой задачи, от 1 до 30 (по подразбиране 10)\n"
    "  --solids=...    телата, със запетаи (по подразбиране осемте тела); също\n"
    "                  призмите и пирамидите на други основи: prism-rhombus,\n"
    "                  pyramid-rectangle-edges, pyramid-rhombus-faces; при\n"
    "                  --grade=10..12 и пресечените cone-frustum и pyramid-frustum,\n"
    "                  които тогава са и сред телата по подразбиране; съставните\n"
    "                  тела cylinder-cone, cylinder-hemisphere, hollow-cylinder,\n"
    "                  prism-pyramid, cylinder-without-cone, cone-hemisphere,\n"
    "                  two-cylinders и\n"
    "                  от 10. клас\n"
    "                  double-cone, cylinder-two-cones и\n"
    "                  cylinder-without-two-cones – само посочени\n"
    "  --kind=...      direct: дадени са измеренията; inverse: дадени са повърхнина\n"
    "                  или обем; mixed: и двата вида (по подразбиране)\n"
    "  --numbers=...   whole: цели числа, отговори с π и корени; decimal: десетични\n"
    "  --grade=6..12   класът: само задачи, решими с наученото дотогава, и\n"
    "                  отговорите по стъпки с него\n"
    "  --answer=S1=24π проверява отговор на задачата: вярно или невярно, с упътване\n";

namespace {

using namespace worksheet;

constexpr std::pair<std::string_view, std::string_view> optionSettings[] = {
    {"--seed", "number"},     {"--number", "number"}, {"--variant", "variant"},
    {"--count", "count"},     {"--solids", "solids"}, {"--kind", "kind"},
    {"--numbers", "numbers"}, {"--pi", "pi"},         {"--unit", "unit"},
    {"--grade", "grade"},
};

struct WorksheetArguments {
    SheetSettings settings;
    bool json = false;
    bool numbered = false;
    std::string error;
};

WorksheetArguments parseWorksheet(int argc, char** argv) {
    WorksheetArguments a;
    for (int i = 1; i < argc && a.error.empty(); ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--worksheet") continue;
        if (argument == "--json") {
            a.json = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto option = std::find_if(std::begin(optionSettings), std::end(optionSettings),
                                         [&](const auto& o) { return o.first == name; });
        if (equals == std::string_view::npos || option == std::end(optionSettings)) {
            a.error = "„" + std::string(argument) + "“ не е опция на --worksheet (--help ги изброява)";
            continue;
        }
        const std::string problem = applySetting(a.settings, option->second, argument.substr(equals + 1));
        if (!problem.empty()) a.error = std::string(name) + ": " + problem;
        if (option->second == "number") a.numbered = true;
    }
    if (a.error.empty()) {
        const std::string problem = solidsBeyondGrade(a.settings);
        if (!problem.empty()) a.error = "--solids: " + problem;
    }
    return a;
}

std::string plainSheet(const Sheet& sheet) {
    std::string text = sheet.title + "\n\n";
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i)
        text += std::to_string(i + 1) + ". " + sheet.tasks[i].text + "\n";
    text += "\nОтговори (" + sheet.title + ")\n";
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i) {
        const Task& task = sheet.tasks[i];
        std::string answers;
        for (const Answer& answer : task.answers)
            answers +=
                (answers.empty() ? "" : "; ") + answer.key + (answer.text.starts_with("≈") ? " " : " = ") + answer.text;
        text += std::to_string(i + 1) + ". " + answers + "\n";
        for (const std::string& step : task.steps) text += "     " + step + "\n";
    }
    text += "\nНастройки: " + sheetQuery(sheet.settings) + "\n";
    return text;
}

std::uint64_t randomNumber() {
    std::random_device device;
    return (std::uint64_t(device()) << 32 | device()) % largestNumber + 1;
}

// The answer checked against every solution of the task: right where it is one of them.
AnswerFeedback feedbackFor(const Outcome& outcome, const TypedAnswer& typed, const Settings& settings) {
    if (outcome.status != Status::Solved)
        return {Verdict::Unreadable, "Задачата няма едно решение, с което да се сравни отговорът.", "", "", {}};
    const int index = quantityIndex(*outcome.solid, typed.key);
    std::optional<AnswerUnit> unit;
    if (outcome.unit) unit = AnswerUnit{*outcome.unit, outcome.solid->quantities[std::size_t(index)].dimension};
    std::optional<AnswerCheck> first;
    for (const Solution& solution : outcome.solutions) {
        const QuantityResult* q = solution.find(typed.key);
        if (!q->determined) return {Verdict::Unreadable, typed.key + " не се определя от тези данни.", "", "", {}};
        const AnswerCheck check = checkAnswer(Truth{q->exact, q->value, settings.pi, settings.digits}, typed.text, unit);
        if (check.verdict == Verdict::Right) return answerFeedback(check, "", {}, 0);
        if (!first) first = check;
    }
    // A wrong answer gets both the hint and the steps: a script shows what it wants.
    const AnswerHelp help = answerHelp(*outcome.solid, outcome.solutions.front(), typed.key);
    return answerFeedback(*first, help.hint, help.steps, 1);
}

}  // namespace

bool wantsWorksheet(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--worksheet") return true;
    return false;
}

int worksheetCommand(int argc, char** argv) {
    WorksheetArguments arguments = parseWorksheet(argc, argv);
    if (!arguments.error.empty()) {
        std::cerr << "stereometry-solve: " << arguments.error << "\n";
        return 2;
    }
    if (!arguments.numbered) arguments.settings.number = randomNumber();
    const Sheet sheet = makeSheet(arguments.settings);
    std::cout << (arguments.json ? sheetJson(sheet) + "\n" : plainSheet(sheet));
    if (int(sheet.tasks.size()) < sheet.settings.count) {
        std::cerr << "stereometry-solve: с тези настройки се получиха само " << sheet.tasks.size() << " от "
                  << sheet.settings.count << " различни задачи\n";
        return 1;
    }
    return 0;
}

std::vector<TypedAnswer> takeAnswers(int& argc, char** argv, std::string& error) {
    std::vector<TypedAnswer> answers;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("--answer=")) {
            argv[kept++] = argv[i];
            continue;
        }
        const std::string_view answer = argument.substr(9);
        const auto equals = answer.find('=');
        if (equals == std::string_view::npos || equals == 0)
            error = "--answer е от вида --answer=ВЕЛИЧИНА=ОТГОВОР (например --answer=S1=24π), а не „" +
                    std::string(argument) + "“";
        else if (std::any_of(answers.begin(), answers.end(),
                             [&](const TypedAnswer& a) { return a.key == answer.substr(0, equals); }))
            error = "--answer: отговорът на " + std::string(answer.substr(0, equals)) + " е даден два пъти";
        else answers.push_back({std::string(answer.substr(0, equals)), std::string(answer.substr(equals + 1))});
    }
    argc = kept;
    return answers;
}

std::string answersProblem(const Outcome& outcome, const std::vector<TypedAnswer>& answers) {
    if (!outcome.solid) return "";
    for (const TypedAnswer& answer : answers)
        if (quantityIndex(*outcome.solid, answer.key) < 0)
            return "--answer: „" + answer.key + "“ не е величина " + std::string(outcome.solid->genitive);
    return "";
}

std::string withAnswersJson(std::string json, const Outcome& outcome, const std::vector<TypedAnswer>& answers,
                            const Settings& settings) {
    Json fragment;
    fragment.beginObject();
    for (const TypedAnswer& answer : answers) {
        fragment.key(answer.key);
        writeFeedback(fragment, answer.text, feedbackFor(outcome, answer, settings));
    }
    fragment.endObject();
    json.pop_back();  // the closing brace of the solution's object
    return json + ", \"answers\": " + fragment.text() + "}";
}

std::string answersText(const Outcome& outcome, const std::vector<TypedAnswer>& answers, const Settings& settings) {
    std::string text = "\nОтговори:\n";
    for (const TypedAnswer& answer : answers) {
        const AnswerFeedback feedback = feedbackFor(outcome, answer, settings);
        text += "  " + answer.key + " = " + answer.text + ": " + feedback.message + "\n";
        if (!feedback.note.empty()) text += "    " + feedback.note + "\n";
        if (!feedback.hint.empty()) text += "    Упътване: " + feedback.hint + "\n";
        for (const std::string& step : feedback.steps) text += "    " + step + "\n";
    }
    return text;
}

}  // namespace solver
