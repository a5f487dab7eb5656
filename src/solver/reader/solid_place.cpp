// SPDX-License-Identifier: MIT
// The solid a task is about: its name with the adjectives before it
// („правилна четириъгълна пирамида“), a base named after „основа“
// („с основа квадрат“, „квадратна основа“), and what these say of it (n = 4).
#include <algorithm>

#include "reader/reading.h"

namespace solver::reader {
namespace {

struct Mention {
    std::string key;     // the solver's key; empty for a base alone
    std::string givens;  // "n=4 l=2r"
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t item = 0;
};

// A plane figure named besides a solid („основата е квадрат“) is its base.
bool plane(std::string_view key) { return isPlaneFigure(key); }

std::vector<std::pair<std::string, std::string>> givensOf(std::string_view list) {
    std::vector<std::pair<std::string, std::string>> givens;
    while (!list.empty()) {
        const auto space = list.find(' ');
        const std::string_view given = list.substr(0, space);
        list.remove_prefix(space == std::string_view::npos ? list.size() : space + 1);
        const auto equals = given.find('=');
        if (equals != std::string_view::npos) givens.emplace_back(given.substr(0, equals), given.substr(equals + 1));
    }
    return givens;
}

bool skippedBetween(const Item& item) { return item.is(Role::Clitic); }

// Each solid's name with the adjectives just before it.
std::vector<Mention> solidMentions(Reading& reading) {
    std::vector<Mention> mentions;
    std::vector<Item>& items = reading.items;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (reading.used[k] || !items[k].is(Role::Solid)) continue;
        Mention mention{items[k].meaning, items[k].givens, items[k].begin, items[k].end, k};
        for (std::size_t j = k; j-- > 0;) {
            if (reading.used[j] || !(items[j].is(Role::Adjective) || skippedBetween(items[j]))) break;
            if (items[j].is(Role::Adjective)) {
                if (!items[j].givens.empty()) mention.givens += " " + items[j].givens;
                mention.begin = items[j].begin;
            }
            reading.used[j] = true;
        }
        reading.used[k] = true;
        mentions.push_back(std::move(mention));
    }
    return mentions;
}

// „Пирамидата е правилна четириъгълна.“: adjectives after the solid's name,
// with no other name after them, are its own.
void adjectivesAfter(Reading& reading, std::vector<Mention>& mentions) {
    std::vector<Item>& items = reading.items;
    for (Mention& mention : mentions) {
        if (mention.key.empty()) continue;
        std::size_t k = mention.item + 1;
        while (k < items.size() && !reading.used[k] && (items[k].is(Role::Clitic) || items[k].is(Role::Filler))) ++k;
        std::vector<std::size_t> adjectives;
        while (k < items.size() && !reading.used[k] && (items[k].is(Role::Adjective) || items[k].is(Role::Clitic))) {
            if (items[k].is(Role::Adjective)) adjectives.push_back(k);
            ++k;
        }
        if (adjectives.empty() || (k < items.size() && (items[k].is(Role::Solid) || items[k].is(Role::Base)))) continue;
        for (std::size_t a : adjectives) {
            if (!items[a].givens.empty()) mention.givens += " " + items[a].givens;
            mention.end = std::max(mention.end, items[a].end);
            reading.used[a] = true;
        }
    }
}

// „квадратна основа“: an adjective of the base.
void baseAdjectives(Reading& reading, std::vector<Mention>& mentions) {
    std::vector<Item>& items = reading.items;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (reading.used[k] || !items[k].is(Role::Adjective) || items[k].givens.empty()) continue;
        std::size_t next = k + 1;
        while (next < items.size() && skippedBetween(items[next])) ++next;
        if (next < items.size() && items[next].is(Role::Base)) {
            mentions.push_back({"", items[k].givens, items[k].begin, items[next].end, next});
            reading.used[k] = reading.used[next] = true;
        }
    }
}

void unsupportedWords(Reading& reading) {
    for (std::size_t k = 0; k < reading.items.size(); ++k) {
        const Item& item = reading.items[k];
        if (reading.used[k] || !item.is(Role::Unsupported)) continue;
        reading.used[k] = true;
        reading.unsupported = true;
        reading.task.unread.push_back(pieceOf(reading, item.begin, item.end));
    }
}

