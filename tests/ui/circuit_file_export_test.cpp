// The drawn circuit saved for the lab's tools from the drawing's menu: the
// entries are there once a circuit is drawn, and a file is written whole
// under any name, or not at all. A state machine's circuit steps its clock
// as the table says and saves its module; its timing chart saves its CSV. (What the files hold is
// proven by the tools themselves in tests/circuit/export_tools_test.cpp.)

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <optional>

#include "circuit/export_verilog.h"
#include "circuit/two_level.h"
#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "sequential/assignment.h"
#include "sequential/presets.h"
#include "sequential/verilog.h"
#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
#include "ui/windows/added/sequential_circuit_view.h"
#include "ui/windows/added/sequential_timing_view.h"
#include "ui/windows/helpers/circuit_file_export.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::menuEntries;
using ::testing::Contains;

// The menu is there beside the canvas of an enlarged window and on the
// zoomed drawing too.
TEST(CircuitFileExport, RightClickBesideTheCanvasAndOnTheZoomGivesTheMenu) {
  App app;
  CircuitForm& f = *app.Form6;
  f.showFor(Function{"a*b+~c", 3, {}}, "ab*c~+", QString());
  test::click(f, "Command2");
  auto* canvas = test::find<Canvas>(f, "Canvas");
  const QStringList expected = menuEntries(canvas);
  ASSERT_THAT(expected, Contains(QStringLiteral("Verilogで保存…")));
  f.widget()->resize(canvas->width() + 300, canvas->height() + 200);
  QWidget* area = test::find(f, "DrawingArea");
  EXPECT_EQ(menuEntries(area, {}, {}, QPoint(canvas->width() + 100, 40)), expected);
  QWheelEvent wheel(QPointF(50, 50), canvas->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &wheel);
  auto* zoom = f.widget()->findChild<QScrollArea*>(QStringLiteral("ZoomView"));
  ASSERT_TRUE(zoom && zoom->isVisible());
  EXPECT_EQ(menuEntries(zoom, {}, {}, QPoint(60, 60)), expected);
}

