// SPDX-License-Identifier: MIT
#pragma once
// For each solid of the solver's tables, the tasks a textbook sets on it (its
// registration row, engine/registration.h): what
// a direct task gives (its dimensions) and may ask (surfaces, volume), what an
// inverse task gives (a surface or the volume with the dimensions it needs)
// and asks; and how a solid with numbers a student works with by hand is
// drawn. Every task made from these is still checked by solve().

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/exact.h"
#include "random.h"
#include "sheet_settings.h"
#include "engine/solids.h"

namespace solver::worksheet {

// The tasks and measures of a solid's registration row (engine/registration.h).
using solver::TaskPattern;

// The solid's worksheet row; null where no sheet sets tasks on it.
const WorksheetRow* solidTasks(const SolidRow& solid);

// Every solid a sheet sets tasks on, in the order the program offers them:
// each of the eight solids, then the kinds its picture stands for that have a
// worksheet row (the right prisms and pyramids on bases of other shapes), then
// the frustums, then the bodies of two solids (set only where a sheet names
// them).
std::vector<const SolidRow*> sheetSolids();

// The first grade whose sheets set tasks on the solid (10 for the frustums);
// 0 where every sheet may, with a grade or without one.
int firstGrade(const SolidRow& solid);
// Whether a sheet of this grade (0: none) sets tasks on the solid.
bool setAtGrade(const SolidRow& solid, int grade);

// The solids of a sheet that names none, in the order the program offers
// them: the eight solids, and from grade 10 on the frustums too.
std::vector<const SolidRow*> defaultSolids(int grade);

// Whether a sheet with such numbers can give this pattern for a base of n
// sides: a decimal sheet cannot give what holds a root for every decimal base
// (the area of a triangle or a hexagon holds √3).
bool patternFits(const SolidRow& solid, int sides, const TaskPattern& pattern, Numbers numbers);

// A solid of the kind with nice measures: its table's base quantities ("r",
// "h") with whole numbers from 1 to about 12 (often sides of right triangles
// with whole sides) or numbers with one decimal, drawn as its row's measure
// choices say; none where it has no row.
// A choice bound to a given (an angle) is taken where `pattern` gives it, and
// passed over, drawing nothing, elsewhere.
std::vector<std::pair<std::string_view, Exact>> niceMeasures(const SolidRow& solid, int sides, Numbers numbers,
                                                             Random& random, const TaskPattern* pattern = nullptr);

}  // namespace solver::worksheet
