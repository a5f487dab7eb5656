// SPDX-License-Identifier: MIT
#include "reader/reader.h"

#include <algorithm>

#include "reader/reading.h"
#include "reader/tokens.h"
#include "reader/vocabulary.h"

namespace solver::reader {
namespace {

// Letters of a symbol typed on a Cyrillic keyboard: as they look, then as
// the phonetic keyboard places them.
struct CyrillicLetter {
    std::string_view cyrillic;
    std::string_view looks;
    std::string_view sounds;
};
constexpr CyrillicLetter cyrillicLetters[] = {
    {"а", "a", "a"}, {"б", "", "b"}, {"в", "", "b"}, {"с", "c", "s"}, {"д", "", "d"}, {"к", "k", "k"},
    {"л", "", "l"}, {"н", "", "n"}, {"р", "p", "r"}, {"х", "x", "h"}, {"В", "B", "V"}, {"Р", "P", "R"},
    {"С", "C", "S"}, {"Н", "H", "N"}, {"К", "K", "K"}, {"Б", "", "B"}, {"Д", "", "D"}, {"Л", "", "L"},
    {"Я", "", "Q"}, {"Ч", "", "S"},
};

std::string withoutUnderscoreBeforeDigit(std::string_view symbol) {
    std::string kept;
    for (std::size_t i = 0; i < symbol.size(); ++i)
        if (!(symbol[i] == '_' && i + 1 < symbol.size() && symbol[i + 1] >= '0' && symbol[i + 1] <= '9')) kept += symbol[i];
    return kept;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A content item that an answer option may hold: a number, its unit, marks.
bool optionContent(const Item& item) {
    return item.kind == ItemKind::Value || item.kind == ItemKind::Mark || item.kind == ItemKind::UnitWord ||
           item.is(Role::NumberWord) || item.is(Role::Clitic);
}

std::string quoted(const std::vector<Piece>& pieces) {
    std::string list;
    for (std::size_t i = 0; i < pieces.size(); ++i) list += (i == 0 ? "„" : ", „") + pieces[i].words + "“";
    return list;
}

// The status, and a message that names what was not read.
void conclude(Reading& reading) {
    ReadTask& task = reading.task;
    const bool anything = std::any_of(reading.items.begin(), reading.items.end(), [](const Item& item) {
        return item.kind != ItemKind::Mark && item.kind != ItemKind::End;
    });
    if (!anything) {
        task.status = ReadStatus::Unread;
        task.message = "Няма условие: поставете текста на задачата.";
        return;
    }
    if (reading.solid && !reading.unsupported) {
        task.status = ReadStatus::Read;
        if (!task.unread.empty()) task.message = "Не разбрах: " + quoted(task.unread) + ".";
        return;
    }
    task.status = ReadStatus::Unread;
    if (reading.unsupported && task.message.empty())
        task.message = "Такава задача още не се решава: не разбирам " + quoted(task.unread) + ".";
    else if (!task.unread.empty())
        task.message += " Не разбрах: " + quoted(task.unread) + ".";
}

}  // namespace

std::string wordsOf(std::string_view text, std::size_t begin, std::size_t end) {
    std::string words;
    bool space = false;
    for (std::size_t i = begin; i < end && i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v') {
            space = !words.empty();
            continue;
        }
        if (space) words += ' ';
        space = false;
        words += c;
    }
    return words;
}

Piece pieceOf(const Reading& reading, std::size_t begin, std::size_t end) {
    return {wordsOf(reading.text, begin, end), {begin, end}};
}

std::vector<std::string> keysFor(std::string_view quantity, const SolidRow& solid, bool* alike, bool* largerFirst) {
    const QuantityKey* generic = nullptr;
    for (const QuantityKey& row : quantityKeys()) {
        if (row.quantity != quantity) continue;
        if (row.solids.empty()) {
            if (!generic) generic = &row;
            continue;
        }
        if (listsSolid(row.solids, solid.key)) {
            generic = &row;
            break;
        }
    }
    std::vector<std::string> keys;
    if (!generic) return keys;
    if (alike) *alike = generic->alike;
    if (largerFirst) *largerFirst = generic->largerFirst;
    std::string_view list = generic->keys;
    while (!list.empty()) {
        const auto space = list.find(' ');
        keys.emplace_back(list.substr(0, space));
        list.remove_prefix(space == std::string_view::npos ? list.size() : space + 1);
    }
    return keys;
}

bool keyFits(std::string_view key, const SolidRow& solid) {
    if (key.empty()) return false;
    if (quantityIndex(solid, key) >= 0 || isUseKey(solid, key)) return true;
    bool letters = false;
    for (std::size_t i = 0; i < key.size();) {
        if (!isLetter(key[i])) {
            ++i;
            continue;
        }
        std::size_t past = i + 1;
        while (past < key.size() && (isLetter(key[past]) || (key[past] >= '0' && key[past] <= '9'))) ++past;
        if (quantityIndex(solid, key.substr(i, past - i)) < 0) return false;
        letters = true;
        i = past;
    }
    return letters;
}

std::string symbolKey(std::string_view written, const SolidRow& solid) {
    const std::string symbol = withoutUnderscoreBeforeDigit(written);
    for (const SymbolKey& row : symbolKeys())
        if (row.symbol == symbol && listsSolid(row.solids, solid.key)) return std::string(row.key);
    if (quantityIndex(solid, symbol) >= 0) return symbol;
    for (const CyrillicLetter& letter : cyrillicLetters) {
        if (letter.cyrillic != symbol) continue;
        if (!letter.looks.empty() && quantityIndex(solid, letter.looks) >= 0) return std::string(letter.looks);
        if (!letter.sounds.empty() && quantityIndex(solid, letter.sounds) >= 0) return std::string(letter.sounds);
    }
    // „v“ for V, „s1“ for S1: the case of a letter, where only one key has it.
    std::string found;
    for (const QuantityRow& row : solid.quantities) {
        if (row.key.size() != symbol.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < symbol.size(); ++i) same = same && (symbol[i] | 0x20) == (row.key[i] | 0x20);
        if (!same) continue;
        if (!found.empty()) return {};
        found = std::string(row.key);
    }
    return found;
}

bool plausibleSymbol(std::string_view written) {
    const std::string symbol = withoutUnderscoreBeforeDigit(written);
    for (const SymbolKey& row : symbolKeys())
        if (row.symbol == symbol) return true;
    for (const SolidRow& solid : allSolids())
        if (quantityIndex(solid, symbol) >= 0) return true;
    // A quantity of use („Намерете Vt.“), unless its letter is a unit's (m, t).
    for (const Phrase& phrase : phrases())
        if (phrase.role == Role::Unit && ("|" + std::string(phrase.words) + "|").find("|" + symbol + "|") != std::string::npos)
            return false;
    for (const SolidRow& solid : allSolids())
        if (quantityIndex(withUses(solid), symbol) >= 0) return true;
    return false;
}

// „с ръб: а) 2 cm; б) 5 cm“: numbers after a name by small letters are the
// task's variants, not answer options.
bool variantsOf(const Reading& reading, std::size_t first) {
    const std::vector<Item>& items = reading.items;
    const std::string letter = lowerCase(items[first].text);
    if (letter != items[first].text) return false;
    std::size_t before = first;
    while (before > 0 && (items[before - 1].is(Role::Clitic) ||
                          (items[before - 1].kind == ItemKind::Mark && items[before - 1].text == ":")))
        --before;
    return before > 0 && (items[before - 1].is(Role::Quantity) || items[before - 1].is(Role::WeakQuantity));
}

// The first variant is read; the others are named as not read.
void markVariants(Reading& reading, std::size_t first, std::size_t last) {
    std::vector<Item>& items = reading.items;
    reading.used[first] = true;
    reading.task.ignored.push_back(pieceOf(reading, items[first].begin, items[first].end));
    std::size_t second = first + 1;
    while (second <= last && items[second].kind != ItemKind::Marker) ++second;
    if (second > last) return;
    for (std::size_t i = second; i <= last; ++i) reading.used[i] = true;
    std::size_t end = second;
    while (end > first + 1 && (items[end - 1].kind == ItemKind::Mark || items[end - 1].kind == ItemKind::End)) --end;
    for (std::size_t i = end; i < second; ++i) reading.used[i] = true;  // the „;“ between them
    reading.task.unread.push_back(pieceOf(reading, items[second].begin, items[last].end));
}

// Letters with what follows them to the next letter or the sentence's end:
// answer options where they hold numbers alone („А) 200; Б) 300“), else the
// letters of a task's questions (а), б)), ignored both.
void markOptions(Reading& reading) {
    std::vector<Item>& items = reading.items;
    std::size_t k = 0;
    while (k < items.size()) {
        if (items[k].kind != ItemKind::Marker) {
            ++k;
            continue;
        }
        std::size_t first = k, last = k;
        bool options = false;
        while (k < items.size() && items[k].kind == ItemKind::Marker) {
            std::size_t past = k + 1;
            bool numbers = false, other = false;
            while (past < items.size() && items[past].kind != ItemKind::Marker && items[past].kind != ItemKind::End) {
                if (items[past].kind == ItemKind::Value) numbers = true;
                else if (!optionContent(items[past])) other = true;
                ++past;
            }
            if (!numbers || other) break;
            options = true;
            last = past - 1;
            k = past;
            while (k < items.size() && items[k].kind == ItemKind::End && k + 1 < items.size() &&
                   items[k + 1].kind == ItemKind::Marker)
                last = k++;
        }
        if (!options) {
            reading.used[first] = true;
            reading.task.ignored.push_back(pieceOf(reading, items[first].begin, items[first].end));
            k = first + 1;
            continue;
        }
        while (last > first && items[last].kind == ItemKind::Mark) --last;
        if (variantsOf(reading, first)) {
            markVariants(reading, first, last);
        } else {
            for (std::size_t i = first; i <= last; ++i) reading.used[i] = true;
            reading.task.ignored.push_back(pieceOf(reading, items[first].begin, items[last].end));
        }
        k = last + 1;
    }
}

ReadTask readTask(std::string_view text) {
    Reading reading;
    reading.text = text;
    if (text.size() > longestText) {
        reading.task.message = "Текстът е твърде дълъг за условие на задача: поставете една задача.";
        return reading.task;
    }
    reading.items = scan(tokenize(text));
    reading.used.assign(reading.items.size(), false);
    for (std::size_t i = 0; i < reading.items.size(); ++i)
        if (reading.items[i].kind == ItemKind::Ignored) {
            reading.used[i] = true;
            reading.task.ignored.push_back(pieceOf(reading, reading.items[i].begin, reading.items[i].end));
        }
    markOptions(reading);
    std::sort(reading.task.ignored.begin(), reading.task.ignored.end(),
              [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
    markRelationCues(reading);
    readSpheres(reading);
    readRotation(reading);
    readComposed(reading);
    placeSolid(reading);
    if (reading.solid) {
        reading.withUses = &withUses(*reading.solid);
        finishSpheres(reading);
        readUses(reading);
        readSentences(reading);
        finishRotation(reading);
        finishUses(reading);
        nameSpheres(reading);
    }
    conclude(reading);
    return std::move(reading.task);
}

}  // namespace solver::reader
