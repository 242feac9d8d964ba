#include <QFrame>

#include "core/expression/expression.h"
#include "core/table/truthtable.h"
#include "ui/framework/canvas.h"
#include "ui/framework/twips.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::checked;
using test::click;
using test::enabled;
using test::find;
using test::isOpen;
using ::testing::IsEmpty;

// Opens the window as the truth-table window does.
void open(App& app, const QString& rpn, const QString& typed, const QString& simple, int n) {
  app.Form6->showFor(Function{typed.toStdString(), n, {}}, rpn, simple);
}

::testing::AssertionResult visible(const CircuitForm& f, const QString& name) {
  QWidget* w = find(f, name);
  return test::stated(w, w && w->isVisibleTo(f.widget()), "visible");
}

// The pixels of this colour inside the rectangle (pixels).
QRect colourBounds(const QImage& img, const QRect& r, QRgb color) {
  QRect found;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (img.valid(x, y)) {
        // Text is smoothed: black means dark, red means clearly reddish.
        const QRgb p = img.pixel(x, y);
        const bool match =
            qRed(color) == 0 ? qRed(p) + qGreen(p) + qBlue(p) < 200
                             : qRed(p) > 180 && qRed(p) - qGreen(p) > 60 && qRed(p) - qBlue(p) > 60;
        if (match) found |= QRect(x, y, 1, 1);
      }
  return found;
}

// Whether the drawing has a pixel of this colour inside the rectangle (twips);
// the message says where that colour is there, or else in the whole drawing.
::testing::AssertionResult drawn(const CircuitForm& f, QRect twipsRect, QRgb color) {
  auto* canvas = find<Canvas>(f, "Canvas");
  if (!canvas) return ::testing::AssertionFailure() << "no canvas";
  const QImage& img = canvas->image();
  const QRect r(px(twipsRect.left()), px(twipsRect.top()), px(twipsRect.width()),
                px(twipsRect.height()));
  const QRect inside = colourBounds(img, r, color);
  auto show = [](QRect b) {  // in twips, as the tests write them
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(twips(b.x()))
        .arg(twips(b.y()))
        .arg(twips(b.width()))
        .arg(twips(b.height()))
        .toStdString();
  };
  if (!inside.isNull()) return ::testing::AssertionSuccess() << "that colour at " << show(inside);
  const QRect all = colourBounds(img, img.rect(), color);
  return ::testing::AssertionFailure() << "none of that colour there; in the drawing "
                                       << (all.isNull() ? "none" : "at " + show(all));
}

TEST(CircuitWindow, OpensReadyWithTheControlsInPlaceAndTheUsedBuses) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  EXPECT_EQ(f.widget()->windowTitle(), QStringLiteral("回路図 — a*b"));
  EXPECT_EQ(find(f, "Command1")->geometry(), pxRect(480, 120, 735, 375));
  EXPECT_EQ(find(f, "Command3(1)")->pos(), QPoint(px(13080), px(240)));
  EXPECT_EQ(find(f, "Combo1")->pos(), QPoint(px(11160), px(240)));
  EXPECT_EQ(find<QComboBox>(f, "Combo2")->itemText(4), QStringLiteral("めっちゃ広げる"));
  EXPECT_EQ(find<QLabel>(f, "Label2")->text(), QStringLiteral(" b ~b"));
  EXPECT_EQ(find<QLabel>(f, "Label16")->text(), QStringLiteral(" J ~J"));
  for (const char* shown : {"Label1", "Label2", "Line20", "Line19", "Line18", "Line17"})
    EXPECT_TRUE(visible(f, shown)) << shown;
  for (const char* hidden : {"Label3", "Label16", "Line16", "Line1", "Line10", "Command4", "Check2",
                             "Text1", "Command5", "Label6"})
    EXPECT_FALSE(visible(f, hidden)) << hidden;
  EXPECT_TRUE(checked(f, "Option2"));
  EXPECT_FALSE(enabled(f, "Check1"));
  // The a bus ends where its drops come down.
  EXPECT_EQ(find(f, "Line20")->geometry().right(), px(2760));
  EXPECT_EQ(find(f, "Line20")->geometry().top(), px(600));
}

