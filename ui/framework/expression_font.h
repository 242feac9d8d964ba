#pragma once
// The face for boxes that hold expression texts. The Japanese fixed-pitch face
// draws "~" high like an overline, easily misread in "~a*~b"; a Latin
// monospace face keeps the tilde where it belongs.
#include <QFont>
#include <QStringList>

namespace ronri {

inline QFont expressionFont(double pointSize = 10) {
  QFont f;
  f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                 QStringLiteral("IPAGothic"), QStringLiteral("Monospace")});
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSizeF(pointSize);
  return f;
}

}  // namespace ronri
