#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/support/gtk_fixture.h"
#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/capture/capture_device_input.h"
#include "zephro/platform/capture/capture_metadata_output.h"
#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/capture/metadata_output_objects_delegate.h"
#include "zephro/platform/capture/video_preview_layer.h"
#include "zephro/platform/dispatch/global_queue.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/gtk/capture/camera_directory.h"
#include "zephro/platform/gtk/capture/camera_preview_widget.h"
#include "zephro/platform/gtk/capture/install_camera.h"
#include "zephro/platform/gtk/glib_main_loop.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::spinFor;
using testing::gtk::spinUntil;
using namespace std::chrono_literals;

// What the scanner does with a delivery: stop the session, keep the texts.
class StoppingDelegate : public capture::MetadataOutputObjectsDelegate {
 public:
  void captureOutputDidOutputMetadataObjects(capture::CaptureMetadataOutput& output,
                                             const capture::MetadataObjects& objects) override {
    output.session()->stopRunning();
    onMainThread = onMainThread && dispatch::isMainThread();
    std::vector<std::optional<std::string>> texts;
    for (const auto& object : objects) {
      auto code = std::dynamic_pointer_cast<capture::MachineReadableCodeObject>(object);
      texts.push_back(code ? code->stringValue() : std::nullopt);
    }
    deliveries.push_back(texts);
  }

  std::vector<std::vector<std::optional<std::string>>> deliveries;
  bool onMainThread = true;
};

// The capture model on this machine's "camera": a still image the host
// offers, the way a developer without a camera runs the kit.
class CaptureSessionTest : public testing::gtk::GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    dispatch::setMainLoop(GlibMainLoop::make());
    installCamera();
  }
  void TearDown() override {
    setHostCamera(std::nullopt);
    capture::setDeviceProvider(nullptr);
    GtkTest::TearDown();
  }

  void useStillCamera(const std::vector<std::string>& codes) {
    setHostCamera(HostCamera::stillImage(testing::gtk::writeCodesPng(scratch() / "camera.png", codes)));
  }

  // Built the way the scanner builds its chain; null when the input fails.
  std::shared_ptr<capture::CaptureSession> makeScanningSession() {
    auto input = capture::CaptureDeviceInput::make(capture::CaptureDevice::defaultDevice(capture::MediaType::video));
    if (!input) return nullptr;
    auto session = capture::CaptureSession::make();
    session->setSessionPreset(capture::SessionPreset::hd1280x720);
    session->addInput(input);
    session->addOutput(output_);
    output_->setMetadataObjectTypes({capture::MetadataObjectType::qrCode});
    output_->setMetadataObjectsDelegate(delegate_);
    return session;
  }

  static void startInBackground(const std::shared_ptr<capture::CaptureSession>& session) {
    dispatch::GlobalQueue::background().async([weak = std::weak_ptr(session)] {
      if (auto session = weak.lock()) session->startRunning();
    });
  }

  std::shared_ptr<capture::CaptureMetadataOutput> output_ = capture::CaptureMetadataOutput::make();
  std::shared_ptr<StoppingDelegate> delegate_ = std::make_shared<StoppingDelegate>();
};

TEST_F(CaptureSessionTest, QrCodeIsDeliveredOnceOnTheMainThread) {
  useStillCamera({"abc"});
  auto session = makeScanningSession();
  ASSERT_TRUE(session);
  startInBackground(session);
  ASSERT_TRUE(spinUntil([&] { return !delegate_->deliveries.empty(); }));
  spinFor(500ms);
  EXPECT_EQ(delegate_->deliveries, (std::vector<std::vector<std::optional<std::string>>>{{"abc"}}));
  EXPECT_TRUE(delegate_->onMainThread);
  EXPECT_FALSE(session->isRunning());
}

TEST_F(CaptureSessionTest, CameraThatCannotBeOpenedRefusesItsInput) {
  setHostCamera(HostCamera::pipeline("v4l2src device=/dev/zephro-no-such-camera"));
  auto device = capture::CaptureDevice::defaultDevice(capture::MediaType::video);
  ASSERT_TRUE(device);
  EXPECT_EQ(device->uniqueID(), "v4l2src device=/dev/zephro-no-such-camera");
  std::string error;
  EXPECT_FALSE(capture::CaptureDeviceInput::make(device, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(capture::CaptureDevice::defaultDevice(capture::MediaType::audio));
}

TEST_F(CaptureSessionTest, SessionWhoseCameraBreaksBeforeStartingDoesNotRun) {
  const auto image = testing::gtk::writeCodesPng(scratch() / "camera.png", {"abc"});
  setHostCamera(HostCamera::stillImage(image));
  auto session = makeScanningSession();
  ASSERT_TRUE(session);
  std::filesystem::remove(image);  // unplugged between opening and starting
  std::atomic<bool> finished = false;
  dispatch::GlobalQueue::background().async([&] {
    session->startRunning();
    finished = true;
  });
  ASSERT_TRUE(spinUntil([&] { return finished.load(); }));
  EXPECT_FALSE(session->isRunning());
}

TEST_F(CaptureSessionTest, PreviewWidgetFillsWithTheCameraPicture) {
  useStillCamera({"abc"});
  auto session = makeScanningSession();
  ASSERT_TRUE(session);
  auto layer = capture::VideoPreviewLayer::make(session);
  layer->setVideoGravity(capture::VideoGravity::resizeAspectFill);
  auto widget = GObjectRef<GtkWidget>::sink(makeCameraPreviewWidget(*layer));
  ASSERT_TRUE(GTK_IS_PICTURE(widget.get()));
  GtkPicture* picture = GTK_PICTURE(widget.get());
  EXPECT_EQ(gtk_picture_get_content_fit(picture), GTK_CONTENT_FIT_COVER);
  EXPECT_TRUE(gtk_picture_get_can_shrink(picture));

  output_->setMetadataObjectsDelegate({});  // keep the session running
  startInBackground(session);
  ASSERT_TRUE(spinUntil([&] {
    GdkPaintable* shown = gtk_picture_get_paintable(picture);
    return shown != nullptr && gdk_paintable_get_intrinsic_width(shown) == 1280;
  }));
  EXPECT_EQ(gdk_paintable_get_intrinsic_height(gtk_picture_get_paintable(picture)), 720);

  // A widget gone before the camera stops is simply no longer fed.
  widget = {};
  spinFor(200ms);
  session->stopRunning();
}

}  // namespace
}  // namespace zephro::platform::gtk
