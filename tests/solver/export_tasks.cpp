// SPDX-License-Identifier: MIT
// Writes the school tasks of tests/solver/school_tasks.h as JSON, for the tests
// that are not C++ (the problems page's browser test): each row's words, the
// task as the command line takes it, the status the solver must give, the
// answers per solution ("l=5 S=15*pi", "r~2.8837", "n=-") and the part of the
// message the other statuses must hold.
//
//   stereometry_school_tasks OUT.json
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "school_tasks.h"

namespace solver::testing {
namespace {

std::string json(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string_view statusName(Expect status) {
    switch (status) {
    case Expect::Solved: return "solved";
    case Expect::None: return "none";
    case Expect::Underdetermined: return "underdetermined";
    case Expect::Invalid: return "invalid";
    }
    return "";
}

std::string tasks() {
    std::string out = "[";
    for (const SchoolTask& task : schoolTasks()) {
        std::string answers;
        for (std::string_view answer : task.answers) answers += (answers.empty() ? "" : ", ") + json(answer);
        out += std::string(out.size() > 1 ? "," : "") + "\n  {\"what\": " + json(task.what) +
               ", \"task\": " + json(task.task) + ", \"status\": " + json(statusName(task.status)) +
               ", \"answers\": [" + answers + "], \"message\": " + json(task.message) + "}";
    }
    return out + "\n]\n";
}

}  // namespace
}  // namespace solver::testing

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: stereometry_school_tasks OUT.json\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << solver::testing::tasks();
    if (!out.flush()) {
        std::cerr << "stereometry_school_tasks: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
