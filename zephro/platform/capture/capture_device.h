#pragma once

#include <memory>
#include <string>

#include "zephro/platform/capture/media_type.h"

namespace zephro::platform::capture {

// A camera or microphone. Backends derive from it to carry their own handle.
class CaptureDevice {
 public:
  CaptureDevice(std::string uniqueID, std::string localizedName, MediaType mediaType);
  virtual ~CaptureDevice();
  CaptureDevice(const CaptureDevice&) = delete;
  CaptureDevice& operator=(const CaptureDevice&) = delete;

  // The installed device provider's default device; absent when there is none.
  static std::shared_ptr<CaptureDevice> defaultDevice(MediaType mediaType);

  const std::string& uniqueID() const { return uniqueID_; }
  const std::string& localizedName() const { return localizedName_; }
  MediaType mediaType() const { return mediaType_; }

 private:
  std::string uniqueID_;
  std::string localizedName_;
  MediaType mediaType_;
};

}  // namespace zephro::platform::capture
