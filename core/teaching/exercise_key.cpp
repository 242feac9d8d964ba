#include "core/teaching/exercise_key.h"

#include <algorithm>

#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/table/row_numbers.h"

namespace ronri {

namespace {

int letterCount(const PrimeChart& chart, const std::vector<int>& cover) {
  int letters = 0;
  for (int p : cover) letters += chart.primes[size_t(p)].letters();
  return letters;
}

std::string sumText(const std::vector<Term>& terms, int n) {
  std::string out;
  for (const Term& t : terms) {
    if (!out.empty()) out += '+';
    const std::string letters = t.text(n);
    out += letters.empty() ? std::string("1") : wordchange(layout(letters));
  }
  return out.empty() ? std::string("0") : out;
}

}  // namespace

ExerciseKey exerciseKey(const Exercise& e) {
  const int n = e.variables;
  ExerciseKey key;
  key.values = functionValues(RowNumbers{n, e.ones, e.dontCares, std::nullopt});
  key.minimal = minimalAnswers(key.values, n);
  const PrimeChart chart = exerciseChart(e);
  if (!chart.minimalCovers.empty()) {
    const auto best = std::min_element(chart.minimalCovers.begin(), chart.minimalCovers.end(),
                                       [&](const auto& a, const auto& b) {
                                         return letterCount(chart, a) < letterCount(chart, b);
                                       });
    for (int p : *best) key.loops.push_back(chart.primes[size_t(p)]);
    key.minimal.sumOfProducts = sumText(key.loops, n);
  }
  key.sopCovers = chart.coverCount;
  std::vector<int> zeros;
  for (size_t r = 0; r < key.values.size(); ++r)
    if (key.values[r] == '0') zeros.push_back(int(r));
  if (!zeros.empty())
    key.posCovers =
        buildPrimeChart(rowTerms(zeros, n), n, std::chrono::milliseconds(2000), e.dontCares)
            .coverCount;
  return key;
}

}  // namespace ronri
