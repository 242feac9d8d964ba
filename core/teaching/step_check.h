#pragma once
// Checks a student's own step: the line before, the line they wrote and the
// law they named. Says whether the lines are equal, whether the law in one
// application (anywhere, up to the order of operands) gives the new line,
// which well-known wrong rule was used, and whether the new line is minimal.
#include <string>
#include <string_view>
#include <vector>

#include "core/expression/expr_tree.h"
#include "core/teaching/laws.h"

namespace ronri {

enum class WrongRule {
  None,
  NegationKeepsProduct,  // ~(a*b) -> ~a*~b
  NegationKeepsSum,      // ~(a+b) -> ~a+~b
  DroppedLetter,         // a+~a*b -> b
  HalfDistributed,       // a*(b+c) -> a*b+c
  WrongSideFactored,     // a+b*c -> (a+b)*c
};

struct StepVerdict {
  bool readable = false;
  bool equal = false;       // the same truth table
  bool lawApplies = false;  // the named law, once, gives the new line
  WrongRule wrongRule = WrongRule::None;
  bool minimum = false;  // as few terms and letters as the smallest sum of products
  // The changed parts, in `before` and `after` (each line with sums and
  // products merged, as printExpr shows it).
  std::string before, after;
  std::vector<Span> source, rewritten;
};

StepVerdict checkStep(std::string_view line, std::string_view next, Law law);

// Whether `law` turns x into y in one application at their roots.
bool lawRewrites(Law law, const Expr& x, const Expr& y);
WrongRule wrongRuleRewriting(const Expr& x, const Expr& y);

}  // namespace ronri
