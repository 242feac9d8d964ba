// The tabulation: simplicity's recorded passes, put in groups, written out
// and drawn.
#include "core/cover/tabulation.h"

#include <algorithm>
#include <bit>

#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/table/table_export.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// Drawing sizes in twips.
constexpr int kHeader = 420;
constexpr int kRow = 270;
constexpr int kGroupWidth = 270;
constexpr int kMarkWidth = 480;
constexpr int kBitWidth = 115;  // a character of the fixed-pitch face
constexpr int kCharWidth = 100;
constexpr int kPad = 120;
constexpr int kGap = 240;
// A merged term of many rows shows its first ones and "…".
constexpr size_t kNumberChars = 30;
constexpr double kPoints = 9;
constexpr int kRed = 4;
constexpr int kGrey = 8;
constexpr int kLightGrey = 7;

// "5", "5 X", "(1,3,5,7)", "(0,1,2,3,…)": at most kNumberChars characters.
std::string numbersText(const TabulationTerm& t, int n, bool merged) {
  const std::vector<int> rows = t.term.rows(n);
  if (!merged) return std::to_string(rows.front()) + (t.dontCare ? " X" : "");
  std::string s = "(";
  for (size_t i = 0; i < rows.size(); ++i) {
    std::string next = (i ? "," : "") + std::to_string(rows[i]);
    if (s.size() + next.size() + 1 > kNumberChars - 2) {
      s += ",…";
      break;
    }
    s += next;
  }
  return s + ")";
}

std::string termDisplay(const TabulationTerm& t, int n) {
  const std::string letters = t.term.text(n);
  return letters.empty() ? std::string("1") : wordchange(layout(letters));
}

// Where the parts of each column start; the prime list is the last column.
struct Columns {
  struct Column {
    int x = 0;  // the group numbers
    int mark = 0, bits = 0, numbers = 0, expression = 0;
    int right = 0;
    size_t rows = 0;
  };
  std::vector<Column> columns;
  int width = 0;
  int height = 0;
};

Columns columnsOf(const Tabulation& t) {
  Columns c;
  const int n = t.n;
  const int digits = static_cast<int>(std::to_string((1 << n) - 1).size());
  const int bitsWidth = n * kBitWidth + kPad;
  // Room for the longest prime label ("P1170") or the tick.
  const int labelChars = 1 + static_cast<int>(std::to_string(t.primes.size()).size());
  const int markWidth = std::max(kMarkWidth, labelChars * kCharWidth + 2 * kPad);
  int x = kGap / 2;
  size_t most = t.primes.size();
  for (size_t p = 0; p < t.passes.size(); ++p) {
    Columns::Column col;
    col.x = x;
    col.mark = x + kGroupWidth;
    col.bits = col.mark + markWidth;
    col.numbers = col.bits + bitsWidth;
    // The longest numbers text the pass can have: 2^p numbers of up to
    // `digits` digits, or the cut-off text.
    const size_t count = size_t{1} << p;
    const size_t chars = p == 0
                             ? static_cast<size_t>(digits) + 2
                             : std::min(kNumberChars, 2 + count * static_cast<size_t>(digits + 1));
    col.right = col.numbers + static_cast<int>(chars) * kCharWidth + kPad;
    col.rows = t.passes[p].size();
    most = std::max(most, col.rows);
    c.columns.push_back(col);
    x = col.right + kGap;
  }
  if (!t.primes.empty()) {
    Columns::Column col;
    col.x = x;
    col.mark = x;
    col.bits = col.mark + markWidth;
    col.expression = col.bits + bitsWidth;
    col.numbers = col.expression + std::max(1, 3 * n) * kBitWidth + kPad;
    col.right = col.numbers + static_cast<int>(kNumberChars) * kCharWidth;
    col.rows = t.primes.size();
    c.columns.push_back(col);
    x = col.right + kGap / 2;
  }
  c.width = x;
  c.height = kHeader + static_cast<int>(most) * kRow + 15;
  return c;
}

void drawTick(Surface& s, int x, int y, int color) {
  s.line(x + 90, y + 140, x + 150, y + 210, color);
  s.line(x + 150, y + 210, x + 270, y + 50, color);
}

// In the fixed-pitch face, so the bits of a column stand under each other.
void drawBits(Surface& s, const std::string& bits, int x, int y) {
  s.text(x, y, bits, kBlack, kPoints, TextFace::Expression);
}

}  // namespace

Tabulation tabulate(std::string_view ones, const std::vector<int>& dontCares, int n) {
  Tabulation t;
  std::vector<std::string> patterns = splitTerms(ones);
  std::vector<char> isOne(size_t{1} << std::clamp(n, 0, 10), 0);
  for (int r : termRows(ones, n))
    if (static_cast<size_t>(r) < isOne.size()) isOne[static_cast<size_t>(r)] = 1;
  std::vector<char> isFree(isOne.size(), 0);
  for (int r : dontCares)
    if (r >= 0 && static_cast<size_t>(r) < isOne.size() && !isOne[static_cast<size_t>(r)])
      isFree[static_cast<size_t>(r)] = 1;
  const bool anyFree = std::find(isFree.begin(), isFree.end(), 1) != isFree.end();
  if (anyFree) {
    // The 1-rows and X rows merge together, in row order.
    patterns.clear();
    for (size_t r = 0; r < isOne.size(); ++r)
      if (isOne[r] || isFree[r]) patterns.push_back(Term::ofRow(static_cast<int>(r), n).text(n));
  }
  simplicityRecorded(patterns, t);
  if (t.passes.empty()) return t;

  for (TabulationTerm& entry : t.passes[0])
    entry.dontCare = isFree[static_cast<size_t>(entry.term.rows(n).front())] != 0;
  if (anyFree) {
    // A prime around X rows alone is never wanted: it is not listed.
    std::vector<std::pair<int, int>> listed;
    for (const auto& [pass, index] : t.primes) {
      TabulationTerm& entry = t.passes[static_cast<size_t>(pass)][static_cast<size_t>(index)];
      const std::vector<int> rows = entry.term.rows(n);
      const bool coversOne = std::any_of(rows.begin(), rows.end(),
                                         [&](int r) { return isOne[static_cast<size_t>(r)]; });
      entry.prime = coversOne ? static_cast<int>(listed.size()) : -1;
      entry.onlyDontCares = !coversOne;
      if (coversOne) listed.push_back({pass, index});
    }
    t.primes = std::move(listed);
  }

  for (const auto& pass : t.passes) {
    std::vector<int> order(pass.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return pass[static_cast<size_t>(a)].term.ones() < pass[static_cast<size_t>(b)].term.ones();
    });
    t.shown.push_back(std::move(order));
  }
  return t;
}

