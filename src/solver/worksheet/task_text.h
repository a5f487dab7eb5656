// SPDX-License-Identifier: MIT
#pragma once
// A task as a Bulgarian textbook words it, from the solid tables' names:
//
//   „Даден е конус с радиус 3 cm и височина 4 cm. Намерете пълната
//    повърхнина и обема на конуса.“
//   „Дадена е правилна четириъгълна пирамида с основен ръб 6 cm и обем 48 cm³.
//    Намерете височината и апотемата на пирамидата.“

#include <string>
#include <string_view>
#include <vector>

#include "engine/solids.h"
#include "task/solver.h"

namespace solver::worksheet {

// The solid as a task names it: "правилна шестоъгълна призма", "квадрат",
// "кълбо"; "на призмата"; and the gender its verbs and adjectives take.
struct SolidName {
    std::string name;
    std::string genitive;
    Gender gender;
};
SolidName solidName(const SolidRow& solid, int sides);

struct GivenText {
    std::string_view key;  // "r"
    std::string value;     // as the sheet writes it: "3", "2,5", "36π", "113,04"
};

struct TaskWords {
    const SolidRow* solid = nullptr;
    int sides = 0;                    // n, for prisms, pyramids and polygons
    std::vector<GivenText> givens;    // in the solid table's order
    std::vector<std::string> asked;   // in the solid table's order
    PiSetting pi = PiSetting::Exact;  // School: the task says „при π ≈ 3,14“ where π is in it
    Unit unit = Unit::Centimetre;
};
std::string taskText(const TaskWords& words);
// The plane figure the task's text turns about a line to make the body: half
// its axial section (a triangle about a side), the whole (a square about its diagonal), or none.
TurnedFigure turnedFigure(const TaskWords& words);

// Whether the solid's formulas hold π: a cylinder, a cone, a ball.
bool usesPi(const SolidRow& solid);

// " cm²" after an area, "" after a count.
std::string unitText(Unit unit, Dimension dimension);

// "a, b и c".
std::string listed(const std::vector<std::string>& items);

}  // namespace solver::worksheet
