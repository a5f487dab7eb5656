// SPDX-License-Identifier: MIT
#pragma once
// A task read sentence by sentence (internal to the reader): the names, the
// numbers they take, what is asked (sentences.cpp) and the relations between
// names (relations.cpp).

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "reader/reading.h"

namespace solver::reader {

struct Pending {
    std::vector<std::string> keys;  // the name's keys for the solid; one empty key where it has none
    std::size_t bound = 0;          // how many of them took a number
    std::size_t item = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool ask = false;         // named after „намерете“
    bool referenced = false;  // the other side of a relation: asked by no one
    bool alike = false;       // one number for all its keys
    bool largerFirst = false; // two numbers, the larger the first key's (a frustum's bases)
    bool body = false;        // keys of the solid a turned figure makes (reading.body)
};

// Items a phrase's parts may have between them: clitics, fillers, a solid's name, commas.
inline bool isSkipped(const Item& item) {
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

class Sentences {
public:
    explicit Sentences(Reading& reading)
        : r_(reading), items_(reading.items), solid_(*reading.withUses), plain_(*reading.solid), body_(reading.body) {}

    void run();

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

    void sentence(std::size_t start, std::size_t end);

    void phrase(std::size_t k);

    // „дължина“ beside another name („ръб с дължина 5 cm“, „дължината на ръба“) says nothing.
    bool saysNothing(std::size_t k) const;

    std::vector<std::string> keysOf(std::size_t k) const;
    bool ofTheBody(std::size_t k) const;
    Pending pastGiven(Pending name) const;

    void quantity(std::size_t k);

    // „с основа 3 cm на 4 cm“: the base's measures.
    void base(std::size_t k);

    // The key of the other side of a relation: a name, or „него“ for the name before.
    std::optional<std::string> otherKey(std::size_t k) const;

    void relate(std::size_t first, std::size_t last, const std::string& key, const std::string& value, bool keepLast);

    // „сборът от измеренията е 12 cm, а те се отнасят…“: „те“ are a, b and c.
    void noteSum(const std::string& key);

    // A given, once for each key: a second value for a key is not read, but a
    // relation is turned round („равностранен конус с образуваща 6 cm“: l = 6 cm, 2r = l).
    void record(ReadGiven given);

    // „Q е 2 пъти по-голяма от Q2“, „Q е 2/3 от Q2“, „Q е с 15 cm по-голяма от Q2“,
    // „Q е равна на Q2“, „Q и Q2 се отнасят както 3 : 5“, „Q и Q2 са равни“.
    bool relationFrom(std::size_t k, const std::vector<std::string>& keys);

    bool ratioOrEqual(std::size_t k, const std::string& key, std::size_t second);

    // "3 : 5" (with as many numbers as quantities): the text and its last item.
    std::optional<std::pair<std::string, std::size_t>> ratioAt(std::size_t k, std::size_t count) const;

    // „отношението на Q към Q2 е 3 : 5“
    void ratioNoun(std::size_t k);

    // „сборът от радиуса и височината е 7 cm“, „разликата на …“; a sum of what
    // is not read is not given to a name either: its number is not read.
    void sum(std::size_t k);

    void notASum(std::size_t k);

    bool sumOfTwo(std::size_t k);

    // „… измеренията …, а те се отнасят както 1 : 2 : 3“: the ratio of the name before.
    void ratioOfTheNameBefore(std::size_t k);

    void fixedRelation(std::size_t k);

    // A number: to the name before it, or a list of numbers to the names before them in turn.
    void value(std::size_t k);

    // Which names' keys take a list of `count` numbers: the last name's own keys
    // where it has as many left („ръбовете са 3, 4 и 12 cm“), else the last keys
    // of the names since the last number („радиусът и височината са 3 и 4 cm“).
    // A number alone with no name since the last number goes to the name
    // before that („обемът на куб с ръб 3 cm е 27 cm³“).
    std::vector<std::pair<std::size_t, std::size_t>> slotsFor(std::size_t count) const;

    void bind(std::size_t p, std::size_t keyIndex, std::size_t valueItem, const std::string& text);

    void addGiven(const std::string& key, const std::string& value, std::size_t begin, std::size_t end);

    // „5 km“, „60°“: a unit the solver does not take, with the name before it.
    void foreignValue(std::size_t k);
    std::optional<std::vector<std::string>> angleOfLineBefore(std::size_t k, std::size_t& begin);

    void unitWord(std::size_t k);
    void askInItsPlace(const std::string& key);

    // "r = 3 dm", "h = 2r", "h : k = 3 : 5", "V = ?"
    void equation(std::size_t k);

    // A letter alone: a quantity named by its key („Намерете V.“).
    void symbol(std::size_t k);

    void pi(std::size_t k);

    // „с точност до десетите“, „закръглете до 0,01“, „с точност до градус“
    void rounding(std::size_t k);

    void ask(const std::string& key, std::size_t begin, std::size_t end, bool body = false);

    // What the sentence left: names without a number (asked where it asks, else
    // not read), numbers without a name, and words not understood beside them.
    void finish();

    // „Дадени са ръбовете: a = 2 cm, b = 3 cm, c = 6 cm.“: a name whose keys were given otherwise.
    bool allGiven(const Pending& name) const;

    // „Колко литра вода побира съдът?“: the one quantity measured in the unit asked.
    void askedByUnit();
    // A mass or a sum asked: „в килограми“, „Колко лева…“.
    void massOrMoneyAsked(std::size_t k, std::size_t before, bool afterIn);
    // Where a use was named, the one quantity of use in the unit asked („Колко литра вода…“ after a fill).
    std::optional<std::string> useAskedByUnit(Dimension dimension) const;

    Reading& r_;
    std::vector<Item>& items_;
    const SolidRow& solid_;  // with its quantities of use: the letters a task may name
    const SolidRow& plain_;  // without them: what a unit asked alone asks, where no use is named
    const SolidRow* body_;   // the solid a turned figure makes: names the figure has no keys for
    std::optional<Dimension> askedDimension_;  // „Колко килограма…“, „Колко лева…“
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::vector<Pending> pending_;
    std::size_t run_ = 0;
    bool ask_ = false;
    bool unitAsked_ = false;
    // A question that asks by its unit alone („а) Колко куб. дм вода …?“) beside others that name theirs.
    bool unitOnlyQuestion_ = false;
    std::size_t askedBefore_ = 0;
    std::optional<std::string> lastKey_;
    std::vector<std::string> lastKeys_;  // the last name with several keys („измеренията“)
    std::optional<std::size_t> lastContent_;
    Piece unitFrom_;
    std::vector<std::size_t> unattached_;
    std::vector<std::size_t> unknown_;
    std::set<std::size_t> referenced_;
};

}  // namespace solver::reader
