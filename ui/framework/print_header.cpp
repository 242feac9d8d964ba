#include "ui/framework/print_header.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace ronri {

namespace {

constexpr auto kFunction = "ronriFunction";
constexpr auto kCaption = "ronriCaption";
const QString kDash = QStringLiteral(" — ");

}  // namespace

QString functionTitle(const QString& caption, const QString& function, int width) {
  if (function.isEmpty()) return caption;
  const QFontMetrics fm(QApplication::font());
  // The title bar also holds the window's icon and buttons.
  const int room = width - fm.horizontalAdvance(caption + kDash) - 160;
  return caption + kDash + fm.elidedText(function, Qt::ElideRight, std::max(room, 60));
}

void showFunctionInTitle(QWidget* window, const QString& caption, const QString& function) {
  if (!window) return;
  window->setProperty(kFunction, function);
  window->setProperty(kCaption, caption);
  const QScreen* screen = window->screen() ? window->screen() : QApplication::primaryScreen();
  const int width = screen ? screen->availableGeometry().width() : 1024;
  window->setWindowTitle(functionTitle(caption, function, width));
}

QString shownFunction(const QWidget* w) {
  const QWidget* top = w ? w->window() : nullptr;
  return top ? top->property(kFunction).toString() : QString();
}

QString printHeader(const QWidget* w) {
  const QWidget* top = w ? w->window() : nullptr;
  if (!top) return QString();
  const QString function = shownFunction(top);
  if (function.isEmpty()) return top->windowTitle();
  return QCoreApplication::translate("ronri::PrintHeader", "f = %1　（%2）")
      .arg(function, top->property(kCaption).toString());
}

}  // namespace ronri
