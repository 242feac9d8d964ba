#include <QGroupBox>

#include <algorithm>
#include <array>
#include <random>

#include "kmap/functions.h"
#include "kmap/geometry.h"
#include "kmap/outline.h"
#include "support/recording_surface.h"
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

// The term list of the given rows of n variables.
QString terms(std::initializer_list<int> rows, int n) {
  QString s;
  for (int r : rows) {
    for (int v = 0; v < n; ++v) s += QChar(((r >> (n - 1 - v)) & 1 ? 'a' : 'n') + v);
    s += '+';
  }
  return s;
}

QString others(std::initializer_list<int> rows, int n) {
  QList<int> rest;
  for (int r = 0; r < (1 << n); ++r)
    if (std::find(rows.begin(), rows.end(), r) == rows.end()) rest << r;
  QString s;
  for (int r : rest) {
    for (int v = 0; v < n; ++v) s += QChar(((r >> (n - 1 - v)) & 1 ? 'a' : 'n') + v);
    s += '+';
  }
  return s;
}

void open(KmapForm& f, std::initializer_list<int> ones) {
  f.showFor(Function{"", f.variables(), {}}, terms(ones, f.variables()),
            others(ones, f.variables()));
  ASSERT_TRUE(isOpen(f));
}

QString text(const KmapForm& f, const QString& name) {
  return find<QLabel>(f, name)->text();
}

QColor pixelAt(const KmapForm& f, int xTwips, int yTwips) {
  auto* c = find<Canvas>(f, "Canvas");
  const QImage& img = c->image();
  const qreal dpr = img.devicePixelRatio();
  return img.pixelColor(int(pxF(xTwips) * dpr + 0.5), int(pxF(yTwips) * dpr + 0.5));
}

TEST(KmapWindow, GroupingIsOfferedOnlyForOnesWithDefaultAxes) {
  App app;
  KmapForm& f = *app.Form4;
  open(f, {3, 7, 11, 15});  // c*d
  EXPECT_EQ(f.widget()->windowTitle(), QStringLiteral("カルノー図"));
  EXPECT_TRUE(checked(f, "Option2(1)"));
  EXPECT_FALSE(checked(f, "Option2(0)"));
  EXPECT_FALSE(checked(f, "Option1(0)") || checked(f, "Option1(1)"));
  for (const char* c : {"Command3(0)", "Command3(1)", "Option3(0)", "Option3(1)"})
    EXPECT_FALSE(enabled(f, c)) << c;

  QStringList msgs = answeringMessages([&] { click(f, "Command2(1)"); });
  EXPECT_EQ(msgs, QStringList{"デフォルト値を入力します"});
  EXPECT_EQ(text(f, "Label12"), "ab");
  EXPECT_EQ(text(f, "Label13"), "cd");
  for (const char* c : {"Command3(0)", "Command3(1)", "Option3(0)", "Option3(1)"})
    EXPECT_TRUE(enabled(f, c)) << c;
  // Row 11 (r = 2) is all ones.
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(text(f, QString("Label9(%1)").arg(i)), i / 4 == 2 ? "1" : "");

  click(f, "Option2(0)");
  EXPECT_TRUE(checked(f, "Option2(0)"));
  EXPECT_FALSE(checked(f, "Option2(1)"));
  EXPECT_FALSE(enabled(f, "Command3(0)"));
  EXPECT_FALSE(enabled(f, "Command3(1)"));
  EXPECT_EQ(text(f, "Label9(8)"), "1");  // not refilled until "作成"
  EXPECT_THAT(answeringMessages([&] { click(f, "Command2(1)"); }), IsEmpty());
  EXPECT_EQ(text(f, "Label9(8)"), "");
  EXPECT_EQ(text(f, "Label9(0)"), "0");
  EXPECT_FALSE(enabled(f, "Option3(0)"));

  click(f, "Option2(1)");
  EXPECT_FALSE(checked(f, "Option2(0)"));
  click(f, "Command2(1)");
  EXPECT_TRUE(enabled(f, "Command3(0)"));

  // Another layout fills the map but withdraws the grouping.
  click(f, "Option1(0)");
  click(f, "Command2(0)");
  click(f, "Command2(0)");
  click(f, "Command1(1)");
  click(f, "Command1(0)");
  EXPECT_EQ(text(f, "Label12"), "ba");
  click(f, "Command2(1)");
  EXPECT_FALSE(enabled(f, "Command3(0)"));
  EXPECT_EQ(text(f, "Label9(8)"), "1");
}

