// What every backend owes the platform model, as one suite run against each
// backend: the main loop, configuration changes, scheme handlers, loads,
// script messages, evaluation and the page's dialogs. A backend's traits play the page where the
// backend has none (headless) and drive the real engine where it has one.
// Their static members:
//   install()                          once per suite
//   runUntil(done) -> bool             runs the main loop until done() holds
//   settle()                           runs it a while: what must not happen gets its chance
//   markerScript(mark) -> string       a user-script source that leaves `mark` for the page
//   marksSeen(view) -> vector<string>  the marks the current page was left, in order
//   finishLoad(view)                   lets the current load end, however it ends
//   post(view, name, json)             the page posts the JSON value `json` to handler `name`
//   fetch(view, address) -> optional<string>  the body the page reads, nothing when refused
//   dialogResults(view) -> vector<string>     what alert, confirm, prompt and window.open
//                                             give the page, as String() shows them
//   windowCount() -> size_t            the backend's open top-level windows
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/web/navigation_delegate.h"
#include "zephro/platform/web/script_message_handler.h"
#include "zephro/platform/web/url_scheme_handler.h"
#include "zephro/platform/web/url_scheme_task.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::platform::contract {

using namespace std::chrono_literals;

struct Message {
  std::string body;  // as JSON text
  web::WebView* sender;
};

class RecordingHandler : public web::ScriptMessageHandler {
 public:
  void didReceiveScriptMessage(web::UserContentController&, const web::ScriptMessage& message) override {
    received.push_back({foundation::JSONSerialization::data(message.body).value_or("?"), message.webView.lock().get()});
  }
  std::vector<Message> received;
};

// Answers every request with "served " and its scheme.
class AnsweringHandler : public web::URLSchemeHandler {
 public:
  void startURLSchemeTask(web::WebView&, std::shared_ptr<web::URLSchemeTask> task) override {
    const std::string body = "served " + task->request().url->scheme();
    task->didReceiveResponse({*task->request().url, "text/plain", static_cast<std::int64_t>(body.size()), {}});
    task->didReceiveData({reinterpret_cast<const std::uint8_t*>(body.data()), body.size()});
    task->didFinish();
  }
  void stopURLSchemeTask(web::WebView&, std::shared_ptr<web::URLSchemeTask>) override {}
};

class NavigationLog : public web::NavigationDelegate {
 public:
  void didFinishNavigation(web::WebView&) override { ++finished; }
  void didFailNavigation(web::WebView&, const web::WebError&) override { ++failed; }
  int finished = 0;
  int failed = 0;
};

template <typename Backend>
class BackendContract : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Backend::install(); }

  std::shared_ptr<web::WebView> makeView() { return web::WebView::make({}, configuration_); }
  void load(web::WebView& view, const std::string& name) {
    std::ofstream(scratch_ / name) << "<p>" << name << "</p>";
    view.loadFileURL(URL::fileURL(scratch_ / name), URL::fileURL(scratch_.path(), true));
    Backend::finishLoad(view);
  }
  std::shared_ptr<web::WebView> openPage() {
    auto view = makeView();
    load(*view, "index.html");
    return view;
  }
  web::UserContentController& content() { return configuration_->userContentController(); }

  zephro::testing::ScratchDirectory scratch_;
  std::shared_ptr<web::WebViewConfiguration> configuration_ = web::WebViewConfiguration::make();
};

TYPED_TEST_SUITE_P(BackendContract);

TYPED_TEST_P(BackendContract, TheMainQueueRunsTasksInOrderAndDropsEmptyOnes) {
  std::vector<int> ran;
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration delayedAfter{};
  dispatch::MainQueue::async({});
  dispatch::MainQueue::asyncAfter(1ms, {});
  dispatch::mainLoop()->post({});
  dispatch::mainLoop()->postAfter(1ms, {});
  dispatch::MainQueue::asyncAfter(50ms, [&] {
    ran.push_back(4);
    delayedAfter = std::chrono::steady_clock::now() - start;
  });
  dispatch::MainQueue::async([&] {
    ran.push_back(1);
    dispatch::MainQueue::async([&] { ran.push_back(3); });
  });
  dispatch::MainQueue::async([&] { ran.push_back(2); });

  ASSERT_TRUE(TypeParam::runUntil([&] { return ran.size() == 4; }));
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_GE(delayedAfter, 50ms);
}

TYPED_TEST_P(BackendContract, TasksFromOtherThreadsRunOnTheMainThreadInTheirOrder) {
  constexpr int kThreads = 4;
  constexpr int kTasks = 25;
  std::map<int, std::vector<int>> ranByThread;
  int ran = 0;
  std::atomic<int> offMain{0};
  std::vector<std::thread> posters;
  for (int thread = 0; thread < kThreads; ++thread) {
    posters.emplace_back([&, thread] {
      for (int task = 0; task < kTasks; ++task) {
        dispatch::MainQueue::async([&, thread, task] {
          offMain += dispatch::isMainThread() ? 0 : 1;
          ranByThread[thread].push_back(task);
          ++ran;
        });
      }
    });
  }
  for (auto& poster : posters) poster.join();

  std::vector<int> inOrder(kTasks);
  for (int task = 0; task < kTasks; ++task) inOrder[task] = task;
  ASSERT_TRUE(TypeParam::runUntil([&] { return ran == kThreads * kTasks; }));
  EXPECT_EQ(offMain, 0);
  for (const auto& [thread, ran] : ranByThread) EXPECT_EQ(ran, inOrder) << "thread " << thread;
}

