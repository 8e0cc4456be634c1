// Arbitrary message bodies posted by a page on the "jsb" channel: decoding,
// validation, dispatch and the answer must never crash or misbehave. A call
// read without a tree must be the one the tree gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/bridge/web_view_invoke.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/headless/headless_web_engine.h"

namespace {

using namespace zephro;

std::shared_ptr<platform::headless::HeadlessMainLoop>& mainLoop() {
  static std::shared_ptr<platform::headless::HeadlessMainLoop> loop = platform::headless::HeadlessMainLoop::install();
  return loop;
}

// Answers with the params it was given, twice, so that encoding arbitrary
// decoded values is exercised too.
class EchoScope : public JSBImplement {
 public:
  void handle(const JSBInvocation& invocation, JSBCallback callback) override {
    WebViewResponse response{std::nullopt, invocation.invoke.params, true};
    callback(response);
    callback(response);
  }
};

std::optional<std::string> decodedFields(std::string_view text, bool throughTree) {
  try {
    const WebViewInvoke invoke = throughTree ? JSONDecoder().decodeTree<WebViewInvoke>(JSONDecoder::parse(text))
                                             : JSONDecoder().decode<WebViewInvoke>(text);
    return JSONEncoder().encode(invoke);
  } catch (const DecodingError&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::useScratchArea();
  mainLoop();
  JSBManager::shared().registerScope(std::make_shared<EchoScope>(), "app");
  JSBManager::shared().registerScope(std::make_shared<EchoScope>(), "");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (decodedFields(text, false) != decodedFields(text, true)) std::abort();
  // A web view per input: the headless engine keeps every script it ran, and
  // memory kept across inputs would set off the leak checks.
  // Only the kit's own pages, as the H5 manager knows them, reach the bridge.
  const URL root = *H5Manager::shared().rootUrl();
  auto webView = WebViewProvider::shared().createWebView();
  webView->loadFileURL(root.appendingPathComponent("page/index.html"), root);
  auto* engine = platform::headless::engineOf(*webView);
  engine->postScriptMessage("jsb", std::string(text));
  mainLoop()->drain();  // the answers reach the page at the end of the pass
  for (const std::string& script : engine->evaluatedScripts()) {
    if (script.rfind("window.__jsb.onResponse(", 0) != 0) std::abort();
  }
  return 0;
}