TEST(KmapWindow, LetterButtonsFillTheChosenAxisUpToItsSize) {
  App app;
  KmapForm& f = *app.Form3;
  open(f, {1, 6, 7});
  EXPECT_FALSE(checked(f, "Option2(1)"));
  click(f, "Command1(0)");  // no axis chosen: nothing
  EXPECT_EQ(text(f, "Label10") + text(f, "Label11"), "");
  click(f, "Option1(1)");
  click(f, "Command1(0)");
  click(f, "Command1(1)");
  EXPECT_EQ(f.model().rowLetters, "a");
  EXPECT_EQ(text(f, "Label11"), "a");
  click(f, "Option1(0)");
  click(f, "Command1(2)");
  click(f, "Command1(1)");
  click(f, "Command1(0)");
  EXPECT_EQ(text(f, "Label10"), "cb");
  click(f, "Command2(0)");
  EXPECT_EQ(f.model().columnLetters, "c");
  EXPECT_EQ(text(f, "Label10"), "c");
  click(f, "Command1(1)");
  EXPECT_THAT(answeringMessages([&] { click(f, "Command2(1)"); }), IsEmpty());
  EXPECT_FALSE(enabled(f, "Command3(0)"));
  // Columns cb, row a: a*b + ~a*~b*c sits at cb = 10 with a = 0, and at
  // cb = 01 and 11 with a = 1.
  QStringList cells;
  for (int i = 0; i < 8; ++i) cells << text(f, QString("Label9(%1)").arg(i));
  EXPECT_EQ(cells, QStringList({"", "", "", "1", "", "1", "1", ""}));
}

TEST(KmapWindow, RepeatedVariableIsRefusedWithAMessage) {
  App app;
  KmapForm& f = *app.Form4;
  open(f, {0});
  click(f, "Option1(0)");
  click(f, "Command1(0)");
  click(f, "Command1(1)");
  click(f, "Option1(1)");
  click(f, "Command1(2)");
  click(f, "Command1(2)");
  const QStringList msgs = answeringMessages([&] { click(f, "Command2(1)"); });
  ASSERT_EQ(msgs.size(), 1);
  EXPECT_EQ(msgs[0], QStringLiteral("同じ変数が二度選ばれています。BSで選び直してください"));
  EXPECT_EQ(text(f, "Label9(0)"), "");
  click(f, "Command2(0)");
  click(f, "Command1(3)");
  EXPECT_THAT(answeringMessages([&] { click(f, "Command2(1)"); }), IsEmpty());
  EXPECT_EQ(text(f, "Label9(0)"), "1");
  EXPECT_TRUE(enabled(f, "Command3(0)"));
}

TEST(KmapWindow, FiveVariableMinimalListIsAskedUntilYes) {
  App app;
  KmapForm& f = *app.Form5;
  open(f, {0, 1, 2, 3, 8, 9, 10, 11, 31});
  answeringMessages([&] { click(f, "Command2(1)"); });
  ASSERT_TRUE(enabled(f, "Option3(1)"));
  const QString question =
      QStringLiteral("この作業は時間が異常にかかる可能性があります。よろしいですか？");

  QStringList titles;
  QStringList msgs = answeringMessages([&] { click(f, "Option3(1)"); }, QMessageBox::No, &titles);
  EXPECT_EQ(msgs, QStringList{question});
  EXPECT_EQ(titles, QStringList{"確認"});
  EXPECT_FALSE(checked(f, "Option3(1)"));
  EXPECT_FALSE(f.grouping()->minimalReady());

  msgs = answeringMessages([&] { click(f, "Option3(1)"); }, QMessageBox::Yes);
  EXPECT_EQ(msgs, QStringList{question});
  EXPECT_TRUE(checked(f, "Option3(1)"));
  EXPECT_FALSE(checked(f, "Option3(0)"));
  EXPECT_EQ(f.grouping()->minPrimes(), "abcde+np");

  click(f, "Option3(0)");
  EXPECT_TRUE(checked(f, "Option3(0)"));
  EXPECT_FALSE(checked(f, "Option3(1)"));
  EXPECT_THAT(answeringMessages([&] { click(f, "Option3(1)"); }), IsEmpty());
  EXPECT_TRUE(checked(f, "Option3(1)"));

  // Asked again after the window is loaded afresh.
  f.unload();
  open(f, {0});
  answeringMessages([&] { click(f, "Command2(1)"); });
  EXPECT_EQ(answeringMessages([&] { click(f, "Option3(1)"); }, QMessageBox::No).size(), 1);
}

