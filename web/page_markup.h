// SPDX-License-Identifier: MIT
#pragma once
// The page's markup, written from the window description and the panel table:
// the window's controls in the order a phone shows them and a screen reader
// reads them (each panel a section: its caption as a heading, its pictures,
// its inputs each after its label, "пресметни", its results, "изчисти"; then
// how its results were found), then the window's own buttons and the credit.
// Element ids are the window names; no element carries a style or a tab index
// of its own (page_style.cpp places them, web/page.js follows the window's tab
// order where the window is shown).

#include <ostream>
#include <string>
#include <string_view>

#include "layout.h"

namespace geometry::web {

std::string escaped(std::string_view text);

// "Solution5" for the panel Frame5: where the page shows how its results were found.
std::string solutionId(const layout::ControlRow& panel);

bool isResultField(const layout::ControlRow& row);

// Everything inside the window's <main>.
void writeWindowControls(std::ostream& html);

// The window's tab stops in the window's order, as a list of ids.
std::string windowTabOrder();

}  // namespace geometry::web
