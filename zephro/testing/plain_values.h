// Exact comparison of plain values (zephro/platform/foundation/kinds.h) for tests: same C++
// type at every level, then equal.
#pragma once

#include <any>

namespace zephro::testing {

bool plainEquals(const std::any& a, const std::any& b);

}  // namespace zephro::testing
