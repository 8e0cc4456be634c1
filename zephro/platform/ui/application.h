#pragma once

namespace zephro::platform::ui {

// The running application's life-cycle notifications, posted on the default
// notification center. A backend posts them when its windows regain focus.
class Application {
 public:
  static constexpr const char* willEnterForegroundNotification = "UIApplicationWillEnterForegroundNotification";

  static void postWillEnterForeground();
};

}  // namespace zephro::platform::ui
