// Static hazards against a brute force over random covers, and the
// hazard-free minimum against glpsol's optimum of the same covering program
// over independently found primes.
#include "core/cover/hazards.h"

#include <gtest/gtest.h>

#include <random>

#include "core/cover/cover_dontcare.h"
#include "core/cover/product_of_sums.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

TEST(Hazards, TheTextbookExampleAndItsConsensusTerm) {
  // f = a*b + ~a*c: rows 1, 3, 6, 7; 011 and 111 lie in no one term.
  const std::string f = "01010011";
  EXPECT_EQ(staticHazards(f, 3, sumCubes("ab+nc"), '1'), (std::vector<RowPair>{{3, 7}}));
  const HazardFree free = hazardFreeForm(f, 3, '1', sumCubes("ab+nc"));
  EXPECT_EQ(free.cubes.size(), 3u);
  EXPECT_EQ(free.added, std::vector<std::string>{"b*c"});
  EXPECT_TRUE(staticHazards(f, 3, free.cubes, '1').empty());
  // Its product of sums (a+c)*(~a+b): 000... 0-rows 0, 2, 4, 5; 000 and 100
  // lie in no one sum.
  EXPECT_EQ(productCubes("(a+c)*(n+b)"), (std::vector<std::string>{"np", "ao"}));
  EXPECT_EQ(staticHazards(f, 3, productCubes("(a+c)*(n+b)"), '0'), (std::vector<RowPair>{{0, 4}}));
  EXPECT_EQ(hazardFreeForm(f, 3, '0', productCubes("(a+c)*(n+b)")).added,
            std::vector<std::string>{"(b+c)"});
}

// Random functions with X rows and random covers of them: the pairs a brute
// force finds; the hazard-free minimum leaves none, keeps the function and
// costs what glpsol proves.
TEST(Hazards, AgreeWithBruteForceAndTheHazardFreeMinimumWithGlpsol) {
  std::mt19937 rng(4141);
  for (int i = 0; i < 150; ++i) {
    const int n = 2 + i % 5;
    const int rows = 1 << n;
    std::string values(size_t(rows), '0');
    for (char& v : values) v = "0111X"[rng() % 5];
    test::Table on, care;
    for (int r = 0; r < rows; ++r) {
      on[size_t(r)] = values[size_t(r)] != '0';
      care[size_t(r)] = values[size_t(r)] == '1';
    }
    const std::vector<test::Cube> primes = test::primeImplicants(on, n);
    // A random cover: primes picked until every 1-row is in one.
    std::vector<std::string> cover;
    test::Table covered;
    std::vector<test::Cube> shuffled = primes;
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    std::string text;
    for (const test::Cube& c : shuffled) {
      if (((test::pointsOf(c, n) & care) & ~covered).none()) continue;
      covered |= test::pointsOf(c, n);
      std::string letters;
      for (int k = 0; k < n; ++k)
        if (c.care >> k & 1) letters += char((c.val >> k & 1 ? 'a' : 'n') + k);
      cover.push_back(letters);
    }
    std::vector<RowPair> pairs, brute;  // adjacent 1-rows; those in no one term
    for (int r = 0; r < rows; ++r)
      for (int k = 0; k < n; ++k) {
        const int s = r | (1 << k);
        if (s == r || values[size_t(r)] != '1' || values[size_t(s)] != '1') continue;
        pairs.push_back({r, s});
        bool inOne = false;
        for (const std::string& t : cover) {
          const test::Table pts = test::pointsOf(*test::parseTerm(t, n), n);
          inOne |= pts[size_t(r)] && pts[size_t(s)];
        }
        if (!inOne) brute.push_back({r, s});
      }
    std::sort(brute.begin(), brute.end());
    ASSERT_EQ(staticHazards(values, n, cover, '1'), brute) << values;

    // A long budget: under valgrind the default one may end before the proof.
    const HazardFree free = hazardFreeForm(values, n, '1', cover, std::chrono::seconds(60));
    ASSERT_EQ(free.status, CoverStatus::Proven);
    ASSERT_TRUE(staticHazards(values, n, free.cubes, '1').empty()) << values;
    test::Table got;
    long cost = 0;
    for (const std::string& t : free.cubes) {
      got |= test::pointsOf(*test::parseTerm(t, n), n);
      cost += (1L << 20) + long(t.size());
    }
    ASSERT_EQ((got & care), care) << values;
    ASSERT_EQ((got & ~on).none(), true) << values;
    if (i % 5 != 0 || !test::glpsolInstalled()) continue;
    // min sum (2^20 + letters) x over the primes, every 1-row and every pair in one.
    std::string lp = "Minimize\n obj:";
    for (size_t c = 0; c < primes.size(); ++c)
      lp += " + " + std::to_string((1L << 20) + std::popcount(unsigned(primes[c].care))) + " x" +
            std::to_string(c);
    lp += "\nSubject To\n";
    int constraint = 0;
    auto need = [&](int r, int s) {
      lp += " r" + std::to_string(constraint++) + ":";
      for (size_t c = 0; c < primes.size(); ++c)
        if (test::pointsOf(primes[c], n)[size_t(r)] && test::pointsOf(primes[c], n)[size_t(s)])
          lp += " + x" + std::to_string(c);
      lp += " >= 1\n";
    };
    for (int r = 0; r < rows; ++r)
      if (values[size_t(r)] == '1') need(r, r);
    for (const auto& [r, s] : pairs) need(r, s);
    if (constraint == 0) continue;
    lp += "Binary\n";
    for (size_t c = 0; c < primes.size(); ++c) lp += " x" + std::to_string(c) + "\n";
    lp += "End\n";
    const std::optional<long> best = test::glpsolOptimum(lp, 20);
    ASSERT_TRUE(best) << lp;
    EXPECT_EQ(cost, *best) << values;
  }
}

}  // namespace
}  // namespace ronri
