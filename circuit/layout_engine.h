#pragma once
// The circuit layout engine: walks a reverse Polish text token by token and
// draws gates, wires, junctions and labels at positions computed on the spot.
// The walk can be resumed one token at a time ("step") or run to the end.
#include <algorithm>
#include <string>
#include <vector>

#include "circuit/netlist.h"
#include "circuit/router.h"
#include "core/draw/surface.h"

namespace ronri {

class CircuitEngine {
 public:
  // What the walk needs; read when a drawing starts (startsNew = 1).
  std::string rpn;             // reverse Polish text to draw
  double variableGap = 400;    // row gap between successive variables
  double columnPitch = 26;     // column pitch in units of 125 twips
  double panX = 0;             // horizontal pan offset
  double panY = 0;             // vertical pan offset
  bool twoInputGates = false;  // 2-input gates only
  bool upToFourInputs = true;  // gates of 2 to 4 inputs
  bool showMidExprs = false;   // "途中の式も表示" ticked (used with 2-input gates)
  int lastVariable = 0;        // variable count - 1
  // Where the window's caption ends (its right and bottom edge, twips); 0 = no caption.
  double captionRight = 0, captionBottom = 0;

  int startsNew = 1;           // 1 = the next step starts a new drawing
  int tokensDrawn = 0;         // 1-based index of the last token consumed
  int testMode = 0;            // 1 = write every gate's value while drawing
  std::string testValues;      // those values still to write, one per operator token
  Netlist* netlist = nullptr;  // when set, what is drawn is recorded there too

  enum class Step {
    Drew,      // a token was consumed
    Finished,  // this step drew the output wire
    Idle,      // the drawing was already finished
  };
  Step step(Surface& s);
  // Len(rpn) + 1 steps: the whole drawing from wherever the walk stands.
  void create(Surface& s);
  bool finished() const { return startsNew == 0 && tokensDrawn > static_cast<int>(rpn.size()); }
  // True when the next step starts a drawing (so a window can lock its settings).
  bool atStart() const { return startsNew == 1; }

  // The intermediate expressions of the two-operand gates, in drawing order
  // (filled at the start of every drawing when they are to be shown). One
  // longer than 512 characters keeps its first and last 256 around "…":
  // more than its label shows.
  void buildMidExprs();
  const std::vector<std::string>& midExprs() const { return midExpr_; }

  // The line from the bus of the variable whose column is at x down to y.
  void drawDrop(Surface& s, double x, double y);
  // y of the first variable row: below every bus of the used variables.
  // A caption taller than its one designed line moves the rows down as far.
  double firstRowY() const {
    return (3.0 * lastVariable + 10) * 125 + panY + std::max(0.0, captionBottom - 1095);
  }
  // The distance between successive variable rows that the walk uses: the
  // chosen variableGap, except that the two narrow choices are raised just enough
  // that stacked gates (and their labels) never touch.
  double rowGap() const;
  // Drops never reach above this (the first bus), so a panned drawing leaves
  // none in the row of controls.
  static constexpr double kDropTop = 600;

 private:
  struct Operand {
    bool gate = false;
    char letter = 0;                // a variable's letter
    char op = 0;                    // a gate's picture operator
    int id = -1;                    // a gate's number within the drawing
    std::vector<double> extraPins;  // heights of inputs beyond the first two
  };

  void start();
  void variableToken(char t);
  void notToken(Surface& s);
  void operatorToken(Surface& s, char t);
  void firstColumnGate(Surface& s, char t, double G, int extra);
  void laterGate(Surface& s, char t, double G);
  bool growsChain(char t);
  void growChain(Surface& s);
  void route(Surface& s, int slot, double fromY, double gateX, double pinY, double shift,
             int target);
  // A wire or junction mark drawn and recorded, to keep later ones clear.
  void wire(Surface& s, double x1, double y1, double x2, double y2, int net);
  void junction(Surface& s, double x, double y, int net);
  int netOf(int slot) const;
  double tapX(int slot) const;  // where a variable's wire leaves its drop line
  void placeLabel(Surface& s, int slot);
  bool labelComing() const;  // whether the gate drawn next gets its expression written
  Area comingLabelArea(double X, double Y) const;  // where, at the least, it will stand
  void drawGate(Surface& s, char op, int slot, bool isNot);
  void paintGate(Surface& s, int slot) const;
  void writeTestDigit(Surface& s, int slot);
  void dropTestDigits(size_t count);
  void finish(Surface& s);
  char at(int pos) const;  // 1-based; 0 past the end
  void ensureSlot(int slot);
  bool mode24() const { return !twoInputGates && upToFourInputs; }

  // Everything one drawing builds up, started afresh with each drawing.
  struct Walk {
    std::vector<double> nodeX{}, nodeY{};  // each stack slot's place
    std::vector<Operand> operands{};       // the operand stack
    int top = 0;                           // slots in use
    double lastY = 0;                      // row of the last variable
    int varRun = 0;                        // variables in a row since the last operator
    double level = 0;                      // column of the next gate, in pitches
    int firstPlaced = 0;                   // 1 once the first variable has its row
    double topY = 0, secondY = 0;          // rows of the two operands of the current gate
    char chainOp = 0;
    int chainCount = 0;
    int chainGate = -1;  // id of the gate that may still grow
    double stagger = 0;  // how far right the next merged input turns
    int nextGateId = 0;
    size_t midCount = 0;  // intermediate expressions written so far
    Router router;        // what is drawn so far, and the ways of new wires round it
  };
  // The two top operands become gate t at x (where the lower one stood), drawn.
  int pushGate(Surface& s, char t, double x, std::vector<double> extraPins = {});

  Walk w_;
  std::vector<std::string> midExpr_;
};

// The value of every gate for one input: one digit per operator token of
// rpn, in token order. bits holds one digit per variable.
std::string testDigits(const std::string& rpn, const std::string& bits, int n);

}  // namespace ronri
