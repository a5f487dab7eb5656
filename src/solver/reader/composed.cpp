// SPDX-License-Identifier: MIT
// A body of two solids: „Тяло е съставено от цилиндър и конус с обща основа“,
// „Върху основата на цилиндър … е поставено полукълбо“, „куб и правилна
// четириъгълна пирамида“ (composedBodies()), and a solid with a hole along it:
// „кух цилиндър“, „цилиндър с цилиндричен отвор“, „тръба с външен радиус 5 cm
// и вътрешен 3 cm“ (hollowBodies()). The parts' names become the body's one
// name, before the solid is placed; a quantity named for a part („височината
// на конуса“, „конус с височина 4 cm“, „…, а на конуса – 4 cm“) is read as
// "height|cone", keyed for the body in quantityKeys(). Two solids no row joins
// stay two solids, named so by placeSolid().
#include <algorithm>

#include "reader/reading.h"

namespace solver::reader {
namespace {

constexpr std::string_view joinWords = "composed|common base|placed";

bool isQuantity(const Item& item) { return item.is(Role::Quantity) || item.is(Role::WeakQuantity); }
bool separates(const Item& item) { return item.is(Role::And) || (item.kind == ItemKind::Mark && item.text == ","); }

bool listed(std::string_view list, std::string_view word) {
    return ("|" + std::string(list) + "|").find("|" + std::string(word) + "|") != std::string::npos;
}
std::string spaced(std::string_view list) {
    std::string bars(list);
    std::replace(bars.begin(), bars.end(), ' ', '|');
    return bars;
}

class Composed {
public:
    explicit Composed(Reading& reading) : r_(reading), items_(reading.items) {}

    void run() {
        heightWithItsValue();
        if (hollow()) return;
        joined();
    }

private:
    // „конус със същата основа и височина 9 cm“: the same base, and a height of its own.
    void heightWithItsValue() {
        for (std::size_t k = 0; k + 1 < items_.size(); ++k) {
            Item& item = items_[k];
            const Item& next = items_[k + 1];
            if (!item.is(Role::Relation) || item.meaning != "equal heights") continue;
            if (next.kind != ItemKind::Value || next.foreignUnit || next.degrees || next.power > 1) continue;
            item.role = Role::Quantity;
            item.meaning = "height";
        }
    }

    // A part's name: a solid's (not a plane figure's), or an Unsupported word a row names („полукълбо“).
    std::string partKey(std::size_t k) const {
        if (r_.used[k]) return {};
        const Item& item = items_[k];
        if (item.is(Role::Solid) && !isPlaneFigure(item.meaning)) return item.meaning;
        if (item.is(Role::Unsupported) && !item.meaning.empty())
            for (const ComposedBody& row : composedBodies())
                if (row.first == item.meaning || row.second == item.meaning) return item.meaning;
        return {};
    }

    // The adjectives just before a part's name (and the clitics between).
    std::vector<std::size_t> adjectivesOf(std::size_t k) const {
        std::vector<std::size_t> found;
        for (std::size_t j = k; j-- > 0;) {
            if (r_.used[j] || !(items_[j].is(Role::Adjective) || items_[j].is(Role::Clitic))) break;
            found.push_back(j);
        }
        return found;
    }

