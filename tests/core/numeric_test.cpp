#include "numeric.h"
#include <gtest/gtest.h>
using namespace geometry;
TEST(Smoke, Numeric) { EXPECT_EQ(numberToText(textToNumber("2", ".").value, "."), "2"); }
