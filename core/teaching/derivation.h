#pragma once
// A derivation by the laws, one law a line, from an expression to the
// smallest sum of products (or product of sums) the conversion window shows.
// Strategy: definitions of @ % $ | → De Morgan inwards, double negation →
// distribute → idempotence, complement, null, identity, absorption, combining
// and consensus among the terms → if the minimum is not reached yet, expand
// to minterms (one grouped line), duplicate the minterms two primes share
// (冪等則) and build each chosen prime by combining.
//
// Grouping: more than 6 distributions are one line "分配則で展開: k 項"; more
// than 6 duplications one line; more than 24 combinings one line per prime.
// When writing out @ % $ | would pass 120 nodes, or distributing would pass
// 32 terms (sums), the line goes at once to its minterms (maxterms), one
// grouped line. So a 4-variable derivation stays within about 40 lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/expression/expr_tree.h"
#include "core/teaching/laws.h"

namespace ronri {

struct DerivationLine {
  std::string text;        // the program's notation
  std::optional<Law> law;  // none on the first line
  // > 0: stands for several applications; the count shown (the terms of an
  // expansion, which has none when it ends at the constant 0 or 1).
  int grouped = 0;
  std::vector<Span> source;     // the rewritten part in the line before
  std::vector<Span> rewritten;  // what it became in this line
};

// The count a grouped line's label shows: an expansion that ends at a
// constant has no terms left.
inline int groupedCount(const DerivationLine& l) {
  const bool constant = l.text == "0" || l.text == "1";
  return l.law == Law::Distributive && constant ? 0 : l.grouped;
}

enum class DerivationTarget { SumOfProducts, ProductOfSums };

struct Derivation {
  enum Status { Done, Unreadable, Fault };
  Status status = Unreadable;
  std::vector<DerivationLine> lines;
};

// `expression` in the program's notation (no constants), over n variables
// (at least those it uses, at most 10). Every line is checked equal to the
// one before by its truth table; a failed check ends in Fault.
Derivation derive(std::string_view expression, int n, DerivationTarget target);

}  // namespace ronri
