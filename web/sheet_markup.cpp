// SPDX-License-Identifier: MIT
#include "sheet_markup.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "content_hash.h"
#include "page_markup.h"
#include "problems_style.h"
#include "sheet_style.h"
#include "engine/solids.h"
#include "task/task_sheet.h"
#include "worksheet/solid_tasks.h"
#include "wording/line_breaks.h"

namespace geometry::web {
namespace {

constexpr std::string_view title = "Листове със задачи по стереометрия";
constexpr std::string_view description =
    "Листове със задачи по стереометрия за клас: преки и обратни задачи за куб, призма, пирамида, цилиндър, конус и "
    "кълбо, варианти А и Б, ключ с отговорите и решенията, отговорите проверени на място.";

using Options = std::vector<std::pair<std::string_view, std::string_view>>;

// What the page may load: its own inline script and stylesheet by their
// hashes, the solver's module, and the site's own files.
std::string securityPolicy(const std::string& style, const std::string& script) {
    return "default-src 'none'; script-src " + sha256Source(script) + " 'wasm-unsafe-eval'; style-src " +
           sha256Source(style) + "; img-src 'self'; font-src 'self'; manifest-src 'self'; worker-src 'self'; connect-src 'self'; " +
           "base-uri 'none'; form-action 'none'";
}

void writeHead(std::ostream& html, const std::string& style, const std::string& script) {
    html << "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << securityPolicy(style, script) << "\">\n"
         << "<title>" << title << "</title>\n"
         << "<meta name=\"description\" content=\"" << escaped(description) << "\">\n"
         << "<meta name=\"color-scheme\" content=\"light dark\">\n"
         << "<meta name=\"theme-color\" content=\"" << themeColour(false) << "\" media=\"(prefers-color-scheme: light)\">\n"
         << "<meta name=\"theme-color\" content=\"" << themeColour(true) << "\" media=\"(prefers-color-scheme: dark)\">\n"
         << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
         << "<link rel=\"icon\" href=\"icons/icon.svg\" type=\"image/svg+xml\">\n"
         << "<link rel=\"apple-touch-icon\" href=\"icons/icon-192.png\">\n"
         << "<style>" << style << "</style>\n</head>\n";
}

void writeSelect(std::ostream& html, std::string_view id, std::string_view label, const Options& options) {
    html << "<div class=\"setting\"><label for=\"" << id << "\">" << label << "</label><select id=\"" << id << "\">";
    for (const auto& [value, text] : options) html << "<option value=\"" << value << "\">" << text << "</option>";
    html << "</select></div>\n";
}

void writeNumber(std::ostream& html, std::string_view id, std::string_view label, int largest) {
    html << "<div class=\"setting\"><label for=\"" << id << "\">" << label << "</label><input id=\"" << id
         << "\" type=\"text\" inputmode=\"numeric\" pattern=\"[0-9]*\" autocomplete=\"off\" data-largest=\"" << largest
         << "\"></div>\n";
}

void writeCheckBox(std::ostream& html, std::string_view id, std::string_view label) {
    html << "<label class=\"check-box\"><input type=\"checkbox\" id=\"" << id << "\"><span>" << label
         << "</span></label>\n";
}

// The teacher's settings; the sheet they make is the page's address.
void writeSettings(std::ostream& html) {
    html << "<details id=\"teacher\">\n<summary>Настройки на листа (за учителя)</summary>\n"
         << "<form id=\"settings\" novalidate>\n<fieldset id=\"solids\">\n<legend>Тела</legend>\n"
         << "<div class=\"solid-list\">\n";
    // The solids offered by their pictures first; the prisms and pyramids on
    // bases of other shapes after them, in a list of their own.
    const auto writeBox = [&](const solver::SolidRow& solid) {
        html << "<label class=\"check-box\"><input type=\"checkbox\" name=\"solids\" id=\"solid-" << solid.key
             << "\" value=\"" << solid.key << "\"><span>" << escaped(solver::hyphenated(solid.name)) << "</span></label>\n";
    };
    // Those set from a grade on (the frustums, from grade 10) in a list of
    // their own: without a tick, a sheet of that grade takes them in too.
    // The bodies of two solids in a list of their own, set only where ticked.
    const auto composed = solver::composedBodies();
    const auto isBody = [&](const solver::SolidRow* solid) {
        return std::find(composed.begin(), composed.end(), solid) != composed.end();
    };
    std::vector<const solver::SolidRow*> offered, bodies;
    for (const solver::SolidRow* solid : solver::worksheet::sheetSolids()) (isBody(solid) ? bodies : offered).push_back(solid);
    int laterGrade = 0;
    for (const solver::SolidRow* solid : offered) {
        if (solid->family.empty() && solver::worksheet::firstGrade(*solid) == 0) writeBox(*solid);
        if (laterGrade == 0) laterGrade = solver::worksheet::firstGrade(*solid);
    }
    html << "</div>\n<p class=\"setting-note\">Без отметка: всички тела от горния списък.</p>\n"
         << "<p class=\"setting-note\" id=\"on-bases\">Призми и пирамиди с други основи:</p>\n"
         << "<div class=\"solid-list on-bases\" role=\"group\" aria-labelledby=\"on-bases\">\n";
    for (const solver::SolidRow* solid : offered)
        if (!solid->family.empty()) writeBox(*solid);
    html << "</div>\n";
    if (laterGrade > 0) {
        html << "<p class=\"setting-note\" id=\"from-grade\">От " << laterGrade
             << ". клас нататък (без отметка листът за такъв клас ги включва):</p>\n"
             << "<div class=\"solid-list from-grade\" role=\"group\" aria-labelledby=\"from-grade\">\n";
        for (const solver::SolidRow* solid : offered)
            if (solver::worksheet::firstGrade(*solid) > 0) writeBox(*solid);
        html << "</div>\n";
    }
    if (!bodies.empty()) {
        html << "<p class=\"setting-note\" id=\"bodies\">Съставни тела и тела от въртене (само с отметка):</p>\n"
             << "<div class=\"solid-list bodies\" role=\"group\" aria-labelledby=\"bodies\">\n";
        for (const solver::SolidRow* solid : bodies) {
            const int grade = solver::worksheet::firstGrade(*solid);
            html << "<label class=\"check-box\"><input type=\"checkbox\" name=\"solids\" id=\"solid-" << solid->key
                 << "\" value=\"" << solid->key << "\"><span>" << escaped(solver::hyphenated(solid->name))
                 << (grade > 0 ? " (от " + std::to_string(grade) + ". клас)" : "") << "</span></label>\n";
        }
        html << "</div>\n";
    }
    html << "</fieldset>\n<div class=\"settings-grid\">\n";
    writeSelect(html, "kind", "Вид задачи",
                {{"mixed", "смесени"}, {"direct", "преки (търсят се лица и обем)"}, {"inverse", "обратни (дадени са лице или обем)"}});
    writeNumber(html, "count", "Брой задачи (1–30)", 30);
    writeSelect(html, "numbers", "Числа", {{"whole", "цели, отговори с π и корени"}, {"decimal", "десетични"}});
    writeSelect(html, "pi", "Число π", {{"exact", "точно"}, {"3.14", "3,14"}});
    writeSelect(html, "unit", "Мерна единица", {{"mm", "mm"}, {"cm", "cm"}, {"dm", "dm"}, {"m", "m"}});
    // Only tasks that grade's tools solve, and the key's steps with them.
    std::vector<std::pair<std::string, std::string>> grades;
    for (const solver::GradeChoice& choice : solver::gradeChoices())
        grades.emplace_back(choice.grade > 0 ? std::to_string(choice.grade) : "", choice.label);
    writeSelect(html, "grade", "Клас на учениците", Options(grades.begin(), grades.end()));
    writeSelect(html, "variant", "Вариант", {{"A", "А"}, {"B", "Б"}});
    writeNumber(html, "number", "Номер на листа", 999999);
    html << "</div>\n";
    writeCheckBox(html, "figures", "Чертеж към всяка задача");
    writeCheckBox(html, "key", "Ключ с отговорите и решенията (за учителя)");
    html << "<ul id=\"problems\" class=\"message\" hidden></ul>\n"
         << "<div class=\"actions\"><button id=\"make\" type=\"submit\">направи листа</button>"
         << "<button id=\"other-number\" type=\"button\">друг номер</button></div>\n</form>\n"
         << "<div id=\"sharing\"><p>Връзка за класа (без ключа): <a id=\"class-link\" href=\"listove.html\"></a></p>\n"
         << "<div class=\"actions\"><button id=\"copy-link\" type=\"button\" data-done=\"Връзката е копирана.\" "
         << "data-failed=\"Браузърът не позволи копиране: копирайте връзката ръчно.\">копирай връзката</button>"
         << "<button id=\"print\" type=\"button\">печат</button></div></div>\n</details>\n";
}

void writeSheet(std::ostream& html) {
    html << "<article id=\"sheet\" aria-labelledby=\"sheet-title\">\n<h2 id=\"sheet-title\">Лист със задачи</h2>\n"
         << "<p class=\"student-line\">Име: <span class=\"blank\"></span> Клас: <span class=\"blank short\"></span> "
            "Дата: <span class=\"blank short\"></span></p>\n"
         << "<p id=\"sheet-intro\">Решете задачите, напишете всеки отговор в полето му и натиснете „провери“ или "
            "Enter. Пишете точно (15π, 12√3, 25/3) или приближено (47,12): приближеният отговор е верен, когато "
            "е закръглен правилно до толкова цифри, колкото сте написали. След грешен отговор идва подсказка, след "
            "втори — решението. Отговорите остават в този браузър, докато не ги изчистите.</p>\n"
            "<div id=\"tasks\"></div>\n"
         // Shown with the sheet, so that it does not move down as the tasks come.
         << "<div class=\"actions sheet-actions\" hidden><button id=\"clear-answers\" type=\"button\" "
            "data-ask=\"Да се изчистят ли всички отговори на този лист?\" data-done=\"Отговорите са изчистени.\">"
            "Изчисти отговорите</button></div>\n"
         // π, √ and / under the answer being typed: a phone's keyboard lacks
         // them, and so does a desktop's.
         << "<div id=\"keys\" role=\"group\" aria-label=\"Знаци, които клавиатурата няма\">"
         << "<button type=\"button\" class=\"key\" data-insert=\"π\" aria-label=\"пи\">π</button>"
         << "<button type=\"button\" class=\"key\" data-insert=\"√\" aria-label=\"корен квадратен\">√</button>"
         << "<button type=\"button\" class=\"key\" data-insert=\"/\" aria-label=\"дробна черта\">/</button></div>\n"
         << "</article>\n"
         << "<section id=\"answer-key\" aria-labelledby=\"key-title\" hidden></section>\n";
}

}  // namespace

std::string sheetPage(const std::string& script) {
    const std::string style = "\n" + sheetStyleSheet();
    std::ostringstream html;
    writeHead(html, style, script);
    html << "<body>\n<header>\n<h1>" << title << "</h1>\n<nav aria-label=\"Страниците\"><a href=\"./\">Калкулатор</a>"
         << "<a href=\"zadachi.html\">Задачи</a><a href=\"guide.html#листове-със-задачи\">Ръководство</a></nav>\n"
         << "</header>\n<main>\n";
    writeSettings(html);
    writeSheet(html);
    html << "<div id=\"announcement\" role=\"status\" aria-live=\"polite\"></div>\n</main>\n"
         << "<noscript><p class=\"message\">Листовете се правят от скрипта на страницата: разрешете JavaScript.</p>"
            "</noscript>\n"
         << "<script>" << script << "</script>\n</body>\n</html>\n";
    return html.str();
}

}  // namespace geometry::web
