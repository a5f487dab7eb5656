// SPDX-License-Identifier: MIT
// A sphere described about the task's solid or a ball inscribed in it: „Около
// куб с ръб 2 cm е описана сфера“, „Кълбо с радиус 3 cm е вписано в конус“,
// „Пирамида е вписана в сфера“ (the sphere about the pyramid). The sphere is
// then no solid of the task: its name is read with the words that say where it
// is, and the names of its radius, surface and volume („радиуса на сферата“,
// „кълбо с радиус 3 cm“) become the solid's quantities of use (Rc, Sc, Vc
// about it, ri, Si, Vi in it). Where it is cannot be told, or the solid has no
// such sphere, the words are named and the task is not solved.
#include <algorithm>
#include <optional>

#include "reader/reading.h"

namespace solver::reader {
namespace {

bool isSphere(const Item& item) {
    if (!item.is(Role::Solid)) return false;
    const auto solids = inAndAroundSolids();
    return std::find(solids.begin(), solids.end(), item.meaning) != solids.end();
}
bool isHost(const Item& item) { return item.is(Role::Solid) && !isSphere(item) && !isPlaneFigure(item.meaning); }
bool isParticiple(const Item& item) {
    return item.is(Role::Unsupported) && (item.meaning == "inscribed" || item.meaning == "circumscribed");
}
// „вписан в“ takes „в“; „описан около“ takes „около“.
bool isPreposition(const Item& item, std::string_view participle) {
    if (participle == "inscribed") return item.is(Role::In);
    return item.is(Role::Filler) && item.meaning == "around";
}
std::string_view flipped(std::string_view kind) { return kind == "around" ? "inner" : "around"; }

class Spheres {
public:
    explicit Spheres(Reading& reading) : r_(reading), items_(reading.items) {}

    void run() {
        bool sphere = false, host = false;
        for (std::size_t k = 0; k < items_.size(); ++k) {
            if (r_.used[k]) continue;
            sphere = sphere || isSphere(items_[k]);
            host = host || isHost(items_[k]);
        }
        if (!sphere || !host) return;  // a ball alone, or no sphere
        kinds_.assign(items_.size(), {});
        participles_.assign(items_.size(), items_.size());
        for (std::size_t start = 0; start < items_.size();) {
            std::size_t end = start;
            while (end < items_.size() && items_[end].kind != ItemKind::End) ++end;
            for (std::size_t k = start; k < end; ++k)
                if (!r_.used[k] && isParticiple(items_[k])) where(k, start, end);
            start = end + 1;
        }
        std::vector<std::string_view> said;
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (!kinds_[k].empty() && std::find(said.begin(), said.end(), kinds_[k]) == said.end()) said.push_back(kinds_[k]);
        if (said.empty()) return;  // no word says where the sphere is: two solids, as before
        for (std::size_t k = 0; k < items_.size(); ++k) {
            if (r_.used[k] || !isSphere(items_[k])) continue;
            r_.used[k] = true;
            std::string_view kind = kinds_[k];
            if (kind.empty() && said.size() == 1) kind = said.front();
            if (kind.empty()) kind = sameWordsKind(k);
            if (kind.empty()) {
                // „сферата“ where both a sphere about the solid and a ball in it are named: which one is not said.
                r_.task.unread.push_back(pieceOf(r_, items_[k].begin, items_[k].end));
                r_.unsupported = true;
                continue;
            }
            r_.sphereKinds.push_back({std::string(kind), pieceOf(r_, items_[k].begin, items_[k].end)});
            quantitiesBefore(k, kind);
            quantitiesAfter(k, kind);
            cliticsOf(k);
        }
        pronouns();
    }

private:
    // The item after k that is not an adjective or a clitic, within [k, end).
    std::size_t after(std::size_t k, std::size_t end) const {
        for (++k; k < end; ++k)
            if (!items_[k].is(Role::Adjective) && !items_[k].is(Role::Clitic)) return k;
        return end;
    }

