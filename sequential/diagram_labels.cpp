// Moving a state diagram's labels off the lines and circles Graphviz let
// them touch.
#include "sequential/diagram_labels.h"

#include <algorithm>
#include <cmath>

#include "core/draw/text_box.h"

namespace ronri::seq {

namespace {

constexpr int kGap = 20;      // between a label and what it must not touch
constexpr int kStep = 40;     // the distance between places tried
constexpr int kReach = 1600;  // the farthest a label moves

struct Seg {
  double x1, y1, x2, y2;
};

// Whether the segment has a point inside the box grown by kGap (Liang-Barsky).
bool crosses(const Seg& s, const TextRoom& r) {
  const double l = r.left - kGap, t = r.top - kGap, rt = r.right + kGap, b = r.bottom + kGap;
  double t0 = 0, t1 = 1;
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - l, rt - s.x1, s.y1 - t, b - s.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;
      continue;
    }
    const double v = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, v);
    else
      t1 = std::min(t1, v);
  }
  return t0 < t1;
}

bool meets(const TextRoom& a, const TextRoom& b) {
  return a.left < b.right + kGap && b.left < a.right + kGap && a.top < b.bottom + kGap &&
         b.top < a.bottom + kGap;
}

bool touchesCircle(const DiagramState& c, const TextRoom& r) {
  const double nx = std::clamp<double>(c.x, r.left, r.right);
  const double ny = std::clamp<double>(c.y, r.top, r.bottom);
  return std::hypot(nx - c.x, ny - c.y) < c.radius + kGap;
}

std::vector<Seg> allLines(const StateDiagram& d) {
  std::vector<Seg> segs;
  for (const DiagramArrow& a : d.arrows) {
    for (size_t i = 1; i < a.path.size(); ++i)
      segs.push_back({double(a.path[i - 1].x), double(a.path[i - 1].y), double(a.path[i].x),
                      double(a.path[i].y)});
    if (a.path.empty()) continue;
    const DiagramPoint tip = a.path.back();
    for (DiagramPoint p : {a.headLeft, a.headRight})
      segs.push_back({double(p.x), double(p.y), double(tip.x), double(tip.y)});
  }
  return segs;
}

std::vector<TextRoom> rooms(const std::vector<DiagramText>& lines, int dx, int dy) {
  std::vector<TextRoom> out;
  for (DiagramText t : lines) {
    t.x += dx;
    t.y += dy;
    out.push_back(textRoom(t));
  }
  return out;
}

}  // namespace

TextRoom textRoom(const DiagramText& t) {
  const TextBox b = textBox(t.text, kDiagramPoint);
  const int left = t.x - int(b.width / 2), top = t.y - int(b.height / 2);
  return {left, top, left + int(b.width), top + int(b.height)};
}

void clearLabels(StateDiagram& d) {
  const std::vector<Seg> segs = allLines(d);
  std::vector<TextRoom> placed;  // the states' texts and the labels already settled
  for (const DiagramState& s : d.states)
    for (const DiagramText& t : s.lines) placed.push_back(textRoom(t));
  const auto clear = [&](const std::vector<TextRoom>& label) {
    for (const TextRoom& r : label) {
      if (r.left < kGap || r.top < kGap) return false;
      for (const Seg& s : segs)
        if (crosses(s, r)) return false;
      for (const DiagramState& c : d.states)
        if (touchesCircle(c, r)) return false;
      for (const TextRoom& p : placed)
        if (meets(p, r)) return false;
    }
    return true;
  };
  for (DiagramArrow& a : d.arrows) {
    if (a.label.empty()) continue;
    bool done = false;
    for (int reach = 0; reach <= kReach && !done; reach += kStep)
      // The places on the square ring `reach` away, nearest first.
      for (int k = 0; k <= reach && !done; k += kStep)
        for (const auto& [dx, dy] : {std::pair{k, -reach},
                                     {-k, -reach},
                                     {k, reach},
                                     {-k, reach},
                                     {reach, k},
                                     {reach, -k},
                                     {-reach, k},
                                     {-reach, -k}}) {
          const std::vector<TextRoom> r = rooms(a.label, dx, dy);
          if (!clear(r)) continue;
          for (DiagramText& t : a.label) {
            t.x += dx;
            t.y += dy;
          }
          placed.insert(placed.end(), r.begin(), r.end());
          for (const TextRoom& room : r) {  // the drawing grows to hold a label moved out
            d.width = std::max(d.width, room.right + kGap);
            d.height = std::max(d.height, room.bottom + kGap);
          }
          done = true;
          break;
        }
    if (!done) {
      const std::vector<TextRoom> r = rooms(a.label, 0, 0);
      placed.insert(placed.end(), r.begin(), r.end());
    }
  }
}

}  // namespace ronri::seq
