// SPDX-License-Identifier: MIT
#include "task/givens.h"

#include <algorithm>
#include <array>
#include <cctype>
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

// Longest first where one ends another ("mm" before "m"); with a Cyrillic
// letter typed for a Latin one that looks the same ("сm", "cм") too.
constexpr std::array<UnitSpelling, 20> unitSpellings{{
    {"mm", Unit::Millimetre}, {"мм", Unit::Millimetre}, {"cm", Unit::Centimetre}, {"см", Unit::Centimetre},
    {"сm", Unit::Centimetre}, {"cм", Unit::Centimetre}, {"мm", Unit::Millimetre}, {"mм", Unit::Millimetre},
    {"дm", Unit::Decimetre},  {"dм", Unit::Decimetre},
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
    default: return 0;  // an angle, a ratio, a mass, a sum, a density, a unit price
    }
}

Integer tenTo(unsigned power) { return boost::multiprecision::pow(Integer(10), power); }

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

// The unit of a mass, a sum, a density or a unit price as typed: "2,5kg",
// "11,4 g/cm³", "12лв./m²", "3 лв./l".
struct UseUnit {
    std::string text;        // as a textbook writes it: "kg", "лв./m²"
    Rational grams = 1;      // of a mass unit; 1 for money
    bool mass = false;       // the numerator is a mass (else money)
    std::optional<Unit> per;  // the unit of length under the bar
    int power = 0;           // its power: 2 for an area, 3 for a volume (or litres)
};

struct Spelling {
    std::string_view text, shown;
    Rational grams;
};

const std::vector<Spelling>& massSpellings() {
    static const std::vector<Spelling> spellings = {
        {"mg", "mg", Rational(1, 1000)}, {"мг", "mg", Rational(1, 1000)}, {"kg", "kg", 1000}, {"кг", "kg", 1000},
        {"g", "g", 1}, {"г", "g", 1}, {"t", "t", 1000000}, {"т", "t", 1000000}};
    return spellings;
}

constexpr std::string_view moneySpellings[] = {"лв.", "лв", "lv.", "lv", "BGN"};

// The mass or money unit at the end of `text`, taken off it.
std::optional<UseUnit> takeNumerator(std::string_view& text, bool mass) {
    if (mass) {
        for (const Spelling& s : massSpellings()) {
            if (!text.ends_with(s.text)) continue;
            const std::string_view before = text.substr(0, text.size() - s.text.size());
            if (!endsWord(before) || trimmed(before).empty()) continue;
            text = trimmed(before);
            return UseUnit{std::string(s.shown), s.grams, true, std::nullopt, 0};
        }
        return std::nullopt;
    }
    for (std::string_view s : moneySpellings) {
        if (!text.ends_with(s)) continue;
        const std::string_view before = text.substr(0, text.size() - s.size());
        if (!endsWord(before) || trimmed(before).empty()) continue;
        text = trimmed(before);
        return UseUnit{"лв.", 1, false, std::nullopt, 0};
    }
    return std::nullopt;
}

// The unit of length under the bar, of the power asked: "cm³", "m2", "l".
bool readDenominator(std::string_view text, int power, UseUnit& unit) {
    text = trimmed(text);
    for (const UnitSpelling& s : unitSpellings) {
        if (s.litres != 0) {
            if (text != s.text || power != 3) continue;
            unit.per = s.unit;
            unit.power = 3;
            unit.text += s.litres == 1 ? "/l" : "/ml";
            return true;
        }
        if (!text.starts_with(s.text)) continue;
        const std::string_view rest = text.substr(s.text.size());
        for (const auto& [powerText, p] : powerSpellings) {
            if (rest != powerText || p != power) continue;
            unit.per = s.unit;
            unit.power = power;
            unit.text += "/" + std::string(unitSymbol(s.unit)) + (power == 2 ? "²" : "³");
            return true;
        }
    }
    return false;
}

