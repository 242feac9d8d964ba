#include <QScrollBar>
#include <QTextBlock>

#include "ui/windows/helpers/truth_table_progress.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::checked;
using test::click;
using test::enabled;
using test::find;
using test::isOpen;
using test::MainDriver;
using test::visible;

// The assignment lines of the rows, as the column shows them.
QString linesOf(std::initializer_list<const char*> rows) {
  QStringList lines;
  for (const char* bits : rows) {
    QString line;
    for (const char* b = bits; *b; ++b) line += QLatin1Char(*b) + QStringLiteral("   ");
    line.chop(2);
    lines << line;
  }
  return lines.join('\n');
}

class TruthTableFormTest : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }

  TruthTableForm& form() { return *app.Form2; }
  QPlainTextEdit* text5() { return find<QPlainTextEdit>(form(), QStringLiteral("Text5")); }
  QPlainTextEdit* text2() { return find<QPlainTextEdit>(form(), QStringLiteral("Text2")); }
  QWidget* marker() { return find<QWidget>(form(), QStringLiteral("Picture1")); }
  QWidget* central() { return form().widget()->centralWidget(); }
  QProgressBar* bar() { return find<QProgressBar>(form(), QStringLiteral("ProgressBar1")); }
  void option(int m) { click(form(), QStringLiteral("Option1(%1)").arg(m)); }
  // The line each column shows at a height of its viewport.
  int lineAt(QPlainTextEdit* c, int y) { return c->cursorForPosition(QPoint(2, y)).blockNumber(); }
  // Height of line `block` of a column, in window coordinates.
  int lineY(QPlainTextEdit* c, int block) {
    QTextCursor cursor(c->document()->findBlockByNumber(block));
    return c->viewport()->mapTo(form().widget(), c->cursorRect(cursor).center()).y();
  }

  App app;
  MainDriver d{app};
};

TEST_F(TruthTableFormTest, TypicalRoadFillsColumnsAndTermLists) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  ASSERT_TRUE(isOpen(form()));
  EXPECT_EQ(form().rpn(), QStringLiteral("ab*p+"));
  EXPECT_EQ(form().shownBits(), QStringLiteral("000001010011100101110111"));
  EXPECT_EQ(form().onesTerms(), QStringLiteral("nop+nbp+aop+abp+abc+"));
  EXPECT_EQ(form().zerosTerms(), QStringLiteral("noc+nbc+aoc+"));
  EXPECT_EQ(app.Form9->onesTerms(), form().onesTerms());
  EXPECT_EQ(text5()->toPlainText(),
            linesOf({"000", "001", "010", "011", "100", "101", "110", "111"}));
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("1\n0\n1\n0\n1\n0\n1\n1"));
  EXPECT_FALSE(form().markerArmed());
  EXPECT_EQ(bar()->value(), 0);
  EXPECT_TRUE(checked(form(), QStringLiteral("Option1(2)")));
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(find<QLabel>(form(), QStringLiteral("Text1(%1)").arg(k))->isVisible(), k < 3) << k;
}

TEST_F(TruthTableFormTest, MalformedExpressionShowsQuestionMarksAndNoTerms) {
  // "入力" refuses it, but an entry read from a file may hold it.
  d.list2()->addItem(QStringLiteral("~+ab 1"));
  d.selectEntry(d.list2()->count() - 1);
  d.create();
  EXPECT_EQ(text5()->toPlainText(), linesOf({"00", "01", "10", "11"}));
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("?\n?\n?\n?"));
  EXPECT_EQ(form().onesTerms(), QString());
  EXPECT_EQ(form().zerosTerms(), QString());
  option(1);
  EXPECT_EQ(text5()->toPlainText(), QString());
  EXPECT_EQ(text2()->toPlainText(), QString());
}

TEST_F(TruthTableFormTest, FiltersShowTheRowsOfTheirValue) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  option(0);
  EXPECT_EQ(text5()->toPlainText(), linesOf({"001", "011", "101"}));
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("0\n0\n0"));
  EXPECT_FALSE(checked(form(), QStringLiteral("Option1(2)")));
  option(1);
  EXPECT_EQ(text5()->toPlainText(), linesOf({"000", "010", "100", "110", "111"}));
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("1\n1\n1\n1\n1"));
  option(2);
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("1\n0\n1\n0\n1\n0\n1\n1"));
  EXPECT_EQ(form().shownBits(), QStringLiteral("000001010011100101110111"));
  // This window's bar is reset; the main window's keeps the last row.
  EXPECT_EQ(bar()->value(), 0);
  EXPECT_EQ(d.bar()->maximum(), 8);
  EXPECT_EQ(d.bar()->value(), 7);
}

