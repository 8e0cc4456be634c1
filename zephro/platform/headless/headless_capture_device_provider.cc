#include "zephro/platform/headless/headless_capture_device_provider.h"

#include <algorithm>
#include <utility>

namespace zephro::platform::headless {

namespace {
class HeadlessSessionEngine : public capture::SessionEngine {
 public:
  explicit HeadlessSessionEngine(std::shared_ptr<std::atomic<std::size_t>> starts) : starts_(std::move(starts)) {}

  bool start(const capture::SessionConfiguration& /*configuration*/) override {
    ++*starts_;
    return true;
  }
  void stop() override {}

 private:
  std::shared_ptr<std::atomic<std::size_t>> starts_;
};
}  // namespace

std::shared_ptr<HeadlessCaptureDeviceProvider> HeadlessCaptureDeviceProvider::install() {
  auto provider = std::make_shared<HeadlessCaptureDeviceProvider>();
  capture::setDeviceProvider(provider);
  return provider;
}

std::shared_ptr<capture::CaptureDevice> HeadlessCaptureDeviceProvider::addDevice(capture::MediaType mediaType,
                                                                                std::string name) {
  std::lock_guard lock(mutex_);
  auto device = std::make_shared<capture::CaptureDevice>("headless-" + std::to_string(devices_.size()),
                                                         std::move(name), mediaType);
  devices_.push_back(device);
  return device;
}

void HeadlessCaptureDeviceProvider::removeAllDevices() {
  std::lock_guard lock(mutex_);
  devices_.clear();
}

void HeadlessCaptureDeviceProvider::setAccessError(std::optional<std::string> error) {
  std::lock_guard lock(mutex_);
  accessError_ = std::move(error);
}

std::shared_ptr<capture::CaptureDevice> HeadlessCaptureDeviceProvider::defaultDevice(capture::MediaType mediaType) {
  std::lock_guard lock(mutex_);
  auto found = std::find_if(devices_.begin(), devices_.end(),
                            [mediaType](const auto& device) { return device->mediaType() == mediaType; });
  return found == devices_.end() ? nullptr : *found;
}

std::optional<std::string> HeadlessCaptureDeviceProvider::accessError(const capture::CaptureDevice& /*device*/) {
  std::lock_guard lock(mutex_);
  return accessError_;
}

std::unique_ptr<capture::SessionEngine> HeadlessCaptureDeviceProvider::makeSessionEngine() {
  return std::make_unique<HeadlessSessionEngine>(starts_);
}

}  // namespace zephro::platform::headless
