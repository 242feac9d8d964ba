#include "kmap/outline.h"

#include <gtest/gtest.h>

#include <set>

#include "enclosure.h"
#include "functions.h"
#include "kmap/geometry.h"
#include "support/recording_surface.h"

namespace ronri::kmap {
namespace {

using ronri::test::DrawCall;
using ronri::test::RecordingSurface;

DrawCall L(int x1, int y1, int x2, int y2, int c = 12) {
  return {DrawCall::Line, x1, y1, x2, y2, c, {}, 0};
}
DrawCall R(int x1, int y1, int x2, int y2, int c = 12) {
  return {DrawCall::Rectangle, x1, y1, x2, y2, c, {}, 0};
}

std::vector<DrawCall> drawn(std::string_view term, int n) {
  RecordingSurface s;
  drawOutline(s, outlineOf(groupCells(term, n), n), 12);
  return s.calls;
}

std::string dump(const std::vector<DrawCall>& calls) {
  std::string out;
  for (const auto& c : calls) out += ronri::test::describe(c) + "\n";
  return out;
}

#define EXPECT_LINES(term, n, ...)                           \
  do {                                                       \
    const std::vector<DrawCall> want{__VA_ARGS__};           \
    const auto got = drawn(term, n);                         \
    EXPECT_EQ(got, want) << term << " drew:\n" << dump(got); \
  } while (0)

TEST(KmapOutline, FourVariableWraps) {
  // b = 0: columns 00 and 10, two brackets open towards the map's edges.
  EXPECT_LINES("o", 4, L(1815, 1080, 1220, 1080), L(1815, 1080, 1815, 3255),
               L(1815, 3255, 1220, 3255), L(4200, 1080, 4795, 1080), L(4200, 1080, 4200, 3255),
               L(4200, 3255, 4795, 3255));
  // b = 0, d = 0: the four corners.
  EXPECT_LINES("oq", 4, L(1815, 1455, 1815, 980), L(1815, 1455, 1220, 1455),
               L(4200, 1455, 4200, 980), L(4200, 1455, 4795, 1455), L(1815, 2880, 1815, 3355),
               L(1815, 2880, 1220, 2880), L(4200, 2880, 4200, 3355), L(4200, 2880, 4795, 2880));
  // d = 0 over all columns: open towards the top and the bottom.
  EXPECT_LINES("q", 4, L(1320, 1455, 1320, 980), L(1320, 1455, 4695, 1455),
               L(4695, 1455, 4695, 980), L(1320, 2880, 1320, 3355), L(1320, 2880, 4695, 2880),
               L(4695, 2880, 4695, 3355));
  EXPECT_LINES("abpd", 4, R(3240, 1680, 3735, 2055), R(3250, 1690, 3725, 2045));
  EXPECT_LINES("c", 3, R(1320, 1680, 4695, 2055), R(1330, 1690, 4685, 2045));
}

TEST(KmapOutline, FiveVariablePieces) {
  std::vector<DrawCall> c{L(2280, 1080, 3735, 1080), L(2280, 3255, 3735, 3255),
                          L(2280, 1080, 2280, 3255), L(6240, 1080, 7695, 1080),
                          L(6240, 3255, 7695, 3255), L(7695, 1080, 7695, 3255)};
  for (int x = 3735; x <= 6240; x += 100) {
    c.push_back(L(x, 1080, x + 50, 1080));
    c.push_back(L(x, 3255, x + 50, 3255));
  }
  EXPECT_EQ(c.size(), 6u + 2 * 26);
  EXPECT_EQ(drawn("c", 5), c) << dump(drawn("c", 5));

  // c = 0: columns 000, 010 110, 100 as outer brackets and a middle box.
  EXPECT_LINES("p", 5, L(1815, 1080, 1220, 1080), L(1815, 1080, 1815, 3255),
               L(1815, 3255, 1220, 3255), L(8160, 1080, 8755, 1080), L(8160, 1080, 8160, 3255),
               L(8160, 3255, 8755, 3255), R(4200, 1080, 5775, 3255));
  // c = 0, e = 0: corners with their right arms ending at the last column,
  // and the middle piece open towards the top and bottom.
  EXPECT_LINES("pr", 5, L(1815, 1455, 1815, 980), L(1815, 1455, 1220, 1455),
               L(8160, 1455, 8160, 980), L(8160, 1455, 8655, 1455), L(1815, 2880, 1815, 3355),
               L(1815, 2880, 1220, 2880), L(8160, 2880, 8160, 3355), L(8160, 2880, 8655, 2880),
               L(4200, 1455, 4200, 980), L(4200, 1455, 5775, 1455), L(5775, 1455, 5775, 980),
               L(4200, 2880, 4200, 3355), L(4200, 2880, 5775, 2880), L(5775, 2880, 5775, 3355));
  // b = 0, c = 0, e = 0: the corners alone, their right arms ending at the
  // last column as well.
  EXPECT_LINES("opr", 5, L(1815, 1455, 1815, 980), L(1815, 1455, 1220, 1455),
               L(8160, 1455, 8160, 980), L(8160, 1455, 8655, 1455), L(1815, 2880, 1815, 3355),
               L(1815, 2880, 1220, 2880), L(8160, 2880, 8160, 3355), L(8160, 2880, 8655, 2880));
  // No column letter: all eight columns; only a: the right block.
  EXPECT_LINES("de", 5, R(1320, 2280, 8655, 2655), R(1330, 2290, 8645, 2645));
  EXPECT_LINES("a", 5, R(5280, 1080, 8655, 3255), R(5290, 1090, 8645, 3245));
  // Block wraps stay inside their block.
  EXPECT_EQ(outlineOf(groupCells("np", 5), 5),
            (Outline{OutlineKind::EdgeWrap, 1815, 4200, 1080, 3255, 0, 0, 1220, 4795}));
  EXPECT_EQ(outlineOf(groupCells("ap", 5), 5),
            (Outline{OutlineKind::EdgeWrap, 5775, 8160, 1080, 3255, 0, 0, 5180, 8755}));
  EXPECT_EQ(outlineOf(groupCells("op", 5), 5),
            (Outline{OutlineKind::EdgeWrap, 1815, 8160, 1080, 3255, 0, 0, 1220, 8755}));
}

TEST(KmapOutline, LetterThatCannotFollow) {
  GroupCells g = groupCells("pa", 4);  // a column letter after a row letter
  EXPECT_TRUE(g.error);
  EXPECT_EQ(g.columns, 0b1111u);
  EXPECT_EQ(g.rows, 0b0011u);  // what was read before it still counts
  EXPECT_TRUE(groupCells("pc", 4).error);
  EXPECT_TRUE(groupCells("ar", 4).error);  // no e in four variables
  EXPECT_TRUE(groupCells("qx", 5).error);
  EXPECT_FALSE(groupCells("nbqe", 5).error);
  // Letters the expressions never have (k..m, x..z) are no variables at all.
  for (const char* term : {"ak", "am", "nz", "abx", "A"})
    EXPECT_TRUE(groupCells(term, 5).error) << term;
}

std::set<std::pair<int, int>> cellsOfTerm(const std::string& term, int n) {
  const MapShape& m = mapShape(n);
  const auto cols = sample::grayCodes(m.maxA);
  const auto rows = sample::grayCodes(m.maxB);
  std::set<std::pair<int, int>> cells;
  for (int k = 0; k < m.columns; ++k)
    for (int r = 0; r < m.rows; ++r) {
      const std::string bits = cols[std::size_t(k)] + rows[std::size_t(r)];
      bool in = true;
      for (char c : term) {
        const int v = c >= 'n' ? c - 'n' : c - 'a';
        if ((bits[std::size_t(v)] == '1') != (c < 'n')) in = false;
      }
      if (in) cells.insert({k, r});
    }
  return cells;
}

// Every product term of 3, 4 and 5 variables: its outline encloses exactly its
// cells, and no line of it lies on the map's ruling or outside the map.
TEST(KmapOutline, EveryTermEnclosesExactlyItsCells) {
  for (int n = 3; n <= 5; ++n) {
    RecordingSurface ruling;
    drawRuling(ruling, n);
    std::set<int> rulingX, rulingY;
    for (const auto& l : ruling.calls) {
      if (l.x1 == l.x2) rulingX.insert(l.x1);
      if (l.y1 == l.y2) rulingY.insert(l.y1);
    }
    int terms = 0;
    const int total = n == 3 ? 27 : n == 4 ? 81 : 243;
    for (int code = 0; code < total; ++code) {
      std::string term;
      for (int v = 0, c = code; v < n; ++v, c /= 3)
        if (c % 3) term += char((c % 3 == 1 ? 'a' : 'n') + v);
      ++terms;
      const GroupCells g = groupCells(term, n);
      ASSERT_FALSE(g.error) << term;
      RecordingSurface s;
      drawOutline(s, outlineOf(g, n), 12);
      EXPECT_EQ(enclosed(s.calls, n), cellsOfTerm(term, n)) << n << " \"" << term << "\"\n"
                                                            << s.dump();
      for (const auto& c : s.calls) {
        EXPECT_EQ(c.color, 12);
        for (auto [x, y] : {std::pair{c.x1, c.y1}, std::pair{c.x2, c.y2}}) {
          EXPECT_GT(x, columnLine(0)) << term;
          EXPECT_LT(x, farX(n)) << term;
          EXPECT_GT(y, rowLine(0)) << term;
          EXPECT_LT(y, farY(n)) << term;
        }
        if (c.x1 == c.x2) EXPECT_FALSE(rulingX.count(c.x1)) << term;
        if (c.y1 == c.y2) EXPECT_FALSE(rulingY.count(c.y1)) << term;
      }
    }
    EXPECT_EQ(terms, total);
  }
}

TEST(KmapOutline, RulingHasTheDoubleLines) {
  RecordingSurface s;
  drawRuling(s, 6);
  std::set<int> xs, ys;
  for (const auto& l : s.calls) {
    if (l.x1 == l.x2 && l.x1 != 120) xs.insert(l.x1);
    if (l.y1 == l.y2 && l.y1 != 120) ys.insert(l.y1);
  }
  EXPECT_EQ(xs, (std::set<int>{1080, 2040, 3000, 3960, 4920, 5040, 6000, 6960, 7920, 8880}));
  EXPECT_EQ(ys, (std::set<int>{960, 1560, 2160, 2760, 3360, 3480, 4080, 4680, 5280, 5880}));
  EXPECT_EQ(s.calls.back(), L(120, 240, 1080, 960, 0));
}

}  // namespace
}  // namespace ronri::kmap