    bool hollow() {
        for (const HollowBody& row : hollowBodies()) {
            const SolidRow* body = solidByKey(row.body);
            const SolidRow* solid = solidByKey(row.solid);
            if (!body || !solid) continue;
            std::vector<std::size_t> names, opens, markers;
            bool other = false, quantity = false;
            for (std::size_t k = 0; k < items_.size(); ++k) {
                if (r_.used[k]) continue;
                const Item& item = items_[k];
                if (item.is(Role::Solid) && !isPlaneFigure(item.meaning)) {
                    if (item.meaning == row.solid) names.push_back(k);
                    else other = true;
                } else if (item.is(Role::OpenSolid) && item.meaning == row.open) {
                    opens.push_back(k);
                } else if (item.is(Role::Unsupported) && !item.meaning.empty() && listed(spaced(row.markers), item.meaning)) {
                    markers.push_back(k);
                } else if (isQuantity(item) && !keysFor(item.meaning, *body).empty() &&
                           keysFor(item.meaning, *solid).empty()) {
                    quantity = true;  // „външен радиус“: the body's alone
                }
            }
            if (other || (names.empty() && opens.empty()) || (markers.empty() && !quantity)) continue;
            // „цилиндричен отвор“ names the hole, not a second body; „обема на отвора“ is the hole's.
            for (std::size_t k : markers) {
                r_.used[k] = true;
                std::size_t of = k;
                while (of > 0 && (items_[of - 1].is(Role::Solid) || items_[of - 1].is(Role::Adjective))) --of;
                if (of >= 2 && isOf(items_[of - 1]) && isQuantity(items_[of - 2])) {
                    r_.used[of - 1] = true;
                    // „обема на кухия цилиндър“: the body's own, its name after the word.
                    const std::string named = items_[of - 2].meaning + "|" + items_[k].meaning;
                    const bool bodyNamed = std::find(names.begin(), names.end(), k + 1) != names.end();
                    if (bodyNamed && keysFor(named, *body).empty()) continue;
                    items_[of - 2].role = Role::Quantity;
                    items_[of - 2].meaning = named;
                }
            }
            for (std::size_t k : opens) r_.used[k] = true;
            const std::size_t name = names.empty() ? opens.front() : names.front();
            Item& item = items_[name];
            item.kind = ItemKind::Phrase;
            item.role = Role::Solid;
            item.meaning = row.body;
            item.givens.clear();
            r_.used[name] = false;
            for (std::size_t i = 1; i < names.size(); ++i) r_.used[names[i]] = true;
            return true;
        }
        return false;
    }

    void joined() {
        std::vector<std::size_t> parts;
        std::vector<std::string> keys;
        for (std::size_t k = 0; k < items_.size(); ++k) {
            const std::string key = partKey(k);
            if (key.empty()) continue;
            parts.push_back(k);
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
        }
        if (keys.empty() || (keys.size() == 1 && !twice(parts.front()))) return;
        // The words say the parts are one body („съставено от“, „обща основа“,
        // „поставено върху“); „цилиндър и конус имат равни основи“ is two solids.
        bool one = cutOut();  // „цилиндър, от който е изрязан конус“: one body too
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && (items_[k].is(Role::Unsupported) || items_[k].is(Role::Filler)) &&
                listed(joinWords, items_[k].meaning))
                one = true;
        if (!one) return;
        const ComposedBody* row = fitting(parts, keys);
        if (!row) {
            notKnown(keys);
            return;
        }
        const SolidRow* body = solidByKey(row->body);
        if (keys.size() == 1) {
            // „два“ says the body, no number of the task.
            std::size_t j = parts.front();
            while (!items_[j - 1].is(Role::NumberWord)) --j;
            r_.used[j - 1] = true;
            lowerThenUpper(*body);
        }

