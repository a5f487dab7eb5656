// SPDX-License-Identifier: MIT
#include <algorithm>
#include "task_text.h"

namespace solver::worksheet {
namespace {

// What comes before "ъгълна" and "ъгълник": "шесто" in "шестоъгълна".
std::string angleStem(int sides) {
    static constexpr std::string_view stems[] = {"три",  "четири", "пето",   "шесто",       "седмо",
                                                 "осмо", "девето", "десето", "единадесето", "дванадесето"};
    if (sides >= 3 && sides <= 12) return std::string(stems[sides - 3]);
    return std::to_string(sides) + "-";
}

// "с" and, before a word that begins with с or з, "със".
std::string with(std::string_view word) {
    return word.starts_with("с") || word.starts_with("з") || word.starts_with("С") || word.starts_with("З") ? "със "
                                                                                                            : "с ";
}

std::string given(std::string_view verb, Gender gender) {
    switch (gender) {
        case Gender::Masculine: return std::string(verb) + " е";
        case Gender::Feminine: return std::string(verb) + "а е";
        case Gender::Neuter: return std::string(verb) + "о е";
    }
    return "";
}

// Names that two givens share are said once, in the plural: a box's two base edges.
std::string_view plural(std::string_view name) { return name == "основен ръб" ? "основни ръбове" : ""; }

// Two givens of the two bases, the larger's first, said once in the plural: a
// frustum's „радиуси на основите 6 cm и 3 cm“, „основни ръбове 8 cm и 2 cm“.
constexpr std::string_view largerBase = " на голямата основа", smallerBase = " на малката основа";
constexpr std::pair<std::string_view, std::string_view> ofBothBases[] = {
    {"радиус", "радиуси на основите"},
    {"основен ръб", "основни ръбове"},
};
std::string_view pluralOfBases(std::string_view larger, std::string_view smaller) {
    if (!larger.ends_with(largerBase) || !smaller.ends_with(smallerBase)) return "";
    larger.remove_suffix(largerBase.size());
    smaller.remove_suffix(smallerBase.size());
    if (larger != smaller) return "";
    for (const auto& [name, both] : ofBothBases)
        if (name == larger) return both;
    return "";
}

// "околната и пълната повърхнина": two names of two words each that end alike are said together.
std::vector<std::string> togetherWhereAlike(const std::vector<std::string_view>& names) {
    std::vector<std::string> phrases;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view name = names[i];
        const auto space = name.find(' ');
        if (i + 1 < names.size() && space != std::string_view::npos &&
            name.find(' ', space + 1) == std::string_view::npos) {
            const std::string_view next = names[i + 1];
            const auto nextSpace = next.find(' ');
            if (nextSpace != std::string_view::npos && next.find(' ', nextSpace + 1) == std::string_view::npos &&
                next.substr(nextSpace) == name.substr(space)) {
                phrases.push_back(std::string(name.substr(0, space)) + " и " + std::string(next));
                ++i;
                continue;
            }
        }
        phrases.emplace_back(name);
    }
    return phrases;
}

// A quantity's name as the task's sentence says it, after the solid it is of:
// "апотема", not "апотема на пирамидата".
std::string_view nameAfterSolid(const QuantityRow& row, const SolidRow& solid) {
    const std::string ofSolid = " " + std::string(solid.genitive);
    std::string_view name = row.name;
    if (name.ends_with(ofSolid)) name.remove_suffix(ofSolid.size());
    return name;
}

std::vector<std::string> givenPhrases(const TaskWords& words) {
    std::vector<std::string> phrases;
    for (std::size_t i = 0; i < words.givens.size(); ++i) {
        const QuantityRow& row = words.solid->quantities[std::size_t(quantityIndex(*words.solid, words.givens[i].key))];
        if (row.dimension == Dimension::Count) continue;
        const std::string value = words.givens[i].value + unitText(words.unit, row.dimension);
        if (i + 1 < words.givens.size()) {
            const QuantityRow& next =
                words.solid->quantities[std::size_t(quantityIndex(*words.solid, words.givens[i + 1].key))];
            const std::string_view both =
                next.name == row.name ? plural(row.name) : pluralOfBases(row.name, next.name);
            if (!both.empty()) {
                phrases.push_back(std::string(both) + " " + value + " и " + words.givens[i + 1].value +
                                  unitText(words.unit, next.dimension));
                ++i;
                continue;
            }
        }
        phrases.push_back(std::string(nameAfterSolid(row, *words.solid)) + " " + value);
    }
    return phrases;
}

// A solid on a base of its own shape, as its row words it: „Права призма с
// височина 10 cm има основа правоъгълен триъгълник с катети 6 cm и 8 cm.
// Намерете лицето на основата и обема на призмата.“ The base's givens are said
// after its name, the solid's own after „с“ (before the base: a height said
// after it would be the base's); what is asked of the base is „… на основата“.
std::string textOnBase(const TaskWords& words, const WordedOnBase& worded) {
    const SolidRow& solid = *words.solid;
    const SolidRow& base = solid.parts.front().table();
    std::string said(worded.base);
    std::vector<std::string> own;
    for (const GivenText& given : words.givens) {
        const QuantityRow& row = solid.quantities[std::size_t(quantityIndex(solid, given.key))];
        const std::string value = given.value + unitText(words.unit, row.dimension);
        const std::string place = "{" + std::string(given.key) + "}";
        if (const std::size_t at = said.find(place); at != std::string::npos) said.replace(at, place.size(), value);
        else own.push_back(std::string(nameAfterSolid(row, solid)) + " " + value);
    }
    std::string text(worded.opening);
    if (!own.empty()) text += " " + with(own.front()) + listed(own);
    text += " има основа " + std::string(base.name) + " " + said + std::string(worded.apex);
    // Each asked by its whole name: „околната повърхнина, пълната повърхнина“.
    std::vector<std::string> asked;
    bool ofSolid = false;
    for (const std::string& key : words.asked) {
        if (const int index = quantityIndex(base, key); index >= 0) {
            asked.push_back(std::string(base.quantities[std::size_t(index)].definite) + " на основата");
        } else {
            asked.emplace_back(solid.quantities[std::size_t(quantityIndex(solid, key))].definite);
            ofSolid = true;
        }
    }
    if (ofSolid) asked.back() += " " + std::string(solid.genitive);
    return text + ". Намерете " + listed(asked) + ".";
}

// Whether a quantity's name says whose it is, and its definite form says it
// too: „височината на цилиндъра“, „радиуса на общата основа“; not the body's
// own „обема“ (of „обем на тялото“).
bool namesItsOwner(const QuantityRow& row) {
    const std::size_t of = row.name.rfind(" на ");
    return of != std::string_view::npos && row.definite.ends_with(row.name.substr(of));
}

// The value written for a given, or none.
const std::string* valueOf(const TaskWords& words, std::string_view key) {
    for (const GivenText& given : words.givens)
        if (given.key == key) return &given.value;
    return nullptr;
}

// The solid's worded row for the givens the task names; none where no row names them.
const WordedGivens* wordedFor(const TaskWords& words) {
    if (!words.solid->registration) return nullptr;
    for (const WordedGivens& row : words.solid->registration->worksheet.worded) {
        if (!row.equal[0].empty()) {
            const std::string *first = valueOf(words, row.equal[0]), *second = valueOf(words, row.equal[1]);
            if (!first || !second || *first != *second) continue;
        }
        std::vector<std::string_view> keys;
        for (std::string_view key : row.givens)
            if (!key.empty()) keys.push_back(key);
        if (keys.size() == words.givens.size() &&
            std::all_of(words.givens.begin(), words.givens.end(), [&](const GivenText& given) {
                return std::find(keys.begin(), keys.end(), given.key) != keys.end();
            }))
            return &row;
    }
    return nullptr;
}

// A body worded by its row for the givens the task names: „Тяло е съставено
// от цилиндър и конус с обща основа с радиус 3 cm. Височината на цилиндъра е
// 5 cm, а на конуса – 4 cm. Намерете обема на конуса и лицето на
// повърхнината на тялото.“ Empty where no row names these givens.
std::string textOfBody(const TaskWords& words, const WordedGivens* row) {
    const SolidRow& solid = *words.solid;
    if (!row) return {};
    std::string text(row->text);
    for (const GivenText& given : words.givens) {
        const QuantityRow& quantity = solid.quantities[std::size_t(quantityIndex(solid, given.key))];
        const std::string place = "{" + std::string(given.key) + "}";
        if (const std::size_t at = text.find(place); at != std::string::npos)
            text.replace(at, place.size(), given.value + unitText(words.unit, quantity.dimension));
    }
    // In the key's order, those of one owner said with it once: „височината
    // и образуващата на конуса“, „лицето на повърхнината и обема на тялото“.
    const std::string bodyOwner = " " + std::string(row->owner.empty() ? solid.genitive : row->owner);
    std::vector<std::pair<std::string, std::vector<std::string_view>>> groups;
    for (const std::string& key : words.asked) {
        const QuantityRow& quantity = solid.quantities[std::size_t(quantityIndex(solid, key))];
        std::string owner = bodyOwner;
        std::string_view name = quantity.definite;
        if (namesItsOwner(quantity)) {
            owner = quantity.name.substr(quantity.name.rfind(" на "));
            name.remove_suffix(owner.size());
        }
        if (groups.empty() || groups.back().first != owner) groups.push_back({owner, {}});
        groups.back().second.push_back(name);
    }
    // „височината на конуса, лицето на повърхнината и обема на тялото“: one „и“ to a list.
    // After a group said with its own „и“, the last is added by „, както и“.
    std::string asked;
    bool joined = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const bool last = i + 1 == groups.size(), several = groups[i].second.size() > 1;
        asked += (i == 0 ? "" : !last || several ? ", " : joined ? ", както и " : " и ") +
                 listed(togetherWhereAlike(groups[i].second)) + groups[i].first;
        joined = joined || several;
    }
    text += " Намерете " + asked;
    if (words.pi == PiSetting::School && usesPi(solid)) text += " при π ≈ 3,14";
    return text + ".";
}

}  // namespace

