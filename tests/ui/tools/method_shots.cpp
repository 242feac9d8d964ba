// Not a test: opens the tabulation window and the chart's covers on the map
// as a user would, saves DIR/tabulation.png and DIR/cover-<k>.png, and stays
// open SECONDS seconds so the screen can be looked at (Xvfb + import).
//   method_shots DIR [SECONDS] [VARIABLES]
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "ui/app.h"
#include "ui/windows/added/prime_chart_form.h"
#include "ui/windows/added/tabulation_form.h"
#include "ui/windows/designed/convert_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace {

using ronri::Window;

void click(const Window& w, const QString& name) {
  auto* b = w.control<QAbstractButton>(name);
  if (!b) qFatal("no control %s in %s", qPrintable(name), qPrintable(w.name()));
  QTest::mouseClick(b, Qt::LeftButton);
}

void save(QWidget* w, const QString& dir, const QString& name) {
  QApplication::processEvents();
  if (!w->grab().save(QDir(dir).filePath(name + ".png")))
    qFatal("cannot write %s", qPrintable(name));
}

// The 1-row term list of the given rows of n variables.
QString rows(const std::vector<int>& ones, int n) {
  QString s;
  for (int r : ones) {
    for (int k = 0; k < n; ++k) s += QChar(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
    s += '+';
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 2) qFatal("usage: method_shots DIR [SECONDS] [VARIABLES]");
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const int seconds = argc > 2 ? atoi(argv[2]) : 0;
  const int big = argc > 3 ? atoi(argv[3]) : 0;
  ronri::App app;
  app.start();

  // A textbook example: m(0,1,2,5,6,7,8,9,10,14) of four variables.
  ronri::ConvertForm& convert = *app.Form9;
  if (big > 4) {
    std::vector<int> ones;
    for (int r = 0; r < (1 << big); ++r)
      if ((r * 2654435761u >> 7) % 3 != 0) ones.push_back(r);
    convert.showFor(ronri::Function{"f", big, {}}, rows(ones, big));
  } else {
    convert.showFor(ronri::Function{"f", 4, {}}, rows({0, 1, 2, 5, 6, 7, 8, 9, 10, 14}, 4));
  }
  click(convert, "Command4");
  save(convert.widget(), dir, "convert");
  click(convert, "CommandTabulation");
  ronri::TabulationForm& tab = *app.tabulation;
  tab.widget()->resize(1000, 560);
  save(tab.widget(), dir, "tabulation");
  if (big > 4) {
    auto* area = tab.control<QScrollArea>("TabulationArea");
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum() / 2);
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum() / 3);
    save(tab.widget(), dir, "tabulation-scrolled");
  }

  // With don't-cares: m(1,3,7,11,15) + d(0,2,5).
  convert.showFor(ronri::Function{"f", 4, {0, 2, 5}}, rows({1, 3, 7, 11, 15}, 4));
  click(convert, "Command4");
  click(convert, "CommandTabulation");
  save(tab.widget(), dir, "tabulation-x");

  // The cyclic function m(0,1,2,5,6,7): its two covers on the map in turn.
  convert.showFor(ronri::Function{"f", 3, {}}, rows({0, 1, 2, 5, 6, 7}, 3));
  click(convert, "Command4");
  click(convert, "CommandChart");
  ronri::PrimeChartForm& chart = *app.primeChart;
  auto* covers = chart.control<QListWidget>("CoverList");
  for (int k = 0; k < covers->count(); ++k) {
    covers->setCurrentRow(k);
    click(chart, "CommandCoverOnMap");
    save(app.Form3->widget(), dir, QStringLiteral("cover-%1").arg(k + 1));
  }
  save(chart.widget(), dir, "chart");

  if (seconds > 0) {
    QTimer::singleShot(seconds * 1000, &qapp, &QApplication::quit);
    return qapp.exec();
  }
  return 0;
}
