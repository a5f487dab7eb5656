// SPDX-License-Identifier: MIT
#include "reader/items.h"

#include <algorithm>
#include <optional>

#include "reader/phrase_match.h"
#include "reader/reading.h"

namespace solver::reader {
namespace {

constexpr Roles wordRoles = allRoles & ~roleBit(Role::Unit) & ~roleBit(Role::UnitPower);

struct Unit {
    std::string symbol;  // "" for a unit the solver does not take
    int power = 0;
    bool foreign = false;
    std::size_t past = 0;
};

class Scanner {
public:
    explicit Scanner(std::vector<Token> tokens) : t_(std::move(tokens)) {
        mergeScannedLetters();
        angleAfterItsPlane();
    }

    std::vector<Item> run() {
        while (i_ < t_.size()) step();
        return std::move(items_);
    }

private:
    bool mark(std::size_t k, std::string_view text) const {
        return k < t_.size() && t_[k].kind == TokenKind::Mark && t_[k].text == text;
    }
    bool number(std::size_t k) const { return k < t_.size() && t_[k].kind == TokenKind::Number; }
    bool word(std::size_t k) const { return k < t_.size() && t_[k].kind == TokenKind::Word; }
    bool wordIs(std::size_t k, std::string_view form) const { return word(k) && formMatches(t_[k], form); }
    bool isPi(std::size_t k) const { return mark(k, "π") || wordIs(k, "pi") || wordIs(k, "пи"); }

    Item& push(ItemKind kind, std::size_t first, std::size_t past) {
        Item item;
        item.kind = kind;
        item.begin = t_[first].begin;
        item.end = t_[past - 1].end;
        item.capital = t_[first].capital;
        item.lineStart = t_[first].lineStart;
        items_.push_back(std::move(item));
        i_ = past;
        return items_.back();
    }

    // „0бем“, „3адача“: a scan's zero or three where a word begins with О or З.
    void mergeScannedLetters() {
        std::vector<Token> merged;
        merged.reserve(t_.size());
        for (std::size_t k = 0; k < t_.size(); ++k) {
            const Token& digit = t_[k];
            const bool candidate = digit.kind == TokenKind::Number && (digit.text == "0" || digit.text == "3") &&
                                   word(k + 1) && t_[k + 1].glued && !t_[k + 1].latin &&
                                   !(k > 0 && t_[k - 1].kind == TokenKind::Number && digit.glued);
            if (candidate) {
                Token letters = t_[k + 1];
                letters.text = (digit.text == "0" ? "о" : "з") + letters.text;
                letters.plain = letters.text;
                letters.begin = digit.begin;
                letters.glued = digit.glued;
                letters.lineStart = digit.lineStart;
                letters.capital = true;
                if (beginsPhrase(letters) && !beginsPhrase(t_[k + 1])) {
                    merged.push_back(std::move(letters));
                    ++k;
                    continue;
                }
            }
            merged.push_back(digit);
        }
        t_ = std::move(merged);
    }

    // „сключва ъгъл 60° с основата“ read as „сключва с основата ъгъл 60°“, the
    // order the vocabulary knows: the angle's value, its number with what is
    // written of it (°, „градуса“, π/3), moved after the plane it is measured
    // to, the words up to „основата“ or a lateral face's name.
    void angleAfterItsPlane() {
        constexpr std::size_t longestValue = 6, longestPlane = 6;
        for (std::size_t k = 0; k + 2 < t_.size(); ++k) {
            if (!(wordIs(k, "сключва*") || wordIs(k, "образува*")) || !(wordIs(k + 1, "ъгъл") || wordIs(k + 1, "ъгли")))
                continue;
            std::size_t with = k + 2;
            bool numbered = false;
            while (with < t_.size() && with < k + 2 + longestValue && !wordIs(with, "с") && !wordIs(with, "със")) {
                if (t_[with].kind == TokenKind::Mark && (mark(with, ",") || mark(with, ".") || mark(with, ";"))) break;
                numbered = numbered || number(with);
                ++with;
            }
            if (!numbered || !(wordIs(with, "с") || wordIs(with, "със"))) continue;
            std::size_t past = with + 1;
            while (past < t_.size() && past < with + 1 + longestPlane && word(past) &&
                   !(wordIs(past, "основа*") || wordIs(past, "стен*") || wordIs(past, "стена") || wordIs(past, "стената")))
                ++past;
            if (!(wordIs(past, "основа*") || wordIs(past, "стен*") || wordIs(past, "стена") || wordIs(past, "стената"))) continue;
            ++past;
            // „ъгъл“ and its value after the plane: k+1 .. with, then with .. past.
            std::rotate(t_.begin() + std::ptrdiff_t(k + 1), t_.begin() + std::ptrdiff_t(with), t_.begin() + std::ptrdiff_t(past));
            k = past - 1;
        }
    }

