#include "tests/gtk/support/install_options_from_environment.h"

#include <cstdlib>
#include <string>

namespace zephro::testing::gtk {

namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

platform::gtk::InstallOptions installOptionsFromEnvironment() {
  platform::gtk::InstallOptions options;
  options.bundleDirectory = variable("ZEPHRO_BUNDLE_DIR");
  options.webExtensionDirectory = variable("ZEPHRO_WEB_EXTENSION_DIR");
  if (auto pipeline = variable("ZEPHRO_CAMERA_PIPELINE"); !pipeline.empty()) {
    options.camera = platform::gtk::HostCamera::pipeline(pipeline);
  }
  options.webProcessPerView = variable("ZEPHRO_WEB_PROCESS_PER_VIEW") == "1";
  options.storePath = variable("ZEPHRO_USER_DEFAULTS_PATH");
  return options;
}

}  // namespace zephro::testing::gtk
