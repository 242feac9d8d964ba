#include "circuit/layout_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "circuit/diagram_reader.h"
#include "core/table/truthtable.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

using test::DrawCall;
using test::RecordingSurface;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

DrawCall L(int x1, int y1, int x2, int y2) {
  return {DrawCall::Line, x1, y1, x2, y2, kBlack, {}, 0};
}
DrawCall C(int x, int y) {
  return {DrawCall::Circle, x, y, 60, 0, kBlack, {}, 0};
}
DrawCall P(const char* name, int x, int y) {
  return {DrawCall::Picture, x, y, 0, 0, 0, name, 0};
}

// A line matches whichever way round it was drawn; when it is missing, the
// message lists the lines drawn from either of its ends.
::testing::AssertionResult hasLine(const RecordingSurface& s, int x1, int y1, int x2, int y2) {
  std::string fromEnds;
  for (const DrawCall& c : s.of(DrawCall::Line)) {
    if ((c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2) ||
        (c.x1 == x2 && c.y1 == y2 && c.x2 == x1 && c.y2 == y1))
      return ::testing::AssertionSuccess() << test::describe(c);
    for (auto [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}})
      if ((c.x1 == x && c.y1 == y) || (c.x2 == x && c.y2 == y))
        fromEnds += "; " + test::describe(c);
  }
  return ::testing::AssertionFailure()
         << "no line " << x1 << "," << y1 << "-" << x2 << "," << y2
         << "; lines from its ends: " << (fromEnds.empty() ? "none" : fromEnds.substr(2));
}

std::vector<std::string> pictures(const RecordingSurface& s) {
  std::vector<std::string> out;
  for (const DrawCall& c : s.of(DrawCall::Picture)) out.push_back(test::describe(c));
  return out;
}

struct Drawn {
  CircuitEngine engine;
  RecordingSurface surface;
};

// Draws rpn with n variables in the given mode ("2" = true) at default spacing.
void draw(Drawn& d, const std::string& rpn, int n, bool twoInputs, double variableGap = 400,
          double columnPitch = 26) {
  d.engine.rpn = rpn;
  d.engine.lastVariable = n - 1;
  d.engine.twoInputGates = twoInputs;
  d.engine.upToFourInputs = !twoInputs;
  d.engine.variableGap = variableGap;
  d.engine.columnPitch = columnPitch;
  d.engine.startsNew = 1;
  d.engine.create(d.surface);
}

TEST(CircuitLayout, TwoVariableAndIsDrawnCallByCall) {
  Drawn d;
  draw(d, "ab*", 2, false);
  EXPECT_THAT(d.surface.calls,
              ElementsAre(L(2520, 1980, 3250, 1980), L(2760, 2280, 3250, 2280), C(2520, 1980),
                          C(2760, 2280), L(2520, 1980, 2520, 960), L(2760, 2280, 2760, 600),
                          P("gate/and", 3250, 1825), L(4150, 2125, 4150, 1320),
                          L(4150, 1320, 7300, 1320), L(7300, 1320, 7300, 955)))
      << d.surface.dump();
  EXPECT_TRUE(d.engine.finished());
}

TEST(CircuitLayout, StepsAreResumableAndStopAfterTheFinish) {
  Drawn d;
  d.engine.rpn = "ab*";
  d.engine.lastVariable = 1;
  EXPECT_TRUE(d.engine.atStart());
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Drew);  // a
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Drew);  // b
  EXPECT_THAT(d.surface.calls, IsEmpty());  // variables only take their places
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Drew);
  EXPECT_EQ(d.surface.of(DrawCall::Picture).size(), 1u);
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Finished);
  const size_t drawn = d.surface.calls.size();
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Idle);
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Idle);
  EXPECT_EQ(d.surface.calls.size(), drawn);
  EXPECT_EQ(d.engine.tokensDrawn, 4);
}

