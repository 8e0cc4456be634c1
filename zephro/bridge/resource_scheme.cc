#include "zephro/bridge/resource_scheme.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "zephro/platform/foundation/kinds.h"

namespace zephro {

namespace {

using platform::web::URLResponse;
using platform::web::WebError;

std::string lowerCased(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::optional<Data> readRegularFile(const std::filesystem::path& file) {
  std::error_code error;
  // A FIFO or device under an image's name would block or never end.
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  Data bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  if (stream.bad()) return std::nullopt;
  return bytes;
}

void failNotFound(platform::web::URLSchemeTask& task) { task.didFailWithError(WebError{"", 404}); }

}  // namespace

std::optional<std::string> resourceMimeType(std::string_view host) {
  std::size_t dot = host.rfind('.');
  std::string extension = lowerCased(dot == std::string_view::npos ? host : host.substr(dot + 1));
  if (extension == "jpg" || extension == "jpeg") return "image/jpeg";
  if (extension == "png") return "image/png";
  if (extension == "gif") return "image/gif";
  return std::nullopt;
}

std::optional<std::filesystem::path> resourceFile(std::string_view host, const std::filesystem::path& directory) {
  bool plainName = !host.empty() && host != "." && host != ".." && host.find('/') == std::string_view::npos &&
                   host.find('\0') == std::string_view::npos;
  if (!plainName || directory.empty()) return std::nullopt;
  return directory / std::filesystem::path(std::string(host));
}

void serveResource(platform::web::URLSchemeTask& task, const std::filesystem::path& directory) {
  const std::optional<URL>& url = task.request().url;
  std::optional<std::string> host = url ? url->host() : std::nullopt;
  std::optional<std::string> mimeType = host ? resourceMimeType(*host) : std::nullopt;
  std::optional<std::filesystem::path> file = mimeType ? resourceFile(*host, directory) : std::nullopt;
  std::optional<Data> bytes = file ? readRegularFile(*file) : std::nullopt;
  if (!bytes) {
    failNotFound(task);
    return;
  }
  task.didReceiveResponse(URLResponse{*url, *mimeType, static_cast<std::int64_t>(bytes->size()), std::nullopt});
  task.didReceiveData(*bytes);
  task.didFinish();
}

}  // namespace zephro
