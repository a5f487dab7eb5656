// SPDX-License-Identifier: MIT
#include "task/outcome_json.h"

namespace solver {

namespace {

void writeQuantity(Json& json, const QuantityResult& q) {
    json.key(q.key).beginObject();
    json.key("exact");
    if (q.exact) json.string(q.exact->ascii());
    else json.null();
    json.key("value").number(q.value);
    json.key("unit").string(q.unit);
    json.key("text").string(q.text);
    json.key("given").boolean(q.given);
    json.endObject();
}

void writeLines(Json& json, const std::vector<Solution>& solutions, std::vector<std::string> Solution::*lines) {
    json.beginArray();
    for (const Solution& solution : solutions) {
        json.beginArray();
        for (const std::string& line : solution.*lines) json.string(line);
        json.endArray();
    }
    json.endArray();
}

}  // namespace

void writeSolutions(Json& json, const Outcome& outcome) {
    json.key("solutions").beginArray();
    for (const Solution& solution : outcome.solutions) {
        json.beginObject();
        for (const QuantityResult& q : solution.quantities) writeQuantity(json, q);
        json.endObject();
    }
    json.endArray();
    json.key("steps");
    writeLines(json, outcome.solutions, &Solution::steps);
    json.key("notes");
    writeLines(json, outcome.solutions, &Solution::notes);
}

}  // namespace solver
