// SPDX-License-Identifier: MIT
// A plane figure turned about a line, read as the solid it makes: „Правоъгълен
// триъгълник с катети 6 cm и 8 cm се завърта около по-големия си катет“ is a
// cone with h = 8 cm, r = 6 cm. The words of the turning („се завърта около
// …“, „при въртене … около …“) are read first; the figure is then read as
// ever, and its measures are passed on as the body's givens, as rotations()
// says. What is asked of „полученото (ротационно) тяло“ is asked of the body.
// A figure turned about a line rotations() does not list, or an axis the words
// and the numbers do not choose, is named as not read, never guessed.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "reader/reading.h"

namespace solver::reader {
namespace {

bool isTurn(const Item& item) { return item.is(Role::Unsupported) && item.meaning == "turn"; }

// „полукръг“ is read by the scanner as an angle in words (a net's sector): 180°.
bool isSemicircle(const Reading& reading, const Item& item) {
    if (item.kind != ItemKind::Value || !item.degrees || item.number != "180") return false;
    return lowerCase(reading.text.substr(item.begin, item.end - item.begin)).starts_with("полукръг");
}

std::vector<std::pair<std::string, std::string>> pairsOf(std::string_view list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    while (!list.empty()) {
        const auto space = list.find(' ');
        const std::string_view each = list.substr(0, space);
        list.remove_prefix(space == std::string_view::npos ? list.size() : space + 1);
        const auto equals = each.find('=');
        if (equals != std::string_view::npos) pairs.emplace_back(each.substr(0, equals), each.substr(equals + 1));
    }
    return pairs;
}

// A plain value's number and unit („6 cm“, „2,5 dm“); none for a root, π or a relation.
std::optional<std::pair<double, std::string>> plainValue(const std::string& value) {
    const auto space = value.find(' ');
    std::string number = value.substr(0, space);
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    return std::make_pair(std::strtod(number.c_str(), nullptr),
                          space == std::string::npos ? std::string() : value.substr(space + 1));
}

class Turn {
public:
    explicit Turn(Reading& reading) : r_(reading), items_(reading.items) {}

    void run() {
        std::optional<std::size_t> turn;
        for (std::size_t k = 0; k < items_.size() && !turn; ++k)
            if (!r_.used[k] && isTurn(items_[k])) turn = k;
        if (!turn) return;
        const auto figure = figureItem();
        if (!figure) return;
        std::size_t start = *turn, end = *turn;
        while (start > 0 && items_[start - 1].kind != ItemKind::End) --start;
        while (end < items_.size() && items_[end].kind != ItemKind::End) ++end;
        std::optional<std::size_t> around;
        for (std::size_t k = start; k < end && !around; ++k)
            if (!r_.used[k] && items_[k].is(Role::Filler) && items_[k].meaning == "around") around = k;
        if (!around) return;
        // „около по-големия си катет“: the words between „около“ and the axis's name.
        std::vector<std::size_t> axisWords{*around};
        std::string choice;
        std::size_t axis = *around + 1;
        for (; axis < end; ++axis) {
            const Item& item = items_[axis];
            if (item.is(Role::Greater) || item.is(Role::Less)) choice = item.is(Role::Greater) ? "larger" : "smaller";
            else if (!(item.is(Role::Clitic) || item.is(Role::Adjective))) break;
            axisWords.push_back(axis);
        }
        if (axis >= end || r_.used[axis]) return;
        std::string axisName;
        if (items_[axis].is(Role::Quantity)) axisName = items_[axis].meaning;
        else if (items_[axis].is(Role::Base)) axisName = "shape base";
        else return;
        // „по-голямата си основа“ read as one name: which base it is, in its givens.
        if (choice.empty() && (items_[axis].givens == "larger" || items_[axis].givens == "smaller"))
            choice = items_[axis].givens;
        axisWords.push_back(axis);
        const std::string figureKey = semicircle_ ? "semicircle" : items_[*figure].meaning;
        const std::string figureGivens = semicircle_ ? "" : items_[*figure].givens;
        const Rotation* row = nullptr;
        for (const Rotation& each : rotations()) {
            if (each.figure != figureKey || each.figureGivens != figureGivens || each.axis != axisName) continue;
            if (each.needs == "perpendicular" && !said("perpendicular", start, end, axisWords)) continue;
            if (each.needs == "parallel" && !parallelTo(axis, end, axisWords, choice)) continue;
            if (each.needs == "larger" && choice != "larger") continue;  // a trapezoid about its larger base
            if (each.needs == "smaller" && choice != "smaller") continue;
            row = &each;
            break;
        }
        if (!row || !solidByKey(row->body)) return;  // named as not read: the turning words stay unsupported
        std::erase_if(named_, [&](std::size_t k) { return ownerOfQuantity(k, *solidByKey(row->body)); });
        if (std::any_of(named_.begin(), named_.end(), [&](std::size_t k) { return items_[k].meaning != row->body; }))
            return;
        for (std::size_t k : named_) r_.used[k] = true;
        for (std::size_t k : again_) r_.used[k] = true;
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && isTurn(items_[k])) r_.used[k] = true;
        for (std::size_t k : axisWords) r_.used[k] = true;
        std::size_t first = *turn;
        while (first > start && items_[first - 1].is(Role::Filler) && !r_.used[first - 1]) --first;  // „се“, „при“
        r_.turning = Reading::Turning{row, choice, pieceOf(r_, items_[std::min(first, *around)].begin,
                                                             items_[std::max(*turn, axis)].end)};
        r_.body = solidByKey(row->body);
        if (semicircle_) {
            asBody(*figure);
            return;
        }
        // „с основа 6 cm и бедро 5 cm“: the figure's bases are its own quantities.
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && items_[k].is(Role::Base)) {
                items_[k].role = Role::Quantity;
                items_[k].meaning = "shape base";
            }
    }

private:
    std::string wordAt(std::size_t k) const {
        return lowerCase(r_.text.substr(items_[k].begin, items_[k].end - items_[k].begin));
    }