TEST(KmapWindow, OneAndAllOutlineOnTheCanvasUnderTheCells) {
  App app;
  KmapForm& f = *app.Form4;
  open(f, {12, 13, 14, 15, 0});  // a*b + ~a*~b*~c*~d
  answeringMessages([&] { click(f, "Command2(1)"); });
  const QColor background = find<Canvas>(f, "Canvas")->background();
  EXPECT_EQ(pixelAt(f, 3240, 2000), background);

  click(f, "Command3(0)");
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "~a*~b*~c*~d");
  EXPECT_EQ(pixelAt(f, 1320, 1200), QColor(Qt::red));  // light red, left edge of cell 0
  click(f, "Command3(0)");
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "a*b");
  EXPECT_EQ(pixelAt(f, 1320, 1200), background);           // the first outline is gone
  EXPECT_EQ(pixelAt(f, 3240, 2000), QColor(0, 255, 255));  // light cyan (11)
  // The cell's label (Label9(6) spans this point) lets the outline show.
  EXPECT_EQ(find<Canvas>(f, "Canvas")->grab().toImage().pixelColor(pxPoint(3240, 2000)),
            QColor(0, 255, 255));

  click(f, "Command3(1)");
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "");
  EXPECT_EQ(pixelAt(f, 1320, 1200), QColor(0, 255, 0));  // light green (10)
  EXPECT_EQ(pixelAt(f, 3240, 2000), QColor(0, 0, 255));  // light blue (9)

  click(f, "Option3(1)");  // choosing a list clears the outlines, not the ruling
  EXPECT_EQ(pixelAt(f, 1320, 1200), background);
  EXPECT_EQ(pixelAt(f, 3240, 2000), background);
  EXPECT_EQ(pixelAt(f, 3000, 2000), QColor(Qt::black));

  click(f, "Command3(0)");
  click(f, "Option2(0)");
  click(f, "Command2(1)");  // the 0-cells: outlines of the 1-groups go
  EXPECT_EQ(pixelAt(f, 1320, 1200), background);
}

// Erasing an outline paints its lines in the background colour, over the
// ruling and over other outlines where they cross or coincide; both must come
// back whole, however many groups are stepped through.
TEST(KmapWindow, ErasingOutlinesLeavesTheRulingAndTheOtherOutlinesWhole) {
  auto linesOf = [](const test::RecordingSurface& r) {
    std::vector<std::array<int, 4>> lines;
    for (const auto& c : r.calls) {
      if (c.kind == test::DrawCall::Line) lines.push_back({c.x1, c.y1, c.x2, c.y2});
      if (c.kind == test::DrawCall::Rectangle)
        for (auto l : {std::array{c.x1, c.y1, c.x2, c.y1}, std::array{c.x1, c.y2, c.x2, c.y2},
                       std::array{c.x1, c.y1, c.x1, c.y2}, std::array{c.x2, c.y1, c.x2, c.y2}})
          lines.push_back(l);
    }
    return lines;
  };
  // The pixels strictly inside each horizontal or vertical line that are
  // background-coloured.
  auto gaps = [](const KmapForm& f, const std::vector<std::array<int, 4>>& lines) {
    const QColor background = find<Canvas>(f, "Canvas")->background();
    int n = 0;
    for (auto [x1, y1, x2, y2] : lines) {
      if (x1 != x2 && y1 != y2) continue;  // the corner's diagonal
      const bool across = y1 == y2;
      const int a = std::min(across ? x1 : y1, across ? x2 : y2);
      const int b = std::max(across ? x1 : y1, across ? x2 : y2);
      for (int t = a + 2 * kTwipsPerPixel; t <= b - 2 * kTwipsPerPixel; t += kTwipsPerPixel)
        n += pixelAt(f, across ? t : x1, across ? y1 : t) == background;
    }
    return n;
  };
  std::mt19937 rng(15);
  for (int n : {3, 4, 5}) {
    test::RecordingSurface ruling;
    kmap::drawRuling(ruling, n);
    for (int trial = 0; trial < 4; ++trial) {
      App app;
      KmapForm& f = n == 3 ? *app.Form3 : n == 4 ? *app.Form4 : *app.Form5;
      const auto ones = kmap::sample::randomFunction(n, rng, 0.6);
      f.showFor(Function{"", n, {}}, QString::fromStdString(kmap::sample::termList(ones, n, true)),
                QString::fromStdString(kmap::sample::termList(ones, n, false)));
      answeringMessages([&] { click(f, "Command2(1)"); });
      const int groups =
          int(f.grouping()->allPrimes().size() -
              std::count(f.grouping()->allPrimes().begin(), f.grouping()->allPrimes().end(), '+'));
      // One pass of "一つ" and into the next, then "全て" and "一つ" again.
      for (int i = 0; i <= groups; ++i) {
        click(f, "Command3(0)");
        ASSERT_EQ(gaps(f, linesOf(ruling)), 0) << n << " variables, step " << i;
      }
      click(f, "Command3(1)");
      click(f, "Command3(0)");
      ASSERT_EQ(gaps(f, linesOf(ruling)), 0) << n << " variables, after 全て";
      // The outlines of "全て" but its last stay whole.
      test::RecordingSurface others;
      std::string rest = f.grouping()->allPrimes();
      const std::string last =
          rest.substr(rest.rfind('+') == std::string::npos ? 0 : rest.rfind('+') + 1);
      for (std::size_t at = 0; at <= rest.size();) {
        const std::size_t end = std::min(rest.find('+', at), rest.size());
        const std::string term = rest.substr(at, end - at);
        if (term != last && term != "1")
          kmap::drawOutline(others, kmap::outlineOf(kmap::groupCells(term, n), n), 0);
        at = end + 1;
      }
      EXPECT_EQ(gaps(f, linesOf(others)), 0) << n << " variables: " << rest;
    }
  }
}

