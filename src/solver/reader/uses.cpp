// SPDX-License-Identifier: MIT
// The quantities of use a task gives in words of their own: the fill of a
// vessel („напълнен до 3/4“, „пълен наполовина“, „3/4 от него са пълни с
// вода“, „75 %“), a density or a price per unit of measure („1 cm³ тежи
// 11,4 g“, „1 m² струва 12 лв.“, „по 12 лв. за квадратен метър“), and a
// vessel without a lid or a tube, which make the surface asked the open
// one's. A fill of the height is a fill of the volume only in a vessel of one
// cross-section (vocabulary: "height fill"), and so is a level given as a
// length („водата е на височина 1,5 m“) beside the vessel's height; in any
// other vessel the words are named as not understood, the task not solved.
#include <algorithm>
#include <optional>

#include "reader/reading.h"

namespace solver::reader {
namespace {

bool skippable(const Item& item) {
    if (item.kind == ItemKind::Mark) return item.text == ",";
    if (item.kind != ItemKind::Phrase) return false;
    return item.role == Role::Filler || item.role == Role::Clitic || item.role == Role::From ||
           item.role == Role::Solid || item.role == Role::Adjective;
}

class Uses {
public:
    explicit Uses(Reading& reading) : r_(reading), items_(reading.items) {}

    void run() {
        for (std::size_t start = 0; start < items_.size();) {
            std::size_t end = start;
            while (end < items_.size() && items_[end].kind != ItemKind::End) ++end;
            start_ = start;
            end_ = end;
            rates();
            fill();
            openSolids();
            paintVerbs();
            start = end + 1;
        }
    }

private:
    bool open(std::size_t k) const { return k < end_ && !r_.used[k]; }

    // The next item that says something after k, within the sentence; end_ where none.
    std::size_t next(std::size_t k) const {
        for (++k; k < end_; ++k)
            if (!r_.used[k] && !skippable(items_[k])) return k;
        return end_;
    }
    std::optional<std::size_t> previous(std::size_t k) const {
        while (k-- > start_)
            if (!r_.used[k] && !skippable(items_[k])) return k;
        return std::nullopt;
    }

    std::string wordAt(std::size_t k) const {
        return lowerCase(std::string(r_.text.substr(items_[k].begin, items_[k].end - items_[k].begin)));
    }

    void unread(std::size_t begin, std::size_t end, bool refuse) {
        r_.task.unread.push_back(pieceOf(r_, begin, end));
        r_.unsupported = r_.unsupported || refuse;
    }

    bool given(std::string_view key) const {
        return std::any_of(r_.task.givens.begin(), r_.task.givens.end(), [&](const ReadGiven& g) { return g.key == key; });
    }

    // A given of use: its key for the solid, from the words between two items.
    void give(std::string_view quantity, const std::string& value, std::size_t first, std::size_t last) {
        const std::vector<std::string> keys = keysFor(quantity, *r_.solid);
        const std::size_t begin = items_[first].begin, end = items_[last].end;
        if (keys.size() != 1 || !keyFits(keys.front(), *r_.withUses)) return unread(begin, end, false);
        // A second fill, density or price („… до 3/4. Колко литра да се налеят, за да се напълни догоре?“): another task.
        if (given(keys.front())) return unread(begin, end, true);
        r_.task.givens.push_back({keys.front(), value, pieceOf(r_, begin, end), false});
    }

    // A unit of area or volume: "m²", "cm³", "l".
    static bool perMeasure(const Item& item) {
        if (item.foreignUnit || item.unit.empty() || isMassOrMoney(item.unit)) return false;
        return item.unit == "l" || item.unit == "ml" || item.power >= 2;
    }
    static bool massOrMoney(const Item& item) {
        return item.kind == ItemKind::Value && !item.foreignUnit && isMassOrMoney(item.unit);
    }

    // "g/cm³": a density; "лв./m²" a price per area; "лв./l" a price per volume.
    static std::string_view rateOf(std::string_view unit) {
        const auto bar = unit.find('/');
        if (bar == std::string_view::npos) return {};
        const bool money = unit.starts_with("лв."), perArea = unit.ends_with("²");
        if (!money) return perArea ? std::string_view{} : "density";
        return perArea ? "area price" : "volume price";
    }

