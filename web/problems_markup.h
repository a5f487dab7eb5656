// SPDX-License-Identifier: MIT
#pragma once
// The problems page, zadachi.html, written from the solver's solid tables:
// the choice of the solid (its name and picture), for each solid its fields,
// one per quantity with its letter and name, the units, π and digits, „реши“,
// and the place of the solutions, whose content web/problems.js puts there
// from what the solver's module returns (web/problems_task.h).
//
// Element ids: the solids' radio buttons "solid-cone"; a quantity's field
// "cone-r", its row "row-cone-r" and its note "note-cone-r"; the settings
// "unit", "pi" and "digits"; „реши“ "solve"; the solutions "solutions", each
// solution in it an <article data-solution="1">.

#include <string>

namespace geometry::web {

// The whole page, `script` (the solver's loader and web/problems.js) inlined
// at its end.
std::string problemsPage(const std::string& script);

}  // namespace geometry::web