TEST(CircuitLayout, LaterGateStandsRightOfItsOperandAndWiresHalfway) {
  Drawn d;
  draw(d, "abc**", 3, true);
  EXPECT_THAT(pictures(d.surface),
              ElementsAre("picture gate/and 3250,2600", "picture gate/and 5200,2300"));
  EXPECT_TRUE(hasLine(d.surface, 4150, 2900, 4225, 2900));
  EXPECT_TRUE(hasLine(d.surface, 4225, 2900, 4225, 2755));
  EXPECT_TRUE(hasLine(d.surface, 5200, 2755, 4225, 2755));
  // a, the second operand, comes in at its own row to the first pin.
  EXPECT_THAT(d.surface.calls, Contains(C(2760, 2000)));
  EXPECT_TRUE(hasLine(d.surface, 5200, 2455, 3980, 2455));
  EXPECT_TRUE(hasLine(d.surface, 2760, 2000, 2760, 600));
}

TEST(CircuitLayout, NotAfterAGateRepaintsItsComplement) {
  for (bool two : {true, false}) {
    Drawn d;
    draw(d, "ab*~", 2, two);
    EXPECT_THAT(pictures(d.surface),
                ElementsAre("picture gate/and 3250,1825", "picture gate/nand 3250,1825"));
    Drawn twice;
    draw(twice, "ab+~~", 2, two);
    EXPECT_THAT(pictures(twice.surface),
                ElementsAre("picture gate/or 3250,1825", "picture gate/nor 3250,1825",
                            "picture gate/or 3250,1825"));
  }
}

TEST(CircuitLayout, FourInputFirstColumnGateTakesFiveTokensInMode24) {
  Drawn d;
  d.engine.rpn = "ab*c*d*";
  d.engine.lastVariable = 3;
  for (int i = 0; i < 3; ++i) d.engine.step(d.surface);
  EXPECT_EQ(d.engine.tokensDrawn, 7);
  EXPECT_THAT(pictures(d.surface), ElementsAre("picture gate/and 3250,2575"));
  const int G = 2575;
  // Each wire leaves its variable's drop line, where its junction mark sits.
  EXPECT_TRUE(hasLine(d.surface, 2520, G + 155, 3250, G + 155));  // b
  EXPECT_TRUE(hasLine(d.surface, 2760, G + 455, 3250, G + 455));  // a
  EXPECT_TRUE(hasLine(d.surface, 2280, G + 365, 3250, G + 365));  // c
  EXPECT_TRUE(hasLine(d.surface, 2040, G + 245, 3250, G + 245));  // d
  EXPECT_TRUE(hasLine(d.surface, 2280, G + 365, 2280, 1320));
  EXPECT_TRUE(hasLine(d.surface, 2040, G + 245, 2040, 1680));
  EXPECT_THAT(d.surface.calls, Contains(C(2280, G + 365)));
  EXPECT_THAT(d.surface.calls, Contains(C(2040, G + 245)));
  EXPECT_EQ(d.engine.step(d.surface), CircuitEngine::Step::Finished);

  Drawn three;
  draw(three, "ab*c*", 3, false);
  EXPECT_EQ(three.surface.of(DrawCall::Picture).size(), 1u);
  EXPECT_TRUE(hasLine(three.surface, 2280, 2200 + 305, 3250, 2200 + 305));
}

TEST(CircuitLayout, OrChainGrowsInMode24AndNotInMode2) {
  Drawn d;
  draw(d, "ab*c+d+", 4, false);
  EXPECT_THAT(pictures(d.surface),
              ElementsAre("picture gate/and 3250,2575", "picture gate/or 5200,2875"));
  // d at row 3575 joins the OR as its third input; turning 150 right of
  // halfway (3770) its way in would cross the AND gate, so it turns past it.
  EXPECT_TRUE(hasLine(d.surface, 2040, 3575, 4175, 3575));
  EXPECT_TRUE(hasLine(d.surface, 4175, 3575, 4175, 3130));
  EXPECT_TRUE(hasLine(d.surface, 5200, 3130, 4175, 3130));
  EXPECT_THAT(d.surface.calls, Contains(C(2040, 3575)));

  Drawn two;
  draw(two, "ab*c+d+", 4, true);
  EXPECT_THAT(pictures(two.surface),
              ElementsAre("picture gate/and 3250,2575", "picture gate/or 5200,2875",
                          "picture gate/or 7150,3225"));
}

