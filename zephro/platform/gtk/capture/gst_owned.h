// GStreamer's values that are not objects, for GOwned.
#pragma once

#include <gst/gst.h>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

template <> struct GRelease<GstCaps> { static void release(GstCaps* value) { gst_caps_unref(value); } };
template <> struct GRelease<GstSample> { static void release(GstSample* value) { gst_sample_unref(value); } };
template <> struct GRelease<GstMessage> { static void release(GstMessage* value) { gst_message_unref(value); } };
template <> struct GRelease<GstStructure> { static void release(GstStructure* value) { gst_structure_free(value); } };

}  // namespace zephro::platform::gtk
