// One expression, every form the program derives from it: the table, the
// canonical sum of products and product of sums, the smallest sum, the four
// NAND/NOR rewritings, and the circuit drawn in both gate modes (from the
// expression and from its smallest sum) must all have one truth table, the
// one an independent evaluator gives for the expression.
//
// RONRI_CROSSCHECK_SAMPLE=k runs every k-th expression only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "circuit/compress.h"
#include "circuit/diagram_reader.h"
#include "circuit/layout_engine.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/gateset.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "support/crosscheck_oracle.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

using test::sampleStep;

using test::Table;

// A random expression as the buttons build it: every operator, negated
// letters, negated groups, double negations, and operator chains without
// parentheses so that the binding levels matter.
std::string randomExpression(std::mt19937& rng, int n, int budget) {
  auto pick = [&](int k) { return int(rng() % unsigned(k)); };
  auto negations = [&] {
    const int r = pick(10);
    return std::string(r < 6 ? 0 : r < 9 ? 1 : 2, '~');
  };
  if (budget <= 1) return negations() + char('a' + pick(n));
  std::string e;
  const int parts = 2 + pick(std::min(budget, 4) - 1);
  for (int i = 0; i < parts; ++i) {
    if (i) e += "*+$|@%"[pick(6)];
    const int share = std::max(1, budget / parts);
    const std::string sub = randomExpression(rng, n, share);
    e += share > 1 || pick(4) == 0 ? negations() + "(" + sub + ")" : sub;
  }
  return e;
}

std::string tableText(const Table& t, int n) {
  std::string s;
  for (int r = 0; r < (1 << n); ++r) s += t[size_t(r)] ? '1' : '0';
  return s;
}

// The table of a form; "malformed" when the evaluator cannot read it.
std::string tableOf(const std::string& form, int n) {
  const auto t = test::evaluateInfix(form, n);
  return t ? tableText(*t, n) : "malformed: " + form;
}

bool usesOnly(const std::string& text, std::string_view allowed) {
  for (char c : text)
    if (!isVariable(c) && allowed.find(c) == std::string_view::npos) return false;
  return true;
}

TEST(CrosscheckFormsSlow, EveryFormOfAnExpressionHasItsTruthTable) {
  std::mt19937 rng(7122026);
  const int step = sampleStep();
  for (int i = 0; i < 400; ++i) {
    const int n = 1 + int(rng() % 10);
    const std::string e = randomExpression(rng, n, 2 + int(rng() % 13));
    if (i % step != 0) continue;
    SCOPED_TRACE("n=" + std::to_string(n) + " " + e);
    const auto truth = test::evaluateInfix(e, n);
    ASSERT_TRUE(truth) << "generator made a malformed expression";
    const std::string want = tableText(*truth, n);

    const std::string folded = InsideExp(e);
    ASSERT_EQ(checkExp(folded), " ");
    const TruthTable t = createTable(folded, n);
    ASSERT_EQ(t.results, want);

    if (!t.oneTerms.empty()) EXPECT_EQ(tableOf(wordchange(layout(t.oneTerms)), n), want);
    if (!t.zeroTerms.empty()) EXPECT_EQ(tableOf(wordchange(layoutPlus(t.zeroTerms)), n), want);

    std::vector<std::string> minterms;
    for (size_t p = 0; p < t.oneTerms.size(); p += size_t(n) + 1)
      minterms.push_back(t.oneTerms.substr(p, size_t(n)));
    const std::string smallest = useSC3(simplicity(minterms), t.oneTerms, n);
    EXPECT_EQ(tableOf(wordchange(layout(smallest)), n), want) << smallest;

    const std::string nandNot = toNandNot(t.rpn), norNot = toNorNot(t.rpn);
    const std::string nandOnly = toNandOnly(nandNot), norOnly = toNorOnly(norNot);
    EXPECT_TRUE(usesOnly(nandNot, "~$()")) << nandNot;
    EXPECT_TRUE(usesOnly(norNot, "~|()")) << norNot;
    EXPECT_TRUE(usesOnly(nandOnly, "$()")) << nandOnly;
    EXPECT_TRUE(usesOnly(norOnly, "|()")) << norOnly;
    EXPECT_EQ(tableOf(nandNot, n), want);
    EXPECT_EQ(tableOf(norNot, n), want);
    EXPECT_EQ(tableOf(nandOnly, n), want);
    EXPECT_EQ(tableOf(norOnly, n), want);

    CompressCache cache;
    const Compressed compressed = compressExpression(t.oneTerms, n, true, cache);
    ASSERT_FALSE(compressed.failed);
    for (bool two : {true, false}) {
      EXPECT_EQ(test::drawnTable(t.rpn, n, two), want) << (two ? "2-input" : "2-4-input");
      if (!compressed.constant)
        EXPECT_EQ(test::drawnTable(compressed.rpn, n, two), want)
            << "compressed " << compressed.caption << (two ? " 2-input" : " 2-4-input");
    }
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace ronri
