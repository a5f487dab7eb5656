// SPDX-License-Identifier: MIT
// Every input kept in fuzz/corpus/ (hard cases written by hand and what the
// fuzzers found) replayed through the same checks as the fuzz targets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "presses_check.h"
#include "reader_check.h"
#include "solver_check.h"
#include "text_to_number_check.h"

namespace {

namespace fs = std::filesystem;

std::string checkText(const std::string& bytes) { return geometry::fuzzing::checkTextToNumber(bytes); }

std::string checkSession(const std::string& bytes) {
    return geometry::fuzzing::checkPresses(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string checkTask(const std::string& bytes) {
    return solver::fuzzing::checkTask(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string checkReading(const std::string& bytes) {
    return solver::fuzzing::checkReading(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

struct Target {
    const char* name;  // the folder in fuzz/corpus/
    std::string (*check)(const std::string& bytes);
    std::size_t minimumFiles;  // the hand-written hard cases at least
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

const Target targets[] = {
    {"text_to_number", checkText, 40},
    {"presses", checkSession, 10},
    {"solver", checkTask, 10},
    {"reader", checkReading, 20},
};

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzCorpus : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzCorpus, EveryInputPassesTheChecks) {
    const fs::path folder = fs::path(FUZZ_CORPUS_DIR) / GetParam().name;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), GetParam().minimumFiles) << folder;

    for (const fs::path& file : files) {
        std::string error;
        try {
            error = GetParam().check(contents(file));
        } catch (const std::exception& exception) {
            error = std::string("exception: ") + exception.what();
        }
        EXPECT_EQ(error, "") << file.filename();
    }
}

INSTANTIATE_TEST_SUITE_P(Replay, FuzzCorpus, ::testing::ValuesIn(targets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
