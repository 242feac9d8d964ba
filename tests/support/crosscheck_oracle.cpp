#include "support/crosscheck_oracle.h"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <queue>
#include <sstream>

namespace ronri::test {

int sampleStep() {
  const char* s = std::getenv("RONRI_CROSSCHECK_SAMPLE");
  const int k = s ? std::atoi(s) : 1;
  return k < 1 ? 1 : k;
}

namespace {

// Recursive descent over the operator table; tables are evaluated for all
// rows at once.
class Parser {
 public:
  Parser(std::string_view s, int n) : s_(s), n_(n) {}

  std::optional<Table> parse() {
    auto t = sum();
    if (!t || pos_ != s_.size()) return std::nullopt;
    return t;
  }

 private:
  template <class Next, class Combine>
  std::optional<Table> chain(std::string_view ops, Next next, Combine combine) {
    auto left = next();
    while (left && pos_ < s_.size() && ops.find(s_[pos_]) != std::string_view::npos) {
      const char op = s_[pos_++];
      auto right = next();
      if (!right) return std::nullopt;
      left = combine(op, *left, *right) & allRows(n_);
    }
    return left;
  }
  std::optional<Table> sum() {
    return chain(
        "+", [&] { return exclusive(); },
        [](char, const Table& x, const Table& y) { return x | y; });
  }
  std::optional<Table> exclusive() {
    return chain(
        "@", [&] { return product(); }, [](char, const Table& x, const Table& y) { return x ^ y; });
  }
  std::optional<Table> product() {
    return chain(
        "*", [&] { return tight(); }, [](char, const Table& x, const Table& y) { return x & y; });
  }
  std::optional<Table> tight() {
    return chain(
        "$|%", [&] { return unary(); },
        [](char op, const Table& x, const Table& y) {
          if (op == '$') return ~(x & y);
          if (op == '|') return ~(x | y);
          return ~(x ^ y);
        });
  }
  std::optional<Table> unary() {
    if (pos_ < s_.size() && s_[pos_] == '~') {
      ++pos_;
      auto t = unary();
      if (!t) return std::nullopt;
      return ~*t & allRows(n_);
    }
    return primary();
  }
  std::optional<Table> primary() {
    if (pos_ >= s_.size()) return std::nullopt;
    const char c = s_[pos_++];
    if (c == '(') {
      auto t = sum();
      if (!t || pos_ >= s_.size() || s_[pos_] != ')') return std::nullopt;
      ++pos_;
      return t;
    }
    if (c == '0') return Table();
    if (c == '1') return allRows(n_);
    int k = -1;
    bool negated = false;
    if (c >= 'a' && c <= 'j') k = c - 'a';
    if (c >= 'n' && c <= 'w') {
      k = c - 'n';
      negated = true;
    }
    if (k < 0 || k >= n_) return std::nullopt;
    Table t;
    for (int r = 0; r < (1 << n_); ++r)
      if (((r >> (n_ - 1 - k)) & 1) != int(negated)) t.set(size_t(r));
    return t;
  }

  std::string_view s_;
  int n_;
  size_t pos_ = 0;
};

// Minterm sets as plain bit vectors over the minterms of f.
using Bits = std::vector<uint64_t>;

bool anyBit(const Bits& b) {
  return std::any_of(b.begin(), b.end(), [](uint64_t w) { return w != 0; });
}
int countAnd(const Bits& a, const Bits& b) {
  int c = 0;
  for (size_t i = 0; i < a.size(); ++i) c += std::popcount(a[i] & b[i]);
  return c;
}
bool subsetAnd(const Bits& a, const Bits& b, const Bits& within) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] & within[i] & ~b[i]) return false;
  return true;
}

