// The hazards as a user meets them: the timing chart opened from the circuit
// window follows the start, the changing input, the delays and "ハザード対策"
// at once; the map's "ハザード" check box puts its arrows on and off.
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/twips.h"
#include "ui/windows/added/timing_form.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::click;
using test::find;
using test::isOpen;
using Changes = std::vector<std::pair<int, bool>>;

// f = a*b + ~a*c: rows 1, 3, 6, 7.
const QString kOnes = QStringLiteral("noc+nbc+abp+abc+");

TEST(TimingWindow, FollowsEveryChoiceAndTheConsensusTermRemovesTheGlitch) {
  App app;
  const std::string e = "a*b+~a*c";
  app.Form6->showFor(Function{e, 3, {}},
                     QString::fromStdString(ReversePolishNotation(InsideExp(e))), kOnes);
  click(*app.Form6, "CommandTiming");
  TimingForm& t = *app.timing;
  ASSERT_TRUE(isOpen(t));
  EXPECT_EQ(find<QLineEdit>(t, "StartBits")->text(), "111");
  EXPECT_EQ(find<QComboBox>(t, "FlipInput")->currentText(), "a");
  EXPECT_EQ(t.timing().output.changes, (Changes{{2, false}, {3, true}}));
  auto* status = find<QLabel>(t, "TimingStatus");
  EXPECT_TRUE(status->text().contains("グリッチがあります")) << status->text().toStdString();
  const QString csv = QString::fromUtf8(exportedCsv(find(t, "Chart")));
  EXPECT_TRUE(csv.startsWith("time,a,b,c,f\r\n")) << csv.toStdString();

  // Slower inverters: a longer pulse.
  find<QSpinBox>(t, "Delay(6)")->setValue(3);
  EXPECT_EQ(t.timing().output.changes, (Changes{{2, false}, {5, true}}));
  click(find<QCheckBox>(t, "AddConsensus"));
  EXPECT_TRUE(t.timing().output.changes.empty());
  EXPECT_TRUE(status->text().contains("追加した合意項: b*c")) << status->text().toStdString();
  click(find<QCheckBox>(t, "AddConsensus"));

  // b changing from 111 makes f fall once; a start of the wrong length shows nothing.
  find<QComboBox>(t, "FlipInput")->setCurrentIndex(1);
  EXPECT_EQ(t.timing().output.changes.size(), 1u);
  EXPECT_FALSE(t.timing().glitch());
  QTest::keyClick(find<QLineEdit>(t, "StartBits"), Qt::Key_Backspace);
  EXPECT_TRUE(t.drawing().ops().empty());
  EXPECT_TRUE(status->text().contains("3")) << status->text().toStdString();

  // "CSVとして保存…" then says why and writes nothing; with a start again it
  // writes what the chart shows.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("chart.csv"));
  auto save = [&] {
    return test::answeringMessages(
        [&] { test::menuEntries(find(t, "Chart"), QStringLiteral("CSVとして保存…"), path); });
  };
  const QStringList said = save();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("開始の値")) << said[0].toStdString();
  EXPECT_FALSE(QFile::exists(path));
  QTest::keyClick(find<QLineEdit>(t, "StartBits"), Qt::Key_1);
  EXPECT_TRUE(save().isEmpty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), exportedCsv(find(t, "Chart")));
}

// Whether the map's canvas is red (the hazard marks) at a point (twips).
bool redAt(const KmapForm& f, int x, int y) {
  const QImage& img = find<Canvas>(f, "Canvas")->image();
  const qreal dpr = img.devicePixelRatio();
  const QColor c = img.pixelColor(int(pxF(x) * dpr + 0.5), int(pxF(y) * dpr + 0.5));
  return c.red() > 100 && c.green() < 80 && c.blue() < 80;
}

TEST(TimingWindow, TheMapMarksTheHazardOfTheLoopsShown) {
  App app;
  KmapForm& f = *app.Form3;
  f.showFor(Function{"a*b+~a*c", 3, {}}, kOnes, QStringLiteral("nop+nbp+aop+aoc+"));
  test::answeringMessages([&] { click(f, "Command2(1)"); });
  test::answeringMessages([&] { click(f, "Option3(1)"); });
  click(f, "Command3(1)");  // the two loops of the smallest sum
  // 011 and 111 (columns 01 and 11 of row 1) share a border at x 3000.
  click(find<QCheckBox>(f, "CheckHazards"));
  EXPECT_TRUE(redAt(f, 2900, 1860));
  click(f, "Option3(0)");  // every prime: b*c holds the pair, no mark
  click(f, "Command3(1)");
  EXPECT_FALSE(redAt(f, 2900, 1860));
  click(f, "Option3(1)");
  click(f, "Command3(1)");
  EXPECT_TRUE(redAt(f, 2900, 1860));
  click(find<QCheckBox>(f, "CheckHazards"));
  EXPECT_FALSE(redAt(f, 2900, 1860));

  // The 0-cells of the complement: its smallest product of sums
  // (a+~c)*(~a+~b) holds 011 and 111 in no one sum, a static-0 hazard.
  f.showFor(Function{"~(a*b+~a*c)", 3, {}}, QStringLiteral("nop+nbp+aop+aoc+"), kOnes);
  click(f, "Option2(0)");
  test::answeringMessages([&] { click(f, "Command2(1)"); });
  click(find<QCheckBox>(f, "CheckHazards"));
  EXPECT_TRUE(redAt(f, 2900, 1860));
}

}  // namespace
}  // namespace ronri
