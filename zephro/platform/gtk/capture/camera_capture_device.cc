#include "zephro/platform/gtk/capture/camera_capture_device.h"

#include <utility>

namespace zephro::platform::gtk {

CameraCaptureDevice::CameraCaptureDevice(CameraSource source)
    : capture::CaptureDevice(source.uniqueId(), source.name(), capture::MediaType::video),
      source_(std::move(source)) {}

std::shared_ptr<CameraCaptureDevice> CameraCaptureDevice::make(CameraSource source) {
  return std::make_shared<CameraCaptureDevice>(std::move(source));
}

}  // namespace zephro::platform::gtk
