// SPDX-License-Identifier: MIT
#pragma once
// What the program is asked to open, from its arguments (Qt's own, such as
// -platform, already taken out):
//
//   stereometry                                  the calculator
//   stereometry --problems [SOLID [KEY=VALUE…]]  „Задачи по стереометрия“,
//                                                with that task solved
//   stereometry --help | --version

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

Request requestFrom(const std::vector<std::string>& arguments);  // without the program's name

extern const char* const usage;

}  // namespace desktop
