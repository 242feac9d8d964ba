// The first page of a worksheet and of its key side by side, as printed
// (README picture). Usage: worksheet_shot <file.png>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <cstdio>

#include "ui/app.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/fonts.h"
#include "ui/windows/added/exercise_form.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  ronri::installDefaultFont();
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sheet.png");
  ronri::App app;
  ronri::ExerciseForm& ex = *app.exercises;
  ex.show();
  ex.control<QSpinBox>(QStringLiteral("Ones"))->setValue(7);
  ex.control<QSpinBox>(QStringLiteral("DontCares"))->setValue(2);
  ex.control<QComboBox>(QStringLiteral("Kind"))->setCurrentIndex(3);
  ex.control<QSpinBox>(QStringLiteral("Count"))->setValue(4);
  ex.control<QSpinBox>(QStringLiteral("Seed"))->setValue(2024);
  if (!ex.makeSet()) return 1;
  // Drawn at full size, then made smaller (a drawing is never drawn below scale 1).
  const auto page = [](const ronri::DisplayList& d) {
    QImage full = ronri::renderDrawing(d, 1.0);
    full.setDevicePixelRatio(1);
    return full.scaledToWidth(full.width() * 3 / 5, Qt::SmoothTransformation);
  };
  const QImage sheet = page(ex.pages(false).front());
  const QImage key = page(ex.pages(true).front());
  QImage both(sheet.width() + key.width() + 20, std::max(sheet.height(), key.height()),
              QImage::Format_RGB32);
  both.fill(Qt::gray);
  QPainter p(&both);
  p.drawImage(0, 0, sheet);
  p.drawImage(sheet.width() + 20, 0, key);
  p.end();
  const bool ok = both.save(path);
  std::printf("%s %s\n", qPrintable(path), ok ? "written" : "not written");
  return ok ? 0 : 1;
}
