// The kit on the headless backend, as a host runs it, for one test: a fresh
// main loop, a private user-defaults store, page bundle and $TMPDIR, a
// recording socket manager and renderer, and a visible window with a host
// screen inside a navigation controller. The kit is prepared on construction
// and reset on destruction (resetKit), so tests do not see each other.
// Independent of any test framework; kit_test.h makes it a GoogleTest fixture.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/testing/page_driver.h"
#include "zephro/testing/recording_renderer.h"
#include "zephro/testing/recording_socket_manager.h"
#include "zephro/testing/temporary_directory_scope.h"
#include "zephro/testing/temporary_page_bundle.h"
#include "zephro/testing/temporary_user_defaults.h"

namespace zephro::testing {

class KitHarness {
 public:
  // Runs prepare() with the recording socket manager.
  KitHarness();
  ~KitHarness();
  KitHarness(const KitHarness&) = delete;
  KitHarness& operator=(const KitHarness&) = delete;

  // Opens the kit's home above the host screen (pushed) and returns the root.
  std::shared_ptr<ZPRootViewController> openHome();
  // Stores a login token as the login flow would.
  void storeToken(const std::string& token);
  // Hands `message` to the kit as the host's socket would on receiving it.
  void receiveSocketMessage(const std::string& message) { socket->receive(message); }

  // The screen on top of the host's navigation stack.
  std::shared_ptr<platform::ui::ViewController> top() const { return navigation->topViewController(); }
  // The page screen on top, or the root's child page when the root is on top.
  std::shared_ptr<H5ContentViewController> topPage() const;
  // The pages of the navigation stack, bottom first, as names ("root" for the
  // root screen, "host" for the host screen, "other" for any other screen).
  std::vector<std::string> stackNames() const;

  std::shared_ptr<platform::headless::HeadlessMainLoop> loop = platform::headless::HeadlessMainLoop::install();
  TemporaryDirectoryScope temporaryDirectory;
  TemporaryStandardUserDefaults store;
  TemporaryPageBundle bundle;
  std::shared_ptr<RecordingSocketManager> socket = std::make_shared<RecordingSocketManager>();
  std::shared_ptr<RecordingRenderer> renderer = RecordingRenderer::install();
  std::shared_ptr<platform::ui::ViewController> host = platform::ui::ViewController::make();
  std::shared_ptr<platform::ui::NavigationController> navigation = platform::ui::NavigationController::make(host);
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make();
};

}  // namespace zephro::testing