    // A unit at k: [кв.|куб.] cm [²|³|^2], cm2, „кубически сантиметра“.
    std::optional<Unit> unitAt(std::size_t k) const {
        Unit unit;
        std::size_t at = k;
        const PhraseMatch power = longestPhrase(t_, k, roleBit(Role::UnitPower));
        if (power.phrase) {
            at = power.past;
            if (mark(at, ".")) ++at;
            unit.power = power.phrase->meaning == "2" ? 2 : 3;
        }
        if (!word(at)) return std::nullopt;
        const PhraseMatch name = longestPhrase(t_, at, roleBit(Role::Unit));
        if (name.phrase) {
            unit.past = name.past;
        } else {
            // cm2, см3: the power glued to the unit's letters.
            const std::string& text = t_[at].text;
            if (unit.power || text.size() < 2 || (text.back() != '2' && text.back() != '3')) return std::nullopt;
            Token bare = t_[at];
            bare.text.pop_back();
            bare.plain.pop_back();
            std::vector<Token> alone{bare};
            const PhraseMatch glued = longestPhrase(alone, 0, roleBit(Role::Unit));
            if (!glued.phrase || glued.phrase->meaning.empty()) return std::nullopt;
            unit.power = text.back() - '0';
            unit.symbol = std::string(glued.phrase->meaning);
            unit.past = at + 1;
            return unit;
        }
        unit.symbol = std::string(name.phrase->meaning);
        unit.foreign = unit.symbol.empty();
        if (mark(unit.past, "²") && t_[unit.past].glued) unit.power = 2, ++unit.past;
        else if (mark(unit.past, "³") && t_[unit.past].glued) unit.power = 3, ++unit.past;
        else if (mark(unit.past, "^") && number(unit.past + 1) && (t_[unit.past + 1].text == "2" || t_[unit.past + 1].text == "3"))
            unit.power = t_[unit.past + 1].text[0] - '0', unit.past += 2;
        if (unit.symbol == "l" || unit.symbol == "ml") unit.power = 0;
        if (isMassOrMoney(unit.symbol)) perUnit(unit);
        return unit;
    }

    // „12 лв./m²“, „11,4 g/cm³“, „3 лв./l“: a mass or a sum per a unit of area or
    // volume; „лв.“ with its point where the sentence goes on („12 лв. за 1 m²“).
    void perUnit(Unit& unit) const {
        if (unit.symbol == "лв." && mark(unit.past, ".") &&
            (mark(unit.past + 1, "/") || (word(unit.past + 1) && !t_[unit.past + 1].capital)))
            ++unit.past;
        if (!mark(unit.past, "/")) return;
        const std::optional<Unit> per = unitAt(unit.past + 1);
        if (!per || per->foreign || isMassOrMoney(per->symbol)) return;
        const bool litres = per->symbol == "l" || per->symbol == "ml";
        if (!litres && per->power < 2) return;
        unit.symbol += "/" + unitText(per->symbol, per->power);
        unit.past = per->past;
    }

    // "/7" after a number, a root or π.
    void takeDenominator(std::size_t& k, std::string& text) const {
        if (mark(k, "/") && number(k + 1) && t_[k + 1].text.find('/') == std::string::npos) {
            text += "/" + t_[k + 1].text;
            k += 2;
        }
    }

