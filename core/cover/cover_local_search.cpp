// The walk keeps, for every column, the weight it would gain (outside the
// cover: the uncovered rows it covers) or lose (inside: the rows only it
// covers, as a negative number). Each step takes out the column that loses
// least, puts in the best column for a random uncovered row, and makes the
// rows still uncovered heavier. A column taken out may come back only after
// a column beside it (sharing a row) has changed, which keeps the walk from
// undoing its last step.
#include "core/cover/cover_local_search.h"

#include <algorithm>

namespace ronri {

namespace {

class Walk {
 public:
  Walk(const std::vector<std::vector<int>>& colRows, size_t rowCount)
      : colRows_(colRows),
        rowCols_(rowCount),
        count_(rowCount, 0),
        weight_(rowCount, 1),
        uncoveredAt_(rowCount, -1),
        score_(colRows.size(), 0),
        inside_(colRows.size(), 0),
        insideAt_(colRows.size(), -1),
        free_(colRows.size(), 1),
        changed_(colRows.size(), 0),
        neighbours_(colRows.size()) {
    for (size_t c = 0; c < colRows.size(); ++c)
      for (int r : colRows[c]) rowCols_[size_t(r)].push_back(int(c));
    std::vector<int> mark(colRows.size(), -1);
    for (size_t c = 0; c < colRows.size(); ++c) {
      for (int r : colRows[c]) {
        for (int d : rowCols_[size_t(r)]) {
          if (size_t(d) == c || mark[size_t(d)] == int(c)) continue;
          mark[size_t(d)] = int(c);
          neighbours_[c].push_back(d);
        }
      }
    }
    for (size_t r = 0; r < rowCount; ++r) markUncovered(int(r));
    for (size_t c = 0; c < colRows.size(); ++c)
      for (int r : colRows[c]) score_[c] += weight_[size_t(r)];
  }

  std::vector<int> run(const std::vector<int>& start, const LocalSearchLimits& limits) {
    for (int c : start)
      if (!inside_[size_t(c)]) add(c);
    std::vector<int> best = cover();
    uint64_t random = limits.seed * 0x9E3779B97F4A7C15ull + 1;
    int tabu = -1;
    int64_t sinceBetter = 0;
    for (int64_t step = 1;; ++step) {
      while (uncovered_.empty()) {
        if (cover_.size() < best.size()) {
          best = cover();
          sinceBetter = 0;
          if (limits.improved) limits.improved(best);
          if (best.size() <= limits.target) return best;
        }
        if (cover_.empty()) return best;
        remove(pickOut(-1));
      }
      if (++sinceBetter > limits.patience && limits.patience > 0) break;
      if (step % 512 == 0 && limits.timeUp && limits.timeUp()) break;

      const int out = pickOut(tabu);
      if (out >= 0) {
        remove(out);
        free_[size_t(out)] = 0;
        changed_[size_t(out)] = step;
      }
      random ^= random << 13;
      random ^= random >> 7;
      random ^= random << 17;
      const int row = uncovered_[random % uncovered_.size()];
      const int in = pickIn(row);
      add(in);
      changed_[size_t(in)] = step;
      tabu = in;
      for (int r : uncovered_) {
        ++weight_[size_t(r)];
        for (int c : rowCols_[size_t(r)]) ++score_[size_t(c)];
      }
    }
    return best;
  }

 private:
  std::vector<int> cover() const {
    std::vector<int> out = cover_;
    std::sort(out.begin(), out.end());
    return out;
  }

  // The column inside whose loss is least, of equals the one unchanged longest.
  int pickOut(int tabu) const {
    int pick = -1;
    for (int c : cover_) {
      if (c == tabu) continue;
      if (pick < 0 || better(c, pick)) pick = c;
    }
    return pick;
  }

  // The best column covering `row` that may come back.
  int pickIn(int row) const {
    int pick = -1;
    for (int c : rowCols_[size_t(row)])
      if (free_[size_t(c)] && (pick < 0 || better(c, pick))) pick = c;
    if (pick >= 0) return pick;
    for (int c : rowCols_[size_t(row)])
      if (pick < 0 || better(c, pick)) pick = c;
    return pick;
  }

  bool better(int a, int b) const {
    if (score_[size_t(a)] != score_[size_t(b)]) return score_[size_t(a)] > score_[size_t(b)];
    return changed_[size_t(a)] < changed_[size_t(b)];
  }

  void add(int c) {
    inside_[size_t(c)] = 1;
    insideAt_[size_t(c)] = int(cover_.size());
    cover_.push_back(c);
    score_[size_t(c)] = -score_[size_t(c)];
    for (int r : colRows_[size_t(c)]) {
      const int64_t w = weight_[size_t(r)];
      if (count_[size_t(r)] == 0) {
        markCovered(r);
        for (int d : rowCols_[size_t(r)])
          if (d != c) score_[size_t(d)] -= w;
      } else if (count_[size_t(r)] == 1) {
        score_[size_t(onlyOther(r, c))] += w;
      }
      ++count_[size_t(r)];
    }
    for (int d : neighbours_[size_t(c)]) free_[size_t(d)] = 1;
  }

  void remove(int c) {
    inside_[size_t(c)] = 0;
    const int at = insideAt_[size_t(c)];
    insideAt_[size_t(cover_.back())] = at;
    cover_[size_t(at)] = cover_.back();
    cover_.pop_back();
    score_[size_t(c)] = -score_[size_t(c)];
    for (int r : colRows_[size_t(c)]) {
      const int64_t w = weight_[size_t(r)];
      --count_[size_t(r)];
      if (count_[size_t(r)] == 0) {
        markUncovered(r);
        for (int d : rowCols_[size_t(r)])
          if (d != c) score_[size_t(d)] += w;
      } else if (count_[size_t(r)] == 1) {
        score_[size_t(onlyOther(r, c))] -= w;
      }
    }
    for (int d : neighbours_[size_t(c)]) free_[size_t(d)] = 1;
  }

  // The column inside, other than `c`, that covers `row`.
  int onlyOther(int row, int c) const {
    for (int d : rowCols_[size_t(row)])
      if (d != c && inside_[size_t(d)]) return d;
    return c;
  }

  void markUncovered(int r) {
    uncoveredAt_[size_t(r)] = int(uncovered_.size());
    uncovered_.push_back(r);
  }
  void markCovered(int r) {
    const int at = uncoveredAt_[size_t(r)];
    uncoveredAt_[size_t(uncovered_.back())] = at;
    uncovered_[size_t(at)] = uncovered_.back();
    uncovered_.pop_back();
    uncoveredAt_[size_t(r)] = -1;
  }

  const std::vector<std::vector<int>>& colRows_;
  std::vector<std::vector<int>> rowCols_;
  std::vector<int> count_;  // columns inside covering each row
  std::vector<int64_t> weight_;
  std::vector<int> uncovered_;
  std::vector<int> uncoveredAt_;
  std::vector<int64_t> score_;
  std::vector<char> inside_;
  std::vector<int> insideAt_;
  std::vector<int> cover_;
  std::vector<char> free_;  // may come back in
  std::vector<int64_t> changed_;
  std::vector<std::vector<int>> neighbours_;
};

}  // namespace

std::vector<int> localSearchCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                                  const std::vector<int>& start, const LocalSearchLimits& limits) {
  std::vector<int> sorted = start;
  std::sort(sorted.begin(), sorted.end());
  if (rowCount == 0 || sorted.size() <= limits.target) return sorted;
  Walk walk(colRows, rowCount);
  return walk.run(sorted, limits);
}

}  // namespace ronri
