// The kit harness as a GoogleTest fixture: derive tests from KitTest to get a
// prepared kit and its helpers as members. Header-only, so that the harness
// itself needs no test framework; link GoogleTest where this is included.
#pragma once

#include <gtest/gtest.h>

#include "zephro/testing/kit_harness.h"

namespace zephro::testing {

class KitTest : public ::testing::Test, public KitHarness {};

}  // namespace zephro::testing
