// Every design, on the presets and on random machines, for every flip-flop
// type and assignment: the equations, run clock by clock, follow the table on
// every specified entry, and each is the exact minimum of its function.
#include <gtest/gtest.h>

#include <random>

#include "sequential/assignment.h"
#include "sequential/design.h"
#include "sequential/kiss2.h"
#include "sequential/presets.h"
#include "sequential/simulate.h"
#include "support/crosscheck_oracle.h"
#include "tests/sequential/design_check.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

constexpr FlipFlop kTypes[] = {FlipFlop::D, FlipFlop::T, FlipFlop::JK, FlipFlop::SR};

// The flip-flops step through every specified transition and output.
::testing::AssertionResult followsTable(const Machine& m, const Design& d) {
  const std::string problem = test::tableProblem(m, d);
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << problem;
}

// Each equation equals its function off the X rows and has the size of the
// oracle's smallest cover by the primes of the 1 and X rows.
::testing::AssertionResult exactMinima(const Machine& m, const Design& d) {
  for (size_t i = 0; i < d.functions.size(); ++i) {
    const FunctionTable& t = d.functions[i];
    const Equation& e = d.equations[i];
    const int n = static_cast<int>(t.variables.size());
    if (n == 0 || n > 6) continue;  // the oracle's brute force stays small
    ronri::test::Table ones, free;
    for (size_t r = 0; r < t.rows.size(); ++r) {
      ones[r] = t.rows[r] == '1';
      free[r] = t.rows[r] == 'X';
    }
    const auto value = ronri::test::evaluateInfix(e.letters, n);
    const ronri::test::Table care = ronri::test::allRows(n) & ~free;
    const ronri::test::SumCost want =
        ones.none()
            ? ronri::test::SumCost{0, 0}
            : ronri::test::minimumCoverCost(ones, ronri::test::primeImplicants(ones | free, n), n);
    const ronri::test::SumCost got{static_cast<int>(e.minimum.terms.size()), e.minimum.letters()};
    if (!value || (*value & care) != ones || !(got == want))
      return ::testing::AssertionFailure()
             << e.text << " (" << e.letters << "): rows " << t.rows << ", oracle " << want.terms
             << " terms " << want.letters << " letters\n"
             << test::describeDesign(m, d);
  }
  return ::testing::AssertionSuccess();
}

void checkEveryDesign(const Machine& m, std::chrono::milliseconds bestBudget) {
  for (FlipFlop f : kTypes) {
    std::vector<StateCodes> choices = {binaryCodes(m.states()), grayCodes(m.states()),
                                       bestAssignment(m, f, bestBudget).codes};
    if (m.states() + m.inputs <= kMaxFunctionVariables) choices.push_back(oneHotCodes(m.states()));
    for (const StateCodes& codes : choices) {
      const Design d = designCircuit(m, codes, f);
      ASSERT_TRUE(d.available && d.proven);
      EXPECT_TRUE(followsTable(m, d));
      EXPECT_TRUE(exactMinima(m, d));
    }
  }
}

TEST(SequentialDesign, PresetsFollowTheirTables) {
  for (const Preset& p : presets()) {
    SCOPED_TRACE(p.name);
    checkEveryDesign(p.machine, std::chrono::milliseconds(2000));
  }
}

TEST(SequentialDesign, RandomMachinesFollowTheirTables) {
  std::mt19937 rng(38);
  for (int i = 0; i < 30; ++i)
    checkEveryDesign(test::randomMachine(rng), std::chrono::milliseconds(30));
}

// A worked example: the 5-counter with JK flip-flops, binary codes.
TEST(SequentialDesign, FiveCounterWithJK) {
  const Machine m = presets()[1].machine;
  const Design d = designCircuit(m, binaryCodes(5), FlipFlop::JK);
  std::vector<std::string> texts;
  for (const Equation& e : d.equations) texts.push_back(e.text);
  const std::vector<std::string> want = {"J2 = Q1*Q0", "K2 = 1",  "J1 = Q0", "K1 = Q0", "J0 = ~Q2",
                                         "K0 = 1",     "Z1 = Q2", "Z2 = Q1", "Z3 = Q0"};
  EXPECT_EQ(texts, want);
  const Simulation run = simulate(texts, {FlipFlop::JK, 3, 0, 3, true}, 0, std::vector<int>(6));
  std::string counted;
  for (const Cycle& c : run.cycles) counted += c.outputs + " ";
  EXPECT_EQ(counted, "000 001 010 011 100 000 ");
  EXPECT_EQ(d.equations[0].letters, "b*c");
  EXPECT_EQ(d.equations[0].legend, "a = Q2, b = Q1, c = Q0");
  // Codes that do not fit give no design rather than a wrong one.
  EXPECT_FALSE(designCircuit(m, {3, {0, 1, 2, 3, 3}}, FlipFlop::JK).available);
  EXPECT_FALSE(designCircuit(m, {2, {0, 1, 2, 3, 4}}, FlipFlop::JK).available);
  EXPECT_FALSE(designCircuit(m, {3, {0, 1, 2, 3}}, FlipFlop::JK).available);
}

}  // namespace
}  // namespace ronri::seq
