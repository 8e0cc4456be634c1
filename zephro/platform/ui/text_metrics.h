#pragma once

#include <string_view>

#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::ui {

// The size a text needs on one line, estimated without fonts: wide (CJK)
// characters take a full em, others a bit over half. Renderers measure for
// real through their peers; this keeps headless layouts plausible.
Size estimateTextSize(std::string_view utf8, double fontSize);

}  // namespace zephro::platform::ui
