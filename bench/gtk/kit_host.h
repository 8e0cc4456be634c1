// The kit set up the way a host application sets it up (see
// examples/demo/main.cc), for benchmarks that measure the kit as shipped.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/screens/zp_root_view_controller.h"

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

// The root screen once its child screen is up and, when that is a page, its
// page has loaded; null on timeout.
std::shared_ptr<ZPRootViewController> awaitRootChild();

// `screen` as a page screen, or null.
std::shared_ptr<H5ContentViewController> pageScreen(const std::shared_ptr<platform::ui::ViewController>& screen);
// Waits for the page of `page` to load; false on timeout or without a page.
bool pageLoaded(const std::shared_ptr<H5ContentViewController>& page);

// Pushes a page screen showing `page` above `from` and waits for its page to
// load: the new screen, or null when it did not load.
std::shared_ptr<H5ContentViewController> pushPage(H5ContentViewController& from, const std::string& page,
                                                  bool animated);

}  // namespace zephro::bench::gtk
