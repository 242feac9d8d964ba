#pragma once
// The timing chart of the drawn circuit ("タイミングチャート"): one input
// changes at time 0 from a settled start, every gate answers after its delay,
// and the chart shows the waveforms with the output's glitch shaded. The
// chart follows every choice at once; "ハザード対策" simulates the circuit
// with the consensus terms added.
#include <QPointer>
#include <QString>
#include <map>
#include <optional>
#include <string>

#include "circuit/guarded_circuit.h"
#include "circuit/netlist.h"
#include "circuit/timing.h"
#include "core/draw/display_list.h"
#include "core/table/function.h"
#include "ui/framework/window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ronri {

class DrawingView;

class TimingForm : public Window {
  Q_OBJECT
 public:
  explicit TimingForm(App& app);
  ~TimingForm() override;

  // The circuit drawn for `f` (`drawn`, from the expression `drawnExpression`
  // with two-input gates or up to four) and the 1-rows of `f`.
  void showFor(const Function& f, const Netlist& drawn, const QString& drawnExpression,
               const QString& onesTerms, bool twoInputGates);

  // What the chart shows now (also what it exports).
  const Timing& timing() const { return timing_; }
  DisplayList drawing() const;
  QByteArray csv() const;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  QWidget* buildChoices(QWidget* central);
  QWidget* buildDelays(QWidget* central);
  // Simulates the chosen circuit for the controls' values and redraws.
  void rerun();
  const Netlist* chosenCircuit(QString& note);
  bool startValid() const { return start_.size() == function_.variables; }
  QString statusText(bool valid, const QString& note) const;

  Function function_;
  Netlist drawn_;
  QString drawnExpression_;
  std::string values_;  // '0', '1' or 'X' per row
  bool twoInputGates_ = false;
  std::optional<GuardedForm> guardedForm_;  // made when first asked for
  Netlist guarded_;
  GateDelays delays_;
  QString start_;
  int flip_ = 0;
  bool everyGate_ = false;
  bool consensus_ = false;
  Timing timing_;

  QPointer<QLineEdit> startField_;
  QPointer<QComboBox> flipList_;
  QPointer<QCheckBox> everyGateCheck_;
  QPointer<QCheckBox> consensusCheck_;
  QPointer<QLabel> status_;
  QPointer<DrawingView> view_;
  std::map<char, QPointer<QSpinBox>> delayBoxes_;
};

}  // namespace ronri
