#include "circuit/guarded_circuit.h"

#include <algorithm>

#include "circuit/layout_engine.h"
#include "core/cover/cover_dontcare.h"
#include "core/cover/hazards.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/term.h"

namespace ronri {

Netlist netlistOf(const std::string& expression, int n, bool twoInputGates) {
  CircuitEngine engine;
  engine.rpn = ReversePolishNotation(InsideExp(expression));
  engine.lastVariable = n - 1;
  engine.twoInputGates = twoInputGates;
  engine.upToFourInputs = !twoInputGates;
  return drawnNetlist(engine);
}

bool isSumOfProducts(const std::string& expression) {
  if (expression.empty()) return false;
  return std::all_of(expression.begin(), expression.end(), [](char c) {
    return isVariable(c) || c == '~' || c == '*' || c == '+' || c == ' ';
  });
}

GuardedForm withConsensusTerms(const std::string& drawn, const std::string& values, int n) {
  GuardedForm out;
  std::vector<std::string> cubes;
  const bool sum = isSumOfProducts(drawn);
  if (sum) {
    std::string folded = InsideExp(drawn);
    std::erase_if(folded, [](char c) { return c == '*' || c == ' '; });
    cubes = sumCubes(folded);
  } else {
    // The terms added are named against the plain minimum.
    std::vector<int> ones, free;
    for (int r = 0; r < int(values.size()); ++r) {
      if (values[size_t(r)] == '1') ones.push_back(r);
      if (values[size_t(r)] == 'X') free.push_back(r);
    }
    const Cover plain = minimalCoverWithDontCares(rowTerms(ones, n), rowTerms(free, n), n);
    if (plain.status != CoverStatus::NoCover) cubes = sumCubes(plain.sum);
  }
  const HazardFree free = hazardFreeForm(values, n, '1', cubes);
  out.status = free.status;
  if (!sum) {
    out.expression = free.form;
    out.added = free.added;
    return out;
  }
  out.expression = drawn;
  for (const std::string& t : free.added) {
    out.expression += "+" + t;
    out.added.push_back(t);
  }
  return out;
}

}  // namespace ronri
