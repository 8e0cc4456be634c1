#include "zephro/platform/capture/device_provider.h"

#include <mutex>
#include <utility>

#include "zephro/platform/foundation/missing_backend.h"

namespace zephro::platform::capture {

namespace {
std::mutex providerMutex;
std::shared_ptr<DeviceProvider> installedProvider;
DeviceProviderMaker makeDefaultProvider;
}  // namespace

void setDeviceProvider(std::shared_ptr<DeviceProvider> provider) {
  std::lock_guard lock(providerMutex);
  installedProvider = std::move(provider);
}

void setDefaultDeviceProvider(DeviceProviderMaker maker) {
  std::lock_guard lock(providerMutex);
  makeDefaultProvider = std::move(maker);
}

std::shared_ptr<DeviceProvider> deviceProvider() {
  std::lock_guard lock(providerMutex);
  if (!installedProvider && makeDefaultProvider) installedProvider = makeDefaultProvider();
  if (!installedProvider) foundation::missingBackend("capture device provider");
  return installedProvider;
}

}  // namespace zephro::platform::capture
