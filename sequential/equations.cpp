// Equation texts with names and with letters.
#include "sequential/equations.h"

#include "core/expression/expression.h"

namespace ronri::seq {

std::string sumText(const SumOfProducts& sum, const std::vector<std::string>& names) {
  if (sum.terms.empty()) return "0";
  std::string out;
  for (const Term& t : sum.terms) {
    if (!out.empty()) out += '+';
    if (t.mask == 0) return "1";
    bool first = true;
    const int n = static_cast<int>(names.size());
    for (int i = 0; i < n; ++i) {
      const unsigned bit = variableBit(i, n);
      if (!(t.mask & bit)) continue;
      if (!first) out += '*';
      first = false;
      if (!(t.bits & bit)) out += '~';
      out += names[size_t(i)];
    }
  }
  return out;
}

Equation makeEquation(const std::string& name, const std::vector<std::string>& variables,
                      const SumOfProducts& minimum) {
  Equation e{name, variables, minimum, name + " = " + sumText(minimum, variables), "", ""};
  std::vector<std::string> letters;
  for (size_t i = 0; i < variables.size(); ++i) {
    letters.emplace_back(1, plainLetter(int(i)));
    if (!e.legend.empty()) e.legend += ", ";
    e.legend += letters.back() + " = " + variables[i];
  }
  e.letters = sumText(minimum, letters);
  return e;
}

}  // namespace ronri::seq