TEST(CircuitLayout, ExclusiveAndNandNorChainsNeverGrow) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"ab*c@d@", {"and", "xor", "xor"}},
      {"ab$c$", {"nand", "nand"}},
      {"ab|c|d|", {"nor", "nor", "nor"}},
      {"ab*c$d$", {"and", "nand", "nand"}},
  };
  for (const auto& [rpn, kinds] : cases) {
    Drawn d;
    draw(d, rpn, 4, false);
    std::vector<std::string> got;
    for (const DrawCall& c : d.surface.of(DrawCall::Picture)) got.push_back(c.str.substr(5));
    EXPECT_EQ(got, kinds) << rpn;
  }
}

TEST(CircuitLayout, SingleVariableFeedsTheOutputWire) {
  Drawn d;
  draw(d, "a", 1, false);
  EXPECT_THAT(d.surface.of(DrawCall::Picture), IsEmpty());
  EXPECT_TRUE(hasLine(d.surface, 3775, 1550, 3775, 1320));
  EXPECT_TRUE(hasLine(d.surface, 3775, 1320, 7300, 1320));
  // ...and is joined to the bus of a.
  EXPECT_TRUE(hasLine(d.surface, 2760, 1550, 3775, 1550));
  EXPECT_TRUE(hasLine(d.surface, 2760, 1550, 2760, 600));
  const auto read = test::readDiagram(d.surface.calls, 1);
  EXPECT_THAT(read.problems, IsEmpty()) << read.problems.front();
  EXPECT_EQ(read.truthTable(1), (std::vector<char>{'0', '1'}));
}

TEST(CircuitLayout, SpacingSetsPitchAndRowGap) {
  Drawn d;
  draw(d, "ab*c+", 3, true, 200, 24);
  // The narrowest rows stand 355 apart from 2000 (two rows hold one 600-high
  // gate with room to spare); columns 3000 twips per pitch unit.
  EXPECT_THAT(pictures(d.surface),
              ElementsAre("picture gate/and 3000,2178", "picture gate/or 4800,2444"));
  EXPECT_TRUE(hasLine(d.surface, 2520, 2333, 3000, 2333));
  EXPECT_TRUE(hasLine(d.surface, 2760, 2633, 3000, 2633));
  Drawn slightly;
  draw(slightly, "ab*c+", 3, true, 300, 24);
  EXPECT_EQ(slightly.surface.of(DrawCall::Picture)[0].y1, 2000 + 375 / 2 + 1);

  Drawn wide;
  draw(wide, "ab*c+", 3, true, 600, 28);
  EXPECT_THAT(pictures(wide.surface),
              ElementsAre("picture gate/and 3500,2300", "picture gate/or 5600,2750"));
}

