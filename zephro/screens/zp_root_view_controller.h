// The kit's home screen. It shows no content of its own: it embeds one child
// chosen by page name (an H5 page, the tab bar for "native/tabbar", else the
// error screen), starts from the stored login token, keeps the host's socket
// in step, swaps its child on "login-state-changed", and tells every page to
// reload when the application returns to the foreground.
#pragma once

#include <memory>
#include <string>

#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/sdk/zp_web_socket_manager.h"

namespace zephro {

// Its object names the new first page (a std::string); posted by the "window"
// scope's "replace".
inline constexpr char kLoginStateChangedNotification[] = "login-state-changed";
// Shown for page names that cannot be shown.
inline constexpr char kUnsupportedPageMessage[] = "暂不支持的页面，请更新 SDK";

class ZPRootViewController : public platform::ui::ViewController, public ZPWebSocketManagerDelegate {
 public:
  // Screens pushed above it get the back title "返回".
  static std::shared_ptr<ZPRootViewController> make();
  // Clears current (unless it already names another, live root screen),
  // stops observing, then disconnects the host's socket.
  ~ZPRootViewController() override;

  // The root screen whose view loaded most recently, while it lives.
  static std::shared_ptr<ZPRootViewController> current();

  const std::string& childPageName() const { return childPageName_; }
  std::shared_ptr<platform::ui::ViewController> child() const { return child_; }

  // Builds the child for childPageName and swaps it in for the old one.
  void showChildPage();
  // The object, when it is a text, is the new page name; anything else gives
  // an empty name (the error screen). Then pops back to this screen.
  void loginStateChanged(const platform::foundation::Notification& notification);
  // Reconnects the socket and posts the event "reload" to every page.
  void appWillEnterForeground(const platform::foundation::Notification& notification);
  // Passes the message to the socket message filter.
  void onReceived(const std::string& message) override;

  void viewDidLoad() override;
  void viewWillAppear(bool animated) override;
  void viewDidLayoutSubviews() override;

 protected:
  ZPRootViewController();

 private:
  void chooseFirstPage();
  void observeNotifications();
  void embed(const std::shared_ptr<platform::ui::ViewController>& newChild);

  std::string childPageName_;
  std::shared_ptr<platform::ui::ViewController> child_;
};

}  // namespace zephro
