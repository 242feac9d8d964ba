#pragma once
// Drives the main window as a user does: choose a count, press the expression
// buttons, store it, select an entry, create its table.
#include <QListWidget>
#include <QProgressBar>
#include <QString>

#include "ui/app.h"
#include "ui/windows/designed/main_form.h"
#include "ui_helpers.h"

namespace ronri::test {

// The button that inserts a character of an expression.
inline QString buttonFor(QChar c) {
  if (c >= QLatin1Char('a') && c <= QLatin1Char('j'))
    return QStringLiteral("Command1(%1)").arg(c.unicode() - 'a');
  const QString ops = QStringLiteral("()+*~@%$|");
  const int i = int(ops.indexOf(c));
  if (i < 0) ADD_FAILURE() << "no button for " << c.toLatin1();
  return QStringLiteral("Command1(%1)").arg(20 + i);
}

inline void clickRow(QListWidget* list, int row) {
  ASSERT_TRUE(list);
  ASSERT_LT(row, list->count());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

class MainDriver {
 public:
  explicit MainDriver(App& app) : app_(app) {}

  MainForm& form() const { return *app_.Form1; }
  QListWidget* list1() const { return find<QListWidget>(form(), QStringLiteral("List1")); }
  QListWidget* list2() const { return find<QListWidget>(form(), QStringLiteral("List2")); }
  QLineEdit* text1() const { return find<QLineEdit>(form(), QStringLiteral("Text1")); }
  QProgressBar* bar() const { return find<QProgressBar>(form(), QStringLiteral("ProgressBar1")); }
  QAbstractButton* button(const QString& name) const { return find<QAbstractButton>(form(), name); }

  // Clicks "１つ" ... "１０つ".
  void chooseCount(int variables) const { clickRow(list1(), variables - 1); }
  // Presses the button of every character, in order.
  void type(const QString& expression) const {
    for (QChar c : expression) click(form(), buttonFor(c));
  }
  // "入力"; returns the messages it showed.
  QStringList store() const {
    return answeringMessages([&] { click(form(), QStringLiteral("Command3(0)")); });
  }
  void selectEntry(int row) const { clickRow(list2(), row); }
  void create() const { click(form(), QStringLiteral("Command3(1)")); }

  // The whole road: count, expression, 入力, select the new entry, 作成.
  void tableFor(const QString& expression, int variables) const {
    chooseCount(variables);
    type(expression);
    ASSERT_TRUE(store().isEmpty()) << expression.toStdString();
    selectEntry(list2()->count() - 1);
    create();
  }

 private:
  App& app_;
};

}  // namespace ronri::test
