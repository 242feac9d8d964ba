// The recorded tabulation against the "主項" list and brute force.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>
#include <tuple>

#include "core/cover/simplify.h"
#include "core/cover/tabulation.h"
#include "core/draw/display_list.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

std::string rowTermList(const std::vector<int>& rows, int n) {
  std::string s;
  for (int r : rows) {
    for (int k = 0; k < n; ++k)
      s += static_cast<char>(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
    s += '+';
  }
  return s;
}

// The oracle's prime implicants of the allowed rows that touch a needed row,
// each as its rows.
std::set<std::vector<int>> brutePrimes(int n, const std::vector<char>& allowed,
                                       const std::vector<char>& needed) {
  test::Table within;
  for (size_t r = 0; r < allowed.size(); ++r) within[r] = allowed[r] != 0;
  std::set<std::vector<int>> primes;
  for (const test::Cube& c : test::primeImplicants(within, n)) {
    const test::Table points = test::pointsOf(c, n);
    std::vector<int> rows;
    for (int r = 0; r < (1 << n); ++r)
      if (points[static_cast<size_t>(r)]) rows.push_back(r);
    if (std::any_of(rows.begin(), rows.end(), [&](int r) { return needed[size_t(r)]; }))
      primes.insert(rows);
  }
  return primes;
}

// Merged pairs differ in one letter, ticks mean "inside a term of the next
// pass", groups ascend, and the primes listed are the brute-force ones.
::testing::AssertionResult consistent(const Tabulation& t, int n, const std::vector<char>& ones,
                                      const std::vector<char>& free) {
  std::vector<char> allowed(ones.size());
  for (size_t r = 0; r < ones.size(); ++r) allowed[r] = ones[r] || free[r];
  for (size_t p = 0; p < t.passes.size(); ++p) {
    for (const TabulationTerm& term : t.passes[p]) {
      const auto rows = term.term.rows(n);
      for (int r : rows)
        if (!allowed[static_cast<size_t>(r)])
          return ::testing::AssertionFailure() << term.term.pattern(n) << " covers row " << r;
      if (p > 0) {
        const auto& a = t.passes[p - 1][static_cast<size_t>(term.from[0])];
        const auto& b = t.passes[p - 1][static_cast<size_t>(term.from[1])];
        const unsigned diff = a.term.bits ^ b.term.bits;
        if (a.term.mask != b.term.mask || std::popcount(diff) != 1 ||
            term.term.mask != (a.term.mask & ~diff))
          return ::testing::AssertionFailure() << a.term.pattern(n) << " + " << b.term.pattern(n)
                                               << " -> " << term.term.pattern(n);
      }
      bool inside = false;
      if (p + 1 < t.passes.size())
        for (const TabulationTerm& bigger : t.passes[p + 1]) {
          const auto big = bigger.term.rows(n);
          inside = inside || std::includes(big.begin(), big.end(), rows.begin(), rows.end());
        }
      if (inside != term.ticked)
        return ::testing::AssertionFailure() << term.term.pattern(n) << " tick " << term.ticked;
    }
    for (size_t i = 1; i < t.shown[p].size(); ++i)
      if (t.passes[p][static_cast<size_t>(t.shown[p][i - 1])].term.ones() >
          t.passes[p][static_cast<size_t>(t.shown[p][i])].term.ones())
        return ::testing::AssertionFailure() << "pass " << p + 1 << " not grouped";
  }
  std::set<std::vector<int>> listed;
  for (const auto& [pass, index] : t.primes)
    listed.insert(t.passes[static_cast<size_t>(pass)][static_cast<size_t>(index)].term.rows(n));
  if (listed != brutePrimes(n, allowed, ones) || listed.size() != t.primes.size())
    return ::testing::AssertionFailure() << "primes differ from brute force";
  return ::testing::AssertionSuccess();
}

// The P list written as simplicity writes its sum.
std::string primeText(const Tabulation& t, int n) {
  if (t.primes.empty()) return "0";
  std::string s;
  for (const auto& [pass, index] : t.primes)
    s += (s.empty() ? "" : "+") +
         t.passes[static_cast<size_t>(pass)][static_cast<size_t>(index)].term.text(n);
  return s.empty() ? "1" : s;
}

TEST(Tabulation, EveryFunctionOfUpToFourVariables) {
  for (int n = 1; n <= 4; ++n) {
    const int rows = 1 << n;
    const std::vector<char> none(static_cast<size_t>(rows));
    const uint32_t step = n == 4 ? uint32_t(test::sampleStep()) : 1;
    for (uint32_t f = 0; f < (1u << rows); f += step) {
      std::vector<int> oneRows;
      std::vector<char> ones(static_cast<size_t>(rows));
      for (int r = 0; r < rows; ++r)
        if (f >> r & 1u) {
          oneRows.push_back(r);
          ones[static_cast<size_t>(r)] = 1;
        }
      const std::string simple = rowTermList(oneRows, n);
      const Tabulation t = tabulate(simple, {}, n);
      ASSERT_TRUE(consistent(t, n, ones, none)) << "n " << n << " f " << f;
      // The P list is the "主項" text, term for term.
      ASSERT_EQ(primeText(t, n), simplicity(splitTerms(simple))) << "n " << n << " f " << f;
    }
  }
}

TEST(Tabulation, DontCareRowsMergeButListOnlyPrimesOfOneRows) {
  std::mt19937 rng(27);
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 3 + trial % 3;
    const size_t rows = size_t{1} << n;
    std::vector<char> ones(rows), free(rows);
    std::vector<int> oneRows, freeRows;
    for (size_t r = 0; r < rows; ++r) {
      const unsigned v = rng() % 4;
      if (v == 0) ones[r] = 1, oneRows.push_back(static_cast<int>(r));
      if (v == 1) free[r] = 1, freeRows.push_back(static_cast<int>(r));
    }
    const Tabulation t = tabulate(rowTermList(oneRows, n), freeRows, n);
    ASSERT_TRUE(consistent(t, n, ones, free)) << "trial " << trial;
    if (t.passes.empty()) continue;
    for (const TabulationTerm& term : t.passes[0])
      ASSERT_EQ(term.dontCare, free[static_cast<size_t>(term.term.rows(n)[0])] != 0);
  }
}

