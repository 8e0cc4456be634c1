#pragma once

#include <cstdint>
#include <span>

#include "zephro/platform/web/url_request.h"
#include "zephro/platform/web/url_response.h"
#include "zephro/platform/web/web_error.h"

namespace zephro::platform::web {

// One request of a custom scheme, answered by its handler: a response, then
// data in any number of pieces, then finish; or a failure at any point before
// the end. Calls out of that order (data before the response, a second
// response, anything after finish, failure or stop) are dropped, so a careless
// or late handler can never corrupt the engine's request.
//
// An engine derives from it and delivers the accepted calls to its own request.
class URLSchemeTask {
 public:
  explicit URLSchemeTask(URLRequest request);
  virtual ~URLSchemeTask() = default;
  URLSchemeTask(const URLSchemeTask&) = delete;
  URLSchemeTask& operator=(const URLSchemeTask&) = delete;

  const URLRequest& request() const { return request_; }

  void didReceiveResponse(const URLResponse& response);
  void didReceiveData(std::span<const std::uint8_t> data);
  void didFinish();
  void didFailWithError(const WebError& error);

  // Still waiting for its answer to end (not finished, failed or stopped).
  bool isOpen() const { return phase_ == Phase::awaitingResponse || phase_ == Phase::receivingData; }

 protected:
  virtual void deliverResponse(const URLResponse& response) = 0;
  virtual void deliverData(std::span<const std::uint8_t> data) = 0;
  virtual void deliverFinish() = 0;
  virtual void deliverFailure(const WebError& error) = 0;

  // The engine no longer wants the answer (page gone, load cancelled): every
  // later call is dropped.
  void markStopped();

 private:
  friend class WebViewEngineClient;

  enum class Phase { awaitingResponse, receivingData, finished, failed, stopped };

  URLRequest request_;
  Phase phase_ = Phase::awaitingResponse;
};

}  // namespace zephro::platform::web
