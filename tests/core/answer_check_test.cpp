#include "core/teaching/answer_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/table/row_numbers.h"

namespace ronri {
namespace {
using ::testing::IsEmpty;

// An independent minimum, by brute force over every product of up to four
// letters: a cube is (care mask, value bits) over n variables.
struct Cube {
  int care = 0;
  int bits = 0;
};

std::string literal(int k, bool plain, int n) {
  return std::string(plain ? "" : "~") + char('a' + (n - 1 - k));
}

// The fewest cubes, then fewest letters, inside the rows whose value is
// `inside` or 'X', covering every row whose value is `inside`.
std::vector<Cube> bruteCover(const std::string& values, int n, char inside) {
  const int rows = 1 << n;
  std::vector<Cube> cubes;
  for (int care = 0; care < rows; ++care)
    for (int bits = 0; bits < rows; ++bits) {
      if (bits & ~care) continue;
      bool fits = true;
      for (int r = 0; r < rows && fits; ++r)
        if ((r & care) == bits) fits = values[size_t(r)] == inside || values[size_t(r)] == 'X';
      if (fits) cubes.push_back({care, bits});
    }
  int need = 0;
  for (int r = 0; r < rows; ++r)
    if (values[size_t(r)] == inside) need |= 1 << r;
  // Shortest path over covered-row masks; cost (cubes, letters).
  std::map<int, std::pair<std::pair<int, int>, std::vector<Cube>>> best{{0, {{0, 0}, {}}}};
  for (auto it = best.begin(); it != best.end(); ++it) {
    const int mask = it->first;
    if ((mask & need) == need) continue;
    int first = 0;
    while (!((need & ~mask) >> first & 1)) ++first;
    for (const Cube& c : cubes) {
      if ((first & c.care) != c.bits) continue;
      int covered = mask;
      for (int r = 0; r < rows; ++r)
        if ((r & c.care) == c.bits) covered |= 1 << r;
      covered &= need;
      auto cost = it->second.first;
      cost.first += 1;
      cost.second += __builtin_popcount(unsigned(c.care));
      auto found = best.find(covered);
      if (found == best.end() || cost < found->second.first) {
        auto chosen = it->second.second;
        chosen.push_back(c);
        best[covered] = {cost, chosen};
      }
    }
  }
  return best[need].second;
}

struct Written {
  std::string text;
  FormSize size;
};

// A cover as a sum of products, or (its cubes negated) as a product of sums.
Written written(const std::vector<Cube>& cover, int n, bool productOfSums) {
  // A constant is written as one, in either form.
  if (cover.empty()) return {productOfSums ? "1" : "0", {0, 0}};
  if (cover.size() == 1 && cover[0].care == 0) return {productOfSums ? "0" : "1", {0, 0}};
  Written w;
  for (const Cube& c : cover) {
    std::string part;
    int letters = 0;
    for (int k = n - 1; k >= 0; --k) {
      if (!(c.care >> k & 1)) continue;
      if (!part.empty()) part += productOfSums ? "+" : "*";
      part += literal(k, bool(c.bits >> k & 1) != productOfSums, n);
      ++letters;
    }
    if (productOfSums && letters > 1) part = "(" + part + ")";
    if (!w.text.empty()) w.text += productOfSums ? "*" : "+";
    w.text += part;
    w.size.terms += 1;
    w.size.letters += letters;
  }
  return w;
}

::testing::AssertionResult judged(const std::string& values, int n, const std::string& answer,
                                  AnswerVerdict::Kind kind, FormSize minimum, FormSize size) {
  const AnswerVerdict v = checkAnswer(values, n, answer);
  if (v.kind == kind &&
      (kind == AnswerVerdict::Different || (v.minimum == minimum && v.answer == size)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "rows " << values << ", answer " << answer << ": kind " << v.kind << " (want " << kind
         << "), minimum " << v.minimum.terms << "/" << v.minimum.letters << " (want "
         << minimum.terms << "/" << minimum.letters << "), answer " << v.answer.terms << "/"
         << v.answer.letters << " (want " << size.terms << "/" << size.letters << ")";
}

// For one function: its brute-force minimum in both forms is correct, its
// canonical sum of products is correct exactly when it is that small, and a
// minimum of the function with one row turned differs on that row alone.
void checkAgainstBruteForce(const std::string& values, int n) {
  const Written sop = written(bruteCover(values, n, '1'), n, false);
  const Written pos = written(bruteCover(values, n, '0'), n, true);
  EXPECT_TRUE(judged(values, n, sop.text, AnswerVerdict::Correct, sop.size, sop.size));
  const AnswerVerdict p = checkAnswer(values, n, pos.text);
  EXPECT_EQ(p.kind, AnswerVerdict::Correct) << values << " " << pos.text;
  EXPECT_EQ(p.minimal.posSize, pos.size) << values;

  std::vector<Cube> minterms;
  for (int r = 0; r < (1 << n); ++r)
    if (values[size_t(r)] == '1') minterms.push_back({(1 << n) - 1, r});
  if (!minterms.empty()) {
    const Written canonical = written(minterms, n, false);
    const bool smallest = !(sop.size < canonical.size);
    EXPECT_TRUE(judged(values, n, canonical.text,
                       smallest ? AnswerVerdict::Correct : AnswerVerdict::NotMinimal, sop.size,
                       canonical.size));
  }
  for (int r = 0; r < (1 << n); ++r) {
    if (values[size_t(r)] == 'X') continue;
    std::string turned = values;
    turned[size_t(r)] = values[size_t(r)] == '1' ? '0' : '1';
    const AnswerVerdict v =
        checkAnswer(values, n, written(bruteCover(turned, n, '1'), n, false).text);
    EXPECT_EQ(v.kind, AnswerVerdict::Different) << values << " row " << r;
    EXPECT_EQ(v.differing, 1) << values << " row " << r;
    EXPECT_EQ(v.differingRows, std::vector<int>{r}) << values << " row " << r;
    break;  // one turned row per function keeps the run short
  }
}

TEST(AnswerCheck, AgreesWithBruteForceOnFunctionsOfUpToFourVariables) {
  std::mt19937 random(26);
  for (int n = 1; n <= 4; ++n) {
    const int rows = 1 << n;
    // Every function without don't-cares up to three variables, a sample
    // beyond, and a sample with don't-cares at every size.
    const int plain = n <= 3 ? 1 << rows : 150;
    for (int f = 0; f < plain; ++f) {
      std::string values(size_t(rows), '0');
      for (int r = 0; r < rows; ++r)
        if ((n <= 3 ? f : int(random())) >> r & 1) values[size_t(r)] = '1';
      checkAgainstBruteForce(values, n);
    }
    for (int f = 0; f < 60; ++f) {
      std::string values(size_t(rows), '0');
      for (char& v : values) v = "0011X"[random() % 5];
      checkAgainstBruteForce(values, n);
    }
  }
}

TEST(AnswerCheck, TextbookProblemsWithDontCares) {
  using K = AnswerVerdict::Kind;
  const struct {
    int n;
    const char* problem;
    const char* answer;
    K kind;
    FormSize minimum;
    FormSize size;
  } cases[] = {
      {4, "m(1,3,7,11,15)+d(0,2,5)", "c*d+~a*~b", K::Correct, {2, 4}, {2, 4}},
      {4, "m(1,3,7,11,15)+d(0,2,5)", "~a*d+(c*d)", K::Correct, {2, 4}, {2, 4}},
      {4, "m(1,3,7,11,15)+d(0,2,5)", "~a*~b*d+c*d", K::NotMinimal, {2, 4}, {2, 5}},
      {4, "m(0,1,2,5,8,9,10)", "~b*~d+~b*~c+~a*~c*d", K::Correct, {3, 7}, {3, 7}},
      {4, "m(0,1,2,5,8,9,10)", "(~a+~b)*(~c+~d)*(~b+d)", K::Correct, {3, 6}, {3, 6}},
      {4, "Σm(0,1,2,5,8,9,10)", "(~a+~b)*(~c+~d)*(~b+d+a)", K::NotMinimal, {3, 6}, {3, 7}},
      {4, "m(5,6,7,12,13)+d(4,14,15)", "b", K::Correct, {1, 1}, {1, 1}},
      {3, "m(0,2,4,6)", "~c", K::Correct, {1, 1}, {1, 1}},
      {2, "m(1,2)", "a@b", K::NotAForm, {2, 4}, {0, 2}},
      {3, "m(0-7)", "1", K::Correct, {0, 0}, {0, 0}},
      {3, "m(0-7)", "a+~a", K::NotMinimal, {0, 0}, {2, 2}},
      {3, "d(1)", "(0)", K::Correct, {0, 0}, {0, 0}},
      {3, "d(1)", "b*~b", K::NotMinimal, {0, 0}, {1, 2}},
      {3, "m(0,1)+d(2-7)", "~a*~b", K::NotMinimal, {0, 0}, {1, 2}},
      {3, "m(0,1)+d(2-7)", "0", K::Different, {}, {}},
      {2, "m(1,2)", "~(a%b)", K::NotAForm, {2, 4}, {0, 2}},
      {3, "m(1,2,3)", "a+b", K::Different, {}, {}},
  };
  for (const auto& c : cases) {
    const RowNumbers f = parseRowFunction(c.problem, c.n);
    ASSERT_FALSE(f.error) << c.problem;
    EXPECT_TRUE(judged(functionValues(f), c.n, c.answer, c.kind, c.minimum, c.size)) << c.problem;
  }
  const AnswerVerdict v = checkAnswer("01110000", 3, "a+b");
  EXPECT_EQ(v.differing, 5);
  EXPECT_EQ(v.differingRows, (std::vector<int>{1, 4, 5, 6, 7}));
  EXPECT_EQ(checkAnswer("0111", 2, "a+").malformation->position, 2);
}

TEST(RowNumbers, ListsRangesAndTheirMistakes) {
  using E = RowNumberError::Kind;
  constexpr int kFine = -1;
  const struct {
    const char* ones;
    const char* dontCares;
    int n;
    std::vector<int> wantOnes;
    std::vector<int> wantFree;
    int error;
    int value;
  } cases[] = {
      {"m(0,1,2,5)", "d(3,7)", 3, {0, 1, 2, 5}, {3, 7}, kFine, 0},
      {"0, 1 2、5", "", 3, {0, 1, 2, 5}, {}, kFine, 0},
      {"Σm(8-10,1,1)", "D( )", 4, {1, 8, 9, 10}, {}, kFine, 0},
      {"", "", 2, {}, {}, kFine, 0},
      {"m(0,8)", "", 3, {}, {}, E::OutOfRange, 8},
      {"m(0,1)", "d(7-9)", 3, {}, {}, E::OutOfRange, 9},
      {"m(5-3)", "", 3, {}, {}, E::Reversed, 0},
      {"m(1,x)", "", 3, {}, {}, E::Unreadable, 0},
      {"m(1,2", "", 3, {}, {}, E::Unreadable, 0},
      {"m(1,-2)", "", 3, {}, {}, E::Unreadable, 0},
      {"m(1,2)", "d(2)", 3, {}, {}, E::InBoth, 2},
      {"m(99999999999)", "", 10, {}, {}, E::Unreadable, 0},
  };
  for (const auto& c : cases) {
    const RowNumbers f = parseRowNumbers(c.ones, c.dontCares, c.n);
    if (c.error == kFine) {
      ASSERT_FALSE(f.error) << c.ones << " " << f.error->piece;
      EXPECT_EQ(f.ones, c.wantOnes) << c.ones;
      EXPECT_EQ(f.dontCares, c.wantFree) << c.ones;
      // Written back, the lists read the same.
      const RowNumbers again = parseRowFunction(rowNumbersText(f.ones, f.dontCares), c.n);
      EXPECT_EQ(again.ones, f.ones);
      EXPECT_EQ(again.dontCares, f.dontCares);
    } else {
      ASSERT_TRUE(f.error) << c.ones;
      EXPECT_EQ(f.error->kind, c.error) << c.ones;
      if (c.value) EXPECT_EQ(f.error->value, c.value) << c.ones;
    }
  }
  // Exercises: some 1-row, some 0-row, don't-cares only when asked for.
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    const RowNumbers f = randomFunction(3 + int(seed % 3), seed % 2 == 1, seed);
    const std::string values = functionValues(f);
    EXPECT_NE(values.find('1'), std::string::npos);
    EXPECT_NE(values.find('0'), std::string::npos);
    if (seed % 2 == 0) EXPECT_THAT(f.dontCares, IsEmpty());
    EXPECT_EQ(functionValues(parseRowFunction(rowNumbersText(f.ones, f.dontCares), f.variables)),
              values);
  }
  EXPECT_TRUE(looksLikeRowNumbers(" m(1)"));
  EXPECT_TRUE(looksLikeRowNumbers("Σm(1)"));
  EXPECT_TRUE(looksLikeRowNumbers("3,4"));
  EXPECT_FALSE(looksLikeRowNumbers("a+b"));
  EXPECT_FALSE(looksLikeRowNumbers("~a"));
}

}  // namespace
}  // namespace ronri
