// Several outputs minimised one by one and together, against independent
// oracles: a branch-and-bound over every set of shared terms on small tables,
// glpsol's integer program (with its own OR-gate bookkeeping) on larger ones;
// and the CSV form.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <sstream>

#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "support/crosscheck_oracle.h"

namespace ronri {
namespace {

using Rows = uint64_t;

Rows rowsOf(Term c, int n) {
  Rows out = 0;
  for (int r = 0; r < (1 << n); ++r)
    if ((r & c.mask) == c.bits) out |= Rows{1} << r;
  return out;
}
Rows rowsWith(const std::string& v, char a, char b = 0) {
  Rows out = 0;
  for (size_t r = 0; r < v.size(); ++r)
    if (v[r] == a || (b && v[r] == b)) out |= Rows{1} << r;
  return out;
}
test::Table tableOf(Rows r) {
  test::Table t;
  for (int i = 0; i < 64; ++i) t[size_t(i)] = (r >> i) & 1;
  return t;
}

// Every cube with the outputs it may feed (1 or X on all its rows, some 1).
struct Candidate {
  Term cube;
  Rows rows;
  std::vector<int> outputs;
};
std::vector<Candidate> candidates(const MultiTable& t, bool maximalOnly) {
  std::vector<Candidate> all;
  for (int mask = 0; mask < t.rows(); ++mask)
    for (int value = mask;; value = (value - 1) & mask) {
      const Term c{uint16_t(mask), uint16_t(value)};
      Candidate k{c, rowsOf(c, t.inputs), {}};
      for (int j = 0; j < t.outputs(); ++j) {
        const std::string& v = t.values[size_t(j)];
        if (!(k.rows & ~rowsWith(v, '1', 'X')) && (k.rows & rowsWith(v, '1')))
          k.outputs.push_back(j);
      }
      if (!k.outputs.empty() && mask) all.push_back(k);
      if (value == 0) break;
    }
  if (!maximalOnly) return all;
  std::vector<Candidate> out;
  for (const Candidate& c : all)
    if (std::none_of(all.begin(), all.end(), [&](const Candidate& d) {
          return d.rows != c.rows && (c.rows & ~d.rows) == 0 &&
                 std::includes(d.outputs.begin(), d.outputs.end(), c.outputs.begin(),
                               c.outputs.end());
        }))
      out.push_back(c);
  return out;
}

// (distinct terms, gate inputs) of the best two-level circuit, by trying every
// set of maximal candidates that covers the 1-rows of every output.
std::pair<int, int> bruteForce(const MultiTable& t) {
  const std::vector<Candidate> cands = candidates(t, true);
  // A constant 1 (1 or X on every row) needs no term.
  const Rows every = ~Rows{0} >> (64 - t.rows());
  std::vector<Rows> on;
  for (const auto& v : t.values)
    on.push_back(rowsWith(v, '1', 'X') == every ? 0 : rowsWith(v, '1'));
  std::pair<int, int> best{1 << 20, 0};
  std::vector<int> chosen;
  auto gateInputs = [&]() {
    int inputs = 0;
    for (int c : chosen)
      if (cands[size_t(c)].cube.letters() >= 2) inputs += cands[size_t(c)].cube.letters();
    for (size_t j = 0; j < on.size(); ++j) {
      std::vector<int> feeding;
      for (int c : chosen)
        if (std::count(cands[size_t(c)].outputs.begin(), cands[size_t(c)].outputs.end(), int(j)))
          feeding.push_back(c);
      int fewest = 1 << 20;
      for (unsigned s = 0; s < (1u << feeding.size()); ++s) {
        Rows r = 0;
        for (size_t i = 0; i < feeding.size(); ++i)
          if ((s >> i) & 1) r |= cands[size_t(feeding[i])].rows;
        const int k = std::popcount(s);
        if ((on[j] & ~r) == 0) fewest = std::min(fewest, k >= 2 ? k : 0);
      }
      inputs += fewest;
    }
    return inputs;
  };
  std::function<void()> search = [&] {
    for (size_t j = 0; j < on.size(); ++j) {
      Rows left = on[j];
      for (int c : chosen)
        if (std::count(cands[size_t(c)].outputs.begin(), cands[size_t(c)].outputs.end(), int(j)))
          left &= ~cands[size_t(c)].rows;
      if (!left) continue;
      if (int(chosen.size()) + 1 > best.first) return;
      const int row = std::countr_zero(left);
      for (size_t c = 0; c < cands.size(); ++c)
        if (((cands[c].rows >> row) & 1) &&
            std::count(cands[c].outputs.begin(), cands[c].outputs.end(), int(j))) {
          chosen.push_back(int(c));
          search();
          chosen.pop_back();
        }
      return;
    }
    const std::pair<int, int> here{int(chosen.size()), gateInputs()};
    best = std::min(best, here);
  };
  search();
  return best;
}

MultiTable randomTable(std::mt19937& rng, int inputs, int outputs, int freePercent) {
  MultiTable t = emptyMultiTable(inputs, outputs);
  for (auto& v : t.values)
    for (char& c : v) {
      const int x = int(rng() % 100);
      c = x < freePercent ? 'X' : (x % 2 ? '1' : '0');
    }
  return t;
}

std::string describe(const MultiTable& t) {
  return multiTableCsv(t);
}

// Each output's cover and the shared circuit compute the table on its care rows.
::testing::AssertionResult computesTable(const MultiTable& t, const MultiMinimum& m) {
  for (int j = 0; j < t.outputs(); ++j) {
    const std::string& v = t.values[size_t(j)];
    for (const std::string& sum : {m.separate[size_t(j)].sum, m.sharedSum(j, t.inputs)}) {
      Rows got = 0;
      if (sum == "1") got = ~Rows{0};
      if (sum != "0" && sum != "1")
        for (const std::string& term : splitTerms(sum)) {
          const auto c = test::parseTerm(term, t.inputs);
          if (!c) return ::testing::AssertionFailure() << "bad term " << term;
          got |= test::pointsOf(*c, t.inputs).to_ullong();
        }
      const Rows ones = rowsWith(v, '1'), zeros = rowsWith(v, '0');
      if ((ones & ~got) || (zeros & got))
        return ::testing::AssertionFailure() << "output " << j << " = " << sum << " is wrong for\n"
                                             << describe(t);
    }
  }
  return ::testing::AssertionSuccess();
}

// The gate inputs of the shared form were no gate limited in its inputs:
// what the search makes fewest (the totals count the drawn trees).
int unlimitedGateInputs(const MultiMinimum& m, int outputs) {
  int inputs = 0;
  std::vector<int> feeding(size_t(outputs), 0);
  for (const SharedTerm& t : m.shared) {
    if (t.cube.letters() >= 2) inputs += t.cube.letters();
    for (int j : t.outputs) ++feeding[size_t(j)];
  }
  for (int f : feeding)
    if (f >= 2) inputs += f;
  return inputs;
}

void checkAgainstOracles(const MultiTable& t, std::pair<int, int> sharedBest) {
  // A long budget: on a busy machine the default one may end before the proof.
  const MultiMinimum m = minimiseMultiOutput(t, std::chrono::seconds(60));
  ASSERT_TRUE(computesTable(t, m));
  ASSERT_EQ(m.sharedStatus, CoverStatus::Proven);
  EXPECT_EQ(std::make_pair(m.sharedTotals.terms, unlimitedGateInputs(m, t.outputs())), sharedBest)
      << describe(t);
  EXPECT_LE(m.sharedTotals.terms, m.separateTotals.terms);
  for (int j = 0; j < t.outputs(); ++j) {
    const std::string& v = t.values[size_t(j)];
    const test::Table on = tableOf(rowsWith(v, '1'));
    const test::SumCost best = test::minimumCoverCost(
        on, test::primeImplicants(tableOf(rowsWith(v, '1', 'X')), t.inputs), t.inputs);
    const std::string& sum = m.separate[size_t(j)].sum;
    if (sum == "0" || sum == "1") continue;
    test::SumCost got;
    for (const std::string& term : splitTerms(sum)) {
      ++got.terms;
      got.letters += int(term.size());
    }
    EXPECT_EQ(got, best) << "output " << j << " " << sum << "\n" << describe(t);
  }
}

TEST(MultiOutput, PresetsAndSmallRandomTablesAgainstBruteForce) {
  for (int p = 0; p < kMultiPresetCount; ++p) {
    const MultiTable t = multiPreset(MultiPreset(p));
    checkAgainstOracles(t, bruteForce(t));
  }
  std::mt19937 rng(28);
  for (int i = 0; i < 120; ++i) {
    const MultiTable t = randomTable(rng, 1 + i % 4, 1 + (i / 4) % 3, i % 3 == 0 ? 0 : 15);
    checkAgainstOracles(t, bruteForce(t));
  }
  // The seven-segment decoder (6 and 9 with their tails): 9 shared terms
  // instead of 25 one by one; fixed so a slip in the preset shows.
  const MultiMinimum seven = minimiseMultiOutput(multiPreset(MultiPreset::SevenSegment));
  EXPECT_EQ(seven.separateTotals.terms, 25);
  EXPECT_EQ(seven.sharedTotals.terms, 9);
}

// (terms, gate inputs) by glpsol over every implicant, with binaries for the
// terms, the connections and "this output has no OR gate".
std::optional<std::pair<int, int>> byGlpsol(const MultiTable& t) {
  const std::vector<Candidate> cands = candidates(t, false);
  const int big = 10000;
  std::ostringstream lp;
  lp << "Minimize\n obj:";
  for (size_t c = 0; c < cands.size(); ++c)
    lp << " + " << big + (cands[c].cube.letters() >= 2 ? cands[c].cube.letters() : 0) << " x" << c;
  for (int j = 0; j < t.outputs(); ++j) lp << " + w" << j;
  lp << "\nSubject To\n";
  for (size_t c = 0; c < cands.size(); ++c)
    for (int j : cands[c].outputs)
      lp << " l" << c << "_" << j << ": y" << c << "_" << j << " - x" << c << " <= 0\n";
  for (int j = 0; j < t.outputs(); ++j) {
    const Rows on = rowsWith(t.values[size_t(j)], '1');
    for (int r = 0; r < t.rows(); ++r) {
      if (!((on >> r) & 1)) continue;
      lp << " c" << j << "_" << r << ":";
      for (size_t c = 0; c < cands.size(); ++c)
        if (((cands[c].rows >> r) & 1) &&
            std::count(cands[c].outputs.begin(), cands[c].outputs.end(), j))
          lp << " + y" << c << "_" << j;
      lp << " >= 1\n";
    }
    // w_j >= feeds - 1000 s_j;  feeds + 1000 s_j <= 1001
    lp << " w" << j << ": w" << j << " + 1000 s" << j;
    std::string feeds;
    for (size_t c = 0; c < cands.size(); ++c)
      if (std::count(cands[c].outputs.begin(), cands[c].outputs.end(), j))
        feeds += " - y" + std::to_string(c) + "_" + std::to_string(j);
    lp << feeds << " >= 0\n o" << j << ": - 1000 s" << j << feeds << " >= -1001\n";
  }
  lp << "Binary\n";
  for (size_t c = 0; c < cands.size(); ++c) {
    lp << " x" << c << "\n";
    for (int j : cands[c].outputs) lp << " y" << c << "_" << j << "\n";
  }
  for (int j = 0; j < t.outputs(); ++j) lp << " s" << j << "\n";
  lp << "End\n";
  const std::optional<long> value = test::glpsolOptimum(lp.str(), 60);
  if (!value) return std::nullopt;
  return std::make_pair(int(*value / big), int(*value % big));
}

TEST(MultiOutput, LargerRandomTablesAgainstGlpsol) {
  if (!test::glpsolInstalled()) GTEST_SKIP() << "glpsol (glpk-utils) is not installed";
  std::mt19937 rng(2028);
  for (const auto [inputs, outputs] : {std::pair{5, 3}, std::pair{5, 4}, std::pair{6, 2}}) {
    const MultiTable t = randomTable(rng, inputs, outputs, 10);
    const auto best = byGlpsol(t);
    ASSERT_TRUE(best) << "glpsol found no optimum for\n" << describe(t);
    checkAgainstOracles(t, *best);
  }
}

TEST(MultiOutput, CsvRoundTripAndRefusals) {
  std::mt19937 rng(7);
  for (int i = 0; i < 20; ++i) {
    MultiTable t = randomTable(rng, 1 + i % 6, 1 + i % 8, 20);
    // After six inputs the next letter is an output's name.
    t.names[0] = t.inputs == 6 ? "g" : "Out " + std::to_string(i);
    const CsvRead back = readMultiTableCsv(multiTableCsv(t));
    ASSERT_EQ(back.problem, CsvProblem::None) << back.line;
    EXPECT_EQ(back.table, t);
  }
  // The truth table's export of some rows only: the others are named as
  // missing (X until the caller decides), and its output "f" as renamed.
  const CsvRead shown = readMultiTableCsv("a,b,f\r\n0,1,1\r\n1,1,x\r\n");
  ASSERT_EQ(shown.problem, CsvProblem::None);
  EXPECT_EQ(shown.table.values, std::vector<std::string>{"X1XX"});
  EXPECT_EQ(shown.missingRows, (std::vector<int>{0, 2}));
  EXPECT_EQ(shown.table.names, std::vector<std::string>{"f1"});
  EXPECT_EQ(shown.renamed.size(), 1u);
  const struct {
    const char* text;
    CsvProblem problem;
    int line;
  } refused[] = {
      {"", CsvProblem::Empty, 1},
      {"x,f\n", CsvProblem::NoInput, 1},
      {"a\n", CsvProblem::NoOutput, 1},
      {"a,1,2,3,4,5,6,7,8,9\n", CsvProblem::TooManyOutputs, 1},
      {"a,y,y\n", CsvProblem::BadName, 1},
      {"a,b,y\n0,0,1\n\n0,1\n", CsvProblem::ColumnCount, 4},
      {"a,y\n2,1\n", CsvProblem::BadInputCell, 2},
      {"a,y\n0,-\n", CsvProblem::BadOutputCell, 2},
      {"a,y\n0,1\n1,0\n0,0\n", CsvProblem::DuplicateRow, 4},
  };
  for (const auto& r : refused) {
    const CsvRead got = readMultiTableCsv(r.text);
    EXPECT_EQ(got.problem, r.problem) << r.text;
    EXPECT_EQ(got.line, r.line) << r.text;
  }
}

}  // namespace
}  // namespace ronri
