#include "zephro/platform/gtk/extension/request_rules.h"

#include <glib.h>

#include <algorithm>
#include <cctype>

#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/web_extension_protocol.h"

namespace zephro::platform::gtk::extension {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

// Lexical only: the web process runs in a sandbox that may not see the files,
// so links cannot be followed there. Symbolic links inside the root are the
// bundle author's own and are trusted.
std::filesystem::path normalised(const std::filesystem::path& path) {
  auto result = path.lexically_normal();
  // "/root/" and "/root" must compare alike.
  if (!result.has_filename() && result.has_parent_path()) result = result.parent_path();
  return result;
}

std::optional<std::filesystem::path> localFilePath(const std::string& uri) {
  // Query and fragment do not name another file.
  const auto address = uri.substr(0, uri.find_first_of("?#"));
  GOwned<gchar> host;
  const GOwned<gchar> filename(g_filename_from_uri(address.c_str(), host.out(), nullptr));
  // A file on another host is no local file.
  if (!filename || (host && g_ascii_strcasecmp(host.get(), "localhost") != 0)) return std::nullopt;
  return std::filesystem::path(filename.get());
}

bool isInsideReadAccessRoot(const std::filesystem::path& file, const std::filesystem::path& root) {
  if (!root.is_absolute() || !file.is_absolute()) return false;
  const auto normalRoot = normalised(root);
  const auto normalFile = normalised(file);
  const auto firstDifference = std::mismatch(normalRoot.begin(), normalRoot.end(),
                                             normalFile.begin(), normalFile.end());
  return firstDifference.first == normalRoot.end();
}

}  // namespace

std::optional<std::string> privateResourceUri(std::string_view uri) {
  const std::string_view scheme = web_extension_protocol::kPageResourceScheme;
  if (!startsWithIgnoringCase(uri, scheme) || uri.substr(scheme.size(), 3) != "://") return std::nullopt;
  const auto rest = uri.substr(scheme.size());
  const auto host = rest.substr(3, rest.find_first_of("/?#", 3) - 3);
  if (host.empty()) return std::nullopt;
  return std::string(web_extension_protocol::kPrivateResourceScheme) + std::string(rest);
}

bool isRequestAllowed(const std::string& uri, const std::optional<std::filesystem::path>& root) {
  if (!startsWithIgnoringCase(uri, "file:")) return true;
  const auto file = localFilePath(uri);
  return file && root && isInsideReadAccessRoot(*file, *root);
}

}  // namespace zephro::platform::gtk::extension
