#include <random>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "ui/framework/canvas.h"
#include "ui/framework/twips.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::enabled;
using test::find;
using test::isOpen;
using test::overlap;
using test::within;
using ::testing::IsEmpty;

MapInputForm& mapWindow(App& app, int n) {
  return n == 3 ? *app.Form13 : n == 4 ? *app.Form14 : *app.Form15;
}

// The cell under the column code and beside the row code, found by where the
// labels stand on screen, not by index.
QPushButton* cellAt(const MapInputForm& w, const QString& column, const QString& row) {
  int x = -1, y = -1;
  for (QLabel* l : w.widget()->findChildren<QLabel*>()) {
    if (l->objectName().startsWith("Label3(") && l->text() == column)
      x = l->geometry().center().x();
    if (l->objectName().startsWith("Label4(") && l->text() == row) y = l->geometry().center().y();
  }
  for (QPushButton* b : w.widget()->findChildren<QPushButton*>())
    if (b->objectName().startsWith("Command1(") && b->geometry().contains(x, y)) return b;
  ADD_FAILURE() << "no cell at " << column.toStdString() << "/" << row.toStdString();
  return nullptr;
}

TEST(MapInput, CountDialogOpensTheMapOfThatSize) {
  App app;
  app.Form12->show();
  EXPECT_EQ(answeringMessages([&] { click(*app.Form12, "Command1"); }),
            QStringList{"選んでください"});
  EXPECT_TRUE(isOpen(*app.Form12));
  for (int n = 3; n <= 5; ++n) {
    app.Form12->show();
    find<QRadioButton>(*app.Form12, QStringLiteral("Option%1").arg(n))->setChecked(true);
    click(*app.Form12, "Command1");
    EXPECT_FALSE(isOpen(*app.Form12));
    for (int k = 3; k <= 5; ++k) EXPECT_EQ(mapWindow(app, k).isOpen(), k == n) << n;
    EXPECT_EQ(mapWindow(app, n).widget()->windowTitle(), QStringLiteral("カルノー図入力"));
    mapWindow(app, n).unload();
  }
}

TEST(MapInput, CellsStandAtTheirPlacesInGrayCodeOrder) {
  const std::vector<int> columnX = {1440, 2400, 3360, 4320, 5400, 6360, 7320, 8280};
  const std::vector<int> rowY = {1080, 1680, 2280, 2880};
  const QStringList columnCodes[] = {{"00", "01", "11", "10"},
                                     {"000", "001", "011", "010", "110", "111", "101", "100"}};
  const QStringList rowCodes[] = {{"0", "1"}, {"00", "01", "11", "10"}};
  App app;
  for (int n = 3; n <= 5; ++n) {
    MapInputForm& w = mapWindow(app, n);
    w.show();
    const QStringList& columns = columnCodes[n == 5];
    const QStringList& rows = rowCodes[n > 3];
    EXPECT_EQ(find<QLabel>(w, "Label1")->text(), n == 5 ? "abc" : "ab");
    EXPECT_EQ(find<QLabel>(w, "Label2")->text(), n == 3 ? "c" : n == 4 ? "cd" : "de");
    for (int i = 0; i < columns.size(); ++i) {
      EXPECT_EQ(find<QLabel>(w, QStringLiteral("Label3(%1)").arg(i))->text(), columns[i]);
      for (int j = 0; j < rows.size(); ++j) {
        EXPECT_EQ(find<QLabel>(w, QStringLiteral("Label4(%1)").arg(j))->text(), rows[j]);
        // The minterm: column code then row code, read in base 2.
        const int m = (columns[i] + rows[j]).toInt(nullptr, 2);
        auto* b = find<QPushButton>(w, QStringLiteral("Command1(%1)").arg(m));
        ASSERT_TRUE(b);
        EXPECT_EQ(b->geometry(), pxRect(columnX[i], rowY[j], 495, 375)) << n << " " << m;
        EXPECT_EQ(b->text(), "0");
        EXPECT_EQ(cellAt(w, columns[i], rows[j]), b);
      }
    }
    EXPECT_EQ(w.widget()->findChildren<QPushButton*>().size(), (1 << n) + 3);
    auto* input = find(w, "Command2");
    EXPECT_GT(input->geometry().top(), px(rowY[rows.size() - 1] + 375));
    EXPECT_TRUE(within(input->geometry(), w.widget()->rect()));
    // "簡単化して入力" beside "入力", clear of it and of the map.
    auto* simplify = find(w, "Command3");
    EXPECT_EQ(simplify->geometry().top(), input->geometry().top());
    EXPECT_FALSE(overlap(simplify->geometry(), input->geometry()));
    EXPECT_TRUE(within(simplify->geometry(), w.widget()->rect()));
    w.unload();
  }
}

