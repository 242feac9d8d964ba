#pragma once
// Random machines for the property tests.
#include <random>

#include "sequential/machine.h"

namespace ronri::seq::test {

struct RandomShape {
  int minStates = 2, maxStates = 8;
  int maxInputs = 2, maxOutputs = 2;
  double unspecified = 0.15;  // chance of each next state and output bit being "-"
};

inline Machine randomMachine(std::mt19937& rng, const RandomShape& shape = {}) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  std::bernoulli_distribution dash(shape.unspecified);
  const MachineKind kind = pick(0, 1) ? MachineKind::Moore : MachineKind::Mealy;
  Machine m = emptyMachine(kind, pick(shape.minStates, shape.maxStates), pick(0, shape.maxInputs),
                           pick(0, shape.maxOutputs));
  const auto bits = [&] {
    std::string out;
    for (int o = 0; o < m.outputs; ++o) out += dash(rng) ? '-' : char('0' + pick(0, 1));
    return out;
  };
  for (int s = 0; s < m.states(); ++s) {
    for (auto& t : m.table[s]) {
      t.next = dash(rng) ? kUnspecified : pick(0, m.states() - 1);
      if (kind == MachineKind::Mealy) t.outputs = bits();
    }
    if (kind == MachineKind::Moore) m.stateOutputs[s] = bits();
  }
  m.reset = pick(0, m.states() - 1);
  return m;
}

}  // namespace ronri::seq::test
