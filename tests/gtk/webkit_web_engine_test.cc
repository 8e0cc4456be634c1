// Model web views on real WebKit beyond the backend contract: user-script
// updates, evaluation, the resource scheme through the model's handler, file
// confinement, the shared web process. Load timeouts and failures:
// tests/gtk/kit/recovery_test.cc.

#include <gio/gio.h>

#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/gtk/support/gtk_backend_fixture.h"
#include "tests/gtk/support/process_tree.h"
#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/web/script_message_handler.h"
#include "zephro/platform/web/url_scheme_handler.h"
#include "zephro/platform/web/url_scheme_task.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::GtkBackendTest;
using testing::gtk::spinUntil;
using namespace std::chrono_literals;

class RecordingHandler : public web::ScriptMessageHandler {
 public:
  void didReceiveScriptMessage(web::UserContentController&, const web::ScriptMessage& message) override {
    const auto* text = std::any_cast<std::string>(&message.body);
    auto json = foundation::JSONSerialization::data(message.body);
    received.push_back(text ? *text : json.value_or("?"));
  }
  std::vector<std::string> received;
};

// Serves "resource://NAME" from a directory, as the kit's provider does from
// the temporary directory; a handler may also leave tasks unanswered.
class DirectorySchemeHandler : public web::URLSchemeHandler {
 public:
  explicit DirectorySchemeHandler(std::filesystem::path directory) : directory_(std::move(directory)) {}

  void startURLSchemeTask(web::WebView&, std::shared_ptr<web::URLSchemeTask> task) override {
    const auto& url = task->request().url;
    const auto host = url ? url->host() : std::nullopt;
    if (host == "ignored.png") return;  // dropped without an answer
    std::ifstream in(directory_ / host.value_or(""), std::ios::binary);
    if (!host || !in) {
      task->didFailWithError({"", 404});
      return;
    }
    const zephro::Data body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    task->didReceiveResponse({*url, "image/png", static_cast<std::int64_t>(body.size()), std::nullopt});
    task->didReceiveData(body);
    task->didFinish();
  }
  void stopURLSchemeTask(web::WebView&, std::shared_ptr<web::URLSchemeTask>) override {}

 private:
  std::filesystem::path directory_;
};

// A 1x1 PNG, so that <img> has something real to decode.
std::string onePixelPng() {
  gsize length = 0;
  guchar* bytes = g_base64_decode(
      "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8DwHwAFBQIAX8jx0gAAAABJRU5ErkJggg==", &length);
  std::string png(reinterpret_cast<const char*>(bytes), length);
  g_free(bytes);
  return png;
}

const char* kPostScript = "window.webkit.messageHandlers.jsb.postMessage";

class WebKitWebEngineTest : public GtkBackendTest {
 protected:
  void SetUp() override {
    GtkBackendTest::SetUp();
    configuration_ = web::WebViewConfiguration::make();
    configuration_->preferences().setValue("allowFileAccessFromFileURLs", true);
    configuration_->userContentController().addScriptMessageHandler(handler_, "jsb");
  }

  std::shared_ptr<web::WebView> makeWebView() { return web::WebView::make({}, configuration_); }

  void loadPage(web::WebView& webView, const std::string& name, const std::string& html) {
    const auto page = writeFile("site/" + name, html);
    webView.loadFileURL(fileURL(page), fileURL(page.parent_path(), true));
  }

  bool awaitMessages(std::size_t count) {
    return spinUntil([&] { return handler_->received.size() >= count; });
  }

  std::shared_ptr<web::WebViewConfiguration> configuration_;
  std::shared_ptr<RecordingHandler> handler_ = std::make_shared<RecordingHandler>();
};

// Scripts changed after the view was made reach it, the unchanged ones kept,
// the replaced ones gone.
TEST_F(WebKitWebEngineTest, UserScriptsRunBeforeThePageAsTheConfigurationHasThemNow) {
  const auto ran = [](const char* name) {
    return web::UserScript{std::string("(window.__ran ||= []).push('") + name + "');"};
  };
  auto& content = configuration_->userContentController();
  content.setUserScripts({ran("a"), ran("b")});
  auto webView = makeWebView();
  content.addUserScript(ran("c"));
  content.setUserScripts({ran("a"), ran("x"), ran("c")});
  loadPage(*webView, "index.html", std::string("<script>") + kPostScript + "(window.__ran.join(' '))</script>");

  ASSERT_TRUE(awaitMessages(1));
  EXPECT_EQ(handler_->received[0], "a x c");
}

