#include <gtest/gtest.h>

#include <string>

#include "tests/gtk/capture/capture_test_images.h"
#include "tests/gtk/support/gtk_fixture.h"
#include "zephro/platform/gtk/capture/camera_directory.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::stillCameraDescription;

class CaptureSourcesTest : public testing::gtk::GtkTest {
 protected:
  // `png` saved again as a JPEG file.
  std::filesystem::path asJpeg(const std::filesystem::path& png) {
    GdkPixbuf* picture = gdk_pixbuf_new_from_file(png.c_str(), nullptr);
    const auto jpeg = scratch() / "camera \"quoted\" ! name.jpg";
    EXPECT_TRUE(gdk_pixbuf_save(picture, jpeg.c_str(), "jpeg", nullptr, nullptr));
    g_object_unref(picture);
    return jpeg;
  }
};

TEST_F(CaptureSourcesTest, WorkingSourcesOpen) {
  const auto png = testing::gtk::writeCodesPng(scratch() / "qr.png", {"abc"});
  const CameraSource sources[] = {
      CameraSource::fromDescription(stillCameraDescription(png)),
      CameraSource::fromDescription("videotestsrc is-live=true"),
      CameraSource::fromStillImage(png),
      // Quotes and pipeline syntax in a file name are only a name.
      CameraSource::fromStillImage(asJpeg(png)),
  };
  for (const CameraSource& source : sources) {
    std::string error;
    EXPECT_TRUE(source.tryOpen(error)) << source.uniqueId() << ": " << error;
  }
}

TEST_F(CaptureSourcesTest, SourcesThatCannotBeOpenedSayWhy) {
  const auto corrupt = writeFile("corrupt.png", "not an image");
  const auto corruptDescription = "filesrc location=\"" + corrupt.string() + "\" ! pngdec ! imagefreeze";
  const CameraSource sources[] = {
      CameraSource::fromDescription("v4l2src device=/dev/zephro-no-such-camera"),
      CameraSource::fromDescription("filesrc location=/nonexistent/qr.png ! pngdec ! imagefreeze"),
      // Not live, so its first picture is decoded while opening.
      CameraSource::fromDescription(corruptDescription),
      CameraSource::fromDescription("zephro-no-such-source"),
      CameraSource::fromDescription("videotestsrc ! fakesink"),
      CameraSource::fromDescription("! ! !"),
      CameraSource::fromStillImage("/nonexistent/qr.png"),
  };
  for (const CameraSource& source : sources) {
    std::string error;
    EXPECT_FALSE(source.tryOpen(error)) << source.uniqueId();
    EXPECT_FALSE(error.empty()) << source.uniqueId();
  }
}

}  // namespace
}  // namespace zephro::platform::gtk
