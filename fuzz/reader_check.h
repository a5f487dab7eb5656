// SPDX-License-Identifier: MIT
#pragma once
// The reader fuzzed: any bytes as a task's text. Whatever they are, it reads
// them or says in a message why not, and every piece it names (the words a
// given came from, what it ignored, what it did not understand) is words of
// the text itself; a solid read is one the solver has, every key asked is
// that solid's (or one of its quantities of use); and reading then solving answers with one of the five
// statuses (a fault of the solver's own is a failure).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/solids.h"
#include "reader/read_and_solve.h"
#include "reader/reader.h"

namespace solver::fuzzing {

inline std::string pieceProblem(std::string_view text, const reader::Piece& piece, std::string_view what) {
    if (piece.span.begin > piece.span.end || piece.span.end > text.size())
        return std::string(what) + ": bytes " + std::to_string(piece.span.begin) + "–" + std::to_string(piece.span.end) +
               " outside the text of " + std::to_string(text.size());
    if (piece.words != reader::wordsOf(text, piece.span.begin, piece.span.end))
        return std::string(what) + ": „" + piece.words + "“ is not the text's words there";
    return {};
}

inline std::string checkReading(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const reader::ReadTask read = reader::readTask(text);
    if (read.status == reader::ReadStatus::Unread && read.message.empty()) return "unread without a message";
    if (read.status == reader::ReadStatus::Read) {
        const SolidRow* solid = solidByKey(read.solid);
        if (!solid) return "read as „" + read.solid + "“, which is no solid";
        for (const reader::ReadAsked& asked : read.asked)
            if (quantityIndex(withUses(*solid), asked.key) < 0) return "asked „" + asked.key + "“ of " + read.solid;
    }
    for (const reader::ReadGiven& given : read.givens) {
        if (given.key.empty() || given.value.empty()) return "a given without a key or a value";
        if (const std::string problem = pieceProblem(text, given.from, "given " + given.key); !problem.empty()) return problem;
    }
    for (const reader::Piece& piece : read.ignored)
        if (const std::string problem = pieceProblem(text, piece, "ignored"); !problem.empty()) return problem;
    for (const reader::Piece& piece : read.unread)
        if (const std::string problem = pieceProblem(text, piece, "unread"); !problem.empty()) return problem;
    const reader::TextOutcome outcome = reader::readAndSolve(text);
    static const std::vector<std::string_view> statuses{"solved", "none", "underdetermined", "invalid", "unread"};
    bool known = false;
    for (std::string_view status : statuses) known = known || outcome.status == status;
    if (!known) return "status „" + outcome.status + "“";
    if (outcome.status != "solved" && outcome.message.empty()) return outcome.status + " without a message";
    if (outcome.message.starts_with(internalFault)) return outcome.message;
    if (outcome.status == "solved" && outcome.outcome.solutions.empty()) return "solved without a solution";
    return {};
}

}  // namespace solver::fuzzing
