// SPDX-License-Identifier: MIT
#include "page_style.h"

#include "drawing_block.h"

#include <cstdio>
#include <sstream>
#include <string_view>

#include "layout.h"
#include "page_markup.h"
#include "sign_fonts.h"

namespace geometry::web {
namespace {

using namespace geometry::layout;

// The colour behind a system role on the page. Grey text is the classic grey
// (128, 128, 128) here, not the desktop's darker one: the cylinder's panel is
// filled with it and its black caption needs a contrast of 4.5:1 (5.3:1 so).
std::string roleColour(SystemColour role) {
    if (role == SystemColour::GrayText) return cssColour(Rgb{128, 128, 128});
    return cssColour(systemColour(role));
}

int px(int twips) { return twipsToPixels(twips); }

// The window's face where the system has it: "Microsoft Sans Serif", the
// outline face Windows and macOS carry of that design. Not "MS Sans Serif"
// itself, which is a bitmap face that cannot follow the browser's zoom.
// Otherwise the face shipped with the page: Liberation Sans, subset and
// renamed, the regular narrowed so that every caption fits (web/fonts.py).
constexpr std::string_view windowFonts = R"("Microsoft Sans Serif","Stereometry Sans",sans-serif)";
// On a phone the system's own face, at sizes made for reading; the signs
// from the page's own (web/sign_fonts.h).
const std::string phoneFonts = withSigns(R"(system-ui,-apple-system,"Segoe UI",Roboto,"Noto Sans",sans-serif)");

std::string fontFaces() {
    std::ostringstream css;
    const struct {
        const char* file;
        const char* weight;
        const char* style;
    } faces[] = {
        {"stereometry-sans-regular", "400", "normal"},
        {"stereometry-sans-bold", "700", "normal"},
        {"stereometry-sans-bolditalic", "700", "italic"},
    };
    // The text shows at once in a fallback face, and again once the face is there.
    for (const auto& face : faces)
        css << "@font-face{font-family:\"Stereometry Sans\";src:url(fonts/" << face.file
            << ".woff2) format(\"woff2\");font-weight:" << face.weight << ";font-style:" << face.style
            << ";font-display:swap}\n";
    css << signFontFaces();
    return css.str();
}

// The message box's icons, as a URL's data: the information "i" and the
// warning triangle.
constexpr std::string_view informationIcon =
    "%3Csvg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'%3E"
    "%3Ccircle cx='16' cy='16' r='15' fill='%230063b1'/%3E"
    "%3Crect x='14' y='13' width='4' height='12' fill='%23fff'/%3E"
    "%3Ccircle cx='16' cy='8.5' r='2.3' fill='%23fff'/%3E%3C/svg%3E";
constexpr std::string_view warningIcon =
    "%3Csvg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'%3E"
    "%3Cpath d='M16 2.5L30.5 29H1.5Z' fill='%23fc0' stroke='%23000' stroke-width='1.5' stroke-linejoin='round'/%3E"
    "%3Crect x='14.5' y='10' width='3' height='11' fill='%23000'/%3E"
    "%3Ccircle cx='16' cy='24.5' r='1.8' fill='%23000'/%3E%3C/svg%3E";

// The look of the classic Windows controls in the system colours, in both
// layouts: raised buttons, sunken fields, each panel in its colour.
std::string sharedRules() {
    const std::string face = roleColour(SystemColour::ButtonFace);
    const std::string highlight = roleColour(SystemColour::ButtonHighlight);
    const std::string shadow = roleColour(SystemColour::ButtonShadow);
    const std::string darkShadow = roleColour(SystemColour::ButtonDarkShadow);
    const std::string light = roleColour(SystemColour::ButtonLight);
    const std::string buttonText = roleColour(SystemColour::ButtonText);
    const std::string windowText = roleColour(SystemColour::WindowText);
    const std::string raised = "inset -1px -1px " + darkShadow + ",inset 1px 1px " + highlight +
                               ",inset -2px -2px " + shadow + ",inset 2px 2px " + light;
    const std::string sunken = "inset 1px 1px " + shadow + ",inset -1px -1px " + highlight +
                               ",inset 2px 2px " + darkShadow + ",inset -2px -2px " + light;
    const std::string pressed = "inset 1px 1px " + darkShadow + ",inset -1px -1px " + highlight +
                                ",inset 2px 2px " + shadow + ",inset -2px -2px " + light;
    std::ostringstream css;
    css << fontFaces() << "html{background:" << cssColour(form1Window().background)
        << ";-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
        << "body{margin:0}\n"
        << "#Form1{color:" << buttonText << ";-webkit-user-select:none;user-select:none}\n"
        << "#Form1 :is(h1,h2,.l,.t,.b,.i,.shown){box-sizing:border-box;margin:0;padding:0;border:0;font:inherit}\n"
        << ".t{background:" << roleColour(SystemColour::Window) << ";color:" << windowText << ";box-shadow:" << sunken
        << ";border-radius:0;touch-action:manipulation;-webkit-user-select:text;user-select:text}\n"
        // Fields show where the focus is, as buttons do.
        << ".t:focus{outline:2px solid " << roleColour(SystemColour::Highlight) << ";outline-offset:-2px}\n"
        << ".t::selection{background:" << roleColour(SystemColour::Highlight)
        << ";color:" << roleColour(SystemColour::HighlightText) << "}\n"
        // A result field too narrow for its number shows it rounded, drawn over
        // the field's own text while the field has no focus (web/page.js).
        << ".t.rounded:not(:focus){color:transparent}\n"
        << ".shown{display:none;pointer-events:none;white-space:pre;overflow:hidden;color:" << windowText << "}\n"
        << ".t.rounded:not(:focus)+.shown{display:block}\n"
        << ".b{background:" << face << ";box-shadow:" << raised
        << ";text-align:center;white-space:nowrap;overflow:hidden;touch-action:manipulation;border-radius:0}\n"
        << ".b:active{box-shadow:" << pressed << "}\n"
        << ".b:focus-visible{outline:1px dotted " << buttonText << ";outline-offset:-4px}\n"
        << ".i{pointer-events:none}\n"
        << ".sol{-webkit-user-select:text;user-select:text;white-space:pre-wrap;color:" << windowText << "}\n"
        << ".sol:empty,#Printed{display:none}\n"
        << ".sol span{white-space:nowrap}\n"
        << "#Announcement{position:absolute;left:0;top:0;width:1px;height:1px;overflow:hidden;clip-path:inset(50%)}\n"
        << "footer{padding:8px 12px 16px}\n"
        << "footer a,.task{color:#00007a}\n"
        // Each link whole on its line: one broken over two reads out of order;
        // each at least 24 pixels high, a target a finger or a shaking hand hits.
        << "footer a{display:inline-block;min-height:24px;line-height:24px}\n"
        << ".task[hidden]{display:none}\n"
        // The message box: a title bar, the icon, the text and one OK button.
        << "dialog{padding:0;border:1px solid " << darkShadow << ";background:" << face << ";color:" << buttonText
        << ";font:12px/16px " << windowFonts << ";min-width:240px;max-width:min(440px,92vw)}\n"
        << "dialog::backdrop{background:transparent}\n"
        << "#MessageTitle{margin:0;padding:4px 8px;background:" << highlight << ";font:inherit}\n"
        << "#MessageBody{display:flex;gap:12px;align-items:flex-start;padding:16px 16px 12px}\n"
        << "#MessageIcon{flex:none;width:32px;height:32px}\n"
        << "dialog.information #MessageIcon{background:url(\"data:image/svg+xml," << informationIcon << "\")}\n"
        << "dialog.warning #MessageIcon{background:url(\"data:image/svg+xml," << warningIcon << "\")}\n"
        << "#MessageText{margin:6px 0 0;white-space:pre-wrap}\n"
        << "#MessageButtons{margin:0;padding:0 16px 12px;text-align:right}\n"
        << "#MessageOK{min-width:75px;height:23px;font:inherit;background:" << face << ";border:0;box-shadow:"
        << raised << ";border-radius:0;color:" << buttonText << "}\n"
        << "#MessageOK:focus-visible{outline:1px dotted " << buttonText << ";outline-offset:-4px}\n";
    for (const ControlRow& row : form1Controls())
        if (row.kind == ControlKind::Panel)
            css << "#" << row.name << ",#" << solutionId(row) << "{background:"
                << roleColour(row.background.value_or(SystemColour::ButtonFace)) << "}\n";
    return css.str();
}

std::string place(const ControlRow& row) {
    std::ostringstream rule;
    rule << "{left:" << px(row.left) << "px;top:" << px(row.top) << "px;width:" << px(row.width)
         << "px;height:" << px(row.height) << "px}";
    return rule.str();
}

// Every control where the window description puts it, relative to its panel
// or the window; the solutions in the flow under the window, never over it.
std::string windowRules() {
    const WindowDescription& window = form1Window();
    const std::string shadow = roleColour(SystemColour::ButtonShadow);
    const std::string highlight = roleColour(SystemColour::ButtonHighlight);
    std::ostringstream css;
    css << "#Form1{position:relative;width:" << px(window.clientWidth) << "px;padding-top:" << px(window.clientHeight)
        << "px;font:11px/13px " << windowFonts << "}\n"
        << "#Caption{position:absolute;left:0;top:0;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);"
        << "white-space:nowrap}\n"
        << "#Form1 :is(.p,.pc,.l,.t,.b,.i,.shown){position:absolute}\n"
        << ".ps,.rw,.pics,.e{display:contents}\n"
        << "#Figures{display:none}\n"
        // A panel: its caption set into the top edge of an etched frame.
        << ".p::before{content:\"\";position:absolute;left:0;top:6px;right:1px;bottom:1px;border:1px solid " << shadow
        << ";box-shadow:1px 1px " << highlight << ",inset 1px 1px " << highlight << "}\n"
        << "#Form1 .pc{left:7px;top:0;padding:0 2px;background:inherit;white-space:nowrap}\n"
        << ".l{background:" << roleColour(SystemColour::ButtonFace) << ";overflow:hidden}\n"
        << ".c{text-align:center}\n"
        << "#Form1 .t{padding:0 2px 0 3px;z-index:1}\n"
        << "#Form1 .shown{z-index:2;padding:0 2px 0 3px}\n"
        << "#Form1 .b:active{padding:1px 0 0 1px}\n"
        << "#Form1 .lb{font:bold 16px/19px " << windowFonts << "}\n"
        << "#Form1 .ci{font:italic bold 13px/15px " << windowFonts << "}\n"
        << ".sol{margin:8px 8px 0;padding:4px 8px 6px;font:13px/18px " << windowFonts << ";border:1px solid " << shadow
        << "}\n"
        << ".sol::before{display:block;font-weight:bold}\n"
        << "footer{width:" << px(window.clientWidth) - 24 << "px;font:13px/18px " << windowFonts << "}\n"
        << ".task{display:block;width:max-content;margin:2px 8px 0 auto;font:13px/18px " << windowFonts << "}\n";
    for (const ControlRow& row : form1Controls()) {
        if (row.kind == ControlKind::Panel)
            css << "#" << solutionId(row) << "::before{content:" << quotedString(row.caption) << "}\n";
        if (isResultField(row))
            css << "#" << row.name << ",#" << row.name << "+.shown" << place(row) << "\n#" << row.name
                << "+.shown{line-height:" << px(row.height) << "px}\n";
        else
            css << "#" << row.name << place(row) << "\n";
    }
    return css.str();
}

// The page for fingers, and the ground of the printout. One column: each panel
// a card with its caption as a heading, its pictures, each input beside its
// label (above it where both would not fit on a line), "пресметни", each
// result beside its label, "изчисти" and the solution; fields and buttons at
// least 44 pixels square, down to a 180-pixel screen.
std::string phoneRules() {
    const std::string shadow = roleColour(SystemColour::ButtonShadow);
    std::ostringstream css;
    css << "#Form1{max-width:30rem;margin:0 auto;padding:8px 8px 4px;font:16px/1.35 " << phoneFonts << "}\n"
        << "#Form1 #Caption{font:bold 1.25rem/1.3 " << phoneFonts << ";text-align:center;margin:4px 0 2px}\n"
        // The figures in one row, or in two where six do not fit.
        << "#Figures{display:grid;grid-template-columns:repeat(auto-fit,minmax(44px,1fr));gap:4px;margin-top:8px}\n"
        << "#Figures a{height:52px;display:flex;align-items:center;justify-content:center;"
        << "background:" << roleColour(SystemColour::Window) << ";border:1px solid " << shadow << ";border-radius:6px}\n"
        << "#Figures img{max-width:40px;max-height:44px;width:auto;height:auto}\n"
        << ".p{position:relative;margin-top:12px;padding:10px 10px 12px;border:1px solid " << shadow
        << ";border-radius:6px}\n"
        << ".p:has(+.sol:not(:empty)){border-radius:6px 6px 0 0}\n"
        << "#Form1 .pc{font:bold 1.125rem/1.3 " << phoneFonts << "}\n"
        << ".pics{display:flex;flex-wrap:wrap;align-items:flex-end;gap:12px;margin:8px 0 4px}\n"
        // A label takes what its field leaves of the line; where the two need
        // more than the line, the field goes under its label, as wide as the line.
        << ".e{display:flex;flex-wrap:wrap;align-items:center;gap:4px 8px;margin-top:8px}\n"
        << "#Form1 .l{flex:1000 1 7.5rem;min-width:0;font-size:15px;line-height:1.3;overflow-wrap:break-word}\n"
        << "#Form1 .f{margin-top:12px;font-weight:bold}\n"
        << "#Form1 .t,.rw{flex:1 1 9.5em;min-width:0;height:44px}\n"
        << "#Form1 .t{padding:0 6px;font-size:16px}\n"
        << ".rw{position:relative}\n"
        << "#Form1 .rw .t{width:100%;height:100%}\n"
        << "#Form1 .shown{position:absolute;inset:0;padding:0 6px;line-height:44px;font-size:16px}\n"
        << "#Form1 .b{display:block;width:100%;min-height:44px;margin-top:12px;padding:8px;font-size:16px;"
        << "font-weight:bold;white-space:normal}\n"
        << "#Form1 > .b{min-height:48px}\n"
        << "#Form1 > .l{margin:16px 0 4px;text-align:center;font:italic bold 14px/1.3 " << phoneFonts << "}\n"
        // A line of a solution wraps only between its pieces (web/page.js), never in a number.
        << ".sol{padding:4px 10px 12px;border:1px solid " << shadow
        << ";border-top:0;border-radius:0 0 6px 6px;font-size:15px;line-height:1.45}\n"
        << "footer{max-width:30rem;margin:0 auto;font:15px/1.4 " << phoneFonts << "}\n"
        << "footer a{min-height:44px;line-height:44px}\n"
        << ".task{display:block;min-height:44px;padding:0 10px;line-height:44px;text-align:right;font-size:15px}\n"
        // The message box fits the screen; its text goes under the icon where the two do not fit side by side.
        << "dialog{font-size:16px;line-height:1.4;min-width:min(240px,100vw - 16px)}\n"
        << "#MessageBody{flex-wrap:wrap}\n#MessageText{flex:1 1 9rem}\n"
        << "#MessageOK{min-width:88px;min-height:44px}\n";
    return css.str();
}

// A tablet's touch screen: the cards side by side, two or three to a row.
std::string tabletRules() {
    return "#Form1{max-width:78rem;display:grid;grid-template-columns:repeat(auto-fill,minmax(20rem,1fr));"
           "column-gap:16px;align-items:start}\n"
           "#Form1>:not(.ps){grid-column:1/-1}\n"
           "#Form1>.b{justify-self:center;width:min(100%,30rem)}\n"
           "footer{max-width:78rem}\n";
}

// On paper (A4, upright): the title and the day printed, then each panel that
// holds something (web/page.js marks them) with its fields, its results whole
// and its solution, each kept on one page; no buttons, figures' row, credit or links.
std::string printRules() {
    return "@page{size:A4 portrait;margin:14mm}\n"
           "html{background:none}\n"
           "#Form1{max-width:none;padding:0}\n"
           "#Form1 #Caption{text-align:left;margin:0}\n"
           "#Printed{display:block;margin:2px 0 0;font-size:14px}\n"
           "#Figures,#Form1 .b,#Form1>.l,footer,dialog,.ps:not([data-filled]){display:none}\n"
           ".ps{break-inside:avoid}\n"
           "#Form1 .p{margin-top:8px;padding:6px 10px 8px}\n"
           "#Form1 :is(.p,.sol){background:none}\n"
           "#Form1 .pics{margin:4px 0 0}\n"
           ".e{margin-top:3px}\n"
           "#Form1 .f{margin-top:6px}\n"
           "#Form1 .e .l{flex:0 0 14rem;font-size:13px}\n"
           "#Form1 .t,#Form1 .rw{flex:0 1 18rem;height:26px}\n"
           "#Form1 .t{box-shadow:none;border:1px solid #767676;font-size:14px;outline:none;caret-color:transparent}\n"
           "#Form1 .t.rounded{color:inherit}\n"
           "#Form1 .shown{display:none}\n"
           ".sol{font-size:13px}\n";
}

// High-contrast themes draw no shadows: every field and button keeps an edge
// of its own, and a result shown rounded hides the field's own text still.
std::string forcedColourRules() {
    return "#Form1 :is(.t,.b),#MessageOK{border:1px solid}\n"
           "#Form1 .t.rounded:not(:focus){forced-color-adjust:none;color:transparent;background:Field;"
           "border-color:FieldText;box-shadow:none}\n";
}

// The figure of a panel's solid under its solution, and its net a tap away
// (web/page.js): on the page's light colours in either scheme; on paper only
// when the net alone is printed.
std::string drawingRules() {
    return drawingBlockRules() +
           ".drawings{--drawing-ink:#1f1f1f;--drawing-given:#0b57d0;--drawing-found:#b3261e;--drawing-faint:#6b6b6b;"
           "--drawing-paper:#fff;margin:4px 8px 8px;padding:4px 0;background:#fff;color:#1f1f1f;"
           "border:1px solid " + roleColour(SystemColour::ButtonShadow) + "}\n"
           ".drawings[hidden]{display:none}\n"
           ".net{padding:0 8px}\n.net summary{color:#00007a}\n"
           "@media " + windowLayoutQuery() + "{.drawings{width:max-content;max-width:" +
           std::to_string(px(form1Window().clientWidth) - 16) + "px;font:13px/18px " + std::string(windowFonts) +
           "}}\n"
           "@media " + touchLayoutQuery() + "{.drawings{margin:8px 0 0;border-radius:6px}}\n"
           "@media print{html:not([data-printing]) .drawings{display:none!important}\n" + drawingPrintRules() + "}\n";
}

}  // namespace

std::string cssColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string quotedString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string windowLayoutQuery() {
    const std::string fits = "screen and (min-width:" + std::to_string(px(form1Window().clientWidth)) + "px)";
    return fits + " and (pointer:fine), " + fits + " and (pointer:none)";
}

std::string touchLayoutQuery() {
    return "screen and (max-width:" + std::to_string(px(form1Window().clientWidth) - 1) +
           ".98px), screen and (pointer:coarse), print";
}

std::string styleSheet() {
    return sharedRules() + "@media " + windowLayoutQuery() + "{\n" + windowRules() + "}\n@media " +
           touchLayoutQuery() + "{\n" + phoneRules() +
           "}\n@media screen and (pointer:coarse) and (min-width:700px) and (min-height:600px){\n" + tabletRules() +
           "}\n@media print{\n" + printRules() + "}\n@media (forced-colors:active){\n" + forcedColourRules() + "}\n" +
           drawingRules();
}

}  // namespace geometry::web
