#include "core/draw/display_list.h"

namespace ronri {

void DisplayList::line(int x1, int y1, int x2, int y2, int color) {
  ops_.push_back({DrawOp::Line, x1, y1, x2, y2, color, {}, 0});
}
void DisplayList::rectangle(int x1, int y1, int x2, int y2, int color) {
  ops_.push_back({DrawOp::Rectangle, x1, y1, x2, y2, color, {}, 0});
}
void DisplayList::circle(int x, int y, int r, int color) {
  ops_.push_back({DrawOp::Circle, x, y, r, 0, color, {}, 0});
}
void DisplayList::picture(std::string_view name, int x, int y) {
  ops_.push_back({DrawOp::Picture, x, y, 0, 0, 0, std::string(name), 0});
}
void DisplayList::text(int x, int y, std::string_view utf8, int color, double pointSize,
                       TextFace face) {
  ops_.push_back({DrawOp::Text, x, y, 0, 0, color, std::string(utf8), pointSize, face});
}
void DisplayList::erase(int x1, int y1, int x2, int y2) {
  ops_.push_back({DrawOp::Erase, x1, y1, x2, y2, kBackground, {}, 0});
}

void DisplayList::replay(Surface& target) const {
  for (const DrawOp& op : ops_) {
    switch (op.kind) {
      case DrawOp::Line:
        target.line(op.x1, op.y1, op.x2, op.y2, op.color);
        break;
      case DrawOp::Rectangle:
        target.rectangle(op.x1, op.y1, op.x2, op.y2, op.color);
        break;
      case DrawOp::Circle:
        target.circle(op.x1, op.y1, op.x2, op.color);
        break;
      case DrawOp::Picture:
        target.picture(op.str, op.x1, op.y1);
        break;
      case DrawOp::Text:
        target.text(op.x1, op.y1, op.str, op.color, op.pointSize, op.face);
        break;
      case DrawOp::Erase:
        target.erase(op.x1, op.y1, op.x2, op.y2);
        break;
    }
  }
}

}  // namespace ronri
