#pragma once
// Minimising the outputs of a multi-output table, each alone and together
// (product terms shared between outputs: one AND gate feeding several ORs).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cover/simplify.h"
#include "core/multi/multi_output.h"
#include "core/table/term.h"

namespace ronri {

// Gate counts of a two-level circuit as it is drawn: an AND per term of two
// letters or more, an OR per output of two terms or more, no gate with more
// than four inputs (more make a tree: groups of up to four into gates, those
// gates grouped again, until one is left); a lone letter or a lone term feeds
// its OR or its output directly.
inline constexpr int kMostGateInputs = 4;
// The gates of such a tree over `inputs` inputs (0 for one input).
int treeGates(int inputs);
struct GateTotals {
  int terms = 0;  // product terms (a term feeding several outputs counts once when shared)
  int andGates = 0;
  int orGates = 0;
  int gateInputs = 0;
  bool operator==(const GateTotals&) const = default;
};

struct SharedTerm {
  Term cube;
  std::vector<int> outputs;  // ascending
};

struct MultiMinimum {
  // Each output alone: its smallest sum of products with its X rows (term
  // list as the core writes it, "0" or "1" for a constant).
  std::vector<Cover> separate;
  GateTotals separateTotals;
  // Together: fewest distinct product terms, then fewest gate inputs.
  std::vector<SharedTerm> shared;
  std::vector<char> constant;  // per output: '0' or '1' when constant, else 0
  CoverStatus sharedStatus = CoverStatus::Proven;
  GateTotals sharedTotals;

  // Output j of the shared solution as a term list ("0" or "1" when constant).
  std::string sharedSum(int output, int inputs) const;
};

// Cubes that may be shared: implicants of some outputs (1 or X on every row)
// that no larger cube contains as an implicant of all those outputs, with the
// outputs they are implicants of, in ascending order of (mask, bits).
struct MultiPrime {
  Term cube;
  uint8_t outputs = 0;  // bit j: an implicant of output j
};
std::vector<MultiPrime> multiOutputPrimes(const MultiTable& t);

MultiMinimum minimiseMultiOutput(
    const MultiTable& t, std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// Gate totals of a two-level circuit given by its terms and, per output, the
// indices of the terms feeding it.
GateTotals gateTotals(const std::vector<Term>& terms, const std::vector<std::vector<int>>& feeds);

// A term list in display form for the main window's entry field ("~a*c+b"),
// as the table input hands it over: a lone letter x as "x*x", 0 as "a*~a",
// 1 as "a+~a".
std::string entryExpression(const std::string& sum);

}  // namespace ronri