// How the unit of each kind of quantity of use is typed, for the message where it is not.
std::string useUnitHint(Dimension dimension) {
    switch (dimension) {
    case Dimension::Mass: return "масата се дава в g, kg или t, например 2,5kg";
    case Dimension::Money: return "цената се дава в левове, например 12лв";
    case Dimension::MassPerVolume: return "плътността се дава в g/cm³, kg/dm³ или kg/m³, например 11,4g/cm³";
    case Dimension::MoneyPerArea: return "цената за единица площ се дава в лв./m², лв./dm² или лв./cm², например 12лв./m²";
    case Dimension::MoneyPerVolume: return "цената за единица обем се дава в лв./l, лв./m³ или лв./cm³, например 3лв./l";
    default: return "";
    }
}

// The unit of a quantity of use taken off its value; none where none was typed.
// False where a unit was typed that does not suit the quantity.
bool takeUseUnit(std::string_view& text, Dimension dimension, std::optional<UseUnit>& unit) {
    const bool perSomething = dimension == Dimension::MassPerVolume || dimension == Dimension::MoneyPerArea ||
                              dimension == Dimension::MoneyPerVolume;
    const bool mass = dimension == Dimension::Mass || dimension == Dimension::MassPerVolume;
    const std::size_t bar = text.rfind('/');
    if (perSomething && bar != std::string_view::npos) {
        const std::string_view denominator = text.substr(bar + 1);
        const bool lettered = std::any_of(denominator.begin(), denominator.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
        });
        if (!lettered) return true;  // a fraction: "3/4"
        std::string_view numerator = trimmed(text.substr(0, bar));
        unit = takeNumerator(numerator, mass);
        if (!unit || !readDenominator(denominator, dimension == Dimension::MoneyPerArea ? 2 : 3, *unit)) return false;
        text = numerator;
        return true;
    }
    std::string_view rest = text;
    unit = takeNumerator(rest, mass);
    if (!unit) {
        // Letters after the number are a unit that does not suit.
        const bool lettered = !text.empty() && (std::isalpha(static_cast<unsigned char>(text.back())) ||
                                                static_cast<unsigned char>(text.back()) >= 0x80) &&
                              !text.ends_with("π") && !text.ends_with("pi");
        return !lettered;
    }
    if (perSomething) return false;  // a mass where a density is asked for
    text = rest;
    return true;
}

// Cyrillic letters that look like Latin ones, and the Latin letters they look like.
constexpr std::pair<std::string_view, char> lookAlikes[] = {
    {"а", 'a'}, {"в", 'B'}, {"е", 'e'}, {"к", 'k'}, {"м", 'M'}, {"н", 'H'}, {"о", 'o'}, {"р", 'p'},
    {"с", 'c'}, {"т", 'T'}, {"у", 'y'}, {"х", 'x'}, {"А", 'A'}, {"В", 'B'}, {"Е", 'E'}, {"К", 'K'},
    {"М", 'M'}, {"Н", 'H'}, {"О", 'O'}, {"Р", 'P'}, {"С", 'C'}, {"Т", 'T'}, {"Х", 'X'}, {"Ѕ", 'S'},
};

// The text with each Cyrillic look-alike put as the Latin letter it looks like;
// none where it has no such letter.
std::optional<std::string> asLatin(std::string_view text) {
    std::string latin;
    bool changed = false;
    for (std::size_t at = 0; at < text.size();) {
        bool found = false;
        for (const auto& [cyrillic, letter] : lookAlikes) {
            if (!text.substr(at).starts_with(cyrillic)) continue;
            latin += letter;
            at += cyrillic.size();
            found = changed = true;
            break;
        }
        if (!found) latin += text[at++];
    }
    if (!changed) return std::nullopt;
    return latin;
}