std::string unitText(Unit unit, Dimension dimension) {
    const std::string symbol(unitSymbol(unit));
    switch (dimension) {
        case Dimension::Count: return "";
        case Dimension::Length: return " " + symbol;
        case Dimension::Area: return " " + symbol + "²";
        case Dimension::Volume: return " " + symbol + "³";
        case Dimension::Angle: return "°";
        case Dimension::Ratio: return "";
        default: return " " + useUnitSymbol(unit, dimension);
    }
    return "";
}

std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " и " : ", ") + items[i];
    return text;
}

bool usesPi(const SolidRow& solid) {
    for (const RelationRow* relation : relationsOf(solid))
        if (relation->equation.find("π") != std::string_view::npos) return true;
    return false;
}

// "{}" in a row's name, replaced by the stem of a count: "правилна шестоъгълна призма".
std::string withStem(std::string_view pattern, const std::string& stem) {
    std::string text(pattern);
    if (const std::size_t at = text.find("{}"); at != std::string::npos) text.replace(at, 2, stem);
    return text;
}

// A regular solid named by its base, as its registration row says; else by its own name.
SolidName solidName(const SolidRow& solid, int sides) {
    const SidedName* sided = solid.registration ? &solid.registration->worksheet.sidedName : nullptr;
    if (sides > 0 && sided && !sided->name.empty()) {
        for (const NamedSides& named : sided->named)
            if (named.sides == sides) return {std::string(named.name), std::string(named.genitive), sided->gender};
        const std::string stem = angleStem(sides);
        return {withStem(sided->name, stem),
                sided->genitive.empty() ? std::string(solid.genitive) : withStem(sided->genitive, stem), sided->gender};
    }
    return {std::string(solid.single), std::string(solid.genitive), solid.gender};
}

