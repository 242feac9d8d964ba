#pragma once
// Minimised functions as text: "J2 = Q1*Q0" with the design's names, and as a
// letter expression (a … j) for the main list with the letters explained.
#include <string>
#include <vector>

#include "sequential/minimise.h"

namespace ronri::seq {

// A sum in the program's notation over `names` (variable i of a term is
// names[i]): "Q1*Q0+~Q2", "0", "1".
std::string sumText(const SumOfProducts& sum, const std::vector<std::string>& names);

struct Equation {
  std::string name;                    // "J2"
  std::vector<std::string> variables;  // the function's variables, in letter order
  SumOfProducts minimum;
  std::string text;     // "J2 = Q1*Q0"
  std::string letters;  // the same over a, b, …: "a*b" (variables.size() letters)
  std::string legend;   // "a = Q1, b = Q0, c = X" (empty without variables)
};

Equation makeEquation(const std::string& name, const std::vector<std::string>& variables,
                      const SumOfProducts& minimum);

}  // namespace ronri::seq
