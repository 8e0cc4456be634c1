#pragma once

#include <memory>

namespace zephro::platform::ui {

class GestureRecognizer;

class GestureRecognizerDelegate {
 public:
  virtual ~GestureRecognizerDelegate() = default;
  // Asked each time the gesture is about to start; false cancels it.
  virtual bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) = 0;
};

// A gesture that may be vetoed by its delegate before it begins.
class GestureRecognizer {
 public:
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

  std::shared_ptr<GestureRecognizerDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<GestureRecognizerDelegate> delegate) { delegate_ = std::move(delegate); }

  // Whether the gesture may begin now: enabled and not vetoed.
  bool shouldBegin();

 private:
  bool enabled_ = true;
  std::weak_ptr<GestureRecognizerDelegate> delegate_;
};

}  // namespace zephro::platform::ui
