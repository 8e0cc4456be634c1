// Pictures for camera tests, made at run time so that no binary fixtures are
// kept: QR codes drawn with ZXing's writer onto a white canvas, saved as PNG
// and played back as a live still-image camera.
#pragma once

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace zephro::testing::gtk {

// Draws one QR code per text, side by side and vertically centred, on a white
// `width` x `height` canvas; no texts leave it blank.
inline GdkPixbuf* drawCodes(const std::vector<std::string>& texts, int width, int height) {
  GdkPixbuf* canvas = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  gdk_pixbuf_fill(canvas, 0xffffffff);
  if (texts.empty()) return canvas;
  const int cell = width / static_cast<int>(texts.size());
  const int side = std::min(cell, height) * 3 / 4;
  guchar* pixels = gdk_pixbuf_get_pixels(canvas);
  const int rowStride = gdk_pixbuf_get_rowstride(canvas);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const ZXing::BitMatrix code = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                      .setEncoding(ZXing::CharacterSet::UTF8)
                                      .setMargin(0)
                                      .encode(texts[i], side, side);
    const int left = static_cast<int>(i) * cell + (cell - code.width()) / 2;
    const int top = (height - code.height()) / 2;
    for (int y = 0; y < code.height(); ++y) {
      for (int x = 0; x < code.width(); ++x) {
        if (!code.get(x, y)) continue;
        guchar* pixel = pixels + (top + y) * rowStride + (left + x) * 3;
        pixel[0] = pixel[1] = pixel[2] = 0;
      }
    }
  }
  return canvas;
}

inline std::filesystem::path writeCodesPng(const std::filesystem::path& file, const std::vector<std::string>& texts,
                                           int width = 1280, int height = 720) {
  GdkPixbuf* canvas = drawCodes(texts, width, height);
  GError* error = nullptr;
  const bool saved = gdk_pixbuf_save(canvas, file.c_str(), "png", &error, nullptr);
  g_object_unref(canvas);
  if (!saved) {
    std::string message = error->message;
    g_error_free(error);
    throw std::runtime_error("cannot write " + file.string() + ": " + message);
  }
  return file;
}

// A live camera that shows `png` at `fps` frames per second.
inline std::string stillCameraDescription(const std::filesystem::path& png, int fps = 30) {
  // A trailing caps string would parse as an element name: spell the filter.
  return "filesrc location=\"" + png.string() + "\" ! pngdec ! imagefreeze is-live=true ! capsfilter caps=video/x-raw,framerate=" +
         std::to_string(fps) + "/1";
}

}  // namespace zephro::testing::gtk
