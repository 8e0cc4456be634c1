#pragma once

#include <optional>
#include <string>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/web/url_scheme_task.h"

namespace zephro::platform::headless {

// A scheme task run by the headless engine: it keeps what the handler answered.
class HeadlessURLSchemeTask : public web::URLSchemeTask {
 public:
  HeadlessURLSchemeTask(std::string scheme, web::URLRequest request);

  const std::string& scheme() const { return scheme_; }
  const std::optional<web::URLResponse>& response() const { return response_; }
  // Every piece of data delivered, joined.
  const Data& data() const { return data_; }
  bool isFinished() const { return finished_; }
  const std::optional<web::WebError>& error() const { return error_; }

  // The engine went away with the task unanswered.
  void abandon() { markStopped(); }

 protected:
  void deliverResponse(const web::URLResponse& response) override { response_ = response; }
  void deliverData(std::span<const std::uint8_t> data) override { data_.insert(data_.end(), data.begin(), data.end()); }
  void deliverFinish() override { finished_ = true; }
  void deliverFailure(const web::WebError& error) override { error_ = error; }

 private:
  std::string scheme_;
  std::optional<web::URLResponse> response_;
  Data data_;
  bool finished_ = false;
  std::optional<web::WebError> error_;
};

}  // namespace zephro::platform::headless