TEST_F(TruthTableFormTest, FilterWithNoMatchingRowLeavesBothColumnsEmpty) {
  d.tableFor(QStringLiteral("a+~a"), 1);
  EXPECT_EQ(text5()->toPlainText(), QStringLiteral("0 \n1 "));
  option(0);
  EXPECT_EQ(text5()->toPlainText(), QString());
  EXPECT_EQ(text2()->toPlainText(), QString());
  option(1);
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("1\n1"));
}

TEST_F(TruthTableFormTest, ColumnsStandSideBySideWithHeadersOverTheirDigits) {
  d.tableFor(QStringLiteral("a*b*c*d*e*f*g*h*i*j"), 10);
  ASSERT_TRUE(isOpen(form()));
  QWidget* top = form().widget();
  // The assignment column begins where the marker does: 240 twips.
  EXPECT_EQ(text5()->mapTo(top, QPoint(0, 0)).x(), 16);
  EXPECT_EQ(text2()->mapTo(top, QPoint(0, 0)), text5()->mapTo(top, QPoint(text5()->width(), 0)));
  EXPECT_EQ(text2()->height(), text5()->height());

  const double cw = QFontMetricsF(text5()->font()).horizontalAdvance('0');
  QTextCursor cursor(text5()->document());
  for (int k = 0; k < 10; ++k) {
    cursor.setPosition(4 * k);
    const double digit =
        text5()->viewport()->mapTo(top, text5()->cursorRect(cursor).topLeft()).x() + cw / 2;
    auto* header = find<QLabel>(form(), QStringLiteral("Text1(%1)").arg(k));
    EXPECT_NEAR(header->mapTo(top, header->rect().center()).x(), digit, 2.0) << k;
  }
  // The result digit follows the end of its line closely.
  cursor.setPosition(4 * 10 - 2);
  const int lineEnd = text5()->viewport()->mapTo(top, text5()->cursorRect(cursor).topLeft()).x();
  QTextCursor result(text2()->document());
  const int resultX = text2()->viewport()->mapTo(top, text2()->cursorRect(result).topLeft()).x();
  EXPECT_GT(resultX, lineEnd);
  EXPECT_LT(resultX - lineEnd, 3 * cw);
}

TEST_F(TruthTableFormTest, ScrollButtonsMoveBothColumnsTogether) {
  d.tableFor(QStringLiteral("a*b+c*d+e@f"), 6);  // 64 rows
  QScrollBar* s5 = text5()->verticalScrollBar();
  QScrollBar* s2 = text2()->verticalScrollBar();
  ASSERT_GT(s5->maximum(), 0);
  EXPECT_EQ(s5->maximum(), s2->maximum());

  click(form(), QStringLiteral("Command4(0)"));  // ↑ at the top
  EXPECT_EQ(s5->value(), 0);
  EXPECT_EQ(s2->value(), 0);
  click(form(), QStringLiteral("Command4(1)"));  // ↓
  EXPECT_EQ(s5->value(), 1);
  EXPECT_EQ(s2->value(), 1);
  click(form(), QStringLiteral("Command5(1)"));  // ↓↓
  EXPECT_EQ(s5->value(), 8);
  EXPECT_EQ(s2->value(), 8);
  EXPECT_EQ(lineAt(text5(), 6), 8);
  EXPECT_EQ(lineAt(text2(), 6), 8);
  click(form(), QStringLiteral("Command5(0)"));  // ↑↑
  EXPECT_EQ(s2->value(), 1);

  for (int i = 0; i < 12; ++i) click(form(), QStringLiteral("Command5(1)"));
  EXPECT_EQ(s5->value(), s5->maximum());
  EXPECT_EQ(s2->value(), s5->maximum());
  const int bottom = text5()->viewport()->height() - 6;
  EXPECT_EQ(lineAt(text5(), bottom), 63);
  EXPECT_EQ(lineAt(text2(), bottom), 63);
  // Every shown row has its digit on the same height.
  for (int row = s5->value(); row < 64; ++row) EXPECT_EQ(lineY(text5(), row), lineY(text2(), row));
  EXPECT_EQ(text2()->document()->findBlockByNumber(63).text(), QStringLiteral("1"));  // 111111

  // Scrolling one column another way (the wheel) takes the other along.
  s2->setValue(3);
  EXPECT_EQ(s5->value(), 3);
}

