// "目次" from anywhere: help.hlp in the current folder first, as always; when it
// is not there, the installed copy; the help service's message when neither is.

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "ui/framework/help_service.h"
#include "ui/windows/helpers/expression_files.h"
#include "ui_helpers.h"

namespace ronri {
namespace {
using ::testing::HasSubstr;
using ::testing::IsEmpty;

void writeHelp(const QString& path, const char* text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.errorString().toStdString();
  f.write(text);
}

TEST(HelpAndVersion, ContentsFallBackToTheInstalledHelp) {
  App app;
  app.start();
  const QString before = QDir::currentPath();
  QTemporaryDir here, installed;
  QDir::setCurrent(here.path());
  HelpService::setInstalledDirs({installed.path() + "/missing", installed.path()});
  const QString hereHelp = QDir(here.path()).filePath("help.hlp");
  const QString installedHelp = QDir(installed.path()).filePath("help.hlp");
  const auto shownText = [&] {
    const QStringList messages = test::answeringMessages([&] { showHelpContents(*app.Form1); });
    EXPECT_THAT(messages, IsEmpty()) << messages.join(' ').toStdString();
    auto* browser = app.Form1->widget()->window()->findChild<QTextBrowser*>("HelpText");
    return browser ? browser->toPlainText() : QString();
  };

  writeHelp(installedHelp, "# installed copy\n");
  EXPECT_EQ(HelpService::locate("help.hlp"), installedHelp);
  EXPECT_THAT(shownText().toStdString(), HasSubstr("installed copy"));
  EXPECT_EQ(HelpService::lastCall().file, "help.hlp");  // the call itself is unchanged

  writeHelp(hereHelp, "# current folder\n");
  EXPECT_EQ(HelpService::locate("help.hlp"), hereHelp);
  EXPECT_THAT(shownText().toStdString(), HasSubstr("current folder"));

  // A folder of that name is no help file.
  QFile::remove(hereHelp);
  QFile::remove(installedHelp);
  QDir(installed.path()).mkdir("help.hlp");
  EXPECT_EQ(HelpService::locate("help.hlp"), QString());
  const QStringList messages = test::answeringMessages([&] { showHelpContents(*app.Form1); });
  ASSERT_EQ(messages.size(), 1);
  EXPECT_THAT(messages[0].toStdString(), HasSubstr("help.hlp"));

  HelpService::resetInstalledDirs();
  QDir::setCurrent(before);
}

// The contents pane fits any window: 200 px wide where there is room, never
// more than 9/20 of a narrow window (a window 101-444 px wide once aborted).
TEST(HelpAndVersion, ContentsPaneFitsAnyWindowWidth) {
  for (int total = 0; total <= 1000; ++total)
    for (int wanted : {0, 150, 250, 2000}) {
      const int left = HelpService::contentsWidth(wanted, total);
      ASSERT_GE(left, 0) << total;
      ASSERT_LE(left, total * 9 / 20) << total << " " << wanted;
      if (total * 9 / 20 >= 200) ASSERT_EQ(left, std::clamp(wanted, 200, total * 9 / 20));
    }
}

// The search ignores case and takes a space for a hyphen; a miss says so.
TEST(HelpAndVersion, SearchIgnoresCaseAndHyphens) {
  App app;
  app.start();
  const QString before = QDir::currentPath();
  QTemporaryDir here;
  QDir::setCurrent(here.path());
  writeHelp(QDir(here.path()).filePath("help.hlp"), "# Input\n\nA Don't-care row is X.\n");
  EXPECT_THAT(test::answeringMessages([&] { showHelpContents(*app.Form1); }), IsEmpty());
  QWidget* help = app.Form1->widget()->window()->findChild<QTextBrowser*>("HelpText")->window();
  auto* search = help->findChild<QLineEdit*>("HelpSearch");
  auto* status = help->findChild<QLabel*>("HelpSearchStatus");
  auto* browser = help->findChild<QTextBrowser*>("HelpText");
  for (const char* query : {"don't care", "DON’T-CARE", "dont care"}) {
    browser->moveCursor(QTextCursor::Start);
    search->setText(query);
    QTest::keyClick(search, Qt::Key_Return);
    const bool found = std::string(query) != "dont care";
    EXPECT_EQ(browser->textCursor().hasSelection(), found) << query;
    EXPECT_EQ(status->text().isEmpty(), found) << query;
  }
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace ronri
