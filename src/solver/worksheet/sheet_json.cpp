// SPDX-License-Identifier: MIT
#include "sheet_json.h"

#include <algorithm>

#include "solid_tasks.h"

namespace solver::worksheet {
namespace {

void writeStrings(Json& json, const std::vector<std::string>& items) {
    json.beginArray();
    for (const std::string& item : items) json.string(item);
    json.endArray();
}

void writeSettings(Json& json, const SheetSettings& settings) {
    json.beginObject();
    json.key("count").integer(settings.count);
    json.key("solids").beginArray();
    if (settings.solids.empty())
        for (const SolidRow* solid : defaultSolids(settings.grade)) json.string(solid->key);
    for (const SolidRow* solid : sheetSolids())
        if (std::find(settings.solids.begin(), settings.solids.end(), solid->key) != settings.solids.end())
            json.string(solid->key);
    json.endArray();
    json.key("kind").string(kindKey(settings.kind));
    json.key("numbers").string(numbersKey(settings.numbers));
    json.key("pi").string(piKey(settings.pi));
    json.key("unit").string(unitSymbol(settings.unit));
    json.key("grade").integer(settings.grade);
    json.endObject();
}

void writeAnswer(Json& json, const Answer& answer) {
    json.beginObject();
    json.key("exact");
    if (answer.exact) json.string(answer.exact->ascii());
    else json.null();
    json.key("value").number(static_cast<double>(answer.value));
    json.key("text").string(answer.text);
    json.key("hint").string(answer.hint);
    json.key("steps");
    writeStrings(json, answer.steps);
    json.endObject();
}

void writeTask(Json& json, const Task& task, std::size_t number) {
    json.beginObject();
    json.key("number").integer(static_cast<long long>(number));
    json.key("solid").string(task.solid->key);
    json.key("kind").string(task.inverse ? "inverse" : "direct");
    json.key("givens").beginArray();
    for (const Given& given : task.givens) json.string(given.key + "=" + given.text);
    json.endArray();
    json.key("asked");
    writeStrings(json, task.asked);
    json.key("text").string(task.text);
    json.key("answers").beginObject();
    for (const Answer& answer : task.answers) {
        json.key(answer.key);
        writeAnswer(json, answer);
    }
    json.endObject();
    json.key("steps");
    writeStrings(json, task.steps);
    json.endObject();
}

}  // namespace

std::string sheetJson(const Sheet& sheet) {
    Json json;
    json.beginObject();
    json.key("seed").integer(static_cast<long long>(sheet.settings.number));
    json.key("variant").string(variantKey(sheet.settings.variant));
    json.key("title").string(sheet.title);
    json.key("query").string(sheetQuery(sheet.settings));
    json.key("settings");
    writeSettings(json, sheet.settings);
    json.key("tasks").beginArray();
    for (std::size_t i = 0; i < sheet.tasks.size(); ++i) writeTask(json, sheet.tasks[i], i + 1);
    json.endArray();
    json.endObject();
    return json.text();
}

void writeFeedback(Json& json, std::string_view typed, const AnswerFeedback& feedback) {
    json.beginObject();
    json.key("typed").string(typed);
    json.key("correct").boolean(feedback.verdict == Verdict::Right);
    json.key("readable").boolean(feedback.verdict != Verdict::Unreadable);
    json.key("message").string(feedback.message);
    json.key("note").string(feedback.note);
    json.key("hint").string(feedback.hint);
    json.key("steps");
    writeStrings(json, feedback.steps);
    json.endObject();
}

std::string feedbackJson(std::string_view typed, const AnswerFeedback& feedback) {
    Json json;
    writeFeedback(json, typed, feedback);
    return json.text();
}

}  // namespace solver::worksheet
