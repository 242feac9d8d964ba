// "圧縮": the smallest sum (or every prime) as a drawable expression, checked against the table.
#include "circuit/compress.h"

#include "core/cover/cover_dontcare.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/function.h"
#include "core/table/term.h"
#include "core/table/truthtable.h"

namespace ronri {

std::vector<std::string> splitTerms(std::string_view simple, int n) {
  std::vector<std::string> terms;
  if (n < 1) return terms;
  for (size_t k = 0; k < simple.size(); k += static_cast<size_t>(n) + 1)
    terms.emplace_back(simple.substr(k, static_cast<size_t>(n)));
  return terms;
}

namespace {

// Whether the reverse Polish text has exactly the 1-rows of `simple`, don't-care
// rows aside.
bool sameFunction(std::string_view rpn, std::string_view simple, int n,
                  const std::vector<int>& dontCares) {
  std::vector<char> want(size_t(1) << n, '0');
  for (const std::string& term : splitTerms(simple, n)) {
    const std::optional<int> row = readRow(term, n);
    if (!row) return false;
    want[size_t(*row)] = '1';
  }
  std::vector<char> got = evaluateRows(rpn, n);
  for (int r : dontCares)
    if (r >= 0 && size_t(r) < want.size()) got[size_t(r)] = want[size_t(r)];
  return got == want;
}

}  // namespace

Compressed compressExpression(std::string_view simple, int n, bool smallestCover,
                              CompressCache& cache, const std::vector<int>& dontCares) {
  if (cache.simple != simple || cache.n != n || cache.dontCares != dontCares) {
    cache = CompressCache{};
    cache.simple = std::string(simple);
    cache.n = n;
    cache.dontCares = dontCares;
  }
  Compressed out;
  std::string m = cache.minCache;
  if (m.empty()) {
    m = dontCares.empty() ? simplicity(splitTerms(simple, n))
                          : primesWithDontCares(simple, dontCares, n);
    cache.minCache = m;
  }
  if (smallestCover && m != "0" && m != "1") {
    if (cache.sc3Cache.empty()) {
      const Cover c = dontCares.empty()
                          ? minimalCover(m, simple, n)
                          : minimalCoverWithDontCares(simple, rowTerms(dontCares, n), n);
      if (c.status != CoverStatus::NoCover && !c.sum.empty()) {
        cache.sc3Cache = c.sum;
        cache.sc3BestFound = c.status == CoverStatus::BestFound;
        cache.sc3LowerBound = c.lowerBound;
      }
    }
    // Without a cover the prime implicants, which are sound, are drawn instead.
    if (!cache.sc3Cache.empty()) {
      m = cache.sc3Cache;
      out.bestFound = cache.sc3BestFound;
      out.lowerBound = cache.sc3LowerBound;
    }
  }
  m = layout(m);
  if (m == "0" || m == "1") {
    out.rpn = m;
    out.caption = m;
    out.constant = true;
    // A constant must match the table too.
    const size_t ones = splitTerms(simple, n).size();
    out.failed = m == "1" ? ones + dontCares.size() != (size_t(1) << n) : ones != 0;
    return out;
  }
  out.caption = wordchange(m);
  out.rpn = ReversePolishNotation(m);
  out.failed = !sameFunction(out.rpn, simple, n, dontCares);
  return out;
}

}  // namespace ronri
