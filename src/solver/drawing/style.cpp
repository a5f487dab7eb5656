// SPDX-License-Identifier: MIT
#include "style.h"

#include "drawing.h"

namespace solver::drawing {
namespace {

struct InkColour {
    const char* name;
    const char* light;
};
// Light-scheme colours, each at least 4.5:1 on white, in the order of Ink.
constexpr InkColour inkColours[] = {
    {"ink", "#1f1f1f"}, {"given", "#0b57d0"}, {"found", "#b3261e"}, {"faint", "#6b6b6b"}};

}  // namespace

const char* inkColour(Ink ink) { return inkColours[int(ink)].light; }
const char* inkName(Ink ink) { return inkColours[int(ink)].name; }

std::string figureCss() {
    const std::string r = ".stereometry-figure";
    std::string css = "\n" + r + "{";
    for (const InkColour& ink : inkColours)
        css += std::string("--sf-") + ink.name + ":var(--drawing-" + ink.name + "," + ink.light + ");";
    css += "--sf-paper:var(--drawing-paper,#fff)}\n";
    css += "@media (prefers-color-scheme:dark){" + r +
           "{--sf-ink:var(--drawing-ink,#e3e3e3);--sf-given:var(--drawing-given,#a8c7fa);"
           "--sf-found:var(--drawing-found,#f2b8b5);--sf-faint:var(--drawing-faint,#a8a8a8);"
           "--sf-paper:var(--drawing-paper,#1f1f1f)}}\n";
    css += "@media (forced-colors:active){" + r +
           "{forced-color-adjust:none;--sf-ink:CanvasText;--sf-given:LinkText;--sf-found:Highlight;"
           "--sf-faint:GrayText;--sf-paper:Canvas}}\n";
    css += r + " .paper{fill:var(--sf-paper)}\n";
    css += r + " :is(.edges,.hidden-edges,.marks){stroke:var(--sf-ink)}\n";
    css += r + " .given-lines{stroke:var(--sf-given)}" + r + " .found-lines{stroke:var(--sf-found)}" + r +
           " .faint-lines{stroke:var(--sf-faint)}\n";
    css += r + " .section-given{fill:var(--sf-given)}" + r + " .section-found{fill:var(--sf-found)}" + r +
           " .dots{fill:var(--sf-ink)}\n";
    css +=
        r +
        " text{fill:var(--sf-ink);stroke:var(--sf-paper);stroke-width:4px;stroke-linejoin:round;paint-order:stroke}\n";
    css += r + " .given{fill:var(--sf-given)}" + r + " .found{fill:var(--sf-found)}" + r +
           " .faint{fill:var(--sf-faint)}\n";
    return css;
}

std::string netCss() {
    return "\n@media (forced-colors:active){.stereometry-net{forced-color-adjust:none}"
           ".stereometry-net .paper,.stereometry-net .face{fill:Canvas}"
           ".stereometry-net .cut,.stereometry-net .fold,.stereometry-net .mark{stroke:CanvasText}"
           ".stereometry-net .tab{fill:GrayText}.stereometry-net text{fill:CanvasText}}\n";
}

std::string drawingStylesheet() { return figureCss() + netCss(); }

}  // namespace solver::drawing
