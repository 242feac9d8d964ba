// Covers with don't-care rows, and the cover that counts letters after terms.
#include "core/cover/cover_dontcare.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/cover/cover_petrick.h"
#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// The minterms of the rows, as simplicity takes them.
std::vector<std::string> rowTexts(const std::vector<int>& rows, int n) {
  std::vector<std::string> out;
  for (int r : rows) out.push_back(Term::ofRow(r, n).text(n));
  return out;
}

// The rows of a term list as a table of 2^n flags.
std::vector<bool> rowsOf(std::string_view termList, int n) {
  std::vector<bool> rows(size_t{1} << n, false);
  for (int r : termRows(termList, n)) rows[static_cast<size_t>(r)] = true;
  return rows;
}

}  // namespace

namespace {

Cover searchTermsThenLetters(std::string_view primes, std::string_view ones, int n,
                             const CoverLimits& limits,
                             const std::function<void(const Cover&)>& improved) {
  if (primes == "1") return {"1", CoverStatus::Proven};
  const std::vector<std::string> implicants = splitTerms(primes);
  const std::vector<std::vector<int>> table = coverTable(implicants, ones, n);
  if (table.empty()) return {"0", CoverStatus::Proven};
  if (primes == "0" || implicants.empty()) return {"", CoverStatus::NoCover};
  for (const auto& row : table)
    if (row.empty()) return {"", CoverStatus::NoCover};

  auto letters = [&](const std::vector<int>& cover) {
    size_t sum = 0;
    for (int c : cover) sum += implicants[static_cast<size_t>(c)].size();
    return sum;
  };
  std::vector<int> chosen;
  CoverStatus status = CoverStatus::Proven;
  int lowerBound = 0;  // in terms
  if (auto candidates = expandCover(table)) {
    // Every irredundant cover is a candidate, so the smallest is among them.
    const std::vector<int>* best = nullptr;
    size_t bestLetters = 0;
    for (const auto& c : *candidates) {
      const size_t l = letters(c);
      if (!best || c.size() < best->size() || (c.size() == best->size() && l < bestLetters)) {
        best = &c;
        bestLetters = l;
      }
    }
    if (best) chosen = *best;
  }
  if (chosen.empty()) {
    // One term more always costs more than any letters a cover can save: a
    // smallest cover has at most one term per row, each of at most n letters.
    const int64_t perTerm = static_cast<int64_t>(n) * static_cast<int64_t>(table.size()) + 1;
    std::vector<int64_t> cost(implicants.size());
    for (size_t c = 0; c < cost.size(); ++c)
      cost[c] = perTerm + static_cast<int64_t>(implicants[c].size());
    // The letters of a cover cost less than one term: whole terms of the bound.
    auto asCover = [&](const ExactCover& e) {
      return Cover{
          joinChosen(implicants, e.columns),
          e.proven ? CoverStatus::Proven : CoverStatus::BestFound,
          e.proven ? static_cast<int>(e.columns.size()) : static_cast<int>(e.lowerBound / perTerm)};
    };
    CoverLimits watched = limits;
    if (improved) watched.improved = [&](const ExactCover& e) { improved(asCover(e)); };
    ExactCover exact = solveCover(
        {table, static_cast<int>(implicants.size()), std::move(cost), /*fewestFirst=*/true},
        watched);
    chosen = std::move(exact.columns);
    if (!exact.proven) status = CoverStatus::BestFound;
    lowerBound = static_cast<int>(exact.lowerBound / perTerm);
  }
  if (status == CoverStatus::Proven) lowerBound = static_cast<int>(chosen.size());
  return {joinChosen(implicants, chosen), status, lowerBound};
}

}  // namespace

Cover fewestTermsThenLetters(std::string_view primes, std::string_view ones, int n,
                             std::chrono::milliseconds budget) {
  return searchTermsThenLetters(primes, ones, n, CoverLimits{budget, false, {}, {}}, {});
}

Cover proveFewestTermsThenLetters(std::string_view primes, std::string_view ones, int n,
                                  const std::function<bool()>& stop,
                                  const std::function<void(const Cover&)>& improved) {
  // A day: in practice the user stops it first.
  return searchTermsThenLetters(
      primes, ones, n, CoverLimits{std::chrono::hours(24), false, stop, {}, proofThreads()},
      improved);
}

std::string primesWithDontCares(std::string_view ones, const std::vector<int>& dontCares, int n) {
  const std::vector<int> oneRows = termRows(ones, n);
  std::vector<int> all = oneRows;
  all.insert(all.end(), dontCares.begin(), dontCares.end());
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  if (dontCares.empty() || oneRows.empty()) return simplicity(rowTexts(oneRows, n));
  const std::string primes = simplicity(rowTexts(all, n));
  if (primes == "1") return primes;
  // A loop around don't-care rows alone is never wanted.
  std::string kept;
  for (const std::string& t : splitTerms(primes)) {
    const Term term = Term::read(t, n).value_or(Term{});
    if (std::any_of(oneRows.begin(), oneRows.end(), [&](int r) { return term.covers(r); }))
      kept += (kept.empty() ? "" : "+") + t;
  }
  return kept;
}

std::string otherRows(std::string_view ones, std::string_view dontCare, int n) {
  if (n < 1 || n > 10) return "";
  const std::vector<bool> one = rowsOf(ones, n);
  const std::vector<bool> free = rowsOf(dontCare, n);
  std::string out;
  for (int r = 0; r < (1 << n); ++r)
    if (!one[static_cast<size_t>(r)] && !free[static_cast<size_t>(r)])
      out += Term::ofRow(r, n).text(n) + "+";
  return out;
}

namespace {

struct Rows {
  std::vector<std::string> ones;  // patterns, in row order
  std::vector<std::string> all;   // ones and free rows, in row order
  std::string oneList;            // the ones as a term list
  bool anyFree = false;
};

Rows readRows(std::string_view ones, std::string_view dontCare, int n) {
  const std::vector<bool> one = rowsOf(ones, n);
  const std::vector<bool> free = rowsOf(dontCare, n);
  Rows out;
  for (int r = 0; r < (1 << n); ++r) {
    if (one[static_cast<size_t>(r)]) {
      out.ones.push_back(Term::ofRow(r, n).text(n));
      out.all.push_back(out.ones.back());
      out.oneList += out.ones.back() + "+";
    } else if (free[static_cast<size_t>(r)]) {
      out.all.push_back(Term::ofRow(r, n).text(n));
      out.anyFree = true;
    }
  }
  return out;
}

}  // namespace

Cover smallestSumOfProducts(std::string_view ones, std::string_view dontCare, int n,
                            std::chrono::milliseconds budget) {
  if (n < 1 || n > 10) return {"", CoverStatus::NoCover};
  const Rows rows = readRows(ones, dontCare, n);
  if (rows.ones.empty()) return {"0", CoverStatus::Proven};
  return fewestTermsThenLetters(simplicity(rows.all), rows.oneList, n, budget);
}

Cover minimalCoverWithDontCares(std::string_view ones, std::string_view dontCare, int n,
                                std::chrono::milliseconds budget) {
  if (n < 1 || n > 10) return {"", CoverStatus::NoCover};
  const Rows rows = readRows(ones, dontCare, n);
  if (!rows.anyFree) return minimalCover(simplicity(rows.ones), rows.oneList, n, budget);
  if (rows.ones.empty()) return {"0", CoverStatus::Proven};
  return fewestTermsThenLetters(simplicity(rows.all), rows.oneList, n, budget);
}

}  // namespace ronri
