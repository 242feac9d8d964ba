// The term phases of a derivation: tidying the two-level form, then
// building the chosen primes by combining.
#include <algorithm>
#include <set>

#include "core/teaching/derivation_log.h"
#include "core/teaching/minimum_source.h"

namespace ronri {
namespace {

constexpr int kInnerZero = -1;  // 0 inside a product (1 inside a sum)
constexpr int kOuterOne = -2;   // 1 as a whole sum (0 as a whole product)
constexpr int kMaxSingleDuplications = 6;
constexpr int kMaxSingleCombinings = 24;

class Terms {
 public:
  Terms(DerivationLog& log, bool pos) : log_(log), pos_(pos) {}
  std::vector<Term> list;

  Expr expr(const std::vector<Term>& terms) const {
    if (terms.empty()) return Expr::constant(pos_ ? 1 : 0);
    if (terms.size() == 1) return termExpr(terms[0]);
    std::vector<Expr> kids;
    for (const Term& t : terms) kids.push_back(termExpr(t));
    return Expr::node(pos_ ? Op::And : Op::Or, std::move(kids));
  }
  // Logs `next` with the spans of the terms at `from` (old) and `to` (new).
  bool commit(std::vector<Term> next, Law law, const std::vector<int>& from,
              const std::vector<int>& to, int grouped = 0) {
    const Expr before = expr(list), after = expr(next);
    const bool ok = log_.add(after, law, spans(before, list.size(), from),
                             spans(after, next.size(), to), grouped);
    list = std::move(next);
    return ok;
  }
  bool wholeStep(std::vector<Term> next, Law law, int grouped) {
    const Expr before = expr(list), after = expr(next);
    list = std::move(next);
    return log_.add(after, law, wholeLine(before), wholeLine(after), grouped);
  }

