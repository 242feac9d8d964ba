#pragma once
// A Surface that keeps every drawing call in order, so a drawing can be drawn
// again on another surface (a file, the clipboard, a printer).
#include <string>
#include <vector>

#include "core/draw/surface.h"

namespace ronri {

struct DrawOp {
  enum Kind { Line, Rectangle, Circle, Picture, Text, Erase } kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle: centre x1, y1 and radius x2
  int color = 0;
  std::string str;  // picture name or text
  double pointSize = 0;
  TextFace face = TextFace::Caption;  // of a text
};

class DisplayList : public Surface {
 public:
  void line(int x1, int y1, int x2, int y2, int color) override;
  void rectangle(int x1, int y1, int x2, int y2, int color) override;
  void circle(int x, int y, int r, int color) override;
  void picture(std::string_view name, int x, int y) override;
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face = TextFace::Caption) override;
  void erase(int x1, int y1, int x2, int y2) override;

  // Keeps a call as it stands.
  void append(const DrawOp& op) { ops_.push_back(op); }
  // Draws every kept call on `target`, in order.
  void replay(Surface& target) const;
  const std::vector<DrawOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }

 private:
  std::vector<DrawOp> ops_;
};

}  // namespace ronri
