#include "ui/windows/helpers/dont_care.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "core/table/function.h"
#include "core/table/table_input.h"
#include "ui/app.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

namespace {

// Watches one button. The right button is taken on release, as a click is;
// the context-menu event a window system sends for the press is swallowed
// so that one right click marks once.
class DontCareMarker : public QObject {
 public:
  explicit DontCareMarker(QPushButton* button) : QObject(button), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != button_ || !button_->isEnabled()) return false;
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(e)->button() == Qt::RightButton;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() != Qt::RightButton) return false;
        if (button_->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint())) mark();
        return true;
      case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent*>(e)->reason() == QContextMenuEvent::Keyboard) mark();
        return true;
      case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_X || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
          return false;
        mark();
        return true;
      }
      default:
        return false;
    }
  }

 private:
  void mark() { button_->setText(button_->text() == QStringLiteral("X") ? "0" : "X"); }

  QPushButton* button_;
};

}  // namespace

void allowDontCare(QPushButton* button) {
  button->installEventFilter(new DontCareMarker(button));
  // Nothing on the button says how an X is made.
  button->setToolTip(QCoreApplication::translate(
      "ronri::DontCare", "クリックで 0 と 1、右クリックか X キーで X（ドントケア）"));
}

std::string rowValues(const QList<QPointer<QPushButton>>& buttons, int count) {
  std::string values;
  for (int r = 0; r < count && r < buttons.size(); ++r) {
    const QString t = buttons[r] ? buttons[r]->text() : QString();
    values += t == QStringLiteral("1") ? '1' : t == QStringLiteral("X") ? 'X' : '0';
  }
  return values;
}

void handWithDontCares(App& app, const std::string& values, int variables, bool enableInput) {
  std::vector<bool> ones(values.size());
  std::vector<int> free;
  for (size_t r = 0; r < values.size(); ++r) {
    ones[r] = values[r] == '1';
    if (values[r] == 'X') free.push_back(static_cast<int>(r));
  }
  app.Form1->setEntry(QString::fromStdString(makeExpression(ones, variables)), variables, free,
                      enableInput);
}

QString withDontCares(const QString& expression, const std::vector<int>& rows) {
  if (rows.empty()) return expression;
  return expression + QLatin1Char(' ') + QString::fromStdString(dontCareText(rows));
}

}  // namespace ronri