TEST(MapInput, RulingRunsBetweenTheCells) {
  App app;
  for (int n : {3, 5}) {
    MapInputForm& w = mapWindow(app, n);
    w.show();
    const QImage& image = find<Canvas>(w, "Canvas")->image();
    auto dark = [&](int x, int y) { return qGray(image.pixel(px(x), px(y))) < 100; };
    const int midRow = 1080 + 375 / 2;
    // Between columns 0 and 1, and between the two rows.
    int darkBetween = 0;
    for (int x = 1440 + 495; x < 2400; x += 15) darkBetween += dark(x, midRow);
    EXPECT_EQ(darkBetween, 1) << n;
    int darkRow = 0;
    for (int y = 1080 + 375; y < 1680; y += 15) darkRow += dark(1440 + 200, y);
    EXPECT_EQ(darkRow, 1) << n;
    if (n == 5) {
      // The halves of the five-variable map are set apart by a double line.
      int darkGap = 0;
      for (int x = 4320 + 495; x < 5400; x += 15) darkGap += dark(x, midRow);
      EXPECT_EQ(darkGap, 2);
    }
    w.unload();
  }
}

TEST(MapInput, InputWritesTheMintermsInNumericOrder) {
  App app;
  app.start();
  auto* text1 = find<QLineEdit>(*app.Form1, "Text1");
  auto* input = find(*app.Form1, "Command3(0)");
  input->setEnabled(false);

  app.Form13->show();
  click(cellAt(*app.Form13, "11", "0"));
  click(cellAt(*app.Form13, "10", "1"));
  click(cellAt(*app.Form13, "00", "0"));
  click(cellAt(*app.Form13, "00", "0"));  // twice: back to 0
  click(*app.Form13, "Command2");
  EXPECT_EQ(text1->text(), "a*~b*c+a*b*~c");
  EXPECT_EQ(find<QListWidget>(*app.Form1, "List1")->currentRow(), 2);
  EXPECT_FALSE(isOpen(*app.Form13));
  EXPECT_FALSE(enabled(input));  // the map windows leave "入力" alone

  // One cell of the 4- and 5-variable maps: its row number and its product.
  const struct {
    int n;
    const char *column, *row, *button, *product;
  } cells[] = {{4, "10", "11", "Command1(11)", "a*~b*c*d"},
               {5, "110", "10", "Command1(26)", "a*b*~c*d*~e"}};
  for (const auto& c : cells) {
    MapInputForm& w = mapWindow(app, c.n);
    w.show();
    QPushButton* cell = cellAt(w, c.column, c.row);
    EXPECT_EQ(cell->objectName(), c.button);
    click(cell);
    click(w, "Command2");
    EXPECT_EQ(text1->text(), c.product);
    EXPECT_EQ(find<QListWidget>(*app.Form1, "List1")->currentRow(), c.n - 1);
  }

  app.Form14->show();
  click(*app.Form14, "Command2");
  EXPECT_EQ(text1->text(), "");
  EXPECT_FALSE(enabled(input));
}

// A BCD digit of five or more: the codes 10..15 never occur and are marked X
// by a right click; "入力" counts them as 0, "簡単化して入力" uses them.
TEST(MapInput, DontCareCellsAndTheSimplifiedInput) {
  App app;
  app.start();
  auto* text1 = find<QLineEdit>(*app.Form1, "Text1");
  auto* input = find(*app.Form1, "Command3(0)");
  input->setEnabled(false);
  for (const char* button : {"Command2", "Command3"}) {
    app.Form14->show();
    for (int m = 5; m <= 15; ++m) {
      auto* cell = find<QPushButton>(*app.Form14, QStringLiteral("Command1(%1)").arg(m));
      if (m <= 9)
        click(cell);
      else
        QTest::mouseClick(cell, Qt::RightButton);
      EXPECT_EQ(cell->text(), m <= 9 ? "1" : "X");
    }
    click(*app.Form14, button);
    EXPECT_FALSE(isOpen(*app.Form14));
    EXPECT_EQ(find<QListWidget>(*app.Form1, "List1")->currentRow(), 3);
    EXPECT_FALSE(enabled(input));
    EXPECT_EQ(text1->text(), QString(button) == "Command2"
                                 ? "~a*b*~c*d+~a*b*c*~d+~a*b*c*d+a*~b*~c*~d+a*~b*~c*d"
                                 : "b*d+b*c+a");
  }
}

TEST(MapInput, StoredExpressionHasTheClickedFunction) {
  std::mt19937 rng(99);
  App app;
  app.start();
  auto* list2 = find<QListWidget>(*app.Form1, "List2");
  for (int n = 3; n <= 5; ++n) {
    for (int trial = 0; trial < 10; ++trial) {
      std::vector<bool> values(1 << n);
      for (size_t m = 0; m < values.size(); ++m) values[m] = rng() % 3 == 0;
      values[rng() % values.size()] = true;
      MapInputForm& w = mapWindow(app, n);
      w.show();
      for (size_t m = 0; m < values.size(); ++m)
        if (values[m]) click(w, QStringLiteral("Command1(%1)").arg(m));
      click(w, "Command2");
      const int before = list2->count();
      ASSERT_THAT(answeringMessages([&] { click(*app.Form1, "Command3(0)"); }), IsEmpty());
      ASSERT_EQ(list2->count(), before + 1);
      const std::string entry = list2->item(before)->text().toStdString();
      ASSERT_EQ(entry.substr(entry.size() - 2), " " + std::to_string(n - 1));
      const std::vector<char> rows =
          evaluateRows(ReversePolishNotation(InsideExp(entry.substr(0, entry.size() - 2))), n);
      for (size_t m = 0; m < values.size(); ++m)
        ASSERT_EQ(rows[m], values[m] ? '1' : '0') << entry << " minterm " << m;
    }
  }
}

}  // namespace
}  // namespace ronri
