// Where the kit is installed. Its data and its web-process extension lie at
// fixed places relative to its libraries, so an install works wherever it is
// unpacked, and moved as a whole.
#pragma once

#include <filesystem>

namespace zephro::platform::foundation {

// The folder of the shared library whose code or data holds `address`; the
// program's folder when that code is linked into the program itself.
std::filesystem::path folderOfFileHolding(const void* address);

}  // namespace zephro::platform::foundation
