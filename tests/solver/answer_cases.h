// SPDX-License-Identifier: MIT
#pragma once
// Answers a student types, and whether each is right: one table for the core's
// test and, written as JSON, for the page's. `exact` is the true value as the
// solver reads it, `pi` the sheet's π ("exact" or "3.14"); a decimal is right
// when it is the true value rounded to the digits typed, and those are the two
// after the comma the sheet asks for or at least three significant ones.

#include <ostream>
#include <string_view>
#include <vector>

namespace solver::testing {

enum class Marked { Right, Wrong, Unreadable };

struct AnswerCase {
    std::string_view exact;  // "15π"
    std::string_view pi;     // "exact" or "3.14"
    std::string_view typed;  // "47,12"
    Marked marked;
    std::string_view note = {};  // part of the note, where the other π would have made it right
};

inline void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.exact << " (π " << c.pi << "): " << c.typed; }

// Every answer is an area in cm², so "cm²" may follow the number.
// clang-format off
inline const std::vector<AnswerCase>& answerCases() {
    static const std::vector<AnswerCase> cases = {
    // 15π = 47,1238…: exact forms, the value rounded to any digits, a unit.
    {"15π", "exact", "15π", Marked::Right},
    {"15π", "exact", "15*pi", Marked::Right},
    {"15π", "exact", "30π/2", Marked::Right},
    {"15π", "exact", "15пи", Marked::Right},
    {"15π", "exact", "15 ПИ", Marked::Right},
    {"15π", "exact", "47,12", Marked::Right},
    {"15π", "exact", "47.12", Marked::Right},
    {"15π", "exact", "47,1", Marked::Right},
    {"15π", "exact", "47", Marked::Unreadable},     // too few digits to tell it from 47,4
    {"15π", "exact", "47,124", Marked::Right},
    {"15π", "exact", "≈ 47,12 cm²", Marked::Right},
    {"15π", "exact", "47,12cm2", Marked::Right},
    {"15π", "exact", "47,123", Marked::Wrong},      // cut off, not rounded
    {"15π", "exact", "47,6", Marked::Wrong},
    {"15π", "exact", "47,59", Marked::Wrong},       // 1 % too much
    {"15π", "exact", "46,65", Marked::Wrong},       // 1 % too little
    {"15π", "exact", "16π", Marked::Wrong},
    {"15π", "exact", "5π", Marked::Wrong},
    {"15π", "exact", "15", Marked::Wrong},
    {"15π", "exact", "47,10", Marked::Wrong, "точното число"},  // 15·3,14
    {"15π", "exact", "47,12 cm", Marked::Unreadable},  // a length's unit for an area
    {"15π", "exact", "47,12 dm²", Marked::Wrong},   // 4712 cm²
    {"15π", "exact", "0,4712 dm²", Marked::Right},  // another unit of area
    {"15π", "exact", "4712 mm²", Marked::Right},
    {"15π", "exact", "0,47 dm²", Marked::Unreadable},  // 47 cm², too few digits
    {"15π", "exact", "петнайсет", Marked::Unreadable},
    {"15π", "exact", "", Marked::Unreadable},
    // With π ≈ 3,14 the true value is 47,1.
    {"15π", "3.14", "47,1", Marked::Right},
    {"15π", "3.14", "47,10", Marked::Right},
    {"15π", "3.14", "47", Marked::Wrong, "π ≈ 3,14"},  // 47,1 is the answer itself
    {"15π", "3.14", "15π", Marked::Right},
    {"15π", "3.14", "15·3,14", Marked::Right},
    {"15π", "3.14", "47,12", Marked::Wrong, "π ≈ 3,14"},
    {"15π", "3.14", "47,2", Marked::Wrong},
    // Roots.
    {"12√3", "exact", "12√3", Marked::Right},
    {"12√3", "exact", "12*sqrt(3)", Marked::Right},
    {"12√3", "exact", "√432", Marked::Right},
    {"12√3", "exact", "20,78", Marked::Right},
    {"12√3", "exact", "21", Marked::Unreadable},
    {"12√3", "exact", "20,8", Marked::Right},
    {"12√3", "exact", "20,79", Marked::Wrong},
    {"12√3", "exact", "12√2", Marked::Wrong},
    {"12√3", "exact", "√3", Marked::Wrong},
    // π and a root: a cone's full surface with r = h = 2.
    {"(4+4√2)π", "exact", "4π(1 + √2)", Marked::Right},
    {"(4+4√2)π", "exact", "4π + 4√2π", Marked::Right},
    {"(4+4√2)π", "exact", "30,34", Marked::Right},
    {"(4+4√2)π", "exact", "30,35", Marked::Wrong},
    {"(4+4√2)π", "3.14", "30,32", Marked::Right},   // 4·3,14 + 4√2·3,14 = 30,3225…
    // Fractions: the exact value, or its decimals rounded.
    {"25/3", "exact", "25/3", Marked::Right},
    {"25/3", "exact", "8,33", Marked::Right},
    {"25/3", "exact", "8,333", Marked::Right},
    {"25/3", "exact", "8", Marked::Unreadable},
    {"25/3", "exact", "8,3", Marked::Unreadable},
    {"25π/3", "exact", "8,33π", Marked::Wrong, "закръглено"},  // the coefficient of π rounded
    {"25π/3", "exact", "26,18", Marked::Right},
    // Whole numbers far off, which rounding alone would take for right.
    {"1/2", "exact", "1", Marked::Wrong},
    {"1/8", "exact", "0", Marked::Unreadable},
    {"√2", "exact", "1", Marked::Unreadable},
    {"√2", "exact", "1,41", Marked::Right},
    {"25/3", "exact", "8,34", Marked::Wrong},
    {"25/3", "exact", "26/3", Marked::Wrong},
    // A half rounds up: 2,125 to 2,13.
    {"17/8", "exact", "2,13", Marked::Right},
    {"17/8", "exact", "2,12", Marked::Wrong},
    // Whole numbers, also on a sheet with π ≈ 3,14.
    {"5", "exact", "5", Marked::Right},
    {"5", "exact", "5,00", Marked::Right},
    {"5", "exact", "10/2", Marked::Right},
    {"5", "exact", "4,99", Marked::Wrong},
    {"5", "exact", "5,01", Marked::Wrong},
    {"5", "exact", "-5", Marked::Wrong},
    {"4", "3.14", "4", Marked::Right},
    {"4", "3.14", "3,99", Marked::Wrong},
    };
    return cases;
}
// clang-format on

}  // namespace solver::testing