    // The name before a rate („плътност“, „цената“, „тежи“): read with it.
    std::size_t withName(std::size_t k) {
        const auto before = previous(k);
        if (!before || !items_[*before].is(Role::Quantity)) return k;
        const std::string& meaning = items_[*before].meaning;
        if (meaning != "density" && meaning != "cost" && meaning != "mass" && meaning != "paint cost") return k;
        r_.used[*before] = true;
        return *before;
    }

    // „1 cm³ тежи 11,4 g“, „1 m² струва 12 лв.“, „12 лв. за 1 m²“, „7,8 g/cm³“.
    void rates() {
        for (std::size_t k = start_; k < end_; ++k) {
            if (!open(k)) continue;
            const Item& item = items_[k];
            if (item.kind == ItemKind::Value && !item.foreignUnit && item.unit.find('/') != std::string::npos) {
                r_.used[k] = true;
                if (rateOf(item.unit).empty()) unread(items_[withName(k)].begin, item.end, false);  // „5 g/m²“
                else give(rateOf(item.unit), item.text, withName(k), k);
            } else if ((item.kind == ItemKind::Value || item.kind == ItemKind::UnitWord) && perMeasure(item)) {
                measureFirst(k);
            } else if (massOrMoney(item) && !amountFirst(k)) {
                paintingCost(k);
            }
        }
    }

    // Whether an item is one unit of measure: „1 m²“, „един литър“, „квадратен метър“.
    bool oneUnit(std::size_t k) const {
        const Item& item = items_[k];
        if (!open(k) || !perMeasure(item)) return false;
        return item.kind == ItemKind::UnitWord || item.number == "1";
    }

    std::string rateText(const Item& amount, const Item& measure) const {
        return amount.number + " " + amount.unit + "/" + unitText(measure.unit, measure.power);
    }

    // „тежи“, „струва“, „цената“: the name of a mass or a cost.
    bool rateName(std::size_t k) const {
        if (!open(k) || !items_[k].is(Role::Quantity)) return false;
        const std::string& meaning = items_[k].meaning;
        return meaning == "mass" || meaning == "cost" || meaning == "paint cost";
    }

    // „1 cm³ (от материала) тежи 11,4 g“, „1 литър мляко тежи 1,03 kg“, „цената на 1 литър бензин е 2,5 лв.“
    void measureFirst(std::size_t k) {
        if (!oneUnit(k)) return;
        std::size_t after = next(k);  // past the substance's name
        for (int words = 0; after < end_ && items_[after].kind == ItemKind::Unknown && words < 2; ++words) after = next(after);
        std::optional<std::size_t> name;
        std::size_t amount = end_;
        if (rateName(after)) {
            name = after;
            amount = next(after);
        } else if (const auto before = previous(k); before && rateName(*before)) {
            name = before;
            amount = after;
        }
        if (!name || !open(amount) || !massOrMoney(items_[amount]) ||
            (items_[amount].unit == "лв.") != (items_[*name].meaning != "mass"))
            return void(rateAsked(k));
        r_.used[k] = r_.used[*name] = r_.used[amount] = true;
        const std::string text = rateText(items_[amount], items_[k]);
        give(rateOf(text.substr(text.find(' ') + 1)), text, std::min(k, *name), amount);
    }

    // „Стените се боядисват за 378 лв.“: the painting's cost.
    bool paintingCost(std::size_t k) {
        const auto name = previous(k);
        if (!name || !items_[*name].is(Role::Quantity) || items_[*name].meaning != "painted area" ||
            items_[k].unit != "лв.")
            return false;
        r_.used[*name] = r_.used[k] = true;
        give("paint cost", items_[k].text, *name, k);
        return true;
    }

