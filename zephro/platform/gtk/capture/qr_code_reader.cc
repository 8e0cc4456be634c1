#include "zephro/platform/gtk/capture/qr_code_reader.h"

#include <ZXing/ReadBarcode.h>

namespace zephro::platform::gtk {

namespace {

// Otherwise ZXing's defaults. Its downscaled pass about doubles the time a
// 1280x720 frame takes (still a few milliseconds, well inside 30 frames a
// second) but helps with large, blurred codes held close to the camera.
const ZXing::DecodeHints& qrHints() {
  static const ZXing::DecodeHints hints = ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode);
  return hints;
}

}  // namespace

std::vector<DecodedCode> readQrCodes(const VideoFrame& greyFrame) {
  const ZXing::DecodeHints& hints = qrHints();
  const ZXing::ImageView image(greyFrame.pixels(), greyFrame.width(), greyFrame.height(),
                               ZXing::ImageFormat::Lum, greyFrame.stride());
  std::vector<DecodedCode> codes;
  for (const ZXing::Result& result : ZXing::ReadBarcodes(image, hints)) {
    if (result.isValid()) codes.push_back({result.text()});
  }
  return codes;
}

}  // namespace zephro::platform::gtk
