#include "bench/gtk/web_view_probe.h"

#include <memory>

#include "tests/gtk/support/main_loop_spin.h"

namespace zephro::bench::gtk {
namespace {

using testing::gtk::spinUntil;

struct Evaluation {
  bool done = false;
  std::optional<std::string> text;
};

void finishEvaluation(GObject* view, GAsyncResult* result, gpointer data) {
  // Shared with the waiter, which may have given up already.
  std::unique_ptr<std::shared_ptr<Evaluation>> evaluation(static_cast<std::shared_ptr<Evaluation>*>(data));
  JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
  if (value != nullptr) {
    char* text = jsc_value_to_string(value);
    (*evaluation)->text = text;
    g_free(text);
    g_object_unref(value);
  }
  (*evaluation)->done = true;
}

}  // namespace

std::optional<std::string> evaluateToString(WebKitWebView* view, const std::string& script) {
  auto evaluation = std::make_shared<Evaluation>();
  webkit_web_view_evaluate_javascript(view, script.c_str(), static_cast<gssize>(script.size()), nullptr, nullptr,
                                      nullptr, finishEvaluation, new std::shared_ptr<Evaluation>(evaluation));
  spinUntil([&evaluation] { return evaluation->done; });
  return evaluation->text;
}

}  // namespace zephro::bench::gtk
