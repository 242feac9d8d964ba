// Prime implicants and the smallest cover against independent oracles: every
// function of up to four variables, and random functions of five to ten.
//
// RONRI_CROSSCHECK_SAMPLE=k checks every k-th four-variable function only
// (the sanitizer build uses it); the default checks all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/cover/cover_branch_bound.h"
#include "core/cover/cover_dontcare.h"
#include "core/cover/cover_improve.h"
#include "core/cover/cover_local_search.h"
#include "core/cover/cover_reduction.h"
#include "core/cover/cover_search.h"
#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/table/function.h"
#include "support/cover_check.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

using test::sampleStep;

using test::Cube;
using test::SumCost;
using test::Table;

std::vector<std::string> mintermPatterns(const std::string& termList, int n) {
  std::vector<std::string> out;
  for (size_t p = 0; p + size_t(n) <= termList.size(); p += size_t(n) + 1)
    out.push_back(termList.substr(p, size_t(n)));
  return out;
}

bool sameCubes(std::vector<Cube> a, std::vector<Cube> b) {
  auto less = [](const Cube& x, const Cube& y) {
    return x.care != y.care ? x.care < y.care : x.val < y.val;
  };
  std::sort(a.begin(), a.end(), less);
  std::sort(b.begin(), b.end(), less);
  return a == b;
}

// Checks simplicity and the cover of f; "" when all is well, else what is wrong.
// `fewest` is the oracle for the smallest number of terms (nullopt: unknown).
using Oracle = std::function<std::optional<int>(const Table&, const std::vector<Cube>&, int)>;

std::optional<int> branchAndBound(const Table& f, const std::vector<Cube>& primes, int n) {
  return test::minimumCoverSize(f, primes, n);
}

std::string checkFunction(const Table& f, int n, std::chrono::milliseconds budget,
                          const Oracle& fewestOf = branchAndBound, CoverStatus* status = nullptr) {
  const std::string simple = test::termListOf(f, n);
  const std::string primes = simplicity(mintermPatterns(simple, n));
  const Cover cover = minimalCover(primes, simple, n, budget);
  if (status) *status = cover.status;
  if (std::string problem = test::primeListProblem(f, n, primes); !problem.empty()) return problem;
  if (std::string problem = test::coverProblem(f, n, cover.sum); !problem.empty())
    return "cover " + cover.sum + ": " + problem;
  if (f.none() || f == test::allRows(n)) return "";
  const int terms = int(splitTerms(cover.sum).size());
  const bool proven = cover.status == CoverStatus::Proven;
  if (proven ? cover.lowerBound != terms : cover.lowerBound >= terms)
    return "bound " + std::to_string(cover.lowerBound) + " beside " + std::to_string(terms) +
           " terms";
  const std::optional<int> fewest = fewestOf(f, test::primeImplicants(f, n), n);
  if (!fewest) return "";
  // A cover the search could not prove may be larger, never smaller.
  if (proven ? terms != *fewest : terms < *fewest)
    return "cover " + cover.sum + " has " + std::to_string(terms) + " terms, fewest is " +
           std::to_string(*fewest);
  if (cover.lowerBound > *fewest) return "bound " + std::to_string(cover.lowerBound) + " too high";
  return "";
}

TEST(CrosscheckCoverSlow, EveryFunctionOfUpToFourVariables) {
  const int step = sampleStep();
  int checked = 0, failures = 0;
  for (int n = 1; n <= 4; ++n) {
    const unsigned functions = 1u << (1u << n);
    // Sampling starts at a different function per count, so every residue
    // class is hit over time; small counts are always checked in full.
    const unsigned stride = n < 4 ? 1 : unsigned(step);
    for (unsigned bits = n < 4 ? 0 : unsigned(n * 7) % stride; bits < functions; bits += stride) {
      Table f;
      for (int r = 0; r < (1 << n); ++r) f[size_t(r)] = (bits >> r) & 1u;
      const std::string problem = checkFunction(f, n, std::chrono::milliseconds(2000));
      ++checked;
      if (!problem.empty() && ++failures <= 10)
        ADD_FAILURE() << test::describeTable(f, n) << ": " << problem;
    }
  }
  EXPECT_EQ(failures, 0) << "of " << checked << " functions";
  if (step == 1) EXPECT_EQ(checked, 4 + 16 + 256 + 65536);
}