    // „Колко грама тежи 1 cm³ от материала?“, „Колко струва 1 m² боя?“: a density or a price asked.
    bool rateAsked(std::size_t k) {
        const auto verb = previous(k);
        if (!verb || !items_[*verb].is(Role::Quantity) || !asks()) return false;
        const std::string& meaning = items_[*verb].meaning;
        if (meaning != "mass" && meaning != "cost" && meaning != "paint cost") return false;
        const Item& measure = items_[k];
        const std::string unit = (meaning == "mass" ? "g/" : "лв./") + unitText(measure.unit, measure.power);
        const std::vector<std::string> keys = keysFor(rateOf(unit), *r_.solid);
        r_.used[*verb] = r_.used[k] = true;
        const std::size_t begin = items_[*verb].begin, end = measure.end;
        if (keys.size() != 1 || !keyFits(keys.front(), *r_.withUses)) {
            unread(begin, end, false);
            return true;
        }
        r_.task.asked.push_back({keys.front(), pieceOf(r_, begin, end), {}});
        return true;
    }

    // „по 12 лв. за (1) квадратен метър“, „2,7 kg на 1 dm³“
    bool amountFirst(std::size_t k) {
        std::size_t per = k + 1;
        while (per < end_ && (r_.used[per] || items_[per].is(Role::Clitic))) ++per;
        if (per >= end_ || !items_[per].is(Role::Filler)) return false;
        const std::string word = wordAt(per);
        if (word != "за" && word != "на") return false;
        const std::size_t measure = per + 1;
        if (measure >= end_ || !oneUnit(measure)) return false;
        r_.used[k] = r_.used[per] = r_.used[measure] = true;
        const std::string text = rateText(items_[k], items_[measure]);
        give(rateOf(text.substr(text.find(' ') + 1)), text, withName(k), measure);
        return true;
    }

    // The part a fill names: a fraction („3/4“, „половината“, „75 %“) or the
    // words themselves („наполовина“, „догоре“); empty where item k is none.
    std::string partAt(std::size_t k) const {
        const Item& item = items_[k];
        if (r_.used[k]) return {};
        if (item.is(Role::Fill) && item.givens.starts_with("f=")) return item.givens.substr(2);
        if (item.is(Role::NumberWord) && item.givens.empty() && item.meaning.find('/') != std::string::npos)
            return item.meaning;
        if (item.kind != ItemKind::Value) return {};
        if (item.foreignUnit && item.unit.empty() && item.end > 0 && r_.text[item.end - 1] == '%')
            return percent(item.number);
        const bool times = next(k) < end_ && items_[next(k)].is(Role::Times);
        if (!item.multiplier || times) return {};
        const std::string& n = item.number;
        if (n.find('/') != std::string::npos || n.starts_with("0,") || n == "1") return n;
        return {};
    }

    // „75 %“ as 75/100, „37,5 %“ as 375/1000.
    static std::string percent(const std::string& number) {
        if (number.find_first_not_of("0123456789,") != std::string::npos) return {};
        const auto comma = number.find(',');
        std::string digits = number, below = "100";
        if (comma != std::string::npos) {
            digits.erase(comma, 1);
            below.append(number.size() - comma - 1, '0');
        }
        return digits + "/" + below;
    }

    // „вода до височина 8 cm“, „напълнен до височина 30 cm“, „нивото на водата е
    // 30 cm“: the length after a level; none where item w names no level.
    std::optional<std::size_t> levelAt(std::size_t w) const {
        std::size_t at = w;
        if (items_[w].meaning != "level") {
            if (items_[w].meaning != "fill to") return std::nullopt;
            at = next(w);
            if (!open(at) || !items_[at].is(Role::Quantity) || items_[at].meaning != "height") return std::nullopt;
        }
        const std::size_t length = next(at);
        if (!open(length) || items_[length].kind != ItemKind::Value || items_[length].foreignUnit ||
            items_[length].unit.empty() || isMassOrMoney(items_[length].unit) || items_[length].power > 1)
            return std::nullopt;
        return length;
    }

