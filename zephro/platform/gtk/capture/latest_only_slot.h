#pragma once

#include <mutex>
#include <optional>
#include <utility>

namespace zephro::platform::gtk {

// A one-place mailbox between a producer thread and the main thread where a
// newer value replaces an older one that was not taken yet: a slow consumer
// sees fresh values and never a backlog.
template <typename T>
class LatestOnlySlot {
 public:
  // Stores `value`. True when the slot was empty, i.e. no take is pending yet
  // and the producer must arrange one.
  bool put(T value) {
    std::optional<T> replaced;  // declared first: released after the lock is
    std::lock_guard lock(mutex_);
    const bool wasEmpty = !value_.has_value();
    replaced.swap(value_);
    value_.emplace(std::move(value));
    return wasEmpty;
  }

  std::optional<T> take() {
    std::lock_guard lock(mutex_);
    return std::exchange(value_, std::nullopt);
  }

 private:
  std::mutex mutex_;
  std::optional<T> value_;
};

}  // namespace zephro::platform::gtk
