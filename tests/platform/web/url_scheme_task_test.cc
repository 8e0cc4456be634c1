// The life cycle of scheme tasks: what reaches the engine, and what is dropped.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "web_test_support.h"

namespace zephro::platform::web {
namespace {

using headless::engineOf;
using testing::KeepingSchemeHandler;

URL url(const char* text) { return *URL::parse(text); }

// Makes the calls named by letters (R response, D data, F finish, X failure,
// S stop) and logs, by the same letters, the calls that reached the engine.
class LetterTask : public URLSchemeTask {
 public:
  LetterTask() : URLSchemeTask(URLRequest{}) {}
  void run(std::string_view calls) {
    for (char call : calls) {
      if (call == 'R') didReceiveResponse({url("resource://a.png"), "image/png", 1, std::nullopt});
      if (call == 'D') didReceiveData(Data{1});
      if (call == 'F') didFinish();
      if (call == 'X') didFailWithError({"", 404});
      if (call == 'S') markStopped();
    }
  }
  std::string log;

 protected:
  void deliverResponse(const URLResponse&) override { log += 'R'; }
  void deliverData(std::span<const std::uint8_t>) override { log += 'D'; }
  void deliverFinish() override { log += 'F'; }
  void deliverFailure(const WebError&) override { log += 'X'; }
};

struct LifeCycleCase {
  const char* calls;
  const char* delivered;
  bool openAfterwards;
};

class URLSchemeTaskLifeCycleTest : public ::testing::TestWithParam<LifeCycleCase> {};

TEST_P(URLSchemeTaskLifeCycleTest, DeliversOnlyCallsInOrder) {
  LetterTask task;
  task.run(GetParam().calls);
  EXPECT_EQ(task.log, GetParam().delivered);
  EXPECT_EQ(task.isOpen(), GetParam().openAfterwards);
}

INSTANTIATE_TEST_SUITE_P(Calls, URLSchemeTaskLifeCycleTest,
                         ::testing::Values(LifeCycleCase{"RDDF", "RDDF", false},
                                           LifeCycleCase{"RDXD", "RDX", false},   // failure after data
                                           LifeCycleCase{"DRF", "RF", false},     // data before the response
                                           LifeCycleCase{"F", "", true},          // finish without a response
                                           LifeCycleCase{"RRF", "RF", false},     // second response
                                           LifeCycleCase{"RFFDX", "RF", false},   // finished twice, then used
                                           LifeCycleCase{"XXRDF", "X", false},    // used after failure
                                           LifeCycleCase{"RSDFX", "R", false}),   // used after stop
                         [](const auto& info) { return std::string(info.param.calls); });

class SchemeTaskRoutingTest : public ::testing::Test {
 protected:
  void SetUp() override { configuration->setURLSchemeHandler(handler, "Resource"); }
  URLSchemeTask& kept() { return *handler->started.at(0).second; }

  const URL photo = url("resource://photo.png");
  const URLResponse png{photo, "image/png", 2, std::nullopt};
  std::shared_ptr<WebViewConfiguration> configuration = WebViewConfiguration::make();
  std::shared_ptr<KeepingSchemeHandler> handler = std::make_shared<KeepingSchemeHandler>();
  std::shared_ptr<WebView> view = WebView::make({}, configuration);
};

TEST_F(SchemeTaskRoutingTest, TheHandlerAnswersThroughTheTaskItWasGiven) {
  auto task = engineOf(*view)->runURLSchemeTask(photo);
  ASSERT_EQ(handler->started.size(), 1u);
  EXPECT_EQ(handler->started[0].first, view.get());
  EXPECT_EQ(kept().request().url, photo);

  kept().didReceiveResponse(png);
  kept().didReceiveData(Data{7});
  kept().didReceiveData(Data{8});
  kept().didFinish();

  EXPECT_EQ(task->response(), png);
  EXPECT_EQ(task->data(), (Data{7, 8}));
  EXPECT_TRUE(task->isFinished());
}

TEST_F(SchemeTaskRoutingTest, AStoppedTaskTellsTheHandlerOnceAndDropsLaterAnswers) {
  auto* engine = engineOf(*view);
  auto task = engine->runURLSchemeTask(photo);
  engine->stopURLSchemeTask(task);
  engine->stopURLSchemeTask(task);

  ASSERT_EQ(handler->stopped.size(), 1u);
  EXPECT_EQ(handler->stopped[0].first, view.get());
  kept().didReceiveResponse(png);
  kept().didFinish();
  EXPECT_FALSE(task->response());
}

TEST_F(SchemeTaskRoutingTest, ATaskKeptPastItsViewIsAnsweredIntoNothing) {
  auto task = engineOf(*view)->runURLSchemeTask(photo);
  view.reset();
  kept().didReceiveResponse(png);
  kept().didFinish();
  EXPECT_FALSE(task->response());
  EXPECT_FALSE(task->isFinished());
}

TEST_F(SchemeTaskRoutingTest, SchemesWithoutAHandlerFailAsUnsupported) {
  EXPECT_EQ(engineOf(*view)->runURLSchemeTask(url("other://photo.png"))->error(), WebError::unsupportedURL());
  EXPECT_TRUE(handler->started.empty());
}

TEST(URLSchemeRegistrationTest, RefusesWhatAnEngineWouldNeverRoute) {
  auto configuration = WebViewConfiguration::make();
  auto handler = std::make_shared<KeepingSchemeHandler>();
  for (const char* scheme : {"", "1abc", "my scheme", "res/x", "http", "HTTPS", "file", "data", "blob"}) {
    EXPECT_FALSE(configuration->setURLSchemeHandler(handler, scheme)) << scheme;
  }
  EXPECT_TRUE(configuration->setURLSchemeHandler(handler, "x-app.v2+data"));
  EXPECT_FALSE(configuration->setURLSchemeHandler(std::make_shared<KeepingSchemeHandler>(), "X-APP.v2+DATA"));
  EXPECT_EQ(configuration->urlSchemeHandler("X-App.V2+Data"), handler);
}

}  // namespace
}  // namespace zephro::platform::web
