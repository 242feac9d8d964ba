// Timing of prime implicants and cover choice on 8- and 10-variable functions.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/simplify_functions.h"
#include "core/cover/simplify.h"

namespace {

using namespace ronri;
using namespace ronri::bench;

// 1 when the number of ones is 1, 2, 4, 5, 6, 7, 9 or 10: 4,300 primes.
void BM_SimplicitySymmetric10(benchmark::State& state) {
  const auto minterms = patterns(10, symmetricMinterms(10, 0b11011110110));
  size_t terms = 0;
  for (auto _ : state) {
    const std::string primes = simplicity(minterms);
    terms = static_cast<size_t>(std::count(primes.begin(), primes.end(), '+')) + 1;
    benchmark::DoNotOptimize(primes);
  }
  state.counters["primes"] = static_cast<double>(terms);
}
BENCHMARK(BM_SimplicitySymmetric10)->Unit(benchmark::kMillisecond);

// Every row but the last: the most merging short of the constant.
void BM_SimplicityAllButOne10(benchmark::State& state) {
  auto rows = symmetricMinterms(10, 0x7FF);
  rows.pop_back();
  const auto minterms = patterns(10, rows);
  for (auto _ : state) benchmark::DoNotOptimize(simplicity(minterms));
}
BENCHMARK(BM_SimplicityAllButOne10)->Unit(benchmark::kMillisecond);

void BM_SimplicityRandom10(benchmark::State& state) {
  const auto minterms = patterns(10, randomMinterms(10, static_cast<int>(state.range(0)), 0));
  for (auto _ : state) benchmark::DoNotOptimize(simplicity(minterms));
}
BENCHMARK(BM_SimplicityRandom10)->Arg(25)->Arg(50)->Arg(75)->Unit(benchmark::kMillisecond);

// Prime implicants and cover together, as the simplify command runs them.
void BM_Simplify(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto minterms = patterns(n, randomMinterms(n, static_cast<int>(state.range(1)), 0));
  const std::string simple = termList(minterms);
  for (auto _ : state) {
    const std::string primes = simplicity(minterms);
    benchmark::DoNotOptimize(minimalCover(primes, simple, n));
  }
}
BENCHMARK(BM_Simplify)
    ->Args({8, 50})
    ->Args({10, 25})
    ->Args({10, 50})
    ->Unit(benchmark::kMillisecond);

}  // namespace
