#include "zephro/platform/gtk/pass_end_source.h"

#include <utility>

namespace zephro::platform::gtk {

struct PassEndSource::Source {
  GSource base;
  PassEndSource* owner;
};

PassEndSource::PassEndSource() {
  static GSourceFuncs functions{prepare, nullptr, dispatch, nullptr, nullptr, nullptr};
  source_ = g_source_new(&functions, sizeof(Source));
  reinterpret_cast<Source*>(source_)->owner = this;
  // Sources are prepared in priority order, and lower ones are skipped once
  // a higher one is ready: ahead of the default priority it is always asked.
  g_source_set_priority(source_, G_PRIORITY_HIGH);
  g_source_set_name(source_, "zephro pass end");
  g_source_attach(source_, nullptr);
}

PassEndSource::~PassEndSource() {
  g_source_destroy(source_);
  g_source_unref(source_);
}

void PassEndSource::post(dispatch::Task task) { posted_.push_back(std::move(task)); }

void PassEndSource::runPosted() {
  // A task may post more; they run in this same preparation.
  while (!posted_.empty()) {
    for (auto& task : std::exchange(posted_, {})) task();
  }
}

gboolean PassEndSource::prepare(GSource* source, gint* timeout) {
  reinterpret_cast<Source*>(source)->owner->runPosted();
  *timeout = -1;
  return FALSE;  // never dispatched: the work is done here
}

gboolean PassEndSource::dispatch(GSource*, GSourceFunc, gpointer) { return G_SOURCE_CONTINUE; }

}  // namespace zephro::platform::gtk
