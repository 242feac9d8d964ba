// Drop and swap moves on a set cover: a column from outside joins when the
// columns it makes redundant cost more than it does.
#include "core/cover/cover_improve.h"

#include <algorithm>

namespace ronri {

std::vector<int> improveCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                              std::vector<int> cols, const std::vector<int64_t>& cost,
                              const std::function<bool()>& timeUp) {
  const size_t nc = colRows.size();
  std::vector<int> count(rowCount, 0);
  // The sum of the columns covering a row: the one column when it is alone.
  std::vector<int64_t> owner(rowCount, 0);
  std::vector<char> in(nc, 0);
  auto add = [&](int c) {
    in[size_t(c)] = 1;
    for (int r : colRows[size_t(c)]) {
      ++count[size_t(r)];
      owner[size_t(r)] += c;
    }
  };
  auto remove = [&](int c) {
    in[size_t(c)] = 0;
    for (int r : colRows[size_t(c)]) {
      --count[size_t(r)];
      owner[size_t(r)] -= c;
    }
  };
  auto redundant = [&](int c) {
    return std::all_of(colRows[size_t(c)].begin(), colRows[size_t(c)].end(),
                       [&](int r) { return count[size_t(r)] >= 2; });
  };
  auto collect = [&] {
    std::vector<int> out;
    for (size_t k = 0; k < nc; ++k)
      if (in[k]) out.push_back(int(k));
    return out;
  };
  for (int c : cols) add(c);
  for (auto it = cols.rbegin(); it != cols.rend(); ++it)
    if (redundant(*it)) remove(*it);

  std::vector<int> unique(nc, 0);  // rows only this column covers
  std::vector<int> tally(nc, 0);
  auto countUnique = [&] {
    std::fill(unique.begin(), unique.end(), 0);
    for (size_t r = 0; r < rowCount; ++r)
      if (count[r] == 1) ++unique[size_t(owner[r])];
  };
  countUnique();
  bool improved = true;
  while (improved) {
    improved = false;
    for (size_t c = 0; c < nc; ++c) {
      if (in[c]) continue;
      if (timeUp && c % 32 == 0 && timeUp()) return collect();
      // The columns whose every lone row c covers as well.
      std::vector<int> cand;
      int64_t candCost = 0;
      for (int r : colRows[c]) {
        if (count[size_t(r)] != 1) continue;
        const int a = int(owner[size_t(r)]);
        if (++tally[size_t(a)] == unique[size_t(a)]) {
          cand.push_back(a);
          candCost += cost[size_t(a)];
        }
      }
      for (int r : colRows[c])
        if (count[size_t(r)] == 1) tally[size_t(owner[size_t(r)])] = 0;
      if (candCost <= cost[c]) continue;
      add(int(c));
      // Not all of them may go together: greedy drops from each start.
      std::vector<int> bestDrop;
      int64_t bestSaved = 0;
      for (size_t s = 0; s < cand.size(); ++s) {
        std::vector<int> dropped;
        int64_t saved = 0;
        for (size_t k = 0; k < cand.size(); ++k) {
          const int a = cand[(s + k) % cand.size()];
          if (!redundant(a)) continue;
          remove(a);
          dropped.push_back(a);
          saved += cost[size_t(a)];
        }
        for (int a : dropped) add(a);
        if (saved > bestSaved) {
          bestSaved = saved;
          bestDrop = std::move(dropped);
        }
        if (bestSaved == candCost) break;
      }
      if (bestSaved > cost[c]) {
        for (int a : bestDrop) remove(a);
        countUnique();
        improved = true;
      } else {
        remove(int(c));
      }
    }
  }
  return collect();
}

}  // namespace ronri
