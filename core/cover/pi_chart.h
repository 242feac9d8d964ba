#pragma once
// The prime-implicant chart of a function: which 1-rows each prime implicant
// covers, the essential primes, how the chart is reduced, how the cover was
// chosen and every cover with the fewest terms. The sentences are returned as
// steps (a kind with primes and minterms); the window words them.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/cover/simplify.h"
#include "core/draw/surface.h"
#include "core/table/term.h"

namespace ronri {

// One line of the explanation. Primes are chart rows (0-based indices, shown
// as P1, P2, ...); minterms are row numbers of the truth table.
struct ChartStep {
  enum Kind {
    Essential,          // `prime` alone covers `minterms`: it is in every cover
    EssentialsRemoved,  // the minterms the essential primes cover (`minterms`) are done
    NoEssential,        // no prime is essential
    Forced,             // in what is left, `minterms`[0] has `prime` alone: it is taken
    MintermDominated,   // `minterms`[0] goes: whatever covers `minterms`[1] covers it
    PrimeDominated,     // `prime` goes: `other` covers every minterm left that it covers
    PrimeUnused,        // `prime` goes: it covers no minterm that is left
    Omitted,            // `count` further reductions are not listed one by one
    Core,               // what is left (`primes`, `minterms`), or nothing when both are empty
    Expansion,          // the product of sums (`text`, one sum per minterm) expanded to
                        // `count` products (`expansion`); texts empty when too long to print
    ExactSearch,        // the chart was too large to expand: the exact search chose
    BestFound,          // the search's time ran out: the cover may not be the smallest
    Chosen,             // the cover the program shows: `primes`
  };
  ChartStep(Kind k = Core) : kind(k) {}  // NOLINT: steps are written {Kind}
  Kind kind;
  int prime = -1;
  int other = -1;
  std::vector<int> primes;
  std::vector<int> minterms;
  std::string text;
  std::string expansion;
  long long count = 0;
};

struct PrimeChart {
  int n = 0;
  std::vector<Term> primes;   // in the order simplicity lists them; no letter is the constant 1
  std::vector<int> minterms;  // chart columns: the 1-rows, ascending
  std::vector<std::vector<int>> coverers;  // per column: the primes covering it, ascending
  std::vector<char> essential;             // per prime
  std::vector<int> essentialBy;            // per column: the prime covering it alone, or -1
  std::vector<int> chosen;                 // the program's cover, ascending prime indices
  CoverStatus status = CoverStatus::Proven;
  int lowerBound = 0;     // no cover has fewer terms (the chosen count when proven)
  bool expanded = false;  // chosen by the product-of-sums expansion
  std::vector<std::vector<int>> candidates;  // the expansion's products, in its order
  std::vector<ChartStep> steps;
  // Every cover with the fewest terms, the program's choice first (at most
  // kMaxListedCovers). `coverCount` is their number when known (-1: more
  // than could be counted); `coversComplete` says the list holds them all.
  std::vector<std::vector<int>> minimalCovers;
  long long coverCount = 0;
  bool coversComplete = true;

  bool covers(int prime, int column) const;
};

inline constexpr size_t kMaxListedCovers = 1000;

// The chart of the function whose 1-rows are the term list `ones` (terms of
// n letters, each followed by "+"), with the cover the conversion window
// shows for it. With don't-care rows (ascending) the primes are those of the
// 1-rows together with them that cover a 1-row; the columns stay the 1-rows.
PrimeChart buildPrimeChart(std::string_view ones, int n,
                           std::chrono::milliseconds budget = std::chrono::milliseconds(2000),
                           const std::vector<int>& dontCares = {});

// Every cover of `table` (per row: its columns, ascending) with exactly `size`
// columns, none of them in `excluded`, each once, ascending, in search order;
// at most `limit` are returned, `*total` gets how many there are, or -1 when
// the search gave up after `nodeBudget` steps.
std::vector<std::vector<int>> coversOfSize(const std::vector<std::vector<int>>& table,
                                           int columnCount, int size, size_t limit,
                                           long long* total, long long nodeBudget = 300000);

// The name of a prime in the chart and the sentences: "P1", "P2", ...
std::string primeLabel(int prime);
// A prime in display form ("~a*b"), "1" for the constant.
std::string primeDisplay(const PrimeChart& chart, int prime);

// The chart as CSV: a header line of minterm numbers, one of row bits, then a
// line per prime (label, term, the two headers' marks, "1" where it covers).
// `cover` is the cover marked (the chart's chosen one when null).
std::string primeChartCsv(const PrimeChart& chart, std::string_view essentialHeader,
                          std::string_view coverHeader, const std::vector<int>* cover = nullptr);
// Draws the chart: essential rows and the columns that make them essential on
// yellow, a filled mark for the primes of the cover, red marks where a prime
// is the only cover of a minterm. `cover` (ascending prime indices) is the
// cover marked, the chart's chosen one when null.
void drawPrimeChart(const PrimeChart& chart, Surface& s, const std::vector<int>* cover = nullptr);
// The size of that drawing in twips.
struct ChartSize {
  int width = 0;
  int height = 0;
  int header = 0;  // the column headings' height
  int labels = 0;  // the row headings' width
};
ChartSize primeChartSize(const PrimeChart& chart);

}  // namespace ronri
