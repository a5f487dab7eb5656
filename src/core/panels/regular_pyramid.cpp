// Regular pyramid: lateral surface, full surface and volume from the perimeter
// and area of the base, the apothem and the height, used as typed.
#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateRegularPyramid() {
    B = read(Field::Text13);  // read base area, apothem, height, then perimeter
    k = read(Field::Text14);
    h = read(Field::Text15);
    P = read(Field::Text12);
    S = store(checked((P * k) / 2));  // checked as a double, then rounded
    S1 = store(S + B);  // also reports an overflow in the rounding of S
    check();
    V = store((h * B) / 3);  // the product never rounded to 32-bit before the division
    check();
    write(Field::Text16, S);
    write(Field::Text17, S1);
    write(Field::Text18, V);
}

void Form1Handlers::clearRegularPyramid() {
    writeEmpty(Field::Text12);
    writeEmpty(Field::Text13);
    writeEmpty(Field::Text14);
    writeEmpty(Field::Text15);
    writeEmpty(Field::Text16);
    writeEmpty(Field::Text17);
    writeEmpty(Field::Text18);
}

}  // namespace geometry
