#pragma once
// The drawn circuit as a structural Verilog module, and an expression as a
// continuous assignment. The module is "f" with one input per variable
// (a, b, ...) and the output f (out from six variables on, where f is one); every drawn gate is one
// primitive instance named after its place in the drawing (column c, row r), and each negated bus
// (~a) one "not" named after its bus.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/netlist.h"

namespace ronri {

std::string verilogModule(const Netlist& drawing);
// The Verilog names of a drawing's several outputs, in order: the user's
// name where it is a plain identifier, no keyword and clashes with nothing
// else in the module; otherwise out1, out2, ... by its place.
std::vector<std::string> verilogOutputNames(const Netlist& drawing);
// The output's name: f, or "out" where f is one of the n variables.
std::string outputName(int n);
// module f(...); assign f = <expression>; endmodule for a reverse Polish
// text of n variables; empty when the text is no expression.
std::string verilogAssign(std::string_view rpn, int n);

// The place of every gate: gate id -> "c<column>_r<row>", columns counted
// from the inputs, rows from the top, both from 1.
std::string gatePlace(const Netlist& drawing, int id);
// The place of every gate at once, by gate number.
std::map<int, std::string> gatePlaces(const Netlist& drawing);

}  // namespace ronri
