#pragma once
// Gate kinds, their pictures, and the input columns of the variables.
#include <string_view>

#include "core/draw/text_box.h"  // the texts drawn beside the gates

namespace ronri {

// Every gate picture is 900 x 600 twips (60 x 40 px) with its top-left corner
// at the gate's position; these are the fixed points inside it.
constexpr double kGateWidth = 900;
constexpr double kGateHeight = 600;
constexpr double kPinFirst = 155;   // first input
constexpr double kPinSecond = 455;  // second input
constexpr double kPinThree = 305;   // extra input of a 3-input first-column gate
constexpr double kPinFourLow = 365, kPinFourHigh = 245;        // extra inputs of a 4-input one
constexpr double kPinGrownThird = 255, kPinGrownFourth = 355;  // inputs added by merging
constexpr double kOutputY = 300;
constexpr double kJunctionRadius = 60;

// The picture of a gate operator ("gate/and" ...); empty for a non-gate.
std::string_view gatePicture(char op);
// The gate drawn when a NOT follows op (AND <-> NAND and so on); 0 for none.
char complementGate(char op);
// How far (twips from the picture's left edge) an input at height dy reaches
// before it meets the body of gate op. The pictures draw the stubs of the
// first and second input; added inputs get a stub of this length.
double inputReach(char op, double dy);

// Where a variable letter (a..j, or n..w for ~a..~j) enters the drawing.
struct InputColumn {
  double baseX = 0;  // x of the operand (before panning)
  double dropX = 0;  // x of the line down from its bus
  double busY = 0;   // y of its bus
};
// The column of a letter; false for a character without one.
bool inputColumn(char letter, InputColumn& out);
// The letter's base x plus the pan offset panX; 0 for a character without a column.
int busColumn(char letter, double panX);

}  // namespace ronri