    // „образуващата на конусите“: a part of the body named as a quantity's
    // owner, where the body has a key for the part's quantity; the quantity
    // is then the part's, and the part no solid of its own.
    bool ownerOfQuantity(std::size_t k, const SolidRow& body) {
        if (k < 2 || r_.used[k - 1] || !items_[k - 1].is(Role::Filler) || items_[k - 1].meaning != "of") return false;
        Item& quantity = items_[k - 2];
        if (r_.used[k - 2] || !quantity.is(Role::Quantity) || quantity.meaning.find('|') != std::string::npos) return false;
        const std::string named = quantity.meaning + "|" + items_[k].meaning;
        if (keysFor(named, body).empty()) return false;
        quantity.meaning = named;
        r_.used[k - 1] = r_.used[k] = true;
        return true;
    }

    // Whether the item names the figure again by a shorter word („триъгълникът“, „трапецът“).
    bool namesAgain(std::size_t k, std::string_view figure) const {
        const std::string word = wordAt(k);
        return std::any_of(figuresAgain().begin(), figuresAgain().end(),
                           [&](const FigureAgain& row) { return row.figure == figure && word.starts_with(row.stem); });
    }

    // The one plane figure the task names (again by a shorter word, where it is), and no solid.
    std::optional<std::size_t> figureItem() {
        std::optional<std::size_t> figure;
        std::string key;
        for (std::size_t k = 0; k < items_.size(); ++k) {
            if (r_.used[k]) continue;
            const Item& item = items_[k];
            const bool semicircle = isSemicircle(r_, item);
            if (figure && (semicircle || item.is(Role::Solid) || item.is(Role::Unsupported)) && namesAgain(k, key)) {
                again_.push_back(k);
                continue;
            }
            if (!semicircle && !item.is(Role::Solid)) continue;
            if (!semicircle && !isPlaneFigure(item.meaning)) {
                named_.push_back(k);  // „се получава конус“: the body, where it is the row's
                continue;
            }
            if (figure && (semicircle || semicircle_ || item.meaning != items_[*figure].meaning)) return std::nullopt;
            if (!figure) {
                figure = k;
                semicircle_ = semicircle;
                key = semicircle ? "semicircle" : item.meaning;
            }
        }
        return figure;
    }

    bool said(std::string_view filler, std::size_t start, std::size_t end, std::vector<std::size_t>& words) const {
        for (std::size_t k = start; k < end; ++k)
            if (!r_.used[k] && items_[k].is(Role::Filler) && items_[k].meaning == filler) {
                words.push_back(k);
                return true;
            }
        return false;
    }

    // „около оста си на симетрия, успоредна на по-голямата страна“: the side chooses the axis.
    bool parallelTo(std::size_t axis, std::size_t end, std::vector<std::size_t>& words, std::string& choice) const {
        std::size_t k = axis + 1;
        if (k < end && items_[k].kind == ItemKind::Mark && items_[k].text == ",") ++k;
        if (k >= end || !items_[k].is(Role::Filler) || items_[k].meaning != "parallel") return false;
        std::vector<std::size_t> more{k};
        std::string side;
        for (++k; k < end; ++k) {
            const Item& item = items_[k];
            if (item.is(Role::Greater) || item.is(Role::Less)) side = item.is(Role::Greater) ? "larger" : "smaller";
            else if (!(item.is(Role::Filler) && item.meaning == "of") && !item.is(Role::Clitic)) break;
            more.push_back(k);
        }
        if (side.empty() || k >= end || !items_[k].is(Role::Quantity) || items_[k].meaning != "side") return false;
        more.push_back(k);
        if (axis + 1 < k && items_[axis + 1].kind == ItemKind::Mark) more.push_back(axis + 1);
        words.insert(words.end(), more.begin(), more.end());
        choice = side;
        return true;
    }

