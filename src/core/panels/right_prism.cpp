// SPDX-License-Identifier: MIT
// Right prism: the kind field picks a box ("1"), a cube ("2") or any other
// right prism ("3"). The kind is compared as text, exactly; anything else
// matches nothing, and the press changes no field and says what to type.
#include <cmath>

#include "../error_stop.h"
#include "../statements.h"

namespace geometry {

template <>
void Calculation<Panel::RightPrism>::run() {
    bool computed = false;
    // The box: its full surface goes under "S=" and "S1=" is emptied.
    if (readText(Field::PrismKind) == "1") {
        a = read(Field::BoxEdgeA);
        b = read(Field::BoxEdgeB);
        c = read(Field::BoxEdgeC);
        S = store(2 * (((b * a) + (a * c)) + (b * c)));
        check();
        V = store((b * a) * c);
        check();
        write(Field::PrismSurface, S);
        writeEmpty(Field::PrismFullSurface);
        write(Field::PrismVolume, V);
        computed = true;
    }
    // The cube: the volume has no check, so an overflow there shows an infinity.
    if (readText(Field::PrismKind) == "2") {
        cubeEdge = read(Field::CubeEdge);
        S = store(std::pow(cubeEdge, 2.0) * 6);
        check();
        V = store(std::pow(cubeEdge, 3.0));
        write(Field::PrismSurface, S);
        writeEmpty(Field::PrismFullSurface);
        write(Field::PrismVolume, V);
        computed = true;
    }
    // Any other right prism: read perimeter, height, then base area.
    const std::string kind = readText(Field::PrismKind);
    if (kind == "3") {
        P = read(Field::PrismBasePerimeter);
        h = read(Field::PrismHeight);
        B = read(Field::PrismBaseArea);
        S = store(checked(P * h));
        S1 = store((B + B) + S);  // also reports an overflow in the rounding of S
        check();
        V = store(B * h);
        check();
        write(Field::PrismSurface, S);
        write(Field::PrismFullSurface, S1);
        write(Field::PrismVolume, V);
    } else if (!computed) {
        // None matched: a silent press would look as if it had worked.
        throw ErrorStop(StopReason::NotAKind, Field::PrismKind, kind);
    }
}

}  // namespace geometry
