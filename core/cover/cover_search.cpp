// Exact minimum cover: essential columns and row/column dominance first,
// then each independent remainder as a 0-1 integer program solved by CBC
// (after a local search, and our own branch and bound near the bound) under
// a time budget. Columns may carry costs (the don't-care cover weighs terms
// and letters); without them every column costs 1.
#include <coin/CbcEventHandler.hpp>
#include <coin/CbcModel.hpp>
#include <coin/CbcSolver.hpp>
#include <coin/CbcTree.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>

#include "core/cover/cover_branch_bound.h"
#include "core/cover/cover_improve.h"
#include "core/cover/cover_local_search.h"
#include "core/cover/cover_matrix.h"
#include "core/cover/cover_reduction.h"
#include "core/cover/cover_search.h"

namespace ronri {

namespace {

using Clock = std::chrono::steady_clock;

// Picks the column covering most uncovered rows until all are covered.
std::vector<int> greedyCover(const std::vector<std::vector<int>>& rows, int columnCount) {
  std::vector<std::vector<int>> colRows(static_cast<size_t>(columnCount));
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c : rows[r]) colRows[static_cast<size_t>(c)].push_back(static_cast<int>(r));
  std::vector<char> covered(rows.size(), 0);
  size_t left = rows.size();
  std::vector<int> out;
  while (left > 0) {
    int best = -1;
    int bestGain = 0;
    for (int c = 0; c < columnCount; ++c) {
      int gain = 0;
      for (int r : colRows[static_cast<size_t>(c)])
        if (!covered[static_cast<size_t>(r)]) ++gain;
      if (gain > bestGain) {
        best = c;
        bestGain = gain;
      }
    }
    if (best < 0) break;
    out.push_back(best);
    for (int r : colRows[static_cast<size_t>(best)]) {
      if (!covered[static_cast<size_t>(r)]) {
        covered[static_cast<size_t>(r)] = 1;
        --left;
      }
    }
  }
  return out;
}

struct SubResult {
  std::vector<int> columns;  // local indices
  bool proven = false;
  int64_t lowerBound = 0;  // in cost
  int64_t lpBound = 0;     // the relaxation's, rounded up
};

int64_t costOf(const std::vector<int>& cols, const std::vector<int64_t>& cost) {
  int64_t sum = 0;
  for (int c : cols) sum += cost[static_cast<size_t>(c)];
  return sum;
}

// The end of a search by the wall clock or by this process's CPU time.
class Timer {
 public:
  explicit Timer(const CoverLimits& limits)
      : cpu_(limits.cpuClock), end_(now() + std::chrono::duration<double>(limits.budget).count()) {}
  double left() const { return end_ - now(); }
  bool over() const { return left() <= 0.0; }
  bool cpu() const { return cpu_; }
  // The same clock, ending after `share` of what is left, or sooner after
  // `cap` seconds.
  Timer part(double share, double cap = 1e9) const {
    Timer t = *this;
    t.end_ = now() + std::min(cap, share * std::max(0.0, left()));
    return t;
  }

 private:
  double now() const {
    if (cpu_) return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
  }
  bool cpu_;
  double end_;
};

// What a component's search tells the caller: a better cover (local
// columns) or a better bound; and whether to stop.
struct Watch {
  std::function<bool()> stop;
  std::function<void(const std::vector<int>&, int64_t)> improved;
  int threads = 1;  // the tree search's
};

// Drops columns that cover no row alone, trying them in the given order.
std::vector<int> dropRedundant(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                               std::vector<int> cols) {
  std::vector<int> count(rowCount, 0);
  for (int c : cols)
    for (int r : colRows[static_cast<size_t>(c)]) ++count[static_cast<size_t>(r)];
  std::vector<int> kept;
  for (int c : cols) {
    const auto& rs = colRows[static_cast<size_t>(c)];
    const bool needed = std::any_of(rs.begin(), rs.end(),
                                    [&](int r) { return count[static_cast<size_t>(r)] == 1; });
    if (needed) {
      kept.push_back(c);
    } else {
      for (int r : rs) --count[static_cast<size_t>(r)];
    }
  }
  std::sort(kept.begin(), kept.end());
  return kept;
}

// Takes columns in the order of their value in the relaxation until every row
// is covered, then drops those that became redundant, weakest first.
std::vector<int> roundRelaxation(const std::vector<std::vector<int>>& rows,
                                 const std::vector<std::vector<int>>& colRows, const double* x) {
  std::vector<int> order(colRows.size());
  for (size_t c = 0; c < order.size(); ++c) order[c] = static_cast<int>(c);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return x[a] > x[b]; });
  std::vector<char> covered(rows.size(), 0);
  std::vector<int> taken;
  for (int c : order) {
    bool useful = false;
    for (int r : colRows[static_cast<size_t>(c)]) {
      if (!covered[static_cast<size_t>(r)]) {
        covered[static_cast<size_t>(r)] = 1;
        useful = true;
      }
    }
    if (useful) taken.push_back(c);
  }
  std::reverse(taken.begin(), taken.end());
  return dropRedundant(colRows, rows.size(), taken);
}

