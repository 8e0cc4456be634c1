#include "zephro/platform/gtk/capture/install_camera.h"

#include <memory>
#include <mutex>

#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/gtk/capture/camera_device_provider.h"
#include "zephro/platform/gtk/capture/camera_preview_widget.h"
#include "zephro/platform/gtk/layer_widgets.h"

namespace zephro::platform::gtk {

void installCamera() {
  capture::setDeviceProvider(std::make_shared<CameraDeviceProvider>());
  // Registered once per process, however often the backend is installed.
  static std::once_flag registered;
  std::call_once(registered, [] { addLayerWidgetFactory(makeCameraPreviewWidget); });
}

}  // namespace zephro::platform::gtk
