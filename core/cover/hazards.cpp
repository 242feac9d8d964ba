#include "core/cover/hazards.h"

#include <algorithm>
#include <bit>
#include <set>

#include "core/cover/cover_search.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// A cube of the core's letters; letters of no variable of n are left out.
Term termOf(const std::string& letters, int n) {
  std::string known;
  for (char c : letters)
    if (variableOf(c, n) >= 0) known += c;
  return Term::read(known, n).value_or(Term{});
}

// Every prime cube of the rows whose value is `value` or X: by letters
// dropped one at a time, a cube being an implicant when both its halves are.
std::vector<Term> primesOf(const std::string& values, int n, char value) {
  const int rows = 1 << n;
  std::vector<Term> primes;
  // implicant[mask][bits] for every cube, from the rows (full masks) up.
  std::vector<std::vector<char>> implicant(static_cast<size_t>(rows),
                                           std::vector<char>(static_cast<size_t>(rows), 0));
  const unsigned all = unsigned(rows - 1);
  std::vector<unsigned> masks(static_cast<size_t>(rows));
  for (int m = 0; m < rows; ++m) masks[size_t(m)] = unsigned(m);
  std::sort(masks.begin(), masks.end(), [](unsigned a, unsigned b) {
    return std::popcount(a) > std::popcount(b) || (std::popcount(a) == std::popcount(b) && a < b);
  });
  for (unsigned mask : masks)
    for (unsigned bits = mask;; bits = (bits - 1) & mask) {
      bool is;
      if (mask == all) {
        const char v = values[bits];
        is = v == value || v == 'X';
      } else {
        const unsigned free = ~mask & all & -(~mask & all);  // one dropped letter
        is = implicant[mask | free][bits] && implicant[mask | free][bits | free];
      }
      implicant[mask][bits] = is;
      if (bits == 0) break;
    }
  for (unsigned mask : masks)
    for (unsigned bits = mask;; bits = (bits - 1) & mask) {
      bool prime = implicant[mask][bits];
      for (unsigned rest = mask; prime && rest; rest &= rest - 1) {
        const unsigned bit = rest & -rest;
        if (implicant[mask & ~bit][bits & ~bit]) prime = false;
      }
      // A prime must hold a row of the value, not X rows only.
      bool useful = false;
      for (int r = 0; prime && !useful && r < rows; ++r)
        useful = (unsigned(r) & mask) == bits && values[size_t(r)] == value;
      if (prime && useful) primes.push_back({uint16_t(mask), uint16_t(bits)});
      if (bits == 0) break;
    }
  return primes;
}

std::vector<RowPair> adjacentPairs(const std::string& values, int n, char value) {
  std::vector<RowPair> pairs;
  for (int r = 0; r < (1 << n); ++r)
    for (int k = 0; k < n; ++k) {
      const int other = r ^ (1 << k);
      if (other > r && values[size_t(r)] == value && values[size_t(other)] == value)
        pairs.push_back({r, other});
    }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

std::string displayed(const std::string& cube, bool productOfSums) {
  if (cube.empty()) return productOfSums ? "0" : "1";
  std::string out;
  for (char c : cube) {
    if (!out.empty()) out += productOfSums ? "+" : "*";
    // A sum is 0 where its letters are: the letter a=1 comes from ~a.
    const bool plain = isVariable(c) != productOfSums;
    out += std::string(plain ? "" : "~") + plainLetter(variableOf(c));
  }
  return productOfSums && cube.size() > 1 ? "(" + out + ")" : out;
}

}  // namespace

std::vector<RowPair> staticHazards(const std::string& values, int n,
                                   const std::vector<std::string>& cover, char value) {
  std::vector<Term> cubes;
  for (const std::string& c : cover) cubes.push_back(termOf(c, n));
  std::vector<RowPair> out;
  for (const RowPair& p : adjacentPairs(values, n, value))
    if (std::none_of(cubes.begin(), cubes.end(),
                     [&](Term t) { return t.covers(p.first) && t.covers(p.second); }))
      out.push_back(p);
  return out;
}

std::vector<std::string> sumCubes(const std::string& termSum) {
  if (termSum == "0" || termSum.empty()) return {};
  if (termSum == "1") return {""};
  std::vector<std::string> out;
  std::string term;
  for (char c : termSum + "+") {
    if (c != '+') {
      if (isOperand(c)) term += c;
      continue;
    }
    if (!term.empty()) out.push_back(term);
    term.clear();
  }
  return out;
}

std::vector<std::string> productCubes(const std::string& productOfSums) {
  if (productOfSums == "1" || productOfSums.empty()) return {};
  if (productOfSums == "0") return {""};
  std::vector<std::string> out;
  std::string cube;
  int depth = 0;
  for (char c : productOfSums + "*") {
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (c == '*' && depth == 0) {
      if (!cube.empty()) out.push_back(cube);
      cube.clear();
    } else if (isOperand(c)) {
      // The sum is 0 where each of its letters is 0.
      const int k = variableOf(c);
      cube += isVariable(c) ? negatedLetter(k) : plainLetter(k);
    }
  }
  return out;
}

HazardFree hazardFreeForm(const std::string& values, int n, char value,
                          const std::vector<std::string>& plain, std::chrono::milliseconds budget) {
  HazardFree out;
  const bool productOfSums = value == '0';
  const std::vector<Term> primes = primesOf(values, n, value);
  // Rows of the cover table: every row of the value, then every adjacent pair.
  std::vector<std::vector<int>> table;
  for (int r = 0; r < (1 << n); ++r) {
    if (values[size_t(r)] != value) continue;
    table.emplace_back();
    for (size_t c = 0; c < primes.size(); ++c)
      if (primes[c].covers(r)) table.back().push_back(int(c));
  }
  for (const RowPair& p : adjacentPairs(values, n, value)) {
    table.emplace_back();
    for (size_t c = 0; c < primes.size(); ++c)
      if (primes[c].covers(p.first) && primes[c].covers(p.second)) table.back().push_back(int(c));
  }
  if (table.empty()) {  // no row of the value: the constant
    out.form = productOfSums ? "1" : "0";
    return out;
  }
  // Fewest terms first, then letters.
  CoverProblem problem{std::move(table), int(primes.size()), {}, true};
  for (const Term& t : primes) problem.cost.push_back((int64_t{1} << 20) + t.letters());
  CoverLimits limits;
  limits.budget = budget;
  const ExactCover cover = solveCover(problem, limits);
  out.status = cover.proven ? CoverStatus::Proven : CoverStatus::BestFound;
  std::set<std::string> before;
  for (const std::string& c : plain) before.insert(termOf(c, n).text(n));
  for (int c : cover.columns) {
    const std::string cube = primes[size_t(c)].text(n);
    out.cubes.push_back(cube);
    if (!out.form.empty()) out.form += productOfSums ? "*" : "+";
    out.form += displayed(cube, productOfSums);
    if (!before.count(cube)) out.added.push_back(displayed(cube, productOfSums));
  }
  return out;
}

}  // namespace ronri