// Covers f (the rows a cube has outside f are free) with the fewest cubes,
// then the fewest letters when `weighLetters` is set.
class CoverSearch {
 public:
  CoverSearch(const Table& f, const std::vector<Cube>& cubes, int n, bool weighLetters = false) {
    letters_.assign(cubes.size(), 0);
    if (weighLetters)
      for (size_t c = 0; c < cubes.size(); ++c) letters_[c] = std::popcount(cubes[c].care);
    std::vector<int> index(size_t(1) << n, -1);
    for (int r = 0; r < (1 << n); ++r)
      if (f[size_t(r)]) index[size_t(r)] = rows_++;
    words_ = (size_t(rows_) + 63) / 64;
    cols_.assign(cubes.size(), Bits(words_, 0));
    byRow_.assign(size_t(rows_), {});
    for (size_t c = 0; c < cubes.size(); ++c) {
      const Table pts = pointsOf(cubes[c], n);
      for (int r = 0; r < (1 << n); ++r) {
        if (!pts[size_t(r)] || index[size_t(r)] < 0) continue;
        const int m = index[size_t(r)];
        cols_[c][size_t(m) / 64] |= uint64_t(1) << (m % 64);
        byRow_[size_t(m)].push_back(int(c));
      }
    }
  }

  SumCost solve() {
    Bits open(words_, 0);
    for (int m = 0; m < rows_; ++m) open[size_t(m) / 64] |= uint64_t(1) << (m % 64);
    for (int m = 0; m < rows_; ++m)
      if (byRow_[size_t(m)].empty()) return {-1, -1};
    forcedLetters_ = 0;
    const int forced = reduce(open);
    best_ = {rows_ + 1, 0};
    search(open, {forced, forcedLetters_});
    return best_;
  }

  // What is left after the reductions: the forced count and, for each minterm
  // still to cover, its columns. False when a minterm has no column at all.
  bool core(int& forced, std::vector<std::vector<int>>& rows) {
    Bits open(words_, 0);
    for (int m = 0; m < rows_; ++m) open[size_t(m) / 64] |= uint64_t(1) << (m % 64);
    for (int m = 0; m < rows_; ++m)
      if (byRow_[size_t(m)].empty()) return false;
    forced = reduce(open);
    rows.clear();
    for (int m = 0; m < rows_; ++m)
      if ((open[size_t(m) / 64] >> (m % 64)) & 1) rows.push_back(byRow_[size_t(m)]);
    return true;
  }

 private:
  // The uncovered minterm with the fewest columns that cover it.
  int hardestRow(const Bits& open) const {
    int best = -1;
    size_t fewest = SIZE_MAX;
    for (size_t w = 0; w < words_; ++w) {
      for (uint64_t x = open[w]; x; x &= x - 1) {
        const int m = int(w * 64) + std::countr_zero(x);
        if (byRow_[size_t(m)].size() < fewest) {
          fewest = byRow_[size_t(m)].size();
          best = m;
        }
      }
    }
    return best;
  }

  // Minterms no two of which share a column each need a column of their own,
  // at least as long as the shortest of theirs.
  SumCost lowerBound(Bits open) const {
    SumCost bound{0, 0};
    while (anyBit(open)) {
      const int m = hardestRow(open);
      ++bound.terms;
      int shortest = INT_MAX;
      for (int c : byRow_[size_t(m)]) {
        shortest = std::min(shortest, letters_[size_t(c)]);
        for (size_t w = 0; w < words_; ++w) open[w] &= ~cols_[size_t(c)][w];
      }
      bound.letters += shortest;
    }
    return bound;
  }

  // Column d serves wherever c does, at no more letters (ties: the lower index).
  bool replaces(int d, int c, const Bits& open) const {
    if (!subsetAnd(cols_[size_t(c)], cols_[size_t(d)], open)) return false;
    if (letters_[size_t(d)] != letters_[size_t(c)])
      return letters_[size_t(d)] < letters_[size_t(c)];
    return !subsetAnd(cols_[size_t(d)], cols_[size_t(c)], open) || d < c;
  }

