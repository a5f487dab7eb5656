// SPDX-License-Identifier: MIT
#pragma once
// The solver fuzzed: bytes become a solid, givens (values from 10⁻³⁰ to 10³⁰,
// zeros, negatives, garbage, long texts) and a π setting. Whatever they are,
// the solver answers with one of its four statuses and a message, or with
// solutions; and every solution is a solid: recomputed from its own measures
// by formulas written here independently of the solver's tables, each of its
// quantities agrees to 1e-9, and each given keeps the value it was given.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver::fuzzing {

using Values = std::map<std::string, double>;

// A regular base of n sides and edge a: its perimeter, area and two radii.
inline Values regularBase(int n, double a) {
    const double angle = 3.141592653589793238 / n;
    const double r = a / (2 * std::tan(angle)), R = a / (2 * std::sin(angle));
    return {{"P", n * a}, {"B", n * a * r / 2}, {"r", r}, {"R", R}};
}

// Every quantity of a solution's solid, recomputed from the measures that fix it.
inline Values recomputed(std::string_view solid, const Solution& s, double pi) {
    auto v = [&](std::string_view key) {
        const QuantityResult* q = s.find(key);
        return q && q->determined ? q->value : NAN;
    };
    const double r = v("r"), h = v("h");
    if (solid == "cube") {
        const double a = v("a");
        return {{"d", a * std::sqrt(3.0)}, {"d1", a * std::sqrt(2.0)}, {"S", 4 * a * a}, {"S1", 6 * a * a}, {"V", a * a * a}};
    }
    if (solid == "box") {
        const double a = v("a"), b = v("b"), c = v("c");
        return {{"d", std::sqrt(a * a + b * b + c * c)}, {"S", 2 * (a + b) * c},
                {"S1", 2 * (a * b + a * c + b * c)}, {"V", a * b * c}};
    }
    if (solid == "cylinder")
        return {{"d", 2 * r}, {"S", 2 * pi * r * h}, {"S1", 2 * pi * r * (r + h)}, {"V", pi * r * r * h}, {"Q", 2 * r * h}};
    if (solid == "cone") {
        const double l = std::sqrt(r * r + h * h);
        return {{"d", 2 * r}, {"l", l}, {"S", pi * r * l}, {"S1", pi * r * (r + l)}, {"V", pi * r * r * h / 3}, {"Q", r * h}};
    }
    if (solid == "sphere") return {{"d", 2 * r}, {"S", 4 * pi * r * r}, {"V", 4 * pi * r * r * r / 3}};
    Values x;
    double P = v("P"), B = v("B"), inradius = 2 * B / P;
    if (s.sides > 0) {
        x = regularBase(s.sides, v("a"));
        P = x["P"], B = x["B"], inradius = x["r"];
    }
    if (solid == "polygon") return x;
    if (solid == "prism") {
        x["S"] = P * h, x["S1"] = P * h + 2 * B, x["V"] = B * h;
        return x;
    }
    const double k = std::sqrt(h * h + inradius * inradius);
    x["r"] = inradius, x["k"] = k, x["S"] = P * k / 2, x["S1"] = P * k / 2 + B, x["V"] = B * h / 3;
    if (s.sides > 0) x["b"] = std::sqrt(h * h + x["R"] * x["R"]);
    return x;
}

inline bool close(double a, double b, double within = 1e-9) {
    return std::fabs(a - b) <= within * std::max(std::fabs(a), std::fabs(b));
}

// What is wrong with an outcome; `given` holds the givens whose values are known.
inline std::string check(const Values& given, const Settings& settings, const Outcome& outcome) {
    if (outcome.message.starts_with(internalFault)) return "a fault of the solver: " + outcome.message;
    if (outcome.status != Status::Solved) {
        if (outcome.message.empty()) return "a status other than solved without a message";
        if (!outcome.solutions.empty()) return "solutions with a status other than solved";
        return {};
    }
    if (outcome.solutions.empty()) return "solved without a solution";
    const double pi = static_cast<double>(piValue(settings.pi));
    for (const Solution& s : outcome.solutions) {
        for (const QuantityResult& q : s.quantities) {
            if (!q.determined) continue;
            if (!(std::isfinite(q.value) && q.value > 0)) return q.key + " is no positive number";
            if (q.text.empty()) return q.key + " has no text";
        }
        // A given taken as rounded (its note says so) is the task's datum: the
        // solid's own measures make it again only to within that rounding (5 % at most).
        const double within = s.notes.empty() ? 1e-9 : 0.05;
        for (const auto& [key, value] : recomputed(outcome.solid->key, s, pi)) {
            const QuantityResult* q = s.find(key);
            if (q && q->determined && std::isfinite(value) && !close(q->value, value, within))
                return key + " is " + std::to_string(q->value) + " where its measures give " + std::to_string(value);
        }
        for (const auto& [key, value] : given) {
            const QuantityResult* q = s.find(key);
            if (!q || !close(q->value, value)) return "the given " + key + " is not kept";
        }
    }
    return {};
}

// A task made of bytes.
struct Task {
    std::string solid;
    std::vector<Given> givens;
    Values values;  // of the givens that are plain numbers
    Settings settings;
};

inline Task taskOf(const std::uint8_t* data, std::size_t size) {
    Task task;
    std::size_t at = 0;
    auto next = [&]() -> unsigned { return at < size ? data[at++] : 0u; };
    const auto solids = allSolids();
    const SolidRow& solid = solids[next() % solids.size()];
    task.solid = std::string(solid.key);
    task.settings.pi = static_cast<PiSetting>(next() % 3);
    for (int count = 0; count < 6 && at < size; ++count) {
        const std::string key(solid.quantities[next() % solid.quantities.size()].key);
        const unsigned kind = next() % 6;
        std::string text;
        if (kind <= 1) {
            // A number from 10⁻³⁰ to 10³⁰: four digits of mantissa and an exponent.
            const unsigned high = next();
            const unsigned mantissa = 1000 + (high << 8 | next()) % 9000;
            const int exponent = int(next() % 61) - 33;
            text = std::to_string(mantissa) + "e" + std::to_string(exponent);
            task.values[key] = mantissa * std::pow(10.0, exponent);
        } else if (kind == 2) {
            text = std::to_string(next() % 13);  // zero now and then, small whole numbers
        } else if (kind == 3) {
            text = "-" + std::to_string(next() % 100);
        } else if (kind == 4) {
            // Each byte read in its own statement: the order is the same for every compiler.
            const unsigned multiple = 1 + next() % 50;
            const bool pi = next() % 2;
            text = std::to_string(multiple) + (pi ? "π" : "√" + std::to_string(2 + next() % 10));
        } else {
            const std::size_t length = next() % 64;
            for (std::size_t i = 0; i < length && at < size; ++i) text += char(next());
        }
        task.givens.push_back({key, text});
        if (kind == 2 && text != "0") task.values[key] = std::stod(text);
    }
    return task;
}

// Empty when the solver answers the task soundly; what is wrong otherwise.
inline std::string checkTask(const std::uint8_t* data, std::size_t size) {
    const Task task = taskOf(data, size);
    const Outcome outcome = solve(task.solid, task.givens, task.settings);
    Values known = task.values;
    // A quantity given twice keeps neither value here: the solver refuses it.
    std::map<std::string, int> times;
    for (const Given& g : task.givens) ++times[g.key];
    for (const auto& [key, count] : times)
        if (count > 1) known.erase(key);
    return check(known, task.settings, outcome);
}

}  // namespace solver::fuzzing
