// SPDX-License-Identifier: MIT
// Cone: lateral surface and full surface from radius and slant height, volume
// from radius and height. The slant height is taken as typed.
#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::Cone>::run() {
    r = read(Field::ConeRadius);
    h = read(Field::ConeHeight);
    l = read(Field::ConeSlantHeight);
    S = store((r * pi) * l);
    check();
    S1 = store(((r * pi) * r) + S);  // the base plus the stored S
    check();
    V = store((((r * pi) * r) * h) / 3.0);  // a true division, last
    check();
    write(Field::ConeLateralSurface, S);
    write(Field::ConeFullSurface, S1);
    write(Field::ConeVolume, V);
}

}  // namespace geometry
