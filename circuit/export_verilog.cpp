// A drawn circuit as a Verilog module, and an expression as one assign.
#include "circuit/export_verilog.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "core/expression/expression.h"
#include "core/expression/verilog_words.h"

namespace ronri {

namespace {

const char* primitive(char op) {
  switch (op) {
    case '*':
      return "and";
    case '+':
      return "or";
    case '$':
      return "nand";
    case '|':
      return "nor";
    case '@':
      return "xor";
    case '%':
      return "xnor";
    default:
      return "not";
  }
}

std::string ports(int n) {
  std::string s = "module f(input ";
  for (int k = 0; k < n; ++k) {
    if (k) s += ", ";
    s += plainLetter(k);
  }
  return s + ", output " + outputName(n) + ");\n";
}

// Gates of one column stand at one x (within a pixel); rows go down.
std::map<int, std::string> places(const Netlist& d) {
  std::vector<double> xs;
  for (const Netlist::Gate& g : d.gates) xs.push_back(std::round(g.x / 15));
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::map<int, std::string> out;
  for (size_t c = 0; c < xs.size(); ++c) {
    std::vector<std::pair<double, int>> column;
    for (const Netlist::Gate& g : d.gates)
      if (std::round(g.x / 15) == xs[c]) column.push_back({g.y, g.id});
    std::sort(column.begin(), column.end());
    for (size_t r = 0; r < column.size(); ++r)
      out[column[r].second] = "c" + std::to_string(c + 1) + "_r" + std::to_string(r + 1);
  }
  return out;
}

bool plainIdentifier(const std::string& s) {
  if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
  for (unsigned char c : s)
    if (!(std::isalnum(c) || c == '_') || c >= 128) return false;
  return !verilogKeyword(s);
}

// Text safe inside a line comment: one line, and no "*/" for tools that
// read the comment as a block.
std::string commentSafe(const std::string& s) {
  std::string out;
  for (unsigned char c : s)
    if (c >= 0x20 && c != 0x7f) out += char(c);
  for (size_t at; (at = out.find("*/")) != std::string::npos;) out.erase(at, 2);
  return out;
}

// Every name the module declares besides its outputs.
std::set<std::string> declaredNames(const Netlist& d, const std::map<int, std::string>& place) {
  std::set<std::string> taken;
  for (int k = 0; k < d.variables; ++k) {
    const std::string letter(1, plainLetter(k));
    taken.insert(letter);
    taken.insert("n" + letter);
    taken.insert("not_n" + letter);
  }
  for (const Netlist::Gate& g : d.gates) {
    taken.insert(place.at(g.id));
    taken.insert(std::string(primitive(g.op)) + "_" + place.at(g.id));
  }
  return taken;
}

}  // namespace

std::vector<std::string> verilogOutputNames(const Netlist& d) {
  std::set<std::string> taken = declaredNames(d, places(d));
  std::vector<std::string> names(d.outputs.size());
  for (size_t j = 0; j < names.size(); ++j)
    if (plainIdentifier(d.outputs[j].name) && taken.insert(d.outputs[j].name).second)
      names[j] = d.outputs[j].name;
  for (size_t j = 0; j < names.size(); ++j)
    for (size_t k = j + 1; names[j].empty(); ++k)
      if (taken.insert("out" + std::to_string(k)).second) names[j] = "out" + std::to_string(k);
  return names;
}

std::string outputName(int n) {
  return n >= 6 ? "out" : "f";
}

std::map<int, std::string> gatePlaces(const Netlist& drawing) {
  return places(drawing);
}

std::string gatePlace(const Netlist& drawing, int id) {
  const auto all = places(drawing);
  const auto it = all.find(id);
  return it == all.end() ? std::string() : it->second;
}

std::string verilogModule(const Netlist& d) {
  const std::map<int, std::string> place = places(d);
  const bool several = !d.outputs.empty();
  auto signal = [&](int net) -> std::string {
    if (net >= Netlist::kGateNet) return place.at(net - Netlist::kGateNet);
    if (isNegatedLetter(char(net))) return std::string("n") + plainLetter(variableOf(char(net)));
    return std::string(1, char(net));
  };
  std::string v =
      "// Drawn by RonriLab. Each gate is named after its place in the drawing:\n"
      "// c = column from the inputs, r = row from the top; na is the bus ~a.\n";
  std::string body;
  const std::vector<std::string> names = verilogOutputNames(d);
  if (several) {
    for (size_t j = 0; j < names.size(); ++j)
      if (names[j] != d.outputs[j].name)
        v += "// " + names[j] + " is the output " + commentSafe(d.outputs[j].name) + "\n";
    v += "module f(input ";
    for (int k = 0; k < d.variables; ++k) v += std::string(k ? ", " : "") + plainLetter(k);
    for (const std::string& name : names) v += ", output " + name;
    v += ");\n";
  } else {
    v += ports(d.variables);
  }
  for (int k = 0; k < d.variables; ++k) {
    const char letter = plainLetter(k);
    if (!d.uses(negatedLetter(k))) continue;
    const std::string bus = std::string("n") + letter;
    body += "  wire " + bus + ";\n  not not_" + bus + "(" + bus + ", " + letter + ");\n";
  }
  // Every gate's wire declared before any gate reads it.
  for (const Netlist::Gate& g : d.gates)
    if (d.output != Netlist::kGateNet + g.id) body += "  wire " + place.at(g.id) + ";\n";
  for (const Netlist::Gate& g : d.gates) {
    const std::string name = place.at(g.id);
    const bool last = d.output == Netlist::kGateNet + g.id;
    const std::string out = last ? outputName(d.variables) : name;
    std::vector<Netlist::Input> in = g.inputs;
    std::stable_sort(in.begin(), in.end(),
                     [](const Netlist::Input& a, const Netlist::Input& b) { return a.y < b.y; });
    body += "  " + std::string(primitive(g.op)) + " " + primitive(g.op) + "_" + name + "(" + out;
    for (const Netlist::Input& i : in) body += ", " + signal(i.net);
    body += ");\n";
  }
  if (d.output >= 0 && d.output < Netlist::kGateNet)
    body += "  assign " + outputName(d.variables) + " = " + signal(d.output) + ";\n";
  for (size_t j = 0; j < names.size(); ++j) {
    const Netlist::Output& o = d.outputs[j];
    body += "  assign " + names[j] + " = " +
            (o.constant ? std::string("1'b") + o.constant : signal(o.net)) + ";\n";
  }
  return v + body + "endmodule\n";
}

std::string verilogAssign(std::string_view rpn, int n) {
  std::vector<std::string> stack;
  for (char c : rpn) {
    if (isVariable(c)) {
      stack.emplace_back(1, c);
    } else if (c == '0' || c == '1') {
      stack.push_back(std::string("1'b") + c);
    } else if (isNegatedLetter(c)) {
      stack.push_back(std::string("~") + plainLetter(variableOf(c)));
    } else if (c == '~') {
      if (stack.empty()) return {};
      // Every operand is a name, a constant or a group, each maybe negated
      // once: a second negation takes the first away ("~~" is no operator).
      std::string& e = stack.back();
      e = e[0] == '~' ? e.substr(1) : "~" + e;
    } else if (isBinaryOperator(c)) {
      if (stack.size() < 2) return {};
      const std::string r = stack.back();
      stack.pop_back();
      const std::string l = stack.back();
      const std::string op = c == '*' || c == '$' ? " & " : c == '+' || c == '|' ? " | " : " ^ ";
      const bool negated = c == '$' || c == '|' || c == '%';
      stack.back() = std::string(negated ? "~(" : "(") + l + op + r + ")";
    }
  }
  if (stack.size() != 1) return {};
  return ports(n) + "  assign " + outputName(n) + " = " + stack.back() + ";\nendmodule\n";
}

}  // namespace ronri
