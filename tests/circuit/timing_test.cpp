// The timing of drawn circuits: the textbook hazard glitches for one unit
// and its consensus term removes it; any circuit settles where its truth
// table says, before and after the change; a sum of products glitches only
// on its static hazards and never with the consensus terms added; the chart
// read back shows every waveform and the glitch.
#include "circuit/timing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "circuit/guarded_circuit.h"
#include "circuit/layout_engine.h"
#include "circuit/timing_chart.h"
#include "core/cover/hazards.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "support/recording_surface.h"

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
    const GuardedForm guarded = withConsensusTerms("a*b+~a*c", "01010011", 3);
    EXPECT_EQ(guarded.expression, "a*b+~a*c+b*c");
    EXPECT_EQ(guarded.added, std::vector<std::string>{"b*c"});
    const Timing fixed = simulateFlip(netlistOf(guarded.expression, 3, two), "111", 0);
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

// What the chart shows, read from its lines: the level of each row at the
// middle of every step, the shaded span, and texts that keep apart.
::testing::AssertionResult chartShows(const test::RecordingSurface& s, const Timing& t,
                                      bool everyGate) {
  const ChartLayout c = chartLayout(t, everyGate);
  const auto shown = chartSignals(t, everyGate);
  std::vector<std::string> problems;
  auto levelAt = [&](int row, int x) {
    int level = -1;
    for (const auto& l : s.calls)
      if (l.kind == test::DrawCall::Line && l.color == kBlack && l.y1 == l.y2 &&
          std::min(l.x1, l.x2) <= x && x <= std::max(l.x1, l.x2)) {
        if (l.y1 == c.rowTop(row) + ChartLayout::kHigh) level = level == 0 ? 2 : 1;
        if (l.y1 == c.rowTop(row) + ChartLayout::kLow) level = level == 1 ? 2 : 0;
      }
    return level;
  };
  for (int i = 0; i < c.rows; ++i)
    for (int time = ChartLayout::kFirst; time < c.last; ++time) {
      const int want = shown[size_t(i)]->at(time);
      if (levelAt(i, (c.x(time) + c.x(time + 1)) / 2) != want)
        problems.push_back(shown[size_t(i)]->name + " at " + std::to_string(time));
    }
  int from = 0, to = 0;
  const bool glitch = glitchSpan(t, from, to);
  bool shaded = false;
  for (const auto& l : s.calls) {
    if (l.color != kGlitchColor) continue;
    shaded = true;
    const int top = c.rowTop(c.rows - 1);
    if (std::min(l.x1, l.x2) < c.x(from) || std::max(l.x1, l.x2) > c.x(to) ||
        std::min(l.y1, l.y2) < top || std::max(l.y1, l.y2) > top + ChartLayout::kRow)
      problems.push_back("shading outside the glitch: " + test::describe(l));
  }
  if (shaded != glitch) problems.push_back(glitch ? "glitch not shaded" : "shaded, no glitch");
  // Texts (about 0.6 em wide per character) neither meet nor touch a waveform.
  std::vector<test::DrawCall> texts = s.of(test::DrawCall::Text);
  auto box = [](const test::DrawCall& t, int& r, int& b) {
    r = t.x1 + int(t.str.size() * t.pointSize * 12);
    b = t.y1 + int(t.pointSize * 20);
  };
  for (size_t i = 0; i < texts.size(); ++i) {
    int r, b;
    box(texts[i], r, b);
    for (size_t j = i + 1; j < texts.size(); ++j) {
      int r2, b2;
      box(texts[j], r2, b2);
      if (texts[i].x1 < r2 && texts[j].x1 < r && texts[i].y1 < b2 && texts[j].y1 < b)
        problems.push_back("\"" + texts[i].str + "\" meets \"" + texts[j].str + "\"");
    }
    for (const auto& l : s.calls)
      if (l.kind == test::DrawCall::Line && std::min(l.x1, l.x2) < r &&
          texts[i].x1 < std::max(l.x1, l.x2) && std::min(l.y1, l.y2) < b &&
          texts[i].y1 < std::max(l.y1, l.y2))
        problems.push_back("\"" + texts[i].str + "\" under " + test::describe(l));
  }
  if (problems.empty()) return ::testing::AssertionSuccess();
  auto fail = ::testing::AssertionFailure();
  for (const auto& p : problems) fail << p << "\n";
  return fail << s.dump();
}

