// The backend contract on the headless backend: the test plays the page.
#include <filesystem>

#include "tests/platform/contract/backend_contract.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/headless/headless_web_engine.h"

namespace zephro::platform::contract {
namespace {

using headless::engineOf;
using headless::PageDialog;

struct HeadlessBackend {
  static void install() { loop() = headless::HeadlessMainLoop::install(); }
  static bool runUntil(const std::function<bool()>& done) { return loop()->runUntil(done, 5s); }
  static void settle() { loop()->drain(); }

  // The engine keeps each load's scripts: a mark is its script's source.
  static std::string markerScript(const std::string& mark) { return mark; }
  static std::vector<std::string> marksSeen(web::WebView& view) {
    return engineOf(view)->loads().back().userScriptSources;
  }
  // A page whose file is there loads; any other fails.
  static void finishLoad(web::WebView& view) {
    auto* engine = engineOf(view);
    if (std::filesystem::exists(engine->loads().back().url.fileSystemPath())) {
      engine->finishNavigation();
    } else {
      engine->failNavigation({"file", 404});
    }
  }
  static void post(web::WebView& view, const std::string& name, const std::string& json) {
    engineOf(view)->postScriptMessage(name, *foundation::JSONSerialization::jsonObject(json));
  }
  static std::optional<std::string> fetch(web::WebView& view, const std::string& address) {
    auto task = engineOf(view)->runURLSchemeTask(*URL::parse(address));
    if (!task->isFinished()) return std::nullopt;
    return std::string(task->data().begin(), task->data().end());
  }
  static std::vector<std::string> dialogResults(web::WebView& view) {
    std::vector<std::string> results;
    for (auto dialog : {PageDialog::alert, PageDialog::confirm, PageDialog::prompt, PageDialog::openWindow}) {
      results.push_back(foundation::JSONSerialization::data(engineOf(view)->runPageDialog(dialog)).value_or("undefined"));
    }
    return results;
  }
  // It has no windows.
  static std::size_t windowCount() { return 0; }

  static std::shared_ptr<headless::HeadlessMainLoop>& loop() {
    static std::shared_ptr<headless::HeadlessMainLoop> installed;
    return installed;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, BackendContract, HeadlessBackend);

}  // namespace
}  // namespace zephro::platform::contract
