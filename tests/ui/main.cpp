// Window tests run inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/framework/display_settings.h"
#include "ui/framework/fonts.h"
#include "ui/framework/translation.h"

namespace {

// Delivers what a test left queued (closed windows' deferred deletes, focus
// and activation changes) before the next test starts, so no test sees the
// previous one's events: a late deactivation closes the next test's menus.
class DeliverLeftoverEvents : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // A home of its own, so tests running side by side never share settings.
  QTemporaryDir home;
  if (home.isValid()) qputenv("HOME", QFile::encodeName(home.path()));
  QApplication app(argc, argv);
  ronri::installDefaultFont();
  // Settings go to a test folder, never the user's; the windows are tested in
  // Japanese whatever the locale, and a test that wants English says so.
  QStandardPaths::setTestModeEnabled(true);
  ronri::saveLanguage(ronri::Language::Japanese);
  // The designed look: the map outlines in the standard palette.
  ronri::saveReadablePalette(false);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new DeliverLeftoverEvents);
  return RUN_ALL_TESTS();
}
