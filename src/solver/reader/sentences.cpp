// SPDX-License-Identifier: MIT
// A task read sentence by sentence: a quantity's name takes the number that
// follows it (several names the numbers that follow them in turn:
// „основният ръб и височината са съответно 6 cm и 4 cm“); a name with no
// number is asked where the sentence asks („Намерете обема“, „Обемът е?“);
// relations between names are givens in the solid's letters.
#include <algorithm>
#include <optional>
#include <set>

#include "reader/reading.h"

namespace solver::reader {
namespace {

struct Pending {
    std::vector<std::string> keys;  // the name's keys for the solid; one empty key where it has none
    std::size_t bound = 0;          // how many of them took a number
    std::size_t item = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool ask = false;         // named after „намерете“
    bool referenced = false;  // the other side of a relation: asked by no one
    bool alike = false;       // one number for all its keys
};

bool isSkipped(const Item& item) {
    if (item.kind == ItemKind::Mark) return item.text == ",";
    if (item.kind != ItemKind::Phrase) return false;
    switch (item.role) {
    case Role::Filler:
    case Role::Clitic:
    case Role::Solid:
    case Role::Adjective:
    case Role::Base:
        return true;
    default:
        return false;
    }
}

bool isFraction(const std::string& number) { return number.find('/') != std::string::npos; }

// The multiple of a letter as the solver reads it: 2r, 2a/3, a/2, 1,5h.
std::string times(const std::string& multiplier, const std::string& key) {
    const auto slash = multiplier.find('/');
    if (slash == std::string::npos) return multiplier == "1" ? key : multiplier + key;
    const std::string above = multiplier.substr(0, slash), below = multiplier.substr(slash + 1);
    return (above == "1" ? "" : above) + key + "/" + below;
}

std::string divided(const std::string& divisor, const std::string& key) {
    const auto slash = divisor.find('/');
    if (slash == std::string::npos) return key + "/" + divisor;
    return times(divisor.substr(slash + 1) + "/" + divisor.substr(0, slash), key);
}

class Sentences {
public:
    explicit Sentences(Reading& reading) : r_(reading), items_(reading.items), solid_(*reading.solid) {}

    void run() {
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && !isSkipped(items_[k]) && items_[k].kind != ItemKind::End && items_[k].kind != ItemKind::Mark)
                lastContent_ = k;
        bool asking = false;
        for (std::size_t start = 0; start < items_.size();) {
            std::size_t end = start;
            while (end < items_.size() && items_[end].kind != ItemKind::End) ++end;
            // „а) … б) …“ in sentences of their own go on asking.
            ask_ = asking && items_[start].kind == ItemKind::Marker;
            sentence(start, end);
            asking = ask_;
            start = end + 1;
        }
        askedByUnit();
    }

private:
    bool open(std::size_t k) const { return k < items_.size() && !r_.used[k]; }
    bool is(std::size_t k, Role role) const { return open(k) && items_[k].is(role); }
    bool isQuantity(std::size_t k) const {
        return open(k) && (items_[k].is(Role::Quantity) || items_[k].is(Role::WeakQuantity));
    }
    bool isValue(std::size_t k) const {
        return open(k) && items_[k].kind == ItemKind::Value && !items_[k].foreignUnit;
    }

    // The next item that says something, within the sentence; `end_` where none.
    std::size_t next(std::size_t k) const {
        for (++k; k < end_; ++k)
            if (!r_.used[k] && !isSkipped(items_[k])) return k;
        return end_;
    }
    std::optional<std::size_t> previous(std::size_t k) const {
        while (k-- > start_)
            if (!r_.used[k] && !isSkipped(items_[k])) return k;
        return std::nullopt;
    }

    // The item right before k, clitics aside: a letter after a name labels it („основен ръб a = 16 cm“).
    std::optional<std::size_t> justBefore(std::size_t k) const {
        while (k-- > start_)
            if (!r_.used[k] && !items_[k].is(Role::Clitic)) return k;
        return std::nullopt;
    }

