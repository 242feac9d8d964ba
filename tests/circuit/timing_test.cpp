// The timing of drawn circuits: the textbook hazard glitches for one unit
// and its consensus term removes it; any circuit settles where its truth
// table says, before and after the change.
#include "circuit/timing.h"

#include <gtest/gtest.h>

#include <random>

#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {

Netlist drawn(const std::string& expression, int n, bool twoInputs = true) {
  CircuitEngine engine;
  engine.rpn = ReversePolishNotation(InsideExp(expression));
  engine.lastVariable = n - 1;
  engine.twoInputGates = twoInputs;
  engine.upToFourInputs = !twoInputs;
  return drawnNetlist(engine);
}

TEST(Timing, TheTextbookHazardGlitchesForOneUnitAndItsConsensusTermRemovesIt) {
  for (bool two : {true, false}) {
    const Timing t = simulateFlip(drawn("a*b+~a*c", 3, two), "111", 0);
    EXPECT_TRUE(t.output.start);
    EXPECT_EQ(t.output.changes, (std::vector<std::pair<int, bool>>{{2, false}, {3, true}}));
    EXPECT_TRUE(t.glitch());
    const Timing fixed = simulateFlip(drawn("a*b+~a*c+b*c", 3, two), "111", 0);
    EXPECT_TRUE(fixed.output.changes.empty());
    EXPECT_FALSE(fixed.glitch());
    // Slower inverters make the pulse as long as their delay.
    const Timing slow = simulateFlip(drawn("a*b+~a*c", 3, two), "111", 0, {{{'~', 3}}});
    EXPECT_EQ(slow.output.changes, (std::vector<std::pair<int, bool>>{{2, false}, {5, true}}));
  }
  const std::string csv = timingCsv(simulateFlip(drawn("a*b+~a*c", 3), "111", 0), false);
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "time,a,b,c,f");
  EXPECT_NE(csv.find("\r\n2,0,1,1,0\r\n"), std::string::npos) << csv;
}

std::string randomExpression(std::mt19937& rng, int n, int leaves) {
  auto pick = [&](int k) { return int(rng() % unsigned(k)); };
  if (leaves <= 1) return std::string(pick(4) == 0 ? "~" : "") + plainLetter(pick(n));
  const int left = 1 + pick(leaves - 1);
  const std::string e = "(" + randomExpression(rng, n, left) + "*+$|@%"[pick(6)] +
                        randomExpression(rng, n, leaves - left) + ")";
  return pick(5) == 0 ? "~" + e : e;
}

TEST(Timing, EveryCircuitSettlesWhereItsTruthTableSays) {
  std::mt19937 rng(41);
  for (int i = 0; i < 300; ++i) {
    const int n = 1 + int(rng() % 5);
    const std::string e = randomExpression(rng, n, 1 + int(rng() % 10));
    const std::vector<char> table = evaluateRows(ReversePolishNotation(InsideExp(e)), n);
    const int row = int(rng() % (1u << n)), flip = int(rng() % unsigned(n));
    const int after = row ^ (1 << (n - 1 - flip));
    const Timing t = simulateFlip(drawn(e, n, i % 2 == 0), rowBits(row, n), flip);
    ASSERT_EQ(t.output.start, table[size_t(row)] == '1') << e << " row " << row;
    ASSERT_EQ(t.output.at(t.settled), table[size_t(after)] == '1') << e << " row " << after;
    // A change reaches the output no later than the slowest path allows.
    if (!t.output.changes.empty()) ASSERT_LE(t.output.changes.back().first, t.settled);
  }
}

}  // namespace
}  // namespace ronri
