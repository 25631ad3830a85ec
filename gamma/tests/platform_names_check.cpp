// The gamma window beside the C library: on Linux <cmath> and <random>
// declare a function gamma(), so no name of the window may be called that.
// This file is compiled, never run: the build fails while the two cannot
// meet in one translation unit.
#include <cmath>
#include <random>

#include "gamma/gamma_window.h"

namespace {

[[maybe_unused]] double BothNamesInOneFunction() {
  std::mt19937 generator(7);
  std::gamma_distribution<double> spread(2.0, 1.0);
  return spread(generator) + std::tgamma(4.0) + gamma_settings::UsablePosition("1.3").value_or(0);
}

}  // namespace
