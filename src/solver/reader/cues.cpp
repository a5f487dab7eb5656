// SPDX-License-Identifier: MIT
// Names that, with what follows them, state a relation: „околните стени на
// призмата са квадрати“, „осното сечение е квадрат с лице 36 cm²“,
// „всички ръбове са равни“ (relationCues()). Read before the solid is
// placed, so that the polygon in them is no base.
#include <optional>

#include "reader/reading.h"

namespace solver::reader {
namespace {

bool between(const Item& item) {
    if (item.kind == ItemKind::Mark) return item.text == ",";
    if (item.kind != ItemKind::Phrase) return false;
    return item.role == Role::Filler || item.role == Role::Clitic || item.role == Role::Adjective ||
           (item.role == Role::Solid && !isPlaneFigure(item.meaning));
}

// „Всички ръбове на права призма с основа ромб са равни“: before „равни“,
// the solid's base too is passed over.
bool aboutTheBase(const Item& item) {
    return item.is(Role::With) || item.is(Role::Base) || (item.is(Role::Solid) && isPlaneFigure(item.meaning));
}

std::size_t following(const Reading& reading, std::size_t k, bool base = false) {
    for (++k; k < reading.items.size(); ++k)
        if (!reading.used[k] && !between(reading.items[k]) && !(base && aboutTheBase(reading.items[k]))) return k;
    return reading.items.size();
}

bool cueFits(const Reading& reading, const RelationCue& cue, std::size_t c) {
    if (c >= reading.items.size() || !reading.items[c].is(cue.cue)) return false;
    const Item& item = reading.items[c];
    if (cue.cue == Role::Solid) return isPlaneFigure(item.meaning) && item.givens == cue.givens;
    // „равни“ with nothing after it: „равен на 5 cm“ and „равна на височината“ are no cue.
    std::size_t after = c + 1;
    while (after < reading.items.size() && (reading.used[after] || reading.items[after].is(Role::Clitic))) ++after;
    if (after == reading.items.size()) return true;
    const Item& next = reading.items[after];
    return next.kind == ItemKind::End || next.is(Role::And) || (next.kind == ItemKind::Mark && next.text != "=");
}

bool circleWord(const Item& item) { return item.is(Role::Filler) && item.meaning == "circle"; }
bool radius(const Item& item) { return item.is(Role::Quantity) && item.meaning == "radius"; }

// „радиусът на вписаната в правилен шестоъгълник окръжност“, „окръжността,
// описана около основата, има радиус 5 cm“: the polygon stays a solid's name.
void markCircles(Reading& reading) {
    std::vector<Item>& items = reading.items;
    auto skipped = [&](const Item& item) {
        return (item.is(Role::Filler) && !circleWord(item)) || item.is(Role::Clitic) || item.is(Role::In) ||
               item.is(Role::Solid) || item.is(Role::Adjective) || item.is(Role::Base) ||
               (item.kind == ItemKind::Mark && item.text == ",");
    };
    for (std::size_t k = 0; k < items.size(); ++k) {
        const Item& word = items[k];
        if (reading.used[k] || !word.is(Role::Unsupported) || (word.meaning != "inscribed" && word.meaning != "circumscribed"))
            continue;
        const std::string quantity = word.meaning == "inscribed" ? "inradius" : "circumradius";
        std::size_t before = k;
        while (before > 0 && (items[before - 1].is(Role::Filler) || items[before - 1].is(Role::Clitic) ||
                              (items[before - 1].kind == ItemKind::Mark && items[before - 1].text == ",")) &&
               !circleWord(items[before - 1]))
            --before;
        std::size_t after = k + 1;
        while (after < items.size() && !reading.used[after] && skipped(items[after])) ++after;
        std::optional<std::size_t> name, circle;
        if (before > 0 && radius(items[before - 1]) && after < items.size() && circleWord(items[after])) {
            name = before - 1;
            circle = after;
        } else if (before > 0 && circleWord(items[before - 1])) {
            for (std::size_t r = after; r < items.size() && items[r].kind != ItemKind::End; ++r)
                if (radius(items[r])) {
                    name = r;
                    circle = before - 1;
                    break;
                }
        }
        if (!name) continue;
        items[*name].meaning = quantity;
        reading.used[k] = reading.used[*circle] = true;
    }
}

}  // namespace

void markRelationCues(Reading& reading) {
    markCircles(reading);
    std::vector<Item>& items = reading.items;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (reading.used[k] || !items[k].is(Role::Quantity)) continue;
        for (const RelationCue& cue : relationCues()) {
            if (cue.quantity != items[k].meaning) continue;
            const std::size_t c = following(reading, k, cue.cue == Role::Equal);
            if (!cueFits(reading, cue, c)) continue;
            items[k].role = Role::Relation;
            items[k].meaning = std::string(cue.relation);
            items[k].end = items[c].end;
            reading.used[c] = true;
            const std::size_t with = following(reading, c);
            if (!cue.areaOf.empty() && with < items.size() && items[with].is(Role::With)) {
                const std::size_t area = following(reading, with);
                if (area < items.size() && items[area].is(Role::WeakQuantity) && items[area].meaning == "area") {
                    items[area].role = Role::Quantity;
                    items[area].meaning = std::string(cue.areaOf);
                }
            }
            break;
        }
    }
}

}  // namespace solver::reader
