#pragma once

#include <jsc/jsc.h>

#include <any>

namespace zephro::platform::gtk {

// A page's value as a plain kind (zephro/platform/foundation/kinds.h): a string stays text,
// undefined is empty, everything else goes the way JSON would carry it
// (integral numbers as std::int64_t, null as zephro::Null). A value JSON cannot
// carry (a cycle, a function) is empty.
std::any plainValueOf(JSCValue* value);

}  // namespace zephro::platform::gtk
