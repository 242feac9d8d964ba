// The implication table, pass by pass, and the reduced machine.
#include "sequential/reduction.h"

#include <algorithm>

namespace ronri::seq {
namespace {

StatePair ordered(int a, int b) {
  return a < b ? StatePair{a, b} : StatePair{b, a};
}

bool outputsDiffer(const Machine& m, int a, int b) {
  for (int x = 0; x < m.combinations(); ++x)
    if (outputsAt(m, a, x) != outputsAt(m, b, x)) return true;
  return false;
}

}  // namespace

Reduction reduceStates(const Machine& m) {
  Reduction r;
  r.reduced = m;
  if (machineProblem(m) != MachineProblem::None) {
    r.status = ReductionStatus::Unsound;
    return r;
  }
  if (!completelySpecified(m)) {
    r.status = ReductionStatus::NotSpecified;
    return r;
  }
  const int n = m.states();
  std::vector<int> cellOf(static_cast<size_t>(n * n), -1);
  std::vector<StatePair> byOutputs;
  for (int j = 1; j < n; ++j)
    for (int i = 0; i < j; ++i) {
      ImplicationCell cell{{i, j}, {}, -1};
      if (outputsDiffer(m, i, j)) {
        cell.crossedInPass = 0;
        byOutputs.push_back(cell.pair);
      } else {
        for (int x = 0; x < m.combinations(); ++x) {
          const StatePair p = ordered(m.table[i][x].next, m.table[j][x].next);
          if (p.first == p.second || p == cell.pair) continue;
          if (std::find(cell.implied.begin(), cell.implied.end(), p) == cell.implied.end())
            cell.implied.push_back(p);
        }
      }
      cellOf[i * n + j] = static_cast<int>(r.cells.size());
      r.cells.push_back(std::move(cell));
    }
  r.passes.push_back(byOutputs);
  // Each pass looks at the grid as it was when the pass began.
  for (int pass = 1;; ++pass) {
    std::vector<StatePair> crossed;
    for (const ImplicationCell& cell : r.cells) {
      if (cell.crossedInPass >= 0) continue;
      for (const StatePair& p : cell.implied) {
        const int c = r.cells[cellOf[p.first * n + p.second]].crossedInPass;
        if (c >= 0 && c < pass) {
          crossed.push_back(cell.pair);
          break;
        }
      }
    }
    if (crossed.empty()) break;
    for (const StatePair& p : crossed) r.cells[cellOf[p.first * n + p.second]].crossedInPass = pass;
    r.passes.push_back(std::move(crossed));
  }

  r.classOf.assign(n, -1);
  for (int s = 0; s < n; ++s) {
    if (r.classOf[s] >= 0) continue;
    r.classOf[s] = static_cast<int>(r.classes.size());
    r.classes.push_back({s});
    for (int t = s + 1; t < n; ++t)
      if (r.cells[cellOf[s * n + t]].crossedInPass < 0) {
        r.classOf[t] = r.classOf[s];
        r.classes.back().push_back(t);
      }
  }

  Machine& red = r.reduced;
  red.names.clear();
  red.table.clear();
  red.stateOutputs.clear();
  for (const auto& members : r.classes) {
    const int s = members.front();
    red.names.push_back(m.names[s]);
    red.table.push_back(m.table[s]);
    for (Transition& t : red.table.back()) t.next = r.classOf[t.next];
    if (m.kind == MachineKind::Moore) red.stateOutputs.push_back(m.stateOutputs[s]);
  }
  red.reset = r.classOf[m.reset];
  return r;
}

}  // namespace ronri::seq
