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

// How a GLib-family value that is not a GObject is given back: specialised
// per type with its release function (GLib's below, GStreamer's in
// capture/gst_owned.h, single-use ones next to their use).
template <typename T>
struct GRelease;

template <> struct GRelease<GError> { static void release(GError* value) { g_error_free(value); } };
template <> struct GRelease<gchar> { static void release(gchar* value) { g_free(value); } };
// The list only: what its elements hold is the caller's to release.
template <> struct GRelease<GList> { static void release(GList* value) { g_list_free(value); } };
template <> struct GRelease<GBytes> { static void release(GBytes* value) { g_bytes_unref(value); } };

// The sole owner of such a value: released on destruction.
template <typename T>
class GOwned {
 public:
  GOwned() = default;
  explicit GOwned(T* owned) : value_(owned) {}
  GOwned(GOwned&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  GOwned& operator=(GOwned other) noexcept {
    std::swap(value_, other.value_);
    return *this;
  }
  ~GOwned() {
    if (value_ != nullptr) GRelease<T>::release(value_);
  }

  T* get() const { return value_; }
  T* operator->() const { return value_; }
  explicit operator bool() const { return value_ != nullptr; }
  // For an out-parameter (GError**, gchar**): whatever was held goes first.
  T** out() {
    *this = GOwned();
    return &value_;
  }

 private:
  T* value_ = nullptr;
};

}  // namespace zephro::platform::gtk