// Random functions of n variables at 25, 50 and 75 % ones, `count` of each.
void checkRandomFunctions(int n, int count, std::mt19937& rng, const Oracle& oracle,
                          std::chrono::milliseconds budget, bool mustProve,
                          std::vector<double> shares = {0.25, 0.5, 0.75}) {
  for (double share : shares) {
    std::bernoulli_distribution one(share);
    for (int i = 0; i < count; ++i) {
      Table f;
      for (int r = 0; r < (1 << n); ++r) f[size_t(r)] = one(rng);
      CoverStatus status = CoverStatus::Proven;
      EXPECT_EQ(checkFunction(f, n, budget, oracle, &status), "") << test::describeTable(f, n);
      if (mustProve) EXPECT_EQ(status, CoverStatus::Proven) << test::describeTable(f, n);
    }
  }
}

TEST(CrosscheckCoverSlow, RandomFunctionsOfFiveToSevenVariables) {
  std::mt19937 rng(20261207);
  checkRandomFunctions(5, 12, rng, branchAndBound, std::chrono::seconds(10), true);
  checkRandomFunctions(6, 8, rng, branchAndBound, std::chrono::seconds(10), true);
  checkRandomFunctions(7, 5, rng, branchAndBound, std::chrono::seconds(10), true);
}

// Larger functions need an integer-program solver as the oracle; glpsol is
// installed by the CI script. Dense functions of 9 and 10 variables take both
// solvers longer than a test may: there the engine's default budget applies,
// and the cover is checked for soundness (the function, primes, no redundant
// term) only.
TEST(CrosscheckCoverSlow, RandomFunctionsOfEightToTenVariables) {
  if (!test::glpsolInstalled()) GTEST_SKIP() << "glpsol (glpk-utils) is not installed";
  auto glpsol = [](const Table& f, const std::vector<Cube>& primes, int n) {
    return test::minimumCoverSizeByGlpsol(f, primes, n, 10);
  };
  std::mt19937 rng(1207);
  auto none = [](const Table&, const std::vector<Cube>&, int) { return std::optional<int>(); };
  checkRandomFunctions(8, 3, rng, glpsol, std::chrono::seconds(20), true);
  checkRandomFunctions(9, 2, rng, glpsol, std::chrono::seconds(20), true, {0.25, 0.5});
  checkRandomFunctions(9, 1, rng, none, std::chrono::seconds(2), false, {0.75});
  checkRandomFunctions(10, 1, rng, glpsol, std::chrono::seconds(20), true, {0.25, 0.5});
  checkRandomFunctions(10, 1, rng, none, std::chrono::seconds(2), false, {0.75});
}

