// Each law, and each well-known wrong rule, as a test on two canonical
// expressions: does one application at the root turn x into y?
#include <algorithm>

#include "core/teaching/step_check.h"

namespace ronri {
namespace {

using Kids = std::vector<Expr>;

Op dual(Op op) {
  return op == Op::And ? Op::Or : Op::And;
}
Kids kidsOf(const Expr& e, Op op) {
  return e.op == op ? e.kids : Kids{e};
}
// op over kids, or the kid alone, or the op's unit when empty.
Expr joined(Op op, Kids kids) {
  if (kids.empty()) return Expr::constant(op == Op::And ? 1 : 0);
  if (kids.size() == 1) return canonical(kids[0]);
  return canonical(Expr::node(op, std::move(kids)));
}
bool same(const Expr& a, const Expr& b) {
  return canonical(a) == canonical(b);
}
bool isNegationOf(const Expr& a, const Expr& b) {
  return (a.op == Op::Not && same(a.kids[0], b)) || (b.op == Op::Not && same(b.kids[0], a));
}
bool contains(const Kids& kids, const Expr& e) {
  return std::any_of(kids.begin(), kids.end(), [&](const Expr& k) { return same(k, e); });
}
bool isLogic(const Expr& x) {
  return x.op == Op::And || x.op == Op::Or;
}
// x with operand i replaced by `with` (dropped when nullptr) and j dropped.
Expr edited(const Expr& x, std::size_t i, const Expr* with, std::size_t j = SIZE_MAX) {
  Kids k;
  for (std::size_t p = 0; p < x.kids.size(); ++p)
    if (p == i && with)
      k.push_back(*with);
    else if (p != i && p != j)
      k.push_back(x.kids[p]);
  return joined(x.op, std::move(k));
}

bool pairRule(Law law, const Expr& x, const Expr& y, std::size_t i, std::size_t j) {
  const Expr &p = x.kids[i], &q = x.kids[j];
  const Op inner = dual(x.op);
  const Expr unit = Expr::constant(x.op == Op::Or ? 1 : 0);  // the absorbing constant
  switch (law) {
    case Law::Idempotent:
      return same(p, q) && same(edited(x, j, nullptr), y);
    case Law::Complement:
      return isNegationOf(p, q) && same(edited(x, i, &unit, j), y);
    case Law::Absorption: {
      const Kids qk = kidsOf(q, inner), pk = kidsOf(p, inner);
      return q.op == inner &&
             std::all_of(pk.begin(), pk.end(), [&](auto& l) { return contains(qk, l); }) &&
             same(edited(x, j, nullptr), y);
    }
    case Law::Combining: {
      Kids pk = kidsOf(p, inner), qk = kidsOf(q, inner);
      if (pk.size() != qk.size()) return false;
      Kids common;
      int apart = 0;
      for (const Expr& l : pk)
        if (contains(qk, l))
          common.push_back(l);
        else
          apart += contains(qk, Expr::negate(l)) || (l.op == Op::Not && contains(qk, l.kids[0]));
      if (apart != 1 || common.size() + 1 != pk.size()) return false;
      const Expr merged = joined(inner, common);
      return same(edited(x, i, &merged, j), y);
    }
    default:
      return false;
  }
}

bool consensus(const Expr& x, const Expr& y) {
  const Op inner = dual(x.op);
  for (std::size_t t = 0; t < x.kids.size(); ++t)
    for (std::size_t i = 0; i < x.kids.size(); ++i)
      for (std::size_t j = 0; j < x.kids.size(); ++j) {
        if (t == i || t == j || i == j) continue;
        const Kids pk = kidsOf(x.kids[i], inner), qk = kidsOf(x.kids[j], inner);
        for (const Expr& l : pk) {
          if (!contains(qk, Expr::negate(l)) && !(l.op == Op::Not && contains(qk, l.kids[0])))
            continue;
          Kids rest;
          for (const Expr& k : pk)
            if (!same(k, l) && !contains(rest, k)) rest.push_back(k);
          for (const Expr& k : qk)
            if (!isNegationOf(k, l) && !contains(rest, k)) rest.push_back(k);
          if (same(joined(inner, rest), x.kids[t]) && same(edited(x, t, nullptr), y)) return true;
        }
      }
  return false;
}

}  // namespace

namespace {

bool definitionRewrites(Law law, const Expr& x, const Expr& y) {
  static const std::pair<Law, Op> defined[] = {{Law::XorDefinition, Op::Xor},
                                               {Law::XnorDefinition, Op::Xnor},
                                               {Law::NandDefinition, Op::Nand},
                                               {Law::NorDefinition, Op::Nor}};
  for (auto [l, op] : defined) {
    if (l != law || x.op != op) continue;
    const Expr &a = x.kids[0], &b = x.kids[1];
    const Expr na = Expr::negate(a), nb = Expr::negate(b);
    const auto both = [](Op o, Expr p, Expr q) {
      return Expr::node(o, {std::move(p), std::move(q)});
    };
    switch (op) {
      case Op::Xor:
        return same(both(Op::Or, both(Op::And, a, nb), both(Op::And, na, b)), y);
      case Op::Xnor:
        return same(both(Op::Or, both(Op::And, a, b), both(Op::And, na, nb)), y);
      default:
        return same(Expr::negate(both(op == Op::Nand ? Op::And : Op::Or, a, b)), y);
    }
  }
  return false;
}

bool distributes(const Expr& x, const Expr& y, bool whole) {
  const Op outer = dual(x.op);
  for (std::size_t i = 0; i < x.kids.size(); ++i) {
    if (x.kids[i].op != outer) continue;
    const Kids& d = x.kids[i].kids;
    Kids others;
    for (std::size_t p = 0; p < x.kids.size(); ++p)
      if (p != i) others.push_back(x.kids[p]);
    if (whole) {  // a*(b+c) -> a*b+a*c
      Kids terms;
      for (const Expr& k : d) {
        Kids t = others;
        t.push_back(k);
        terms.push_back(joined(x.op, t));
      }
      if (same(joined(outer, terms), y)) return true;
      continue;
    }
    for (std::size_t j = 0; j < d.size(); ++j) {  // a*(b+c) -> a*b+c
      Kids t = others, terms = d;
      t.push_back(d[j]);
      terms[j] = joined(x.op, t);
      if (same(joined(outer, terms), y)) return true;
    }
  }
  return false;
}

}  // namespace

bool lawRewrites(Law law, const Expr& x, const Expr& y) {
  if (law == Law::DoubleNegation)
    return x.op == Op::Not && x.kids[0].op == Op::Not && same(x.kids[0].kids[0], y);
  if (law == Law::DeMorgan) {
    if (x.op != Op::Not || !isLogic(x.kids[0])) return false;
    Kids negated;
    for (const Expr& k : x.kids[0].kids) negated.push_back(Expr::negate(k));
    return same(Expr::node(dual(x.kids[0].op), negated), y);
  }
  if (definitionRewrites(law, x, y)) return true;
  if (!isLogic(x)) return false;
  if (law == Law::Distributive) return distributes(x, y, true);
  if (law == Law::Consensus) return consensus(x, y);
  const int unit = x.op == Op::And ? 1 : 0;
  for (std::size_t i = 0; i < x.kids.size(); ++i) {
    const Expr& k = x.kids[i];
    if (law == Law::Identity && k.op == Op::Const && k.value == unit &&
        same(edited(x, i, nullptr), y))
      return true;
    if (law == Law::Null && k.op == Op::Const && k.value != unit && same(k, y)) return true;
    for (std::size_t j = 0; j < x.kids.size(); ++j)
      if (i != j && pairRule(law, x, y, i, j)) return true;
  }
  return false;
}

WrongRule wrongRuleRewriting(const Expr& x, const Expr& y) {
  if (x.op == Op::Not && isLogic(x.kids[0])) {
    Kids negated;
    for (const Expr& k : x.kids[0].kids) negated.push_back(Expr::negate(k));
    if (same(Expr::node(x.kids[0].op, negated), y))
      return x.kids[0].op == Op::And ? WrongRule::NegationKeepsProduct
                                     : WrongRule::NegationKeepsSum;
  }
  if (!isLogic(x)) return WrongRule::None;
  if (distributes(x, y, false))
    return x.op == Op::And ? WrongRule::HalfDistributed : WrongRule::WrongSideFactored;
  // a+~a*b -> b: the term and its negated letter both dropped.
  const Op inner = dual(x.op);
  for (std::size_t i = 0; i < x.kids.size(); ++i)
    for (std::size_t j = 0; j < x.kids.size(); ++j) {
      if (i == j || x.kids[j].op != inner) continue;
      Kids rest;
      for (const Expr& k : x.kids[j].kids)
        if (!isNegationOf(k, x.kids[i])) rest.push_back(k);
      if (rest.size() + 1 != x.kids[j].kids.size()) continue;
      const Expr shortened = joined(inner, rest);
      if (same(edited(x, j, &shortened, i), y)) return WrongRule::DroppedLetter;
    }
  return WrongRule::None;
}

}  // namespace ronri
