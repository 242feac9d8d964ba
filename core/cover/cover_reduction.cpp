// The reductions of a cover table on bit sets of rows and columns.
#include "core/cover/cover_reduction.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace ronri {

namespace {

struct Bits {
  std::vector<uint64_t> w;
  explicit Bits(size_t n = 0) : w((n + 63) / 64, 0) {}
  void set(size_t i) { w[i / 64] |= uint64_t{1} << (i % 64); }
  void reset(size_t i) { w[i / 64] &= ~(uint64_t{1} << (i % 64)); }
  bool test(size_t i) const { return (w[i / 64] >> (i % 64)) & 1u; }
};

// a & mask is a subset of b
bool subsetWithin(const Bits& a, const Bits& b, const Bits& mask) {
  for (size_t i = 0; i < a.w.size(); ++i)
    if (a.w[i] & mask.w[i] & ~b.w[i]) return false;
  return true;
}

int countWithin(const Bits& a, const Bits& mask) {
  int n = 0;
  for (size_t i = 0; i < a.w.size(); ++i) n += std::popcount(a.w[i] & mask.w[i]);
  return n;
}

template <typename F>
void forEachWithin(const Bits& a, const Bits& mask, F f) {
  for (size_t i = 0; i < a.w.size(); ++i) {
    uint64_t x = a.w[i] & mask.w[i];
    while (x) {
      f(i * 64 + static_cast<size_t>(std::countr_zero(x)));
      x &= x - 1;
    }
  }
}

class Reducer {
 public:
  Reducer(const std::vector<std::vector<int>>& table, int columnCount,
          const std::vector<int64_t>& cost)
      : rows_(table.size()), cols_(static_cast<size_t>(columnCount)), cost_(cost) {
    rowBits_.assign(rows_, Bits(cols_));
    colBits_.assign(cols_, Bits(rows_));
    aliveRows_ = Bits(rows_);
    aliveCols_ = Bits(cols_);
    for (size_t r = 0; r < rows_; ++r) {
      aliveRows_.set(r);
      for (int c : table[r]) {
        rowBits_[r].set(static_cast<size_t>(c));
        colBits_[static_cast<size_t>(c)].set(r);
      }
    }
    for (size_t c = 0; c < cols_; ++c) aliveCols_.set(c);
  }

  // Every reduction made from now on is appended to `trace`.
  void recordInto(std::vector<ReductionStep>* trace) { trace_ = trace; }

  void reduce() {
    bool changed = true;
    while (changed) {
      changed = essentials();
      changed |= rowDominance();
      changed |= columnDominance();
    }
  }

  const std::vector<int>& chosen() const { return chosen_; }
  const Bits& aliveRows() const { return aliveRows_; }
  const Bits& aliveCols() const { return aliveCols_; }
  size_t rows() const { return rows_; }
  size_t cols() const { return cols_; }

 private:
  void take(size_t c) {
    chosen_.push_back(static_cast<int>(c));
    aliveCols_.reset(c);
    forEachWithin(colBits_[c], aliveRows_, [&](size_t r) { aliveRows_.reset(r); });
  }

  // A row with a single column left forces that column.
  bool essentials() {
    bool changed = false;
    for (size_t r = 0; r < rows_; ++r) {
      if (!aliveRows_.test(r)) continue;
      if (countWithin(rowBits_[r], aliveCols_) != 1) continue;
      size_t only = 0;
      forEachWithin(rowBits_[r], aliveCols_, [&](size_t c) { only = c; });
      record(ReductionStep::Essential, int(r), int(only), -1);
      take(only);
      changed = true;
    }
    return changed;
  }

