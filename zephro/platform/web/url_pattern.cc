#include "zephro/platform/web/url_pattern.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace zephro::platform::web {
namespace {

constexpr std::string_view kSchemeSeparator = "://";

struct Address {
  std::string_view scheme;
  std::string_view host;
  std::string_view path;
  std::string_view port;
};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && equalIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// Host without user information and port; path without query and fragment.
std::optional<Address> addressOf(std::string_view url) {
  const auto colon = url.find(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  Address address{url.substr(0, colon), {}, {}};
  std::string_view rest = url.substr(colon + 1);
  rest = rest.substr(0, rest.find_first_of("?#"));
  if (rest.starts_with("//")) {
    const auto authorityEnd = rest.find('/', 2);
    std::string_view authority = rest.substr(2, authorityEnd - 2);
    if (const auto at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
    const auto portColon = authority.rfind(':');
    const auto bracket = authority.rfind(']');
    const bool hasPort = portColon != std::string_view::npos && (bracket == std::string_view::npos || portColon > bracket);
    address.host = hasPort ? authority.substr(0, portColon) : authority;
    if (hasPort) address.port = authority.substr(portColon + 1);
    rest = authorityEnd == std::string_view::npos ? std::string_view{} : rest.substr(authorityEnd);
  }
  address.path = rest;
  return address;
}

// "*" stands for any run of characters; everything else matches itself.
bool matchesGlob(std::string_view glob, std::string_view text) {
  std::size_t g = 0, t = 0;
  std::optional<std::size_t> star;
  std::size_t starText = 0;
  while (t < text.size()) {
    if (g < glob.size() && glob[g] == '*') {
      star = g++;
      starText = t;
    } else if (g < glob.size() && glob[g] == text[t]) {
      ++g;
      ++t;
    } else if (star) {
      g = *star + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (g < glob.size() && glob[g] == '*') ++g;
  return g == glob.size();
}

bool matchesScheme(std::string_view patternScheme, std::string_view scheme) {
  if (patternScheme == "*") return equalIgnoringCase(scheme, "http") || equalIgnoringCase(scheme, "https");
  return equalIgnoringCase(patternScheme, scheme);
}

bool matchesHost(std::string_view patternHost, std::string_view host) {
  if (patternHost == "*") return true;
  if (!patternHost.starts_with("*.")) return equalIgnoringCase(patternHost, host);
  const auto domain = patternHost.substr(2);
  return equalIgnoringCase(domain, host) || endsWithIgnoringCase(host, std::string(".") + std::string(domain));
}

// "*", "*.name" or a name without wildcards.
bool isHostPattern(std::string_view host) {
  if (host == "*") return true;
  if (host.starts_with("*.")) host.remove_prefix(2);
  return !host.empty() && host.find('*') == std::string_view::npos;
}

std::optional<Address> patternOf(std::string_view pattern) {
  const auto separator = pattern.find(kSchemeSeparator);
  if (separator == std::string_view::npos || separator == 0) return std::nullopt;
  Address parts{pattern.substr(0, separator), {}, pattern.substr(separator + kSchemeSeparator.size())};
  if (!equalIgnoringCase(parts.scheme, "file")) {
    const auto pathStart = std::min(parts.path.find('/'), parts.path.size());
    parts.host = parts.path.substr(0, pathStart);
    parts.path.remove_prefix(pathStart);
    if (!isHostPattern(parts.host)) return std::nullopt;
  }
  if (!parts.path.starts_with("/")) return std::nullopt;
  return parts;
}

}  // namespace

bool matchesURLPattern(std::string_view pattern, std::string_view url) {
  const auto parts = patternOf(pattern);
  const auto address = addressOf(url);
  if (!parts || !address || !matchesScheme(parts->scheme, address->scheme)) return false;
  if (!equalIgnoringCase(parts->scheme, "file") && !matchesHost(parts->host, address->host)) return false;
  return matchesGlob(parts->path, address->path);
}

std::optional<std::string> originOf(std::string_view url) {
  const auto address = addressOf(url);
  if (!address || address->host.empty()) return std::nullopt;
  std::string port(address->port);
  if (port.empty() && equalIgnoringCase(address->scheme, "http")) port = "80";
  if (port.empty() && equalIgnoringCase(address->scheme, "https")) port = "443";
  std::string origin = std::string(address->scheme) + "://" + std::string(address->host) + ":" + port;
  std::transform(origin.begin(), origin.end(), origin.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return origin;
}

bool DocumentFilter::matches(std::string_view url) const {
  auto matchesAny = [url](const std::vector<std::string>& patterns) {
    return std::any_of(patterns.begin(), patterns.end(),
                       [url](const std::string& pattern) { return matchesURLPattern(pattern, url); });
  };
  return (allowList.empty() || matchesAny(allowList)) && !matchesAny(blockList);
}

}  // namespace zephro::platform::web
