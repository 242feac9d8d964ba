#pragma once
// A Surface that draws nothing and remembers the extent of what it was asked
// to draw, so a fuzz target can check that drawings stay in their area.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "core/draw/surface.h"

namespace ronri::fuzz {

class BoundsSurface : public Surface {
 public:
  int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
  long calls = 0;
  std::vector<std::string> texts;  // text() calls, in order

  void line(int x1, int y1, int x2, int y2, int) override {
    point(x1, y1);
    point(x2, y2);
  }
  void rectangle(int x1, int y1, int x2, int y2, int) override {
    point(x1, y1);
    point(x2, y2);
  }
  void circle(int x, int y, int r, int) override {
    point(x - r, y - r);
    point(x + r, y + r);
  }
  void picture(std::string_view name, int x, int y) override {
    point(x, y);
    pictures.emplace_back(name);
  }
  void text(int x, int y, std::string_view utf8, int, double, TextFace) override {
    point(x, y);
    texts.emplace_back(utf8);
  }
  void erase(int x1, int y1, int x2, int y2) override {
    point(x1, y1);
    point(x2, y2);
  }
  std::vector<std::string> pictures;

 private:
  void point(int x, int y) {
    ++calls;
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
  }
};

}  // namespace ronri::fuzz
