#pragma once
// Whether a design's equations, run clock by clock, follow the machine on
// every specified entry. Free of gtest: the KISS2 fuzz target uses it too.
#include <sstream>
#include <string>

#include "sequential/design.h"
#include "sequential/kiss2.h"
#include "sequential/simulate.h"

namespace ronri::seq::test {

inline std::string describeDesign(const Machine& m, const Design& d) {
  std::ostringstream out;
  out << writeKiss2(m) << "kind " << int(m.kind) << ", flip-flop " << int(d.type) << ", codes";
  for (uint32_t c : d.codes.code) out << ' ' << c;
  for (const Equation& e : d.equations) out << "\n  " << e.text;
  return out.str();
}

// "" when every specified next state and output bit comes out of the equations.
inline std::string tableProblem(const Machine& m, const Design& d) {
  std::vector<std::string> texts;
  for (const Equation& e : d.equations) texts.push_back(e.text);
  const CircuitShape shape{d.type, d.codes.bits, m.inputs, m.outputs, m.kind == MachineKind::Moore};
  for (int s = 0; s < m.states(); ++s)
    for (int x = 0; x < m.combinations(); ++x) {
      const Simulation sim = simulate(texts, shape, d.codes.code[s], {x});
      if (!sim.problem.empty()) return sim.problem + "\n" + describeDesign(m, d);
      const Cycle& c = sim.cycles.at(0);
      const int next = m.table[s][x].next;
      const std::string& want = outputsAt(m, s, x);
      bool ok = c.outputs.size() == want.size();
      for (size_t o = 0; ok && o < want.size(); ++o) ok = want[o] == '-' || want[o] == c.outputs[o];
      if (next != kUnspecified) ok = ok && !c.forbidden && c.next == d.codes.code[next];
      if (!ok)
        return "state " + m.names[s] + " input " + std::to_string(x) + ": went to code " +
               std::to_string(c.next) + " with outputs " + c.outputs + "\n" + describeDesign(m, d);
    }
  return "";
}

}  // namespace ronri::seq::test
