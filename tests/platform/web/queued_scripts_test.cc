// How a pass's queued scripts are cut into batches for the engine.
#include <gtest/gtest.h>

#include "zephro/platform/web/queued_scripts.h"

namespace zephro::platform::web {
namespace {

constexpr std::size_t kQuarter = QueuedScripts::kMaxBatchBytes / 4;

struct Case {
  const char* name;
  std::vector<std::size_t> scriptSizes;
  std::vector<std::size_t> batchLengths;
};

const Case kCases[] = {
    {"one script", {10}, {1}},
    {"a full batch", {kQuarter, kQuarter, kQuarter, kQuarter}, {4}},
    {"one byte over starts the next", {kQuarter, kQuarter, kQuarter, kQuarter, 1}, {4, 1}},
    {"a script over the limit stands alone", {1, QueuedScripts::kMaxBatchBytes + 1, 1}, {1, 1, 1}},
};

TEST(QueuedScriptsTest, BatchesKeepQueuingOrderAndStayWithinTheLimit) {
  for (const Case& row : kCases) {
    SCOPED_TRACE(row.name);
    QueuedScripts queue;
    std::vector<std::string> queued;
    for (std::size_t i = 0; i < row.scriptSizes.size(); ++i) {
      queued.push_back(std::string(row.scriptSizes[i], static_cast<char>('a' + i)));
      queue.add(queued.back());
    }
    std::vector<std::string> handedOver;
    std::vector<std::size_t> lengths;
    for (const auto& batch : queue.takeBatches()) {
      lengths.push_back(batch.size());
      handedOver.insert(handedOver.end(), batch.begin(), batch.end());
    }
    EXPECT_EQ(lengths, row.batchLengths);
    EXPECT_EQ(handedOver, queued);
    EXPECT_TRUE(queue.empty());
  }
}

}  // namespace
}  // namespace zephro::platform::web
