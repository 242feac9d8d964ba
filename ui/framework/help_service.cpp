#include "ui/framework/help_service.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "ui/framework/fonts.h"

namespace ronri {

namespace {

HelpCall g_last;
QPointer<QDialog> g_window;
std::optional<QStringList> g_installedDirs;  // set by tests

bool readableFile(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isReadable();
}

// Help files are Markdown in UTF-8: "#" and "##" headings make the contents.
void fillContents(QTreeWidget* contents, QTextBrowser* browser) {
  contents->clear();
  QTreeWidgetItem* chapter = nullptr;
  for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
    const int level = b.blockFormat().headingLevel();
    if (level < 1 || level > 2) continue;
    QTreeWidgetItem* item =
        level == 1 || !chapter ? new QTreeWidgetItem(contents) : new QTreeWidgetItem(chapter);
    if (level == 1) chapter = item;
    item->setText(0, b.text());
    item->setToolTip(0, b.text());
    item->setData(0, Qt::UserRole, b.position());
  }
  contents->expandAll();
  // Wide enough for the longest heading, up to almost half the window.
  contents->resizeColumnToContents(0);
  if (auto* splitter = qobject_cast<QSplitter*>(contents->parentWidget())) {
    const int total = splitter->width() > 100 ? splitter->width() : 760;
    const int wanted = contents->columnWidth(0) + contents->frameWidth() * 2 + 24;
    const int left = HelpService::contentsWidth(wanted, total);
    splitter->setSizes({left, total - left});
  }
}

void showHeading(QTextBrowser* browser, int position) {
  QTextDocument* doc = browser->document();
  const QTextBlock block = doc->findBlock(position);
  browser->setTextCursor(QTextCursor(block));
  browser->verticalScrollBar()->setValue(
      int(doc->documentLayout()->blockBoundingRect(block).top()));
}

// What the search box asks for, in any case, with a space, a hyphen or
// nothing between its words alike, and either apostrophe.
QRegularExpression searchPattern(const QString& text) {
  QString pattern;
  for (const QString& word :
       text.split(QRegularExpression(QStringLiteral("[\\s\\-‐]+")), Qt::SkipEmptyParts)) {
    if (!pattern.isEmpty()) pattern += QStringLiteral("[\\s\\-‐]*");
    QString escaped = QRegularExpression::escape(word);
    escaped.replace(QRegularExpression(QStringLiteral("\\\\?['’]")), QStringLiteral("['’]"));
    pattern += escaped;
  }
  return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

// Finds the next occurrence, starting over at the top once; false when there is none.
bool findText(QTextBrowser* browser, const QString& text) {
  const QRegularExpression pattern = searchPattern(text);
  if (pattern.pattern().isEmpty()) return true;
  if (browser->find(pattern)) return true;
  browser->moveCursor(QTextCursor::Start);
  return browser->find(pattern);
}

QDialog* makeWindow(QWidget* owner) {
  auto* window = new QDialog(owner);
  window->setObjectName(QStringLiteral("HelpWindow"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(window);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(
      new QLabel(QCoreApplication::translate("ronri::HelpService", "検索"), window));
  auto* search = new QLineEdit(window);
  search->setObjectName(QStringLiteral("HelpSearch"));
  search->setClearButtonEnabled(true);
  searchRow->addWidget(search, 1);
  auto* notFound = new QLabel(window);
  notFound->setObjectName(QStringLiteral("HelpSearchStatus"));
  searchRow->addWidget(notFound);
  layout->addLayout(searchRow);

  auto* splitter = new QSplitter(window);
  auto* contents = new QTreeWidget(splitter);
  contents->setObjectName(QStringLiteral("HelpContents"));
  contents->setHeaderLabel(QCoreApplication::translate("ronri::HelpService", "目次"));
  auto* browser = new QTextBrowser(splitter);
  browser->setObjectName(QStringLiteral("HelpText"));
  browser->setFont(gothicFont(10));
  browser->setOpenExternalLinks(false);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({200, 560});
  layout->addWidget(splitter, 1);

  QObject::connect(contents, &QTreeWidget::itemClicked, browser, [browser](QTreeWidgetItem* item) {
    showHeading(browser, item->data(0, Qt::UserRole).toInt());
  });
  QObject::connect(search, &QLineEdit::returnPressed, browser, [browser, search, notFound] {
    notFound->setText(findText(browser, search->text())
                          ? QString()
                          : QCoreApplication::translate("ronri::HelpService", "見つかりません"));
  });
  window->resize(800, 560);
  return window;
}

}  // namespace

const HelpCall& HelpService::lastCall() {
  return g_last;
}

QStringList HelpService::installedDirs() {
  if (g_installedDirs) return *g_installedDirs;
  QStringList dirs;
  // Both come from the build (GNUInstallDirs): the data folder relative to the
  // program's folder, and the absolute one of the configured prefix.
  for (const QString& dir : {QDir(QCoreApplication::applicationDirPath())
                                 .filePath(QStringLiteral(RONRI_HELP_DIR_FROM_BIN)),
                             QStringLiteral(RONRI_HELP_DIR)}) {
    const QString clean = QDir::cleanPath(dir);
    if (!dirs.contains(clean)) dirs << clean;
  }
  return dirs;
}

void HelpService::setInstalledDirs(const QStringList& dirs) {
  g_installedDirs = dirs;
}

void HelpService::resetInstalledDirs() {
  g_installedDirs.reset();
}

int HelpService::contentsWidth(int wanted, int total) {
  // At least 200 px, but never more than 9/20 of the window: in a narrow
  // window the upper bound wins, so the text keeps the larger part.
  const int most = std::max(total * 9 / 20, 0);
  return std::min(std::max(wanted, 200), most);
}

QString HelpService::locate(const QString& file) {
  const QString here = QDir::current().filePath(file);
  if (readableFile(here)) return here;
  if (QDir::isAbsolutePath(file)) return {};
  for (const QString& dir : installedDirs()) {
    const QString there = QDir(dir).filePath(file);
    if (readableFile(there)) return there;
  }
  return {};
}

bool HelpService::winHelp(QWidget* owner, const QString& file, int command, long data) {
  g_last = {owner, file, command, data};
  // Relative names are looked up from the current directory, then among the
  // installed copies.
  const QString path = locate(file);
  QFile f(path);
  if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) {
    QMessageBox box(
        QMessageBox::Warning, QCoreApplication::translate("ronri::HelpService", "ヘルプ"),
        QCoreApplication::translate("ronri::HelpService", "ヘルプ ファイル %1 が見つかりません。")
            .arg(file),
        QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    return false;
  }
  const QString text = QString::fromUtf8(f.readAll());
  if (!g_window) g_window = makeWindow(owner);
  g_window->setWindowTitle(QCoreApplication::translate("ronri::HelpService", "ヘルプ - ") +
                           QFileInfo(file).fileName());
  auto* browser = g_window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  auto* contents = g_window->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
  browser->setMarkdown(text);
  fillContents(contents, browser);
  // The contents command opens with the contents in view; others show the text alone.
  contents->setVisible(command == kHelpFinder);
  g_window->show();
  g_window->raise();
  return true;
}

}  // namespace ronri
