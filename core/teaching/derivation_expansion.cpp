// Size guards of the tree phases and the way around them: when the
// definitions or the distribution would grow the line past what a page can
// show (x$y copies both operands; a sum of products turned into a product of
// sums multiplies its terms), the line goes at once to its expansion over its
// 1-rows (0-rows), one grouped line.
#include <set>

#include "core/teaching/derivation_log.h"

namespace ronri {
namespace {

constexpr long long kSaturated = 1LL << 40;

long long capped(long long x) {
  return x > kSaturated ? kSaturated : x;
}

void usedVariables(const Expr& e, std::set<int>& out) {
  if (e.op == Op::Var) out.insert(e.value);
  for (const Expr& k : e.kids) usedVariables(k, out);
}

Expr literalOf(int var, bool value, bool productOfSums) {
  // A minterm has x where x is 1; a maxterm has x where x is 0.
  return value != productOfSums ? Expr::var(var) : Expr::negate(Expr::var(var));
}

}  // namespace

long long sizeAfterDefinitions(const Expr& e) {
  long long size = 1;
  for (const Expr& k : e.kids) size = capped(size + sizeAfterDefinitions(k));
  // x$y and x%y write each operand twice, with three more operators and two negations.
  if (e.op == Op::Xor || e.op == Op::Xnor) size = capped(2 * size + 3);
  return size;
}

long long termsAfterDistribution(const Expr& e, Op inner, Op outer) {
  if (e.op == outer || e.op == inner) {
    long long n = e.op == outer ? 0 : 1;
    for (const Expr& k : e.kids) {
      const long long t = termsAfterDistribution(k, inner, outer);
      n = capped(e.op == outer ? n + t : n * t);
    }
    return n;
  }
  return 1;
}

bool expandRows(DerivationLog& log, bool productOfSums) {
  const Expr& e = log.last();
  std::set<int> varSet;
  usedVariables(e, varSet);
  const std::vector<int> vars(varSet.begin(), varSet.end());
  const int n = vars.empty() ? 1 : vars.back() + 1;
  const std::string values = truthValues(e, n);
  std::vector<Expr> terms;
  for (int m = 0; m < (1 << vars.size()); ++m) {
    int row = 0;
    std::vector<Expr> literals;
    for (std::size_t i = 0; i < vars.size(); ++i) {
      const bool bit = (m >> (vars.size() - 1 - i)) & 1;
      if (bit) row |= 1 << (n - 1 - vars[i]);
      literals.push_back(literalOf(vars[i], bit, productOfSums));
    }
    if ((values[row] == '1') == productOfSums) continue;
    const Op inner = productOfSums ? Op::Or : Op::And;
    terms.push_back(literals.size() == 1 ? literals[0] : Expr::node(inner, std::move(literals)));
  }
  const int count = static_cast<int>(terms.size());
  Expr next = terms.empty()       ? Expr::constant(productOfSums ? 1 : 0)
              : terms.size() == 1 ? terms[0]
                                  : Expr::node(productOfSums ? Op::And : Op::Or, std::move(terms));
  return log.add(next, Law::Distributive, wholeLine(e), wholeLine(next), std::max(count, 1));
}

}  // namespace ronri
