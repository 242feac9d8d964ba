#include "ui/windows/helpers/drawing_view.h"

#include <QPainter>

#include "ui/framework/drawing_export.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/twips.h"

namespace ronri {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Drawing"));
  addExportMenu(this, [this] { return drawing_; });
}

void DrawingView::setDrawing(DisplayList d, int widthTwips, int heightTwips) {
  drawing_ = std::move(d);
  setFixedSize(px(widthTwips) + 1, px(heightTwips) + 1);
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  PainterSurface surface(p, Qt::white);
  drawing_.replay(surface);
}

}  // namespace ronri
