// The GTK backend's install options as the test and benchmark programs take
// them from their environment, so that a developer can point a run at another
// bundle, extension or camera without rebuilding.
#pragma once

#include "zephro/platform/gtk/install_options.h"

namespace zephro::testing::gtk {

// ZEPHRO_BUNDLE_DIR, ZEPHRO_WEB_EXTENSION_DIR, ZEPHRO_CAMERA_PIPELINE (a
// pipeline description), ZEPHRO_WEB_PROCESS_PER_VIEW=1 and
// ZEPHRO_USER_DEFAULTS_PATH; unset or empty ones keep the defaults.
platform::gtk::InstallOptions installOptionsFromEnvironment();

}  // namespace zephro::testing::gtk
