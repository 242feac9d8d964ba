#pragma once
// The KISS2 state-table format: `.i .o .s .p .r` headers, then one line per
// cube `inputs present next outputs`; `#` starts a comment, `.e` or `.end`
// ends the table. A "-" in the input field covers both values of that input;
// "*" or "-" as next state leaves it unspecified, as "-" does an output bit.
#include <string>
#include <string_view>

#include "sequential/machine.h"

namespace ronri::seq {

enum class Kiss2Error {
  None,
  UnknownDirective,    // a line starting with "." that is none of the above
  BadNumber,           // a header's value is not a whole number
  TooManyInputs,       // .i beyond kMaxInputs
  TooManyOutputs,      // .o beyond kMaxOutputs
  TooManyStates,       // more than kMaxStates states named
  RepeatedHeader,      // .i, .o, .s, .p or .r given twice
  MissingHeader,       // a table line before .i or .o
  FieldCount,          // a table line without exactly its fields
  BadInputField,       // wrong length or a character other than 0 1 -
  BadOutputField,      // wrong length or a character other than 0 1 -
  BadStateName,        // "*" or "-" as present state, a state starting with "."
  Conflict,            // the same state and input combination specified twice, differently
  MooreOutputsDiffer,  // read as Moore, a state's lines disagree on its outputs
  StateCountMismatch,  // .s differs from the number of states named
  LineCountMismatch,   // .p differs from the number of table lines
  UnknownResetState,   // .r names no state of the table
  NoStates,            // no table line at all
};

// The outcome of reading: `machine` is set only when error is None; `line`
// (1-based) is where the file goes wrong. Errors about the whole file (a
// count that does not match, an unknown reset state) name the header's line;
// NoStates names the line after the last.
struct Kiss2Result {
  Machine machine;
  Kiss2Error error = Kiss2Error::None;
  int line = 0;
  bool ok() const { return error == Kiss2Error::None; }
};

// Reads a KISS2 text. The states are numbered in order of first appearance
// in the present field, then those only ever named as next state; combinations no line mentions
// stay unspecified. A later line may fill in what an earlier one left unspecified but never change
// what it specified (Conflict). KISS2 cannot say Moore or Mealy, so the caller chooses: as Moore,
// every specified output bit of a state must agree over all its lines (else MooreOutputsDiffer),
// and a bit specified on none stays "-".
Kiss2Result readKiss2(std::string_view text, MachineKind kind = MachineKind::Mealy);

// The machine as KISS2: every state and input combination on a line of its
// own (so every state and its outputs survive, even when unspecified), `.r`
// for the reset state, LF line ends. readKiss2 of it, with the machine's
// kind, gives the machine back. "" for an unsound machine (machineProblem).
std::string writeKiss2(const Machine& m);

}  // namespace ronri::seq
