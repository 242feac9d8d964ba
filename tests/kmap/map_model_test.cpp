#include "kmap/map_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "functions.h"
#include "kmap/geometry.h"

namespace ronri::kmap {
namespace {

using sample::Function;

// Cell numbers as each window lays out its cells: row by row inside 4 x 4
// blocks, the second block of the eight-wide maps to the right, the lower
// blocks of the six-variable map below.
int expectedCell(int n, int k, int r) {
  switch (n) {
    case 3:
    case 4:
      return 4 * r + k;
    case 5:
      return k < 4 ? 4 * r + k : 16 + 4 * r + (k - 4);
    default: {
      const int block = (k < 4 ? 0 : 1) + (r < 4 ? 0 : 2);
      return 16 * block + 4 * (r % 4) + (k % 4);
    }
  }
}

KmapModel loaded(int n, const Function& f) {
  KmapModel m(n);
  m.oneTerms = sample::termList(f, n, true);
  m.zeroTerms = sample::termList(f, n, false);
  m.loadMap();
  return m;
}

// The cell of (k, r) under axes A/B must show "1" exactly when f is 1 at the
// assignment those codes give.
void expectMapMatches(const KmapModel& m, const Function& f, const std::string& shown) {
  const int n = m.variables();
  const auto cols = sample::grayCodes(int(m.columnLetters.size()));
  const auto rows = sample::grayCodes(int(m.rowLetters.size()));
  int marked = 0;
  for (int r = 0; r < int(rows.size()); ++r)
    for (int k = 0; k < int(cols.size()); ++k) {
      int row = 0;
      for (std::size_t i = 0; i < m.columnLetters.size(); ++i)
        if (cols[std::size_t(k)][i] == '1') row |= 1 << (n - 1 - (m.columnLetters[i] - 'a'));
      for (std::size_t i = 0; i < m.rowLetters.size(); ++i)
        if (rows[std::size_t(r)][i] == '1') row |= 1 << (n - 1 - (m.rowLetters[i] - 'a'));
      const bool want = f[std::size_t(row)] == (shown == "1");
      const std::string& cell = m.cells()[std::size_t(expectedCell(n, k, r))];
      ASSERT_EQ(cell, want ? shown : "")
          << "A=" << m.columnLetters << " B=" << m.rowLetters << " k=" << k << " r=" << r;
      marked += want;
    }
  const int count = int(std::count(f.begin(), f.end(), shown == "1"));
  EXPECT_EQ(marked, count);
}

TEST(KmapGeometry, CellNumbersFollowTheBlocks) {
  for (int n = 3; n <= 6; ++n) {
    const MapShape& s = mapShape(n);
    std::vector<int> seen;
    for (int r = 0; r < s.rows; ++r)
      for (int k = 0; k < s.columns; ++k) {
        EXPECT_EQ(cellNumber(k, r), expectedCell(n, k, r)) << n << " " << k << " " << r;
        seen.push_back(cellNumber(k, r));
      }
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < int(seen.size()); ++i) EXPECT_EQ(seen[std::size_t(i)], i);
  }
  EXPECT_EQ(grayCode(5, 3), "111");
  EXPECT_EQ(grayCode(7, 3), "100");
}

// Every order of the variables over the two axes shows each 1-cell (and each
// 0-cell when "0" is chosen) exactly once, in the right place.
TEST(KmapModel, EveryAxisLayoutShowsEachCellOnce) {
  std::mt19937 rng(7);
  for (int n = 4; n <= 6; ++n) {
    const MapShape& s = mapShape(n);
    std::string letters;
    for (int i = 0; i < n; ++i) letters += char('a' + i);
    int layouts = 0;
    const Function f = sample::randomFunction(n, rng);
    const Function g = sample::randomFunction(n, rng, 0.2);
    do {
      for (const Function* fn : {&f, &g}) {
        KmapModel m = loaded(n, *fn);
        for (int i = 0; i < n; ++i)
          m.chooseVariable(letters[std::size_t(i)], i < s.maxA ? Axis::Columns : Axis::Rows);
        MakeResult res = m.makeMap();
        ASSERT_FALSE(res.usedDefaults);
        ASSERT_FALSE(res.refused);
        EXPECT_EQ(res.grouping,
                  n < 6 && m.columnLetters == s.defaultA && m.rowLetters == s.defaultB);
        expectMapMatches(m, *fn, "1");
        m.showZeros();
        res = m.makeMap();
        EXPECT_FALSE(res.grouping);
        expectMapMatches(m, *fn, "0");
      }
      ++layouts;
    } while (std::next_permutation(letters.begin(), letters.end()));
    EXPECT_EQ(layouts, n == 4 ? 24 : n == 5 ? 120 : 720);
  }
}

TEST(KmapModel, TooFewLettersTakeTheDefaults) {
  KmapModel m(3);
  m.oneTerms = "nbp+";
  m.loadMap();
  m.chooseVariable('a', Axis::Columns);
  m.chooseVariable('c', Axis::Rows);
  const MakeResult res = m.makeMap();
  EXPECT_TRUE(res.usedDefaults);
  EXPECT_TRUE(res.grouping);
  EXPECT_EQ(m.columnLetters, "ab");
  EXPECT_EQ(m.rowLetters, "c");
  EXPECT_EQ(m.cells()[1], "1");  // column 01, row 0
}

TEST(KmapModel, ThreeVariableExampleAndSwappedColumns) {
  // a*b + ~a*~b*c: rows 001, 110, 111.
  Function f(8);
  f[1] = f[6] = f[7] = true;
  KmapModel m = loaded(3, f);
  EXPECT_TRUE(m.makeMap().grouping);
  std::vector<std::string> want(8);
  want[2] = want[6] = want[4] = "1";
  EXPECT_EQ(m.cells(), want);

  m.backspace(Axis::Columns);
  m.backspace(Axis::Columns);
  EXPECT_FALSE(m.backspace(Axis::Columns));
  m.chooseVariable('b', Axis::Columns);
  m.chooseVariable('a', Axis::Columns);
  const MakeResult res = m.makeMap();
  EXPECT_FALSE(res.usedDefaults);
  EXPECT_FALSE(res.grouping);
  expectMapMatches(m, f, "1");
}

TEST(KmapModel, AxesHoldAtMostTheirLetters) {
  KmapModel m(3);
  EXPECT_TRUE(m.chooseVariable('a', Axis::Rows));
  EXPECT_FALSE(m.chooseVariable('b', Axis::Rows));
  EXPECT_FALSE(m.chooseVariable('b', Axis::None));
  EXPECT_EQ(m.rowLetters, "a");
  EXPECT_EQ(m.columnLetters, "");
  EXPECT_FALSE(m.backspace(Axis::None));
}

TEST(KmapModel, RepeatedVariableIsRefusedAndChangesNothing) {
  Function f(16);
  f[3] = true;
  KmapModel m = loaded(4, f);
  m.makeMap();
  const auto before = m.cells();
  m.columnLetters = "aa";
  m.rowLetters = "cd";
  const MakeResult res = m.makeMap();
  EXPECT_TRUE(res.refused);
  EXPECT_EQ(m.cells(), before);
  EXPECT_TRUE(m.groupingOffered());
}

TEST(KmapModel, EmptyFunctionAndZeros) {
  KmapModel m = loaded(4, Function(16, false));
  EXPECT_TRUE(m.makeMap().grouping);
  for (const auto& c : m.cells()) EXPECT_EQ(c, "");
  m.showZeros();
  EXPECT_FALSE(m.groupingOffered());
  EXPECT_FALSE(m.makeMap().grouping);
  for (const auto& c : m.cells()) EXPECT_EQ(c, "0");
  m.showOnes();
  EXPECT_TRUE(m.makeMap().grouping);
}

TEST(KmapModel, TermsMatchInAnyLetterOrderAndSkipOperators) {
  KmapModel m(4);
  m.oneTerms = "d*c@b+na+qpo+";  // read as the terms "dcbn" and "aqpo"
  m.loadMap();
  m.makeMap();
  int ones = 0;
  for (const auto& c : m.cells()) ones += c == "1";
  EXPECT_EQ(ones, 2);
  EXPECT_EQ(m.cells()[std::size_t(cellNumber(1, 2))], "1");  // a=0 b=1, c=1 d=1
  EXPECT_EQ(m.cells()[3], "1");                              // a=1 b=0, c=0 d=0
}

}  // namespace
}  // namespace ronri::kmap
