#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/support/gtk_fixture.h"
#include "zephro/platform/gtk/capture/camera_pipeline.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::gtk {
namespace {

using namespace std::chrono_literals;
using testing::gtk::stillCameraDescription;
using testing::gtk::writeCodesPng;

// Deliveries go through the main queue; a headless loop stands in for the
// main thread, so the test decides when deliveries run.
class CapturePipelineTest : public testing::gtk::GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    loop_ = headless::HeadlessMainLoop::install();
  }

  std::shared_ptr<CameraPipeline> makeCamera(const std::string& description, CameraPipelineOptions options = {}) {
    std::string error;
    auto camera = CameraPipeline::make(CameraSource::fromDescription(description), std::move(options), error);
    EXPECT_TRUE(camera) << error;
    return camera;
  }

  std::shared_ptr<CameraPipeline> startStill(const std::vector<std::string>& codes, CameraPipelineOptions options = {}) {
    auto camera = makeCamera(stillCameraDescription(writeCodesPng(scratch() / "still.png", codes)), std::move(options));
    std::string error;
    if (!camera || !camera->start(error)) throw std::runtime_error("the still camera does not start: " + error);
    return camera;
  }

  bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s) {
    return loop_->runUntil(done, timeout);
  }
  void runFor(std::chrono::milliseconds duration) { loop_->runUntil([] { return false; }, duration); }

  std::shared_ptr<headless::HeadlessMainLoop> loop_;
};

TEST_F(CapturePipelineTest, StillImageWithCodeIsRecognisedOnceThenAgainAfterRestart) {
  auto camera = startStill({"abc"});
  std::vector<std::vector<std::string>> batches;
  camera->setCodesHandler([&](const CodeBatch& batch) {
    // The scanner stops at the first delivery; batches decoded in the
    // meantime must not follow.
    camera->stop();
    std::vector<std::string> texts;
    for (const auto& code : batch.codes) texts.push_back(code.text);
    batches.push_back(texts);
  });
  std::this_thread::sleep_for(300ms);  // a busy main thread: batches queue up meanwhile
  ASSERT_TRUE(runUntil([&] { return !batches.empty(); }));
  runFor(500ms);
  ASSERT_EQ(batches, (std::vector<std::vector<std::string>>{{"abc"}}));
  EXPECT_FALSE(camera->isRunning());

  std::string error;
  ASSERT_TRUE(camera->start(error)) << error;
  EXPECT_TRUE(runUntil([&] { return batches.size() == 2; }));
}

TEST_F(CapturePipelineTest, SlowDecodingDropsFramesWhileThePreviewKeepsItsPace) {
  constexpr auto kDecodeTime = 150ms;
  std::atomic<int> reads = 0;
  CameraPipelineOptions options;
  options.codeReader = [&](const VideoFrame&) {
    ++reads;
    std::this_thread::sleep_for(kDecodeTime);
    return std::vector<DecodedCode>{{"slow"}};
  };
  constexpr auto kRunTime = 2s;
  int batches = 0;
  int previews = 0;
  auto camera = startStill({}, options);
  camera->setCodesHandler([&](const CodeBatch&) { ++batches; });
  camera->setPreviewHandler([&](VideoFrame) { ++previews; });
  runFor(kRunTime);
  camera->stop();
  // The 30 fps preview keeps most of its pace (a loaded machine gets slack);
  // the decoder sees only what it has time for, one batch per frame read.
  EXPECT_GE(previews, 30);  // of 60 frames
  EXPECT_LE(reads, kRunTime / kDecodeTime + 2);
  EXPECT_LE(batches, reads);
}

TEST_F(CapturePipelineTest, MainThreadSeesOnlyTheNewestPreviewFrame) {
  auto camera = startStill({});
  std::vector<std::uint64_t> timestamps;
  camera->setPreviewHandler([&](VideoFrame frame) { timestamps.push_back(frame.timestamp().value_or(0)); });
  // A busy main thread: frames pile up on the streaming side meanwhile.
  std::this_thread::sleep_for(500ms);
  loop_->drain();
  ASSERT_LE(timestamps.size(), 1u);
  ASSERT_TRUE(runUntil([&] { return timestamps.size() >= 3; }));
  EXPECT_TRUE(std::is_sorted(timestamps.begin(), timestamps.end()));
}

struct SizeCase {
  const char* name;
  std::string source;  // "still WxH" or a description
  std::optional<FrameSize> preferred;
  int expectedWidth;
  int expectedHeight;
};

class CapturePreviewSizeTest : public CapturePipelineTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(CapturePreviewSizeTest, PreviewFramesAreRgbaOfTheNegotiatedSize) {
  const SizeCase& param = GetParam();
  std::string description = param.source;
  if (description == "still 800x600") {
    description = stillCameraDescription(writeCodesPng(scratch() / "small.png", {}, 800, 600));
  }
  CameraPipelineOptions options;
  options.preferredSize = param.preferred;
  auto camera = makeCamera(description, options);
  std::optional<VideoFrame> frame;
  camera->setPreviewHandler([&](VideoFrame delivered) { frame = std::move(delivered); });
  std::string error;
  ASSERT_TRUE(camera->start(error)) << error;
  ASSERT_TRUE(runUntil([&] { return frame.has_value(); }));
  EXPECT_EQ(frame->width(), param.expectedWidth);
  EXPECT_EQ(frame->height(), param.expectedHeight);
  EXPECT_GE(frame->stride(), param.expectedWidth * 4);
  EXPECT_EQ(frame->byteSize(), static_cast<std::size_t>(frame->stride()) * param.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, CapturePreviewSizeTest,
    ::testing::Values(SizeCase{"offers720p", "videotestsrc is-live=true", FrameSize{1280, 720}, 1280, 720},
                      SizeCase{"otherPreference", "videotestsrc is-live=true", FrameSize{640, 360}, 640, 360},
                      SizeCase{"cannotOffer720p", "still 800x600", FrameSize{1280, 720}, 800, 600}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephro::platform::gtk
