// Several outputs minimised alone and together (shared product terms).
#include "core/multi/multi_output_cover.h"

#include <algorithm>
#include <bit>
#include <map>

#include "core/cover/cover_dontcare.h"
#include "core/cover/cover_search.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// The rows of a table of n inputs as bits of a word.
uint64_t allRows(int n) {
  return n >= 6 ? ~uint64_t{0} : (uint64_t{1} << (1 << n)) - 1;
}

uint64_t rowsOf(Term c, int n) {
  uint64_t out = 0;
  for (int r = 0; r < (1 << n); ++r)
    if (c.covers(r)) out |= uint64_t{1} << r;
  return out;
}

struct OutputRows {
  uint64_t on = 0;
  uint64_t free = 0;
  char constant = 0;  // '0' or '1' when the output is constant
};

std::vector<OutputRows> outputRows(const MultiTable& t) {
  std::vector<OutputRows> out(size_t(t.outputs()));
  for (int j = 0; j < t.outputs(); ++j) {
    OutputRows& o = out[size_t(j)];
    for (int r = 0; r < t.rows(); ++r) {
      const char v = t.values[size_t(j)][size_t(r)];
      if (v == '1') o.on |= uint64_t{1} << r;
      if (v == 'X') o.free |= uint64_t{1} << r;
    }
    if (o.on == 0)
      o.constant = '0';
    else if ((o.on | o.free) == allRows(t.inputs))
      o.constant = '1';
  }
  return out;
}

// The outputs (not constant) that cube c is an implicant of.
uint8_t implicantOf(uint64_t rows, const std::vector<OutputRows>& outs) {
  uint8_t tag = 0;
  for (size_t j = 0; j < outs.size(); ++j)
    if (!outs[j].constant && (rows & ~(outs[j].on | outs[j].free)) == 0) tag |= uint8_t(1u << j);
  return tag;
}

std::vector<MultiPrime> primesOf(int n, const std::vector<OutputRows>& outs) {
  // Every cube by its index in base 3: digit 0 for a missing letter.
  std::map<std::pair<int, int>, uint8_t> tags;
  for (int mask = 0; mask < (1 << n); ++mask)
    for (int value = 0; value < (1 << n); ++value)
      if ((value & ~mask) == 0) {
        const Term c{uint16_t(mask), uint16_t(value)};
        tags[{mask, value}] = implicantOf(rowsOf(c, n), outs);
      }
  std::vector<MultiPrime> out;
  for (const auto& [key, tag] : tags) {
    if (tag == 0) continue;
    bool prime = true;
    for (int bit = 0; bit < n && prime; ++bit)
      if ((key.first >> bit) & 1)
        prime = tags[{key.first & ~(1 << bit), key.second & ~(1 << bit)}] != tag;
    if (prime) out.push_back({Term{uint16_t(key.first), uint16_t(key.second)}, tag});
  }
  return out;
}

int andInputs(Term c) {
  return c.letters() >= 2 ? c.letters() : 0;
}

}  // namespace

std::vector<MultiPrime> multiOutputPrimes(const MultiTable& t) {
  return primesOf(t.inputs, outputRows(t));
}

int treeGates(int inputs) {
  if (inputs <= 1) return 0;
  if (inputs <= kMostGateInputs) return 1;
  const int groups = (inputs + kMostGateInputs - 1) / kMostGateInputs;
  return groups + treeGates(groups);
}

GateTotals gateTotals(const std::vector<Term>& terms, const std::vector<std::vector<int>>& feeds) {
  GateTotals g;
  // A tree of k inputs has k leaves, and every gate but its root feeds one
  // more input.
  auto addTree = [&g](int leaves, int& gates) {
    const int made = treeGates(leaves);
    gates += made;
    if (made) g.gateInputs += leaves + made - 1;
  };
  std::vector<bool> used(terms.size(), false);
  for (const auto& f : feeds) {
    for (int i : f) used[size_t(i)] = true;
    addTree(static_cast<int>(f.size()), g.orGates);
  }
  for (size_t i = 0; i < terms.size(); ++i) {
    if (!used[i]) continue;
    ++g.terms;
    addTree(terms[i].letters(), g.andGates);
  }
  return g;
}

