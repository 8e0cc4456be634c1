#pragma once

#include <cstdint>
#include <string>

namespace zephro::platform::web {

// An error reported to or by the web engine: a domain and a code, nothing more.
struct WebError {
  // Domain of the errors the web model itself raises.
  static constexpr const char* kDomain = "zephro.web";
  // The request was given up before it was answered.
  static constexpr std::int64_t kCancelled = -999;
  // No handler serves the request's scheme.
  static constexpr std::int64_t kUnsupportedURL = -1002;

  static WebError cancelled() { return {kDomain, kCancelled}; }
  static WebError unsupportedURL() { return {kDomain, kUnsupportedURL}; }

  std::string domain;
  std::int64_t code = 0;

  bool operator==(const WebError&) const = default;
};

}  // namespace zephro::platform::web
