#pragma once

#include <glib-object.h>

#include <utility>

namespace zephro::platform::gtk {

// An owning reference to a GObject: unrefs on destruction, copies add a
// reference. `adopt` takes over a reference the caller already owns (what
// *_new functions return); `retain` adds one.
template <typename T>
class GObjectRef {
 public:
  GObjectRef() = default;
  static GObjectRef adopt(T* object) { return GObjectRef(object); }
  static GObjectRef retain(T* object) {
    if (object != nullptr) g_object_ref(object);
    return GObjectRef(object);
  }
  // GTK widgets start with a floating reference that the first parent would
  // otherwise take; sinking it makes this the owner.
  static GObjectRef sink(T* object) {
    if (object != nullptr) g_object_ref_sink(object);
    return GObjectRef(object);
  }

  GObjectRef(const GObjectRef& other) : object_(other.object_) {
    if (object_ != nullptr) g_object_ref(object_);
  }
  GObjectRef(GObjectRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GObjectRef& operator=(GObjectRef other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~GObjectRef() {
    if (object_ != nullptr) g_object_unref(object_);
  }

  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  explicit GObjectRef(T* object) : object_(object) {}
  T* object_ = nullptr;
};

}  // namespace zephro::platform::gtk
