// SPDX-License-Identifier: MIT
// The solver's school tasks (school_tasks.h) as JSON, for the tests that are
// not C++: the command line's and the page's.
//
//   stereometry_solver_tasks OUT.json [--frustums] [--rotation]
//
// With --frustums also the frustums' tasks (the page's test and the command
// line's take them); with --rotation the bodies of rotation's (the command
// line's: the page reaches them by printed tasks alone).
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "task/json.h"
#include "school_tasks.h"

int main(int argc, char** argv) {
    bool frustums = false, rotation = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--frustums") frustums = true;
        else if (option == "--rotation") rotation = true;
        else argc = 0;
    }
    if (argc < 2) {
        std::cerr << "usage: stereometry_solver_tasks OUT.json [--frustums] [--rotation]\n";
        return 2;
    }
    using solver::testing::SchoolTask;
    std::vector<SchoolTask> tasks = solver::testing::schoolTasks();
    auto add = [&tasks](const std::vector<SchoolTask>& more) { tasks.insert(tasks.end(), more.begin(), more.end()); };
    if (frustums) add(solver::testing::frustumTasks());
    if (rotation) add(solver::testing::rotationTasks());
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
