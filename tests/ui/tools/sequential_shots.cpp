// Not a test: the circuit of the 5-counter with JK flip-flops (in the test
// mode, one clock on) and the timing chart of the Mealy 101 detector, each
// view alone, saved as DIR/sequential-circuit.png and
// DIR/sequential-timing.png (README pictures).
//   sequential_shots DIR
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>

#include "sequential/assignment.h"
#include "sequential/presets.h"
#include "ui/windows/added/sequential_circuit_view.h"
#include "ui/windows/added/sequential_timing_view.h"

namespace {

ronri::seq::Design designOf(const ronri::seq::Machine& m, ronri::seq::FlipFlop f) {
  return ronri::seq::designCircuit(m, ronri::seq::binaryCodes(m.states()), f);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 2) qFatal("usage: sequential_shots DIR");
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const auto presets = ronri::seq::presets();
  const ronri::seq::Machine counter = presets.at(1).machine;
  ronri::SequentialCircuitView circuit;
  circuit.setDesign(counter, designOf(counter, ronri::seq::FlipFlop::JK));
  circuit.resize(int(circuit.circuit().width / 15) + 40, int(circuit.circuit().height / 15) + 90);
  circuit.show();
  circuit.findChild<QCheckBox*>("CircuitTestMode")->setChecked(true);
  for (int k = 0; k < 3; ++k) circuit.findChild<QPushButton*>("CircuitClock")->click();
  circuit.grab().save(dir.filePath("sequential-circuit.png"));
  const ronri::seq::Machine detector = presets.at(4).machine;
  ronri::SequentialTimingView timing;
  timing.setDesign(detector, designOf(detector, ronri::seq::FlipFlop::D));
  timing.resize(620, 330);
  timing.show();
  timing.grab().save(dir.filePath("sequential-timing.png"));
  return 0;
}