    // Where a participle puts the sphere: „около <тяло> е описана сфера“, „сфера,
    // описана около <тяло>“ (about it), „<тяло>, описано около кълбо“ (the ball
    // in it), „вписаното кълбо“ (the participle before the sphere's name).
    void where(std::size_t participle, std::size_t start, std::size_t end) {
        const std::string_view said = items_[participle].meaning == "inscribed" ? "inner" : "around";
        std::optional<std::size_t> preposition, target;
        std::size_t distance = items_.size();
        for (std::size_t k = start; k < end; ++k) {
            if (r_.used[k] || !isPreposition(items_[k], items_[participle].meaning)) continue;
            std::size_t solid = after(k, end);
            if (solid >= end) continue;
            if (items_[solid].is(Role::Pronoun)) {
                const auto sphere = pronounsSphere(solid);
                if (!sphere) continue;
                solid = *sphere;
            } else if (!(isSphere(items_[solid]) || isHost(items_[solid]))) {
                continue;
            }
            const std::size_t d = k > participle ? k - participle : participle - k;
            if (d < distance) {
                distance = d;
                preposition = k;
                target = solid;
            }
        }
        std::optional<std::size_t> sphere;
        std::string_view kind = said;
        if (target && isSphere(items_[*target])) {
            // „куб, вписан в сфера“: the sphere is about the solid.
            sphere = target;
            kind = flipped(said);
        } else if (target) {
            sphere = nearestSphere(participle, start, end);
            // „Кълбо има радиус 3 cm. То е вписано в цилиндър.“: the sphere named last before.
            for (std::size_t j = start; !sphere && j-- > 0;)
                if (!r_.used[j] && isSphere(items_[j])) sphere = j;
        } else if (const std::size_t next = after(participle, end); next < end && isSphere(items_[next])) {
            sphere = next;  // „описаната сфера“, „вписаното кълбо“
        }
        if (!sphere) return;
        r_.used[participle] = true;
        if (preposition) {
            r_.used[*preposition] = true;
            if (const std::size_t next = after(*preposition, end); next < end && items_[next].is(Role::Pronoun))
                r_.used[next] = true;  // „в нея“
        }
        kinds_[*sphere] = kind;
        participles_[*sphere] = participle;
    }

    // „Около куба е описана сфера, а в него е вписано кълбо. … радиуса на
    // кълбото“: with both named, the one named by the same word, where one is.
    std::string_view sameWordsKind(std::size_t k) const {
        std::string_view stem, kind;
        const std::string word = wordAt(k);
        for (const SpherePronoun& row : spherePronouns())
            if (word.starts_with(row.stem)) stem = row.stem;
        if (stem.empty()) return {};
        for (std::size_t j = 0; j < items_.size(); ++j) {
            if (kinds_[j].empty() || !wordAt(j).starts_with(stem)) continue;
            if (!kind.empty() && kind != kinds_[j]) return {};
            kind = kinds_[j];
        }
        return kind;
    }

    // „Дадена е сфера с радиус 5 cm. В нея е вписан цилиндър“: the sphere named
    // last before the pronoun, where its pronoun is that one and no other solid
    // is named before it; none where the words do not tell.
    std::optional<std::size_t> pronounsSphere(std::size_t pronoun) const {
        std::optional<std::size_t> sphere;
        for (std::size_t j = 0; j < pronoun; ++j) {
            if (isHost(items_[j])) return std::nullopt;
            if (isSphere(items_[j])) sphere = j;
        }
        if (!sphere) return std::nullopt;
        const std::string word = wordAt(*sphere), said = wordAt(pronoun);
        for (const SpherePronoun& row : spherePronouns())
            if (word.starts_with(row.stem) && row.pronoun == said) return sphere;
        return std::nullopt;
    }

    std::optional<std::size_t> nearestSphere(std::size_t k, std::size_t start, std::size_t end) const {
        std::optional<std::size_t> found;
        std::size_t distance = items_.size();
        for (std::size_t j = start; j < end; ++j) {
            if (r_.used[j] || !isSphere(items_[j])) continue;
            const std::size_t d = j > k ? j - k : k - j;
            if (d < distance) {
                distance = d;
                found = j;
            }
        }
        return found;
    }

    std::string wordAt(std::size_t k) const {
        return lowerCase(r_.text.substr(items_[k].begin, items_[k].end - items_[k].begin));
    }