TEST(CircuitLayout, IntermediateExpressionsAreWrittenAboveAllButTheLastGate) {
  Drawn d;
  d.engine.showMidExprs = true;
  draw(d, "ab*c+", 3, true);
  EXPECT_THAT(d.engine.midExprs(), ElementsAre("(a*b)", "((a*b)+c)"));
  const auto texts = d.surface.of(DrawCall::Text);
  ASSERT_EQ(texts.size(), 1u) << d.surface.dump();
  EXPECT_EQ(texts[0].str, "(a*b)");
  EXPECT_EQ(texts[0].x1, 3250);
  EXPECT_EQ(texts[0].y1, 2200 - 200);  // wholly above the picture
  EXPECT_EQ(texts[0].color, kBlack);

  Drawn negated;
  negated.engine.showMidExprs = true;
  draw(negated, "ao*~p+", 3, true);
  EXPECT_THAT(negated.engine.midExprs(), ElementsAre("~(a*~b)", "(~(a*~b)+~c)"));

  // Deeply nested ones keep their first and last 256 characters.
  Drawn deep;
  deep.engine.showMidExprs = true;
  std::string rpn = "c", text = "c";
  for (int k = 0; k < 150; ++k) {
    const char v = k % 2 ? 'a' : 'b', op = k % 2 ? '*' : '+';
    rpn = std::string(1, v) + rpn + op + (k % 7 ? "" : "~");
    text = std::string(k % 7 ? "" : "~") + "(" + v + op + text + ")";
  }
  draw(deep, rpn, 3, true);
  const std::string shown =
      text.size() <= 512 ? text : text.substr(0, 256) + "\u2026" + text.substr(text.size() - 256);
  EXPECT_EQ(deep.engine.midExprs().back(), shown);

  Drawn notShown;  // only with 2-input gates
  notShown.engine.showMidExprs = true;
  draw(notShown, "ab*c+", 3, false);
  EXPECT_THAT(notShown.engine.midExprs(), IsEmpty());
  EXPECT_THAT(notShown.surface.of(DrawCall::Text), IsEmpty());
}

TEST(CircuitLayout, TestDigitsAreWrittenInLightRedAtEachGate) {
  EXPECT_EQ(testDigits("ab*", "10", 2), "0");
  EXPECT_EQ(testDigits("ab*~c+", "110", 3), "100");
  Drawn d;
  d.engine.testMode = 1;
  d.engine.testValues = testDigits("ab*", "10", 2);
  draw(d, "ab*", 2, true);
  const auto texts = d.surface.of(DrawCall::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].str, "0");
  EXPECT_EQ(texts[0].x1, 3750);
  EXPECT_EQ(texts[0].y1, 1825);
  EXPECT_EQ(texts[0].color, kLightRed);
  EXPECT_EQ(d.engine.testMode, 0);
  EXPECT_THAT(d.engine.testValues, IsEmpty());

  // A NOT writes its digit where the digit of the gate it complements stands.
  Drawn n;
  n.engine.testMode = 1;
  n.engine.testValues = testDigits("ab*~c+", "110", 3);
  draw(n, "ab*~c+", 3, true);
  const auto digits = n.surface.of(DrawCall::Text);
  ASSERT_EQ(digits.size(), 3u);
  EXPECT_EQ(digits[0].str, "1");
  EXPECT_EQ(digits[1].str, "0");
  EXPECT_EQ(digits[0].x1, digits[1].x1);
  EXPECT_EQ(digits[0].y1, digits[1].y1);
  EXPECT_EQ(digits[2].str, "0");
}

TEST(CircuitLayout, ChainGrowsOnlyIntoItsOwnGate) {
  // Growing whatever stands below would wire f into the AND of d and e: a
  // circuit of ab + c + def.
  Drawn d;
  draw(d, "ab*c+de*f++", 6, false);
  const auto read = test::readDiagram(d.surface.calls, 6);
  ASSERT_THAT(read.problems, IsEmpty()) << read.problems.front() << "\n" << d.surface.dump();
  EXPECT_EQ(read.truthTable(6), evaluateRows("ab*c+de*f++", 6));
}

TEST(CircuitLayout, SumOfProductsGrowsOneOrGate) {
  Drawn d;
  draw(d, "ab*cd*+ef*+", 6, false);
  std::vector<std::string> kinds;
  for (const DrawCall& c : d.surface.of(DrawCall::Picture)) kinds.push_back(c.str.substr(5));
  EXPECT_EQ(kinds, (std::vector<std::string>{"and", "and", "or", "and"}));
  const auto read = test::readDiagram(d.surface.calls, 6);
  ASSERT_THAT(read.problems, IsEmpty()) << read.problems.front();
  EXPECT_EQ(read.truthTable(6), evaluateRows("ab*cd*+ef*+", 6));
}

