#pragma once
// Drawing a laid-out state diagram through the Surface: circles, arrows with
// their heads, labels beside them, a Moore state's outputs in its circle.
#include "core/draw/surface.h"
#include "sequential/diagram_layout.h"

namespace ronri::seq {

void drawStateDiagram(Surface& s, const StateDiagram& d);

}  // namespace ronri::seq
