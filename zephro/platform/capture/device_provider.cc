#include "zephro/platform/capture/device_provider.h"

#include <mutex>
#include <utility>

#include "zephro/platform/headless/headless_capture_device_provider.h"

namespace zephro::platform::capture {

namespace {
std::mutex providerMutex;
std::shared_ptr<DeviceProvider> installedProvider;
}  // namespace

void setDeviceProvider(std::shared_ptr<DeviceProvider> provider) {
  std::lock_guard lock(providerMutex);
  installedProvider = std::move(provider);
}

std::shared_ptr<DeviceProvider> deviceProvider() {
  std::lock_guard lock(providerMutex);
  if (!installedProvider) installedProvider = std::make_shared<headless::HeadlessCaptureDeviceProvider>();
  return installedProvider;
}

}  // namespace zephro::platform::capture
