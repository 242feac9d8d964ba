#include "core/table/entry_compare.h"

#include <gtest/gtest.h>

#include <random>

namespace ronri {
namespace {

// sameFunction, with the rows where the two entries differ in the message.
::testing::AssertionResult same(std::string_view a, std::string_view b) {
  auto r = sameFunction(a, b) ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  const auto d = differingRows(a, b, 4);
  if (!d) return r << "an entry does not evaluate on every row";
  r << d->total << " of " << (1 << d->variables) << " rows differ";
  for (const auto& row : d->rows)
    r << ", row " << row.row << ": " << row.first << " vs " << row.second;
  return r;
}

TEST(EntryCompare, EntriesSplitIntoExpressionAndCount) {
  ASSERT_TRUE(parseEntry("~a*(b+c) 2"));
  EXPECT_EQ(parseEntry("~a*(b+c) 2")->expression, "~a*(b+c)");
  EXPECT_EQ(parseEntry("~a*(b+c) 2")->variables, 3);
  EXPECT_EQ(parseEntry("j 9")->variables, 10);
  EXPECT_FALSE(parseEntry(""));
  EXPECT_FALSE(parseEntry("7"));
  EXPECT_FALSE(parseEntry("a+b x"));
}

TEST(EntryCompare, EquivalenceOverTheLargerTable) {
  EXPECT_TRUE(same("a*b 1", "b*a 1"));
  EXPECT_FALSE(same("a+b 1", "a+b+c 2"));
  EXPECT_TRUE(same("a+b 1", "a+b 2"));
  EXPECT_TRUE(same("a+b 2", "a+b 1"));
  EXPECT_TRUE(same("~(a*b) 1", "~a+~b 1"));
  EXPECT_TRUE(same("a$b 1", "~a+~b 1"));
  EXPECT_FALSE(same("a@b 1", "a%b 1"));
  EXPECT_TRUE(same("a@b 1", "~(a%b) 1"));
  // A variable beyond the smaller count still counts in the larger table.
  EXPECT_FALSE(same("a*b+c*~c 1", "a*b*j 9"));
  EXPECT_TRUE(same("a*j+a*~j 9", "a*a 0"));
}

TEST(EntryCompare, MalformedEntriesAreNeverEqual) {
  for (const char* bad : {"", "a", "a+b", "a++b 1", "ab 1", "a*~ 1", " 1", "a+c 1x"}) {
    EXPECT_FALSE(same(bad, bad)) << bad;
    EXPECT_FALSE(same(bad, "a+b 1")) << bad;
    EXPECT_FALSE(same("a+b 1", bad)) << bad;
  }
  // A letter beyond the declared count cannot be evaluated: different, even from itself.
  EXPECT_FALSE(same("a+c 1", "a+c 1"));
}

// The input check's verdict does not decide: an entry that evaluates on every
// row is compared by its table (a lone letter fails the check but has one).
TEST(EntryCompare, EntriesThatEvaluateCompareByTheirTables) {
  EXPECT_TRUE(same("a 0", "a*a 0"));
  EXPECT_TRUE(same("~~b 1", "b 1"));
  EXPECT_FALSE(same("a 0", "~a 0"));
}

// Rewriting an expression by laws of the algebra keeps it the same function;
// changing one operator almost never does (checked against the row values).
TEST(EntryCompare, RandomRewritingsStayEqual) {
  std::mt19937 rng(5);
  auto randomExpression = [&](int n, int depth, auto&& self) -> std::string {
    if (depth == 0 || rng() % 4 == 0) return std::string(1, char('a' + rng() % n));
    const char* ops = "*+$|@%";
    return "(" + self(n, depth - 1, self) + ops[rng() % 6] + self(n, depth - 1, self) + ")";
  };
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 1 + rng() % 5;
    const std::string x = randomExpression(n, 3, randomExpression);
    const std::string y = randomExpression(n, 3, randomExpression);
    const std::string d = " " + std::to_string(n - 1);
    const std::string wider = " " + std::to_string(n - 1 + rng() % (11 - n));
    EXPECT_TRUE(same(x + "*" + y + d, y + "*" + x + wider)) << x << " " << y;
    EXPECT_TRUE(same("~(" + x + "+" + y + ")" + d, "~" + x + "*~" + y + d));
    EXPECT_TRUE(same(x + "@" + y + d, "(" + x + "*~" + y + ")+(~" + x + "*" + y + ")" + d));
    EXPECT_FALSE(same(x + d, "~" + x + d));
    EXPECT_EQ(differingRows(x + d, "~" + x + d).value_or(DifferingRows{}).total, 1 << n);
  }
}

TEST(EntryCompare, DifferingRowsInOrderWithBothValues) {
  const auto and_or = differingRows("a*b 1", "a+b 1");
  ASSERT_TRUE(and_or);
  EXPECT_EQ(and_or->variables, 2);
  EXPECT_EQ(and_or->total, 2);
  ASSERT_EQ(and_or->rows.size(), 2u);
  EXPECT_EQ(and_or->rows[0].row, 1);  // 01
  EXPECT_EQ(and_or->rows[1].row, 2);  // 10
  EXPECT_EQ(and_or->rows[0].first, '0');
  EXPECT_EQ(and_or->rows[0].second, '1');
  // Every row differs; the first 16 of the wider table are listed.
  const auto xor_xnor = differingRows("a@b 1", "a%b+c*~c 4");
  ASSERT_TRUE(xor_xnor);
  EXPECT_EQ(xor_xnor->total, 32);
  ASSERT_EQ(xor_xnor->rows.size(), 16u);
  for (int r = 0; r < 16; ++r) EXPECT_EQ(xor_xnor->rows[size_t(r)].row, r);
  EXPECT_EQ(differingRows("a@b 1", "a%b 1")->total, 4);
  EXPECT_EQ(differingRows("a+b 1", "b+a 1")->total, 0);
  EXPECT_FALSE(differingRows("a+ 1", "a 0"));
}

// m(1,3,7,11,15) + d(0,2,5): both minimal sums agree with it on every row that
// is not X; the rows that are X in either entry are left out of the list.
TEST(EntryCompare, DontCareRowsMayDiffer) {
  const std::string f = "~a*~b*~c*d+~a*~b*c*d+~a*b*c*d+a*~b*c*d+a*b*c*d 3 d(0,2,5)";
  const struct {
    const char* other;
    bool same;
    int differing;
  } cases[] = {{"~a*d+c*d 3", true, 0},
               {"~a*~b+c*d 3", true, 0},
               {"c*d 3", false, 1},
               {"c*d+~a 3", false, 2},
               {"c*d+~a*~b 3 d(4,6)", true, 0},
               {"~a*~b*~c*d+c*d 3 d(0,2,5)", true, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(sameFunction(f, c.other), c.same) << c.other;
    EXPECT_EQ(sameFunction(c.other, f), c.same) << c.other;
    const auto d = differingRows(f, c.other);
    ASSERT_TRUE(d) << c.other;
    EXPECT_EQ(d->total, c.differing) << c.other;
    EXPECT_GE(d->dontCares, 3) << c.other;
  }
  // Over more variables the X rows of the narrower entry widen with it.
  EXPECT_TRUE(same("a*b 1 d(0)", "a*b+~a*~b*c 2"));
  EXPECT_FALSE(same("a*b 1 d(0)", "a*b+~a*b 2"));
}

}  // namespace
}  // namespace ronri