    // „Полукръг с радиус 3 cm“: the body itself, its radius the ball's.
    void asBody(std::size_t figure) {
        Item& item = items_[figure];
        item.kind = ItemKind::Phrase;
        item.role = Role::Solid;
        item.meaning = std::string(r_.turning->row->body);
        item.givens.clear();
        item.degrees = false;
        for (std::size_t k = figure + 1; k < items_.size() && k <= figure + 2; ++k)
            if (items_[k].is(Role::Quantity) && items_[k].meaning == "net radius") items_[k].meaning = "radius";
    }

    Reading& r_;
    std::vector<Item>& items_;
    bool semicircle_ = false;
    std::vector<std::size_t> named_;  // solids named besides the figure
    std::vector<std::size_t> again_;  // the figure named again
};

using KeyMap = std::vector<std::pair<std::string, std::string>>;

// The keys of the body a figure's key goes to.
std::vector<std::string> placeOf(const KeyMap& map, const std::string& key) {
    std::vector<std::string> keys;
    for (const auto& [from, to] : map)
        if (from == key) keys.push_back(to);
    return keys;
}

// The figure's givens as the body's, by the map; the words of those the body
// has no place for go to `unplaced`.
std::vector<ReadGiven> bodyGivens(const ReadTask& task, const KeyMap& map, const Piece& turning,
                                  std::vector<Piece>& unplaced) {
    std::vector<ReadGiven> givens;
    for (const ReadGiven& g : task.givens) {
        const std::vector<std::string> keys = placeOf(map, g.key);
        if (keys.empty() || g.relation) {
            unplaced.push_back(g.from);
            continue;
        }
        for (const std::string& key : keys) {
            if (key.empty()) continue;
            ReadGiven given = g;
            given.key = key;
            // "h1-h2": the measure is h1 − h2, so h2 = h1 − the measure.
            if (const auto minus = key.find('-'); minus != std::string::npos) {
                given.key = key.substr(minus + 1);
                given.value = key.substr(0, minus) + "-" + g.value;
                given.relation = true;
            }
            givens.push_back(std::move(given));
        }
    }
    // „равнобедрен триъгълник с основа 6 cm и височина 4 cm“ about its base: l1 = l2 though the legs are not given.
    for (const auto& mapped : map) {
        const std::string& from = mapped.first;
        const std::vector<std::string> keys = placeOf(map, from);
        const bool given = std::any_of(task.givens.begin(), task.givens.end(), [&](const ReadGiven& g) { return g.key == from; });
        if (given || keys.size() < 2 || mapped.second != keys.back() || keys.front().empty()) continue;
        givens.push_back({keys.back(), keys.front(), turning, true});
    }
    return givens;
}

// The row's words for the pair made the figure's keys.
KeyMap withPair(KeyMap map, const std::string& axis, const std::string& other, const std::string& larger,
                const std::string& smaller) {
    for (auto& [from, to] : map) {
        if (from == "axis") from = axis;
        else if (from == "other") from = other;
        else if (from == "larger") from = larger;
        else if (from == "smaller") from = smaller;
    }
    return map;
}

// „Ромб със страна 10 cm и диагонал 12 cm се завърта около по-малкия си
// диагонал“: one of the pair given, the other found from the rest. Which of
// them the figure turns about is told by the body each makes: the one whose
// axis is the smaller (the larger) as the words say. None where neither or
// both are.
std::optional<KeyMap> pairByBody(const Reading& reading, const KeyMap& map, const std::string& given,
                                 const std::string& missing) {
    const std::string& choice = reading.turning->choice;
    const std::vector<std::string> axisKeys = placeOf(map, "axis"), otherKeys = placeOf(map, "other");
    if (choice.empty() || axisKeys.size() != 1 || otherKeys.size() != 1) return std::nullopt;
    std::optional<KeyMap> found;
    for (const bool givenIsAxis : {true, false}) {
        const KeyMap tried = withPair(map, givenIsAxis ? given : missing, givenIsAxis ? missing : given, {}, {});
        std::vector<Piece> unplaced;
        std::vector<Given> givens;
        for (const ReadGiven& g : bodyGivens(reading.task, tried, reading.turning->words, unplaced))
            givens.push_back({g.key, g.value});
        if (!unplaced.empty()) return std::nullopt;
        Settings quick;
        quick.steps = false;
        const Outcome outcome = solve(reading.body->key, givens, quick);
        if (outcome.status != Status::Solved || outcome.solutions.size() != 1) continue;
        const auto valueOf = [&](const std::string& key) {
            const int index = quantityIndex(*outcome.solid, key);
            return index < 0 ? std::nan("") : outcome.solutions.front().quantities[std::size_t(index)].value;
        };
        const double axis = valueOf(axisKeys.front()), other = valueOf(otherKeys.front());
        const double apart = 1e-9 * std::max(std::abs(axis), std::abs(other));
        if (!(choice == "smaller" ? axis < other - apart : axis > other + apart)) continue;
        if (found) return std::nullopt;
        found = tried;
    }
    return found;
}

}  // namespace