TEST(CircuitWindow, StepLocksTheSettingsAndTheFinishShowsTheCaption) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command1");
  for (const char* locked : {"Combo1", "Combo2", "Option1", "Option2", "Check1"})
    EXPECT_FALSE(enabled(f, locked)) << locked;
  click(f, "Command1");
  click(f, "Command1");
  EXPECT_FALSE(visible(f, "Label6"));
  click(f, "Command1");  // the finishing step
  EXPECT_TRUE(visible(f, "Label6"));
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("f=a*b"));
  EXPECT_TRUE(visible(f, "Command4"));
  EXPECT_TRUE(visible(f, "Check2"));
  EXPECT_FALSE(visible(f, "Text1"));  // no test with 2-to-4-input gates
  EXPECT_FALSE(enabled(f, "Command1"));
  EXPECT_FALSE(enabled(f, "Command2"));
  // The AND picture, and the output wire up to the caption.
  EXPECT_TRUE(drawn(f, QRect(3250, 1825, 900, 600), qRgb(0, 0, 0)));
  EXPECT_TRUE(drawn(f, QRect(7290, 960, 30, 300), qRgb(0, 0, 0)));
}

TEST(CircuitWindow, TestWritesEveryGateValueAndRejectsWrongInput) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Option1");
  EXPECT_TRUE(enabled(f, "Check1"));
  click(f, "Command2");
  ASSERT_TRUE(visible(f, "Text1"));
  EXPECT_TRUE(visible(f, "Label17"));
  EXPECT_TRUE(visible(f, "Command5"));

  auto* text = find<QLineEdit>(f, "Text1");
  QTest::keyClicks(text, "1x0a.");
  EXPECT_EQ(text->text(), QStringLiteral("10"));  // only 0, 1, "." and Backspace; 2 at most
  QTest::keyClick(text, Qt::Key_Backspace);
  EXPECT_EQ(answeringMessages([&] { click(f, "Command5"); }),
            QStringList{QStringLiteral("おかしいです")});
  EXPECT_FALSE(drawn(f, QRect(3700, 1825, 400, 300), qRgb(255, 0, 0)));
  QTest::keyClicks(text, "0");
  EXPECT_THAT(answeringMessages([&] { click(f, "Command5"); }), IsEmpty());
  // a = 1, b = 0: the AND gives 0, written in light red at (3750, 1825).
  EXPECT_TRUE(drawn(f, QRect(3750, 1825, 300, 300), qRgb(255, 0, 0)));
  EXPECT_FALSE(enabled(f, "Command1"));

  text->setText("1.");
  EXPECT_EQ(answeringMessages([&] { click(f, "Command5"); }),
            QStringList{QStringLiteral("おかしいです")});
}

TEST(CircuitWindow, PanningRedrawsShiftedAndHidesTheBusesUntilHome) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  click(f, "Command3(1)");  // →
  EXPECT_EQ(f.panX(), -500);
  EXPECT_FALSE(visible(f, "Label1"));
  EXPECT_FALSE(visible(f, "Line20"));
  EXPECT_TRUE(visible(f, "Label6"));  // drawn again at once
  EXPECT_TRUE(drawn(f, QRect(2750, 1825, 900, 600), qRgb(0, 0, 0)));
  EXPECT_FALSE(drawn(f, QRect(3760, 1900, 380, 400), qRgb(0, 0, 0)));
  click(f, "Command3(3)");  // ←
  EXPECT_EQ(f.panX(), 0);
  EXPECT_TRUE(visible(f, "Label1"));
  EXPECT_TRUE(visible(f, "Line17"));
  EXPECT_FALSE(visible(f, "Line16"));
  click(f, "Command3(0)");  // ↑ at home: nothing moves, but all is drawn again
  EXPECT_EQ(f.panY(), 0);
  EXPECT_TRUE(visible(f, "Label6"));
  EXPECT_FALSE(enabled(f, "Command1"));
  click(f, "Command3(2)");  // ↓
  EXPECT_EQ(f.panY(), -500);
  EXPECT_TRUE(drawn(f, QRect(3250, 1325, 900, 600), qRgb(0, 0, 0)));
}

