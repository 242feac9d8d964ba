#pragma once
// Zooming a window's drawing (for a projector): Ctrl + wheel and Ctrl +/−/0.
// Away from 100 % the drawing is shown magnified or reduced in a view that
// covers `host`, drawn again from the drawing calls (so it stays sharp);
// 100 % gives the live window back.
class QWidget;

namespace ronri {

// `area` carries the drawing's export menu (addExportMenu); `host` is the part
// of the window the zoomed view covers, less a band of `keepTop` pixels at its
// top where the window's controls stay in reach. A Canvas area is shown
// again zoomed each time its drawing changes.
void addDrawingZoom(QWidget* area, QWidget* host, int keepTop = 0);
// The zoom of the drawing of `area` in percent (100 without a zoom).
int drawingZoom(const QWidget* area);

}  // namespace ronri
