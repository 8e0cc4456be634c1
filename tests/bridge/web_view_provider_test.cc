// The provider end to end on the headless engine: configuration, web views,
// start-up scripts, page messages and their answers.
#include <gtest/gtest.h>

#include "bridge_doubles.h"
#include "zephro/testing/temporary_user_defaults.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using platform::foundation::UserDefaults;
using platform::headless::engineOf;
using testing::RecordingScope;
namespace web = platform::web;

class WebViewProviderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    content().removeAllUserScripts();
    JSBManager::shared().registerScope(scope, "test-scope");
    webView->loadFileURL(bundlePage(), *H5Manager::shared().rootUrl());
  }

  static URL bundlePage() { return H5Manager::shared().rootUrl()->appendingPathComponent("home/index.html"); }

  web::UserContentController& content() { return provider.webviewConfiguration()->userContentController(); }
  void post(std::any body) { engineOf(*webView)->postScriptMessage("jsb", std::move(body)); }
  const std::vector<std::string>& scripts() {
    webView->flushQueuedScripts();
    return engineOf(*webView)->evaluatedScripts();
  }

  testing::TemporaryStandardUserDefaults store;
  H5Manager& pages = H5Manager::shared();  // tells the provider which pages are the kit's
  WebViewProvider& provider = WebViewProvider::shared();
  std::shared_ptr<RecordingScope> scope = std::make_shared<RecordingScope>();
  std::shared_ptr<H5ContentWebView> webView = provider.createWebView();
};

TEST_F(WebViewProviderTest, WebViewsShareTheBridgeConfigurationAndAreSetUpForPages) {
  EXPECT_TRUE(provider.webviewConfiguration()->preferences().boolValue("allowFileAccessFromFileURLs"));
  EXPECT_TRUE(webView->isInspectable());
  EXPECT_EQ(webView->navigationDelegate().lock().get(), static_cast<web::NavigationDelegate*>(&provider));
  EXPECT_EQ(webView->uiDelegate().lock().get(), static_cast<web::UIDelegate*>(&provider));
}

TEST_F(WebViewProviderTest, AValidMessageIsAnsweredInThePostingWebViewOnly) {
  scope->answer.responseBody = std::map<std::string, AnyCodable>{{"value", "x"}};
  scope->answers = 1;
  auto other = provider.createWebView();
  post(std::string(R"({"scope":"test-scope","method":"get","params":{"k":1},"invokeId":7})"));
  ASSERT_EQ(scope->invokes.size(), 1u);
  EXPECT_EQ(scope->invokes[0].method, "get");
  EXPECT_EQ(scope->webviews[0].lock(), webView);
  EXPECT_EQ(scripts(), std::vector<std::string>{
                           R"(window.__jsb.onResponse({"responseBody":{"value":"x"},"success":true}, 7))"});
  EXPECT_TRUE(engineOf(*other)->evaluatedScripts().empty());
}

// Answers reach the page in the order they were given; one with a ready-made
// payload, which may not parse, is not joined with the others.
TEST_F(WebViewProviderTest, AReadyMadePayloadIsEvaluatedAloneInItsPlace) {
  for (int id = 1; id <= 3; ++id) post(R"({"scope":"test-scope","method":"m","invokeId":)" + std::to_string(id) + "}");
  ASSERT_EQ(scope->callbacks.size(), 3u);
  const WebViewResponse plain{std::nullopt, std::nullopt, true};
  scope->callbacks[0](plain);
  scope->callbacks[1](WebViewResponse{Data{'['}, std::nullopt, true});
  scope->callbacks[2](plain);
  EXPECT_EQ(scripts(), (std::vector<std::string>{R"(window.__jsb.onResponse({"success":true}, 1))",
                                                 "window.__jsb.onResponse([, 2)",
                                                 R"(window.__jsb.onResponse({"success":true}, 3))"}));
  EXPECT_EQ(engineOf(*webView)->scriptBatches(),
            (std::vector<std::vector<std::string>>{{R"(window.__jsb.onResponse({"success":true}, 1))"},
                                                   {R"(window.__jsb.onResponse({"success":true}, 3))"}}));
}

// Only text bodies are read; an undecodable one is reported on the console.
TEST_F(WebViewProviderTest, UnansweredMessages) {
  ::testing::internal::CaptureStderr();
  post(PlainMap{{"scope", std::string("test-scope")}, {"method", std::string("m")}});
  post(std::string(R"({"scope":"","method":"m"})"));
  post(std::string(R"({"scope":"Test-Scope","method":"m"})"));
  post(std::string("{"));
  post(std::string(R"({"scope":"test-scope","method":"m"})") + '\0' + "{{{");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "\"jsb invoke is invalid: {\"\n"
            R"("jsb invoke is invalid: {\"scope\":\"test-scope\",\"method\":\"m\"}\0{{{")"
            "\n");
  EXPECT_TRUE(scope->invokes.empty());
  EXPECT_TRUE(scripts().empty());
}

