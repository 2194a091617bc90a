#include "orvik/util/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvik {
namespace {

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
  EXPECT_EQ(RoundHalfAway(2.5), 3);
  EXPECT_EQ(RoundHalfAway(-2.5), -3);
  EXPECT_EQ(RoundHalfAway(-0.4), 0);
  EXPECT_EQ(RoundHalfAway(2.4999), 2);
  EXPECT_EQ(RoundHalfAway(-1.5), -2);
}

TEST(RoundHalfAway, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
}

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
