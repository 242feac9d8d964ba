// Runs the phases of a derivation and keeps every line checked.
#include "core/teaching/derivation.h"

#include "core/teaching/derivation_log.h"

namespace ronri {
namespace {

bool hasConstant(const Expr& e) {
  if (e.op == Op::Const) return true;
  for (const Expr& k : e.kids)
    if (hasConstant(k)) return true;
  return false;
}

}  // namespace

DerivationLog::DerivationLog(const Expr& first, int n)
    : n_(n), values_(truthValues(first, n)), last_(first) {
  lines_.push_back({printExpr(first), std::nullopt, 0, {}, {}});
}

bool DerivationLog::add(const Expr& next, Law law, std::vector<Span> source,
                        std::vector<Span> rewritten, int grouped) {
  if (faulty_ || truthValues(next, n_) != values_) {
    faulty_ = true;
    return false;
  }
  lines_.push_back({printExpr(next), law, grouped, std::move(source), std::move(rewritten)});
  last_ = next;
  return true;
}

Derivation derive(std::string_view expression, int n, DerivationTarget target) {
  Derivation out;
  const std::optional<Expr> parsed = parseExpr(expression);
  if (!parsed || hasConstant(*parsed) || n < 1 || n > 10 || variableCount(*parsed) > n) return out;
  const bool pos = target == DerivationTarget::ProductOfSums;
  const Expr flat = flattened(*parsed);
  const bool regrouped = printExpr(flat) != printExpr(*parsed);
  DerivationLog log(regrouped ? *parsed : flat, n);
  if (regrouped) log.add(flat, Law::Associative, wholeLine(*parsed), wholeLine(flat));
  const bool ok = !log.faulty() && rewriteToTwoLevels(log, pos) &&
                  rewriteTermsToMinimum(log, pos, n) && !log.faulty();
  out.status = ok ? Derivation::Done : Derivation::Fault;
  out.lines = std::move(log.lines());
  return out;
}

}  // namespace ronri
