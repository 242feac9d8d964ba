#pragma once
// A product term as bits, the one form the cover engine, the tabulation, the
// chart, several outputs and the maps share; rows are terms of every
// variable. Texts ("nbc", "01-1", "nbc+abo+") are made and read here, where
// a term is shown or stored.
//
// Bit order: a row number's. Of n variables, variable k (a = 0) is bit
// n-1-k, so a is the most significant bit, the last variable bit 0, and row
// r is the term with every variable in the mask and r as its bits. A term
// does not know its n: what turns it into letters or rows is told.
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/expression/expression.h"

namespace ronri {

// The bit of variable k among n (variableBit(0, 3) is 4: a of a, b, c).
constexpr unsigned variableBit(int k, int n) {
  return 1u << (n - 1 - k);
}
// Every variable of n.
constexpr unsigned allVariables(int n) {
  return (1u << n) - 1;
}

struct Term {
  uint16_t mask = 0;  // the variables the term has
  uint16_t bits = 0;  // their values (1 plain, 0 negated); 0 outside the mask

  // Row r of n variables.
  static Term ofRow(int row, int n);
  // Letters in any order ("bn" is ~a*b, "" the constant 1); nullopt when a
  // character is no letter of the first n variables, or a variable is both
  // plain and negated.
  static std::optional<Term> read(std::string_view letters, int n);

  bool operator==(const Term&) const = default;
  int letters() const { return std::popcount(static_cast<unsigned>(mask)); }
  // The plain letters (a row's number of ones).
  int ones() const { return std::popcount(static_cast<unsigned>(bits)); }
  bool covers(int row) const { return (static_cast<unsigned>(row) & mask) == bits; }
  // Every row of `t` is a row of this term.
  bool contains(Term t) const { return (mask & ~t.mask) == 0 && (t.bits & mask) == bits; }
  // The letters in variable order ("nbc"; "" for the constant 1).
  std::string text(int n) const;
  // The same, appended to `out` (the merging writes thousands of terms).
  void appendText(std::string& out, int n) const;
  // One character a variable: '1' plain, '0' negated, '-' absent ("01-1").
  std::string pattern(int n) const;
  // Its rows among n variables, ascending.
  std::vector<int> rows(int n) const;
};

// The terms of a term sum ("ab+nc"): the texts between the "+" signs, empty
// ones skipped.
std::vector<std::string> splitTerms(std::string_view sum);

// Inline, as the merging reads and writes thousands of terms a call.
inline void Term::appendText(std::string& out, int n) const {
  for (int k = 0; k < n; ++k) {
    const unsigned bit = variableBit(k, n);
    if (mask & bit) out += (bits & bit) ? plainLetter(k) : negatedLetter(k);
  }
}

// The row of a text of exactly n letters with letter k at place k ("nbc" is
// 3); nullopt for any other text.
inline std::optional<int> readRow(std::string_view text, int n) {
  if (static_cast<int>(text.size()) != n) return std::nullopt;
  int row = 0;
  for (int k = 0; k < n; ++k) {
    const char c = text[static_cast<size_t>(k)];
    if (c == plainLetter(k))
      row |= static_cast<int>(variableBit(k, n));
    else if (c != negatedLetter(k))
      return std::nullopt;
  }
  return row;
}

// The rows as a term list of n letters in row order ("nbc+abo+"), as the
// truth table lists its 1-rows.
std::string rowTerms(const std::vector<int>& rows, int n);
// The rows of the clean terms (n letters) of a term list, ascending.
std::vector<int> termRows(std::string_view terms, int n);

}  // namespace ronri