    // The clitics that may stand for the sphere named at k.
    void cliticsOf(std::size_t k) {
        const std::string word = wordAt(k);
        for (const SpherePronoun& row : spherePronouns())
            if (word.starts_with(row.stem)) clitics_ += "|" + std::string(row.clitics) + "|";
    }

    // „Намерете обема му“ where „му“ may stand for the ball as well as for the
    // solid: a quantity both have, whose it is not said; named, not guessed.
    void pronouns() {
        for (std::size_t k = 0; k + 1 < items_.size(); ++k) {
            const Item& item = items_[k];
            if (r_.used[k] || !(item.is(Role::Quantity) || item.is(Role::WeakQuantity))) continue;
            if (!items_[k + 1].is(Role::Clitic) || clitics_.find("|" + wordAt(k + 1) + "|") == std::string::npos) continue;
            const bool sphereHas = std::any_of(sphereQuantities().begin(), sphereQuantities().end(),
                                               [&](const SphereQuantity& r) { return r.quantity == item.meaning; });
            if (!sphereHas) continue;
            r_.used[k] = r_.used[k + 1] = true;
            r_.task.unread.push_back(pieceOf(r_, item.begin, items_[k + 1].end));
            r_.unsupported = true;
        }
    }

    // A host's quantity named for the sphere: „радиуса“ → "around sphere radius".
    void makeSpheres(std::size_t q, std::string_view kind, std::size_t sphere) {
        Item& item = items_[q];
        if (item.meaning.find(" sphere ") != std::string::npos) return;  // read already
        const auto row = std::find_if(sphereQuantities().begin(), sphereQuantities().end(),
                                      [&](const SphereQuantity& r) { return r.quantity == item.meaning; });
        if (row == sphereQuantities().end()) {
            // „диаметъра на сферата“ (no quantity of the solid yet), „околната повърхнина на кълбото“ (none).
            r_.used[q] = true;
            const std::size_t begin = std::min(item.begin, items_[sphere].begin);
            r_.task.unread.push_back(pieceOf(r_, begin, std::max(item.end, items_[sphere].end)));
            r_.unsupported = true;
            return;
        }
        item.role = Role::Quantity;
        item.meaning = std::string(kind) + " sphere " + std::string(row->sphere);
    }

    // „радиуса на (описаната) сферата“, „лицето на вписаната в куб сфера“: a
    // name followed by „на“ and the sphere, with the words that place it between.
    // „обема на описаното около куб с ръб 2 cm кълбо“: from the participle that places it, before its name.
    void quantitiesBefore(std::size_t k, std::string_view kind) {
        namedBefore(k, k, kind);
        if (participles_[k] < k) namedBefore(participles_[k], k, kind);
    }

    // „лицето и обема на кълбото“: a name followed by „на“ and the sphere (at k), with the names before it.
    void namedBefore(std::size_t from, std::size_t k, std::string_view kind) {
        std::size_t j = from;
        bool participle = false, host = false;
        for (; j > 0; --j) {
            const Item& item = items_[j - 1];
            if (isParticiple(item)) participle = true;
            else if (isHost(item)) host = true;
            else if (!(item.is(Role::Clitic) || item.is(Role::Adjective) || item.is(Role::In) ||
                       (item.is(Role::Filler) && item.meaning == "around")))
                break;
        }
        if (host && !participle) return;
        if (j < 2 || r_.used[j - 1] || !items_[j - 1].is(Role::Filler) || items_[j - 1].meaning != "of") return;
        const std::size_t q = j - 2;
        if (r_.used[q] || !(items_[q].is(Role::Quantity) || items_[q].is(Role::WeakQuantity))) {
            // „обема на куба и на кълбото“: what of the sphere is not read; named.
            r_.used[j - 1] = true;
            r_.task.unread.push_back(pieceOf(r_, items_[j - 1].begin, items_[k].end));
            return;
        }
        r_.used[j - 1] = true;
        makeSpheres(q, kind, k);
        // „радиуса, лицето и обема на описаната около куба сфера“: joined by „и“ or by commas.
        auto joins = [&](const Item& item) {
            return item.is(Role::And) || (item.kind == ItemKind::Mark && item.text == ",");
        };
        for (std::size_t p = q; p >= 2 && joins(items_[p - 1]) && !r_.used[p - 2] &&
                                (items_[p - 2].is(Role::Quantity) || items_[p - 2].is(Role::WeakQuantity));
             p -= 2)
            makeSpheres(p - 2, kind, k);
    }