    void unread(std::size_t begin, std::size_t end) { r_.task.unread.push_back(pieceOf(r_, begin, end)); }

    void sentence(std::size_t start, std::size_t end) {
        start_ = start;
        end_ = end;
        pending_.clear();
        run_ = 0;
        unattached_.clear();
        unknown_.clear();
        askedBefore_ = r_.task.asked.size();
        unitAsked_ = false;
        for (std::size_t k = start; k < end; ++k) {
            if (r_.used[k]) continue;
            const Item& item = items_[k];
            switch (item.kind) {
            case ItemKind::Phrase: phrase(k); break;
            case ItemKind::Value: value(k); break;
            case ItemKind::UnitWord: unitWord(k); break;
            case ItemKind::Equation: equation(k); break;
            case ItemKind::Symbol: symbol(k); break;
            case ItemKind::Pi: pi(k); break;
            case ItemKind::Unknown: unknown_.push_back(k); break;
            default: break;
            }
        }
        finish();
    }

    void phrase(std::size_t k) {
        switch (items_[k].role) {
        case Role::Ask: ask_ = true; break;
        case Role::Quantity:
        case Role::WeakQuantity: quantity(k); break;
        case Role::Relation: fixedRelation(k); break;
        case Role::Sum:
        case Role::Difference: sum(k); break;
        case Role::RatioNoun: ratioNoun(k); break;
        case Role::RatioVerb: ratioOfTheNameBefore(k); break;
        case Role::RoundingIntro: rounding(k); break;
        case Role::Base: base(k); break;
        default: break;
        }
    }

    // „дължина“ beside another name („ръб с дължина 5 cm“, „дължината на ръба“) says nothing.
    bool saysNothing(std::size_t k) const {
        std::size_t after = k + 1;
        while (after < end_ && (r_.used[after] || items_[after].is(Role::Clitic))) ++after;
        if (after < end_ && items_[after].is(Role::Filler) && items_[after].meaning == "of" && isQuantity(next(after)))
            return true;
        // The name just before it, across „с“, „има“ and a solid's name, not across „чието“.
        std::optional<std::size_t> at;
        for (std::size_t j = k; j-- > start_;) {
            if (r_.used[j] && !items_[j].is(Role::Solid)) continue;
            const Item& item = items_[j];
            if (item.is(Role::Filler) && item.meaning == "which") return false;
            if (isSkipped(item) || item.is(Role::With)) continue;
            at = j;
            break;
        }
        return at && !pending_.empty() && pending_.back().item == *at && pending_.back().bound == 0;
    }

    std::vector<std::string> keysOf(std::size_t k) const {
        std::vector<std::string> keys = keysFor(items_[k].meaning, solid_);
        if (keys.empty()) keys.emplace_back();
        return keys;
    }

    void quantity(std::size_t k) {
        if (items_[k].is(Role::WeakQuantity) && saysNothing(k)) return;
        const std::vector<std::string> keys = keysOf(k);
        if (relationFrom(k, keys)) return;
        Pending name{keys, 0, k, items_[k].begin, items_[k].end, ask_, referenced_.count(k) > 0};
        keysFor(items_[k].meaning, solid_, &name.alike);
        pending_.push_back(std::move(name));
        if (keys.size() == 1 && !keys.front().empty()) lastKey_ = keys.front();
        if (keys.size() > 1) lastKeys_ = keys;
        if (keys.size() == 1) noteSum(keys.front());
    }

    // „с основа 3 cm на 4 cm“: the base's measures.
    void base(std::size_t k) {
        std::size_t c = k + 1;
        while (c < end_ && (r_.used[c] || items_[c].is(Role::Clitic) || items_[c].is(Role::With))) ++c;
        if (!isValue(c)) return;
        std::vector<std::string> keys = keysFor("base measures", solid_);
        if (keys.empty()) keys.emplace_back();
        pending_.push_back({keys, 0, k, items_[k].begin, items_[k].end, ask_, false});
    }

