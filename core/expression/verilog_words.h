#pragma once
// The reserved words of Verilog, which no name in a written module may be.
#include <string>

namespace ronri {

// Every keyword of Verilog-2005 and of SystemVerilog (a file reads as either)
// and iverilog's own.
bool verilogKeyword(const std::string& word);

}  // namespace ronri
