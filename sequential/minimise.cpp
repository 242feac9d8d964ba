// Adapter to the core's cover with don't-cares: rows become the core's term
// lists and its sum comes back as terms. Every call into core/cover and
// core/table from this library lives here.
#include "sequential/minimise.h"

#include <optional>

#include "core/cover/cover_dontcare.h"
#include "core/table/truthtable.h"

namespace ronri::seq {

int SumOfProducts::letters() const {
  int count = 0;
  for (const Term& t : terms) count += t.letters();
  return count;
}

SumOfProducts minimise(std::string_view rows, int n, std::chrono::milliseconds budget) {
  SumOfProducts out;
  if (n > kMaxFunctionVariables || rows.size() != size_t(1) << n) {
    out.available = false;
    return out;
  }
  if (n == 0) {
    if (rows[0] == '1') out.terms.push_back({});
    return out;
  }
  std::string ones, free;
  for (int r = 0; r < (1 << n); ++r) {
    if (rows[r] == '1') ones += rowTerm(rowBits(r, n));
    if (rows[r] == 'X') free += rowTerm(rowBits(r, n));
  }
  if (ones.empty()) return out;
  const Cover cover = smallestSumOfProducts(ones, free, n, budget);
  out.proven = cover.status == CoverStatus::Proven;
  if (cover.sum == "1") {
    out.terms.push_back({});
    return out;
  }
  for (const std::string& letters : splitTerms(cover.sum))
    if (const std::optional<Term> t = Term::read(letters, n)) out.terms.push_back(*t);
  return out;
}

}  // namespace ronri::seq
