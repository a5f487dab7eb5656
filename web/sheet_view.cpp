// SPDX-License-Identifier: MIT
#include "sheet_view.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "drawing.h"
#include "task/json.h"
#include "svg_writer.h"
#include "task_address.h"
#include "task_text.h"
#include "wording/line_breaks.h"
#include "worksheet.h"

namespace geometry::web {
namespace {

using namespace solver;
using namespace solver::worksheet;
// Markup's text and attributes escaped as the drawings escape theirs.
using solver::drawing::escaped;

// A text of the solver's for the page: escaped, its numbers kept whole on a line.
std::string shownText(std::string_view text) { return escaped(keptWhole(text)); }

// Markup written piece by piece into a string: a string stream would bring
// the C++ library's locale support into the module for nothing.
class Markup {
public:
    Markup& operator<<(std::string_view piece) {
        text_ += piece;
        return *this;
    }
    std::string str() && { return std::move(text_); }

private:
    std::string text_;
};

// The page's own settings, beside the sheet's. A class's link carries the
// marker "class": it is a student's, and shows neither the key nor the
// teacher's settings, whatever else the link says.
struct PageSettings {
    bool figures = false;
    bool key = false;
    bool forClass = false;
};

struct SheetRequest {
    QueryReading reading;
    PageSettings page;
};

bool isOn(std::string_view value) { return value == "on" || value == "1" || value == "true"; }

SheetRequest readRequest(std::string_view query) {
    SheetRequest request{readSheetQuery(query), {}};
    for (const auto& [name, value] : readQuery(query)) {
        if (name == "figures") request.page.figures = isOn(value);
        else if (name == "key") request.page.key = isOn(value);
        else if (name == "class") request.page.forClass = true;
    }
    if (request.page.forClass) request.page.key = false;
    return request;
}

std::string pageQuery(const SheetSettings& settings, const PageSettings& page) {
    const std::string figures = "&figures=" + std::string(page.figures ? "on" : "off");
    if (page.forClass) return sheetQuery(settings) + figures + "&class=on";
    return sheetQuery(settings) + figures + "&key=" + (page.key ? "on" : "off");
}

// The sheet last made: checking an answer makes no sheet anew.
const Sheet& sheetFor(const SheetSettings& settings) {
    static std::string madeFor;
    static Sheet made;
    const std::string query = sheetQuery(settings);
    if (query != madeFor || made.tasks.empty()) {
        made = makeSheet(settings);
        madeFor = query;
    }
    return made;
}

const QuantityRow& quantityOf(const Task& task, std::string_view key) {
    return task.solid->quantities[std::size_t(quantityIndex(*task.solid, key))];
}

// The task's figure: the givens with their values and what the task asks
// for with a question mark, so that it gives away no answer and asks no more.
std::string figureOf(const Sheet& sheet, const Task& task) {
    const Outcome outcome = solve(task.solid->key, task.givens, Settings{.pi = sheet.settings.pi, .unit = sheet.settings.unit});
    if (outcome.status != Status::Solved || outcome.solutions.empty()) return {};
    Solution unknown = outcome.solutions.front();
    for (QuantityResult& quantity : unknown.quantities)
        if (!quantity.given) quantity.text = "?";
    return drawing::figureSvg(*task.solid, unknown,
                              {.unit = sheet.settings.unit,
                               .asked = task.asked,
                               .stylesheet = false,
                               .onlyAsked = true,
                               .turned = task.turned});
}

// "cm²" beside an area's field; nothing beside a count's.
std::string unitOf(const Sheet& sheet, const QuantityRow& quantity) {
    const std::string text = unitText(sheet.settings.unit, quantity.dimension);
    return text.starts_with(' ') ? text.substr(1) : text;
}

// A task: its text, its figure, and per asked quantity a field, its check
// button and the place of its feedback; on paper, room to work instead.
void writeTask(Markup& html, const Sheet& sheet, const Task& task, int number, bool figures) {
    const std::string id = std::to_string(number);
    html << "<li class=\"task\" id=\"task-" << id << "\" data-task=\"" << id << "\">\n<p class=\"task-text\">"
         << shownText(task.text) << "</p>\n";
    if (figures) {
        const std::string figure = figureOf(sheet, task);
        if (!figure.empty()) html << "<div class=\"figure\">" << figure << "</div>\n";
    }
    html << "<div class=\"answers\">\n";
    for (const std::string& key : task.asked) {
        const QuantityRow& quantity = quantityOf(task, key);
        const std::string field = id + "-" + key;
        html << "<div class=\"answer\" data-key=\"" << escaped(key) << "\">"
             << "<label for=\"answer-" << field << "\"><b class=\"letter\">" << escaped(key) << "</b> "
             << escaped(quantity.name) << "</label>"
             << "<span class=\"field\"><input id=\"answer-" << field << "\" type=\"text\" inputmode=\"decimal\" "
             << "autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" spellcheck=\"false\" "
             << "enterkeyhint=\"done\" data-task=\"" << id << "\" data-key=\"" << escaped(key)
             << "\" aria-describedby=\"feedback-" << field << "\"><span class=\"unit\">"
             << escaped(unitOf(sheet, quantity)) << "</span></span>"
             << "<button type=\"button\" class=\"check\" data-task=\"" << id << "\" data-key=\"" << escaped(key)
             << "\" aria-label=\"провери " << escaped(key) << " в задача " << id << "\">провери</button>"
             << "<div class=\"feedback\" id=\"feedback-" << field << "\"></div></div>\n";
    }
    html << "</div>\n<div class=\"work\"></div>\n</li>\n";
}

std::string tasksMarkup(const Sheet& sheet, bool figures) {
    Markup html;
    html << "<ol class=\"tasks\">\n";
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i) writeTask(html, sheet, sheet.tasks[i], int(i) + 1, figures);
    html << "</ol>\n";
    return std::move(html).str();
}

// The answer key: each task's answers and the steps to them.
std::string keyMarkup(const Sheet& sheet) {
    Markup html;
    html << "<h2 id=\"key-title\">Отговори: " << escaped(sheet.title) << "</h2>\n<ol class=\"key-tasks\">\n";
    for (const Task& task : sheet.tasks) {
        html << "<li><ul class=\"key-answers\">";
        for (const Answer& answer : task.answers)
            html << "<li data-key=\"" << escaped(answer.key) << "\"><b class=\"letter\">" << escaped(answer.key)
                 << "</b> = " << shownText(answer.text) << "</li>";
        html << "</ul>\n<ol class=\"steps\">";
        for (const std::string& step : task.steps) html << "<li>" << shownText(step) << "</li>";
        html << "</ol></li>\n";
    }
    html << "</ol>\n";
    return std::move(html).str();
}

// Under the field: the verdict, what the sheet asks for instead where the
// other π would have made it right, the hint, the steps.
std::string feedbackMarkup(const AnswerFeedback& feedback) {
    const std::string_view verdict = feedback.verdict == Verdict::Right  ? "right"
                                     : feedback.verdict == Verdict::Wrong ? "wrong"
                                                                          : "unreadable";
    Markup html;
    html << "<p class=\"verdict\" data-verdict=\"" << verdict << "\">" << shownText(feedback.message) << "</p>";
    if (!feedback.note.empty()) html << "<p class=\"answer-note\">" << shownText(feedback.note) << "</p>";
    if (!feedback.hint.empty()) html << "<p class=\"hint\"><b>Подсказка:</b> " << shownText(feedback.hint) << "</p>";
    if (!feedback.steps.empty()) {
        html << "<p class=\"steps-title\"><b>Решение:</b></p><ol class=\"steps\">";
        for (const std::string& step : feedback.steps) html << "<li>" << shownText(step) << "</li>";
        html << "</ol>";
    }
    return std::move(html).str();
}

std::string countText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " задача" : " задачи");
}

}  // namespace