// „основата е квадрат с лице 16 cm²“, „основа с периметър 24 cm и лице 36 cm²“:
// an area named after the base, before another solid, is the base's.
void baseAreas(Reading& reading, const std::vector<Mention>& mentions) {
    std::vector<Item>& items = reading.items;
    std::vector<std::size_t> bases;
    for (const Mention& m : mentions)
        if (plane(m.key)) bases.push_back(m.item);
    for (std::size_t k = 0; k < items.size(); ++k)
        if (!reading.used[k] && items[k].is(Role::Base)) bases.push_back(k);
    for (std::size_t base : bases)
        for (std::size_t k = base + 1; k < items.size(); ++k) {
            const Item& item = items[k];
            if (item.kind == ItemKind::End || (item.is(Role::Solid) && !plane(item.meaning))) break;
            if (item.is(Role::WeakQuantity) && item.meaning == "area") {
                items[k].role = Role::Quantity;
                items[k].meaning = "base area";
                break;
            }
        }
}

bool baseShape(std::string_view key) {
    for (const SolidRow* shape : baseShapes())
        if (shape->key == key) return true;
    return false;
}

// What the task says of a pyramid's apex: over the centre of the circle round
// the base (all lateral edges equal, or a lateral edge given), or of the
// circle inside it (faces at equal angles to the base, or their height given).
std::string apexSaid(const Reading& reading) {
    for (const Item& item : reading.items) {
        if (item.is(Role::Filler) && item.meaning == "apex edges") return "edges";
        if (item.is(Role::Filler) && item.meaning == "apex faces") return "faces";
    }
    for (const Item& item : reading.items) {
        if (item.is(Role::Quantity) && item.meaning == "lateral edge") return "edges";
        if (item.is(Role::Quantity) && (item.meaning == "apothem" || item.meaning == "face height")) return "faces";
    }
    return {};
}

// A prism or a pyramid with a base of its own shape named („с основа ромб“):
// the solid on that base, or a message where there is none or the apex is not said.
const SolidRow* onItsBase(Reading& reading, const std::vector<Mention>& mentions) {
    for (const Mention& m : mentions) {
        if (!baseShape(m.key)) continue;
        const std::string apex = apexSaid(reading);
        // A prism, or a pyramid with equal lateral edges; a pyramid with equal faces' angles.
        const SolidRow* plain = solidOnBase(reading.solid->key, m.key);
        const SolidRow* faces = solidOnBase(reading.solid->key, m.key, "faces");
        const SolidRow* chosen = !apex.empty() ? (apex == "faces" ? faces : plain) : (plain && faces ? nullptr : plain ? plain : faces);
        if (chosen) return chosen;
        const SolidRow* shape = solidByKey(m.key);
        if (apex.empty() && plain && faces)
            reading.task.message = "Пирамида с основа " + std::string(shape->name) +
                                   ": кажете дали всичките ѝ околни ръбове са равни, или околните ѝ стени сключват "
                                   "равни ъгли с основата.";
        else
            reading.task.message = "Задачи за " + std::string(reading.solid->single) + " с основа " +
                                   std::string(shape->name) + " още не се решават.";
        return nullptr;
    }
    return reading.solid;
}

// Where a phrase about a base ends: the sentence's end, a comma or another solid.
bool basePhraseEnds(const Item& item) {
    return item.kind == ItemKind::End || (item.kind == ItemKind::Mark && item.text == ",") ||
           (item.is(Role::Solid) && !plane(item.meaning));
}

// Whether item k begins its sentence (after numbering or a question's letter).
bool sentenceStarts(const std::vector<Item>& items, std::size_t k) {
    while (k > 0 && (items[k - 1].kind == ItemKind::Ignored || items[k - 1].kind == ItemKind::Marker)) --k;
    return k == 0 || items[k - 1].kind == ItemKind::End;
}

