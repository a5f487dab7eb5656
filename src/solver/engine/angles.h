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

// The angle in degrees whose sine, cosine or tangent is `value` (arcsin and
// arctg from −90° to 90°, arccos from 0° to 180°): exact where the table
// has it (arctg √3 = 60°), else a decimal; NaN out of range.
Value inverseTrigonometric(Trigonometric function, const Value& value);

}  // namespace solver
