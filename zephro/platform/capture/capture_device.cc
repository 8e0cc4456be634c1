#include "zephro/platform/capture/capture_device.h"

#include <utility>

#include "zephro/platform/capture/device_provider.h"

namespace zephro::platform::capture {

CaptureDevice::CaptureDevice(std::string uniqueID, std::string localizedName, MediaType mediaType)
    : uniqueID_(std::move(uniqueID)), localizedName_(std::move(localizedName)), mediaType_(mediaType) {}

CaptureDevice::~CaptureDevice() = default;

std::shared_ptr<CaptureDevice> CaptureDevice::defaultDevice(MediaType mediaType) {
  return deviceProvider()->defaultDevice(mediaType);
}

}  // namespace zephro::platform::capture
