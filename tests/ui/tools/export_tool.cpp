// Writes the PNG exports of a circuit, a map with all groups outlined and a
// notation drawing into a folder, as the right-click "画像として保存…" would.
// Usage: export_tool <folder>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "ui/app.h"
#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/fonts.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace {

// Answers every message box that an action opens with its default button.
void quietly(const std::function<void()>& action) {
  QTimer t;
  t.setInterval(1);
  QObject::connect(&t, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  t.start();
  action();
}

bool save(QWidget* area, const QString& path) {
  QString error;
  const bool ok = ronri::saveDrawing(ronri::exportedDrawing(area), path, &error);
  std::printf("%s %s\n", qPrintable(path), ok ? "written" : qPrintable(error));
  return ok;
}

void click(ronri::Window& w, const char* name) {
  if (auto* b = w.control<QAbstractButton>(QString::fromLatin1(name))) quietly([b] { b->click(); });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  ronri::installDefaultFont();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  ronri::App app;
  bool ok = true;

  // The views as the table window shows them.
  ronri::CircuitForm& c = *app.Form6;
  c.showFor(ronri::Function{"a*b+c*d", 4, {}}, QStringLiteral("ab*cd*+"), QString());
  click(c, "Option1");
  click(c, "Command2");
  c.control<QLineEdit>("Text1")->setText(QStringLiteral("1101"));
  click(c, "Command5");
  ok &= save(c.control<ronri::Canvas>("Canvas"), dir + "/export-circuit.png");

  ronri::KmapForm& m = *app.Form4;
  m.showFor(ronri::Function{"", 4, {}},
            QStringLiteral("nopq+nopd+nocq+nbpd+nbcd+aopq+aocq+abpd+abcd+"),
            QStringLiteral("nocd+nbpq+nbcq+aopd+aocd+abpq+abcq+"));
  click(m, "Command2(1)");
  click(m, "Option3(0)");
  click(m, "Command3(1)");
  ok &= save(m.control<ronri::Canvas>("Canvas"), dir + "/export-kmap.png");

  app.Form16->showFor(QStringLiteral("~(~(a*b)+c)@~d"));
  ok &= save(app.Form16->control<ronri::Canvas>("Canvas"), dir + "/export-notation.png");
  return ok ? 0 : 1;
}
