// The time of "作成" in the circuit window for a large drawing, run by hand
// (bench/circuit_window.sh), not a test: the canonical sum of 103 of the 128
// rows of seven variables, from the click to the painted window.
//   circuit_window_tool [runs [picture.png]]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "core/expression/expression.h"
#include "core/table/truthtable.h"
#include "ui/app.h"
#include "ui/framework/canvas.h"
#include "ui/framework/fonts.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace {

// The canonical sum of 103 rows of seven variables: every row but 25 chosen
// by a fixed stride, so the terms mix plain and negated letters.
std::string canonicalSum() {
  constexpr int n = 7, rows = 1 << n;
  std::vector<bool> left(rows, false);
  for (int k = 0; k < rows - 103; ++k) left[(k * 37 + 11) % rows] = true;
  std::string s;
  for (int r = 0; r < rows; ++r) {
    if (left[r]) continue;
    if (!s.empty()) s += '+';
    for (int v = 0; v < n; ++v) {
      if (v) s += '*';
      if (!((r >> (n - 1 - v)) & 1)) s += '~';
      s += char('a' + v);
    }
  }
  return s;
}

class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  ronri::installDefaultFont();
  const int runs = std::max(1, QApplication::arguments().value(1, "5").toInt());
  ronri::App app;
  const std::string typed = canonicalSum();
  const ronri::TruthTable t = ronri::createTable(ronri::InsideExp(typed), 7);
  std::vector<double> ms;
  QSize drawn;
  for (int i = 0; i < runs; ++i) {
    ronri::CircuitForm& f = *app.Form6;
    f.showFor(ronri::Function{typed, 7, {}}, QString::fromStdString(t.rpn),
              QString::fromStdString(t.oneTerms));
    QApplication::processEvents();
    auto* canvas = f.control<ronri::Canvas>(QStringLiteral("Canvas"));
    PaintWatch watch;
    canvas->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(f.control<QAbstractButton>(QStringLiteral("Command2")), Qt::LeftButton);
    while (!watch.painted && timer.elapsed() < 120000) QApplication::processEvents();
    ms.push_back(timer.nsecsElapsed() / 1e6);
    if (canvas->displayList().ops().size() < 1000) qFatal("circuit not drawn");
    drawn = canvas->size();
    // The drawing as the window holds it, to compare between builds.
    if (i == 0 && QApplication::arguments().size() > 2)
      canvas->image().copy(QRect(QPoint(0, 0), drawn)).save(QApplication::arguments().at(2));
    canvas->removeEventFilter(&watch);
    f.unload();
    QApplication::processEvents();
  }
  std::printf(
      "作成, 7 variables, 103-term canonical sum (a drawing of %d x %d pixels), %d runs: "
      "median %.0f ms, min %.0f ms, max %.0f ms\n",
      drawn.width(), drawn.height(), runs, ronri::bench::percentile(ms, 0.5),
      ronri::bench::percentile(ms, 0), ronri::bench::percentile(ms, 1));
  return 0;
}
