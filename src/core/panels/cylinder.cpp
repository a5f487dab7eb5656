// Cylinder: lateral surface, full surface and volume from radius and height.
#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateCylinder() {
    r = read(Field::Text19);
    h = read(Field::Text20);
    S = store((r * 6.283184) * h);  // 2π as 6.283184
    check();
    S1 = store(((r * 6.283184) * r) + S);  // the two bases plus the stored S
    check();
    V = store(((r * 3.141592) * r) * h);
    check();
    write(Field::Text21, S);
    write(Field::Text22, S1);
    write(Field::Text23, V);
}

void Form1Handlers::clearCylinder() {
    writeEmpty(Field::Text19);
    writeEmpty(Field::Text20);
    writeEmpty(Field::Text21);
    writeEmpty(Field::Text22);
    writeEmpty(Field::Text23);
}

}  // namespace geometry
