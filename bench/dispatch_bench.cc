// One bridge message end to end on the headless backend: the page posts the
// JSON text, the provider decodes, validates and dispatches it to a scope
// that answers, and the response script is evaluated in the web view at the
// end of the main-loop pass. The
// baseline is nlohmann-json parsing and dumping the same text.
#include <nlohmann/json.hpp>
#include <string>

#include "bench_support.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/platform/headless/install.h"

namespace {

using namespace zephro;

class AnsweringScope : public JSBImplement {
 public:
  void handle(const JSBInvocation& invocation, JSBCallback callback) override {
    const auto& params = *invocation.invoke.params;
    callback(WebViewResponse{std::nullopt, std::map<std::string, AnyCodable>{{"value", params.at("key")}}, true});
  }
};

}  // namespace

int main() {
  platform::headless::install();
  const std::string message =
      R"({"scope":"bench","method":"getUserDefaults","params":{"key":"homeId","value":{"id":42,)"
      R"("name":"客厅","tags":["a","b"],"on":true,"t":21.5}},"invokeId":12})";

  auto loop = platform::headless::HeadlessMainLoop::install();
  // Web views read the store at creation; keep the user's own out of it.
  platform::foundation::UserDefaults::setStandardStorePath(platform::foundation::temporaryDirectory() /
                                                           "dispatch-bench.sqlite3");
  JSBManager::shared().registerScope(std::make_shared<AnsweringScope>(), "bench");
  // Only the kit's own pages, as the H5 manager knows them, reach the bridge.
  const URL root = *H5Manager::shared().rootUrl();
  auto webView = WebViewProvider::shared().createWebView();
  webView->loadFileURL(root.appendingPathComponent("page/index.html"), root);
  auto* engine = platform::headless::engineOf(*webView);

  std::size_t answered = 0;
  auto ours = [&] {
    engine->postScriptMessage("jsb", message);
    loop->drain();
    ++answered;
  };
  auto baseline = [&] {
    std::string text = nlohmann::json::parse(message).dump();
    bench::keep(text);
  };

  bench::Comparison result = bench::compare(ours, baseline);
  if (engine->evaluatedScripts().size() != answered ||
      engine->evaluatedScripts().back() != R"(window.__jsb.onResponse({"responseBody":{"value":"homeId"},"success":true}, 12))") {
    std::fprintf(stderr, "the bridge did not answer as expected\n");
    return 1;
  }
  bench::report("dispatch", result);
  bench::printRatio("dispatch", result.ratio());
}