// With every column at the same cost, a local search finds small covers far
// sooner than the tree search. It has a short look first, until it stops
// finding smaller covers. Where its cover is then still two columns or more
// above the bound, a proof is far off: it walks on until it comes within
// one, for half of what is left but at most two seconds (a proof in the
// background needs its time for the tree search).
std::vector<int> walkCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                           std::vector<int> cols, int64_t unit, int64_t bound, const Timer& timer,
                           const Watch& watch) {
  const size_t target = static_cast<size_t>((bound + unit - 1) / unit);
  LocalSearchLimits limits;
  limits.target = target;
  if (watch.improved)
    limits.improved = [&](const std::vector<int>& better) { watch.improved(better, bound); };
  const Timer first = timer.part(0.05, 0.1);
  limits.timeUp = [&] { return first.over() || (watch.stop && watch.stop()); };
  limits.patience = 50000;  // some 20 ms
  cols = localSearchCover(colRows, rowCount, cols, limits);
  if (cols.size() < target + 2) return cols;
  limits.patience = 0;
  limits.target = target + 1;
  const Timer second = timer.part(0.5, 2.0);
  limits.timeUp = [&] { return second.over() || (watch.stop && watch.stop()); };
  limits.seed = 2;
  return localSearchCover(colRows, rowCount, cols, limits);
}

// Stops CBC when the time is up or the caller asks, and passes on each better
// cover and bound it finds.
class SearchWatcher : public CbcEventHandler {
 public:
  struct State {
    const Timer* timer;
    const Watch* watch;
    const std::vector<std::vector<int>>* rows;
    const std::vector<int64_t>* cost;
    int64_t bestCost;
    int64_t bound;
    double lastSeen = 0.0;  // the incumbent's value last looked at
    int64_t nodes = 0;
    std::mutex lock{};  // the search's threads share this state
  };
  explicit SearchWatcher(State* state) : state_(state) {}
  CbcEventHandler* clone() const override { return new SearchWatcher(*this); }
  CbcAction event(CbcEvent e) override {
    State& s = *state_;
    const std::lock_guard<std::mutex> hold(s.lock);
    if (s.timer->over() || (s.watch->stop && s.watch->stop())) return stop;
    if (!model_) return noAction;
    // The model's own bound is not sound mid-search (between the root's
    // heuristics and the first branch it is the incumbent's value); the open
    // nodes' least bound after a node is done is. A thread's model holds only
    // its share of the nodes: with threads, the bound waits for the end.
    if (e == node && s.watch->threads == 1 && ++s.nodes % 32 == 0 && model_->tree() &&
        model_->tree()->size() > 0) {
      const auto bound =
          static_cast<int64_t>(std::ceil(model_->tree()->getBestPossibleObjective() - 1e-6));
      if (bound > s.bound && bound <= s.bestCost) {
        s.bound = bound;
        if (s.watch->improved) s.watch->improved({}, bound);
      }
    }
    if (!s.watch->improved) return noAction;
    // Mid-search the model's incumbent is not always a finished cover: only
    // a checked one, cheaper than the last, is passed on.
    const double* best = model_->bestSolution();
    if (best && model_->getObjValue() != s.lastSeen) {
      s.lastSeen = model_->getObjValue();
      std::vector<int> cols;
      int64_t found = 0;
      for (size_t c = 0; c < s.cost->size(); ++c) {
        if (best[c] > 0.5) {
          cols.push_back(static_cast<int>(c));
          found += (*s.cost)[c];
        }
      }
      const bool covers = std::all_of(s.rows->begin(), s.rows->end(), [&](const auto& row) {
        return std::any_of(row.begin(), row.end(), [&](int c) { return best[c] > 0.5; });
      });
      if (covers && found < s.bestCost) {
        s.bestCost = found;
        s.bound = std::min(s.bound, found);
        s.watch->improved(cols, s.bound);
      }
    }
    return noAction;
  }

