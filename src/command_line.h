// SPDX-License-Identifier: MIT
#pragma once
// What the program is asked to open, from its arguments (Qt's own, such as
// -platform, already taken out):
//
//   stereometry                                  the calculator
//   stereometry --problems [SOLID [KEY=VALUE…]]  „Задачи по стереометрия“,
//                                                with that task solved
//   stereometry --help | --version

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace desktop {

struct Request {
    enum class Open { Calculator, Problems, Help, Version } open = Open::Calculator;
    std::string solid;                                        // "cone"
    std::vector<std::pair<std::string, std::string>> givens;  // {"r", "3"}
    std::string error;  // in Bulgarian; the program then prints it and the usage and exits with 2
};

// What the solver knows, to check a task's names by: whether there is a solid
// of a key ("cone"), and what is wrong with a quantity's key for a solid, in
// Bulgarian (empty where it has that quantity). Without them the names are
// taken as they are.
struct TaskNames {
    std::function<bool(const std::string& solid)> knowsSolid;
    std::function<std::string(const std::string& solid, const std::string& key)> quantityError;
};

// `arguments` without the program's name.
Request requestFrom(const std::vector<std::string>& arguments, const TaskNames& names = {});

extern const char* const usage;

}  // namespace desktop
