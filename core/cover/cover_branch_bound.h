#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// A branch and bound of our own for covers of fewest columns, built for the
// last step of a proof: a cover is known, and the question is whether one
// with a column less exists. Every node solves the relaxation (warm-started
// from its parent), fixes the columns whose reduced cost the remaining room
// does not allow, and branches on the column whose two children raise the
// bound most (a short look at a few fractional ones). Near the bound, with
// less than one column of room, this proves in a fraction of the time a
// general integer-program search needs.
#include <cstdint>
#include <functional>
#include <vector>

namespace ronri {

struct AtMostResult {
  // The whole tree was searched: when `found`, `columns` is a smallest
  // cover; when not, no cover of at most the target exists.
  bool finished = false;
  bool found = false;
  std::vector<int> columns;  // the smallest cover of at most the target found, sorted
  int64_t nodes = 0;
};

// Looks for a cover of `rows` (each lists its columns, 0 .. columnCount-1)
// by at most `target` columns, then for ever smaller ones. `timeUp` is asked
// at every node; `found` is told each smaller cover.
AtMostResult coverOfAtMost(const std::vector<std::vector<int>>& rows, int columnCount, int target,
                           const std::function<bool()>& timeUp,
                           const std::function<void(const std::vector<int>&)>& found = {});

}  // namespace ronri
