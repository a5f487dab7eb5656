// SPDX-License-Identifier: MIT
// Time per solve of every school task of the solver's table (tests/solver/
// school_tasks.h): each task kind (forward, inverse, two solids, elimination,
// n found by trial, none, underdetermined, invalid), with its steps written.
//
//   stereometry_solver_bench [--benchmark_filter=cone]
// The medians of nine repetitions are the figures in docs/solver.md.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "school_tasks.h"
#include "task/solver.h"

namespace {

struct Parsed {
    std::string solid;
    std::vector<solver::Given> givens;
    solver::Settings settings;
};

Parsed parse(std::string_view task) {
    Parsed parsed;
    std::istringstream words{std::string(task)};
    for (std::string word; words >> word;) {
        if (word == "--pi=3.14") parsed.settings.pi = solver::PiSetting::School;
        else if (word.starts_with("--unit=")) parsed.settings.unit = solver::unitByName(word.substr(7));
        else if (word.starts_with("--grade=")) parsed.settings.grade = std::stoi(word.substr(8));
        else if (parsed.solid.empty()) parsed.solid = word;
        else if (word.ends_with("=?")) parsed.settings.asked.push_back(word.substr(0, word.size() - 2));
        else parsed.givens.push_back({word.substr(0, word.find('=')), word.substr(word.find('=') + 1)});
    }
    return parsed;
}

void registerTasks() {
    for (const auto& task : solver::testing::schoolTasks()) {
        const Parsed parsed = parse(task.task);
        benchmark::RegisterBenchmark(std::string(task.task).c_str(), [parsed](benchmark::State& state) {
            for (auto _ : state) benchmark::DoNotOptimize(solver::solve(parsed.solid, parsed.givens, parsed.settings));
        })->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerTasks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
