// Arbitrary references resolved against arbitrary bases (the input is
// "base\nreference"): nothing crashes, a URL's text reads back as the same
// URL, resolving a resolved URL against itself settles at once, and the
// resolved host is the one written in whichever side gave the authority.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/platform/foundation/url.h"

namespace {

using zephro::URL;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void requireReadsBack(const URL& url) {
  std::optional<URL> again = URL::parse(url.absoluteString());
  require(again && *again == url && again->host() == url.host());
}

// The host a resolution must keep: the reference's when it names a scheme or
// an authority of its own, else the base's.
std::optional<std::string> expectedHost(std::string_view reference, const URL& parsed, const URL& base) {
  bool hasScheme = !parsed.scheme().empty();
  bool hasAuthority = reference.substr(hasScheme ? reference.find(':') + 1 : 0).starts_with("//");
  return hasScheme || hasAuthority ? parsed.host() : base.host();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t newline = input.find('\n');
  std::string_view baseText = input.substr(0, newline);
  std::string_view reference = newline == std::string_view::npos ? input : input.substr(newline + 1);

  std::optional<URL> base = URL::parse(baseText);
  if (base) requireReadsBack(*base);
  std::optional<URL> parsed = URL::parse(reference);
  if (parsed) requireReadsBack(*parsed);
  if (!base) return 0;

  std::optional<URL> resolved = URL::parse(reference, *base);
  if (!resolved) return 0;
  require(parsed.has_value());
  requireReadsBack(*resolved);
  require(resolved->host() == expectedHost(reference, *parsed, *base));
  // A reference that is only a query or fragment keeps the base's path as it
  // is, dot segments included; so stability holds from the second round.
  std::optional<URL> again = URL::parse(resolved->absoluteString(), *resolved);
  require(again.has_value());
  std::optional<URL> settled = URL::parse(again->absoluteString(), *again);
  require(settled && *settled == *again);
  return 0;
}
