#pragma once

#include <gst/gst.h>

#include <filesystem>
#include <string>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

// Where camera pictures come from: a device the GStreamer device monitor
// found, or a pipeline description (a host's own source, or a still image
// played as a video stream in tests). Cheap to copy.
class CameraSource {
 public:
  // `description` is gst-launch syntax ending in one unlinked video output,
  // e.g. "v4l2src device=/dev/video2" or
  // "filesrc location=qr.png ! pngdec ! imagefreeze is-live=true".
  static CameraSource fromDescription(std::string description);
  // A PNG or JPEG file (told apart by its first bytes) shown as a live camera
  // at 30 frames per second. The path never enters a pipeline description, so
  // any file name works.
  static CameraSource fromStillImage(std::filesystem::path file);
  // Adds its own reference to `device`.
  static CameraSource fromDevice(GstDevice* device);

  // Stable across runs: the device node, or the description itself.
  const std::string& uniqueId() const { return uniqueId_; }
  const std::string& name() const { return name_; }

  // A new source element to link in front of the rest of a pipeline; null,
  // with `error` set, when the description does not parse or lacks an output.
  GObjectRef<GstElement> createElement(std::string& error) const;

  // Opens the camera without streaming and closes it again: quick enough for
  // the main thread. False, with `error` set, when it cannot be opened now
  // (absent, access refused, unreadable file, broken description). A source
  // that is not live also shows its first picture, so a broken image fails
  // here; a live camera that fails once streaming fails when started.
  bool tryOpen(std::string& error) const;

 private:
  CameraSource(std::string uniqueId, std::string name, std::string description, GObjectRef<GstDevice> device,
               std::filesystem::path stillImage = {});

  GObjectRef<GstElement> parseDescription(std::string& error) const;

  std::string uniqueId_;
  std::string name_;
  std::string description_;
  GObjectRef<GstDevice> device_;
  std::filesystem::path stillImage_;  // read by the description's element "still-image"
};

}  // namespace zephro::platform::gtk
