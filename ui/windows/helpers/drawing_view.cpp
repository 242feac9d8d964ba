#include "ui/windows/helpers/drawing_view.h"

#include <QPainter>

#include "ui/framework/painter_surface.h"
#include "ui/framework/twips.h"

namespace ronri {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {}

void DrawingView::setDrawing(DisplayList d, double widthTwips, double heightTwips) {
  drawing_ = std::move(d);
  setFixedSize(px(int(widthTwips)) + 1, px(int(heightTwips)) + 1);
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  PainterSurface surface(p, Qt::white);
  drawing_.replay(surface);
}

}  // namespace ronri
