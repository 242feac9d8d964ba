#pragma once
// A clocked circuit as it is drawn: a column of flip-flops (boxes with their
// inputs, the clock triangle and the outputs Q and ~Q), the two-level gates of
// every flip-flop input and output function in front of them, each Q fed back
// over the top into its drop line, and one clock line to every flip-flop.
// It takes plain data (names and sums of products), so whatever derives the
// functions, a state machine for one, can feed it without this library
// knowing it.
#include <string>
#include <vector>

#include "circuit/two_level.h"
#include "core/draw/surface.h"
#include "core/table/term.h"

namespace ronri {

struct ClockedFunction {
  std::string name;                    // "J1", "Z"
  std::vector<std::string> variables;  // variable 0 is the terms' most significant bit
  std::vector<Term> terms;             // none: the constant 0; a term of no letter: 1
};

struct ClockedPlan {
  std::vector<std::string> pins;        // one flip-flop's inputs: {"D"}, {"J", "K"}, …
  std::vector<std::string> stateNames;  // the flip-flops top to bottom: "Q1", "Q0"
  std::vector<std::string> inputNames;  // "X" or "X1", "X2", …
  // Each flip-flop's inputs in pin order, flip-flop by flip-flop, then the
  // outputs. Their variables are among stateNames and inputNames.
  std::vector<ClockedFunction> functions;
};

struct ClockedCircuit {
  struct FlipFlop {
    std::string name;                   // "Q1"
    double x = 0, y = 0, w = 0, h = 0;  // the box
    std::vector<double> pinY;           // its inputs, in pin order
    double clockY = 0, qY = 0, notQY = 0;
  };
  struct Terminal {
    std::string name;
    double x = 0, y = 0;  // where its wire ends (an output) or starts (a constant)
    char constant = 0;    // '0' or '1' for a constant
  };

  // The gates over the variables stateNames then inputNames (letters a, b, …),
  // in their own coordinates; the drawing moves them by (panX, panY).
  TwoLevelCircuit logic;
  double panX = 0, panY = 0;
  std::vector<std::string> pins;
  std::vector<std::string> inputNames;
  std::vector<FlipFlop> flipFlops;
  std::vector<TwoLevelCircuit::Wire> wires;  // feedback, clock, pins and input buses
  std::vector<TwoLevelCircuit::Junction> junctions;
  std::vector<Terminal> constants;  // flip-flop inputs tied to 0 or 1
  std::vector<Terminal> outputs;    // the output functions
  double clockX = 0, clockY = 0;    // where the clock line starts (its name below)
  double width = 0, height = 0;
  // Why it cannot be drawn ("" when it can): a variable no function may have,
  // or more variables than the gates' columns hold.
  std::string problem;
};

ClockedCircuit layoutClocked(const ClockedPlan& plan);

// With `bits` (one '0'/'1' per state bit, then per input) the test mode:
// every gate's value, each flip-flop's Q and input values, the inputs' and
// the outputs' values.
void drawClocked(Surface& s, const ClockedCircuit& c, const std::string& bits = {});

// The value of every function (flip-flop inputs, then outputs) for `bits`.
std::string clockedValues(const ClockedCircuit& c, const std::string& bits);

}  // namespace ronri
