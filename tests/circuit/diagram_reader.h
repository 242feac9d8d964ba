#pragma once
// Reads a recorded circuit drawing back as a person would look at it: gate
// pictures, wires that touch (end on one another or meet in a junction mark),
// drops to the buses of the variables, and the output wire. The result is a
// gate graph that can be evaluated, plus every place where the drawing is
// ambiguous or broken.
#include <string>
#include <vector>

#include "support/recording_surface.h"

namespace ronri::test {

struct ReadGate {
  char op = 0;  // picture operator: * + $ | @ % ~
  int x = 0, y = 0;
  std::vector<int> inputs;  // net numbers
  int output = -1;          // net number
};

struct ReadDiagram {
  std::vector<std::string> problems;  // empty for a sound drawing
  // Lines of another signal passing through a junction mark (the columns of
  // the last variables stand closer than a mark's radius).
  std::vector<std::string> junctionCrossings;
  std::vector<ReadGate> gates;
  // Per net: what drives it: 'a'..'j', 'n'..'w' for a bus, or '#' with driverGate.
  std::vector<char> driverKind;
  std::vector<int> driverGate;
  int outputNet = -1;

  // The value of the output for every row of n variables (a most significant),
  // '0' or '1'; '?' when the graph cannot be evaluated.
  std::vector<char> truthTable(int n) const;
};

// The buses (drawn by the window) are those of the first n variables, moved
// by the pan offsets like the engine's drawing.
ReadDiagram readDiagram(const std::vector<DrawCall>& calls, int n, int LR = 0, int OU = 0);

}  // namespace ronri::test
