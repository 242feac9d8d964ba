#pragma once
// The timing of a drawn circuit: one input changes at time 0 and every gate
// answers after its delay (transport delay: each change of a gate's inputs
// reaches its output, however short), so a glitch on the output shows as a
// pulse. The circuit starts settled at the start assignment.
#include <map>
#include <string>
#include <vector>

#include "circuit/netlist.h"

namespace ronri {

// The delay of each kind of gate, in whole time units: '*', '+', '$', '|',
// '@', '%' and '~' (the NOT gates and the inverters that make each ~x bus).
struct GateDelays {
  std::map<char, int> byOp;
  int of(char op) const;  // 1 for a kind not given
};

// A signal's values over time: its value at the start and every change.
struct Waveform {
  std::string name;  // "a", "~a", the gate's place "c1_r2", or "f"
  int net = 0;       // as in Netlist
  bool start = false;
  std::vector<std::pair<int, bool>> changes;  // (time, new value), in time order
  bool at(int time) const;                    // the value at `time` (after its changes)
};

struct Timing {
  std::vector<Waveform> inputs;  // the changing input, then the others the circuit uses
  std::vector<Waveform> buses;   // the ~x buses the circuit uses
  std::vector<Waveform> gates;   // every gate, in the netlist's order
  Waveform output;               // named "f"
  int settled = 0;               // the time of the last change anywhere
  // Whether the output changed more often than its start and end values ask:
  // a glitch (a static hazard when they are equal).
  bool glitch() const;
};

// `start`: one '0'/'1' per variable a, b, ...; `flip`: the variable that
// changes at time 0 (0 for a). The netlist's single output is followed; a
// netlist that cannot be evaluated (a loop, an unknown signal) gives an
// empty output waveform named "f" with no changes.
Timing simulateFlip(const Netlist& circuit, const std::string& start, int flip,
                    const GateDelays& delays = {});

// The output's value of the netlist for the assignment `bits`, settled.
bool settledOutput(const Netlist& circuit, const std::string& bits);

// A table of every signal at each time step from 0 to `settled` + 1: a header
// "time,<names>" then one line per step, values 0/1, lines ending CR LF.
std::string timingCsv(const Timing& t, bool everyGate);

}  // namespace ronri
