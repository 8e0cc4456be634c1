// The main of every test program: tests run on the headless backend wherever
// they install nothing else.
#include <gtest/gtest.h>

#include "zephro/platform/headless/install.h"

int main(int argc, char** argv) {
  zephro::platform::headless::install();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
