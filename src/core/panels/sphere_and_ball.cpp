// Sphere and ball: the sphere's surface and the ball's volume from one radius.
#include "../form1_handlers.h"

namespace geometry {

void Form1Handlers::calculateSphereAndBall() {
    r = read(Field::Text30);
    S = store((r * 12.566368) * r);  // 4π as 12.566368, exactly as written
    check();
    V = store(((((4.0 / 3.0) * 3.141592) * r) * r) * r);  // 4/3 and π kept apart
    check();
    write(Field::Text31, S);
    write(Field::Text32, V);
}

void Form1Handlers::clearSphereAndBall() {
    writeEmpty(Field::Text30);
    writeEmpty(Field::Text31);
    writeEmpty(Field::Text32);
}

}  // namespace geometry
