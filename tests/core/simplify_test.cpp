// Prime implicants and cover choice: worked examples and properties checked
// against brute force.
#include <gtest/gtest.h>

#include <coin/CbcModel.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/cover/cover_dontcare.h"
#include "core/cover/cover_petrick.h"
#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/cover/merging.h"
#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "support/cover_assert.h"

namespace ronri {
namespace {

// Row r of an n-variable table as a term of n letters (a is the top bit).
std::string rowPattern(int n, int r) {
  std::string t;
  for (int k = 0; k < n; ++k) t += static_cast<char>(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
  return t;
}

std::vector<std::string> mintermPatterns(int n, const test::Table& f) {
  std::vector<std::string> out;
  for (int r = 0; r < (1 << n); ++r)
    if (f[r]) out.push_back(rowPattern(n, r));
  return out;
}

std::string termList(const std::vector<std::string>& patterns) {
  std::string s;
  for (const auto& p : patterns) s += p + "+";
  return s;
}

test::Table randomFunction(int n, double ones, std::mt19937& rng) {
  std::bernoulli_distribution bit(ones);
  test::Table f;
  for (int r = 0; r < (1 << n); ++r) f[r] = bit(rng);
  return f;
}

std::vector<std::string> termsOf(const std::string& sum) {
  return splitTerms(sum);
}

// The cover expansion written out on index-product texts, step by step, to
// check the order in which the fast one leaves its candidates.
std::vector<std::string> splitAt(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

bool absorbsText(const std::string& x, const std::string& y) {
  if (x.empty()) return false;
  for (const auto& f : splitAt(x.substr(0, 128), '*'))
    if (!hasFactor(f, y)) return false;
  return true;
}

std::vector<std::string> textPairProducts(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<std::string> work;
  for (int x : a)
    for (int y : b)
      work.push_back(x == y
                         ? std::to_string(x)
                         : std::to_string(std::min(x, y)) + "*" + std::to_string(std::max(x, y)));
  size_t single = work.size();
  for (size_t i = 0; i < work.size() && single == work.size(); ++i)
    if (work[i].find('*') == std::string::npos) single = i;
  if (single == work.size()) return work;
  std::vector<std::string> row;
  for (size_t i = 0; i < work.size(); ++i)
    if (i == single || !hasFactor(work[single], work[i])) row.push_back(work[i]);
  return row;
}

void textMultiplyIn(std::vector<std::string>& candidates, const std::vector<std::string>& row) {
  std::vector<std::string> products;
  for (const auto& x : candidates) {
    for (const auto& y : row) {
      if (y == x) {
        products.push_back(x);
        continue;
      }
      auto factors = splitAt(x, '*');
      for (const auto& f : splitAt(y, '*'))
        if (std::find(factors.begin(), factors.end(), f) == factors.end()) factors.push_back(f);
      std::vector<int> values;
      for (const auto& f : factors) values.push_back(std::stoi(f));
      std::sort(values.begin(), values.end());
      values.erase(std::unique(values.begin(), values.end()), values.end());
      products.push_back(indexProductText(values));
    }
  }
  candidates.clear();
  if (products.size() == 1) {
    candidates = products;
    return;
  }
  for (size_t j = 0; j < products.size(); ++j) {
    bool absorbed = false;
    for (size_t k = j + 1; k < products.size() && !absorbed; ++k)
      absorbed = absorbsText(products[k], products[j]);
    for (size_t c = 0; c < candidates.size() && !absorbed; ++c)
      absorbed = absorbsText(candidates[c], products[j]);
    if (!absorbed) candidates.push_back(products[j]);
  }
}

std::vector<std::string> textExpansion(const std::vector<std::vector<int>>& table) {
  std::vector<std::vector<std::string>> rows;
  for (size_t idx = 0; idx < table.size(); idx += 2) {
    if (idx + 1 == table.size()) {
      std::vector<std::string> row;
      for (int c : table[idx]) row.push_back(std::to_string(c));
      rows.push_back(row);
    } else {
      rows.push_back(textPairProducts(table[idx], table[idx + 1]));
    }
  }
  std::vector<std::string> candidates = rows[0];
  for (size_t r = 1; r < rows.size(); ++r) textMultiplyIn(candidates, rows[r]);
  return candidates;
}

std::string textChoice(const std::vector<std::string>& candidates,
                       const std::vector<std::string>& implicants) {
  int best = 200;
  std::string chosen;
  for (const auto& c : candidates) {
    const int stars =
        static_cast<int>(std::count(c.begin(), c.begin() + std::min<size_t>(c.size(), 128), '*'));
    if (stars < best) {
      best = stars;
      chosen = c;
    }
  }
  std::string sum;
  for (const auto& f : splitAt(chosen, '*'))
    sum += (sum.empty() ? "" : "+") + implicants[std::stoi(f)];
  return sum;
}

TEST(Simplicity, ConstantFunctions) {
  EXPECT_EQ(simplicity({}), "0");
  EXPECT_EQ(simplicity({"", "abc"}), "0");  // the first empty entry ends the list
  for (int n = 1; n <= 10; ++n) {
    const auto minterms = mintermPatterns(n, test::allRows(n));
    ASSERT_EQ(simplicity(minterms), "1") << n;
    EXPECT_EQ(useSC3("1", termList(minterms), n), "1");
  }
  EXPECT_EQ(useSC3("0", "", 3), "0");
}

TEST(Simplicity, ThreeVariableExamples) {
  const std::vector<std::string> m = {"nop", "noc", "nbc", "abc"};
  EXPECT_EQ(simplicity(m), "no+nc+bc");
  const std::string cover = useSC3("no+nc+bc", termList(m), 3);
  EXPECT_EQ(cover, "no+bc");
  EXPECT_EQ(wordchange(layout(cover)), "~a*~b+b*c");

  // The cyclic function has five irredundant covers; the first of three wins.
  std::vector<std::string> cyc;
  for (int r : {0, 1, 2, 5, 6, 7}) cyc.push_back(rowPattern(3, r));
  const std::string primes = simplicity(cyc);
  EXPECT_EQ(primes, "no+np+oc+bp+ac+ab");
  const auto candidates = expandCover(coverTable(splitTerms(primes), termList(cyc), 3));
  ASSERT_TRUE(candidates.has_value());
  std::vector<std::string> texts;
  for (const auto& c : *candidates) texts.push_back(indexProductText(c));
  EXPECT_EQ(texts, (std::vector<std::string>{"0*1*4*5", "0*2*3*5", "0*3*4", "1*2*3*4", "1*2*5"}));
  const Cover chosen = minimalCover(primes, termList(cyc), 3);
  EXPECT_EQ(chosen.sum, "no+bp+ac");
  EXPECT_EQ(chosen.status, CoverStatus::Proven);
  EXPECT_EQ(wordchange(layout(chosen.sum)), "~a*~b+b*~c+a*c");
}

TEST(Simplicity, RepeatedMintermsAreIgnored) {
  EXPECT_EQ(simplicity({"nop", "nop", "abc"}), "nop+abc");
  EXPECT_EQ(simplicity({"nop", "noc", "nop"}), "no");
  EXPECT_EQ(simplicity({"ab", "ab"}), "ab");
}

TEST(Simplicity, UncleanPatternsFollowThePairwiseMerge) {
  // Patterns that already carry blanks, or are of mixed length, go through the
  // plain pairwise merge and still never produce a stray "+".
  EXPECT_EQ(simplicity({"no ", "nb ", "abc"}), "abc+n");
  EXPECT_EQ(simplicity({"ab", "abc"}), "ab+abc");
  EXPECT_EQ(simplicity({"a", "n"}), "1");
}

TEST(Format, LayoutAndFactors) {
  EXPECT_EQ(layout("bp+ad"), "b*p+a*d");
  EXPECT_EQ(layout("aoc+nbc+"), "a*o*c+n*b*c");
  EXPECT_EQ(layout("+a"), "a");
  EXPECT_EQ(layout("a+"), "a");
  EXPECT_EQ(layout(""), "");
  EXPECT_EQ(layout("1"), "1");
  EXPECT_EQ(layout("0"), "0");
  EXPECT_FALSE(hasFactor("1", "11*21"));
  EXPECT_TRUE(hasFactor("1", "21*1"));
  EXPECT_TRUE(hasFactor("1", "1*11"));
  EXPECT_FALSE(hasFactor("1", "11"));
  EXPECT_FALSE(hasFactor("1", "13*21"));
  EXPECT_TRUE(hasFactor("13", "13"));
}

TEST(Cover, ListsThatCannotCoverGiveNoCover) {
  const std::string simple = "nop+noc+nbc+abc+";
  for (const char* sc1 : {"no+nc", "xyz", "", "+", "++", "0", "no+q"}) {
    const Cover c = minimalCover(sc1, simple, 3);
    EXPECT_EQ(c.status, CoverStatus::NoCover) << sc1;
    EXPECT_EQ(c.sum, "") << sc1;
    EXPECT_EQ(useSC3(sc1, simple, 3), "") << sc1;
  }
  EXPECT_EQ(minimalCover("no+bc", "", 3).status, CoverStatus::NoCover);
  // Empty terms of a hand-edited list are skipped, not taken as the end.
  EXPECT_EQ(useSC3("no++nc+bc+", simple, 3), "no+bc");
  EXPECT_EQ(useSC3("+bc+no", simple, 3), "bc+no");
  // Terms with stray characters simply cover nothing.
  EXPECT_EQ(useSC3("n*o+no+bc+a(", simple, 3), "no+bc");
}

TEST(Simplicity, PrimesMatchBruteForceInTheMergeOrder) {
  std::mt19937 rng(7);
  for (int n = 2; n <= 6; ++n) {
    for (int trial = 0; trial < 40; ++trial) {
      const auto f = randomFunction(n, 0.2 + 0.15 * (trial % 5), rng);
      auto minterms = mintermPatterns(n, f);
      if (trial % 2) std::shuffle(minterms.begin(), minterms.end(), rng);
      const std::string primes = simplicity(minterms);
      // Same text as the plain pairwise merge, including the order.
      ASSERT_EQ(primes, simplicityByPairs(minterms)) << n << "/" << trial;
      EXPECT_EQ(test::primeListProblem(f, n, primes), "") << test::describeTable(f, n);
    }
  }
}

TEST(Cover, EveryFunctionOfUpToFourVariablesGetsAMinimumCover) {
  for (int n = 1; n <= 4; ++n) {
    const std::vector<test::SumCost> smallest = test::smallestSums(n);
    const uint32_t step = n == 4 ? uint32_t(test::sampleStep()) : 1;
    for (uint32_t fn = 1; fn < smallest.size(); fn += step) {
      const test::Table f(fn);
      const auto minterms = mintermPatterns(n, f);
      const std::string primes = simplicity(minterms);
      const Cover c = minimalCover(primes, termList(minterms), n);
      ASSERT_EQ(c.status, CoverStatus::Proven);
      ASSERT_TRUE(test::isValidCover(f, n, c.sum, {primes, smallest[fn].terms}));
    }
  }
}

TEST(Cover, RandomCoversAreValidAndAgreeWithTheExactSolver) {
  std::mt19937 rng(11);
  int compared = 0;
  for (int n = 5; n <= 8; ++n) {
    for (int trial = 0; trial < 25; ++trial) {
      const auto f = randomFunction(n, 0.3 + 0.1 * (trial % 4), rng);
      const auto minterms = mintermPatterns(n, f);
      if (minterms.empty()) continue;
      const std::string primes = simplicity(minterms);
      if (primes == "1") continue;
      const Cover c = minimalCover(primes, termList(minterms), n);
      ASSERT_EQ(c.status, CoverStatus::Proven);
      EXPECT_TRUE(test::isValidCover(f, n, c.sum, {primes}));
      // The expansion and the integer program must agree on the size.
      const auto implicants = splitTerms(primes);
      const auto table = coverTable(implicants, termList(minterms), n);
      if (expandCover(table)) {
        const ExactCover exact =
            solveCover({table, static_cast<int>(implicants.size())}, {std::chrono::seconds(20)});
        ASSERT_TRUE(exact.proven);
        EXPECT_EQ(exact.columns.size(), termsOf(c.sum).size());
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 20);
}

TEST(CoverSlow, SmallTablesFollowTheExpansionStepByStep) {
  std::mt19937 rng(3);
  int expanded = 0;
  for (int n = 3; n <= 6; ++n) {
    for (int trial = 0; trial < 60; ++trial) {
      const auto f = randomFunction(n, 0.25 + 0.1 * (trial % 5), rng);
      auto minterms = mintermPatterns(n, f);
      if (minterms.empty()) continue;
      // Hand-written lists need not be in row order.
      if (trial % 3 == 0) std::shuffle(minterms.begin(), minterms.end(), rng);
      const std::string primes = simplicity(minterms);
      if (primes == "1") continue;
      auto implicants = splitTerms(primes);
      if (trial % 4 == 1) std::shuffle(implicants.begin(), implicants.end(), rng);
      std::string sum;
      for (const auto& t : implicants) sum += (sum.empty() ? "" : "+") + t;
      const auto table = coverTable(implicants, termList(minterms), n);
      const auto fast = expandCover(table);
      if (!fast) continue;
      ++expanded;
      const auto expected = textExpansion(table);
      std::vector<std::string> got;
      for (const auto& c : *fast) got.push_back(indexProductText(c));
      ASSERT_EQ(got, expected) << n << "/" << trial;
      EXPECT_EQ(useSC3(sum, termList(minterms), n), textChoice(expected, implicants));
    }
  }
  EXPECT_GT(expanded, 150) << expanded;
}

// The whole prime table as one integer program, without any of the
// reductions, solved by plain branch and bound: a second way to the optimum.
int optimumOfWholeTable(const std::vector<std::vector<int>>& table, int columns) {
  CoinPackedMatrix matrix(false, 0, 0);
  matrix.setDimensions(0, columns);
  for (const auto& row : table) {
    CoinPackedVector v;
    for (int c : row) v.insert(c, 1.0);
    matrix.appendRow(v);
  }
  std::vector<double> lo(columns, 0.0), hi(columns, 1.0), obj(columns, 1.0);
  std::vector<double> rlo(table.size(), 1.0), rhi(table.size(), COIN_DBL_MAX);
  OsiClpSolverInterface solver;
  solver.messageHandler()->setLogLevel(0);
  solver.loadProblem(matrix, lo.data(), hi.data(), obj.data(), rlo.data(), rhi.data());
  for (int c = 0; c < columns; ++c) solver.setInteger(c);
  CbcModel model(solver);
  model.setLogLevel(0);
  model.messageHandler()->setLogLevel(0);
  model.branchAndBound();
  if (!model.isProvenOptimal()) return -1;
  return static_cast<int>(std::lround(model.getObjValue()));
}

TEST(Cover, LargeRandomFunctionsGetTheOptimum) {
  std::mt19937 rng(2024);
  for (int n : {9, 9, 10}) {
    const auto f = randomFunction(n, 0.5, rng);
    const auto minterms = mintermPatterns(n, f);
    const std::string primes = simplicity(minterms);
    const Cover c = minimalCover(primes, termList(minterms), n, std::chrono::seconds(60));
    ASSERT_EQ(c.status, CoverStatus::Proven);
    EXPECT_TRUE(test::isValidCover(f, n, c.sum, {primes}));
    const auto implicants = splitTerms(primes);
    const int optimum =
        optimumOfWholeTable(coverTable(implicants, termList(minterms), n), implicants.size());
    EXPECT_EQ(static_cast<int>(termsOf(c.sum).size()), optimum) << n;
    // The same function gives the same cover every time.
    EXPECT_EQ(minimalCover(primes, termList(minterms), n, std::chrono::seconds(60)).sum, c.sum);
  }
}

TEST(Cover, OutOfTimeGivesAFlaggedIrredundantCover) {
  std::mt19937 rng(99);
  for (double ones : {0.5, 0.75}) {
    const auto f = randomFunction(10, ones, rng);
    const auto minterms = mintermPatterns(10, f);
    const std::string primes = simplicity(minterms);
    const Cover c = minimalCover(primes, termList(minterms), 10, std::chrono::milliseconds(0));
    // Without time only the relaxation's bound can prove a cover, and at 75 %
    // ones it never does.
    const int terms = int(std::count(c.sum.begin(), c.sum.end(), '+')) + 1;
    if (ones > 0.5) EXPECT_EQ(c.status, CoverStatus::BestFound);
    EXPECT_EQ(c.status == CoverStatus::Proven, c.lowerBound == terms);
    EXPECT_LE(c.lowerBound, terms);
    EXPECT_TRUE(test::isValidCover(f, 10, c.sum, {primes}));
    const auto implicants = splitTerms(primes);
    const auto table = coverTable(implicants, termList(minterms), 10);
    const ExactCover bounded =
        solveCover({table, static_cast<int>(implicants.size())}, {std::chrono::milliseconds(0)});
    EXPECT_LE(bounded.lowerBound, static_cast<int>(bounded.columns.size()));
  }
}

TEST(Cover, ExpansionStopsAtTheTableSizes) {
  auto range = [](int from, int count) {
    std::vector<int> v(count);
    for (int i = 0; i < count; ++i) v[i] = from + i;
    return v;
  };
  // 129 implicants may cover one minterm, not 130.
  ASSERT_TRUE(expandCover({range(0, 129)}).has_value());
  EXPECT_EQ(expandCover({range(0, 129)})->size(), 129u);
  EXPECT_EQ(expandCover({range(0, 130)}), std::nullopt);
  // A pair of minterms may give 129 products (11 x 11 = 121 fits, 12 x 12 does not).
  EXPECT_TRUE(expandCover({range(0, 11), range(11, 11)}).has_value());
  EXPECT_EQ(expandCover({range(0, 12), range(12, 12)}), std::nullopt);
  // 1000 is the table's empty mark; 1001 is an ordinary index.
  EXPECT_EQ(expandCover({{1000}, {1000}}), std::nullopt);
  EXPECT_TRUE(expandCover({{1001}, {1001}}).has_value());
  // One step may make at most 1025 products: 16 x 64 fits, 16 x 65 does not.
  const auto step = expandCover({range(0, 4), range(4, 4), range(8, 8), range(16, 8)});
  ASSERT_TRUE(step.has_value());
  EXPECT_EQ(step->size(), 1024u);
  EXPECT_EQ(expandCover({range(0, 4), range(4, 4), range(8, 13), range(21, 5)}), std::nullopt);
  // An index product is at most 128 characters: 43 one-digit-or-more indices
  // written out need more.
  std::vector<std::vector<int>> chain;
  for (int i = 0; i < 60; ++i) chain.push_back({i});
  EXPECT_EQ(expandCover(chain), std::nullopt);
  EXPECT_TRUE(
      expandCover(std::vector<std::vector<int>>(chain.begin(), chain.begin() + 40)).has_value());

  // Past the sizes the solver still finds the fewest terms.
  const ExactCover wide =
      solveCover({{range(0, 130), range(0, 130)}, 130}, {std::chrono::seconds(5)});
  EXPECT_TRUE(wide.proven);
  EXPECT_EQ(wide.columns.size(), 1u);
}

// Rows 000..111 valued 0 1 1 1 X X 1 0: two terms do it (a tool that makes
// the X rows need cover, or picks covers by terms alone, gives three); the
// product of sums is as short, written with parentheses.
TEST(DontCare, WorkedExampleAndItsProductOfSums) {
  const std::string ones = "noc+nbp+nbc+abp+", free = "aop+aoc+";
  const Cover c = minimalCoverWithDontCares(ones, free, 3);
  EXPECT_EQ(c.status, CoverStatus::Proven);
  EXPECT_EQ(wordchange(layout(c.sum)), "~a*c+b*~c");
  // 0-rows 000 and 111; the free rows 100 and 101 serve here too.
  EXPECT_EQ(wordchange(minimalProductOfSums("nop+abc+", free, 3).sum), "(b+c)*(~a+~c)");
  EXPECT_EQ(wordchange(minimalProductOfSums("nop+abc+", "", 3).sum), "(a+b+c)*(~a+~b+~c)");
  EXPECT_EQ(minimalProductOfSums("nop+nbp+", "", 3).sum, "(a+c)");
  EXPECT_EQ(minimalProductOfSums("nop+noc+nbp+nbc+", "", 3).sum, "a");
  EXPECT_EQ(minimalProductOfSums("", "", 3).sum, "1");
  EXPECT_EQ(minimalProductOfSums("n+", "a+", 1).sum, "0");
  EXPECT_EQ(minimalCoverWithDontCares("", "aoc+", 3).sum, "0");
  EXPECT_EQ(minimalCoverWithDontCares("abc+", "noc+nbc+aoc+", 3).sum, "c");
}

// The exact solver with a cost per column against trying every subset; every
// third table weighs columns before costs (fewest columns proven first).
TEST(DontCare, WeightedExactCoverMatchesEverySubset) {
  std::mt19937 rng(77);
  for (int trial = 0; trial < 300; ++trial) {
    const int cols = 4 + trial % 11, rows = 3 + trial % 13;
    std::vector<std::vector<int>> table(rows);
    std::vector<int64_t> cost(cols);
    const bool fewestFirst = trial % 3 == 0;
    for (auto& c : cost) c = (fewestFirst ? 1000 : 1) + rng() % (trial % 2 ? 3 : 40);
    for (auto& row : table) {
      for (int c = 0; c < cols; ++c)
        if (rng() % 3 == 0) row.push_back(c);
      if (row.empty()) row.push_back(int(rng() % cols));
    }
    int64_t best = INT64_MAX;
    for (uint32_t set = 0; set < (1u << cols); ++set) {
      int64_t total = 0;
      for (int c = 0; c < cols; ++c)
        if (set >> c & 1) total += cost[c];
      bool all = true;
      for (const auto& row : table)
        all = all && std::any_of(row.begin(), row.end(), [&](int c) { return set >> c & 1; });
      if (all) best = std::min(best, total);
    }
    const ExactCover got = solveCover({table, cols, cost, fewestFirst}, {std::chrono::seconds(10)});
    ASSERT_TRUE(got.proven) << trial;
    int64_t total = 0;
    for (int c : got.columns) total += cost[c];
    for (const auto& row : table)
      ASSERT_TRUE(std::any_of(row.begin(), row.end(), [&](int c) {
        return std::binary_search(got.columns.begin(), got.columns.end(), c);
      })) << trial;
    EXPECT_EQ(total, best) << trial;
  }
}

}  // namespace
}  // namespace ronri
