#pragma once

#include <gst/gst.h>

#include <string>

namespace zephro::platform::gtk {

// The readable text of an error message posted on a bus.
std::string gstErrorText(GstMessage* errorMessage);

// The first error waiting on `element`'s bus (a pipeline that failed a state
// change), or `fallback` when none was posted.
std::string takeBusError(GstElement* element, const std::string& fallback);

}  // namespace zephro::platform::gtk
