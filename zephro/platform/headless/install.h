// Makes the headless backend the platform's default: a headless main loop,
// headless web engines and a capture provider without devices serve wherever
// no other backend installed its own (or a test reset it). Installs nothing
// over what is already installed, so calling it again, or after another
// backend's install, changes no engine a program sees; the options it is given
// say where the kit finds its data.
#pragma once

#include <filesystem>

namespace zephro::platform::headless {

// Where the kit finds its data. An empty path leaves the current choice (by
// default: the bundle installed beside the kit's libraries; the
// store under $XDG_CONFIG_HOME/<app id>/).
struct InstallOptions {
  std::filesystem::path bundleDirectory;  // the kit's resource bundle (pages, images)
  std::filesystem::path storePath;        // the standard user-defaults file
};

void install(const InstallOptions& options = {});

}  // namespace zephro::platform::headless
