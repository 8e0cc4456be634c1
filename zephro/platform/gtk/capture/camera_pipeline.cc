#include "zephro/platform/gtk/capture/camera_pipeline.h"

#include <utility>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/capture/gst_error_text.h"
#include "zephro/platform/gtk/capture/gst_owned.h"

namespace zephro::platform::gtk {

namespace {

// The preview queue holds one frame and blocks when full, so a source that
// is not live (a still image) is paced by the synchronised preview sink
// instead of spinning. The decoding queue drops the older frame instead:
// while a frame is being read, newer ones replace each other there. Neither
// appsink keeps a "last sample", which would hold a buffer back from a
// camera's small buffer pool.
constexpr const char* kProcessing =
    "capsfilter name=camera-size ! tee name=split "
    "split. ! queue max-size-buffers=1 max-size-bytes=0 max-size-time=0 ! videoconvert "
    "! video/x-raw,format=RGBA "
    "! appsink name=preview max-buffers=1 drop=true enable-last-sample=false "
    "split. ! queue leaky=downstream max-size-buffers=1 max-size-bytes=0 max-size-time=0 ! videoconvert "
    "! video/x-raw,format=GRAY8 "
    "! appsink name=scan max-buffers=1 drop=true sync=false enable-last-sample=false";

// The preferred size first, so that a source able to offer it picks it, then
// any raw video.
GOwned<GstCaps> sizeCaps(const std::optional<FrameSize>& preferred) {
  GstCaps* any = gst_caps_new_empty_simple("video/x-raw");
  if (!preferred) return GOwned<GstCaps>(any);
  GstCaps* caps = gst_caps_new_simple("video/x-raw", "width", G_TYPE_INT, preferred->width, "height", G_TYPE_INT,
                                      preferred->height, nullptr);
  gst_caps_append(caps, any);  // takes `any`
  return GOwned<GstCaps>(caps);
}

// Opening a camera and its first picture take well under a second; a loaded
// machine gets generous slack before the camera counts as unresponsive.
constexpr std::chrono::milliseconds kStartTimeout{5000};

std::optional<VideoFrame> pullFrame(GstAppSink* sink) {
  const GOwned<GstSample> sample(gst_app_sink_pull_sample(sink));
  return VideoFrame::map(sample.get());
}

GObjectRef<GstBus> busOf(GstElement* element) { return GObjectRef<GstBus>::adopt(gst_element_get_bus(element)); }

}  // namespace

std::shared_ptr<CameraPipeline> CameraPipeline::make(const CameraSource& source, CameraPipelineOptions options,
                                                     std::string& error) {
  std::shared_ptr<CameraPipeline> pipeline(new CameraPipeline(std::move(options)));
  if (!pipeline->build(source, error)) return nullptr;
  return pipeline;
}

CameraPipeline::CameraPipeline(CameraPipelineOptions options) : options_(std::move(options)) {}

CameraPipeline::~CameraPipeline() {
  if (!pipeline_) return;
  gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
  gst_bus_set_sync_handler(busOf(pipeline_.get()).get(), nullptr, nullptr, nullptr);
}

bool CameraPipeline::build(const CameraSource& source, std::string& error) {
  auto sourceElement = source.createElement(error);
  if (!sourceElement) return false;
  GOwned<GError> parseError;
  auto processing = GObjectRef<GstElement>::sink(gst_parse_bin_from_description(kProcessing, TRUE, parseError.out()));
  if (parseError) {
    error = "the camera pipeline cannot be built: " + std::string(parseError->message);
    return false;
  }
  pipeline_ = GObjectRef<GstElement>::sink(gst_pipeline_new("zephro-camera"));
  gst_bin_add_many(GST_BIN(pipeline_.get()), sourceElement.get(), processing.get(), nullptr);
  if (!gst_element_link(sourceElement.get(), processing.get())) {
    error = "the camera " + source.name() + " delivers no raw video";
    return false;
  }
  auto sizeFilter = GObjectRef<GstElement>::adopt(gst_bin_get_by_name(GST_BIN(pipeline_.get()), "camera-size"));
  g_object_set(sizeFilter.get(), "caps", sizeCaps(options_.preferredSize).get(), nullptr);
  attachSink("preview", [this](GstAppSink* sink) { return onPreviewSample(sink); });
  attachSink("scan", [this](GstAppSink* sink) { return onScanSample(sink); });
  using BusHandler = Trampoline<GstBusSyncReply(GstBus*, GstMessage*)>;
  gst_bus_set_sync_handler(busOf(pipeline_.get()).get(), BusHandler::call,
                           BusHandler::own([this](GstBus*, GstMessage* message) { return onBusMessage(message); }),
                           BusHandler::destroy);
  return true;
}

void CameraPipeline::attachSink(const char* name, std::function<GstFlowReturn(GstAppSink*)> onSample) {
  using SampleHandler = Trampoline<GstFlowReturn(GstAppSink*)>;
  auto sink = GObjectRef<GstElement>::adopt(gst_bin_get_by_name(GST_BIN(pipeline_.get()), name));
  GstAppSinkCallbacks callbacks{};
  callbacks.new_sample = SampleHandler::call;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink.get()), &callbacks, SampleHandler::own(std::move(onSample)),
                             SampleHandler::destroy);
}

