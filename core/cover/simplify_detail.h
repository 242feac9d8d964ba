#pragma once
// Building blocks of simplicity and the cover choice, visible for the tests.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cover/simplify.h"
#include "core/table/term.h"

namespace ronri {

// The pairwise merging exactly as the table method states it, on plain texts.
// simplicity uses it only for lists that are not clean minterm patterns.
std::string simplicityByPairs(const std::vector<std::string>& barabara);

// True when `f` is a whole factor of the index product `y` ("1" is one of
// "21*1" but not of "11*21"); only the first 128 characters are looked at.
bool hasFactor(std::string_view f, std::string_view y);

// The implicants of a term sum: the texts between the "+" signs, empty ones
// skipped.
std::vector<std::string> splitTerms(std::string_view sum);
// The chosen implicants joined by "+": the term sum of a cover.
std::string joinChosen(const std::vector<std::string>& implicants, const std::vector<int>& chosen);

// For each minterm of the term list `simple` (terms of n letters followed by
// "+"), the ascending indices of the implicants whose letters all occur in it.
std::vector<std::vector<int>> coverTable(const std::vector<std::string>& implicants,
                                         std::string_view simple, int n);
// For each row, the ascending indices of the primes that cover it.
std::vector<std::vector<int>> coverTable(const std::vector<Term>& primes,
                                         const std::vector<int>& rows);

// The product-of-sums expansion over a cover table (every row non-empty):
// the surviving index products, each sorted, in the order the expansion leaves
// them. nullopt when the expansion would outgrow the sizes it was built for
// (129 implicants per minterm, 129 products per pair of minterms, 1025
// products per step, 128 characters per index product, implicant indices up
// to 1024 except 1000).
std::optional<std::vector<std::vector<int>>> expandCover(
    const std::vector<std::vector<int>>& table);

// The text of an index product, e.g. "0*2*5".
std::string indexProductText(const std::vector<int>& product);

// One reduction of a cover table, in the order reduceCoverTable makes them.
struct ReductionStep {
  enum Kind {
    Essential,        // `row` has `column` alone left: the column is taken
    RowDominated,     // `row` goes: a cover of row `by` covers it too
    ColumnDominated,  // `column` goes: column `by` covers every row it still covers
    ColumnUnused,     // `column` goes: it covers no row that is left
  } kind;
  int row = -1;
  int column = -1;
  int by = -1;
};
struct TableReduction {
  std::vector<ReductionStep> steps;
  std::vector<int> rowsLeft;  // what no reduction settles: the cyclic core
  std::vector<int> columnsLeft;
};
// The reductions exactCover starts with (unit costs), step by step.
TableReduction reduceCoverTable(const std::vector<std::vector<int>>& table, int columnCount);

// A cover of the table with the fewest columns, found by reductions and an
// integer program. `proven` is false when the budget ran out first; the
// columns then still cover every row and none of them can be left out.
struct ExactCover {
  std::vector<int> columns;  // ascending
  bool proven = true;
  int lowerBound = 0;  // no cover of the table costs less (counts columns at unit cost)
  int lpBound = 0;     // the part of lowerBound the relaxation alone gives (rounded up)
};
ExactCover exactCover(const std::vector<std::vector<int>>& table, int columnCount,
                      std::chrono::milliseconds budget);

// How long the search may run and who watches it.
struct CoverLimits {
  std::chrono::milliseconds budget{2000};
  // The budget counts this process's CPU time instead of the wall clock
  // (benchmarks on a shared machine).
  bool cpuClock = false;
  // Asked now and then; true stops the search with what it has.
  std::function<bool()> stopRequested;
  // Told of every better cover or bound while the search runs.
  std::function<void(const ExactCover&)> improved;
  // Threads the tree search may use (a proof in the background takes the
  // machine's cores; the budgeted search keeps to one).
  int threads = 1;
};
ExactCover exactCover(const std::vector<std::vector<int>>& table, int columnCount,
                      const CoverLimits& limits);
// The threads a proof in the background uses: the machine's cores, at most four.
int proofThreads();
// minimalCover under `limits` (a benchmark counts CPU time).
Cover minimalCoverWithin(std::string_view sc1, std::string_view simple, int n,
                         const CoverLimits& limits);
// The same with a positive cost per column: the cover of least total cost.
// `fewestFirst` promises that one column more always costs more than any
// cover can save by its choice of columns; the fewest columns are then proven
// first, which makes the search by cost much quicker.
ExactCover exactCover(const std::vector<std::vector<int>>& table, int columnCount,
                      std::chrono::milliseconds budget, const std::vector<int64_t>& cost,
                      bool fewestFirst = false);
ExactCover exactCover(const std::vector<std::vector<int>>& table, int columnCount,
                      const CoverLimits& limits, const std::vector<int64_t>& cost,
                      bool fewestFirst);

}  // namespace ronri
