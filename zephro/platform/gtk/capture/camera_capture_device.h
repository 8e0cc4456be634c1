#pragma once

#include <memory>

#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/gtk/capture/camera_source.h"

namespace zephro::platform::gtk {

// A video capture device backed by a GStreamer camera source.
class CameraCaptureDevice : public capture::CaptureDevice {
 public:
  explicit CameraCaptureDevice(CameraSource source);
  static std::shared_ptr<CameraCaptureDevice> make(CameraSource source);

  const CameraSource& source() const { return source_; }

 private:
  CameraSource source_;
};

}  // namespace zephro::platform::gtk
