#pragma once

namespace zephro::platform::web {

// Whether the system may inset the content for bars and notches.
enum class ContentInsetAdjustmentBehavior { automatic, scrollableAxes, never, always };

// How a web view's content scrolls. Plain settings: a backend without
// rubber-band scrolling or safe-area insets has nothing to apply.
struct ScrollViewSettings {
  ContentInsetAdjustmentBehavior contentInsetAdjustmentBehavior = ContentInsetAdjustmentBehavior::automatic;
  // Web content bounces vertically even when it fits, unless told otherwise.
  bool alwaysBounceVertical = true;
};

}  // namespace zephro::platform::web