TEST_F(WebKitWebEngineTest, EvaluatedScriptsAnswerWithPlainValuesOrAnError) {
  auto webView = makeWebView();
  loadPage(*webView, "index.html", "<script>window.answer = {list: [1, 'two', null], ok: true};</script>");
  ASSERT_TRUE(awaitLoaded(*webView));

  EXPECT_EQ(evaluateToJson(*webView, "1 + 2"), "3");
  EXPECT_EQ(evaluateToJson(*webView, "window.answer"), R"({"list":[1,"two",null],"ok":true})");
  EXPECT_EQ(evaluateToJson(*webView, "'text'"), R"("text")");

  std::optional<web::WebError> error;
  bool answered = false;
  webView->evaluateJavaScript("throw new Error('no')", [&](std::any, std::optional<web::WebError> failure) {
    error = failure;
    answered = true;
  });
  ASSERT_TRUE(spinUntil([&] { return answered; }));
  EXPECT_TRUE(error.has_value());
}

// Scripts queued in one pass run in order, each as if alone: one that throws
// stops none of the others, and each keeps its own top-level names.
TEST_F(WebKitWebEngineTest, QueuedScriptsRunInOrderAndFailAlone) {
  auto webView = makeWebView();
  loadPage(*webView, "index.html", "<script>window.log = [];</script>");
  ASSERT_TRUE(awaitLoaded(*webView));
  for (const char* script : {"log.push(1)", "throw new Error('no')", "noSuchFunction()",
                             "let x = 2; log.push(x) // trailing comment", "let x = 3; log.push(x)"}) {
    webView->queueJavaScript(script);
  }
  ASSERT_TRUE(spinUntil([&] { return evaluateToJson(*webView, "log.length") == "3"; }));
  EXPECT_EQ(evaluateToJson(*webView, "log"), "[1,2,3]");
}

TEST_F(WebKitWebEngineTest, ResourceSchemeServesFilesThroughTheModelHandler) {
  writeFile("tmp/photo.png", onePixelPng());
  configuration_->setURLSchemeHandler(std::make_shared<DirectorySchemeHandler>(scratch() / "tmp"), "resource");
  auto webView = makeWebView();
  loadPage(*webView, "index.html", std::string(R"(<img id="photo" src="resource://photo.png"><script>
    const probe = async (address) => {
      try { const r = await fetch(address); return r.status + ':' + (await r.arrayBuffer()).byteLength; }
      catch (e) { return 'refused'; } };
    window.onload = async () => )") + kPostScript + R"(([
      document.getElementById('photo').naturalWidth,
      await probe('resource://photo.png'), await probe('resource://missing.png'),
      await probe('resource://ignored.png')].join(' '));
  </script>)");

  ASSERT_TRUE(awaitMessages(1));
  EXPECT_EQ(handler_->received[0], "1 200:" + std::to_string(onePixelPng().size()) + " refused refused");
}

// A page that reads each address with fetch() and posts "address status
// byte-count" (or "address refused") for each, joined by "|".
std::string fetchingPage(const std::vector<std::string>& addresses) {
  std::string list;
  for (const auto& address : addresses) list += (list.empty() ? "'" : ",'") + address + "'";
  return "<script>(async () => { const results = [];"
         "for (const address of [" + list + "]) {"
         "  try { const r = await fetch(address); const b = await r.arrayBuffer();"
         "        results.push(address + ' ' + r.status + ' ' + b.byteLength); }"
         "  catch (e) { results.push(address + ' refused'); } }"
         "window.webkit.messageHandlers.jsb.postMessage(results.join('|')); })();</script>";
}

TEST_F(WebKitWebEngineTest, FileReadsStayInsideTheReadAccessRoot) {
  writeFile("site/data.txt", "inside");
  writeFile("site/nested/deeper.txt", "deep");
  writeFile("secret.txt", "outside");
  const auto secret = fileURL(scratch() / "secret.txt").absoluteString();
  auto webView = makeWebView();
  loadPage(*webView, "index.html",
           fetchingPage({"data.txt", "nested/../nested/deeper.txt", "../secret.txt", "%2e%2e/secret.txt", secret}));

  ASSERT_TRUE(awaitMessages(1));
  EXPECT_EQ(handler_->received[0],
            "data.txt 0 6|nested/../nested/deeper.txt 0 4|../secret.txt refused|%2e%2e/secret.txt refused|" + secret +
                " refused");
}

TEST_F(WebKitWebEngineTest, AllKitWebViewsShareOneWebProcess) {
  std::vector<std::shared_ptr<web::WebView>> webViews;
  for (int i = 0; i < 4; ++i) {
    webViews.push_back(makeWebView());
    loadPage(*webViews.back(), "index.html", std::string("<script>") + kPostScript + "('up')</script>");
  }
  ASSERT_TRUE(awaitMessages(4));
  EXPECT_EQ(testing::gtk::descendantProcessCount("WebKitWebProces"), 1);
}
}  // namespace
}  // namespace zephro::platform::gtk
