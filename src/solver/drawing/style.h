// SPDX-License-Identifier: MIT
#pragma once
// The drawings' colours: written into the elements' attributes for
// renderers without CSS, and the stylesheet that lets a page restyle them
// (custom properties, the dark scheme, forced colours).

#include <string>

#include "scene.h"

namespace solver::drawing {

// The light scheme's colour of an ink ("#0b57d0") and its class name ("given").
const char* inkColour(Ink ink);
const char* inkName(Ink ink);

// The rules for the figure's root class "stereometry-figure" and the net's "stereometry-net".
std::string figureCss();
std::string netCss();

}  // namespace solver::drawing
