#pragma once
// Flip-flops and the tables a design is read from: the characteristic and
// excitation tables of SR, JK, D and T, the excitation table of a machine
// under a state assignment, and from it one truth table (with X rows) per
// flip-flop input and per output.
#include <cstdint>
#include <string>
#include <vector>

#include "sequential/machine.h"

namespace ronri::seq {

enum class FlipFlop { D, T, JK, SR };

// The names of a flip-flop's inputs in table order: {"D"}, {"T"}, {"J","K"}, {"S","R"}.
std::vector<std::string> flipFlopInputNames(FlipFlop f);

// One row of a characteristic table: the flip-flop's inputs (one character
// each, in flipFlopInputNames order), the present Q and the next Q: '0', '1',
// or 'X' where S = R = 1 is not allowed.
struct CharacteristicRow {
  std::string inputs;
  int q = 0;
  char next = '0';
};
// Every input combination, Q = 0 then Q = 1 for each.
std::vector<CharacteristicRow> characteristicTable(FlipFlop f);

// The inputs that take Q to qNext, one character per input, 'X' where either
// value does: excitation(JK, 0, 1) == "1X".
std::string excitation(FlipFlop f, int q, int qNext);

// A state assignment: `bits` flip-flops, code[s] the code of state s
// (bit i is Q_i, Q0 least significant). Codes are distinct; the other codes
// of `bits` bits are never reached and count as don't-cares.
struct StateCodes {
  int bits = 0;
  std::vector<uint32_t> code;
  bool operator==(const StateCodes&) const = default;
};
// Codes fit for a sound machine of `states` states: one per state, distinct,
// each below 2^bits, bits at most 16.
bool codesFit(const StateCodes& codes, int states);

// One line of a machine's excitation table.
struct ExcitationRow {
  int state = 0;
  int input = 0;            // input combination
  int next = kUnspecified;  // next state
  std::string
      flipFlopInputs;   // per flip-flop Q(bits-1) … Q0, its inputs in name order, '0' '1' 'X'
  std::string outputs;  // as in the machine, '-' unspecified
};
// The rows for every state (table order) and input combination. This and
// designFunctions expect a sound machine and codes that fit it (else: none).
std::vector<ExcitationRow> excitationRows(const Machine& m, const StateCodes& codes, FlipFlop f);

// A function of the design as a truth table. Variables: the state bits
// "Q(bits-1)" … "Q0", then the inputs "X" (one) or "X1" … ("X1" most
// significant); a Moore machine's outputs have the state bits only. Row r
// has variable 0 as its most significant bit; its value is '0', '1' or 'X'
// (an unused code, an unspecified next state or output).
struct FunctionTable {
  std::string name;  // "D2", "J0", "K0", "Z", "Z1", …
  std::vector<std::string> variables;
  std::string rows;
};

// The flip-flop input functions, flip-flop Q(bits-1) first and its inputs in
// name order ("J1", "K1", "J0", "K0"), then the outputs "Z" or "Z1" … .
std::vector<FunctionTable> designFunctions(const Machine& m, const StateCodes& codes, FlipFlop f);

}  // namespace ronri::seq
