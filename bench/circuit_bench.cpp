// Drawing the circuit of the longest expression the entry field holds
// (32,767 characters, ten variables, every operator), in both gate modes,
// with the intermediate expressions and the gate values: the most work per
// token. The drawing goes to a surface that only counts calls.
#include <benchmark/benchmark.h>

#include <string>

#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"

namespace {

class CountingSurface : public ronri::Surface {
 public:
  long calls = 0;
  void line(int, int, int, int, int) override { ++calls; }
  void rectangle(int, int, int, int, int) override { ++calls; }
  void circle(int, int, int, int) override { ++calls; }
  void picture(std::string_view, int, int) override { ++calls; }
  void text(int, int, std::string_view, int, double, ronri::TextFace) override { ++calls; }
  void erase(int, int, int, int) override { ++calls; }
};

// a*b+c$d|e@f%g*h+i$j|a@b... up to 32,767 characters.
std::string longestExpression() {
  std::string e = "a";
  for (int i = 1; e.size() + 2 <= 32767; ++i) {
    e += "*+$|@%"[i % 6];
    e += char('a' + i % 10);
  }
  return e;
}

// a*(b+(a*(b+( ... c ... )))): nested `depth` deep, every gate a later one.
std::string deepExpression(int depth) {
  std::string e;
  for (int i = 0; i < depth / 2; ++i) e += "a*(b+(";
  e += "c";
  e += std::string(size_t(depth / 2) * 2, ')');
  return e;
}

void draw(benchmark::State& state, const std::string& infix, int n) {
  const std::string rpn = ronri::ReversePolishNotation(ronri::InsideExp(infix));
  const bool twoInputs = state.range(0) == 2;
  long calls = 0;
  for (auto _ : state) {
    ronri::CircuitEngine engine;
    engine.rpn = rpn;
    engine.lastVariable = n - 1;
    engine.twoInputGates = twoInputs;
    engine.upToFourInputs = !twoInputs;
    engine.showMidExprs = true;
    engine.testMode = 1;
    engine.testValues = ronri::testDigits(rpn, std::string(size_t(n), '1'), n);
    CountingSurface s;
    engine.create(s);
    calls = s.calls;
  }
  state.counters["drawing calls"] = double(calls);
}

void BM_CircuitLongestExpression(benchmark::State& state) {
  static const std::string e = longestExpression();
  draw(state, e, 10);
}
BENCHMARK(BM_CircuitLongestExpression)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// At 2,000, 4,000 and 8,000 deep: the time should grow about as the depth.
void BM_CircuitDeepNesting(benchmark::State& state) {
  draw(state, deepExpression(int(state.range(1))), 3);
}
BENCHMARK(BM_CircuitDeepNesting)
    ->ArgsProduct({{2, 4}, {2000, 4000, 8000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