// A random sum of products of implicants covering the 1-rows (X rows free).
std::string randomSum(const std::string& values, int n, std::mt19937& rng) {
  std::string sum;
  std::vector<bool> covered(values.size());
  for (int r = 0; r < int(values.size()); ++r) {
    if (values[size_t(r)] != '1' || covered[size_t(r)]) continue;
    unsigned mask = (1u << n) - 1;
    for (int k = 0; k < n; ++k) {
      const unsigned wider = mask & ~(1u << k);
      bool inside = rng() % 4 != 0;
      for (int q = 0; q < int(values.size()) && inside; ++q)
        inside = (unsigned(q) & wider) != (unsigned(r) & wider) || values[size_t(q)] != '0';
      if (inside) mask = wider;
    }
    std::string term;
    for (int k = 0; k < n; ++k) {
      if (!(mask >> (n - 1 - k) & 1)) continue;
      if (!term.empty()) term += "*";
      term += std::string((r >> (n - 1 - k) & 1) ? "" : "~") + plainLetter(k);
    }
    for (int q = 0; q < int(values.size()); ++q)
      if ((unsigned(q) & mask) == (unsigned(r) & mask)) covered[size_t(q)] = true;
    sum += (sum.empty() ? "" : "+") + (term.empty() ? std::string("1") : term);
  }
  return sum;
}

// Random sums of products, every one-input change from every row: a glitch
// only on a static hazard of the drawn terms, none with the consensus terms,
// the output settling where the table says; every tenth chart read back.
TEST(Timing, ASumGlitchesOnlyOnItsHazardsAndNeverWithTheConsensusTerms) {
  std::mt19937 rng(4141);
  int cases = 120, glitches = 0;
  if (const char* k = std::getenv("RONRI_CROSSCHECK_SAMPLE")) cases /= std::max(1, atoi(k));
  for (int i = 0; i < cases; ++i) {
    const int n = 2 + i % 4;
    std::string values(size_t(1) << n, '0');
    for (char& v : values) v = "0011X"[rng() % 5];
    const std::string sum = randomSum(values, n, rng);
    if (sum.empty() || sum.find('1') != std::string::npos) continue;  // no constants
    std::string folded = InsideExp(sum);
    std::erase_if(folded, [](char c) { return c == '*'; });
    const std::vector<RowPair> hazards = staticHazards(values, n, sumCubes(folded), '1');
    const Netlist plain = netlistOf(sum, n, i % 2 == 0);
    const Netlist guarded = netlistOf(withConsensusTerms(sum, values, n).expression, n, i % 2);
    for (int row = 0; row < (1 << n); ++row)
      for (int flip = 0; flip < n; ++flip) {
        const int after = row ^ (1 << (n - 1 - flip));
        const Timing t = simulateFlip(plain, rowBits(row, n), flip);
        const bool one = values[size_t(after)] == '1', zero = values[size_t(after)] == '0';
        ASSERT_FALSE((one && !t.output.at(t.settled)) || (zero && t.output.at(t.settled))) << sum;
        const RowPair pair{std::min(row, after), std::max(row, after)};
        const bool free = values[size_t(row)] == 'X' || values[size_t(after)] == 'X';
        if (t.glitch() && !free) {
          ++glitches;
          ASSERT_NE(std::find(hazards.begin(), hazards.end(), pair), hazards.end())
              << sum << " glitches from row " << row << " flipping " << flip;
        }
        const Timing g = simulateFlip(guarded, rowBits(row, n), flip);
        if (!free)
          ASSERT_FALSE(g.glitch()) << sum << " guarded, row " << row << " flipping " << flip;
        if ((row + flip + i) % 10 == 0) {
          test::RecordingSurface s;
          drawTimingChart(s, t, i % 3 == 0);
          ASSERT_TRUE(chartShows(s, t, i % 3 == 0)) << sum;
        }
      }
  }
  EXPECT_GT(glitches, 0);
}

}  // namespace
}  // namespace ronri
