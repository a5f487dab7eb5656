// SPDX-License-Identifier: MIT
// Every school task of the table through solve(): status, message, and the
// exact forms and decimals of every solution.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "parsed_task.h"
#include "school_tasks.h"
#include "solver.h"

namespace solver::testing {
namespace {

Status statusOf(Expect expect) {
    switch (expect) {
    case Expect::Solved: return Status::Solved;
    case Expect::None: return Status::None;
    case Expect::Underdetermined: return Status::Underdetermined;
    case Expect::Invalid: return Status::Invalid;
    }
    return Status::Invalid;
}

// "r~2.8837": the decimal to the digits written.
void expectDecimal(const QuantityResult& q, const std::string& digits) {
    const double expected = std::stod(digits);
    const auto point = digits.find('.');
    const int places = point == std::string::npos ? 0 : int(digits.size() - point - 1);
    EXPECT_NEAR(q.value, expected, 0.6 * std::pow(10.0, -places)) << q.key;
    EXPECT_FALSE(q.exact) << q.key << " has an exact form: " << q.exact->ascii();
}

void expectAnswers(const Solution& solution, std::string_view answers, long double pi) {
    std::istringstream items{std::string(answers)};
    for (std::string item; items >> item;) {
        const auto at = item.find_first_of("=~");
        const std::string key = item.substr(0, at), expected = item.substr(at + 1);
        const QuantityResult* q = solution.find(key);
        ASSERT_NE(q, nullptr) << key;
        if (item[at] == '~') {
            expectDecimal(*q, expected);
        } else if (expected == "-") {
            EXPECT_FALSE(q->determined) << key;
        } else {
            ASSERT_TRUE(q->exact) << key << " ≈ " << q->value;
            EXPECT_EQ(q->exact->ascii(), expected) << key;
            EXPECT_NEAR(q->value, static_cast<double>(q->exact->value(pi)), 1e-9 * std::fabs(q->value)) << key;
        }
    }
}

class SchoolTaskTest : public ::testing::TestWithParam<SchoolTask> {};

TEST_P(SchoolTaskTest, GivesTheAnswerKey) {
    const SchoolTask& task = GetParam();
    const ParsedTask parsed = parseTask(task.task);
    const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
    ASSERT_EQ(statusKey(outcome.status), statusKey(statusOf(task.status))) << outcome.message;
    EXPECT_NE(outcome.message.find(task.message), std::string::npos) << outcome.message;
    if (task.status != Expect::Solved) {
        EXPECT_FALSE(outcome.message.empty());
        return;
    }
    ASSERT_EQ(outcome.solutions.size(), task.answers.size());
    for (std::size_t i = 0; i < task.answers.size(); ++i) {
        SCOPED_TRACE("solution " + std::to_string(i + 1));
        expectAnswers(outcome.solutions[i], task.answers[i], piValue(parsed.settings.pi));
        const Solution& solution = outcome.solutions[i];
        EXPECT_FALSE(solution.steps.empty());
        for (const QuantityResult& q : solution.quantities) {
            if (q.determined) {
                EXPECT_TRUE(std::isfinite(q.value) && q.value > 0) << q.key;
            }
        }
    }
}

std::string rowName(const ::testing::TestParamInfo<SchoolTask>& info) {
    std::string name;
    for (char c : info.param.what) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return std::to_string(info.index) + "_" + name.substr(0, 60);
}

INSTANTIATE_TEST_SUITE_P(Table, SchoolTaskTest, ::testing::ValuesIn(schoolTasks()), rowName);

}  // namespace
}  // namespace solver::testing
