// The cells of a term on the map and the outline drawn around them.
#include "kmap/outline.h"

#include <algorithm>
#include <vector>

#include "core/expression/expression.h"
#include "kmap/geometry.h"

namespace ronri::kmap {

namespace {

// Positions (Gray order) on an axis whose codes agree with the fixed bits
// (-1 free, else 0 or 1, one entry per axis variable).
unsigned matching(const std::vector<int>& fixed) {
  const int bits = int(fixed.size());
  unsigned mask = 0;
  for (int pos = 0; pos < (1 << bits); ++pos) {
    const std::string code = grayCode(pos, bits);
    bool ok = true;
    for (int i = 0; i < bits; ++i)
      if (fixed[std::size_t(i)] >= 0 && code[std::size_t(i)] - '0' != fixed[std::size_t(i)])
        ok = false;
    if (ok) mask |= 1u << pos;
  }
  return mask;
}

struct Run {
  int first, last;
};

std::vector<Run> runsOf(unsigned mask, int count) {
  std::vector<Run> runs;
  for (int i = 0; i < count; ++i) {
    if (!(mask & (1u << i))) continue;
    if (!runs.empty() && runs.back().last == i - 1)
      runs.back().last = i;
    else
      runs.push_back({i, i});
  }
  return runs;
}

enum class Form { Run, Wrap, TwoPieces, ThreePieces };

struct ColumnForm {
  Form form = Form::Run;
  int x1 = 0, x2 = 0, x3 = 0, x4 = 0, left = 0, right = 0;
  bool outer = false;  // wraps around the map's edges, not a block's
};

ColumnForm columnForm(unsigned mask, int columns) {
  ColumnForm f;
  const std::vector<Run> runs = runsOf(mask, columns);
  const int lastColumn = columns - 1;
  if (runs.size() == 2 && runs[0].first % 4 == 0 && runs[1].last == runs[0].first + 3) {
    // Both ends of one 4 x 4 block: open towards that block's edges.
    f.form = Form::Wrap;
    f.x1 = outlineRight(runs[0].last);
    f.x2 = outlineLeft(runs[1].first);
    f.left = outlineLeft(runs[0].first) - 100;
    f.right = outlineRight(runs[1].last) + 100;
    f.outer = columns == 4;
  } else if (runs.size() == 2 && runs[0].first == 0 && runs[1].last == lastColumn) {
    f.form = Form::Wrap;
    f.x1 = outlineRight(runs[0].last);
    f.x2 = outlineLeft(runs[1].first);
    f.left = outlineLeft(0) - 100;
    f.right = outlineRight(lastColumn) + 100;
    f.outer = true;
  } else if (runs.size() == 2) {
    f.form = Form::TwoPieces;
    f.x1 = outlineLeft(runs[0].first);
    f.x3 = outlineRight(runs[0].last);
    f.x4 = outlineLeft(runs[1].first);
    f.x2 = outlineRight(runs[1].last);
  } else if (runs.size() == 3 && runs[0].first == 0 && runs[2].last == lastColumn) {
    f.form = Form::ThreePieces;
    f.x1 = outlineRight(runs[0].last);
    f.x3 = outlineLeft(runs[1].first);
    f.x4 = outlineRight(runs[1].last);
    f.x2 = outlineLeft(runs[2].first);
    f.left = outlineLeft(0) - 100;
    f.right = outlineRight(lastColumn) + 100;
    f.outer = true;
  } else if (!runs.empty()) {
    // Every term gives one of the forms above; anything else gets the hull.
    f.x1 = outlineLeft(runs.front().first);
    f.x2 = outlineRight(runs.back().last);
  }
  return f;
}

}  // namespace

GroupCells groupCells(std::string_view term, int variables) {
  const MapShape& m = mapShape(variables);
  std::vector<int> fixed(std::size_t(variables), -1);
  GroupCells g;
  bool inRows = false;
  for (char c : term) {
    const int v = variableOf(c, variables);
    if (v < 0 || fixed[std::size_t(v)] >= 0 || (inRows && v < m.maxA)) {
      g.error = true;
      break;
    }
    if (v >= m.maxA) inRows = true;
    fixed[std::size_t(v)] = isVariable(c) ? 1 : 0;
  }
  g.columns = matching({fixed.begin(), fixed.begin() + m.maxA});
  g.rows = matching({fixed.begin() + m.maxA, fixed.end()});
  return g;
}

Outline outlineOf(const GroupCells& cells, int variables) {
  const MapShape& m = mapShape(variables);
  const ColumnForm c = columnForm(cells.columns, m.columns);
  const std::vector<Run> rowRuns = runsOf(cells.rows, m.rows);
  const bool rowWrap = rowRuns.size() == 2;

  Outline o;
  o.x1 = c.x1;
  o.x2 = c.x2;
  o.x3 = c.x3;
  o.x4 = c.x4;
  o.left = c.left;
  o.right = c.right;
  if (rowWrap) {
    o.y1 = outlineBottom(rowRuns[0].last);
    o.y2 = outlineTop(rowRuns[1].first);
  } else if (!rowRuns.empty()) {
    o.y1 = outlineTop(rowRuns[0].first);
    o.y2 = outlineBottom(rowRuns[0].last);
  }

  switch (c.form) {
    case Form::Run:
      o.kind = rowWrap ? OutlineKind::VerticalWrap : OutlineKind::Box;
      o.left = o.right = 0;
      break;
    case Form::Wrap:
      o.kind = rowWrap ? OutlineKind::Corners : OutlineKind::EdgeWrap;
      // The five-variable corners stop their right arms at the map's last column.
      if (rowWrap && c.outer && m.columns == 8) o.right = outlineRight(7);
      break;
    case Form::TwoPieces:
      o.kind = rowWrap ? OutlineKind::TwoPiecesWrap : OutlineKind::TwoPieces;
      break;
    case Form::ThreePieces:
      o.kind = rowWrap ? OutlineKind::CornersMiddle : OutlineKind::ThreePieces;
      if (rowWrap) o.right = outlineRight(7);
      break;
  }
  return o;
}

namespace {

void dashes(Surface& s, const Outline& o, int color) {
  for (int x = o.x3; x <= o.x4; x += 100) {
    s.line(x, o.y1, x + 50, o.y1, color);
    s.line(x, o.y2, x + 50, o.y2, color);
  }
}

void verticalWrap(Surface& s, int x1, int x2, int y1, int y2, int color) {
  s.line(x1, y1, x1, kArmTop, color);
  s.line(x1, y1, x2, y1, color);
  s.line(x2, y1, x2, kArmTop, color);
  s.line(x1, y2, x1, kArmBottom, color);
  s.line(x1, y2, x2, y2, color);
  s.line(x2, y2, x2, kArmBottom, color);
}

void edgeWrap(Surface& s, const Outline& o, int color) {
  s.line(o.x1, o.y1, o.left, o.y1, color);
  s.line(o.x1, o.y1, o.x1, o.y2, color);
  s.line(o.x1, o.y2, o.left, o.y2, color);
  s.line(o.x2, o.y1, o.right, o.y1, color);
  s.line(o.x2, o.y1, o.x2, o.y2, color);
  s.line(o.x2, o.y2, o.right, o.y2, color);
}

void corners(Surface& s, const Outline& o, int color) {
  s.line(o.x1, o.y1, o.x1, kArmTop, color);
  s.line(o.x1, o.y1, o.left, o.y1, color);
  s.line(o.x2, o.y1, o.x2, kArmTop, color);
  s.line(o.x2, o.y1, o.right, o.y1, color);
  s.line(o.x1, o.y2, o.x1, kArmBottom, color);
  s.line(o.x1, o.y2, o.left, o.y2, color);
  s.line(o.x2, o.y2, o.x2, kArmBottom, color);
  s.line(o.x2, o.y2, o.right, o.y2, color);
}

}  // namespace

namespace {

// Every line and rectangle once more, a pixel (15 twips) further right and
// down, or inside for a rectangle.
class WideLines : public Surface {
 public:
  explicit WideLines(Surface& s) : s_(s) {}
  void line(int x1, int y1, int x2, int y2, int color) override {
    s_.line(x1, y1, x2, y2, color);
    const int dx = x1 == x2 ? 15 : 0, dy = x1 == x2 ? 0 : 15;
    s_.line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, color);
  }
  void rectangle(int x1, int y1, int x2, int y2, int color) override {
    s_.rectangle(x1, y1, x2, y2, color);
    s_.rectangle(std::min(x1, x2) + 15, std::min(y1, y2) + 15, std::max(x1, x2) - 15,
                 std::max(y1, y2) - 15, color);
  }
  void circle(int x, int y, int r, int color) override { s_.circle(x, y, r, color); }
  void picture(std::string_view name, int x, int y) override { s_.picture(name, x, y); }
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face) override {
    s_.text(x, y, utf8, color, pointSize, face);
  }
  void erase(int x1, int y1, int x2, int y2) override { s_.erase(x1, y1, x2, y2); }