TEST(KmapWindow, ConstantTrueAndEmptyFunctions) {
  App app;
  KmapForm& f = *app.Form3;
  open(f, {0, 1, 2, 3, 4, 5, 6, 7});
  answeringMessages([&] { click(f, "Command2(1)"); });
  click(f, "Command3(0)");
  EXPECT_EQ(pixelAt(f, 1320, 1500), QColor(Qt::red));
  EXPECT_EQ(pixelAt(f, 4695, 1500), QColor(Qt::red));
  f.unload();

  open(f, {});
  answeringMessages([&] { click(f, "Command2(1)"); });
  const QImage before = find<Canvas>(f, "Canvas")->image();
  click(f, "Command3(0)");
  click(f, "Command3(1)");
  EXPECT_EQ(find<Canvas>(f, "Canvas")->image(), before);
}

// The road from the main window: the truth-table window hands its term lists
// over, and a second function reloads the open map window.
TEST(KmapWindow, OpenedFromTheTruthTable) {
  App app;
  app.start();
  test::MainDriver d(app);
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  ASSERT_TRUE(isOpen(*app.Form2));
  click(*app.Form2, "Command2");
  KmapForm& f = *app.Form3;
  ASSERT_TRUE(isOpen(f));
  EXPECT_EQ(answeringMessages([&] { click(f, "Command2(1)"); }),
            QStringList{"デフォルト値を入力します"});
  QStringList cells;
  for (int i = 0; i < 8; ++i) cells << text(f, QString("Label9(%1)").arg(i));
  EXPECT_EQ(cells, QStringList({"1", "1", "1", "1", "", "", "1", ""}));
  click(f, "Command3(0)");
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "a*b");
  click(f, "Command3(0)");
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "~c");

  app.Form2->unload();
  d.tableFor(QStringLiteral("a*b*c"), 3);
  click(*app.Form2, "Command2");
  ASSERT_TRUE(isOpen(f));
  EXPECT_EQ(find<QLineEdit>(f, "Text2")->text(), "");
  EXPECT_EQ(f.grouping()->allPrimes(), "abc");
  answeringMessages([&] { click(f, "Command2(1)"); });
  EXPECT_EQ(text(f, "Label9(6)"), "1");
  EXPECT_EQ(text(f, "Label9(0)"), "");
}

TEST(KmapWindow, SixVariableMapHasNoGrouping) {
  App app;
  KmapForm& f = *app.Form7;
  open(f, {0, 63});
  EXPECT_EQ(f.widget()->objectName(), "Form7");
  EXPECT_EQ(f.control<QWidget>("Command3(0)"), nullptr);
  EXPECT_EQ(f.control<QWidget>("Frame2"), nullptr);
  answeringMessages([&] { click(f, "Command2(1)"); });
  EXPECT_EQ(text(f, "Label20"), "abc");
  EXPECT_EQ(text(f, "Label21"), "def");
  EXPECT_EQ(text(f, "Label9(0)"), "1");
  // a..f all 1: column 111 (k = 5), row 111 (r = 5): block 3, cell 48 + 4 + 1.
  EXPECT_EQ(text(f, "Label9(53)"), "1");
  click(f, "Option2(0)");
  click(f, "Command2(1)");
  EXPECT_EQ(text(f, "Label9(0)"), "");
  EXPECT_EQ(text(f, "Label9(1)"), "0");
}

