// The kit set up the way a host application sets it up (see
// examples/demo/main.cc), for benchmarks that measure the kit as shipped.
#pragma once

#include <filesystem>
#include <memory>

#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::bench::gtk {

// Installs the GTK backend, fills the cloud configuration, points the
// user-defaults store at `store` and prepares the kit. Call after gtk_init().
void prepareKit(const std::filesystem::path& store);

// A window showing the host's own screen in a navigation controller.
struct HostWindow {
  std::shared_ptr<platform::ui::Window> window;
  std::shared_ptr<platform::ui::ViewController> hostScreen;
};

// Shows the host window and opens the kit's home screen above its screen.
HostWindow openKitHome();

}  // namespace zephro::bench::gtk
