// SPDX-License-Identifier: MIT
// Time to write a solved task's figure and its net as SVG (the solving
// itself not counted), for a few solids from the plainest to the busiest.
//
//   stereometry_drawing_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>

#include "drawing.h"

namespace {

using namespace solver;

struct DrawnTask {
    const char* name;
    const char* solid;
    std::vector<Given> givens;
};

const std::vector<DrawnTask> tasks = {
    {"cube", "cube", {{"a", "5"}}},
    {"cone", "cone", {{"r", "3"}, {"h", "4"}}},
    {"pyramid n=12", "pyramid", {{"n", "12"}, {"a", "2"}, {"h", "5"}}},
    {"prism n=12", "prism", {{"n", "12"}, {"a", "2"}, {"h", "5"}}},
};

void figure(benchmark::State& state, const DrawnTask& task) {
    const Outcome outcome = solve(task.solid, task.givens);
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing::figureSvg(*outcome.solid, outcome.solutions[0], {outcome.unit, {"Q"}}));
}

void net(benchmark::State& state, const DrawnTask& task) {
    const Outcome outcome = solve(task.solid, task.givens);
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing::netSvg(*outcome.solid, outcome.solutions[0], {outcome.unit}));
}

const bool registered = [] {
    for (const DrawnTask& task : tasks) {
        benchmark::RegisterBenchmark((std::string("figure/") + task.name).c_str(), figure, task)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("net/") + task.name).c_str(), net, task)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