namespace {

std::string termList(uint64_t rows, int n) {
  std::vector<int> list;
  for (int r = 0; r < (1 << n); ++r)
    if ((rows >> r) & 1) list.push_back(r);
  return rowTerms(list, n);
}

// Each chosen (term, outputs) pair of the shared cover, tidied: one entry per
// term, and no output fed by a term it does not need (a best-found cover may
// have either).
std::vector<SharedTerm> tidy(std::vector<SharedTerm> chosen, const std::vector<OutputRows>& outs,
                             int n) {
  std::map<std::pair<int, int>, std::vector<int>> byCube;
  for (const SharedTerm& s : chosen) {
    auto& o = byCube[{s.cube.mask, s.cube.bits}];
    o.insert(o.end(), s.outputs.begin(), s.outputs.end());
  }
  std::vector<SharedTerm> terms;
  for (auto& [key, o] : byCube) {
    std::sort(o.begin(), o.end());
    o.erase(std::unique(o.begin(), o.end()), o.end());
    terms.push_back({Term{uint16_t(key.first), uint16_t(key.second)}, o});
  }
  for (size_t j = 0; j < outs.size(); ++j) {
    // Dearest terms first: those are the ones worth leaving out.
    std::vector<size_t> feeding;
    for (size_t i = 0; i < terms.size(); ++i)
      if (std::find(terms[i].outputs.begin(), terms[i].outputs.end(), int(j)) !=
          terms[i].outputs.end())
        feeding.push_back(i);
    std::stable_sort(feeding.begin(), feeding.end(), [&](size_t x, size_t y) {
      return terms[x].cube.letters() > terms[y].cube.letters();
    });
    for (size_t i : feeding) {
      uint64_t rest = 0;
      for (size_t k : feeding)
        if (k != i && std::count(terms[k].outputs.begin(), terms[k].outputs.end(), int(j)))
          rest |= rowsOf(terms[k].cube, n);
      if ((outs[j].on & ~rest) == 0) std::erase(terms[i].outputs, int(j));
    }
  }
  std::erase_if(terms, [](const SharedTerm& s) { return s.outputs.empty(); });
  std::stable_sort(terms.begin(), terms.end(), [](const SharedTerm& x, const SharedTerm& y) {
    return x.outputs.front() < y.outputs.front();
  });
  return terms;
}

// The shared cover: a set cover whose columns are a prime with a set of the
// outputs it feeds. Every column costs more than all gate inputs together, so
// the fewest columns, i.e. the fewest distinct terms, come first; then the
// AND inputs of the term and one OR input per output fed. A term that covers
// all of an output's 1-rows feeds it without an OR gate and so costs it
// nothing: a cover never needs a second term for that output.
void sharedCover(MultiMinimum& m, int n, const std::vector<OutputRows>& outs,
                 std::chrono::milliseconds budget) {
  const std::vector<MultiPrime> primes = primesOf(n, outs);
  // Rows of the cover: (output, 1-row) pairs.
  std::vector<std::vector<int>> rowIndex(outs.size(), std::vector<int>(size_t{1} << n, -1));
  int rowCount = 0;
  for (size_t j = 0; j < outs.size(); ++j)
    if (!outs[j].constant)
      for (int r = 0; r < (1 << n); ++r)
        if ((outs[j].on >> r) & 1) rowIndex[j][size_t(r)] = rowCount++;
  if (rowCount == 0) return;

  struct Column {
    Term cube;
    uint8_t outputs;
  };
  std::vector<Column> columns;
  std::vector<int64_t> cost;
  std::vector<std::vector<int>> table(static_cast<size_t>(rowCount));
  const int64_t perTerm = int64_t(n + int(outs.size())) * rowCount + 1;
  for (const MultiPrime& p : primes) {
    const uint64_t rows = rowsOf(p.cube, n);
    uint8_t useful = 0;
    for (size_t j = 0; j < outs.size(); ++j)
      if (((p.outputs >> j) & 1) && (rows & outs[j].on)) useful |= uint8_t(1u << j);
    // Every non-empty subset of the useful outputs for which no larger cube
    // would do (that one covers more rows for no more cost).
    uint8_t parentTags[8];
    int parents = 0;
    for (int bit = 0; bit < n; ++bit)
      if ((p.cube.mask >> bit) & 1) {
        const Term up{uint16_t(p.cube.mask & ~(1 << bit)), uint16_t(p.cube.bits & ~(1 << bit))};
        parentTags[parents++] = implicantOf(rowsOf(up, n), outs);
      }
    for (unsigned s = useful; s; s = (s - 1) & useful) {
      bool dominated = false;
      for (int k = 0; k < parents && !dominated; ++k) dominated = (s & ~parentTags[k]) == 0;
      if (dominated) continue;
      const int col = static_cast<int>(columns.size());
      columns.push_back({p.cube, uint8_t(s)});
      int64_t c = perTerm + andInputs(p.cube);
      for (size_t j = 0; j < outs.size(); ++j) {
        if (!((s >> j) & 1)) continue;
        if (outs[j].on & ~rows) ++c;
        for (int r = 0; r < (1 << n); ++r)
          if ((rows & outs[j].on) >> r & 1) table[size_t(rowIndex[j][size_t(r)])].push_back(col);
      }
      cost.push_back(c);
    }
  }
  for (auto& row : table) std::sort(row.begin(), row.end());
  const ExactCover exact = solveCover(
      {std::move(table), static_cast<int>(columns.size()), std::move(cost), /*fewestFirst=*/true},
      {budget});
  std::vector<SharedTerm> chosen;
  for (int c : exact.columns) {
    SharedTerm s{columns[size_t(c)].cube, {}};
    for (size_t j = 0; j < outs.size(); ++j)
      if ((columns[size_t(c)].outputs >> j) & 1) s.outputs.push_back(int(j));
    chosen.push_back(std::move(s));
  }
  m.shared = tidy(std::move(chosen), outs, n);
  if (!exact.proven) m.sharedStatus = CoverStatus::BestFound;
}

std::vector<std::vector<int>> feedsOf(const std::vector<SharedTerm>& terms, int outputs) {
  std::vector<std::vector<int>> feeds(static_cast<size_t>(outputs));
  for (size_t i = 0; i < terms.size(); ++i)
    for (int j : terms[i].outputs) feeds[size_t(j)].push_back(int(i));
  return feeds;
}

}  // namespace