 private:
  Expr literal(const Literal& l) const {
    if (l.var == kInnerZero) return Expr::constant(pos_ ? 1 : 0);
    if (l.var == kOuterOne) return Expr::constant(pos_ ? 0 : 1);
    return l.negated ? Expr::negate(Expr::var(l.var)) : Expr::var(l.var);
  }
  Expr termExpr(const Term& t) const {
    if (t.size() == 1) return literal(t[0]);
    std::vector<Expr> kids;
    for (const Literal& l : t) kids.push_back(literal(l));
    return Expr::node(pos_ ? Op::Or : Op::And, std::move(kids));
  }
  static std::vector<Span> spans(const Expr& e, std::size_t size, const std::vector<int>& at) {
    std::vector<Span> out;
    for (int i : at) out.push_back(size == 1 ? spanAt(e, {}) : spanAt(e, {i}));
    return out;
  }
  DerivationLog& log_;
  bool pos_;
};

std::set<Literal> setOf(const Term& t) {
  return {t.begin(), t.end()};
}
bool subset(const Term& a, const Term& b) {
  const auto sb = setOf(b);
  return std::all_of(a.begin(), a.end(), [&](const Literal& l) { return sb.count(l); });
}
// The variable in which a and b differ, when they are equal but for its sign.
int oneSignApart(const Term& a, const Term& b) {
  if (a.size() != b.size()) return -3;
  int var = -3;
  for (const Literal& l : a) {
    if (setOf(b).count(l)) continue;
    if (var != -3 || l.var < 0 || !setOf(b).count({l.var, !l.negated})) return -3;
    var = l.var;
  }
  return var;
}
Term without(Term t, int var) {
  std::erase_if(t, [&](const Literal& l) { return l.var == var; });
  return t;
}

// One tidying step inside a term; false when none applies.
bool tidyTerm(Terms& s, bool& ok) {
  for (std::size_t i = 0; i < s.list.size(); ++i) {
    Term t = s.list[i];
    const int at = static_cast<int>(i);
    for (std::size_t j = 0; j < t.size(); ++j)
      for (std::size_t k = j + 1; k < t.size(); ++k) {
        if (t[j].var < 0 || t[j].var != t[k].var) continue;
        const Law law = t[j] == t[k] ? Law::Idempotent : Law::Complement;
        if (law == Law::Complement) t[j] = {kInnerZero, false};
        t.erase(t.begin() + k);
        auto next = s.list;
        next[i] = t;
        return ok = s.commit(next, law, {at}, {at}), true;
      }
    const bool zero = std::any_of(t.begin(), t.end(), [](auto& l) { return l.var == kInnerZero; });
    if (zero && t.size() > 1) {
      auto next = s.list;
      next[i] = {{kInnerZero, false}};
      return ok = s.commit(next, Law::Null, {at}, {at}), true;
    }
    if (zero && s.list.size() > 1) {
      auto next = s.list;
      next.erase(next.begin() + at);
      return ok = s.commit(next, Law::Identity, {at}, {}), true;
    }
    if (t[0].var == kOuterOne && s.list.size() > 1)
      return ok = s.commit({t}, Law::Null, {at}, {0}), true;
  }
  return false;
}

// One step between two terms: idempotence, absorption, combining.
bool tidyPair(Terms& s, bool& ok) {
  for (std::size_t i = 0; i < s.list.size(); ++i)
    for (std::size_t j = 0; j < s.list.size(); ++j) {
      if (i == j) continue;
      const Term &a = s.list[i], &b = s.list[j];
      const int ai = static_cast<int>(i), bj = static_cast<int>(j);
      if (subset(a, b)) {  // a+a*x = a, a+a = a: drop b
        auto next = s.list;
        next.erase(next.begin() + bj);
        const Law law = setOf(a) == setOf(b) ? Law::Idempotent : Law::Absorption;
        return ok = s.commit(next, law, {ai, bj}, {ai < bj ? ai : ai - 1}), true;
      }
      const int var = i < j ? oneSignApart(a, b) : -3;
      if (var >= 0) {
        auto next = s.list;
        Term merged = without(a, var);
        const Law law = merged.empty() ? Law::Complement : Law::Combining;
        if (merged.empty()) merged = {{kOuterOne, false}};
        next[i] = merged;
        next.erase(next.begin() + bj);
        return ok = s.commit(next, law, {ai, bj}, {ai}), true;
      }
    }
  return false;
}

// Drops a term the minimum does not keep that is the consensus of two others.
bool dropConsensus(Terms& s, const std::vector<Term>& target, bool& ok) {
  std::set<std::set<Literal>> kept;
  for (const Term& t : target) kept.insert(setOf(t));
  for (std::size_t k = 0; k < s.list.size(); ++k) {
    if (kept.count(setOf(s.list[k]))) continue;
    for (std::size_t i = 0; i < s.list.size(); ++i)
      for (std::size_t j = 0; j < s.list.size(); ++j) {
        if (i == k || j == k || i == j) continue;
        for (const Literal& l : s.list[i]) {
          if (l.var < 0 || !setOf(s.list[j]).count({l.var, !l.negated})) continue;
          std::set<Literal> both;
          for (const Literal& x : without(s.list[i], l.var)) both.insert(x);
          for (const Literal& x : without(s.list[j], l.var)) both.insert(x);
          if (both != setOf(s.list[k])) continue;
          auto next = s.list;
          next.erase(next.begin() + k);
          const auto shift = [&](std::size_t x) { return static_cast<int>(x > k ? x - 1 : x); };
          return ok = s.commit(next, Law::Consensus,
                               {static_cast<int>(i), static_cast<int>(j), static_cast<int>(k)},
                               {shift(i), shift(j)}),
                 true;
        }
      }
  }
  return false;
}

bool reached(const std::vector<Term>& list, const std::vector<Term>& target) {
  if (target.empty())
    return list.empty() || (list.size() == 1 && list[0] == Term{{kInnerZero, false}});
  if (target.size() == 1 && target[0].empty())
    return list.size() == 1 && list[0] == Term{{kOuterOne, false}};
  std::multiset<std::set<Literal>> a, b;
  for (const Term& t : list) a.insert(setOf(t));
  for (const Term& t : target) b.insert(setOf(t));
  return a == b;
}

// Owners: each minterm instance goes to a prime; a minterm two primes need is
// first copied by 冪等則 (one grouped line when there are many).
bool duplicateShared(Terms& s, const std::vector<Term>& target, std::vector<int>& owner) {
  std::vector<Term> next;
  std::vector<std::pair<int, int>> duplications;  // index in the old list, copies
  for (std::size_t i = 0; i < s.list.size(); ++i) {
    int copies = 0;
    for (std::size_t p = 0; p < target.size(); ++p)
      if (subset(target[p], s.list[i])) {
        next.push_back(s.list[i]);
        owner.push_back(static_cast<int>(p));
        ++copies;
      }
    if (copies > 1) duplications.push_back({static_cast<int>(i), copies});
  }
  if (static_cast<int>(duplications.size()) > kMaxSingleDuplications) {
    if (!s.wholeStep(next, Law::Idempotent, static_cast<int>(next.size()))) return false;
  } else {
    int shift = 0;
    for (auto [i, copies] : duplications) {
      auto step = s.list;
      step.insert(step.begin() + i + shift + 1, copies - 1, step[i + shift]);
      std::vector<int> made;
      for (int c = 0; c < copies; ++c) made.push_back(i + shift + c);
      if (!s.commit(step, Law::Idempotent, {i + shift}, made)) return false;
      shift += copies - 1;
    }
  }
  return true;
}

bool buildPrimes(Terms& s, const std::vector<Term>& target);

}  // namespace

bool rewriteTermsToMinimum(DerivationLog& log, bool pos, int n) {
  Terms s(log, pos);
  // Read the two-level line as terms.
  const Expr& e = log.last();
  if (e.op == Op::Const) return true;  // a row expansion with no rows: 0 or 1
  const Op outer = pos ? Op::And : Op::Or;
  const auto termOf = [&](const Expr& t) {
    Term out;
    for (const Expr& l : t.op == (pos ? Op::Or : Op::And) ? t.kids : std::vector<Expr>{t})
      out.push_back(l.op == Op::Not ? Literal{l.kids[0].value, true} : Literal{l.value, false});
    return out;
  };
  if (e.op == outer)
    for (const Expr& t : e.kids) s.list.push_back(termOf(t));
  else
    s.list.push_back(termOf(e));
  const std::string values = truthValues(e, n);
  const std::vector<Term> target = pos ? minimalProductSums(values, n) : minimalSumTerms(values, n);
  bool ok = true;
  // Past this many terms, tidying one step a line would fill pages: the
  // expansion to minterms below does it in one line.
  constexpr std::size_t kMaxTidiedTerms = 24;
  while (ok && s.list.size() <= kMaxTidiedTerms &&
         (tidyTerm(s, ok) || tidyPair(s, ok) || dropConsensus(s, target, ok))) {
  }
  if (!ok) return false;
  if (!reached(s.list, target) && !buildPrimes(s, target)) return false;
  // The minimum's own order of terms and letters.
  if (target.empty() || target[0].empty()) return true;
  if (printExpr(s.expr(s.list)) != printExpr(s.expr(target)))
    return s.wholeStep(target, Law::Commutative, 0);
  return true;
}

namespace {

// Every completion of t over the variables `vars`, each with its letters in
// variable order.
void completions(const Term& t, const std::vector<int>& vars, std::set<Term>& out) {
  Term base;
  for (int v : vars) {
    auto it = std::find_if(t.begin(), t.end(), [&](const Literal& l) { return l.var == v; });
    base.push_back(it != t.end() ? *it : Literal{v, false});
  }
  std::vector<std::size_t> free;
  for (std::size_t i = 0; i < vars.size(); ++i)
    if (std::none_of(t.begin(), t.end(), [&](const Literal& l) { return l.var == vars[i]; }))
      free.push_back(i);
  for (std::size_t m = 0; m < (std::size_t{1} << free.size()); ++m) {
    Term c = base;
    for (std::size_t f = 0; f < free.size(); ++f) c[free[f]].negated = (m >> f) & 1;
    out.insert(c);
  }
}

bool buildPrimes(Terms& s, const std::vector<Term>& target) {
  std::set<int> varSet;
  for (const Term& t : s.list)
    for (const Literal& l : t) varSet.insert(l.var);
  const std::vector<int> vars(varSet.begin(), varSet.end());
  std::set<Term> all;
  for (const Term& t : s.list) {
    // A term with x and ~x is 0 (補元則, 零元則 within the grouped line).
    const auto lits = setOf(t);
    if (std::none_of(t.begin(), t.end(), [&](auto& l) { return lits.count({l.var, !l.negated}); }))
      completions(t, vars, all);
  }
  // Already the minterms (a row expansion): no line that repeats it.
  const bool expanded =
      s.list.size() == all.size() &&
      std::all_of(s.list.begin(), s.list.end(), [&](auto& t) { return all.count(t); });
  // Grouped even when no term is left (every term had x and ~x): the line
  // stands for many steps, not for one distribution.
  if (!expanded && !s.wholeStep({all.begin(), all.end()}, Law::Distributive,
                                std::max(1, static_cast<int>(all.size()))))
    return false;
  std::vector<int> owner;
  if (!duplicateShared(s, target, owner)) return false;
  int combinings = 0;
  for (const Term& p : target) combinings += (1 << (vars.size() - p.size())) - 1;
  const bool grouped = combinings > kMaxSingleCombinings;
  for (std::size_t p = 0; p < target.size(); ++p) {
    const std::vector<Term> start = s.list;
    int made = 0;
    for (int v : vars) {
      if (std::any_of(target[p].begin(), target[p].end(), [&](auto& l) { return l.var == v; }))
        continue;
      for (std::size_t i = 0; i < s.list.size(); ++i) {
        if (owner[i] != static_cast<int>(p)) continue;
        for (std::size_t j = i + 1; j < s.list.size(); ++j) {
          if (owner[j] != static_cast<int>(p) || oneSignApart(s.list[i], s.list[j]) != v) continue;
          auto step = s.list;
          Term merged = without(step[i], v);
          const Law law = merged.empty() ? Law::Complement : Law::Combining;
          step[i] = merged.empty() ? Term{{kOuterOne, false}} : merged;
          step.erase(step.begin() + j);
          owner.erase(owner.begin() + j);
          ++made;
          if (grouped)
            s.list = step;
          else if (!s.commit(step, law, {int(i), int(j)}, {int(i)}))
            return false;
          break;
        }
      }
    }
    if (grouped && made > 0) {
      std::vector<Term> built = std::move(s.list);
      s.list = start;
      if (!s.wholeStep(std::move(built), Law::Combining, made)) return false;
    }
  }
  return reached(s.list, target);
}

}  // namespace
}  // namespace ronri