// The branch and bound on whole prime tables of dense functions, against the
// independent search (7 variables) and glpsol (8 and 9): no cover below the
// optimum, a smallest one at it.
TEST(CrosscheckCoverSlow, BranchAndBoundMatchesTheOracles) {
  std::mt19937 rng(20261208);
  for (const auto& [n, ones] :
       std::vector<std::pair<int, double>>{{7, 0.6}, {7, 0.75}, {8, 0.6}, {8, 0.75}, {9, 0.7}}) {
    if (n > 7 && !test::glpsolInstalled()) continue;
    Table f;
    std::bernoulli_distribution one(ones);
    for (int r = 0; r < (1 << n); ++r) f[size_t(r)] = one(rng);
    const std::vector<Cube> primes = test::primeImplicants(f, n);
    std::vector<Table> points;
    for (const Cube& c : primes) points.push_back(test::pointsOf(c, n));
    std::vector<std::vector<int>> table;
    for (int r = 0; r < (1 << n); ++r) {
      if (!f[size_t(r)]) continue;
      table.emplace_back();
      for (size_t c = 0; c < primes.size(); ++c)
        if (points[c][size_t(r)]) table.back().push_back(int(c));
    }
    const std::optional<int> optimum =
        n <= 7 ? std::optional<int>(test::minimumCoverSize(f, primes, n))
               : test::minimumCoverSizeByGlpsol(f, primes, n, 60);
    if (!optimum) {
      ADD_FAILURE() << n << " variables: glpsol proved no optimum in 60 s";
      continue;
    }
    const std::string what = std::to_string(n) + " variables, optimum " + std::to_string(*optimum);
    const int columns = int(primes.size());
    const AtMostResult below = coverOfAtMost(table, columns, *optimum - 1, {});
    EXPECT_TRUE(below.finished && !below.found) << what << ", " << below.columns.size();
    const AtMostResult at = coverOfAtMost(table, columns, *optimum, {});
    EXPECT_TRUE(at.finished && at.found) << what;
    EXPECT_EQ(int(at.columns.size()), *optimum) << what;
    Table covered;
    for (int c : at.columns) covered |= points[size_t(c)];
    EXPECT_EQ(covered & f, f) << what;
  }
}

// A sum of products as the program writes it: its table, terms and letters.
struct ReadSum {
  Table table;
  SumCost cost;
};
std::optional<ReadSum> readSum(const std::string& sum, int n) {
  if (sum == "0") return ReadSum{Table(), {0, 0}};
  if (sum == "1") return ReadSum{test::allRows(n), {1, 0}};
  ReadSum r;
  for (const std::string& t : splitTerms(sum)) {
    const auto c = test::parseTerm(t, n);
    if (!c) return std::nullopt;
    r.table |= test::pointsOf(*c, n);
    ++r.cost.terms;
    r.cost.letters += int(t.size());
  }
  return r;
}

// A product of sums: its table and its sums and letters.
std::optional<ReadSum> readProduct(const std::string& product, int n) {
  const auto table = test::evaluateInfix(product, n);
  if (!table) return std::nullopt;
  ReadSum r{*table, {0, 0}};
  if (product == "0" || product == "1") return r;
  r.cost.terms = int(std::count(product.begin(), product.end(), '*')) + 1;
  for (char c : product) r.cost.letters += (c >= 'a' && c <= 'j') || (c >= 'n' && c <= 'w');
  return r;
}

std::string describe(const Table& ones, const Table& free, int n) {
  std::string s = test::describeTable(ones, n) + " free:";
  for (int r = 0; r < (1 << n); ++r)
    if (free[size_t(r)]) s += " " + std::to_string(r);
  return s;
}