TEST_F(TruthTableFormTest, MarkerFollowsPressesOnTheBackgroundWhileSwitchedOn) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  QWidget* top = form().widget();
  const QPoint margin(5, 120);  // left of the columns
  QTest::mousePress(central(), Qt::LeftButton, {}, margin);
  EXPECT_FALSE(visible(marker()));

  click(form(), QStringLiteral("Command7(0)"));  // 線を引く
  EXPECT_TRUE(form().markerArmed());
  QTest::mousePress(central(), Qt::LeftButton, {}, margin);
  ASSERT_TRUE(visible(marker()));
  EXPECT_EQ(marker()->geometry(), QRect(16, 120, 409, 7));

  // The blank part of the table area is background too.
  const QPoint blank = text2()->mapTo(central(), QPoint(text2()->width() + 30, 40));
  QTest::mousePress(central()->childAt(blank), Qt::LeftButton, {},
                    central()->childAt(blank)->mapFrom(central(), blank));
  EXPECT_EQ(marker()->geometry(), QRect(16, blank.y(), 409, 7));
  // A press on a control is not.
  auto* label = find<QLabel>(form(), QStringLiteral("Label5"));
  QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
  EXPECT_EQ(marker()->y(), blank.y());
  EXPECT_EQ(marker()->mapTo(top, QPoint(0, 0)).x(), 16);

  click(form(), QStringLiteral("Command7(1)"));  // 線を消す
  EXPECT_FALSE(form().markerArmed());
  EXPECT_FALSE(visible(marker()));
  QTest::mousePress(central(), Qt::LeftButton, {}, margin);
  EXPECT_FALSE(visible(marker()));

  // A new table starts with the marker off.
  click(form(), QStringLiteral("Command7(0)"));
  QTest::mousePress(central(), Qt::LeftButton, {}, margin);
  d.create();
  EXPECT_FALSE(form().markerArmed());
  EXPECT_FALSE(visible(marker()));
}

TEST_F(TruthTableFormTest, MapButtonRefusesTooFewAndTooManyVariables) {
  d.tableFor(QStringLiteral("a+b"), 2);
  EXPECT_EQ(answeringMessages([&] { click(form(), QStringLiteral("Command2")); }),
            QStringList{QStringLiteral("カルノー図は意味ないでしょ？")});
  form().unload();
  d.tableFor(QStringLiteral("a+g"), 7);
  EXPECT_EQ(answeringMessages([&] { click(form(), QStringLiteral("Command2")); }),
            QStringList{QStringLiteral("大きすぎて対応していません")});
  for (int k = 3; k <= 18; ++k) EXPECT_FALSE(isOpen(app.form(k))) << k;
}

TEST_F(TruthTableFormTest, MapButtonOpensTheMapForTheCountWithTheTermLists) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  answeringMessages([&] { click(form(), QStringLiteral("Command2")); });
  ASSERT_TRUE(isOpen(*app.Form3));
  EXPECT_EQ(app.Form3->onesTerms(), QStringLiteral("nop+nbp+aop+abp+abc+"));
  EXPECT_EQ(app.Form3->zerosTerms(), QStringLiteral("noc+nbc+aoc+"));
  QMainWindow* first = app.Form3->widget();
  // Its own table's map is only raised again: the user's groups stay.
  answeringMessages([&] { click(form(), QStringLiteral("Command2")); });
  EXPECT_EQ(app.Form3->widget(), first);

  // Another function's map is loaded afresh, never shown with the old groups.
  form().unload();
  d.tableFor(QStringLiteral("a@b@c"), 3);
  answeringMessages([&] { click(form(), QStringLiteral("Command2")); });
  ASSERT_TRUE(isOpen(*app.Form3));
  EXPECT_NE(app.Form3->widget(), first);
  EXPECT_EQ(app.Form3->onesTerms(), QStringLiteral("noc+nbp+aop+abc+"));

  form().unload();
  d.tableFor(QStringLiteral("a*f"), 6);
  answeringMessages([&] { click(form(), QStringLiteral("Command2")); });
  EXPECT_TRUE(isOpen(*app.Form7));
  EXPECT_EQ(app.Form7->onesTerms().size(), 16 * 7);
}

