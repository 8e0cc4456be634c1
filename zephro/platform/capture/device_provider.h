#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/capture/media_type.h"
#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/capture/session_preset.h"

namespace zephro::platform::capture {

class CaptureDevice;

using MetadataObjects = std::vector<std::shared_ptr<MetadataObject>>;

// What a session engine is asked to run.
struct SessionConfiguration {
  SessionPreset preset = SessionPreset::high;
  // The video device of the session's input; absent without one.
  std::shared_ptr<CaptureDevice> videoDevice;
  // The kinds of objects the session's outputs want recognised.
  std::vector<MetadataObjectType> metadataObjectTypes;
  // Hands recognised objects to the session; callable from any thread.
  std::function<void(MetadataObjects)> deliver;
};

// Runs one session on a backend's real devices.
class SessionEngine {
 public:
  virtual ~SessionEngine() = default;
  // Blocks until frames flow (or fail to); returns whether the session runs.
  virtual bool start(const SessionConfiguration& configuration) = 0;
  // Blocks until no more objects will be delivered.
  virtual void stop() = 0;
};

// A backend's access to capture devices.
class DeviceProvider {
 public:
  virtual ~DeviceProvider() = default;
  virtual std::shared_ptr<CaptureDevice> defaultDevice(MediaType mediaType) = 0;
  // Why `device` cannot be opened for capture now, if it cannot.
  virtual std::optional<std::string> accessError(const CaptureDevice& device) = 0;
  virtual std::unique_ptr<SessionEngine> makeSessionEngine() = 0;
};

using DeviceProviderMaker = std::function<std::shared_ptr<DeviceProvider>()>;

// Set once at start-up by a backend. Until then (and after passing null) a
// default provider serves, made on first use.
void setDeviceProvider(std::shared_ptr<DeviceProvider> provider);
// What makes the default provider; set by a backend at start-up
// (platform/headless/install.h). Without one, asking for a provider aborts.
void setDefaultDeviceProvider(DeviceProviderMaker maker);
std::shared_ptr<DeviceProvider> deviceProvider();

}  // namespace zephro::platform::capture
