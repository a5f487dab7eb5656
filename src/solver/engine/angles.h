// SPDX-License-Identifier: MIT
#pragma once
// The trigonometric functions of an angle in degrees: exactly at the angles
// whose values an answer key writes exactly (sin 60° = √3/2, tg 22,5° = √2 − 1),
// in one table; as decimals with the true π elsewhere.

#include "engine/value.h"

namespace solver {

enum class Trigonometric { Sine, Cosine, Tangent, Cotangent };

// The function's value at `degrees`; a decimal NaN where the angle is not
// known or the function has no value there (tg 90°).
Value trigonometric(Trigonometric function, const Value& degrees);

}  // namespace solver
