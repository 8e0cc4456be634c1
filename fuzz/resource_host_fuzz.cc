// Arbitrary "resource" host names: nothing outside the temporary directory
// is ever served, and whatever is served is the file the host names.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "zephro/bridge/resource_scheme.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/headless/headless_web_engine.h"

namespace {

using namespace zephro;

std::filesystem::path& servedDirectory() {
  static auto* directory = new std::filesystem::path;
  return *directory;
}

// Every byte but the unreserved ones escaped, so any host text makes a URL.
std::string hostInURL(const std::string& host) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : host) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0xf];
    }
  }
  return encoded;
}

void write(const std::filesystem::path& file, const char* content) { std::ofstream(file) << content; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::filesystem::path scratch = fuzz::useScratchArea();
  servedDirectory() = platform::foundation::temporaryDirectory();
  write(scratch / "outside.png", "OUTSIDE");
  write(servedDirectory() / "a.png", "inside");
  std::filesystem::create_directory(servedDirectory() / "sub");
  write(servedDirectory() / "sub" / "b.gif", "nested");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string host(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path& directory = servedDirectory();

  if (auto file = resourceFile(host, directory)) {
    if (file->parent_path() != directory || file->filename() != host) std::abort();
  }

  static auto webView = WebViewProvider::shared().createWebView();
  std::optional<URL> url = URL::parse("resource://" + hostInURL(host));
  if (!url) return 0;
  auto task = platform::headless::engineOf(*webView)->runURLSchemeTask(*url);
  if (!task->response()) return 0;
  std::string served(task->data().begin(), task->data().end());
  if (served != "inside" || url->host() != "a.png") std::abort();
  return 0;
}