// Checks the sum of products and the product of sums of (ones, free) against
// the best of all completions. "" when all is well.
std::string checkDontCares(const Table& ones, const Table& free, int n,
                           const std::vector<SumCost>& smallest) {
  const Table zeros = test::allRows(n) & ~(ones | free);
  auto bestCompletion = [&](const Table& must) {
    const uint32_t base = uint32_t(must.to_ulong()), x = uint32_t(free.to_ulong());
    SumCost best{INT_MAX, 0};
    for (uint32_t s = x;; s = (s - 1) & x) {
      const SumCost c = smallest[base | s];
      if (c.terms < best.terms || (c.terms == best.terms && c.letters < best.letters)) best = c;
      if (s == 0) break;
    }
    return best;
  };
  const Cover sop =
      minimalCoverWithDontCares(test::termListOf(ones, n), test::termListOf(free, n), n);
  const auto got = readSum(sop.sum, n);
  if (!got) return "sum " + sop.sum + " is unreadable";
  if ((got->table & zeros).any() || (ones & ~got->table).any())
    return "sum " + sop.sum + " disagrees with a fixed row";
  const SumCost want = bestCompletion(ones);
  if (free.none()) {
    // Without free rows the designed cover is kept as it is: fewest terms.
    const std::string simple = test::termListOf(ones, n);
    if (sop.sum != minimalCover(simplicity(mintermPatterns(simple, n)), simple, n).sum)
      return "sum " + sop.sum + " is not the plain cover";
    if (got->cost.terms != want.terms) return "sum " + sop.sum + " is not smallest";
  } else if (!(got->cost == want)) {
    return "sum " + sop.sum + " has " + std::to_string(got->cost.terms) + "/" +
           std::to_string(got->cost.letters) + " terms/letters, best completion " +
           std::to_string(want.terms) + "/" + std::to_string(want.letters);
  }
  // The loops offered: the primes of ones and free rows that take a 1-row.
  std::vector<int> freeRows;
  for (int r = 0; r < (1 << n); ++r)
    if (free[size_t(r)]) freeRows.push_back(r);
  std::vector<Cube> wantPrimes, gotPrimes;
  if (ones.any() && (ones | free) != test::allRows(n)) {
    for (const Cube& c : test::primeImplicants(ones | free, n))
      if ((test::pointsOf(c, n) & ones).any()) wantPrimes.push_back(c);
    const std::string primes = primesWithDontCares(test::termListOf(ones, n), freeRows, n);
    for (const std::string& t : splitTerms(primes)) {
      const auto c = test::parseTerm(t, n);
      if (!c) return "prime " + t + " is unreadable";
      gotPrimes.push_back(*c);
    }
    if (!sameCubes(gotPrimes, wantPrimes)) return "primes " + primes + " are not those wanted";
  }
  const Cover pos = minimalProductOfSums(test::termListOf(zeros, n), test::termListOf(free, n), n);
  const auto product = readProduct(wordchange(pos.sum), n);
  if (!product) return "product " + pos.sum + " is unreadable";
  if ((product->table & zeros).any() || (ones & ~product->table).any())
    return "product " + pos.sum + " disagrees with a fixed row";
  const SumCost dual = bestCompletion(zeros);
  // The constants are written alone; otherwise as many sums as the 0-rows' terms.
  if (product->cost.terms != 0 && !(product->cost == dual))
    return "product " + pos.sum + " has " + std::to_string(product->cost.terms) + "/" +
           std::to_string(product->cost.letters) + " sums/letters, best " +
           std::to_string(dual.terms) + "/" + std::to_string(dual.letters);
  return "";
}

