// Per-view engine state follows the one shared configuration: user scripts,
// script-message handlers and URL schemes.
#include <gtest/gtest.h>

#include "web_test_support.h"

namespace zephro::platform::web {
namespace {

using headless::engineOf;

UserScript script(std::string source) { return {std::move(source), InjectionTime::atDocumentStart, true}; }

class RecordingMessageHandler : public ScriptMessageHandler {
 public:
  void didReceiveScriptMessage(UserContentController&, const ScriptMessage& message) override {
    messages.push_back(message);
  }
  std::vector<ScriptMessage> messages;
};

class ConfigurationSyncTest : public ::testing::Test {
 protected:
  UserContentController& content() { return configuration->userContentController(); }

  std::shared_ptr<WebViewConfiguration> configuration = WebViewConfiguration::make();
  std::shared_ptr<WebView> first = WebView::make({}, configuration);
  std::shared_ptr<WebView> second = std::make_shared<testing::PageWebView>(ui::Rect{}, configuration);
};

TEST_F(ConfigurationSyncTest, EachLoadKeepsTheScriptsInForceAtThatMoment) {
  const URL root = URL::fileURL("/bundle/", true);
  content().addUserScript(script("one"));
  first->loadFileURL(URL::fileURL("/bundle/a/index.html"), root);
  content().addUserScript(script("two"));
  second->loadFileURL(URL::fileURL("/bundle/b/index.html"), root);
  first->loadFileURL(URL::fileURL("/bundle/c/index.html"), root);

  const auto& loads = engineOf(*first)->loads();
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(loads[0].userScriptSources, std::vector<std::string>{"one"});
  EXPECT_EQ(loads[1].userScriptSources, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(engineOf(*second)->loads().at(0).userScriptSources, (std::vector<std::string>{"one", "two"}));

  content().addUserScript({"three", InjectionTime::atDocumentEnd, false});
  EXPECT_EQ(engineOf(*second)->userScripts().back(), (UserScript{"three", InjectionTime::atDocumentEnd, false}));
  content().removeAllUserScripts();
  EXPECT_TRUE(engineOf(*first)->userScripts().empty());
}

TEST_F(ConfigurationSyncTest, OnlyDocumentsOfTheMessageSourcesReachHandlersAndMessagesNameTheirDocument) {
  auto jsb = std::make_shared<RecordingMessageHandler>();
  content().addScriptMessageHandler(jsb, "jsb");
  content().setScriptMessageSources({{"file:///bundle/*"}, {}});
  auto* engine = engineOf(*first);
  EXPECT_FALSE(engine->postScriptMessage("jsb", std::string("{}")));  // about:blank: nothing loaded yet
  first->loadFileURL(URL::fileURL("/bundle/a/index.html"), URL::fileURL("/bundle/", true));
  EXPECT_TRUE(engine->postScriptMessage("jsb", "{}"));  // a literal arrives as the page's text would
  EXPECT_FALSE(engine->postScriptMessage("jsb", std::string("{}"), *URL::parse("http://127.0.0.1:9/frame.html")));
  ASSERT_EQ(jsb->messages.size(), 1u);
  EXPECT_EQ(std::any_cast<std::string>(jsb->messages[0].body), "{}");
  EXPECT_EQ(jsb->messages[0].documentURL, URL::fileURL("/bundle/a/index.html"));
}

TEST_F(ConfigurationSyncTest, EnginesOfDestroyedViewsAreNotNotified) {
  engineOf(*first);
  first.reset();
  // Would reach a freed engine if the configuration held engines by address.
  content().addUserScript(script("after"));
  EXPECT_EQ(engineOf(*second)->userScripts().size(), 1u);
}

TEST_F(ConfigurationSyncTest, AnObserverMayAddViewsAndScriptsWhileBeingNotified) {
  // Opens views (their engines join the observers) and adds a script, in the
  // middle of the notification about the first script.
  struct Reentrant : ConfigurationObserver {
    void configurationDidChange(const WebViewConfiguration&, ConfigurationChange) override {
      if (configuration->userContentController().userScripts().size() != 1) return;
      for (int i = 0; i < 8; ++i) engineOf(*views.emplace_back(WebView::make({}, configuration)));
      configuration->userContentController().addUserScript(script("added while notified"));
    }
    std::shared_ptr<WebViewConfiguration> configuration;
    std::vector<std::shared_ptr<WebView>> views;
  };
  auto observer = std::make_shared<Reentrant>();
  observer->configuration = configuration;
  configuration->addObserver(observer);  // ahead of the engine, so the walk goes on after it
  auto* engine = engineOf(*first);

  content().addUserScript(script("first"));

  EXPECT_EQ(engine->userScripts().size(), 2u);
  EXPECT_EQ(engineOf(*observer->views.back())->userScripts().size(), 2u);
}

TEST_F(ConfigurationSyncTest, TheViewStaysAliveWhileAHandlerDropsItsLastOwner) {
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
  auto closing = std::make_shared<ClosingHandler>(first);
  content().addScriptMessageHandler(closing, "close");
  std::weak_ptr<WebView> watched = first;

  EXPECT_TRUE(engineOf(*first)->postScriptMessage("close", std::string("now")));

  EXPECT_TRUE(closing->description.starts_with("<WebView 0x")) << closing->description;
  EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace zephro::platform::web
