// The prime-implicant chart: the worked examples, and the essential primes
// and the smallest covers against brute force over independently found primes.
#include "core/cover/pi_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

using test::Cube;
using test::Table;
using ::testing::Each;
using ::testing::IsEmpty;

Table tableOf(const std::vector<int>& ones) {
  Table f;
  for (int r : ones) f.set(static_cast<size_t>(r));
  return f;
}

std::set<std::string> termsOfCover(const PrimeChart& c, const std::vector<int>& cover) {
  std::set<std::string> s;
  for (int p : cover) s.insert(c.primes[static_cast<size_t>(p)].text(c.n));
  return s;
}

std::vector<std::string> primeTexts(const PrimeChart& c) {
  std::vector<std::string> out;
  for (const Term& p : c.primes) out.push_back(p.text(c.n));
  return out;
}

std::string termOf(Cube cube, int n) {
  std::string t;
  for (int k = 0; k < n; ++k)
    if (cube.care & (1u << k)) t += static_cast<char>((cube.val & (1u << k)) ? 'a' + k : 'n' + k);
  return t;
}

TEST(PrimeChart, CyclicExampleHasTwoSmallestCoversOfFiveCandidates) {
  const int n = 3;
  const PrimeChart c = buildPrimeChart(test::termListOf(tableOf({0, 1, 2, 5, 6, 7}), n), n);
  EXPECT_EQ(primeTexts(c), (std::vector<std::string>{"no", "np", "oc", "bp", "ac", "ab"}));
  EXPECT_EQ(c.minterms, (std::vector<int>{0, 1, 2, 5, 6, 7}));
  EXPECT_THAT(c.essential, Each(0));
  ASSERT_TRUE(c.expanded);
  EXPECT_EQ(c.candidates, (std::vector<std::vector<int>>{
                              {0, 1, 4, 5}, {0, 2, 3, 5}, {0, 3, 4}, {1, 2, 3, 4}, {1, 2, 5}}));
  EXPECT_EQ(c.chosen, (std::vector<int>{0, 3, 4}));  // no+bp+ac
  EXPECT_EQ(c.minimalCovers, (std::vector<std::vector<int>>{{0, 3, 4}, {1, 2, 5}}));
  EXPECT_TRUE(c.coversComplete);
  // Nothing reduces a cyclic chart: the whole of it is the core, and the
  // printed expansion is the designed one.
  const auto core = std::find_if(c.steps.begin(), c.steps.end(),
                                 [](const ChartStep& s) { return s.kind == ChartStep::Core; });
  ASSERT_NE(core, c.steps.end());
  EXPECT_EQ(core->primes.size(), 6u);
  EXPECT_EQ(core->minterms, c.minterms);
  const auto exp = std::find_if(c.steps.begin(), c.steps.end(),
                                [](const ChartStep& s) { return s.kind == ChartStep::Expansion; });
  ASSERT_NE(exp, c.steps.end());
  EXPECT_EQ(exp->text, "(P1+P2)(P1+P3)(P2+P4)(P3+P5)(P4+P6)(P5+P6)");
  EXPECT_EQ(exp->expansion, "P1P2P5P6 + P1P3P4P6 + P1P4P5 + P2P3P4P5 + P2P3P6");

  // A function with one smallest cover: ~a*~b + b*c, both primes essential.
  const PrimeChart u = buildPrimeChart("nop+noc+nbc+abc+", 3);
  EXPECT_EQ(primeTexts(u), (std::vector<std::string>{"no", "nc", "bc"}));
  EXPECT_EQ(u.essential, (std::vector<char>{1, 0, 1}));
  EXPECT_EQ(u.essentialBy, (std::vector<int>{0, -1, -1, 2}));  // rows 0 and 7 decide
  EXPECT_EQ(u.minimalCovers, (std::vector<std::vector<int>>{{0, 2}}));
  EXPECT_EQ(u.coverCount, 1);
  EXPECT_EQ(u.steps.front().kind, ChartStep::Essential);
  EXPECT_EQ(u.steps.front().minterms, (std::vector<int>{0}));
  const std::string csv = primeChartCsv(u, "E", "C");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), ",,E,C,0,1,3,7");
  EXPECT_NE(csv.find("P2,~a*c,,,,1,1,\r\n"), std::string::npos);
}

