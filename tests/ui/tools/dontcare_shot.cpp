// Not a test: the BCD segment e, m(0,2,6,8) + d(10..15), entered with its X
// rows in the truth-table input, then its Karnaugh map with the minimal loops
// drawn; saves DIR/kmap-dontcare.png.
//   dontcare_shot DIR
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/app.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/designed/table_input_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace {

using ronri::Window;

QAbstractButton* button(const Window& w, const QString& name) {
  auto* b = w.control<QAbstractButton>(name);
  if (!b) qFatal("no control %s in %s", qPrintable(name), qPrintable(w.name()));
  return b;
}

void click(const Window& w, const QString& name) {
  QTest::mouseClick(button(w, name), Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc < 2) qFatal("usage: dontcare_shot DIR");
  // The map's "デフォルト値を入力します" is answered as a user would.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  answer.start(50);
  ronri::App app;
  app.start();
  app.Form11->showFor(4);
  const std::string rows = "1010001010XXXXXX";
  for (int r = 0; r < 16; ++r) {
    auto* b = button(*app.Form11, QStringLiteral("Command1(%1)").arg(r));
    if (rows[size_t(r)] == '1') QTest::mouseClick(b, Qt::LeftButton);
    if (rows[size_t(r)] == 'X') QTest::mouseClick(b, Qt::RightButton);
  }
  click(*app.Form11, "Command4");
  click(*app.Form1, "Command3(0)");
  auto* list = app.Form1->control<QListWidget>("List2");
  list->setCurrentRow(0);
  click(*app.Form1, "Command3(1)");
  click(*app.Form2, "Command2");
  ronri::KmapForm& map = *app.Form4;
  click(map, "Command2(1)");  // 作成 with the default axes
  click(map, "Option3(1)");   // 必要最小主項
  click(map, "Command3(1)");  // 全て
  QApplication::processEvents();
  const QString file = QDir(QString::fromLocal8Bit(argv[1])).filePath("kmap-dontcare.png");
  if (!map.widget()->grab().save(file)) qFatal("cannot write %s", qPrintable(file));
  return 0;
}