bool CameraPipeline::start(std::string& error) {
  std::lock_guard lock(stateMutex_);
  if (running_) return true;
  startup_.reset();
  const bool started = gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE &&
                       startup_.wait(kStartTimeout) == StartupLatch::Outcome::flowing;
  if (!started) {
    error = takeLastError();
    stopLocked();
    return false;
  }
  running_ = true;
  return true;
}

void CameraPipeline::stop() {
  std::lock_guard lock(stateMutex_);
  stopLocked();
}

void CameraPipeline::stopLocked() {
  ++generation_;
  gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
  running_ = false;
  previewSlot_.take();
  takeLastError();
}

std::string CameraPipeline::takeLastError() {
  std::lock_guard lock(errorMutex_);
  std::string error = std::exchange(lastError_, {});
  return error.empty() ? "the camera showed no picture in time" : error;
}

std::optional<std::uint64_t> CameraPipeline::runningTime() const {
  const auto clock = GObjectRef<GstClock>::adopt(gst_element_get_clock(pipeline_.get()));
  if (!clock) return std::nullopt;
  return gst_clock_get_time(clock.get()) - gst_element_get_base_time(pipeline_.get());
}

GstFlowReturn CameraPipeline::onPreviewSample(GstAppSink* sink) {
  auto frame = pullFrame(sink);
  if (!frame) return GST_FLOW_OK;
  startup_.report(StartupLatch::Outcome::flowing);
  if (previewSlot_.put(std::move(*frame))) postPreviewDelivery();
  return GST_FLOW_OK;
}

GstFlowReturn CameraPipeline::onScanSample(GstAppSink* sink) {
  // Read before decoding: a stop during the decoding voids this frame.
  const std::uint64_t generation = generation_;
  auto frame = pullFrame(sink);
  if (!frame || !options_.codeReader) return GST_FLOW_OK;
  CodeBatch batch{options_.codeReader(*frame), frame->timestamp()};
  if (!batch.codes.empty()) postCodes(std::move(batch), generation);
  return GST_FLOW_OK;
}

GstBusSyncReply CameraPipeline::onBusMessage(GstMessage* message) {
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) fail(gstErrorText(message));
  // A camera has no end: its stream ending means it went away.
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) fail("the camera stopped sending pictures");
  // Nothing reads the bus asynchronously: queued messages would pile up.
  return GST_BUS_DROP;
}

void CameraPipeline::postPreviewDelivery() {
  dispatch::MainQueue::async([weak = weak_from_this()] {
    auto self = weak.lock();
    if (!self) return;
    auto frame = self->previewSlot_.take();
    if (frame && self->previewHandler_) self->previewHandler_(std::move(*frame));
  });
}

void CameraPipeline::postCodes(CodeBatch batch, std::uint64_t generation) {
  dispatch::MainQueue::async([weak = weak_from_this(), batch = std::move(batch), generation] {
    auto self = weak.lock();
    if (!self || self->generation_ != generation || !self->codesHandler_) return;
    self->codesHandler_(batch);
  });
}

void CameraPipeline::fail(std::string error) {
  const std::uint64_t generation = generation_;
  {
    // The first error names the cause; the ones after it are consequences.
    std::lock_guard lock(errorMutex_);
    if (lastError_.empty()) lastError_ = error;
  }
  startup_.report(StartupLatch::Outcome::failed);
  dispatch::MainQueue::async([weak = weak_from_this(), error = std::move(error), generation] {
    auto self = weak.lock();
    if (self && self->stopIfStillIn(generation) && self->failureHandler_) self->failureHandler_(error);
  });
}

bool CameraPipeline::stopIfStillIn(std::uint64_t generation) {
  // Under the lock: a start that is failing right now reports the failure
  // itself, and bumps the generation before this can look.
  std::lock_guard lock(stateMutex_);
  if (generation_ != generation) return false;
  stopLocked();
  return true;
}

}  // namespace zephro::platform::gtk
