// Capture without cameras: the devices are the ones a test adds, sessions
// start at once and recognise nothing by themselves; a test hands them
// objects with CaptureSession::deliverMetadataObjects.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/capture/device_provider.h"

namespace zephro::platform::headless {

class HeadlessCaptureDeviceProvider : public capture::DeviceProvider {
 public:
  // Makes a fresh provider without devices and installs it.
  static std::shared_ptr<HeadlessCaptureDeviceProvider> install();

  // Adds a device; the first of each media type is the default one.
  std::shared_ptr<capture::CaptureDevice> addDevice(capture::MediaType mediaType = capture::MediaType::video,
                                                    std::string name = "Headless Camera");
  void removeAllDevices();
  // From now on opening any device fails with `error` (access refused), or
  // succeeds again when it is absent.
  void setAccessError(std::optional<std::string> error);
  // Sessions started so far.
  std::size_t startCount() const { return starts_->load(); }

  std::shared_ptr<capture::CaptureDevice> defaultDevice(capture::MediaType mediaType) override;
  std::optional<std::string> accessError(const capture::CaptureDevice& device) override;
  std::unique_ptr<capture::SessionEngine> makeSessionEngine() override;

 private:
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<capture::CaptureDevice>> devices_;
  std::optional<std::string> accessError_;
  // Shared with engines, which may outlive the provider.
  std::shared_ptr<std::atomic<std::size_t>> starts_ = std::make_shared<std::atomic<std::size_t>>(0);
};

}  // namespace zephro::platform::headless
