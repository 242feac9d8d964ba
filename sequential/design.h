#pragma once
// A machine turned into flip-flop equations: its function tables under a
// state assignment and flip-flop type, each minimised exactly, as equations.
#include <chrono>
#include <vector>

#include "sequential/equations.h"
#include "sequential/excitation.h"

namespace ronri::seq {

// The size of a set of sums: terms first, then letters.
struct Cost {
  int terms = 0;
  int letters = 0;
  auto operator<=>(const Cost&) const = default;
};

struct Design {
  FlipFlop type = FlipFlop::D;
  StateCodes codes;
  std::vector<ExcitationRow> rows;       // the excitation table
  std::vector<FunctionTable> functions;  // what the maps show, X rows included
  std::vector<Equation> equations;       // one per function, in the same order
  Cost cost;                             // summed over every equation
  bool proven = true;                    // every minimum proven within its budget
  // False when the functions would have too many variables to minimise
  // (then only `rows` is filled in), or the machine is unsound or the codes
  // do not fit it (then nothing is).
  bool available = true;
};

// `budget` is per function.
Design designCircuit(const Machine& m, const StateCodes& codes, FlipFlop f,
                     std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

}  // namespace ronri::seq
