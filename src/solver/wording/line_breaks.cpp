// SPDX-License-Identifier: MIT
#include "wording/line_breaks.h"

#include <array>
#include <vector>

namespace solver {
namespace {

constexpr std::array<std::string_view, 6> units = {"mm", "cm", "dm", "ml", "m", "l"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLatin(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// What a number may end in before its unit: a digit, π, a power, a bracket.
bool endsNumber(std::string_view before) {
    if (before.empty()) return false;
    if (isDigit(before.back()) || before.back() == ')') return true;
    for (std::string_view end : {"π", "²", "³"})
        if (before.ends_with(end)) return before.size() > end.size();
    return false;
}

// A unit at the start of `after`, as a word of its own: "cm²", "l)", "m,".
bool startsUnit(std::string_view after) {
    for (std::string_view unit : units) {
        if (!after.starts_with(unit)) continue;
        const std::string_view rest = after.substr(unit.size());
        if (rest.empty() || !isLatin(rest.front())) return true;
    }
    return false;
}

// A word's letters, each as its UTF-8 bytes.
std::vector<std::string_view> lettersOf(std::string_view word) {
    std::vector<std::string_view> letters;
    for (std::size_t i = 0; i < word.size();) {
        const auto lead = static_cast<unsigned char>(word[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        letters.push_back(word.substr(i, length));
        i += length;
    }
    return letters;
}

bool isCyrillic(std::string_view letter) {
    return letter.size() == 2 && (static_cast<unsigned char>(letter[0]) == 0xD0 || static_cast<unsigned char>(letter[0]) == 0xD1);
}

bool isVowel(std::string_view letter) {
    for (std::string_view vowel : {"а", "ъ", "о", "у", "е", "и", "ю", "я", "ѝ", "А", "Ъ", "О", "У", "Е", "И", "Ю", "Я"})
        if (letter == vowel) return true;
    return false;
}

bool isSoftSign(std::string_view letter) { return letter == "ь" || letter == "Ь"; }

// Whether a break goes before letter `at`, the consonants between the
// vowels around it being letters[first] … letters[last].
bool breaksBefore(const std::vector<std::string_view>& letters, std::size_t first, std::size_t last, std::size_t at) {
    const std::size_t count = last - first + 1;
    if (count == 1) return at == first;
    // A consonant and the ь after it are one.
    if (isSoftSign(letters[last])) return count == 2 ? at == first : at == last - 1;
    const std::string pair = std::string(letters[first]) + std::string(letters[first + 1]);
    if (count == 2 && (pair == "дж" || pair == "дз")) return at == first;
    return at == first + 1;
}

std::string hyphenatedWord(std::string_view word, std::size_t longest) {
    const std::vector<std::string_view> letters = lettersOf(word);
    if (letters.size() < longest) return std::string(word);
    std::vector<char> breakBefore(letters.size(), false);
    std::size_t previousVowel = letters.size();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (!isVowel(letters[i])) continue;
        if (previousVowel < letters.size() && i > previousVowel + 1)
            for (std::size_t at = previousVowel + 1; at < i; ++at)
                breakBefore[at] = breaksBefore(letters, previousVowel + 1, i - 1, at);
        previousVowel = i;
    }
    std::string out;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (breakBefore[i] && i >= 2 && letters.size() - i >= 2) out += softHyphen;
        out += letters[i];
    }
    return out;
}

}  // namespace

std::string hyphenated(std::string_view text, std::size_t longest) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size()) {
            const std::vector<std::string_view> next = lettersOf(text.substr(end, 2));
            if (next.empty() || !isCyrillic(next.front())) break;
            end += next.front().size();
        }
        if (end > i) {
            out += hyphenatedWord(text.substr(i, end - i), longest);
            i = end;
        } else {
            const std::string_view letter = lettersOf(text.substr(i, 4)).front();
            out += letter;
            i += letter.size();
        }
    }
    return out;
}

std::string keptWhole(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') {
            out += text[i];
            continue;
        }
        const std::string_view before = std::string_view(out);
        const std::string_view after = text.substr(i + 1);
        const bool afterApproximately = before.ends_with("≈");
        const bool beforeUnit = endsNumber(before) && startsUnit(after);
        out += afterApproximately || beforeUnit ? std::string(noBreakSpace) : std::string(" ");
    }
    return out;
}

}  // namespace solver
