#pragma once

#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/gtk/capture/camera_source.h"

namespace zephro::platform::gtk {

// The environment variable that replaces the cameras with a pipeline
// description (see CameraSource::fromDescription); tests and demos on
// machines without a camera set it.
inline constexpr const char* kCameraPipelineVariable = "ZEPHRO_CAMERA_PIPELINE";

// Sets, or with nothing withdraws, a host's own camera pipeline, offered
// before the devices found. The environment variable still comes first, so a
// developer can override the host without rebuilding it.
void setHostCameraPipeline(std::optional<std::string> description);

// The cameras in order of preference: the environment's pipeline, the host's
// pipeline, then the video sources the device monitor finds.
std::vector<CameraSource> availableCameras();

}  // namespace zephro::platform::gtk
