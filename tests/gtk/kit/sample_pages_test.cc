// The sample page bundle as a user meets it in the demo: log in, land on the
// tab bar, watch device events arrive and scan a code.
#include <gtest/gtest.h>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/platform/gtk/capture/camera_directory.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/gtk/tab_bar_peer.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace zephro::testing::gtk {
namespace {

class SamplePagesOnGtkTest : public KitOnGtkTest {
 protected:
  SamplePagesOnGtkTest() { useSamplePages(); }
  ~SamplePagesOnGtkTest() override { platform::gtk::setHostCamera(std::nullopt); }

  // Waits for the page's own script to have run.
  static bool awaitReady(Page& page) {
    return awaitLoaded(*page.webview()) &&
           spinUntil([&page] { return read(page, "document.readyState") == "\"complete\""; });
  }
  static bool awaitText(Page& page, const std::string& expression, const std::string& wanted) {
    return spinUntil([&] { return read(page, expression).find(wanted) != std::string::npos; });
  }
};

TEST_F(SamplePagesOnGtkTest, LogInThenWatchDeviceEventsAndScanOnTheSmartHomeTab) {
  platform::gtk::setHostCamera(platform::gtk::HostCamera::stillImage(writeCodesPng(scratch() / "camera.png", {"abc"})));
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  auto login = topPage();
  ASSERT_TRUE(login && awaitReady(*login));
  read(*login,
       "document.getElementById('account').value = 'ann';"
       "document.getElementById('password').value = 'secret';"
       "document.getElementById('login-form').requestSubmit(); true");
  ASSERT_TRUE(spinUntil([this] { return rootChild<ZPTabbarViewController>() != nullptr; }));
  EXPECT_EQ(socket->token().value_or("").rfind("demo-", 0), 0u);

  auto tabs = rootChild<ZPTabbarViewController>();
  auto* bar = dynamic_cast<platform::gtk::TabBarPeer*>(platform::gtk::GtkViewPeer::of(*tabs->tabBar()));
  ASSERT_TRUE(bar);
  g_signal_emit_by_name(bar->itemButtons()[1].get(), "clicked");
  auto smarthome = std::dynamic_pointer_cast<Page>(tabs->viewControllers()[1]);
  ASSERT_TRUE(smarthome && awaitReady(*smarthome));
  EXPECT_TRUE(awaitText(*smarthome, "document.getElementById('login-state').textContent", "已登录"));

  socket->receive(R"({"messageType":"DeviceReport","name":"Normal","data":{"did":"lamp-7","switch":"on"}})");
  EXPECT_TRUE(awaitText(*smarthome, "document.getElementById('events').textContent", "lamp-7"));

  read(*smarthome, "document.getElementById('scan').click(); true");
  EXPECT_TRUE(awaitText(*smarthome, "document.getElementById('scan-result').textContent", "abc"));
}

}  // namespace
}  // namespace zephro::testing::gtk
