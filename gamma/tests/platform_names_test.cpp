// The gamma window beside the C library: on Linux <cmath> and <random>
// declare a function gamma(), so no name of the window may be called that.
// This file builds only while the two can meet in one translation unit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gamma/gamma_window.h"

namespace {

TEST(PlatformNamesTest, TheGammaWindowAndTheMathLibraryShareOneFile) {
  std::mt19937 generator(7);
  std::gamma_distribution<double> spread(2.0, 1.0);
  EXPECT_GT(spread(generator), 0.0);
  EXPECT_DOUBLE_EQ(std::tgamma(4.0), 6.0);
  EXPECT_EQ(gamma_settings::UsablePosition("1.3"), 130);
}

}  // namespace
