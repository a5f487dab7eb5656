// Cone: lateral surface and full surface from radius and slant height, volume
// from radius and height. The slant height is taken as typed.
#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateCone() {
    r = read(Field::Text24);
    h = read(Field::Text25);
    l = read(Field::Text26);
    S = store((r * 3.141592) * l);
    check();
    S1 = store(((r * 3.141592) * r) + S);  // the base plus the stored S
    check();
    V = store((((r * 3.141592) * r) * h) / 3.0);  // a true division, last
    check();
    write(Field::Text27, S);
    write(Field::Text28, S1);
    write(Field::Text29, V);
}

void Form1Handlers::clearCone() {
    writeEmpty(Field::Text24);
    writeEmpty(Field::Text25);
    writeEmpty(Field::Text26);
    writeEmpty(Field::Text27);
    writeEmpty(Field::Text28);
    writeEmpty(Field::Text29);
}

}  // namespace geometry
