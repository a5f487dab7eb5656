// SPDX-License-Identifier: MIT
#include "alike_tasks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "worksheet.h"

namespace solver::worksheet {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "113.04" → "3.2", "36π" → "2π", "4√3" → "1√r", "(4+4√2)π" → "(1+1√r)π";
// without `lengths` each run of digits is a mere "d": "(d+d√r)π".
std::string writtenShape(std::string_view text, bool lengths) {
    static constexpr std::string_view root = "√";
    std::string shape;
    for (std::size_t i = 0; i < text.size();) {
        if (!isDigit(text[i])) {
            shape += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isDigit(text[end])) ++end;
        const bool radicand = shape.ends_with(root) || shape.ends_with("sqrt(");
        if (radicand) shape += 'r';
        else if (!lengths) shape += 'd';
        else shape += std::to_string(end - i);
        i = end;
    }
    return shape;
}

// The digits before the decimal separator: 0 for a value under 1.
int wholeDigits(double value) {
    int digits = 0;
    for (double rest = std::floor(value); rest >= 1 && digits < 20; rest = std::floor(rest / 10)) ++digits;
    return digits;
}

std::string answerShape(const AskedValue& answer, Numbers numbers) {
    // As large as the other variant's, before the decimal separator.
    std::string shape = std::to_string(wholeDigits(answer.value));
    // A whole sheet's answer: whole, a fraction, with roots or π, as many terms.
    if (numbers == Numbers::Whole && answer.exact) return shape + writtenShape(answer.exact->input(), false);
    // A decimal sheet's: an exact decimal, or one times π, or a value to round.
    if (!answer.exact) return shape + "≈";
    const bool monomial = answer.exact->isMonomial();
    if (monomial && answer.exact->terms().front().m == 1 && Exact::endsInDecimals(answer.exact->terms().front().q, 6))
        return shape + (answer.exact->terms().front().k == 0 ? "=" : "π");
    return shape + "≈";
}

}  // namespace

std::string shapeOf(const std::vector<Given>& givens, const std::vector<AskedValue>& asked, Numbers numbers) {
    std::string shape;
    for (const Given& given : givens) shape += (shape.empty() ? "" : "|") + given.key + ":" + writtenShape(given.text, true);
    for (const AskedValue& answer : asked) shape += "|" + answer.key + ":" + answerShape(answer, numbers);
    return shape;
}

int shapeDistance(std::string_view a, std::string_view b) {
    int farthest = 0;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) != isDigit(b[j])) return -1;
        if (!isDigit(a[i])) {
            if (a[i++] != b[j++]) return -1;
            continue;
        }
        int x = 0, y = 0;
        for (; i < a.size() && isDigit(a[i]); ++i) x = 10 * x + (a[i] - '0');
        for (; j < b.size() && isDigit(b[j]); ++j) y = 10 * y + (b[j] - '0');
        farthest = std::max(farthest, std::abs(x - y));
    }
    return i == a.size() && j == b.size() ? farthest : -1;
}

std::string taskShape(const Task& task, Numbers numbers) {
    std::vector<AskedValue> asked;
    for (const Answer& answer : task.answers) asked.push_back({answer.key, answer.exact, answer.value});
    return shapeOf(task.givens, asked, numbers);
}

}  // namespace solver::worksheet
