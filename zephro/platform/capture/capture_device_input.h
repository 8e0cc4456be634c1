#pragma once

#include <memory>
#include <string>

namespace zephro::platform::capture {

class CaptureDevice;
class CaptureSession;

// A device opened for capture, ready to feed a session.
class CaptureDeviceInput {
 public:
  explicit CaptureDeviceInput(std::shared_ptr<CaptureDevice> device);

  // Null when there is no device or the provider refuses it (camera access
  // denied, device busy); `error`, if given, then receives why.
  static std::shared_ptr<CaptureDeviceInput> make(const std::shared_ptr<CaptureDevice>& device,
                                                  std::string* error = nullptr);

  const std::shared_ptr<CaptureDevice>& device() const { return device_; }

 private:
  friend class CaptureSession;

  std::shared_ptr<CaptureDevice> device_;
  std::weak_ptr<CaptureSession> session_;  // the one session it feeds
};

}  // namespace zephro::platform::capture
