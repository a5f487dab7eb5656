// SPDX-License-Identifier: MIT
// The answer checker's table (answer_cases.h) as JSON for the worksheet page's
// test: each row put on a sheet, that is on a task of a generated sheet whose
// answer is the row's true value with the row's π (an area in cm² where the
// row types a unit), so that the page's test types the row's answer into that
// task's field:
//
//   stereometry_answer_cases OUT.json
//   [{"query": "number=7&…", "task": 3, "key": "S", "exact": "15π", "pi": "exact",
//     "typed": "47,12", "marked": "right", "note": ""}, …]
//
// A row whose value no sheet has (a fraction such as 25/3: the sheets keep
// nice numbers) is left out and named on the standard error; more than a
// fifth of the table left out fails.
#include <fstream>
#include <iostream>
#include <deque>
#include <vector>
#include <string>

#include "answer_cases.h"
#include "task/json.h"
#include "worksheet.h"

namespace {

using namespace solver;
using namespace solver::worksheet;
using solver::testing::AnswerCase;
using solver::testing::Marked;

struct Place {
    std::string query;
    int task = 0;
    std::string key;
    PiSetting pi;
    Exact exact;
    Dimension dimension;
};

bool typesUnit(std::string_view typed) { return typed.find("cm") != typed.npos || typed.find("dm") != typed.npos; }

// The sheets searched, in order: every solid, numbers 1 to 10, both variants,
// whole numbers and decimals, π exact and 3,14; then each solid alone, direct
// tasks, numbers 1 to 3, and the cone alone on to 20 (a cone's full surface
// (4 + 4√2)π is on the 19th).
std::vector<SheetSettings> sheetsSearched() {
    std::vector<SheetSettings> sheets;
    const auto add = [&](std::vector<std::string> solids, TaskKind kind, std::uint64_t last, std::uint64_t first = 1) {
        for (std::uint64_t number = first; number <= last; ++number)
            for (const PiSetting pi : {PiSetting::Exact, PiSetting::School})
                for (const Numbers numbers : {Numbers::Whole, Numbers::Decimal}) {
                    SheetSettings settings;
                    settings.number = number;
                    settings.count = largestCount;
                    settings.solids = solids;
                    settings.kind = kind;
                    settings.numbers = numbers;
                    settings.pi = pi;
                    sheets.push_back(settings);
                }
    };
    add({}, TaskKind::Mixed, 10);
    for (const SolidRow& solid : allSolids()) add({std::string(solid.key)}, TaskKind::Direct, 3);
    add({"cone"}, TaskKind::Direct, 20, 4);
    return sheets;
}

// The answers of the sheets searched, made as they are needed.
class Answers {
public:
    // The first answer of that value with the row's π (an area where a unit is typed).
    const Place* placeOf(const AnswerCase& row) {
        const ReadNumber exact = readNumber(row.exact);
        if (!exact.read) return nullptr;
        const PiSetting pi = row.pi == "3.14" ? PiSetting::School : PiSetting::Exact;
        for (std::size_t i = 0;; ++i) {
            while (i == places_.size())
                if (!makeNext()) return nullptr;
            const Place& place = places_[i];
            if (place.pi == pi && place.exact == exact.value &&
                (place.dimension == Dimension::Area || !typesUnit(row.typed)))
                return &place;
        }
    }

private:
    bool makeNext() {
        if (next_ == searched_.size()) return false;
        for (const Sheet& sheet : makeVariants(searched_[next_++]))
            for (std::size_t i = 0; i < sheet.tasks.size(); ++i)
                for (const Answer& answer : sheet.tasks[i].answers) {
                    const SolidRow& solid = *sheet.tasks[i].solid;
                    if (answer.exact)
                        places_.push_back({sheetQuery(sheet.settings), int(i) + 1, answer.key, sheet.settings.pi,
                                           *answer.exact,
                                           solid.quantities[std::size_t(quantityIndex(solid, answer.key))].dimension});
                }
        return true;
    }
    std::vector<SheetSettings> searched_ = sheetsSearched();
    std::size_t next_ = 0;
    std::deque<Place> places_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stereometry_answer_cases OUT.json\n";
        return 2;
    }
    Answers answers;
    Json json;
    json.beginArray();
    int unplaced = 0;
    for (const AnswerCase& row : solver::testing::answerCases()) {
        const Place* found = answers.placeOf(row);
        if (!found) {
            std::cerr << "stereometry_answer_cases: no sheet has an answer " << row.exact << " (π " << row.pi
                      << "): „" << row.typed << "“ left out\n";
            ++unplaced;
            continue;
        }
        const Place& place = *found;
        json.beginObject();
        json.key("query").string(place.query);
        json.key("task").integer(place.task);
        json.key("key").string(place.key);
        json.key("exact").string(row.exact);
        json.key("pi").string(row.pi);
        json.key("typed").string(row.typed);
        json.key("marked").string(row.marked == Marked::Right   ? "right"
                                  : row.marked == Marked::Wrong ? "wrong"
                                                                : "unreadable");
        json.key("note").string(row.note);
        json.endObject();
    }
    json.endArray();
    std::ofstream(argv[1]) << json.text() << "\n";
    // The sheets' answers are the nice numbers a generator keeps: a fraction
    // such as 25/3 is on none of them. Most rows must be.
    return unplaced * 5 <= int(solver::testing::answerCases().size()) ? 0 : 1;
}
