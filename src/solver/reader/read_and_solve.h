// SPDX-License-Identifier: MIT
#pragma once
// A task's text read and solved: the givens read (readTask()) given to
// solve() with the π and the rounding the text asks for, unless the user
// chose them; the asked quantities in the unit the text asks for.
//
//   readAndSolve("Куб има ръб 20 cm. Колко литра е обемът му?", {})
//     status "solved"; asked V; V = 8000 cm³ in the solutions, as asked:
//     value 8, unit "l", text "8 l".

#include <string>
#include <string_view>
#include <vector>

#include "reader/reader.h"
#include "task/solver.h"

namespace solver::reader {

// The settings, and which of them the user chose: those override the text.
struct ChosenSettings {
    Settings settings;
    bool pi = false;
    bool unit = false;
    bool digits = false;
};

struct TextOutcome {
    std::string status;   // "solved", "none", "underdetermined", "invalid", or "unread"
    std::string message;  // why there is no answer, or which words were not understood
    ReadTask read;
    Settings settings;    // as the task was solved
    Outcome outcome;      // the asked quantities in the unit asked; none where unread
    std::vector<std::string> asked;  // keys, in the text's order
};

TextOutcome readAndSolve(std::string_view text, const ChosenSettings& chosen = {});

// What was read, for the student to check: „Прочетено: правилна пирамида;
// n = 4, a = 16 cm, S = 320 cm²; търси се V.“; empty where nothing was.
std::string readSummary(const TextOutcome& outcome);

// The spheres the text places in or about the solid and names alone: " с
// вписано кълбо"; empty for none.
std::string namedSpheres(const SolidRow& solid, const ReadTask& read);

// The digits a task asks for, as said: "1 знак", "2 знака" (след запетаята).
std::string digitsText(int digits);

// How a quantity the task asks for is marked beside its value.
inline constexpr std::string_view askedMark = "търси се";
// The caption of the box a task's text goes into.
inline constexpr std::string_view pasteCaption = "Постави условието на задачата";

// A given read as the steps write it: "r = 3 cm", "h = d + 15 cm", "h2 = h1 − 6 cm";
// `unitSpace` between a number and its unit (a no-break space where it wraps).
std::string readGivenText(const SolidRow& solid, const ReadGiven& given, std::string_view unitSpace = " ");

// The givens read, as solve() takes them.
std::vector<Given> givensOf(const ReadTask& read);

// "3.14" for π ≈ 3,14, "3.141592", or "exact".
std::string_view piKey(PiSetting pi);

// The outcome as one JSON object: status, message, read (solid, givens as
// read, asked, pi, unit, ignored, unread), asked, solutions (every quantity
// with exact, value, unit, text, given) and steps.
std::string textOutcomeJson(const TextOutcome& outcome);

}  // namespace solver::reader
