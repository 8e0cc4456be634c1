// Named notifications delivered synchronously on the posting thread.
#pragma once

#include <any>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zephro::platform::foundation {

struct Notification {
  std::string name;
  std::any object;
};

class NotificationCenter {
 public:
  using Callback = std::function<void(const Notification&)>;

  static NotificationCenter& defaultCenter();

  NotificationCenter();
  ~NotificationCenter();
  NotificationCenter(const NotificationCenter&) = delete;
  NotificationCenter& operator=(const NotificationCenter&) = delete;

  // Calls `callback` for every notification named `name`, whoever posts it.
  // `observer` only identifies the registration for removeObserver.
  void addObserver(const void* observer, std::string name, Callback callback);
  // Removes every registration of `observer`. Once it returns, none of its
  // callbacks runs any more: a call in progress on another thread is waited
  // for, so an observer may remove itself in its destructor.
  void removeObserver(const void* observer);
  // Calls the observers of `name` in registration order on this thread.
  // Observers added during the post are not called by it; observers removed
  // during it are not called after their removal.
  void post(std::string name, std::any object = {});

 private:
  struct Registration;
  void deliver(Registration& registration, const Notification& notification);

  std::mutex mutex_;
  std::condition_variable callFinished_;
  std::vector<std::shared_ptr<Registration>> registrations_;
};

}  // namespace zephro::platform::foundation