    // The key of the other side of a relation: a name, or „него“ for the name before.
    std::optional<std::string> otherKey(std::size_t k) const {
        if (is(k, Role::Pronoun)) return lastKey_;
        const std::vector<std::string> keys = keysOf(k);
        if (keys.size() != 1) return std::string();
        return keys.front();
    }

    void relate(std::size_t first, std::size_t last, const std::string& key, const std::string& value, bool keepLast) {
        const Item& from = items_[first];
        const Item& to = items_[last];
        for (std::size_t i = first; i <= last; ++i)
            if (i != last || !keepLast) r_.used[i] = true;
        if (keepLast) referenced_.insert(last);
        std::string letters = value.substr(0, value.find(' '));
        if (key.empty() || value.empty() || !keyFits(key, solid_) ||
            (!keyFits(letters, solid_) && letters.find_first_not_of("0123456789,/:") != std::string::npos)) {
            unread(from.begin, to.end);
            return;
        }
        record({key, value, pieceOf(r_, from.begin, to.end), true});
        noteSum(key);
    }

    // „сборът от измеренията е 12 cm, а те се отнасят…“: „те“ are a, b and c.
    void noteSum(const std::string& key) {
        if (key.find('+') == std::string::npos || key.find_first_of(":-/") != std::string::npos) return;
        std::vector<std::string> parts;
        for (std::size_t at = 0; at <= key.size();) {
            const auto plus = std::min(key.find('+', at), key.size());
            parts.push_back(key.substr(at, plus - at));
            at = plus + 1;
        }
        if (std::all_of(parts.begin(), parts.end(), [&](const std::string& p) { return quantityIndex(solid_, p) >= 0; }))
            lastKeys_ = parts;
    }

    // A given, once for each key: a second value for a key is not read, but a
    // relation is turned round („равностранен конус с образуваща 6 cm“: l = 6 cm, 2r = l).
    void record(ReadGiven given) {
        const auto taken = [&](const std::string& key) {
            return std::find_if(r_.task.givens.begin(), r_.task.givens.end(), [&](const ReadGiven& g) { return g.key == key; });
        };
        auto same = taken(given.key);
        if (same == r_.task.givens.end()) return r_.task.givens.push_back(std::move(given));
        if (same->value == given.value) return;
        ReadGiven& relation = same->relation ? *same : given;
        const bool turnable = relation.relation && relation.key.find_first_of(":+-") == std::string::npos &&
                              relation.value.find(' ') == std::string::npos && taken(relation.value) == r_.task.givens.end();
        if (!turnable) return r_.task.unread.push_back(given.from);
        std::swap(relation.key, relation.value);
        r_.task.givens.push_back(std::move(given));
    }

