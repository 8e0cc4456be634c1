// A page asks for a QR code; the scanner runs on a still image played as a
// live camera (or on a camera that cannot open).
#include <gtest/gtest.h>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/platform/gtk/capture/camera_directory.h"
#include "zephro/platform/ui/navigation_bar.h"
#include "zephro/screens/scan_view_controller.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;
using Names = std::vector<std::string>;

class ScanQROnGtkTest : public KitOnGtkTest {
 protected:
  ~ScanQROnGtkTest() override { platform::gtk::setHostCamera(std::nullopt); }

  void useStillCamera(const std::vector<std::string>& codes) {
    platform::gtk::setHostCamera(platform::gtk::HostCamera::stillImage(writeCodesPng(scratch() / "camera.png", codes)));
  }
  // Opens the home page and has it call "scanQR"; the page, once the scanner is up.
  std::shared_ptr<Page> scanFromHome() {
    openHome();
    auto page = topPage();
    EXPECT_TRUE(page);
    if (!page) return nullptr;
    read(*page, "probe.call('scan', 'app', 'scanQR')");
    EXPECT_TRUE(spinUntil([this] { return scannerIsOpen(); }));
    return page;
  }
  bool scannerIsOpen() const {
    return std::dynamic_pointer_cast<ScanViewController>(navigation->topViewController()) != nullptr;
  }
  static bool answered(Page& page) { return read(page, "probe.answers.scan !== undefined") == "true"; }
  void tapBack() {
    GtkWidget* back = findDescendant(widgetOf(*navigation->navigationBar()), GTK_TYPE_BUTTON);
    ASSERT_TRUE(back);
    g_signal_emit_by_name(back, "clicked");
  }
};

TEST_F(ScanQROnGtkTest, ACodeAnswersThePageOnceAndClosesTheScanner) {
  useStillCamera({"abc"});
  auto page = scanFromHome();
  ASSERT_TRUE(page);
  const int responses = std::stoi(read(*page, "probe.responses"));

  ASSERT_TRUE(spinUntil([&] { return answered(*page); }));
  EXPECT_EQ(readJson(*page, "probe.answers.scan"), json::parse(R"({"responseBody":{"value":"abc"},"success":true})"));
  EXPECT_TRUE(spinUntil([this] { return stackNames() == Names{"host", "root"}; }));
  // The camera keeps showing the code: no second answer may follow.
  spinFor(std::chrono::milliseconds(500));
  EXPECT_EQ(read(*page, "probe.responses"), std::to_string(responses + 1));
}

// A camera showing no code, and one that cannot open: the scanner stays
// until the user goes back, and the page gets no answer.
class ScanQRWithoutACodeTest : public ScanQROnGtkTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ScanQRWithoutACodeTest, TheScannerStaysAndGoingBackAnswersNothing) {
  if (GetParam()) {
    useStillCamera({});
  } else {
    platform::gtk::setHostCamera(platform::gtk::HostCamera::pipeline("v4l2src device=/dev/zephro-no-such-camera"));
  }
  auto page = scanFromHome();
  ASSERT_TRUE(page);
  spinFor(std::chrono::milliseconds(1500));
  EXPECT_TRUE(scannerIsOpen());

  tapBack();
  EXPECT_TRUE(spinUntil([this] { return stackNames() == Names{"host", "root"}; }));
  spinFor(std::chrono::milliseconds(300));
  EXPECT_FALSE(answered(*page));
}

INSTANTIATE_TEST_SUITE_P(Cameras, ScanQRWithoutACodeTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "StillImage" : "CannotOpen"; });

}  // namespace
}  // namespace zephro::testing::gtk
