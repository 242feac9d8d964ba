#pragma once
// Where the parts of a state diagram go: the states as circles, one arrow per
// pair of states with the inputs (and Mealy outputs) that take it, laid out by
// Graphviz's dot. Everything is in twips, y downward, ready to be drawn.
#include <string>
#include <vector>

#include "sequential/machine.h"

namespace ronri::seq {

struct DiagramPoint {
  int x = 0, y = 0;
};

// One line of text centred on (x, y).
struct DiagramText {
  std::string text;
  int x = 0, y = 0;
};

struct DiagramState {
  int x = 0, y = 0, radius = 0;
  std::vector<DiagramText> lines;  // the name, then a Moore state's outputs
};

struct DiagramArrow {
  int from = -1;  // -1: the arrow that marks the reset state
  int to = 0;
  std::vector<DiagramPoint> path;    // from the tail to the tip, as straight pieces
  DiagramPoint headLeft, headRight;  // the arrowhead's strokes end here and at the tip
  std::vector<DiagramText> label;    // one text per line; none for a counter's arrows
};

enum class DiagramProblem {
  None,
  Unsound,   // machineProblem finds a fault
  NoLayout,  // Graphviz could not lay the graph out
};

struct StateDiagram {
  std::vector<DiagramState> states;
  std::vector<DiagramArrow> arrows;
  int width = 0, height = 0;
  DiagramProblem problem = DiagramProblem::None;
};

// The point size the diagram's texts are drawn in.
inline constexpr double kDiagramPoint = 12;
// The arrowhead's two strokes: this long, this far apart at their ends.
inline constexpr int kArrowLength = 150;
inline constexpr int kArrowHalfWidth = 55;

// The label of the arrows from one state to another: "1/0" per input
// combination (Mealy), "1" (Moore), "/1" without inputs; "" for a Moore
// machine without inputs. Combinations with the same label part are listed
// on lines of at most two.
std::vector<std::string> arrowLabel(const Machine& m, int from, int to);

// Graphviz places each label beside its arrow but may let another arrow or
// an arrowhead touch it; such a label is moved to the nearest place within
// reach where it is clear of every line, circle and other text.
StateDiagram layoutStateDiagram(const Machine& m);

}  // namespace ronri::seq
