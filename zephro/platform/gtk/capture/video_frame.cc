#include "zephro/platform/gtk/capture/video_frame.h"

#include <gst/video/video.h>

#include "zephro/platform/gtk/capture/gst_owned.h"

namespace zephro::platform::gtk {

struct VideoFrame::Mapping {
  GOwned<GstSample> sample;
  GstVideoFrame frame{};
  bool mapped = false;

  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;
  explicit Mapping(GstSample* owned) : sample(owned) {}
  ~Mapping() {
    if (mapped) gst_video_frame_unmap(&frame);
  }
};

std::optional<VideoFrame> VideoFrame::map(GstSample* sample) {
  if (sample == nullptr) return std::nullopt;
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstVideoInfo info;
  if (caps == nullptr || buffer == nullptr || !gst_video_info_from_caps(&info, caps)) return std::nullopt;
  auto mapping = std::make_shared<Mapping>(gst_sample_ref(sample));
  mapping->mapped = gst_video_frame_map(&mapping->frame, &info, buffer, GST_MAP_READ);
  if (!mapping->mapped) return std::nullopt;
  return VideoFrame(std::move(mapping));
}

VideoFrame::VideoFrame(std::shared_ptr<const Mapping> mapping) : mapping_(std::move(mapping)) {}

int VideoFrame::width() const { return GST_VIDEO_FRAME_WIDTH(&mapping_->frame); }

int VideoFrame::height() const { return GST_VIDEO_FRAME_HEIGHT(&mapping_->frame); }

int VideoFrame::stride() const { return GST_VIDEO_FRAME_PLANE_STRIDE(&mapping_->frame, 0); }

const std::uint8_t* VideoFrame::pixels() const {
  return static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&mapping_->frame, 0));
}

std::size_t VideoFrame::byteSize() const {
  return static_cast<std::size_t>(stride()) * static_cast<std::size_t>(height());
}

std::optional<std::uint64_t> VideoFrame::timestamp() const {
  const GstClockTime pts = GST_BUFFER_PTS(mapping_->frame.buffer);
  if (!GST_CLOCK_TIME_IS_VALID(pts)) return std::nullopt;
  return pts;
}

}  // namespace zephro::platform::gtk