    // A number as printed at k: 2,5; 1 000; 2/3; ¾; 6√3; √(3); 70π; 3π/4;
    // 120 + 8√3; then its unit.
    std::optional<std::size_t> value(std::size_t k, Item& item) const {
        bool plain = true;
        std::string text = term(k, plain);
        while (!text.empty() && (mark(k, "+") || mark(k, "-")) && startsTerm(k + 1)) {
            std::size_t after = k + 1;
            bool ignored = true;
            const std::string more = term(after, ignored);
            if (more.empty()) break;
            text += t_[k].text + more;
            k = after;
            plain = false;
        }
        if (text.empty()) return std::nullopt;
        item.number = text;
        item.multiplier = plain;
        if (const std::optional<Unit> unit = unitAt(k)) {
            item.unit = unit->symbol;
            item.power = unit->power;
            item.foreignUnit = unit->foreign;
            item.multiplier = false;
            k = unit->past;
        } else if (mark(k, "°") || wordIs(k, "градус") || wordIs(k, "градуса") || wordIs(k, "градуси")) {
            item.degrees = true;
            item.multiplier = false;
            ++k;
        } else if (mark(k, "%")) {
            item.foreignUnit = true;
            item.multiplier = false;
            ++k;
        }
        item.text = text + (item.degrees ? "°" : item.unit.empty() ? "" : " " + unitText(item.unit, item.power));
        return k;
    }

    bool startsTerm(std::size_t k) const { return number(k) || mark(k, "√") || wordIs(k, "sqrt"); }

    // One term of a number: 2,5; 2/3; 6√3; 70π; 3π/4; 4/3 π (written 4π/3).
    // Empty where none begins at k.
    std::string term(std::size_t& k, bool& plain) const {
        std::string coefficient, root, pi, below;
        if (number(k)) {
            coefficient = t_[k].text;
            ++k;
            if (number(k) && t_[k].glued && t_[k].text.find('/') != std::string::npos) coefficient += "+" + t_[k++].text;
            takeDenominator(k, below);
        }
        std::size_t at = mark(k, "·") && !coefficient.empty() ? k + 1 : k;
        if (mark(at, "√") || wordIs(at, "sqrt")) {
            std::size_t r = at + 1;
            const bool bracket = mark(r, "(");
            if (bracket) ++r;
            if (number(r) && t_[r].text.find('/') == std::string::npos && (!bracket || mark(r + 1, ")"))) {
                root = "√" + t_[r].text;
                k = r + (bracket ? 2 : 1);
                plain = false;
                if (below.empty()) takeDenominator(k, below);
            }
        }
        at = mark(k, "·") && !(coefficient.empty() && root.empty()) ? k + 1 : k;
        if (isPi(at) && !(mark(at + 1, "=") || mark(at + 1, "≈"))) {
            pi = "π";
            k = at + 1;
            plain = false;
            if (below.empty()) takeDenominator(k, below);
        }
        const bool mixed = coefficient.find('+') != std::string::npos || coefficient.find('/') != std::string::npos;
        if (mixed && !below.empty()) return {};  // "1/2/3": no number
        if (mixed && (!root.empty() || !pi.empty())) coefficient = "(" + coefficient + ")";
        return coefficient + root + pi + below;
    }

    bool symbolShaped(std::size_t k) const {
        if (!word(k)) return false;
        const Token& token = t_[k];
        if (token.latin) {
            std::size_t letters = 0;
            for (char c : token.cased)
                if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) ++letters;
            return letters >= 1 && letters <= 3;
        }
        // One Cyrillic letter: „а = 5“ typed on a Cyrillic keyboard.
        return token.cased.size() == 2;
    }

