// A function with don't-care rows from the truth-table input through the
// windows: m(1,3,7,11,15) + d(0,2,5), whose minimal sums are ~a*~b + c*d and
// ~a*d + c*d.

#include <QRegularExpression>
#include <algorithm>

#include "core/table/entry_compare.h"
#include "kmap/grouping.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::find;
using test::isOpen;
using test::visible;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::string kRows = "X1X10X0100010001";  // rows 0..15
const QString kCanonical = "~a*~b*~c*d+~a*~b*c*d+~a*b*c*d+a*~b*c*d+a*b*c*d";

// Marks the rows in the truth-table input and hands them over with their X.
void enterWithDontCares(App& app) {
  app.Form11->showFor(4);
  for (size_t r = 0; r < kRows.size(); ++r) {
    auto* b = find<QPushButton>(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
    if (kRows[r] == '1') click(b);
    if (kRows[r] == 'X') QTest::mouseClick(b, Qt::RightButton);
  }
  click(*app.Form11, "Command4");
}

// The entry handed over with its X rows, stored, and its truth table opened.
void storeAndCreate(App& app, test::MainDriver& main) {
  enterWithDontCares(app);
  ASSERT_THAT(main.store(), IsEmpty());
  main.selectEntry(0);
  main.create();
}

QStringList lines(App& app, const char* column) {
  return find<QPlainTextEdit>(*app.Form2, column)->toPlainText().split('\n');
}

TEST(DontCareWalk, EntryKeepsItsXRowsUntilTheFieldChanges) {
  App app;
  app.Form1->show();
  test::MainDriver main(app);
  enterWithDontCares(app);
  EXPECT_FALSE(isOpen(*app.Form11));
  EXPECT_EQ(main.text1()->text(), kCanonical);
  EXPECT_EQ(find<QLabel>(*app.Form1, "DontCareLabel")->text(), "d(0,2,5)");
  ASSERT_THAT(main.store(), IsEmpty());
  EXPECT_EQ(main.list2()->item(0)->text(), kCanonical + " 3 d(0,2,5)");

  // Changed by a button, the field holds a plain expression again.
  enterWithDontCares(app);
  click(*app.Form1, "Command2(1)");  // BS
  main.type("c");
  EXPECT_FALSE(visible(find<QLabel>(*app.Form1, "DontCareLabel")));
  ASSERT_THAT(main.store(), IsEmpty());
  EXPECT_EQ(main.list2()->item(1)->text(), kCanonical.chopped(1) + "c 3");
}

TEST(DontCareWalk, TruthTableShowsXAndFiltersLeaveThemOut) {
  App app;
  app.Form1->show();
  test::MainDriver main(app);
  ASSERT_NO_FATAL_FAILURE(storeAndCreate(app, main));
  ASSERT_TRUE(isOpen(*app.Form2));
  QString shown;
  for (const QString& v : lines(app, "Text2")) shown += v;
  EXPECT_EQ(shown.toStdString(), std::string("X1X10X0100010001"));
  for (int mode : {0, 1}) {
    click(*app.Form2, QStringLiteral("Option1(%1)").arg(mode));
    const QStringList values = lines(app, "Text2");
    EXPECT_EQ(values.size(), mode == 0 ? 8 : 5);
    EXPECT_EQ(values.count(QString::number(mode)), values.size());
    EXPECT_EQ(lines(app, "Text5").size(), values.size());
  }
}

// Whether a window's answer agrees with the function on every row not X, with
// as many terms and letters as the textbook's (without X: 2 terms, 6 letters).
void expectAnswer(const QString& text, int terms) {
  const std::string entry = kCanonical.toStdString() + " 3 d(0,2,5)";
  EXPECT_TRUE(sameFunction(entry, text.toStdString() + " 3")) << text.toStdString();
  EXPECT_EQ(text.count(QLatin1Char('+')) + 1, terms) << text.toStdString();
  EXPECT_EQ(text.count(QRegularExpression("[a-d]")), 2 * terms) << text.toStdString();
}

TEST(DontCareWalk, EveryWindowUsesTheXRows) {
  App app;
  app.Form1->show();
  test::MainDriver main(app);
  ASSERT_NO_FATAL_FAILURE(storeAndCreate(app, main));
  EXPECT_THAT(app.Form2->widget()->windowTitle().toStdString(), EndsWith("d(0,2,5)"));

  // The canonical forms: the 1-rows and the 0-rows only, the X rows beside.
  click(*app.Form2, "Command1");
  ASSERT_TRUE(isOpen(*app.Form10));
  EXPECT_EQ(find<QLabel>(*app.Form10, "DontCareLabel")->text(), "d(0,2,5)");
  EXPECT_EQ(find<QLineEdit>(*app.Form10, "Text1(1)")->text().count('+'), 4);
  EXPECT_EQ(find<QLineEdit>(*app.Form10, "Text1(2)")->text().count('('), 8);

  // The map: X cells, the three primes ~a*~b, ~a*d, c*d, a cover of two.
  click(*app.Form2, "Command2");
  KmapForm& map = *app.Form4;
  ASSERT_TRUE(isOpen(map));
  answeringMessages([&] { click(map, "Command2(1)"); });  // 作成 with the default axes
  const auto& cells = map.model().cells();
  EXPECT_EQ(std::count(cells.begin(), cells.end(), "X"), 3);
  EXPECT_EQ(map.grouping()->allPrimes().size(), std::string("no+nd+cd+").size() - 1);
  const QString minimal = QString::fromStdString(map.grouping()->minPrimes());
  EXPECT_EQ(minimal.count('+'), 1);
  EXPECT_THAT(minimal.toStdString(), HasSubstr("cd"));

  // The conversion window: primes, both minimal forms, the product of sums.
  click(*app.Form2, "Command6");
  ConvertForm& convert = *app.Form9;
  ASSERT_TRUE(isOpen(convert));
  EXPECT_THAT(convert.widget()->windowTitle().toStdString(), EndsWith("d(0,2,5)"));
  convert.listPrimes();
  EXPECT_EQ(find<QLineEdit>(convert, "Text7")->text().count('+'), 2);
  answeringMessages([&] { convert.simplify(); }, QMessageBox::Yes);
  expectAnswer(find<QLineEdit>(convert, "Text2")->text(), 2);
  convert.productOfSums();
  EXPECT_EQ(find<QLineEdit>(convert, "Text8")->text().remove(' '), "(~a+c)*d");

  // The chart: columns are the five 1-rows; both covers are listed.
  convert.showPrimeChart();
  ASSERT_TRUE(isOpen(*app.primeChart));
  const QStringList covers = app.primeChart->coverTexts();
  ASSERT_EQ(covers.size(), 2);
  for (QString c : covers) expectAnswer(c.section(QChar(0x3000), 0, 0).remove(' '), 2);

  // The circuit's 圧縮 draws a minimal form, not c*d + ~a*~b*~c*d.
  click(*app.Form2, "Command3");
  CircuitForm& circuit = *app.Form6;
  ASSERT_TRUE(isOpen(circuit));
  answeringMessages([&] { find<QCheckBox>(circuit, "Check2")->setChecked(true); });
  click(circuit, "Command2");  // the whole circuit, then 圧縮
  answeringMessages([&] { click(circuit, "Command4"); });
  expectAnswer(circuit.captionText(), 2);

  // The comparison: equal to a minimal form; the X rows are named as left out.
  main.list2()->addItems({"~a*d+c*d 3", "c*d 3"});
  app.Form18->show();
  auto pick = [&](const char* list, const QString& entry) {
    auto* l = find<QListWidget>(*app.Form18, list);
    l->setCurrentItem(l->findItems(entry, Qt::MatchExactly).value(0));
  };
  auto compare = [&] { return answeringMessages([&] { click(*app.Form18, "Command2"); }); };
  for (const QString& e : {kCanonical + " 3 d(0,2,5)", QString("~a*d+c*d 3")}) {
    pick("List1", e);
    click(*app.Form18, "Command1(0)");
  }
  EXPECT_EQ(compare(), QStringList{"同じです！"});
  pick("List2", "~a*d+c*d 3");
  click(*app.Form18, "Command1(1)");
  pick("List1", "c*d 3");
  click(*app.Form18, "Command1(0)");
  EXPECT_EQ(compare(), QStringList{"違います！"});
  EXPECT_THAT(find<QLabel>(*app.Form18, "DiffLabel")->text().toStdString(),
              HasSubstr("X の行（3 行）"));
}

}  // namespace
}  // namespace ronri
