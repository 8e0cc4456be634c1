// The local "resource" URL scheme: resource://photo.png shows the image file
// photo.png of the application's temporary directory. The whole file name
// travels in the host part; path, query and fragment are ignored.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/platform/web/url_scheme_task.h"

namespace zephro {

inline constexpr char kResourceScheme[] = "resource";

// By the text after the host's last "." (the whole host without one),
// lower-cased: jpg and jpeg give image/jpeg, png image/png, gif image/gif.
// Absent for every other extension.
std::optional<std::string> resourceMimeType(std::string_view host);

// The file `host` names inside `directory`; absent unless the host is a
// plain file name (not empty, ".", "..", and no "/" or NUL).
std::optional<std::filesystem::path> resourceFile(std::string_view host, const std::filesystem::path& directory);

// Answers `task` with the file its URL names in `directory` (MIME type,
// byte count, no text encoding, all bytes at once, finish), or fails it with
// domain "" and code 404 when there is no URL, no host, no served
// extension, no plain file name or no readable regular file.
void serveResource(platform::web::URLSchemeTask& task, const std::filesystem::path& directory);

}  // namespace zephro