// Every (function, free rows) pair of up to three variables, and a random
// set of free rows for every four-variable function.
TEST(CrosscheckCoverSlow, DontCaresMatchTheBestCompletion) {
  std::mt19937 rng(16);
  int checked = 0, failures = 0;
  for (int n = 1; n <= 4; ++n) {
    const std::vector<SumCost> smallest = test::smallestSums(n);
    const uint32_t rows = (1u << (1u << n)) - 1;
    for (uint32_t ones = 0; ones <= rows; ++ones) {
      const uint32_t rest = rows & ~ones;
      std::vector<uint32_t> frees;
      if (n < 4) {
        for (uint32_t x = rest;; x = (x - 1) & rest) {
          frees.push_back(x);
          if (x == 0) break;
        }
      } else if (ones % 3 == 0) {
        // Each other row is free with a chance of 1/4, 1/2 or 3/4.
        const uint32_t a = rng(), b = rng();
        const uint32_t mask = (ones / 3) % 3 == 0 ? a & b : (ones / 3) % 3 == 1 ? a : a | b;
        frees.push_back(rest & mask);
      }
      for (uint32_t x : frees) {
        const Table f(ones), free(x);
        const std::string problem = checkDontCares(f, free, n, smallest);
        ++checked;
        if (!problem.empty() && ++failures <= 10)
          ADD_FAILURE() << describe(f, free, n) << ": " << problem;
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << checked << " pairs";
  EXPECT_GE(checked, 20000);
}

// Random functions of five to ten variables with 10 to 30 % free rows: the
// sum agrees on every fixed row and is as small as the independent search
// (terms and letters up to seven variables, also by the proof in the
// background; terms by glpsol beyond); the
// product of sums agrees and has as many sums as the 0-rows need terms.
TEST(CrosscheckCoverSlow, DontCaresOfFiveToTenVariables) {
  std::mt19937 rng(1616);
  const bool glpsol = test::glpsolInstalled();
  for (int n = 5; n <= 10; ++n) {
    const int count = n <= 7 ? 6 : n < 10 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
      const double freeShare = 0.1 + 0.2 * i / std::max(1, count - 1);
      std::uniform_real_distribution<double> u(0, 1);
      Table ones, free;
      for (int r = 0; r < (1 << n); ++r) {
        const double x = u(rng);
        if (x < freeShare)
          free.set(size_t(r));
        else if (x < freeShare + (1 - freeShare) * 0.5)
          ones.set(size_t(r));
      }
      const Table zeros = test::allRows(n) & ~(ones | free);
      const std::string what = describe(ones, free, n);
      const Cover sop = minimalCoverWithDontCares(
          test::termListOf(ones, n), test::termListOf(free, n), n, std::chrono::seconds(20));
      const Cover pos = minimalProductOfSums(test::termListOf(zeros, n), test::termListOf(free, n),
                                             n, std::chrono::seconds(20));
      ASSERT_EQ(sop.status, CoverStatus::Proven) << what;
      ASSERT_EQ(pos.status, CoverStatus::Proven) << what;
      const auto got = readSum(sop.sum, n);
      const auto product = readProduct(wordchange(pos.sum), n);
      ASSERT_TRUE(got && product) << what;
      EXPECT_FALSE((got->table & zeros).any() || (ones & ~got->table).any()) << what;
      EXPECT_FALSE((product->table & zeros).any() || (ones & ~product->table).any()) << what;

      const auto sumPrimes = test::primeImplicants(ones | free, n);
      const auto productPrimes = test::primeImplicants(zeros | free, n);
      if (n <= 7) {
        EXPECT_EQ(got->cost, test::minimumCoverCost(ones, sumPrimes, n)) << what;
        // The proof in the background keeps the letters as the second aim.
        std::vector<int> freeRows;
        for (int r = 0; r < (1 << n); ++r)
          if (free[size_t(r)]) freeRows.push_back(r);
        const std::string simple = test::termListOf(ones, n);
        const Cover proof = proveFewestTermsThenLetters(primesWithDontCares(simple, freeRows, n),
                                                        simple, n, [] { return false; }, {});
        const auto proved = readSum(proof.sum, n);
        ASSERT_TRUE(proved) << what;
        EXPECT_EQ(proved->cost, got->cost) << what;
        EXPECT_EQ(product->cost, test::minimumCoverCost(zeros, productPrimes, n)) << what;
      } else if (glpsol) {
        const auto terms = test::minimumCoverSizeByGlpsol(ones, sumPrimes, n, 20);
        if (terms) EXPECT_EQ(got->cost.terms, *terms) << what;
        const auto sums = test::minimumCoverSizeByGlpsol(zeros, productPrimes, n, 20);
        if (sums) EXPECT_EQ(product->cost.terms, *sums) << what;
      }
    }
  }
}

// Random cover tables against every subset of columns: the reductions keep
// the optimum (the essentials plus the best cover of what is left), the local
// moves turn any cover into a valid, irredundant one that is no larger, the
// local search finds the optimum, the branch and bound proves it, and
// the search's bound never passes the optimum.
TEST(CrosscheckCoverSlow, ReductionsAndLocalMovesKeepTheOptimum) {
  std::mt19937 rng(3030);
  for (int round = 0; round < 400; ++round) {
    const int rows = 3 + int(rng() % 10), cols = 3 + int(rng() % 10);
    std::bernoulli_distribution hit(0.15 + 0.1 * (round % 4));
    std::vector<std::vector<int>> table(static_cast<size_t>(rows)),
        colRows(static_cast<size_t>(cols));
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c)
        if (hit(rng)) table[size_t(r)].push_back(c);
      if (table[size_t(r)].empty()) table[size_t(r)].push_back(int(rng() % unsigned(cols)));
      for (int c : table[size_t(r)]) colRows[size_t(c)].push_back(r);
    }
    auto covers = [&](uint32_t set, const std::vector<int>& which) {
      for (int r : which) {
        const auto& row = table[size_t(r)];
        if (std::none_of(row.begin(), row.end(), [&](int c) { return (set >> c) & 1u; }))
          return false;
      }
      return true;
    };
    auto fewest = [&](const std::vector<int>& which, uint32_t allowed) {
      int best = INT_MAX;
      for (uint32_t set = allowed;; set = (set - 1) & allowed) {
        if (std::popcount(set) < best && covers(set, which)) best = std::popcount(set);
        if (set == 0) break;
      }
      return best;
    };
    std::vector<int> all(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) all[size_t(r)] = r;
    const int optimum = fewest(all, (1u << cols) - 1);
    const std::string what = "round " + std::to_string(round);

    const TableReduction red = reduceCoverTable(table, cols);
    int taken = 0;
    for (const ReductionStep& s : red.steps) taken += s.kind == ReductionStep::Essential;
    uint32_t left = 0;
    for (int c : red.columnsLeft) left |= 1u << c;
    EXPECT_EQ(taken + (red.rowsLeft.empty() ? 0 : fewest(red.rowsLeft, left)), optimum) << what;

    // From every column, and from a random cover.
    uint32_t some = 0;
    while (!covers(some, all)) some |= 1u << (rng() % unsigned(cols));
    for (uint32_t start : {(1u << cols) - 1, some}) {
      std::vector<int> cols0;
      for (int c = 0; c < cols; ++c)
        if ((start >> c) & 1u) cols0.push_back(c);
      const std::vector<int> better =
          improveCover(colRows, size_t(rows), cols0, std::vector<int64_t>(size_t(cols), 1));
      uint32_t set = 0;
      for (int c : better) set |= 1u << c;
      EXPECT_TRUE(covers(set, all)) << what;
      for (int c : better) EXPECT_FALSE(covers(set & ~(1u << c), all)) << what << " keeps " << c;
      EXPECT_LE(better.size(), cols0.size()) << what;
      EXPECT_GE(int(better.size()), optimum) << what;
    }
    // The local search walks from every column to a smallest cover.
    LocalSearchLimits walk;
    walk.patience = 5000;
    std::vector<int> every(static_cast<size_t>(cols));
    for (int c = 0; c < cols; ++c) every[size_t(c)] = c;
    uint32_t walked = 0;
    for (int c : localSearchCover(colRows, size_t(rows), every, walk)) walked |= 1u << c;
    EXPECT_TRUE(covers(walked, all)) << what;
    EXPECT_EQ(std::popcount(walked), optimum) << what;

    // The branch and bound finds nothing below the optimum, and from one
    // above it walks down to a smallest cover.
    const AtMostResult below = coverOfAtMost(table, cols, optimum - 1, {});
    EXPECT_TRUE(below.finished && !below.found) << what;
    const AtMostResult down = coverOfAtMost(table, cols, optimum + 1, {});
    uint32_t found = 0;
    for (int c : down.columns) found |= 1u << c;
    EXPECT_TRUE(down.finished && down.found && covers(found, all)) << what;
    EXPECT_EQ(std::popcount(found), optimum) << what;

    const ExactCover quick = solveCover({table, cols}, {std::chrono::milliseconds(0)});
    EXPECT_LE(quick.lowerBound, optimum) << what;
    EXPECT_LE(quick.lpBound, quick.lowerBound) << what;
    const ExactCover exact = solveCover({table, cols}, {std::chrono::seconds(10)});
    EXPECT_TRUE(exact.proven) << what;
    EXPECT_EQ(int(exact.columns.size()), optimum) << what;
    EXPECT_EQ(exact.lowerBound, optimum) << what;
  }
}

}  // namespace
}  // namespace ronri
