#include "ui/help_service.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/fonts.h"

namespace ronri {

namespace {
HelpCall g_last;
QPointer<QDialog> g_window;
}  // namespace

const HelpCall& HelpService::lastCall() { return g_last; }

bool HelpService::winHelp(QWidget* owner, const QString& file, int command, long data) {
  g_last = {owner, file, command, data};
  // Relative names are looked up from the current directory.
  QFile f(QDir::current().filePath(file));
  if (!f.open(QIODevice::ReadOnly)) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ヘルプ"),
                    QStringLiteral("ヘルプ ファイル %1 が見つかりません。").arg(file),
                    QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    return false;
  }
  const QString text = QString::fromUtf8(f.readAll());
  if (!g_window) {
    g_window = new QDialog(owner);
    g_window->setObjectName(QStringLiteral("HelpWindow"));
    g_window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(g_window);
    auto* browser = new QTextBrowser(g_window);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setFont(gothicFont(10));
    layout->addWidget(browser);
    g_window->resize(640, 520);
  }
  g_window->setWindowTitle(QStringLiteral("ヘルプ - ") + QFileInfo(file).fileName());
  auto* browser = g_window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  if (command == kHelpFinder) browser->setMarkdown(text);
  else browser->setPlainText(text);
  g_window->show();
  g_window->raise();
  return true;
}

}  // namespace ronri