TEST(CircuitWindow, PanningWhileCompressedKeepsTheMinimalCircuitAndLeavesNoStubsAbove) {
  App app;
  // a*b+a*~b: minimal form a; a+~a: the constant 1.
  open(app, "ab*ao*+", "a*b+a*~b", "ao+ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  click(f, "Command4");
  click(f, "Command3(1)");  // →
  click(f, "Command3(2)");  // ↓
  EXPECT_TRUE(f.showsMinimal());
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("a"));
  EXPECT_EQ(find<QPushButton>(f, "Command4")->text(), QStringLiteral("戻す"));
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("a"));
  // The single variable's wire, 500 left and 500 up of home (y 1625 + 300).
  EXPECT_TRUE(drawn(f, QRect(2300, 1410, 900, 30), qRgb(0, 0, 0)));
  // Its drop ends at the first bus's height, not up among the controls.
  EXPECT_TRUE(drawn(f, QRect(2200, 600, 120, 200), qRgb(0, 0, 0)));
  EXPECT_FALSE(drawn(f, QRect(0, 0, 4000, 585), qRgb(0, 0, 0)));
  click(f, "Command4");  // 戻す: the given expression, still moved
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("ab*ao*+"));
  EXPECT_EQ(f.panX(), -500);

  open(app, "an+", "a+~a", "n+a+", 1);
  click(f, "Command2");
  click(f, "Command4");
  click(f, "Command3(1)");
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("1"));
  EXPECT_FALSE(enabled(f, "Command2"));
  EXPECT_FALSE(drawn(f, QRect(0, 600, 9000, 3000), qRgb(0, 0, 0)));
}

TEST(CircuitWindow, EveryBusNameStandsBesideItsOwnLine) {
  App app;
  open(app, "ab*cd*+ef*+gh*+ij*+", "a*b+c*d+e*f+g*h+i*j", "", 10);
  CircuitForm& f = *app.Form6;
  for (int k = 0; k < 10; ++k) {
    const QString name = QStringLiteral("Label%1").arg(k < 5 ? k + 1 : k + 7);
    auto* label = find<QLabel>(f, name);
    ASSERT_TRUE(label && visible(f, name)) << name.toStdString();
    // Ink rows of the name: the plain one around the bus 120 twips below the
    // label's top (8 px), the negated one around the bus 120 below that.
    const QImage img = label->grab().toImage();
    double sum[2] = {0, 0};
    int rows[2] = {0, 0};
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (qGray(img.pixel(x, y)) < 128) {
          const int i = y < 12 ? 0 : 1;
          sum[i] += y;
          ++rows[i];
        }
    for (int i : {0, 1}) {
      ASSERT_GT(rows[i], 0) << name.toStdString() << " name " << i;
      EXPECT_NEAR(sum[i] / rows[i], 8 + 8 * i, 3) << name.toStdString() << " name " << i;
    }
  }
}

TEST(CircuitWindow, SpacingListsSetTheDrawingBeforeTheFirstStep) {
  App app;
  open(app, "ab*c+", "a*b+c", "aop+...", 3);
  CircuitForm& f = *app.Form6;
  auto choose = [&](const char* name, int i) {
    auto* c = find<QComboBox>(f, name);
    c->setCurrentIndex(i);
    emit c->activated(i);
  };
  choose("Combo1", 4);
  choose("Combo2", 4);
  click(f, "Command2");
  EXPECT_EQ(f.engine().variableGap, 600);
  EXPECT_EQ(f.engine().columnPitch, 28);
  EXPECT_FALSE(enabled(f, "Combo1"));
  // Gates 3500 twips per pitch unit.
  EXPECT_TRUE(drawn(f, QRect(3500, 2300, 900, 600), qRgb(0, 0, 0)));
}

TEST(CircuitWindow, CompressDrawsTheMinimalExpressionAndRestoreBringsItBack) {
  App app;
  // a*b+a*~b: rows 10 and 11, minimal form a.
  open(app, "ab*ao*+", "a*b+a*~b", "ao+ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Option1");
  click(f, "Check1");
  click(f, "Command2");
  EXPECT_EQ(find<QPushButton>(f, "Command4")->text(), QStringLiteral("圧縮"));
  click(f, "Command4");
  EXPECT_TRUE(f.showsMinimal());
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("a"));
  EXPECT_EQ(f.rpnBeforeCompress(), QStringLiteral("ab*ao*+"));
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("a"));
  // The title names what is drawn, at once.
  EXPECT_EQ(f.widget()->windowTitle(), QStringLiteral("回路図 — a"));
  EXPECT_EQ(find<QPushButton>(f, "Command4")->text(), QStringLiteral("戻す"));
  EXPECT_FALSE(visible(f, "Check2"));
  EXPECT_TRUE(checked(f, "Check1"));  // carried over
  EXPECT_TRUE(visible(f, "Label1"));
  click(f, "Command4");
  EXPECT_FALSE(f.showsMinimal());
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("ab*ao*+"));
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("f=a*b+a*~b"));
  EXPECT_EQ(f.widget()->windowTitle(), QStringLiteral("回路図 — a*b+a*~b"));
  EXPECT_EQ(find<QPushButton>(f, "Command4")->text(), QStringLiteral("圧縮"));
  EXPECT_TRUE(visible(f, "Check2"));
}

