#include "core/table/truthtable.h"

#include <gtest/gtest.h>

#include <random>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/term.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

TEST(TruthTable, ThreeVariableExample) {
  const TruthTable t = createTable("a*b+c", 3);
  EXPECT_EQ(t.rpn, "ab*c+");
  EXPECT_EQ(t.oneTerms, "noc+nbc+aoc+abp+abc+");
  EXPECT_EQ(t.zeroTerms, "nop+nbp+aop+");
  EXPECT_EQ(t.results, "01010111");
  EXPECT_EQ(t.allBits, "000001010011100101110111");
  EXPECT_EQ(layoutPlus(t.zeroTerms), "(a+b+c)*(a+o+c)*(n+b+c)");
  EXPECT_EQ(t.column.substr(0, 24), "0   0   0 \r\n0   0   1 \r\n");
}

TEST(TruthTable, AssignmentLinesAndRowBits) {
  EXPECT_EQ(assignmentLine(rowBits(5, 3)), "1   0   1 ");
  EXPECT_EQ(assignmentLine(rowBits(1, 1)), "1 ");
  EXPECT_EQ(rowBits(0, 4), "0000");
  EXPECT_EQ(rowBits(1023, 10), "1111111111");
  const TruthTable one = createTable("a*n", 1);
  EXPECT_EQ(one.column, "0 \r\n1 \r\n");
  EXPECT_EQ(one.results, "00");
  EXPECT_EQ(createTable("a+b*c*d*e*f*g*h*i*j", 10).allBits.size(), 10240u);
}

TEST(TruthTable, RowTermsUseThePlainLetterForOne) {
  EXPECT_EQ(rowTerm("001"), "noc+");
  EXPECT_EQ(rowTerm("101"), "aoc+");
  EXPECT_EQ(rowTerm("1 0x1"), "aoc+");               // only digits advance the position
  EXPECT_EQ(rowTerm("11111111111"), "abcdefghij+");  // positions stop at ten
}

// The term type against the oracle's own reading of letters: rows, texts and
// letters agree whichever way a term is made, for every variable count.
TEST(TruthTable, TermsAgreeWithRowsAndLetters) {
  std::mt19937 rng(37);
  for (int n = 1; n <= kMaxVariables; ++n) {
    for (int k = 0; k < n; ++k) {
      ASSERT_EQ(variableOf(plainLetter(k), n), k);
      ASSERT_EQ(variableOf(negatedLetter(k), n), k);
    }
    for (char c : std::string("kmxzA~+") + plainLetter(n) + negatedLetter(n))
      ASSERT_EQ(variableOf(c, n), -1) << c << " of " << n;
    for (int r = 0; r < (1 << n); r += 1 + r / 3) {
      const Term row = Term::ofRow(r, n);
      ASSERT_EQ(row.text(n) + "+", rowTerm(rowBits(r, n)));
      ASSERT_EQ(row.pattern(n), rowBits(r, n));
      ASSERT_EQ(readRow(row.text(n), n), r);
      ASSERT_EQ(row.rows(n), std::vector<int>{r});
    }
    for (int trial = 0; trial < 200; ++trial) {
      std::string letters;
      for (int k = 0; k < n; ++k)
        if (const unsigned pick = rng() % 3; pick)
          letters += pick == 1 ? plainLetter(k) : negatedLetter(k);
      const Term t = Term::read(letters, n).value();
      ASSERT_EQ(t.text(n), letters);
      std::shuffle(letters.begin(), letters.end(), rng);
      ASSERT_EQ(Term::read(letters + letters, n), t) << letters;
      const test::Table points = test::pointsOf(test::parseTerm(letters, n).value(), n);
      std::vector<int> rows;
      for (int r = 0; r < (1 << n); ++r) {
        ASSERT_EQ(t.covers(r), points[size_t(r)]) << letters << " row " << r;
        if (points[size_t(r)]) rows.push_back(r);
      }
      ASSERT_EQ(t.rows(n), rows) << letters;
      ASSERT_TRUE(t.contains(Term::ofRow(rows.back(), n)));
      if (letters.empty()) continue;
      // A variable both plain and negated is no term; a row has every letter in place.
      const int first = variableOf(letters[0]);
      const char opposite = isVariable(letters[0]) ? negatedLetter(first) : plainLetter(first);
      ASSERT_EQ(Term::read(letters + opposite, n), std::nullopt) << letters;
      ASSERT_EQ(readRow(letters, n).has_value(), int(letters.size()) == n && t.text(n) == letters);
    }
    if (n >= 3)
      ASSERT_EQ(termRows(rowTerms({5, 0, 1, 5}, n) + "junk+", n), (std::vector<int>{0, 1, 5}));
  }
}

TEST(TruthTable, ConstantFunctions) {
  const TruthTable always = createTable("a+n", 2);
  EXPECT_EQ(always.zeroTerms, "");
  EXPECT_EQ(always.oneTerms, "no+nb+ao+ab+");
  EXPECT_EQ(layoutPlus(always.zeroTerms), "()");
  const TruthTable never = createTable("a*n", 2);
  EXPECT_EQ(never.oneTerms, "");
}

