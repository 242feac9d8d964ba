#pragma once
// A synchronous state machine as a state table: states with names, a next
// state and outputs per state and input combination, each possibly left
// unspecified (a don't-care for the circuit).
#include <string>
#include <vector>

namespace ronri::seq {

inline constexpr int kMaxStates = 16;
inline constexpr int kMaxInputs = 3;
inline constexpr int kMaxOutputs = 4;
// A next state nobody specified.
inline constexpr int kUnspecified = -1;

enum class MachineKind {
  Moore,  // outputs belong to the present state
  Mealy,  // outputs belong to the present state and the input
};

// One cell of the table. Output texts hold one character per output bit,
// '0', '1' or '-' (unspecified), Z1 (or Z) first.
struct Transition {
  int next = kUnspecified;
  std::string outputs;  // Mealy only; empty in a Moore machine
  bool operator==(const Transition&) const = default;
};

// An input combination x is a number whose most significant of `inputs` bits
// is X1 (or X): combination 2 of two inputs is X1=1, X2=0.
struct Machine {
  MachineKind kind = MachineKind::Mealy;
  int inputs = 0;
  int outputs = 0;
  std::vector<std::string> names;              // one per state, distinct (see BadName)
  std::vector<std::vector<Transition>> table;  // [state][input combination]
  std::vector<std::string> stateOutputs;       // Moore only: [state]
  int reset = 0;                               // index of the reset state

  int states() const { return static_cast<int>(names.size()); }
  int combinations() const { return 1 << inputs; }
  bool operator==(const Machine&) const = default;
};

// A machine of the given shape (each count clamped to its limits), states
// named S0, S1, …, every entry unspecified.
Machine emptyMachine(MachineKind kind, int states, int inputs, int outputs);

// The outputs of state s under input x (for Moore the state's, whatever x).
const std::string& outputsAt(const Machine& m, int s, int x);

// What makes a machine unusable, the first found; None when it is sound.
enum class MachineProblem {
  None,
  StateCount,    // not 1..16 states
  InputCount,    // not 0..3
  OutputCount,   // not 0..4
  TableShape,    // rows or columns missing, or an output text of the wrong length
  BadName,       // empty, "-", "*", starting with ".", with a blank or "#", or used twice
  BadNextState,  // neither a state nor kUnspecified
  BadOutputBit,  // not '0', '1' or '-'
  BadReset,      // not a state
};
MachineProblem machineProblem(const Machine& m);

// Every next state and every output bit specified.
bool completelySpecified(const Machine& m);

// The text of input combination x ("01" for x = 1 of two inputs; "" for none).
std::string inputBits(int x, int inputs);

}  // namespace ronri::seq
