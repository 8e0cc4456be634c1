// Scripts waiting to be evaluated in one web view at the end of the current
// main-loop pass. Handing them to the engine together saves one engine round
// trip per script when a page fires many calls at once.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zephro::platform::web {

class QueuedScripts {
 public:
  // Script text one batch holds at most, so a burst of answers reaches the
  // engine in pieces of bounded size rather than as one huge text.
  static constexpr std::size_t kMaxBatchBytes = 256 * 1024;

  void add(std::string script) { scripts_.push_back(std::move(script)); }
  // Empties the queue: its scripts in queuing order, cut into batches of at
  // most kMaxBatchBytes (a longer script is a batch of its own).
  std::vector<std::vector<std::string>> takeBatches();
  bool empty() const { return scripts_.empty(); }

 private:
  std::vector<std::string> scripts_;
};

}  // namespace zephro::platform::web