TEST(TruthTable, FiltersShowComplementarySubsets) {
  std::string total;
  const std::string rpn = "ab*c+";
  const std::string zeros = makeRows(rpn, kZeros, 3, total);
  EXPECT_EQ(zeros, "0   0   0 \r\n0   1   0 \r\n1   0   0 \r\n");
  EXPECT_EQ(answer(rpn, kZeros, 3, total), "000");
  EXPECT_EQ(makeRows(rpn, kOnes, 3, total).size(), 5u * 12u);
  EXPECT_EQ(answer(rpn, kOnes, 3, total), "11111");
  // Never 0: the zero view is empty.
  EXPECT_EQ(makeRows("an+", kZeros, 1, total), "");
  EXPECT_EQ(answer("an+", kZeros, 1, total), "");
}

TEST(TruthTable, ProgressReportsEveryRowOfEveryPass) {
  int calls = 0, lastMax = 0;
  bool ordered = true;
  int expected = 0;
  createTable("a*b+c", 3, [&](int maximum, int value) {
    ordered = ordered && value == expected;
    expected = (value + 1) % 8;
    lastMax = maximum;
    ++calls;
  });
  EXPECT_EQ(calls, 3 * 8);  // rows, terms, results
  EXPECT_EQ(lastMax, 8);
  EXPECT_TRUE(ordered);
}

TEST(TruthTable, MalformedExpressionsGiveUnknownRowsNotOnes) {
  // They pass the counting check but are not well formed.
  for (const char* text : {"ab+", ")a+b(", "a+b~", "a~+b", "ab+c*d", "a+b+"}) {
    const TruthTable t = createTable(InsideExp(text), 2);
    // Every row is either a proper value, or unknown and in neither list;
    // whether a text evaluates does not depend on the row.
    const size_t known = (t.oneTerms.size() + t.zeroTerms.size()) / 3;
    size_t unknown = 0;
    for (char v : t.results) unknown += v == '?';
    EXPECT_EQ(known + unknown, 4u) << text;
    EXPECT_TRUE(unknown == 0 || unknown == 4) << text;
  }
  EXPECT_EQ(createTable("ab+", 2).results, "0111");  // reads as a+b once in reverse Polish
  EXPECT_EQ(createTable("a+b+", 2).results, "????");
  EXPECT_EQ(createTable("a+c", 2).results, "????");  // c is not among two variables
}

// An evaluator written independently of the reverse Polish path: recursive
// descent over the infix text with one function per binding level.
class InfixEvaluator {
 public:
  InfixEvaluator(const std::string& s, unsigned row, int n) : s_(s), row_(row), n_(n) {}
  bool value() { return orLevel(); }

 private:
  bool var(char c) const { return (row_ >> (n_ - 1 - (c - 'a'))) & 1; }
  char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
  bool orLevel() {
    bool v = xorLevel();
    while (peek() == '+') {
      ++pos_;
      bool r = xorLevel();
      v = v || r;
    }
    return v;
  }
  bool xorLevel() {
    bool v = andLevel();
    while (peek() == '@') {
      ++pos_;
      bool r = andLevel();
      v = v != r;
    }
    return v;
  }
  bool andLevel() {
    bool v = nandLevel();
    while (peek() == '*') {
      ++pos_;
      bool r = nandLevel();
      v = v && r;
    }
    return v;
  }
  bool nandLevel() {
    bool v = unary();
    while (peek() == '$' || peek() == '|' || peek() == '%') {
      char op = s_[pos_++];
      bool r = unary();
      v = op == '$' ? !(v && r) : op == '|' ? !(v || r) : v == r;
    }
    return v;
  }
  bool unary() {
    if (peek() == '~') {
      ++pos_;
      return !unary();
    }
    if (peek() == '(') {
      ++pos_;
      bool v = orLevel();
      ++pos_;
      return v;
    }
    return var(s_[pos_++]);
  }
  const std::string& s_;
  size_t pos_ = 0;
  unsigned row_;
  int n_;
};

std::string randomExpression(std::mt19937& rng, int n, int depth) {
  const char ops[] = "*+$|@%";
  auto pick = [&](int k) { return int(rng() % unsigned(k)); };
  std::string out;
  const int terms = 1 + pick(depth > 0 ? 4 : 2);
  for (int t = 0; t < terms; ++t) {
    if (t > 0) out += ops[pick(6)];
    const int nots = pick(5) == 0 ? 1 + pick(3) : 0;
    out += std::string(size_t(nots), '~');
    if (depth > 0 && pick(3) == 0)
      out += "(" + randomExpression(rng, n, depth - 1) + ")";
    else
      out += char('a' + pick(n));
  }
  return out;
}

TEST(TruthTable, AgreesWithAnIndependentEvaluatorOnRandomExpressions) {
  std::mt19937 rng(20261207);
  for (int trial = 0; trial < 600; ++trial) {
    const int n = 1 + trial % 10;
    const std::string text = randomExpression(rng, n, 3);
    const std::string rpn = ReversePolishNotation(InsideExp(text));
    const std::vector<char> fast = evaluateRows(rpn, n);
    const int rows = 1 << n;
    for (int r = 0; r < rows; r += (n > 7 ? 7 : 1)) {
      const char want = InfixEvaluator(text, unsigned(r), n).value() ? '1' : '0';
      ASSERT_EQ(fast[size_t(r)], want) << text << " row " << r;
      ASSERT_EQ(valueOf(change(AtoA(rpn, rowBits(r, n), n))), want) << text << " row " << r;
    }
  }
}

TEST(TruthTable, DeepNestingDoesNotOverflow) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "~(";
  text += "a+b";
  text += std::string(10000, ')');
  const TruthTable t = createTable(InsideExp(text), 2);
  EXPECT_EQ(t.results, "0111");  // an even number of negations
}

}  // namespace
}  // namespace ronri
