// SPDX-License-Identifier: MIT
#include "reader/phrase_match.h"

#include <algorithm>
#include <map>
#include <string>

namespace solver::reader {
namespace {

struct Form {
    std::string text;
    bool prefix = false;
};

struct Word {
    std::vector<Form> forms;
    bool optional = false;
};

struct Compiled {
    std::vector<Word> words;
    const Phrase* phrase = nullptr;
};

std::vector<Word> compile(std::string_view pattern) {
    std::vector<Word> words;
    bool optional = false;
    while (!pattern.empty()) {
        const auto space = pattern.find(' ');
        std::string_view word = pattern.substr(0, space);
        pattern.remove_prefix(space == std::string_view::npos ? pattern.size() : space + 1);
        if (word.empty()) continue;
        const bool opens = word.front() == '[';
        if (opens) word.remove_prefix(1), optional = true;
        const bool closes = !word.empty() && word.back() == ']';
        if (closes) word.remove_suffix(1);
        Word compiled;
        compiled.optional = optional;
        while (!word.empty()) {
            const auto bar = word.find('|');
            std::string_view form = word.substr(0, bar);
            word.remove_prefix(bar == std::string_view::npos ? word.size() : bar + 1);
            Form f;
            f.prefix = !form.empty() && form.back() == '*' && form.size() > 1;
            if (f.prefix) form.remove_suffix(1);
            f.text = std::string(form);
            compiled.forms.push_back(std::move(f));
        }
        words.push_back(std::move(compiled));
        if (closes) optional = false;
    }
    return words;
}

// The first character of a form (one UTF-8 sequence): phrases are indexed by it.
std::string firstCharacter(std::string_view text) {
    if (text.empty()) return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
    return std::string(text.substr(0, std::min(length, text.size())));
}

struct Index {
    std::vector<Compiled> phrases;
    std::map<std::string, std::vector<std::size_t>, std::less<>> byFirst;
};

const Index& index() {
    static const Index built = [] {
        Index index;
        for (const Phrase& phrase : reader::phrases()) {
            Compiled compiled{compile(phrase.words), &phrase};
            const std::size_t number = index.phrases.size();
            std::vector<std::string> firsts;
            // A phrase may begin with its first word or, where words may be left out, with a later one.
            for (const Word& word : compiled.words) {
                for (const Form& form : word.forms) {
                    const std::string first = firstCharacter(form.text);
                    if (std::find(firsts.begin(), firsts.end(), first) == firsts.end()) firsts.push_back(first);
                }
                if (!word.optional) break;
            }
            for (const std::string& first : firsts) index.byFirst[first].push_back(number);
            index.phrases.push_back(std::move(compiled));
        }
        for (auto& [first, numbers] : index.byFirst) std::sort(numbers.begin(), numbers.end());
        return index;
    }();
    return built;
}

bool isClitic(const Token& token) {
    return token.kind == TokenKind::Word &&
           (token.text == "ѝ" || token.text == "й" || token.text == "му" || token.text == "им" || token.text == "си");
}

bool matchesText(std::string_view text, const Form& form) {
    return form.prefix ? text.starts_with(form.text) : text == form.text;
}

std::string withoutHyphens(std::string_view text) {
    std::string joined;
    for (char c : text)
        if (c != '-') joined += c;
    return joined;
}

bool tokenMatches(const Token& token, const Form& form) {
    if (token.kind == TokenKind::Mark) return !form.prefix && token.text == form.text;
    if (token.kind != TokenKind::Word) return false;
    if (matchesText(token.text, form) || (token.latin && matchesText(token.plain, form))) return true;
    return token.text.find('-') != std::string::npos && form.text.find('-') == std::string::npos &&
           matchesText(withoutHyphens(token.text), form);
}

bool wordMatches(const Word& word, const Token& token) {
    for (const Form& form : word.forms)
        if (tokenMatches(token, form)) return true;
    return false;
}

// The token after the longest match of words[w…] from tokens[t]; 0 for none.
std::size_t matchFrom(const Compiled& phrase, std::size_t w, const std::vector<Token>& tokens, std::size_t t) {
    if (w == phrase.words.size()) return t;
    const Word& word = phrase.words[w];
    std::size_t best = 0;
    for (std::size_t u = t; u < tokens.size(); ++u) {
        if (wordMatches(word, tokens[u])) best = std::max(best, matchFrom(phrase, w + 1, tokens, u + 1));
        if (w == 0 || !isClitic(tokens[u])) break;
    }
    if (word.optional) best = std::max(best, matchFrom(phrase, w + 1, tokens, t));
    return best;
}

}  // namespace

bool formMatches(const Token& token, std::string_view pattern) {
    Form form;
    form.prefix = pattern.size() > 1 && pattern.back() == '*';
    form.text = std::string(form.prefix ? pattern.substr(0, pattern.size() - 1) : pattern);
    return tokenMatches(token, form);
}

bool beginsPhrase(const Token& token) {
    const Index& phrases = index();
    const auto found = phrases.byFirst.find(firstCharacter(token.text));
    if (found == phrases.byFirst.end()) return false;
    for (std::size_t number : found->second)
        for (const Word& word : phrases.phrases[number].words) {
            if (wordMatches(word, token)) return true;
            if (!word.optional) break;
        }
    return false;
}

PhraseMatch longestPhrase(const std::vector<Token>& tokens, std::size_t at, Roles roles) {
    PhraseMatch best;
    if (at >= tokens.size() || tokens[at].kind == TokenKind::Number) return best;
    const Index& phrases = index();
    const Token& token = tokens[at];
    std::vector<std::size_t> candidates;
    for (const std::string& first : {firstCharacter(token.text), firstCharacter(token.plain)}) {
        const auto found = phrases.byFirst.find(first);
        if (found != phrases.byFirst.end()) candidates.insert(candidates.end(), found->second.begin(), found->second.end());
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (std::size_t number : candidates) {
        const Compiled& phrase = phrases.phrases[number];
        if (!(roles & roleBit(phrase.phrase->role))) continue;
        const std::size_t past = matchFrom(phrase, 0, tokens, at);
        if (past > best.past) best = {phrase.phrase, past};
    }
    return best;
}

}  // namespace solver::reader
