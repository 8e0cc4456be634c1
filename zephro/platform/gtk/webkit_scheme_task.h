#pragma once

#include <webkit/webkit.h>

#include <memory>
#include <string>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/web/url_scheme_task.h"

namespace zephro::platform::gtk {

// A model scheme task answering one WebKit scheme request. WebKit takes the
// whole answer at once, so the pieces are collected until the task finishes.
class WebKitSchemeTask : public web::URLSchemeTask {
 public:
  // `pageUri` is the address as the page wrote it.
  static std::shared_ptr<WebKitSchemeTask> make(WebKitURISchemeRequest* request, const std::string& pageUri);

  WebKitSchemeTask(GObjectRef<WebKitURISchemeRequest> request, web::URLRequest modelRequest);
  // A task dropped unanswered still ends its request, or the page would wait
  // for it forever.
  ~WebKitSchemeTask() override;

 protected:
  void deliverResponse(const web::URLResponse& response) override { mimeType_ = response.mimeType; }
  void deliverData(std::span<const std::uint8_t> data) override { body_.insert(body_.end(), data.begin(), data.end()); }
  void deliverFinish() override;
  void deliverFailure(const web::WebError& error) override;

 private:
  GObjectRef<WebKitURISchemeRequest> request_;
  std::string mimeType_;
  Data body_;
  bool answered_ = false;
};

}  // namespace zephro::platform::gtk
