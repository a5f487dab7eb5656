#include "fakes.h"
#include <gtest/gtest.h>
using namespace geometry;
using namespace geometry::testing;
TEST(Smoke, Sphere) {
  Bench t(",");
  t.fields.texts[Field::Text30] = "2";
  t.handlers.press(Button::Command9);
  EXPECT_EQ(t.fields.texts[Field::Text31], "50,26547");
  EXPECT_EQ(t.fields.texts[Field::Text32], "33,51031");
}
