// SPDX-License-Identifier: MIT
// Cylinder: lateral surface, full surface and volume from radius and height.
#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::Cylinder>::run() {
    r = read(Field::CylinderRadius);
    h = read(Field::CylinderHeight);
    S = store((r * twoPi) * h);
    check();
    S1 = store(((r * twoPi) * r) + S);  // the two bases plus the stored S
    check();
    V = store(((r * pi) * r) * h);
    check();
    write(Field::CylinderLateralSurface, S);
    write(Field::CylinderFullSurface, S1);
    write(Field::CylinderVolume, V);
}

}  // namespace geometry
