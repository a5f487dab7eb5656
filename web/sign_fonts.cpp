// SPDX-License-Identifier: MIT
#include "sign_fonts.h"

namespace geometry::web {

std::string_view signRanges() {
    // Latin-1's signs (° ± ² ³ · ¹ ½ × ÷ and the no-break space), Greek (α, π),
    // phonetic superscripts, dashes and quotes („ “ – … ), super- and
    // subscripts (⁻ ⁴), letterlike signs (№ ℓ), arrows (⇒), mathematical
    // operators (√ ∛ ≈ − ≤), technical signs, dingbats (✓ ✗).
    return "U+A0-BF,U+D7,U+F7,U+370-3FF,U+1D00-1DBF,U+2010-205E,U+2070-209F,U+2100-214F,U+2190-21FF,"
           "U+2200-22FF,U+2300-23FF,U+2700-27BF";
}

std::string signFontFaces() {
    std::string css;
    const struct {
        std::string_view file, weight;
    } faces[] = {{"stereometry-signs-regular", "400"}, {"stereometry-signs-bold", "700"}};
    for (const auto& face : faces) {
        const std::string source = "src:url(fonts/" + std::string(face.file) + ".woff2) format(\"woff2\");font-weight:" +
                                   std::string(face.weight) + ";font-display:swap";
        css += "@font-face{font-family:\"Stereometry Signs\";" + source + ";unicode-range:" + std::string(signRanges()) +
               "}\n";
        css += "@font-face{font-family:\"Stereometry Text\";" + source + "}\n";
    }
    return css;
}

std::string withSigns(std::string_view stack) {
    const std::size_t lastComma = stack.rfind(',');
    const std::string_view families = lastComma == std::string_view::npos ? std::string_view() : stack.substr(0, lastComma);
    const std::string_view generic = stack.substr(lastComma == std::string_view::npos ? 0 : lastComma + 1);
    return "\"Stereometry Signs\"," + std::string(families) + (families.empty() ? "" : ",") + "\"Stereometry Text\"," +
           std::string(generic);
}

}  // namespace geometry::web
