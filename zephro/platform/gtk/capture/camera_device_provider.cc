#include "zephro/platform/gtk/capture/camera_device_provider.h"

#include "zephro/platform/gtk/capture/camera_capture_device.h"
#include "zephro/platform/gtk/capture/camera_directory.h"
#include "zephro/platform/gtk/capture/camera_session_engine.h"

namespace zephro::platform::gtk {

std::shared_ptr<capture::CaptureDevice> CameraDeviceProvider::defaultDevice(capture::MediaType mediaType) {
  if (mediaType != capture::MediaType::video) return nullptr;
  auto cameras = availableCameras();
  if (cameras.empty()) return nullptr;
  return CameraCaptureDevice::make(std::move(cameras.front()));
}

std::optional<std::string> CameraDeviceProvider::accessError(const capture::CaptureDevice& device) {
  const auto* camera = dynamic_cast<const CameraCaptureDevice*>(&device);
  if (camera == nullptr) return "not a camera of this machine";
  std::string error;
  if (camera->source().tryOpen(error)) return std::nullopt;
  return error;
}

std::unique_ptr<capture::SessionEngine> CameraDeviceProvider::makeSessionEngine() {
  return std::make_unique<CameraSessionEngine>();
}

}  // namespace zephro::platform::gtk