    // A level: in a vessel of one cross-section the liquid is a solid of its
    // own of that height (read as the height, where the vessel's is not given
    // too: finishUses()); in any other, not read.
    void level(const std::vector<std::size_t>& words, std::size_t w, std::size_t length) {
        for (std::size_t x : words) r_.used[x] = true;
        if (keysFor("height fill", *r_.solid).empty()) {
            r_.used[length] = true;
            return unread(items_[w].begin, items_[length].end, true);
        }
        r_.levels.push_back({{items_[w].begin, items_[length].end}, items_[length].text});
        if (items_[w].meaning != "level") return;
        items_[w].role = Role::Quantity;
        items_[w].meaning = "height";
        r_.used[w] = false;
    }

    // „напълнен до 3/4 (от обема си)“, „пълен наполовина“, „3/4 от него са
    // пълни с вода“, „до 3/4 от височината“.
    void fill() {
        std::vector<std::size_t> words, parts;
        for (std::size_t k = start_; k < end_; ++k)
            if (open(k) && items_[k].is(Role::Fill)) (items_[k].meaning == "part" ? parts : words).push_back(k);
        if (words.empty()) return;
        if (!parts.empty() && asks()) return partAsked(words, parts.front());
        for (std::size_t w : words)
            if (const auto length = levelAt(w)) return level(words, w, *length);
        std::optional<std::size_t> part;
        std::string value;
        for (std::size_t k = words.front(); k < end_ && !part; ++k)
            if (!(value = partAt(k)).empty()) part = k;
        for (std::size_t k = words.front(); k-- > start_ && !part;)
            if (!(value = partAt(k)).empty()) part = k;
        for (std::size_t x : words) r_.used[x] = true;
        const bool needsPart = std::any_of(words.begin(), words.end(), [&](std::size_t w) {
            return items_[w].meaning == "fill to";
        });
        if (!part) {
            // „В съда са налети 20 литра вода“: the liquid.
            const std::size_t liquid = next(words.front());
            if (open(liquid) && items_[liquid].kind == ItemKind::Value && perMeasure(items_[liquid]) &&
                items_[liquid].power != 2) {
                r_.used[liquid] = true;
                return give("liquid", items_[liquid].text, words.front(), liquid);
            }
            if (needsPart) unread(items_[words.front()].begin, items_[words.back()].end, true);
            return;  // „пълен с вода“: the liquid is the whole volume
        }
        r_.used[*part] = true;
        // From the fill's word nearest before the part (after it: „3/4 от него са пълни“).
        std::size_t nearest = words.front();
        for (std::size_t w : words)
            if (w <= *part) nearest = w;
        if (nearest > *part)
            for (std::size_t w : words)
                if (w > *part) {
                    nearest = w;
                    break;
                }
        // „напълнен с вода до 3/4“: back over the fill's other words.
        for (std::size_t k = nearest; k-- > start_;) {
            if (items_[k].is(Role::Fill) && k < *part) nearest = k;
            else if (!skippable(items_[k]) && !items_[k].is(Role::With)) break;
        }
        const std::size_t first = std::min(nearest, *part);
        std::size_t last = std::max(nearest, *part);
        // „от обема“, „от него“: of the volume; „от височината“: of the height.
        bool height = false;
        std::size_t of = *part + 1;
        while (of < end_ && (r_.used[of] || items_[of].is(Role::Clitic))) ++of;
        if (of < end_ && items_[of].is(Role::From)) {
            const std::size_t what = next(of);
            const bool named = open(what) && (items_[what].is(Role::Quantity) || items_[what].is(Role::Pronoun));
            const std::string meaning = named ? items_[what].meaning : "";
            if (named && (meaning == "volume" || meaning == "liquid" || items_[what].is(Role::Pronoun) ||
                          meaning == "height" || meaning == "depth")) {
                height = meaning == "height" || meaning == "depth";
                r_.used[of] = r_.used[what] = true;
                last = std::max(last, what);
            } else if (named) {
                // „вратите заемат 1/5 от околната повърхнина“: a part of something else, no fill.
                r_.used[*part] = false;
                for (std::size_t w : words)
                    if (items_[w].meaning == "occupies") {
                        items_[w].role = Role::Filler;  // „… заемат 1/5 от …“: a relation's word
                        r_.used[w] = false;
                    }
                return;
            }
        }
        if (height && keysFor("height fill", *r_.solid).empty()) return unread(items_[first].begin, items_[last].end, true);
        give(height ? "height fill" : "fill", value, first, last);
    }

