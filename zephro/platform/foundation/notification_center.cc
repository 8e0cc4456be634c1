#include "zephro/platform/foundation/notification_center.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace zephro::platform::foundation {

struct NotificationCenter::Registration {
  const void* observer;
  std::string name;
  Callback callback;
  bool removed = false;  // guarded by the center's mutex
  int callsInProgress = 0;
};

namespace {

// The registrations whose callbacks run on this thread right now, innermost
// last, so that an observer removing itself from inside its callback does
// not wait for itself.
thread_local std::vector<const void*> callsOnThisThread;

int callsOnThisThreadOf(const void* registration) {
  return static_cast<int>(
      std::count(callsOnThisThread.begin(), callsOnThisThread.end(), registration));
}

}  // namespace

NotificationCenter& NotificationCenter::defaultCenter() {
  static NotificationCenter* center = new NotificationCenter;  // observers may outlive statics
  return *center;
}

NotificationCenter::NotificationCenter() = default;
NotificationCenter::~NotificationCenter() = default;

void NotificationCenter::addObserver(const void* observer, std::string name, Callback callback) {
  if (!callback) return;
  auto registration = std::make_shared<Registration>();
  registration->observer = observer;
  registration->name = std::move(name);
  registration->callback = std::move(callback);
  std::lock_guard lock(mutex_);
  registrations_.push_back(std::move(registration));
}

void NotificationCenter::removeObserver(const void* observer) {
  std::unique_lock lock(mutex_);
  std::vector<std::shared_ptr<Registration>> removed;
  auto kept = std::stable_partition(registrations_.begin(), registrations_.end(),
                                    [observer](const auto& r) { return r->observer != observer; });
  for (auto it = kept; it != registrations_.end(); ++it) {
    (*it)->removed = true;
    removed.push_back(std::move(*it));
  }
  registrations_.erase(kept, registrations_.end());
  callFinished_.wait(lock, [&removed] {
    return std::all_of(removed.begin(), removed.end(), [](const auto& r) {
      return r->callsInProgress == callsOnThisThreadOf(r.get());
    });
  });
}

void NotificationCenter::post(std::string name, std::any object) {
  const Notification notification{std::move(name), std::move(object)};
  std::vector<std::shared_ptr<Registration>> observers;
  {
    std::lock_guard lock(mutex_);
    for (const auto& r : registrations_) {
      if (r->name == notification.name) observers.push_back(r);
    }
  }
  for (const auto& registration : observers) deliver(*registration, notification);
}

void NotificationCenter::deliver(Registration& registration, const Notification& notification) {
  {
    std::lock_guard lock(mutex_);
    if (registration.removed) return;
    ++registration.callsInProgress;
  }
  // Ends the call's bookkeeping even if the callback throws, so that a later
  // removeObserver does not wait forever.
  struct CallInProgress {
    NotificationCenter& center;
    Registration& registration;
    ~CallInProgress() {
      callsOnThisThread.pop_back();
      {
        std::lock_guard lock(center.mutex_);
        --registration.callsInProgress;
      }
      center.callFinished_.notify_all();
    }
  };
  callsOnThisThread.push_back(&registration);
  CallInProgress call{*this, registration};
  registration.callback(notification);
}

}  // namespace zephro::platform::foundation
