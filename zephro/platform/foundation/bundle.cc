#include "zephro/platform/foundation/bundle.h"

#include <atomic>
#include <string>
#include <system_error>
#include <utility>

#include "zephro/platform/foundation/installed_location.h"

namespace zephro::platform::foundation {

namespace {

struct KitLocation {
  std::mutex mutex;
  std::filesystem::path chosenByHost;
  std::atomic<std::uint64_t> changes{0};
};

KitLocation& kitLocation() {
  static KitLocation* location = new KitLocation;
  return *location;
}

// Found once: the library does not move while it is loaded, and the bridge
// asks for the bundle on every message.
const std::filesystem::path& defaultKitBundlePath() {
  static const char inThisLibrary = 0;
  static const std::filesystem::path path =
      (folderOfFileHolding(&inThisLibrary) / ZEPHRO_BUNDLE_FROM_LIBRARY).lexically_normal();
  return path;
}

std::filesystem::path executableDirectory() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : exe.parent_path();
}

}  // namespace

Bundle& Bundle::main() {
  static Bundle* bundle = new Bundle(Kind::main);
  return *bundle;
}

Bundle& Bundle::kit() {
  static Bundle* bundle = new Bundle(Kind::kit);
  return *bundle;
}

void Bundle::setKitBundlePath(std::filesystem::path directory) {
  KitLocation& location = kitLocation();
  std::lock_guard lock(location.mutex);
  location.chosenByHost = std::move(directory);
  ++location.changes;
}

std::uint64_t Bundle::kitBundlePathChanges() { return kitLocation().changes; }

void Bundle::setInfoDictionary(PlainMap info) {
  std::lock_guard lock(mutex_);
  info_ = std::move(info);
}

std::any Bundle::objectForInfoDictionaryKey(std::string_view key) const {
  std::lock_guard lock(mutex_);
  auto entry = info_.find(std::string(key));
  return entry == info_.end() ? std::any() : entry->second;
}

std::filesystem::path Bundle::bundlePath() const {
  if (kind_ == Kind::main) return executableDirectory();
  KitLocation& location = kitLocation();
  std::lock_guard lock(location.mutex);
  return location.chosenByHost.empty() ? defaultKitBundlePath() : location.chosenByHost;
}

URL Bundle::bundleURL() const { return URL::fileURL(bundlePath(), true); }

std::optional<URL> Bundle::urlForResource(std::string_view name, std::string_view extension,
                                          std::string_view subdirectory) const {
  std::string fileName(name);
  if (!extension.empty()) fileName += "." + std::string(extension);
  std::filesystem::path file = bundlePath() / subdirectory / fileName;
  std::error_code error;
  std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error || !std::filesystem::exists(status)) return std::nullopt;
  return URL::fileURL(file, std::filesystem::is_directory(status));
}

}  // namespace zephro::platform::foundation