    // Whether the sentence asks: „Колко…“, „Намерете…“, a question mark.
    bool asks() const {
        bool question = end_ < items_.size() && items_[end_].text == "?";
        for (std::size_t k = start_; k < end_; ++k) question = question || (open(k) && items_[k].is(Role::Ask));
        return question;
    }

    // „Каква част от съда е пълна?“: the fill asked.
    void partAsked(const std::vector<std::size_t>& words, std::size_t part) {
        for (std::size_t w : words) r_.used[w] = true;
        r_.used[part] = true;
        const std::size_t begin = items_[part].begin, end = items_[std::max(part, words.back())].end;
        const std::vector<std::string> keys = keysFor("fill", *r_.solid);
        if (keys.size() != 1 || !keyFits(keys.front(), *r_.withUses)) return unread(begin, end, false);
        r_.task.asked.push_back({keys.front(), pieceOf(r_, begin, end), {}});
    }

    // „Стените ще се боядисват …“: in a sentence that asks nothing, the task's
    // verb, not the area asked.
    void paintVerbs() {
        if (asks()) return;
        for (std::size_t k = start_; k < end_; ++k)
            if (open(k) && items_[k].is(Role::Quantity) && items_[k].meaning == "painted area" &&
                !(next(k) < end_ && items_[next(k)].kind == ItemKind::Value))
                r_.used[k] = true;
    }

    // „без капак“, „отворен отгоре“: the surface without a lid; „тръба“, „без основи“: the lateral surface.
    void openSolids() {
        for (std::size_t k = start_; k < end_; ++k) {
            if (!open(k) || !items_[k].is(Role::OpenSolid)) continue;
            r_.used[k] = true;
            const std::string& kind = items_[k].meaning;
            if (keysFor(kind == "open" ? "open surface" : "tube surface", *r_.solid).empty()) {
                unread(items_[k].begin, items_[k].end, true);
                continue;
            }
            r_.openMarks.push_back(pieceOf(r_, items_[k].begin, items_[k].end));
            r_.openKinds.push_back(kind);
            r_.useHints.push_back(kind);
        }
    }

