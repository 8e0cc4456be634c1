#include "zephro/screens/scan_view_controller.h"

#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/headless/headless_capture_device_provider.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/view.h"

namespace zephro {
namespace {

namespace capture = platform::capture;
namespace ui = platform::ui;
using Calls = std::vector<std::optional<std::string>>;

std::shared_ptr<capture::MetadataObject> qr(std::optional<std::string> text) {
  return capture::MachineReadableCodeObject::make(capture::MetadataObjectType::qrCode, std::move(text));
}

class ScannerTest : public testing::KitTest {
 protected:
  ~ScannerTest() override { capture::setDeviceProvider(nullptr); }

  // Pushes a scanner whose callback records its calls.
  std::shared_ptr<ScanViewController> pushScanner(bool withCallback = true) {
    auto scanner = ScanViewController::make();
    if (withCallback) scanner->setCallback([this](const std::optional<std::string>& text) { calls.push_back(text); });
    navigation->pushViewController(scanner, true);
    return scanner;
  }
  bool running(const std::shared_ptr<ScanViewController>& scanner) {
    return loop->runUntil([&] { return scanner->session()->isRunning(); }, std::chrono::seconds(5));
  }
  void deliver(const std::shared_ptr<ScanViewController>& scanner, const capture::MetadataObjects& objects) {
    scanner->session()->deliverMetadataObjects(objects);
    loop->drain();
  }

  std::shared_ptr<platform::headless::HeadlessCaptureDeviceProvider> camera =
      platform::headless::HeadlessCaptureDeviceProvider::install();
  Calls calls;
};

TEST_F(ScannerTest, ScansQRCodesFullScreenWithThePreviewBeneathEverything) {
  camera->addDevice();
  navigation->setNavigationBarHidden(true);
  auto scanner = pushScanner();
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  ASSERT_TRUE(scanner->input());
  EXPECT_EQ(scanner->session()->sessionPreset(), capture::SessionPreset::hd1280x720);
  EXPECT_EQ(scanner->output()->metadataObjectTypes(),
            std::vector<capture::MetadataObjectType>{capture::MetadataObjectType::qrCode});
  EXPECT_EQ(scanner->view()->layer().sublayers().at(0), scanner->previewLayer());
  EXPECT_EQ(scanner->previewLayer()->videoGravity(), capture::VideoGravity::resizeAspectFill);
  EXPECT_EQ(scanner->previewLayer()->frame(), scanner->view()->bounds());
  EXPECT_TRUE(running(scanner));
}

// Only the first object counts, and only when it is a code with a text.
TEST_F(ScannerTest, TheFirstDeliveryStopsCallsBackOnceAndPops) {
  camera->addDevice();
  const std::pair<capture::MetadataObjects, std::optional<std::string>> cases[] = {
      {{qr("abc"), qr("second")}, "abc"},
      {{}, std::nullopt},
      {{qr(std::nullopt)}, std::nullopt},
      {{std::make_shared<capture::MetadataObject>(capture::MetadataObjectType::face), qr("abc")}, std::nullopt}};
  for (const auto& [objects, text] : cases) {
    calls.clear();
    auto scanner = pushScanner();
    ASSERT_TRUE(running(scanner));
    deliver(scanner, objects);
    EXPECT_FALSE(scanner->session()->isRunning());
    EXPECT_EQ(calls, Calls{text});
    EXPECT_EQ(top(), host);
    deliver(scanner, {qr("late")});
    EXPECT_EQ(calls.size(), 1u);
  }
  auto withoutCallback = pushScanner(false);
  ASSERT_TRUE(running(withoutCallback));
  deliver(withoutCallback, {qr("abc")});
  EXPECT_EQ(top(), host);
}

TEST_F(ScannerTest, LeavingByTheBackButtonNeverCallsBack) {
  camera->addDevice();
  std::weak_ptr<ScanViewController> gone;
  {
    auto scanner = pushScanner();
    gone = scanner;
    ASSERT_TRUE(running(scanner));
    navigation->popViewController(true);
  }
  loop->drain();
  EXPECT_TRUE(gone.expired());
  EXPECT_TRUE(calls.empty());
}

// Without a device, or with access refused, the scanner stays and tells the user.
TEST_F(ScannerTest, WithoutACameraTheScannerStaysOpenWithANotice) {
  for (bool refused : {false, true}) {
    if (refused) {
      camera->addDevice();
      camera->setAccessError("camera access refused");
    }
    auto scanner = pushScanner();
    loop->drain();
    EXPECT_EQ(scanner->input(), nullptr);
    EXPECT_EQ(top(), scanner);
    EXPECT_EQ(scanner->view()->backgroundColor(), ui::Color::black());
    auto notice = std::dynamic_pointer_cast<ui::Label>(scanner->view()->subviews().at(0));
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->text(), "未检测到摄像头");
    EXPECT_FALSE(scanner->session()->isRunning());
    deliver(scanner, {qr("abc")});
    EXPECT_TRUE(calls.empty());
  }
  EXPECT_EQ(camera->startCount(), 0u);
}

}  // namespace
}  // namespace zephro
