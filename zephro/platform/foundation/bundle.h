// Bundles: the host application's main bundle (its info dictionary) and the
// kit's resource bundle (a data directory with the page bundles and images).
#pragma once

#include <any>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/foundation/url.h"

namespace zephro::platform::foundation {

class Bundle {
 public:
  // The host's bundle: its directory is the executable's, its info dictionary
  // whatever the host sets.
  static Bundle& main();
  // The kit's resource bundle: the directory the host chose
  // (setKitBundlePath, or the backend's install options), else the data
  // installed with the kit's libraries (share/zephro-sdk beside their lib
  // folder; the build tree is laid out the same way).
  static Bundle& kit();
  // Points the kit bundle at `directory`; an empty path restores the default
  // lookup.
  static void setKitBundlePath(std::filesystem::path directory);
  // How many times setKitBundlePath was called: what is made from the kit
  // bundle's path stays current while this does not change.
  static std::uint64_t kitBundlePathChanges();

  void setInfoDictionary(PlainMap info);
  // The info dictionary entry; empty when absent.
  std::any objectForInfoDictionaryKey(std::string_view key) const;

  std::filesystem::path bundlePath() const;
  URL bundleURL() const;
  // "<bundle>/<subdirectory>/<name>.<extension>" (no dot for an empty
  // extension) as a file URL; absent when no such file or directory exists.
  std::optional<URL> urlForResource(std::string_view name, std::string_view extension,
                                    std::string_view subdirectory = {}) const;

 private:
  enum class Kind { main, kit };
  explicit Bundle(Kind kind) : kind_(kind) {}

  Kind kind_;
  mutable std::mutex mutex_;
  PlainMap info_;
};

}  // namespace zephro::platform::foundation
