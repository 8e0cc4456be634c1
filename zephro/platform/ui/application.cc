#include "zephro/platform/ui/application.h"

#include "zephro/platform/foundation/notification_center.h"

namespace zephro::platform::ui {

void Application::postWillEnterForeground() {
  foundation::NotificationCenter::defaultCenter().post(willEnterForegroundNotification);
}

}  // namespace zephro::platform::ui