TEST(PrimeChart, EssentialPrimesMatchBruteForce) {
  std::mt19937 rng(17);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 1 + trial % 6;
    Table f;
    std::bernoulli_distribution bit(trial % 3 == 0 ? 0.7 : 0.45);
    for (int r = 0; r < (1 << n); ++r) f[static_cast<size_t>(r)] = bit(rng);
    const PrimeChart c = buildPrimeChart(test::termListOf(f, n), n);
    if (f.none()) {
      EXPECT_THAT(c.primes, IsEmpty());
      continue;
    }
    const std::vector<Cube> primes = test::primeImplicants(f, n);
    std::set<std::string> expected;
    for (const Cube& p : primes) {
      const Table mine = test::pointsOf(p, n);
      for (int r = 0; r < (1 << n); ++r) {
        if (!mine[static_cast<size_t>(r)]) continue;
        const auto others = std::count_if(primes.begin(), primes.end(), [&](const Cube& q) {
          return test::pointsOf(q, n).test(static_cast<size_t>(r));
        });
        if (others == 1) {
          expected.insert(termOf(p, n));
          break;
        }
      }
    }
    std::set<std::string> got;
    for (size_t p = 0; p < c.primes.size(); ++p)
      if (c.essential[p]) got.insert(c.primes[p].text(n));
    ASSERT_EQ(got, expected) << "n=" << n << " f=" << f.to_string().substr(1024 - (1 << n));
  }
}

TEST(PrimeChart, ListedCoversAreEverySmallestCover) {
  std::mt19937 rng(1717);
  int checked = 0;
  for (int trial = 0; trial < 400 && checked < 150; ++trial) {
    const int n = 3 + trial % 3;
    Table f;
    std::bernoulli_distribution bit(0.55);
    for (int r = 0; r < (1 << n); ++r) f[static_cast<size_t>(r)] = bit(rng);
    if (f.none()) continue;
    const std::vector<Cube> primes = test::primeImplicants(f, n);
    if (primes.size() > 20) continue;
    ++checked;
    const int k = test::minimumCoverSize(f, primes, n);
    // Every subset of k primes that covers f.
    std::set<std::set<std::string>> expected;
    std::vector<int> pick(static_cast<size_t>(k));
    auto choose = [&](auto&& self, int from, int depth) -> void {
      if (depth == k) {
        Table u;
        for (int i : pick) u |= test::pointsOf(primes[static_cast<size_t>(i)], n);
        if ((u & f) == f) {
          std::set<std::string> s;
          for (int i : pick) s.insert(termOf(primes[static_cast<size_t>(i)], n));
          expected.insert(s);
        }
        return;
      }
      for (int i = from; i < static_cast<int>(primes.size()); ++i) {
        pick[static_cast<size_t>(depth)] = i;
        self(self, i + 1, depth + 1);
      }
    };
    choose(choose, 0, 0);

    const PrimeChart c = buildPrimeChart(test::termListOf(f, n), n);
    ASSERT_EQ(c.chosen.size(), static_cast<size_t>(k));
    std::set<std::set<std::string>> listed;
    for (const auto& cover : c.minimalCovers) listed.insert(termsOfCover(c, cover));
    EXPECT_EQ(c.minimalCovers.front(), c.chosen);
    EXPECT_EQ(listed.size(), c.minimalCovers.size()) << "a cover listed twice";
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(c.coverCount, static_cast<long long>(expected.size()));
    // The search used past the expansion's reach finds the same covers.
    long long total = 0;
    std::set<std::set<std::string>> searched;
    for (const auto& cover :
         coversOfSize(c.coverers, static_cast<int>(c.primes.size()), k, 100000, &total))
      searched.insert(termsOfCover(c, cover));
    EXPECT_EQ(searched, expected);
    EXPECT_EQ(total, static_cast<long long>(expected.size()));
  }
  EXPECT_GE(checked, 100);
}

// Without time for the search, the chart keeps the best cover found and the
// bound no cover can pass, and lists no other covers.
TEST(PrimeChart, AnUnprovenCoverCarriesItsBound) {
  std::mt19937 rng(3);
  std::bernoulli_distribution one(0.6);
  std::string simple;
  for (int r = 0; r < 512; ++r) {
    if (!one(rng)) continue;
    for (int k = 0; k < 9; ++k) simple += char(((r >> (8 - k)) & 1) ? 'a' + k : 'n' + k);
    simple += '+';
  }
  const PrimeChart c = buildPrimeChart(simple, 9, std::chrono::milliseconds(0));
  ASSERT_EQ(c.status, CoverStatus::BestFound);
  EXPECT_GT(c.lowerBound, 0);
  EXPECT_LT(c.lowerBound, int(c.chosen.size()));
  EXPECT_EQ(c.minimalCovers, std::vector<std::vector<int>>{c.chosen});
}

}  // namespace
}  // namespace ronri
