#include <QApplication>

#include "ui/framework/app.h"
#include "ui/framework/fonts.h"
#include "ui/framework/start_check.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("RonriLab"));
  ronri::installDefaultFont();
  ronri::App app;
  app.start();
  ronri::quitAfterShowIfAsked(app);
  return QApplication::exec();
}
