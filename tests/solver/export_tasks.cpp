// SPDX-License-Identifier: MIT
// The solver's school tasks (school_tasks.h) as JSON, for the tests that are
// not C++: the command line's and the page's.
//
//   stereometry_solver_tasks OUT.json
#include <fstream>
#include <iostream>

#include "task/json.h"
#include "school_tasks.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stereometry_solver_tasks OUT.json\n";
        return 2;
    }
    using solver::testing::Expect;
    solver::Json json;
    json.beginArray();
    for (const auto& task : solver::testing::schoolTasks()) {
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
