// The step checker: finds where two lines differ (operands of one sum or
// product, with up to two kept operands as context for laws that need them),
// then tries the named law both ways and the wrong rules forwards there.
#include "core/teaching/step_check.h"

#include <algorithm>

#include "core/teaching/minimum_source.h"

namespace ronri {
namespace {

struct Candidate {
  Expr x, y;
  std::vector<Path> from, to;
};

Expr joinedKids(const Expr& e, const std::vector<int>& at) {
  if (at.size() == 1) return e.kids[at[0]];
  std::vector<Expr> kids;
  for (int i : at) kids.push_back(e.kids[i]);
  return Expr::node(e.op, std::move(kids));
}

std::vector<Path> pathsOf(const Path& base, const std::vector<int>& at) {
  std::vector<Path> out;
  for (int i : at) {
    Path p = base;
    p.push_back(i);
    out.push_back(p);
  }
  return out;
}

void collect(const Expr& a, const Expr& b, const Path& path, std::vector<Candidate>& out);

// Operands of a and b matched up to order; what is left, with contexts.
void collectOperands(const Expr& a, const Expr& b, const Path& path, std::vector<Candidate>& out) {
  std::vector<int> restA, restB, keptA, keptB;
  std::vector<bool> used(b.kids.size(), false);
  for (std::size_t i = 0; i < a.kids.size(); ++i) {
    std::size_t j = 0;
    while (j < b.kids.size() && (used[j] || !sameUpToOrder(a.kids[i], b.kids[j]))) ++j;
    if (j == b.kids.size()) {
      restA.push_back(static_cast<int>(i));
      continue;
    }
    used[j] = true;
    keptA.push_back(static_cast<int>(i));
    keptB.push_back(static_cast<int>(j));
  }
  for (std::size_t j = 0; j < b.kids.size(); ++j)
    if (!used[j]) restB.push_back(static_cast<int>(j));
  if (restA.size() == 1 && restB.size() == 1) {
    Path inner = path;
    inner.push_back(restA[0]);
    collect(a.kids[restA[0]], b.kids[restB[0]], inner, out);
  }
  const int k = static_cast<int>(keptA.size());
  // No context, one kept operand, or two.
  std::vector<std::pair<int, int>> contexts{{-1, -1}};
  for (int c1 = 0; c1 < k; ++c1) {
    contexts.push_back({c1, -1});
    for (int c2 = c1 + 1; c2 < k; ++c2) contexts.push_back({c1, c2});
  }
  for (auto [c1, c2] : contexts) {
    std::vector<int> fa = restA, fb = restB;
    for (int c : {c1, c2})
      if (c >= 0) fa.push_back(keptA[c]), fb.push_back(keptB[c]);
    if (fa.empty() || fb.empty()) continue;
    std::sort(fa.begin(), fa.end());
    std::sort(fb.begin(), fb.end());
    out.push_back({joinedKids(a, fa), joinedKids(b, fb), pathsOf(path, fa), pathsOf(path, fb)});
  }
}

void collect(const Expr& a, const Expr& b, const Path& path, std::vector<Candidate>& out) {
  if (sameUpToOrder(a, b)) return;
  if (a.op == b.op && (a.op == Op::And || a.op == Op::Or)) {
    collectOperands(a, b, path, out);
    return;
  }
  if (a.op == b.op && a.kids.size() == b.kids.size()) {
    int differing = -1, count = 0;
    for (std::size_t i = 0; i < a.kids.size(); ++i)
      if (!sameUpToOrder(a.kids[i], b.kids[i])) differing = static_cast<int>(i), ++count;
    if (count == 1) {
      Path inner = path;
      inner.push_back(differing);
      collect(a.kids[differing], b.kids[differing], inner, out);
    }
  }
  out.push_back({a, b, {path}, {path}});
}

std::vector<Span> spansOf(const Expr& root, const std::vector<Path>& paths) {
  std::vector<Span> out;
  for (const Path& p : paths) out.push_back(spanAt(root, p));
  return out;
}

// As few terms and letters as the smallest sum of products of the same rows.
bool isMinimum(const Expr& e, int n) {
  int terms = 0, letters = 0;
  for (const Expr& t : e.op == Op::Or ? e.kids : std::vector<Expr>{e}) {
    ++terms;
    for (const Expr& l : t.op == Op::And ? t.kids : std::vector<Expr>{t}) {
      const bool literal = l.op == Op::Var || (l.op == Op::Not && l.kids[0].op == Op::Var);
      if (!literal && !(l.op == Op::Const && e.op != Op::Or && t.op != Op::And)) return false;
      letters += literal;
    }
  }
  const std::vector<Term> minimum = minimalSumTerms(truthValues(e, n), n);
  if (e.op == Op::Const) return minimum.empty() == (e.value == 0);
  int minLetters = 0;
  for (const Term& t : minimum) minLetters += static_cast<int>(t.size());
  return terms == static_cast<int>(minimum.size()) && letters == minLetters;
}

}  // namespace

StepVerdict checkStep(std::string_view line, std::string_view next, Law law) {
  StepVerdict v;
  const auto a = parseExpr(line), b = parseExpr(next);
  if (!a || !b) return v;
  v.readable = true;
  const Expr fa = flattened(*a), fb = flattened(*b);
  v.before = printExpr(fa);
  v.after = printExpr(fb);
  const int n = std::max({1, variableCount(fa), variableCount(fb)});
  if (n > 10) return v;
  v.equal = truthValues(fa, n) == truthValues(fb, n);
  v.minimum = v.equal && isMinimum(fb, n);
  if (sameUpToOrder(fa, fb)) {
    const bool regrouped = fa == fb;  // only the parentheses moved
    v.lawApplies =
        printExpr(*a) != printExpr(*b) && law == (regrouped ? Law::Associative : Law::Commutative);
    v.source = {spanAt(fa, {})};
    v.rewritten = {spanAt(fb, {})};
    return v;
  }
  std::vector<Candidate> found;
  collect(fa, fb, {}, found);
  const Candidate* where = found.empty() ? nullptr : &found.front();
  for (const Candidate& c : found)
    if (lawRewrites(law, canonical(c.x), canonical(c.y)) ||
        lawRewrites(law, canonical(c.y), canonical(c.x))) {
      v.lawApplies = true;
      where = &c;
      break;
    }
  if (!v.lawApplies)
    for (const Candidate& c : found)
      if (WrongRule r = wrongRuleRewriting(canonical(c.x), canonical(c.y)); r != WrongRule::None) {
        v.wrongRule = r;
        where = &c;
        break;
      }
  if (where) {
    v.source = spansOf(fa, where->from);
    v.rewritten = spansOf(fb, where->to);
  }
  return v;
}

}  // namespace ronri
