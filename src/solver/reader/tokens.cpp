// SPDX-License-Identifier: MIT
#include "reader/tokens.h"

#include <array>
#include <utility>

namespace solver::reader {
namespace {

struct Char {
    char32_t c;
    std::size_t begin;
    std::size_t end;
};

constexpr char32_t replacement = 0xFFFD;

// Any bytes: a byte that starts no valid UTF-8 sequence stands for itself as U+FFFD.
std::vector<Char> decode(std::string_view s) {
    std::vector<Char> chars;
    chars.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length != 0 && i + length <= s.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) valid = false;
        if (!valid) {
            chars.push_back({replacement, i, i + 1});
            ++i;
            continue;
        }
        chars.push_back({c, i, i + length});
        i += length;
    }
    return chars;
}

void append(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += char(c);
    } else if (c < 0x800) {
        text += char(0xC0 | (c >> 6));
        text += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += char(0xE0 | (c >> 12));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    } else {
        text += char(0xF0 | (c >> 18));
        text += char(0x80 | ((c >> 12) & 0x3F));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    }
}

bool isLatin(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isCyrillic(char32_t c) { return c >= 0x400 && c <= 0x4FF; }
bool isLetter(char32_t c) { return isLatin(c) || isCyrillic(c); }
bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isUpper(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0x400 && c <= 0x42F); }
bool isLowerLetter(char32_t c) { return isLetter(c) && !isUpper(c); }
bool isSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}
bool isBreak(char32_t c) { return c == '\n' || c == '\r' || c == 0x85 || c == 0x2028 || c == 0x2029; }
// Soft hyphens and zero-width characters, which a copy from a PDF or a page brings along.
bool isInvisible(char32_t c) { return c == 0xAD || (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF; }
// ¬ is how some PDFs copy the hyphen of a word broken at the line's end.
bool isHyphen(char32_t c) { return c == '-' || c == 0x2010 || c == 0x2011 || c == 0xAC; }
bool isSubscriptDigit(char32_t c) { return c >= 0x2080 && c <= 0x2089; }

char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// Latin letters that print as Cyrillic ones: inside a Cyrillic word they are those.
constexpr std::array<std::pair<char32_t, char32_t>, 22> lookAlikes{{
    {'A', 0x410}, {'B', 0x412}, {'C', 0x421}, {'E', 0x415}, {'H', 0x41D}, {'K', 0x41A}, {'M', 0x41C}, {'O', 0x41E},
    {'P', 0x420}, {'T', 0x422}, {'X', 0x425}, {'Y', 0x423}, {'a', 0x430}, {'c', 0x441}, {'e', 0x435}, {'o', 0x43E},
    {'p', 0x440}, {'x', 0x445}, {'y', 0x443}, {'k', 0x43A}, {'m', 0x43C}, {'u', 0x438},
}};
// And in a word written in Latin letters alone, those a scan of an italic
// Cyrillic print gives too.
constexpr std::array<std::pair<char32_t, char32_t>, 3> italicLookAlikes{{{'n', 0x43F}, {'r', 0x433}, {'t', 0x442}}};

char32_t cyrillicFor(char32_t c, bool italic) {
    for (const auto& [latin, cyrillic] : lookAlikes)
        if (latin == c) return cyrillic;
    if (italic)
        for (const auto& [latin, cyrillic] : italicLookAlikes)
            if (latin == c) return cyrillic;
    return c;
}

std::string markText(char32_t c) {
    switch (c) {
    case 0x2248: case '~': case 0x2245: case 0x2243: return "≈";
    case 0xD7: case 0xB7: case '*': case 0x22C5: case 0x2219: return "·";
    case 0x2212: case 0x2013: case 0x2014: case '-': case 0x2010: case 0x2011: case 0xAC: return "-";
    case 0x2236: return ":";
    case 0x2215: case 0xF7: return "/";
    case '[': case '{': return "(";
    case ']': case '}': return ")";
    case 0x201E: case 0x201C: case 0x201D: case 0xAB: case 0xBB: case 0x2018: case 0x2019: case '\'': case '`': return "\"";
    case 0xBA: return "°";
    default: break;
    }
    std::string text;
    append(text, c);
    return text;
}

// "½" and its kin as the fraction they are.
std::string_view vulgarFraction(char32_t c) {
    switch (c) {
    case 0xBD: return "1/2";
    case 0xBC: return "1/4";
    case 0xBE: return "3/4";
    case 0x2153: return "1/3";
    case 0x2154: return "2/3";
    case 0x2155: return "1/5";
    case 0x2156: return "2/5";
    case 0x2157: return "3/5";
    case 0x2158: return "4/5";
    case 0x2159: return "1/6";
    case 0x215A: return "5/6";
    case 0x215B: return "1/8";
    case 0x215C: return "3/8";
    case 0x215D: return "5/8";
    case 0x215E: return "7/8";
    default: return {};
    }
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : chars_(decode(text)) {}

    std::vector<Token> run() {
        while (p_ < chars_.size()) {
            const char32_t c = chars_[p_].c;
            if (isInvisible(c)) {
                ++p_;
            } else if (isSpace(c)) {
                spaced_ = true;
                ++p_;
            } else if (isBreak(c)) {
                spaced_ = true;
                lineStart_ = true;
                ++p_;
            } else if (isLetter(c)) {
                word();
            } else if (isDigit(c)) {
                number();
            } else if (!vulgarFraction(c).empty()) {
                Token& token = push(TokenKind::Number, p_, p_ + 1);
                token.text = std::string(vulgarFraction(c));
                ++p_;
            } else {
                Token& token = push(TokenKind::Mark, p_, p_ + 1);
                token.text = markText(c);
                ++p_;
            }
        }
        return std::move(tokens_);
    }

private:
    char32_t at(std::size_t i) const { return i < chars_.size() ? chars_[i].c : 0; }

    Token& push(TokenKind kind, std::size_t first, std::size_t past) {
        Token token;
        token.kind = kind;
        token.begin = chars_[first].begin;
        token.end = chars_[past - 1].end;
        token.glued = !spaced_ && !tokens_.empty();
        token.lineStart = lineStart_ || tokens_.empty();
        spaced_ = false;
        lineStart_ = false;
        tokens_.push_back(std::move(token));
        return tokens_.back();
    }

    // Digits may follow the letters of a symbol or a unit: S1, d1, cm2, см3.
    static bool takesDigits(const std::u32string& letters) {
        bool latin = true;
        std::size_t count = 0;
        for (char32_t c : letters) {
            if (isLetter(c)) ++count;
            if (isCyrillic(c)) latin = false;
        }
        if (latin) return count <= 3;
        std::u32string lowered;
        for (char32_t c : letters) lowered += lower(c);
        return lowered == U"см" || lowered == U"мм" || lowered == U"дм" || lowered == U"м";
    }

    // After a hyphen at a line's end, where the word goes on on the next line: its first letter.
    std::size_t continuedAfter(std::size_t hyphen) const {
        std::size_t q = hyphen + 1;
        while (isSpace(at(q)) || isInvisible(at(q))) ++q;
        if (!isBreak(at(q))) return 0;
        while (isBreak(at(q)) || isSpace(at(q)) || isInvisible(at(q))) ++q;
        return isLowerLetter(at(q)) ? q : 0;
    }

    void word() {
        const std::size_t first = p_;
        std::u32string letters;
        std::size_t past = p_;
        while (p_ < chars_.size()) {
            const char32_t c = chars_[p_].c;
            if (isLetter(c)) {
                letters += c;
                past = ++p_;
            } else if (isInvisible(c)) {
                ++p_;
            } else if (c == '0' && !letters.empty() && isCyrillic(letters.back()) && isCyrillic(at(p_ + 1))) {
                letters += U'о';  // a scanned „О“ read as zero
                past = ++p_;
            } else if (isHyphen(c) && !letters.empty() && c != 0xAC && isLetter(at(p_ + 1))) {
                letters += '-';
                ++p_;
            } else if (isHyphen(c) && !letters.empty() && continuedAfter(p_) != 0) {
                std::u32string lowered;
                for (char32_t l : letters) lowered += lower(l);
                if (lowered == U"по" || lowered == U"най") letters += '-';
                p_ = continuedAfter(p_);
            } else if (c == '_' && !letters.empty() && (isLetter(at(p_ + 1)) || isDigit(at(p_ + 1)))) {
                letters += '_';
                ++p_;
            } else if (isSubscriptDigit(c)) {
                letters += char32_t('0' + (c - 0x2080));
                past = ++p_;
            } else if (isDigit(c) && takesDigits(letters)) {
                letters += c;
                past = ++p_;
            } else {
                break;
            }
        }
        p_ = past;
        Token& token = push(TokenKind::Word, first, past);
        bool latin = true;
        bool cyrillic = false;
        for (char32_t c : letters) {
            if (isCyrillic(c)) latin = false, cyrillic = true;
            append(token.cased, c);
            append(token.plain, lower(c));
        }
        token.latin = latin && !cyrillic;
        token.capital = isUpper(letters.front());
        for (char32_t c : letters) append(token.text, lower(cyrillic || !latin ? cyrillicFor(c, false) : cyrillicFor(c, true)));
    }

    void number() {
        const std::size_t first = p_;
        std::string digits;
        auto takeDigits = [&] {
            std::size_t count = 0;
            while (isDigit(at(p_))) digits += char(chars_[p_++].c), ++count;
            return count;
        };
        std::size_t group = takeDigits();
        bool decimal = false;
        for (;;) {
            const char32_t c = at(p_);
            if (!decimal && (c == ',' || c == '.') && isDigit(at(p_ + 1))) {
                digits += ',';
                ++p_;
                takeDigits();
                decimal = true;
            } else if (!decimal && group <= 3 && (c == ' ' || c == 0xA0 || c == 0x202F || c == 0x2009) &&
                       isDigit(at(p_ + 1)) && isDigit(at(p_ + 2)) && isDigit(at(p_ + 3)) && !isDigit(at(p_ + 4))) {
                ++p_;  // "1 000": digits grouped by threes
                group = takeDigits();
            } else if ((c == 'O' || c == 'o' || c == 0x41E || c == 0x43E) && !isLetter(at(p_ + 1)) &&
                       !isDigit(at(p_ + 1))) {
                digits += '0';  // a scanned zero read as „О“
                ++p_;
                ++group;
            } else {
                break;
            }
        }
        Token& token = push(TokenKind::Number, first, p_);
        token.text = std::move(digits);
    }

    std::vector<Char> chars_;
    std::vector<Token> tokens_;
    std::size_t p_ = 0;
    bool spaced_ = false;
    bool lineStart_ = true;
};

}  // namespace

std::vector<Token> tokenize(std::string_view text) { return Tokenizer(text).run(); }

std::string cyrillicLookAlike(std::string_view latin) {
    std::string text;
    for (const Char& c : decode(latin)) append(text, cyrillicFor(c.c, true));
    return text;
}

std::string lowerCase(std::string_view text) {
    std::string lowered;
    for (const Char& c : decode(text)) append(lowered, lower(c.c));
    return lowered;
}

}  // namespace solver::reader