// The table of use that gives every asked letter (the sphere about the solid), or none.
const SolidRow* useOfAll(const SolidRow& solid, const std::vector<std::string>& keys) {
    const SolidRow* own = solidByKey(solid.key);
    if (!own || keys.empty()) return nullptr;
    for (const PartRow& use : own->uses) {
        const auto& rows = use.table().quantities;
        if (std::all_of(keys.begin(), keys.end(), [&](const std::string& key) {
                return std::any_of(rows.begin(), rows.end(), [&](const QuantityRow& q) { return q.key == key && q.ofUse; });
            }))
            return &use.table();
    }
    return nullptr;
}

// The asked quantities' names as the text lists them („радиуса и лицето“),
// cut before their owner where a sphere's table words it round the solid.
std::string askedNames(const TaskWords& words, const std::vector<std::string>& keys, bool cut) {
    std::vector<std::string_view> asked;
    for (const std::string& key : keys) {
        std::string_view definite = words.solid->quantities[std::size_t(quantityIndex(*words.solid, key))].definite;
        if (cut) definite = definite.substr(0, definite.rfind(" на "));  // „лицето на повърхнината“ of the ball
        asked.push_back(definite);
    }
    return listed(togetherWhereAlike(asked));
}

// A sphere's quantities worded round the solid: "радиуса и лицето на описаната около цилиндъра сфера".
std::string aroundSolid(const TaskWords& words, const SolidRow& use, const SolidName& solid,
                        const std::vector<std::string>& keys) {
    constexpr std::string_view of = "на ";
    const std::string owner = solid.genitive.starts_with(of) ? solid.genitive.substr(of.size()) : solid.genitive;
    const std::size_t at = use.genitive.find("{}");
    return askedNames(words, keys, true) + " " + std::string(use.genitive.substr(0, at)) + owner +
           std::string(use.genitive.substr(at + 2));
}

