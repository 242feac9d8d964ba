// Exact minimum cover: essential columns and row/column dominance first,
// then each independent remainder solved on its own (cover_component) under
// one time budget. Columns may carry costs (the don't-care cover weighs terms
// and letters); without them every column costs 1.
#include "core/cover/cover_search.h"

#include <algorithm>
#include <cstdint>
#include <thread>

#include "core/cover/cover_component.h"
#include "core/cover/cover_improve.h"
#include "core/cover/cover_reduction.h"

namespace ronri {

namespace {

// Fewest columns first, then least cost: the fewest columns are proven on
// unit costs in the first half of the time, which fixes their number for the
// search by cost (a far tighter problem than the weighted one alone).
PieceCover solveTermsFirst(const std::vector<std::vector<int>>& rows, int columnCount,
                           const std::vector<int64_t>& cost, const SearchTimer& timer,
                           const SearchWatch& watch) {
  const std::vector<int64_t> unit(static_cast<size_t>(columnCount), 1);
  // While the columns are counted, k of them cost at least k cheapest ones.
  const int64_t cheapest = *std::min_element(cost.begin(), cost.end());
  SearchWatch counting{watch.stop, {}, watch.threads};
  if (watch.improved) {
    counting.improved = [&](const std::vector<int>& cols, int64_t bound) {
      watch.improved(cols, bound * cheapest);
    };
  }
  PieceCover fewest = solveComponent(rows, columnCount, unit, timer.part(0.5), counting);
  // Fewer columns always cost less: the unit search's cover is a good start.
  if (!fewest.proven) {
    PieceCover r = solveComponent(rows, columnCount, cost, timer, watch, -1, &fewest.columns);
    if (!r.proven) r.lowerBound = std::max(r.lowerBound, fewest.lowerBound * cheapest);
    return r;
  }
  return solveComponent(rows, columnCount, cost, timer, watch,
                        static_cast<int>(fewest.columns.size()), &fewest.columns);
}

}  // namespace

int proofThreads() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
}

