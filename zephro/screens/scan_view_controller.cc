#include "zephro/screens/scan_view_controller.h"

#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/dispatch/global_queue.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view.h"

namespace zephro {

namespace {

namespace capture = platform::capture;
namespace ui = platform::ui;

std::optional<std::string> firstCodeText(const capture::MetadataObjects& objects) {
  if (objects.empty()) return std::nullopt;
  const auto* code = dynamic_cast<const capture::MachineReadableCodeObject*>(objects.front().get());
  return code ? code->stringValue() : std::nullopt;
}

}  // namespace

std::shared_ptr<ScanViewController> ScanViewController::make() {
  return std::shared_ptr<ScanViewController>(new ScanViewController);
}

const std::shared_ptr<capture::CaptureDevice>& ScanViewController::device() {
  if (!device_) device_ = capture::CaptureDevice::defaultDevice(capture::MediaType::video);
  return device_;
}

const std::shared_ptr<capture::CaptureDeviceInput>& ScanViewController::input() {
  if (!input_ && device()) input_ = capture::CaptureDeviceInput::make(device());
  return input_;
}

const std::shared_ptr<capture::CaptureMetadataOutput>& ScanViewController::output() {
  if (!output_) {
    output_ = capture::CaptureMetadataOutput::make();
    std::weak_ptr<ViewController> self = weak_from_this();
    output_->setMetadataObjectsDelegate(std::static_pointer_cast<ScanViewController>(self.lock()));
  }
  return output_;
}

const std::shared_ptr<capture::CaptureSession>& ScanViewController::session() {
  if (!session_) {
    session_ = capture::CaptureSession::make();
    session_->setSessionPreset(capture::SessionPreset::hd1280x720);
    if (input() && session_->canAddInput(input())) session_->addInput(input());
    if (session_->canAddOutput(output())) session_->addOutput(output());
    output()->setMetadataObjectTypes({capture::MetadataObjectType::qrCode});
  }
  return session_;
}

const std::shared_ptr<capture::VideoPreviewLayer>& ScanViewController::previewLayer() {
  if (!previewLayer_) {
    previewLayer_ = capture::VideoPreviewLayer::make(session());
    previewLayer_->setVideoGravity(capture::VideoGravity::resizeAspectFill);
  }
  return previewLayer_;
}

void ScanViewController::viewDidLoad() {
  ViewController::viewDidLoad();
  previewLayer()->setFrame(view()->bounds());
  view()->layer().insertSublayer(previewLayer(), 0);
  if (input()) {
    startSessionInBackground();
  } else {
    showNoCameraNotice();
  }
}

// The task holds the session only weakly: a screen closed before it runs
// leaves nothing to start.
void ScanViewController::startSessionInBackground() {
  std::weak_ptr<capture::CaptureSession> weakSession = session();
  platform::dispatch::GlobalQueue::background().async([weakSession] {
    if (auto running = weakSession.lock()) running->startRunning();
  });
}

void ScanViewController::showNoCameraNotice() {
  std::shared_ptr<ui::View> root = view();
  root->setBackgroundColor(ui::Color::black());
  auto notice = ui::Label::make(kNoCameraMessage);
  notice->setTextColor(ui::Color::white());
  root->addSubview(notice);
  notice->setTranslatesAutoresizingMaskIntoConstraints(false);
  ui::LayoutConstraint::activate(
      {ui::LayoutConstraint::centerX(notice, root), ui::LayoutConstraint::centerY(notice, root)});
}

void ScanViewController::viewWillAppear(bool animated) {
  ViewController::viewWillAppear(animated);
  if (auto navigation = navigationController()) navigation->setNavigationBarHidden(false);
}

void ScanViewController::captureOutputDidOutputMetadataObjects(capture::CaptureMetadataOutput& /*output*/,
                                                               const capture::MetadataObjects& objects) {
  session()->stopRunning();
  if (callback_) callback_(firstCodeText(objects));
  if (auto navigation = navigationController()) navigation->popViewController(true);
}

}  // namespace zephro
