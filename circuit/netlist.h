#pragma once
// A drawn circuit as data: its gates (kind, place, inputs) and its wires as
// drawn, each on the signal it carries. The layout engine fills one while it
// draws; the file exports read it. Coordinates are the drawing's twips.
#include <string>
#include <vector>

namespace ronri {

class CircuitEngine;

struct Netlist {
  // A signal: a variable's letter ('a'..'j'), its negated bus ('n'..'w' for
  // ~a..~j), or kGateNet + the number of the gate that drives it.
  static constexpr int kGateNet = 1000;
  struct Input {
    int net = 0;
    double y = 0;  // the height of the pin the wire arrives at
  };
  struct Gate {
    int id = 0;
    char op = 0;          // the picture operator: * + $ | @ % (or ~ for a NOT)
    double x = 0, y = 0;  // top-left corner of the picture
    std::vector<Input> inputs;
  };
  struct Wire {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int net = 0;
  };

  int variables = 0;
  std::vector<Gate> gates;
  std::vector<Wire> wires;
  int output = -1;            // the signal on the output wire (-1: nothing drawn)
  double outX = 0, outY = 0;  // where the output wire ends
  // Several named outputs (the two-level drawing); when there are any, they
  // stand for the one output above.
  struct Output {
    std::string name;     // as the user typed it
    int net = -1;         // -1 for a constant
    char constant = 0;    // '0' or '1' for a constant output
    double x = 0, y = 0;  // where its wire ends
  };
  std::vector<Output> outputs;

  // Recording, in the order the engine draws.
  void addWire(double x1, double y1, double x2, double y2, int net);
  void pin(int net, double y);  // an input of the gate placed next
  void addGate(int id, char op, double x, double y);
  void addInput(int gate, int net, double y);  // a grown gate's added input
  void setOp(int gate, char op);               // a NOT turned the gate into its complement
  const Gate* gate(int id) const;
  // Whether the letter's bus (plain or negated) carries a signal the drawing uses.
  bool uses(char letter) const;
  bool drawn() const { return output >= 0 || !outputs.empty(); }

 private:
  std::vector<Input> pending_;
};

// The whole drawing the engine's settings give, unpanned, as a netlist (the
// engine itself is left as it is).
Netlist drawnNetlist(const CircuitEngine& settings);

}  // namespace ronri
