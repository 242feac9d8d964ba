#include "core/teaching/exercise_set.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "core/table/row_numbers.h"

namespace ronri {

namespace {

// Draws per problem before a size is given up on. Enough that a kind
// one function in a few hundred has is found nearly always.
constexpr int kDraws = 4000;
// Up to this many variables every function of the sizes is tried instead.
constexpr int kEnumeratedUpTo = 3;

using Rows = std::pair<std::vector<int>, std::vector<int>>;  // ones, don't cares

Exercise exerciseOf(int n, const Rows& rows) {
  Exercise e;
  e.variables = n;
  e.ones = rows.first;
  e.dontCares = rows.second;
  return e;
}

bool ofKind(int n, const Rows& rows, ExerciseKind kind) {
  return kind == ExerciseKind::Any || isOfKind(exerciseChart(exerciseOf(n, rows)), kind);
}

Rows drawRows(std::mt19937& engine, const ExerciseOptions& o) {
  std::vector<int> order(size_t(1) << o.variables);
  std::iota(order.begin(), order.end(), 0);
  for (size_t k = order.size() - 1; k > 0; --k)
    std::swap(order[k], order[portableBelow(engine, uint32_t(k + 1))]);
  Rows rows{{order.begin(), order.begin() + o.ones},
            {order.begin() + o.ones, order.begin() + o.ones + o.dontCares}};
  std::sort(rows.first.begin(), rows.first.end());
  std::sort(rows.second.begin(), rows.second.end());
  return rows;
}

// Every function of the sizes that is of the kind, in row order.
std::vector<Rows> everyFunction(const ExerciseOptions& o) {
  const int rowCount = 1 << o.variables;
  std::vector<Rows> found;
  // Each row 0, 1 or X: a number in base 3, counted through.
  std::vector<int> digit(size_t(rowCount), 0);
  for (;;) {
    Rows rows;
    for (int r = 0; r < rowCount; ++r) {
      if (digit[size_t(r)] == 1) rows.first.push_back(r);
      if (digit[size_t(r)] == 2) rows.second.push_back(r);
    }
    if (int(rows.first.size()) == o.ones && int(rows.second.size()) == o.dontCares &&
        ofKind(o.variables, rows, o.kind))
      found.push_back(rows);
    int k = 0;
    while (k < rowCount && digit[size_t(k)] == 2) digit[size_t(k++)] = 0;
    if (k == rowCount) return found;
    ++digit[size_t(k)];
  }
}

}  // namespace

uint32_t portableBelow(std::mt19937& engine, uint32_t bound) {
  // Rejection of the top partial block keeps every value equally likely.
  const uint64_t range = uint64_t(engine.max()) + 1;
  const uint64_t limit = range - range % bound;
  uint64_t x;
  do x = engine();
  while (x >= limit);
  return uint32_t(x % bound);
}

std::string Exercise::text() const {
  return rowNumbersText(ones, dontCares);
}

PrimeChart exerciseChart(const Exercise& e) {
  return buildPrimeChart(rowTerms(e.ones, e.variables), e.variables,
                         std::chrono::milliseconds(2000), e.dontCares);
}

bool isOfKind(const PrimeChart& chart, ExerciseKind kind) {
  switch (kind) {
    case ExerciseKind::Any:
      return true;
    case ExerciseKind::EssentialOnly:
      return std::all_of(chart.coverers.begin(), chart.coverers.end(), [&](const auto& c) {
        return std::any_of(c.begin(), c.end(), [&](int p) { return chart.essential[size_t(p)]; });
      });
    case ExerciseKind::Cyclic:
      return !chart.minterms.empty() &&
             std::none_of(chart.essential.begin(), chart.essential.end(), [](char e) { return e; });
    case ExerciseKind::SeveralMinimal:
      return chart.coverCount < 0 || chart.coverCount >= 2;
  }
  return false;
}

ExerciseSet makeExercises(const ExerciseOptions& o) {
  ExerciseSet set;
  const int count = o.names.empty() ? o.count : int(o.names.size());
  const int rowCount = 1 << std::clamp(o.variables, 0, 6);
  if (o.variables < 2 || o.variables > 6 || o.ones < 1 || o.dontCares < 0 ||
      o.ones + o.dontCares >= rowCount || count < 1) {
    set.failure = ExerciseSet::BadSize;
    return set;
  }
  std::mt19937 engine(o.seed);
  std::vector<Rows> chosen;
  if (o.variables <= kEnumeratedUpTo) {
    std::vector<Rows> pool = everyFunction(o);
    if (pool.empty()) {
      set.failure = ExerciseSet::NoneOfKind;
      return set;
    }
    // Each function once before any repeats, in an order the seed decides.
    while (int(chosen.size()) < count) {
      std::vector<Rows> round = pool;
      for (size_t k = round.size() - 1; k > 0; --k)
        std::swap(round[k], round[portableBelow(engine, uint32_t(k + 1))]);
      for (const Rows& r : round)
        if (int(chosen.size()) < count) chosen.push_back(r);
    }
    if (int(pool.size()) < count) set.failure = ExerciseSet::TooFewKinds;
  } else {
    std::set<Rows> seen;
    for (int k = 0; k < count; ++k) {
      std::optional<Rows> repeat;
      bool found = false;
      for (int draw = 0; draw < kDraws && !found; ++draw) {
        Rows rows = drawRows(engine, o);
        if (!ofKind(o.variables, rows, o.kind)) continue;
        if (seen.insert(rows).second) {
          chosen.push_back(std::move(rows));
          found = true;
        } else if (!repeat) {
          repeat = std::move(rows);
        }
      }
      if (found) continue;
      if (!repeat) {
        set.failure = ExerciseSet::NotFound;
        return set;
      }
      chosen.push_back(*repeat);
      set.failure = ExerciseSet::TooFewKinds;
    }
  }
  for (int k = 0; k < count; ++k) {
    Exercise e = exerciseOf(o.variables, chosen[size_t(k)]);
    e.id = std::to_string(k + 1);
    if (!o.names.empty()) e.name = o.names[size_t(k)];
    set.problems.push_back(std::move(e));
  }
  return set;
}

}  // namespace ronri
