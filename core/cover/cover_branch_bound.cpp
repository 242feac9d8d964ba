#include "core/cover/cover_branch_bound.h"

#include <coin/CoinWarmStart.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <memory>
#include <utility>

#include "core/cover/cover_matrix.h"

namespace ronri {

namespace {

constexpr double kEps = 1e-6;
// Before branching, the children of this many of the most fractional
// columns are looked at, each for at most this many simplex iterations.
constexpr int kCandidates = 5;
constexpr int kLookIterations = 30;

class Search {
 public:
  Search(const std::vector<std::vector<int>>& rows, int columnCount, int target,
         const std::function<bool()>& timeUp,
         const std::function<void(const std::vector<int>&)>& found)
      : rows_(rows), columns_(columnCount), target_(target), timeUp_(timeUp), found_(found) {
    const CoinPackedMatrix matrix = coverMatrix(rows, columnCount);
    const size_t n = static_cast<size_t>(columnCount);
    std::vector<double> lower(n, 0.0), upper(n, 1.0), cost(n, 1.0);
    std::vector<double> rowLower(rows.size(), 1.0), rowUpper(rows.size(), COIN_DBL_MAX);
    lp_.messageHandler()->setLogLevel(0);
    lp_.loadProblem(matrix, lower.data(), upper.data(), cost.data(), rowLower.data(),
                    rowUpper.data());
  }

  AtMostResult run() {
    AtMostResult out;
    if (target_ >= 0) {
      lp_.initialSolve();
      lp_.setIntParam(OsiMaxNumIterationHotStart, kLookIterations);
      limitTo(target_);
      out.finished = node();
    } else {
      out.finished = true;
    }
    out.found = found_any_;
    out.columns = best_;
    out.nodes = nodes_;
    return out;
  }

 private:
  // The relaxation of a node beyond the target need not be solved to the end.
  void limitTo(int target) {
    target_ = target;
    lp_.setDblParam(OsiDualObjectiveLimit, target + kEps);
  }

  // What the last solve says of the node.
  enum class Node { Open, Closed, Unknown };
  Node outcome() const {
    if (lp_.isAbandoned()) return Node::Unknown;
    if (lp_.isProvenOptimal())
      return lp_.getObjValue() > target_ + kEps ? Node::Closed : Node::Open;
    if (lp_.isProvenPrimalInfeasible() || lp_.isDualObjectiveLimitReached()) return Node::Closed;
    return Node::Unknown;
  }

  // Searches the node the solver's bounds describe; false when the search
  // had to stop (time, or a relaxation that did not solve).
  bool node() {
    if (timeUp_ && timeUp_()) return false;
    ++nodes_;
    lp_.resolve();
    const Node state = outcome();
    if (state == Node::Unknown) return false;
    if (state == Node::Closed) return true;

    const double z = lp_.getObjValue();
    const double* x = lp_.getColSolution();
    const double* reduced = lp_.getReducedCost();
    const double* lower = lp_.getColLower();
    const double* upper = lp_.getColUpper();
    // A column whose reduced cost exceeds the room left cannot change sides
    // in any cover within the target.
    const double room = target_ - z;
    std::vector<int> toZero, toOne;
    std::vector<std::pair<double, int>> fractional;
    for (int c = 0; c < columns_; ++c) {
      if (lower[c] == upper[c]) continue;
      if (reduced[c] > room + kEps) {
        toZero.push_back(c);
      } else if (reduced[c] < -room - kEps) {
        toOne.push_back(c);
      } else if (x[c] > kEps && x[c] < 1.0 - kEps) {
        fractional.push_back({-std::min(x[c], 1.0 - x[c]), c});
      }
    }
    if (fractional.empty()) {
      takeCover(x);
      return true;
    }
    for (int c : toZero) lp_.setColUpper(c, 0.0);
    for (int c : toOne) lp_.setColLower(c, 1.0);

    const std::unique_ptr<CoinWarmStart> basis(lp_.getWarmStart());
    const int column = branchColumn(z, fractional);
    bool complete = true;
    for (double side : {1.0, 0.0}) {
      lp_.setColBounds(column, side, side);
      lp_.setWarmStart(basis.get());
      complete = node();
      lp_.setColBounds(column, 0.0, 1.0);
      if (!complete) break;
    }
    lp_.setWarmStart(basis.get());
    for (int c : toZero) lp_.setColUpper(c, 1.0);
    for (int c : toOne) lp_.setColLower(c, 0.0);
    return complete;
  }

  // Of the most fractional columns, the one whose two children lie highest
  // above this node (the product of the two rises).
  int branchColumn(double z, std::vector<std::pair<double, int>>& fractional) {
    std::sort(fractional.begin(), fractional.end());
    if (fractional.size() > static_cast<size_t>(kCandidates)) fractional.resize(kCandidates);
    int best = fractional.front().second;
    double bestScore = -1.0;
    lp_.markHotStart();
    for (const auto& [closeness, c] : fractional) {
      double rise[2];
      for (int side = 0; side < 2; ++side) {
        lp_.setColBounds(c, side, side);
        lp_.solveFromHotStart();
        const Node state = outcome();
        if (state == Node::Closed) {
          rise[side] = target_ + 1.0 - z;
        } else {
          const double value = lp_.getObjValue();
          rise[side] = std::max(0.0, value - z);
        }
        lp_.setColBounds(c, 0.0, 1.0);
      }
      const double score = std::max(rise[0], kEps) * std::max(rise[1], kEps);
      if (score > bestScore) {
        bestScore = score;
        best = c;
      }
    }
    lp_.unmarkHotStart();
    return best;
  }

  void takeCover(const double* x) {
    std::vector<int> cover;
    for (int c = 0; c < columns_; ++c)
      if (x[c] > 0.5) cover.push_back(c);
    const bool covers = std::all_of(rows_.begin(), rows_.end(), [&](const std::vector<int>& row) {
      return std::any_of(row.begin(), row.end(), [&](int c) { return x[c] > 0.5; });
    });
    if (!covers || static_cast<int>(cover.size()) > target_) return;
    best_ = cover;
    found_any_ = true;
    if (found_) found_(best_);
    limitTo(static_cast<int>(cover.size()) - 1);
  }

  const std::vector<std::vector<int>>& rows_;
  const int columns_;
  int target_;
  const std::function<bool()>& timeUp_;
  const std::function<void(const std::vector<int>&)>& found_;
  OsiClpSolverInterface lp_;
  std::vector<int> best_;
  bool found_any_ = false;
  int64_t nodes_ = 0;
};

}  // namespace

AtMostResult coverOfAtMost(const std::vector<std::vector<int>>& rows, int columnCount, int target,
                           const std::function<bool()>& timeUp,
                           const std::function<void(const std::vector<int>&)>& found) {
  if (rows.empty()) {
    AtMostResult out;
    out.finished = true;
    out.found = target >= 0;
    return out;
  }
  return Search(rows, columnCount, target, timeUp, found).run();
}

}  // namespace ronri
