// SPDX-License-Identifier: MIT
#include "problems_style.h"

#include <sstream>

#include "drawing_block.h"
#include "page_style.h"
#include "sign_fonts.h"
#include "engine/solids.h"

namespace geometry::web {
namespace {

// The system's faces, the signs from the page's own (web/sign_fonts.h).
const std::string fonts = withSigns(R"(system-ui,-apple-system,"Segoe UI",Roboto,"Noto Sans",sans-serif)");

// Each scheme's colours; text on its backgrounds at 4.5:1 at least, edges of
// fields and buttons at 3:1.
constexpr std::string_view lightColours =
    "--page:#fff6ec;--surface:#fff;--text:#1c1b1a;--muted:#57504a;--line:#857565;--rule:#e6d9cb;"
    "--accent:#9a3f00;--accent-text:#fff;--chosen:#ffe6cc;--focus:#1a5fb4;--given:#1d6b24;"
    "--problem:#a1121f;--problem-back:#fdeced;--hint-back:#fff0d6;";
constexpr std::string_view darkColours =
    "--page:#171513;--surface:#24211e;--text:#f2eee9;--muted:#c4bbb1;--line:#94887b;--rule:#3b3631;"
    "--accent:#ffb36b;--accent-text:#1c1b1a;--chosen:#4a3520;--focus:#8cc4ff;--given:#8fd694;"
    "--problem:#ff9ea3;--problem-back:#3b1d1f;--hint-back:#3a2d1c;";

std::string sharedRules() {
    std::ostringstream css;
    css << signFontFaces() << ":root{color-scheme:light dark;" << lightColours << "}\n"
        << "@media (prefers-color-scheme:dark){:root{" << darkColours << "}}\n"
        << "*,::before,::after{box-sizing:border-box}\n"
        << "html{background:var(--page);color:var(--text);font:16px/1.4 " << fonts
        << ";-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
        << "body{margin:0}\n"
        << "a{color:inherit}\n"
        << ":focus-visible{outline:3px solid var(--focus);outline-offset:2px}\n"
        << "header{display:flex;flex-wrap:wrap;align-items:center;justify-content:space-between;gap:0 12px;"
        << "max-width:74rem;margin:0 auto;padding:4px 12px}\n"
        << "h1{font-size:1.25rem;line-height:1.3;margin:8px 0}\n"
        << "header nav{display:flex;flex-wrap:wrap;gap:4px}\n"
        << "header nav a{display:inline-flex;align-items:center;min-height:44px;padding:0 8px;font-weight:600}\n"
        // The three links on one line on a 360-px phone.
        << "@media (max-width:400px){header{padding:4px 8px}header nav{gap:2px}header nav a{padding:0 5px}}\n"
        << "main{max-width:74rem;margin:0 auto;padding:0 8px 24px}\n"
        << "#intro{margin:0 4px 8px;color:var(--muted);font-size:15px}\n"
        << "fieldset{border:0;margin:0;padding:0;min-width:0}\n"
        << "legend{padding:0;margin:0 0 6px;font-weight:700}\n"
        << "input,select,button{font:inherit;color:inherit}\n"
        << "[hidden]{display:none!important}\n";
    return css.str();
}

// The solids: two columns on a phone, each its picture and name.
std::string solidRules() {
    return ".solid-list{display:grid;grid-template-columns:repeat(2,minmax(0,1fr));gap:6px}\n"
           ".solid{position:relative;display:flex;align-items:center;gap:5px;min-height:56px;padding:4px;"
           "background:var(--surface);border:1px solid var(--line);border-radius:8px;cursor:pointer;"
           "-webkit-tap-highlight-color:transparent}\n"
           ".solid input{position:absolute;inset:0;width:100%;height:100%;margin:0;opacity:0;cursor:pointer}\n"
           ".solid img{flex:none;width:auto;height:auto;max-width:34px;max-height:40px;background:#fff;border-radius:4px}\n"
           ".solid span{min-width:0;font-size:14px;line-height:1.2;overflow-wrap:break-word;hyphens:manual}\n"
           // The eleven pictures within a 320 × 640 phone's first screen: the links above on one line.
           "@media (max-width:359px){.solid{min-height:50px}.solid img{max-width:24px}.solid span{font-size:13px}"
           "header{padding:4px 8px}header nav{gap:2px}header nav a{padding:0 5px;font-size:13px}}\n"
           ".solid:has(input:checked){border:2px solid var(--accent);padding:3px;background:var(--chosen);"
           "font-weight:700}\n"
           ".solid:has(input:focus-visible){outline:3px solid var(--focus);outline-offset:2px}\n";
}

// The unit beside each field, as the unit chooser sets it: "cm", "cm²", "cm³".
std::string unitRules() {
    std::ostringstream css;
    const struct {
        std::string_view dimension, power;
    } dimensions[] = {{"length", ""}, {"area", "²"}, {"volume", "³"}};
    for (solver::Unit unit : {solver::Unit::Millimetre, solver::Unit::Centimetre, solver::Unit::Decimetre,
                              solver::Unit::Metre})
        for (const auto& [dimension, power] : dimensions)
            css << "#task[data-unit=\"" << solver::unitSymbol(unit) << "\"] .q[data-dimension=\"" << dimension
                << "\"] .unit::after{content:" << quotedString(std::string(solver::unitSymbol(unit)) + std::string(power))
                << "}\n";
    // The fields of use: a mass in g or kg, a density, a price per area or
    // volume in the unit chosen; a sum of money in лв. with any unit or none.
    const struct {
        std::string_view dimension;
        solver::Dimension of;
    } uses[] = {{"mass", solver::Dimension::Mass},
                {"density", solver::Dimension::MassPerVolume},
                {"price-per-area", solver::Dimension::MoneyPerArea},
                {"price-per-volume", solver::Dimension::MoneyPerVolume}};
    for (solver::Unit unit : {solver::Unit::Millimetre, solver::Unit::Centimetre, solver::Unit::Decimetre,
                              solver::Unit::Metre})
        for (const auto& [dimension, of] : uses)
            css << "#task[data-unit=\"" << solver::unitSymbol(unit) << "\"] .q[data-dimension=\"" << dimension
                << "\"] .unit::after{content:" << quotedString(solver::useUnitSymbol(unit, of)) << "}\n";
    css << ".q[data-dimension=\"money\"] .unit::after{content:"
        << quotedString(solver::useUnitSymbol(std::nullopt, solver::Dimension::Money)) << "}\n"
        << "#task .q[data-dimension=\"money\"] .unit{display:inline}\n"
        // An angle is in degrees whatever the unit of lengths.
        << ".q[data-dimension=\"angle\"] .unit::after{content:\"°\"}\n"
        << "#task .q[data-dimension=\"angle\"] .unit{display:inline}\n";
    return css.str();
}

// A field per quantity: its letter and name, the field and its unit, and
// under them the note: the value found, "дадено", or what is wrong.
std::string fieldRules() {
    return "#given{margin-top:14px}\n"
           "#settings{display:grid;grid-template-columns:repeat(2,minmax(0,1fr));gap:6px;margin-bottom:10px}\n"
           "@media (min-width:30rem){#settings{grid-template-columns:repeat(4,minmax(0,1fr))}}\n"
           ".setting{display:flex;flex-direction:column;justify-content:flex-end}\n"
           ".base-choice{margin-top:8px;max-width:26rem}\n"
           "#settings .note{grid-column:1/-1;grid-row:auto}\n"
           ".setting label{font-size:13px;line-height:1.2;color:var(--muted);margin-bottom:2px}\n"
           "select{width:100%;min-height:44px;padding:0 6px;font-size:16px;background:var(--surface);"
           "border:1px solid var(--line);border-radius:6px}\n"
           ".quantities legend{font-size:1.05rem}\n"
           ".q{display:grid;grid-template-columns:minmax(0,1fr) minmax(0,11.5em);grid-template-areas:\"label field\" "
           "\"note note\";align-items:center;gap:2px 8px;padding:5px 0;border-bottom:1px solid var(--rule)}\n"
           ".q label{grid-area:label;font-size:15px;line-height:1.25}\n"
           ".letter{font-style:italic;font-weight:700;font-family:\"Times New Roman\",Georgia,serif;font-size:1.1em}\n"
           ".field{grid-area:field;display:flex;align-items:center;gap:4px}\n"
           ".field input{flex:1 1 auto;min-width:0;height:44px;padding:0 8px;font-size:16px;background:var(--surface);"
           "border:1px solid var(--line);border-radius:6px}\n"
           ".unit{flex:none;width:2.4em;font-size:14px;color:var(--muted)}\n"
           "#task:not([data-unit]) .unit,#task[data-unit=\"\"] .unit{display:none}\n"
           ".q[data-dimension=\"count\"] .unit{visibility:hidden}\n"
           // A line for each field's note even while it is empty: the rows
           // keep their places as notes come and go with each letter typed.
           ".note{grid-area:note;display:block;min-height:1.4em;font-size:15px;line-height:1.4;overflow-wrap:break-word}\n"
           "#settings .note:empty{display:none}\n"
           ".q[data-state=\"found\"] .note{font-weight:600}\n"
           ".q[data-state=\"given\"] .note{color:var(--given)}\n"
           ".q[data-state=\"given\"] input{border:2px solid var(--given);padding:0 7px}\n"
           ":is(.q,.setting):is([data-state=\"invalid\"],[data-state=\"concerned\"]) :is(input,select){"
           "border:2px solid var(--problem);padding:0 7px}\n"
           ":is(.q[data-state=\"invalid\"],.q[data-state=\"concerned\"]) .note,#settings .note:not(:empty){color:var(--problem);"
           "background:var(--problem-back);padding:4px 8px;border-radius:6px}\n"
           ".q[data-state=\"suggested\"] input{border-style:dashed;border-color:var(--accent)}\n"
           ".q[data-state=\"suggested\"] .note{color:var(--muted);font-style:italic}\n"
           // The fields of use, a click away under the solid's own; their
           // units are longer ("g/cm³", "лв./m²").
           ".uses{margin-top:8px}\n"
           ".uses summary{display:flex;align-items:center;min-height:44px;padding:0 8px;cursor:pointer;"
           "color:var(--accent);border:1px solid var(--line);border-radius:8px;background:var(--surface)}\n"
           ".uses summary:focus-visible{outline:3px solid var(--focus);outline-offset:2px}\n"
           ".uses summary::before{content:\"+\";width:1em;font-weight:700}\n"
           ".uses[open] summary::before{content:\"−\"}\n"
           ".uses .unit{width:auto;min-width:3.9em;white-space:nowrap}\n" +
           unitRules();
}

std::string actionRules() {
    return ".message{margin:10px 0 0;padding:8px 10px;border-radius:6px;background:var(--hint-back);"
           "border-left:4px solid var(--accent)}\n"
           ".message[data-status=\"invalid\"],.message[data-status=\"none\"]{background:var(--problem-back);"
           "border-left-color:var(--problem)}\n"
           "#actions{display:flex;gap:6px;margin-top:12px}\n"
           // π, √ and / under the field being typed in, at any width.
           "#keys{display:flex;gap:6px;justify-content:flex-end}\n"
           ".q #keys{grid-column:1/-1;margin:4px 0 2px}\n"
           "button{min-height:44px;border-radius:8px;cursor:pointer;touch-action:manipulation}\n"
           ".key{min-width:52px;font-size:20px;background:var(--surface);border:1px solid var(--line)}\n"
           "#solve{flex:1 1 auto;padding:0 16px;font-size:17px;font-weight:700;background:var(--accent);"
           "color:var(--accent-text);border:2px solid var(--accent)}\n";
}

std::string solutionRules() {
    return "#solutions{margin-top:18px}\n"
           "#solutions h2{font-size:1.15rem;margin:0 0 4px}\n"
           "#summary{margin:0 0 8px}\n"
           ".solution{background:var(--surface);border:1px solid var(--line);border-radius:8px;padding:8px 12px;"
           "margin-bottom:12px}\n"
           ".solution h3{font-size:1.05rem;margin:0 0 6px}\n"
           ".values{margin:0}\n"
           ".value{display:grid;grid-template-columns:minmax(0,2fr) minmax(0,3fr);gap:8px;padding:3px 0;"
           "border-bottom:1px solid var(--rule)}\n"
           ".value dt{font-size:15px}\n"
           ".value dd{margin:0;overflow-wrap:break-word}\n"
           ".given-mark{display:none;font-size:13px;padding:0 6px;border:1px solid var(--given);border-radius:10px;"
           "color:var(--given);white-space:nowrap}\n"
           ".value.given .given-mark{display:inline-block}\n"
           // The figure beside the values where the solution is wide enough,
           // under them otherwise; the drawings on the card's own colour.
           ".solution{container-type:inline-size;--drawing-paper:var(--surface)}\n"
           "@container (min-width:30rem){.solved{display:grid;grid-template-columns:minmax(0,1fr) minmax(0,17rem);"
           "gap:0 12px;align-items:start}.solved .drawings{margin-top:0}"
           ".solved .value{grid-template-columns:minmax(0,1fr) minmax(0,1fr)}}\n"
           ".net summary{color:var(--accent);border:1px solid var(--line);border-radius:8px;background:var(--surface)}\n"
           ".print-net{background:var(--surface);border:1px solid var(--line)}\n"
           ".net-message{margin:4px 0;color:var(--muted)}\n"
           ".solution h4{font-size:15px;margin:10px 0 4px}\n"
           ".steps{margin:0;padding-left:1.6em;font-size:15px;line-height:1.5}\n"
           ".steps li{overflow-wrap:break-word;margin-bottom:2px}\n"
           "#announcement{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);"
           "white-space:nowrap}\n";
}

// Wide screens: the solids in one row of four above the fields, the
// solutions in a column of their own beside them.
std::string wideRules() {
    return "@media (min-width:56rem){\n"
           "main{display:grid;grid-template-columns:minmax(0,36rem) minmax(0,1fr);grid-template-areas:\"intro intro\" "
           "\"task solutions\";gap:0 28px;align-items:start}\n"
           "#intro{grid-area:intro}\n#task{grid-area:task}\n#solutions{grid-area:solutions;margin-top:0}\n"
           ".solid-list{grid-template-columns:repeat(4,minmax(0,1fr))}\n"
           ".solid{flex-direction:column;justify-content:flex-end;text-align:center;min-height:92px;padding:6px 4px}\n"
           ".solid:has(input:checked){padding:5px 3px}\n"
           // Each note on its field's line, to its right.
           ".q{grid-template-columns:minmax(0,12rem) 11rem minmax(0,1fr);grid-template-areas:\"label field note\"}\n"
           "}\n";
}

// High-contrast themes keep every edge, and the chosen solid and the fields
// with something to say stand out by their edges, not their colours alone.
std::string forcedColourRules() {
    return "@media (forced-colors:active){\n"
           ".solid,.key,#solve,.field input,select,.solution,.uses summary{border:1px solid CanvasText}\n"
           ".solid:has(input:checked){border:3px solid Highlight;padding:2px}\n"
           ":is(.q,.setting):is([data-state=\"invalid\"],[data-state=\"concerned\"]) :is(input,select){border:3px double CanvasText}\n"
           ".message,.note:not(:empty){border:1px solid CanvasText}\n"
           "}\n";
}

// On paper: the solid, the givens and the settings, then each solution with
// its steps; nothing to tap.
std::string printRules() {
    return "@media print{\n"
           ":root{" + std::string(lightColours) + "}\n"
           "html{background:#fff;color:#000;font-size:12pt}\n"
           "header nav,#intro,#actions,#keys,#announcement,.uses summary,.solid:not(:has(input:checked)),.q:not([data-state=\"given\"]):not([data-state=\"invalid\"]):not([data-state=\"concerned\"]){display:none!important}\n"
           "main{display:block;max-width:none;padding:0}\n"
           ".solid-list{display:block}\n"
           ".solid{display:inline-flex;flex-direction:row;min-height:0;border:0;background:none;padding:0!important}\n"
           "#settings{display:flex;gap:16px}\n"
           "select,.field input{border:0!important;min-height:0;height:auto;padding:0!important;background:none;"
           "appearance:none}\n"
           ".q{border:0;padding:1px 0}\n"
           ".solution{border:1px solid #999;break-inside:auto}\n"
           ".value,.steps li{break-inside:avoid}\n"
           // A heading stays with the first lines under it.
           "#solutions h2,#summary,.solution h3,.solution h4{break-after:avoid}\n"
           "html:not([data-printing]) .net{display:none}\n"
           // The figures in their light colours on paper, whatever the screen's scheme.
           ".solution{--drawing-ink:#1f1f1f;--drawing-given:#0b57d0;--drawing-found:#b3261e;--drawing-faint:#6b6b6b;"
           "--drawing-paper:#fff}\n" +
           drawingPrintRules() + "}\n";
}

// The task's text at the top of the form, what was read under it.
std::string textTaskRules() {
    return "#text-task{margin-bottom:12px}\n"
           "#text-task label{display:block;font-weight:700;margin-bottom:2px}\n"
           "#task-text{display:block;width:100%;min-height:64px;padding:6px 8px;font:inherit;font-size:16px;color:inherit;"
           "background:var(--surface);border:1px solid var(--line);border-radius:6px;resize:vertical}\n"
           "#text-read{margin:6px 0 0;font-size:15px;color:var(--given);overflow-wrap:anywhere}\n"
           "#text-read:empty{display:none}\n"
           "#text-unread{font-size:15px}\n"
           ".asked-mark{display:none;font-size:13px;padding:0 6px;border:1px solid var(--accent);border-radius:10px;"
           "color:var(--accent);white-space:nowrap}\n"
           ".value[data-asked] .asked-mark{display:inline-block}\n"
           ".value[data-asked] .shown{font-weight:700}\n"
           "@media (forced-colors:active){#task-text{border:1px solid CanvasText}}\n"
           "@media print{#task-text{border:0;resize:none;min-height:0;height:auto;padding:0}#text-read,#text-unread{"
           "display:none!important}}\n";
}

}  // namespace

std::string_view themeColour(bool dark) { return dark ? "#171513" : "#fff6ec"; }
std::string_view schemeColours(bool dark) { return dark ? darkColours : lightColours; }

std::string problemsStyleSheet() {
    return sharedRules() + solidRules() + fieldRules() + actionRules() + solutionRules() + drawingBlockRules() + wideRules() +
           forcedColourRules() + printRules() + textTaskRules();
}

}  // namespace geometry::web
