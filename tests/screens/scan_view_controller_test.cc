#include "zephro/screens/scan_view_controller.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/headless/headless_capture_device_provider.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/view.h"

namespace zephro {
namespace {

namespace capture = platform::capture;
namespace ui = platform::ui;
using testing::KitTest;
using Calls = std::vector<std::optional<std::string>>;

std::shared_ptr<capture::MetadataObject> qr(std::optional<std::string> text) {
  return capture::MachineReadableCodeObject::make(capture::MetadataObjectType::qrCode, std::move(text));
}

class ScannerTest : public KitTest {
 protected:
  ~ScannerTest() override { capture::setDeviceProvider(nullptr); }

  // Pushes a scanner whose callback records its calls; with a camera, waits
  // until its session runs.
  std::shared_ptr<ScanViewController> pushScanner(bool withCallback = true) {
    auto scanner = ScanViewController::make();
    if (withCallback) scanner->setCallback([this](const std::optional<std::string>& text) { calls.push_back(text); });
    navigation->pushViewController(scanner, true);
    return scanner;
  }
  bool running(const std::shared_ptr<ScanViewController>& scanner) {
    return loop->runUntil([&] { return scanner->session()->isRunning(); }, std::chrono::seconds(5));
  }
  void deliver(const std::shared_ptr<ScanViewController>& scanner, capture::MetadataObjects objects) {
    scanner->session()->deliverMetadataObjects(objects);
    loop->drain();
  }

  std::shared_ptr<platform::headless::HeadlessCaptureDeviceProvider> camera =
      platform::headless::HeadlessCaptureDeviceProvider::install();
  Calls calls;
};

TEST_F(ScannerTest, TheCaptureChainIsBuiltWithThePreviewBeneathEverything) {
  camera->addDevice();
  navigation->setNavigationBarHidden(true);
  auto scanner = pushScanner();
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  ASSERT_TRUE(scanner->input());
  EXPECT_EQ(scanner->session()->sessionPreset(), capture::SessionPreset::hd1280x720);
  EXPECT_EQ(scanner->session()->inputs().size(), 1u);
  EXPECT_EQ(scanner->output()->metadataObjectTypes(),
            std::vector<capture::MetadataObjectType>{capture::MetadataObjectType::qrCode});
  EXPECT_EQ(scanner->view()->layer().sublayers().at(0), scanner->previewLayer());
  EXPECT_EQ(scanner->previewLayer()->videoGravity(), capture::VideoGravity::resizeAspectFill);
  EXPECT_EQ(scanner->previewLayer()->frame(), scanner->view()->bounds());
  EXPECT_TRUE(running(scanner));
}

struct DeliveryCase {
  const char* name;
  std::function<capture::MetadataObjects()> objects;
  std::optional<std::string> text;
};

class ScannerDeliveryTest : public ScannerTest, public ::testing::WithParamInterface<DeliveryCase> {};

TEST_P(ScannerDeliveryTest, TheFirstDeliveryStopsCallsBackOnceAndPops) {
  camera->addDevice();
  auto scanner = pushScanner();
  ASSERT_TRUE(running(scanner));
  deliver(scanner, GetParam().objects());
  EXPECT_FALSE(scanner->session()->isRunning());
  EXPECT_EQ(calls, Calls{GetParam().text});
  EXPECT_EQ(top(), host);
  deliver(scanner, {qr("late")});
  EXPECT_EQ(calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Deliveries, ScannerDeliveryTest,
    ::testing::Values(DeliveryCase{"Code",
                                   [] {
                                     return capture::MetadataObjects{qr("abc"), qr("second")};
                                   },
                                   "abc"},
                      DeliveryCase{"Empty", [] { return capture::MetadataObjects{}; }, std::nullopt},
                      DeliveryCase{"CodeWithoutText", [] { return capture::MetadataObjects{qr(std::nullopt)}; },
                                   std::nullopt},
                      DeliveryCase{"NotACode",
                                   [] {
                                     return capture::MetadataObjects{
                                         std::make_shared<capture::MetadataObject>(capture::MetadataObjectType::face),
                                         qr("abc")};
                                   },
                                   std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScannerTest, WithoutACallbackTheScannerStillStopsAndPops) {
  camera->addDevice();
  auto scanner = pushScanner(false);
  ASSERT_TRUE(running(scanner));
  deliver(scanner, {qr("abc")});
  EXPECT_FALSE(scanner->session()->isRunning());
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

class NoCameraTest : public ScannerTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NoCameraTest, TheScannerStaysOpenAndTellsTheUser) {
  if (GetParam()) {
    camera->addDevice();
    camera->setAccessError("camera access refused");
  }
  auto scanner = pushScanner();
  loop->drain();
  EXPECT_EQ(scanner->input(), nullptr);
  EXPECT_EQ(top(), scanner);
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  EXPECT_EQ(scanner->view()->backgroundColor(), ui::Color::black());
  bool noticeShown = false;
  for (const auto& subview : scanner->view()->subviews()) {
    auto label = std::dynamic_pointer_cast<ui::Label>(subview);
    noticeShown = noticeShown || (label && label->text() == "未检测到摄像头");
  }
  EXPECT_TRUE(noticeShown);
  EXPECT_FALSE(scanner->session()->isRunning());
  deliver(scanner, {qr("abc")});
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(camera->startCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoCameraTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "AccessRefused" : "NoDevice"; });

}  // namespace
}  // namespace zephro
