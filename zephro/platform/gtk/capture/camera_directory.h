#pragma once

#include <optional>
#include <vector>

#include "zephro/platform/gtk/capture/camera_source.h"
#include "zephro/platform/gtk/install_options.h"

namespace zephro::platform::gtk {

// Sets, or with nothing withdraws, the host's own camera, offered before the
// devices found (install sets it from its options).
void setHostCamera(std::optional<HostCamera> camera);

// The cameras in order of preference: the host's camera, then the video
// sources the device monitor finds.
std::vector<CameraSource> availableCameras();

}  // namespace zephro::platform::gtk
