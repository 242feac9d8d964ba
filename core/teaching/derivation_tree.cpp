// The tree phases of a derivation: the definitions of @ % $ |, De Morgan
// inwards with double negation, then distribution to two levels.
#include <functional>

#include "core/teaching/derivation_log.h"

namespace ronri {
namespace {

using Finder = std::function<bool(const Expr&)>;

bool findPostOrder(const Expr& e, const Finder& wanted, Path& path) {
  for (std::size_t i = 0; i < e.kids.size(); ++i) {
    path.push_back(static_cast<int>(i));
    if (findPostOrder(e.kids[i], wanted, path)) return true;
    path.pop_back();
  }
  return wanted(e);
}

bool findPreOrder(const Expr& e, const Finder& wanted, Path& path) {
  if (wanted(e)) return true;
  for (std::size_t i = 0; i < e.kids.size(); ++i) {
    path.push_back(static_cast<int>(i));
    if (findPreOrder(e.kids[i], wanted, path)) return true;
    path.pop_back();
  }
  return false;
}

const Expr& nodeAt(const Expr& root, const Path& path) {
  const Expr* e = &root;
  for (int i : path) e = &e->kids[i];
  return *e;
}

// Puts `with` at `path`; a sum inside a sum (product in a product) is merged
// into its parent. Logs the step with both spans.
bool replaceAndLog(DerivationLog& log, const Path& path, Expr with, Law law) {
  const Expr old = log.last();
  Expr root = old;
  const std::vector<Span> source{spanAt(old, path)};
  if (path.empty()) {
    root = flattened(with);
    return log.add(root, law, source, wholeLine(root));
  }
  Path parentPath(path.begin(), path.end() - 1);
  Expr* parent = &root;
  for (int i : parentPath) parent = &parent->kids[i];
  const int at = path.back();
  with = flattened(with);
  if ((with.op == Op::And || with.op == Op::Or) && with.op == parent->op) {
    const int count = static_cast<int>(with.kids.size());
    parent->kids.erase(parent->kids.begin() + at);
    parent->kids.insert(parent->kids.begin() + at, with.kids.begin(), with.kids.end());
    return log.add(root, law, source, {childrenSpan(root, parentPath, at, count)});
  }
  parent->kids[at] = std::move(with);
  return log.add(root, law, source, {spanAt(root, path)});
}

bool isDefined(const Expr& e) {
  return e.op == Op::Xor || e.op == Op::Xnor || e.op == Op::Nand || e.op == Op::Nor;
}

// The two-operand operator by its definition (left-associative chains one
// pair at a time, innermost first).
std::pair<Expr, Law> definition(const Expr& e) {
  const Expr& x = e.kids[0];
  const Expr& y = e.kids[1];
  const auto n = [](const Expr& k) { return Expr::negate(k); };
  switch (e.op) {
    case Op::Xor:
      return {Expr::node(Op::Or, {Expr::node(Op::And, {x, n(y)}), Expr::node(Op::And, {n(x), y})}),
              Law::XorDefinition};
    case Op::Xnor:
      return {Expr::node(Op::Or, {Expr::node(Op::And, {x, y}), Expr::node(Op::And, {n(x), n(y)})}),
              Law::XnorDefinition};
    case Op::Nand:
      return {n(Expr::node(Op::And, {x, y})), Law::NandDefinition};
    default:
      return {n(Expr::node(Op::Or, {x, y})), Law::NorDefinition};
  }
}

bool negationInside(const Expr& e) {
  return e.op == Op::Not &&
         (e.kids[0].op == Op::Not || e.kids[0].op == Op::And || e.kids[0].op == Op::Or);
}

// ~~x to x; ~(x*y*…) to ~x+~y+… and dually.
std::pair<Expr, Law> pushedInward(const Expr& e) {
  const Expr& k = e.kids[0];
  if (k.op == Op::Not) return {k.kids[0], Law::DoubleNegation};
  std::vector<Expr> negated;
  for (const Expr& x : k.kids) negated.push_back(Expr::negate(x));
  return {Expr::node(k.op == Op::And ? Op::Or : Op::And, std::move(negated)), Law::DeMorgan};
}

// inner[…, outer[d…], …] to outer[inner[…, d, …]…] over the first outer operand.
Expr distributed(const Expr& e, Op outer) {
  std::size_t i = 0;
  while (e.kids[i].op != outer) ++i;
  std::vector<Expr> terms;
  for (const Expr& d : e.kids[i].kids) {
    Expr t = e;
    t.kids[i] = d;
    terms.push_back(flattened(t));
  }
  return Expr::node(outer, std::move(terms));
}

constexpr int kMaxSingleDistributions = 6;

bool distribute(DerivationLog& log, Op inner, Op outer) {
  const auto wanted = [&](const Expr& e) {
    if (e.op != inner) return false;
    for (const Expr& k : e.kids)
      if (k.op == outer) return true;
    return false;
  };
  // Made on a side log first: long expansions become one line.
  DerivationLog side(log.last(), variableCount(log.last()));
  int steps = 0;
  for (Path path; findPostOrder(side.last(), wanted, path); path.clear(), ++steps)
    if (!replaceAndLog(side, path, distributed(nodeAt(side.last(), path), outer),
                       Law::Distributive))
      return false;
  if (steps == 0) return true;
  if (steps <= kMaxSingleDistributions) {
    for (std::size_t i = 1; i < side.lines().size(); ++i) {
      DerivationLine& l = side.lines()[i];
      if (!log.add(flattened(*parseExpr(l.text)), Law::Distributive, l.source, l.rewritten))
        return false;
    }
    return true;
  }
  const Expr& last = side.last();
  const int terms = last.op == outer ? static_cast<int>(last.kids.size()) : 1;
  return log.add(last, Law::Distributive, wholeLine(log.last()), wholeLine(last), terms);
}

}  // namespace

// Past these the tree phases would fill pages (and seconds): the line goes
// to its row expansion instead.
constexpr long long kMaxNodesAfterDefinitions = 120;
constexpr long long kMaxDistributedTerms = 32;

bool rewriteToTwoLevels(DerivationLog& log, bool productOfSums) {
  if (sizeAfterDefinitions(log.last()) > kMaxNodesAfterDefinitions)
    return expandRows(log, productOfSums);
  Path path;
  for (; findPostOrder(log.last(), isDefined, path); path.clear()) {
    auto [with, law] = definition(nodeAt(log.last(), path));
    if (!replaceAndLog(log, path, std::move(with), law)) return false;
  }
  for (; findPreOrder(log.last(), negationInside, path); path.clear()) {
    auto [with, law] = pushedInward(nodeAt(log.last(), path));
    if (!replaceAndLog(log, path, std::move(with), law)) return false;
  }
  const Op inner = productOfSums ? Op::Or : Op::And;
  const Op outer = productOfSums ? Op::And : Op::Or;
  if (termsAfterDistribution(log.last(), inner, outer) > kMaxDistributedTerms)
    return expandRows(log, productOfSums);
  return distribute(log, inner, outer);
}

}  // namespace ronri
