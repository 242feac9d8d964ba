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
  // What a reader of the picture would stumble over, though the circuit may
  // still be right: gates that touch, a wire over a gate or through a text,
  // texts on one another or cut off, a junction mark off its drop or wire.
  std::vector<std::string> geometry;
  std::vector<ReadGate> gates;
  // Per net: what drives it: 'a'..'j', 'n'..'w' for a bus, or '#' with driverGate.
  std::vector<char> driverKind;
  std::vector<int> driverGate;
  int outputNet = -1;

  // With ReadOptions::severalOutputs: the net at each output end, -1 where none or several.
  std::vector<int> outputNets;

  // The value of the output for every row of n variables (a most significant),
  // '0' or '1'; '?' when the graph cannot be evaluated.
  std::vector<char> truthTable(int n) const;
  // The same for any net.
  std::vector<char> valuesOf(int n, int net) const;
};

// Rectangles are boxes (flip-flops): wires end on their edges, texts and the
// slanted lines of their symbols (a clock triangle) stay inside.
// Drawings of several outputs (the two-level circuit): where each output
// wire ends, and marks that join a branch to a vertical wire of its own
// signal (a fan-out) besides those on drop lines.
struct ReadOptions {
  bool severalOutputs = false;
  std::vector<std::pair<int, int>> outputEnds;
  bool fanOutMarks = false;
  // The drawing writes the bus names itself (they are checked as its texts).
  bool busNamesDrawn = false;
  // Wire ends fed from outside the gates (a clock, an input tied to 0 or 1).
  std::vector<std::pair<int, int>> sourceEnds;
};

// A text the window shows over the drawing (the caption), in twips.
struct TextArea {
  int x = 0, y = 0, width = 0, height = 0;
  std::string what;
};

// The buses (drawn by the window) are those of the first n variables, moved
// by the pan offsets like the engine's drawing; at home their names stand
// left of them. `shown` are the window's other texts over the drawing.
ReadDiagram readDiagram(const std::vector<DrawCall>& calls, int n, int panX = 0, int panY = 0,
                        const std::vector<TextArea>& shown = {}, const ReadOptions& options = {});

// The circuit the engine draws for a reverse Polish text of n variables (two-
// input gates or up to four), read back: its output column as "0110...", or
// "drawing: " and the first problem of the drawing.
std::string drawnTable(const std::string& rpn, int n, bool twoInputs);

}  // namespace ronri::test
