// Shared pieces of the ui tests: a controller that logs its life cycle, shown
// in a visible window.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::testing {

namespace ui = platform::ui;
using Log = std::vector<std::string>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingController : public ui::ViewController {
 public:
  RecordingController(std::string name, std::shared_ptr<Log> log) : name_(std::move(name)), log_(std::move(log)) {}

  void viewDidLoad() override { record("load"); }
  void viewWillAppear(bool) override { record("willAppear"); }
  void viewDidAppear(bool) override { record("didAppear"); }
  void viewWillDisappear(bool) override { record("willDisappear"); }
  void viewDidDisappear(bool) override { record("didDisappear"); }
  void viewWillLayoutSubviews() override { ++layoutPasses; }

  int layoutPasses = 0;

 private:
  void record(const char* event) { log_->push_back(name_ + "." + event); }

  std::string name_;
  std::shared_ptr<Log> log_;
};

// A visible window on a fresh headless main loop, and a log the recording
// controllers share.
class UiTest : public ::testing::Test {
 protected:
  void TearDown() override { ui::setRenderer(nullptr); }

  std::shared_ptr<RecordingController> controller(std::string name) {
    return std::make_shared<RecordingController>(std::move(name), log);
  }
  // Shows `root` and forgets what happened while doing so.
  void show(const std::shared_ptr<ui::ViewController>& root) {
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    log->clear();
  }

  std::shared_ptr<platform::headless::HeadlessMainLoop> loop = platform::headless::HeadlessMainLoop::install();
  std::shared_ptr<Log> log = std::make_shared<Log>();
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Rect::make(0, 0, 390, 844));
};

}  // namespace zephro::testing
