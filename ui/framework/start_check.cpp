#include "ui/framework/start_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

#include "ui/framework/help_service.h"
#include "ui/framework/window.h"

namespace ronri {

void quitAfterShowIfAsked(const Window& mainWindow) {
  if (qEnvironmentVariableIntValue("RONRILAB_QUIT_AFTER_SHOW") == 0) return;
  // Once the event loop runs, the main window has been through its show.
  QTimer::singleShot(0, QCoreApplication::instance(), [&mainWindow] {
    const QMainWindow* w = mainWindow.widget();
    const bool shown = w && w->isVisible();
    const QString help = HelpService::locate(QStringLiteral("help.hlp"));
    std::printf("ronrilab: main window %s; help file: %s\n", shown ? "shown" : "not shown",
                help.isEmpty() ? "(none)" : qPrintable(QDir::cleanPath(help)));
    std::fflush(stdout);
    QCoreApplication::exit(shown ? 0 : 1);
  });
}

}  // namespace ronri
