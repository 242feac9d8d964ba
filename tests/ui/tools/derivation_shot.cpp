// Not a test: opens "式の変形" from the conversion window for EXPR of N
// variables as a user would (和積形 with POS), checks NEXT as a De Morgan
// step from the first line, saves DIR/derivation.png (and DIR/convert.png),
// prints how long the window took and stays open SECONDS seconds.
//   derivation_shot DIR EXPR N [NEXT] [SECONDS] [POS]
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ui/app.h"
#include "ui/windows/added/derivation_form.h"
#include "ui/windows/designed/convert_form.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 4) qFatal("usage: derivation_shot DIR EXPR N [NEXT] [SECONDS] [POS]");
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const int seconds = argc > 5 ? atoi(argv[5]) : 0;
  QElapsedTimer clock;
  ronri::App app;
  app.start();
  ronri::ConvertForm& convert = *app.Form9;
  convert.showFor(ronri::Function{argv[2], atoi(argv[3]), {}}, QString());
  QApplication::processEvents();
  convert.widget()->grab().save(QDir(dir).filePath("convert.png"));
  clock.start();
  QTest::mouseClick(convert.control<QAbstractButton>("CommandDerivation"), Qt::LeftButton);
  ronri::DerivationForm& d = *app.derivation;
  d.widget()->resize(900, 700);
  if (argc > 6) QTest::mouseClick(d.control<QAbstractButton>("ProductOfSums"), Qt::LeftButton);
  QApplication::processEvents();
  std::printf("window filled and painted in %lld ms\n", static_cast<long long>(clock.elapsed()));
  if (argc > 4) {
    d.control<QLineEdit>("NextLine")->setText(QString::fromLocal8Bit(argv[4]));
    auto* laws = d.control<QComboBox>("LawList");
    laws->setCurrentIndex(laws->findData(int(ronri::Law::DeMorgan)));
    QTest::mouseClick(d.control<QAbstractButton>("CheckStep"), Qt::LeftButton);
  }
  QApplication::processEvents();
  if (!d.widget()->grab().save(QDir(dir).filePath("derivation.png"))) qFatal("cannot write");
  if (seconds <= 0) return 0;
  QTimer::singleShot(seconds * 1000, &qapp, &QApplication::quit);
  return qapp.exec();
}
