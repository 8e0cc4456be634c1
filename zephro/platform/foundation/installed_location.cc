#include "zephro/platform/foundation/installed_location.h"

#include <dlfcn.h>

#include <system_error>

namespace zephro::platform::foundation {

std::filesystem::path folderOfFileHolding(const void* address) {
  Dl_info info{};
  std::filesystem::path file;
  if (dladdr(address, &info) != 0 && info.dli_fname != nullptr) file = info.dli_fname;
  std::error_code error;
  // The program itself may be named as it was started, without a folder.
  if (!file.has_parent_path()) file = std::filesystem::read_symlink("/proc/self/exe", error);
  // Through links to the real file: its neighbours are the install's.
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
  return (error ? file : resolved).parent_path();
}

}  // namespace zephro::platform::foundation
