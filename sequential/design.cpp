// From the machine and an assignment to minimised equations.
#include "sequential/design.h"

namespace ronri::seq {

Design designCircuit(const Machine& m, const StateCodes& codes, FlipFlop f,
                     std::chrono::milliseconds budget) {
  Design d;
  d.type = f;
  d.codes = codes;
  if (machineProblem(m) != MachineProblem::None || !codesFit(codes, m.states())) {
    d.available = false;
    return d;
  }
  d.rows = excitationRows(m, codes, f);
  // One-hot codes of many states: the excitation table still, but no maps.
  if (codes.bits + m.inputs > kMaxFunctionVariables) {
    d.available = false;
    return d;
  }
  d.functions = designFunctions(m, codes, f);
  for (const FunctionTable& t : d.functions) {
    const SumOfProducts sum = minimise(t.rows, static_cast<int>(t.variables.size()), budget);
    d.proven = d.proven && sum.proven;
    d.available = d.available && sum.available;
    d.cost.terms += static_cast<int>(sum.terms.size());
    d.cost.letters += sum.letters();
    d.equations.push_back(makeEquation(t.name, t.variables, sum));
  }
  return d;
}

}  // namespace ronri::seq
