#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// One independent piece of a cover table, solved on its own: a start cover,
// the relaxation's bound, drop and swap moves and a local search, our own
// branch and bound one column above the bound, and CBC's tree search for the
// rest, all under one clock.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <vector>

#include "core/cover/cover_search.h"

namespace ronri {

// The end of a search by the wall clock or by this process's CPU time.
class SearchTimer {
 public:
  explicit SearchTimer(const CoverLimits& limits)
      : cpu_(limits.cpuClock), end_(now() + std::chrono::duration<double>(limits.budget).count()) {}
  double left() const { return end_ - now(); }
  bool over() const { return left() <= 0.0; }
  bool cpu() const { return cpu_; }
  // The same clock, ending after `share` of what is left, or sooner after
  // `cap` seconds.
  SearchTimer part(double share, double cap = 1e9) const {
    SearchTimer t = *this;
    t.end_ = now() + std::min(cap, share * std::max(0.0, left()));
    return t;
  }

 private:
  double now() const {
    if (cpu_) return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  bool cpu_;
  double end_;
};

// What a component's search tells the caller: a better cover (local
// columns) or a better bound; and whether to stop.
struct SearchWatch {
  std::function<bool()> stop;
  std::function<void(const std::vector<int>&, int64_t)> improved;
  int threads = 1;  // the tree search's
};

// The best cover of a piece so far.
struct PieceCover {
  std::vector<int> columns;  // local indices
  bool proven = false;
  int64_t lowerBound = 0;  // in cost
  int64_t lpBound = 0;     // the relaxation's, rounded up
};

// The cost of a set of columns.
int64_t costOf(const std::vector<int>& cols, const std::vector<int64_t>& cost);

// Picks the column covering most uncovered rows until all are covered.
std::vector<int> greedyCover(const std::vector<std::vector<int>>& rows, int columnCount);

// Minimum set cover of one component (`rows`: per row its columns) as an
// integer program. With `exactly` set, only covers of that many columns
// count, and `start` is one of them.
PieceCover solveComponent(const std::vector<std::vector<int>>& rows, int columnCount,
                          const std::vector<int64_t>& cost, const SearchTimer& timer,
                          const SearchWatch& watch = {}, int exactly = -1,
                          const std::vector<int>* start = nullptr);

}  // namespace ronri
