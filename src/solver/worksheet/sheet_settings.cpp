// SPDX-License-Identifier: MIT
#include "sheet_settings.h"

#include <algorithm>
#include <charconv>

#include "solid_tasks.h"
#include "task/task_sheet.h"

namespace solver::worksheet {
namespace {

std::string quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

bool readWhole(std::string_view text, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
    std::uint64_t read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || end != text.data() + text.size() || read < low || read > high) return false;
    value = read;
    return true;
}

std::vector<std::string_view> commaSeparated(std::string_view text) {
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const auto comma = text.find(',');
        items.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return items;
}

std::string solidsProblem(std::string_view value) {
    std::string known;
    for (const SolidRow* solid : sheetSolids()) known += (known.empty() ? "" : ", ") + std::string(solid->key);
    return "Няма тяло " + quoted(value) + ": телата са " + known + ".";
}

// "cone,cube,prism-rhombus" in the order the program offers them, each once;
// only solids a sheet sets tasks on.
std::string readSolids(std::string_view value, std::vector<std::string>& solids) {
    const std::vector<const SolidRow*> offered = sheetSolids();
    std::vector<const SolidRow*> chosen;
    for (std::string_view item : commaSeparated(value)) {
        if (item.empty()) continue;
        const SolidRow* solid = solidByKey(item);
        if (!solid || std::find(offered.begin(), offered.end(), solid) == offered.end()) return solidsProblem(item);
        chosen.push_back(solid);
    }
    if (chosen.empty()) return "Изберете поне едно тяло, например cone или cube.";
    solids.clear();
    for (const SolidRow* solid : offered)
        if (std::find(chosen.begin(), chosen.end(), solid) != chosen.end()) solids.emplace_back(solid->key);
    return "";
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            decoded += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

constexpr std::string_view settingNames[] = {"number", "variant", "count", "solids", "kind", "numbers", "pi", "unit", "grade"};

}  // namespace

std::string_view kindKey(TaskKind kind) {
    switch (kind) {
        case TaskKind::Direct: return "direct";
        case TaskKind::Inverse: return "inverse";
        case TaskKind::Mixed: return "mixed";
    }
    return "";
}

std::string_view numbersKey(Numbers numbers) { return numbers == Numbers::Whole ? "whole" : "decimal"; }
std::string_view variantKey(Variant variant) { return variant == Variant::A ? "A" : "B"; }
std::string_view variantLetter(Variant variant) { return variant == Variant::A ? "А" : "Б"; }
std::string_view piKey(PiSetting pi) { return pi == PiSetting::School ? "3.14" : "exact"; }

bool isSetting(std::string_view name) {
    return std::find(std::begin(settingNames), std::end(settingNames), name) != std::end(settingNames);
}

std::string applySetting(SheetSettings& settings, std::string_view name, std::string_view value) {
    std::uint64_t whole = 0;
    if (name == "number") {
        if (!readWhole(value, 1, largestNumber, whole))
            return "Номерът на листа е цяло число от 1 до " + std::to_string(largestNumber) + ", а не " +
                   quoted(value) + ".";
        settings.number = whole;
    } else if (name == "variant") {
        if (value == "A" || value == "a" || value == "А" || value == "а") settings.variant = Variant::A;
        else if (value == "B" || value == "b" || value == "Б" || value == "б") settings.variant = Variant::B;
        else return "Вариантът е A или B, а не " + quoted(value) + ".";
    } else if (name == "count") {
        if (!readWhole(value, 1, largestCount, whole))
            return "Броят на задачите е цяло число от 1 до " + std::to_string(largestCount) + ", а не " +
                   quoted(value) + ".";
        settings.count = int(whole);
    } else if (name == "solids") {
        return readSolids(value, settings.solids);
    } else if (name == "kind") {
        if (value == "direct") settings.kind = TaskKind::Direct;
        else if (value == "inverse") settings.kind = TaskKind::Inverse;
        else if (value == "mixed") settings.kind = TaskKind::Mixed;
        else
            return "Видът на задачите е direct (преки), inverse (обратни) или mixed (смесени), а не " + quoted(value) +
                   ".";
    } else if (name == "numbers") {
        if (value == "whole") settings.numbers = Numbers::Whole;
        else if (value == "decimal") settings.numbers = Numbers::Decimal;
        else return "Числата са whole (цели) или decimal (десетични), а не " + quoted(value) + ".";
    } else if (name == "pi") {
        if (value == "exact") settings.pi = PiSetting::Exact;
        else if (value == "3.14" || value == "3,14") settings.pi = PiSetting::School;
        else return "π е exact (точно) или 3.14, а не " + quoted(value) + ".";
    } else if (name == "unit") {
        const std::optional<Unit> unit = unitByName(value);
        if (!unit) return "Мерната единица е mm, cm, dm или m, а не " + quoted(value) + ".";
        settings.unit = *unit;
    } else if (name == "grade") {
        const std::optional<int> grade = gradeByText(value);
        if (!grade) return gradeProblem(value);
        settings.grade = *grade;
    } else {
        return "Няма настройка " + quoted(name) + ".";
    }
    return "";
}

std::string sheetQuery(const SheetSettings& settings) {
    std::string solids;
    for (const std::string& key : settings.solids) solids += (solids.empty() ? "" : ",") + key;
    if (solids.empty())
        for (const SolidRow* solid : defaultSolids(settings.grade))
            solids += (solids.empty() ? "" : ",") + std::string(solid->key);
    return "number=" + std::to_string(settings.number) + "&variant=" + std::string(variantKey(settings.variant)) +
           "&count=" + std::to_string(settings.count) + "&solids=" + solids +
           "&kind=" + std::string(kindKey(settings.kind)) + "&numbers=" + std::string(numbersKey(settings.numbers)) +
           "&pi=" + std::string(piKey(settings.pi)) + "&unit=" + std::string(unitSymbol(settings.unit)) +
           (settings.grade > 0 ? "&grade=" + std::to_string(settings.grade) : "");
}

std::string solidsBeyondGrade(const SheetSettings& settings) {
    for (const SolidRow* solid : sheetSolids()) {
        if (std::find(settings.solids.begin(), settings.solids.end(), solid->key) == settings.solids.end() ||
            setAtGrade(*solid, settings.grade))
            continue;
        return "Задачи за " + std::string(solid->key) + " (" + std::string(solid->name) + ") има от " +
               std::to_string(firstGrade(*solid)) + ". клас нататък: изберете клас от " +
               std::to_string(firstGrade(*solid)) + " до 12.";
    }
    return "";
}

QueryReading readSheetQuery(std::string_view query) {
    QueryReading reading;
    if (query.starts_with('?')) query.remove_prefix(1);
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string name = percentDecoded(pair.substr(0, equals));
        if (!isSetting(name)) continue;
        const std::string problem = applySetting(reading.settings, name, percentDecoded(pair.substr(equals + 1)));
        if (!problem.empty()) reading.problems.push_back(problem);
    }
    if (const std::string problem = solidsBeyondGrade(reading.settings); !problem.empty())
        reading.problems.push_back(problem);
    return reading;
}

}  // namespace solver::worksheet
