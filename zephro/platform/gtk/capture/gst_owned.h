// GStreamer's values that are not objects, for GOwned.
#pragma once

#include <gst/gst.h>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

template <>
struct GRelease<GstCaps> {
  static void release(GstCaps* caps) { gst_caps_unref(caps); }
};
template <>
struct GRelease<GstSample> {
  static void release(GstSample* sample) { gst_sample_unref(sample); }
};
template <>
struct GRelease<GstMessage> {
  static void release(GstMessage* message) { gst_message_unref(message); }
};
template <>
struct GRelease<GstStructure> {
  static void release(GstStructure* structure) { gst_structure_free(structure); }
};

}  // namespace zephro::platform::gtk
