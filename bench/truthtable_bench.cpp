// The whole table computation of the truth-table window: row bits, both term
// lists and both display columns, for ten variables.
#include <benchmark/benchmark.h>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace {

// 60 tokens over ten variables, every operator, nesting and negated groups.
const char* kExpression = "~(a*b+c)$(d|~e)*(f@g%h)+~(i*~j+a)@(b$c|d)*~(e+f*g)%(h|i$j)+a";

void BM_CreateTable10(benchmark::State& state) {
  const std::string folded = ronri::InsideExp(kExpression);
  int progressCalls = 0;
  for (auto _ : state) {
    ronri::TruthTable t = ronri::createTable(folded, 10, [&](int, int) { ++progressCalls; });
    benchmark::DoNotOptimize(t);
  }
  benchmark::DoNotOptimize(progressCalls);
}
BENCHMARK(BM_CreateTable10)->Unit(benchmark::kMicrosecond);

void BM_FilterOnes10(benchmark::State& state) {
  const std::string rpn = ronri::ReversePolishNotation(ronri::InsideExp(kExpression));
  std::string total;
  for (auto _ : state) {
    std::string rows = ronri::makeRows(rpn, ronri::kOnes, 10, total);
    std::string digits = ronri::answer(rpn, ronri::kOnes, 10, total);
    benchmark::DoNotOptimize(rows);
    benchmark::DoNotOptimize(digits);
  }
}
BENCHMARK(BM_FilterOnes10)->Unit(benchmark::kMicrosecond);

// The text path, one row at a time, for comparison.
void BM_TextEvaluation10(benchmark::State& state) {
  const std::string rpn = ronri::ReversePolishNotation(ronri::InsideExp(kExpression));
  for (auto _ : state) {
    int ones = 0;
    for (int r = 0; r < 1024; ++r)
      ones += ronri::change(ronri::AtoA(rpn, ronri::rowBits(r, 10), 10)) == "1";
    benchmark::DoNotOptimize(ones);
  }
}
BENCHMARK(BM_TextEvaluation10)->Unit(benchmark::kMicrosecond);

}  // namespace
