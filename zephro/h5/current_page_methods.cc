// The page screen's own scope, "currentPage".
#include <utility>

#include "zephro/bridge/scope_methods.h"
#include "zephro/h5/h5_content_view_controller.h"

namespace zephro {

// Answers the whole params map.
void H5ContentViewController::getPageParams(H5ContentViewController& screen, const NoParams& /*params*/,
                                            const JSBInvocation& /*invocation*/, JSBCallback callback) {
  if (callback) callback(WebViewResponse{std::nullopt, screen.params_, true});
}

// Parks the completion under the invocation id, never to be called.
void H5ContentViewController::pickImage(H5ContentViewController& screen, const NoParams& /*params*/,
                                        const JSBInvocation& invocation, JSBCallback callback) {
  const std::optional<std::int64_t>& invokeId = invocation.invoke.invokeId;
  if (invokeId && callback) screen.jsbCallbacks_[*invokeId] = std::move(callback);
}

void H5ContentViewController::handle(const JSBInvocation& invocation, JSBCallback callback) {
  static const ScopeMethods<H5ContentViewController> methods =
      ScopeMethods<H5ContentViewController>().add("getPageParams", getPageParams).add("pickImage", pickImage);
  methods.call(*this, invocation, std::move(callback));
}

}  // namespace zephro