    // „Q е 2 пъти по-голяма от Q2“, „Q е 2/3 от Q2“, „Q е с 15 cm по-голяма от Q2“,
    // „Q е равна на Q2“, „Q и Q2 се отнасят както 3 : 5“, „Q и Q2 са равни“.
    bool relationFrom(std::size_t k, const std::vector<std::string>& keys) {
        const std::string key = keys.size() == 1 ? keys.front() : std::string();
        std::size_t c = next(k);
        const bool equal = is(c, Role::Equal);
        if (equal) c = next(c);
        auto other = [&](std::size_t at) { return isQuantity(at) || is(at, Role::Pronoun); };
        if (equal && other(c)) {
            const auto second = otherKey(c);
            if (!second) return false;
            relate(k, c, key, *second, isQuantity(c));
            return true;
        }
        std::string multiplier;
        bool saysTimes = false;
        if (isValue(c) && items_[c].multiplier) {
            multiplier = items_[c].number;
        } else if (is(c, Role::NumberWord)) {
            multiplier = items_[c].meaning;
            saysTimes = items_[c].givens == "times";
        }
        if (!multiplier.empty()) {
            std::size_t d = next(c);
            if (is(d, Role::Times) || saysTimes) {
                if (is(d, Role::Times)) d = next(d);
                const bool less = is(d, Role::Less);
                if (less || is(d, Role::Greater)) d = next(d);
                if (is(d, Role::From)) d = next(d);
                if (!other(d)) return false;
                const auto second = otherKey(d);
                if (!second) return false;
                relate(k, d, key, second->empty() ? "" : less ? divided(multiplier, *second) : times(multiplier, *second),
                       isQuantity(d));
                return true;
            }
            if (is(d, Role::From) && isFraction(multiplier)) {
                d = next(d);
                if (!other(d)) return false;
                const auto second = otherKey(d);
                if (!second) return false;
                relate(k, d, key, second->empty() ? "" : times(multiplier, *second), isQuantity(d));
                return true;
            }
        }
        if (is(c, Role::With) && isValue(next(c))) {
            const std::size_t amount = next(c);
            std::size_t d = next(amount);
            const bool less = is(d, Role::Less);
            if (!less && !is(d, Role::Greater)) return false;
            d = next(d);
            if (is(d, Role::From)) d = next(d);
            if (!other(d)) return false;
            const auto second = otherKey(d);
            if (!second) return false;
            relate(k, d, key, second->empty() ? "" : *second + (less ? "-" : "+") + items_[amount].text, isQuantity(d));
            return true;
        }
        if (!equal && is(c, Role::And) && isQuantity(next(c))) return ratioOrEqual(k, key, next(c));
        if (keys.size() > 1 && is(c, Role::RatioVerb)) {  // „измеренията се отнасят както 1 : 2 : 3“
            const auto ratio = ratioAt(next(c), keys.size());
            if (!ratio) return false;
            std::string joined;
            for (const std::string& each : keys) joined += (joined.empty() ? "" : ":") + each;
            relate(k, ratio->second, joined, ratio->first, false);
            return true;
        }
        return false;
    }

    bool ratioOrEqual(std::size_t k, const std::string& key, std::size_t second) {
        std::vector<std::string> keys{key, otherKey(second).value_or("")};
        std::size_t d = next(second);
        std::size_t third = end_;
        if (is(d, Role::And) && isQuantity(next(d))) {
            third = next(d);
            keys.push_back(otherKey(third).value_or(""));
            d = next(third);
        }
        if (is(d, Role::Equal) && third == end_ && next(d) == end_) {
            relate(k, d, key, keys[1], false);
            return true;
        }
        if (!is(d, Role::RatioVerb)) return false;
        const auto ratio = ratioAt(next(d), keys.size());
        if (!ratio) return false;
        std::string joined;
        for (const std::string& each : keys) {
            if (each.empty()) joined.clear();
            if (each.empty()) break;
            joined += (joined.empty() ? "" : ":") + each;
        }
        relate(k, ratio->second, joined.empty() || joined.find(':') == std::string::npos ? "" : joined, ratio->first, false);
        return true;
    }

    // "3 : 5" (with as many numbers as quantities): the text and its last item.
    std::optional<std::pair<std::string, std::size_t>> ratioAt(std::size_t k, std::size_t count) const {
        std::string ratio;
        std::size_t last = k;
        for (std::size_t n = 0; n < count; ++n) {
            if (!isValue(k) || !items_[k].multiplier) return std::nullopt;
            ratio += (n == 0 ? "" : ":") + items_[k].number;
            last = k;
            if (n + 1 < count) {
                if (!(open(k + 1) && items_[k + 1].kind == ItemKind::Mark && items_[k + 1].text == ":")) return std::nullopt;
                k += 2;
            }
        }
        return std::make_pair(ratio, last);
    }

    // „отношението на Q към Q2 е 3 : 5“
    void ratioNoun(std::size_t k) {
        const std::size_t first = next(k);
        if (!isQuantity(first)) return;
        const std::size_t to = next(first);
        if (!is(to, Role::To) && !is(to, Role::And)) return;
        const std::size_t second = next(to);
        if (!isQuantity(second)) return;
        std::size_t d = next(second);
        if (is(d, Role::Equal)) d = next(d);
        const auto ratio = ratioAt(d, 2);
        if (!ratio) return;
        const std::string a = otherKey(first).value_or(""), b = otherKey(second).value_or("");
        relate(k, ratio->second, a.empty() || b.empty() ? "" : a + ":" + b, ratio->first, false);
    }

