// The cost of recording the merging for the tabulation window, beside the
// plain merging, and of drawing one screen of it against the whole drawing.
#include <benchmark/benchmark.h>

#include "bench/simplify_functions.h"
#include "core/cover/simplify.h"
#include "core/cover/tabulation.h"
#include "core/draw/display_list.h"

namespace {

using namespace ronri;
using namespace ronri::bench;

void BM_SimplicityPlain10(benchmark::State& state) {
  const auto minterms = patterns(10, randomMinterms(10, static_cast<int>(state.range(0)), 0));
  for (auto _ : state) benchmark::DoNotOptimize(simplicity(minterms));
}
BENCHMARK(BM_SimplicityPlain10)->Arg(25)->Arg(50)->Arg(75)->Unit(benchmark::kMillisecond);

void BM_SimplicityRecorded10(benchmark::State& state) {
  const auto minterms = patterns(10, randomMinterms(10, static_cast<int>(state.range(0)), 0));
  for (auto _ : state) {
    Tabulation t;
    benchmark::DoNotOptimize(simplicityRecorded(minterms, t));
  }
}
BENCHMARK(BM_SimplicityRecorded10)->Arg(25)->Arg(50)->Arg(75)->Unit(benchmark::kMillisecond);

// Every row of ten variables: 59,049 terms in eleven passes, the most there is.
const Tabulation& everyRow() {
  static const Tabulation t =
      tabulate(termList(patterns(10, symmetricMinterms(10, 0x7FF))), {}, 10);
  return t;
}
const TabulationCaptions kCaptions{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, "P"};

void BM_TabulateEveryRow10(benchmark::State& state) {
  const std::string simple = termList(patterns(10, symmetricMinterms(10, 0x7FF)));
  for (auto _ : state) benchmark::DoNotOptimize(tabulate(simple, {}, 10));
}
BENCHMARK(BM_TabulateEveryRow10)->Unit(benchmark::kMillisecond);

// One screen (about 1000 x 600 pixels) in the middle of the longest column.
void BM_DrawOneScreen10(benchmark::State& state) {
  const Tabulation& t = everyRow();
  for (auto _ : state) {
    DisplayList d;
    drawTabulation(t, kCaptions, d, {20000, 2000000, 35000, 2009000});
    benchmark::DoNotOptimize(d.ops().size());
  }
}
BENCHMARK(BM_DrawOneScreen10)->Unit(benchmark::kMillisecond);

void BM_DrawWhole10(benchmark::State& state) {
  const Tabulation& t = everyRow();
  size_t calls = 0;
  for (auto _ : state) {
    DisplayList d;
    drawTabulation(t, kCaptions, d);
    calls = d.ops().size();
  }
  state.counters["calls"] = static_cast<double>(calls);
}
BENCHMARK(BM_DrawWhole10)->Unit(benchmark::kMillisecond);

}  // namespace
