// SPDX-License-Identifier: MIT
// Relations between names as a task states them: „височината е 2/3 от
// основния ръб“ (h=2a/3), „с 15 cm по-голяма от диаметъра“ (h=d+15 cm), „се
// отнасят както 3 : 5“ (h:k=3:5), „сборът от радиуса и височината е 7 cm“
// (r+h=7 cm), „околните стени са квадрати“ (h=a): givens in the solid's letters.
#include <algorithm>

#include "reader/sentences.h"

namespace solver::reader {
namespace {

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

}  // namespace

// The key of the other side of a relation: a name, or „него“ for the name before.
std::optional<std::string> Sentences::otherKey(std::size_t k) const {
    if (is(k, Role::Pronoun)) return lastKey_;
    const std::vector<std::string> keys = keysOf(k);
    if (keys.size() != 1) return std::string();
    return keys.front();
}

void Sentences::relate(std::size_t first, std::size_t last, const std::string& key, const std::string& value, bool keepLast) {
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
void Sentences::noteSum(const std::string& key) {
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

// „Q е 2 пъти по-голяма от Q2“, „Q е 2/3 от Q2“, „Q е с 15 cm по-голяма от Q2“,
// „Q е равна на Q2“, „Q и Q2 се отнасят както 3 : 5“, „Q и Q2 са равни“.
bool Sentences::relationFrom(std::size_t k, const std::vector<std::string>& keys) {
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

bool Sentences::ratioOrEqual(std::size_t k, const std::string& key, std::size_t second) {
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
std::optional<std::pair<std::string, std::size_t>> Sentences::ratioAt(std::size_t k, std::size_t count) const {
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
void Sentences::ratioNoun(std::size_t k) {
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
void Sentences::sum(std::size_t k) {
    if (!sumOfTwo(k)) notASum(k);
}

void Sentences::notASum(std::size_t k) {
    for (std::size_t e = k + 1; e < end_; ++e) {
        if (r_.used[e] || !isValue(e)) continue;
        for (std::size_t i = k; i <= e; ++i) r_.used[i] = true;
        return unread(items_[k].begin, items_[e].end);
    }
    unread(items_[k].begin, items_[k].end);
}

bool Sentences::sumOfTwo(std::size_t k) {
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
void Sentences::ratioOfTheNameBefore(std::size_t k) {
    const auto ratio = lastKeys_.size() > 1 ? ratioAt(next(k), lastKeys_.size()) : std::nullopt;
    if (!ratio) return;
    std::string joined;
    for (const std::string& each : lastKeys_) joined += (joined.empty() ? "" : ":") + each;
    const auto before = previous(k);
    relate(before && is(*before, Role::Pronoun) ? *before : k, ratio->second, joined, ratio->first, false);
}

void Sentences::fixedRelation(std::size_t k) {
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

}  // namespace solver::reader
