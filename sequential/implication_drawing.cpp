// The staircase grid of the implication table through the Surface.
#include "sequential/implication_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/draw/text_box.h"

namespace ronri::seq {

namespace {

constexpr int kMargin = 120;
constexpr int kPad = 80;
constexpr int kMark = 180;  // the side of the small cross
constexpr int kMinCell = 600;
constexpr int kGrey = 8;
constexpr int kCrossColor = 4;  // red
constexpr int kPairsPerLine = 2;

std::vector<std::string> cellLines(const Machine& m, const ImplicationCell& c) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < c.implied.size(); i += kPairsPerLine) {
    std::string line;
    for (size_t k = i; k < c.implied.size() && k < i + kPairsPerLine; ++k)
      line += (line.empty() ? "" : " ") + pairText(m, c.implied[k]);
    lines.push_back(line);
  }
  return lines;
}

int lineHeight() {
  return int(textBox("S", kImplicationPoint).height);
}

void cross(Surface& s, int x1, int y1, int x2, int y2) {
  s.line(x1, y1, x2, y2, kCrossColor);
  s.line(x1, y2, x2, y1, kCrossColor);
}

}  // namespace

std::string pairText(const Machine& m, StatePair p) {
  return m.names[size_t(p.first)] + "-" + m.names[size_t(p.second)];
}

DrawingSize drawImplicationTable(Surface& s, const Machine& m, const Reduction& r, int upToPass) {
  const int n = m.states();
  if (n < 2 || r.cells.empty()) return {};
  // One size for every cell: the widest and tallest list of implied pairs.
  int cellW = kMinCell, cellH = kMinCell;
  for (const ImplicationCell& c : r.cells) {
    const std::vector<std::string> lines = cellLines(m, c);
    int w = 0;
    for (const std::string& l : lines) w = std::max(w, int(textBox(l, kImplicationPoint).width));
    cellW = std::max(cellW, w + 3 * kPad + kMark);
    cellH = std::max(cellH, int(lines.size()) * lineHeight() + 2 * kPad);
  }
  int nameW = 0;
  for (const std::string& name : m.names)
    nameW = std::max(nameW, int(textBox(name, kImplicationPoint).width));
  const int x0 = kMargin + nameW + kPad, y0 = kMargin;
  for (const ImplicationCell& c : r.cells) {
    const int x = x0 + c.pair.first * cellW, y = y0 + (c.pair.second - 1) * cellH;
    s.rectangle(x, y, x + cellW, y + cellH, kBlack);
    const bool crossed = c.crossedInPass >= 0 && c.crossedInPass <= upToPass;
    if (crossed && c.crossedInPass == 0) {
      cross(s, x + kPad, y + kPad, x + cellW - kPad, y + cellH - kPad);
      continue;
    }
    const std::vector<std::string> lines = cellLines(m, c);
    for (size_t i = 0; i < lines.size(); ++i)
      s.text(x + kPad, y + kPad + int(i) * lineHeight(), lines[i], crossed ? kGrey : kBlack,
             kImplicationPoint, TextFace::Expression);
    if (crossed) cross(s, x + cellW - kPad - kMark, y + kPad, x + cellW - kPad, y + kPad + kMark);
  }
  const int h = lineHeight();
  for (int j = 1; j < n; ++j)
    s.text(kMargin, y0 + (j - 1) * cellH + (cellH - h) / 2, m.names[size_t(j)], kBlack,
           kImplicationPoint, TextFace::Expression);
  const int labelsY = y0 + (n - 1) * cellH + kPad;
  for (int i = 0; i + 1 < n; ++i) {
    const int w = int(textBox(m.names[size_t(i)], kImplicationPoint).width);
    s.text(x0 + i * cellW + (cellW - w) / 2, labelsY, m.names[size_t(i)], kBlack, kImplicationPoint,
           TextFace::Expression);
  }
  return {x0 + (n - 1) * cellW + kMargin, labelsY + h + kMargin};
}

}  // namespace ronri::seq
