// Not a test: the circuit and the timing chart of a preset machine, each
// view alone, saved as DIR/sequential-circuit.png and
// DIR/sequential-timing.png (README pictures).
//   sequential_shots DIR [PRESET [D|T|JK|SR]]
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>

#include "sequential/assignment.h"
#include "sequential/presets.h"
#include "ui/framework/translation.h"
#include "ui/windows/added/sequential_circuit_view.h"
#include "ui/windows/added/sequential_timing_view.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 2) qFatal("usage: sequential_shots DIR [PRESET [D|T|JK|SR]]");
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const int preset = argc > 2 ? std::atoi(argv[2]) : 1;
  const std::string type = argc > 3 ? argv[3] : "JK";
  const ronri::seq::FlipFlop f = type == "D"    ? ronri::seq::FlipFlop::D
                                 : type == "T"  ? ronri::seq::FlipFlop::T
                                 : type == "SR" ? ronri::seq::FlipFlop::SR
                                                : ronri::seq::FlipFlop::JK;
  const ronri::seq::Machine m = ronri::seq::presets().at(size_t(preset)).machine;
  const ronri::seq::Design d = ronri::seq::designCircuit(m, ronri::seq::binaryCodes(m.states()), f);
  ronri::SequentialCircuitView circuit;
  circuit.setDesign(m, d);
  circuit.resize(1200, 760);
  circuit.show();
  circuit.findChild<QCheckBox*>("CircuitTestMode")->setChecked(true);
  circuit.findChild<QPushButton*>("CircuitClock")->click();
  circuit.grab().save(dir.filePath("sequential-circuit.png"));
  ronri::SequentialTimingView timing;
  timing.setDesign(m, d);
  timing.resize(1000, 520);
  timing.show();
  timing.grab().save(dir.filePath("sequential-timing.png"));
  return 0;
}
