// One piece of a cover table solved on its own: the start, the relaxation,
// the moves and walks that improve the start, and the proofs.
#include "core/cover/cover_component.h"

#include <coin/CbcEventHandler.hpp>
#include <coin/CbcModel.hpp>
#include <coin/CbcSolver.hpp>
#include <coin/CbcTree.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>

#include "core/cover/cover_branch_bound.h"
#include "core/cover/cover_improve.h"
#include "core/cover/cover_local_search.h"
#include "core/cover/cover_matrix.h"

namespace ronri {

int64_t costOf(const std::vector<int>& cols, const std::vector<int64_t>& cost) {
  int64_t sum = 0;
  for (int c : cols) sum += cost[static_cast<size_t>(c)];
  return sum;
}

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

namespace {

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
                           std::vector<int> cols, int64_t unit, int64_t bound,
                           const SearchTimer& timer, const SearchWatch& watch) {
  const size_t target = static_cast<size_t>((bound + unit - 1) / unit);
  LocalSearchLimits limits;
  limits.target = target;
  if (watch.improved)
    limits.improved = [&](const std::vector<int>& better) { watch.improved(better, bound); };
  const SearchTimer first = timer.part(0.05, 0.1);
  limits.timeUp = [&] { return first.over() || (watch.stop && watch.stop()); };
  limits.patience = 50000;  // some 20 ms
  cols = localSearchCover(colRows, rowCount, cols, limits);
  if (cols.size() < target + 2) return cols;
  limits.patience = 0;
  limits.target = target + 1;
  const SearchTimer second = timer.part(0.5, 2.0);
  limits.timeUp = [&] { return second.over() || (watch.stop && watch.stop()); };
  limits.seed = 2;
  return localSearchCover(colRows, rowCount, cols, limits);
}

// Stops CBC when the time is up or the caller asks, and passes on each better
// cover and bound it finds.
class SearchWatcher : public CbcEventHandler {
 public:
  struct State {
    const SearchTimer* timer;
    const SearchWatch* watch;
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

// What every step of a piece's search reads.
struct Component {
  const std::vector<std::vector<int>>& rows;
  int columnCount;
  const std::vector<int64_t>& cost;
  const SearchTimer& timer;
  const SearchWatch& watch;
  int exactly;                            // -1, or the only size a cover may have
  std::vector<std::vector<int>> colRows;  // per column the rows it covers

