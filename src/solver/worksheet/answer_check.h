// SPDX-License-Identifier: MIT
#pragma once
// Whether a student's answer is right, the way a teacher marks it:
//   - an exact answer is right when it is the exact value: "15π", "15*pi",
//     "12√3", "25/3" (with π ≈ 3,14 where the sheet says so: π is 3,14 on
//     both sides); a value that is a decimal with few digits (0,5, 27) must
//     be that decimal;
//   - any other value, written as a decimal or a whole number, is right when
//     it is the true value rounded to the digits the student wrote, and those
//     are the digits asked (2 after the comma unless the task asks for other)
//     or at least three significant ones: "47,12" and "47,1" for 47,1238…,
//     but not "47,6" nor "47,13"; "47" and "1" (for √2) are asked to be
//     written with the digits asked; the true value with the sheet's π.
// A unit after the number is read when it measures the same (the sheet's,
// another length unit, litres for a volume: "0,0377 l" for 37,7 cm³), and an
// "≈" before it. A coefficient of π rounded ("8,33π" for 25π/3) is wrong,
// with a note saying why.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/exact.h"
#include "engine/solids.h"
#include "task/solver.h"

namespace solver::worksheet {

enum class Verdict { Right, Wrong, Unreadable };

// What an answer is checked against: the exact value where there is one, and
// the value with the sheet's π.
struct Truth {
    std::optional<Exact> exact;
    double value = 0;
    PiSetting pi = PiSetting::Exact;
    int places = 2;  // the digits after the comma a decimal answer is asked for
};
Truth truthOf(const Exact& exact, PiSetting pi);

// The number with π as the sheet takes it: 24π is 75,36 with π ≈ 3,14, and
// itself where π is exact; none where it has no form here.
std::optional<Exact> withSheetPi(const Exact& x, PiSetting pi);

// The true value rounded to `places` decimals as a teacher rounds it: halves
// up, from the exact value where it is a fraction (16,25·3,14 = 51,025 is
// 51,03), every place written ("75,40").
std::string roundedAnswer(const Truth& truth, int places, std::string_view separator = ",");

// The unit a sheet's answers are in, for a unit typed after the number.
struct AnswerUnit {
    Unit unit;
    Dimension dimension;
};

struct AnswerCheck {
    Verdict verdict = Verdict::Unreadable;
    std::string message;  // "вярно", "невярно", or what could not be read and what to type
    // Wrong, but right with the other π: what the sheet asks for instead.
    std::string note;
};

AnswerCheck checkAnswer(const Truth& truth, std::string_view typed, std::optional<AnswerUnit> unit = {});
inline AnswerCheck checkAnswer(const Exact& exact, PiSetting pi, std::string_view typed,
                               std::optional<AnswerUnit> unit = {}) {
    return checkAnswer(truthOf(exact, pi), typed, unit);
}

// What a student sees after checking: the verdict; after a wrong answer the
// hint; after a second wrong one the steps as well. `wrongBefore` counts the
// answers to this quantity found wrong before this one (not those that could
// not be read).
struct AnswerFeedback {
    Verdict verdict = Verdict::Unreadable;
    std::string message;
    std::string note;
    std::string hint;
    std::vector<std::string> steps;
};
AnswerFeedback answerFeedback(const AnswerCheck& check, std::string_view hint, const std::vector<std::string>& steps,
                              int wrongBefore);

}  // namespace solver::worksheet