 private:
  Surface& s_;
};

}  // namespace

void drawOutline(Surface& target, const Outline& o, int color, bool wide) {
  WideLines wideLines(target);
  Surface& s = wide ? static_cast<Surface&>(wideLines) : target;
  switch (o.kind) {
    case OutlineKind::Box:
      s.rectangle(o.x1, o.y1, o.x2, o.y2, color);
      s.rectangle(o.x1 + 10, o.y1 + 10, o.x2 - 10, o.y2 - 10, color);
      break;
    case OutlineKind::EdgeWrap:
      edgeWrap(s, o, color);
      break;
    case OutlineKind::TwoPieces:
      s.line(o.x1, o.y1, o.x3, o.y1, color);
      s.line(o.x1, o.y2, o.x3, o.y2, color);
      s.line(o.x1, o.y1, o.x1, o.y2, color);
      s.line(o.x4, o.y1, o.x2, o.y1, color);
      s.line(o.x4, o.y2, o.x2, o.y2, color);
      s.line(o.x2, o.y1, o.x2, o.y2, color);
      dashes(s, o, color);
      break;
    case OutlineKind::ThreePieces:
      edgeWrap(s, o, color);
      s.rectangle(o.x3, o.y1, o.x4, o.y2, color);
      break;
    case OutlineKind::VerticalWrap:
      verticalWrap(s, o.x1, o.x2, o.y1, o.y2, color);
      break;
    case OutlineKind::Corners:
      corners(s, o, color);
      break;
    case OutlineKind::CornersMiddle:
      corners(s, o, color);
      verticalWrap(s, o.x3, o.x4, o.y1, o.y2, color);
      break;
    case OutlineKind::TwoPiecesWrap:
      // Each piece keeps its outer side and its edge towards the unwrapped
      // rows; the dashes join the pieces as in the unwrapped shape.
      s.line(o.x1, o.y1, o.x1, kArmTop, color);
      s.line(o.x1, o.y1, o.x3, o.y1, color);
      s.line(o.x1, o.y2, o.x1, kArmBottom, color);
      s.line(o.x1, o.y2, o.x3, o.y2, color);
      s.line(o.x2, o.y1, o.x2, kArmTop, color);
      s.line(o.x4, o.y1, o.x2, o.y1, color);
      s.line(o.x2, o.y2, o.x2, kArmBottom, color);
      s.line(o.x4, o.y2, o.x2, o.y2, color);
      dashes(s, o, color);
      break;
  }
}

void drawWholeMap(Surface& target, int variables, int color, bool wide) {
  WideLines wideLines(target);
  Surface& s = wide ? static_cast<Surface&>(wideLines) : target;
  const MapShape& m = mapShape(variables);
  const int x2 = outlineRight(m.columns - 1);
  const int y2 = outlineBottom(m.rows - 1);
  s.rectangle(outlineLeft(0), outlineTop(0), x2, y2, color);
  s.rectangle(outlineLeft(0) + 10, outlineTop(0) + 10, x2 - 10, y2 - 10, color);
}

}  // namespace ronri::kmap
