// The drawn circuit, read back as gates and wires, must compute the
// expression's truth table, be drawn without ambiguity, and be clean to look
// at: no gates touching, no wire over a gate or through a text, no texts on
// one another, every junction mark on its drop line and its wire.
#include <gtest/gtest.h>

#include <random>

#include "circuit/diagram_reader.h"
#include "circuit/gates.h"
#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
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

struct Drawing {
  int n = 1;
  bool twoInputs = true;
  double variableGap = 400, columnPitch = 26;
  bool labels = false;   // "途中の式も表示"
  std::string testBits;  // "試す" with this input, or none
  std::string caption;   // what the window writes under the title
};

// Draws rpn and reads it back: empty when the drawing computes its
// expression and is clean to look at, else the first fault found.
std::string faultOf(const std::string& rpn, const Drawing& w) {
  CircuitEngine engine;
  engine.variableGap = w.variableGap;
  engine.columnPitch = w.columnPitch;
  engine.rpn = rpn;
  engine.lastVariable = w.n - 1;
  engine.twoInputGates = w.twoInputs;
  engine.upToFourInputs = !w.twoInputs;
  engine.showMidExprs = w.labels;
  std::vector<test::TextArea> shown;
  if (!w.caption.empty()) {
    const TextBox box = textBox(w.caption, 12, true);
    shown.push_back({4800, 720, int(box.width), int(box.height), "the caption"});
    engine.captionRight = 4800 + box.width;
    engine.captionBottom = 720 + box.height;
  }
  if (!w.testBits.empty()) {
    engine.testMode = 1;
    engine.testValues = testDigits(rpn, w.testBits, w.n);
  }
  test::RecordingSurface surface;
  engine.create(surface);
  if (!engine.finished()) return "unfinished";
  const test::ReadDiagram read = test::readDiagram(surface.calls, w.n, 0, 0, shown);
  if (!read.problems.empty()) return read.problems.front();
  if (!read.junctionCrossings.empty()) return read.junctionCrossings.front();
  if (!read.geometry.empty()) return read.geometry.front();
  if (read.truthTable(w.n) != evaluateRows(rpn, w.n)) return "computes another function";
  return {};
}

void expectDrawnRight(const std::string& rpn, int n, bool twoInputs, const std::string& what,
                      double variableGap = 400, double columnPitch = 26) {
  Drawing w;
  w.n = n;
  w.twoInputs = twoInputs;
  w.variableGap = variableGap;
  w.columnPitch = columnPitch;
  const std::string fault = faultOf(rpn, w);
  EXPECT_EQ(fault, "") << what << " rpn " << rpn << " mode " << (twoInputs ? "2" : "2-4");
}

TEST(CircuitDiagramSlow, RandomExpressionsAreDrawnAsCircuitsOfTheirFunction) {
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

TEST(CircuitDiagramSlow, UpToTenVariablesAreDrawnAsCircuitsOfTheirFunction) {
  // The columns of the last variables stand closest together.
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

TEST(CircuitDiagramSlow, ChainsOfOneOperatorAreDrawnRight) {
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

TEST(CircuitDiagramSlow, EveryDrawingIsCleanAtEverySpacingInBothModes) {
  // One to ten variables, all 25 spacings, both modes; 2-input drawings with
  // their intermediate expressions and the gate values of one input. A
  // drawing counts as faulty at its first finding.
  std::mt19937 rng(11);
  const double rowGaps[] = {200, 300, 400, 500, 600};
  const double pitches[] = {24, 25, 26, 27, 28};
  int drawings = 0, faulty = 0;
  std::string first;
  for (int i = 0; i < 200; ++i) {
    Drawing w;
    w.n = 1 + int(rng() % 10);
    const std::string e = randomExpression(rng, w.n, 1 + int(rng() % 16));
    const std::string rpn = ReversePolishNotation(InsideExp(e));
    w.caption = "f=" + e;
    for (int b = 0; b < w.n; ++b) w.testBits += char('0' + rng() % 2);
    for (double variableGap : rowGaps)
      for (double columnPitch : pitches)
        for (bool two : {true, false}) {
          w.variableGap = variableGap;
          w.columnPitch = columnPitch;
          w.twoInputs = two;
          w.labels = two;
          const std::string fault = faultOf(rpn, w);
          ++drawings;
          if (fault.empty()) continue;
          if (first.empty())
            first = e + " (" + rpn + ") mode " + (two ? "2" : "2-4") + " spacing " +
                    std::to_string(int(variableGap)) + "/" + std::to_string(int(columnPitch)) +
                    ": " + fault;
          ++faulty;
        }
  }
  EXPECT_EQ(faulty, 0) << faulty << " of " << drawings << " drawings faulty; first: " << first;
}

}  // namespace
}  // namespace ronri
