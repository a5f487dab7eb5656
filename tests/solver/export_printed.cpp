// SPDX-License-Identifier: MIT
// The printed tasks (printed_tasks.h) as JSON, for the tests that are not
// C++: the command line's and the page's.
//
//   stereometry_printed_tasks OUT.json [--frustums]
//
// With --frustums also the frustums' tasks, which the page does not offer yet
// (the command line's test takes them).
//   [{"text": "…", "solid": "pyramid", "givens": [["n", "4"], …], "asked": ["V"],
//     "status": "solved", "answers": ["V=512"], "also": ["ignored=Зад. 3."]}, …]
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>
#include <string>

#include "printed_tasks.h"
#include "task/json.h"

namespace {

std::string_view statusName(solver::testing::Printed status) {
    using solver::testing::Printed;
    switch (status) {
    case Printed::Solved: return "solved";
    case Printed::None: return "none";
    case Printed::Underdetermined: return "underdetermined";
    case Printed::Invalid: return "invalid";
    case Printed::Unread: return "unread";
    case Printed::Awaiting: break;
    }
    return "awaiting";
}

void writeList(solver::Json& json, std::string_view list, std::string_view separator) {
    json.beginArray();
    while (!list.empty()) {
        const auto at = list.find(separator);
        json.string(list.substr(0, at));
        list.remove_prefix(at == std::string_view::npos ? list.size() : at + separator.size());
    }
    json.endArray();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--frustums")) {
        std::cerr << "usage: stereometry_printed_tasks OUT.json [--frustums]\n";
        return 2;
    }
    std::vector<solver::testing::PrintedTask> tasks = solver::testing::printedTasks();
    if (argc == 3)
        tasks.insert(tasks.end(), solver::testing::printedFrustumTasks().begin(), solver::testing::printedFrustumTasks().end());
    solver::Json json;
    json.beginArray();
    for (const auto& task : tasks) {
        json.beginObject();
        json.key("text").string(task.text);
        json.key("solid").string(task.solid);
        json.key("givens").beginArray();
        std::string_view givens = task.givens;
        while (!givens.empty()) {
            const auto bar = givens.find(" | ");
            const std::string_view given = givens.substr(0, bar);
            const auto equals = given.find('=');
            json.beginArray().string(given.substr(0, equals)).string(given.substr(equals + 1)).endArray();
            givens.remove_prefix(bar == std::string_view::npos ? givens.size() : bar + 3);
        }
        json.endArray();
        json.key("asked");
        writeList(json, task.asked, " ");
        json.key("status").string(statusName(task.status));
        json.key("answers").beginArray();
        for (std::string_view answer : task.answers) json.string(answer);
        json.endArray();
        json.key("also").beginArray();
        for (std::string_view also : task.also) json.string(also);
        json.endArray();
        json.endObject();
    }
    json.endArray();
    std::ofstream(argv[1]) << json.text() << "\n";
    return 0;
}