    // "r = 3 dm", "h = 2r", "h : k = 3 : 5", "V = ?", "V - ?"
    bool equation() {
        std::size_t k = i_;
        std::vector<std::string> symbols{t_[k].cased};
        ++k;
        while (mark(k, ":") && symbolShaped(k + 1)) symbols.push_back(t_[k + 1].cased), k += 2;
        Item item;
        item.symbols = symbols;
        if (mark(k, "-") && mark(k + 1, "?")) {
            item.asks = true;
            k += 2;
        } else if (mark(k, "=") || mark(k, "≈")) {
            ++k;
            if (mark(k, "?")) {
                item.asks = true;
                ++k;
            } else if (!rightSide(k, item)) {
                return false;
            }
        } else {
            return false;
        }
        const std::size_t first = i_;
        Item& pushed = push(ItemKind::Equation, first, k);
        const std::size_t begin = pushed.begin, end = pushed.end;
        pushed = std::move(item);
        pushed.kind = ItemKind::Equation;
        pushed.begin = begin;
        pushed.end = end;
        pushed.lineStart = t_[first].lineStart;
        return true;
    }

    bool rightSide(std::size_t& k, Item& item) const {
        if (item.symbols.size() > 1) {  // a ratio: 3 : 5
            std::string ratio;
            std::size_t r = k;
            while (number(r)) {
                ratio += (ratio.empty() ? "" : ":") + t_[r].text;
                if (!mark(r + 1, ":") || !number(r + 2)) break;
                r += 2;
            }
            if (ratio.find(':') == std::string::npos) return false;
            item.text = ratio;
            k = r + 1;
            return true;
        }
        Item number;
        // A number, unless a letter follows it at once: "2r".
        if (const auto past = value(k, number); past && !(symbolShaped(*past) && t_[*past].latin && t_[*past].glued)) {
            item.text = number.text;
            item.number = number.number;
            item.unit = number.unit;
            item.power = number.power;
            item.foreignUnit = number.foreignUnit;
            item.degrees = number.degrees;
            k = *past;
            return true;
        }
        // An expression in the letters: 2r, 2a/3, d + 15.
        std::string expression;
        bool letters = false;
        std::size_t r = k;
        for (; r < t_.size(); ++r) {
            const Token& token = t_[r];
            if (r > k && token.lineStart) break;
            if (token.kind == TokenKind::Number) {
                expression += token.text;
            } else if (token.kind == TokenKind::Mark) {
                static constexpr std::string_view operators[] = {"+", "-", "/", "(", ")", "√", "π", "²", "³", "·"};
                bool known = false;
                for (std::string_view o : operators) known = known || token.text == o;
                if (!known) break;
                if (token.text != "·") expression += token.text;
            } else if (symbolShaped(r) && t_[r].latin && !unitAt(r)) {
                expression += token.cased;
                letters = true;
            } else {
                break;
            }
        }
        if (!letters) return false;
        item.expression = true;
        item.text = expression;
        if (const std::optional<Unit> unit = unitAt(r)) {
            item.text += " " + unitText(unit->symbol, unit->power);
            r = unit->past;
        }
        k = r;
        return true;
    }

    // „Зад. 3.“, „Задача 12“, „№ 4)“, „3.“ where a line begins.
    std::size_t numbering() const {
        std::size_t k = i_;
        const PhraseMatch task = longestPhrase(t_, k, roleBit(Role::TaskWord));
        if (task.phrase) {
            k = task.past;
            if (mark(k, ".")) ++k;
        }
        if (mark(k, "№")) ++k;
        if (!number(k) || t_[k].text.find_first_of(",/") != std::string::npos) return 0;
        ++k;
        if (mark(k, ".") || mark(k, ")") || mark(k, ":")) {
            ++k;
        } else if (!task.phrase && !mark(i_, "№")) {
            return 0;
        }
        if (!task.phrase && !mark(i_, "№") && !(word(k) && t_[k].capital)) return 0;
        return k;
    }

    // „(3 точки)“, „(2 т.)“
    std::size_t points() const {
        std::size_t k = i_ + 1;
        if (!number(k)) return 0;
        const PhraseMatch word = longestPhrase(t_, k + 1, roleBit(Role::PointsWord));
        if (!word.phrase) return 0;
        k = word.past;
        if (mark(k, ".")) ++k;
        return mark(k, ")") ? k + 1 : 0;
    }

