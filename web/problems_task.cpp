// SPDX-License-Identifier: MIT
#include "problems_task.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "problems_text.h"
#include "task/json.h"
#include "task/solver.h"
#include "task/task_sheet.h"
#include "task_address.h"
#include "wording/line_breaks.h"
#include "task_drawings.h"

namespace geometry::web {
namespace {

using namespace solver;

constexpr int defaultDigits = 2;

// The address read: the solid, the givens that hold something, the settings,
// and each setting that cannot be used with the sentence that says so.
struct Request {
    std::string solid;  // as the address names it; the table's first where it names none
    std::vector<Given> givens;
    Settings settings;
    std::string pi = "exact", unit, digits = std::to_string(defaultDigits);  // as the selects name them
    std::string grade;  // "" for every grade's tools, else "6" to "12"
    AddressPairs unusable;  // a setting's key and the sentence
    AddressPairs settingsAsGiven;  // for the address: what it gave, usable or not
    std::optional<std::string> text;  // the task as printed, read for the solid and the givens
    std::vector<std::string> asked;   // the keys the task asks for: "asked=V,S1"
    reader::ChosenSettings chosen;    // the settings the address gives, over the text's
};

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

void readSetting(Request& request, const std::string& key, const std::string& value) {
    request.settingsAsGiven.emplace_back(key, value);
    if (key == "pi") {
        if (value == "exact") request.settings.pi = PiSetting::Exact, request.pi = "exact";
        else if (value == "3.14" || value == "3,14") request.settings.pi = PiSetting::School, request.pi = "3.14";
        else if (value == "3.141592" || value == "3,141592")
            request.settings.pi = PiSetting::Calculator, request.pi = "3.141592";
        else request.unusable.emplace_back(key, "π се взема точно, 3,14 или 3,141592, а не „" + value + "“.");
    } else if (key == "grade") {
        if (const std::optional<int> grade = gradeByText(value)) {
            request.settings.grade = *grade;
            request.grade = *grade > 0 ? std::to_string(*grade) : "";
        } else {
            request.unusable.emplace_back(key, gradeProblem(value));
        }
    } else if (key == "unit") {
        if (value.empty()) return;
        if (const std::optional<Unit> unit = unitByName(value)) {
            request.settings.unit = unit;
            request.unit = std::string(unitSymbol(*unit));
        } else {
            request.unusable.emplace_back(key, "Мерната единица е mm, cm, dm или m, а не „" + value + "“.");
        }
    } else {
        const bool whole = !value.empty() && value.size() <= 2 && std::all_of(value.begin(), value.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        if (whole && std::stoi(value) <= 12) {
            request.settings.digits = std::stoi(value);
            request.digits = std::to_string(request.settings.digits);
        } else {
            request.unusable.emplace_back(key, "Цифрите след десетичната запетая са от 0 до 12, а не „" + value + "“.");
        }
    }
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Whether a key names a quantity of some solid, whatever its letters' case
// (so that "H" still gets its message): any other key is not the page's
// (fbclid, utm_source, gclid, which messengers and search engines add to a
// link) and is passed over.
bool namesQuantity(std::string_view key) {
    const auto sameLetters = [key](std::string_view quantity) {
        return quantity.size() == key.size() &&
               std::equal(key.begin(), key.end(), quantity.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
    };
    for (const SolidRow* offered : pictured())
        for (const SolidRow* solid : variantsOf(*offered))
            for (const QuantityRow& quantity : withUses(*solid).quantities)
                if (sameLetters(quantity.key)) return true;
    for (const SolidRow* body : bodiesOfRotation())
        for (const QuantityRow& quantity : body->quantities)
            if (sameLetters(quantity.key)) return true;
    return false;
}

// A relation's key: letters of quantities joined by signs ("h:k", "r+h").
bool namesRelation(std::string_view key) {
    if (key.find_first_of(":+-*/") == std::string_view::npos) return false;
    std::string word;
    for (char c : std::string(key) + " ") {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9' && !word.empty())) {
            word += c;
            continue;
        }
        if (!word.empty() && namesQuantity(word)) return true;
        word.clear();
    }
    return false;
}

// "V,S1" as its keys.
std::vector<std::string> keysOf(std::string_view list) {
    std::vector<std::string> keys;
    while (!list.empty()) {
        const auto comma = list.find(',');
        if (!blank(list.substr(0, comma))) keys.emplace_back(list.substr(0, comma));
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    return keys;
}

Request readRequest(std::string_view query) {
    Request request;
    request.solid = std::string(allSolids().front().key);
    for (const auto& [key, value] : readQuery(query)) {
        if (key == "solid") request.solid = value;
        else if (key == "pi" || key == "unit" || key == "digits" || key == "grade") readSetting(request, key, value);
        else if (key == "text") request.text = value;
        else if (key == "asked") request.asked = keysOf(value);
        else if ((namesQuantity(key) || namesRelation(key)) && !blank(value)) request.givens.push_back({key, value});
    }
    request.settings.asked = request.asked;  // with a grade, what its tools must reach
    request.chosen.settings = request.settings;
    for (const auto& [key, value] : request.settingsAsGiven) {
        if (key == "pi") request.chosen.pi = true;
        else if (key == "unit") request.chosen.unit = !value.empty();
        else if (key == "digits") request.chosen.digits = true;
    }
    return request;
}

// A task given as its text: its solid, givens and settings as read.
void takeRead(Request& request, const reader::TextOutcome& read) {
    if (!read.read.solid.empty()) request.solid = read.read.solid;
    request.givens = reader::givensOf(read.read);
    request.settings = read.settings;
    request.pi = std::string(reader::piKey(read.settings.pi));
    request.digits = std::to_string(read.settings.digits);
    request.asked = read.asked;
}

// The address that gives the same task: the solid, its givens in the order of
// its table (any other key after them), then the settings.
std::string addressOf(const Request& request, const SolidRow* solid) {
    if (request.text) {  // the text itself, and the settings chosen over it
        AddressPairs pairs{{"text", *request.text}};
        for (const auto& pair : request.settingsAsGiven) pairs.push_back(pair);
        return writeQuery(pairs);
    }
    AddressPairs pairs{{"solid", solid ? std::string(solid->key) : request.solid}};
    std::vector<Given> givens = request.givens;
    if (solid) {
        const SolidRow& all = withUses(*solid);
        const auto place = [&all](const Given& g) {
            const int index = quantityIndex(all, g.key);
            return index < 0 ? int(all.quantities.size()) : index;
        };
        std::stable_sort(givens.begin(), givens.end(), [&](const Given& x, const Given& y) { return place(x) < place(y); });
    }
    for (const Given& given : givens) pairs.emplace_back(given.key, given.text);
    const auto setting = [&request](std::string_view key, const std::string& usable) {
        const auto unusable = std::find_if(request.unusable.begin(), request.unusable.end(),
                                           [key](const auto& u) { return u.first == key; });
        if (unusable == request.unusable.end()) return usable;
        for (const auto& [k, v] : request.settingsAsGiven)
            if (k == key) return v;
        return usable;
    };
    pairs.emplace_back("pi", setting("pi", request.pi));
    if (const std::string grade = setting("grade", request.grade); !grade.empty()) pairs.emplace_back("grade", grade);
    if (const std::string unit = setting("unit", request.unit); !unit.empty()) pairs.emplace_back("unit", unit);
    pairs.emplace_back("digits", setting("digits", request.digits));
    if (!request.asked.empty()) {
        std::string asked;
        for (const std::string& key : request.asked) asked += (asked.empty() ? "" : ",") + key;
        pairs.emplace_back("asked", asked);
    }
    return writeQuery(pairs);
}

// "= 5 cm", "≈ 2,88 cm", "= 15π ≈ 47,12 cm²": what follows a quantity's letter.
std::string shown(const QuantityResult& q) { return (q.text.starts_with("≈") ? "" : "= ") + q.text; }

std::string numberWord(std::size_t count) {
    constexpr const char* words[] = {"", "едно", "две", "три", "четири"};
    return count < std::size(words) ? words[count] : std::to_string(count);
}

struct Field {
    std::string key, state, note;
};

// Each quantity of a solved task: given, found (in every solution, "или"
// between differing values) or left open.
std::vector<Field> solvedFields(const Outcome& outcome) {
    std::vector<Field> fields;
    for (const QuantityRow& row : outcome.solid->quantities) {
        Field field{std::string(row.key), "open", ""};
        std::vector<std::string> values;
        for (const Solution& solution : outcome.solutions) {
            const QuantityResult* q = solution.find(row.key);
            if (!q) continue;
            if (q->given) field.state = "given";
            else if (q->determined && field.state != "given") field.state = "found";
            const std::string text = q->determined ? shown(*q) : q->text;
            if (std::find(values.begin(), values.end(), text) == values.end()) values.push_back(text);
        }
        if (field.state == "given") {
            field.note = "дадено " + values.front();
        } else {
            for (const std::string& value : values) field.note += (field.note.empty() ? "" : " или ") + value;
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

// Its own fields and those of use under them.
bool hasField(const SolidRow& solid, std::string_view key) { return quantityIndex(withUses(solid), key) >= 0; }

std::vector<Field> unsolvedFields(const Request& request, const Outcome& outcome, std::string& message) {
    const SolidRow& solid = *outcome.solid;
    std::vector<Field> fields;
    for (const QuantityRow& row : solid.quantities) {
        const std::string key(row.key);
        const bool given = std::any_of(request.givens.begin(), request.givens.end(),
                                       [&](const Given& g) { return g.key == key; });
        fields.push_back({key, given ? "given" : "", ""});
    }
    const auto field = [&fields](std::string_view key) {
        return std::find_if(fields.begin(), fields.end(), [key](const Field& f) { return f.key == key; });
    };
    switch (outcome.status) {
    case Status::Invalid:
        for (const std::string& key : outcome.concerned) {
            const std::string sentence = givenProblem(outcome, request.givens, key, request.settings);
            if (field(key) != fields.end()) *field(key) = {key, "invalid", sentence};
            else if (message.find(sentence) == std::string::npos) message += (message.empty() ? "" : " ") + sentence;
        }
        break;
    case Status::None: {
        std::string last;
        for (const Field& f : fields)
            if (std::find(outcome.concerned.begin(), outcome.concerned.end(), f.key) != outcome.concerned.end()) last = f.key;
        if (last.empty()) {
            message = outcome.message;
            break;
        }
        for (const std::string& key : outcome.concerned)
            if (field(key) != fields.end()) *field(key) = {key, "concerned", key == last ? outcome.message : "вижте бележката при " + last};
        break;
    }
    case Status::Underdetermined:
        message = outcome.message;
        // Nothing given yet: nothing to mark.
        if (request.givens.empty()) break;
        for (const std::string& key : outcome.suggestions)
            if (field(key) != fields.end()) *field(key) = {key, "suggested", "може да се даде"};
        break;
    case Status::Solved: break;
    }
    return fields;
}

std::string summaryOf(const Outcome& outcome, bool nothingGiven) {
    switch (outcome.status) {
    case Status::Solved:
        return outcome.solutions.size() == 1 ? "Задачата има едно решение."
                                             : "Задачата има " + numberWord(outcome.solutions.size()) + " решения.";
    case Status::None: return "Задачата няма решение: няма " + std::string(outcome.solid->single) + " с тези данни.";
    case Status::Underdetermined:
        return nothingGiven ? "Въведете каквото дава задачата." : "Данните не стигат за решение.";
    case Status::Invalid: return "Някои данни не могат да се използват.";
    }
    return {};
}

std::string announcementOf(const Outcome& outcome, const std::string& summary) {
    if (outcome.status != Status::Solved) return summary + " " + outcome.message;
    std::string text = outcome.solutions.size() == 1 ? "" : summary;
    for (std::size_t i = 0; i < outcome.solutions.size(); ++i) {
        std::string found;
        for (const QuantityResult& q : outcome.solutions[i].quantities)
            if (q.determined && !q.given) found += (found.empty() ? "" : ", ") + q.key + " " + shown(q);
        if (outcome.solutions.size() > 1) text += " Решение " + std::to_string(i + 1) + ":";
        text += (text.empty() ? "" : " ") + found + ".";
    }
    return text;
}

void writeFields(Json& json, const std::vector<Field>& fields) {
    json.key("fields").beginArray();
    for (const Field& f : fields)
        json.beginObject().key("key").string(f.key).key("state").string(f.state).key("note").string(keptWhole(f.note)).endObject();
    json.endArray();
}

void writeSolutions(Json& json, const Outcome& outcome, const Settings& settings, bool withNets,
                    const std::vector<std::string>& asked) {
    json.key("solutions").beginArray();
    for (std::size_t i = 0; i < outcome.solutions.size(); ++i) {
        const Solution& solution = outcome.solutions[i];
        json.beginObject().key("title").string(outcome.solutions.size() == 1
                                                   ? "Величините " + std::string(outcome.solid->genitive)
                                                   : "Решение " + std::to_string(i + 1));
        json.key("quantities").beginArray();
        for (const QuantityResult& q : solution.quantities) {
            json.beginObject().key("key").string(q.key);
            json.key("name").string(outcome.solid->quantities[std::size_t(quantityIndex(*outcome.solid, q.key))].name);
            json.key("given").boolean(q.given).key("exact");
            if (q.exact) json.string(q.exact->ascii());
            else json.null();
            json.key("value").number(q.value);
            json.key("unit").string(q.unit);
            json.key("asked").boolean(std::find(asked.begin(), asked.end(), q.key) != asked.end());
            json.key("shown").string(keptWhole(q.determined ? shown(q) : q.text));
            json.endObject();
        }
        json.endArray().key("steps").beginArray();
        for (const std::string& step : solution.steps) json.string(keptWhole(step));
        json.endArray();
        writeDrawings(json, outcome, solution, settings, withNets);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

std::string solvedTask(std::string_view query, bool withNets) {
    Request request = readRequest(query);
    std::optional<reader::TextOutcome> read;
    if (request.text) {
        read = reader::readAndSolve(*request.text, request.chosen);
        takeRead(request, *read);
    }
    const SolidRow* solid = solidByKey(request.solid);
    Json json;
    json.beginObject().key("solid").string(solid ? solid->key : "");
    json.key("address").string(addressOf(request, solid));
    json.key("settings").beginObject().key("pi").string(request.pi).key("unit").string(request.unit);
    json.key("digits").string(request.digits).key("grade").string(request.grade).endObject();

    // Settings that cannot be used leave the task unsolved; what the givens
    // lack is said all the same.
    Outcome outcome = read ? read->outcome : solve(request.solid, request.givens, request.settings);
    const bool unread = read && read->status == "unread";
    if (unread) {
        outcome.solid = solid;
        outcome.status = Status::Invalid;
    }
    std::string message;
    if (!request.unusable.empty() && outcome.status != Status::Invalid) {
        outcome.status = Status::Invalid;
        outcome.solutions.clear();
        outcome.concerned.clear();
        outcome.message.clear();
    }
    std::vector<Field> fields;
    if (unread) message = read->message;
    else if (!outcome.solid) message = outcome.message;
    else if (outcome.status == Status::Solved) fields = solvedFields(outcome);
    else fields = unsolvedFields(request, outcome, message);
    if (read) {  // each given with the words it came from
        if (unread && outcome.solid)
            for (const reader::ReadGiven& given : read->read.givens)
                if (hasField(*outcome.solid, given.key)) fields.push_back({given.key, "given", "дадено = " + given.value});
        for (Field& field : fields)  // a found one too, where a relation read gave it: "= 9 cm (от „3 пъти радиуса“)"
            if (field.state == "given" || field.state == "invalid" || field.state == "concerned" || field.state == "found")
                field.note = withWords(field.note, *read, field.key, field.state == "given");
    }
    for (const auto& [key, sentence] : request.unusable) {
        fields.push_back({key, "invalid", sentence});
        outcome.message += (outcome.message.empty() ? "" : " ") + sentence;
    }
    const std::string summary = unread                      ? "Условието не е прочетено."
                                : !outcome.solid              ? "Няма такова тяло."
                                : outcome.concerned.empty() && !request.unusable.empty()
                                    ? "Някои настройки не могат да се използват."
                                    : summaryOf(outcome, request.givens.empty());
    json.key("status").string(unread ? "unread" : statusKey(outcome.status));
    json.key("summary").string(summary).key("message").string(keptWhole(message));
    writeFields(json, fields);
    writeSolutions(json, outcome, request.settings, withNets, request.asked);
    if (read) writeRead(json, *request.text, *read);
    json.key("announcement").string(announcementOf(outcome, summary));
    return json.endObject().text();
}

}  // namespace geometry::web
