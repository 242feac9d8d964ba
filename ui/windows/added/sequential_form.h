#pragma once
// "順序回路の設計": a synchronous machine from its state table to flip-flop
// equations, every stage in textbook order on a page of its own: the table,
// the state diagram, state reduction, state assignment, the excitation table,
// a Karnaugh map per function, the equations, the circuit and its timing.
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "sequential/assignment.h"
#include "sequential/design.h"
#include "sequential/reduction.h"
#include "ui/framework/window.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QThread;
class QGridLayout;
class QWidget;

namespace ronri {

class DrawingView;
class SequentialTableEditor;
class SequentialCircuitView;
class SequentialTimingView;

class SequentialForm : public Window {
  Q_OBJECT
 public:
  explicit SequentialForm(App& app);
  ~SequentialForm() override;

  // The machine as typed, and the one designed (its reduced table when the
  // implication table found equivalent states).
  const seq::Machine& machine() const { return machine_; }
  const seq::Machine& designedMachine() const { return designed_; }
  const seq::Reduction& reduction() const { return reduction_; }
  const seq::Design& design() const { return design_; }
  seq::AssignmentChoice assignment() const { return choice_; }
  seq::FlipFlop flipFlop() const { return flipFlop_; }
  // The costs of the four assignments; empty while they are being computed.
  const std::vector<seq::ChoiceCost>& choiceCosts() const { return costs_; }

  // Replaces the machine; every stage follows.
  void setMachine(const seq::Machine& m);
  void choosePreset(int index);
  void chooseAssignment(seq::AssignmentChoice c);
  void chooseFlipFlop(seq::FlipFlop f);
  // Reads a KISS2 file; a file that does not fit is refused with its line and
  // the reason, and the machine stays as it was. True when read.
  bool openKiss2(const QString& path);
  // Writes the machine as typed, or (designed) the one designed.
  bool saveKiss2(const QString& path, bool designed = false);
  // "一覧へ" of equation k: its letter form into the main list.
  void sendToList(int equation);
  // "Verilogで保存…": the designed machine as a Verilog module.
  bool saveVerilog();

  // The file dialog; a test may put its own here (returns "" for cancel).
  std::function<QString(QWidget* parent, bool saving)> chooseFile;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  QWidget* buildDiagramStage();
  QWidget* buildReductionStage();
  QWidget* buildAssignmentStage();
  QWidget* buildExcitationStage();
  QWidget* buildMapStage();
  QWidget* buildEquationStage();
  QWidget* buildButtons();
  void machineChanged();
  void redesign();
  void startCosts();
  void costsComputed(unsigned generation, std::vector<seq::ChoiceCost> costs);
  void showDiagram();
  void showReduction();
  void showCosts();
  void showExcitation();
  void showMaps();
  void showEquations();
  void showCircuit();
  QString kiss2Problem(int error) const;
  static QString askForKiss2File(QWidget* parent, bool saving);

  seq::Machine machine_;
  seq::Reduction reduction_;
  seq::Machine designed_;
  seq::AssignmentChoice choice_ = seq::AssignmentChoice::Binary;
  seq::FlipFlop flipFlop_ = seq::FlipFlop::D;
  seq::Design design_;
  std::vector<seq::ChoiceCost> costs_;
  unsigned generation_ = 0;  // of the costs asked for last
  QThread* worker_ = nullptr;

  QPointer<QTabWidget> stages_;
  QPointer<SequentialTableEditor> editor_;
  QPointer<DrawingView> diagram_;
  QPointer<QLabel> diagramNote_;
  QPointer<DrawingView> implication_;
  QPointer<QSpinBox> pass_;
  QPointer<QLabel> reductionNote_;
  QPointer<QTableWidget> reduced_;
  QPointer<QButtonGroup> choices_;
  std::vector<QPointer<QLabel>> costLabels_;
  QPointer<QLabel> bestNote_;
  QPointer<QTableWidget> codes_;
  QPointer<QComboBox> flipFlops_;
  QPointer<QTableWidget> excitation_;
  QPointer<QTableWidget> flipFlopTable_;
  QPointer<QGridLayout> maps_;
  QPointer<QTableWidget> equations_;
  QPointer<QLabel> legend_;
  QPointer<SequentialCircuitView> circuit_;
  QPointer<SequentialTimingView> timing_;
};

}  // namespace ronri
