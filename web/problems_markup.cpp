// SPDX-License-Identifier: MIT
#include "problems_markup.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "content_hash.h"
#include "drawing_block.h"
#include "layout.h"
#include "page_markup.h"
#include "problems_style.h"
#include "engine/solids.h"
#include "wording/line_breaks.h"
#include "reader/read_and_solve.h"
#include "task/task_sheet.h"

namespace geometry::web {
namespace {

using solver::Dimension;
using solver::QuantityRow;
using solver::SolidRow;

constexpr std::string_view title = "Задачи по стереометрия";
constexpr std::string_view description =
    "Решава задачи по стереометрия от дадените величини: куб, паралелепипед, призма, пирамида, многоъгълник, "
    "цилиндър, конус, кълбо, пресечен конус и пресечена пирамида, точно (15π, 4√3) и приближено, с решението стъпка по стъпка.";

// Each solid's picture, the one its registration row names.
std::string_view pictureOf(const SolidRow& solid) {
    return solid.registration ? solid.registration->picture : std::string_view();
}

std::string_view dimensionName(Dimension dimension) {
    switch (dimension) {
    case Dimension::Count: return "count";
    case Dimension::Length: return "length";
    case Dimension::Area: return "area";
    case Dimension::Volume: return "volume";
    case Dimension::Angle: return "angle";
    case Dimension::Ratio: return "ratio";
    case Dimension::Mass: return "mass";
    case Dimension::Money: return "money";
    case Dimension::MassPerVolume: return "density";
    case Dimension::MoneyPerArea: return "price-per-area";
    case Dimension::MoneyPerVolume: return "price-per-volume";
    }
    return {};
}

// What the page may load: its own inline script and stylesheet by their
// hashes, the solver's module, and the site's own pictures and files.
std::string securityPolicy(const std::string& style, const std::string& script) {
    return "default-src 'none'; script-src " + sha256Source(script) + " 'wasm-unsafe-eval'; style-src " + sha256Source(style) +
           "; img-src 'self'; font-src 'self'; manifest-src 'self'; worker-src 'self'; connect-src 'self'; base-uri 'none'; "
           "form-action 'none'";
}

void writeHead(std::ostream& html, const std::string& style, const std::string& script) {
    html << "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
         // The keys π and √ stay above a phone's keyboard: the page is laid
         // out in what the keyboard leaves.
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, interactive-widget=resizes-content\">\n"
         << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << securityPolicy(style, script) << "\">\n"
         << "<title>" << title << "</title>\n"
         << "<meta name=\"description\" content=\"" << escaped(description) << "\">\n"
         << "<meta name=\"color-scheme\" content=\"light dark\">\n"
         << "<meta name=\"theme-color\" content=\"" << themeColour(false) << "\" media=\"(prefers-color-scheme: light)\">\n"
         << "<meta name=\"theme-color\" content=\"" << themeColour(true) << "\" media=\"(prefers-color-scheme: dark)\">\n"
         << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
         << "<link rel=\"icon\" href=\"icons/icon.svg\" type=\"image/svg+xml\">\n"
         << "<link rel=\"apple-touch-icon\" href=\"icons/icon-192.png\">\n"
         // The module, asked for while the page is still read.
         << "<link rel=\"preload\" href=\"solver.wasm\" as=\"fetch\" type=\"application/wasm\" crossorigin>\n"
         << "<style>" << style << "</style>\n</head>\n";
}

// The solids offered by their pictures, each its name and picture, as one
// group of radio buttons: the calculator's picture at the size the calculator
// shows it, or one of the solid's own at the size its row gives.
void writeSolidChoice(std::ostream& html) {
    html << "<fieldset id=\"solids\">\n<legend>Тяло</legend>\n<div class=\"solid-list\">\n";
    const auto solids = solver::pictured();
    for (const SolidRow* solid : solids) {
        const std::string_view picture = pictureOf(*solid);
        html << "<label class=\"solid\"><input type=\"radio\" name=\"solid\" id=\"solid-" << solid->key << "\" value=\""
             << solid->key << "\"" << (solid == solids.front() ? " checked" : "") << ">";
        if (!picture.empty()) {
            const layout::ControlRow* calculators = layout::findControl(picture);
            const solver::PictureSize own = solid->registration->pictureSize;
            html << "<img src=\"pictures/" << picture << ".svg\" width=\""
                 << (calculators ? layout::twipsToPixels(calculators->width) : own.width) << "\" height=\""
                 << (calculators ? layout::twipsToPixels(calculators->height) : own.height) << "\" alt=\"\">";
        }
        html << "<span>" << escaped(solver::hyphenated(solver::pictureName(*solid))) << "</span></label>\n";
    }
    html << "</div>\n";
    // A prism's or a pyramid's base of another shape (the polygon's other
    // figures): shown under the pictures while its solid is chosen.
    for (const SolidRow* solid : solids) {
        const auto variants = solver::variantsOf(*solid);
        if (variants.size() < 2) continue;
        html << "<div class=\"setting base-choice\" id=\"base-choice-" << solid->key << "\" data-family=\"" << solid->key
             << "\"" << (solid == solids.front() ? "" : " hidden") << "><label for=\"base-" << solid->key << "\">"
             << solver::variantsCaption(*solid) << "</label><select id=\"base-" << solid->key << "\" data-family=\""
             << solid->key << "\">";
        for (const SolidRow* variant : variants)
            html << "<option value=\"" << variant->key << "\">" << escaped(solver::variantName(*variant)) << "</option>";
        html << "</select></div>\n";
    }
    html << "</fieldset>\n";
}

void writeSelect(std::ostream& html, std::string_view id, std::string_view label,
                 const std::vector<std::pair<std::string, std::string>>& options, std::string_view chosen) {
    html << "<div class=\"setting\"><label for=\"" << id << "\">" << label << "</label><select id=\"" << id
         << "\" aria-describedby=\"note-" << id << "\">";
    for (const auto& [value, text] : options)
        html << "<option value=\"" << value << "\"" << (value == chosen ? " selected" : "") << ">" << text << "</option>";
    html << "</select></div>\n";
}

// The unit of the givens typed without one and of the results, π and the
// digits shown; under them, what is wrong with one the address gave.
void writeSettings(std::ostream& html) {
    html << "<div id=\"settings\">\n";
    // „като в данните“, as the window says: the results in the unit of the first given that has one.
    std::vector<std::pair<std::string, std::string>> units;
    for (const solver::UnitChoice& choice : solver::unitChoices())
        units.emplace_back(choice.unit ? std::string(solver::unitSymbol(*choice.unit)) : "", choice.label);
    writeSelect(html, "unit", "Мерна единица", units, "");
    writeSelect(html, "pi", "Число π", {{"exact", "точно"}, {"3.14", "3,14"}, {"3.141592", "3,141592"}}, "exact");
    std::vector<std::pair<std::string, std::string>> grades;
    for (const solver::GradeChoice& choice : solver::gradeChoices())
        grades.emplace_back(choice.grade > 0 ? std::to_string(choice.grade) : "", choice.label);
    writeSelect(html, "grade", solver::caption::grade, grades, "");
    std::vector<std::pair<std::string, std::string>> digits;
    for (int count = 0; count <= 12; ++count) digits.emplace_back(std::to_string(count), std::to_string(count));
    writeSelect(html, "digits", "Цифри след запетаята", digits, "2");
    for (const std::string_view id : {"unit", "pi", "grade", "digits"})
        html << "<span id=\"note-" << id << "\" class=\"note\"></span>\n";
    html << "</div>\n";
}

// A quantity's row: its letter and name, its field, and the note the field's
// description points to. The notes are no live regions: the results are
// announced once, together, when the typing stops.
void writeQuantity(std::ostream& html, const SolidRow& solid, const QuantityRow& quantity) {
    const std::string id = std::string(solid.key) + "-" + std::string(quantity.key);
    html << "<div class=\"q\" id=\"row-" << id << "\" data-dimension=\"" << dimensionName(quantity.dimension)
         << "\">\n<label for=\"" << id << "\"><b class=\"letter\">" << quantity.key << "</b> " << escaped(quantity.name)
         << "</label>\n<span class=\"field\"><input id=\"" << id << "\" type=\"text\" inputmode=\"decimal\" "
         << "autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" spellcheck=\"false\" "
         << "enterkeyhint=\"go\" aria-describedby=\"note-" << id << "\"><span class=\"unit\"></span></span>\n"
         << "<span id=\"note-" << id << "\" class=\"note\"></span>\n</div>\n";
}

// Under a solid's own fields, closed until wanted, those a task of use or of
// the sums of edges gives: the fill and the litres, a mass, a cost, the sums.
// An empty one adds nothing to the task.
void writeUses(std::ostream& html, const SolidRow& solid) {
    std::vector<const QuantityRow*> uses;
    for (const QuantityRow& quantity : solver::withUses(solid).quantities)
        if (solver::isUseKey(solid, quantity.key)) uses.push_back(&quantity);
    if (uses.empty()) return;
    html << "<details class=\"uses\" id=\"uses-" << solid.key << "\">\n<summary>" << solver::caption::moreQuantities << "</summary>\n";
    for (const QuantityRow* quantity : uses) writeQuantity(html, solid, *quantity);
    html << "</details>\n";
}

void writeQuantities(std::ostream& html) {
    bool first = true;
    std::vector<const SolidRow*> solids;
    for (const SolidRow* offered : solver::pictured())
        for (const SolidRow* variant : solver::variantsOf(*offered)) solids.push_back(variant);
    // Any body of two solids no picture offers, which a task's text reaches: fields of its own.
    for (const SolidRow* body : solver::composedBodies())
        if (std::find(solids.begin(), solids.end(), body) == solids.end()) solids.push_back(body);
    for (const SolidRow* each : solids) {
        const SolidRow& solid = *each;
        html << "<fieldset class=\"quantities\" id=\"fields-" << solid.key << "\" data-solid=\"" << solid.key << "\""
             << (first ? "" : " hidden") << ">\n<legend>Величините " << escaped(solid.genitive) << "</legend>\n";
        for (const QuantityRow& quantity : solid.quantities) writeQuantity(html, solid, quantity);
        writeUses(html, solid);
        html << "</fieldset>\n";
        first = false;
    }
}

// „реши“, and before it the keys that a phone's keyboard for numbers lacks,
// and most desktops' too.
void writeActions(std::ostream& html) {
    html << "<div id=\"actions\"><div id=\"keys\" role=\"group\" aria-label=\"Знаци, които клавиатурата няма\">"
         << "<button type=\"button\" class=\"key\" data-insert=\"π\" aria-label=\"пи\">π</button>"
         << "<button type=\"button\" class=\"key\" data-insert=\"√\" aria-label=\"корен квадратен\">√</button>"
         << "<button type=\"button\" class=\"key\" data-insert=\"/\" aria-label=\"дробна черта\">/</button></div>"
         << "<button id=\"solve\" type=\"submit\">реши</button></div>\n";
}

// The task as printed, pasted or typed (or scanned from a photo by a phone's
// keyboard): what it reads as fills the fields below; under the box, what was
// read and the words not understood.
void writeTextTask(std::ostream& html) {
    html << "<div id=\"text-task\">\n<label for=\"task-text\">" << solver::reader::pasteCaption << "</label>\n"
         << "<textarea id=\"task-text\" rows=\"2\" autocomplete=\"off\" autocapitalize=\"sentences\" spellcheck=\"false\" "
         << "placeholder=\"Правилна четириъгълна пирамида има основен ръб 16 cm и околна повърхнина 320 cm². "
         << "Намерете обема ѝ.\" aria-describedby=\"text-read text-unread\"></textarea>\n"
         << "<p id=\"text-read\" class=\"read\"></p>\n<p id=\"text-unread\" class=\"message\" hidden></p>\n</div>\n";
}

// The solutions' place, and the markup each solution and value is made from.
void writeSolutions(std::ostream& html) {
    html << "<section id=\"solutions\" aria-labelledby=\"solutions-title\">\n"
         << "<h2 id=\"solutions-title\">Решение</h2>\n<p id=\"summary\"></p>\n</section>\n"
         << "<template id=\"solution-template\"><article class=\"solution\"><h3></h3><div class=\"solved\">"
         << "<dl class=\"values\"></dl>";
    writeDrawingBlock(html, "", "Чертеж");
    html << "</div><h4>Как се намира</h4><ol class=\"steps\"></ol></article></template>\n"
         << "<template id=\"value-template\"><div class=\"value\"><dt><b class=\"letter\"></b> <span></span></dt>"
         << "<dd><span class=\"shown\"></span> <span class=\"given-mark\">дадено</span>"
         << "<span class=\"asked-mark\">" << solver::reader::askedMark << "</span></dd></div></template>\n";
}

}  // namespace

std::string problemsPage(const std::string& script) {
    const std::string style = "\n" + problemsStyleSheet();
    std::ostringstream html;
    writeHead(html, style, script);
    html << "<body>\n<header>\n<h1>" << title << "</h1>\n<nav aria-label=\"Страниците\"><a href=\"./\">Калкулатор</a>"
         << "<a href=\"listove.html\">Листове</a><a href=\"guide.html#задачи-по-стереометрия\">Ръководство</a></nav>\n</header>\n<main>\n"
         << "<p id=\"intro\">Изберете тялото и въведете каквото дава задачата. Решението се появява, докато пишете.</p>\n"
         << "<form id=\"task\" novalidate>\n";
    writeTextTask(html);
    writeSolidChoice(html);
    html << "<div id=\"given\">\n";
    writeSettings(html);
    writeQuantities(html);
    html << "<p id=\"task-message\" class=\"message\" hidden></p>\n";
    writeActions(html);
    html << "</div>\n</form>\n";
    writeSolutions(html);
    html << "<div id=\"announcement\" role=\"status\" aria-live=\"polite\"></div>\n</main>\n";
    html << "<noscript><p class=\"message\">Задачите се решават от скрипта на страницата: разрешете JavaScript.</p></noscript>\n";
    html << "<script>" << script << "</script>\n";
    html << "</body>\n</html>\n";
    return html.str();
}

}  // namespace geometry::web
