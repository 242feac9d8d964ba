#include <QApplication>
#include <cstdio>

#include "ui/app.h"
#include "ui/framework/display_settings.h"
#include "ui/framework/fonts.h"
#include "ui/framework/start_check.h"
#include "ui/framework/translation.h"
#include "ui/windows/helpers/grading_words.h"

namespace {

// "--grade": no window, so no display is needed.
int gradeFromCommandLine(int argc, char** argv) {
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("RonriLab"));
  ronri::installTranslations();
  QByteArray out, err;
  const int code = ronri::runGradeCommand(QCoreApplication::arguments().mid(1), out, err);
  std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
  std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (ronri::asksForGrading(argc, argv)) return gradeFromCommandLine(argc, argv);
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
