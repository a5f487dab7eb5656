// SPDX-License-Identifier: MIT
#include "task/givens.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/expression.h"

namespace solver {
namespace {

constexpr std::size_t maxTextLength = 200;

struct UnitSpelling {
    std::string_view text;
    Unit unit;
    int litres = 0;  // 1 for litres, 2 for millilitres
};

// Longest first where one ends another ("mm" before "m").
constexpr std::array<UnitSpelling, 14> unitSpellings{{
    {"mm", Unit::Millimetre}, {"мм", Unit::Millimetre}, {"cm", Unit::Centimetre}, {"см", Unit::Centimetre},
    {"dm", Unit::Decimetre},  {"дм", Unit::Decimetre},  {"ml", Unit::Centimetre, 2}, {"мл", Unit::Centimetre, 2},
    {"m", Unit::Metre},       {"м", Unit::Metre},       {"l", Unit::Decimetre, 1},  {"л", Unit::Decimetre, 1},
    {"L", Unit::Decimetre, 1}, {"ℓ", Unit::Decimetre, 1},
}};

constexpr std::array<std::pair<std::string_view, int>, 6> powerSpellings{{
    {"^2", 2}, {"^3", 3}, {"²", 2}, {"³", 3}, {"2", 2}, {"3", 3},
}};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};
    for (bool more = true; more;) {
        more = false;
        for (std::string_view b : blanks) {
            if (text.starts_with(b)) text.remove_prefix(b.size()), more = true;
            if (text.ends_with(b)) text.remove_suffix(b.size()), more = true;
        }
    }
    return text;
}

struct TypedUnit {
    const UnitSpelling* spelling = nullptr;
    int power = 0;  // 0 where none was typed
};

bool endsWord(std::string_view before) {
    if (before.empty()) return true;
    const char last = before.back();
    return !((last >= 'a' && last <= 'z') || (last >= 'A' && last <= 'Z'));
}

// The unit at the end of a value, taken off it: "70π cm²" leaves "70π".
TypedUnit takeUnit(std::string_view& text) {
    for (const auto& [powerText, power] : powerSpellings) {
        for (int withPower = 1; withPower >= 0; --withPower) {
            std::string_view rest = text;
            if (withPower) {
                if (!rest.ends_with(powerText)) continue;
                rest.remove_suffix(powerText.size());
            }
            for (const UnitSpelling& spelling : unitSpellings) {
                if (!rest.ends_with(spelling.text)) continue;
                const std::string_view before = rest.substr(0, rest.size() - spelling.text.size());
                if (!endsWord(before) || trimmed(before).empty()) continue;
                text = trimmed(before);
                return {&spelling, withPower ? power : 0};
            }
        }
    }
    return {};
}

int powerOf(Dimension dimension) {
    switch (dimension) {
    case Dimension::Count: return 0;
    case Dimension::Length: return 1;
    case Dimension::Area: return 2;
    case Dimension::Volume: return 3;
    case Dimension::Angle:
    case Dimension::Ratio: return 0;
    }
    return 0;
}

std::string quantityList(const SolidRow& solid) {
    std::string list;
    for (std::size_t i = 0; i < solid.quantities.size(); ++i)
        list += (i == 0 ? "" : i + 1 == solid.quantities.size() ? " и " : ", ") + std::string(solid.quantities[i].key);
    return list;
}

std::string unitName(Dimension dimension, std::string_view symbol) {
    switch (dimension) {
    case Dimension::Area: return std::string(symbol) + "²";
    case Dimension::Volume: return std::string(symbol) + "³";
    default: return std::string(symbol);
    }
}

constexpr std::string_view examples = "например 3, 2,5, 3/4, 70π или 4√3";

}  // namespace

