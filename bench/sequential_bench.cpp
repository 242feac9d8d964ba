// The best state assignment of a random 8-state, 1-input, 1-output Mealy
// machine per flip-flop type (budget 2 s), and the design of the 8-state Gray
// counter. Counters report whether the search finished (proven = 1) and
// how many assignments it tried.
#include <benchmark/benchmark.h>

#include <random>

#include "sequential/assignment.h"
#include "sequential/presets.h"

namespace {

using namespace ronri::seq;

Machine randomEightStates(unsigned seed) {
  std::mt19937 rng(seed);
  Machine m = emptyMachine(MachineKind::Mealy, 8, 1, 1);
  for (auto& row : m.table)
    for (Transition& t : row) t = {int(rng() % 8), rng() % 2 ? "1" : "0"};
  return m;
}

void BM_BestAssignment8x1(benchmark::State& state) {
  const FlipFlop f = static_cast<FlipFlop>(state.range(0));
  const Machine m = randomEightStates(static_cast<unsigned>(state.range(1)));
  AssignmentSearch best;
  for (auto _ : state) best = bestAssignment(m, f);
  state.counters["proven"] = best.proven;
  state.counters["tried"] = static_cast<double>(best.tried);
  state.counters["terms"] = best.cost.terms;
}
BENCHMARK(BM_BestAssignment8x1)
    ->ArgsProduct({{int(FlipFlop::D), int(FlipFlop::T), int(FlipFlop::JK), int(FlipFlop::SR)},
                   {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_DesignGrayCounter(benchmark::State& state) {
  const Machine m = presets()[2].machine;
  for (auto _ : state) benchmark::DoNotOptimize(designCircuit(m, grayCodes(8), FlipFlop::JK));
}
BENCHMARK(BM_DesignGrayCounter)->Unit(benchmark::kMillisecond);

}  // namespace
