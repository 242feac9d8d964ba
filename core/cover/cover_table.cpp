// The cover table of implicants over minterms, and the sum of a cover.
#include "core/cover/cover_table.h"

namespace ronri {

std::vector<std::vector<int>> coverTable(const std::vector<Term>& primes,
                                         const std::vector<int>& rows) {
  std::vector<std::vector<int>> table(rows.size());
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < primes.size(); ++c)
      if (primes[c].covers(rows[r])) table[r].push_back(static_cast<int>(c));
  return table;
}

std::vector<std::vector<int>> coverTable(const std::vector<std::string>& implicants,
                                         std::string_view ones, int n) {
  std::vector<std::vector<int>> table;
  if (n < 1) return table;
  // An implicant that is no term of the n variables covers nothing, and a
  // text that is no row is covered by nothing.
  std::vector<Term> terms;
  std::vector<int> column;
  for (size_t c = 0; c < implicants.size(); ++c) {
    if (const auto t = Term::read(implicants[c], n)) {
      terms.push_back(*t);
      column.push_back(static_cast<int>(c));
    }
  }
  const size_t stride = static_cast<size_t>(n) + 1;
  for (size_t pos = 0; pos < ones.size(); pos += stride) {
    const std::optional<int> row = readRow(ones.substr(pos, static_cast<size_t>(n)), n);
    std::vector<int> covering;
    for (size_t i = 0; row && i < terms.size(); ++i)
      if (terms[i].covers(*row)) covering.push_back(column[i]);
    table.push_back(std::move(covering));
  }
  return table;
}

std::string joinChosen(const std::vector<std::string>& implicants, const std::vector<int>& chosen) {
  std::string sum;
  for (size_t i = 0; i < chosen.size(); ++i) {
    if (i) sum += '+';
    sum += implicants[static_cast<size_t>(chosen[i])];
  }
  return sum;
}

}  // namespace ronri