// The Cyrillic letters of a key that look like Latin ones: "„а“", "„С“ и „Н“".
std::string cyrillicLetters(std::string_view text) {
    std::vector<std::string> letters;
    for (std::size_t at = 0; at < text.size();) {
        bool found = false;
        for (const auto& [cyrillic, letter] : lookAlikes) {
            if (!text.substr(at).starts_with(cyrillic)) continue;
            const std::string quoted = "„" + std::string(cyrillic) + "“";
            if (std::find(letters.begin(), letters.end(), quoted) == letters.end()) letters.push_back(quoted);
            at += cyrillic.size();
            found = true;
            break;
        }
        if (!found) ++at;
    }
    std::string listedLetters;
    for (std::size_t i = 0; i < letters.size(); ++i)
        listedLetters += (i == 0 ? "" : i + 1 == letters.size() ? " и " : ", ") + letters[i];
    return listedLetters;
}

}  // namespace

std::string noQuantities(const SolidRow& solid, const std::vector<std::string>& keys) {
    std::string names;
    for (std::size_t i = 0; i < keys.size(); ++i)
        names += (i == 0 ? "" : i + 1 == keys.size() ? " и " : ", ") + ("„" + keys[i] + "“");
    return names + (keys.size() == 1 ? " не е величина" : " не са величини") + ": величините " +
           std::string(solid.genitive) + " са " + quantityList(solid) + " (главните и малките букви се различават).";
}

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
        std::optional<UseUnit> useUnit;
    };
    std::vector<Typed> typed;
    auto problem = [&](const Given& given, const std::string& sentence) {
        reading.problems.push_back(sentence);
        reading.concerned.push_back(given.key);
    };
    std::vector<const Given*> unknown;
    std::vector<const Given*> relations;
    for (const Given& given : givens) {
        if (isRelationGiven(solid, given)) {
            relations.push_back(&given);
            continue;
        }
        const int quantity = quantityIndex(solid, given.key);
        if (quantity < 0) {
            const auto latin = asLatin(given.key);
            if (latin && quantityIndex(solid, *latin) >= 0) {
                const bool one = cyrillicLetters(given.key).find(" и ") == std::string::npos &&
                                 cyrillicLetters(given.key).find(", ") == std::string::npos;
                problem(given, "„" + given.key + "“ е написано с " + (one ? "кирилската буква " : "кирилските букви ") +
                                   cyrillicLetters(given.key) + "; въведете величината " + *latin +
                                   " с латински букви: „" + *latin + "“.");
            } else {
                unknown.push_back(&given);
            }
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
        const bool angle = row.dimension == Dimension::Angle;
        const bool ofUse = isUseDimension(row.dimension);
        std::optional<UseUnit> useUnit;
        if (ofUse && !takeUseUnit(text, row.dimension, useUnit)) {
            problem(given, given.key + ": „" + std::string(trimmed(given.text)) + "“ не е " + std::string(row.name) +
                               " с мерна единица: " + useUnitHint(row.dimension) + ".");
            continue;
        }
        TypedUnit unit = angle || ofUse ? TypedUnit{} : takeUnit(text);
        // A part of a whole in per cent: "75%" is 3/4.
        const bool percent = row.dimension == Dimension::Ratio && text.ends_with("%") && text.size() > 1;
        if (percent) text = trimmed(text.substr(0, text.size() - 1));
        TypedValue value = readValue(text, angle);
        if (percent && value.read) value.value = value.value * Exact(Rational(1, 100));
        const std::string shown = "„" + std::string(trimmed(given.text)) + "“";
        // An angle in radians, as π/3: in degrees, 60. A root without π is degrees („1800√29/29“).
        if (angle && value.read && !value.degrees && value.value.ascii().find("pi") != std::string::npos)
            value.value = value.value * Exact(180) * Exact::pi(-1);
        if (!value.read) {
            problem(given, given.key + ": " + shown + " не се чете като число (" + value.error + "). Въведете " +
                               std::string(examples) + ".");
            continue;
        }
        const bool positive = value.value.isRational() ? value.value.rational() > 0 : value.value.sign() > 0;
        if (!positive) {
            problem(given, given.key + ": " + shown + " не е положително число. Въведете число, по-голямо от 0, " +
                               std::string(examples) + ".");
            continue;
        }
        const bool small = value.value.isRational() ? value.value.rational() < Rational(1, Integer(10) * tenTo(49))
                                                    : value.value.value() < 1e-50;
        const double magnitude = value.value.value();
        if (small || !(magnitude <= 1e50)) {
            problem(given, given.key + ": " + shown +
                               " е извън обхвата от 10⁻⁵⁰ до 10⁵⁰. Въведете число между тях, например 3, 2,5 или 0,001.");
            continue;
        }
        if (row.domain.below > 0 && !(value.value.value() < row.domain.below)) {
            problem(given, given.key + ": " + std::string(row.domain.rule) + ", а е дадено " + shown +
                               ". Въведете ъгъла в градуси, например 30 или 45°.");
            continue;
        }
        if (row.domain.atMost > 0 && value.value.value() > row.domain.atMost) {
            problem(given, given.key + ": " + std::string(row.domain.rule) + ", а е дадено " + shown + ".");
            continue;
        }
        const int power = powerOf(row.dimension);
        if (row.domain.whole) {
            if (unit.spelling) {
                problem(given, given.key + " е брой и няма мерна единица: въведете само числото, например " +
                                   std::to_string(row.domain.least + 1) + ".");
                continue;
            }
            const bool whole = value.value.isRational() &&
                               boost::multiprecision::denominator(value.value.rational()) == 1;
            const std::string within = "Въведете цяло число от " + std::to_string(row.domain.least) + " до " +
                                       std::to_string(row.domain.most) + ", например " +
                                       std::to_string(row.domain.least + 1) + ".";
            if (!whole || value.value.rational() < row.domain.least) {
                problem(given, given.key + ": " + std::string(row.domain.tooSmall) + ", а е дадено " + shown + ". " + within);
                continue;
            }
            if (value.value.rational() > row.domain.most) {
                problem(given, given.key + ": " + std::string(row.domain.tooLarge) + ", а е дадено " + shown + ". " + within);
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
        if (useUnit && useUnit->per && !reading.unit) reading.unit = *useUnit->per;
        reading.decimals = reading.decimals || value.decimal;
        typed.push_back({&given, quantity, value.value, unit, value.plain, value.decimal, value.decimals, useUnit});
    }
    for (const Given* given : relations) {
        RelationGiven relation = readRelationGiven(solid, *given, reading.unit);
        if (!relation.problem.empty()) {
            problem(*given, relation.problem);
            continue;
        }
        if (!reading.unit) reading.unit = relation.unit;
        reading.relations.push_back(std::move(relation));
    }
    if (!unknown.empty()) {
        std::vector<std::string> keys;
        for (const Given* given : unknown) keys.push_back(given->key);
        reading.problems.insert(reading.problems.begin(), noQuantities(solid, keys));
        reading.concerned.insert(reading.concerned.begin(), keys.begin(), keys.end());
    }
    for (const Typed& t : typed) {
        if (t.useUnit && t.useUnit->mass && !reading.unit) {
            problem(*t.given, t.given->key + ": масата в " + t.useUnit->text +
                                  " иска и мерна единица на дължините: дайте я на някоя дължина (a=5cm) или с --unit=cm.");
            continue;
        }
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
        if (t.useUnit) {
            // To the mass unit beside the results' unit of length, per its square or cube.
            Rational factor = t.useUnit->mass ? t.useUnit->grams / gramsPerMassUnit(*reading.unit) : Rational(1);
            if (t.useUnit->per) factor /= unitFactor(*t.useUnit->per, *reading.unit, t.useUnit->power);
            read.value = t.value * Exact(factor);
            read.useUnit = t.useUnit->text;
            read.useConverted = factor != 1 || t.useUnit->text != useUnitSymbol(reading.unit, solid.quantities[std::size_t(t.quantity)].dimension);
        }
        reading.givens.push_back(read);
    }
    return reading;
}

}  // namespace solver