    Reading& r_;
    std::vector<Item>& items_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};

bool overlap(Span a, Span b) { return a.begin < b.end && b.begin < a.end; }

// "1,5 m" as {"1,5", "m"}; none where the number is not plain digits.
std::optional<std::pair<std::string, std::string>> plainLength(const std::string& value) {
    const auto space = value.find(' ');
    if (space == std::string::npos || space == 0) return std::nullopt;
    const std::string number = value.substr(0, space);
    if (number.find_first_not_of("0123456789,") != std::string::npos) return std::nullopt;
    return std::make_pair(number, value.substr(space + 1));
}

// The area painted is the walls' (the lateral surface, less the doors and windows):
// where a task paints and says neither walls nor the lateral surface („Кубът се
// боядисва отвън“: all its faces), which surface is painted is not read.
void paintedWhat(Reading& reading) {
    ReadTask& task = reading.task;
    const auto painting = [](const std::string& key) { return key == "Sp" || key == "CS" || key == "cS"; };
    const Piece* paint = nullptr;
    for (const ReadGiven& given : task.givens)
        if (!paint && painting(given.key)) paint = &given.from;
    for (const ReadAsked& asked : task.asked)
        if (!paint && painting(asked.key)) paint = &asked.from;
    if (!paint) return;
    bool walls = std::any_of(task.givens.begin(), task.givens.end(), [](const ReadGiven& g) { return g.key == "Sd" || g.key == "S"; }) ||
                 std::any_of(task.asked.begin(), task.asked.end(), [](const ReadAsked& a) { return a.key == "S"; });
    for (const Item& item : reading.items) {
        const bool lateral = item.is(Role::Quantity) && (item.meaning == "lateral" || item.meaning == "lateral faces");
        const std::string word = lowerCase(item.text);
        walls = walls || lateral || (item.kind == ItemKind::Unknown && std::find(wallWords().begin(), wallWords().end(), word) != wallWords().end());
    }
    if (walls) return;
    task.unread.push_back(*paint);
    reading.unsupported = true;
}

}  // namespace

void readUses(Reading& reading) { Uses(reading).run(); }

// „Басейнът е дълбок 2 m. Водата е на височина 1,5 m.“: f = 1,5/2.
void levelsAsFill(Reading& reading) {
    ReadTask& task = reading.task;
    const std::vector<std::string> heights = keysFor("height", *reading.solid);
    const std::vector<std::string> fills = keysFor("height fill", *reading.solid);
    if (heights.size() != 1 || fills.size() != 1) return;
    for (const Reading::Level& level : reading.levels) {
        const auto vessel = std::find_if(task.givens.begin(), task.givens.end(), [&](const ReadGiven& g) {
            return g.key == heights.front() && !overlap(g.from.span, level.span);
        });
        const auto read = std::find_if(task.unread.begin(), task.unread.end(),
                                       [&](const Piece& piece) { return overlap(piece.span, level.span); });
        if (vessel == task.givens.end() || read == task.unread.end()) continue;
        const auto height = plainLength(vessel->value), water = plainLength(level.value);
        const bool taken = std::any_of(task.givens.begin(), task.givens.end(),
                                       [&](const ReadGiven& g) { return g.key == fills.front(); });
        if (!height || !water || height->second != water->second || taken) continue;
        task.givens.push_back({fills.front(), water->first + "/" + height->first, *read, false});
        task.unread.erase(read);
    }
}

// The surface asked or given of an open solid: the one without a lid (So), or a tube's lateral surface (S).
void finishUses(Reading& reading) {
    // With a vessel filled to a part of it, a mass by a density is the liquid's (mt = ρ·Vt), not the solid's.
    const auto fill = std::find_if(reading.task.givens.begin(), reading.task.givens.end(),
                                   [](const ReadGiven& g) { return g.key == "f"; });
    const bool density = std::any_of(reading.task.givens.begin(), reading.task.givens.end(),
                                     [](const ReadGiven& g) { return g.key == "ρ"; });
    if (fill != reading.task.givens.end() && density && fill->value != "1" && keyFits("mt", *reading.solid)) {
        for (ReadAsked& asked : reading.task.asked)
            if (asked.key == "m") asked.key = "mt";
        for (ReadGiven& given : reading.task.givens)
            if (given.key == "m") given.key = "mt";
    }
    // A level read as the height where the vessel's own height is given too: not solved.
    for (const Reading::Level& level : reading.levels)
        for (const Piece& piece : reading.task.unread)
            if (overlap(piece.span, level.span)) reading.unsupported = true;
    for (std::size_t i = 0; i < reading.openMarks.size(); ++i) {
        const std::string quantity = reading.openKinds[i] == "open" ? "open surface" : "tube surface";
        const std::vector<std::string> keys = keysFor(quantity, *reading.solid);
        if (keys.size() != 1) continue;
        const Piece& mark = reading.openMarks[i];
        // A pipe's mass is a hollow cylinder's, which is not solved: not the solid's m = ρ·V.
        const auto massive = [](const std::string& key) { return key == "m" || key == "ρ"; };
        if (reading.openKinds[i] == "tube" &&
            (std::any_of(reading.task.givens.begin(), reading.task.givens.end(), [&](const ReadGiven& g) { return massive(g.key); }) ||
             std::any_of(reading.task.asked.begin(), reading.task.asked.end(), [&](const ReadAsked& a) { return massive(a.key); }))) {
            reading.task.unread.push_back(mark);
            reading.unsupported = true;
            continue;
        }
        for (ReadAsked& asked : reading.task.asked)
            if (asked.key == "S1" || (asked.key == keys.front() && asked.mark.empty())) {
                asked.key = keys.front();
                asked.mark = mark.words;
            }
        for (ReadGiven& given : reading.task.givens)
            if (given.key == "S1") given.key = keys.front();
    }
    paintedWhat(reading);
    std::sort(reading.task.unread.begin(), reading.task.unread.end(),
              [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
}

}  // namespace solver::reader