  // The classic reductions, repeated until nothing changes: a minterm with
  // one column forces it; a column whose open minterms lie within another's
  // goes; a minterm whose columns include all of another's needs no care.
  // Returns the number of forced columns; `open` loses what they cover and
  // the minterms that need no care.
  int reduce(Bits& open) {
    std::vector<char> alive(cols_.size(), 1);
    int forced = 0;
    for (bool changed = true; changed;) {
      changed = false;
      for (int m = 0; m < rows_; ++m) {
        if (!((open[size_t(m) / 64] >> (m % 64)) & 1)) continue;
        int only = -1, count = 0;
        for (int c : byRow_[size_t(m)])
          if (alive[size_t(c)]) only = c, ++count;
        if (count != 1) continue;
        ++forced;
        forcedLetters_ += letters_[size_t(only)];
        for (size_t w = 0; w < words_; ++w) open[w] &= ~cols_[size_t(only)][w];
        changed = true;
      }
      std::vector<int> useful;
      for (size_t c = 0; c < cols_.size(); ++c) {
        if (!alive[c]) continue;
        if (countAnd(cols_[c], open) == 0) {
          alive[c] = 0;
          continue;
        }
        useful.push_back(int(c));
      }
      for (int c : useful) {
        for (int d : useful) {
          if (d == c || !alive[size_t(d)] || !replaces(d, c, open)) continue;
          alive[size_t(c)] = 0;
          changed = true;
          break;
        }
      }
      // Minterms by their live columns.
      std::vector<int> openRows;
      for (int m = 0; m < rows_; ++m)
        if ((open[size_t(m) / 64] >> (m % 64)) & 1) openRows.push_back(m);
      std::vector<std::vector<int>> live(static_cast<size_t>(rows_));
      for (int m : openRows)
        for (int c : byRow_[size_t(m)])
          if (alive[size_t(c)]) live[size_t(m)].push_back(c);
      for (int a : openRows) {
        for (int b : openRows) {
          if (a == b || !((open[size_t(b) / 64] >> (b % 64)) & 1)) continue;
          if (!((open[size_t(a) / 64] >> (a % 64)) & 1)) break;
          // Covering a covers b when a's columns are among b's.
          const auto& la = live[size_t(a)];
          const auto& lb = live[size_t(b)];
          if (la.size() > lb.size() || (la.size() == lb.size() && a > b)) continue;
          if (!std::includes(lb.begin(), lb.end(), la.begin(), la.end())) continue;
          open[size_t(b) / 64] &= ~(uint64_t(1) << (b % 64));
          changed = true;
        }
      }
    }
    for (auto& row : byRow_) {
      std::vector<int> kept;
      for (int c : row)
        if (alive[size_t(c)]) kept.push_back(c);
      row = std::move(kept);
    }
    return forced;
  }

  static bool less(SumCost a, SumCost b) {
    return a.terms != b.terms ? a.terms < b.terms : a.letters < b.letters;
  }

  void search(const Bits& open, SumCost chosen) {
    if (!anyBit(open)) {
      if (less(chosen, best_)) best_ = chosen;
      return;
    }
    const SumCost bound = lowerBound(open);
    if (!less({chosen.terms + bound.terms, chosen.letters + bound.letters}, best_)) return;
    const int m = hardestRow(open);
    // Branch on the columns covering m; one whose open minterms lie within
    // another's is never needed.
    std::vector<int> options;
    for (int c : byRow_[size_t(m)]) {
      bool dominated = false;
      for (int d : byRow_[size_t(m)])
        if (d != c && replaces(d, c, open)) dominated = true;
      if (!dominated) options.push_back(c);
    }
    std::sort(options.begin(), options.end(), [&](int x, int y) {
      return countAnd(cols_[size_t(x)], open) > countAnd(cols_[size_t(y)], open);
    });
    for (int c : options) {
      Bits next = open;
      for (size_t w = 0; w < words_; ++w) next[w] &= ~cols_[size_t(c)][w];
      search(next, {chosen.terms + 1, chosen.letters + letters_[size_t(c)]});
    }
  }

