// The page screen: one H5 page full-screen in its own content web view. It
// hands the page its opening parameters (as a query and through
// "currentPage"), relays forwarded events to the page's event bus and tells
// the page "reload" each time the screen is about to appear.
//
// A page that cannot be shown (no address, a failed load, a web process that
// keeps ending) gives way to a failure view with a retry button; a page whose
// web process ended is loaded again (see process_recovery.h), and the host is
// told (page_process_termination.h).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "zephro/bridge/current_page_scope.h"
#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/page_load_events.h"
#include "zephro/h5/h5_content_view_stack.h"
#include "zephro/h5/page_failure_view.h"
#include "zephro/h5/process_recovery.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/gesture_recognizer.h"
#include "zephro/sdk/event_model.h"

namespace zephro {

struct NoParams;

class H5ContentViewController : public H5ContentViewStack,
                                public CurrentPageScope,
                                public PageLoadEvents,
                                public platform::ui::GestureRecognizerDelegate {
 public:
  using Params = std::map<std::string, AnyCodable>;

  // A screen with no page yet: set the page name and params, then call
  // buildQueryString(). Nothing loads until the view does.
  static std::shared_ptr<H5ContentViewController> make();
  // The same three steps done.
  static std::shared_ptr<H5ContentViewController> make(std::string pageName, std::optional<Params> params);
  ~H5ContentViewController() override;

  // A page name of the bundle, or a full web address beginning with "http".
  const std::string& pageName() const { return pageName_; }
  void setPageName(std::string pageName) { pageName_ = std::move(pageName); }
  const std::optional<Params>& params() const { return params_; }
  void setParams(std::optional<Params> params) { params_ = std::move(params); }
  // Completions parked by invocation id ("pickImage"), never called.
  const std::map<std::int64_t, JSBCallback>& jsbCallbacks() const { return jsbCallbacks_; }
  const std::optional<std::string>& queryString() const { return queryString_; }
  void setQueryString(std::optional<std::string> query) { queryString_ = std::move(query); }
  // Made on first use, bound to this screen.
  const std::shared_ptr<H5ContentWebView>& webview();

  // Sets queryString from params["params"] (see page_query.h); leaves it as
  // it was when there is nothing to put in a query.
  virtual void buildQueryString();
  // Web addresses load directly (the query is not used); page names through
  // loadH5Page with queryString. Shows the failure view when there is nothing
  // to load, and hides it otherwise.
  virtual void loadPage();
  // The failure view while it is shown, else null.
  const std::shared_ptr<PageFailureView>& failureView() const { return failureView_; }
  // The failure view's button: loads the page again.
  void retry();
  // The observer of "jsb-forward-event" (called on the main thread; events
  // posted elsewhere are delivered through the main queue while the screen
  // lives): emits the event unless it names this page as sender or another
  // page as receiver.
  virtual void forwardEvent(const platform::foundation::Notification& notification);
  // The event reaches the page at the end of this main-loop pass, in order
  // with the pass's answers.
  virtual void emitEvent(const std::string& name, const std::optional<std::string>& data);
  // Pops the top screen of the enclosing navigation controller, animated.
  void backAction();

  void viewDidLoad() override;
  void viewWillAppear(bool animated) override;
  void viewDidLayoutSubviews() override;
  platform::ui::StatusBarStyle preferredStatusBarStyle() const override;

  // Swipe-back may always begin.
  bool gestureRecognizerShouldBegin(platform::ui::GestureRecognizer& recognizer) override;

  // "currentPage": "getPageParams" answers the whole params map;
  // "pickImage" parks its completion under the invocation id.
  void handle(const JSBInvocation& invocation, JSBCallback callback) override;

  // A failed load shows the failure view; an ended web process loads the page
  // again, unless it ended shortly after the last reload.
  void pageLoadDidFail(const platform::web::WebError& error) override;
  void pageProcessDidTerminate() override;

 protected:
  H5ContentViewController() = default;

 private:
  static void getPageParams(H5ContentViewController& screen, const NoParams& params, const JSBInvocation& invocation,
                            JSBCallback callback);
  static void pickImage(H5ContentViewController& screen, const NoParams& params, const JSBInvocation& invocation,
                        JSBCallback callback);
  bool showsWebAddress() const;
  void updateNavigationBarVisibility();
  void observeForwardedEvents();
  bool startPageLoad();
  void showFailure(const PageFailure& failure);
  void hideFailure();

  std::string pageName_;
  std::optional<Params> params_;
  std::map<std::int64_t, JSBCallback> jsbCallbacks_;
  std::optional<std::string> queryString_;
  std::shared_ptr<H5ContentWebView> webview_;
  std::shared_ptr<PageFailureView> failureView_;
  ProcessRecovery recovery_;
};

}  // namespace zephro