    // „сборът от радиуса и височината е 7 cm“, „разликата на …“; a sum of what
    // is not read is not given to a name either: its number is not read.
    void sum(std::size_t k) {
        if (!sumOfTwo(k)) notASum(k);
    }

    void notASum(std::size_t k) {
        for (std::size_t e = k + 1; e < end_; ++e) {
            if (r_.used[e] || !isValue(e)) continue;
            for (std::size_t i = k; i <= e; ++i) r_.used[i] = true;
            return unread(items_[k].begin, items_[e].end);
        }
        unread(items_[k].begin, items_[k].end);
    }

    bool sumOfTwo(std::size_t k) {
        std::size_t c = next(k);
        if (is(c, Role::From)) c = next(c);
        if (!isQuantity(c)) return false;
        const std::size_t andAt = next(c);
        if (!is(andAt, Role::And)) return false;
        const std::size_t second = next(andAt);
        if (!isQuantity(second)) return false;
        std::size_t e = next(second);
        if (is(e, Role::Equal)) e = next(e);
        if (!isValue(e)) return false;
        const std::string a = otherKey(c).value_or(""), b = otherKey(second).value_or("");
        const std::string sign = items_[k].is(Role::Sum) ? "+" : "-";
        relate(k, e, a.empty() || b.empty() ? "" : a + sign + b, items_[e].text, false);
        return true;
    }

    // „… измеренията …, а те се отнасят както 1 : 2 : 3“: the ratio of the name before.
    void ratioOfTheNameBefore(std::size_t k) {
        const auto ratio = lastKeys_.size() > 1 ? ratioAt(next(k), lastKeys_.size()) : std::nullopt;
        if (!ratio) return;
        std::string joined;
        for (const std::string& each : lastKeys_) joined += (joined.empty() ? "" : ":") + each;
        const auto before = previous(k);
        relate(before && is(*before, Role::Pronoun) ? *before : k, ratio->second, joined, ratio->first, false);
    }

    void fixedRelation(std::size_t k) {
        r_.used[k] = true;
        for (const RelationKey& row : relationKeys()) {
            if (row.relation != items_[k].meaning || !listsSolid(row.solids, solid_.key)) continue;
            if (row.given.empty()) return;
            const auto equals = row.given.find('=');
            record({std::string(row.given.substr(0, equals)), std::string(row.given.substr(equals + 1)),
                    pieceOf(r_, items_[k].begin, items_[k].end), true});
            return;
        }
        unread(items_[k].begin, items_[k].end);
    }

    // A number: to the name before it, or a list of numbers to the names before them in turn.
    void value(std::size_t k) {
        if (items_[k].foreignUnit) return foreignValue(k);
        if (const std::size_t times = next(k); is(times, Role::Times)) {  // „2 пъти“ that no relation took
            r_.used[k] = r_.used[times] = true;
            return unread(items_[k].begin, items_[times].end);
        }
        std::vector<std::size_t> group{k};
        for (std::size_t j = k + 1; j + 1 < end_; j += 2) {
            const Item& between = items_[j];
            const bool separates = (between.kind == ItemKind::Mark && between.text == ",") || between.is(Role::And) ||
                                   (between.is(Role::Filler) && between.meaning == "of");  // „3 cm на 4 cm“
            if (!separates || !isValue(j + 1)) break;
            group.push_back(j + 1);
        }
        for (std::size_t g : group) r_.used[g] = true;
        const Item& last = items_[group.back()];
        const bool shared = !last.unit.empty() && std::all_of(group.begin(), group.end() - 1, [&](std::size_t g) {
            return items_[g].unit.empty();
        });
        std::vector<std::pair<std::size_t, std::size_t>> slots = slotsFor(group.size());
        for (std::size_t i = 0; i < group.size(); ++i) {
            std::string text = items_[group[i]].text;
            if (shared && items_[group[i]].unit.empty()) text += " " + unitText(last.unit, last.power);
            if (i < slots.size()) bind(slots[i].first, slots[i].second, group[i], text);
            else unattached_.push_back(group[i]);
        }
        run_ = pending_.size();
    }