    // „кълбо с радиус 3 cm“, „сферата има лице 36π cm²“, „сферата, описана около
    // призмата, има радиус 3 cm“: the names after it, to a word of another kind.
    void quantitiesAfter(std::size_t k, std::string_view kind) {
        std::size_t j = k + 1;
        bool participle = false, host = false, closed = true;  // „кълбото, вписано в куб с ръб …“: the cube's
        for (; j < items_.size(); ++j) {
            const Item& item = items_[j];
            participle = participle || isParticiple(item);
            const bool comma = item.kind == ItemKind::Mark && item.text == ",";
            const bool placing = isParticiple(item) || comma || (r_.used[j] && item.kind == ItemKind::Phrase);
            const bool hosts = participle && (isHost(item) || item.is(Role::Adjective));
            if (!(item.is(Role::Clitic) || placing || hosts)) break;
            if (isHost(item)) {
                host = true;
                closed = false;
            }
            if (comma && host) closed = true;
        }
        if (j >= items_.size() || !closed) return;
        const std::string word = wordAt(j);
        if (!items_[j].is(Role::With) && word != "има" && word != "имаща" && word != "имащо") return;
        for (++j; j < items_.size(); ++j) {
            const Item& item = items_[j];
            if (r_.used[j] || item.kind == ItemKind::Value || item.is(Role::And) || item.is(Role::Clitic) ||
                (item.kind == ItemKind::Mark && item.text == ","))
                continue;
            if (!(item.is(Role::Quantity) || item.is(Role::WeakQuantity))) break;
            makeSpheres(j, kind, k);
        }
    }

    Reading& r_;
    std::vector<Item>& items_;
    std::vector<std::string_view> kinds_;  // per item: the sphere's place where words say it
    std::vector<std::size_t> participles_;  // per sphere: the participle that places it; none: items_.size()
    std::string clitics_;                  // "|ѝ|й|": those that may stand for a sphere named
};

std::string sphereMissing(std::string_view kind, const SolidRow& solid) {
    for (const SphereReason& row : sphereReasons()) {
        if (row.kind != kind || !listsSolid(row.solids, solid.key)) continue;
        std::string reason(row.reason);
        if (const auto at = reason.find("{}"); at != std::string::npos) reason.replace(at, 2, solid.name);
        return reason;
    }
    return {};
}

}  // namespace

void readSpheres(Reading& reading) { Spheres(reading).run(); }

// A sphere the solid has not („кълбо, вписано в правоъгълен паралелепипед“): refused with the reason.
void finishSpheres(Reading& reading) {
    for (const auto& [kind, piece] : reading.sphereKinds) {
        const std::vector<std::string> keys = keysFor(kind + " sphere radius", *reading.solid);
        if (keys.size() == 1 && keyFits(keys.front(), *reading.withUses)) continue;
        reading.unsupported = true;
        reading.task.unread.push_back(piece);
        if (reading.task.message.empty()) reading.task.message = sphereMissing(kind, *reading.solid);
    }
}

// „В пресечен конус … е вписано кълбо. Намерете обема на пресечения конус.“:
// the ball is there, though nothing of it is given or asked.
void nameSpheres(Reading& reading) {
    if (reading.unsupported) return;
    std::vector<std::string> keys;
    for (const ReadGiven& given : reading.task.givens) keys.push_back(given.key);
    for (const ReadAsked& asked : reading.task.asked) keys.push_back(asked.key);
    const SolidRow& taken = withUses(*reading.solid, keys);
    for (const auto& [kind, piece] : reading.sphereKinds) {
        const std::vector<std::string> radius = keysFor(kind + " sphere radius", *reading.solid);
        if (radius.size() != 1 || !keyFits(radius.front(), *reading.withUses)) continue;
        if (quantityIndex(taken, radius.front()) >= 0) continue;
        const bool again = std::any_of(reading.task.named.begin(), reading.task.named.end(),
                                       [&](const ReadAsked& named) { return named.key == radius.front(); });
        if (!again) reading.task.named.push_back({radius.front(), piece, {}});
    }
}

}  // namespace solver::reader
