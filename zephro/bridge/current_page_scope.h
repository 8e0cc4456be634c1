// The page screen serves the scope "currentPage" itself: calls from its own
// web view reach it without any registration.
#pragma once

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

inline constexpr char kCurrentPageScope[] = "currentPage";

// What a page screen derives from (besides H5ContentViewStack) so that
// dispatch routes "currentPage" calls from its web view to it.
class CurrentPageScope : public JSBImplement {};

}  // namespace zephro
