#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/capture/capture_device_input.h"
#include "zephro/platform/capture/capture_metadata_output.h"
#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/dispatch/global_queue.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/headless/headless_capture_device_provider.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::capture {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingDelegate : public MetadataOutputObjectsDelegate {
 public:
  void captureOutputDidOutputMetadataObjects(CaptureMetadataOutput&, const MetadataObjects& objects) override {
    onMainThread = onMainThread && dispatch::isMainThread();
    deliveries.push_back(objects);
  }
  std::vector<MetadataObjects> deliveries;
  bool onMainThread = true;
};

class CaptureTest : public ::testing::Test {
 protected:
  void TearDown() override { setDeviceProvider(nullptr); }

  // The scanner's chain.
  std::shared_ptr<CaptureSession> scanningSession() {
    auto session = CaptureSession::make();
    session->addInput(CaptureDeviceInput::make(provider->addDevice()));
    session->addOutput(output);
    output->setMetadataObjectTypes({MetadataObjectType::qrCode});
    output->setMetadataObjectsDelegate(delegate);
    return session;
  }
  void startInBackground(const std::shared_ptr<CaptureSession>& session) {
    dispatch::GlobalQueue::background().async([session] { session->startRunning(); });
    EXPECT_TRUE(loop->runUntil([&] { return session->isRunning(); }, 5s));
  }

  std::shared_ptr<headless::HeadlessMainLoop> loop = headless::HeadlessMainLoop::install();
  std::shared_ptr<headless::HeadlessCaptureDeviceProvider> provider = headless::HeadlessCaptureDeviceProvider::install();
  std::shared_ptr<CaptureMetadataOutput> output = CaptureMetadataOutput::make();
  std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(CaptureTest, DevicesAreOnlyTheInstalledOnesAndAccessMayBeRefused) {
  EXPECT_EQ(CaptureDevice::defaultDevice(MediaType::video), nullptr);
  std::string error;
  EXPECT_EQ(CaptureDeviceInput::make(nullptr, &error), nullptr);
  EXPECT_FALSE(error.empty());
  auto camera = provider->addDevice(MediaType::video, "front");
  provider->addDevice(MediaType::video, "back");
  EXPECT_EQ(CaptureDevice::defaultDevice(MediaType::video), camera);
  provider->setAccessError("camera access denied");
  EXPECT_EQ(CaptureDeviceInput::make(camera, &error), nullptr);
  EXPECT_EQ(error, "camera access denied");
}

// Metadata types can only be chosen once a video input is in.
TEST_F(CaptureTest, SessionTakesOneInputPerMediaTypeAndOutputsOnlyOnce) {
  auto session = CaptureSession::make();
  session->addOutput(output);
  output->setMetadataObjectTypes({MetadataObjectType::qrCode});
  EXPECT_THAT(output->metadataObjectTypes(), IsEmpty());
  auto input = CaptureDeviceInput::make(provider->addDevice());
  ASSERT_TRUE(session->canAddInput(input));
  session->addInput(input);
  output->setMetadataObjectTypes({MetadataObjectType::face, MetadataObjectType::qrCode});
  EXPECT_THAT(output->metadataObjectTypes(), ElementsAre(MetadataObjectType::qrCode));
  EXPECT_FALSE(session->canAddInput(CaptureDeviceInput::make(provider->addDevice())));
  EXPECT_FALSE(session->canAddInput(nullptr));
  EXPECT_FALSE(CaptureSession::make()->canAddInput(input));
  EXPECT_FALSE(CaptureSession::make()->canAddOutput(output));
  session->removeOutput(output);
  EXPECT_TRUE(CaptureSession::make()->canAddOutput(output));
}

TEST_F(CaptureTest, DeliveriesReachTheDelegateOnTheMainQueueWhileRunning) {
  auto session = scanningSession();
  auto code = MachineReadableCodeObject::make(MetadataObjectType::qrCode, "abc");
  session->deliverMetadataObjects({code});  // not running: nothing
  startInBackground(session);
  EXPECT_EQ(provider->startCount(), 1u);
  std::thread([&] { session->deliverMetadataObjects({code}); }).join();
  EXPECT_THAT(delegate->deliveries, IsEmpty());  // queued, not called on the camera's thread
  loop->drain();
  ASSERT_EQ(delegate->deliveries.size(), 1u);
  EXPECT_TRUE(delegate->onMainThread);
  auto received = std::dynamic_pointer_cast<MachineReadableCodeObject>(delegate->deliveries[0].at(0));
  ASSERT_NE(received, nullptr);
  EXPECT_EQ(received->stringValue(), "abc");
}

// As a delegate does on the first delivery: queued deliveries are dropped
// once the session stops, and a delegate gone meanwhile is not called.
TEST_F(CaptureTest, NothingArrivesAfterStopRunningOrForAReleasedDelegate) {
  auto session = scanningSession();
  startInBackground(session);
  session->deliverMetadataObjects({});
  session->stopRunning();
  loop->drain();
  EXPECT_THAT(delegate->deliveries, IsEmpty());
  EXPECT_FALSE(session->isRunning());
  startInBackground(session);
  session->deliverMetadataObjects({});
  std::weak_ptr<RecordingDelegate> watch = delegate;
  delegate.reset();
  EXPECT_TRUE(watch.expired());
  loop->drain();
}

}  // namespace
}  // namespace zephro::platform::capture
