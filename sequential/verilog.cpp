// The Verilog module of a design.
#include "sequential/verilog.h"

#include <cctype>
#include <sstream>

#include "core/expression/verilog_words.h"

namespace ronri::seq {
namespace {

std::string numbered(const std::string& base, int count, int i) {
  return count == 1 ? base : base + std::to_string(i + 1);
}

// Q(bits-1) … Q0, as the equations name them.
std::string stateBit(int bits, int i) {
  return "Q" + std::to_string(bits - 1 - i);
}

std::string sumExpression(const SumOfProducts& sum, const std::vector<std::string>& names) {
  if (sum.terms.empty()) return "1'b0";
  std::string out;
  const int n = int(names.size());
  for (const Term& t : sum.terms) {
    if (t.mask == 0) return "1'b1";
    std::string product;
    for (int i = 0; i < n; ++i) {
      const unsigned bit = variableBit(i, n);
      if (!(t.mask & bit)) continue;
      if (!product.empty()) product += " & ";
      product += ((t.bits & bit) ? "" : "~") + names[size_t(i)];
    }
    out += (out.empty() ? "" : " | ") + (sum.terms.size() > 1 ? "(" + product + ")" : product);
  }
  return out;
}

// The next value of state bit q from its flip-flop's inputs.
std::string nextState(FlipFlop f, const std::string& q, const std::string& bit) {
  switch (f) {
    case FlipFlop::D:
      return "D" + bit;
    case FlipFlop::T:
      return q + " ^ T" + bit;
    case FlipFlop::JK:
      return "(J" + bit + " & ~" + q + ") | (~K" + bit + " & " + q + ")";
    case FlipFlop::SR:
      // S = R = 1 keeps Q: the design never asks for it.
      return "(S" + bit + " & ~R" + bit + ") | (~(S" + bit + " ^ R" + bit + ") & " + q + ")";
  }
  return q;
}

std::string ports(const Machine& m) {
  std::string out = "input clk, input rst";
  for (int i = 0; i < m.inputs; ++i) out += ", input " + numbered("X", m.inputs, i);
  for (int o = 0; o < m.outputs; ++o) out += ", output " + numbered("Z", m.outputs, o);
  return out;
}

}  // namespace

std::string verilogModuleName(std::string_view wanted) {
  std::string out;
  for (unsigned char c : wanted) out += std::isalnum(c) && c < 128 ? char(c) : '_';
  if (out.find_first_not_of('_') == std::string::npos) return "machine";
  if (std::isdigit(static_cast<unsigned char>(out[0]))) out = "m_" + out;
  if (verilogKeyword(out)) out += '_';
  return out;
}

std::string verilogMachine(const Machine& m, const Design& d, const std::string& moduleName) {
  const int bits = d.codes.bits;
  const size_t pins = flipFlopInputNames(d.type).size();
  if (!d.available || d.equations.size() != size_t(bits) * pins + size_t(m.outputs) ||
      !codesFit(d.codes, m.states()) || m.reset < 0 || m.reset >= m.states())
    return "";
  std::ostringstream v;
  v << "// " << m.states() << " states, " << flipFlopInputNames(d.type).front()
    << (pins > 1 ? flipFlopInputNames(d.type).back() : "") << " flip-flops; rst (high) "
    << "returns to " << m.names[size_t(m.reset)] << " on the next clock.\n";
  v << "module " << moduleName << "(" << ports(m) << ");\n";
  if (bits > 0) {
    v << "  reg";
    for (int i = 0; i < bits; ++i) v << (i ? ", " : " ") << stateBit(bits, i);
    v << ";\n";
  }
  for (size_t j = 0; j < d.equations.size(); ++j) {
    const Equation& e = d.equations[j];
    v << "  // " << e.text << "\n";
    v << (j < size_t(bits) * pins ? "  wire " + e.name + " = " : "  assign " + e.name + " = ")
      << sumExpression(e.minimum, e.variables) << ";\n";
  }
  if (bits > 0) {
    const uint32_t reset = d.codes.code[size_t(m.reset)];
    v << "  always @(posedge clk)\n    if (rst) begin\n";
    for (int i = 0; i < bits; ++i)
      v << "      " << stateBit(bits, i) << " <= 1'b" << ((reset >> (bits - 1 - i)) & 1) << ";\n";
    v << "    end else begin\n";
    for (int i = 0; i < bits; ++i) {
      const std::string q = stateBit(bits, i);
      v << "      " << q << " <= " << nextState(d.type, q, std::to_string(bits - 1 - i)) << ";\n";
    }
    v << "    end\n";
  }
  v << "endmodule\n";
  return v.str();
}

}  // namespace ronri::seq