  // A row whose columns include all columns of another row is covered with it.
  bool rowDominance() {
    bool changed = false;
    for (size_t r1 = 0; r1 < rows_; ++r1) {
      if (!aliveRows_.test(r1)) continue;
      size_t pivot = cols_;
      int fewest = 0;
      forEachWithin(rowBits_[r1], aliveCols_, [&](size_t c) {
        const int k = countWithin(colBits_[c], aliveRows_);
        if (pivot == cols_ || k < fewest) {
          pivot = c;
          fewest = k;
        }
      });
      if (pivot == cols_) continue;
      forEachWithin(colBits_[pivot], aliveRows_, [&](size_t r2) {
        if (r2 == r1 || !aliveRows_.test(r1)) return;
        if (!subsetWithin(rowBits_[r1], rowBits_[r2], aliveCols_)) return;
        // Of two equal rows the later goes.
        if (r2 < r1 && subsetWithin(rowBits_[r2], rowBits_[r1], aliveCols_)) {
          record(ReductionStep::RowDominated, int(r1), -1, int(r2));
          aliveRows_.reset(r1);
        } else {
          record(ReductionStep::RowDominated, int(r2), -1, int(r1));
          aliveRows_.reset(r2);
        }
        changed = true;
      });
    }
    return changed;
  }

  // A column whose rows are all rows of another column can be left out.
  bool columnDominance() {
    bool changed = false;
    for (size_t c1 = 0; c1 < cols_; ++c1) {
      if (!aliveCols_.test(c1)) continue;
      size_t pivot = rows_;
      int fewest = 0;
      forEachWithin(colBits_[c1], aliveRows_, [&](size_t r) {
        const int k = countWithin(rowBits_[r], aliveCols_);
        if (pivot == rows_ || k < fewest) {
          pivot = r;
          fewest = k;
        }
      });
      if (pivot == rows_) {  // covers nothing that is left
        record(ReductionStep::ColumnUnused, -1, int(c1), -1);
        aliveCols_.reset(c1);
        changed = true;
        continue;
      }
      bool dominated = false;
      size_t dominator = c1;
      forEachWithin(rowBits_[pivot], aliveCols_, [&](size_t c2) {
        if (dominated || c2 == c1) return;
        if (!subsetWithin(colBits_[c1], colBits_[c2], aliveRows_)) return;
        if (subsetWithin(colBits_[c2], colBits_[c1], aliveRows_)) {
          // Of two equal columns the cheaper stays, of equal costs the earlier.
          if (cost_[c2] < cost_[c1] || (cost_[c2] == cost_[c1] && c2 < c1)) {
            dominated = true;
            dominator = c2;
          } else {
            record(ReductionStep::ColumnDominated, -1, int(c2), int(c1));
            aliveCols_.reset(c2);
          }
        } else if (cost_[c2] <= cost_[c1]) {
          dominated = true;  // a dearer column may still be worth its rows
          dominator = c2;
        } else {
          return;
        }
        changed = true;
      });
      if (dominated) {
        record(ReductionStep::ColumnDominated, -1, int(c1), int(dominator));
        aliveCols_.reset(c1);
      }
    }
    return changed;
  }

  void record(ReductionStep::Kind kind, int row, int column, int by) {
    if (trace_) trace_->push_back({kind, row, column, by});
  }

  std::vector<ReductionStep>* trace_ = nullptr;
  size_t rows_;
  size_t cols_;
  const std::vector<int64_t>& cost_;
  std::vector<Bits> rowBits_;
  std::vector<Bits> colBits_;
  Bits aliveRows_;
  Bits aliveCols_;
  std::vector<int> chosen_;
};

}  // namespace

TableReduction reduceCoverTable(const std::vector<std::vector<int>>& table, int columnCount,
                                const std::vector<int64_t>& cost) {
  TableReduction out;
  const std::vector<int64_t> unit(cost.empty() ? static_cast<size_t>(std::max(columnCount, 0)) : 0,
                                  1);
  Reducer red(table, columnCount, cost.empty() ? unit : cost);
  red.recordInto(&out.steps);
  red.reduce();
  out.taken = red.chosen();
  for (size_t r = 0; r < red.rows(); ++r)
    if (red.aliveRows().test(r)) out.rowsLeft.push_back(static_cast<int>(r));
  for (size_t c = 0; c < red.cols(); ++c)
    if (red.aliveCols().test(c)) out.columnsLeft.push_back(static_cast<int>(c));
  return out;
}

}  // namespace ronri
