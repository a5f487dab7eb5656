// SPDX-License-Identifier: MIT
// A task read sentence by sentence: a quantity's name takes the number that
// follows it (several names the numbers that follow them in turn:
// „основният ръб и височината са съответно 6 cm и 4 cm“); a name with no
// number is asked where the sentence asks („Намерете обема“, „Обемът е?“);
// relations between names are givens in the solid's letters (relations.cpp).
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "reader/sentences.h"

namespace solver::reader {
namespace {

// A plain number's value ("4,5"), or none for one with a root, π or a fraction.
std::optional<double> plainNumber(const Item& item) {
    std::string number = item.number;
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}

// Whether the first number is less than the second, both plain and in one unit.
bool smallerNumber(const Item& first, const Item& second) {
    const auto a = plainNumber(first), b = plainNumber(second);
    const bool oneUnit = first.unit.empty() || second.unit.empty() || first.unit == second.unit;
    return a && b && oneUnit && *a < *b;
}

}  // namespace

void Sentences::run() {
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
    levelsAsFill(r_);
    askedByUnit();
}

void Sentences::sentence(std::size_t start, std::size_t end) {
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

void Sentences::phrase(std::size_t k) {
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
bool Sentences::saysNothing(std::size_t k) const {
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

std::vector<std::string> Sentences::keysOf(std::size_t k) const {
    std::vector<std::string> keys = keysFor(items_[k].meaning, solid_);
    // „Колко ще струва…“: the cost whose price per unit the task gave.
    for (const CostKey& row : costKeys())
        if (items_[k].meaning == "cost" && std::any_of(r_.task.givens.begin(), r_.task.givens.end(),
                                                       [&](const ReadGiven& g) { return g.key == row.price; }))
            keys = {std::string(row.cost)};
    if (keys.empty()) keys.emplace_back();
    return keys;
}

// „Околните стени на пирамидата сключват с основата ъгъл 60°“: the angle of
// the line or face named last in the sentence; that name takes no number then.
std::optional<std::vector<std::string>> Sentences::angleOfLineBefore(std::size_t k, std::size_t& begin) {
    if (!items_[k].meaning.starts_with("line ") || pending_.empty() || pending_.back().item < start_) return std::nullopt;
    Pending& line = pending_.back();
    for (const AngleOfLine& row : anglesOfLines()) {
        if (row.line != items_[line.item].meaning || row.with != items_[k].meaning) continue;
        std::vector<std::string> keys = keysFor(row.angle, solid_);
        if (keys.empty()) return std::nullopt;
        if (line.bound == 0) {
            begin = line.begin;
            line.bound = line.keys.size();
        }
        return keys;
    }
    return std::nullopt;
}

void Sentences::quantity(std::size_t k) {
    if (items_[k].is(Role::WeakQuantity) && saysNothing(k)) return;
    std::size_t begin = items_[k].begin;
    const std::optional<std::vector<std::string>> angle = angleOfLineBefore(k, begin);
    const std::vector<std::string> keys = angle ? *angle : keysOf(k);
    if (relationFrom(k, keys)) return;
    Pending name{keys, 0, k, begin, items_[k].end, ask_, referenced_.count(k) > 0};
    keysFor(items_[k].meaning, solid_, &name.alike, &name.largerFirst);
    // „обема на полученото тяло“: a name the turned figure has no key for is the body's.
    const auto fits = [](const std::vector<std::string>& list, const SolidRow& solid) {
        return std::any_of(list.begin(), list.end(), [&](const std::string& key) { return keyFits(key, solid); });
    };
    if (body_ && !angle && (!fits(keys, solid_) || ofTheBody(k))) {
        std::vector<std::string> bodyKeys = keysFor(items_[k].meaning, *body_, &name.alike, &name.largerFirst);
        if (fits(bodyKeys, *body_)) {
            name.keys = std::move(bodyKeys);
            name.body = true;
            pending_.push_back(pastGiven(std::move(name)));
            return;
        }
    }
    pending_.push_back(pastGiven(std::move(name)));
    if (keys.size() == 1 && !keys.front().empty()) lastKey_ = keys.front();
    if (keys.size() > 1) lastKeys_ = keys;
    if (keys.size() == 1) noteSum(keys.front());
}

// „Долният цилиндър има радиус 5 cm …, а горният – радиус 3 cm“: a name whose
// keys are taken in turn (r1 r2) names the next one where the first is given.
Pending Sentences::pastGiven(Pending name) const {
    if (name.ask || name.alike || name.largerFirst || name.keys.size() < 2) return name;
    const auto given = [&](const std::string& key) {
        return std::any_of(r_.task.givens.begin(), r_.task.givens.end(), [&](const ReadGiven& g) { return g.key == key; });
    };
    while (name.bound + 1 < name.keys.size() && given(name.keys[name.bound])) ++name.bound;
    return name;
}

// „височината на полученото тяло“, „… на конуса“: a name of the body, though the turned figure has one too.
bool Sentences::ofTheBody(std::size_t k) const {
    // „височината и обема на полученото тяло“: past the names listed with it.
    std::size_t j = k + 1;
    while (j < end_ && (items_[j].is(Role::Clitic) || items_[j].is(Role::And) ||
                        (items_[j].kind == ItemKind::Mark && items_[j].text == ",") || items_[j].is(Role::Quantity) ||
                        items_[j].is(Role::WeakQuantity)))
        ++j;
    if (j >= end_ || !items_[j].is(Role::Filler) || items_[j].meaning != "of") return false;
    for (++j; j < end_; ++j) {
        const Item& item = items_[j];
        if (item.is(Role::Solid)) return item.meaning == body_->key;
        if (item.is(Role::Unsupported) && item.meaning == "turn") continue;  // „ротационното“
        if (!item.is(Role::Filler)) return false;
        if (item.meaning == "body") return true;
    }
    return false;
}

// „с основа 3 cm на 4 cm“: the base's measures.
void Sentences::base(std::size_t k) {
    std::size_t c = k + 1;
    while (c < end_ && (r_.used[c] || items_[c].is(Role::Clitic) || items_[c].is(Role::With))) ++c;
    if (!isValue(c)) return;
    std::vector<std::string> keys = keysFor("base measures", solid_);
    if (keys.empty()) keys.emplace_back();
    pending_.push_back({keys, 0, k, items_[k].begin, items_[k].end, ask_, false});
}

// A given, once for each key: a second value for a key is not read, but a
// relation is turned round („равностранен конус с образуваща 6 cm“: l = 6 cm, 2r = l).
void Sentences::record(ReadGiven given) {
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

// A number: to the name before it, or a list of numbers to the names before them in turn.
void Sentences::value(std::size_t k) {
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
    // „радиусите на основите са 3 cm и 6 cm“: the larger base's is the larger number, whichever comes first.
    if (slots.size() == 2 && group.size() == 2 && slots[0].first == slots[1].first &&
        pending_[slots[0].first].largerFirst && smallerNumber(items_[group[0]], items_[group[1]]))
        std::swap(group[0], group[1]);
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
std::vector<std::pair<std::size_t, std::size_t>> Sentences::slotsFor(std::size_t count) const {
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

void Sentences::bind(std::size_t p, std::size_t keyIndex, std::size_t valueItem, const std::string& text) {
    Pending& name = pending_[p];
    name.bound = std::max(name.bound, keyIndex + 1);
    const std::string& key = name.keys[keyIndex];
    const Item& number = items_[valueItem];
    if (name.body) {
        // „обемът на полученото тяло е 45π cm³“: the body's given.
        if (!keyFits(key, *body_) || number.degrees) return unread(name.begin, number.end);
        r_.bodyGivens.push_back({key, text, pieceOf(r_, name.begin, number.end), false});
        return;
    }
    if (key.empty() || !keyFits(key, solid_)) return unread(name.begin, number.end);
    // Degrees measure an angle alone; an angle may also be in radians („π/3“).
    const int quantity = quantityIndex(solid_, key);
    const bool angle = quantity >= 0 && solid_.quantities[std::size_t(quantity)].dimension == Dimension::Angle;
    if (number.degrees != angle && (number.degrees || !number.unit.empty())) return unread(name.begin, number.end);
    addGiven(key, text, name.begin, number.end);
    if (!name.alike) return;
    for (const std::string& each : name.keys)
        if (each != key) addGiven(each, text, name.begin, number.end);
    name.bound = name.keys.size();
}

void Sentences::addGiven(const std::string& key, const std::string& value, std::size_t begin, std::size_t end) {
    record({key, value, pieceOf(r_, begin, end), quantityIndex(solid_, key) < 0});
}

// „5 km“, „60°“: a unit the solver does not take, with the name before it.
void Sentences::foreignValue(std::size_t k) {
    r_.used[k] = true;
    std::size_t begin = items_[k].begin;
    const auto before = previous(k);
    if (before && !pending_.empty() && pending_.back().item == *before && pending_.back().bound == 0) {
        begin = pending_.back().begin;
        pending_.back().bound = pending_.back().keys.size();
    }
    unread(begin, items_[k].end);
}

void Sentences::unitWord(std::size_t k) {
    std::size_t before = k;
    while (before > start_ && r_.used[before - 1] == false && items_[before - 1].is(Role::Clitic)) --before;
    const bool afterIn = before > start_ && items_[before - 1].is(Role::In);
    if (!afterIn && !ask_) return;
    r_.used[k] = true;
    if (items_[k].foreignUnit) return unread(items_[k].begin, items_[k].end);
    unitAsked_ = true;
    if (isMassOrMoney(items_[k].unit)) return massOrMoneyAsked(k, before, afterIn);
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
void Sentences::equation(std::size_t k) {
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
void Sentences::symbol(std::size_t k) {
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

void Sentences::pi(std::size_t k) {
    const std::string& number = items_[k].number;
    if (number == "3,14") r_.task.pi = PiSetting::School;
    else if (number == "3,141592") r_.task.pi = PiSetting::Calculator;
    else unread(items_[k].begin, items_[k].end);
}

// „с точност до десетите“, „закръглете до 0,01“, „с точност до градус“
void Sentences::rounding(std::size_t k) {
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

void Sentences::ask(const std::string& key, std::size_t begin, std::size_t end, bool body) {
    if (body) {
        if (key.empty() || !keyFits(key, *body_)) return unread(begin, end);
        for (const ReadAsked& a : r_.bodyAsked)
            if (a.key == key) return;
        r_.bodyAsked.push_back({key, pieceOf(r_, begin, end), {}});
        return;
    }
    if (key.empty() || !keyFits(key, solid_)) return unread(begin, end);
    for (const ReadAsked& a : r_.task.asked)
        if (a.key == key) return;
    r_.task.asked.push_back({key, pieceOf(r_, begin, end), {}});
}

// What the sentence left: names without a number (asked where it asks, else
// not read), numbers without a name, and words not understood beside them.
void Sentences::finish() {
    const bool question = end_ < items_.size() && items_[end_].text == "?";
    const auto lastSaying = previous(end_);
    const bool colon = lastSaying && items_[*lastSaying].kind == ItemKind::Mark && items_[*lastSaying].text == ":";
    const bool laterContent = lastContent_ && *lastContent_ > end_;
    for (const Pending& name : pending_) {
        if (name.bound > 0 || name.referenced || allGiven(name)) continue;
        if (name.ask || question || colon || !laterContent) {
            for (const std::string& key : name.keys) ask(key, name.begin, name.end, name.body);
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
    // „а) Колко куб. дм вода …?“ beside „б) Колко е обемът на конуса?“: a question of its own.
    if (unitAsked_ && r_.task.asked.size() == askedBefore_ && items_[start_].kind == ItemKind::Marker)
        unitOnlyQuestion_ = true;
}

// „Дадени са ръбовете: a = 2 cm, b = 3 cm, c = 6 cm.“: a name whose keys were given otherwise.
bool Sentences::allGiven(const Pending& name) const {
    if (name.ask) return false;
    return std::all_of(name.keys.begin(), name.keys.end(), [&](const std::string& key) {
        return !key.empty() && std::any_of(r_.task.givens.begin(), r_.task.givens.end(),
                                           [&](const ReadGiven& g) { return g.key == key; });
    });
}

// A mass or a sum asked: „в килограми“, „Колко лева…“; a mass in grams is
// found in centimetres, in kilograms in decimetres; tons and money as found.
void Sentences::massOrMoneyAsked(std::size_t k, std::size_t before, bool afterIn) {
    const std::string& symbol = items_[k].unit;
    askedDimension_ = symbol == "лв." ? Dimension::Money : Dimension::Mass;
    unitFrom_ = pieceOf(r_, items_[before > start_ && afterIn ? before - 1 : k].begin, items_[k].end);
    if (r_.task.unit || (symbol != "g" && symbol != "kg")) return;
    AskedUnit unit;
    unit.symbol = symbol;
    unit.mass = true;
    unit.power = 0;
    unit.unit = symbol == "g" ? Unit::Centimetre : Unit::Decimetre;
    r_.task.unit = unit;
}

std::optional<std::string> Sentences::useAskedByUnit(Dimension dimension) const {
    std::vector<std::string> found;
    for (const UseAsked& row : useAsked()) {
        const bool named = std::find(r_.useHints.begin(), r_.useHints.end(), row.given) != r_.useHints.end() ||
                           std::any_of(r_.task.givens.begin(), r_.task.givens.end(),
                                       [&](const ReadGiven& g) { return g.key == row.given; });
        const int q = quantityIndex(solid_, row.asked);
        if (!named || q < 0 || solid_.quantities[std::size_t(q)].dimension != dimension) continue;
        if (std::find(found.begin(), found.end(), row.asked) == found.end()) found.emplace_back(row.asked);
    }
    if (found.size() != 1) return std::nullopt;
    return found.front();
}

// „Колко литра вода побира съдът?“: the one quantity measured in the unit asked.
void Sentences::askedByUnit() {
    // „Колко куб. см е обемът на полученото тяло?“ of a turned figure: the body's volume asked by name.
    const bool askedByName = !r_.task.asked.empty() || !r_.bodyAsked.empty();
    if ((!r_.task.unit && !askedDimension_) || (askedByName && !unitOnlyQuestion_)) return;
    const Dimension dimension = askedDimension_                ? *askedDimension_
                                : r_.task.unit->power == 3 ? Dimension::Volume
                                : r_.task.unit->power == 2 ? Dimension::Area
                                                           : Dimension::Length;
    if (const auto use = useAskedByUnit(dimension)) return askInItsPlace(*use);
    std::string only;
    bool several = false;
    for (const QuantityRow& row : plain_.quantities) {
        if (row.dimension != dimension) continue;
        several = several || !only.empty();
        only = std::string(row.key);
    }
    // „Колко литра вода побира кофата?“ of a body (V1, V2, V): its own volume, the one „обем“ names.
    if (several && dimension == Dimension::Volume)
        if (const auto keys = keysFor("volume", plain_); keys.size() == 1) return askInItsPlace(keys.front());
    // „Колко квадратни сантиметра картон…“: which area, the text does not say.
    if (several || only.empty()) r_.task.unread.push_back(unitFrom_);
    else askInItsPlace(only);
}

// A quantity asked by its unit, among those asked by name in the text's order.
void Sentences::askInItsPlace(const std::string& key) {
    std::vector<ReadAsked>& asked = r_.task.asked;
    if (std::any_of(asked.begin(), asked.end(), [&](const ReadAsked& a) { return a.key == key; })) return;
    const auto later = std::find_if(asked.begin(), asked.end(),
                                    [&](const ReadAsked& a) { return a.from.span.begin > unitFrom_.span.begin; });
    asked.insert(later, {key, unitFrom_, {}});
}

void readSentences(Reading& reading) {
    Sentences(reading).run();
    std::stable_sort(reading.task.givens.begin(), reading.task.givens.end(),
                     [](const ReadGiven& a, const ReadGiven& b) { return a.from.span.begin < b.from.span.begin; });
    std::sort(reading.task.unread.begin(), reading.task.unread.end(),
              [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
}

}  // namespace solver::reader
