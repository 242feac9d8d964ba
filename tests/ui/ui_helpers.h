#pragma once
// The one header of the window tests: the common includes (GoogleTest, the Qt
// controls, the App and every window), finding controls by their names,
// clicking them as a person would, answering the message boxes an action
// opens, taking an entry of a right-click menu, and driving the main window as a user does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <ostream>

#include "core/table/function.h"
#include "ui/app.h"
#include "ui/framework/window.h"
#include "ui/windows/added/answer_check_form.h"
#include "ui/windows/added/derivation_form.h"
#include "ui/windows/added/multi_output_circuit_form.h"
#include "ui/windows/added/multi_output_form.h"
#include "ui/windows/added/number_input_form.h"
#include "ui/windows/added/prime_chart_form.h"
#include "ui/windows/added/tabulation_form.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/compare_form.h"
#include "ui/windows/designed/convert_form.h"
#include "ui/windows/designed/display_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/designed/map_count_form.h"
#include "ui/windows/designed/map_input_form.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/designed/pattern_form.h"
#include "ui/windows/designed/table_count_form.h"
#include "ui/windows/designed/table_input_form.h"
#include "ui/windows/designed/truth_table_form.h"

// gtest prints a QString as its text (found by lookup beside QString).
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace ronri::test {

template <class T = QWidget>
T* find(const Window& w, const QString& name) {
  T* c = w.control<T>(name);
  if (!c) ADD_FAILURE() << "no control " << name.toStdString() << " in " << w.name().toStdString();
  return c;
}

// A control's state as an assertion naming the control and its text either
// way, so EXPECT_TRUE and EXPECT_FALSE both say which control failed.
inline ::testing::AssertionResult stated(const QWidget* c, bool on, const char* what) {
  auto r = on ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  if (!c) return r << "no such control";
  return r << c->objectName().toStdString() << " \"" << c->property("text").toString().toStdString()
           << "\" is " << (on ? "" : "not ") << what;
}
inline ::testing::AssertionResult enabled(const QWidget* c) {
  return stated(c, c && c->isEnabled(), "enabled");
}
inline ::testing::AssertionResult enabled(const Window& w, const QString& name) {
  return enabled(find(w, name));
}
inline ::testing::AssertionResult visible(const QWidget* c) {
  return stated(c, c && c->isVisible(), "visible");
}
inline ::testing::AssertionResult hidden(const QWidget* c) {
  return stated(c, c && c->isHidden(), "hidden");
}
inline ::testing::AssertionResult checked(const QAbstractButton* b) {
  return stated(b, b && b->isChecked(), "checked");
}
inline ::testing::AssertionResult checked(const Window& w, const QString& name) {
  return checked(find<QAbstractButton>(w, name));
}

// Whether `inner` lies inside `outer` / whether two rectangles overlap, both
// rectangles in the message either way.
inline std::string rectText(const QRect& r) {
  return QStringLiteral("(%1, %2, %3x%4)")
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height())
      .toStdString();
}
inline ::testing::AssertionResult within(const QRect& inner, const QRect& outer) {
  const bool in = outer.contains(inner);
  return (in ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
         << rectText(inner) << (in ? " lies inside " : " is not inside ") << rectText(outer);
}
inline ::testing::AssertionResult overlap(const QRect& a, const QRect& b) {
  const bool meet = a.intersects(b);
  return (meet ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
         << rectText(a) << (meet ? " overlaps " : " does not overlap ") << rectText(b);
}

// Whether row `row` of the list is selected; the message names the selected rows.
inline ::testing::AssertionResult selected(const QListWidget* list, int row) {
  const QListWidgetItem* item = list ? list->item(row) : nullptr;
  auto r =
      item && item->isSelected() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  r << "row " << row << (item && item->isSelected() ? " is" : " is not") << " selected; selected:";
  if (list)
    for (const QListWidgetItem* i : list->selectedItems())
      r << " " << list->row(i) << " \"" << i->text().toStdString() << '"';
  return r;
}

// Whether the window is open; the message lists the windows on screen.
inline ::testing::AssertionResult isOpen(const Window& w) {
  auto r = w.isOpen() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  r << w.name().toStdString() << " is " << (w.isOpen() ? "" : "not ") << "open; on screen:";
  for (const QWidget* t : QApplication::topLevelWidgets())
    if (t->isVisible())
      r << " " << t->objectName().toStdString() << " \"" << t->windowTitle().toStdString() << '"';
  return r;
}

inline void click(QAbstractButton* b) {
  if (b) QTest::mouseClick(b, Qt::LeftButton);
}

inline void click(const Window& w, const QString& name) {
  click(find<QAbstractButton>(w, name));
}

// Runs `action`; every message box opened meanwhile is answered with `answer`
// (Ok for plain messages). Returns the texts of the boxes, in order.
inline QStringList answeringMessages(const std::function<void()>& action,
                                     QMessageBox::StandardButton answer = QMessageBox::Ok,
                                     QStringList* titles = nullptr) {
  QStringList texts;
  QTimer timer;
  timer.setInterval(1);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    texts << box->text();
    if (titles) *titles << box->windowTitle();
    QAbstractButton* b = box->button(answer);
    if (!b) b = box->button(QMessageBox::Ok);
    if (!b) b = box->buttons().value(0);
    if (b) b->click();
  });
  timer.start();
  action();
  timer.stop();
  return texts;
}

// The entries of the right-click menu `area` opens; with `choose`, that
// entry is taken and its file dialog answered with `path`.
// With `at`, a right-click event there opens the menu instead of the signal.
inline QStringList menuEntries(QWidget* area, const QString& choose = {}, const QString& path = {},
                               std::optional<QPoint> at = std::nullopt) {
  QStringList entries;
  QTimer timer;
  timer.setInterval(1);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : menu->actions()) {
        entries << a->text();
        if (a->text() == choose) menu->setActiveAction(a);
      }
      if (!menu->activeAction()) {
        menu->close();
        return;
      }
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(menu, &enter);
    } else if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      d->selectFile(path);
      static_cast<QDialog*>(d)->accept();  // the dialog's own check of the name runs
    }
  });
  timer.start();
  if (at) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, *at, area->mapToGlobal(*at));
    QApplication::sendEvent(area, &e);
  } else {
    emit area->customContextMenuRequested(QPoint(4, 4));
  }
  return entries;
}

// The main window as a user drives it: choose a count, press the expression
// buttons, store it, select an entry, create its table.
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
