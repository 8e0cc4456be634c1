#include "zephro/platform/gtk/capture/camera_directory.h"

#include <cstdlib>
#include <mutex>
#include <utility>

#include "zephro/platform/gtk/capture/gstreamer_runtime.h"

namespace zephro::platform::gtk {

namespace {

struct HostPipeline {
  std::mutex mutex;
  std::optional<std::string> description;
};

HostPipeline& hostPipeline() {
  static HostPipeline pipeline;
  return pipeline;
}

void appendMonitoredDevices(std::vector<CameraSource>& cameras) {
  if (!ensureGstreamer()) return;
  const auto monitor = GObjectRef<GstDeviceMonitor>::adopt(gst_device_monitor_new());
  gst_device_monitor_add_filter(monitor.get(), "Video/Source", nullptr);
  const GOwned<GList> devices(gst_device_monitor_get_devices(monitor.get()));
  for (GList* item = devices.get(); item != nullptr; item = item->next) {
    // The list hands over a reference to each device.
    const auto device = GObjectRef<GstDevice>::adopt(GST_DEVICE(item->data));
    cameras.push_back(CameraSource::fromDevice(device.get()));
  }
}

}  // namespace

void setHostCameraPipeline(std::optional<std::string> description) {
  std::lock_guard lock(hostPipeline().mutex);
  hostPipeline().description = std::move(description);
}

std::vector<CameraSource> availableCameras() {
  std::vector<CameraSource> cameras;
  const char* fromEnvironment = std::getenv(kCameraPipelineVariable);
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
    cameras.push_back(CameraSource::fromDescription(fromEnvironment));
  }
  {
    std::lock_guard lock(hostPipeline().mutex);
    if (hostPipeline().description) cameras.push_back(CameraSource::fromDescription(*hostPipeline().description));
  }
  appendMonitoredDevices(cameras);
  return cameras;
}

}  // namespace zephro::platform::gtk