    bool markerLetter(std::size_t k) const {
        if (!word(k)) return false;
        static constexpr std::string_view letters[] = {"а", "б", "в", "г", "д", "е", "b", "d"};
        for (std::string_view letter : letters)
            if (t_[k].text == letter) return true;
        return false;
    }

    void step() {
        const Token& token = t_[i_];
        if (token.lineStart)
            if (const std::size_t past = numbering()) return void(push(ItemKind::Ignored, i_, past));
        if (token.kind == TokenKind::Mark) return markItem();
        if (token.kind == TokenKind::Number) return numberItem();
        wordItem();
    }

    void markItem() {
        const std::string& text = t_[i_].text;
        if (text == "(") {
            if (const std::size_t past = points()) return void(push(ItemKind::Ignored, i_, past));
            if (markerLetter(i_ + 1) && mark(i_ + 2, ")")) {
                push(ItemKind::Marker, i_, i_ + 3).text = t_[i_ + 1].cased;
                return;
            }
        }
        if (isPi(i_) && piSetting()) return;
        Item number;
        if (const auto past = value(i_, number)) {
            const std::size_t first = i_;
            push(ItemKind::Value, first, *past) = withPlace(std::move(number), first, *past);
            return;
        }
        const bool ends = text == "." || text == "?" || text == "!" || text == "…";
        push(ends ? ItemKind::End : ItemKind::Mark, i_, i_ + 1).text = text;
    }

    Item withPlace(Item item, std::size_t first, std::size_t past) const {
        item.kind = ItemKind::Value;
        item.begin = t_[first].begin;
        item.end = t_[past - 1].end;
        item.lineStart = t_[first].lineStart;
        return item;
    }

    // „π ≈ 3,14“, „при пи = 3,14“
    bool piSetting() {
        std::size_t k = i_ + 1;
        if (!(mark(k, "=") || mark(k, "≈"))) return false;
        if (!number(k + 1)) return false;
        push(ItemKind::Pi, i_, k + 2).number = t_[k + 1].text;
        return true;
    }

    void numberItem() {
        // „6-ъгълна“: a solid's base by its number of sides.
        if (mark(i_ + 1, "-") && t_[i_ + 1].glued && wordIs(i_ + 2, "ъгълн*") && t_[i_ + 2].glued &&
            t_[i_].text.find_first_of(",/") == std::string::npos && t_[i_].text.size() <= 4) {
            Item& item = push(ItemKind::Phrase, i_, i_ + 3);
            item.role = Role::Adjective;
            item.givens = "n=" + t_[i_ - 3].text;
            return;
        }
        Item number;
        const std::size_t first = i_;
        const std::size_t past = *value(i_, number);
        push(ItemKind::Value, first, past) = withPlace(std::move(number), first, past);
    }

