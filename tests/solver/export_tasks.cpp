// SPDX-License-Identifier: MIT
// The solver's school tasks (school_tasks.h) as JSON, for the tests that are
// not C++: the command line's and the page's.
//
//   stereometry_solver_tasks OUT.json
#include <algorithm>
#include <fstream>
#include <iostream>

#include "engine/solids.h"
#include "task/json.h"
#include "school_tasks.h"

namespace {

bool offered(std::string_view task) {
    while (task.starts_with("--")) task.remove_prefix(std::min(task.size(), task.find(' ') + 1));
    const std::string_view key = task.substr(0, task.find(' '));
    for (const solver::SolidRow& solid : solver::allSolids())
        if (solid.key == key) return true;
    return false;
}

}  // namespace

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
        // Whether the window and the page offer its solid by a picture (a solid
        // on a base of its own shape is reached by reading its task's text).
        json.key("offered").boolean(offered(task.task));
        json.endObject();
    }
    json.endArray();
    std::ofstream(argv[1]) << json.text() << "\n";
    return 0;
}
