// Drives the main and truth-table windows as a user would, for two jobs that
// are not tests:
//   table_window_tool time [runs]  median time from a click on "作成" for a
//                                  ten-variable expression to the painted table
//   table_window_tool shoot DIR    the typical road for a*b+~c with three
//                                  variables, then DIR/form1.png and DIR/form2.png
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/timing.h"
#include "ui/app.h"
#include "ui/framework/fonts.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace {

using ronri::App;
using ronri::Window;

void click(const Window& w, const QString& name) {
  auto* b = w.control<QAbstractButton>(name);
  if (!b) qFatal("no control %s", qPrintable(name));
  QTest::mouseClick(b, Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
  const QRect r = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void pressTokens(const Window& form1, const std::vector<int>& buttons) {
  for (int index : buttons) click(form1, QStringLiteral("Command1(%1)").arg(index));
}

// Notes the first paint of a widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

int time(App& app, int runs) {
  Window& form1 = *app.Form1;
  auto* list1 = form1.control<QListWidget>(QStringLiteral("List1"));
  auto* list2 = form1.control<QListWidget>(QStringLiteral("List2"));
  clickRow(list1, 9);
  // a*b+c@d$e|f%g+~h*i+j over ten variables
  pressTokens(form1, {0, 23, 1, 22, 2, 25, 3, 27, 4, 28, 5, 26, 6, 22, 24, 7, 23, 8, 22, 9});
  click(form1, QStringLiteral("Command3(0)"));
  clickRow(list2, 0);

  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    click(form1, QStringLiteral("Command3(1)"));
    auto* text5 = app.Form2->control<QPlainTextEdit>(QStringLiteral("Text5"));
    PaintWatch watch;
    text5->viewport()->installEventFilter(&watch);
    while (!watch.painted && t.elapsed() < 5000) QApplication::processEvents();
    ms.push_back(t.nsecsElapsed() / 1e6);
    if (text5->toPlainText().count(QLatin1Char('\n')) != 1023) qFatal("table not filled");
    text5->viewport()->removeEventFilter(&watch);
    app.Form2->unload();
    QApplication::processEvents();
  }
  std::printf(
      "作成, 10 variables (1024 rows), %d runs: median %.1f ms, min %.1f ms, max %.1f ms, "
      "first %.1f ms\n",
      runs, ronri::bench::percentile(ms, 0.5), ronri::bench::percentile(ms, 0),
      ronri::bench::percentile(ms, 1), ms.front());
  return 0;
}

QPixmap grab(const Window& w) {
  QWidget* top = w.widget();
  if (QScreen* s = top->screen()) {
    const QPixmap p = s->grabWindow(top->winId());
    if (!p.isNull()) return p;
  }
  return top->grab();  // platforms without a screen grab
}

int shoot(App& app, const QString& dir) {
  Window& form1 = *app.Form1;
  form1.widget()->move(20, 20);
  clickRow(form1.control<QListWidget>(QStringLiteral("List1")), 2);
  pressTokens(form1, {0, 23, 1, 22, 24, 2});  // a and* b or+ not~ c
  click(form1, QStringLiteral("Command3(0)"));
  clickRow(form1.control<QListWidget>(QStringLiteral("List2")), 0);
  click(form1, QStringLiteral("Command3(1)"));
  app.Form2->widget()->move(form1.widget()->frameGeometry().right() + 20, 20);
  QTest::qWait(800);
  QDir().mkpath(dir);
  const bool ok = grab(form1).save(dir + QStringLiteral("/form1.png")) &&
                  grab(*app.Form2).save(dir + QStringLiteral("/form2.png"));
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  ronri::installDefaultFont();
  const QStringList args = QApplication::arguments();
  App app;
  app.start();
  QApplication::processEvents();
  if (args.value(1) == QLatin1String("time"))
    return time(app, std::max(1, args.value(2, "31").toInt()));
  if (args.value(1) == QLatin1String("shoot") && args.size() > 2) return shoot(app, args.value(2));
  std::fprintf(stderr, "usage: %s time [runs] | shoot DIR\n", argv[0]);
  return 2;
}