// „Основата на правилна шестоъгълна пирамида има страна 10 cm и апотема
// 8,65 cm“: where the base is the sentence's subject, an apothem the sentence
// names (up to its end, a comma or another solid) is the base's, but for one
// said of a solid („апотемата на пирамидата“). „Пирамида има основа със страна
// 6 cm и апотема 5 cm“ keeps the pyramid's.
void baseApothems(Reading& reading) {
    std::vector<Item>& items = reading.items;
    // Past „на правилна шестоъгълна пирамида“ after item k, or k itself where no solid is named so.
    const auto pastSolid = [&](std::size_t k) {
        std::size_t j = k + 1;
        if (j >= items.size() || !isOf(items[j])) return k;
        while (++j < items.size() && items[j].is(Role::Adjective)) {}
        return j < items.size() && items[j].is(Role::Solid) ? j : k;
    };
    for (std::size_t base = 0; base < items.size(); ++base) {
        if (reading.used[base] || !items[base].is(Role::Base) || !sentenceStarts(items, base)) continue;
        for (std::size_t k = pastSolid(base) + 1; k < items.size() && !basePhraseEnds(items[k]); ++k)
            if (items[k].is(Role::Quantity) && items[k].meaning == "apothem" && pastSolid(k) == k)
                items[k].meaning = "base apothem";
    }
}

// „основа равностранен триъгълник със страна 6 cm и височина 5,2 cm“, with the
// prism's height named apart: the figure is read as shapesWithHeight() says, and
// the height in its phrase is its own.
void shapesGivenWithHeight(const Reading& reading, std::vector<Mention>& mentions) {
    const std::vector<Item>& items = reading.items;
    for (Mention& m : mentions) {
        const auto row = std::find_if(shapesWithHeight().begin(), shapesWithHeight().end(), [&](const ShapeWithHeight& r) {
            return r.shape == m.key && r.givens == m.givens;
        });
        if (row == shapesWithHeight().end()) continue;
        std::size_t end = m.item + 1, values = 0;
        bool ownHeight = false;
        for (; end < items.size() && !basePhraseEnds(items[end]); ++end) {
            if (items[end].kind == ItemKind::Value) ++values;
            if (items[end].is(Role::Quantity) && items[end].meaning == "height" && values > 0) ownHeight = true;
        }
        if (!ownHeight) continue;
        bool solidsHeight = false;
        for (std::size_t k = 0; k < items.size(); ++k)
            if ((k < m.item || k >= end) && items[k].is(Role::Quantity) && items[k].meaning == "height") solidsHeight = true;
        if (!solidsHeight) continue;
        m.key = row->as;
        m.givens = row->asGivens;
    }
}

// Past a base's name, up to the sentence's end, a comma or another solid, a
// height, a diagonal or „основи“ are the base's own: „основа ромб със страна
// 3 cm и височина 2 cm“, „трапец с основи 10 cm и 4 cm“.
void baseOwnQuantities(Reading& reading, const std::vector<Mention>& mentions) {
    std::vector<Item>& items = reading.items;
    for (const Mention& m : mentions) {
        if (!baseShape(m.key)) continue;
        // „височината на ромба“: named before the base, with „на“ between.
        if (m.item >= 2 && items[m.item - 1].is(Role::Filler) && items[m.item - 1].meaning == "of") {
            Item& named = items[m.item - 2];
            if (named.is(Role::Quantity) && named.meaning == "height") named.meaning = "base height";
            else if (named.is(Role::Quantity) && named.meaning == "diagonal") named.meaning = "base diagonal";
        }
        // „с катети 3 cm и 4 cm и височина 10 cm“: numbers enough for the base
        // already given, the height is the solid's.
        const std::size_t fixing = solidByKey(m.key)->base.size();
        std::size_t values = 0;
        for (std::size_t k = m.item + 1; k < items.size(); ++k) {
            Item& item = items[k];
            if (basePhraseEnds(item)) break;
            if (item.kind == ItemKind::Value) ++values;
            if (item.is(Role::Quantity) && item.meaning == "height" && values < fixing) item.meaning = "base height";
            else if (item.is(Role::Quantity) && item.meaning == "diagonal") item.meaning = "base diagonal";
            else if (item.is(Role::Base) && !reading.used[k]) {
                item.role = Role::Quantity;
                item.meaning = "shape base";
            }
        }
    }
}

std::string namesOf(const std::vector<std::string>& keys, std::string_view last = " и ") {
    std::string names;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SolidRow* row = solidByKey(keys[i]);
        names += (i == 0 ? "" : i + 1 == keys.size() ? std::string(last) : ", ") + std::string(row ? row->single : keys[i]);
    }
    return names;
}

