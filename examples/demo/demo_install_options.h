// How the demo installs the GTK backend.
#pragma once

#include "demo_options.h"
#include "zephro/platform/gtk/install_options.h"

namespace zephro::demo {

// The demo's flags (--camera-image, --store), else the developer's
// environment: ZEPHRO_BUNDLE_DIR, ZEPHRO_WEB_EXTENSION_DIR,
// ZEPHRO_CAMERA_PIPELINE, ZEPHRO_WEB_PROCESS_PER_VIEW=1,
// ZEPHRO_USER_DEFAULTS_PATH.
platform::gtk::InstallOptions installOptionsOf(const DemoOptions& options);

}  // namespace zephro::demo
