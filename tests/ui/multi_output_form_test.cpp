// The multi-output table window as a person uses it: from the "入力" menu,
// cells by click, right click and X, a preset, a refused CSV that leaves the
// table alone, the results, "一覧へ", and the circuit with its test mode.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::find;
using test::isOpen;
using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(MultiOutputForm, TablePresetsFilesResultsAndCircuit) {
  App app;
  app.start();
  for (QAction* menu : app.Form1->widget()->menuBar()->actions())
    if (menu->menu())
      for (QAction* a : menu->menu()->actions())
        if (a->text() == QStringLiteral("複数出力の真理値表")) a->trigger();
  MultiOutputForm& form = *app.multiOutput;
  ASSERT_TRUE(isOpen(form));

  // Cells: click 0 -> 1, right click X, X key back to 0.
  auto* cell = find<QPushButton>(form, "Cell(3,1)");
  click(cell);
  EXPECT_EQ(form.table().values[1][3], '1');
  QTest::mouseClick(cell, Qt::RightButton);
  EXPECT_EQ(form.table().values[1][3], 'X');
  cell->setFocus();
  QTest::keyClick(cell, Qt::Key_X);
  EXPECT_EQ(form.table().values[1][3], '0');

  // Another input count asks before the entered values go.
  click(cell);
  auto* inputs = find<QSpinBox>(form, "Inputs");
  answeringMessages([&] { inputs->setValue(2); }, QMessageBox::No);
  EXPECT_EQ(form.table().inputs, 3);
  EXPECT_EQ(inputs->value(), 3);
  EXPECT_EQ(form.table().values[1][3], '1');

  // A preset, saved and read back; a bad file is refused with its line.
  form.setTable(multiPreset(MultiPreset::FullAdder));
  QTemporaryDir dir;
  const QString good = dir.filePath("adder.csv"), bad = dir.filePath("bad.csv");
  ASSERT_TRUE(form.saveCsv(good));
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.errorString().toStdString();
  f.write("a,b,y\n0,0,1\n0,0,0\n");
  f.close();
  const MultiTable before = form.table();
  const QStringList shown = answeringMessages([&] { EXPECT_FALSE(form.openCsv(bad)); });
  ASSERT_EQ(shown.size(), 1);
  EXPECT_THAT(shown[0].toStdString(), HasSubstr("3 行目"));
  EXPECT_EQ(form.table(), before);
  // A file with rows left out names them; No keeps the table, Yes reads them as X.
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("a,b,y\n0,1,1\n");
  f.close();
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    const QStringList asked = answeringMessages(
        [&] { EXPECT_EQ(form.openCsv(bad), answer == QMessageBox::Yes); }, answer);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_THAT(asked[0].toStdString(), HasSubstr("3 行がありません（行 0,2,3）"));
    EXPECT_EQ(form.table().values[0], answer == QMessageBox::Yes ? "X1XX" : before.values[0]);
  }
  form.setTable(emptyMultiTable(2, 1));
  EXPECT_TRUE(form.openCsv(good));
  EXPECT_EQ(form.table(), before);

  // Results: the totals side by side, "一覧へ" into the main list.
  click(form, "Minimise");
  ASSERT_TRUE(form.result());
  auto* totals = find<QTableWidget>(form, "Totals");
  EXPECT_EQ(totals->item(0, 1)->text().toInt(), form.result()->separateTotals.terms);
  EXPECT_EQ(totals->item(0, 2)->text().toInt(), form.result()->sharedTotals.terms);
  auto* list = find<QListWidget>(*app.Form1, "List2");
  const int entries = list->count();
  click(form, "ToList(1)");  // the carry
  ASSERT_EQ(list->count(), entries + 1);
  EXPECT_EQ(list->item(entries)->text(), QStringLiteral("b*c+a*c+a*b 2"));
  EXPECT_TRUE(list->item(entries)->isSelected());  // "作成" opens the new entry

  // The circuit, and in test mode the outputs for a=1, b=1, c=0.
  click(form, "Circuit");
  MultiOutputCircuitForm& circuit = *app.multiOutputCircuit;
  ASSERT_TRUE(isOpen(circuit));
  find<QCheckBox>(circuit, "TestMode")->setChecked(true);
  find<QCheckBox>(circuit, "Bit(0)")->setChecked(true);
  find<QCheckBox>(circuit, "Bit(1)")->setChecked(true);
  QStringList texts;
  const DisplayList drawing = circuit.drawing();  // ops() refers into it
  for (const DrawOp& op : drawing.ops())
    if (op.kind == DrawOp::Text) texts << QString::fromStdString(op.str);
  EXPECT_TRUE(texts.contains("S = 0") && texts.contains("Co = 1")) << texts.join('|').toStdString();
  EXPECT_EQ(circuit.widget()->windowTitle(), QStringLiteral("複数出力の回路図 — S, Co (a, b, c)"));
  circuit.widget()->resize(700, 500);
  // Editing the table makes the results and the circuit stale.
  click(find<QPushButton>(form, "Cell(0,0)"));
  EXPECT_FALSE(form.result());
  EXPECT_FALSE(isOpen(circuit));
  click(form, "Minimise");
  click(form, "Circuit");
  EXPECT_EQ(circuit.widget()->size(), QSize(700, 500));  // as the user left it

  // An output with X rows goes to the list with them (segment e of BCD: 10-15).
  form.setTable(multiPreset(MultiPreset::SevenSegment));
  click(form, "Minimise");
  click(form, "ToList(4)");
  EXPECT_THAT(list->item(list->count() - 1)->text().toStdString(),
              EndsWith(" 3 d(10,11,12,13,14,15)"));

  // Every output's column and its whole "一覧へ" are in sight, with 7 and
  // with 8 outputs; the commands sit above the table.
  auto inSight = [](QWidget* w, QAbstractScrollArea* area) {
    const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    return r.left() >= 0 && r.right() < area->viewport()->width();
  };
  for (int outputs : {7, 8}) {
    find<QSpinBox>(form, "Outputs")->setValue(outputs);
    click(form, "Minimise");
    auto* grid = find<QScrollArea>(form, "Table");
    auto* results = find<QTableWidget>(form, "PerOutput");
    for (int j = 0; j < outputs; ++j) {
      auto* toList = find<QPushButton>(form, QStringLiteral("ToList(%1)").arg(j));
      EXPECT_TRUE(inSight(find(form, QStringLiteral("Name(%1)").arg(j)), grid)) << outputs;
      EXPECT_TRUE(inSight(toList, results)) << outputs << " " << j;
      EXPECT_GE(toList->width(), toList->sizeHint().width());
    }
  }
  EXPECT_LE(find(form, "Minimise")->geometry().bottom(), find(form, "Table")->geometry().top());
}

}  // namespace
}  // namespace ronri
