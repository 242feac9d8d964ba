#include <QAction>
#include <QScreen>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <random>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/table_input.h"
#include "core/table/truthtable.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::enabled;
using test::find;
using test::isOpen;
using test::overlap;
using test::visible;
using test::within;
using ::testing::IsEmpty;

QString entryField(App& app) {
  return find<QLineEdit>(*app.Form1, "Text1")->text();
}

void openTable(App& app, int hen) {
  app.Form11->showFor(hen);
}

void setOutputs(App& app, const std::vector<bool>& values) {
  for (size_t r = 0; r < values.size(); ++r)
    if (values[r]) click(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
}

// '1' by a left click, 'X' by a right click.
void setRows(App& app, const std::string& values) {
  for (size_t r = 0; r < values.size(); ++r) {
    auto* b = find<QPushButton>(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
    if (values[r] == '1') click(b);
    if (values[r] == 'X') QTest::mouseClick(b, Qt::RightButton);
  }
}

TEST(TableInput, CountDialogAsksUntilACountIsChosen) {
  App app;
  app.Form8->show();
  EXPECT_EQ(answeringMessages([&] { click(*app.Form8, "Command1"); }),
            QStringList{"選んでください"});
  EXPECT_TRUE(isOpen(*app.Form8));
  EXPECT_FALSE(isOpen(*app.Form11));
  find<QRadioButton>(*app.Form8, "Option4")->setChecked(true);
  click(*app.Form8, "Command1");
  EXPECT_FALSE(isOpen(*app.Form8));
  ASSERT_TRUE(isOpen(*app.Form11));
  EXPECT_EQ(app.Form11->variables(), 4);
  EXPECT_EQ(app.Form11->widget()->windowTitle(), QStringLiteral("真理値表入力"));
}

// Every output button stands beside its own line of the row labels, for
// every size; the labels are the rows' digits.
TEST(TableInput, ButtonsLineUpWithTheirRows) {
  App app;
  for (int hen = 1; hen <= 5; ++hen) {
    openTable(app, hen);
    QApplication::processEvents();
    auto* text2 = find<QTextEdit>(*app.Form11, "Text2");
    ASSERT_TRUE(text2);
    QString labels = QString::fromStdString(rowLabels(hen));
    EXPECT_EQ(text2->toPlainText(), labels.replace("\r\n", "\n"));
    const int rows = 1 << hen;
    int previousTop = -1;
    for (int r = 0; r < TableInputForm::kMaxRows; ++r) {
      auto* b = find<QPushButton>(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
      ASSERT_TRUE(b);
      EXPECT_EQ(b->isVisible(), r < rows) << hen << " " << r;
      if (r >= rows) continue;
      EXPECT_EQ(b->text(), "0");
      // Where row r's first digit is drawn: line r of the labels.
      const int position = hen == 1 ? 24 * r : text2->document()->findBlockByNumber(r).position();
      QTextCursor c(text2->document());
      c.setPosition(position);
      const QRect glyph = text2->cursorRect(c).translated(
          text2->viewport()->mapTo(b->parentWidget(), QPoint(0, 0)));
      const int centre = b->geometry().center().y();
      EXPECT_GE(centre, glyph.top()) << hen << " " << r;
      EXPECT_LE(centre, glyph.bottom()) << hen << " " << r;
      EXPECT_GT(b->geometry().left(), text2->geometry().right());
      EXPECT_GT(b->geometry().top(), previousTop);  // no two buttons overlap
      previousTop = b->geometry().bottom();
      EXPECT_TRUE(within(b->geometry(), b->parentWidget()->rect()));
    }
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(find(*app.Form11, QStringLiteral("Text1(%1)").arg(k))->isVisible(), k < hen);
    EXPECT_LT(find(*app.Form11, "Command2")->geometry().top(), app.Form11->widget()->height());
    // The window fits the screen (title bar included); the table scrolls to
    // its last row, whose button stays beside it.
    QMainWindow* w = app.Form11->widget();
    EXPECT_LE(w->height() + 32, w->screen()->availableGeometry().height()) << hen;
    auto* scroll = find<QScrollArea>(*app.Form11, "TableScroll");
    ASSERT_TRUE(scroll);
    QWidget* last = find(*app.Form11, QStringLiteral("Command1(%1)").arg(rows - 1));
    scroll->ensureWidgetVisible(last);
    const QRect shown(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(within(shown, scroll->viewport()->rect())) << hen;
    app.Form11->unload();
  }
}

TEST(TableInput, ButtonsToggleAndEveryLoadStartsAtZero) {
  App app;
  openTable(app, 3);
  auto* b = find<QPushButton>(*app.Form11, "Command1(5)");
  click(b);
  EXPECT_EQ(b->text(), "1");
  click(b);
  EXPECT_EQ(b->text(), "0");
  click(b);
  app.Form11->unload();
  openTable(app, 3);
  EXPECT_EQ(find<QPushButton>(*app.Form11, "Command1(5)")->text(), "0");
}

// Right click and the X key mark "X"; a right click on "X" and the designed
// left click give "0". "入力" counts X as 0; "簡単化して入力" uses it.
TEST(TableInput, DontCareRowsAndTheSimplifiedInput) {
  App app;
  app.start();
  openTable(app, 3);
  auto* b = find<QPushButton>(*app.Form11, "Command1(4)");
  EXPECT_TRUE(b->toolTip().contains(QStringLiteral("右クリックか X キーで X")));  // says how
  QTest::mouseClick(b, Qt::RightButton);
  EXPECT_EQ(b->text(), "X");
  QTest::mouseClick(b, Qt::RightButton);
  EXPECT_EQ(b->text(), "0");
  b->setFocus();
  QTest::keyClick(b, Qt::Key_X);
  EXPECT_EQ(b->text(), "X");
  click(b);
  EXPECT_EQ(b->text(), "0");
  QTest::keyClick(b, Qt::Key_X);
  // Rows 000..111: 0 1 1 1 X X 1 0 takes two terms.
  setRows(app, "0111-X10");
  auto* simplify = find<QPushButton>(*app.Form11, "Command3");
  auto* input = find<QPushButton>(*app.Form11, "Command2");
  EXPECT_EQ(simplify->text(), QStringLiteral("簡単化して入力"));
  EXPECT_FALSE(overlap(simplify->geometry(), input->geometry()));
  EXPECT_EQ(simplify->geometry().top(), input->geometry().top());
  EXPECT_TRUE(within(simplify->geometry(), simplify->parentWidget()->rect()));
  click(simplify);
  EXPECT_EQ(entryField(app), "~a*c+b*~c");
  EXPECT_EQ(find<QListWidget>(*app.Form1, "List1")->currentRow(), 2);
  EXPECT_TRUE(enabled(*app.Form1, "Command3(0)"));
  EXPECT_FALSE(isOpen(*app.Form11));

  openTable(app, 3);
  setRows(app, "0111XX10");
  click(*app.Form11, "Command2");
  EXPECT_EQ(entryField(app), "~a*~b*c+~a*b*~c+~a*b*c+a*b*~c");
}

TEST(TableInput, InputHandsTheSumOfProductsToTheMainWindow) {
  struct Case {
    int hen;
    std::vector<bool> values;
    QString expression;
  };
  const Case cases[] = {
      {2, {false, true, true, false}, "~a*b+a*~b"},
      {1, {false, true}, "a"},
      {4, std::vector<bool>(16, false), ""},
      {3, std::vector<bool>(8, true),
       "~a*~b*~c+~a*~b*c+~a*b*~c+~a*b*c+a*~b*~c+a*~b*c+a*b*~c+a*b*c"},
  };
  for (const Case& c : cases) {
    App app;
    app.start();
    find<QLineEdit>(*app.Form1, "Text1")->setText("b+c");
    find(*app.Form1, "Command3(0)")->setEnabled(false);
    openTable(app, c.hen);
    setOutputs(app, c.values);
    click(*app.Form11, "Command2");
    EXPECT_EQ(entryField(app), c.expression);
    EXPECT_TRUE(enabled(*app.Form1, "Command3(0)"));
    EXPECT_EQ(find<QListWidget>(*app.Form1, "List1")->currentRow(), c.hen - 1);
    // Choosing the count unlocks exactly its letters.
    EXPECT_TRUE(enabled(*app.Form1, QStringLiteral("Command1(%1)").arg(c.hen - 1)));
    if (c.hen < 10) EXPECT_FALSE(enabled(*app.Form1, QStringLiteral("Command1(%1)").arg(c.hen)));
    EXPECT_FALSE(isOpen(*app.Form11));
  }
}

TEST(TableInput, SameCountAgainStillUnlocksTheMainWindow) {
  App app;
  app.start();
  find<QListWidget>(*app.Form1, "List1")->setCurrentRow(2);
  app.Form1->reload();  // as when the table window closes: the buttons lock again
  ASSERT_FALSE(enabled(*app.Form1, "Command1(0)"));
  openTable(app, 3);
  setOutputs(app, {false, false, false, true, false, false, false, false});
  click(*app.Form11, "Command2");
  EXPECT_EQ(entryField(app), "~a*b*c");
  EXPECT_TRUE(enabled(*app.Form1, "Command1(2)"));
  EXPECT_TRUE(enabled(*app.Form1, "Command1(22)"));
}

// Choosing another count while a table is open replaces the table: its
// expression never mixes the rows of one size with the letters of another.
TEST(TableInput, ANewCountReplacesAnOpenTable) {
  App app;
  app.start();
  openTable(app, 5);
  click(*app.Form11, "Command1(31)");
  app.Form8->show();
  find<QRadioButton>(*app.Form8, "Option2")->setChecked(true);
  click(*app.Form8, "Command1");
  EXPECT_FALSE(visible(find(*app.Form11, "Command1(4)")));
  setOutputs(app, {false, false, false, true});
  click(*app.Form11, "Command2");
  EXPECT_EQ(entryField(app), "a*b");
  // The same count again keeps what was clicked.
  openTable(app, 3);
  click(*app.Form11, "Command1(7)");
  app.Form8->show();
  find<QRadioButton>(*app.Form8, "Option3")->setChecked(true);
  click(*app.Form8, "Command1");
  EXPECT_EQ(find<QPushButton>(*app.Form11, "Command1(7)")->text(), "1");
}

TEST(TableInput, MenuItemsOpenTheInputAndComparisonWindows) {
  App app;
  app.start();
  auto trigger = [&](const QString& caption) {
    for (QAction* a : app.Form1->widget()->findChildren<QAction*>())
      if (a->text() == caption) return a->trigger();
    ADD_FAILURE() << "no menu item " << caption.toStdString();
  };
  trigger("真理値表");
  EXPECT_TRUE(isOpen(*app.Form8));
  trigger("カルノー図");
  EXPECT_TRUE(isOpen(*app.Form12));
  trigger("比較");
  EXPECT_TRUE(isOpen(*app.Form18));
}

TEST(TableInput, WithoutTheMainWindowInputStillCloses) {
  App app;
  openTable(app, 2);
  setOutputs(app, {true, false, false, false});
  click(*app.Form11, "Command2");
  EXPECT_FALSE(isOpen(*app.Form11));
}

// Entering a random function and storing it gives an expression with exactly
// that truth table (checked by the expression engine, not by the window).
// Every other table has don't-care rows and goes through "簡単化して入力":
// its expression is always accepted and agrees on every row not marked X.
TEST(TableInput, StoredExpressionHasTheClickedFunction) {
  std::mt19937 rng(2024);
  App app;
  app.start();
  auto* list2 = find<QListWidget>(*app.Form1, "List2");
  for (int hen = 1; hen <= 5; ++hen) {
    for (int trial = 0; trial < 12; ++trial) {
      const bool simplified = trial % 2 == 1;
      std::string rows(size_t(1) << hen, '0');
      for (char& c : rows) c = "01X"[rng() % (simplified ? 3 : 2)];
      if (hen == 1) rows = {"01X"[trial % 3], "01X"[trial / 3 % 3]};
      if (hen == 1 && !simplified) std::replace(rows.begin(), rows.end(), 'X', '1');
      std::vector<bool> values(rows.size());
      for (size_t m = 0; m < values.size(); ++m) values[m] = rows[m] == '1';
      openTable(app, hen);
      setRows(app, rows);
      click(*app.Form11, simplified ? "Command3" : "Command2");
      const int before = list2->count();
      const QStringList messages = answeringMessages([&] { click(*app.Form1, "Command3(0)"); });
      const int ones = int(std::count(values.begin(), values.end(), true));
      // A lone literal or no term at all is refused by the main window's check.
      if (!simplified && (ones == 0 || (hen == 1 && ones == 1))) {
        EXPECT_EQ(messages.size(), 1);
        EXPECT_EQ(list2->count(), before);
        find<QLineEdit>(*app.Form1, "Text1")->clear();
        continue;
      }
      ASSERT_THAT(messages, IsEmpty()) << messages.join(" ").toStdString();
      ASSERT_EQ(list2->count(), before + 1);
      const std::string entry = list2->item(before)->text().toStdString();
      ASSERT_EQ(entry.substr(entry.size() - 2), " " + std::to_string(hen - 1));
      const std::string expression = entry.substr(0, entry.size() - 2);
      const std::vector<char> got = evaluateRows(ReversePolishNotation(InsideExp(expression)), hen);
      for (size_t m = 0; m < values.size(); ++m)
        if (rows[m] != 'X') ASSERT_EQ(got[m], rows[m]) << entry << " row " << m << " of " << rows;
    }
  }
}

}  // namespace
}  // namespace ronri
