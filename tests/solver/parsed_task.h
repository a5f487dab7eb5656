// SPDX-License-Identifier: MIT
#pragma once
// A task of the school table as the command line takes it: options, the
// solid, then KEY=VALUE; KEY=? names what the task asks for.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver::testing {

struct ParsedTask {
    std::string solid;
    std::vector<Given> givens;
    Settings settings;
    std::vector<std::string> asked;
};

inline ParsedTask parseTask(std::string_view task) {
    ParsedTask parsed;
    std::istringstream words{std::string(task)};
    for (std::string word; words >> word;) {
        if (word == "--pi=3.14") parsed.settings.pi = PiSetting::School;
        else if (word == "--pi=3.141592") parsed.settings.pi = PiSetting::Calculator;
        else if (word.starts_with("--unit=")) parsed.settings.unit = unitByName(word.substr(7));
        else if (word.starts_with("--grade=")) parsed.settings.grade = std::stoi(word.substr(8));
        else if (parsed.solid.empty()) parsed.solid = word;
        else if (word.ends_with("=?")) parsed.asked.push_back(word.substr(0, word.size() - 2));
        else parsed.givens.push_back({word.substr(0, word.find('=')), word.substr(word.find('=') + 1)});
    }
    parsed.settings.asked = parsed.asked;
    return parsed;
}

}  // namespace solver::testing