TEST_F(TruthTableFormTest, ViewButtonsHandTheirWindowsTheTable) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  answeringMessages([&] { click(form(), QStringLiteral("Command1")); });
  EXPECT_TRUE(isOpen(*app.Form10));
  EXPECT_EQ(app.Form10->text(0), QStringLiteral("a*b+~c"));
  EXPECT_EQ(app.Form10->text(1), QStringLiteral("~a*~b*~c+~a*b*~c+a*~b*~c+a*b*~c+a*b*c"));
  EXPECT_EQ(app.Form10->text(2), QStringLiteral("(a+b+~c)*(a+~b+~c)*(~a+b+~c)"));

  // A circuit left panned, with 2-input gates, showing its minimal form.
  CircuitForm& c = *app.Form6;
  c.showFor(Function{"a*b", 2, {}}, QStringLiteral("ab*"), QStringLiteral("ab+"));
  click(c, QStringLiteral("Option1"));
  c.pan(1);
  c.pan(2);
  answeringMessages([&] { c.compressOrRestore(); });
  ASSERT_TRUE(c.panX() != 0 && c.panY() != 0 && c.showsMinimal() && c.twoInputGates());
  answeringMessages([&] { click(form(), QStringLiteral("Command3")); });
  EXPECT_TRUE(isOpen(c));
  EXPECT_EQ(c.panX(), 0);
  EXPECT_EQ(c.panY(), 0);
  EXPECT_FALSE(c.showsMinimal());
  EXPECT_EQ(c.drawnRpn(), QStringLiteral("ab*p+"));
  EXPECT_EQ(c.captionText(), QStringLiteral("f=a*b+~c"));
  EXPECT_EQ(c.onesTerms(), QStringLiteral("nop+nbp+aop+abp+abc+"));
  EXPECT_FALSE(c.twoInputGates());

  answeringMessages([&] { click(form(), QStringLiteral("Command6")); }, QMessageBox::No);
  EXPECT_TRUE(isOpen(*app.Form9));
  EXPECT_EQ(app.Form9->expression(), QStringLiteral("a*b+~c"));

  auto* l1 = find<QLabel>(form(), QStringLiteral("Label1"));
  auto* l5 = find<QLabel>(form(), QStringLiteral("Label5"));
  auto* l6 = find<QLabel>(form(), QStringLiteral("Label6"));
  EXPECT_EQ(l1->text() + l5->text() + l6->text(), QStringLiteral("式変換→カルノー図→回路図→"));
}

// A view left open from an earlier table keeps that table's count: its
// "一覧へ" once stored a 4-variable form with the next table's count of 2.
TEST_F(TruthTableFormTest, AViewLeftOpenKeepsItsOwnTablesCount) {
  d.tableFor(QStringLiteral("a*b*c*d"), 4);
  click(form(), QStringLiteral("Command1"));
  d.tableFor(QStringLiteral("a+b"), 2);
  ASSERT_EQ(form().variables(), 2);
  EXPECT_TRUE(answeringMessages([&] { click(*app.Form10, "CommandToList(1)"); }).isEmpty());
  EXPECT_EQ(d.list2()->item(d.list2()->count() - 1)->text(), QStringLiteral("a*b*c*d 3"));
}

TEST_F(TruthTableFormTest, ClosingRunsTheMainLoadRoutineAndZeroesBothBars) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  ASSERT_EQ(d.bar()->value(), 7);
  QWidget* mainBar = d.bar();
  form().widget()->close();
  EXPECT_FALSE(isOpen(form()));
  EXPECT_EQ(static_cast<QProgressBar*>(mainBar)->value(), 0);
  EXPECT_FALSE(enabled(d.button(QStringLiteral("Command1(0)"))));
  EXPECT_FALSE(enabled(d.button(QStringLiteral("Command1(22)"))));
  EXPECT_TRUE(enabled(d.button(QStringLiteral("Command3(1)"))));
  // The entry is still there and makes the same table again.
  d.selectEntry(0);
  d.create();
  ASSERT_TRUE(isOpen(form()));
  EXPECT_EQ(text2()->toPlainText(), QStringLiteral("1\n0\n1\n0\n1\n0\n1\n1"));
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(TableProgress, EveryRowSetsBothBarsWithoutARepaintPerRow) {
  QProgressBar a, b;
  a.setTextVisible(false);
  a.resize(600, 20);
  a.show();
  b.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&a));
  PaintCounter counter;
  a.installEventFilter(&counter);
  {
    TableProgress progress({&a, nullptr, &b});
    const Progress step = progress.callback();
    for (int pass = 0; pass < 3; ++pass) {
      for (int r = 0; r < 1024; ++r) {
        step(1024, r);
        ASSERT_EQ(a.value(), r);
        ASSERT_EQ(b.value(), r);
      }
    }
    EXPECT_EQ(a.maximum(), 1024);
    EXPECT_EQ(b.maximum(), 1024);
  }
  // Painting is held during the passes (a few flushes at most on a slow
  // machine), and the last value is painted afterwards.
  EXPECT_LE(counter.paints, 3);
  EXPECT_TRUE(a.updatesEnabled());
  QTRY_VERIFY(counter.paints > 0);
}

}  // namespace
}  // namespace ronri
