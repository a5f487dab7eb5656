// SPDX-License-Identifier: MIT
#include "command_line.h"

namespace desktop {

const char* const usage =
    "Употреба: stereometry [--problems [ТЯЛО [ВЕЛИЧИНА=СТОЙНОСТ...]]]\n"
    "\n"
    "Без опции отваря калкулатора „лица на повърхнини и обеми“.\n"
    "  --problems   отваря „Задачи по стереометрия“; с тяло и дадени, например\n"
    "               --problems cone r=3 h=4, с тази задача, решена\n"
    "               (тела: cube, box, prism, pyramid, polygon, cylinder, cone, sphere)\n"
    "  --help       този текст\n"
    "  --version    версията\n";

Request requestFrom(const std::vector<std::string>& arguments, const TaskNames& names) {
    Request request;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") request.open = Request::Open::Help;
        if (argument == "--version") request.open = Request::Open::Version;
        if (request.open != Request::Open::Calculator) return request;
    }
    for (std::size_t i = 0; i < arguments.size() && request.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        if (i == 0 && argument == "--problems") {
            request.open = Request::Open::Problems;
        } else if (request.open != Request::Open::Problems) {
            request.error = "непознат аргумент „" + argument + "“";
        } else if (request.solid.empty()) {
            if (names.knowsSolid && !names.knowsSolid(argument)) request.error = "няма тяло „" + argument + "“";
            request.solid = argument;
        } else if (equals == std::string::npos || equals == 0) {
            request.error = "„" + argument + "“ не е от вида ВЕЛИЧИНА=СТОЙНОСТ (например r=3)";
        } else {
            const std::string key = argument.substr(0, equals);
            if (names.quantityError) request.error = names.quantityError(request.solid, key);
            if (request.error.empty()) request.givens.emplace_back(key, argument.substr(equals + 1));
        }
    }
    return request;
}

}  // namespace desktop
