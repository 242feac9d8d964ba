#pragma once
// The one door to the core's exact cover: a function given row by row as
// '0', '1' or 'X' comes back as its smallest sum of products (fewest terms,
// then fewest letters).
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ronri::seq {

// Functions of more variables than this cannot be minimised (the cover's limit).
inline constexpr int kMaxFunctionVariables = 10;

// A product over n variables: bit i of `care` when variable i appears, bit i
// of `value` when it appears plain. Variable 0 is the first (the most
// significant bit of a row number). No care bits: the constant 1.
struct Term {
  uint32_t care = 0;
  uint32_t value = 0;
  bool operator==(const Term&) const = default;
};

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