// Changes made after a view exists reach its next page, each once.
TYPED_TEST_P(BackendContract, ConfigurationChangesReachExistingViewsOnce) {
  auto handler = std::make_shared<RecordingHandler>();
  this->content().addUserScript({TypeParam::markerScript("before")});
  auto view = this->makeView();
  this->content().addUserScript({TypeParam::markerScript("after")});
  this->content().addScriptMessageHandler(handler, "late");
  this->load(*view, "index.html");

  EXPECT_EQ(TypeParam::marksSeen(*view), (std::vector<std::string>{"before", "after"}));
  TypeParam::post(*view, "late", R"("once")");
  ASSERT_TRUE(TypeParam::runUntil([&] { return !handler->received.empty(); }));
  TypeParam::settle();
  EXPECT_EQ(handler->received.size(), 1u);
}

TYPED_TEST_P(BackendContract, EverySchemeTheModelAcceptsIsServed) {
  const char* schemes[] = {"resource", "x-app.v2+data", "ftp", "javascript", "about", "data", "blob", "wss"};
  std::map<std::string, bool> accepted;
  for (const char* scheme : schemes) {
    accepted[scheme] = this->configuration_->setURLSchemeHandler(std::make_shared<AnsweringHandler>(), scheme);
  }
  auto view = this->openPage();
  for (const auto& [scheme, isAccepted] : accepted) {
    const auto body = TypeParam::fetch(*view, scheme + "://item");
    EXPECT_EQ(body == "served " + scheme, isAccepted) << scheme << ": " << body.value_or("refused");
  }
  EXPECT_TRUE(accepted["resource"] && accepted["x-app.v2+data"]);
}

// A failed load reports its failure once and no finish; the next load is not
// marked by it.
TYPED_TEST_P(BackendContract, ALoadReportsEitherItsFinishOrItsFailureOnce) {
  auto log = std::make_shared<NavigationLog>();
  auto view = this->makeView();
  view->setNavigationDelegate(log);
  view->loadFileURL(URL::fileURL(this->scratch_ / "missing.html"), URL::fileURL(this->scratch_.path(), true));
  TypeParam::finishLoad(*view);
  ASSERT_TRUE(TypeParam::runUntil([&] { return log->failed > 0; }));
  this->load(*view, "index.html");
  ASSERT_TRUE(TypeParam::runUntil([&] { return log->finished > 0; }));
  TypeParam::settle();

  EXPECT_EQ(log->failed, 1);
  EXPECT_EQ(log->finished, 1);
}

TYPED_TEST_P(BackendContract, MessagesReachTheHandlerOfTheirNameWithThePostingView) {
  auto handler = std::make_shared<RecordingHandler>();
  this->content().addScriptMessageHandler(handler, "jsb");
  EXPECT_FALSE(this->content().addScriptMessageHandler(std::make_shared<RecordingHandler>(), "jsb"));
  auto first = this->openPage();
  auto second = this->openPage();
  TypeParam::post(*first, "jsb", R"("text")");
  TypeParam::post(*second, "jsb", R"({"n":2,"list":[1,"two",null,true]})");
  TypeParam::post(*first, "JSB", R"("other case")");
  TypeParam::post(*first, "unknown", R"("nobody")");

  ASSERT_TRUE(TypeParam::runUntil([&] { return handler->received.size() >= 2; }));
  TypeParam::settle();
  std::map<web::WebView*, std::string> bodies;
  for (const auto& message : handler->received) bodies[message.sender] += message.body;
  EXPECT_EQ(bodies, (std::map<web::WebView*, std::string>{{first.get(), R"("text")"},
                                                         {second.get(), R"({"list":[1,"two",null,true],"n":2})"}}));
}

TYPED_TEST_P(BackendContract, AnEvaluationAnswersOnceAfterTheCallReturned) {
  auto view = this->openPage();
  int answers = 0;
  bool returned = false;
  bool answeredAfterReturn = false;
  view->evaluateJavaScript("1 + 1", [&](std::any, std::optional<web::WebError>) {
    ++answers;
    answeredAfterReturn = returned;
  });
  returned = true;
  view->evaluateJavaScript("2 + 2");

  ASSERT_TRUE(TypeParam::runUntil([&] { return answers > 0; }));
  TypeParam::settle();
  EXPECT_EQ(answers, 1);
  EXPECT_TRUE(answeredAfterReturn);
}

// Nothing answers a page's dialogs: they return at once as if dismissed, and
// no new window opens.
TYPED_TEST_P(BackendContract, PageDialogsReturnAtOnceAndOpenNoWindow) {
  auto view = this->openPage();
  const auto windows = TypeParam::windowCount();
  EXPECT_EQ(TypeParam::dialogResults(*view), (std::vector<std::string>{"undefined", "false", "null", "null"}));
  TypeParam::settle();
  EXPECT_EQ(TypeParam::windowCount(), windows);
}

REGISTER_TYPED_TEST_SUITE_P(BackendContract, TheMainQueueRunsTasksInOrderAndDropsEmptyOnes,
                            TasksFromOtherThreadsRunOnTheMainThreadInTheirOrder,
                            ConfigurationChangesReachExistingViewsOnce, EverySchemeTheModelAcceptsIsServed,
                            ALoadReportsEitherItsFinishOrItsFailureOnce,
                            MessagesReachTheHandlerOfTheirNameWithThePostingView,
                            AnEvaluationAnswersOnceAfterTheCallReturned, PageDialogsReturnAtOnceAndOpenNoWindow);

}  // namespace zephro::platform::contract