        for (std::size_t k : parts) partsQuantities(k, *body);
        pronouns(parts, *body);
        // The first name left is the body's; the others, with their adjectives, are read.
        bool placed = false;
        for (std::size_t k : parts) {
            if (r_.used[k] || items_[k].is(Role::Quantity)) continue;  // read as a part's quantity
            for (std::size_t j : adjectivesOf(k)) r_.used[j] = true;
            if (placed) {
                r_.used[k] = true;
                continue;
            }
            Item& item = items_[k];
            item.role = Role::Solid;
            item.meaning = row->body;
            item.givens = row->givens;
            placed = true;
        }
        if (!placed) {
            // Every name read as a part's quantity: the first stands for the body too.
            Item& item = items_[parts.front()];
            item.role = Role::Solid;
            item.meaning = row->body;
            item.givens = row->givens;
            r_.used[parts.front()] = false;
        }
        for (std::size_t k = 0; k < items_.size(); ++k) {
            if (r_.used[k]) continue;
            if (items_[k].is(Role::Unsupported) && (items_[k].meaning == "composed" || items_[k].meaning == "cut out"))
                r_.used[k] = true;
            // „височината на тялото“: the body's own, where the body has one so named.
            if (!items_[k].is(Role::Filler) || items_[k].meaning != "body" || k < 2 || !isOf(items_[k - 1]) ||
                !isQuantity(items_[k - 2]))
                continue;
            if (qualify(k - 2, "body", *body)) r_.used[k - 1] = r_.used[k] = true;
            // „височината и обема на тялото“: those before it in the list too.
            for (std::size_t j = k - 2; j >= 2 && separates(items_[j - 1]) && isQuantity(items_[j - 2]) && !r_.used[j - 2];
                 j -= 2)
                qualify(j - 2, "body", *body);
        }
    }

    // The row that joins the parts named: two of them, no word saying one is taken
    // out of the other („цилиндър, от който е изрязан конус“), the parts' adjectives
    // saying only the row's (n=4), and saying it where they must.
    const ComposedBody* fitting(const std::vector<std::size_t>& parts, const std::vector<std::string>& keys) const {
        if (keys.size() != 2 && !(keys.size() == 1 && twice(parts.front()))) return nullptr;
        // „цилиндър с две полукълба“: three parts, no body of two.
        if (keys.size() == 2 && std::any_of(parts.begin(), parts.end(), [&](std::size_t k) { return twice(k); })) return nullptr;
        const bool cut = cutOut();
        const std::string& second = keys.size() == 2 ? keys[1] : keys[0];
        const auto row = std::find_if(composedBodies().begin(), composedBodies().end(), [&](const ComposedBody& b) {
            // What is cut out is named after what it is cut from.
            return b.cutOut == cut && ((b.first == keys[0] && b.second == second) ||
                                       (!cut && b.first == second && b.second == keys[0]));
        });
        if (row == composedBodies().end() || !solidByKey(row->body)) return nullptr;
        bool said = false;
        for (std::size_t k : parts) {
            for (std::size_t j : adjectivesOf(k))
                if (items_[j].is(Role::Adjective) && !items_[j].givens.empty()) {
                    if (items_[j].givens != row->partGivens) return nullptr;  // „триъгълна пирамида“
                    said = true;
                }
            if (!items_[k].givens.empty()) return nullptr;  // „равностранен конус“: not read as a part yet
        }
        if (row->partGivensSaid && !said) return nullptr;
        return &*row;
    }

    // „Долният цилиндър има радиус 5 cm …, а горният – 3 cm“: the part named twice,
    // its measures taken in the body's order (r1 the lower's). Read so only
    // where the lower is named first; „горният“ before it is named as not read.
    // „обема на горния цилиндър“: the quantity that part's (V2), or where the
    // body has no key for it so, the word named as not read.
    void lowerThenUpper(const SolidRow& body) {
        std::vector<std::size_t> words;
        bool lowerSeen = false;
        for (std::size_t k = 0; k < items_.size(); ++k) {
            if (r_.used[k] || !items_[k].is(Role::Unsupported)) continue;
            if (items_[k].meaning == "lower") lowerSeen = true;
            else if (items_[k].meaning != "upper") continue;
            else if (!lowerSeen) return;
            words.push_back(k);
        }
        for (std::size_t k : words) {
            if (k < 2 || !isOf(items_[k - 1]) || !isQuantity(items_[k - 2])) {
                r_.used[k] = true;
                continue;
            }
            // „височината и обема на горния цилиндър“: each name of the list the part's.
            bool all = true;
            std::size_t q = k - 2;
            while (true) {
                const std::string plain = items_[q].meaning.substr(0, items_[q].meaning.find('|'));
                const std::string named = plain + "|" + items_[k].meaning;
                if (keysFor(named, body).empty()) {
                    all = false;
                } else {
                    items_[q].role = Role::Quantity;
                    items_[q].meaning = named;
                }
                if (q < 2 || !separates(items_[q - 1]) || !isQuantity(items_[q - 2])) break;
                q -= 2;
            }
            if (all) r_.used[k - 1] = r_.used[k] = true;
        }
    }