    // Which names' keys take a list of `count` numbers: the last name's own keys
    // where it has as many left („ръбовете са 3, 4 и 12 cm“), else the last keys
    // of the names since the last number („радиусът и височината са 3 и 4 cm“).
    // A number alone with no name since the last number goes to the name
    // before that („обемът на куб с ръб 3 cm е 27 cm³“).
    std::vector<std::pair<std::size_t, std::size_t>> slotsFor(std::size_t count) const {
        std::vector<std::pair<std::size_t, std::size_t>> slots;  // (pending, key)
        auto left = [&](std::size_t p) { return pending_[p].keys.size() - std::min(pending_[p].bound, pending_[p].keys.size()); };
        if (pending_.size() > run_ && left(pending_.size() - 1) >= count) {
            const std::size_t p = pending_.size() - 1;
            for (std::size_t key = pending_[p].bound; slots.size() < count; ++key) slots.emplace_back(p, key);
            return slots;
        }
        for (std::size_t p = run_; p < pending_.size(); ++p)
            for (std::size_t key = pending_[p].bound; key < pending_[p].keys.size(); ++key) slots.emplace_back(p, key);
        if (slots.size() > count) slots.erase(slots.begin(), slots.end() - std::ptrdiff_t(count));
        if (!slots.empty() || count != 1) return slots;
        for (std::size_t p = std::min(run_, pending_.size()); p-- > 0;)
            if (pending_[p].bound == 0 && !pending_[p].ask && !pending_[p].referenced) {
                slots.emplace_back(p, 0);
                break;
            }
        return slots;
    }

    void bind(std::size_t p, std::size_t keyIndex, std::size_t valueItem, const std::string& text) {
        Pending& name = pending_[p];
        name.bound = std::max(name.bound, keyIndex + 1);
        const std::string& key = name.keys[keyIndex];
        const Item& number = items_[valueItem];
        if (key.empty() || !keyFits(key, solid_)) return unread(name.begin, number.end);
        addGiven(key, text, name.begin, number.end);
        if (!name.alike) return;
        for (const std::string& each : name.keys)
            if (each != key) addGiven(each, text, name.begin, number.end);
        name.bound = name.keys.size();
    }

    void addGiven(const std::string& key, const std::string& value, std::size_t begin, std::size_t end) {
        record({key, value, pieceOf(r_, begin, end), quantityIndex(solid_, key) < 0});
    }

    // „5 km“, „60°“: a unit the solver does not take, with the name before it.
    void foreignValue(std::size_t k) {
        r_.used[k] = true;
        std::size_t begin = items_[k].begin;
        const auto before = previous(k);
        if (before && !pending_.empty() && pending_.back().item == *before && pending_.back().bound == 0) {
            begin = pending_.back().begin;
            pending_.back().bound = pending_.back().keys.size();
        }
        unread(begin, items_[k].end);
    }

    void unitWord(std::size_t k) {
        std::size_t before = k;
        while (before > start_ && r_.used[before - 1] == false && items_[before - 1].is(Role::Clitic)) --before;
        const bool afterIn = before > start_ && items_[before - 1].is(Role::In);
        if (!afterIn && !ask_) return;
        r_.used[k] = true;
        if (items_[k].foreignUnit) return unread(items_[k].begin, items_[k].end);
        unitAsked_ = true;
        if (r_.task.unit) return;
        unitFrom_ = pieceOf(r_, items_[before > start_ && afterIn ? before - 1 : k].begin, items_[k].end);
        const std::string& symbol = items_[k].unit;
        AskedUnit unit;
        unit.litres = symbol == "l" || symbol == "ml";
        unit.power = unit.litres ? 3 : items_[k].power == 0 ? 1 : items_[k].power;
        unit.unit = symbol == "l" ? Unit::Decimetre : symbol == "ml" ? Unit::Centimetre : unitByName(symbol).value_or(Unit::Centimetre);
        unit.symbol = unitText(symbol, unit.litres ? 0 : items_[k].power);
        r_.task.unit = unit;
    }

