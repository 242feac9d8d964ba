#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// A row-weighting local search for a cover of fewest columns: it walks from
// cover to near-cover, one column out and one in, and rows that stay
// uncovered weigh more each step, so the walk leaves the places where it
// keeps failing. It finds far smaller covers than a tree search does in the
// same short time; it proves nothing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace ronri {

struct LocalSearchLimits {
  // The walk ends when it finds a cover of this many columns (a proven lower
  // bound: nothing smaller exists), ...
  size_t target = 0;
  // ... after this many steps without a smaller cover, ...
  int64_t patience = 0;
  // ... or when this says so (asked every few hundred steps).
  std::function<bool()> timeUp;
  // Told each smaller cover as it is found.
  std::function<void(const std::vector<int>&)> improved;
  uint64_t seed = 1;
};

// `colRows[c]` lists the rows (0 .. rowCount-1) column c covers; `start`
// covers every row. Returns the smallest cover met, sorted; never larger than
// `start`.
std::vector<int> localSearchCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                                  const std::vector<int>& start, const LocalSearchLimits& limits);

}  // namespace ronri
