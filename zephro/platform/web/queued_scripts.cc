#include "zephro/platform/web/queued_scripts.h"

#include <utility>

namespace zephro::platform::web {

std::vector<std::vector<std::string>> QueuedScripts::takeBatches() {
  std::vector<std::vector<std::string>> batches;
  std::size_t batchBytes = 0;
  for (std::string& script : scripts_) {
    if (batches.empty() || batchBytes + script.size() > kMaxBatchBytes) {
      batches.emplace_back();
      batchBytes = 0;
    }
    batchBytes += script.size();
    batches.back().push_back(std::move(script));
  }
  scripts_.clear();
  return batches;
}

}  // namespace zephro::platform::web
