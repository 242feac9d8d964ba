#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// The reductions every exact cover starts with: a row left with a single
// column forces it, a row whose columns include another row's goes, a column
// whose rows another column covers (no dearer) goes. The chart shows them as
// its steps; the search solves what is left.
#include <cstdint>
#include <vector>

namespace ronri {

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
  std::vector<int> taken;     // the columns the essential steps took, in that order
  std::vector<int> rowsLeft;  // what no reduction settles: the cyclic core
  std::vector<int> columnsLeft;
};
// The reductions of `table` (per row its columns, ascending) until none
// applies, step by step. `cost` gives each column's cost (empty: all 1): of
// two columns with the same rows the cheaper stays.
TableReduction reduceCoverTable(const std::vector<std::vector<int>>& table, int columnCount,
                                const std::vector<int64_t>& cost = {});

}  // namespace ronri