TEST_F(WebViewProviderTest, NothingIsSentOnceThePostingWebViewIsGone) {
  post(std::string(R"({"scope":"test-scope","method":"m","invokeId":1})"));
  ASSERT_EQ(scope->callbacks.size(), 1u);
  ::testing::internal::CaptureStderr();
  webView.reset();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "\"H5ContentWebView successfully dealloc\"\n");
  scope->callbacks[0](WebViewResponse{std::nullopt, std::nullopt, true});  // must not crash
}

// Earlier start-up scripts no longer run: a token removed at logout stays out
// of pages loaded later, in any web view, and the scripts do not pile up.
TEST_F(WebViewProviderTest, TheNewestWebViewsStartupScriptAloneIsInForce) {
  web::UserScript others{"window.other = 1;", web::InjectionTime::atDocumentEnd, false};
  content().addUserScript(others);
  UserDefaults::standard().set(kLoginUserTokenKey, std::string("tok"));
  UserDefaults::standard().set("homeId", std::int64_t{42});
  ZephroSdk4TolmarRunner::cloudConfig().setAppKey("key");
  auto loggedIn = provider.createWebView();
  ZephroSdk4TolmarRunner::cloudConfig().setAppKey("");
  ASSERT_EQ(content().userScripts().size(), 2u);
  const web::UserScript& startup = content().userScripts()[1];
  EXPECT_TRUE(startup.source.starts_with(
      R"(window.__token = "tok";window.__homeId = 42;window.__cloudConfig_appKey = "key";)"));
  EXPECT_EQ(startup.injectionTime, web::InjectionTime::atDocumentStart);
  EXPECT_TRUE(startup.forMainFrameOnly);

  UserDefaults::standard().remove(kLoginUserTokenKey);
  for (int i = 0; i < 3; ++i) provider.createWebView();
  loggedIn->loadFileURL(bundlePage(), *H5Manager::shared().rootUrl());
  const auto& sources = engineOf(*loggedIn)->loads().back().userScriptSources;
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(sources[0], others.source);
  EXPECT_TRUE(sources[1].starts_with("window.__homeId = 42;window.__cloudConfig_appKey = \"\";")) << sources[1];
}

// Other documents get no start-up script; a message from one that got
// through (a frame the engine cannot tell apart) is dropped before decoding.
TEST_F(WebViewProviderTest, OnlyTheKitsOwnPagesGetTheGlobalsAndTheBridge) {
  const URL elsewhere = *URL::parse("http://127.0.0.1:9/index.html");
  auto fresh = provider.createWebView();
  fresh->loadFileURL(bundlePage(), *H5Manager::shared().rootUrl());
  fresh->loadRequest(web::URLRequest{elsewhere});
  EXPECT_EQ(engineOf(*fresh)->loads()[0].userScriptSources.size(), 1u);
  EXPECT_TRUE(engineOf(*fresh)->loads()[1].userScriptSources.empty());

  ::testing::internal::CaptureStderr();
  provider.didReceiveScriptMessage(content(), web::ScriptMessage{"jsb", std::string("{"), webView, elsewhere});
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "\"jsb message from an untrusted origin: http://127.0.0.1:9\"\n");
  EXPECT_TRUE(scope->invokes.empty());
}

// Every live engine hears of a change to the shared scripts: a new web view
// makes one change at most, and none while its start-up script is the same.
TEST_F(WebViewProviderTest, ANewWebViewChangesTheSharedScriptsOnlyWhenItsStartupScriptDiffers) {
  struct ScriptChanges : web::ConfigurationObserver {
    void configurationDidChange(const web::WebViewConfiguration&, web::ConfigurationChange change) override {
      count += change == web::ConfigurationChange::userScripts ? 1 : 0;
    }
    int count = 0;
  };
  provider.createWebView();
  auto changes = std::make_shared<ScriptChanges>();
  provider.webviewConfiguration()->addObserver(changes);

  for (int i = 0; i < 3; ++i) provider.createWebView();
  EXPECT_EQ(changes->count, 0);
  UserDefaults::standard().set(kLoginUserTokenKey, std::string("tok"));
  provider.createWebView();
  EXPECT_EQ(changes->count, 1);
}

}  // namespace
}  // namespace zephro
