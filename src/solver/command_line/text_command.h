// SPDX-License-Identifier: MIT
#pragma once
// stereometry-solve --text "ТЕКСТ" (or --text - for standard input): a task
// read as printed, then solved as the options say.

#include <string>
#include <vector>

#include "reader/read_and_solve.h"
#include "worksheet_command.h"

namespace solver::command_line {

struct TextRequest {
    std::string text;  // "-": standard input
    reader::ChosenSettings chosen;
    bool json = false;
    std::string svg;  // "figure", "net" or empty
    std::vector<TypedAnswer> answers;
};

// Prints what was read and the outcome; returns the exit status (0 solved, 1
// none or underdetermined, 2 invalid or unread).
int solveText(TextRequest request);

// The plain output of a solve (also for tasks given by their keys): the
// solid, every quantity, the steps; the asked quantities marked.
std::string plainOf(const Outcome& outcome, const std::vector<std::string>& asked = {});
int exitStatus(Status status);

}  // namespace solver::command_line
