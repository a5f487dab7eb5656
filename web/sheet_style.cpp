// SPDX-License-Identifier: MIT
#include "sheet_style.h"

#include <string_view>

#include "drawing.h"
#include "problems_style.h"
#include "sign_fonts.h"

namespace geometry::web {
namespace {

// The system's faces, the signs from the page's own (web/sign_fonts.h).
const std::string fonts = withSigns(R"(system-ui,-apple-system,"Segoe UI",Roboto,"Noto Sans",sans-serif)");

std::string sharedRules() {
    return signFontFaces() + ":root{color-scheme:light dark;" + std::string(schemeColours(false)) +
           "}\n@media (prefers-color-scheme:dark){:root{" + std::string(schemeColours(true)) + "}}\n" +
           "*,::before,::after{box-sizing:border-box}\n"
           "html{background:var(--page);color:var(--text);font:16px/1.45 " +
           std::string(fonts) +
           ";-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
           "body{margin:0}\n"
           "a{color:inherit}\n"
           // The figures' labels in the faces they are measured for, on every system.
           ".stereometry-figure{font-family:" + withSigns("sans-serif") + "}\n"
           ":focus-visible{outline:3px solid var(--focus);outline-offset:2px}\n"
           "header{display:flex;flex-wrap:wrap;align-items:center;justify-content:space-between;gap:0 12px;"
           "max-width:60rem;margin:0 auto;padding:4px 12px}\n"
           "h1{font-size:1.25rem;line-height:1.3;margin:8px 0}\n"
           "header nav{display:flex;flex-wrap:wrap;gap:4px}\n"
           "header nav a{display:inline-flex;align-items:center;min-height:44px;padding:0 8px;font-weight:600}\n"
           // The three links on one line on a phone.
           "@media (max-width:400px){header{padding:4px 8px}header nav{gap:2px}header nav a{padding:0 5px}}\n"
           "@media (max-width:359px){header nav a{font-size:14px}}\n"
           "main{max-width:60rem;margin:0 auto;padding:0 10px 24px}\n"
           "input,select,button{font:inherit;color:inherit}\n"
           "fieldset{border:0;margin:0;padding:0;min-width:0}\n"
           "legend{padding:0;margin:0 0 4px;font-weight:700}\n"
           "[hidden]{display:none!important}\n"
           ".letter{font-style:italic;font-weight:700;font-family:\"Times New Roman\",Georgia,serif;font-size:1.1em}\n"
           "button{min-height:44px;padding:0 14px;border-radius:8px;cursor:pointer;touch-action:manipulation;"
           "background:var(--surface);border:1px solid var(--line)}\n"
           ".message{margin:10px 0 0;padding:8px 10px 8px 28px;border-radius:6px;background:var(--problem-back);"
           "color:var(--problem);border-left:4px solid var(--problem)}\n"
           "#announcement{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);"
           "white-space:nowrap}\n";
}

// The teacher's settings, folded away under their summary for a student.
std::string settingRules() {
    return "#teacher{background:var(--surface);border:1px solid var(--line);border-radius:8px;margin:4px 0 14px}\n"
           "#teacher summary{display:flex;align-items:center;min-height:44px;padding:0 12px;font-weight:700;"
           "cursor:pointer}\n"
           "#teacher[open] summary{border-bottom:1px solid var(--rule)}\n"
           "#settings,#sharing{padding:8px 12px}\n"
           ".solid-list{display:grid;grid-template-columns:repeat(2,minmax(0,1fr));gap:0 8px}\n"
           ".check-box{display:flex;align-items:center;gap:8px;min-height:44px;cursor:pointer}\n"
           ".check-box input{flex:none;width:22px;height:22px;margin:0}\n"
           ".check-box span{min-width:0;overflow-wrap:break-word;hyphens:manual}\n"
           "@media (max-width:359px){.solid-list{grid-template-columns:minmax(0,1fr)}}\n"
           ".setting-note{margin:0 0 8px;font-size:14px;color:var(--muted)}\n"
           ".settings-grid{display:grid;grid-template-columns:repeat(auto-fill,minmax(13rem,1fr));gap:8px 12px;"
           "margin-bottom:4px}\n"
           ".setting{display:flex;flex-direction:column;justify-content:flex-end}\n"
           ".setting label{font-size:14px;line-height:1.25;color:var(--muted);margin-bottom:2px}\n"
           "select,.setting input{width:100%;min-height:44px;padding:0 8px;font-size:16px;background:var(--surface);"
           "border:1px solid var(--line);border-radius:6px}\n"
           ".actions{display:flex;flex-wrap:wrap;gap:8px;margin-top:10px}\n"
           "#make{flex:1 1 12rem;font-size:17px;font-weight:700;background:var(--accent);color:var(--accent-text);"
           "border:2px solid var(--accent)}\n"
           "#sharing{border-top:1px solid var(--rule)}\n"
           "#sharing p{margin:4px 0;overflow-wrap:break-word}\n"
           "#class-link{overflow-wrap:anywhere}\n"
           "#class-link{display:inline-block;min-height:24px}\n"
           "@media (min-width:40rem){.solid-list{grid-template-columns:repeat(4,minmax(0,1fr))}}\n";
}

// The sheet: each task its text, its figure, and a field per asked quantity
// with its check button and the feedback under it.
std::string sheetRules() {
    return "#sheet h2{font-size:1.2rem;margin:8px 0 4px}\n"
           ".student-line{display:none}\n"
           "#sheet-intro{margin:0 0 8px;font-size:15px;color:var(--muted)}\n"
           ".tasks{margin:0;padding-left:1.9em}\n"
           ".task{padding:8px 0 10px;border-bottom:1px solid var(--rule)}\n"
           ".task::marker{font-weight:700}\n"
           ".task-text{margin:0 0 6px;overflow-wrap:break-word}\n"
           ".figure svg{display:block;max-width:min(100%,320px);height:auto;margin:4px 0}\n"
           ".answer{display:grid;grid-template-columns:minmax(0,1fr) auto;grid-template-areas:\"label label\" "
           "\"field check\" \"keys keys\" \"feedback feedback\";align-items:center;gap:2px 8px;padding:4px 0}\n"
           ".answer label{grid-area:label;font-size:15px}\n"
           ".field{grid-area:field;display:flex;align-items:center;gap:4px;min-width:0}\n"
           ".field input{flex:1 1 auto;min-width:0;height:44px;padding:0 8px;font-size:16px;background:var(--surface);"
           "border:1px solid var(--line);border-radius:6px}\n"
           ".unit{flex:none;min-width:2.2em;font-size:14px;color:var(--muted)}\n"
           ".check{grid-area:check;justify-self:start}\n"
           ".feedback{grid-area:feedback;font-size:15px;overflow-wrap:break-word}\n"
           ".feedback p{margin:2px 0}\n"
           ".verdict{font-weight:700}\n"
           ".verdict::before{display:inline-block;width:1.3em}\n"
           ".verdict[data-verdict=\"right\"]{color:var(--given)}\n"
           ".verdict[data-verdict=\"right\"]::before{content:\"✓\"}\n"
           ".verdict[data-verdict=\"wrong\"],.verdict[data-verdict=\"unreadable\"]{color:var(--problem)}\n"
           ".verdict[data-verdict=\"wrong\"]::before{content:\"✗\"}\n"
           ".answer:has(.verdict[data-verdict=\"right\"]) input{border:2px solid var(--given);padding:0 7px}\n"
           ".answer:has(.verdict:not([data-verdict=\"right\"])) input{border:2px solid var(--problem);padding:0 7px}\n"
           ".hint,.answer-note{background:var(--hint-back);padding:4px 8px;border-radius:6px}\n"
           ".steps{margin:2px 0;padding-left:1.6em;line-height:1.5}\n"
           ".work{display:none}\n"
           // π, √ and / under the field being typed in, at any width.
           "#keys{display:flex;gap:6px;grid-area:keys;margin:2px 0}\n"
           "#sheet>#keys{display:none}\n"
           ".key{min-width:52px;font-size:20px}\n"
           ".sheet-actions{justify-content:flex-end}\n"
           "#answer-key{margin-top:18px}\n"
           "#answer-key h2{font-size:1.2rem}\n"
           ".key-tasks{padding-left:1.9em}\n"
           ".key-tasks>li{margin-bottom:8px}\n"
           ".key-answers{list-style:none;margin:0;padding:0;font-weight:600}\n"
           "@media (min-width:40rem){.answer{grid-template-columns:minmax(0,14rem) minmax(0,16rem) auto;"
           "grid-template-areas:\"label field check\" \". keys keys\" \"feedback feedback feedback\"}}\n";
}

std::string forcedColourRules() {
    return "@media (forced-colors:active){\n"
           "button,select,.field input,.setting input,#teacher{border:1px solid CanvasText}\n"
           ".answer:has(.verdict) input{border:3px double CanvasText}\n"
           ".hint,.answer-note,.message{border:1px solid CanvasText}\n"
           "}\n";
}

// On A4: the title with the variant, a line for the name, each task whole
// with room to work under it; the key from a page of its own. Nothing to tap.
std::string printRules() {
    // The foot of each page says which sheet it is (web/sheet.js writes the
    // title into it).
    return "@page{size:A4;margin:14mm 14mm 16mm;@bottom-right{font:9pt " + std::string(fonts) + ";color:#444}}\n"
           "@media print{\n"
           ":root{" + std::string(schemeColours(false)) + "}\n"
           "html{background:#fff;color:#000;font-size:12pt}\n"
           "header,#teacher,#sheet-intro,#announcement,.answers,#keys,.sheet-actions,noscript{display:none!important}\n"
           "main{max-width:none;padding:0}\n"
           "#sheet h2{font-size:15pt;margin:0 0 4mm}\n"
           ".student-line{display:flex;flex-wrap:wrap;align-items:baseline;gap:2mm;margin:0 0 5mm}\n"
           ".blank{display:inline-block;width:70mm;border-bottom:1px solid #000;margin-right:4mm}\n"
           ".blank.short{width:25mm}\n"
           ".task{border:0;padding:0 0 2mm;break-inside:avoid}\n"
           ".task::after{content:\"\";display:block;clear:both}\n"
           // The figure beside the room to work, not above it.
           ".figure{float:right;width:56mm;margin:0 0 2mm 5mm}\n"
           ".figure svg{width:100%;max-width:none;max-height:52mm;margin:0}\n"
           ".work{display:block;height:38mm}\n"
           "#answer-key{break-before:page;margin:0}\n"
           "#answer-key h2{font-size:15pt;margin:0 0 4mm}\n"
           ".key-tasks>li{break-inside:avoid;font-size:11pt}\n"
           ".steps{line-height:1.35}\n"
           "}\n";
}

}  // namespace

std::string sheetStyleSheet() {
    return sharedRules() + settingRules() + sheetRules() + forcedColourRules() + printRules() +
           solver::drawing::drawingStylesheet();
}

}  // namespace geometry::web
