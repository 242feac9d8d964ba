#pragma once
// The exact cover search, the one way into the cover engine: every cover of
// the program (plain, with don't-cares, several outputs) is a table of rows
// to cover and columns that cover them, solved here under one budget with one
// answer: the cover, whether it is proven best, and the bound it proved.
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace ronri {

struct CoverProblem {
  std::vector<std::vector<int>> table{};  // per row the columns covering it, ascending
  int columnCount = 0;
  std::vector<int64_t> cost{};  // per column, positive; empty: every column costs 1
  // One column more always costs more than any cover can save by its choice
  // of columns; the fewest columns are then proven first, which makes the
  // search by cost much quicker.
  bool fewestFirst = false;
};

// A cover of least cost (with unit costs: of the fewest columns), found by
// reductions and an integer program. `proven` is false when the budget ran
// out first; the columns then still cover every row and none of them can be
// left out.
struct ExactCover {
  std::vector<int> columns{};  // ascending
  bool proven = true;
  int lowerBound = 0;  // no cover costs less
  int lpBound = 0;     // the part of lowerBound the relaxation alone gives (rounded up)
};

// How long the search may run and who watches it.
struct CoverLimits {
  std::chrono::milliseconds budget{2000};
  // The budget counts this process's CPU time instead of the wall clock
  // (benchmarks on a shared machine).
  bool cpuClock = false;
  // Asked now and then; true stops the search with what it has.
  std::function<bool()> stopRequested{};
  // Told of every better cover or bound while the search runs.
  std::function<void(const ExactCover&)> improved{};
  // Threads the tree search may use (a proof in the background takes the
  // machine's cores; the budgeted search keeps to one).
  int threads = 1;
};

ExactCover solveCover(const CoverProblem& problem, const CoverLimits& limits = {});

// The threads a proof in the background uses: the machine's cores, at most four.
int proofThreads();

}  // namespace ronri
