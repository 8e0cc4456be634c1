#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/capture/session_preset.h"

namespace zephro::platform::capture {

class CaptureDeviceInput;
class CaptureMetadataOutput;

// Connects inputs to outputs and runs capture through the provider's engine.
// Inputs and outputs are configured on the main thread; start may run on a
// background thread and blocks; deliveries may come from any thread.
class CaptureSession : public std::enable_shared_from_this<CaptureSession> {
 public:
  CaptureSession();
  ~CaptureSession();
  CaptureSession(const CaptureSession&) = delete;
  CaptureSession& operator=(const CaptureSession&) = delete;

  static std::shared_ptr<CaptureSession> make();

  SessionPreset sessionPreset() const;
  void setSessionPreset(SessionPreset preset);

  // One input per media type, each input in one session at most.
  bool canAddInput(const std::shared_ptr<CaptureDeviceInput>& input) const;
  void addInput(const std::shared_ptr<CaptureDeviceInput>& input);
  void removeInput(const std::shared_ptr<CaptureDeviceInput>& input);
  std::vector<std::shared_ptr<CaptureDeviceInput>> inputs() const;
  bool hasVideoInput() const;

  // Each output in one session at most.
  bool canAddOutput(const std::shared_ptr<CaptureMetadataOutput>& output) const;
  void addOutput(const std::shared_ptr<CaptureMetadataOutput>& output);
  void removeOutput(const std::shared_ptr<CaptureMetadataOutput>& output);
  std::vector<std::shared_ptr<CaptureMetadataOutput>> outputs() const;

  // Blocks until capture runs (or fails to start); not for the main thread.
  void startRunning();
  void stopRunning();
  bool isRunning() const { return running_; }

  // Hands recognised objects to every output while the session runs. Engines
  // call this from their own threads; headless tests call it directly.
  void deliverMetadataObjects(const MetadataObjects& objects);

  // The backend's engine, made with the session, for renderers that show its
  // preview; null only if the provider could make none.
  SessionEngine* engine() const { return engine_.get(); }

 private:
  SessionConfiguration configuration();

  mutable std::mutex graphMutex_;  // preset, inputs, outputs
  SessionPreset preset_ = SessionPreset::high;
  std::vector<std::shared_ptr<CaptureDeviceInput>> inputs_;
  std::vector<std::shared_ptr<CaptureMetadataOutput>> outputs_;

  std::mutex runMutex_;  // serialises start and stop
  const std::unique_ptr<SessionEngine> engine_;
  std::atomic<bool> running_ = false;
};

}  // namespace zephro::platform::capture
