// The shown truth table as CSV and as a drawing.
#include "core/table/table_export.h"

#include <algorithm>
#include <vector>

#include "core/expression/expression.h"
#include "core/table/truthtable.h"

namespace ronri {

namespace {

// The shown rows with their values, as the filter selects them.
template <class F>
void forShownRows(std::string_view rpn, int n, int mode, const std::vector<int>& dontCares, F&& f) {
  n = n < 1 ? 1 : (n > kMaxVariables ? kMaxVariables : n);
  std::vector<char> values = evaluateRows(rpn, n);
  for (int r : dontCares)
    if (r >= 0 && size_t(r) < values.size()) values[size_t(r)] = 'X';
  for (int r = 0; r < (1 << n); ++r) {
    const char v = values[size_t(r)];
    if (mode == kAll || v == char('0' + mode)) f(rowBits(r, n), v);
  }
}

constexpr int kCell = 360;  // column pitch in twips
constexpr int kLine = 300;  // row pitch in twips
constexpr int kLeft = 120;
constexpr int kTop = 120;
constexpr double kPoints = 11;

}  // namespace

std::string tableCsv(std::string_view rpn, int n, int mode, const std::vector<int>& dontCares) {
  std::string out;
  for (int k = 0; k < n && k < kMaxVariables; ++k) {
    out += plainLetter(k);
    out += ',';
  }
  out += "f\r\n";
  forShownRows(rpn, n, mode, dontCares, [&](const std::string& bits, char v) {
    for (char b : bits) {
      out += b;
      out += ',';
    }
    out += v;
    out += "\r\n";
  });
  return out;
}

void drawTable(Surface& s, std::string_view rpn, int n, int mode,
               const std::vector<int>& dontCares) {
  n = n < 1 ? 1 : (n > kMaxVariables ? kMaxVariables : n);
  const int valueX = kLeft + n * kCell + kCell / 2;
  for (int k = 0; k < n; ++k)
    s.text(kLeft + k * kCell, kTop, std::string(1, plainLetter(k)), kBlack, kPoints);
  s.text(valueX, kTop, "f", kBlack, kPoints);
  int y = kTop + kLine + 60;
  const int right = valueX + kCell;
  s.line(kLeft - 60, y - 30, right, y - 30, kBlack);
  int rows = 0;
  forShownRows(rpn, n, mode, dontCares, [&](const std::string& bits, char v) {
    for (int k = 0; k < n; ++k)
      s.text(kLeft + k * kCell, y, std::string(1, bits[size_t(k)]), kBlack, kPoints);
    s.text(valueX, y, std::string(1, v), kBlack, kPoints);
    y += kLine;
    ++rows;
  });
  s.line(valueX - kCell / 3, kTop, valueX - kCell / 3, kTop + (rows + 1) * kLine + 60, kBlack);
}

ShownColumns shownColumns(std::string_view rpn, int n, int mode,
                          const std::vector<int>& dontCares) {
  ShownColumns out;
  forShownRows(rpn, n, mode, dontCares, [&](const std::string& bits, char v) {
    out.column += assignmentLine(bits) + "\r\n";
    out.results += v;
  });
  return out;
}

std::string csvField(std::string_view s) {
  if (s.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(s);
  std::string q = "\"";
  for (char ch : s) {
    if (ch == '"') q += '"';
    q += ch;
  }
  return q + "\"";
}

}  // namespace ronri
