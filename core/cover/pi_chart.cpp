// The prime-implicant chart and the account of how its cover was chosen. The
// chart is the cover table the cover choice works on; the reductions are the
// ones the exact search starts with, and the cover is minimalCover's.
#include "core/cover/pi_chart.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/cover/cover_dontcare.h"
#include "core/cover/cover_petrick.h"
#include "core/cover/cover_reduction.h"
#include "core/cover/cover_table.h"
#include "core/expression/expression.h"
#include "core/table/function.h"
#include "core/table/table_export.h"
#include "core/table/term.h"
#include "core/table/truthtable.h"

namespace ronri {

namespace {

using Clock = std::chrono::steady_clock;

// Reductions past this many are summed up in one line.
constexpr size_t kListedReductions = 30;
// The product of sums and its expansion are printed up to these sizes.
constexpr size_t kPrintedFactors = 32;
constexpr size_t kPrintedProducts = 40;
constexpr size_t kPrintedChars = 900;

// Drawing sizes in twips.
constexpr int kCell = 300;
constexpr int kMarkColumn = 300;
constexpr int kLabelColumn = 600;
constexpr int kBitHeight = 200;
constexpr int kNumberHeight = 300;
constexpr int kCharWidth = 150;
constexpr int kYellow = 14;
constexpr int kLightGrey = 7;
constexpr int kLightBlue = 9;

std::string productText(const std::vector<int>& product) {
  std::string s;
  for (int p : product) s += primeLabel(p);
  return s;
}

// One sum per minterm, multiplied: "(P1+P2)(P1+P3)".
std::string productOfSums(const std::vector<std::vector<int>>& table) {
  std::string s;
  for (const auto& row : table) {
    s += '(';
    for (size_t i = 0; i < row.size(); ++i) {
      if (i) s += '+';
      s += primeLabel(row[i]);
    }
    s += ')';
    if (s.size() > kPrintedChars) return {};
  }
  return s;
}

std::string sumOfProducts(const std::vector<std::vector<int>>& products) {
  std::string s;
  for (size_t i = 0; i < products.size(); ++i) {
    if (i) s += " + ";
    s += productText(products[i]);
    if (s.size() > kPrintedChars) return {};
  }
  return s;
}

// The primes that alone cover a minterm are in every cover; the minterms
// they cover are done.
void explainEssentials(PrimeChart& c) {
  std::vector<int> done;
  for (size_t p = 0; p < c.primes.size(); ++p) {
    if (!c.essential[p]) continue;
    ChartStep step{ChartStep::Essential};
    step.prime = static_cast<int>(p);
    for (size_t j = 0; j < c.minterms.size(); ++j)
      if (c.essentialBy[j] == step.prime) step.minterms.push_back(c.minterms[j]);
    c.steps.push_back(std::move(step));
  }
  for (size_t j = 0; j < c.minterms.size(); ++j) {
    for (int p : c.coverers[j]) {
      if (c.essential[static_cast<size_t>(p)]) {
        done.push_back(c.minterms[j]);
        break;
      }
    }
  }
  if (done.empty()) {
    c.steps.push_back({ChartStep::NoEssential});
  } else {
    ChartStep step{ChartStep::EssentialsRemoved};
    step.minterms = std::move(done);
    c.steps.push_back(std::move(step));
  }
}

// One reduction of the exact search in the chart's words: its rows are the
// chart's minterms, its columns the primes.
ChartStep chartStepOf(const ReductionStep& r, const std::vector<int>& minterms) {
  const auto minterm = [&](int row) { return minterms[static_cast<size_t>(row)]; };
  switch (r.kind) {
    case ReductionStep::Essential: {
      ChartStep step{ChartStep::Forced};
      step.prime = r.column;
      step.minterms = {minterm(r.row)};
      return step;
    }
    case ReductionStep::RowDominated: {
      ChartStep step{ChartStep::MintermDominated};
      step.minterms = {minterm(r.row), minterm(r.by)};
      return step;
    }
    case ReductionStep::ColumnDominated: {
      ChartStep step{ChartStep::PrimeDominated};
      step.prime = r.column;
      step.other = r.by;
      return step;
    }
    case ReductionStep::ColumnUnused:
      break;
  }
  // ColumnUnused: the prime covers no minterm that is left.
  ChartStep step{ChartStep::PrimeUnused};
  step.prime = r.column;
  return step;
}

// Then the dominance reductions, as the exact search makes them, the first
// kListedReductions one by one and the rest counted; then what is left.
void explainReductions(PrimeChart& c) {
  explainEssentials(c);
  const TableReduction red = reduceCoverTable(c.coverers, static_cast<int>(c.primes.size()));
  // The search's first round takes the essential primes just listed.
  size_t first = 0;
  while (first < red.steps.size() && red.steps[first].kind == ReductionStep::Essential) ++first;
  const size_t listedEnd = std::min(red.steps.size(), first + kListedReductions);
  for (size_t i = first; i < listedEnd; ++i)
    c.steps.push_back(chartStepOf(red.steps[i], c.minterms));
  if (red.steps.size() > listedEnd) {
    ChartStep step{ChartStep::Omitted};
    step.count = static_cast<long long>(red.steps.size() - listedEnd);
    c.steps.push_back(std::move(step));
  }
  ChartStep core{ChartStep::Core};
  if (!red.rowsLeft.empty()) {
    core.primes = red.columnsLeft;
    for (int r : red.rowsLeft) core.minterms.push_back(c.minterms[static_cast<size_t>(r)]);
  }
  c.steps.push_back(std::move(core));
}

void explainChoice(PrimeChart& c) {
  if (c.expanded) {
    ChartStep step{ChartStep::Expansion};
    step.count = static_cast<long long>(c.candidates.size());
    if (c.coverers.size() <= kPrintedFactors) step.text = productOfSums(c.coverers);
    if (!step.text.empty() && c.candidates.size() <= kPrintedProducts)
      step.expansion = sumOfProducts(c.candidates);
    c.steps.push_back(std::move(step));
  } else {
    c.steps.push_back({ChartStep::ExactSearch});
    if (c.status == CoverStatus::BestFound) c.steps.push_back({ChartStep::BestFound});
  }
  ChartStep chosen{ChartStep::Chosen};
  chosen.primes = c.chosen;
  c.steps.push_back(std::move(chosen));
}

void listMinimalCovers(PrimeChart& c) {
  if (c.expanded) {
    // Every smallest cover is irredundant, so the expansion has them all;
    // the first of them is the program's choice.
    for (const auto& product : c.candidates)
      if (product.size() == c.chosen.size()) c.minimalCovers.push_back(product);
    c.coverCount = static_cast<long long>(c.minimalCovers.size());
    if (c.minimalCovers.size() > kMaxListedCovers) {
      c.minimalCovers.resize(kMaxListedCovers);
      c.coversComplete = false;
    }
    return;
  }
  if (c.status != CoverStatus::Proven) {
    // The smallest size is not known, so neither are the smallest covers.
    c.minimalCovers = {c.chosen};
    c.coverCount = -1;
    c.coversComplete = false;
    return;
  }
  // Every smallest cover holds the essential primes; search the rest of the
  // chart for the other primes.
  std::vector<int> essentials;
  for (size_t p = 0; p < c.primes.size(); ++p)
    if (c.essential[p]) essentials.push_back(static_cast<int>(p));
  std::vector<std::vector<int>> rest;
  for (const auto& row : c.coverers) {
    const bool done = std::any_of(row.begin(), row.end(),
                                  [&](int p) { return c.essential[static_cast<size_t>(p)]; });
    if (!done) rest.push_back(row);
  }
  long long total = 0;
  std::vector<std::vector<int>> found =
      coversOfSize(rest, static_cast<int>(c.primes.size()),
                   static_cast<int>(c.chosen.size() - essentials.size()), kMaxListedCovers, &total);
  c.minimalCovers.push_back(c.chosen);
  for (auto& f : found) {
    f.insert(f.end(), essentials.begin(), essentials.end());
    std::sort(f.begin(), f.end());
    if (f != c.chosen && c.minimalCovers.size() < kMaxListedCovers)
      c.minimalCovers.push_back(std::move(f));
  }
  c.coverCount = total;
  c.coversComplete = total >= 0 && total == static_cast<long long>(c.minimalCovers.size());
}

}  // namespace

bool PrimeChart::covers(int prime, int column) const {
  const auto& row = coverers[static_cast<size_t>(column)];
  return std::binary_search(row.begin(), row.end(), prime);
}

std::string primeLabel(int prime) {
  return "P" + std::to_string(prime + 1);
}

std::string primeDisplay(const PrimeChart& chart, int prime) {
  const std::string t = chart.primes[static_cast<size_t>(prime)].text(chart.n);
  return t.empty() ? std::string("1") : wordchange(layout(t));
}

PrimeChart buildPrimeChart(std::string_view ones, int n, std::chrono::milliseconds budget,
                           const std::vector<int>& dontCares) {
  PrimeChart c;
  c.n = n;
  const std::vector<std::string> patterns = splitTerms(ones);
  c.minterms = termRows(ones, n);
  const std::string primes =
      dontCares.empty() ? simplicity(patterns) : primesWithDontCares(ones, dontCares, n);
  if (primes == "0" || patterns.empty()) {
    c.steps.push_back({ChartStep::Core});
    return c;
  }
  if (primes == "1") {
    c.primes = {Term{}};
  } else {
    // simplicity writes clean terms.
    for (const std::string& t : splitTerms(primes))
      c.primes.push_back(Term::read(t, n).value_or(Term{}));
  }
  c.coverers = coverTable(c.primes, c.minterms);

  c.essential.assign(c.primes.size(), 0);
  c.essentialBy.assign(c.minterms.size(), -1);
  for (size_t j = 0; j < c.coverers.size(); ++j) {
    if (c.coverers[j].size() != 1) continue;
    c.essentialBy[j] = c.coverers[j][0];
    c.essential[static_cast<size_t>(c.coverers[j][0])] = 1;
  }

  // The cover the conversion window shows; the expansion again for its
  // products (it is what chose the cover whenever it reaches).
  const Cover cover = dontCares.empty() ? minimalCover(primes, ones, n, budget)
                                        : fewestTermsThenLetters(primes, ones, n, budget);
  c.status = cover.status;
  c.lowerBound = cover.lowerBound;
  if (primes == "1") {
    c.chosen = {0};
  } else {
    for (const std::string& t : splitTerms(cover.sum)) {
      const auto it = std::find(c.primes.begin(), c.primes.end(), Term::read(t, n));
      if (it != c.primes.end()) c.chosen.push_back(static_cast<int>(it - c.primes.begin()));
    }
    std::sort(c.chosen.begin(), c.chosen.end());
  }
  if (auto products = expandCover(c.coverers); products && !products->empty()) {
    c.expanded = true;
    c.candidates = std::move(*products);
  }
  explainReductions(c);
  explainChoice(c);
  listMinimalCovers(c);
  return c;
}

namespace {

// The search of coversOfSize, depth first. Each cover is reached once: the
// branches of a row take its columns in order, and a later branch leaves out
// the columns of the earlier ones.
class CoverLister {
 public:
  CoverLister(const std::vector<std::vector<int>>& table, int columnCount, size_t limit,
              long long nodeBudget)
      : table_(table),
        colRows_(static_cast<size_t>(columnCount)),
        coveredBy_(table.size(), 0),
        excluded_(static_cast<size_t>(columnCount), 0),
        uncovered_(table.size()),
        limit_(limit),
        nodeBudget_(nodeBudget),
        deadline_(Clock::now() + std::chrono::milliseconds(150)) {
    for (size_t r = 0; r < table.size(); ++r)
      for (int col : table[r]) colRows_[static_cast<size_t>(col)].push_back(static_cast<int>(r));
  }

