// The timing chart: what the sequence field accepts, and the waveforms,
// state names and CSV of every design following the table clock by clock.
#include <gtest/gtest.h>

#include <random>

#include "sequential/assignment.h"
#include "sequential/kiss2.h"
#include "sequential/presets.h"
#include "sequential/timing_chart.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

TEST(TimingChart, InputSequencesAreReadOrRefusedWithTheirPlace) {
  struct Case {
    const char* text;
    int inputs;
    std::vector<int> cycles;
    SequenceError error;
    int at;
  };
  const std::string tooLong(kMostCycles + 1, '1');
  const Case cases[] = {
      {"0110100", 1, {0, 1, 1, 0, 1, 0, 0}, SequenceError::None, 0},
      {" 0 1 1", 1, {0, 1, 1}, SequenceError::None, 0},
      {"01 11  10", 2, {1, 3, 2}, SequenceError::None, 0},
      {"101 000", 3, {5, 0}, SequenceError::None, 0},
      {"8", 0, {0, 0, 0, 0, 0, 0, 0, 0}, SequenceError::None, 0},
      {"", 1, {}, SequenceError::Empty, 1},
      {"   ", 2, {}, SequenceError::Empty, 1},
      {"0", 0, {}, SequenceError::Empty, 1},
      {"012", 1, {}, SequenceError::BadCharacter, 3},
      {"x", 0, {}, SequenceError::BadCharacter, 1},
      {"01 1 10", 2, {}, SequenceError::GroupLength, 4},
      {"0110", 2, {}, SequenceError::GroupLength, 1},
      {"65", 0, {}, SequenceError::TooLong, 2},
      {tooLong.c_str(), 1, {}, SequenceError::TooLong, kMostCycles + 1},
  };
  for (const Case& c : cases) {
    const InputSequence s = readInputSequence(c.text, c.inputs);
    EXPECT_EQ(s.error, c.error) << '"' << c.text << '"';
    EXPECT_EQ(s.inputs, c.cycles) << '"' << c.text << '"';
    if (c.error != SequenceError::None) EXPECT_EQ(s.at, c.at) << '"' << c.text << '"';
  }
}

// "" when the chart shows the table's states and outputs wherever the table
// specifies them, the clock rising once a cycle, the inputs held through it,
// and the CSV holds the same values.
std::string chartProblem(const Machine& m, const Design& d, const std::vector<int>& inputs) {
  const TimingChart c = timingChart(m, d, inputs);
  if (!c.problem.empty()) return c.problem;
  const size_t steps = 2 * inputs.size();
  if (c.waves.size() != size_t(1 + m.inputs + d.codes.bits + m.outputs)) return "signals missing";
  const auto code = [&](int s, int b) { return char('0' + (d.codes.code[size_t(s)] >> b & 1)); };
  int s = m.reset;
  for (size_t i = 0; i < inputs.size() && s != kUnspecified; ++i) {
    const int x = inputs[i], next = m.table[size_t(s)][size_t(x)].next;
    for (size_t half = 0; half < 2; ++half) {
      const size_t t = 2 * i + half;
      const int at = half ? next : s;
      size_t k = 0;
      bool ok = c.waves[k++].steps[t] == char('0' + half);
      for (int j = 0; j < m.inputs; ++j)
        ok = ok && c.waves[k++].steps[t] == char('0' + (x >> (m.inputs - 1 - j) & 1));
      for (int b = d.codes.bits - 1; b >= 0; --b, ++k)
        ok = ok && (at == kUnspecified || c.waves[k].steps[t] == code(at, b));
      const std::string want =
          at == kUnspecified ? std::string(size_t(m.outputs), '-') : outputsAt(m, at, x);
      for (int o = 0; o < m.outputs; ++o, ++k)
        ok = ok && (want[size_t(o)] == '-' || c.waves[k].steps[t] == want[size_t(o)]);
      ok = ok && (at == kUnspecified || c.state[t] == m.names[size_t(at)]);
      if (!ok) return "step " + std::to_string(t) + " differs from the table";
    }
    s = next;
  }
  // The CSV: the header, then per step its number and every value.
  std::string want = "t";
  for (const auto& w : c.waves) want += "," + w.name;
  want += "\r\n";
  for (size_t t = 0; t < steps; ++t) {
    want += std::to_string(t);
    for (const auto& w : c.waves) want += std::string(",") + w.steps.at(t);
    want += "\r\n";
  }
  return timingChartCsv(c) == want ? "" : "CSV:\n" + timingChartCsv(c);
}

TEST(TimingChart, WaveformsFollowTheTableForEveryDesign) {
  std::vector<Machine> machines;
  for (const Preset& p : presets()) machines.push_back(p.machine);
  std::mt19937 rng(3803);
  for (int i = 0; i < 30; ++i) machines.push_back(test::randomMachine(rng));
  for (const Machine& m : machines)
    for (FlipFlop f : {FlipFlop::D, FlipFlop::T, FlipFlop::JK, FlipFlop::SR}) {
      const Design d = designCircuit(m, grayCodes(m.states()), f, std::chrono::milliseconds(300));
      std::vector<int> inputs(1 + rng() % 16);
      for (int& x : inputs) x = int(rng() % unsigned(m.combinations()));
      ASSERT_EQ(chartProblem(m, d, inputs), "") << int(f) << "\n" << writeKiss2(m);
    }
}

}  // namespace
}  // namespace ronri::seq