void readRotation(Reading& reading) { Turn(reading).run(); }

// The figure's givens and what was asked of it as the body's, by the row's
// "from=to"; what has no place in the body is named as not read.
void finishRotation(Reading& reading) {
    if (!reading.turning) return;
    const Rotation& row = *reading.turning->row;
    ReadTask& task = reading.task;
    const SolidRow* body = reading.body;
    const auto notRead = [&](const Piece& piece) {
        task.unread.push_back(piece);
        reading.unsupported = true;
    };
    if (reading.solid != body) {
        KeyMap map = pairsOf(row.givens);
        // Which of the pair the figure turns about, which is the larger: by the words and the numbers.
        if (const auto space = row.pair.find(' '); space != std::string_view::npos) {
            const std::string first(row.pair.substr(0, space)), second(row.pair.substr(space + 1));
            const auto valueOf = [&](const std::string& key) -> std::optional<std::pair<double, std::string>> {
                for (const ReadGiven& g : task.givens)
                    if (g.key == key && !g.relation) return plainValue(g.value);
                return std::nullopt;
            };
            const auto a = valueOf(first), b = valueOf(second);
            const bool compared = a && b && a->second == b->second;
            const bool firstLarger = compared && a->first >= b->first;
            const bool equal = compared && a->first == b->first;
            const std::string larger = firstLarger ? first : second, smaller = firstLarger ? second : first;
            const std::string& choice = reading.turning->choice;
            const bool usesAxis = std::any_of(map.begin(), map.end(), [](const auto& m) {
                return m.first == "axis" || m.first == "other";
            });
            const std::optional<KeyMap> byBody =
                compared || a.has_value() == b.has_value() ? std::nullopt
                                                           : pairByBody(reading, map, a ? first : second, a ? second : first);
            if (byBody) {
                map = *byBody;
            } else if (!compared || (usesAxis && choice.empty() && !equal)) {
                // „около катета си“ of two unequal legs, or numbers that do not compare: not guessed.
                notRead(reading.turning->words);
                return;
            } else {
                const std::string axis = choice == "smaller" ? smaller : larger, other = axis == first ? second : first;
                map = withPair(map, axis, other, larger, smaller);
            }
        }
        std::vector<Piece> unplaced;
        std::vector<ReadGiven> givens = bodyGivens(task, map, reading.turning->words, unplaced);
        for (const Piece& piece : unplaced) notRead(piece);  // a measure of the figure the body has no place for
        const auto place = [&](const std::string& key) { return placeOf(map, key); };
        std::vector<ReadAsked> asked;
        for (const ReadAsked& a : task.asked) {
            const std::vector<std::string> keys = place(a.key);
            if (keys.empty() || keys.front().empty()) {
                notRead(a.from);
                continue;
            }
            asked.push_back({keys.front(), a.from, a.mark});
        }
        task.givens = std::move(givens);
        task.asked = std::move(asked);
    }
    for (const auto& [key, value] : pairsOf(row.fixed)) task.givens.push_back({key, value, reading.turning->words, false});
    for (ReadGiven& g : reading.bodyGivens) task.givens.push_back(std::move(g));
    for (ReadAsked& a : reading.bodyAsked)
        if (std::none_of(task.asked.begin(), task.asked.end(), [&](const ReadAsked& b) { return b.key == a.key; }))
            task.asked.push_back(std::move(a));
    std::stable_sort(task.givens.begin(), task.givens.end(),
                     [](const ReadGiven& a, const ReadGiven& b) { return a.from.span.begin < b.from.span.begin; });
    std::stable_sort(task.asked.begin(), task.asked.end(),
                     [](const ReadAsked& a, const ReadAsked& b) { return a.from.span.begin < b.from.span.begin; });
    std::sort(task.unread.begin(), task.unread.end(),
              [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
    reading.solid = body;
    reading.withUses = &withUses(*body);
    task.solid = std::string(body->key);
    task.turned = row.wholeSection ? TurnedFigure::AxialSection : TurnedFigure::HalfSection;
}

}  // namespace solver::reader