  // Every cover with `left` more columns.
  void search(int left) {
    if (gaveUp_ || outOfSteps()) return;
    if (uncovered_ == 0) {
      if (left == 0) record();
      return;
    }
    if (left == 0 || !reachable(left)) return;
    const int row = branchRow();
    if (row < 0) return;
    std::vector<int> leftOut;
    for (int col : table_[static_cast<size_t>(row)]) {
      if (excluded_[static_cast<size_t>(col)]) continue;
      take(col, 1);
      taken_.push_back(col);
      search(left - 1);
      taken_.pop_back();
      take(col, -1);
      excluded_[static_cast<size_t>(col)] = 1;
      leftOut.push_back(col);
      if (gaveUp_) break;
    }
    for (int col : leftOut) excluded_[static_cast<size_t>(col)] = 0;
  }

  bool gaveUp() const { return gaveUp_; }
  long long found() const { return found_; }
  std::vector<std::vector<int>>& covers() { return out_; }

 private:
  bool outOfSteps() {
    if (++nodes_ > nodeBudget_ || ((nodes_ & 255) == 0 && Clock::now() > deadline_)) gaveUp_ = true;
    return gaveUp_;
  }
  void record() {
    ++found_;
    if (out_.size() >= limit_) return;
    out_.push_back(taken_);
    std::sort(out_.back().begin(), out_.back().end());
  }
  void take(int col, int d) {
    for (int r : colRows_[static_cast<size_t>(col)]) {
      int& k = coveredBy_[static_cast<size_t>(r)];
      if (d > 0 && k++ == 0) --uncovered_;
      if (d < 0 && --k == 0) ++uncovered_;
    }
  }
  // The open row with the fewest columns left; -1 when an open row has none.
  int branchRow() const {
    int branch = 0;
    int fewest = INT_MAX;
    for (size_t r = 0; r < table_.size(); ++r) {
      if (coveredBy_[r]) continue;
      int k = 0;
      for (int col : table_[r]) k += excluded_[static_cast<size_t>(col)] ? 0 : 1;
      if (k == 0) return -1;
      if (k < fewest) {
        fewest = k;
        branch = static_cast<int>(r);
      }
    }
    return branch;
  }
  // No column covers more than `most` open rows: fewer than left * most
  // open rows cannot be finished.
  bool reachable(int left) const {
    size_t most = 0;
    for (size_t col = 0; col < colRows_.size(); ++col) {
      if (excluded_[col]) continue;
      size_t gain = 0;
      for (int r : colRows_[col]) gain += coveredBy_[static_cast<size_t>(r)] ? 0 : 1;
      most = std::max(most, gain);
    }
    return uncovered_ <= static_cast<size_t>(left) * most;
  }

