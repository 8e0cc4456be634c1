#pragma once

#include <string>
#include <vector>

#include "zephro/platform/gtk/capture/video_frame.h"

namespace zephro::platform::gtk {

// One code found in a frame.
struct DecodedCode {
  std::string text;  // UTF-8
  bool operator==(const DecodedCode&) const = default;
};

// Every QR code in a grey frame (one byte per pixel), in the order found.
// Other symbologies are not looked for. Takes a few milliseconds on a
// 1280x720 frame, so it belongs off the main thread.
std::vector<DecodedCode> readQrCodes(const VideoFrame& greyFrame);

}  // namespace zephro::platform::gtk
