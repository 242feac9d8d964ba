// State reduction against a partition refinement written here: the same
// classes, a reduced machine that answers every input sequence alike, and
// an implication table whose passes cross each pair as early as possible.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "sequential/kiss2.h"
#include "sequential/reduction.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

// Blocks of states split by outputs, then by the blocks of their next states
// until nothing splits; numbered by first member.
std::vector<int> refinedBlocks(const Machine& m) {
  std::vector<int> block(m.states());
  for (;;) {
    std::map<std::vector<std::string>, int> ids;
    std::vector<int> next(m.states());
    for (int s = 0; s < m.states(); ++s) {
      std::vector<std::string> key;
      for (int x = 0; x < m.combinations(); ++x) {
        key.push_back(outputsAt(m, s, x));
        key.push_back(std::to_string(block[m.table[s][x].next]));
      }
      key.push_back(std::to_string(block[s]));
      next[s] = ids.emplace(key, static_cast<int>(ids.size())).first->second;
    }
    if (next == block) return block;
    block = next;
  }
}

std::vector<std::string> run(const Machine& m, const std::vector<int>& inputs) {
  std::vector<std::string> outs;
  int s = m.reset;
  for (int x : inputs) {
    outs.push_back(outputsAt(m, s, x));
    s = m.table[s][x].next;
  }
  return outs;
}

TEST(StateReduction, EqualsPartitionRefinement) {
  std::mt19937 rng(5);
  test::RandomShape shape{2, 8, 2, 1, 0.0};
  for (int i = 0; i < 300; ++i) {
    const Machine m = test::randomMachine(rng, shape);
    const Reduction r = reduceStates(m);
    ASSERT_EQ(r.status, ReductionStatus::Reduced);
    const std::vector<int> blocks = refinedBlocks(m);
    for (int a = 0; a < m.states(); ++a)
      for (int b = 0; b < m.states(); ++b)
        ASSERT_EQ(blocks[a] == blocks[b], r.classOf[a] == r.classOf[b]) << writeKiss2(m);
    ASSERT_EQ(machineProblem(r.reduced), MachineProblem::None);
    ASSERT_EQ(r.reduced.states(), static_cast<int>(r.classes.size()));
    std::vector<int> inputs(12);
    for (int& x : inputs) x = std::uniform_int_distribution<int>(0, m.combinations() - 1)(rng);
    ASSERT_EQ(run(m, inputs), run(r.reduced, inputs)) << writeKiss2(m);

    // Each pass crosses exactly the open pairs that imply a pair crossed before it.
    std::map<StatePair, int> crossed;
    for (const ImplicationCell& c : r.cells) crossed[c.pair] = c.crossedInPass;
    for (const ImplicationCell& c : r.cells) {
      int earliest = -1;
      for (const StatePair& p : c.implied)
        if (crossed[p] >= 0 && (earliest < 0 || crossed[p] < earliest)) earliest = crossed[p];
      if (c.crossedInPass != 0) ASSERT_EQ(c.crossedInPass, earliest < 0 ? -1 : earliest + 1);
      if (c.crossedInPass >= 0) {
        const auto& pass = r.passes.at(c.crossedInPass);
        ASSERT_NE(std::find(pass.begin(), pass.end(), c.pair), pass.end());
      }
    }
  }
}

TEST(StateReduction, TextbookTableAndUnspecifiedMachines) {
  // A and C imply only each other: equivalent. B, D and E agree in their
  // outputs and are told apart in pass 1 by the pairs crossed for
  // their outputs (C,D), (A,D) and (A,E).
  const Kiss2Result k = readKiss2(
      ".i 1\n.o 1\n0 A B 0\n1 A C 0\n0 B D 0\n1 B A 1\n"
      "0 C B 0\n1 C A 0\n0 D C 0\n1 D A 1\n0 E A 0\n1 E E 1\n");
  ASSERT_TRUE(k.ok());
  const Reduction r = reduceStates(k.machine);
  EXPECT_EQ(r.classes, (std::vector<std::vector<int>>{{0, 2}, {1}, {3}, {4}}));
  ASSERT_EQ(r.passes.size(), 2u);
  EXPECT_EQ(r.passes[1], (std::vector<StatePair>{{1, 3}, {1, 4}, {3, 4}}));
  EXPECT_EQ(r.reduced.names, (std::vector<std::string>{"A", "B", "D", "E"}));

  Machine open = k.machine;
  open.table[4][0].next = kUnspecified;
  const Reduction kept = reduceStates(open);
  EXPECT_EQ(kept.status, ReductionStatus::NotSpecified);
  EXPECT_EQ(kept.reduced, open);
  EXPECT_TRUE(kept.cells.empty());
}

}  // namespace
}  // namespace ronri::seq