namespace {

// A piece of what the reductions leave: rows that share columns with each
// other and with no other row.
struct Piece {
  std::vector<size_t> cols;            // global column of each local one, ascending
  std::vector<std::vector<int>> rows;  // ascending global rows, with local columns
  std::vector<int64_t> cost;           // of each local column
  PieceCover best;
};

// The pieces in the order of their first row.
std::vector<Piece> piecesOf(const std::vector<std::vector<int>>& table,
                            const std::vector<int64_t>& cost, const TableReduction& red) {
  const size_t columnCount = cost.size();
  std::vector<char> colLeft(columnCount, 0);
  for (int c : red.columnsLeft) colLeft[static_cast<size_t>(c)] = 1;
  std::vector<std::vector<int>> colRows(columnCount);
  for (int r : red.rowsLeft)
    for (int c : table[static_cast<size_t>(r)])
      if (colLeft[static_cast<size_t>(c)]) colRows[static_cast<size_t>(c)].push_back(r);
  std::vector<Piece> pieces;
  std::vector<char> seenRow(table.size(), 0);
  std::vector<char> seenCol(columnCount, 0);
  std::vector<int> local(columnCount, -1);
  for (int start : red.rowsLeft) {
    if (seenRow[static_cast<size_t>(start)]) continue;
    std::vector<int> compRows{start};
    Piece piece;
    seenRow[static_cast<size_t>(start)] = 1;
    for (size_t q = 0; q < compRows.size(); ++q) {
      for (int c : table[static_cast<size_t>(compRows[q])]) {
        if (!colLeft[static_cast<size_t>(c)] || seenCol[static_cast<size_t>(c)]) continue;
        seenCol[static_cast<size_t>(c)] = 1;
        piece.cols.push_back(static_cast<size_t>(c));
        for (int r : colRows[static_cast<size_t>(c)]) {
          if (seenRow[static_cast<size_t>(r)]) continue;
          seenRow[static_cast<size_t>(r)] = 1;
          compRows.push_back(r);
        }
      }
    }
    std::sort(compRows.begin(), compRows.end());
    std::sort(piece.cols.begin(), piece.cols.end());
    for (size_t i = 0; i < piece.cols.size(); ++i) local[piece.cols[i]] = static_cast<int>(i);
    for (int r : compRows) {
      std::vector<int> row;
      for (int c : table[static_cast<size_t>(r)])
        if (colLeft[static_cast<size_t>(c)]) row.push_back(local[static_cast<size_t>(c)]);
      std::sort(row.begin(), row.end());
      row.erase(std::unique(row.begin(), row.end()), row.end());
      piece.rows.push_back(std::move(row));
    }
    for (size_t c : piece.cols) piece.cost.push_back(cost[c]);
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

// The whole cover from the columns the reductions took and each piece's best
// so far.
ExactCover compose(const TableReduction& red, const std::vector<Piece>& pieces,
                   const std::vector<int64_t>& cost) {
  ExactCover out;
  out.columns = red.taken;
  int64_t bound = costOf(out.columns, cost), lp = bound;
  for (const Piece& p : pieces) {
    for (int c : p.best.columns) out.columns.push_back(static_cast<int>(p.cols[size_t(c)]));
    bound += p.best.lowerBound;
    lp += p.best.lpBound;
    if (!p.best.proven) out.proven = false;
  }
  std::sort(out.columns.begin(), out.columns.end());
  out.lowerBound = static_cast<int>(bound);
  out.lpBound = static_cast<int>(lp);
  return out;
}

// Each piece in turn under the one clock. Only a watcher needs the whole
// cover before the end, and it needs a cover of every piece from the start.
void solvePieces(std::vector<Piece>& pieces, const TableReduction& red,
                 const std::vector<int64_t>& cost, const CoverLimits& limits, bool fewestFirst,
                 const SearchTimer& timer) {
  if (limits.improved)
    for (Piece& p : pieces) p.best.columns = greedyCover(p.rows, static_cast<int>(p.cols.size()));
  for (Piece& p : pieces) {
    const int n = static_cast<int>(p.cols.size());
    SearchWatch watch{limits.stopRequested, {}, limits.threads};
    if (limits.improved) {
      watch.improved = [&](const std::vector<int>& cols, int64_t bound) {
        if (!cols.empty()) p.best.columns = cols;
        p.best.lowerBound = std::max(p.best.lowerBound, bound);
        if (p.best.lpBound == 0) p.best.lpBound = p.best.lowerBound;
        limits.improved(compose(red, pieces, cost));
      };
    }
    p.best = fewestFirst ? solveTermsFirst(p.rows, n, p.cost, timer, watch)
                         : solveComponent(p.rows, n, p.cost, timer, watch);
  }
}

// A cover that is not proven smallest may still carry a term it can do
// without, or two that one other can replace.
void polish(ExactCover& out, const std::vector<std::vector<int>>& table,
            const std::vector<int64_t>& cost) {
  std::vector<std::vector<int>> colRows(cost.size());
  for (size_t r = 0; r < table.size(); ++r)
    for (int c : table[r]) colRows[static_cast<size_t>(c)].push_back(static_cast<int>(r));
  out.columns = improveCover(colRows, table.size(), std::move(out.columns), cost);
  if (costOf(out.columns, cost) <= out.lowerBound) {
    out.proven = true;
    out.lowerBound = static_cast<int>(costOf(out.columns, cost));
  }
}

// `cost` has one entry a column.
ExactCover searchCover(const std::vector<std::vector<int>>& table, const std::vector<int64_t>& cost,
                       const CoverLimits& limits, bool fewestFirst) {
  const SearchTimer timer(limits);
  const TableReduction red = reduceCoverTable(table, static_cast<int>(cost.size()), cost);
  // What remains falls apart into independent pieces; each is solved alone.
  std::vector<Piece> pieces = piecesOf(table, cost, red);
  solvePieces(pieces, red, cost, limits, fewestFirst, timer);
  ExactCover out = compose(red, pieces, cost);
  if (!out.proven) polish(out, table, cost);
  return out;
}

}  // namespace

ExactCover solveCover(const CoverProblem& problem, const CoverLimits& limits) {
  const std::vector<int64_t> unit(
      problem.cost.empty() ? static_cast<size_t>(std::max(problem.columnCount, 0)) : 0, 1);
  return searchCover(problem.table, problem.cost.empty() ? unit : problem.cost, limits,
                     problem.fewestFirst);
}

}  // namespace ronri
