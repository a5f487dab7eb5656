// SPDX-License-Identifier: MIT
#pragma once
// How large a solid's table and a task may be. Sets of givens and of
// relations are bit masks (engine/step.h), and a polynomial keeps one
// exponent per quantity (engine/polynomial.h): a table past these fails to
// compile, checked by the tests for every table; a task past them is told
// that it is too complex.

#include <cstddef>

#include "engine/polynomial.h"
#include "engine/step.h"

namespace solver {

inline constexpr std::size_t maxQuantities = std::size_t(maxVariables);
inline constexpr std::size_t maxRelations = sizeof(RelationSet) * 8;
inline constexpr std::size_t maxGivens = sizeof(GivenSet) * 8;

}  // namespace solver
