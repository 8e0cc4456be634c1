#include "zephro/platform/gtk/webkit_scheme_task.h"

#include <string_view>

#include "zephro/platform/gtk/scheme_error.h"
#include "zephro/platform/gtk/scheme_response.h"

namespace zephro::platform::gtk {

std::shared_ptr<WebKitSchemeTask> WebKitSchemeTask::make(WebKitURISchemeRequest* request,
                                                         const std::string& pageUri) {
  web::URLRequest modelRequest;
  modelRequest.url = URL::parse(pageUri);
  return std::make_shared<WebKitSchemeTask>(GObjectRef<WebKitURISchemeRequest>::retain(request),
                                            std::move(modelRequest));
}

WebKitSchemeTask::WebKitSchemeTask(GObjectRef<WebKitURISchemeRequest> request, web::URLRequest modelRequest)
    : URLSchemeTask(std::move(modelRequest)), request_(std::move(request)) {}

WebKitSchemeTask::~WebKitSchemeTask() {
  if (!answered_) finishWithSchemeError(request_.get(), web::WebError::kDomain, web::WebError::kCancelled);
}

void WebKitSchemeTask::deliverFinish() {
  answered_ = true;
  const std::string_view body(reinterpret_cast<const char*>(body_.data()), body_.size());
  finishWithBody(request_.get(), mimeType_, body);
}

void WebKitSchemeTask::deliverFailure(const web::WebError& error) {
  answered_ = true;
  finishWithSchemeError(request_.get(), error.domain, static_cast<int>(error.code));
}

}  // namespace zephro::platform::gtk
