// The whole kit on the GTK backend, as a host runs it: a real window with a
// host screen inside a navigation controller, real WebKitGTK pages and a
// recording socket manager. Every page of the test bundle carries the sample
// bundle's bridge script and a probe script that records what native code
// hands it (start-up globals, query, events, answers).
#pragma once

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

#include "tests/gtk/support/gtk_backend_fixture.h"
#include "zephro/testing/recording_socket_manager.h"
#include "zephro/testing/temporary_page_bundle.h"
#include "zephro/testing/temporary_user_defaults.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::testing::gtk {

class KitOnGtkTest : public GtkBackendTest {
 protected:
  using Page = H5ContentViewController;

  KitOnGtkTest();
  ~KitOnGtkTest() override;

  // Opens the kit's home above the host screen and waits for its page (or
  // other child screen) to be up.
  std::shared_ptr<ZPRootViewController> openHome();
  // The page screen on top, or the root's child page when the root is on top.
  std::shared_ptr<Page> topPage() const;
  // The root screen's child as a `Screen`, when the root screen is on top.
  template <typename Screen>
  std::shared_ptr<Screen> rootChild() const {
    auto root = std::dynamic_pointer_cast<ZPRootViewController>(navigation->topViewController());
    return root ? std::dynamic_pointer_cast<Screen>(root->child()) : nullptr;
  }
  // Opens the home page, has it replace the root's child with `route` and
  // waits for the new child.
  template <typename Screen>
  std::shared_ptr<Screen> openHomeAndReplaceWith(const std::string& route) {
    openHome();
    send(*topPage(), "window", "replace", "{route: '" + route + "'}");
    spinUntil([this] { return rootChild<Screen>() != nullptr; });
    return rootChild<Screen>();
  }
  // The pages of the navigation stack, bottom first ("host", "root", page names).
  std::vector<std::string> stackNames() const;

  // Spins until the page's probe runs; false on timeout.
  static bool awaitProbe(Page& page);
  // Evaluates `expression` in the page and returns its value as JSON text.
  static std::string read(Page& page, const std::string& expression);
  // The same, parsed (discarded when the evaluation failed).
  static nlohmann::json readJson(Page& page, const std::string& expression);
  // Calls zephro.invoke from the page; the answer, or a discarded value when
  // none came within a few seconds.
  nlohmann::json call(Page& page, const std::string& scope, const std::string& method,
                   const std::string& paramsJson = "undefined");
  // True when the call is still unanswered once a later call has been answered.
  bool callIsSilent(Page& page, const std::string& scope, const std::string& method,
                    const std::string& paramsJson = "undefined");
  // Posts a call that keeps no invoke id (zephro.send).
  static void send(Page& page, const std::string& scope, const std::string& method,
                   const std::string& paramsJson = "undefined");

  // Writes another probe page into the bundle.
  void addProbePage(const std::string& name) const;
  // Replaces the probe pages with the sample page bundle.
  void useSamplePages() const;
  std::filesystem::path sourceDirectory() const { return ZEPHRO_TEST_SOURCE_DIR; }

  TemporaryStandardUserDefaults store;
  TemporaryPageBundle bundle{std::initializer_list<const char*>{}};
  std::shared_ptr<RecordingSocketManager> socket = std::make_shared<RecordingSocketManager>();
  std::shared_ptr<platform::ui::ViewController> host = platform::ui::ViewController::make();
  std::shared_ptr<platform::ui::NavigationController> navigation = platform::ui::NavigationController::make(host);
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make(platform::ui::Rect::make(0, 0, 390, 844));

 private:
  ZephroCloudConfig savedConfig_ = ZephroSdk4TolmarRunner::cloudConfig();
  std::string sendCall(Page& page, const std::string& scope, const std::string& method, const std::string& paramsJson);
  int nextCallKey_ = 1;
};

}  // namespace zephro::testing::gtk
