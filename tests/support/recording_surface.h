#pragma once
// A Surface that remembers every call, so tests can assert drawings by meaning.
#include <ostream>
#include <string>
#include <vector>

#include "core/draw/surface.h"

namespace ronri::test {

struct DrawCall {
  enum Kind { Line, Rectangle, Circle, Picture, Text, Erase } kind;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle: x1, y1 centre, x2 radius
  int color = 0;
  std::string str;  // picture name or text
  double pointSize = 0;

  bool operator==(const DrawCall&) const = default;
};

std::string describe(const DrawCall& c);
// gtest prints a call as describe() does.
inline void PrintTo(const DrawCall& c, std::ostream* os) {
  *os << describe(c);
}

class RecordingSurface : public Surface {
 public:
  std::vector<DrawCall> calls;

  void line(int x1, int y1, int x2, int y2, int color) override;
  void rectangle(int x1, int y1, int x2, int y2, int color) override;
  void circle(int x, int y, int r, int color) override;
  void picture(std::string_view name, int x, int y) override;
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face = TextFace::Caption) override;
  void erase(int x1, int y1, int x2, int y2) override;

  std::vector<DrawCall> of(DrawCall::Kind kind) const;
  // One call per line, "line 1,2-3,4 c0" and so on: handy in failure output.
  std::string dump() const;
  void clear() { calls.clear(); }
};

}  // namespace ronri::test
