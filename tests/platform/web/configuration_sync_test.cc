// Per-view engine state follows the one shared configuration.
#include <gtest/gtest.h>

#include "web_test_support.h"

namespace zephro::platform::web {
namespace {

using headless::engineOf;

UserScript script(std::string source) { return {std::move(source), InjectionTime::atDocumentStart, true}; }

class ConfigurationSyncTest : public ::testing::Test {
 protected:
  UserContentController& content() { return configuration->userContentController(); }

  std::shared_ptr<WebViewConfiguration> configuration = WebViewConfiguration::make();
  std::shared_ptr<WebView> first = WebView::make({}, configuration);
  std::shared_ptr<WebView> second = WebView::make({}, configuration);
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

TEST_F(ConfigurationSyncTest, HandlersAndSchemesAddedAfterTheEngineExistBecomeReachable) {
  auto* engine = engineOf(*first);
  auto handler = std::make_shared<testing::RecordingMessageHandler>();
  EXPECT_FALSE(engine->postScriptMessage("jsb", std::string("{}")));

  content().addScriptMessageHandler(handler, "jsb");
  configuration->setURLSchemeHandler(std::make_shared<testing::KeepingSchemeHandler>(), "resource");

  EXPECT_EQ(engine->urlSchemes(), std::vector<std::string>{"resource"});
  EXPECT_TRUE(engine->postScriptMessage("jsb", std::string("{}")));
  EXPECT_EQ(handler->messages.size(), 1u);
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

}  // namespace
}  // namespace zephro::platform::web