  int rows_ = 0;
  size_t words_ = 0;
  std::vector<Bits> cols_;
  std::vector<std::vector<int>> byRow_;
  std::vector<int> letters_;
  int forcedLetters_ = 0;
  SumCost best_;
};

}  // namespace

Table allRows(int n) {
  Table t;
  for (int r = 0; r < (1 << n); ++r) t.set(size_t(r));
  return t;
}

std::optional<Table> evaluateInfix(std::string_view text, int n) {
  return Parser(text, n).parse();
}

Table pointsOf(Cube c, int n) {
  Table t;
  for (int r = 0; r < (1 << n); ++r) {
    bool in = true;
    for (int k = 0; k < n && in; ++k) {
      if (!((c.care >> k) & 1)) continue;
      in = ((r >> (n - 1 - k)) & 1) == ((c.val >> k) & 1);
    }
    if (in) t.set(size_t(r));
  }
  return t;
}

std::optional<Cube> parseTerm(std::string_view term, int n) {
  Cube c;
  for (char ch : term) {
    int k = -1;
    bool plain = true;
    if (ch >= 'a' && ch < 'a' + n) k = ch - 'a';
    if (ch >= 'n' && ch < 'n' + n) {
      k = ch - 'n';
      plain = false;
    }
    if (k < 0 || ((c.care >> k) & 1)) return std::nullopt;
    c.care |= uint16_t(1u << k);
    if (plain) c.val |= uint16_t(1u << k);
  }
  return c;
}

std::vector<Cube> primeImplicants(const Table& f, int n) {
  // A cube in base 3 (digit k: 0 negated, 1 plain, 2 absent); a cube with an
  // absent variable is an implicant when both of its halves are.
  int cubes = 1;
  for (int k = 0; k < n; ++k) cubes *= 3;
  std::vector<char> implicant(size_t(cubes), 0);
  std::vector<int> pow3(size_t(n) + 1, 1);
  for (int k = 1; k <= n; ++k) pow3[size_t(k)] = pow3[size_t(k) - 1] * 3;
  auto digit = [&](int key, int k) { return key / pow3[size_t(k)] % 3; };
  // Keys grow with every absent variable, so halves come first.
  for (int key = 0; key < cubes; ++key) {
    int freeVar = -1;
    for (int k = 0; k < n && freeVar < 0; ++k)
      if (digit(key, k) == 2) freeVar = k;
    if (freeVar < 0) {
      int r = 0;
      for (int k = 0; k < n; ++k)
        if (digit(key, k) == 1) r |= 1 << (n - 1 - k);
      implicant[size_t(key)] = f[size_t(r)];
    } else {
      const int low = key - 2 * pow3[size_t(freeVar)];
      implicant[size_t(key)] =
          implicant[size_t(low)] && implicant[size_t(low + pow3[size_t(freeVar)])];
    }
  }
  std::vector<Cube> primes;
  for (int key = 0; key < cubes; ++key) {
    if (!implicant[size_t(key)]) continue;
    bool prime = true;
    Cube c;
    for (int k = 0; k < n; ++k) {
      const int d = digit(key, k);
      if (d == 2) continue;
      c.care |= uint16_t(1u << k);
      if (d == 1) c.val |= uint16_t(1u << k);
      if (implicant[size_t(key + (2 - d) * pow3[size_t(k)])]) prime = false;
    }
    if (prime) primes.push_back(c);
  }
  return primes;
}

int minimumCoverSize(const Table& f, const std::vector<Cube>& cubes, int n) {
  if (f.none()) return 0;
  return CoverSearch(f, cubes, n).solve().terms;
}

SumCost minimumCoverCost(const Table& f, const std::vector<Cube>& cubes, int n) {
  if (f.none()) return {0, 0};
  return CoverSearch(f, cubes, n, true).solve();
}

