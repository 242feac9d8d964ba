#pragma once
// Helpers for window tests: find controls by design name, click them as a
// person would, and answer the message boxes an action opens.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/framework/window.h"

namespace ronri::test {

template <class T = QWidget>
T* find(const Window& w, const QString& name) {
  T* c = w.control<T>(name);
  if (!c) ADD_FAILURE() << "no control " << name.toStdString() << " in " << w.name().toStdString();
  return c;
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
