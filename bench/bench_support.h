// Small timing helpers shared by the benchmark programs. Every figure is a
// ratio of our code against a baseline measured side by side in the same run,
// so machine speed cancels out.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace zephro::bench {

// Keeps the optimiser from dropping a computed value.
template <typename T>
inline void keep(T&& value) {
  asm volatile("" : : "g"(&value) : "memory");
}

// Median nanoseconds per call of `op`, over `rounds` rounds of `perRound`
// calls each. Ours and the baseline are interleaved round by round by
// `compare`, so a burst of load on the machine hits both alike.
struct Timing {
  double medianNs = 0;
  double p99Ns = 0;
};

inline double roundNs(const std::function<void()>& op, int perRound) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < perRound; ++i) op();
  std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
  return took.count() / perRound;
}

inline Timing summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  Timing t;
  t.medianNs = samples[samples.size() / 2];
  t.p99Ns = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
  return t;
}

struct Comparison {
  Timing ours;
  Timing baseline;
  double ratio() const { return ours.medianNs / baseline.medianNs; }
};

inline Comparison compare(const std::function<void()>& ours, const std::function<void()>& baseline,
                          int rounds = 41, int perRound = 2000) {
  for (int i = 0; i < perRound; ++i) {  // warm caches and allocators
    ours();
    baseline();
  }
  std::vector<double> a, b;
  for (int r = 0; r < rounds; ++r) {
    a.push_back(roundNs(ours, perRound));
    b.push_back(roundNs(baseline, perRound));
  }
  return {summarise(a), summarise(b)};
}

inline void report(const std::string& name, const Comparison& c) {
  std::printf("%-16s ours %10.1f ns (p99 %10.1f)   baseline %10.1f ns (p99 %10.1f)\n", name.c_str(),
              c.ours.medianNs, c.ours.p99Ns, c.baseline.medianNs, c.baseline.p99Ns);
}

inline void printRatio(const std::string& name, double ratio) {
  std::printf("ratio: %s %.3f\n", name.c_str(), ratio);
  std::fflush(stdout);
}

}  // namespace zephro::bench
