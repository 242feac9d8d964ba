#pragma once
// A designed machine as a synthesizable Verilog-2005 module:
// module NAME(input clk, input rst, input X…, output Z…), one register per
// flip-flop, clocked on the rising edge, reset synchronously (rst high) to
// the reset state's code, each flip-flop input and output assigned its
// minimised equation.
#include <string>
#include <string_view>

#include "sequential/design.h"

namespace ronri::seq {

// A module name made of `wanted`: characters other than letters, digits and
// "_" become "_", a leading digit gets "m_" before it, a keyword gets "_"
// after it; "machine" when nothing usable is left.
std::string verilogModuleName(std::string_view wanted);

// "" when the design has no equations (not available) or does not fit the
// machine. The state registers are named as the equations' state bits (Q1,
// Q0, …), so a testbench can read them as NAME.Q1.
std::string verilogMachine(const Machine& m, const Design& d, const std::string& moduleName);

}  // namespace ronri::seq
