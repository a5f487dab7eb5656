// SPDX-License-Identifier: MIT
// The solver's school tasks (school_tasks.h) as JSON, for the tests that are
// not C++: the command line's and the page's.
//
//   stereometry_solver_tasks OUT.json [--frustums]
//
// With --frustums also the frustums' tasks (the page's test and the command
// line's take them).
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "task/json.h"
#include "school_tasks.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--frustums")) {
        std::cerr << "usage: stereometry_solver_tasks OUT.json [--frustums]\n";
        return 2;
    }
    std::vector<solver::testing::SchoolTask> tasks = solver::testing::schoolTasks();
    if (argc == 3) tasks.insert(tasks.end(), solver::testing::frustumTasks().begin(), solver::testing::frustumTasks().end());
    using solver::testing::Expect;
    solver::Json json;
    json.beginArray();
    for (const auto& task : tasks) {
        json.beginObject();
        json.key("what").string(task.what);
        json.key("task").string(task.task);
        json.key("status").string(task.status == Expect::Solved            ? "solved"
                                  : task.status == Expect::None            ? "none"
                                  : task.status == Expect::Underdetermined ? "underdetermined"
                                                                           : "invalid");
        json.key("answers").beginArray();
        for (std::string_view answer : task.answers) json.string(answer);
        json.endArray();
        json.key("message").string(task.message);
        json.endObject();
    }
    json.endArray();
    std::ofstream(argv[1]) << json.text() << "\n";
    return 0;
}
