#pragma once
// Helpers for window tests: find controls by design name, click them as a
// person would, and answer the message boxes an action opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "ui/framework/window.h"

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

}  // namespace ronri::test
