// One page shown on the kit's own page screen, for benchmarks that drive a
// page: the page is written into a page bundle in a scratch directory that
// also holds the user-defaults store, and the kit is prepared as a host
// prepares it.
#pragma once

#include <webkit/webkit.h>

#include <filesystem>
#include <memory>
#include <string>

#include "zephro/testing/scratch_directory.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::bench::gtk {

struct KitPage {
  testing::ScratchDirectory scratch;
  std::filesystem::path file;  // the page's index.html
  std::shared_ptr<H5ContentViewController> screen;
  std::shared_ptr<platform::ui::Window> window;
  WebKitWebView* view = nullptr;
};

// Shows the page `name` made of `html` in a window, with `token` stored as
// the login token; the page may still be loading. Call after gtk_init().
std::unique_ptr<KitPage> showKitPage(const std::string& name, const std::string& html, const std::string& token);

}  // namespace zephro::bench::gtk
