#include "zephro/platform/foundation/user_defaults.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/key_value_file.h"
#include "zephro/platform/foundation/plain_value_codec.h"

namespace zephro::platform::foundation {

namespace {

constexpr const char* kStoreFileName = "user-defaults.sqlite3";

struct StandardStore {
  std::mutex mutex;
  std::filesystem::path chosenByHost;
  std::unique_ptr<UserDefaults> current;
  // Stores closed by a reset stay alive: callers may still hold references.
  std::vector<std::unique_ptr<UserDefaults>> retired;
};

StandardStore& standardStore() {
  static StandardStore* store = new StandardStore;
  return *store;
}

std::filesystem::path configurationHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/tmp") / ".config";
}

std::filesystem::path standardStorePathLocked(const StandardStore& store) {
  if (!store.chosenByHost.empty()) return store.chosenByHost;
  return configurationHome() / applicationId() / kStoreFileName;
}

}  // namespace

UserDefaults& UserDefaults::standard() {
  StandardStore& store = standardStore();
  std::lock_guard lock(store.mutex);
  if (!store.current) store.current = std::make_unique<UserDefaults>(standardStorePathLocked(store));
  return *store.current;
}

std::filesystem::path UserDefaults::standardStorePath() {
  StandardStore& store = standardStore();
  std::lock_guard lock(store.mutex);
  return standardStorePathLocked(store);
}

void UserDefaults::setStandardStorePath(std::filesystem::path file) {
  StandardStore& store = standardStore();
  std::lock_guard lock(store.mutex);
  store.chosenByHost = std::move(file);
}

void UserDefaults::resetStandardUserDefaults() {
  StandardStore& store = standardStore();
  std::lock_guard lock(store.mutex);
  if (store.current) store.retired.push_back(std::move(store.current));
}

UserDefaults::UserDefaults(const std::filesystem::path& file, std::chrono::milliseconds lockWait)
    : path_(file), file_(std::make_unique<KeyValueFile>(file, lockWait)) {
  std::lock_guard lock(mutex_);
  loadLocked();
}

void UserDefaults::loadLocked() {
  cache_.clear();
  for (auto& [key, bytes] : file_->readAll()) {
    auto value = decodePlainValue(bytes);
    if (!value) {
      std::fprintf(stderr, "user defaults: skipping unreadable value of \"%s\"\n", key.c_str());
      continue;
    }
    cache_.insert_or_assign(std::move(key), std::move(*value));
  }
}

bool UserDefaults::writableLocked() {
  if (file_->state() == StoreState::writable) return true;
  if (file_->reopenIfDue()) loadLocked();
  return file_->state() == StoreState::writable;
}

StoreState UserDefaults::state() const {
  std::lock_guard lock(mutex_);
  return file_->state();
}

std::string UserDefaults::lastError() const {
  std::lock_guard lock(mutex_);
  return file_->lastError();
}

UserDefaults::~UserDefaults() = default;

std::any UserDefaults::value(std::string_view key) const {
  std::lock_guard lock(mutex_);
  auto entry = cache_.find(key);
  return entry == cache_.end() ? std::any() : entry->second;
}

std::optional<std::string> UserDefaults::string(std::string_view key) const {
  std::lock_guard lock(mutex_);
  auto entry = cache_.find(key);
  if (entry == cache_.end()) return std::nullopt;
  const auto* text = std::any_cast<std::string>(&entry->second);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

bool UserDefaults::boolean(std::string_view key) const {
  std::lock_guard lock(mutex_);
  auto entry = cache_.find(key);
  if (entry == cache_.end()) return false;
  const std::any& held = entry->second;
  if (const auto* v = std::any_cast<bool>(&held)) return *v;
  if (const auto* v = std::any_cast<std::int64_t>(&held)) return *v != 0;
  if (const auto* v = std::any_cast<std::uint64_t>(&held)) return *v != 0;
  if (const auto* v = std::any_cast<double>(&held)) return *v != 0;
  if (const auto* v = std::any_cast<Number>(&held)) return v->boolValue();
  return false;
}

std::optional<Data> UserDefaults::data(std::string_view key) const {
  std::lock_guard lock(mutex_);
  auto entry = cache_.find(key);
  if (entry == cache_.end()) return std::nullopt;
  const auto* bytes = std::any_cast<Data>(&entry->second);
  return bytes ? std::optional<Data>(*bytes) : std::nullopt;
}

bool UserDefaults::set(std::string_view key, const std::any& value) {
  if (!value.has_value()) return remove(key);
  auto bytes = encodePlainValue(value);
  if (!bytes) {
    std::fprintf(stderr, "user defaults: cannot store a value of that kind under \"%.*s\"\n",
                 static_cast<int>(key.size()), key.data());
    return false;
  }
  // Read back what was written, so that the cache holds the kinds a reopened
  // store would (an int as std::int64_t, a float as double).
  auto stored = decodePlainValue(*bytes);
  std::lock_guard lock(mutex_);
  if (!stored || !writableLocked() || !file_->put(key, *bytes)) return false;
  cache_.insert_or_assign(std::string(key), std::move(*stored));
  return true;
}

bool UserDefaults::remove(std::string_view key) {
  std::lock_guard lock(mutex_);
  if (!writableLocked() || !file_->erase(key)) return false;
  if (auto entry = cache_.find(key); entry != cache_.end()) cache_.erase(entry);
  return true;
}

bool UserDefaults::removeAll() {
  std::lock_guard lock(mutex_);
  if (!writableLocked() || !file_->clear()) return false;
  cache_.clear();
  return true;
}

}  // namespace zephro::platform::foundation
