#include <QApplication>

#include "ui/app.h"
#include "ui/framework/display_settings.h"
#include "ui/framework/fonts.h"
#include "ui/framework/start_check.h"

int main(int argc, char** argv) {
  // The display scale of 基本設定 sizes the whole program, so it is set first.
  ronri::applyDisplayScale();
  QApplication qapp(argc, argv);
  // Scaled up or on a small screen, no window is cut off.
  ronri::keepWindowsOnScreen();
  QApplication::setApplicationName(QStringLiteral("RonriLab"));
  ronri::installDefaultFont();
  ronri::App app;
  app.start();
  ronri::quitAfterShowIfAsked(app.form(1));
  return QApplication::exec();
}
