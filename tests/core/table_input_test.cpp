#include "core/table/table_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

TEST(TableInput, MintermTexts) {
  EXPECT_EQ(mintermText(0, 2), "~a*~b+");
  EXPECT_EQ(mintermText(5, 3), "a*~b*c+");
  EXPECT_EQ(mintermText(30, 5), "a*b*c*d*~e+");
  EXPECT_EQ(makeExpression({false, true, true, false}, 2), "~a*b+a*~b");
  EXPECT_EQ(makeExpression({false, true}, 1), "a");
  EXPECT_EQ(makeExpression(std::vector<bool>(8, false), 3), "");
}

TEST(TableInput, RowLabels) {
  EXPECT_EQ(rowLabels(1), "0                       1");
  EXPECT_EQ(rowLabels(2), "0    0\r\n0    1\r\n1    0\r\n1    1");
  std::string five = rowLabels(5);
  EXPECT_EQ(five.substr(0, 21), "0    0    0    0    0");
  EXPECT_EQ(five.substr(five.size() - 21), "1    1    1    1    1");
  EXPECT_EQ(five.size(), 32u * 21 + 31 * 2);
}

TEST(TableInput, MapCellsFollowTheGrayCode) {
  // Three variables: column "11", row "0" is minterm 6; column "10", row "1" is 5.
  EXPECT_EQ(mapCell(3, 2, 0), 6);
  EXPECT_EQ(mapCell(3, 3, 1), 5);
  EXPECT_EQ(mapCell(4, 3, 2), 11);
  EXPECT_EQ(mapCell(5, 4, 3), 26);
  EXPECT_EQ(codeText(grayCode(4), 3), "110");
  // Every minterm has exactly one cell, and neighbouring cells differ in one variable.
  for (int n = 3; n <= 5; ++n) {
    MapShape s = mapShape(n);
    ASSERT_EQ(s.columns() * s.rows(), 1 << n);
    std::vector<int> seen(1 << n, 0);
    for (int i = 0; i < s.columns(); ++i)
      for (int j = 0; j < s.rows(); ++j) {
        int m = mapCell(n, i, j);
        ++seen[m];
        int right = mapCell(n, (i + 1) % s.columns(), j);
        int below = mapCell(n, i, (j + 1) % s.rows());
        EXPECT_EQ(__builtin_popcount(m ^ right), 1);
        EXPECT_EQ(__builtin_popcount(m ^ below), 1);
      }
    for (int c : seen) EXPECT_EQ(c, 1);
  }
}

// The expression handed to the main window has exactly the function entered.
TEST(TableInput, ExpressionHasTheEnteredFunction) {
  std::mt19937 rng(3);
  for (int n = 1; n <= 5; ++n)
    for (int trial = 0; trial < 40; ++trial) {
      std::vector<bool> values(1 << n);
      for (size_t m = 0; m < values.size(); ++m) values[m] = rng() % 2;
      if (trial == 0) values.assign(values.size(), true);
      std::string e = makeExpression(values, n);
      if (e.empty()) continue;
      std::string folded = InsideExp(e);
      // A lone literal ("a", "~a") is a function the main window's check refuses.
      if (e.size() > 2) ASSERT_EQ(checkExp(folded), " ") << e;
      std::vector<char> rows = evaluateRows(ReversePolishNotation(folded), n);
      for (size_t m = 0; m < values.size(); ++m) EXPECT_EQ(rows[m], values[m] ? '1' : '0') << e;
    }
}

// "簡単化して入力" hands over a sum with the fewest terms and then the fewest
// letters, with or without X rows (every third four-variable function, once
// plain and once with one 0-row made X), against the oracle's smallest sums.
TEST(TableInput, SimplifiedExpressionIsSmallest) {
  const int n = 4;
  const std::vector<test::SumCost> smallest = test::smallestSums(n);
  for (unsigned f = 1; f + 1 < (1u << 16); f += 3)
    for (int x = -1; x < 16; x += 17) {
      std::string values(16, '0');
      for (int r = 0; r < 16; ++r) values[r] = (f >> r) & 1 ? '1' : '0';
      // The first 0-row as X; the oracle then wants the best over both values.
      unsigned lo = f, hi = f;
      if (x >= 0) {
        const size_t z = values.find('0');
        if (z == std::string::npos) continue;
        values[z] = 'X';
        hi |= 1u << z;
      }
      const std::string e = makeSimplifiedExpression(values, n);
      test::SumCost want = smallest[lo];
      if (hi != lo && (smallest[hi].terms < want.terms ||
                       (smallest[hi].terms == want.terms && smallest[hi].letters < want.letters)))
        want = smallest[hi];
      if (want.terms == 1 && want.letters <= 1) continue;  // shown as "a*a", "a+~a"
      const test::SumCost got{static_cast<int>(std::count(e.begin(), e.end(), '+')) + 1,
                              static_cast<int>(std::count_if(e.begin(), e.end(), [](char c) {
                                return c >= 'a' && c <= 'j';
                              }))};
      ASSERT_EQ(got, want) << values << " -> " << e;
    }
}

}  // namespace
}  // namespace ronri
