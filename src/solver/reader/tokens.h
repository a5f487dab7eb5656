// SPDX-License-Identifier: MIT
#pragma once
// A task's text as tokens: words (lower case, Latin look-alikes inside
// Cyrillic words made Cyrillic, a hyphenation across a line break joined),
// numbers (digits grouped by threes joined, the decimal point written as a
// comma) and marks (one symbol each, written one way: "≈" for ≈ and ~, "·"
// for · × *). Every token keeps the bytes it came from.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace solver::reader {

enum class TokenKind { Word, Number, Mark };

struct Token {
    TokenKind kind = TokenKind::Mark;
    std::string text;   // as matched against the vocabulary
    std::string plain;  // a word's letters in lower case as written (Latin stays Latin)
    std::string cased;  // a word as written, case kept: symbols (S1, V, h_a)
    std::size_t begin = 0;
    std::size_t end = 0;
    bool capital = false;    // a word that begins with a capital letter
    bool latin = false;      // a word written in Latin letters alone
    bool glued = false;      // nothing between it and the token before
    bool lineStart = false;  // the first token of the text or of a line
};

std::vector<Token> tokenize(std::string_view text);

// A word's Latin letters read as the Cyrillic letters they look like
// ("Hamepete" → "намерете"); the text unchanged where one has no look-alike.
std::string cyrillicLookAlike(std::string_view latin);

// Lower case, Latin and Cyrillic; other characters unchanged.
std::string lowerCase(std::string_view text);

}  // namespace solver::reader
