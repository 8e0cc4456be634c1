// The whole kit driven the way a host and its pages drive it.
#include <gtest/gtest.h>

#include <thread>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/headless/headless_capture_device_provider.h"
#include "zephro/platform/ui/application.h"
#include "zephro/screens/scan_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using testing::KitTest;
using testing::postBridgeMessage;
using testing::responsesOf;
using testing::scriptsOf;
using testing::scriptsSince;
using Names = std::vector<std::string>;

class KitFlowTest : public KitTest {
 protected:
  ~KitFlowTest() override { platform::capture::setDeviceProvider(nullptr); }

  // The top page posts one call.
  void pageCalls(const std::string& json) {
    auto page = topPage();
    ASSERT_TRUE(page);
    EXPECT_TRUE(postBridgeMessage(*page->webview(), json));
  }
  std::shared_ptr<H5ContentViewController> tab(std::size_t index) {
    auto tabs = std::dynamic_pointer_cast<ZPTabbarViewController>(root->child());
    return tabs ? std::dynamic_pointer_cast<H5ContentViewController>(tabs->viewControllers().at(index)) : nullptr;
  }

  std::shared_ptr<ZPRootViewController> root;
};

TEST_F(KitFlowTest, LogInOpenAPageReceiveADeviceEventScanAndLogOut) {
  root = openHome();
  auto login = topPage();
  ASSERT_EQ(login->pageName(), "login");

  // The login page stores the login and switches the root to the tab bar.
  pageCalls(R"({"scope":"app","method":"setLoginUserInfo","params":{"userToken":{"accessToken":"T9"}},"invokeId":1})");
  EXPECT_EQ(responsesOf(*login->webview()), Names{R"(window.__jsb.onResponse({"success":true}, 1))"});
  EXPECT_EQ(socket->token(), "T9");
  pageCalls(R"({"scope":"window","method":"replace","params":{"route":"native/tabbar"}})");
  ASSERT_TRUE(tab(0));
  EXPECT_EQ(tab(0)->pageName(), "home");

  // The home tab opens a detail page.
  ASSERT_TRUE(postBridgeMessage(*tab(0)->webview(),
                                R"({"scope":"window","method":"push","params":{"route":"detail","params":{"id":1}}})"));
  EXPECT_EQ(stackNames(), (Names{"host", "root", "detail"}));
  auto detail = topPage();
  std::size_t seen = scriptsOf(*detail->webview()).size();

  // A device report from the host's socket thread reaches every page.
  std::thread([this] {
    socket->receive(R"({"messageType":"DeviceReport","name":"Normal","data":{"did":"d1"}})");
  }).join();
  loop->drain();
  EXPECT_EQ(scriptsSince(*detail->webview(), seen), Names{R"(window.__eventBus.emit('deviceEvent', '{"did":"d1"}'))"});

  // The detail page scans a code; the answer comes back to it.
  auto camera = platform::headless::HeadlessCaptureDeviceProvider::install();
  camera->addDevice();
  pageCalls(R"({"scope":"app","method":"scanQR","invokeId":5})");
  auto scanner = std::dynamic_pointer_cast<ScanViewController>(top());
  ASSERT_TRUE(scanner);
  ASSERT_TRUE(loop->runUntil([&] { return scanner->session()->isRunning(); }, std::chrono::seconds(5)));
  scanner->session()->deliverMetadataObjects(
      {platform::capture::MachineReadableCodeObject::make(platform::capture::MetadataObjectType::qrCode, "dev:42")});
  loop->drain();
  EXPECT_EQ(top(), detail);
  EXPECT_EQ(responsesOf(*detail->webview()).back(),
            R"(window.__jsb.onResponse({"responseBody":{"value":"dev:42"},"success":true}, 5))");

  // Logging out from the detail page goes back to the login page at the root.
  pageCalls(R"({"scope":"app","method":"setLoginUserInfo","invokeId":6})");
  pageCalls(R"({"scope":"window","method":"replace","params":{"route":"login"}})");
  EXPECT_EQ(stackNames(), (Names{"host", "root"}));
  EXPECT_EQ(topPage()->pageName(), "login");
  EXPECT_EQ(socket->token(), std::nullopt);
}

}  // namespace
}  // namespace zephro
