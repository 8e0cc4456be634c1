// Pages that cannot be shown on the real engine: a killed web process, a crash
// loop, a server that refuses or never answers, and the retry.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/local_page_server.h"
#include "tests/gtk/support/process_tree.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/testing/posted_objects.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/h5/load_h5_page.h"
#include "zephro/h5/page_process_termination.h"

namespace zephro::testing::gtk {
namespace {

class RecoveryOnGtkTest : public KitOnGtkTest {
 protected:
  ~RecoveryOnGtkTest() override { setPageLoadTimeoutForTesting({}); }

  static void killWebProcesses() {
    for (const auto& process : liveDescendants(getpid())) {
      if (process.name.starts_with("WebKitWebProces")) kill(process.pid, SIGKILL);
    }
  }
  // The page once it shows its failure view on screen.
  static bool awaitFailureView(Page& page) {
    return spinUntil([&] { return page.failureView() && isOnScreen(*page.failureView()); });
  }
  // Clicks the failure view's retry button and waits for the page's probe.
  static bool retry(Page& page) {
    g_signal_emit_by_name(findDescendant(widgetOf(*page.failureView()), GTK_TYPE_BUTTON), "clicked");
    return !page.failureView() && awaitProbe(page);
  }
  bool bridgeAnswers(Page& page) { return !call(page, "app", "getToken").is_discarded(); }
  // Opens the home page from a development server without waiting for it.
  std::shared_ptr<Page> openHomeFrom(const LocalPageServer& server) {
    H5Manager::shared().setIsDebug(true);
    H5Manager::shared().setDebugHost(server.origin());
    ZephroSdk4TolmarRunner::openSdkHome(*host);
    return topPage();
  }

  PostedObjects<PageProcessTermination> told{kPageProcessTerminatedNotification};
};

TEST_F(RecoveryOnGtkTest, AKilledWebProcessReloadsThePageOnceAndAnotherKillSoonAfterShowsTheFailureView) {
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  read(*page, "window.beforeTheKill = true");

  killWebProcesses();
  ASSERT_TRUE(spinUntil([&] { return told.objects.size() == 1; }));
  EXPECT_TRUE(told.objects[0].reloading);
  ASSERT_TRUE(awaitProbe(*page));
  EXPECT_EQ(read(*page, "typeof window.beforeTheKill"), R"("undefined")");
  EXPECT_TRUE(bridgeAnswers(*page));
  EXPECT_FALSE(page->failureView());

  // Killed again as soon as its page is back, it gives up within 10 s of a
  // reload (a slow machine may take more than 10 s to get here: one more
  // round). Not sooner: a web process killed before WebKit has learnt its id
  // aborts WebKit's side in this process.
  for (std::size_t kills = 1; kills < 4 && told.objects.back().reloading; ++kills) {
    ASSERT_TRUE(awaitProbe(*page));
    killWebProcesses();
    ASSERT_TRUE(spinUntil([&] { return told.objects.size() == kills + 1; }));
  }
  EXPECT_FALSE(told.objects.back().reloading);
  ASSERT_TRUE(awaitFailureView(*page));
  EXPECT_EQ(page->failureView()->reasonLabel()->text(), "页面进程意外结束");
  ASSERT_TRUE(retry(*page));
  EXPECT_TRUE(bridgeAnswers(*page));
}

// The first page finds no server; the page pushed from it meets one that never
// answers. Neither shows WebKit's error page.
TEST_F(RecoveryOnGtkTest, FailedLoadsShowTheFailureViewAndRetryLoadsOnceTheServerAnswers) {
  LocalPageServer server(bundle.path() / "dist");
  server.stopListening();
  ZephroSdk4TolmarRunner::cloudConfig().setLanguage("en");
  auto login = openHomeFrom(server);
  ASSERT_TRUE(login && awaitFailureView(*login));
  EXPECT_EQ(login->failureView()->messageLabel()->text(), "This page could not be loaded.");
  const std::string reason = login->failureView()->reasonLabel()->text();
  EXPECT_FALSE(reason.empty());
  awaitLoaded(*login->webview());
  EXPECT_NE(read(*login, "document.body.innerText.length > 0"), "true");
  server.startListening();
  ASSERT_TRUE(retry(*login));
  EXPECT_TRUE(bridgeAnswers(*login));

  server.setSilent(true);
  setPageLoadTimeoutForTesting(1s);
  send(*login, "window", "push", "{route: 'detail'}");
  ASSERT_TRUE(spinUntil([&] { return stackNames() == std::vector<std::string>{"host", "root", "detail"}; }));
  auto detail = topPage();
  ASSERT_TRUE(awaitFailureView(*detail));
  EXPECT_EQ(detail->failureView()->reasonLabel()->text(), "The server did not answer in time.");
  server.setSilent(false);
  ASSERT_TRUE(retry(*detail));
  EXPECT_TRUE(bridgeAnswers(*detail));
}

}  // namespace
}  // namespace zephro::testing::gtk
