// SPDX-License-Identifier: MIT
// Regular pyramid: lateral surface, full surface and volume from the perimeter
// and area of the base, the apothem and the height, used as typed.
#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::RegularPyramid>::run() {
    B = read(Field::PyramidBaseArea);  // read base area, apothem, height, then perimeter
    k = read(Field::PyramidApothem);
    h = read(Field::PyramidHeight);
    P = read(Field::PyramidBasePerimeter);
    S = store(checked((P * k) / 2));  // checked as a double, then rounded
    S1 = store(S + B);  // also reports an overflow in the rounding of S
    check();
    V = store((h * B) / 3);  // the product never rounded to 32-bit before the division
    check();
    write(Field::PyramidLateralSurface, S);
    write(Field::PyramidFullSurface, S1);
    write(Field::PyramidVolume, V);
}

}  // namespace geometry
