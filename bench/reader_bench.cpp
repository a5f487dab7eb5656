// SPDX-License-Identifier: MIT
// Time to read a printed task (tests/solver/printed_tasks.h): every task of
// the table, read alone and read then solved; and a 10 000-character paste
// (tasks one after another, as a page of a PDF copied at once).
//
//   stereometry_reader_bench [--benchmark_filter=paste]
// The medians of nine repetitions are the figures in docs/solver.md.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "printed_tasks.h"
#include "reader/read_and_solve.h"
#include "reader/reader.h"

namespace {

// Characters, not bytes: Cyrillic letters take two bytes each.
std::size_t characters(const std::string& text) {
    std::size_t count = 0;
    for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string paste(std::size_t length) {
    std::string text;
    while (characters(text) < length)
        for (const auto& task : solver::testing::printedTasks()) {
            if (characters(text) >= length) break;
            text += std::string(task.text) + "\n";
        }
    return text;
}

void readEveryTask(benchmark::State& state) {
    const auto& tasks = solver::testing::printedTasks();
    for (auto _ : state)
        for (const auto& task : tasks) benchmark::DoNotOptimize(solver::reader::readTask(task.text));
    state.counters["per task"] = benchmark::Counter(double(tasks.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                               benchmark::Counter::kInvert);
}

void readAndSolveEveryTask(benchmark::State& state) {
    const auto& tasks = solver::testing::printedTasks();
    for (auto _ : state)
        for (const auto& task : tasks) benchmark::DoNotOptimize(solver::reader::readAndSolve(task.text));
    state.counters["per task"] = benchmark::Counter(double(tasks.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                               benchmark::Counter::kInvert);
}

void registerLongest() {
    // The slowest task to read, alone.
    std::string_view slowest;
    double longest = 0;
    for (const auto& task : solver::testing::printedTasks()) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 50; ++i) benchmark::DoNotOptimize(solver::reader::readTask(task.text));
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (took > longest) longest = took, slowest = task.text;
    }
    benchmark::RegisterBenchmark("slowest task of the table", [slowest](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(solver::reader::readTask(slowest));
    })->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

void registerPaste() {
    const std::string text = paste(10000);
    benchmark::RegisterBenchmark("paste of 10 000 characters", [text](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(solver::reader::readTask(text));
    })->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
    const std::string longest = paste(50000);
    benchmark::RegisterBenchmark("paste of 50 000 characters", [longest](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(solver::reader::readTask(longest));
    })->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("every task of the table, read", readEveryTask)
        ->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("every task of the table, read and solved", readAndSolveEveryTask)
        ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
    registerLongest();
    registerPaste();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
