// The drawn circuit, read back as gates and wires, must compute the
// expression's truth table, and be drawn without ambiguity.
#include <gtest/gtest.h>

#include <random>

#include "circuit/diagram_reader.h"
#include "circuit/layout_engine.h"
#include "core/expression.h"
#include "core/rpn.h"
#include "core/truthtable.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

// A random infix expression over the first n variables, as a user would
// build it with the buttons (negations on letters and on groups).
std::string randomExpression(std::mt19937& rng, int n, int leaves) {
  auto pick = [&](int k) { return int(rng() % unsigned(k)); };
  if (leaves <= 1) {
    std::string v(1, char('a' + pick(n)));
    switch (pick(6)) {
      case 0:
        return "~" + v;
      case 1:
        return pick(3) == 0 ? "~(" + v + ")" : "~" + v;
      default:
        return v;
    }
  }
  const int left = 1 + pick(leaves - 1);
  static const char kOps[] = "*+$|@%";
  std::string e = "(" + randomExpression(rng, n, left) + kOps[pick(6)] +
                  randomExpression(rng, n, leaves - left) + ")";
  if (pick(5) == 0) e = "~" + e;
  return e;
}

void expectDrawnRight(const std::string& rpn, int n, bool twoInputs, const std::string& what,
                      double xP = 400, double yP = 26) {
  CircuitEngine engine;
  engine.xP = xP;
  engine.yP = yP;
  test::RecordingSurface surface;
  engine.siki = rpn;
  engine.listindex = n - 1;
  engine.InputState1 = twoInputs;
  engine.InputState2 = !twoInputs;
  engine.create(surface);
  ASSERT_TRUE(engine.finished());
  const test::ReadDiagram read = test::readDiagram(surface.calls, n);
  if (n <= 6)
    EXPECT_TRUE(read.junctionCrossings.empty()) << what << ": " << read.junctionCrossings.front();
  ASSERT_TRUE(read.problems.empty())
      << what << " rpn " << rpn << " mode " << (twoInputs ? "2" : "2-4") << " spacing " << xP << "/"
      << yP << ": " << read.problems.front() << " (" << read.problems.size() << " problems)\n"
      << surface.dump();
  EXPECT_EQ(read.truthTable(n), evaluateRows(rpn, n))
      << what << " rpn " << rpn << " mode " << (twoInputs ? "2" : "2-4") << "\n"
      << surface.dump();
}

TEST(CircuitDiagram, RandomExpressionsAreDrawnAsCircuitsOfTheirFunction) {
  std::mt19937 rng(20261207);
  for (int i = 0; i < 1500; ++i) {
    const int n = 1 + int(rng() % 6);
    const int leaves = 1 + int(rng() % 16);
    const std::string e = randomExpression(rng, n, leaves);
    const std::string rpn = ReversePolishNotation(InsideExp(e));
    for (bool two : {true, false}) {
      expectDrawnRight(rpn, n, two, e);
      if (HasFailure()) return;
    }
  }
}

TEST(CircuitDiagram, UpToTenVariablesAreDrawnAsCircuitsOfTheirFunction) {
  // From h on, a junction mark also touches the next column's drop (the
  // columns stand 120 apart); everything else must hold as for fewer.
  std::mt19937 rng(77);
  for (int i = 0; i < 400; ++i) {
    const int n = 7 + int(rng() % 4);
    const std::string e = randomExpression(rng, n, 1 + int(rng() % 16));
    const std::string rpn = ReversePolishNotation(InsideExp(e));
    for (bool two : {true, false}) {
      expectDrawnRight(rpn, n, two, e);
      if (HasFailure()) return;
    }
  }
}

TEST(CircuitDiagram, ChainsOfOneOperatorAreDrawnRight) {
  // Long runs of one operator exercise the multi-input gates and the chains.
  std::mt19937 rng(7);
  for (int i = 0; i < 400; ++i) {
    const int n = 2 + int(rng() % 5);
    const char op = "*+$|@%"[rng() % 6];
    const char op2 = "*+"[rng() % 2];
    std::string e(1, char('a' + rng() % unsigned(n)));
    const int len = 2 + int(rng() % 8);
    for (int k = 0; k < len; ++k) {
      std::string v(1, char('a' + rng() % unsigned(n)));
      if (rng() % 4 == 0) v = "~" + v;
      if (rng() % 3 == 0) v = "(" + v + op2 + char('a' + rng() % unsigned(n)) + ")";
      e += (rng() % 5 == 0 ? op2 : op) + v;
    }
    const std::string rpn = ReversePolishNotation(InsideExp(e));
    for (bool two : {true, false}) {
      expectDrawnRight(rpn, n, two, e);
      if (HasFailure()) return;
    }
  }
}

TEST(CircuitDiagram, EverySpacingFromNormalToVeryWideDrawsRight) {
  std::mt19937 rng(11);
  const double rowGaps[] = {400, 500, 600};
  for (int i = 0; i < 600; ++i) {
    const int n = 1 + int(rng() % 6);
    const std::string e = randomExpression(rng, n, 1 + int(rng() % 12));
    const std::string rpn = ReversePolishNotation(InsideExp(e));
    const double xP = rowGaps[rng() % 3], yP = 24 + int(rng() % 5);
    for (bool two : {true, false}) {
      expectDrawnRight(rpn, n, two, e, xP, yP);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace ronri
