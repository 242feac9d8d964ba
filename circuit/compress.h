#pragma once
// "圧縮": the function's minimal expression as a text the engine can draw.
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

// The minimal sums found so far, valid only for the term list (and variable
// count) they were computed from.
struct CompressCache {
  std::string simple;  // term list the entries belong to
  int n = 0;
  std::vector<int> dontCares;
  std::string minCache;  // all prime implicants
  std::string sc3Cache;  // the chosen smallest cover
  bool sc3BestFound = false;
  int sc3LowerBound = 0;
};

struct Compressed {
  std::string rpn;      // reverse Polish text, or "0" / "1" for a constant function
  std::string caption;  // readable form for the caption
  bool constant = false;
  bool bestFound = false;  // the cover search ran out of time: maybe not the smallest
  int lowerBound = 0;      // then no cover has fewer terms than this
  bool failed = false;     // no sound expression was found; nothing is to be drawn
};

// The terms of a term list (n letters each, each followed by "+").
std::vector<std::string> splitTerms(std::string_view simple, int n);

// The expression "圧縮" draws for the 1-rows `simple` of an n-variable
// function: all prime implicants, or with `smallestCover` the chosen cover.
// Don't-care rows (ascending) may take either value: the primes and the cover
// are those with them. The result is checked against `simple` on every other
// row before it is handed out.
Compressed compressExpression(std::string_view simple, int n, bool smallestCover,
                              CompressCache& cache, const std::vector<int>& dontCares = {});

}  // namespace ronri