MultiMinimum minimiseMultiOutput(const MultiTable& t, std::chrono::milliseconds budget) {
  const int n = t.inputs;
  const std::vector<OutputRows> outs = outputRows(t);
  MultiMinimum m;
  m.constant.resize(outs.size(), 0);
  std::vector<Term> separateTerms;
  std::vector<std::vector<int>> separateFeeds(outs.size());
  for (size_t j = 0; j < outs.size(); ++j) {
    m.constant[j] = outs[j].constant;
    if (outs[j].constant) {
      m.separate.push_back({std::string(1, outs[j].constant), CoverStatus::Proven});
      continue;
    }
    m.separate.push_back(
        smallestSumOfProducts(termList(outs[j].on, n), termList(outs[j].free, n), n, budget));
    for (const std::string& term : splitTerms(m.separate.back().sum)) {
      separateFeeds[j].push_back(int(separateTerms.size()));
      separateTerms.push_back(Term::read(term, n).value_or(Term{}));
    }
  }
  m.separateTotals = gateTotals(separateTerms, separateFeeds);
  sharedCover(m, n, outs, budget);
  std::vector<Term> cubes;
  for (const SharedTerm& s : m.shared) cubes.push_back(s.cube);
  m.sharedTotals = gateTotals(cubes, feedsOf(m.shared, t.outputs()));
  return m;
}

std::string MultiMinimum::sharedSum(int output, int inputs) const {
  if (output < 0 || size_t(output) >= constant.size()) return "";
  if (constant[size_t(output)]) return std::string(1, constant[size_t(output)]);
  std::string out;
  for (const SharedTerm& s : shared)
    if (std::count(s.outputs.begin(), s.outputs.end(), output))
      out += (out.empty() ? "" : "+") + s.cube.text(inputs);
  return out;
}

std::string entryExpression(const std::string& sum) {
  if (sum == "0" || sum.empty()) return "a*~a";
  if (sum == "1") return "a+~a";
  const std::string shown = wordchange(layout(sum));
  if (sum.size() == 1) return shown + "*" + shown;
  return shown;
}

}  // namespace ronri
