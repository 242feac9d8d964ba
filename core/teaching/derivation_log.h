#pragma once
// The lines of a derivation as they are made, each checked by its truth
// table against the line before.
#include "core/teaching/derivation.h"

namespace ronri {

class DerivationLog {
 public:
  DerivationLog(const Expr& first, int n);
  // False, and the derivation is faulty, when `next` differs from the last line.
  bool add(const Expr& next, Law law, std::vector<Span> source, std::vector<Span> rewritten,
           int grouped = 0);
  const Expr& last() const { return last_; }
  bool faulty() const { return faulty_; }
  std::vector<DerivationLine>& lines() { return lines_; }

 private:
  int n_;
  std::string values_;
  Expr last_;
  bool faulty_ = false;
  std::vector<DerivationLine> lines_;
};

// The whole of a line as one span.
inline std::vector<Span> wholeLine(const Expr& e) {
  return {Span{0, static_cast<int>(printExpr(e).size())}};
}

// The tree phases: definitions, De Morgan, double negation, distribution.
// The last line is then a sum of products (a product of sums).
bool rewriteToTwoLevels(DerivationLog& log, bool productOfSums);
// Size guards: the node count once @ % $ | are written out, and the terms
// (sums) a full distribution makes, both saturating.
long long sizeAfterDefinitions(const Expr& e);
long long termsAfterDistribution(const Expr& e, Op inner, Op outer);
// The last line to its sum of minterms (product of maxterms) over the
// variables it uses, one grouped line.
bool expandRows(DerivationLog& log, bool productOfSums);

// The term phases from there to `target`'s terms, in their order.
bool rewriteTermsToMinimum(DerivationLog& log, bool productOfSums, int n);

}  // namespace ronri
