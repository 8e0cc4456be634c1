// Collects the objects of type T posted under one notification name on the
// main thread while alive.
#pragma once

#include <any>
#include <string>
#include <vector>

#include "zephro/platform/foundation/notification_center.h"

namespace zephro::testing {

template <typename T>
class PostedObjects {
 public:
  explicit PostedObjects(std::string name) {
    platform::foundation::NotificationCenter::defaultCenter().addObserver(
        this, std::move(name), [this](const platform::foundation::Notification& notification) {
          if (const auto* object = std::any_cast<T>(&notification.object)) objects.push_back(*object);
        });
  }
  ~PostedObjects() { platform::foundation::NotificationCenter::defaultCenter().removeObserver(this); }
  PostedObjects(const PostedObjects&) = delete;
  PostedObjects& operator=(const PostedObjects&) = delete;

  std::vector<T> objects;
};

}  // namespace zephro::testing
