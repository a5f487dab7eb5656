// SPDX-License-Identifier: MIT
#include "reader/read_and_solve.h"

#include <algorithm>

#include "task/json.h"
#include "task/relation_givens.h"
#include "task/outcome_json.h"

namespace solver::reader {
namespace {

// Whether a unit asked applies to a quantity: litres and cubes to volumes,
// squares to areas, a length unit to everything measured in it, grams and
// kilograms to a mass.
bool unitApplies(const AskedUnit& unit, Dimension dimension) {
    if (unit.mass) return dimension == Dimension::Mass;
    const bool measured = dimension == Dimension::Length || dimension == Dimension::Area || dimension == Dimension::Volume;
    if (unit.power == 1) return measured;
    return (unit.power == 2 && dimension == Dimension::Area) || (unit.power == 3 && dimension == Dimension::Volume);
}

// "8 dm³ (8 l)" as "8 l": the same number, in litres (dm³) or millilitres (cm³).
std::string inLitres(std::string text, const std::string& symbol) {
    const auto bracket = text.find(" (");
    if (bracket != std::string::npos) text.erase(bracket);
    const std::string cubed = symbol == "l" ? " dm³" : " cm³";
    if (text.ends_with(cubed)) text.replace(text.size() - cubed.size(), cubed.size(), " " + symbol);
    return text;
}

// "60000 cm³ (60 l)" as "60000 cm³": without what is written beside it.
std::string withoutAside(std::string text) {
    const auto bracket = text.find(" (");
    if (bracket != std::string::npos) text.erase(bracket);
    return text;
}

// The asked quantities in the unit the text asks for, from a solve in that unit.
void inUnitAsked(TextOutcome& result, const std::vector<Given>& givens) {
    const AskedUnit& asked = *result.read.unit;
    if (!result.outcome.solid || result.outcome.status != Status::Solved) return;
    if (result.outcome.unit == asked.unit && !asked.litres) return;
    Settings settings = result.settings;
    settings.unit = asked.unit;
    settings.steps = false;
    const Outcome again = solve(result.read.solid, givens, settings);
    if (again.status != Status::Solved || again.solutions.size() != result.outcome.solutions.size()) return;
    const SolidRow& solid = *result.outcome.solid;
    for (std::size_t s = 0; s < again.solutions.size(); ++s)
        for (const std::string& key : result.asked) {
            const int index = quantityIndex(solid, key);
            if (index < 0 || !unitApplies(asked, solid.quantities[std::size_t(index)].dimension)) continue;
            Solution& solution = result.outcome.solutions[s];
            QuantityResult& shown = solution.quantities[std::size_t(index)];
            const QuantityResult found = shown;
            shown = again.solutions[s].quantities[std::size_t(index)];
            shown.given = found.given;
            if (asked.litres && shown.determined) {
                shown.unit = asked.symbol;
                shown.text = inLitres(shown.text, asked.symbol);
            }
            // The last step brings what was found to the unit asked: „m = 7800 g = 7,8 kg“.
            const std::string before = withoutAside(found.text), after = withoutAside(shown.text);
            if (!found.given && found.determined && shown.determined && before != after) {
                solution.steps.push_back(key + " = " + before + (after.starts_with("≈") ? " " : " = ") + after);
                Step record{.kind = Step::Kind::Conversion, .target = index};
                solution.records.push_back(std::move(record));
            }
        }
}

void writeRead(Json& json, const TextOutcome& result) {
    const ReadTask& read = result.read;
    json.key("read").beginObject();
    json.key("solid");
    if (read.solid.empty()) json.null();
    else json.string(read.solid);
    json.key("givens").beginObject();
    for (const ReadGiven& given : read.givens) json.key(given.key).string(given.value);
    json.endObject();
    json.key("asked").beginArray();
    for (const ReadAsked& asked : read.asked) json.string(asked.key);
    json.endArray();
    json.key("named").beginArray();
    for (const ReadAsked& named : read.named) json.string(named.key);
    json.endArray();
    json.key("pi");
    if (read.pi) json.string(piKey(*read.pi));
    else json.null();
    json.key("unit");
    if (read.unit) json.string(read.unit->symbol);
    else json.null();
    // The plane figure turned: half of the body's axial section, or all of it.
    json.key("turned");
    if (read.turned == TurnedFigure::None) json.null();
    else json.string(read.turned == TurnedFigure::HalfSection ? "half section" : "axial section");
    json.key("ignored").beginArray();
    for (const Piece& piece : read.ignored) json.string(piece.words);
    json.endArray();
    json.key("unread").beginArray();
    for (const Piece& piece : read.unread) json.string(piece.words);
    json.endArray();
    json.endObject();
}

// A quantity of use asked, or a surface an open solid's mark made, with its name: "So (повърхнина без капак, „без капак“)".
std::string askedName(const SolidRow& solid, const ReadAsked& asked) {
    if (asked.mark.empty() && !isUseKey(solid, asked.key)) return {};
    const SolidRow& all = withUses(solid);
    const int index = quantityIndex(all, asked.key);
    if (index < 0) return {};
    std::string name(all.quantities[std::size_t(index)].name);
    if (!asked.mark.empty()) name += ", „" + asked.mark + "“";
    return " (" + name + ")";
}

}  // namespace

std::string namedSpheres(const SolidRow& solid, const ReadTask& read) {
    std::string words;
    for (const ReadAsked& named : read.named)
        if (const SolidRow* use = useGiving(solid, named.key))
            words += (words.empty() ? " с " : " и ") + std::string(use->name);
    return words;
}

std::string_view piKey(PiSetting pi) {
    switch (pi) {
    case PiSetting::School: return "3.14";
    case PiSetting::Calculator: return "3.141592";
    case PiSetting::Exact: break;
    }
    return "exact";
}

std::string readGivenText(const SolidRow& solid, const ReadGiven& given, std::string_view unitSpace) {
    std::string value;
    for (const char c : given.value) value += c == ' ' ? std::string(unitSpace) : std::string(1, c);
    const std::string plain = given.key + " = " + value;
    if (!given.relation) return plain;
    const RelationGiven relation = readRelationGiven(solid, {given.key, given.value}, std::nullopt);
    if (!relation.problem.empty() || relation.text.empty()) return plain;
    std::string text;  // "a:b:c = 1:2:3" spaced as a ratio is written
    for (std::size_t i = 0; i < relation.text.size(); ++i) {
        const bool bare = relation.text[i] == ':' && (i == 0 || relation.text[i - 1] != ' ');
        text += bare ? std::string(" : ") : std::string(1, relation.text[i]);
    }
    return text + (relation.unit ? std::string(unitSpace) + std::string(unitSymbol(*relation.unit)) : "");
}

std::string digitsText(int digits) { return std::to_string(digits) + (digits == 1 ? " знак" : " знака"); }

std::string readSummary(const TextOutcome& outcome) {
    const ReadTask& read = outcome.read;
    const SolidRow* solid = solidByKey(read.solid);
    if (!solid || read.status == ReadStatus::Unread) return {};
    std::string summary = "Прочетено: " + std::string(solid->name) + namedSpheres(*solid, read);
    std::string givens;
    // A number keeps its unit on its line: "10 cm" never breaks.
    for (const ReadGiven& given : read.givens)
        givens += (givens.empty() ? "" : ", ") + readGivenText(*solid, given, "\u00a0");
    if (!givens.empty()) summary += "; " + givens;
    std::string asked;
    for (const ReadAsked& a : read.asked) asked += (asked.empty() ? "" : ", ") + a.key + askedName(*solid, a);
    if (!asked.empty()) summary += "; търси се " + asked;
    if (!asked.empty() && read.unit)
        summary += " в " + (read.unit->symbol == "l" ? std::string("литри") : read.unit->symbol == "ml" ? std::string("милилитри")
                                                                                                   : read.unit->symbol);
    if (read.pi) summary += std::string("; π ≈ ") + (*read.pi == PiSetting::School ? "3,14" : "3,141592");
    if (read.digits) summary += "; с точност до " + digitsText(*read.digits) + " след запетаята";
    summary += ".";
    // Numbering and answer options are passed over, and said to be.
    std::string ignored;
    for (const Piece& piece : read.ignored) ignored += (ignored.empty() ? "" : ", ") + ("„" + piece.words + "“");
    if (!ignored.empty()) summary += " Пропуснато: " + ignored + ".";
    return summary;
}

std::vector<Given> givensOf(const ReadTask& read) {
    std::vector<Given> givens;
    for (const ReadGiven& given : read.givens) givens.push_back({given.key, given.value});
    return givens;
}

TextOutcome readAndSolve(std::string_view text, const ChosenSettings& chosen) {
    TextOutcome result;
    result.read = readTask(text);
    result.settings = chosen.settings;
    if (!chosen.pi && result.read.pi) result.settings.pi = *result.read.pi;
    if (!chosen.digits && result.read.digits) result.settings.digits = *result.read.digits;
    if (result.read.angleDigits) result.settings.angleDigits = *result.read.angleDigits;
    for (const ReadAsked& asked : result.read.asked) result.asked.push_back(asked.key);
    result.settings.asked = result.asked;  // with a grade, what its tools must reach
    for (const ReadAsked& named : result.read.named) result.settings.named.push_back(named.key);
    if (result.read.status == ReadStatus::Unread) {
        result.status = "unread";
        result.message = result.read.message;
        return result;
    }
    const std::vector<Given> givens = givensOf(result.read);
    result.outcome = solve(result.read.solid, givens, result.settings);
    result.outcome.turned = result.read.turned;
    result.status = std::string(statusKey(result.outcome.status));
    result.message = result.outcome.message;
    if (!result.read.message.empty()) result.message += (result.message.empty() ? "" : " ") + result.read.message;
    if (result.read.unit && !chosen.unit) inUnitAsked(result, givens);
    return result;
}

std::string textOutcomeJson(const TextOutcome& result) {
    Json json;
    json.beginObject();
    json.key("status").string(result.status);
    json.key("message").string(result.message);
    writeRead(json, result);
    json.key("asked").beginArray();
    for (const std::string& key : result.asked) json.string(key);
    json.endArray();
    writeSolutions(json, result.outcome);
    json.endObject();
    return json.text();
}

}  // namespace solver::reader