  const std::vector<std::vector<int>>& table_;
  std::vector<std::vector<int>> colRows_;
  std::vector<int> coveredBy_;
  std::vector<char> excluded_;
  std::vector<int> taken_;
  size_t uncovered_;
  size_t limit_;
  long long nodeBudget_;
  Clock::time_point deadline_;
  long long nodes_ = 0;
  long long found_ = 0;
  bool gaveUp_ = false;
  std::vector<std::vector<int>> out_;
};

}  // namespace

std::vector<std::vector<int>> coversOfSize(const std::vector<std::vector<int>>& table,
                                           int columnCount, int size, size_t limit,
                                           long long* total, long long nodeBudget) {
  CoverLister lister(table, columnCount, limit, nodeBudget);
  if (size >= 0) lister.search(size);
  if (total) *total = size < 0 || lister.gaveUp() ? -1 : lister.found();
  return std::move(lister.covers());
}

std::string primeChartCsv(const PrimeChart& chart, std::string_view essentialHeader,
                          std::string_view coverHeader, const std::vector<int>* cover) {
  const std::vector<int>& marked = cover ? *cover : chart.chosen;
  const auto field = csvField;
  std::string out = ",," + field(essentialHeader) + "," + field(coverHeader);
  for (int m : chart.minterms) out += "," + std::to_string(m);
  out += "\r\n,,,";
  for (int m : chart.minterms) out += "," + rowBits(m, chart.n);
  out += "\r\n";
  for (size_t p = 0; p < chart.primes.size(); ++p) {
    const int prime = static_cast<int>(p);
    const bool inCover = std::binary_search(marked.begin(), marked.end(), prime);
    out += primeLabel(prime) + "," + primeDisplay(chart, prime) + "," +
           (chart.essential[p] ? "1" : "") + "," + (inCover ? "1" : "");
    for (size_t j = 0; j < chart.minterms.size(); ++j)
      out += chart.covers(prime, static_cast<int>(j)) ? ",1" : ",";
    out += "\r\n";
  }
  return out;
}

namespace {

struct Geometry {
  int termColumn = 0;
  int cellsLeft = 0;
  int header = 0;
};

Geometry geometryOf(const PrimeChart& chart) {
  Geometry g;
  int longest = 1;
  for (const Term& t : chart.primes) longest = std::max(longest, t.letters());
  g.termColumn = longest * kCharWidth + 200;
  g.cellsLeft = kMarkColumn + kLabelColumn + g.termColumn;
  g.header = kNumberHeight + chart.n * kBitHeight + 100;
  return g;
}

// A filled band drawn line by line (the surface has no filled shapes).
void fill(Surface& s, int x1, int y1, int x2, int y2, int color) {
  if (y2 - y1 <= x2 - x1) {
    for (int y = y1; y <= y2; y += 15) s.line(x1, y, x2, y, color);
  } else {
    for (int x = x1; x <= x2; x += 15) s.line(x, y1, x, y2, color);
  }
}

// A filled round mark: its chords one pixel apart, then its outline.
void disk(Surface& s, int x, int y, int r, int color) {
  for (int dy = 15 - r; dy < r; dy += 15) {
    const int half = static_cast<int>(std::sqrt(double(r) * r - double(dy) * dy));
    s.line(x - half, y + dy, x + half, y + dy, color);
  }
  s.circle(x, y, r, color);
}

// A term as the textbook writes it: letters side by side, a bar over the
// negated ones; "1" for the constant.
void drawTerm(Surface& s, const std::string& term, int x, int y) {
  if (term.empty()) s.text(x, y, "1", kBlack, 9);
  for (size_t i = 0; i < term.size(); ++i) {
    const char c = term[i];
    const bool negated = isNegatedLetter(c);
    const int left = x + static_cast<int>(i) * kCharWidth;
    s.text(left, y, std::string(1, plainLetter(variableOf(c))), kBlack, 9);
    if (negated) s.line(left + 10, y - 15, left + 90, y - 15, kBlack);  // gaps between bars
  }
}

}  // namespace

ChartSize primeChartSize(const PrimeChart& chart) {
  const Geometry g = geometryOf(chart);
  return {g.cellsLeft + static_cast<int>(chart.minterms.size()) * kCell + 15,
          g.header + static_cast<int>(chart.primes.size()) * kCell + 15, g.header, g.cellsLeft};
}

void drawPrimeChart(const PrimeChart& chart, Surface& s, const std::vector<int>* cover) {
  const std::vector<int>& marked = cover ? *cover : chart.chosen;
  const Geometry g = geometryOf(chart);
  const ChartSize size = primeChartSize(chart);
  const int right = size.width - 15;
  const int bottom = size.height - 15;
  const int cols = static_cast<int>(chart.minterms.size());
  const int rows = static_cast<int>(chart.primes.size());
  auto colX = [&](int j) { return g.cellsLeft + j * kCell; };
  auto rowY = [&](int p) { return g.header + p * kCell; };

  for (int p = 0; p < rows; ++p)
    if (chart.essential[static_cast<size_t>(p)])
      fill(s, 0, rowY(p) + 15, right, rowY(p) + kCell - 15, kYellow);
  for (int j = 0; j < cols; ++j)
    if (chart.essentialBy[static_cast<size_t>(j)] >= 0)
      fill(s, colX(j) + 15, 0, colX(j) + kCell - 15, g.header - 15, kYellow);

  for (int p = 0; p <= rows; ++p) s.line(0, rowY(p), right, rowY(p), p ? kLightGrey : kBlack);
  for (int j = 0; j <= cols; ++j) s.line(colX(j), 0, colX(j), bottom, j ? kLightGrey : kBlack);

  for (int j = 0; j < cols; ++j) {
    const int m = chart.minterms[static_cast<size_t>(j)];
    const bool key = chart.essentialBy[static_cast<size_t>(j)] >= 0;
    const std::string number = std::to_string(m);
    s.text(colX(j) + std::max(10, (kCell - static_cast<int>(number.size()) * 75) / 2), 60, number,
           key ? kLightRed : kBlack, 7);
    const std::string bits = rowBits(m, chart.n);
    for (int k = 0; k < chart.n; ++k)
      s.text(colX(j) + 100, kNumberHeight + k * kBitHeight, std::string(1, bits[k]), kBlack, 8);
  }
  for (int p = 0; p < rows; ++p) {
    const int y = rowY(p);
    const bool inCover = std::binary_search(marked.begin(), marked.end(), p);
    if (inCover) disk(s, kMarkColumn / 2, y + kCell / 2, 75, kLightBlue);
    s.text(kMarkColumn + 40, y + 50, primeLabel(p), kBlack, 9);
    drawTerm(s, chart.primes[static_cast<size_t>(p)].text(chart.n), kMarkColumn + kLabelColumn,
             y + 50);
    for (int j = 0; j < cols; ++j) {
      if (!chart.covers(p, j)) continue;
      const int cx = colX(j) + kCell / 2;
      const int cy = y + kCell / 2;
      if (chart.essentialBy[static_cast<size_t>(j)] == p)
        disk(s, cx, cy, 90, kLightRed);
      else if (inCover)
        disk(s, cx, cy, 75, kBlack);
      else
        s.circle(cx, cy, 75, kBlack);
    }
  }
}

}  // namespace ronri
