#pragma once
// The face for every control that shows an expression. The Japanese Gothic
// faces draw "~" high like an overline, so "~c" reads as "c"; a Latin
// monospace face keeps the tilde where it belongs.
#include <QFont>
#include <QStringList>

namespace ronri {

inline QFont expressionFont(double pointSize = 10, bool bold = false) {
  QFont f;
  f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                 QStringLiteral("Liberation Mono"), QStringLiteral("IPAGothic"),
                 QStringLiteral("Monospace")});
  f.setBold(bold);
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSizeF(pointSize);
  return f;
}

}  // namespace ronri
