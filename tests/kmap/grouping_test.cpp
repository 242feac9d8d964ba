#include "kmap/grouping.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "enclosure.h"
#include "functions.h"
#include "kmap/geometry.h"
#include "support/recording_surface.h"

namespace ronri::kmap {
namespace {

using ronri::test::DrawCall;
using ronri::test::RecordingSurface;
using sample::Function;
using ::testing::IsEmpty;

std::vector<DrawCall> inColour(const RecordingSurface& s, bool background) {
  std::vector<DrawCall> out;
  for (const auto& c : s.calls)
    if ((c.color == kBackground) == background && c.kind != DrawCall::Erase) out.push_back(c);
  return out;
}

// Five-variable parity: sixteen isolated 1-cells, sixteen groups.
Function parity5() {
  Function f(32);
  for (int r = 0; r < 32; ++r) f[std::size_t(r)] = __builtin_popcount(unsigned(r)) % 2;
  return f;
}

TEST(KmapGrouping, ColoursRunDownFromLightRedAndSkipWhite) {
  Grouping g(5);
  g.loadGroups(sample::termList(parity5(), 5, true), true);
  EXPECT_FALSE(g.minimalReady());
  std::vector<int> colours;
  std::set<std::string> terms;
  for (int i = 0; i < 16; ++i) {
    RecordingSurface s;
    const StepResult r = g.stepOne(s);
    EXPECT_FALSE(r.error);
    terms.insert(g.groupTerm());
    const auto lines = inColour(s, false);
    ASSERT_FALSE(lines.empty());
    colours.push_back(lines.back().color);  // the new group is drawn last
  }
  EXPECT_EQ(terms.size(), 16u);
  EXPECT_EQ(colours, (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 14, 13, 12}));
}

TEST(KmapGrouping, StepAllThenStepOneStartsAgain) {
  // ~a*~b + b*c (+ ~a*c): rows 000, 001, 011, 111.
  Function f(8);
  f[0] = f[1] = f[3] = f[7] = true;
  Grouping g(3);
  g.loadGroups(sample::termList(f, 3, true), false);
  EXPECT_EQ(g.allPrimes(), "no+nc+bc");
  EXPECT_EQ(g.minPrimes(), "no+bc");

  RecordingSurface all;
  EXPECT_FALSE(g.stepAll(all));
  EXPECT_THAT(inColour(all, true), IsEmpty());
  EXPECT_EQ(g.queue(), "");
  RecordingSurface last;
  drawOutline(last, g.outline(), 10);
  EXPECT_EQ(g.outline(), outlineOf(groupCells("bc", 3), 3));

  RecordingSurface s;
  const StepResult r = g.stepOne(s);
  EXPECT_EQ(r.term, "~a*~b");
  // Only the last outline of the pass is erased.
  auto erased = inColour(s, true);
  ASSERT_EQ(erased.size(), last.calls.size());
  for (std::size_t i = 0; i < erased.size(); ++i) {
    erased[i].color = 10;
    EXPECT_EQ(erased[i], last.calls[i]);
  }
  const auto drawnNow = inColour(s, false);
  ASSERT_FALSE(drawnNow.empty());
  EXPECT_EQ(drawnNow.back().color, 9);
  EXPECT_EQ(g.queue(), "nc+bc");
}

TEST(KmapGrouping, ChoosingTheMinimalListClearsTheMap) {
  Function f(8);
  f[0] = f[1] = f[3] = f[7] = true;
  Grouping g(3);
  g.loadGroups(sample::termList(f, 3, true), false);
  RecordingSurface s;
  g.stepOne(s);
  s.clear();
  g.chooseList(false, s);
  ASSERT_FALSE(s.calls.empty());
  EXPECT_EQ(s.calls.front(), (DrawCall{DrawCall::Erase, 120, 120, 4920, 2160, kBackground, {}, 0}));
  EXPECT_EQ(g.queue(), "no+bc");
  s.clear();
  EXPECT_EQ(g.stepOne(s).term, "~a*~b");
  EXPECT_THAT(inColour(s, true), IsEmpty());  // nothing left to erase
  g.stepOne(s);
  EXPECT_EQ(g.stepOne(s).term, "~a*~b");  // the minimal list again
}

TEST(KmapGrouping, ConstantTrueOutlinesTheWholeMapInOneColour) {
  Grouping g(4);
  g.loadGroups(sample::termList(Function(16, true), 4, true), false);
  EXPECT_EQ(g.allPrimes(), "1");
  for (int i = 0; i < 3; ++i) {
    RecordingSurface s;
    g.stepOne(s);
    EXPECT_EQ(s.calls,
              (std::vector<DrawCall>{{DrawCall::Rectangle, 1320, 1080, 4695, 3255, 12, {}, 0},
                                     {DrawCall::Rectangle, 1330, 1090, 4685, 3245, 12, {}, 0}}));
  }
  EXPECT_EQ(g.colorNo(), 12);
}

TEST(KmapGrouping, NoOnesDrawNothing) {
  Grouping g(5);
  g.loadGroups("", true);
  EXPECT_EQ(g.allPrimes(), "0");
  RecordingSurface s;
  EXPECT_EQ(g.stepOne(s).term, "");
  EXPECT_FALSE(g.stepAll(s));
  EXPECT_THAT(s.calls, IsEmpty()) << s.dump();
  EXPECT_EQ(g.computeMinimal(), CoverStatus::Proven);
  g.chooseList(false, s);
  s.clear();
  g.stepOne(s);
  EXPECT_THAT(s.calls, IsEmpty()) << s.dump();
}

// Truth-table rows of the cells a group's drawn lines enclose.
std::set<int> enclosedCells(const std::vector<DrawCall>& calls, int n) {
  const MapShape& m = mapShape(n);
  const auto cols = sample::grayCodes(m.maxA);
  const auto rws = sample::grayCodes(m.maxB);
  std::set<int> rows;
  for (auto [k, r] : enclosed(calls, n))
    rows.insert(std::stoi(cols[std::size_t(k)] + rws[std::size_t(r)], nullptr, 2));
  return rows;
}

std::set<int> rowsOfTerm(const std::string& term, int n) {
  std::set<int> rows;
  for (int row = 0; row < (1 << n); ++row) {
    bool in = true;
    for (char c : term) {
      const int v = c >= 'n' ? c - 'n' : c - 'a';
      if (sample::bitOf(row, v, n) != (c < 'n')) in = false;
    }
    if (in) rows.insert(row);
  }
  return rows;
}

// For random functions, each outline drawn encloses exactly the cells of its
// term, those cells are all 1-cells, and the groups of either list together
// enclose every 1-cell.
TEST(KmapGrouping, OutlinesEncloseTheirTermsOnRandomFunctions) {
  std::mt19937 rng(20261207);
  for (int n = 3; n <= 5; ++n)
    for (int trial = 0; trial < 40; ++trial) {
      const Function f = sample::randomFunction(n, rng, trial % 2 ? 0.5 : 0.7);
      std::set<int> ones;
      for (int r = 0; r < (1 << n); ++r)
        if (f[std::size_t(r)]) ones.insert(r);
      if (ones.empty() || int(ones.size()) == 1 << n) continue;
      Grouping g(n);
      g.loadGroups(sample::termList(f, n, true), n == 5);
      if (n == 5) g.computeMinimal();
      for (bool all : {true, false}) {
        RecordingSurface s;
        g.chooseList(all, s);
        std::set<int> covered;
        do {
          s.clear();
          const StepResult r = g.stepOne(s);
          ASSERT_FALSE(r.error);
          // The group is drawn last, after the erase and the repair of the map.
          RecordingSurface own;
          drawOutline(own, g.outline(), 0);
          ASSERT_LE(own.calls.size(), s.calls.size());
          const std::vector<DrawCall> drawn(s.calls.end() - std::ptrdiff_t(own.calls.size()),
                                            s.calls.end());
          const std::set<int> cells = enclosedCells(drawn, n);
          EXPECT_EQ(cells, rowsOfTerm(g.groupTerm(), n)) << n << " " << g.groupTerm();
          for (int c : cells) EXPECT_TRUE(ones.count(c)) << g.groupTerm();
          covered.insert(cells.begin(), cells.end());
        } while (!g.queue().empty());
        EXPECT_EQ(covered, ones) << (all ? g.allPrimes() : g.minPrimes());
      }
    }
}

}  // namespace
}  // namespace ronri::kmap
