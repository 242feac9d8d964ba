// The longest expressions the main window can build and nesting 10,000 deep,
// through every pure function that takes an expression: nothing may crash or
// run out of stack, and the values must still be right.
//
// The entry field has no maximum length of its own, so it holds at most the
// 32,767 characters of the toolkit's default; files may bring longer entries,
// which the same functions take.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/cover/simplify.h"
#include "core/draw/notation.h"
#include "core/expression/expression.h"
#include "core/expression/gateset.h"
#include "core/expression/rpn.h"
#include "core/table/expression_file.h"
#include "core/table/truthtable.h"
#include "support/crosscheck_oracle.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

using ::testing::AnyOf;

constexpr size_t kLongest = 32767;
constexpr int kDeep = 10000;

std::string repeat(std::string_view s, int times) {
  std::string out;
  out.reserve(s.size() * size_t(times));
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

// a*b+c*d+... over ten variables, exactly kLongest characters.
std::string longFlat() {
  std::string e = "a";
  for (int i = 1; e.size() + 2 <= kLongest; ++i) {
    e += "*+$|@%"[i % 6];
    e += char('a' + i % 10);
  }
  return e;
}

struct Deep {
  const char* name;
  std::string text;
  std::string sameAs;  // a short expression of the same function
};

std::vector<Deep> deepExpressions() {
  return {
      // An even number of negated groups around a+b.
      {"negated groups", repeat("~(", kDeep) + "a+b" + repeat(")", kDeep), "a+b"},
      {"plain groups", repeat("(", kDeep) + "a*~b" + repeat(")", kDeep), "a*~b"},
      // a*(b+(a*(b+...))): every operand waits on the stack.
      {"right nesting", repeat("a*(b+(", kDeep / 2) + "c" + repeat("))", kDeep / 2), "a*(b+c)"},
      {"negation run", repeat("~", 2 * kDeep + 1) + "a+b", "~a+b"},
  };
}

void expectWholePipeline(const std::string& e, const std::string& sameAs, int n) {
  const std::string folded = InsideExp(e);
  EXPECT_EQ(checkExp(folded), " ");
  (void)wordchange(folded);
  const std::string rpn = ReversePolishNotation(folded);
  const std::vector<char> values = evaluateRows(rpn, n);
  const std::vector<char> expected = evaluateRows(ReversePolishNotation(InsideExp(sameAs)), n);
  EXPECT_EQ(values, expected);
  for (int r : {0, (1 << n) - 1})
    EXPECT_EQ(valueOf(change(AtoA(rpn, rowBits(r, n), n))), values[size_t(r)]);

  const TruthTable t = createTable(folded, n);
  EXPECT_EQ(t.results, std::string(values.begin(), values.end()));
  (void)layoutPlus(t.zeroTerms);
  (void)layout(t.oneTerms);

  std::vector<std::string> minterms;
  for (size_t p = 0; p < t.oneTerms.size(); p += size_t(n) + 1)
    minterms.push_back(t.oneTerms.substr(p, size_t(n)));
  const std::string smallest = useSC3(simplicity(minterms), t.oneTerms, n);
  EXPECT_EQ(evaluateRows(ReversePolishNotation(layout(smallest)), n), values);

  // The rewritings either give the function or say the text is too long.
  for (bool nand : {true, false}) {
    const Rewritten w = rewriteWithNot(rpn, nand);
    ASSERT_THAT(w.status, AnyOf(RewriteStatus::Ok, RewriteStatus::TooLong));
    if (w.status != RewriteStatus::Ok) continue;
    // (The test's own evaluator recurses, so the program's evaluates here.)
    EXPECT_EQ(evaluateRows(ReversePolishNotation(InsideExp(w.text)), n), values);
    const Rewritten o = rewriteOnly(w.text, nand);
    ASSERT_THAT(o.status, AnyOf(RewriteStatus::Ok, RewriteStatus::TooLong));
    if (o.status == RewriteStatus::Ok)
      EXPECT_EQ(evaluateRows(ReversePolishNotation(o.text), n), values);
  }

  test::RecordingSurface s;
  drawNotation(s, wordchange(folded));
  const NotationSize size = notationSize(wordchange(folded));
  EXPECT_GT(size.width, 0);
  for (const auto& c : s.calls) EXPECT_GE(c.y1, 0) << test::describe(c);

  // Stored in a file and read back.
  const ExpressionFileContents back = readExpressionFile(expressionFileText({e + " 9"}));
  ASSERT_EQ(back.entries.size(), 1u);
  EXPECT_EQ(back.entries[0], e + " 9");
}

TEST(CrosscheckDeepInput, TheLongestExpressionOfTheEntryField) {
  const std::string e = longFlat();
  ASSERT_EQ(e.size(), kLongest);
  // Its function by the independent evaluator.
  const auto table = test::evaluateInfix(e, 10);
  ASSERT_TRUE(table);
  std::string want;
  for (int r = 0; r < 1024; ++r) want += (*table)[size_t(r)] ? '1' : '0';
  const std::vector<char> values = evaluateRows(ReversePolishNotation(InsideExp(e)), 10);
  EXPECT_EQ(std::string(values.begin(), values.end()), want);
  expectWholePipeline(e, e, 10);
}

TEST(CrosscheckDeepInput, NestingTenThousandDeep) {
  for (const Deep& d : deepExpressions()) {
    SCOPED_TRACE(d.name);
    expectWholePipeline(d.text, d.sameAs, 3);
  }
}

TEST(CrosscheckDeepInput, RewritingsOfDeepNegationStayWithinTheirLimit) {
  // NOT x as (x$x) doubles x at every level: the NAND-only text of a deep
  // negation is refused as too long, never built.
  const std::string rpn = "a" + repeat("~", kDeep);
  const Rewritten w = rewriteWithNot(rpn, true);
  ASSERT_EQ(w.status, RewriteStatus::Ok);
  EXPECT_EQ(w.text, "a");
  const std::string alternating =
      ReversePolishNotation(InsideExp(repeat("~(a$", kDeep) + "b" + repeat(")", kDeep)));
  for (bool nand : {true, false}) {
    const Rewritten with = rewriteWithNot(alternating, nand);
    ASSERT_THAT(with.status, AnyOf(RewriteStatus::Ok, RewriteStatus::TooLong));
    if (with.status == RewriteStatus::Ok) {
      const Rewritten only = rewriteOnly(with.text, nand);
      EXPECT_THAT(only.status, AnyOf(RewriteStatus::Ok, RewriteStatus::TooLong));
      EXPECT_LE(only.text.size(), kMaxRewriteLength);
    }
  }
}

}  // namespace
}  // namespace ronri
