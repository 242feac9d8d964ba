// Terms between their bits and their letters, and rows within term lists.
#include "core/table/term.h"

#include <algorithm>

#include "core/expression/expression.h"

namespace ronri {

Term Term::ofRow(int row, int n) {
  const unsigned all = allVariables(n);
  return {static_cast<uint16_t>(all), static_cast<uint16_t>(static_cast<unsigned>(row) & all)};
}

std::optional<Term> Term::read(std::string_view letters, int n) {
  Term t;
  for (char c : letters) {
    const int k = variableOf(c, n);
    if (k < 0) return std::nullopt;
    const unsigned bit = variableBit(k, n);
    const unsigned value = isVariable(c) ? bit : 0;
    if ((t.mask & bit) && (t.bits & bit) != value) return std::nullopt;
    t.mask = static_cast<uint16_t>(t.mask | bit);
    t.bits = static_cast<uint16_t>(t.bits | value);
  }
  return t;
}

std::string Term::text(int n) const {
  std::string s;
  appendText(s, n);
  return s;
}

std::string Term::pattern(int n) const {
  std::string s;
  for (int k = 0; k < n; ++k) {
    const unsigned bit = variableBit(k, n);
    s += !(mask & bit) ? '-' : (bits & bit) ? '1' : '0';
  }
  return s;
}

std::vector<int> Term::rows(int n) const {
  const unsigned blanks = allVariables(n) & ~static_cast<unsigned>(mask);
  std::vector<int> out;
  // Every subset of the blank bits, ascending.
  for (unsigned sub = 0;; sub = (sub - blanks) & blanks) {
    out.push_back(static_cast<int>(bits | sub));
    if (sub == blanks) break;
  }
  return out;
}

std::string rowTerms(const std::vector<int>& rows, int n) {
  std::string out;
  for (int r : rows) out += Term::ofRow(r, n).text(n) + "+";
  return out;
}

std::vector<int> termRows(std::string_view terms, int n) {
  std::vector<int> rows;
  const size_t stride = static_cast<size_t>(n) + 1;
  for (size_t pos = 0; pos + static_cast<size_t>(n) <= terms.size(); pos += stride)
    if (const auto r = readRow(terms.substr(pos, static_cast<size_t>(n)), n)) rows.push_back(*r);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::vector<std::string> splitTerms(std::string_view sum) {
  std::vector<std::string> terms;
  size_t start = 0;
  while (start <= sum.size()) {
    size_t end = sum.find('+', start);
    if (end == std::string_view::npos) end = sum.size();
    if (end > start) terms.emplace_back(sum.substr(start, end - start));
    start = end + 1;
  }
  return terms;
}

}  // namespace ronri
