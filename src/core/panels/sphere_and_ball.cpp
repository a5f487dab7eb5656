// SPDX-License-Identifier: MIT
// Sphere and ball: the sphere's surface and the ball's volume from one radius.
#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::SphereAndBall>::run() {
    r = read(Field::SphereRadius);
    S = store((r * fourPi) * r);
    check();
    V = store(((((4.0 / 3.0) * pi) * r) * r) * r);  // 4/3 and π kept apart
    check();
    write(Field::SphereSurface, S);
    write(Field::BallVolume, V);
}

}  // namespace geometry
