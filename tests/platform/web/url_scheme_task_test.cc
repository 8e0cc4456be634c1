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

TEST(URLSchemeTaskLifeCycle, DeliversOnlyCallsInOrder) {
  // Calls made, calls delivered, whether the task is still open.
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"RDDF", "RDDF", false},
      {"RDXD", "RDX", false},   // failure after data
      {"DRF", "RF", false},     // data before the response
      {"F", "", true},          // finish without a response
      {"RRF", "RF", false},     // second response
      {"RFFDX", "RF", false},   // finished twice, then used
      {"XXRDF", "X", false},    // used after failure
      {"RSDFX", "R", false}};  // used after stop
  for (const auto& [calls, delivered, open] : cases) {
    LetterTask task;
    task.run(calls);
    EXPECT_EQ(task.log, delivered) << calls;
    EXPECT_EQ(task.isOpen(), open) << calls;
  }
}

class SchemeTaskRoutingTest : public ::testing::Test {
 protected:
  void SetUp() override { configuration->setURLSchemeHandler(handler, "Resource"); }

  const URL photo = url("resource://photo.png");
  const URLResponse png{photo, "image/png", 2, std::nullopt};
  std::shared_ptr<WebViewConfiguration> configuration = WebViewConfiguration::make();
  std::shared_ptr<KeepingSchemeHandler> handler = std::make_shared<KeepingSchemeHandler>();
  std::shared_ptr<WebView> view = WebView::make({}, configuration);
};

TEST_F(SchemeTaskRoutingTest, AnswersToAStoppedTaskOrOnePastItsViewGoNowhere) {
  auto* engine = engineOf(*view);
  auto stopped = engine->runURLSchemeTask(photo);
  engine->stopURLSchemeTask(stopped);
  engine->stopURLSchemeTask(stopped);
  ASSERT_EQ(handler->stopped.size(), 1u);
  EXPECT_EQ(handler->stopped[0].first, view.get());
  auto orphaned = engine->runURLSchemeTask(photo);
  view.reset();
  for (auto& [webView, task] : handler->started) {
    task->didReceiveResponse(png);
    task->didFinish();
  }
  EXPECT_FALSE(stopped->response());
  EXPECT_FALSE(orphaned->response());
  EXPECT_FALSE(orphaned->isFinished());
}

// Schemes compare without letter case; the web's own schemes are the engine's.
TEST(URLSchemeRegistrationTest, RefusesWhatAnEngineWouldNeverRoute) {
  auto configuration = WebViewConfiguration::make();
  auto handler = std::make_shared<KeepingSchemeHandler>();
  for (const char* scheme : {"", "1abc", "my scheme", "res/x", "HTTPS", "file", "blob"}) {
    EXPECT_FALSE(configuration->setURLSchemeHandler(handler, scheme)) << scheme;
  }
  EXPECT_TRUE(configuration->setURLSchemeHandler(handler, "x-app.v2+data"));
  EXPECT_FALSE(configuration->setURLSchemeHandler(std::make_shared<KeepingSchemeHandler>(), "X-APP.v2+DATA"));
  EXPECT_EQ(configuration->urlSchemeHandler("X-App.V2+Data"), handler);
}

}  // namespace
}  // namespace zephro::platform::web
