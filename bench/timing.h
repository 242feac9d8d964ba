#pragma once
// Wall-clock and CPU time of a run, and the percentiles the benchmarks print
// (the cover search's budget stops by the wall clock, so both are shown).
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace ronri::bench {

// Started when made; seconds since then, by the wall clock and by CPU time.
class Stopwatch {
 public:
  double wallSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count();
  }
  double cpuSeconds() const { return double(std::clock() - cpu_) / CLOCKS_PER_SEC; }

 private:
  std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
  std::clock_t cpu_ = std::clock();
};

// The p-th percentile (0.5 the median, 1 the largest) of a non-empty list.
inline double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace ronri::bench
