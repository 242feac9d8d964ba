#pragma once
// The circuit of a designed machine: the flip-flops with their clock and the
// minimised gates, and a test mode that sets the inputs and steps the clock,
// showing every gate's value. Right click: picture, copy, print, Verilog.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "circuit/clocked_circuit.h"
#include "core/draw/display_list.h"
#include "sequential/design.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace ronri {

class DrawingView;

class SequentialCircuitView : public QWidget {
  Q_OBJECT
 public:
  explicit SequentialCircuitView(QWidget* parent = nullptr);
  void setDesign(const seq::Machine& machine, const seq::Design& design);

  // What the view shows now (also what it exports).
  DisplayList drawing() const;
  const ClockedCircuit& circuit() const { return circuit_; }
  // The test mode's state code (bit i is Q_i).
  uint32_t testState() const { return state_; }

 private:
  void redraw();
  void step();
  void reset();
  int inputCombination() const;
  std::string testBits() const;
  void showState();

  seq::Machine machine_;
  seq::Design design_;
  ClockedCircuit circuit_;
  uint32_t state_ = 0;
  int clocks_ = 0;
  QPointer<QCheckBox> test_;
  std::vector<QPointer<QCheckBox>> inputs_;
  QPointer<QPushButton> clock_;
  QPointer<QPushButton> reset_;
  QPointer<QLabel> stateLabel_;
  QPointer<QLabel> message_;
  QPointer<QScrollArea> area_;
  QPointer<DrawingView> view_;
};

// The circuit's plain data from a design: the flip-flops Q(bits-1) … Q0, the
// inputs X or X1 …, every equation's minimum.
ClockedPlan clockedPlanOf(const seq::Machine& machine, const seq::Design& design);

}  // namespace ronri
