// SPDX-License-Identifier: MIT
#include "text_command.h"

#include <algorithm>
#include <iostream>
#include <iterator>

#include "drawings.h"
#include "engine/solids.h"

namespace solver::command_line {
namespace {

std::string quotedList(const std::vector<reader::Piece>& pieces) {
    std::string list;
    for (const reader::Piece& piece : pieces) list += (list.empty() ? "„" : ", „") + piece.words + "“";
    return list;
}

// What was read, as a teacher checks it: the solid, each given with the words it came from, what is asked.
std::string readText(const reader::TextOutcome& result) {
    const reader::ReadTask& read = result.read;
    std::string text;
    const SolidRow* solid = solidByKey(read.solid);
    if (solid) text += "Прочетено: " + std::string(solid->name) + reader::namedSpheres(*solid, read) + "\n";
    for (const reader::ReadGiven& given : read.givens)
        text += "  " + (solid ? reader::readGivenText(*solid, given) : given.key + " = " + given.value) + "   („" +
                given.from.words + "“)\n";
    if (!result.asked.empty()) {
        text += "Търси се:";
        for (const std::string& key : result.asked) text += " " + key;
        text += "\n";
    }
    if (read.pi) text += read.pi == PiSetting::School ? "π ≈ 3,14\n" : "π ≈ 3,141592\n";
    if (read.digits) text += "С точност до " + reader::digitsText(*read.digits) + " след запетаята\n";
    if (read.unit) text += "Отговорът в " + read.unit->symbol + "\n";
    if (!read.ignored.empty()) text += "Пропуснато: " + quotedList(read.ignored) + "\n";
    if (!read.unread.empty()) text += "Не разбрах: " + quotedList(read.unread) + "\n";
    return text;
}

std::string standardInput() {
    return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
}

}  // namespace

int exitStatus(Status status) {
    switch (status) {
    case Status::Solved: return 0;
    case Status::None:
    case Status::Underdetermined: return 1;
    case Status::Invalid: return 2;
    }
    return 2;
}

std::string plainOf(const Outcome& outcome, const std::vector<std::string>& asked) {
    std::string text;
    if (outcome.status != Status::Solved) return outcome.message + "\n";
    text += std::string(outcome.solid->name) + "\n";
    for (std::size_t i = 0; i < outcome.solutions.size(); ++i) {
        const Solution& solution = outcome.solutions[i];
        text += "\n";
        if (outcome.solutions.size() > 1) text += "Решение " + std::to_string(i + 1) + ":\n";
        for (const QuantityResult& q : solution.quantities) {
            text += "  " + q.key + (q.text.starts_with("≈") ? " " : " = ") + q.text;
            if (q.given) text += " (дадено)";
            if (std::find(asked.begin(), asked.end(), q.key) != asked.end()) text += " (търси се)";
            text += "\n";
        }
        if (!solution.steps.empty()) {
            text += "Как се намира:\n";
            for (const std::string& step : solution.steps) text += "  " + step + "\n";
        }
        for (const std::string& note : solution.notes) text += "Бележка: " + note + ".\n";
    }
    return text;
}

int solveText(TextRequest request) {
    if (request.text == "-") request.text = standardInput();
    const reader::TextOutcome result = reader::readAndSolve(request.text, request.chosen);
    const bool unread = result.status == "unread";
    if (!request.svg.empty()) {
        if (!unread && result.outcome.status == Status::Solved)
            return writeDrawing(request.svg, result.outcome, result.asked, result.settings);
        std::cerr << "stereometry-solve: " << result.message << "\n";
        return unread ? 2 : exitStatus(result.outcome.status);
    }
    if (!unread)
        if (const std::string problem = answersProblem(result.outcome, request.answers); !problem.empty()) {
            std::cerr << "stereometry-solve: " << problem << "\n";
            return 2;
        }
    if (request.json) {
        const std::string json = reader::textOutcomeJson(result);
        std::cout << (request.answers.empty() || unread
                          ? json
                          : withAnswersJson(json, result.outcome, request.answers, result.settings))
                  << "\n";
    } else {
        std::cout << readText(result) << "\n";
        if (unread) std::cout << result.message << "\n";
        else std::cout << plainOf(result.outcome, result.asked);
        if (!unread && !request.answers.empty())
            std::cout << answersText(result.outcome, request.answers, result.settings);
        if (!unread && result.outcome.status == Status::Solved && !result.read.message.empty())
            std::cout << result.read.message << "\n";
    }
    return unread ? 2 : exitStatus(result.outcome.status);
}

}  // namespace solver::command_line
