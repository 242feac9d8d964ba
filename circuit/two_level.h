#pragma once
// The two-level circuit of a multi-output minimum: the variable buses on the
// left, a column of AND gates (each product term drawn once, however many
// outputs it feeds), a column of OR gates, the outputs named on the right.
// Gates of more inputs than a picture has pins become small trees. The
// layout is plain data (gates, wires, junction marks) that the drawing, the
// test mode and file exports read.
#include <string>
#include <vector>

#include "circuit/netlist.h"
#include "core/draw/surface.h"
#include "core/multi/multi_output_cover.h"

namespace ronri {

struct TwoLevelCircuit {
  // Signals as in a Netlist: a variable's letter 'a'..'f', its negated bus
  // 'n'..'s', or kGateNet + the number of the gate that drives it.
  static constexpr int kGateNet = 1000;
  struct Pin {
    int net = 0;
    double y = 0;  // height of the pin the wire arrives at
  };
  struct Gate {
    char op = '*';        // '*' AND, '+' OR
    double x = 0, y = 0;  // top-left corner of the picture
    std::vector<Pin> inputs;
  };
  struct Wire {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int net = 0;
  };
  struct Junction {
    double x = 0, y = 0;
    int net = 0;
  };
  struct Output {
    std::string name;
    int net = -1;         // -1 for a constant
    char constant = 0;    // '0' or '1' for a constant output
    double x = 0, y = 0;  // where its wire ends (its name stands right of it)
  };

  int inputs = 0;
  std::vector<Gate> gates;
  std::vector<Wire> wires;  // the drop lines from the buses included
  std::vector<Junction> junctions;
  std::vector<Output> outputs;
  double width = 0, height = 0;  // twips, the buses and names included
  // Every wire was found clear of gates, texts and other signals' wires and
  // marks by the router.
  bool clean = false;
};

TwoLevelCircuit layoutTwoLevel(int inputs, const std::vector<std::string>& names,
                               const MultiMinimum& m);

// The drawing as a netlist of several outputs (gate ids are the gates'
// places in `gates`), for the file exports.
Netlist twoLevelNetlist(const TwoLevelCircuit& c);

// Gate values for input bits ("0110", a first): one '0'/'1' per gate.
std::string twoLevelValues(const TwoLevelCircuit& c, const std::string& bits);
// The value of every output for the bits ('0'/'1').
std::string twoLevelOutputs(const TwoLevelCircuit& c, const std::string& bits);

struct TwoLevelDrawing {
  bool buses = true;     // the buses and their names (a window may draw its own)
  std::string testBits;  // with bits: every gate's value and the outputs'
  bool names = true;     // the outputs' names (a caller that wires the outputs on leaves them out)
};
void drawTwoLevel(Surface& s, const TwoLevelCircuit& c, const TwoLevelDrawing& how = {});

}  // namespace ronri