 private:
  State* state_;
};

// Minimum set cover of one component as an integer program. With `exactly`
// set, only covers of that many columns count, and `start` is one of them.
SubResult solveComponent(const std::vector<std::vector<int>>& rows, int columnCount,
                         const std::vector<int64_t>& cost, const Timer& timer,
                         const Watch& watch = {}, int exactly = -1,
                         const std::vector<int>* start = nullptr) {
  const size_t nc = static_cast<size_t>(columnCount);
  std::vector<std::vector<int>> colRows(nc);
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c : rows[r]) colRows[static_cast<size_t>(c)].push_back(static_cast<int>(r));
  auto timeUp = [&] { return timer.over() || (watch.stop && watch.stop()); };

  SubResult result;
  if (start) {
    result.columns = *start;
  } else {
    std::vector<int> greedy = greedyCover(rows, columnCount);
    std::reverse(greedy.begin(), greedy.end());
    result.columns = dropRedundant(colRows, rows.size(), greedy);
  }
  // The relaxation is solved even when the time is up: its bound is part of
  // the answer.

  CoinPackedMatrix matrix = coverMatrix(rows, columnCount);
  std::vector<double> colLower(nc, 0.0), colUpper(nc, 1.0), objective(nc);
  for (size_t c = 0; c < nc; ++c) objective[c] = static_cast<double>(cost[c]);
  std::vector<double> rowLower(rows.size(), 1.0), rowUpper(rows.size(), COIN_DBL_MAX);
  if (exactly >= 0) {
    CoinPackedVector all;
    for (int c = 0; c < columnCount; ++c) all.insert(c, 1.0);
    matrix.appendRow(all);
    rowLower.push_back(exactly);
    rowUpper.push_back(exactly);
  }
  OsiClpSolverInterface solver;
  solver.messageHandler()->setLogLevel(0);
  solver.loadProblem(matrix, colLower.data(), colUpper.data(), objective.data(), rowLower.data(),
                     rowUpper.data());
  solver.initialSolve();
  if (solver.isProvenOptimal()) {
    result.lowerBound = static_cast<int64_t>(std::ceil(solver.getObjValue() - 1e-6));
    result.lpBound = result.lowerBound;
    std::vector<int> rounded = roundRelaxation(rows, colRows, solver.getColSolution());
    const bool fits = exactly < 0 || static_cast<int>(rounded.size()) == exactly;
    if (fits && costOf(rounded, cost) < costOf(result.columns, cost))
      result.columns = std::move(rounded);
  }
  // Unit costs: a better start is a tighter cutoff for the search.
  if (exactly < 0)
    result.columns = improveCover(colRows, rows.size(), result.columns, cost, timeUp);
  const bool unitCosts = !cost.empty() && std::all_of(cost.begin(), cost.end(),
                                                      [&](int64_t c) { return c == cost[0]; });
  if (exactly < 0 && unitCosts && costOf(result.columns, cost) > result.lowerBound)
    result.columns =
        walkCover(colRows, rows.size(), result.columns, cost[0], result.lowerBound, timer, watch);
  if (watch.improved) watch.improved(result.columns, result.lowerBound);
  if (costOf(result.columns, cost) == result.lowerBound) {
    result.proven = true;
    return result;
  }
  // One column above the bound, the question is whether a cover of exactly
  // the bound exists: our own search answers it far sooner than CBC.
  if (exactly < 0 && unitCosts && cost[0] == 1 &&
      costOf(result.columns, cost) == result.lowerBound + 1) {
    std::function<void(const std::vector<int>&)> found;
    if (watch.improved)
      found = [&](const std::vector<int>& cols) { watch.improved(cols, result.lowerBound); };
    const AtMostResult near =
        coverOfAtMost(rows, columnCount, static_cast<int>(result.lowerBound), timeUp, found);
    if (near.found) result.columns = near.columns;
    if (near.finished) {
      result.proven = true;
      result.lowerBound = costOf(result.columns, cost);
      return result;
    }
    if (timeUp()) return result;
  }
  for (int c = 0; c < columnCount; ++c) solver.setInteger(c);

  // The watcher stops the search when the time is up or the caller asks.
  const double seconds = timer.left();
  if (seconds <= 0.0 || timeUp()) return result;

  CbcModel model(solver);
  model.setLogLevel(0);
  model.messageHandler()->setLogLevel(0);
  {
    std::vector<double> startX(nc, 0.0);
    for (int c : result.columns) startX[static_cast<size_t>(c)] = 1.0;
    model.setBestSolution(startX.data(), columnCount,
                          static_cast<double>(costOf(result.columns, cost)), true);
  }
  SearchWatcher::State state{&timer,           &watch, &rows, &cost, costOf(result.columns, cost),
                             result.lowerBound};
  SearchWatcher watcher(&state);
  model.passInEventHandler(&watcher);
  // The parameters live in `data`, not in CBC's globals: searches may run on
  // two threads at once (a proof in the background).
  CbcSolverUsefulData data;
  data.useSignalHandler_ = false;
  data.noPrinting_ = true;
  CbcMain0(model, data);
  // CBC's own limit ends its heuristics, where the watcher is not asked;
  // they overshoot it by about a tenth of a second.
  const std::string secs = std::to_string(std::max(0.05, seconds - 0.15));
  // Cut generation costs more than it saves on these covering problems. No
  // integer preprocessing: when the time runs out inside it, CBC's
  // postprocessing dereferences a null pointer and the program crashes.
  // Where the start lies well above the bound, the feasibility pump and the
  // proximity search improve on it far more than the search alone does in
  // the same time; near the bound the search proves sooner without them.
  const bool farFromBound = costOf(result.columns, cost) - result.lowerBound >
                            2 * *std::min_element(cost.begin(), cost.end());
  const char* heuristics = farFromBound ? "on" : "off";
  // "-threads 0" is CBC's single search without threads.
  const std::string threads = std::to_string(watch.threads > 1 ? watch.threads : 0);
  const std::vector<const char*> argv = {
      "ronri",    "-log",       "0",           "-slog",         "0",
      "-cuts",    "off",        "-preprocess", "off",           "-feas",
      heuristics, "-proximity", heuristics,    "-timeMode",     timer.cpu() ? "cpu" : "elapsed",
      "-sec",     secs.c_str(), "-threads",    threads.c_str(), "-solve",
      "-quit"};
  CbcMain1(
      static_cast<int>(argv.size()), const_cast<const char**>(argv.data()), model,
      [](CbcModel*, int) { return 0; }, data);

  const double* best = model.bestSolution();
  if (best) {
    std::vector<int> cols;
    for (int c = 0; c < columnCount; ++c)
      if (best[c] > 0.5) cols.push_back(c);
    if (costOf(cols, cost) <= costOf(result.columns, cost)) {
      result.columns = std::move(cols);
      result.proven = model.isProvenOptimal();
    }
  }
  result.lowerBound = std::max(result.lowerBound, state.bound);
  int64_t found = costOf(result.columns, cost);
  if (found <= result.lowerBound) result.proven = true;
  if (!result.proven && exactly < 0) {
    result.columns = improveCover(colRows, rows.size(), result.columns, cost);
    found = costOf(result.columns, cost);
    if (found <= result.lowerBound) result.proven = true;
  }
  if (result.proven) result.lowerBound = found;
  return result;
}

