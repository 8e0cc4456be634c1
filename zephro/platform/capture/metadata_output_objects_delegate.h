#pragma once

#include "zephro/platform/capture/device_provider.h"

namespace zephro::platform::capture {

class CaptureMetadataOutput;

class MetadataOutputObjectsDelegate {
 public:
  virtual ~MetadataOutputObjectsDelegate() = default;
  // Called on the main queue with what one frame showed.
  virtual void captureOutputDidOutputMetadataObjects(CaptureMetadataOutput& output,
                                                     const MetadataObjects& objects) = 0;
};

}  // namespace zephro::platform::capture
