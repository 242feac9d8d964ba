#pragma once
// Saving, copying and printing a window's drawing. The drawing is drawn again
// from its kept calls (not grabbed from the screen), cropped to its bounds with
// a small margin, on white.
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

#include "core/display_list.h"

class QWidget;

namespace ronri {

class Canvas;

// The canvas's drawing calls followed by the texts of the labels shown on it,
// as text calls at the labels' places.
DisplayList exportableDrawing(const Canvas& canvas);

// The area the drawing covers, in logical pixels (empty when nothing is drawn).
QRectF drawingBounds(const DisplayList& drawing);
// The drawing on white at `scale` device pixels per logical pixel.
QImage renderDrawing(const DisplayList& drawing, qreal scale = 2.0);
QByteArray svgDocument(const DisplayList& drawing);

// Writes the drawing as SVG when the name ends in ".svg", else as PNG at twice
// the screen density. The old file is replaced only when the new one is
// complete. On failure returns false and sets *error.
bool saveDrawing(const DisplayList& drawing, const QString& path, QString* error);
// Replaces the file at `path` with `bytes`, or leaves it as it was.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// A right-click menu on `area` with "画像として保存…", "コピー" and "印刷…"
// (and "CSVとして保存…" when `csv` is given), drawing what `source` returns.
void addExportMenu(QWidget* area, std::function<DisplayList()> source,
                   std::function<QByteArray()> csv = {});

}  // namespace ronri