    // "r = 3 dm", "h = 2r", "h : k = 3 : 5", "V = ?"
    void equation(std::size_t k) {
        const Item& item = items_[k];
        std::size_t begin = item.begin;
        std::vector<std::string> keys;
        for (const std::string& symbol : item.symbols) keys.push_back(symbolKey(symbol, solid_));
        // „основен ръб a = 16 cm“: the name before the letter says which quantity it is.
        const auto before = justBefore(k);
        if (before && items_[*before].kind == ItemKind::Phrase && !pending_.empty() && pending_.back().item == *before &&
            pending_.back().bound == 0 && keys.size() == 1) {
            Pending& name = pending_.back();
            name.bound = name.keys.size();
            begin = name.begin;
            if (name.keys.size() == 1 && !name.keys.front().empty()) keys.front() = name.keys.front();
        }
        const bool known = std::none_of(keys.begin(), keys.end(), [](const std::string& key) { return key.empty(); });
        if (!known || item.foreignUnit) return unread(begin, item.end);
        if (item.asks) {
            for (const std::string& key : keys) ask(key, begin, item.end);
            return;
        }
        std::string key;
        for (const std::string& each : keys) key += (key.empty() ? "" : ":") + each;
        if (item.expression) {
            const std::string letters = item.text.substr(0, item.text.find(' '));
            if (!keyFits(letters, solid_)) return unread(begin, item.end);
            record({key, item.text, pieceOf(r_, begin, item.end), true});
            return;
        }
        addGiven(key, item.text, begin, item.end);
        if (keys.size() == 1) lastKey_ = key;
    }

    // A letter alone: a quantity named by its key („Намерете V.“).
    void symbol(std::size_t k) {
        const std::string key = symbolKey(items_[k].text, solid_);
        const auto before = justBefore(k);
        if (before && items_[*before].kind == ItemKind::Phrase && !pending_.empty() && pending_.back().item == *before)
            return;  // „апотемата k“
        if (key.empty()) {
            if (ask_) unknown_.push_back(k);
            return;
        }
        pending_.push_back({{key}, 0, k, items_[k].begin, items_[k].end, ask_, false});
        lastKey_ = key;
    }

    void pi(std::size_t k) {
        const std::string& number = items_[k].number;
        if (number == "3,14") r_.task.pi = PiSetting::School;
        else if (number == "3,141592") r_.task.pi = PiSetting::Calculator;
        else unread(items_[k].begin, items_[k].end);
    }

    // „с точност до десетите“, „закръглете до 0,01“, „с точност до градус“
    void rounding(std::size_t k) {
        for (std::size_t c = k + 1, looked = 0; c < end_ && looked < 4; ++c, ++looked) {
            if (r_.used[c]) continue;
            const Item& item = items_[c];
            if (item.is(Role::Rounding)) {
                r_.used[k] = r_.used[c] = true;
                if (item.meaning == "°") r_.task.angleDigits = 0;
                else r_.task.digits = item.meaning[0] - '0';
                return;
            }
            if (item.kind == ItemKind::Value && item.unit.empty() && item.multiplier) {
                const std::string& n = item.number;
                if (n == "1") r_.task.digits = 0;
                else if (n.starts_with("0,") && n.back() == '1' && n.find_first_not_of("0", 2) == n.size() - 1)
                    r_.task.digits = int(n.size() - 2);
                else continue;
                r_.used[k] = r_.used[c] = true;
                return;
            }
        }
    }