    // Whether the words take one part out of the other („изрязан“, „издълбан“).
    bool cutOut() const {
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && items_[k].is(Role::Unsupported) && items_[k].meaning == "cut out") return true;
        return false;
    }

    // „два конуса“: the part's first name after the number two.
    bool twice(std::size_t k) const {
        std::size_t j = k;
        while (j > 0 && (items_[j - 1].is(Role::Adjective) || items_[j - 1].is(Role::Clitic))) --j;
        return j > 0 && items_[j - 1].is(Role::NumberWord) && items_[j - 1].meaning == "2";
    }

    // A body of the solids named that no row makes: said so, with the bodies that are solved.
    void notKnown(std::vector<std::string> keys) {
        if (keys.size() == 1) keys.push_back(keys.front());  // „два цилиндъра“
        r_.unsupported = true;
        std::string parts, known;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const SolidRow* solid = solidByKey(keys[i]);
            parts += (i == 0 ? "" : i + 1 == keys.size() ? " и " : ", ") +
                     (solid ? std::string(solid->single) : std::string(wordOf(keys[i])));
        }
        std::vector<std::string_view> names;
        for (const ComposedBody& row : composedBodies())
            if (const SolidRow* body = solidByKey(row.body); body && std::find(names.begin(), names.end(), body->name) == names.end())
                names.push_back(body->name);
        for (const HollowBody& row : hollowBodies())
            if (const SolidRow* body = solidByKey(row.body)) names.push_back(body->name);
        for (std::size_t i = 0; i < names.size(); ++i) known += (i == 0 ? "" : i + 1 == names.size() ? " и " : ", ") + std::string(names[i]);
        r_.task.message = "Такова тяло от " + parts + " още не се решава; решават се: " + known + ".";
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!r_.used[k] && items_[k].is(Role::Unsupported) && items_[k].meaning == "composed") r_.used[k] = true;
    }

    // A part without a solid of its own („полукълбо“): its word as printed, in lower case.
    std::string wordOf(std::string_view key) const {
        for (const Item& item : items_)
            if (item.is(Role::Unsupported) && item.meaning == key) return lowerCase(r_.text.substr(item.begin, item.end - item.begin));
        return std::string(key);
    }

    // „Радиусът на цилиндъра е 3 cm, а височината му е 5 cm.“: a quantity with a
    // clitic, in the sentence where a part was named after „на“, is that part's.
    void pronouns(const std::vector<std::size_t>& parts, const SolidRow& body) {
        for (std::size_t q = 0; q + 1 < items_.size(); ++q) {
            if (r_.used[q] || !isQuantity(items_[q]) || items_[q].meaning.find('|') != std::string::npos ||
                !items_[q + 1].is(Role::Clitic))
                continue;
            for (std::size_t j = q; j-- > 0 && items_[j].kind != ItemKind::End;) {
                if (std::find(parts.begin(), parts.end(), j) == parts.end()) continue;
                if (j >= 1 && isOf(items_[j - 1])) {
                    own(q, partNames_[j], body);
                    r_.used[q + 1] = true;
                }
                break;
            }
        }
    }

    // A quantity named for a part: the part's where the body has it (h2 for „височината
    // на конуса“), the body's where the parts share it (the radius, „ръба на куба“),
    // else the part's that the body has not: named as not read, never taken for the body's
    // („лицето на повърхнината на конуса“ is no S).
    void own(std::size_t q, const std::string& part, const SolidRow& body) {
        if (qualify(q, part, body)) return;
        const auto shared = sharedQuantities();
        if (std::find(shared.begin(), shared.end(), items_[q].meaning) != shared.end()) return;
        items_[q].role = Role::Quantity;
        items_[q].meaning += "|" + part;
    }

    // A quantity's name made the part's where the body has a key for it so.
    bool qualify(std::size_t q, const std::string& part, const SolidRow& body) {
        Item& item = items_[q];
        if (item.meaning.find('|') != std::string::npos) return true;
        const std::string named = item.meaning + "|" + part;
        if (keysFor(named, body).empty()) return false;
        item.role = Role::Quantity;
        item.meaning = named;
        return true;
    }

    // „височината на конуса“, „…, а на конуса – 4 cm“, „конус с височина 4 cm“.
    void partsQuantities(std::size_t k, const SolidRow& body) {
        const std::string part = items_[k].meaning;
        partNames_[k] = part;
        if (k >= 1 && isOf(items_[k - 1]) && !r_.used[k - 1]) {
            std::size_t q = k - 1;
            while (q > 0 && items_[q - 1].is(Role::Clitic)) --q;
            if (q >= 1 && isQuantity(items_[q - 1]) && !r_.used[q - 1]) {
                own(q - 1, part, body);
                r_.used[k - 1] = r_.used[k] = true;
                // „височината и образуващата на конуса“: the part's too, where it has them so.
                for (std::size_t j = q - 1; j >= 2 && separates(items_[j - 1]) && isQuantity(items_[j - 2]) &&
                                            !r_.used[j - 2] && qualify(j - 2, part, body);
                     j -= 2) {
                }
                return;
            }
            // „а на конуса“: the quantity named last before, for this part.
            for (std::size_t j = k - 1; j-- > 0;) {
                if (!isQuantity(items_[j])) continue;
                const std::string plain = items_[j].meaning.substr(0, items_[j].meaning.find('|'));
                const std::string named = plain + "|" + part;
                if (keysFor(named, body).empty()) break;
                r_.used[k - 1] = true;
                Item& item = items_[k];
                item.role = Role::Quantity;
                item.meaning = named;
                item.givens.clear();
                return;
            }
            // „Кофа с форма на цилиндър има височина 3 dm“: read on as below.
        }
        // „конус с височина 4 cm“, „цилиндърът има височина 3 cm“, „конус, който е с височина 4 cm“,
        // „цилиндричен съд има …“: the quantities after „с“ or „има“, up to the sentence's end or another part.
        const auto filler = [&](std::size_t j, std::string_view meaning) {
            return j < items_.size() && !r_.used[j] && items_[j].is(Role::Filler) && items_[j].meaning == meaning;
        };
        std::size_t w = k + 1;
        while (w < items_.size() && (items_[w].is(Role::Clitic) || items_[w].is(Role::Adjective))) ++w;
        if (w + 1 < items_.size() && items_[w].kind == ItemKind::Mark && items_[w].text == "," && filler(w + 1, "which")) w += 2;
        for (int words = 0; words < 2 && filler(w, ""); ++words) ++w;  // „е“, „съд“
        if (w >= items_.size() || !(items_[w].is(Role::With) || filler(w, "has"))) return;
        for (std::size_t j = w + 1; j < items_.size(); ++j) {
            const Item& item = items_[j];
            if (item.kind == ItemKind::End || !partKey(j).empty()) break;
            if (item.is(Role::Filler) && item.meaning == "common base") break;  // „с обща основа с радиус 3 cm“: the body's
            if (isQuantity(item) && !r_.used[j]) own(j, part, body);
        }
    }

    Reading& r_;
    std::vector<Item>& items_;
    std::vector<std::string> partNames_ = std::vector<std::string>(items_.size());  // the part each name was
};

}  // namespace

void readComposed(Reading& reading) { Composed(reading).run(); }

}  // namespace solver::reader
