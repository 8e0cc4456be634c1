// Work run when the current pass of the default GLib main context ends: in
// the preparation of the next iteration, before the context polls, so it
// costs no extra turn of the loop (an idle source would run a turn later).
#pragma once

#include <glib.h>

#include <vector>

#include "zephro/platform/dispatch/main_loop.h"

namespace zephro::platform::gtk {

class PassEndSource {
 public:
  PassEndSource();
  ~PassEndSource();
  PassEndSource(const PassEndSource&) = delete;
  PassEndSource& operator=(const PassEndSource&) = delete;

  // Main thread only; tasks run in posting order.
  void post(dispatch::Task task);

 private:
  struct Source;
  static gboolean prepare(GSource* source, gint* timeout);
  static gboolean dispatch(GSource* source, GSourceFunc callback, gpointer data);
  void runPosted();

  std::vector<dispatch::Task> posted_;
  GSource* source_ = nullptr;
};

}  // namespace zephro::platform::gtk
