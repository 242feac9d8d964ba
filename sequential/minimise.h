#pragma once
// The one door to the core's exact cover: a function given row by row as
// '0', '1' or 'X' comes back as its smallest sum of products (fewest terms,
// then fewest letters).
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/table/term.h"

namespace ronri::seq {

// Functions of more variables than this cannot be minimised (the cover's limit).
inline constexpr int kMaxFunctionVariables = 10;

// A product over the function's n variables as the core writes terms:
// variable 0 (the first) is the most significant bit (core/table/term.h).
// No letter: the constant 1.
using Term = ronri::Term;

struct SumOfProducts {
  std::vector<Term> terms;  // none: the constant 0
  bool proven = true;       // false when the budget ran out first ("best found")
  bool available = true;    // false for more than kMaxFunctionVariables variables
  int letters() const;
};

// The minimum of `rows` (2^n characters, row r at index r) within `budget`.
SumOfProducts minimise(std::string_view rows, int n,
                       std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

}  // namespace ronri::seq
