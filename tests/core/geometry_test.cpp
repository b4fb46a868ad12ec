#include "core/geometry.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/number_format.h"

namespace vensa {
namespace {

TEST(Geometry, PlaneDistanceAndNearness) {
  EXPECT_DOUBLE_EQ(Distance2D({0, 0, 0}, {3, 4, 100}), 5.0);
  EXPECT_TRUE(NearlyEqual2D({1, 1, 0}, {1.5, 1, 9}, 1.0));
  EXPECT_FALSE(NearlyEqual2D({1, 1, 0}, {1.5, 1, 9}, 0.5));  // strictly below
  EXPECT_FALSE(NearlyEqual2D({1, 1, 0}, {1, 1, 0}, 0.0));
}

TEST(WcsToUcs, RotatedAndShiftedSystem) {
  const TAcadPoint p = WcsToUcs({10, 5, 2}, {0, 1, 0}, {-1, 0, 0}, {10, 0, 0});
  EXPECT_EQ(p, (TAcadPoint{5, 0, 2}));
  const TAcadPoint world = WcsToUcs({1.5, -2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0});
  EXPECT_EQ(world, (TAcadPoint{1.5, -2, 3}));
}

TEST(OcsToWcs, ArbitraryAxisRule) {
  struct Case {
    TAcadPoint p, normal, world;
  };
  const Case cases[] = {
      {{3, 4, 5}, {0, 0, 1}, {3, 4, 5}},     // world system: unchanged
      {{3, 4, 5}, {0, 0, 0}, {3, 4, 5}},     // no normal: taken as world Z
      {{3, 4, 5}, {0, 0, -1}, {-3, 4, -5}},  // mirrored: x and z turn over
      {{3, 4, 5}, {0, 0, -2}, {-3, 4, -5}},  // length of the normal does not matter
      {{3, 4, 5}, {1, 0, 0}, {5, 3, 4}},     // normal along world X
      {{3, 4, 5}, {0, 1, 0}, {-3, 5, 4}},    // normal along world Y
  };
  for (const Case& c : cases) {
    const TAcadPoint w = OcsToWcs(c.p, c.normal);
    EXPECT_NEAR(w.x, c.world.x, 1e-12);
    EXPECT_NEAR(w.y, c.world.y, 1e-12);
    EXPECT_NEAR(w.z, c.world.z, 1e-12);
  }
}

TEST(RoundToDigits, HalfAwayFromZero) {
  EXPECT_EQ(RoundToDigits(2.5, 0), 3.0);
  EXPECT_EQ(RoundToDigits(-2.5, 0), -3.0);
  EXPECT_EQ(FormatFixed(RoundToDigits(1.23449, 3), 3), "1.234");
  EXPECT_EQ(FormatFixed(RoundToDigits(1.2345, 3), 3), "1.235");
  EXPECT_EQ(FormatFixed(RoundToDigits(-150.0005, 3), 3), "-150.001");
}

TEST(RoundToDigits, ValuesBeyondA64BitIntegerComeBackUnchanged) {
  EXPECT_EQ(RoundToDigits(1e300, 3), 1e300);
  EXPECT_EQ(RoundToDigits(-9.3e18, 0), -9.3e18);
  EXPECT_EQ(RoundToDigits(1e10, 10), 1e10);  // 1e20 after scaling
  EXPECT_TRUE(std::isnan(RoundToDigits(std::numeric_limits<double>::quiet_NaN(), 2)));
  EXPECT_EQ(RoundToDigits(std::numeric_limits<double>::infinity(), 2),
            std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace vensa
