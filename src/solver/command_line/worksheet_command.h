// SPDX-License-Identifier: MIT
#pragma once
// stereometry-solve's worksheets and answer checking:
//
//   stereometry-solve --worksheet [--seed=N] [--variant=A|B] [--count=K]
//       [--solids=cone,cylinder,…] [--kind=direct|inverse|mixed]
//       [--numbers=whole|decimal] [--pi=exact|3.14] [--unit=cm] [--json]
//   stereometry-solve [--json] [--pi=…] SOLID KEY=VALUE... --answer=KEY=TEXT...

#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver {

extern const std::string_view worksheetUsage;

bool wantsWorksheet(int argc, char** argv);
// Prints the sheet (or what is wrong with the options); the exit status.
int worksheetCommand(int argc, char** argv);

struct TypedAnswer {
    std::string key;
    std::string text;
};
// Takes every --answer=KEY=TEXT out of the arguments; a message for one that
// is not of that form.
std::vector<TypedAnswer> takeAnswers(int& argc, char** argv, std::string& error);
// The keys that are no quantity of the task's solid: a message, or "".
std::string answersProblem(const Outcome& outcome, const std::vector<TypedAnswer>& answers);
// The solve JSON with "answers": {"KEY": {"correct": …}} added; the plain text with a line per answer.
std::string withAnswersJson(std::string json, const Outcome& outcome, const std::vector<TypedAnswer>& answers,
                            const Settings& settings);
std::string answersText(const Outcome& outcome, const std::vector<TypedAnswer>& answers, const Settings& settings);

}  // namespace solver
