#include "zephro/screens/zp_root_view_controller.h"

#include <optional>
#include <utility>

#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/ui/application.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view.h"
#include "zephro/sdk/event_model.h"
#include "zephro/screens/child_page_route.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {

namespace {

using platform::foundation::Notification;
using platform::foundation::NotificationCenter;
namespace ui = platform::ui;

constexpr char kLoggedInFirstPage[] = "smarthome";
constexpr char kLoggedOutFirstPage[] = "login";

// Main thread only, like every screen.
std::weak_ptr<ZPRootViewController>& currentRoot() {
  static auto* current = new std::weak_ptr<ZPRootViewController>;
  return *current;
}

template <class Step>
void withSocketManager(Step step) {
  if (std::shared_ptr<ZPWebSocketManager> manager = ZephroSdk4TolmarRunner::socketManager()) step(*manager);
}

}  // namespace

ZPRootViewController::ZPRootViewController() { navigationItem().backButtonTitle = "返回"; }

std::shared_ptr<ZPRootViewController> ZPRootViewController::make() {
  return std::shared_ptr<ZPRootViewController>(new ZPRootViewController);
}

ZPRootViewController::~ZPRootViewController() {
  // A newer root screen that is still alive stays current.
  if (currentRoot().expired()) currentRoot().reset();
  NotificationCenter::defaultCenter().removeObserver(this);
  withSocketManager([](ZPWebSocketManager& manager) { manager.disconnect(); });
}

std::shared_ptr<ZPRootViewController> ZPRootViewController::current() { return currentRoot().lock(); }

void ZPRootViewController::viewDidLoad() {
  ViewController::viewDidLoad();
  currentRoot() = std::static_pointer_cast<ZPRootViewController>(shared_from_this());
  chooseFirstPage();
  showChildPage();
  observeNotifications();
}

void ZPRootViewController::chooseFirstPage() {
  std::optional<std::string> token = platform::foundation::UserDefaults::standard().string(kLoginUserTokenKey);
  childPageName_ = token ? kLoggedInFirstPage : kLoggedOutFirstPage;
  withSocketManager([&token](ZPWebSocketManager& manager) {
    manager.setToken(token);
    if (token) {
      manager.reconnect();
    } else {
      manager.disconnect();
    }
  });
}

void ZPRootViewController::observeNotifications() {
  std::weak_ptr<ViewController> weakSelf = weak_from_this();
  auto forward = [weakSelf](void (ZPRootViewController::*handler)(const Notification&)) {
    return [weakSelf, handler](const Notification& notification) {
      if (auto self = std::static_pointer_cast<ZPRootViewController>(weakSelf.lock())) ((*self).*handler)(notification);
    };
  };
  NotificationCenter& center = NotificationCenter::defaultCenter();
  center.addObserver(this, kLoginStateChangedNotification, forward(&ZPRootViewController::loginStateChanged));
  center.addObserver(this, ui::Application::willEnterForegroundNotification,
                     forward(&ZPRootViewController::appWillEnterForeground));
}

void ZPRootViewController::showChildPage() {
  std::shared_ptr<ui::ViewController> newChild = makeChildScreen(childPageName_);
  if (child_) {
    child_->willMoveToParentViewController(nullptr);
    if (auto oldView = child_->viewIfLoaded()) oldView->removeFromSuperview();
    child_->removeFromParentViewController();
  }
  embed(newChild);
}

void ZPRootViewController::embed(const std::shared_ptr<ui::ViewController>& newChild) {
  addChildViewController(newChild);
  view()->addSubview(newChild->view());
  newChild->view()->setFrame(view()->bounds());
  newChild->didMoveToParentViewController(shared_from_this());
  child_ = newChild;
}

void ZPRootViewController::loginStateChanged(const Notification& notification) {
  const auto* pageName = std::any_cast<std::string>(&notification.object);
  childPageName_ = pageName ? *pageName : std::string();
  showChildPage();
  if (auto navigation = navigationController()) navigation->popToViewController(shared_from_this(), true);
}

void ZPRootViewController::appWillEnterForeground(const Notification& /*notification*/) {
  withSocketManager([](ZPWebSocketManager& manager) { manager.reconnect(); });
  NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, EventModel{"reload", {}, {}, {}});
}

void ZPRootViewController::onReceived(const std::string& message) {
  ZephroSdk4TolmarRunner::handleSocketMessage(message);
}

void ZPRootViewController::viewWillAppear(bool animated) {
  ViewController::viewWillAppear(animated);
  if (auto navigation = navigationController()) navigation->setNavigationBarHidden(true);
}

void ZPRootViewController::viewDidLayoutSubviews() {
  ViewController::viewDidLayoutSubviews();
  if (child_) child_->view()->setFrame(view()->frame());
}

}  // namespace zephro
