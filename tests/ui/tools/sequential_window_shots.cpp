// Not a test: every page of "順序回路の設計" for an example machine and flip-flop
// type, saved as DIR/sequential-<page>.png (README pictures).
//   sequential_window_shots DIR [example [D|T|JK|SR]]
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QThread>

#include "sequential/presets.h"
#include "ui/app.h"
#include "ui/windows/added/sequential_form.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 2) qFatal("usage: sequential_window_shots DIR [example [D|T|JK|SR]]");
  const int example = argc > 2 ? std::atoi(argv[2]) : 1;
  const QString type = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("JK");
  const QStringList types{"D", "T", "JK", "SR"};
  ronri::App app;
  app.start();
  ronri::SequentialForm& form = *app.sequential;
  form.show();
  form.choosePreset(example);
  form.chooseFlipFlop(ronri::seq::FlipFlop(std::max<qsizetype>(0, types.indexOf(type))));
  // The costs of the assignments come from a search of up to 2 s.
  for (int i = 0; i < 60 && form.choiceCosts().empty(); ++i) {
    QThread::msleep(100);
    QApplication::processEvents();
  }
  auto* stages = form.control<QTabWidget>(QStringLiteral("Stages"));
  if (!stages) qFatal("no stages");
  form.widget()->resize(900, 600);
  for (int k = 0; k < stages->count(); ++k) {
    stages->setCurrentIndex(k);
    QApplication::processEvents();
    const QString file =
        QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("sequential-%1.png").arg(k));
    if (!form.widget()->grab().save(file)) qFatal("cannot write %s", qPrintable(file));
  }
  return 0;
}