GivenReading readGivens(const SolidRow& solid, const std::vector<Given>& givens, std::optional<Unit> asked) {
    GivenReading reading;
    reading.unit = asked;
    struct Typed {
        const Given* given;
        int quantity;
        Exact value;
        TypedUnit unit;
        bool plain;
        bool decimal;
        int decimals;
    };
    std::vector<Typed> typed;
    auto problem = [&](const Given& given, const std::string& sentence) {
        reading.problems.push_back(sentence);
        reading.concerned.push_back(given.key);
    };
    for (const Given& given : givens) {
        const int quantity = quantityIndex(solid, given.key);
        if (quantity < 0) {
            problem(given, "„" + given.key + "“ не е величина: величините " + std::string(solid.genitive) + " са " +
                               quantityList(solid) + " (главните и малките букви се различават).");
            continue;
        }
        const bool twice = std::any_of(typed.begin(), typed.end(), [&](const Typed& t) { return t.quantity == quantity; });
        if (twice) {
            problem(given, given.key + " е дадено два пъти; оставете една стойност.");
            continue;
        }
        const QuantityRow& row = solid.quantities[std::size_t(quantity)];
        std::string_view text = trimmed(given.text);
        if (text.size() > maxTextLength) {
            problem(given, given.key + ": стойността е твърде дълга (над " + std::to_string(maxTextLength) + " знака).");
            continue;
        }
        if (text.empty()) {
            problem(given, given.key + " няма стойност: въведете число, " + std::string(examples) + ".");
            continue;
        }
        TypedUnit unit = takeUnit(text);
        const TypedValue value = readValue(text);
        const std::string shown = "„" + std::string(trimmed(given.text)) + "“";
        if (!value.read) {
            problem(given, given.key + ": " + shown + " не се чете като число (" + value.error + "). Въведете " +
                               std::string(examples) + ".");
            continue;
        }
        if (value.value.sign() <= 0) {
            problem(given, given.key + ": " + shown + " не е положително число. Въведете число, по-голямо от 0, " +
                               std::string(examples) + ".");
            continue;
        }
        const double magnitude = value.value.value();
        if (!(magnitude >= 1e-50 && magnitude <= 1e50)) {
            problem(given, given.key + ": " + shown + " е извън обхвата от 10⁻⁵⁰ до 10⁵⁰.");
            continue;
        }
        const int power = powerOf(row.dimension);
        if (row.dimension == Dimension::Count) {
            if (unit.spelling) {
                problem(given, given.key + " е брой и няма мерна единица.");
                continue;
            }
            const bool whole = value.value.isRational() &&
                               boost::multiprecision::denominator(value.value.rational()) == 1;
            if (!whole || value.value.rational() < 3) {
                problem(given, given.key + ": броят на страните трябва да е цяло число, поне 3, а е дадено " + shown + ".");
                continue;
            }
            if (value.value.rational() > 1000) {
                problem(given, given.key + ": броят на страните трябва да е най-много 1000.");
                continue;
            }
        }
        if (unit.spelling) {
            const UnitSpelling& s = *unit.spelling;
            const bool litres = s.litres != 0;
            if (litres && (row.dimension != Dimension::Volume || unit.power != 0)) {
                problem(given, given.key + ": литрите са мярка за обем, а " + given.key + " е " + std::string(row.name) + ".");
                continue;
            }
            if (!litres && unit.power != 0 && unit.power != power) {
                problem(given, given.key + ": " + std::string(row.name) + " се мери в " +
                                   unitName(row.dimension, s.text) + ", а не в " + std::string(s.text) +
                                   (unit.power == 2 ? "²" : "³") + ".");
                continue;
            }
            if (!reading.unit) reading.unit = litres ? Unit::Decimetre : s.unit;
        }
        reading.decimals = reading.decimals || value.decimal;
        typed.push_back({&given, quantity, value.value, unit, value.plain, value.decimal, value.decimals});
    }
    for (const Typed& t : typed) {
        ReadGiven read;
        read.quantity = t.quantity;
        read.key = t.given->key;
        read.typedValue = t.value;
        read.value = t.value;
        read.plain = t.plain;
        read.decimal = t.decimal;
        read.decimals = t.decimals;
        if (t.unit.spelling) {
            read.unit = t.unit.spelling->unit;
            read.litres = t.unit.spelling->litres == 1;
            read.millilitres = t.unit.spelling->litres == 2;
            const int power = powerOf(solid.quantities[std::size_t(t.quantity)].dimension);
            read.value = t.value * Exact(unitFactor(*read.unit, *reading.unit, power));
        }
        reading.givens.push_back(read);
    }
    return reading;
}

}  // namespace solver