TEST(Tabulation, TenVariablesOfOnesMergeDownToOneBlankTerm) {
  std::vector<int> all(1024);
  for (int r = 0; r < 1024; ++r) all[static_cast<size_t>(r)] = r;
  const Tabulation t = tabulate(rowTermList(all, 10), {}, 10);
  ASSERT_EQ(t.passes.size(), 11u);
  // Pass p holds every term of p blanks: C(10, p) * 2^(10 - p).
  size_t choose = 1;
  for (size_t p = 0; p <= 10; ++p) {
    EXPECT_EQ(t.passes[p].size(), choose << (10 - p)) << p;
    choose = choose * (10 - p) / (p + 1);
  }
  EXPECT_EQ(primeText(t, 10), "1");
  // A screen's area draws a screenful, each text as the whole drawing has it.
  DisplayList whole, part;
  const TabulationCaptions captions{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, "P"};
  drawTabulation(t, captions, whole);
  drawTabulation(t, captions, part, {20000, 30000, 35000, 40000});
  ASSERT_LT(part.ops().size() * 200, whole.ops().size());
  std::set<std::tuple<int, int, std::string>> texts;
  for (const DrawOp& op : whole.ops())
    if (op.kind == DrawOp::Text) texts.insert({op.x1, op.y1, op.str});
  size_t shown = 0;
  for (const DrawOp& op : part.ops())
    if (op.kind == DrawOp::Text) shown += texts.count({op.x1, op.y1, op.str});
  EXPECT_GT(shown, 50u);
  for (const DrawOp& op : part.ops())
    if (op.kind == DrawOp::Text) EXPECT_TRUE(texts.count({op.x1, op.y1, op.str})) << op.str;
}

}  // namespace
}  // namespace ronri