std::string sheetView(std::string_view query) {
    const SheetRequest request = readRequest(query);
    const Sheet& sheet = sheetFor(request.reading.settings);
    const SheetSettings& settings = sheet.settings;
    Json json;
    json.beginObject();
    json.key("sheet").string(sheetQuery(settings));
    json.key("query").string(pageQuery(settings, request.page));
    json.key("classQuery").string(pageQuery(settings, {request.page.figures, false, true}));
    json.key("forClass").boolean(request.page.forClass);
    json.key("settings").beginObject();
    json.key("number").string(std::to_string(settings.number));
    json.key("variant").string(variantKey(settings.variant));
    json.key("count").string(std::to_string(settings.count));
    json.key("solids").beginArray();
    for (const std::string& solid : request.reading.settings.solids) json.string(solid);
    json.endArray();
    json.key("kind").string(kindKey(settings.kind));
    json.key("numbers").string(numbersKey(settings.numbers));
    json.key("pi").string(piKey(settings.pi));
    json.key("unit").string(unitSymbol(settings.unit));
    json.key("grade").string(settings.grade > 0 ? std::to_string(settings.grade) : "");
    json.key("figures").boolean(request.page.figures);
    json.key("key").boolean(request.page.key);
    json.endObject();
    json.key("problems").beginArray();
    for (const std::string& problem : request.reading.problems) json.string(problem);
    json.endArray();
    json.key("title").string(sheet.title);
    json.key("pageTitle").string(sheet.title + " · Листове със задачи по стереометрия");
    json.key("tasks").string(tasksMarkup(sheet, request.page.figures));
    json.key("key").string(request.page.key ? keyMarkup(sheet) : "");
    std::string announcement = sheet.title + ": " + countText(sheet.tasks.size()) + ".";
    if (sheet.tasks.size() < std::size_t(settings.count))
        announcement += settings.grade > 0 ? " Повече задачи с тези тела и вид, решими в " + std::to_string(settings.grade) +
                                                 ". клас, не се получиха."
                                           : " Повече задачи с тези тела и вид не се получиха.";
    json.key("announcement").string(announcement);
    json.endObject();
    return json.text();
}

