#include "ui/framework/display_settings.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "ui/framework/translation.h"

namespace ronri {

namespace {
constexpr auto kScaleKey = "displayScale";
constexpr auto kPaletteKey = "readablePalette";
}  // namespace

int savedDisplayScale() {
  const int v = userSettings().value(QLatin1String(kScaleKey), 100).toInt();
  return std::find(std::begin(kDisplayScales), std::end(kDisplayScales), v) !=
                 std::end(kDisplayScales)
             ? v
             : 100;
}

void saveDisplayScale(int percent) {
  QSettings s = userSettings();
  s.setValue(QLatin1String(kScaleKey), percent);
  s.sync();
}

double applyDisplayScale() {
  if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    const int percent = savedDisplayScale();
    if (percent != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
  }
  bool ok = false;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && factor > 0 ? factor : 1.0;
}

namespace {

// Room for the window frame and title bar around a window's client area.
constexpr QSize kFrame(16, 48);

// A window's content scrolls; a dialog's layout takes the smaller size.
void shrinkToRoom(QWidget* w, QSize room) {
  auto* main = qobject_cast<QMainWindow*>(w);
  QWidget* central = main ? main->centralWidget() : nullptr;
  if (central && !qobject_cast<QScrollArea*>(central)) {
    // A layout shrinks to its minimum before it scrolls; controls placed at
    // fixed points keep the whole size.
    central->setMinimumSize(central->layout()
                                ? central->minimumSizeHint()
                                : central->size().expandedTo(central->minimumSizeHint()));
    main->takeCentralWidget();
    auto* scroll = new QScrollArea(w);
    scroll->setObjectName(QStringLiteral("ScreenScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    main->setCentralWidget(scroll);
  }
  w->setMinimumSize(0, 0);
  w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  w->resize(w->size().boundedTo(room));
}

void fitToScreen(QWidget* w) {
  const QScreen* screen = w->screen();
  if (!screen) return;
  const QRect avail = screen->availableGeometry();
  const QSize room = avail.size() - kFrame;
  if (w->width() > room.width() || w->height() > room.height()) shrinkToRoom(w, room);
  // A window that fits may still be placed partly off the screen; one placed
  // well is left where the window manager puts it.
  const QPoint onScreen(
      std::clamp(w->x(), avail.left(),
                 std::max(avail.left(), avail.right() - w->width() - kFrame.width())),
      std::clamp(w->y(), avail.top(),
                 std::max(avail.top(), avail.bottom() - w->height() - kFrame.height())));
  if (onScreen != w->pos()) w->move(onScreen);
}

class ScreenFit : public QObject {
 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show)
      if (auto* w = qobject_cast<QWidget*>(o);
          w && w->isWindow() && (qobject_cast<QMainWindow*>(w) || qobject_cast<QDialog*>(w)))
        fitToScreen(w);
    return false;
  }
};

}  // namespace

QObject* keepWindowsOnScreen() {
  auto* fit = new ScreenFit;
  fit->setParent(qApp);
  qApp->installEventFilter(fit);
  return fit;
}

bool readablePalette() {
  return userSettings().value(QLatin1String(kPaletteKey), true).toBool();
}

void saveReadablePalette(bool on) {
  QSettings s = userSettings();
  s.setValue(QLatin1String(kPaletteKey), on);
  s.sync();
}

}  // namespace ronri