std::string tabulationCsv(const Tabulation& t, const std::vector<std::string>& headers) {
  std::string out;
  for (size_t i = 0; i < headers.size(); ++i) out += (i ? "," : "") + csvField(headers[i]);
  out += "\r\n";
  for (size_t p = 0; p < t.shown.size(); ++p) {
    for (int index : t.shown[p]) {
      const TabulationTerm& entry = t.passes[p][static_cast<size_t>(index)];
      std::string rows;
      for (int r : entry.term.rows(t.n)) rows += (rows.empty() ? "" : ",") + std::to_string(r);
      out += std::to_string(p + 1) + "," + std::to_string(entry.term.ones()) + "," +
             entry.term.pattern(t.n) + "," + csvField(termDisplay(entry, t.n)) + "," +
             csvField(rows) + "," + (entry.ticked ? "1" : "") + "," +
             (entry.prime >= 0 ? "P" + std::to_string(entry.prime + 1) : "") + "," +
             (entry.dontCare ? "1" : "") + "\r\n";
    }
  }
  return out;
}

TabulationSize tabulationSize(const Tabulation& t) {
  const Columns c = columnsOf(t);
  return {c.width, c.height, kHeader};
}

void drawTabulation(const Tabulation& t, const TabulationCaptions& captions, Surface& s,
                    TwipsArea area) {
  const Columns c = columnsOf(t);
  if (area.right <= area.left || area.bottom <= area.top) area = {0, 0, c.width, c.height};
  const int top = std::max(area.top, 0);
  const int bottom = std::min(area.bottom, c.height);
  if (top >= bottom) return;
  // The rows that reach into the area, one more on each side.
  const auto firstRow = static_cast<size_t>(std::max(0, (top - kHeader) / kRow - 1));
  const auto endRow = static_cast<size_t>(std::max(0, (bottom - kHeader) / kRow + 2));

  if (top < kHeader) s.line(0, kHeader - 15, c.width, kHeader - 15, kBlack);
  for (size_t col = 0; col < c.columns.size(); ++col) {
    const Columns::Column& k = c.columns[col];
    if (k.right < area.left || k.x > area.right) continue;
    const bool primeList = col == t.passes.size();
    if (col > 0) s.line(k.x - kGap / 2, top, k.x - kGap / 2, bottom, kLightGrey);
    if (top < kHeader) {
      const std::string& caption = primeList                      ? captions.primes
                                   : col < captions.passes.size() ? captions.passes[col]
                                                                  : std::string();
      s.text(primeList ? k.mark : k.x, 90, caption, kBlack, kPoints);
    }
    const size_t end = std::min(endRow, k.rows);
    for (size_t row = firstRow; row < end; ++row) {
      const int y = kHeader + static_cast<int>(row) * kRow;
      const int ty = y + 30;
      if (primeList) {
        const auto [pass, index] = t.primes[row];
        const TabulationTerm& entry =
            t.passes[static_cast<size_t>(pass)][static_cast<size_t>(index)];
        s.text(k.mark + 30, ty, "P" + std::to_string(row + 1), kRed, kPoints);
        drawBits(s, entry.term.pattern(t.n), k.bits, ty);
        s.text(k.expression, ty, termDisplay(entry, t.n), kBlack, kPoints, TextFace::Expression);
        s.text(k.numbers, ty, numbersText(entry, t.n, pass > 0), kBlack, kPoints);
        continue;
      }
      const auto& order = t.shown[col];
      const TabulationTerm& entry = t.passes[col][static_cast<size_t>(order[row])];
      const int ones = entry.term.ones();
      if (row == 0 || t.passes[col][static_cast<size_t>(order[row - 1])].term.ones() != ones) {
        // A new group: its number of ones, and a rule above it.
        if (row > 0) s.line(k.x, y, k.right, y, kGrey);
        s.text(k.x + 30, ty, std::to_string(ones), kGrey, kPoints);
      }
      if (entry.ticked)
        drawTick(s, k.mark, y, kBlack);
      else if (entry.prime >= 0)
        s.text(k.mark + 30, ty, "P" + std::to_string(entry.prime + 1), kRed, kPoints);
      else if (entry.onlyDontCares)
        s.text(k.mark + 30, ty, "X", kGrey, kPoints);
      drawBits(s, entry.term.pattern(t.n), k.bits, ty);
      s.text(k.numbers, ty, numbersText(entry, t.n, col > 0), entry.dontCare ? kRed : kBlack,
             kPoints);
    }
  }
}

}  // namespace ronri
