#include "zephro/platform/capture/capture_session.h"

#include <algorithm>

#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/capture/capture_device_input.h"
#include "zephro/platform/capture/capture_metadata_output.h"

namespace zephro::platform::capture {

namespace {
template <typename Item>
bool contains(const std::vector<std::shared_ptr<Item>>& items, const std::shared_ptr<Item>& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}
}  // namespace

CaptureSession::CaptureSession() : engine_(deviceProvider()->makeSessionEngine()) {}

CaptureSession::~CaptureSession() { stopRunning(); }

std::shared_ptr<CaptureSession> CaptureSession::make() { return std::make_shared<CaptureSession>(); }

SessionPreset CaptureSession::sessionPreset() const {
  std::lock_guard lock(graphMutex_);
  return preset_;
}

void CaptureSession::setSessionPreset(SessionPreset preset) {
  std::lock_guard lock(graphMutex_);
  preset_ = preset;
}

bool CaptureSession::canAddInput(const std::shared_ptr<CaptureDeviceInput>& input) const {
  if (!input || !input->session_.expired()) return false;
  std::lock_guard lock(graphMutex_);
  const MediaType type = input->device()->mediaType();
  return std::none_of(inputs_.begin(), inputs_.end(),
                      [type](const auto& present) { return present->device()->mediaType() == type; });
}

void CaptureSession::addInput(const std::shared_ptr<CaptureDeviceInput>& input) {
  if (!canAddInput(input)) return;
  input->session_ = weak_from_this();
  std::lock_guard lock(graphMutex_);
  inputs_.push_back(input);
}

void CaptureSession::removeInput(const std::shared_ptr<CaptureDeviceInput>& input) {
  std::lock_guard lock(graphMutex_);
  if (!contains(inputs_, input)) return;
  std::erase(inputs_, input);
  input->session_.reset();
}

std::vector<std::shared_ptr<CaptureDeviceInput>> CaptureSession::inputs() const {
  std::lock_guard lock(graphMutex_);
  return inputs_;
}

bool CaptureSession::hasVideoInput() const {
  std::lock_guard lock(graphMutex_);
  return std::any_of(inputs_.begin(), inputs_.end(),
                     [](const auto& input) { return input->device()->mediaType() == MediaType::video; });
}

bool CaptureSession::canAddOutput(const std::shared_ptr<CaptureMetadataOutput>& output) const {
  return output && !output->session();
}

void CaptureSession::addOutput(const std::shared_ptr<CaptureMetadataOutput>& output) {
  if (!canAddOutput(output)) return;
  output->setSession(weak_from_this());
  std::lock_guard lock(graphMutex_);
  outputs_.push_back(output);
}

void CaptureSession::removeOutput(const std::shared_ptr<CaptureMetadataOutput>& output) {
  std::lock_guard lock(graphMutex_);
  if (!contains(outputs_, output)) return;
  std::erase(outputs_, output);
  output->setSession({});
}

std::vector<std::shared_ptr<CaptureMetadataOutput>> CaptureSession::outputs() const {
  std::lock_guard lock(graphMutex_);
  return outputs_;
}

void CaptureSession::startRunning() {
  std::lock_guard lock(runMutex_);
  if (running_) return;
  if (engine_) running_ = engine_->start(configuration());
}

void CaptureSession::stopRunning() {
  std::lock_guard lock(runMutex_);
  if (!running_) return;
  running_ = false;  // deliveries already under way are dropped from here on
  engine_->stop();
}

void CaptureSession::deliverMetadataObjects(const MetadataObjects& objects) {
  if (!running_) return;
  for (const auto& output : outputs()) output->deliver(objects);
}

SessionConfiguration CaptureSession::configuration() {
  SessionConfiguration configuration;
  std::lock_guard lock(graphMutex_);
  configuration.preset = preset_;
  for (const auto& input : inputs_) {
    if (input->device()->mediaType() == MediaType::video) configuration.videoDevice = input->device();
  }
  for (const auto& output : outputs_) {
    for (MetadataObjectType type : output->metadataObjectTypes()) {
      if (std::find(configuration.metadataObjectTypes.begin(), configuration.metadataObjectTypes.end(), type) ==
          configuration.metadataObjectTypes.end()) {
        configuration.metadataObjectTypes.push_back(type);
      }
    }
  }
  std::weak_ptr<CaptureSession> weakSelf = weak_from_this();
  configuration.deliver = [weakSelf](MetadataObjects objects) {
    if (auto self = weakSelf.lock()) self->deliverMetadataObjects(objects);
  };
  return configuration;
}

}  // namespace zephro::platform::capture