TEST(CircuitWindow, CompressOfAConstantDrawsNothingAndStepStaysOff) {
  App app;
  open(app, "an+", "a+~a", "n+a+", 1);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  click(f, "Command4");
  EXPECT_EQ(find<QLabel>(f, "Label6")->text(), QStringLiteral("1"));
  EXPECT_TRUE(visible(f, "Label6"));
  EXPECT_TRUE(visible(f, "Command4"));
  EXPECT_FALSE(enabled(f, "Command1"));
  EXPECT_FALSE(enabled(f, "Command2"));
  f.step();
  f.create();
  EXPECT_FALSE(drawn(f, QRect(3000, 1000, 6000, 3000), qRgb(0, 0, 0)));
  click(f, "Command4");  // back to the given expression, drawn again
  EXPECT_FALSE(enabled(f, "Command1"));
  EXPECT_TRUE(drawn(f, QRect(3250, 1450, 900, 600), qRgb(0, 0, 0)));

  // Closed while the constant is shown, then opened for another expression.
  click(f, "Command4");
  f.unload();
  open(app, "ab*", "a*b", "ab+", 2);
  EXPECT_TRUE(enabled(f, "Command2"));
  click(f, "Command2");
  EXPECT_TRUE(drawn(f, QRect(3250, 1825, 900, 600), qRgb(0, 0, 0)));
}

TEST(CircuitWindow, CachedMinimalFormBelongsToItsFunction) {
  App app;
  open(app, "ab*ao*+", "a*b+a*~b", "ao+ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  click(f, "Command4");
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("a"));
  // Another expression opened later must not get the old minimal form.
  open(app, "ab*na*+", "a*b+~a*b", "nb+ab+", 2);
  click(f, "Command2");
  click(f, "Command4");
  EXPECT_EQ(f.drawnRpn(), QStringLiteral("b"));
}

TEST(CircuitWindow, SmallestCoverDrawsFewerTermsThanAllPrimeImplicants) {
  App app;
  // ab + ~cd + a~bc has the prime implicants ab, ac, ad, ~cd; ad is not needed.
  const TruthTable t = createTable(InsideExp("a*b+~c*d+a*~b*c"), 4);
  open(app, QString::fromStdString(t.rpn), "a*b+~c*d+a*~b*c", QString::fromStdString(t.oneTerms),
       4);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  answeringMessages([&] { click(f, "Check2"); });
  EXPECT_THAT(answeringMessages([&] { click(f, "Command4"); }), IsEmpty());
  const QString caption = find<QLabel>(f, "Label6")->text();
  EXPECT_EQ(caption.count('+'), 2) << caption.toStdString();
  EXPECT_FALSE(caption.contains("a*d")) << caption.toStdString();
  EXPECT_EQ(evaluateRows(f.drawnRpn().toStdString(), 4), evaluateRows(t.rpn, 4));
}

TEST(CircuitWindow, TickingTheSmallestCoverWarns) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  const QStringList shown = answeringMessages([&] { click(f, "Check2"); });
  EXPECT_EQ(shown, QStringList{QStringLiteral("この作業には異常に時間がかかる可能性があります。"
                                              "もしアレならチェックを外して下さい。")});
  EXPECT_TRUE(checked(f, "Check2"));
}

TEST(CircuitWindow, DrawingSurvivesResizing) {
  App app;
  open(app, "ab*", "a*b", "ab+", 2);
  CircuitForm& f = *app.Form6;
  click(f, "Command2");
  f.widget()->resize(300, 200);
  QApplication::processEvents();
  f.widget()->resize(1200, 800);
  QApplication::processEvents();
  EXPECT_TRUE(drawn(f, QRect(3250, 1825, 900, 600), qRgb(0, 0, 0)));
  EXPECT_TRUE(drawn(f, QRect(7290, 960, 30, 300), qRgb(0, 0, 0)));
}

}  // namespace
}  // namespace ronri
