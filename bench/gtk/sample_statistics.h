// Order statistics of measured samples.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace zephro::bench::gtk {

// The sample below which `fraction` of them lie (0.5: the median); 0 when
// there are none.
inline double percentile(std::vector<double> samples, double fraction) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size()));
  return samples[std::min(samples.size() - 1, index)];
}

// The middle sample; the mean of the two middle ones for an even count.
inline double median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t half = samples.size() / 2;
  return samples.size() % 2 == 1 ? samples[half] : (samples[half - 1] + samples[half]) / 2;
}

}  // namespace zephro::bench::gtk
