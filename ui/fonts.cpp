#include "ui/fonts.h"

#include <QApplication>
#include <QStringList>

namespace ronri {

QFont gothicFont(double pointSize, bool bold) {
  QFont f;
  f.setFamilies({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic", "Sans Serif"});
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}

QFont fixedFont(double pointSize) {
  QFont f;
  f.setFamilies({"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic", "Monospace"});
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSizeF(pointSize);
  return f;
}

void installDefaultFont() {
  QApplication::setFont(gothicFont(9));
}

}  // namespace ronri
