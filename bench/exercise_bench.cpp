// A class set: 40 variants of 4 variables for each kind, with the chart
// check that finds each; and grading those 40 answers.
#include <benchmark/benchmark.h>

#include "core/teaching/exercise_key.h"
#include "core/teaching/exercise_set.h"
#include "core/teaching/grading.h"

namespace {

using namespace ronri;

constexpr ExerciseKind kKinds[] = {ExerciseKind::Any, ExerciseKind::EssentialOnly,
                                   ExerciseKind::Cyclic, ExerciseKind::SeveralMinimal};

void BM_FortyVariantsOfFour(benchmark::State& state) {
  ExerciseOptions o{4, 8, 2, kKinds[state.range(0)], 40, 1, {}};
  for (auto _ : state) {
    const ExerciseSet set = makeExercises(o);
    if (set.problems.size() != 40) state.SkipWithError("no set");
    benchmark::DoNotOptimize(set.problems.data());
    ++o.seed;  // a new set every time, as a teacher makes them
  }
}
BENCHMARK(BM_FortyVariantsOfFour)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_GradeFortyAnswers(benchmark::State& state) {
  const ExerciseSet set = makeExercises({4, 8, 2, ExerciseKind::Any, 40, 1, {}});
  std::string answers = "student,id,answer\r\n";
  for (const Exercise& e : set.problems)
    answers += "s," + e.id + "," + exerciseKey(e).minimal.sumOfProducts + "\r\n";
  const std::string problems = problemsCsv(set.problems);
  for (auto _ : state) benchmark::DoNotOptimize(gradeAnswers(problems, answers).lines.size());
}
BENCHMARK(BM_GradeFortyAnswers)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