std::string checkedAnswer(std::string_view query) {
    int number = 0, wrongBefore = 0;
    std::string key, typed;
    for (const auto& [name, value] : readQuery(query)) {
        if (name == "task") number = std::atoi(value.c_str());
        else if (name == "wrong") wrongBefore = std::atoi(value.c_str());
        else if (name == "answer") key = value;
        else if (name == "typed") typed = value;
    }
    const Sheet& sheet = sheetFor(readSheetQuery(query).settings);
    Json json;
    json.beginObject();
    json.key("task").integer(number);
    json.key("key").string(key);
    if (number < 1 || std::size_t(number) > sheet.tasks.size()) {
        const std::string message = "Листът няма задача " + std::to_string(number) + ".";
        json.key("verdict").string("unreadable");
        json.key("message").string(message);
        json.key("feedback").string(feedbackMarkup({Verdict::Unreadable, message, "", "", {}}));
        json.key("announcement").string(message);
        json.endObject();
        return json.text();
    }
    const AnswerFeedback feedback =
        checkTaskAnswer(sheet, sheet.tasks[std::size_t(number - 1)], key, typed, std::max(wrongBefore, 0));
    json.key("verdict").string(feedback.verdict == Verdict::Right   ? "right"
                               : feedback.verdict == Verdict::Wrong ? "wrong"
                                                                    : "unreadable");
    json.key("message").string(feedback.message);
    json.key("note").string(feedback.note);
    json.key("hint").string(feedback.hint);
    json.key("steps").beginArray();
    for (const std::string& step : feedback.steps) json.string(step);
    json.endArray();
    json.key("feedback").string(feedbackMarkup(feedback));
    std::string announcement = "Задача " + std::to_string(number) + ", " + key + ": " + feedback.message;
    if (!announcement.ends_with('.')) announcement += ".";
    if (!feedback.note.empty()) announcement += " " + feedback.note;
    if (!feedback.hint.empty()) announcement += " Подсказка: " + feedback.hint;
    if (!feedback.steps.empty()) announcement += " Решението е под полето.";
    json.key("announcement").string(announcement);
    json.endObject();
    return json.text();
}

}  // namespace geometry::web
