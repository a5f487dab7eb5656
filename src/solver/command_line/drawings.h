// SPDX-License-Identifier: MIT
#pragma once
// --svg=figure and --svg=net: the drawings of a solved task on standard output.

#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver::command_line {

// Why the option's value is none of "figure" and "net"; empty where it is one.
std::string drawingKindError(std::string_view kind);

// Writes the drawing of the outcome's first solution to standard output, or
// says on standard error why there is none; returns the exit status (0, or 1
// where the solid has no net). `asked`: the keys the task asks for (KEY=?).
int writeDrawing(std::string_view kind, const Outcome& outcome, const std::vector<std::string>& asked,
                 const Settings& settings);

}  // namespace solver::command_line
