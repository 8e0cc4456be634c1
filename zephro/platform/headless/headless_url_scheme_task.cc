#include "zephro/platform/headless/headless_url_scheme_task.h"

#include <utility>

namespace zephro::platform::headless {

HeadlessURLSchemeTask::HeadlessURLSchemeTask(std::string scheme, web::URLRequest request)
    : web::URLSchemeTask(std::move(request)), scheme_(std::move(scheme)) {}

}  // namespace zephro::platform::headless
