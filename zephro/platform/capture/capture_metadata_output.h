#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/capture/metadata_output_objects_delegate.h"

namespace zephro::platform::capture {

class CaptureSession;

// Reports codes recognised in a session's frames to its delegate, on the
// main queue, while the session runs.
class CaptureMetadataOutput : public std::enable_shared_from_this<CaptureMetadataOutput> {
 public:
  static std::shared_ptr<CaptureMetadataOutput> make();

  // Held weakly: a screen owns its capture objects, not the other way round.
  void setMetadataObjectsDelegate(std::weak_ptr<MetadataOutputObjectsDelegate> delegate);
  std::shared_ptr<MetadataOutputObjectsDelegate> metadataObjectsDelegate() const;

  // What can be recognised: QR codes, once the output is in a session that
  // has a video input; nothing before.
  std::vector<MetadataObjectType> availableMetadataObjectTypes() const;
  std::vector<MetadataObjectType> metadataObjectTypes() const;
  // Types that are not available are left out.
  void setMetadataObjectTypes(const std::vector<MetadataObjectType>& types);

  std::shared_ptr<CaptureSession> session() const;

  // Queues a delivery to the delegate on the main queue. It is dropped if by
  // then the session has stopped, so nothing arrives after stopRunning.
  void deliver(MetadataObjects objects);

 private:
  friend class CaptureSession;
  void setSession(std::weak_ptr<CaptureSession> session);

  mutable std::mutex mutex_;
  std::weak_ptr<MetadataOutputObjectsDelegate> delegate_;
  std::vector<MetadataObjectType> types_;
  std::weak_ptr<CaptureSession> session_;
};

}  // namespace zephro::platform::capture
