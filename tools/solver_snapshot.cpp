// SPDX-License-Identifier: MIT
// Everything the solver, its drawings and its worksheets show, for a fixed
// set of tasks, as one text: run before and after a change to the solver's
// inside, the two texts must be the same byte for byte.
//
//   stereometry_solver_snapshot [CORPUS_DIR] > snapshot.txt
//
// The tasks: every school task of the test table; every input of the fuzzing
// corpus, read as the fuzz target reads it; 3000 tasks drawn at random from a
// fixed seed (pairs and triples of quantities of every solid, with whole
// numbers, decimals, fractions, π, roots and units, under every π setting);
// 3000 tasks given by exact values of a solid built from random measures;
// worksheets of several numbers, kinds and settings with their answers
// checked; and sheets of each solid alone, of every kind, with the figures
// their page draws.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "drawing.h"
#include "parsed_task.h"
#include "school_tasks.h"
#include "sheet_json.h"
#include "solver_check.h"
#include "task/json.h"
#include "worksheet.h"

namespace {

using namespace solver;

std::string valueText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

void writeOutcome(std::ostream& out, const Outcome& outcome, const Settings& settings,
                  const std::vector<std::string>& asked) {
    out << "status " << statusKey(outcome.status) << "\nmessage " << outcome.message << "\n";
    out << "unit " << (outcome.unit ? std::string(unitSymbol(*outcome.unit)) : "-") << "\nconcerned";
    for (const std::string& key : outcome.concerned) out << " " << key;
    out << "\nsuggestions";
    for (const std::string& key : outcome.suggestions) out << " " << key;
    out << "\n";
    for (const Solution& solution : outcome.solutions) {
        out << "solution sides=" << solution.sides << "\n";
        for (const QuantityResult& q : solution.quantities)
            out << "  " << q.key << (q.given ? " given" : "") << (q.determined ? "" : " open") << " exact="
                << (q.exact ? q.exact->ascii() : "-") << " [" << q.exactText << "] value=" << valueText(q.value)
                << " text=" << q.text << "\n";
        for (const std::string& step : solution.steps) out << "  step " << step << "\n";
    }
    if (outcome.status != Status::Solved) return;
    const Solution& first = outcome.solutions.front();
    out << drawing::figureSvg(*outcome.solid, first, {outcome.unit, asked}) << "\n";
    const drawing::NetSvg net = drawing::netSvg(*outcome.solid, first, {outcome.unit, settings});
    out << (net.svg.empty() ? net.message : net.svg) << "\n";
}

void snapshot(std::ostream& out, const std::string& name, const std::string& solid, const std::vector<Given>& givens,
              const Settings& settings, const std::vector<std::string>& asked = {}) {
    out << "=== " << name << ": " << solid;
    for (const Given& g : givens) out << " " << g.key << "=" << g.text;
    out << " (pi " << int(settings.pi) << ")\n";
    writeOutcome(out, solve(solid, givens, settings), settings, asked);
}

// A value as a student might type it, drawn at random.
std::string randomValue(std::mt19937& random) {
    static const char* units[] = {"", "", "", "cm", "mm", "dm", "m"};
    std::uniform_int_distribution<int> kind(0, 7), small(1, 30), unit(0, 6);
    std::string text;
    switch (kind(random)) {
    case 0: case 1: text = std::to_string(small(random)); break;
    case 2: text = std::to_string(small(random)) + "," + std::to_string(small(random) % 10); break;
    case 3: text = std::to_string(small(random)) + "/" + std::to_string(1 + small(random) % 7); break;
    case 4: text = std::to_string(small(random)) + "π"; break;
    case 5: text = std::to_string(small(random)) + "√" + std::to_string(2 + small(random) % 6); break;
    case 6: text = std::to_string(3 + small(random) % 6); break;
    default: text = std::to_string(small(random) * 10); break;
    }
    return text + units[unit(random)];
}

void randomTasks(std::ostream& out, int count) {
    std::mt19937 random(20261208);
    const auto solids = allSolids();
    for (int i = 0; i < count; ++i) {
        const SolidRow& solid = solids[std::size_t(random() % solids.size())];
        Settings settings;
        settings.pi = static_cast<PiSetting>(random() % 3);
        std::vector<Given> givens;
        const int given = 1 + int(random() % 3);
        for (int g = 0; g < given; ++g) {
            const auto& q = solid.quantities[std::size_t(random() % solid.quantities.size())];
            std::string text = randomValue(random);
            if (q.dimension == Dimension::Count) text = std::to_string(3 + random() % 10);
            givens.push_back({std::string(q.key), text});
        }
        snapshot(out, "random " + std::to_string(i), std::string(solid.key), givens, settings);
    }
}

// Tasks that have an answer: a solid built from random measures, then a
// random choice of its quantities given as their exact forms, as a key writes
// them (the inverse tasks, where the solver eliminates and finds roots).
void inverseTasks(std::ostream& out, int count) {
    std::mt19937 random(8122026);
    const auto solids = allSolids();
    for (int i = 0; i < count; ++i) {
        const SolidRow& solid = solids[std::size_t(random() % solids.size())];
        std::vector<Given> measures;
        for (std::string_view key : solid.base) measures.push_back({std::string(key), std::to_string(1 + random() % 12)});
        if (wholeQuantity(solid) >= 0) measures.push_back({"n", std::to_string(3 + random() % 6)});
        const Outcome whole = solve(solid.key, measures);
        if (whole.status != Status::Solved) continue;
        Settings settings;
        settings.pi = static_cast<PiSetting>(random() % 3);
        std::vector<Given> givens;
        const Solution& s = whole.solutions.front();
        const std::size_t given = 1 + random() % 3;
        for (std::size_t g = 0; g < given; ++g) {
            const QuantityResult& q = s.quantities[random() % s.quantities.size()];
            const bool twice = std::any_of(givens.begin(), givens.end(), [&](const Given& x) { return x.key == q.key; });
            if (q.exact && !twice) givens.push_back({q.key, q.exact->input()});
        }
        snapshot(out, "inverse " + std::to_string(i), std::string(solid.key), givens, settings);
    }
}

void corpusTasks(std::ostream& out, const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto task = fuzzing::taskOf(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        snapshot(out, "corpus " + file.filename().string(), task.solid, task.givens, task.settings);
    }
}

void worksheets(std::ostream& out) {
    using namespace solver::worksheet;
    const char* queries[] = {
        "number=1", "number=4711&kind=inverse", "number=77&kind=direct&numbers=decimal&pi=3.14",
        "number=999&solids=cone,cylinder,sphere&count=30", "number=12345&solids=prism,pyramid,polygon&count=20&unit=mm",
        "number=31&numbers=decimal&kind=mixed&count=30", "number=5&solids=box,cube&kind=inverse&count=12",
    };
    for (const char* query : queries) {
        for (const char* variant : {"A", "B"}) {
            QueryReading reading = readSheetQuery(std::string(query) + "&variant=" + variant);
            const Sheet sheet = makeSheet(reading.settings);
            out << "=== sheet " << query << " variant " << variant << "\n" << sheetJson(sheet) << "\n";
            for (const Task& task : sheet.tasks) {
                out << task.text << "\n";
                for (const Answer& answer : task.answers)
                    for (const std::string& typed : {answer.exact ? answer.exact->input() : std::string("0"), answer.text, std::string("1"), std::string("12,5")})
                        for (int wrongBefore : {0, 2})
                            out << feedbackJson(typed, checkTaskAnswer(sheet, task, answer.key, typed, wrongBefore))
                                << "\n";
            }
        }
    }
}

// Sheets of one solid each, of every kind and numbers, from several numbers:
// every pattern, every measure drawn and every count of sides a sheet offers.
void solidSheets(std::ostream& out) {
    using namespace solver::worksheet;
    for (const SolidRow& solid : allSolids())
        for (const char* kind : {"direct", "inverse", "mixed"})
            for (const char* numbers : {"whole", "decimal"})
                for (int number : {3, 58, 1207}) {
                    const std::string query = "number=" + std::to_string(number) + "&solids=" + std::string(solid.key) +
                                              "&kind=" + kind + "&numbers=" + numbers + "&count=12" +
                                              (number == 58 ? "&pi=3.14" : "");
                    const Sheet sheet = makeSheet(readSheetQuery(query).settings);
                    out << "=== sheet " << query << "\n" << sheetJson(sheet) << "\n";
                    for (const Task& task : sheet.tasks) {
                        out << task.text << "\n";
                        // As the sheet's page draws it: the givens, and what is asked as "?".
                        const Outcome outcome = solve(task.solid->key, task.givens,
                                                      Settings{.pi = sheet.settings.pi, .unit = sheet.settings.unit});
                        if (outcome.status != Status::Solved) continue;
                        Solution unknown = outcome.solutions.front();
                        for (QuantityResult& quantity : unknown.quantities)
                            if (!quantity.given) quantity.text = "?";
                        out << drawing::figureSvg(*task.solid, unknown,
                                                  {.unit = sheet.settings.unit, .asked = task.asked, .onlyAsked = true})
                            << "\n";
                    }
                }
}

}  // namespace

int main(int argc, char** argv) {
    std::ostringstream out;
    for (const auto& task : solver::testing::schoolTasks()) {
        const auto parsed = solver::testing::parseTask(task.task);
        for (int digits : {2, 3})
            for (const char* separator : {",", "."}) {
                Settings settings = parsed.settings;
                settings.digits = digits;
                settings.separator = separator;
                snapshot(out, "school " + std::string(task.what), parsed.solid, parsed.givens, settings, parsed.asked);
            }
    }
    if (argc > 1) corpusTasks(out, argv[1]);
    randomTasks(out, 3000);
    inverseTasks(out, 3000);
    worksheets(out);
    solidSheets(out);
    std::cout << out.str();
    return 0;
}
