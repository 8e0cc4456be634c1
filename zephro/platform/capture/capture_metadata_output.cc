#include "zephro/platform/capture/capture_metadata_output.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/dispatch/main_queue.h"

namespace zephro::platform::capture {

std::shared_ptr<CaptureMetadataOutput> CaptureMetadataOutput::make() {
  return std::make_shared<CaptureMetadataOutput>();
}

void CaptureMetadataOutput::setMetadataObjectsDelegate(std::weak_ptr<MetadataOutputObjectsDelegate> delegate) {
  std::lock_guard lock(mutex_);
  delegate_ = std::move(delegate);
}

std::shared_ptr<MetadataOutputObjectsDelegate> CaptureMetadataOutput::metadataObjectsDelegate() const {
  std::lock_guard lock(mutex_);
  return delegate_.lock();
}

std::vector<MetadataObjectType> CaptureMetadataOutput::availableMetadataObjectTypes() const {
  auto owner = session();
  if (!owner || !owner->hasVideoInput()) return {};
  return {MetadataObjectType::qrCode};
}

std::vector<MetadataObjectType> CaptureMetadataOutput::metadataObjectTypes() const {
  std::lock_guard lock(mutex_);
  return types_;
}

void CaptureMetadataOutput::setMetadataObjectTypes(const std::vector<MetadataObjectType>& types) {
  const auto available = availableMetadataObjectTypes();
  std::vector<MetadataObjectType> kept;
  std::copy_if(types.begin(), types.end(), std::back_inserter(kept), [&](MetadataObjectType type) {
    return std::find(available.begin(), available.end(), type) != available.end();
  });
  std::lock_guard lock(mutex_);
  types_ = std::move(kept);
}

std::shared_ptr<CaptureSession> CaptureMetadataOutput::session() const {
  std::lock_guard lock(mutex_);
  return session_.lock();
}

void CaptureMetadataOutput::setSession(std::weak_ptr<CaptureSession> session) {
  std::lock_guard lock(mutex_);
  session_ = std::move(session);
}

void CaptureMetadataOutput::deliver(MetadataObjects objects) {
  std::weak_ptr<CaptureMetadataOutput> weakSelf = weak_from_this();
  dispatch::MainQueue::async([weakSelf, objects = std::move(objects)] {
    auto self = weakSelf.lock();
    if (!self) return;
    auto owner = self->session();
    auto delegate = self->metadataObjectsDelegate();
    if (owner && owner->isRunning() && delegate) delegate->captureOutputDidOutputMetadataObjects(*self, objects);
  });
}

}  // namespace zephro::platform::capture
