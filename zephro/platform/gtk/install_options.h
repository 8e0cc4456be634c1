// What a host chooses when it installs the GTK backend.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zephro::platform::gtk {

// A camera the host offers before the machine's own devices.
class HostCamera {
 public:
  enum class Kind { pipeline, stillImage };

  // A GStreamer pipeline in gst-launch syntax ending in one unlinked video
  // output, e.g. "v4l2src device=/dev/video2".
  static HostCamera pipeline(std::string description) { return {Kind::pipeline, std::move(description), {}}; }
  // A PNG or JPEG file shown as a live camera (demos, machines without one).
  static HostCamera stillImage(std::filesystem::path file) { return {Kind::stillImage, {}, std::move(file)}; }

  Kind kind() const { return kind_; }
  const std::string& description() const { return description_; }
  const std::filesystem::path& file() const { return file_; }

 private:
  HostCamera(Kind kind, std::string description, std::filesystem::path file)
      : kind_(kind), description_(std::move(description)), file_(std::move(file)) {}

  Kind kind_;
  std::string description_;
  std::filesystem::path file_;
};

// Empty paths and an absent camera leave the defaults: the bundle and
// web-process extension installed beside the kit's libraries; the store under $XDG_CONFIG_HOME/<app id>/; the
// cameras the device monitor finds.
struct InstallOptions {
  std::filesystem::path bundleDirectory;        // the kit's resource bundle (pages, images)
  std::filesystem::path webExtensionDirectory;  // the kit's web-process extension
  std::optional<HostCamera> camera;
  // Each web view gets its own web process (~200 MB each) instead of sharing one.
  bool webProcessPerView = false;
  std::filesystem::path storePath;  // the standard user-defaults file
};

}  // namespace zephro::platform::gtk
