// A full-screen camera view that reads one QR code and hands its text to
// whoever opened it, then pops itself.
//
// Callback contract: called once, on the main thread, on the first delivery
// of recognised objects, before the screen pops itself; with the first
// object's text when it is a machine-readable code with a text, otherwise
// with none. Never called when the user leaves by the back button, nor when
// there is no camera. Not cleared after the call.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "zephro/platform/capture/capture_device.h"
#include "zephro/platform/capture/capture_device_input.h"
#include "zephro/platform/capture/capture_metadata_output.h"
#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/capture/metadata_output_objects_delegate.h"
#include "zephro/platform/capture/video_preview_layer.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro {

// Shown over the dark preview when there is no usable camera.
inline constexpr char kNoCameraMessage[] = "未检测到摄像头";

class ScanViewController : public platform::ui::ViewController,
                           public platform::capture::MetadataOutputObjectsDelegate {
 public:
  using Callback = std::function<void(const std::optional<std::string>&)>;

  static std::shared_ptr<ScanViewController> make();

  const Callback& callback() const { return callback_; }
  void setCallback(Callback callback) { callback_ = std::move(callback); }

  // The capture chain, each part made on first read and then kept; the first
  // read of previewLayer builds it all. device and input may be null (no
  // camera, or access refused).
  const std::shared_ptr<platform::capture::CaptureDevice>& device();
  const std::shared_ptr<platform::capture::CaptureDeviceInput>& input();
  const std::shared_ptr<platform::capture::CaptureMetadataOutput>& output();
  // Preset 1280x720, with the input and output it can take, QR codes only.
  const std::shared_ptr<platform::capture::CaptureSession>& session();
  // Fills the view (aspect fill) beneath everything else.
  const std::shared_ptr<platform::capture::VideoPreviewLayer>& previewLayer();

  // Places the preview and starts the session on the background queue; with
  // no camera, shows kNoCameraMessage instead and starts nothing.
  void viewDidLoad() override;
  // Shows the navigation bar (and so its back button).
  void viewWillAppear(bool animated) override;
  // The first delivery ends the scan: stop, call back, pop.
  void captureOutputDidOutputMetadataObjects(platform::capture::CaptureMetadataOutput& output,
                                             const platform::capture::MetadataObjects& objects) override;

 protected:
  ScanViewController() = default;

 private:
  void startSessionInBackground();
  void showNoCameraNotice();

  Callback callback_;
  std::shared_ptr<platform::capture::CaptureDevice> device_;
  std::shared_ptr<platform::capture::CaptureDeviceInput> input_;
  std::shared_ptr<platform::capture::CaptureMetadataOutput> output_;
  std::shared_ptr<platform::capture::CaptureSession> session_;
  std::shared_ptr<platform::capture::VideoPreviewLayer> previewLayer_;
};

}  // namespace zephro
