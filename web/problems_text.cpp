// SPDX-License-Identifier: MIT
#include "problems_text.h"

#include "engine/solids.h"

namespace geometry::web {
namespace {

using namespace solver;
using namespace solver::reader;

// Where a byte of UTF-8 text falls in the same text as UTF-16.
std::size_t utf16Offset(std::string_view text, std::size_t byte) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

void writeFrom(Json& json, std::string_view text, const Piece& piece) {
    json.key("words").string(piece.words);
    json.key("from").beginArray();
    json.integer(static_cast<long long>(utf16Offset(text, piece.span.begin)));
    json.integer(static_cast<long long>(utf16Offset(text, piece.span.end)));
    json.endArray();
}

}  // namespace

TextOutcome readTextTask(std::string_view text, const ChosenSettings& chosen) { return readAndSolve(text, chosen); }

void writeRead(Json& json, std::string_view text, const TextOutcome& outcome) {
    const ReadTask& read = outcome.read;
    const SolidRow* solid = solidByKey(read.solid);
    json.key("read").beginObject();
    json.key("status").string(read.status == ReadStatus::Read ? "read" : "unread");
    json.key("solid").string(read.solid);
    json.key("summary").string(readSummary(outcome));
    json.key("message").string(read.message);
    json.key("givens").beginArray();
    for (const ReadGiven& given : read.givens) {
        json.beginObject().key("key").string(given.key).key("value").string(given.value);
        writeFrom(json, text, given.from);
        json.key("field").boolean(solid && quantityIndex(withUses(*solid), given.key) >= 0).endObject();
    }
    json.endArray();
    json.key("asked").beginArray();
    for (const ReadAsked& asked : read.asked) json.string(asked.key);
    json.endArray();
    json.key("named").beginArray();
    for (const ReadAsked& named : read.named) json.string(named.key);
    json.endArray();
    for (const auto& [name, pieces] : {std::pair{"ignored", &read.ignored}, std::pair{"unread", &read.unread}}) {
        json.key(name).beginArray();
        for (const Piece& piece : *pieces) {
            json.beginObject();
            writeFrom(json, text, piece);
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
}

std::string withWords(std::string note, const TextOutcome& outcome, std::string_view key, bool given) {
    for (const ReadGiven& read : outcome.read.givens)
        if (read.key == key) return note + (given ? ", от „" : " (от „") + read.from.words + (given ? "“" : "“)");
    return note;
}

}  // namespace geometry::web
