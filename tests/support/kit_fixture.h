// The kit on the headless backend, as a host would run it: a fresh main loop,
// user-defaults store, page bundle and socket manager for each test, a
// visible window with a host screen inside a navigation controller, and
// helpers to reach the screens and pages the kit shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/page_driver.h"
#include "tests/support/recording_renderer.h"
#include "tests/support/recording_socket_manager.h"
#include "tests/support/temporary_page_bundle.h"
#include "tests/support/temporary_user_defaults.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/screens/zp_root_view_controller.h"

namespace zephro::testing {

class KitTest : public ::testing::Test {
 protected:
  // Runs prepare() and restores the H5 manager's settings and the socket
  // manager afterwards.
  KitTest();
  ~KitTest() override;

  // Opens the kit's home above the host screen (pushed) and returns the root.
  std::shared_ptr<ZPRootViewController> openHome();
  // Stores a login token as the login flow would.
  void storeToken(const std::string& token);

  // The screen on top of the host's navigation stack.
  std::shared_ptr<platform::ui::ViewController> top() const { return navigation->topViewController(); }
  // The page screen on top, or the root's child page when the root is on top.
  std::shared_ptr<H5ContentViewController> topPage() const;
  // The pages of the navigation stack, bottom first, as names ("root" for the
  // root screen, "host" for the host screen).
  std::vector<std::string> stackNames() const;

  std::shared_ptr<platform::headless::HeadlessMainLoop> loop = platform::headless::HeadlessMainLoop::install();
  TemporaryStandardUserDefaults store;
  TemporaryPageBundle bundle;
  std::shared_ptr<RecordingSocketManager> socket = std::make_shared<RecordingSocketManager>();
  std::shared_ptr<RecordingRenderer> renderer = RecordingRenderer::install();
  std::shared_ptr<platform::ui::ViewController> host = platform::ui::ViewController::make();
  std::shared_ptr<platform::ui::NavigationController> navigation = platform::ui::NavigationController::make(host);
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make();
};

}  // namespace zephro::testing
