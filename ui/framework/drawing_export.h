#pragma once
// Saving, copying and printing a window's drawing. The drawing is drawn again
// from its kept calls (not grabbed from the screen), cropped to its bounds with
// a small margin, on white.
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

#include "core/draw/display_list.h"

class QLabel;
class QWidget;

namespace ronri {

class Canvas;

// The canvas's drawing calls, then its line controls (one-pixel frames) as
// lines and the texts of its labels as text calls at the labels' places. With
// an area (in twips), only what reaches into it is kept; `keepLabel` may
// leave out labels that are captions of controls rather than of the drawing.
DisplayList exportableDrawing(const Canvas& canvas, const QRect& areaTwips = QRect(),
                              const std::function<bool(const QLabel&)>& keepLabel = {});

// The area the drawing covers, in logical pixels (empty when nothing is drawn).
QRectF drawingBounds(const DisplayList& drawing);
// The size of the picture renderDrawing() makes: the drawing and its margin,
// in logical pixels.
QSizeF renderedSize(const DisplayList& drawing);
// The drawing on white at `scale` device pixels per logical pixel.
QImage renderDrawing(const DisplayList& drawing, qreal scale = 2.0);
QByteArray svgDocument(const DisplayList& drawing);

// Writes the drawing as SVG when the name ends in ".svg", else as PNG at twice
// the screen density. The old file is replaced only when the new one is
// complete. On failure returns false and sets *error.
bool saveDrawing(const DisplayList& drawing, const QString& path, QString* error);
// Replaces the file at `path` with `bytes`, or leaves it as it was.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// A right-click menu on `area` with "画像として保存…", "コピー", "印刷…" and
// "印刷プレビュー…" (and "CSVとして保存…" when `csv` is given), drawing what
// `source` returns; the pages are headed by printHeader(). When `csv` gives
// nothing, no file is asked for or written: a message says so, with the
// reason `whyNoCsv` gives.
void addExportMenu(QWidget* area, std::function<DisplayList()> source,
                   std::function<QByteArray()> csv = {}, std::function<QString()> whyNoCsv = {});
// A further entry of the right-click menu of `area` (given a menu by
// addExportMenu), after its own entries.
void addExportAction(QWidget* area, const QString& caption, std::function<void()> run);
// What the right-click menu of `area` exports now (empty without a menu).
DisplayList exportedDrawing(const QWidget* area);
QByteArray exportedCsv(const QWidget* area);

}  // namespace ronri