    void wordItem() {
        const Token& token = t_[i_];
        if (markerLetter(i_) && mark(i_ + 1, ")") && t_[i_ + 1].glued) {
            push(ItemKind::Marker, i_, i_ + 2).text = token.cased;
            return;
        }
        if (symbolShaped(i_) && equation()) return;
        if (isPi(i_) && piSetting()) return;
        if (isPi(i_) || wordIs(i_, "sqrt")) {
            Item number;
            if (const auto past = value(i_, number)) {
                const std::size_t first = i_;
                push(ItemKind::Value, first, *past) = withPlace(std::move(number), first, *past);
                return;
            }
        }
        if (const std::optional<Unit> unit = unitAt(i_); unit && !(token.latin && token.cased.size() == 1 && !afterNumber() && !poweredUnit())) {
            Item& item = push(ItemKind::UnitWord, i_, unit->past);
            item.unit = unit->symbol;
            item.power = unit->power;
            item.foreignUnit = unit->foreign;
            return;
        }
        // „сектор с централен ъгъл 120° и радиус 9 cm“: a bare radius after a
        // sector in the same sentence is the sector's.
        if (wordIs(i_, "радиус") && sectorBefore()) {
            Item& item = push(ItemKind::Phrase, i_, i_ + 1);
            item.role = Role::Quantity;
            item.meaning = "net radius";
            return;
        }
        const PhraseMatch match = longestPhrase(t_, i_, wordRoles);
        // „полукръг“: an angle in words, 180°.
        if (match.phrase && match.phrase->role == Role::NumberWord && match.phrase->meaning.ends_with("°")) {
            Item& item = push(ItemKind::Value, i_, match.past);
            item.text = std::string(match.phrase->meaning);
            item.number = item.text.substr(0, item.text.size() - std::string_view("°").size());
            item.degrees = true;
            sectorRadius();
            return;
        }
        if (match.phrase && match.phrase->role == Role::NumberWord) {
            if (const std::optional<Unit> unit = unitAt(match.past)) {
                Item& item = push(ItemKind::Value, i_, unit->past);
                item.number = std::string(match.phrase->meaning);
                item.unit = unit->symbol;
                item.power = unit->power;
                item.foreignUnit = unit->foreign;
                item.text = item.number + (item.unit.empty() ? "" : " " + unitText(item.unit, item.power));
                return;
            }
        }
        if (token.latin && plausibleSymbol(token.cased) && !(match.phrase && isLookAlikeWord(token))) {
            push(ItemKind::Symbol, i_, i_ + 1).text = token.cased;
            return;
        }
        if (match.phrase && match.phrase->role == Role::AnswerGiven) {
            std::size_t k = match.past;
            while (k < t_.size() && !t_[k].lineStart) ++k;
            push(ItemKind::Ignored, i_, k);
            return;
        }
        if (match.phrase) {
            Item& item = push(ItemKind::Phrase, i_, match.past);
            item.role = match.phrase->role;
            item.meaning = std::string(match.phrase->meaning);
            item.givens = std::string(match.phrase->givens);
            return;
        }
        push(ItemKind::Unknown, i_, i_ + 1).text = token.cased;
    }

    // „полукръг с радиус 8 cm“: after the net's angle in words, the radius of
    // its sector (a cone's generator), never the base's.
    void sectorRadius() {
        if (!(wordIs(i_, "с") || wordIs(i_, "със")) || !wordIs(i_ + 1, "радиус*")) return;
        Item& item = push(ItemKind::Phrase, i_, i_ + 2);
        item.role = Role::Quantity;
        item.meaning = "net radius";
    }

    // Whether a sector's word stands before this one in its sentence.
    bool sectorBefore() const {
        for (std::size_t k = i_; k-- > 0;) {
            if (mark(k, ".") || mark(k, "?") || mark(k, "!")) return false;
            if (wordIs(k, "сектор") || wordIs(k, "сектора")) return true;
        }
        return false;
    }

    bool afterNumber() const { return i_ > 0 && t_[i_ - 1].kind == TokenKind::Number; }
    // „Колко m² …“: a letter with a power glued to it is a unit.
    bool poweredUnit() const { return (mark(i_ + 1, "²") || mark(i_ + 1, "³")) && t_[i_ + 1].glued; }

    // Latin a, c, e, o standing for the Cyrillic words а, с, е, о.
    static bool isLookAlikeWord(const Token& token) {
        return token.cased == "a" || token.cased == "c" || token.cased == "e" || token.cased == "o" ||
               token.cased == "B" || token.cased == "A" || token.cased == "C" || token.cased == "E";
    }

    std::vector<Token> t_;
    std::vector<Item> items_;
    std::size_t i_ = 0;
};

}  // namespace

bool isMassOrMoney(std::string_view unit) { return unit == "g" || unit == "kg" || unit == "t" || unit == "лв."; }

std::string unitText(const std::string& unit, int power) {
    if (unit.empty()) return {};
    return unit + (power == 2 ? "²" : power == 3 ? "³" : "");
}

std::vector<Item> scan(const std::vector<Token>& tokens) { return Scanner(tokens).run(); }

}  // namespace solver::reader
