// The choice of the smallest cover of a function's minterms by its prime
// implicants: the expansion where it reaches, the exact search beyond it.
#include "core/cover/simplify.h"

#include "core/cover/cover_petrick.h"
#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/table/term.h"

namespace ronri {

namespace {

Cover searchMinimalCover(std::string_view primes, std::string_view ones, int n,
                         const CoverLimits& limits,
                         const std::function<void(const Cover&)>& improved) {
  if (primes == "1") return {"1", CoverStatus::Proven, 1};
  const std::vector<std::string> implicants = splitTerms(primes);
  const std::vector<std::vector<int>> table = coverTable(implicants, ones, n);
  if (primes == "0") {
    // "0" is the answer only when there is nothing to cover.
    if (table.empty()) return {"0", CoverStatus::Proven, 0};
    return {"", CoverStatus::NoCover};
  }
  if (implicants.empty() || table.empty()) return {"", CoverStatus::NoCover};
  for (const auto& row : table)
    if (row.empty()) return {"", CoverStatus::NoCover};

  std::vector<int> chosen;
  CoverStatus status = CoverStatus::Proven;
  int lowerBound = 0;
  if (auto candidates = expandCover(table)) {
    // The first candidate with the fewest implicants wins.
    const std::vector<int>* best = nullptr;
    for (const auto& c : *candidates)
      if (!best || c.size() < best->size()) best = &c;
    if (best) chosen = *best;
    lowerBound = static_cast<int>(chosen.size());
  }
  if (chosen.empty()) {
    CoverLimits watched = limits;
    if (improved) {
      watched.improved = [&](const ExactCover& e) {
        improved({joinChosen(implicants, e.columns),
                  e.proven ? CoverStatus::Proven : CoverStatus::BestFound, e.lowerBound});
      };
    }
    ExactCover exact = solveCover({table, static_cast<int>(implicants.size())}, watched);
    chosen = std::move(exact.columns);
    lowerBound = exact.lowerBound;
    if (!exact.proven) status = CoverStatus::BestFound;
  }
  return {joinChosen(implicants, chosen), status, lowerBound};
}

}  // namespace

Cover minimalCover(std::string_view primes, std::string_view ones, int n,
                   std::chrono::milliseconds budget) {
  return searchMinimalCover(primes, ones, n, CoverLimits{budget, false, {}, {}}, {});
}

Cover minimalCover(std::string_view primes, std::string_view ones, int n,
                   const CoverLimits& limits) {
  return searchMinimalCover(primes, ones, n, limits, {});
}

Cover proveMinimalCover(std::string_view primes, std::string_view ones, int n,
                        const std::function<bool()>& stop,
                        const std::function<void(const Cover&)>& improved) {
  // A day: in practice the user stops it first.
  const CoverLimits limits{std::chrono::hours(24), false, stop, {}, proofThreads()};
  return searchMinimalCover(primes, ones, n, limits, improved);
}

std::string useSC3(std::string_view sc1, std::string_view simple, int n) {
  return minimalCover(sc1, simple, n).sum;
}

}  // namespace ronri
