// Right prism: the choice field picks a box ("1"), a cube ("2") or any other
// right prism ("3"). The choice is compared as text, exactly; anything else
// matches nothing and the press does nothing.
#include <cmath>

#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateRightPrism() {
    // The box: its full surface goes under "S=" and "S1=" is emptied.
    if (readText(Field::Text8) == "1") {
        a = read(Field::Text1);
        b = read(Field::Text2);
        c = read(Field::Text3);
        S = store(2 * (((b * a) + (a * c)) + (b * c)));
        check();
        V = store((b * a) * c);
        check();
        write(Field::Text9, S);
        writeEmpty(Field::Text10);
        write(Field::Text11, V);
    }
    // The cube: the volume has no check, so an overflow there shows an infinity.
    if (readText(Field::Text8) == "2") {
        cubeEdge = read(Field::Text7);
        S = store(std::pow(cubeEdge, 2.0) * 6);
        check();
        V = store(std::pow(cubeEdge, 3.0));
        write(Field::Text9, S);
        writeEmpty(Field::Text10);
        write(Field::Text11, V);
    }
    // Any other right prism: read perimeter, height, then base area.
    if (readText(Field::Text8) == "3") {
        P = read(Field::Text4);
        h = read(Field::Text6);
        B = read(Field::Text5);
        S = store(checked(P * h));
        S1 = store((B + B) + S);  // also reports an overflow in the rounding of S
        check();
        V = store(B * h);
        check();
        write(Field::Text9, S);
        write(Field::Text10, S1);
        write(Field::Text11, V);
    }
}

void Form1Handlers::clearRightPrism() {
    writeEmpty(Field::Text1);
    writeEmpty(Field::Text2);
    writeEmpty(Field::Text3);
    writeEmpty(Field::Text4);
    writeEmpty(Field::Text5);
    writeEmpty(Field::Text6);
    writeEmpty(Field::Text7);
    writeEmpty(Field::Text8);
    writeEmpty(Field::Text9);
    writeEmpty(Field::Text10);
    writeEmpty(Field::Text11);
}

}  // namespace geometry
