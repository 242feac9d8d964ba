#pragma once
// Editing a state table as its editor does: a new shape that keeps what
// still fits, and cells written as text.
#include <string>
#include <string_view>

#include "sequential/machine.h"

namespace ronri::seq {

// The machine in a new shape (counts clamped as emptyMachine does). States,
// names, input combinations and output bits that still exist keep their
// entries; next states that no longer exist become unspecified. Mealy to
// Moore keeps each output bit on which all of a state's combinations agree;
// Moore to Mealy gives every combination its state's outputs.
Machine reshaped(const Machine& m, MachineKind kind, int states, int inputs, int outputs);

// A cell's text: the next state's name, "-" when unspecified.
std::string nextText(const Machine& m, int s, int x);

// The edits of one cell; each returns false and leaves the machine as it was
// when the text does not fit. A next state is a state's name, or "-", "*" or
// nothing for unspecified; outputs are one 0, 1 or - per output bit (nothing:
// all unspecified), for a Moore machine the state's whatever x is; a name is
// new among the states and one KISS2 can carry.
bool setNextText(Machine& m, int s, int x, std::string_view text);
bool setOutputText(Machine& m, int s, int x, std::string_view text);
bool renameState(Machine& m, int s, std::string_view name);

}  // namespace ronri::seq
