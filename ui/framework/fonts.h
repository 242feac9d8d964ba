#pragma once
// The Japanese Gothic faces: the proportional one for captions, the fixed-pitch
// one for columns that must line up.
#include <QFont>

namespace ronri {

QFont gothicFont(double pointSize = 9, bool bold = false);
QFont fixedFont(double pointSize = 10);
// The application's default font (proportional Gothic with fallbacks).
void installDefaultFont();

}  // namespace ronri
