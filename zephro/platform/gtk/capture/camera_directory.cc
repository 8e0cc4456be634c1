#include "zephro/platform/gtk/capture/camera_directory.h"

#include <mutex>
#include <utility>

#include "zephro/platform/gtk/capture/gstreamer_runtime.h"

namespace zephro::platform::gtk {

namespace {

struct HostCameraChoice {
  std::mutex mutex;
  std::optional<HostCamera> camera;
};

HostCameraChoice& hostCamera() {
  static HostCameraChoice choice;
  return choice;
}

CameraSource sourceOf(const HostCamera& camera) {
  return camera.kind() == HostCamera::Kind::stillImage ? CameraSource::fromStillImage(camera.file())
                                                       : CameraSource::fromDescription(camera.description());
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

void setHostCamera(std::optional<HostCamera> camera) {
  std::lock_guard lock(hostCamera().mutex);
  hostCamera().camera = std::move(camera);
}

std::vector<CameraSource> availableCameras() {
  std::vector<CameraSource> cameras;
  {
    std::lock_guard lock(hostCamera().mutex);
    if (hostCamera().camera) cameras.push_back(sourceOf(*hostCamera().camera));
  }
  appendMonitoredDevices(cameras);
  return cameras;
}

}  // namespace zephro::platform::gtk
