#pragma once
// The geometric faults a reader would stumble over in a drawing of circles,
// lines and texts (state diagrams, implication tables): texts on one another,
// a line or a circle through a text, circles that touch, a line through a
// circle rather than ending at its edge. Texts are measured in the expression
// face, as those drawings write them.
#include <string>
#include <vector>

#include "support/recording_surface.h"

namespace ronri::test {

// Empty for a sound drawing; otherwise one line per fault.
std::vector<std::string> drawingFaults(const std::vector<DrawCall>& calls);

}  // namespace ronri::test
