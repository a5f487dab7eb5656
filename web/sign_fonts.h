// SPDX-License-Identifier: MIT
#pragma once
// The faces that show every character the pages and the solver write, on any
// system (web/sign_fonts.py makes them from DejaVu Sans): named twice in the
// pages' stylesheets. "Stereometry Signs" comes first and holds only the signs
// (⇒ √ ∛ π ≈ · − ² ³ ⁻ ° ½ and the like: no letter or digit), so that they look
// alike and print on every system, whatever faces it has; the system's own
// faces follow for letters and digits; "Stereometry Text", the same faces
// whole, stands last before the generic family, for a system with no face
// for some letter at all.

#include <string>
#include <string_view>

namespace geometry::web {

// The @font-face rules of both names, regular and bold, shown at once in a
// fallback face and again once loaded (font-display: swap).
std::string signFontFaces();

// A font stack with the signs' face before it and the whole face before its
// generic family: withSigns("system-ui,sans-serif") is
// "\"Stereometry Signs\",system-ui,\"Stereometry Text\",sans-serif".
std::string withSigns(std::string_view stack);

// The characters the signs' face is used for: no letter, digit or ASCII
// sign, as a CSS unicode-range.
std::string_view signRanges();

}  // namespace geometry::web
