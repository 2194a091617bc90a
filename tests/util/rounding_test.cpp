#include "orvik/util/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvik {
namespace {

TEST(RoundToStep, NearestMultipleHalvesAway) {
  EXPECT_DOUBLE_EQ(RoundToStep(-7.5, 5), -10);
  EXPECT_DOUBLE_EQ(RoundToStep(7.4, 5), 5);
  EXPECT_DOUBLE_EQ(RoundToStep(12.4, 10), 10);
  EXPECT_DOUBLE_EQ(RoundToStep(27.6, 10), 30);
  EXPECT_DOUBLE_EQ(RoundToStep(1e300, 10), 1e300); // no integer conversion
}

TEST(RoundTo1e10, RemovesDegreeConversionNoise) {
  EXPECT_DOUBLE_EQ(RoundTo1e10(89.99999999999999), 90.0);
  EXPECT_DOUBLE_EQ(RoundTo1e10(-0.00000000001), 0.0);
}

} // namespace
} // namespace orvik
