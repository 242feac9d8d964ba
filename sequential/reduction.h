#pragma once
// State reduction by the implication table: every pair of states is crossed
// when their outputs differ, then, pass by pass, when a pair it implies is
// crossed; the pairs never crossed are equivalent.
#include <utility>
#include <vector>

#include "sequential/machine.h"

namespace ronri::seq {

using StatePair = std::pair<int, int>;  // (lower index, higher index)

// One cell of the staircase grid: row `pair.second`, column `pair.first`.
struct ImplicationCell {
  StatePair pair;
  // The other pairs of next states this pair needs equivalent, each once, in
  // order of input combination; pairs of a state with itself and the pair
  // itself are left out. Empty for a pair crossed by its outputs.
  std::vector<StatePair> implied;
  // 0 when crossed by the outputs, p when crossed in pass p, -1 never.
  int crossedInPass = -1;
};

enum class ReductionStatus {
  Reduced,       // the classes and the reduced machine are filled in
  NotSpecified,  // some next state or output is unspecified: kept as it is
  Unsound,       // machineProblem finds a fault: kept as it is
};

struct Reduction {
  ReductionStatus status = ReductionStatus::Reduced;
  // Every pair i < j, ordered by j then i (the staircase row by row).
  std::vector<ImplicationCell> cells;
  // passes[0]: the pairs crossed by outputs (maybe none); passes[p]: the
  // pairs crossed in pass p because a pair they imply was crossed before the
  // pass began. The last pass crosses something (the one after it would
  // not); the grid after pass p is every cell with 0 <= crossedInPass <= p.
  std::vector<std::vector<StatePair>> passes;
  // The equivalence classes, each in state order, ordered by first member.
  std::vector<std::vector<int>> classes;
  std::vector<int> classOf;  // [state]
  // One state per class, in class order, named after the class's first
  // member; the reset state's class is the reset. The machine itself unless
  // status is Reduced.
  Machine reduced;
};

Reduction reduceStates(const Machine& m);

}  // namespace ronri::seq
