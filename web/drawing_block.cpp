// SPDX-License-Identifier: MIT
#include "drawing_block.h"

#include "sign_fonts.h"

#include "drawing.h"

namespace geometry::web {

void writeDrawingBlock(std::ostream& html, std::string_view id, std::string_view label) {
    html << "<div class=\"drawings\"";
    if (!id.empty()) html << " id=\"" << id << "\" hidden";
    html << "><div class=\"figure\" role=\"group\" aria-label=\"" << label << "\"></div>"
         << "<details class=\"net\"><summary>Развивка</summary><p class=\"net-message\" hidden></p>"
         << "<div class=\"net-sheet\"></div>"
         << "<button type=\"button\" class=\"print-net\">Печат на развивката</button></details></div>\n";
}

std::string drawingBlockRules() {
    // The figure about 320 pixels wide, smaller only where the screen is: its
    // labels, 15 pixels at full size, stay at 12 or more on a 320-pixel phone.
    return solver::drawing::drawingStylesheet() +
           ".drawings{margin:8px 0 4px}\n"
           // The labels in the faces they are measured for (DejaVu Sans's
           // widths), signs and all, on every system.
           ".stereometry-figure,.stereometry-net{font-family:" + withSigns("sans-serif") + "}\n"
           ".figure svg{display:block;max-width:100%;height:auto;margin:0 auto}\n"
           ".figure:empty{display:none}\n"
           ".net summary{display:flex;align-items:center;min-height:44px;padding:0 8px;cursor:pointer;"
           "font-weight:600;width:max-content;max-width:100%}\n"
           ".net-sheet:not(:empty){margin:4px 0 8px;overflow:auto;background:#fff;border:1px solid #767676}\n"
           ".net-sheet svg{display:block;width:100%;height:auto}\n"
           ".net-sheet:empty+.print-net{display:none}\n"
           ".print-net{min-height:44px;padding:0 16px;font:inherit;cursor:pointer}\n"
           "@page net-upright{size:A4 portrait;margin:10mm}\n"
           "@page net-sideways{size:A4 landscape;margin:10mm}\n";
}

std::string drawingPrintRules() {
    // The net's ancestors stay, without anything of their own; all else goes.
    return "html[data-printing=\"net\"] body :not(:has(.printing),.printing,.printing *){display:none!important}\n"
           "html[data-printing=\"net\"] :has(.printing){display:block!important;position:static!important;"
           "margin:0!important;padding:0!important;border:0!important;background:none!important;"
           "box-shadow:none!important;width:auto!important;max-width:none!important;min-height:0!important}\n"
           "html[data-printing=\"net\"] .net-sheet.printing{page:net-upright;margin:0;border:0;overflow:visible}\n"
           "html[data-printing=\"net\"] .net-sheet.printing[data-landscape]{page:net-sideways}\n"
           "html[data-printing=\"net\"] .printing svg{width:auto;height:auto;max-width:none}\n";
}

}  // namespace geometry::web
