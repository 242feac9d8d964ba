#include "ui/framework/fonts.h"

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
  // IPAGothic draws "~" as an overline; expressions need a real tilde, so
  // Latin text comes from DejaVu Sans Mono and Japanese falls back to IPAGothic.
  f.setFamilies({"DejaVu Sans Mono", "IPAGothic", "Noto Sans Mono CJK JP", "Monospace"});
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSizeF(pointSize);
  return f;
}

void installDefaultFont() {
  QApplication::setFont(gothicFont(9));
}

}  // namespace ronri
