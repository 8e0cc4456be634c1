#include "zephro/platform/foundation/application.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace zephro::platform::foundation {

namespace {

struct Identity {
  std::mutex mutex;
  std::optional<std::string> id;
  std::filesystem::path temporaryDirectory;  // the last one found private
};

Identity& identity() {
  static Identity* state = new Identity;
  return *state;
}

bool canNameFolder(std::string_view id) {
  return !id.empty() && id != "." && id != ".." && id.find('/') == std::string_view::npos &&
         id.find('\0') == std::string_view::npos;
}

std::string programName() {
  std::error_code error;
  std::string name = std::filesystem::read_symlink("/proc/self/exe", error).filename().string();
  return canNameFolder(name) ? name : "zephro";
}

std::filesystem::path temporaryRoot() {
  const char* tmpdir = std::getenv("TMPDIR");
  if (!tmpdir || tmpdir[0] != '/') return "/tmp";
  std::filesystem::path root = std::filesystem::path(tmpdir).lexically_normal();
  return root.has_filename() ? root : root.parent_path();
}

// A directory of ours, not a link, that no one else may write to. One that
// only others may read is made private on the spot.
bool isPrivateDirectory(const std::filesystem::path& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
    return false;
  }
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return false;
  return (info.st_mode & 0777) == 0700 || chmod(path.c_str(), 0700) == 0;
}

std::filesystem::path makePrivateDirectory(const std::filesystem::path& root, const std::string& id) {
  std::filesystem::path wanted = root / id;
  if (mkdir(wanted.c_str(), 0700) == 0 || errno == EEXIST) {
    if (isPrivateDirectory(wanted)) return wanted;
  }
  // The name is taken by something we cannot trust: use a fresh name beside it.
  std::string pattern = (root / (id + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace

std::string applicationId() {
  Identity& state = identity();
  std::lock_guard lock(state.mutex);
  if (!state.id) state.id = programName();
  return *state.id;
}

bool setApplicationId(std::string_view id) {
  if (!canNameFolder(id)) return false;
  Identity& state = identity();
  std::lock_guard lock(state.mutex);
  state.id = std::string(id);
  state.temporaryDirectory.clear();
  return true;
}

std::filesystem::path temporaryDirectory() {
  std::string id = applicationId();
  std::filesystem::path root = temporaryRoot();
  Identity& state = identity();
  std::lock_guard lock(state.mutex);
  // Checked on every call: the directory may have been removed or tampered
  // with, or TMPDIR changed.
  if (state.temporaryDirectory.parent_path() != root ||
      !isPrivateDirectory(state.temporaryDirectory)) {
    state.temporaryDirectory = makePrivateDirectory(root, id);
  }
  return state.temporaryDirectory;
}

}  // namespace zephro::platform::foundation
