// A four-variable derivation by the laws, to both forms: an XOR chain (the
// definitions double the line), a sum of products with consensus to drop, and
// a product of sums that would multiply out past the grouping limit.
#include <benchmark/benchmark.h>

#include "core/teaching/derivation.h"

namespace {

using namespace ronri;

const char* const kExpressions[] = {
    "(a@b)@(c@d)",
    "a*b+~a*c+b*c+~c*d+a*~b*~d",
    "~((a|b)$(c+~d))+a*~c",
};

void BM_Derivation4(benchmark::State& state) {
  const char* e = kExpressions[state.range(0)];
  const auto target =
      state.range(1) ? DerivationTarget::ProductOfSums : DerivationTarget::SumOfProducts;
  for (auto _ : state) {
    const Derivation d = derive(e, 4, target);
    if (d.status != Derivation::Done) state.SkipWithError("derivation failed");
    benchmark::DoNotOptimize(d.lines.size());
  }
  state.SetLabel(e);
}
BENCHMARK(BM_Derivation4)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
