// A function with don't-care rows from the truth-table input through the
// windows: m(1,3,7,11,15) + d(0,2,5), whose minimal sums are ~a*~b + c*d and
// ~a*d + c*d.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "main_form_driver.h"
#include "ui/framework/app.h"
#include "ui/windows/table_input_form.h"
#include "ui/windows/truth_table_form.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::click;
using test::find;

const std::string kRows = "X1X10X0100010001";  // rows 0..15
const QString kCanonical = "~a*~b*~c*d+~a*~b*c*d+~a*b*c*d+a*~b*c*d+a*b*c*d";

// Marks the rows in the truth-table input and hands them over with their X.
void enterWithDontCares(App& app) {
  app.Form11->hen = 4;
  app.Form11->show();
  for (size_t r = 0; r < kRows.size(); ++r) {
    auto* b = find<QPushButton>(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
    if (kRows[r] == '1') click(b);
    if (kRows[r] == 'X') QTest::mouseClick(b, Qt::RightButton);
  }
  click(*app.Form11, "Command4");
}

QStringList lines(App& app, const char* column) {
  return find<QPlainTextEdit>(*app.Form2, column)->toPlainText().split('\n');
}

TEST(DontCareWalk, EntryKeepsItsXRowsUntilTheFieldChanges) {
  App app;
  app.Form1->show();
  test::MainDriver main(app);
  enterWithDontCares(app);
  EXPECT_FALSE(app.Form11->isOpen());
  EXPECT_EQ(main.text1()->text(), kCanonical);
  EXPECT_EQ(find<QLabel>(*app.Form1, "DontCareLabel")->text(), "d(0,2,5)");
  ASSERT_TRUE(main.store().isEmpty());
  EXPECT_EQ(main.list2()->item(0)->text(), kCanonical + " 3 d(0,2,5)");

  // Changed by a button, the field holds a plain expression again.
  enterWithDontCares(app);
  click(*app.Form1, "Command2(1)");  // BS
  main.type("c");
  EXPECT_FALSE(find<QLabel>(*app.Form1, "DontCareLabel")->isVisible());
  ASSERT_TRUE(main.store().isEmpty());
  EXPECT_EQ(main.list2()->item(1)->text(), kCanonical.chopped(1) + "c 3");
}

TEST(DontCareWalk, TruthTableShowsXAndFiltersLeaveThemOut) {
  App app;
  app.Form1->show();
  test::MainDriver main(app);
  enterWithDontCares(app);
  ASSERT_TRUE(main.store().isEmpty());
  main.selectEntry(0);
  main.create();
  ASSERT_TRUE(app.Form2->isOpen());
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

}  // namespace
}  // namespace ronri
