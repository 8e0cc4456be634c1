#pragma once

#include <gst/gst.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace zephro::platform::gtk {

// One picture taken from an appsink, mapped for reading. Holds its sample, so
// the pixels stay valid for as long as the frame lives; moving is cheap.
// The pixel format is whatever the appsink's caps asked for (RGBA or GRAY8).
class VideoFrame {
 public:
  // Adds its own reference to `sample`. Nothing when the sample carries no
  // video caps or its buffer cannot be mapped.
  static std::optional<VideoFrame> map(GstSample* sample);

  int width() const;
  int height() const;
  // Bytes from one row to the next (may exceed width times pixel size).
  int stride() const;
  const std::uint8_t* pixels() const;
  std::size_t byteSize() const;
  // The buffer's presentation time in the pipeline's running time, in ns;
  // nothing when the source did not stamp it.
  std::optional<std::uint64_t> timestamp() const;

 private:
  struct Mapping;
  explicit VideoFrame(std::shared_ptr<const Mapping> mapping);

  // Shared, not unique: a frame handed to a GdkTexture keeps its mapping
  // alive through a plain reference count.
  std::shared_ptr<const Mapping> mapping_;
};

}  // namespace zephro::platform::gtk
