// The page screen's own scope, "currentPage".
#include "zephro/h5/h5_content_view_controller.h"

#include <utility>

namespace zephro {

void H5ContentViewController::handle(const JSBInvocation& invocation, JSBCallback callback) {
  const WebViewInvoke& invoke = invocation.invoke;
  if (invoke.method == "getPageParams") {
    if (callback) callback(WebViewResponse{std::nullopt, params_, true});
  } else if (invoke.method == "pickImage") {
    if (invoke.invokeId && callback) jsbCallbacks_[*invoke.invokeId] = std::move(callback);
  }
}

}  // namespace zephro