// Fewest columns first, then least cost: the fewest columns are proven on
// unit costs in the first half of the time, which fixes their number for the
// search by cost (a far tighter problem than the weighted one alone).
SubResult solveTermsFirst(const std::vector<std::vector<int>>& rows, int columnCount,
                          const std::vector<int64_t>& cost, const Timer& timer,
                          const Watch& watch) {
  const std::vector<int64_t> unit(static_cast<size_t>(columnCount), 1);
  // While the columns are counted, k of them cost at least k cheapest ones.
  const int64_t cheapest = *std::min_element(cost.begin(), cost.end());
  Watch counting{watch.stop, {}, watch.threads};
  if (watch.improved) {
    counting.improved = [&](const std::vector<int>& cols, int64_t bound) {
      watch.improved(cols, bound * cheapest);
    };
  }
  SubResult fewest = solveComponent(rows, columnCount, unit, timer.part(0.5), counting);
  // Fewer columns always cost less: the unit search's cover is a good start.
  if (!fewest.proven) {
    SubResult r = solveComponent(rows, columnCount, cost, timer, watch, -1, &fewest.columns);
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
  SubResult best;
};

// The pieces in the order of their first row.
std::vector<Piece> piecesOf(const std::vector<std::vector<int>>& table, size_t columnCount,
                            const TableReduction& red) {
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
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

ExactCover searchCover(const std::vector<std::vector<int>>& table, int columnCount,
                       const CoverLimits& limits, const std::vector<int64_t>& cost,
                       bool fewestFirst) {
  const Timer timer(limits);
  const TableReduction red = reduceCoverTable(table, columnCount, cost);
  // What remains falls apart into independent pieces; each is solved alone.
  std::vector<Piece> pieces = piecesOf(table, static_cast<size_t>(columnCount), red);

  // The whole cover from each piece's best so far; only a watcher needs it
  // before the end, and it needs a cover of every piece from the start.
  auto compose = [&] {
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
  };
  std::vector<std::vector<int64_t>> localCosts;
  for (Piece& p : pieces) {
    std::vector<int64_t> c(p.cols.size());
    for (size_t i = 0; i < p.cols.size(); ++i) c[i] = cost[p.cols[i]];
    localCosts.push_back(std::move(c));
    if (limits.improved) {
      std::vector<int> greedy = greedyCover(p.rows, static_cast<int>(p.cols.size()));
      p.best.columns = std::move(greedy);
    }
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    Piece& p = pieces[i];
    const int n = static_cast<int>(p.cols.size());
    Watch watch{limits.stopRequested, {}, limits.threads};
    if (limits.improved) {
      watch.improved = [&](const std::vector<int>& cols, int64_t bound) {
        if (!cols.empty()) p.best.columns = cols;
        p.best.lowerBound = std::max(p.best.lowerBound, bound);
        if (p.best.lpBound == 0) p.best.lpBound = p.best.lowerBound;
        limits.improved(compose());
      };
    }
    p.best = fewestFirst ? solveTermsFirst(p.rows, n, localCosts[i], timer, watch)
                         : solveComponent(p.rows, n, localCosts[i], timer, watch);
  }
  ExactCover out = compose();

  // A cover that is not proven smallest may still carry a term it can do
  // without, or two that one other can replace.
  if (!out.proven) {
    std::vector<std::vector<int>> colRows(static_cast<size_t>(columnCount));
    for (size_t r = 0; r < table.size(); ++r)
      for (int c : table[r]) colRows[static_cast<size_t>(c)].push_back(static_cast<int>(r));
    out.columns = improveCover(colRows, table.size(), std::move(out.columns), cost);
    if (costOf(out.columns, cost) <= out.lowerBound) {
      out.proven = true;
      out.lowerBound = static_cast<int>(costOf(out.columns, cost));
    }
  }
  return out;
}

}  // namespace

ExactCover solveCover(const CoverProblem& problem, const CoverLimits& limits) {
  const std::vector<int64_t> unit(
      problem.cost.empty() ? static_cast<size_t>(std::max(problem.columnCount, 0)) : 0, 1);
  return searchCover(problem.table, problem.columnCount, limits,
                     problem.cost.empty() ? unit : problem.cost, problem.fewestFirst);
}

}  // namespace ronri
