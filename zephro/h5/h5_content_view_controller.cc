#include "zephro/h5/h5_content_view_controller.h"

#include <string_view>
#include <utility>

#include "zephro/bridge/debug_line.h"
#include "zephro/h5/event_bus_script.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/h5/load_h5_page.h"
#include "zephro/h5/page_process_termination.h"
#include "zephro/h5/page_query.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {

namespace {

using platform::foundation::Notification;
using platform::foundation::NotificationCenter;
namespace ui = platform::ui;

constexpr char kBackButtonTitle[] = "返回";
constexpr char kReloadEvent[] = "reload";

bool startsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// An empty receiver counts as none.
bool reaches(const EventModel& event, const std::string& pageName) {
  if (event.fromPage && *event.fromPage == pageName) return false;
  if (event.toPage && !event.toPage->empty() && *event.toPage != pageName) return false;
  return true;
}

}  // namespace

std::shared_ptr<H5ContentViewController> H5ContentViewController::make() {
  return std::shared_ptr<H5ContentViewController>(new H5ContentViewController);
}

std::shared_ptr<H5ContentViewController> H5ContentViewController::make(std::string pageName,
                                                                       std::optional<Params> params) {
  auto screen = make();
  screen->setPageName(std::move(pageName));
  screen->setParams(std::move(params));
  screen->buildQueryString();
  return screen;
}

H5ContentViewController::~H5ContentViewController() { NotificationCenter::defaultCenter().removeObserver(this); }

const std::shared_ptr<H5ContentWebView>& H5ContentViewController::webview() {
  if (!webview_) {
    auto self = std::static_pointer_cast<H5ContentViewStack>(weak_from_this().lock());
    webview_ = H5Manager::shared().webview(self);
  }
  return webview_;
}

void H5ContentViewController::buildQueryString() {
  if (!params_) return;
  if (std::optional<std::string> query = pageQueryText(*params_)) queryString_ = std::move(query);
}

void H5ContentViewController::loadPage() {
  hideFailure();
  if (!startPageLoad()) showFailure({PageFailure::Cause::pageMissing, pageName_});
}

bool H5ContentViewController::startPageLoad() {
  if (!showsWebAddress()) return loadH5Page(*webview(), pageName_, queryString_);
  std::optional<URL> address = URL::parse(pageName_);
  if (address) webview()->loadRequest(pageRequest(*address));
  return address.has_value();
}

void H5ContentViewController::retry() {
  recovery_.noteReload(ProcessRecovery::Clock::now());
  loadPage();
}

void H5ContentViewController::pageLoadDidFail(const platform::web::WebError& error) {
  showFailure(PageFailure::of(error));
}

void H5ContentViewController::pageProcessDidTerminate() {
  const bool reloading = recovery_.shouldReload(ProcessRecovery::Clock::now());
  if (reloading) {
    loadPage();
  } else {
    showFailure({PageFailure::Cause::processEnded, {}});
  }
  NotificationCenter::defaultCenter().post(kPageProcessTerminatedNotification,
                                           PageProcessTermination{pageName_, reloading});
}

// Shown over the web view, which keeps whatever it had; the bar and swipe-back
// stay usable, so the way back is never cut off.
void H5ContentViewController::showFailure(const PageFailure& failure) {
  hideFailure();
  std::weak_ptr<ViewController> weakSelf = weak_from_this();
  const std::string& language = ZephroSdk4TolmarRunner::cloudConfig().language();
  failureView_ = PageFailureView::make(pageFailureTexts(failure, language), [weakSelf] {
    if (auto self = std::static_pointer_cast<H5ContentViewController>(weakSelf.lock())) self->retry();
  });
  failureView_->setFrame(view()->bounds());
  view()->addSubview(failureView_);
}

void H5ContentViewController::hideFailure() {
  if (failureView_) std::exchange(failureView_, nullptr)->removeFromSuperview();
}

void H5ContentViewController::forwardEvent(const Notification& notification) {
  const auto* event = std::any_cast<EventModel>(&notification.object);
  if (!event || !reaches(*event, pageName_)) return;
  emitEvent(event->eventName, event->eventData);
  writeDebugLine(webview()->description() + ", " + event->eventName + ", " + event->eventData.value_or(""));
}

void H5ContentViewController::emitEvent(const std::string& name, const std::optional<std::string>& data) {
  webview()->queueJavaScript(eventBusScript(name, data));
}

void H5ContentViewController::backAction() {
  if (auto navigation = navigationController()) navigation->popViewController(true);
}

void H5ContentViewController::viewDidLoad() {
  ViewController::viewDidLoad();
  view()->setBackgroundColor(ui::Color::white());
  if (auto navigation = navigationController()) {
    auto self = std::static_pointer_cast<H5ContentViewController>(shared_from_this());
    navigation->interactivePopGestureRecognizer().setDelegate(
        std::static_pointer_cast<ui::GestureRecognizerDelegate>(self));
  }
  navigationItem().backButtonTitle = kBackButtonTitle;
  updateNavigationBarVisibility();
  view()->addSubview(webview());
  loadPage();
  observeForwardedEvents();
}

// Socket messages may be posted on a host thread: the screen and its web view
// are reached on the main thread only, and never kept alive from elsewhere.
void H5ContentViewController::observeForwardedEvents() {
  std::weak_ptr<ViewController> weakSelf = weak_from_this();
  auto forward = [weakSelf](const Notification& notification) {
    if (auto self = std::static_pointer_cast<H5ContentViewController>(weakSelf.lock()))
      self->forwardEvent(notification);
  };
  NotificationCenter::defaultCenter().addObserver(
      this, kJSBForwardEventNotification, [forward](const Notification& notification) {
        if (platform::dispatch::isMainThread()) {
          forward(notification);
        } else {
          platform::dispatch::MainQueue::async([forward, notification] { forward(notification); });
        }
      });
}

void H5ContentViewController::viewWillAppear(bool animated) {
  ViewController::viewWillAppear(animated);
  updateNavigationBarVisibility();
  emitEvent(kReloadEvent, std::nullopt);
}

void H5ContentViewController::viewDidLayoutSubviews() {
  ViewController::viewDidLayoutSubviews();
  webview()->setFrame(view()->bounds());
  if (failureView_) failureView_->setFrame(view()->bounds());
}

ui::StatusBarStyle H5ContentViewController::preferredStatusBarStyle() const { return ui::StatusBarStyle::darkContent; }

bool H5ContentViewController::gestureRecognizerShouldBegin(ui::GestureRecognizer& /*recognizer*/) { return true; }

bool H5ContentViewController::showsWebAddress() const { return startsWith(pageName_, "http"); }

// Bundle pages draw their own title bar; web addresses need the platform's
// bar for a way back.
void H5ContentViewController::updateNavigationBarVisibility() {
  if (auto navigation = navigationController()) navigation->setNavigationBarHidden(!showsWebAddress(), false);
}

}  // namespace zephro
