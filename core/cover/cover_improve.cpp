// Drop and swap moves on a set cover: a column from outside joins when the
// columns it makes redundant cost more than it does.
#include "core/cover/cover_improve.h"

#include <algorithm>

namespace ronri {

namespace {

// A cover under change: how many of its columns cover each row, and for a
// row covered once, which column that is.
class CoverState {
 public:
  CoverState(const std::vector<std::vector<int>>& colRows, size_t rowCount,
             const std::vector<int64_t>& cost)
      : colRows_(colRows),
        cost_(cost),
        count_(rowCount, 0),
        owner_(rowCount, 0),
        in_(colRows.size(), 0),
        unique_(colRows.size(), 0),
        tally_(colRows.size(), 0) {}

  bool has(size_t c) const { return in_[c] != 0; }
  void add(int c) {
    in_[size_t(c)] = 1;
    for (int r : colRows_[size_t(c)]) {
      ++count_[size_t(r)];
      owner_[size_t(r)] += c;
    }
  }
  void remove(int c) {
    in_[size_t(c)] = 0;
    for (int r : colRows_[size_t(c)]) {
      --count_[size_t(r)];
      owner_[size_t(r)] -= c;
    }
  }
  bool redundant(int c) const {
    return std::all_of(colRows_[size_t(c)].begin(), colRows_[size_t(c)].end(),
                       [&](int r) { return count_[size_t(r)] >= 2; });
  }
  std::vector<int> columns() const {
    std::vector<int> out;
    for (size_t k = 0; k < in_.size(); ++k)
      if (in_[k]) out.push_back(int(k));
    return out;
  }
  // Per column, the rows it alone covers.
  void countUnique() {
    std::fill(unique_.begin(), unique_.end(), 0);
    for (size_t r = 0; r < count_.size(); ++r)
      if (count_[r] == 1) ++unique_[size_t(owner_[r])];
  }
  // Column c (outside) joins when the columns it makes redundant cost more;
  // true when it did.
  bool swapIn(size_t c) {
    int64_t candCost = 0;
    const std::vector<int> cand = replaceableBy(c, candCost);
    if (candCost <= cost_[c]) return false;
    add(int(c));
    int64_t saved = 0;
    const std::vector<int> drop = bestDrop(cand, candCost, saved);
    if (saved <= cost_[c]) {
      remove(int(c));
      return false;
    }
    for (int a : drop) remove(a);
    countUnique();
    return true;
  }

 private:
  // The columns whose every lone row c covers as well, and their total cost.
  std::vector<int> replaceableBy(size_t c, int64_t& total) {
    std::vector<int> cand;
    for (int r : colRows_[c]) {
      if (count_[size_t(r)] != 1) continue;
      const int a = int(owner_[size_t(r)]);
      if (++tally_[size_t(a)] == unique_[size_t(a)]) {
        cand.push_back(a);
        total += cost_[size_t(a)];
      }
    }
    for (int r : colRows_[c])
      if (count_[size_t(r)] == 1) tally_[size_t(owner_[size_t(r)])] = 0;
    return cand;
  }
  // Not all of them may go together: greedy drops from each start, the one
  // that saves most.
  std::vector<int> bestDrop(const std::vector<int>& cand, int64_t candCost, int64_t& bestSaved) {
    std::vector<int> best;
    for (size_t s = 0; s < cand.size(); ++s) {
      std::vector<int> dropped;
      int64_t saved = 0;
      for (size_t k = 0; k < cand.size(); ++k) {
        const int a = cand[(s + k) % cand.size()];
        if (!redundant(a)) continue;
        remove(a);
        dropped.push_back(a);
        saved += cost_[size_t(a)];
      }
      for (int a : dropped) add(a);
      if (saved > bestSaved) {
        bestSaved = saved;
        best = std::move(dropped);
      }
      if (bestSaved == candCost) break;
    }
    return best;
  }

  const std::vector<std::vector<int>>& colRows_;
  const std::vector<int64_t>& cost_;
  std::vector<int> count_;
  // The sum of the columns covering a row: the one column when it is alone.
  std::vector<int64_t> owner_;
  std::vector<char> in_;
  std::vector<int> unique_;
  std::vector<int> tally_;
};

}  // namespace

std::vector<int> improveCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                              std::vector<int> cols, const std::vector<int64_t>& cost,
                              const std::function<bool()>& timeUp) {
  CoverState state(colRows, rowCount, cost);
  for (int c : cols) state.add(c);
  for (auto it = cols.rbegin(); it != cols.rend(); ++it)
    if (state.redundant(*it)) state.remove(*it);
  state.countUnique();
  bool improved = true;
  while (improved) {
    improved = false;
    for (size_t c = 0; c < colRows.size(); ++c) {
      if (state.has(c)) continue;
      if (timeUp && c % 32 == 0 && timeUp()) return state.columns();
      if (state.swapIn(c)) improved = true;
    }
  }
  return state.columns();
}

}  // namespace ronri
