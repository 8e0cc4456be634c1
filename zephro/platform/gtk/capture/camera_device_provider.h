#pragma once

#include <memory>
#include <optional>
#include <string>

#include "zephro/platform/capture/device_provider.h"

namespace zephro::platform::gtk {

// Capture on this machine's cameras (see availableCameras) through GStreamer,
// with QR codes read by ZXing-cpp. There are no audio devices.
class CameraDeviceProvider : public capture::DeviceProvider {
 public:
  std::shared_ptr<capture::CaptureDevice> defaultDevice(capture::MediaType mediaType) override;
  // Opens the camera once to find out (see CameraSource::tryOpen).
  std::optional<std::string> accessError(const capture::CaptureDevice& device) override;
  std::unique_ptr<capture::SessionEngine> makeSessionEngine() override;
};

}  // namespace zephro::platform::gtk