TEST(CircuitLayout, OnlyTheChainGateItselfGrows) {
  // After a+(bc+d) the second OR finds a variable, not its chain gate, below.
  for (const char* rpn : {"abc*d++", "abc*d+e++", "ab+cd*e++"}) {
    Drawn d;
    draw(d, rpn, 5, false);
    const auto read = test::readDiagram(d.surface.calls, 5);
    ASSERT_THAT(read.problems, IsEmpty()) << rpn << ": " << read.problems.front();
    EXPECT_EQ(read.truthTable(5), evaluateRows(rpn, 5)) << rpn;
  }
}

TEST(CircuitLayout, NotOnAPlainLetterUsesTheOtherBus) {
  // "~(a)*b" gives a~b*: a comes from the bus of ~a.
  Drawn d;
  draw(d, "a~b*", 2, true);
  EXPECT_TRUE(hasLine(d.surface, 2640, 2280, 2640, 720));
  EXPECT_THAT(d.surface.of(DrawCall::Picture), SizeIs(1));
  const auto read = test::readDiagram(d.surface.calls, 2);
  ASSERT_THAT(read.problems, IsEmpty()) << read.problems.front();
  EXPECT_EQ(read.truthTable(2), evaluateRows("a~b*", 2));
}

TEST(CircuitLayout, ConstantsAndBrokenTextsDrawNothingWrong) {
  for (const char* rpn : {"0", "1", "", "*", "a*", "~"}) {
    Drawn d;
    draw(d, rpn, 2, true);
    EXPECT_THAT(d.surface.of(DrawCall::Picture), IsEmpty()) << rpn;
    EXPECT_TRUE(d.engine.finished()) << rpn;
  }
}

TEST(CircuitLayout, LongExpressionsHaveNoFixedLimits) {
  // 400 operands on the stack at once, and a chain of 600 gates.
  std::string deep(400, 'a');
  deep += std::string(399, '+');
  std::string chain = "ab*";
  for (int i = 0; i < 600; ++i) chain += i % 2 ? "c@" : "d+";
  for (const std::string& rpn : {deep, chain}) {
    for (bool two : {true, false}) {
      Drawn d;
      d.engine.showMidExprs = true;
      draw(d, rpn, 4, two);
      EXPECT_TRUE(d.engine.finished());
      EXPECT_FALSE(d.surface.of(DrawCall::Picture).empty());
    }
  }
}

TEST(CircuitLayout, PannedDrawingIsTheSameDrawingMoved) {
  for (bool two : {true, false}) {
    Drawn home, moved;
    draw(home, "ab*c+dn*$", 4, two);
    moved.engine.panX = -1000;
    moved.engine.panY = -500;
    draw(moved, "ab*c+dn*$", 4, two);
    // Everything moves but the output wire to the caption (its last lines,
    // which ignore the offsets), and drops stop at the first bus's height
    // rather than run up among the controls.
    auto body = [](const RecordingSurface& s) {
      std::vector<DrawCall> c = s.calls;
      while (!c.empty() && c.back().kind == DrawCall::Line &&
             std::min(c.back().y1, c.back().y2) <= 1320)
        c.pop_back();
      return c;
    };
    const std::vector<DrawCall> was = body(home.surface), now = body(moved.surface);
    ASSERT_EQ(was.size(), now.size());
    for (size_t i = 0; i < was.size(); ++i) {
      DrawCall want = was[i];
      want.x1 -= 1000;
      want.y1 -= 500;
      if (want.kind == DrawCall::Line) {
        want.x2 -= 1000;
        want.y2 = std::max(want.y2 - 500, int(CircuitEngine::kDropTop));
      }
      EXPECT_EQ(now[i], want) << i << ": " << test::describe(want);
    }
    const auto read = test::readDiagram(moved.surface.calls, 4, -1000, -500);
    EXPECT_EQ(read.truthTable(4), evaluateRows("ab*c+dn*$", 4));
  }
}

}  // namespace
}  // namespace ronri