bool worded(const SolidRow* use) { return use && use->genitive.find("{}") != std::string_view::npos; }

// What a task asks, with whose it is: "образуващата и обема на конуса"; of a
// sphere about the solid or a ball in it, as its table words it round the
// solid: "радиуса и лицето на описаната около цилиндъра сфера"; of both, the
// solid's first: "височината на пресечения конус, както и радиуса на
// вписаното в пресечения конус кълбо".
std::string askedOf(const TaskWords& words, const SolidName& solid) {
    if (const SolidRow* use = useOfAll(*words.solid, words.asked); worded(use))
        return aroundSolid(words, *use, solid, words.asked);
    std::vector<std::string> own, ofUse;
    for (const std::string& key : words.asked) (useOfAll(*words.solid, {key}) ? ofUse : own).push_back(key);
    const SolidRow* use = useOfAll(*words.solid, ofUse);
    if (own.empty() || !worded(use)) return askedNames(words, words.asked, false) + " " + solid.genitive;
    return askedNames(words, own, false) + " " + solid.genitive + ", както и " + aroundSolid(words, *use, solid, ofUse);
}

TurnedFigure turnedFigure(const TaskWords& words) {
    const WordedGivens* row = wordedFor(words);
    if (!row || !row->turns) return TurnedFigure::None;
    return row->wholeSection ? TurnedFigure::AxialSection : TurnedFigure::HalfSection;
}

std::string taskText(const TaskWords& words) {
    if (std::string text = textOfBody(words, wordedFor(words)); !text.empty()) return text;
    if (const Registration* registration = words.solid->registration;
        registration && !registration->worksheet.onBase.opening.empty() && !words.solid->parts.empty())
        return textOnBase(words, registration->worksheet.onBase);
    const SolidName solid = solidName(*words.solid, words.sides);
    std::string text = given("Даден", solid.gender) + " " + solid.name;
    const std::vector<std::string> phrases = givenPhrases(words);
    if (!phrases.empty()) text += " " + with(phrases.front()) + listed(phrases);
    text += ". Намерете " + askedOf(words, solid);
    if (words.pi == PiSetting::School && usesPi(*words.solid)) text += " при π ≈ 3,14";
    return text + ".";
}

}  // namespace solver::worksheet
