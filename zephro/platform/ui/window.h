#pragma once

#include <memory>

#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

class ViewController;
class WindowPeer;

// The root of a view tree on screen. Shows one root view controller; what
// that controller presents is shown above it, filling the window too.
class Window : public View {
 public:
  explicit Window(Rect frame = Screen::main().bounds());
  ~Window() override;

  static std::shared_ptr<Window> make(Rect frame = Screen::main().bounds());

  std::shared_ptr<ViewController> rootViewController() const { return root_; }
  // The old root disappears and the new one appears if the window is visible.
  void setRootViewController(std::shared_ptr<ViewController> controller);

  bool isVisible() const { return visible_; }
  // Shows the window: the root appears and a layout pass runs.
  void makeKeyAndVisible();

  std::shared_ptr<WindowPeer> windowPeer() const { return windowPeer_; }

  // Runs a layout pass on the main queue soon, once however often it is asked.
  void scheduleLayoutPass();

 protected:
  void layoutSubviews() override;

 private:
  void showRoot();

  std::shared_ptr<ViewController> root_;
  std::shared_ptr<WindowPeer> windowPeer_;
  bool visible_ = false;
  bool layoutScheduled_ = false;
};

}  // namespace zephro::platform::ui
