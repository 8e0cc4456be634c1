#include "demo_install_options.h"

#include <cstdlib>
#include <string_view>

namespace zephro::demo {

namespace {

// The variable's value; empty when unset.
std::string_view environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

platform::gtk::InstallOptions installOptionsOf(const DemoOptions& options) {
  using platform::gtk::HostCamera;
  platform::gtk::InstallOptions install;
  install.bundleDirectory = environment("ZEPHRO_BUNDLE_DIR");
  install.webExtensionDirectory = environment("ZEPHRO_WEB_EXTENSION_DIR");
  install.webProcessPerView = environment("ZEPHRO_WEB_PROCESS_PER_VIEW") == "1";
  install.storePath = options.storePath.value_or(std::string(environment("ZEPHRO_USER_DEFAULTS_PATH")));
  if (options.cameraImage) {
    install.camera = HostCamera::stillImage(*options.cameraImage);
  } else if (auto pipeline = environment("ZEPHRO_CAMERA_PIPELINE"); !pipeline.empty()) {
    install.camera = HostCamera::pipeline(std::string(pipeline));
  }
  return install;
}

}  // namespace zephro::demo
