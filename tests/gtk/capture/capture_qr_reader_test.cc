#include <gst/gst.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/gtk/capture/capture_test_images.h"
#include "zephro/platform/gtk/capture/gstreamer_runtime.h"
#include "zephro/platform/gtk/capture/qr_code_reader.h"

namespace zephro::platform::gtk {
namespace {

// The picture as the decoding branch hands it over: one grey byte per pixel.
VideoFrame greyFrame(GdkPixbuf* picture) {
  const int width = gdk_pixbuf_get_width(picture);
  const int height = gdk_pixbuf_get_height(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  const int rowStride = gdk_pixbuf_get_rowstride(picture);
  const guchar* rgb = gdk_pixbuf_get_pixels(picture);
  std::vector<guint8> grey(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) grey[y * width + x] = rgb[y * rowStride + x * channels];
  }
  GstBuffer* buffer = gst_buffer_new_memdup(grey.data(), grey.size());
  GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "GRAY8", "width", G_TYPE_INT, width,
                                      "height", G_TYPE_INT, height, nullptr);
  GstSample* sample = gst_sample_new(buffer, caps, nullptr, nullptr);
  auto frame = VideoFrame::map(sample);
  gst_sample_unref(sample);
  gst_caps_unref(caps);
  gst_buffer_unref(buffer);
  return std::move(frame.value());
}

std::vector<std::string> sortedTexts(const std::vector<DecodedCode>& codes) {
  std::vector<std::string> texts;
  for (const auto& code : codes) texts.push_back(code.text);
  std::sort(texts.begin(), texts.end());
  return texts;
}

struct ReaderCase {
  const char* name;
  std::vector<std::string> drawn;  // sorted
};

class QrCodeReaderTest : public ::testing::TestWithParam<ReaderCase> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(ensureGstreamer()); }
};

TEST_P(QrCodeReaderTest, FindsEveryDrawnCode) {
  GdkPixbuf* picture = testing::gtk::drawCodes(GetParam().drawn, 1280, 720);
  const VideoFrame frame = greyFrame(picture);
  g_object_unref(picture);
  EXPECT_EQ(sortedTexts(readQrCodes(frame)), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Pictures, QrCodeReaderTest,
                         ::testing::Values(ReaderCase{"blank", {}}, ReaderCase{"one", {"abc"}},
                                           ReaderCase{"unicode", {"扫一扫 ✓ ümlaut"}},
                                           ReaderCase{"two", {"first", "second"}},
                                           ReaderCase{"long", {std::string(600, 'x')}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephro::platform::gtk