    void ask(const std::string& key, std::size_t begin, std::size_t end) {
        if (key.empty() || !keyFits(key, solid_)) return unread(begin, end);
        for (const ReadAsked& a : r_.task.asked)
            if (a.key == key) return;
        r_.task.asked.push_back({key, pieceOf(r_, begin, end)});
    }

    // What the sentence left: names without a number (asked where it asks, else
    // not read), numbers without a name, and words not understood beside them.
    void finish() {
        const bool question = end_ < items_.size() && items_[end_].text == "?";
        const auto lastSaying = previous(end_);
        const bool colon = lastSaying && items_[*lastSaying].kind == ItemKind::Mark && items_[*lastSaying].text == ":";
        const bool laterContent = lastContent_ && *lastContent_ > end_;
        for (const Pending& name : pending_) {
            if (name.bound > 0 || name.referenced || allGiven(name)) continue;
            if (name.ask || question || colon || !laterContent) {
                for (const std::string& key : name.keys) ask(key, name.begin, name.end);
            } else {
                unread(name.begin, name.end);
            }
        }
        for (std::size_t value : unattached_) {
            std::size_t begin = items_[value].begin;
            for (std::size_t u = value; u > start_ && std::find(unknown_.begin(), unknown_.end(), u - 1) != unknown_.end(); --u)
                begin = items_[u - 1].begin;
            if (value + 1 < end_ && std::find(unknown_.begin(), unknown_.end(), value + 1) != unknown_.end() &&
                begin == items_[value].begin)
                unread(begin, items_[value + 1].end);
            else
                unread(begin, items_[value].end);
        }
        if (ask_ && r_.task.asked.size() == askedBefore_ && !unitAsked_ && !unknown_.empty())
            unread(items_[unknown_.front()].begin, items_[unknown_.back()].end);
    }

    // „Дадени са ръбовете: a = 2 cm, b = 3 cm, c = 6 cm.“: a name whose keys were given otherwise.
    bool allGiven(const Pending& name) const {
        if (name.ask) return false;
        return std::all_of(name.keys.begin(), name.keys.end(), [&](const std::string& key) {
            return !key.empty() && std::any_of(r_.task.givens.begin(), r_.task.givens.end(),
                                               [&](const ReadGiven& g) { return g.key == key; });
        });
    }

    // „Колко литра вода побира съдът?“: the one quantity measured in the unit asked.
    void askedByUnit() {
        if (!r_.task.unit || !r_.task.asked.empty()) return;
        const Dimension dimension = r_.task.unit->power == 3 ? Dimension::Volume
                                    : r_.task.unit->power == 2 ? Dimension::Area
                                                               : Dimension::Length;
        std::string only;
        bool several = false;
        for (const QuantityRow& row : solid_.quantities) {
            if (row.dimension != dimension) continue;
            several = several || !only.empty();
            only = std::string(row.key);
        }
        // „Колко квадратни сантиметра картон…“: which area, the text does not say.
        if (several || only.empty()) r_.task.unread.push_back(unitFrom_);
        else r_.task.asked.push_back({only, unitFrom_});
    }

    Reading& r_;
    std::vector<Item>& items_;
    const SolidRow& solid_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::vector<Pending> pending_;
    std::size_t run_ = 0;
    bool ask_ = false;
    bool unitAsked_ = false;
    std::size_t askedBefore_ = 0;
    std::optional<std::string> lastKey_;
    std::vector<std::string> lastKeys_;  // the last name with several keys („измеренията“)
    std::optional<std::size_t> lastContent_;
    Piece unitFrom_;
    std::vector<std::size_t> unattached_;
    std::vector<std::size_t> unknown_;
    std::set<std::size_t> referenced_;
};

}  // namespace

void readSentences(Reading& reading) {
    Sentences(reading).run();
    std::stable_sort(reading.task.givens.begin(), reading.task.givens.end(),
                     [](const ReadGiven& a, const ReadGiven& b) { return a.from.span.begin < b.from.span.begin; });
    std::sort(reading.task.unread.begin(), reading.task.unread.end(),
              [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
}

}  // namespace solver::reader
