// Prime implicants and the smallest cover against independent oracles: every
// function of up to four variables, and random functions of five to ten.
//
// RONRI_CROSSCHECK_SAMPLE=k checks every k-th four-variable function only
// (the sanitizer build uses it); the default checks all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/simplify.h"
#include "core/simplify_detail.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

using test::Cube;
using test::Table;

int sampleStep() {
  const char* s = std::getenv("RONRI_CROSSCHECK_SAMPLE");
  const int k = s ? std::atoi(s) : 1;
  return k < 1 ? 1 : k;
}

std::vector<std::string> mintermPatterns(const std::string& termList, int n) {
  std::vector<std::string> out;
  for (size_t p = 0; p + size_t(n) <= termList.size(); p += size_t(n) + 1)
    out.push_back(termList.substr(p, size_t(n)));
  return out;
}

std::string describe(const Table& f, int n) {
  std::string s = "n=" + std::to_string(n) + " ones:";
  for (int r = 0; r < (1 << n); ++r)
    if (f[size_t(r)]) s += " " + std::to_string(r);
  return s;
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
  if (f.none()) return primes == "0" && cover.sum == "0" ? "" : "constant 0 gives " + cover.sum;
  if (f == test::allRows(n))
    return primes == "1" && cover.sum == "1" ? "" : "constant 1 gives " + cover.sum;

  const std::vector<Cube> expectedPrimes = test::primeImplicants(f, n);
  std::vector<Cube> listed;
  for (const std::string& t : splitTerms(primes)) {
    const auto c = test::parseTerm(t, n);
    if (!c) return "prime list holds " + t;
    listed.push_back(*c);
  }
  if (listed.size() != expectedPrimes.size() || !sameCubes(listed, expectedPrimes))
    return "prime implicants " + primes;

  std::vector<Table> chosen;
  Table covered;
  for (const std::string& t : splitTerms(cover.sum)) {
    const auto c = test::parseTerm(t, n);
    if (!c) return "cover holds " + t;
    if (std::find(expectedPrimes.begin(), expectedPrimes.end(), *c) == expectedPrimes.end())
      return "cover term " + t + " is not prime";
    chosen.push_back(test::pointsOf(*c, n));
    covered |= chosen.back();
  }
  if (covered != f) return "cover " + cover.sum + " is another function";
  for (size_t i = 0; i < chosen.size(); ++i) {
    Table others;
    for (size_t j = 0; j < chosen.size(); ++j)
      if (j != i) others |= chosen[j];
    if (others == f) return "cover " + cover.sum + " has a redundant term";
  }
  const std::optional<int> fewest = fewestOf(f, expectedPrimes, n);
  if (!fewest) return "";
  // A cover the search could not prove may be larger, never smaller.
  const bool proven = cover.status == CoverStatus::Proven;
  if (proven ? int(chosen.size()) != *fewest : int(chosen.size()) < *fewest)
    return "cover " + cover.sum + " has " + std::to_string(chosen.size()) + " terms, fewest is " +
           std::to_string(*fewest);
  return "";
}

TEST(CrosscheckCover, EveryFunctionOfUpToFourVariables) {
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
      if (!problem.empty() && ++failures <= 10) ADD_FAILURE() << describe(f, n) << ": " << problem;
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
      EXPECT_EQ(checkFunction(f, n, budget, oracle, &status), "") << describe(f, n);
      if (mustProve) EXPECT_EQ(status, CoverStatus::Proven) << describe(f, n);
    }
  }
}

TEST(CrosscheckCover, RandomFunctionsOfFiveToSevenVariables) {
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
TEST(CrosscheckCover, RandomFunctionsOfEightToTenVariables) {
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

}  // namespace
}  // namespace ronri
