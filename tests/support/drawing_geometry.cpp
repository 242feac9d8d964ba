#include "support/drawing_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/draw/text_box.h"

namespace ronri::test {

namespace {

struct Box {
  double l, t, r, b;
  std::string what;
};
struct Seg {
  double x1, y1, x2, y2;
};
struct Ring {
  double x, y, r;
};

// A circle's outline may pass this close to where a line ends on it.
constexpr double kEdgeSlack = 40;

bool meets(const Box& a, const Box& b) {
  return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

// Whether the segment has a point strictly inside the box (Liang-Barsky).
bool crosses(const Seg& s, const Box& b) {
  double t0 = 0, t1 = 1;
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - b.l, b.r - s.x1, s.y1 - b.t, b.b - s.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
  }
  return t0 < t1;
}

double distanceToSegment(const Seg& s, double px, double py) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, len2 = dx * dx + dy * dy;
  const double t =
      len2 == 0 ? 0 : std::clamp(((px - s.x1) * dx + (py - s.y1) * dy) / len2, 0.0, 1.0);
  return std::hypot(s.x1 + t * dx - px, s.y1 + t * dy - py);
}

std::string at(double x, double y) {
  return "(" + std::to_string(int(x)) + "," + std::to_string(int(y)) + ")";
}

// Whether a circle's outline passes through the box: some of the box lies
// inside the circle and some outside.
bool ringThrough(const Ring& c, const Box& b) {
  double far = 0;
  for (double x : {b.l, b.r})
    for (double y : {b.t, b.b}) far = std::max(far, std::hypot(x - c.x, y - c.y));
  const double nx = std::clamp(c.x, b.l, b.r), ny = std::clamp(c.y, b.t, b.b);
  return far > c.r && std::hypot(nx - c.x, ny - c.y) < c.r;
}

}  // namespace

std::vector<std::string> drawingFaults(const std::vector<DrawCall>& calls) {
  std::vector<Box> texts;
  std::vector<Seg> segs;
  std::vector<Ring> rings;
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Text) {
      const TextBox t = textBox(c.str, c.pointSize);
      texts.push_back({double(c.x1), double(c.y1), c.x1 + t.width, c.y1 + t.height,
                       "text \"" + c.str + "\" at " + at(c.x1, c.y1)});
    } else if (c.kind == DrawCall::Line) {
      segs.push_back({double(c.x1), double(c.y1), double(c.x2), double(c.y2)});
    } else if (c.kind == DrawCall::Rectangle) {
      const double l = c.x1, t = c.y1, r = c.x2, b = c.y2;
      segs.insert(segs.end(), {{l, t, r, t}, {r, t, r, b}, {r, b, l, b}, {l, b, l, t}});
    } else if (c.kind == DrawCall::Circle) {
      rings.push_back({double(c.x1), double(c.y1), double(c.x2)});
    }
  }
  std::vector<std::string> faults;
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = i + 1; j < texts.size(); ++j)
      if (meets(texts[i], texts[j])) faults.push_back(texts[i].what + " overlaps " + texts[j].what);
    for (const Seg& s : segs)
      if (crosses(s, texts[i]))
        faults.push_back("line " + at(s.x1, s.y1) + "-" + at(s.x2, s.y2) + " through " +
                         texts[i].what);
    for (const Ring& c : rings)
      if (ringThrough(c, texts[i]))
        faults.push_back("circle at " + at(c.x, c.y) + " through " + texts[i].what);
  }
  for (size_t i = 0; i < rings.size(); ++i) {
    for (size_t j = i + 1; j < rings.size(); ++j)
      if (std::hypot(rings[i].x - rings[j].x, rings[i].y - rings[j].y) <= rings[i].r + rings[j].r)
        faults.push_back("circles at " + at(rings[i].x, rings[i].y) + " and " +
                         at(rings[j].x, rings[j].y) + " touch");
    for (const Seg& s : segs)
      if (distanceToSegment(s, rings[i].x, rings[i].y) < rings[i].r - kEdgeSlack)
        faults.push_back("line " + at(s.x1, s.y1) + "-" + at(s.x2, s.y2) + " into the circle at " +
                         at(rings[i].x, rings[i].y));
  }
  return faults;
}

}  // namespace ronri::test
