#pragma once

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/gtk/capture/camera_source.h"
#include "zephro/platform/gtk/capture/latest_only_slot.h"
#include "zephro/platform/gtk/capture/qr_code_reader.h"
#include "zephro/platform/gtk/capture/startup_latch.h"
#include "zephro/platform/gtk/capture/video_frame.h"
#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

struct FrameSize {
  int width = 0;
  int height = 0;
};

// The codes read from one frame; never empty when delivered.
struct CodeBatch {
  std::vector<DecodedCode> codes;
  // The frame's timestamp, in the pipeline's running time (ns).
  std::optional<std::uint64_t> frameTimestamp;
};

// Reads the codes in one grey frame; runs on the decoding thread.
using CodeReader = std::function<std::vector<DecodedCode>(const VideoFrame& greyFrame)>;

struct CameraPipelineOptions {
  // Asked of the source when it can deliver it; otherwise the source keeps
  // its own size.
  std::optional<FrameSize> preferredSize = FrameSize{1280, 720};
  // None leaves frames unread.
  CodeReader codeReader = readQrCodes;
};

// A running camera: the source, split into a preview branch (RGBA frames for
// the main thread, only the newest kept) and a decoding branch (GRAY8 frames
// read on their own streaming thread; frames arriving while one is being
// read are dropped). Everything it delivers reaches the main thread through
// the main queue; after a stop made on the main thread, nothing taken before
// it is delivered.
class CameraPipeline : public std::enable_shared_from_this<CameraPipeline> {
 public:
  using PreviewHandler = std::function<void(VideoFrame rgbaFrame)>;
  using CodesHandler = std::function<void(const CodeBatch& batch)>;
  using FailureHandler = std::function<void(const std::string& error)>;

  // Builds the pipeline without starting it; null, with `error` set, when the
  // source's element cannot be made or linked.
  static std::shared_ptr<CameraPipeline> make(const CameraSource& source, CameraPipelineOptions options,
                                              std::string& error);
  ~CameraPipeline();
  CameraPipeline(const CameraPipeline&) = delete;
  CameraPipeline& operator=(const CameraPipeline&) = delete;

  // Set before the first start (from any thread) or on the main thread;
  // called on the main thread.
  void setPreviewHandler(PreviewHandler handler) { previewHandler_ = std::move(handler); }
  void setCodesHandler(CodesHandler handler) { codesHandler_ = std::move(handler); }
  // A camera that fails or ends while running (unplugged, stream error)
  // stops itself, then reports here.
  void setFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }

  // Callable from any thread, not meant for the main one: blocks until the
  // first picture has gone through (a camera takes a moment to open).
  // Starting a running pipeline does nothing. False, with `error` set and the
  // pipeline stopped, when the camera refuses to start, fails or ends before
  // its first picture, or shows none within a few seconds.
  bool start(std::string& error);
  // Callable from any thread; returns once no streaming thread runs.
  void stop();
  bool isRunning() const { return running_; }

  // The pipeline clock now, in the running time that frame timestamps use;
  // nothing while stopped. Now minus a frame's timestamp is the frame's age.
  std::optional<std::uint64_t> runningTime() const;

 private:
  explicit CameraPipeline(CameraPipelineOptions options);
  bool build(const CameraSource& source, std::string& error);
  void attachSink(const char* name, std::function<GstFlowReturn(GstAppSink*)> onSample);
  void stopLocked();
  // Stops unless a stop (or failed start) came after `generation` began.
  bool stopIfStillIn(std::uint64_t generation);
  // Why the camera failed since the last stop; cleared by taking it.
  std::string takeLastError();

  // Streaming threads.
  GstFlowReturn onPreviewSample(GstAppSink* sink);
  GstFlowReturn onScanSample(GstAppSink* sink);
  GstBusSyncReply onBusMessage(GstMessage* message);
  void postPreviewDelivery();
  void postCodes(CodeBatch batch, std::uint64_t generation);
  void fail(std::string error);

  CameraPipelineOptions options_;
  GObjectRef<GstElement> pipeline_;

  std::mutex stateMutex_;  // serialises start and stop
  std::atomic<bool> running_ = false;
  // Bumped by every stop: work started before it is not delivered after it.
  std::atomic<std::uint64_t> generation_ = 0;

  StartupLatch startup_;
  LatestOnlySlot<VideoFrame> previewSlot_;
  std::mutex errorMutex_;
  std::string lastError_;

  PreviewHandler previewHandler_;
  CodesHandler codesHandler_;
  FailureHandler failureHandler_;
};

}  // namespace zephro::platform::gtk
