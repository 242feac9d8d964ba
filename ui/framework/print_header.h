#pragma once
// The function a window shows: after the window's caption in its title
// ("回路図 — a*b+~c"), and at the head of its printed pages.
#include <QString>

class QWidget;

namespace ronri {

// Titles `window` "caption — function" (just the caption when `function` is
// empty), the function shortened with "…" where the title would be wider
// than the screen.
void showFunctionInTitle(QWidget* window, const QString& caption, const QString& function);
// The title as it would stand on a screen `width` pixels wide.
QString functionTitle(const QString& caption, const QString& function, int width);

// The function shown in the window of `w` ("" when none).
QString shownFunction(const QWidget* w);

// The header line of the printed pages of a drawing in the window of `w`:
// "f = …" and the window's caption, or the window's title alone.
QString printHeader(const QWidget* w);

}  // namespace ronri
