// SPDX-License-Identifier: MIT
#pragma once
// The vocabulary's phrases found in a task's tokens: at a token, the longest
// phrase that begins there.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "reader/tokens.h"
#include "reader/vocabulary.h"

namespace solver::reader {

using Roles = std::uint64_t;
constexpr Roles roleBit(Role role) { return Roles(1) << static_cast<unsigned>(role); }
constexpr Roles allRoles = ~Roles(0);

struct PhraseMatch {
    const Phrase* phrase = nullptr;
    std::size_t past = 0;  // the token after the phrase
};

// The longest phrase of one of `roles` that begins at tokens[at]; the first
// of the table where two are as long. None where no phrase begins there.
PhraseMatch longestPhrase(const std::vector<Token>& tokens, std::size_t at, Roles roles = allRoles);

// Whether some phrase's first word is this word.
bool beginsPhrase(const Token& token);

// Whether a word matches one form of a phrase's word ("ръб*", "куб").
bool formMatches(const Token& token, std::string_view form);

}  // namespace solver::reader
