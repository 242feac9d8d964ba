#pragma once
// A clocked run of flip-flop equations given as text ("J1 = Q0*X"), read
// afresh and evaluated each clock, so it checks the equations however they
// were derived. It feeds the tests and the timing chart.
#include <cstdint>
#include <string>
#include <vector>

#include "sequential/excitation.h"

namespace ronri::seq {

// One clock cycle: the state before the edge, the input during the cycle,
// the outputs during it (Moore: of the state; Mealy: of state and input) and
// the state after the edge.
struct Cycle {
  uint32_t state = 0;
  int input = 0;
  std::string outputs;  // Z1 (or Z) first
  uint32_t next = 0;
  bool forbidden = false;  // an SR flip-flop got S = R = 1 (it then keeps its Q)
};

struct Simulation {
  std::vector<Cycle> cycles;
  std::string problem;  // why the equations cannot be run ("" when they can)
};

// The shape of the circuit the equations describe.
struct CircuitShape {
  FlipFlop type = FlipFlop::D;
  int bits = 0;
  int inputs = 0;
  int outputs = 0;
  bool moore = false;  // outputs may then not use the inputs
};

// Runs `equations` (each "NAME = sum of products" over Q…, X…, with ~ * +,
// 0 and 1) from state `start` through `inputSequence`, one cycle each.
Simulation simulate(const std::vector<std::string>& equations, const CircuitShape& shape,
                    uint32_t start, const std::vector<int>& inputSequence);

}  // namespace ronri::seq
