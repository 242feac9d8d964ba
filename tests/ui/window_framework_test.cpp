#include <QImage>
#include <QPainter>
#include <QPointer>

#include "ui/framework/fonts.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::click;
using test::find;
using test::isOpen;

// Whether "~" in this font is a tilde: its ink starts below the x-height, not
// up where the Japanese Gothic faces draw it, an overline over nothing.
bool realTilde(const QFont& font) {
  QImage img(64, 64, QImage::Format_ARGB32);
  img.fill(Qt::white);
  const int baseline = 48;
  QPainter p(&img);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QPointF(8, baseline), QStringLiteral("~"));
  p.end();
  int lowest = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 128) lowest = y;
  return lowest >= 0 && baseline - lowest < QFontMetricsF(font).xHeight();
}

TEST(WindowFramework, EveryControlShowingAnExpressionDrawsARealTilde) {
  ASSERT_FALSE(realTilde(gothicFont(12, true)));
  App app;
  app.start();
  app.Form3->show();
  app.Form6->showFor(Function{"a*~b", 2, {}}, QStringLiteral("an*"), QString());
  for (int k : {9, 10, 18}) app.form(k).show();
  const std::pair<int, const char*> shown[] = {
      {1, "Text1"}, {1, "List2"}, {3, "Text2"},     {6, "Label6"}, {6, "Label1"},
      {9, "Text1"}, {9, "Text7"}, {10, "Text1(0)"}, {18, "List1"}, {18, "List2"}};
  for (auto [k, name] : shown) {
    auto* w = app.form(k).control<QWidget>(QLatin1String(name));
    ASSERT_TRUE(w) << "Form" << k << " " << name;
    EXPECT_TRUE(realTilde(w->font())) << "Form" << k << " " << name;
  }
}

TEST(WindowFramework, MembersOutliveTheControls) {
  App app;
  app.Form10->showFor(Function{"a*b", 2, {}}, QString(), QString());
  ASSERT_TRUE(isOpen(*app.Form10));
  EXPECT_EQ(app.Form10->widget()->objectName(), QStringLiteral("Form10"));
  EXPECT_EQ(app.Form10->widget()->windowTitle(), QStringLiteral("式表示 — a*b"));
  app.Form10->unload();
  EXPECT_FALSE(isOpen(*app.Form10));
  EXPECT_EQ(app.Form10->text(0), QStringLiteral("a*b"));
  app.Form10->show();  // loaded again from what it kept
  EXPECT_EQ(app.Form10->widget()->windowTitle(), QStringLiteral("式表示 — a*b"));
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

// Records the windows in the order they close.
struct CloseOrder : QObject {
  QStringList names;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Close) names << o->objectName();
    return false;
  }
};

TEST(WindowFramework, ClosingTheMainWindowUnloadsTheOthersFromForm2ToForm18) {
  App app;
  app.start();
  test::MainDriver(app).tableFor(QStringLiteral("a*b+~c"), 3);  // Form2
  // Opened out of order, so the closing order is not the opening order.
  test::answeringMessages([&] {
    for (int k : {18, 9, 3, 17, 16, 10, 6, 12, 8}) app.form(k).show();
  });
  CloseOrder order;
  QStringList open;
  for (int k = 2; k <= 18; ++k) {
    if (!app.form(k).isOpen()) continue;
    app.form(k).widget()->installEventFilter(&order);
    open << QStringLiteral("Form%1").arg(k);
  }
  ASSERT_EQ(open.size(), 10);
  app.Form1->unload();
  EXPECT_EQ(order.names, open);
  for (int k = 1; k <= 18; ++k) EXPECT_FALSE(isOpen(app.form(k))) << "Form" << k;
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
  for (int k = 1; k <= 18; ++k) EXPECT_FALSE(isOpen(app.form(k))) << "Form" << k;
}

}  // namespace
}  // namespace ronri
