// "順序回路の設計" as a student uses it: from the ツール menu, the 5-counter
// example through every page to its JK equations, one of them into the main
// list; a refused KISS2 file that leaves the table alone; a "-" typed into
// the table, which keeps the machine unreduced; the best assignment's search.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "sequential/presets.h"
#include "ui/windows/added/sequential_form.h"
#include "ui/windows/helpers/drawing_view.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::find;
using ::testing::HasSubstr;

int countOf(const DisplayList& d, DrawOp::Kind kind) {
  return int(std::count_if(d.ops().begin(), d.ops().end(),
                           [kind](const DrawOp& op) { return op.kind == kind; }));
}

QStringList column(QTableWidget* t, int c) {
  QStringList texts;
  for (int r = 0; r < t->rowCount(); ++r) texts << (t->item(r, c) ? t->item(r, c)->text() : "");
  return texts;
}

TEST(SequentialForm, FromTheTableToEquationsInTheList) {
  App app;
  app.start();
  for (QAction* menu : app.Form1->widget()->menuBar()->actions())
    if (menu->menu())
      for (QAction* a : menu->menu()->actions())
        if (a->text() == QStringLiteral("順序回路の設計…")) a->trigger();
  SequentialForm& form = *app.sequential;
  ASSERT_TRUE(form.isOpen());
  EXPECT_EQ(find<QTabWidget>(form, "Stages")->count(), 9);

  // The 5-counter from the examples, on JK flip-flops.
  auto* preset = find<QComboBox>(form, "Preset");
  emit preset->activated(preset->findText(QStringLiteral("5進カウンタ")));
  ASSERT_EQ(form.machine().states(), 5);
  auto* flipFlop = find<QComboBox>(form, "FlipFlop");
  emit flipFlop->activated(2);
  ASSERT_EQ(form.flipFlop(), seq::FlipFlop::JK);

  // Every page has its content: five circles, ten cells of the staircase,
  // a row of the excitation table per state, a map per equation.
  EXPECT_EQ(countOf(find<DrawingView>(form, "Diagram")->drawing(), DrawOp::Circle), 5);
  EXPECT_EQ(countOf(find<DrawingView>(form, "ImplicationTable")->drawing(), DrawOp::Rectangle), 10);
  EXPECT_EQ(find<QTableWidget>(form, "ExcitationTable")->rowCount(), 5);
  auto* equations = find<QTableWidget>(form, "Equations");
  ASSERT_EQ(equations->rowCount(), int(form.design().equations.size()));
  for (int k = 0; k < equations->rowCount(); ++k)
    EXPECT_TRUE(form.control<DrawingView>(QStringLiteral("Map(%1)").arg(k))) << k;
  // The textbook's answer: J2 = Q1Q0, K2 = 1, J0 = ~Q2 (binary codes, table order).
  const QStringList texts = column(equations, 0);
  for (const char* want : {"J2 = Q1*Q0", "K2 = 1", "J0 = ~Q2"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(want))) << want << texts.join('|').toStdString();

  // "一覧へ" of J2: over a = Q2, b = Q1, c = Q0 (the list shows the count less
  // one), with its X rows: where Q2 is 1 and the unused codes.
  auto* list = find<QListWidget>(*app.Form1, "List2");
  const int entries = list->count();
  click(form, QStringLiteral("ToList(%1)").arg(texts.indexOf("J2 = Q1*Q0")));
  ASSERT_EQ(list->count(), entries + 1);
  EXPECT_EQ(list->item(entries)->text(), QStringLiteral("b*c 2 d(4,5,6,7)"));
  EXPECT_THAT(find<QLabel>(form, "ListLegend")->text().toStdString(),
              HasSubstr("a = Q2, b = Q1, c = Q0"));

  // KISS2: the table saved and read back; a bad file refused with its line.
  QTemporaryDir dir;
  const QString good = dir.filePath("count5.kiss2"), bad = dir.filePath("bad.kiss2");
  ASSERT_TRUE(form.saveKiss2(good));
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(".i 1\n.o 1\n0 a b 1\n1 a c 12\n");
  f.close();
  const seq::Machine before = form.machine();
  const QStringList shown = answeringMessages([&] { EXPECT_FALSE(form.openKiss2(bad)); });
  ASSERT_EQ(shown.size(), 1);
  EXPECT_THAT(shown[0].toStdString(), HasSubstr("4 行目"));
  EXPECT_EQ(form.machine(), before);
  form.choosePreset(0);
  EXPECT_TRUE(form.openKiss2(good));
  EXPECT_EQ(form.machine(), before);

  // A "-" typed as a next state: the machine is designed as it is, and says why.
  auto* table = find<QTableWidget>(form, "StateTable");
  table->item(4, 1)->setText(QStringLiteral("-"));
  EXPECT_EQ(form.machine().table[4][0].next, seq::kUnspecified);
  EXPECT_EQ(form.reduction().status, seq::ReductionStatus::NotSpecified);
  EXPECT_THAT(find<QLabel>(form, "ReductionNote")->text().toStdString(), HasSubstr("そのまま"));
  // A name that is no state is refused, and the table keeps its entry.
  answeringMessages([&] { table->item(3, 1)->setText(QStringLiteral("S9")); });
  EXPECT_EQ(form.machine().table[3][0].next, 4);

  // "最良": searched beside the window, proven for five states.
  find<QTabWidget>(form, "Stages")->setCurrentIndex(3);
  click(form, "Assignment(3)");
  ASSERT_EQ(form.assignment(), seq::AssignmentChoice::Best);
  QTRY_VERIFY_WITH_TIMEOUT(form.choiceCosts().size() == 4, 20000);
  EXPECT_THAT(find<QLabel>(form, "BestNote")->text().toStdString(), HasSubstr("調べた"));
  EXPECT_EQ(form.design().codes, form.choiceCosts()[3].codes);
}

}  // namespace
}  // namespace ronri
