// Derivations by the laws: every line equal to the one before, each marked
// step an instance of its law, the last line the conversion window's minimum.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "core/teaching/derivation.h"

namespace ronri {
namespace {

std::string randomExpression(std::mt19937& rng, int n, int operators) {
  static const std::string ops = "*+$|@%";
  std::uniform_int_distribution<int> letter(0, n - 1), op(0, 5), coin(0, 3);
  std::string e(1, char('a' + letter(rng)));
  for (int i = 0; i < operators; ++i) {
    const std::string x(1, char('a' + letter(rng)));
    e = coin(rng) == 0 ? "~(" + e + ")"
        : coin(rng)    ? "(" + e + ")" + ops[op(rng)] + x
                       : x + ops[op(rng)] + "(" + e + ")";
  }
  return e;
}

// The minimum as the conversion window shows it, in display form.
std::string shownMinimum(const std::string& values, int n, bool productOfSums) {
  std::string ones, zeros;
  std::vector<std::string> patterns;
  for (int r = 0; r < (1 << n); ++r) {
    const std::string t = rowTerm(rowBits(r, n));
    (values[r] == '1' ? ones : zeros) += t;
    if (values[r] == '1') patterns.push_back(t.substr(0, t.size() - 1));
  }
  if (productOfSums) return wordchange(minimalProductOfSums(zeros, "", n).sum);
  if (ones.empty()) return "0";
  return wordchange(layout(useSC3(simplicity(patterns), ones, n)));
}

std::optional<Expr> partOf(const std::string& line, const std::vector<Span>& spans, size_t i) {
  if (i >= spans.size()) return std::nullopt;
  return parseExpr(line.substr(spans[i].begin, spans[i].length));
}

// The law's two sides against the marked parts, matched independently.
::testing::AssertionResult marksMatchLaw(const DerivationLine& before, const DerivationLine& l) {
  const auto from = partOf(before.text, l.source, 0);
  const auto to = partOf(l.text, l.rewritten, 0);
  const auto fail = [&](const char* why) {
    return ::testing::AssertionFailure() << why << ": " << before.text << " => " << l.text << " ("
                                         << lawInfo(*l.law).english << ")";
  };
  if (!from) return fail("no marked part");
  const Expr f = canonical(*from);
  switch (*l.law) {
    case Law::DoubleNegation:
      if (!to || f.op != Op::Not || f.kids[0].op != Op::Not ||
          !sameUpToOrder(f.kids[0].kids[0], *to))
        return fail("not ~~x => x");
      break;
    case Law::DeMorgan: {
      if (!to || f.op != Op::Not) return fail("not a negation");
      Expr expected = f.kids[0];
      expected.op = expected.op == Op::And ? Op::Or : Op::And;
      for (Expr& k : expected.kids) k = Expr::negate(k);
      // The new part may be spliced into a sum (product) of the same kind.
      if (!sameUpToOrder(expected, *to)) return fail("not De Morgan");
      break;
    }
    case Law::Combining:
    case Law::Absorption:
    case Law::Consensus: {
      const auto second = partOf(before.text, l.source, 1);
      if (!second) return fail("one marked term");
      if (truthValues(*from, 4) == truthValues(*second, 4)) return fail("equal terms");
      break;
    }
    default:
      break;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult derivesMinimum(const std::string& expression, int n, bool pos) {
  const Derivation d = derive(
      expression, n, pos ? DerivationTarget::ProductOfSums : DerivationTarget::SumOfProducts);
  if (d.status != Derivation::Done)
    return ::testing::AssertionFailure() << expression << ": status " << d.status;
  const std::string values = truthValues(*parseExpr(d.lines[0].text), n);
  std::string program;
  for (char v : evaluateRows(ReversePolishNotation(InsideExp(expression)), n)) program += v;
  if (values != program) return ::testing::AssertionFailure() << expression << ": rows differ";
  for (std::size_t i = 1; i < d.lines.size(); ++i) {
    const auto line = parseExpr(d.lines[i].text);
    if (!line || truthValues(*line, n) != values)
      return ::testing::AssertionFailure() << expression << ": line " << d.lines[i].text;
    if (d.lines[i].grouped == 0)
      if (auto r = marksMatchLaw(d.lines[i - 1], d.lines[i]); !r) return r;
  }
  const std::string minimum = shownMinimum(values, n, pos);
  if (!sameUpToOrder(*parseExpr(d.lines.back().text), *parseExpr(minimum)))
    return ::testing::AssertionFailure()
           << expression << ": ends at " << d.lines.back().text << ", not " << minimum;
  return ::testing::AssertionSuccess();
}

TEST(Derivation, EveryLineFollowsByItsLawToTheShownMinimum) {
  int sample = 2000;
  if (const char* s = std::getenv("RONRI_CROSSCHECK_SAMPLE")) sample = 2000 / std::max(1, atoi(s));
  std::mt19937 rng(39);
  for (int n = 1; n <= 3; ++n)
    for (int f = 0; f < (1 << (1 << n)); ++f) {
      std::string sum;
      for (int r = 0; r < (1 << n); ++r)
        if ((f >> r) & 1)
          sum += (sum.empty() ? "" : "+") + wordchange(layout(rowTerm(rowBits(r, n)).substr(0, n)));
      if (sum.empty()) sum = "a*~a";
      for (bool pos : {false, true}) {
        EXPECT_TRUE(derivesMinimum(sum, n, pos));
        EXPECT_TRUE(derivesMinimum(randomExpression(rng, n, 4), n, pos));
      }
    }
  for (int i = 0; i < sample; ++i) {
    const std::string e = randomExpression(rng, 4, 1 + i % 12);
    for (bool pos : {false, true}) ASSERT_TRUE(derivesMinimum(e, 4, pos));
  }
}

}  // namespace
}  // namespace ronri
