#include "zephro/platform/gtk/capture/camera_source.h"

#include <fstream>
#include <utility>

#include "zephro/platform/gtk/capture/gst_error_text.h"
#include "zephro/platform/gtk/capture/gst_owned.h"
#include "zephro/platform/gtk/capture/gstreamer_runtime.h"

namespace zephro::platform::gtk {

namespace {

// Opening takes milliseconds; a file source decoding its first picture on a
// loaded machine gets generous slack before it counts as unresponsive.
constexpr GstClockTime kOpenTimeout = 5 * GST_SECOND;

std::string takeString(gchar* owned) {
  const GOwned<gchar> text(owned);
  return text ? text.get() : "";
}

std::string deviceNode(GstDevice* device) {
  const GOwned<GstStructure> properties(gst_device_get_properties(device));
  const gchar* path = properties ? gst_structure_get_string(properties.get(), "device.path") : nullptr;
  return path != nullptr ? path : "";
}

bool holdsPicture(GstElement* sink) {
  GOwned<GstSample> sample;
  g_object_get(sink, "last-sample", sample.out(), nullptr);
  return static_cast<bool>(sample);
}

// Pauses `pipeline`, which opens the device (or file) without streaming. A
// source that is not live also hands its first picture to `sink` on the way,
// so a broken image shows here as a failure or as no picture.
bool opensCleanly(GstElement* pipeline, GstElement* sink, const std::string& name, std::string& error) {
  gst_element_set_state(pipeline, GST_STATE_PAUSED);
  switch (gst_element_get_state(pipeline, nullptr, nullptr, kOpenTimeout)) {
    case GST_STATE_CHANGE_FAILURE:
      error = takeBusError(pipeline, "the camera " + name + " cannot be opened");
      return false;
    case GST_STATE_CHANGE_SUCCESS:
      if (holdsPicture(sink)) return true;
      error = "the camera " + name + " has no picture";
      return false;
    default:  // live (streams only when playing) or still busy: open so far
      return true;
  }
}

// JPEG files start with a start-of-image marker; anything else goes to the
// PNG decoder, which rejects what is not a PNG when the camera opens.
const char* stillImageDecoder(const std::filesystem::path& file) {
  char start[3] = {};
  std::ifstream(file, std::ios::binary).read(start, sizeof start);
  return start[0] == '\xff' && start[1] == '\xd8' && start[2] == '\xff' ? "jpegdec" : "pngdec";
}

}  // namespace

CameraSource::CameraSource(std::string uniqueId, std::string name, std::string description,
                           GObjectRef<GstDevice> device, std::filesystem::path stillImage)
    : uniqueId_(std::move(uniqueId)),
      name_(std::move(name)),
      description_(std::move(description)),
      device_(std::move(device)),
      stillImage_(std::move(stillImage)) {}

CameraSource CameraSource::fromDescription(std::string description) {
  std::string id = description;
  return CameraSource(std::move(id), "Camera pipeline", std::move(description), {});
}

CameraSource CameraSource::fromStillImage(std::filesystem::path file) {
  std::string description = "filesrc name=still-image ! " + std::string(stillImageDecoder(file)) +
                            " ! imagefreeze is-live=true ! capsfilter caps=video/x-raw,framerate=30/1";
  return CameraSource(file.string(), "Still image " + file.filename().string(), std::move(description), {}, file);
}

CameraSource CameraSource::fromDevice(GstDevice* device) {
  std::string name = takeString(gst_device_get_display_name(device));
  std::string node = deviceNode(device);
  std::string id = node.empty() ? name : node;
  return CameraSource(std::move(id), std::move(name), {}, GObjectRef<GstDevice>::retain(device));
}

GObjectRef<GstElement> CameraSource::createElement(std::string& error) const {
  if (!ensureGstreamer()) {
    error = "GStreamer is not available";
    return {};
  }
  if (!device_) return parseDescription(error);
  auto element = GObjectRef<GstElement>::sink(gst_device_create_element(device_.get(), nullptr));
  if (!element) error = "the camera " + name_ + " offers no source element";
  return element;
}

GObjectRef<GstElement> CameraSource::parseDescription(std::string& error) const {
  GOwned<GError> parseError;
  auto bin = GObjectRef<GstElement>::sink(
      gst_parse_bin_from_description(description_.c_str(), TRUE, parseError.out()));
  if (parseError) {
    error = "the camera pipeline does not parse: " + std::string(parseError->message);
    return {};
  }
  if (!GObjectRef<GstPad>::adopt(gst_element_get_static_pad(bin.get(), "src"))) {
    error = "the camera pipeline has no unlinked output";
    return {};
  }
  if (!stillImage_.empty()) {
    const auto file = GObjectRef<GstElement>::adopt(gst_bin_get_by_name(GST_BIN(bin.get()), "still-image"));
    g_object_set(file.get(), "location", stillImage_.c_str(), nullptr);
  }
  return bin;
}

bool CameraSource::tryOpen(std::string& error) const {
  auto source = createElement(error);
  if (!source) return false;
  auto pipeline = GObjectRef<GstElement>::sink(gst_pipeline_new(nullptr));
  GstElement* sink = gst_element_factory_make("fakesink", nullptr);
  gst_bin_add_many(GST_BIN(pipeline.get()), source.get(), sink, nullptr);
  if (!gst_element_link(source.get(), sink)) {
    error = "the camera output cannot be linked";
    return false;
  }
  const bool opened = opensCleanly(pipeline.get(), sink, name_, error);
  gst_element_set_state(pipeline.get(), GST_STATE_NULL);
  return opened;
}

}  // namespace zephro::platform::gtk
