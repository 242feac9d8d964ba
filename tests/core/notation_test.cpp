#include "core/draw/notation.h"

#include <gtest/gtest.h>

#include "support/recording_surface.h"

namespace ronri {
namespace {

using test::DrawCall;
using test::RecordingSurface;

std::string drawing(std::string_view rpn, std::size_t maxCells = SIZE_MAX) {
  RecordingSurface s;
  drawNotation(s, rpn, maxCells);
  return s.dump();
}

TEST(Notation, NegatedGroupLeavesAnEmptyCellAndGetsOneLine) {
  EXPECT_EQ(drawing("~(a+b)"),
            "picture glyph/17 700,400\n"
            "picture glyph/0 1000,400\n"
            "picture glyph/12 1300,400\n"
            "picture glyph/1 1600,400\n"
            "picture glyph/18 1900,400\n"
            "line 700,300-1900,300 c0\n");
}

TEST(Notation, NegatedLetterSharesItsCellWithTheBar) {
  EXPECT_EQ(drawing("~a*b"),
            "picture glyph/10 400,300\n"
            "picture glyph/0 400,400\n"
            "picture glyph/11 700,400\n"
            "picture glyph/1 1000,400\n");
}

TEST(Notation, EnclosingGroupsRiseFiftyPerLevel) {
  RecordingSurface s;
  drawNotation(s, "~(~(a*b)+c)");
  const auto lines = s.of(DrawCall::Line);
  ASSERT_EQ(lines.size(), 2u) << s.dump();
  // Outer group: "(" at cell 2 (700), ")" at the last cell (3400).
  EXPECT_EQ(describe(lines[0]), "line 700,250-3400,250 c0");
  // Inner group: "(" at 1300, ")" at 2500.
  EXPECT_EQ(describe(lines[1]), "line 1300,300-2500,300 c0");
  EXPECT_EQ(s.of(DrawCall::Picture).size(), 9u);
}

TEST(Notation, EveryOperatorHasItsGlyphAndOtherCharactersLeaveEmptyCells) {
  EXPECT_EQ(drawing("c%d@e$f|g"),
            "picture glyph/2 400,400\npicture glyph/13 700,400\npicture glyph/3 1000,400\n"
            "picture glyph/14 1300,400\npicture glyph/4 1600,400\npicture glyph/15 1900,400\n"
            "picture glyph/5 2200,400\npicture glyph/16 2500,400\npicture glyph/6 2800,400\n");
  // "1", "k", a blank and a character outside ASCII each keep their cell.
  EXPECT_EQ(drawing("a1k h論j"),
            "picture glyph/0 400,400\npicture glyph/7 1600,400\npicture glyph/9 2200,400\n");
  EXPECT_EQ(drawing(""), "");
}

TEST(Notation, PlainParenthesesGetNoLineButRaiseTheOthers) {
  // The deepest level counts even when that group is not negated.
  EXPECT_EQ(drawing("~(a*(b+c))"),
            "picture glyph/17 700,400\npicture glyph/0 1000,400\npicture glyph/11 1300,400\n"
            "picture glyph/17 1600,400\npicture glyph/1 1900,400\npicture glyph/12 2200,400\n"
            "picture glyph/2 2500,400\npicture glyph/18 2800,400\npicture glyph/18 3100,400\n"
            "line 700,250-3100,250 c0\n");
}

TEST(Notation, UnbalancedParenthesesDrawWithoutLines) {
  EXPECT_EQ(drawing("~(a"), "picture glyph/17 700,400\npicture glyph/0 1000,400\n");
  EXPECT_EQ(drawing("a)~b"),
            "picture glyph/0 400,400\npicture glyph/18 700,400\n"
            "picture glyph/10 1000,300\npicture glyph/1 1000,400\n");
}

TEST(Notation, ManyGroupsAndDeepNestingAreDrawnLikeTheRest) {
  // 40 negated groups side by side, each with its own line at 300.
  std::string wide;
  for (int k = 0; k < 40; ++k) wide += k ? "+~(a*b)" : "~(a*b)";
  RecordingSurface s;
  drawNotation(s, wide);
  const auto lines = s.of(DrawCall::Line);
  ASSERT_EQ(lines.size(), 40u);
  for (int k = 0; k < 40; ++k) {
    EXPECT_EQ(lines[k].y1, 300);
    EXPECT_EQ(lines[k].x2 - lines[k].x1, 4 * 300);
  }
  // 40 nested levels: every line stays on the drawing, 50 apart, and the
  // glyphs move down with them.
  std::string deep = "a";
  for (int k = 0; k < 40; ++k) deep = "~(" + deep + ")";
  s.clear();
  drawNotation(s, deep);
  const auto nested = s.of(DrawCall::Line);
  ASSERT_EQ(nested.size(), 40u);
  EXPECT_EQ(nested.front().y1, 0);
  EXPECT_EQ(nested.back().y1, 39 * 50);
  for (const DrawCall& c : s.of(DrawCall::Picture)) EXPECT_EQ(c.y1, 400 + 39 * 50 - 300);
  const NotationSize size = notationSize(deep);
  EXPECT_GE(size.height, 400 + 39 * 50 - 300 + 450);
}

TEST(Notation, LongTextsAreClippedToTheCellLimit) {
  RecordingSurface s;
  drawNotation(s, "~(a+b+c+d)", 4);
  EXPECT_EQ(s.dump(),
            "picture glyph/17 700,400\npicture glyph/0 1000,400\npicture glyph/12 1300,400\n"
            "line 700,300-1300,300 c0\n");
  EXPECT_TRUE(notationSize("~(a+b+c+d)", 4).clipped);
  const NotationSize whole = notationSize("~(a+b+c+d)");
  EXPECT_FALSE(whole.clipped);
  EXPECT_GE(whole.width, 3100 + 240);
  EXPECT_GE(whole.height, 850);
}

}  // namespace
}  // namespace ronri
