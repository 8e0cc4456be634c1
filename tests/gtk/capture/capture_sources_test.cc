#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/support/gtk_fixture.h"
#include "zephro/platform/gtk/capture/camera_directory.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::stillCameraDescription;

class CaptureSourcesTest : public testing::gtk::GtkTest {
 protected:
  void TearDown() override {
    unsetenv(kCameraPipelineVariable);
    setHostCameraPipeline(std::nullopt);
    GtkTest::TearDown();
  }
};

TEST_F(CaptureSourcesTest, EnvironmentPipelineComesBeforeTheHostsThenTheDevices) {
  setenv(kCameraPipelineVariable, "videotestsrc pattern=ball", 1);
  setHostCameraPipeline("videotestsrc pattern=snow");
  auto cameras = availableCameras();
  ASSERT_GE(cameras.size(), 2u);
  EXPECT_EQ(cameras[0].uniqueId(), "videotestsrc pattern=ball");
  EXPECT_EQ(cameras[1].uniqueId(), "videotestsrc pattern=snow");

  setenv(kCameraPipelineVariable, "", 1);  // set but empty counts as unset
  cameras = availableCameras();
  ASSERT_GE(cameras.size(), 1u);
  EXPECT_EQ(cameras[0].uniqueId(), "videotestsrc pattern=snow");
}

TEST_F(CaptureSourcesTest, WorkingSourcesOpen) {
  const auto still = testing::gtk::writeCodesPng(scratch() / "qr.png", {"abc"});
  for (const std::string& description : {stillCameraDescription(still), std::string("videotestsrc is-live=true")}) {
    std::string error;
    EXPECT_TRUE(CameraSource::fromDescription(description).tryOpen(error)) << description << ": " << error;
  }
}

TEST_F(CaptureSourcesTest, SourcesThatCannotBeOpenedSayWhy) {
  const auto corrupt = writeFile("corrupt.png", "not an image");
  for (const std::string& description : {
           std::string("v4l2src device=/dev/zephro-no-such-camera"),
           std::string("filesrc location=/nonexistent/qr.png ! pngdec ! imagefreeze"),
           // Not live, so its first picture is decoded while opening.
           "filesrc location=\"" + corrupt.string() + "\" ! pngdec ! imagefreeze",
           std::string("zephro-no-such-source"),
           std::string("videotestsrc ! fakesink"),
           std::string("! ! !"),
       }) {
    std::string error;
    EXPECT_FALSE(CameraSource::fromDescription(description).tryOpen(error)) << description;
    EXPECT_FALSE(error.empty()) << description;
  }
}

}  // namespace
}  // namespace zephro::platform::gtk
