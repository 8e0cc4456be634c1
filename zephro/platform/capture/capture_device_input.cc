#include "zephro/platform/capture/capture_device_input.h"

#include <utility>

#include "zephro/platform/capture/device_provider.h"

namespace zephro::platform::capture {

CaptureDeviceInput::CaptureDeviceInput(std::shared_ptr<CaptureDevice> device) : device_(std::move(device)) {}

std::shared_ptr<CaptureDeviceInput> CaptureDeviceInput::make(const std::shared_ptr<CaptureDevice>& device,
                                                             std::string* error) {
  std::optional<std::string> refusal =
      device ? deviceProvider()->accessError(*device) : std::optional<std::string>("No capture device");
  if (refusal) {
    if (error) *error = *refusal;
    return nullptr;
  }
  return std::make_shared<CaptureDeviceInput>(device);
}

}  // namespace zephro::platform::capture
