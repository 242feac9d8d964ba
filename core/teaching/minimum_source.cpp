// Adapter to core/cover: the minimum as the conversion window computes it.
#include "core/teaching/minimum_source.h"

#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {

std::string rowsOf(const std::string& values, int n, char value) {
  std::string list;
  for (std::size_t r = 0; r < values.size(); ++r)
    if (values[r] == value) list += rowTerm(rowBits(static_cast<int>(r), n));
  return list;
}

// Terms of letters (a..j plain, n..w negated) split at `separator`; other
// characters ("*", parentheses) are skipped.
std::vector<Term> termsOf(const std::string& text, char separator) {
  std::vector<Term> terms(1);
  for (char c : text) {
    if (c == separator)
      terms.emplace_back();
    else if (c >= 'a' && c <= 'j')
      terms.back().push_back({c - 'a', false});
    else if (c >= 'n' && c <= 'w')
      terms.back().push_back({c - 'n', true});
  }
  return terms;
}

}  // namespace

std::vector<Term> minimalSumTerms(const std::string& values, int n) {
  const std::string simple = rowsOf(values, n, '1');
  if (simple.empty()) return {};
  std::vector<std::string> patterns;
  for (const Term& t : termsOf(simple, '+'))
    if (!t.empty()) {
      std::string p;
      for (const Literal& l : t) p += char((l.negated ? 'n' : 'a') + l.var);
      patterns.push_back(p);
    }
  const std::string cover = useSC3(simplicity(patterns), simple, n);
  if (cover == "1") return {Term{}};
  return termsOf(cover, '+');
}

std::vector<Term> minimalProductSums(const std::string& values, int n) {
  const std::string zeros = rowsOf(values, n, '0');
  if (zeros.empty()) return {};
  const Cover product = minimalProductOfSums(zeros, "", n);
  if (product.sum == "0") return {Term{}};
  return termsOf(product.sum, '*');
}

}  // namespace ronri
