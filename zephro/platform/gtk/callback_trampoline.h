// C++ functions behind GLib, GTK, WebKit and GStreamer callbacks. C code
// cannot unwind: whatever a callback throws stops here, is reported on
// standard error, and the callback returns its type's zero value (FALSE,
// G_SOURCE_REMOVE, GST_FLOW_OK). Header-only, so the web-process extension
// uses it too.
#pragma once

#include <glib-object.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

// Call from a catch block only.
inline void reportEscapedException() noexcept {
  try {
    throw;
  } catch (const std::exception& exception) {
    std::fprintf(stderr, "zephro: a callback failed: %s\n", exception.what());
  } catch (...) {
    std::fputs("zephro: a callback failed\n", stderr);
  }
}

// Runs `function`; what it throws is reported instead of propagated.
template <typename Function>
auto runGuarded(Function& function) noexcept -> decltype(function()) {
  try {
    return function();
  } catch (...) {
    reportEscapedException();
  }
  return decltype(function())();
}

// A function handed to a C API as callback plus user data. The user data is
// a heap copy the trampoline owns: the API frees it through `destroy` (its
// GDestroyNotify) or `destroyClosure` (GClosureNotify); `callOnce` frees it
// after the one call of an API that takes no notify. `own` refuses an empty
// function (null: the caller registers nothing).
template <typename Signature>
class Trampoline;

template <typename R, typename... Args>
class Trampoline<R(Args...)> {
 public:
  using Function = std::function<R(Args...)>;

  static gpointer own(Function function) { return function ? new Function(std::move(function)) : nullptr; }

  // The callback; the user data comes last, as GLib passes it.
  static R call(Args... args, gpointer data) noexcept {
    auto bound = [&] { return (*static_cast<Function*>(data))(args...); };
    return runGuarded(bound);
  }
  static R callOnce(Args... args, gpointer data) noexcept {
    const std::unique_ptr<Function> owned(static_cast<Function*>(data));
    return call(args..., data);
  }
  // The same for the one callback that takes its user data first (GWeakNotify).
  static R callOnceDataFirst(gpointer data, Args... args) noexcept { return callOnce(args..., data); }
  static void destroy(gpointer data) { delete static_cast<Function*>(data); }
  static void destroyClosure(gpointer data, GClosure*) { destroy(data); }
};

using SourceTrampoline = Trampoline<gboolean()>;

// A one-shot source's user data: `task`, then the source goes (null when
// `task` is empty).
inline gpointer ownSourceTask(std::function<void()> task) {
  if (!task) return nullptr;
  return SourceTrampoline::own([task = std::move(task)] {
    task();
    return gboolean(G_SOURCE_REMOVE);
  });
}

// Runs `task` once on the default main context, soon (idle) or after
// `milliseconds`. Returns the source id, 0 when `task` is empty.
inline guint addIdleOnce(gint priority, std::function<void()> task) {
  gpointer data = ownSourceTask(std::move(task));
  return data != nullptr ? g_idle_add_full(priority, SourceTrampoline::call, data, SourceTrampoline::destroy) : 0;
}

inline guint addTimeoutOnce(guint milliseconds, std::function<void()> task) {
  gpointer data = ownSourceTask(std::move(task));
  if (data == nullptr) return 0;
  return g_timeout_add_full(G_PRIORITY_DEFAULT, milliseconds, SourceTrampoline::call, data,
                            SourceTrampoline::destroy);
}

// A one-shot timeout owned by a C++ object: removed unless it has fired when
// the owner cancels it, starts another or goes.
class OwnedTimeout {
 public:
  OwnedTimeout() = default;
  OwnedTimeout(const OwnedTimeout&) = delete;
  OwnedTimeout& operator=(const OwnedTimeout&) = delete;
  ~OwnedTimeout() { cancel(); }

  // An empty task starts nothing.
  void start(guint milliseconds, std::function<void()> task) {
    cancel();
    if (!task) return;
    id_ = addTimeoutOnce(milliseconds, [this, task = std::move(task)] {
      id_ = 0;
      task();
    });
  }
  void cancel() {
    if (id_ != 0) g_source_remove(std::exchange(id_, 0));
  }
  bool isPending() const { return id_ != 0; }

 private:
  guint id_ = 0;
};

// Connects `handler` to `signal` of `instance`; the handler lives as long as
// the connection (the instance's life, or until disconnected). `Signature`
// is the signal's without the trailing user data, instance first. Returns
// the handler id, 0 when `handler` is empty.
template <typename Signature>
gulong connectSignal(gpointer instance, const char* signal, std::function<Signature> handler) {
  using Handler = Trampoline<Signature>;
  gpointer data = Handler::own(std::move(handler));
  if (data == nullptr) return 0;
  return g_signal_connect_data(instance, signal, reinterpret_cast<GCallback>(Handler::call), data,
                               Handler::destroyClosure, GConnectFlags{});
}

// A signal handler owned by a C++ object: disconnected when the connection
// goes. It holds its instance, so the id stays valid until then.
class SignalConnection {
 public:
  SignalConnection() = default;
  template <typename Signature>
  static SignalConnection connect(gpointer instance, const char* signal, std::function<Signature> handler) {
    SignalConnection connection;
    connection.id_ = connectSignal<Signature>(instance, signal, std::move(handler));
    if (connection.id_ != 0) connection.instance_ = GObjectRef<GObject>::retain(G_OBJECT(instance));
    return connection;
  }
  SignalConnection(SignalConnection&& other) noexcept
      : instance_(std::move(other.instance_)), id_(std::exchange(other.id_, 0)) {}
  SignalConnection& operator=(SignalConnection other) noexcept {
    std::swap(instance_, other.instance_);
    std::swap(id_, other.id_);
    return *this;
  }
  ~SignalConnection() {
    if (id_ != 0) g_signal_handler_disconnect(instance_.get(), id_);
  }

 private:
  GObjectRef<GObject> instance_;
  gulong id_ = 0;
};

}  // namespace zephro::platform::gtk
