// Statistics of the simplify command over seeded random functions: times
// (median, p95, max), share of proven minimum covers, and for covers that are
// not proven the excess over the optimum found with a long budget.
//
//   simplify_stats_bench [count] [optimum-seconds] [cpu] [series...]
//   series: 8-50 10-25 10-50 10-75 10-25x25 (default: all five); "n-PxQ" is
//   P % ones and Q % don't-care rows, minimised with the don't-cares;
//   "n-P:i,j,k" only the functions i, j and k of the series.
//   cpu: the 2 s budget counts CPU time (a fair measure on a busy machine).
//   simplify_stats_bench prove SECONDS n-P:i,j  runs the proof in the
//   background ("証明を続ける", on the machine's cores) on each function for at
//   most SECONDS and prints every better cover and bound as it comes.
// Every series also reports the mean excess of the answers over the rounded-up
// bound of the relaxation and over the bound the search proved.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/simplify_functions.h"
#include "bench/timing.h"
#include "core/cover/cover_dontcare.h"
#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/cover/simplify.h"

using namespace ronri;
using namespace ronri::bench;

namespace {

size_t termCount(const std::string& sum) {
  return sum.empty() ? 0 : static_cast<size_t>(std::count(sum.begin(), sum.end(), '+')) + 1;
}

// Function `index` of the series (n, P % ones, Q % don't-cares): each row is 1
// with chance P and free with chance Q, drawn as randomMinterms draws.
void randomWithFree(int n, int percentOnes, int percentFree, int index, std::vector<int>& ones,
                    std::vector<int>& free) {
  uint64_t state = (static_cast<uint64_t>(n) << 40) ^ (static_cast<uint64_t>(percentOnes) << 20) ^
                   (static_cast<uint64_t>(percentFree) << 30) ^ static_cast<uint64_t>(index);
  for (int r = 0; r < (1 << n); ++r) {
    const uint64_t v = splitmix(state) % 100;
    if (v < static_cast<uint64_t>(percentOnes))
      ones.push_back(r);
    else if (v < static_cast<uint64_t>(percentOnes + percentFree))
      free.push_back(r);
  }
}

void runSeries(int n, int percent, int percentFree, const std::vector<int>& indices,
               double optimumSeconds, bool cpu) {
  const int count = static_cast<int>(indices.size());
  std::vector<double> ms;
  std::vector<double> cpuMs;  // the machine may be shared: CPU time shows the work alone
  int proven = 0;
  int unprovenTotal = 0;
  int excessSum = 0;
  int excessMax = 0;
  int excessUnknown = 0;
  int bestSum = 0;  // over the long run's best cover, where the optimum stays unknown
  int termsSum = 0;
  int overLp = 0;     // answer minus the relaxation's bound, summed
  int overBound = 0;  // answer minus the search's proven bound, summed
  for (int i : indices) {
    std::vector<int> oneRows, freeRows;
    if (percentFree > 0)
      randomWithFree(n, percent, percentFree, i, oneRows, freeRows);
    else
      oneRows = randomMinterms(n, percent, i);
    const auto minterms = patterns(n, oneRows);
    const std::string simple = termList(minterms);
    const std::string dontCare = termList(patterns(n, freeRows));
    const Stopwatch watch;
    std::string primes;
    Cover cover;
    if (percentFree > 0) {
      cover = minimalCoverWithDontCares(simple, dontCare, n);
    } else {
      primes = simplicity(minterms);
      cover = minimalCover(primes, simple, n, CoverLimits{std::chrono::seconds(2), cpu, {}, {}});
    }
    ms.push_back(1000.0 * watch.wallSeconds());
    cpuMs.push_back(1000.0 * watch.cpuSeconds());
    const int terms = static_cast<int>(termCount(cover.sum));
    termsSum += terms;
    if (percentFree == 0) {
      // The relaxation's bound alone: the search with no time at all.
      const auto implicants = splitTerms(primes);
      const ExactCover lp =
          solveCover({coverTable(implicants, simple, n), static_cast<int>(implicants.size())},
                     {std::chrono::milliseconds(0)});
      const int lpBound =
          cover.status == CoverStatus::Proven ? std::min(lp.lpBound, terms) : lp.lpBound;
      overLp += terms - lpBound;
      overBound += terms - cover.lowerBound;
      if (cover.status != CoverStatus::Proven)
        std::printf("  #%d: %d terms, proven bound %d, relaxation %d, %.0f ms CPU\n", i, terms,
                    cover.lowerBound, lpBound, cpuMs.back());
    }
    if (cover.status == CoverStatus::Proven) {
      ++proven;
      continue;
    }
    ++unprovenTotal;
    if (optimumSeconds <= 0) continue;
    if (percentFree > 0) {
      // The long run of the same search: terms only.
      const Cover best = minimalCoverWithDontCares(
          simple, dontCare, n, std::chrono::milliseconds(static_cast<long>(optimumSeconds * 1000)));
      const int excess =
          static_cast<int>(termCount(cover.sum)) - static_cast<int>(termCount(best.sum));
      if (best.status != CoverStatus::Proven) {
        ++excessUnknown;
        bestSum += excess;
      }
      excessSum += excess;
      excessMax = std::max(excessMax, excess);
      std::printf("  #%d: %zu terms; with %.0f s: %zu%s\n", i, termCount(cover.sum), optimumSeconds,
                  termCount(best.sum), best.status == CoverStatus::Proven ? " (proven)" : "");
      continue;
    }
    const auto implicants = splitTerms(primes);
    const auto table = coverTable(implicants, simple, n);
    const ExactCover best =
        solveCover({table, static_cast<int>(implicants.size())},
                   {std::chrono::milliseconds(static_cast<long>(optimumSeconds * 1000))});
    // Against a proven optimum when there is one, else against the lower bound.
    const int reference = best.proven ? static_cast<int>(best.columns.size()) : best.lowerBound;
    const int excess = static_cast<int>(termCount(cover.sum)) - reference;
    if (!best.proven) ++excessUnknown;
    excessSum += excess;
    excessMax = std::max(excessMax, excess);
    if (best.proven)
      std::printf("  #%d: %zu terms, optimum %d\n", i, termCount(cover.sum), reference);
    else
      std::printf("  #%d: %zu terms; with %.0f s: best %zu, lower bound %d\n", i,
                  termCount(cover.sum), optimumSeconds, best.columns.size(), reference);
    if (!best.proven)
      bestSum += static_cast<int>(termCount(cover.sum)) - static_cast<int>(best.columns.size());
    std::fflush(stdout);
  }
  std::printf(
      "%2d variables, %d%% ones, %d%% don't-cares, %d functions: median %.1f ms, p95 %.1f ms, "
      "max %.1f ms, proven %d/%d\n"
      "   CPU time: median %.1f ms, p95 %.1f ms, max %.1f ms\n",
      n, percent, percentFree, count, percentile(ms, 0.5), percentile(ms, 0.95),
      percentile(ms, 1.0), proven, count, percentile(cpuMs, 0.5), percentile(cpuMs, 0.95),
      percentile(cpuMs, 1.0));
  if (percentFree == 0)
    std::printf(
        "   terms in all %d; excess over the relaxation's bound: mean %.2f; over the "
        "proven bound: mean %.2f\n",
        termsSum, static_cast<double>(overLp) / count, static_cast<double>(overBound) / count);
  if (unprovenTotal > 0 && optimumSeconds > 0) {
    std::printf(
        "   not proven: %d; excess over the optimum (or its lower bound): mean %.2f, max %d\n",
        unprovenTotal, static_cast<double>(excessSum) / unprovenTotal, excessMax);
    if (excessUnknown)
      std::printf("   %d without a proven optimum; excess over the long run's best: mean %.2f\n",
                  excessUnknown, static_cast<double>(bestSum) / excessUnknown);
  }
  std::fflush(stdout);
}

void runProof(int n, int percent, int index, double seconds) {
  const auto minterms = patterns(n, randomMinterms(n, percent, index));
  const std::string primes = simplicity(minterms);
  const Stopwatch watch;
  const Cover result = proveMinimalCover(
      primes, termList(minterms), n, [&] { return watch.wallSeconds() > seconds; },
      [&](const Cover& c) {
        std::printf("  %6.1f s (%.1f s CPU): %zu terms, bound %d\n", watch.wallSeconds(),
                    watch.cpuSeconds(), termCount(c.sum), c.lowerBound);
        std::fflush(stdout);
      });
  std::printf("%d-%d:%d: %zu terms, %s after %.1f s (%.1f s CPU; bound %d)\n", n, percent, index,
              termCount(result.sum), result.status == CoverStatus::Proven ? "proven" : "not proven",
              watch.wallSeconds(), watch.cpuSeconds(), result.lowerBound);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 && std::string(argv[1]) == "prove") {
    const double seconds = std::atof(argv[2]);
    for (int a = 3; a < argc; ++a) {
      const std::string s = argv[a];
      const size_t dash = s.find('-'), colon = s.find(':');
      if (dash == std::string::npos || colon == std::string::npos) continue;
      for (size_t p = colon + 1; p != std::string::npos && p < s.size();) {
        runProof(std::atoi(s.c_str()), std::atoi(s.c_str() + dash + 1), std::atoi(s.c_str() + p),
                 seconds);
        p = s.find(',', p);
        if (p != std::string::npos) ++p;
      }
    }
    return 0;
  }
  const int count = argc > 1 ? std::atoi(argv[1]) : 100;
  const double optimumSeconds = argc > 2 ? std::atof(argv[2]) : 60.0;
  bool cpu = false;
  std::vector<std::string> series;
  for (int i = 3; i < argc; ++i) {
    if (std::string(argv[i]) == "cpu")
      cpu = true;
    else
      series.emplace_back(argv[i]);
  }
  if (series.empty()) series = {"8-50", "10-25", "10-50", "10-75", "10-25x25"};
  for (const auto& s : series) {
    const size_t dash = s.find('-');
    if (dash == std::string::npos) continue;
    const size_t x = s.find('x', dash);
    const size_t colon = s.find(':', dash);
    const int free = x == std::string::npos ? 0 : std::atoi(s.substr(x + 1).c_str());
    std::vector<int> indices;
    if (colon == std::string::npos) {
      for (int i = 0; i < count; ++i) indices.push_back(i);
    } else {
      for (size_t p = colon + 1; p < s.size(); p = s.find(',', p) + 1) {
        indices.push_back(std::atoi(s.c_str() + p));
        if (s.find(',', p) == std::string::npos) break;
      }
    }
    runSeries(std::atoi(s.substr(0, dash).c_str()), std::atoi(s.substr(dash + 1).c_str()), free,
              indices, optimumSeconds, cpu);
  }
  return 0;
}
