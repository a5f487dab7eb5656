// Regular polygon: perimeter n·a and area (n·a²/4)·cot(π/n), π as 3.141592.
#include <cmath>

#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateRegularPolygon() {
    n = read(Field::Text33);  // any float: neither whole nor positive is required
    a = read(Field::Text34);
    P = store(a * n);
    check();
    // One statement for the area, checked before each value is handed on. The
    // angle, its cosine and sine and the quarter product stay in double precision.
    double x = checked(divide(3.141592, n));  // a zero n stops here
    const double C = std::cos(x);
    x = checked(divide(3.141592, n));  // the same division once more, for the sine
    const double D = std::sin(x);
    const double q = checked(((a * n) * a) / 4);
    B = store(q * divide(C, D));  // the cotangent as cosine over sine
    check();
    write(Field::Text36, P);
    write(Field::Text37, B);
}

void Form1Handlers::clearRegularPolygon() {
    writeEmpty(Field::Text33);
    writeEmpty(Field::Text34);
    writeEmpty(Field::Text36);
    writeEmpty(Field::Text37);
}

}  // namespace geometry
