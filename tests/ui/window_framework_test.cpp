#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QRadioButton>

#include "ui/framework/app.h"
#include "ui/windows/display_form.h"
#include "ui/windows/main_form.h"
#include "ui/windows/notation_form.h"
#include "ui/windows/truth_table_form.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::click;
using test::find;

TEST(WindowFramework, MembersOutliveTheControlsAndSettingThemDoesNotOpen) {
  App app;
  app.Form10->texts[0] = QStringLiteral("a*b");
  EXPECT_FALSE(app.Form10->isOpen());
  app.Form10->show();
  ASSERT_TRUE(app.Form10->isOpen());
  EXPECT_EQ(app.Form10->widget()->objectName(), QStringLiteral("Form10"));
  EXPECT_EQ(app.Form10->widget()->windowTitle(), QStringLiteral("式表示"));
  app.Form10->unload();
  EXPECT_FALSE(app.Form10->isOpen());
  EXPECT_EQ(app.Form10->texts[0], QStringLiteral("a*b"));
}

TEST(WindowFramework, ShowingAnOpenWindowDoesNotLoadItAgain) {
  App app;
  app.Form16->show();
  QMainWindow* first = app.Form16->widget();
  app.Form16->show();
  EXPECT_EQ(app.Form16->widget(), first);
  app.Form16->unload();
  app.Form16->show();
  EXPECT_NE(app.Form16->widget(), nullptr);
}

TEST(WindowFramework, ClosingTheMainWindowUnloadsEveryOther) {
  App app;
  app.start();
  for (int k : {2, 9, 10, 16, 18}) app.form(k).show();
  app.Form1->unload();
  for (int k = 1; k <= 18; ++k) EXPECT_FALSE(app.form(k).isOpen()) << "Form" << k;
}

// A closed window's controls are deleted later, by the event loop, and get
// events and send signals while they die. The sanitizer pass fails here when
// a window's filter or slot still looks at them then.
TEST(WindowFramework, ClosedWindowsDieWithoutTheWindowLookingOn) {
  App app;
  app.start();
  auto openTableInput = [&] {
    app.form(8).show();
    find<QRadioButton>(app.form(8), "Option2")->setChecked(true);
    click(app.form(8), "Command1");
  };
  auto destroyClosed = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
  openTableInput();
  QPointer<QWidget> widget = app.form(11).widget();
  ASSERT_TRUE(widget);
  widget->close();
  destroyClosed();
  EXPECT_FALSE(widget);
  openTableInput();
  click(app.form(11), "Command2");  // 入力
  destroyClosed();
  for (int k : {2, 6, 8, 11}) app.form(k).show();
  app.Form1->unload();  // quitting with them open
  destroyClosed();
  for (int k = 1; k <= 18; ++k) EXPECT_FALSE(app.form(k).isOpen()) << "Form" << k;
}

TEST(WindowFramework, EveryWindowHasItsDesignName) {
  App app;
  for (int k = 1; k <= 18; ++k) EXPECT_EQ(app.form(k).name(), QStringLiteral("Form%1").arg(k));
  EXPECT_EQ(app.Form1->caption(), QStringLiteral("main"));
}

}  // namespace
}  // namespace ronri
