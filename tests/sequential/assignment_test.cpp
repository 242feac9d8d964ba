// The best assignment against every assignment tried one by one, with each
// function's size from the test oracle's own minimum.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "sequential/assignment.h"
#include "sequential/kiss2.h"
#include "support/crosscheck_oracle.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

class OracleCost {
 public:
  Cost of(const Machine& m, const StateCodes& codes, FlipFlop f) {
    Cost total;
    for (const FunctionTable& t : designFunctions(m, codes, f)) {
      auto it = memo_.find(t.rows);
      if (it == memo_.end()) it = memo_.emplace(t.rows, minimum(t)).first;
      total.terms += it->second.terms;
      total.letters += it->second.letters;
    }
    return total;
  }

 private:
  static Cost minimum(const FunctionTable& t) {
    const int n = static_cast<int>(t.variables.size());
    ronri::test::Table ones, free;
    for (size_t r = 0; r < t.rows.size(); ++r) {
      ones[r] = t.rows[r] == '1';
      free[r] = t.rows[r] == 'X';
    }
    if (ones.none()) return {};
    if (n == 0) return {1, 0};
    const auto c =
        ronri::test::minimumCoverCost(ones, ronri::test::primeImplicants(ones | free, n), n);
    return {c.terms, c.letters};
  }
  std::map<std::string, Cost> memo_;
};

// The cheapest of all injective codes, state by state.
Cost exhaustiveBest(const Machine& m, FlipFlop f, OracleCost& oracle) {
  StateCodes codes{codeBits(m.states()), {}};
  std::vector<bool> used(size_t(1) << codes.bits);
  Cost best{1 << 30, 0};
  const auto place = [&](auto&& self, int s) -> void {
    if (s == m.states()) {
      best = std::min(best, oracle.of(m, codes, f));
      return;
    }
    for (uint32_t c = 0; c < used.size(); ++c) {
      if (used[c]) continue;
      used[c] = true;
      codes.code.push_back(c);
      self(self, s + 1);
      codes.code.pop_back();
      used[c] = false;
    }
  };
  place(place, 0);
  return best;
}

TEST(StateAssignment, BestIsTheCheapestOfAll) {
  std::mt19937 rng(11);
  const FlipFlop types[] = {FlipFlop::D, FlipFlop::JK, FlipFlop::T, FlipFlop::SR, FlipFlop::D};
  for (int i = 0; i < 5; ++i) {
    const Machine m = test::randomMachine(rng, {i < 2 ? 4 : 5, 5, 1, 1, 0.1});
    OracleCost oracle;
    const AssignmentSearch best = bestAssignment(m, types[i], std::chrono::seconds(60));
    ASSERT_TRUE(best.proven);
    EXPECT_EQ(best.cost, exhaustiveBest(m, types[i], oracle)) << writeKiss2(m) << int(types[i]);
    EXPECT_EQ(best.cost, oracle.of(m, best.codes, types[i]));
    // Up to symmetry: of the 8!/3! assignments of 5 states, one per orbit of
    // the 3! bit permutations (times 2^3 complements but for D).
    if (m.states() == 5) EXPECT_LE(best.tried, types[i] == FlipFlop::D ? 6720 / 6 : 6720 / 24);
  }
}

TEST(StateAssignment, ChoicesListTheirCodesAndCosts) {
  std::mt19937 rng(3);
  const Machine m = test::randomMachine(rng, {6, 6, 1, 1, 0.0});
  const auto choices = assignmentChoices(m, FlipFlop::JK);
  ASSERT_EQ(choices.size(), 4u);
  EXPECT_EQ(choices[0].codes.code, (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(choices[1].codes.code, (std::vector<uint32_t>{0, 1, 3, 2, 6, 7}));
  EXPECT_EQ(choices[2].codes.code, (std::vector<uint32_t>{1, 2, 4, 8, 16, 32}));
  EXPECT_EQ(choices[2].codes.bits, 6);
  for (const ChoiceCost& c : choices) {
    EXPECT_TRUE(c.available);
    EXPECT_EQ(c.cost, designCircuit(m, c.codes, FlipFlop::JK).cost);
  }
  EXPECT_LE(choices[3].cost, choices[0].cost);
  EXPECT_LE(choices[3].cost, choices[1].cost);
  // Sixteen states and three inputs are too many variables for one-hot.
  const Machine big = emptyMachine(MachineKind::Mealy, 16, 3, 1);
  EXPECT_FALSE(assignmentChoices(big, FlipFlop::D, std::chrono::milliseconds(50))[2].available);
}

}  // namespace
}  // namespace ronri::seq