// Where the controls below the map stand in each of the four windows (twips).
TEST(KmapWindow, ControlsSitAtTheirPositions) {
  struct Layout {
    int form, width, height, optionA, optionB;
    const char* axisLabels[2];
    int axisWidth, letterX, bsX, bsWidth, makeX, frame1Y, frame1Width;
    // The grouping controls: Frame2, "一つ", "全て" (x2, y of all three),
    // the "囲む" label and Text2.
    int frame2X, frame2Y, oneX, allX, stepY;
    const char* title;
    int titleX, titleY, textX, textY;
  };
  // clang-format off
  const Layout layouts[] = {
      {3, 5235, 6150, 2400, 3120, {"Label10", "Label11"}, 2175, 3240, 3240, 495, 3840, 3720, 1815,
       120, 4680, 2760, 3600, 4680, "Label12", 4440, 4800, 2760, 5280},
      {4, 5235, 7245, 3600, 4320, {"Label12", "Label13"}, 1575, 2640, 2640, 1095, 3840, 4920, 1815,
       120, 5880, 2640, 3480, 5880, "Label14", 4320, 6000, 2760, 6480},
      {5, 9360, 6135, 3600, 4320, {"Label16", "Label17"}, 2295, 3360, 3360, 1095, 4560, 4920, 1695,
       6960, 3480, 6960, 7800, 4800, "Label18", 8640, 4920, 6960, 5400},
      {7, 9120, 8295, 6120, 6840, {"Label20", "Label21"}, 2295, 3360, 3360, 1095, 4560, 7440, 1695,
       0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0},
  };
  // clang-format on
  for (const Layout& L : layouts) {
    App app;
    KmapForm& f = L.form == 3   ? *app.Form3
                  : L.form == 4 ? *app.Form4
                  : L.form == 5 ? *app.Form5
                                : *app.Form7;
    open(f, {});
    auto at = [&](const char* name) { return find<QWidget>(f, name)->geometry(); };
    SCOPED_TRACE(testing::Message() << "Form" << L.form);
    EXPECT_EQ(f.widget()->centralWidget()->size(), pxSize(L.width, L.height));
    EXPECT_EQ(at("Option1(0)"), pxRect(120, L.optionA, 615, 495));
    EXPECT_EQ(at("Option1(1)"), pxRect(120, L.optionB, 615, 495));
    EXPECT_EQ(at(L.axisLabels[0]), pxRect(840, L.optionA, L.axisWidth, 495));
    EXPECT_EQ(at(L.axisLabels[1]), pxRect(840, L.optionB, L.axisWidth, 495));
    for (int i = 0; i < f.variables(); ++i)
      EXPECT_EQ(at(qPrintable(QString("Command1(%1)").arg(i))),
                pxRect(L.letterX + 600 * i, L.optionA, 495, 495));
    EXPECT_EQ(at("Command2(0)"), pxRect(L.bsX, L.optionB, L.bsWidth, 495));
    EXPECT_EQ(at("Command2(1)"), pxRect(L.makeX, L.optionB, 1095, 495));
    EXPECT_EQ(at("Frame1"), pxRect(120, L.frame1Y, L.frame1Width, 735));
    EXPECT_EQ(at("Option2(1)").topLeft(), pxPoint(1080, L.frame1Y + 240));
    if (!L.title) continue;
    // Frame2 is wider than designed so its longest option shows whole.
    EXPECT_EQ(at("Frame2").topLeft(), pxPoint(L.frame2X, L.frame2Y));
    EXPECT_EQ(at("Command3(0)"), pxRect(L.oneX, L.stepY, 735, 495));
    EXPECT_EQ(at("Command3(1)"), pxRect(L.allX, L.stepY, 735, 495));
    EXPECT_EQ(at(L.title), pxRect(L.titleX, L.titleY, 735, 420));
    EXPECT_EQ(find<QLabel>(f, L.title)->text(), "囲む");
    EXPECT_EQ(at("Text2"), pxRect(L.textX, L.textY, 1695, 615));
  }
  App app;
  KmapForm& f = *app.Form5;
  open(f, {});
  EXPECT_EQ(find<QWidget>(f, "Label9(21)")->geometry(), pxRect(5280 + 960, 1080 + 600, 495, 375));
  EXPECT_EQ(find<QWidget>(f, "Option2(1)")->parentWidget(), f.widget()->centralWidget());
  EXPECT_EQ(find<QWidget>(f, "Option2(0)")->parentWidget(), find<QWidget>(f, "Frame1"));
  EXPECT_EQ(find<QLabel>(f, "ColumnHeader(4)")->text(), "110");
  EXPECT_EQ(find<QLabel>(f, "RowHeader(2)")->text(), "11");
}

}  // namespace
}  // namespace ronri
