// The smallest product of sums, from the smallest sum of products of the 0-rows.
#include "core/cover/product_of_sums.h"

#include "core/cover/cover_dontcare.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

Cover minimalProductOfSums(std::string_view zeros, std::string_view dontCare, int n,
                           std::chrono::milliseconds budget) {
  if (n < 1 || n > 10) return {"", CoverStatus::NoCover};
  // The 0-rows' smallest sum of products, negated term by term (De Morgan).
  const Cover complement = smallestSumOfProducts(zeros, dontCare, n, budget);
  if (complement.status == CoverStatus::NoCover) return complement;
  if (complement.sum == "0") return {"1", complement.status};
  if (complement.sum == "1") return {"0", complement.status};
  std::string out;
  for (const std::string& term : splitTerms(complement.sum)) {
    if (!out.empty()) out += '*';
    std::string sum;
    for (char c : term) {
      if (!sum.empty()) sum += '+';
      sum += isVariable(c) ? negatedLetter(variableOf(c)) : plainLetter(variableOf(c));
    }
    out += term.size() > 1 ? "(" + sum + ")" : sum;
  }
  return {out, complement.status};
}

}  // namespace ronri
