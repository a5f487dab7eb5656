// SPDX-License-Identifier: MIT
// Regular polygon: perimeter n·a and area (n·a²/4)·cot(π/n), π as 3.141592.
#include <cmath>

#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::RegularPolygon>::run() {
    n = read(Field::PolygonSides);  // any float: neither whole nor positive is required
    a = read(Field::PolygonSide);
    P = store(a * n);
    check();
    // One statement for the area, checked before each value is handed on. The
    // angle, its cosine and sine and the quarter product stay in double precision.
    double x = checked(divide(pi, n), Field::PolygonSides);  // a zero n stops here, pointing at it
    const double C = std::cos(x);
    x = checked(divide(pi, n), Field::PolygonSides);  // the same division once more, for the sine
    const double D = std::sin(x);
    const double q = checked(((a * n) * a) / 4);
    B = store(q * divide(C, D));  // the cotangent as cosine over sine
    check();
    write(Field::PolygonPerimeter, P);
    write(Field::PolygonArea, B);
}

}  // namespace geometry
