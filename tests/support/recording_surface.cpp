#include "support/recording_surface.h"

namespace ronri::test {

std::string describe(const DrawCall& c) {
  auto n = [](int v) { return std::to_string(v); };
  switch (c.kind) {
    case DrawCall::Line:
      return "line " + n(c.x1) + "," + n(c.y1) + "-" + n(c.x2) + "," + n(c.y2) + " c" + n(c.color);
    case DrawCall::Rectangle:
      return "rect " + n(c.x1) + "," + n(c.y1) + "-" + n(c.x2) + "," + n(c.y2) + " c" + n(c.color);
    case DrawCall::Circle:
      return "circle " + n(c.x1) + "," + n(c.y1) + " r" + n(c.x2) + " c" + n(c.color);
    case DrawCall::Picture:
      return "picture " + c.str + " " + n(c.x1) + "," + n(c.y1);
    case DrawCall::Text:
      return "text " + n(c.x1) + "," + n(c.y1) + " \"" + c.str + "\" c" + n(c.color);
    case DrawCall::Erase:
      return "erase " + n(c.x1) + "," + n(c.y1) + "-" + n(c.x2) + "," + n(c.y2);
  }
  return {};
}

void RecordingSurface::line(int x1, int y1, int x2, int y2, int color) {
  calls.push_back({DrawCall::Line, x1, y1, x2, y2, color, {}, 0});
}
void RecordingSurface::rectangle(int x1, int y1, int x2, int y2, int color) {
  calls.push_back({DrawCall::Rectangle, x1, y1, x2, y2, color, {}, 0});
}
void RecordingSurface::circle(int x, int y, int r, int color) {
  calls.push_back({DrawCall::Circle, x, y, r, 0, color, {}, 0});
}
void RecordingSurface::picture(std::string_view name, int x, int y) {
  calls.push_back({DrawCall::Picture, x, y, 0, 0, 0, std::string(name), 0});
}
void RecordingSurface::text(int x, int y, std::string_view utf8, int color, double pointSize,
                            TextFace) {
  calls.push_back({DrawCall::Text, x, y, 0, 0, color, std::string(utf8), pointSize});
}
void RecordingSurface::erase(int x1, int y1, int x2, int y2) {
  calls.push_back({DrawCall::Erase, x1, y1, x2, y2, kBackground, {}, 0});
}

std::vector<DrawCall> RecordingSurface::of(DrawCall::Kind kind) const {
  std::vector<DrawCall> out;
  for (const auto& c : calls)
    if (c.kind == kind) out.push_back(c);
  return out;
}

std::string RecordingSurface::dump() const {
  std::string out;
  for (const auto& c : calls) out += describe(c) + "\n";
  return out;
}

}  // namespace ronri::test