TEST(CircuitFileExport, MenuOffersBothFormatsAndFilesAreWrittenWholeOrNotAtAll) {
  App app;
  CircuitForm& f = *app.Form6;
  f.showFor(Function{"a*b+~c", 3, {}}, "ab*c~+", QString());
  test::click(f, "Command2");  // create
  const QStringList entries = menuEntries(test::find<Canvas>(f, "Canvas"));
  EXPECT_THAT(entries, Contains(QStringLiteral("Logisim形式で保存…")));
  EXPECT_THAT(entries, Contains(QStringLiteral("Verilogで保存…")));

  CircuitEngine engine;
  engine.rpn = "ab*c~+";
  engine.lastVariable = 2;
  const Netlist drawing = drawnNetlist(engine);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("回路 の図.v"));
  QString error;
  ASSERT_TRUE(saveCircuitFile(drawing, CircuitFormat::Verilog, path, &error))
      << error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
  EXPECT_EQ(file.readAll().toStdString(), verilogModule(drawing));
  const QString nowhere = dir.filePath(QStringLiteral("ない フォルダ/f.circ"));
  EXPECT_FALSE(saveCircuitFile(drawing, CircuitFormat::Logisim, nowhere, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
}

TEST(CircuitFileExport, MultiOutputCircuitOffersBothFormatsWithItsOutputs) {
  App app;
  MultiOutputCircuitForm& f = *app.multiOutputCircuit;
  const MultiTable t = multiPreset(MultiPreset::FullAdder);
  f.showFor(t, minimiseMultiOutput(t));
  const QStringList entries = menuEntries(test::find<QWidget>(f, "Drawing"));
  EXPECT_TRUE(entries.contains(QStringLiteral("Logisim形式で保存…")) &&
              entries.contains(QStringLiteral("Verilogで保存…")))
      << entries.join('|').toStdString();
  // Saved through the menu and its file dialog, under a name without suffix.
  QTemporaryDir dir;
  menuEntries(test::find<QWidget>(f, "Drawing"), QStringLiteral("Verilogで保存…"),
              dir.filePath(QStringLiteral("全加算 器")));
  QFile file(dir.filePath(QStringLiteral("全加算 器.v")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
  EXPECT_EQ(file.readAll().toStdString(), verilogModule(twoLevelNetlist(f.circuit())));
  EXPECT_NE(verilogModule(twoLevelNetlist(f.circuit())).find("output S, output Co);"),
            std::string::npos);
}

TEST(CircuitFileExport, SequentialCircuitStepsAsTheTableAndSavesItsModuleAndChart) {
  const seq::Machine m = seq::presets()[4].machine;  // the 101 detector, Mealy
  const seq::Design d = seq::designCircuit(m, seq::binaryCodes(m.states()), seq::FlipFlop::JK);
  SequentialCircuitView view;
  view.setDesign(m, d);
  view.show();
  auto* clock = view.findChild<QPushButton*>("CircuitClock");
  EXPECT_FALSE(clock->isEnabled());  // until "試す"
  QTest::mouseClick(view.findChild<QCheckBox*>("CircuitTestMode"), Qt::LeftButton);
  ASSERT_TRUE(clock->isEnabled());
  auto* x = view.findChild<QCheckBox*>("CircuitInput(0)");
  int s = m.reset;
  for (int bit : {1, 0, 1, 1, 0, 0, 1}) {
    x->setChecked(bit == 1);
    QTest::mouseClick(clock, Qt::LeftButton);
    s = m.table[size_t(s)][size_t(bit)].next;
    ASSERT_EQ(view.testState(), d.codes.code[size_t(s)]) << "after input " << bit;
  }
  EXPECT_TRUE(view.findChild<QLabel*>("CircuitTestState")
                  ->text()
                  .contains(QString::fromStdString(m.names[size_t(s)])));
  QTest::mouseClick(view.findChild<QPushButton*>("CircuitReset"), Qt::LeftButton);
  EXPECT_EQ(view.testState(), d.codes.code[size_t(m.reset)]);

  QWidget* drawing = view.findChild<QWidget*>("SequentialCircuitDrawing");
  EXPECT_EQ(exportedDrawing(drawing).ops().size(), view.drawing().ops().size());
  QTemporaryDir dir;
  menuEntries(drawing, QStringLiteral("Verilogで保存…"), dir.filePath(QStringLiteral("検出 器")));
  QFile file(dir.filePath(QStringLiteral("検出 器.v")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
  EXPECT_EQ(file.readAll().toStdString(), seq::verilogMachine(m, d, seq::verilogModuleName("")));

  // One-hot codes of twelve states: an excitation table, but too many variables for the gates.
  const seq::Machine wide = seq::emptyMachine(seq::MachineKind::Moore, 12, 0, 1);
  view.setDesign(wide, seq::designCircuit(wide, seq::oneHotCodes(12), seq::FlipFlop::D));
  EXPECT_TRUE(view.findChild<QLabel*>("CircuitMessage")->text().contains(QStringLiteral("多すぎ")));
  EXPECT_FALSE(clock->isEnabled());

  SequentialTimingView chart;
  chart.setDesign(m, d);
  auto* sequence = chart.findChild<QLineEdit*>("InputSequence");
  auto* message = chart.findChild<QLabel*>("SequenceMessage");
  sequence->setText(QStringLiteral("10x1"));
  EXPECT_TRUE(message->text().contains(QStringLiteral("3"))) << message->text().toStdString();
  EXPECT_TRUE(exportedCsv(chart.findChild<QWidget*>("TimingDrawing")).isEmpty() ||
              exportedCsv(chart.findChild<QWidget*>("TimingDrawing")) == "t\r\n");
  sequence->setText(QStringLiteral("1011"));
  EXPECT_TRUE(message->text().isEmpty());
  const QByteArray csv = exportedCsv(chart.findChild<QWidget*>("TimingDrawing"));
  EXPECT_TRUE(csv.startsWith("t,CLK,X,Q1,Q0,Z\r\n0,0,1,0,0,0\r\n")) << csv.toStdString();
  EXPECT_EQ(csv.count('\n'), 9);  // the header and two steps a clock
}

}  // namespace
}  // namespace ronri
