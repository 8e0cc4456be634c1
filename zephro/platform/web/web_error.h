#pragma once

#include <cstdint>
#include <string>

namespace zephro::platform::web {

// An error reported to or by the web engine: a domain, a code and, where the
// engine gives one, a text for people.
struct WebError {
  // Domain of the errors the web model itself raises.
  static constexpr const char* kDomain = "zephro.web";
  // The request was given up before it was answered.
  static constexpr std::int64_t kCancelled = -999;
  // The server did not answer within the request's timeout.
  static constexpr std::int64_t kTimedOut = -1001;
  // No handler serves the request's scheme.
  static constexpr std::int64_t kUnsupportedURL = -1002;

  static WebError cancelled() { return {kDomain, kCancelled, {}}; }
  static WebError unsupportedURL() { return {kDomain, kUnsupportedURL, {}}; }
  static WebError timedOut() { return {kDomain, kTimedOut, "The request timed out."}; }

  std::string domain;
  std::int64_t code = 0;
  std::string description;

  bool operator==(const WebError&) const = default;
};

}  // namespace zephro::platform::web
