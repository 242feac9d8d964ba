#pragma once
// Keeping a state diagram's labels clear: a label that touches a line, an
// arrowhead, a circle or another text moves to the nearest clear place.
#include "sequential/diagram_layout.h"

namespace ronri::seq {

// The room a centred text takes, as the drawing writes it.
struct TextRoom {
  int left = 0, top = 0, right = 0, bottom = 0;
};
TextRoom textRoom(const DiagramText& t);

// Moves each arrow's label (all its lines together) by the smallest step that
// clears it, trying ever farther places up to a reach; a label nothing clears
// stays where Graphviz put it.
void clearLabels(StateDiagram& d);

}  // namespace ronri::seq