std::vector<SumCost> smallestSums(int n) {
  // Every union of cubes, cheapest first: a cube more costs a term and its
  // letters, and a term always outweighs letters (at most 4 per term here).
  const int functions = 1 << (1 << n);
  std::vector<Cube> cubes;
  for (uint16_t care = 0; care < (1u << n); ++care)
    for (uint16_t val = care;; val = uint16_t((val - 1) & care)) {
      cubes.push_back({care, val});
      if (val == 0) break;
    }
  std::vector<uint32_t> points;
  for (const Cube& c : cubes) points.push_back(uint32_t(pointsOf(c, n).to_ulong()));
  auto weight = [](SumCost s) { return s.terms * 100 + s.letters; };
  std::vector<SumCost> best(size_t(functions), SumCost{INT_MAX / 200, 0});
  using Entry = std::pair<int, uint32_t>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
  best[0] = {0, 0};
  queue.push({0, 0});
  while (!queue.empty()) {
    const auto [w, g] = queue.top();
    queue.pop();
    if (w != weight(best[g])) continue;
    for (size_t c = 0; c < cubes.size(); ++c) {
      const uint32_t h = g | points[c];
      const SumCost s{best[g].terms + 1, best[g].letters + std::popcount(cubes[c].care)};
      if (weight(s) < weight(best[h])) {
        best[h] = s;
        queue.push({weight(s), h});
      }
    }
  }
  return best;
}

bool glpsolInstalled() {
  return std::system("glpsol --version >/dev/null 2>&1") == 0;
}

std::optional<long> glpsolOptimum(const std::string& program, int seconds) {
  char dirTemplate[] = "/tmp/ronri-glpsol-XXXXXX";
  if (!mkdtemp(dirTemplate)) return std::nullopt;
  const std::filesystem::path dir = dirTemplate;
  std::ofstream(dir / "program.lp") << program;
  const std::string command = "glpsol --lp " + (dir / "program.lp").string() + " --tmlim " +
                              std::to_string(seconds) + " -o " + (dir / "out.txt").string() +
                              " >/dev/null 2>&1";
  std::optional<long> result;
  if (std::system(command.c_str()) == 0) {
    std::ifstream out(dir / "out.txt");
    std::string line;
    bool optimal = false;
    long value = -1;
    while (std::getline(out, line)) {
      if (line.starts_with("Status:") && line.find("INTEGER OPTIMAL") != std::string::npos)
        optimal = true;
      if (line.starts_with("Objective:")) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) value = std::strtol(line.c_str() + eq + 1, nullptr, 10);
      }
    }
    if (optimal && value >= 0) result = value;
  }
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return result;
}

std::optional<int> minimumCoverSizeByGlpsol(const Table& f, const std::vector<Cube>& cubes, int n,
                                            int seconds) {
  if (f.none()) return 0;
  // The reductions first: they leave glpsol a much smaller program.
  int forced = 0;
  std::vector<std::vector<int>> rows;
  if (!CoverSearch(f, cubes, n).core(forced, rows)) return std::nullopt;
  if (rows.empty()) return forced;
  std::ostringstream lp;
  lp << "Minimize\n obj:";
  for (size_t c = 0; c < cubes.size(); ++c) lp << " + x" << c;
  lp << "\nSubject To\n";
  for (size_t r = 0; r < rows.size(); ++r) {
    lp << " m" << r << ":";
    for (int c : rows[r]) lp << " + x" << c;
    lp << " >= 1\n";
  }
  lp << "Binary\n";
  for (size_t c = 0; c < cubes.size(); ++c) lp << " x" << c << "\n";
  lp << "End\n";
  const std::optional<long> value = glpsolOptimum(lp.str(), seconds);
  if (!value) return std::nullopt;
  return forced + int(*value);
}

std::string termListOf(const Table& f, int n) {
  std::string s;
  for (int r = 0; r < (1 << n); ++r) {
    if (!f[size_t(r)]) continue;
    for (int k = 0; k < n; ++k) s += char(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
    s += '+';
  }
  return s;
}

}  // namespace ronri::test