  bool timeUp() const { return timer.over() || (watch.stop && watch.stop()); }
  bool unitCosts() const {
    return !cost.empty() &&
           std::all_of(cost.begin(), cost.end(), [&](int64_t c) { return c == cost[0]; });
  }
};

std::vector<std::vector<int>> colRowsOf(const std::vector<std::vector<int>>& rows,
                                        int columnCount) {
  std::vector<std::vector<int>> colRows(static_cast<size_t>(columnCount));
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c : rows[r]) colRows[static_cast<size_t>(c)].push_back(static_cast<int>(r));
  return colRows;
}

// The given start, or the greedy cover without its redundant columns.
std::vector<int> startCover(const Component& c, const std::vector<int>* start) {
  if (start) return *start;
  std::vector<int> greedy = greedyCover(c.rows, c.columnCount);
  std::reverse(greedy.begin(), greedy.end());
  return dropRedundant(c.colRows, c.rows.size(), greedy);
}

// The relaxation, solved: every row covered at least once, columns between 0
// and 1 (with `exactly`, their sum fixed).
void solveRelaxation(const Component& c, OsiClpSolverInterface& solver) {
  const size_t nc = static_cast<size_t>(c.columnCount);
  CoinPackedMatrix matrix = coverMatrix(c.rows, c.columnCount);
  std::vector<double> colLower(nc, 0.0), colUpper(nc, 1.0), objective(nc);
  for (size_t col = 0; col < nc; ++col) objective[col] = static_cast<double>(c.cost[col]);
  std::vector<double> rowLower(c.rows.size(), 1.0), rowUpper(c.rows.size(), COIN_DBL_MAX);
  if (c.exactly >= 0) {
    CoinPackedVector all;
    for (int col = 0; col < c.columnCount; ++col) all.insert(col, 1.0);
    matrix.appendRow(all);
    rowLower.push_back(c.exactly);
    rowUpper.push_back(c.exactly);
  }
  solver.messageHandler()->setLogLevel(0);
  solver.loadProblem(matrix, colLower.data(), colUpper.data(), objective.data(), rowLower.data(),
                     rowUpper.data());
  solver.initialSolve();
}

// The relaxation's bound, and its rounding when that is a cheaper start.
void boundByRelaxation(const Component& c, const OsiClpSolverInterface& solver,
                       PieceCover& result) {
  if (!solver.isProvenOptimal()) return;
  result.lowerBound = static_cast<int64_t>(std::ceil(solver.getObjValue() - 1e-6));
  result.lpBound = result.lowerBound;
  std::vector<int> rounded = roundRelaxation(c.rows, c.colRows, solver.getColSolution());
  const bool fits = c.exactly < 0 || static_cast<int>(rounded.size()) == c.exactly;
  if (fits && costOf(rounded, c.cost) < costOf(result.columns, c.cost))
    result.columns = std::move(rounded);
}

// Drop and swap moves, then with unit costs the local search: a better start
// is a tighter cutoff for the search.
void improveStart(const Component& c, PieceCover& result) {
  if (c.exactly >= 0) return;
  result.columns =
      improveCover(c.colRows, c.rows.size(), result.columns, c.cost, [&] { return c.timeUp(); });
  if (c.unitCosts() && costOf(result.columns, c.cost) > result.lowerBound)
    result.columns = walkCover(c.colRows, c.rows.size(), result.columns, c.cost[0],
                               result.lowerBound, c.timer, c.watch);
}

// One column above the bound, the question is whether a cover of exactly
// the bound exists: our own search answers it far sooner than CBC. True when
// the piece is done (answered, or out of time).
bool settleNearBound(const Component& c, PieceCover& result) {
  if (c.exactly >= 0 || !c.unitCosts() || c.cost[0] != 1 ||
      costOf(result.columns, c.cost) != result.lowerBound + 1)
    return false;
  std::function<void(const std::vector<int>&)> found;
  if (c.watch.improved)
    found = [&](const std::vector<int>& cols) { c.watch.improved(cols, result.lowerBound); };
  const AtMostResult near = coverOfAtMost(
      c.rows, c.columnCount, static_cast<int>(result.lowerBound), [&] { return c.timeUp(); },
      found);
  if (near.found) result.columns = near.columns;
  if (near.finished) {
    result.proven = true;
    result.lowerBound = costOf(result.columns, c.cost);
    return true;
  }
  return c.timeUp();
}

// CBC's search from the cover found so far, until `seconds` are over or the
// watcher stops it.
void runCbc(const Component& c, CbcModel& model, double seconds, int64_t startCost,
            int64_t lowerBound) {
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
  const bool farFromBound =
      startCost - lowerBound > 2 * *std::min_element(c.cost.begin(), c.cost.end());
  const char* heuristics = farFromBound ? "on" : "off";
  // "-threads 0" is CBC's single search without threads.
  const std::string threads = std::to_string(c.watch.threads > 1 ? c.watch.threads : 0);
  const std::vector<const char*> argv = {
      "ronri",    "-log",       "0",           "-slog",         "0",
      "-cuts",    "off",        "-preprocess", "off",           "-feas",
      heuristics, "-proximity", heuristics,    "-timeMode",     c.timer.cpu() ? "cpu" : "elapsed",
      "-sec",     secs.c_str(), "-threads",    threads.c_str(), "-solve",
      "-quit"};
  CbcMain1(
      static_cast<int>(argv.size()), const_cast<const char**>(argv.data()), model,
      [](CbcModel*, int) { return 0; }, data);
}

// The tree search on the integer program, watched; false when no time was
// left to start it.
bool searchTree(const Component& c, OsiClpSolverInterface& solver, PieceCover& result) {
  for (int col = 0; col < c.columnCount; ++col) solver.setInteger(col);
  // The watcher stops the search when the time is up or the caller asks.
  const double seconds = c.timer.left();
  if (seconds <= 0.0 || c.timeUp()) return false;

  CbcModel model(solver);
  model.setLogLevel(0);
  model.messageHandler()->setLogLevel(0);
  const int64_t startCost = costOf(result.columns, c.cost);
  {
    std::vector<double> startX(static_cast<size_t>(c.columnCount), 0.0);
    for (int col : result.columns) startX[static_cast<size_t>(col)] = 1.0;
    model.setBestSolution(startX.data(), c.columnCount, static_cast<double>(startCost), true);
  }
  SearchWatcher::State state{&c.timer, &c.watch, &c.rows, &c.cost, startCost, result.lowerBound};
  SearchWatcher watcher(&state);
  model.passInEventHandler(&watcher);
  runCbc(c, model, seconds, startCost, result.lowerBound);

  const double* best = model.bestSolution();
  if (best) {
    std::vector<int> cols;
    for (int col = 0; col < c.columnCount; ++col)
      if (best[col] > 0.5) cols.push_back(col);
    if (costOf(cols, c.cost) <= costOf(result.columns, c.cost)) {
      result.columns = std::move(cols);
      result.proven = model.isProvenOptimal();
    }
  }
  result.lowerBound = std::max(result.lowerBound, state.bound);
  return true;
}

// After the tree search: proven when the cover meets the bound; if not, the
// moves may still find a cheaper one.
void finishTree(const Component& c, PieceCover& result) {
  int64_t found = costOf(result.columns, c.cost);
  if (found <= result.lowerBound) result.proven = true;
  if (!result.proven && c.exactly < 0) {
    result.columns = improveCover(c.colRows, c.rows.size(), result.columns, c.cost);
    found = costOf(result.columns, c.cost);
    if (found <= result.lowerBound) result.proven = true;
  }
  if (result.proven) result.lowerBound = found;
}

}  // namespace

PieceCover solveComponent(const std::vector<std::vector<int>>& rows, int columnCount,
                          const std::vector<int64_t>& cost, const SearchTimer& timer,
                          const SearchWatch& watch, int exactly, const std::vector<int>* start) {
  const Component c{rows, columnCount, cost, timer, watch, exactly, colRowsOf(rows, columnCount)};
  PieceCover result;
  result.columns = startCover(c, start);
  // The relaxation is solved even when the time is up: its bound is part of
  // the answer.
  OsiClpSolverInterface solver;
  solveRelaxation(c, solver);
  boundByRelaxation(c, solver, result);
  improveStart(c, result);
  if (watch.improved) watch.improved(result.columns, result.lowerBound);
  if (costOf(result.columns, cost) == result.lowerBound) {
    result.proven = true;
    return result;
  }
  if (settleNearBound(c, result)) return result;
  if (!searchTree(c, solver, result)) return result;
  finishTree(c, result);
  return result;
}

}  // namespace ronri
