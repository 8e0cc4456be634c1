#include "zephro/platform/web/url_scheme_task.h"

#include <utility>

namespace zephro::platform::web {

URLSchemeTask::URLSchemeTask(URLRequest request) : request_(std::move(request)) {}

void URLSchemeTask::didReceiveResponse(const URLResponse& response) {
  if (phase_ != Phase::awaitingResponse) return;
  phase_ = Phase::receivingData;
  deliverResponse(response);
}

void URLSchemeTask::didReceiveData(std::span<const std::uint8_t> data) {
  if (phase_ != Phase::receivingData) return;
  deliverData(data);
}

void URLSchemeTask::didFinish() {
  if (phase_ != Phase::receivingData) return;
  phase_ = Phase::finished;
  deliverFinish();
}

void URLSchemeTask::didFailWithError(const WebError& error) {
  if (!isOpen()) return;
  phase_ = Phase::failed;
  deliverFailure(error);
}

void URLSchemeTask::markStopped() {
  if (isOpen()) phase_ = Phase::stopped;
}

}  // namespace zephro::platform::web
