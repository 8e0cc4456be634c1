// The application's identity and its private temporary directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zephro::platform::foundation {

// Names the application's own folders (settings, temporary files). Defaults to
// the program's name.
std::string applicationId();
// Returns false, changing nothing, for an id that cannot name a folder (empty,
// "." or "..", containing "/" or a NUL).
bool setApplicationId(std::string_view id);

// $TMPDIR/<app id> (or /tmp/<app id>), a directory of this user's with mode
// 0700, created when missing. When that name is taken by something this user
// cannot trust (another owner, a link, a file, a directory others may write
// to) a fresh private directory "<app id>-XXXXXX" beside it is used instead.
// Empty when no private directory can be made.
std::filesystem::path temporaryDirectory();

}  // namespace zephro::platform::foundation
