#pragma once
// The one place derivations ask the cover engine for the minimum: the same
// terms, in the same order, as "簡単化" and "和積形" show.
#include <string>
#include <vector>

namespace ronri {

// A literal of a term: variable (0 = a) and whether it is negated.
struct Literal {
  int var = 0;
  bool negated = false;
  friend bool operator==(const Literal&, const Literal&) = default;
  friend auto operator<=>(const Literal&, const Literal&) = default;
};
using Term = std::vector<Literal>;

// The smallest sum of products of the rows `values` ('0'/'1', 2^n of them),
// one term per product, "1" as one empty term, "0" as no term.
std::vector<Term> minimalSumTerms(const std::string& values, int n);
// The smallest product of sums, one term per sum (a sum's literals), "0" as
// one empty sum, "1" as no sum.
std::vector<Term> minimalProductSums(const std::string& values, int n);

}  // namespace ronri
