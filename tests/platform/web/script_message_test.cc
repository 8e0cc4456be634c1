// Messages posted by pages reach the handler of their name, with their view.
#include <gtest/gtest.h>

#include "web_test_support.h"
#include "zephro/json/kinds.h"

namespace zephro::platform::web {
namespace {

using headless::engineOf;
using testing::RecordingMessageHandler;

class ScriptMessageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    configuration->userContentController().addScriptMessageHandler(jsb, "jsb");
    configuration->userContentController().addScriptMessageHandler(other, "other");
  }

  std::shared_ptr<WebViewConfiguration> configuration = WebViewConfiguration::make();
  std::shared_ptr<RecordingMessageHandler> jsb = std::make_shared<RecordingMessageHandler>();
  std::shared_ptr<RecordingMessageHandler> other = std::make_shared<RecordingMessageHandler>();
  std::shared_ptr<WebView> left = WebView::make({}, configuration);
  std::shared_ptr<WebView> right = std::make_shared<testing::PageWebView>(ui::Rect{}, configuration);
};

TEST_F(ScriptMessageTest, EachMessageReachesTheHandlerOfItsNameWithThePostingView) {
  engineOf(*right)->postScriptMessage("jsb", std::string(R"({"scope":"app"})"));
  engineOf(*left)->postScriptMessage("other", PlainMap{{"a", std::int64_t{1}}});

  ASSERT_EQ(jsb->messages.size(), 1u);
  EXPECT_EQ(jsb->messages[0].webView.lock(), right);
  EXPECT_EQ(std::any_cast<std::string>(jsb->messages[0].body), R"({"scope":"app"})");
  ASSERT_EQ(other->messages.size(), 1u);
  EXPECT_EQ(other->messages[0].webView.lock(), left);
  EXPECT_EQ(std::any_cast<std::int64_t>(std::any_cast<PlainMap>(other->messages[0].body).at("a")), 1);
}

TEST_F(ScriptMessageTest, NamesAreExactAndTakenOnce) {
  auto intruder = std::make_shared<RecordingMessageHandler>();
  EXPECT_FALSE(configuration->userContentController().addScriptMessageHandler(intruder, "jsb"));
  EXPECT_FALSE(engineOf(*left)->postScriptMessage("JSB", std::string("x")));
  EXPECT_TRUE(engineOf(*left)->postScriptMessage("jsb", std::string("x")));
  EXPECT_EQ(jsb->messages.size(), 1u);
  EXPECT_TRUE(intruder->messages.empty());
}

TEST_F(ScriptMessageTest, TheViewStaysAliveWhileAHandlerDropsItsLastOwner) {
  // A message may close the page screen that owns the view.
  struct ClosingHandler : ScriptMessageHandler {
    explicit ClosingHandler(std::shared_ptr<WebView>& owner) : owner(owner) {}
    void didReceiveScriptMessage(UserContentController&, const ScriptMessage& message) override {
      owner.reset();
      if (auto view = message.webView.lock()) description = view->description();
    }
    std::shared_ptr<WebView>& owner;
    std::string description;
  };
  auto closing = std::make_shared<ClosingHandler>(left);
  configuration->userContentController().addScriptMessageHandler(closing, "close");
  std::weak_ptr<WebView> watched = left;

  EXPECT_TRUE(engineOf(*left)->postScriptMessage("close", std::string("now")));

  EXPECT_TRUE(closing->description.starts_with("<WebView 0x")) << closing->description;
  EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace zephro::platform::web