// The givens the names say, once each; a second value for one is not read.
// A base's (n = 4 of „с квадратна основа“) only where the solid has such a
// quantity: the base of a cylinder says nothing of n.
void addGivens(Reading& reading, const Mention& mention, bool base) {
    for (const auto& [name, said] : givensOf(mention.givens)) {
        const std::string key = name, value = said;  // (captured below)
        if (!keyFits(key, *reading.solid)) {
            // „триъгълна призма с основа правоъгълен триъгълник“: the base's shape says more than n.
            const bool saidByBase = !reading.solid->family.empty() && wholeQuantity(*reading.solid) < 0;
            if (!base && !saidByBase) reading.task.unread.push_back(pieceOf(reading, mention.begin, mention.end));
            continue;
        }
        const auto same = std::find_if(reading.task.givens.begin(), reading.task.givens.end(),
                                       [&](const ReadGiven& g) { return g.key == key; });
        if (same != reading.task.givens.end()) {
            if (same->value != value) reading.task.unread.push_back(pieceOf(reading, mention.begin, mention.end));
            continue;
        }
        ReadGiven given;
        given.key = key;
        given.value = value;
        given.from = pieceOf(reading, mention.begin, mention.end);
        given.relation = !keyFits(key, *reading.solid) || quantityIndex(*reading.solid, value) >= 0 ||
                         value.find_first_not_of("0123456789") != std::string::npos;
        reading.task.givens.push_back(std::move(given));
    }
}

}  // namespace

void placeSolid(Reading& reading) {
    unsupportedWords(reading);
    std::vector<Mention> mentions = solidMentions(reading);
    baseAdjectives(reading, mentions);
    adjectivesAfter(reading, mentions);
    // „пресечена пирамида … пирамидата“: a solid's short name beside its full one ("pyramid" beside
    // "pyramid-frustum") is the same solid.
    const auto namedInFull = [&](const std::string& key) {
        return std::any_of(mentions.begin(), mentions.end(),
                           [&](const Mention& m) { return m.key.starts_with(key + "-") && !plane(m.key); });
    };
    std::vector<std::string> kinds;
    for (const Mention& m : mentions)
        if (!m.key.empty() && !plane(m.key) && !namedInFull(m.key) &&
            std::find(kinds.begin(), kinds.end(), m.key) == kinds.end())
            kinds.push_back(m.key);
    if (kinds.size() > 1) {
        // A body of two solids not solved yet says so already (reader/composed.cpp).
        if (reading.task.message.empty())
            reading.task.message = "Задачата е за няколко тела (" + namesOf(kinds) + "), а се решават задачи за едно тяло.";
        return;
    }
    if (kinds.empty())
        for (const Mention& m : mentions)
            if (plane(m.key)) kinds.push_back(m.key);
    if (kinds.empty()) {
        std::vector<std::string> all;
        for (const SolidRow& row : allSolids()) all.emplace_back(row.key);
        for (const SolidRow* row : frustums()) all.emplace_back(row->key);
        reading.task.message = "Не личи за кое тяло е задачата: назовете го (" + namesOf(all, " или ") + ").";
        return;
    }
    reading.solid = solidByKey(kinds.front());
    if (!reading.solid) {
        reading.task.message = "Задачи за „" + kinds.front() + "“ още не се решават.";
        return;
    }
    if (!plane(reading.solid->key)) {
        shapesGivenWithHeight(reading, mentions);
        reading.solid = onItsBase(reading, mentions);
        if (!reading.solid) return;
        if (!reading.solid->family.empty()) baseOwnQuantities(reading, mentions);
    }
    reading.task.solid = std::string(reading.solid->key);
    if (!plane(reading.task.solid)) {
        baseAreas(reading, mentions);
        baseApothems(reading);
    }
    for (const Mention& m : mentions) {
        const bool base = m.key.empty() || (plane(m.key) && !plane(reading.task.solid));
        if (m.key == reading.task.solid || base) addGivens(reading, m, base);
    }
    std::stable_sort(reading.task.givens.begin(), reading.task.givens.end(),
                     [](const ReadGiven& a, const ReadGiven& b) { return a.from.span.begin < b.from.span.begin; });
}

}  // namespace solver::reader
